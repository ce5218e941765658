/* The HCA viewer under Wine, on the sample report: F2 opens it on the
   displayed HSP (query plot above subject plot) and moves the main window
   below it; its height is fixed; the toolbar; horizontal scrolling of both
   plots and its ends; vertical scrolling; another HSP rebuilds both plots;
   a plot that cannot be built leaves the viewer as it was; F2 again or
   the close box closes it. */
#include <string.h>

#include "hcaemf.h"
#include "hcawin.h"
#include "mainfixture.h"

namespace {

class HcaViewerTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        ASSERT_EQ(1, Open(SAMPLE_REPORT));
        PumpMessages(20);
    }

    void TearDown() override
    {
        if (HWNDHCAMAIN != NULL)
            DestroyWindow(HWNDHCAMAIN);
        MainWindowTest::TearDown();
    }

    /* F2 through the accelerator table, as the message loop does it. */
    void F2()
    {
        HACCEL hAccel = LoadAcceleratorsA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(6000));
        ASSERT_NE(nullptr, hAccel);
        MSG msg;
        memset(&msg, 0, sizeof msg);
        msg.hwnd = hWndMain;
        msg.message = WM_KEYDOWN;
        msg.wParam = VK_F2;
        msg.lParam = 0x003C0001;
        EXPECT_NE(0, TranslateAcceleratorA(hWndMain, hAccel, &msg));
        PumpMessages(50);
    }

    /* Opens the viewer and checks that it has its two plots. */
    void OuvreViewer()
    {
        F2();
        ASSERT_NE(nullptr, HWNDHCAFRAME);
        ASSERT_NE(nullptr, HWNDHCAMAIN);
        ASSERT_NE(nullptr, Prg());
        ASSERT_EQ(2u, Prg()->nDiag);
    }

    static pDataHcaPrg Prg() { return DataHcaDuViewer(); }
    static HWND Plot(unsigned i) { return Prg()->phWndDiag[i]; }
    static pInfoSequence Seq(unsigned i) { return (pInfoSequence)GetWindowLongPtrA(Plot(i), 0); }
    static int PosH(unsigned i) { return (int)Seq(i)->HcaData.nPosScroll; }

    static RECT RectFenetre(HWND hWnd)
    {
        RECT rc;
        GetWindowRect(hWnd, &rc);
        return rc;
    }

    /* Place of a plot in the frame's client area. */
    static RECT RectDansFrame(HWND hWnd)
    {
        RECT rc = RectFenetre(hWnd);
        MapWindowPoints(NULL, HWNDHCAFRAME, (POINT *)&rc, 2);
        return rc;
    }

    static RECT ClientFrame()
    {
        RECT rc;
        GetClientRect(HWNDHCAFRAME, &rc);
        return rc;
    }

    static int NbEnfants(HWND hWnd)
    {
        int n = 0;
        EnumChildWindows(hWnd, [](HWND, LPARAM l) -> BOOL { ++*(int *)l; return TRUE; }, (LPARAM)&n);
        return n;
    }

    static void HScroll(UINT code, int pos = 0)
    {
        SendMessageA(HWNDHCAFRAME, WM_HSCROLL, MAKEWPARAM(code, (WORD)(short)pos), 0);
    }

    static void VScroll(UINT code, int pos = 0)
    {
        SendMessageA(HWNDHCAFRAME, WM_VSCROLL, MAKEWPARAM(code, (WORD)(short)pos), 0);
    }

    static UINT Etat3009()
    {
        return GetMenuState(GetMenu(hWndMain), 3009, MF_BYCOMMAND) & MF_CHECKED;
    }
};

TEST_F(HcaViewerTest, F2OpensTheViewerOnTheDisplayedHspBelowWhichTheMainWindowMoves)
{
    ASSERT_NE(nullptr, Doc()->pVhspData);
    OuvreViewer();
    pHalyardHSPData pHsp = Doc()->pVhspData;

    EXPECT_STREQ(pHsp->szQuery, Seq(0)->Sequence);
    EXPECT_STREQ(pHsp->szSubject, Seq(1)->Sequence);
    EXPECT_STREQ(Doc()->FichierBlast.szQuerySeqName, Seq(0)->SeqName);
    EXPECT_STREQ(Doc()->pHSPResultat[pHsp->noAlign - 1]->szAccessNb, Seq(1)->SeqName);
    /* scale numbers count from each row's first coordinate */
    EXPECT_EQ((int)pHsp->StartQuery, Seq(0)->pInfoAA[0].ValeurEchRel);
    EXPECT_EQ((int)pHsp->StartSubject, Seq(1)->pInfoAA[0].ValeurEchRel);

    /* the query plot above the subject plot, each nHauteurDiag high,
       one text line in from the frame's left edge */
    int cxD = (int)Prg()->GrObj.cxCharDiag;
    RECT rc0 = RectDansFrame(Plot(0)), rc1 = RectDansFrame(Plot(1));
    EXPECT_EQ(Prg()->nHauteurDiag, rc1.top - rc0.top);
    EXPECT_EQ(Prg()->nHauteurDiag, rc0.bottom - rc0.top);
    EXPECT_EQ(cxD, rc0.left);
    EXPECT_EQ(ClientFrame().right - 2 * cxD, rc0.right - rc0.left);
    EXPECT_EQ(Plot(1), Prg()->hWndActive);
    EXPECT_EQ(1u, Prg()->nIdxActive);

    /* screen-wide, NMAXWINHCA high, at the top left */
    RECT rcV = RectFenetre(HWNDHCAMAIN);
    EXPECT_EQ(0, rcV.left);
    EXPECT_EQ(0, rcV.top);
    EXPECT_EQ(GetSystemMetrics(SM_CXFULLSCREEN), rcV.right - rcV.left);
    EXPECT_EQ(NMAXWINHCA, rcV.bottom - rcV.top);
    EXPECT_TRUE(IsWindowVisible(HWNDHCAMAIN));
    EXPECT_TRUE(IsWindowVisible(Plot(0)));

    /* the frame under the 40-pixel toolbar, over the rest of the client */
    RECT rcC, rcF = RectFenetre(HWNDHCAFRAME);
    GetClientRect(HWNDHCAMAIN, &rcC);
    MapWindowPoints(NULL, HWNDHCAMAIN, (POINT *)&rcF, 2);
    EXPECT_EQ(40, rcF.top);
    EXPECT_EQ(rcC.bottom, rcF.bottom);
    EXPECT_EQ(rcC.right, rcF.right);

    EXPECT_EQ((UINT)MF_CHECKED, Etat3009());
    EXPECT_EQ(rcV.bottom, RectFenetre(hWndMain).top) << "main window below the viewer";
}

TEST_F(HcaViewerTest, HeightIsFixedOnlyTheWidthChanges)
{
    OuvreViewer();
    int cxFull = GetSystemMetrics(SM_CXFULLSCREEN);
    struct {
        int cx, cy, cxAttendu;   /* asked, width got; the height is always NMAXWINHCA */
    } cases[] = { { 700, NMAXWINHCA + 120, 700 },
                  { 640, NMAXWINHCA - 90, 640 },
                  { 20, 30, cxFull / 3 } };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.cx << " x " << c.cy);
        SetWindowPos(HWNDHCAMAIN, NULL, 0, 0, c.cx, c.cy, SWP_NOMOVE | SWP_NOZORDER);
        PumpMessages(20);
        RECT rc = RectFenetre(HWNDHCAMAIN);
        EXPECT_EQ(NMAXWINHCA, rc.bottom - rc.top);
        EXPECT_EQ(c.cxAttendu, rc.right - rc.left);
        RECT rcP = RectDansFrame(Plot(0));
        EXPECT_EQ(ClientFrame().right - 2 * (int)Prg()->GrObj.cxCharDiag, rcP.right - rcP.left)
            << "the plots follow the frame's width";
    }
}

TEST_F(HcaViewerTest, ToolbarButtonsTooltipsAndCommands)
{
    OuvreViewer();
    ASSERT_NE(nullptr, HWNDHCATOOLBAR);
    ASSERT_EQ(2, (int)SendMessageA(HWNDHCATOOLBAR, TB_BUTTONCOUNT, 0, 0));
    struct {
        int idCommand, nImage;
        const char *szTip;
    } cases[] = { { 3027, 2, "Print HCA alignment" }, { 3023, 3, "Printer setup" } };
    for (int i = 0; i < 2; i++) {
        const auto &c = cases[i];
        SCOPED_TRACE(c.szTip);
        TBBUTTON tb;
        memset(&tb, 0, sizeof tb);
        ASSERT_TRUE(SendMessageA(HWNDHCATOOLBAR, TB_GETBUTTON, i, (LPARAM)&tb));
        EXPECT_EQ(c.idCommand, tb.idCommand);
        EXPECT_EQ(c.nImage, tb.iBitmap);
        EXPECT_TRUE(tb.fsState & TBSTATE_ENABLED);

        TOOLTIPTEXTA ttt;
        memset(&ttt, 0, sizeof ttt);
        ttt.hdr = { (HWND)SendMessageA(HWNDHCATOOLBAR, TB_GETTOOLTIPS, 0, 0), (UINT_PTR)c.idCommand,
                    (UINT)TTN_NEEDTEXTA };
        SendMessageA(HWNDHCAMAIN, WM_NOTIFY, 0, (LPARAM)&ttt);
        ASSERT_TRUE(IS_INTRESOURCE(ttt.lpszText));
        char sz[64] = "";
        LoadStringA(ttt.hinst, (UINT)(UINT_PTR)ttt.lpszText, sz, sizeof sz);
        EXPECT_STREQ(c.szTip, sz);
    }
    /* each command opens its dialog (cancelled here); the plots stay */
    BoxAnswerer answerer({ IDCANCEL, IDCANCEL });
    SendMessageA(HWNDHCAMAIN, WM_COMMAND, 3027, 0);
    SendMessageA(HWNDHCAMAIN, WM_COMMAND, 3023, 0);
    ASSERT_EQ(2u, answerer.Seen().size());
    EXPECT_EQ("HCA print options", answerer.Seen()[0].szCaption);
    EXPECT_EQ(HWNDHCAMAIN, answerer.Seen()[1].hOwner) << answerer.Seen()[1].szCaption;
    EXPECT_EQ(2u, Prg()->nDiag);
}

/* The right arrow moves both plots 10 residues: residue 10 is then drawn
   where residue 0 was. */
TEST_F(HcaViewerTest, RightArrowMovesBothPlotsTenResidues)
{
    OuvreViewer();
    EXPECT_EQ(0, PosH(0));
    EXPECT_EQ(0, GetScrollPos(HWNDHCAFRAME, SB_HORZ));
    int nMin = 1, nMax = 0;
    GetScrollRange(HWNDHCAFRAME, SB_HORZ, &nMin, &nMax);
    EXPECT_EQ(Seq(1)->StartAffich - (int)Seq(1)->HcaData.WndLengthaa, nMin);
    EXPECT_EQ(Seq(1)->StartAffich + Seq(1)->LengthAffich, nMax);

    HScroll(SB_LINERIGHT);
    EXPECT_EQ(10, PosH(0));
    EXPECT_EQ(10, PosH(1));
    EXPECT_EQ(10, GetScrollPos(HWNDHCAFRAME, SB_HORZ));
    PumpMessages(30);

    const GraphObjData &g = Prg()->GrObj;
    int W = g.nLineWidthAAs, H = g.nLineHeightAAs;
    for (unsigned i = 0; i < 2; i++) {
        SCOPED_TRACE(testing::Message() << "plot " << i);
        HWND hWndPlot = Plot(i);
        HENHMETAFILE hEmf = RecordEmf([&](HDC hdc) {
            SendMessageA(hWndPlot, WM_PRINTCLIENT, (WPARAM)hdc, PRF_CLIENT);
        });
        ASSERT_NE(nullptr, hEmf);
        HcaDessin d = HcaDecode(hEmf);
        DeleteEnhMetaFile(hEmf);
        /* residue 10: row 30 mod 11 = 8, one pixel right of W */
        char c = Seq(i)->Sequence[10];
        unsigned char codes[2];
        long y = 6 * g.cxCharDiag + H * 8;
        bool bTrouve = false;
        for (const HcaTexte &t : d.textes)
            bTrouve = bTrouve || (t.pt.x == W + 1 && t.pt.y == y
                                  && (SymboleAA(c, codes) > 0 || t.szText == std::wstring(1, (wchar_t)c)));
        EXPECT_TRUE(bTrouve) << "residue 10 (" << c << ") at (" << W + 1 << ", " << y << ")";
        for (const HcaTexte &t : d.textes)
            EXPECT_GE(t.pt.x, W + 1 - 4 * W) << "no residue before 6 drawn";
    }

    HScroll(SB_LINELEFT);
    EXPECT_EQ(0, PosH(0));
    EXPECT_EQ(0, PosH(1));
}

/* Arrows and pages stop one residue before the thumb's lowest place
   (residue 0 at the right edge); at the other end the last residue can
   reach the left edge. Thumb moves take the place given. */
TEST_F(HcaViewerTest, HorizontalScrollingStopsAtBothEnds)
{
    OuvreViewer();
    int nWnd = (int)Seq(1)->HcaData.WndLengthaa;
    int nLong = Seq(1)->LengthAffich;
    ASSERT_GT(nWnd, 10);
    ASSERT_GT(Prg()->nPasPage, 10);

    for (int i = 0; i < 50; i++)
        HScroll(SB_PAGELEFT);
    EXPECT_EQ(1 - nWnd, PosH(0));
    EXPECT_EQ(1 - nWnd, PosH(1));
    HScroll(SB_LINELEFT);
    EXPECT_EQ(1 - nWnd, PosH(1)) << "no move past the lowest place";

    HScroll(SB_THUMBPOSITION, -nWnd);
    EXPECT_EQ(-nWnd, PosH(0));
    EXPECT_EQ(-nWnd, GetScrollPos(HWNDHCAFRAME, SB_HORZ));

    HScroll(SB_PAGERIGHT);
    EXPECT_EQ(-nWnd + Prg()->nPasPage, PosH(0));
    for (int i = 0; i < 50; i++)
        HScroll(SB_LINERIGHT);
    EXPECT_EQ(nLong, PosH(0));
    EXPECT_EQ(nLong, PosH(1));
    EXPECT_EQ(nLong, GetScrollPos(HWNDHCAFRAME, SB_HORZ));

    HScroll(SB_THUMBTRACK, 7);
    EXPECT_EQ(7, PosH(0));
    EXPECT_EQ(7, PosH(1));
    HScroll(SB_ENDSCROLL);
    EXPECT_EQ(7, PosH(1));
}

/* The frame scrolls vertically when the plots are taller than it: it
   shows the bottom after each plot is added; lines are half a plot and
   pages a frame height, kept within the bar's range. With one plot the
   bar is off and the plot starts one text line down. */
TEST_F(HcaViewerTest, VerticalScrolling)
{
    OuvreViewer();
    pDataHcaPrg p = Prg();
    pHalyardHSPData pHsp = Doc()->pVhspData;
    int cy = (int)p->GrObj.cyCharDiag;
    int nHaut = ClientFrame().bottom;
    EXPECT_EQ(2 * p->nHauteurDiag + 2 * cy, p->nHauteurTotale);
    if (nHaut < p->nHauteurTotale) {
        EXPECT_EQ(1, p->bVScroll);
        EXPECT_EQ(p->nHauteurTotale - nHaut, p->nPosVScroll) << "opened at the bottom";
    } else {
        EXPECT_EQ(0, p->bVScroll);
        EXPECT_EQ(cy, RectDansFrame(Plot(0)).top);
    }

    /* a third plot makes the steps measurable */
    ASSERT_EQ(1, CreationNvHCA(pHsp->szQuery, pHsp->QueryTxtClr, pHsp->QueryBkClr, pHsp->StartQuery,
                               "Q", Doc()));
    ASSERT_EQ(3u, p->nDiag);
    EXPECT_EQ(3 * p->nHauteurDiag + 2 * cy, p->nHauteurTotale);
    int nMax = p->nHauteurTotale - nHaut;
    ASSERT_GT(nMax, p->nHauteurDiag);
    int nMinB = 1, nMaxB = 0;
    GetScrollRange(HWNDHCAFRAME, SB_VERT, &nMinB, &nMaxB);
    EXPECT_EQ(0, nMinB);
    EXPECT_EQ(nMax, nMaxB);
    EXPECT_EQ(1, p->bVScroll);
    EXPECT_EQ(nMax, p->nPosVScroll) << "the new plot in view";
    EXPECT_EQ(nMax, GetScrollPos(HWNDHCAFRAME, SB_VERT));
    EXPECT_EQ(Plot(2), p->hWndActive);

    /* lines are half a plot, pages a frame height, thumbs absolute */
    int nLigne = p->nHauteurDiag / 2, nAttendu = nMax;
    struct {
        UINT code;
        int n;
    } pas[] = { { SB_LINEUP, -nLigne },  { SB_PAGEUP, -nHaut },       { SB_LINEDOWN, nLigne },
                { SB_LINEUP, -nLigne },  { SB_PAGEDOWN, nHaut },      { SB_THUMBTRACK, nMax / 3 },
                { SB_THUMBPOSITION, 1 }, { SB_LINEUP, -nLigne },      { SB_LINEDOWN, nLigne },
                { SB_ENDSCROLL, 0 } };
    for (const auto &s : pas) {
        int n = s.code == SB_THUMBTRACK || s.code == SB_THUMBPOSITION ? s.n : nAttendu + s.n;
        nAttendu = n < 0 ? 0 : n > nMax ? nMax : n;
        SCOPED_TRACE(testing::Message() << "code " << s.code << ", expected " << nAttendu);
        VScroll(s.code, nAttendu);
        EXPECT_EQ(nAttendu, p->nPosVScroll);
        EXPECT_EQ(nAttendu, GetScrollPos(HWNDHCAFRAME, SB_VERT));
        for (unsigned i = 0; i < 3; i++)
            EXPECT_EQ((int)i * p->nHauteurDiag + cy - nAttendu, RectDansFrame(Plot(i)).top)
                << "plot " << i;
    }

    FermeHCADiag();
    EXPECT_EQ(0u, p->nDiag);
    EXPECT_EQ(0, NbEnfants(HWNDHCAFRAME));
    ASSERT_EQ(1, CreationNvHCA(pHsp->szQuery, pHsp->QueryTxtClr, pHsp->QueryBkClr, pHsp->StartQuery,
                               "Q", Doc()));
    ASSERT_GT(nHaut, p->nHauteurDiag + 2 * cy);
    EXPECT_EQ(0, p->bVScroll);
    EXPECT_EQ(0, p->nPosVScroll);
    EXPECT_EQ(cy, RectDansFrame(Plot(0)).top);
}

/* Displaying another HSP (another hit, then the next HSP of hit 5)
   rebuilds both plots at position 0 on the new rows. */
TEST_F(HcaViewerTest, AnotherHspRebuildsBothPlotsAtPositionZero)
{
    OuvreViewer();
    HScroll(SB_LINERIGHT);
    HScroll(SB_LINERIGHT);
    ASSERT_EQ(20, PosH(1));

    struct Etape {
        const char *szQuoi;
        int noAlign, noHsp;   /* expected HSP */
    } etapes[] = { { "hit 5 from the list", 5, 1 }, { "next HSP", 5, 2 }, { "next HSP", 5, 3 } };
    for (const Etape &e : etapes) {
        SCOPED_TRACE(e.szQuoi);
        if (e.noHsp == 1) {
            ListBox_SetCurSel(HWNDRESULT, e.noAlign - 1);
            SendMessageA(hWndMain, WM_COMMAND, MAKEWPARAM(6001, LBN_SELCHANGE), (LPARAM)HWNDRESULT);
        } else {
            SendMessageA(hWndMain, WM_COMMAND, 6002, 0);
        }
        PumpMessages(30);
        pHalyardHSPData pHsp = Doc()->pVhspData;
        ASSERT_NE(nullptr, pHsp);
        EXPECT_EQ(e.noAlign, pHsp->noAlign);
        EXPECT_EQ(e.noHsp, pHsp->noHsp);
        ASSERT_EQ(2u, Prg()->nDiag);
        EXPECT_EQ(2, NbEnfants(HWNDHCAFRAME)) << "old plots destroyed";
        EXPECT_STREQ(pHsp->szQuery, Seq(0)->Sequence);
        EXPECT_STREQ(pHsp->szSubject, Seq(1)->Sequence);
        EXPECT_EQ((int)pHsp->StartSubject, Seq(1)->pInfoAA[0].ValeurEchRel);
        EXPECT_EQ(0, PosH(0));
        EXPECT_EQ(0, PosH(1));
        EXPECT_EQ(0, GetScrollPos(HWNDHCAFRAME, SB_HORZ));
        EXPECT_LT(RectDansFrame(Plot(0)).top, RectDansFrame(Plot(1)).top);
        HScroll(SB_LINERIGHT);
    }
}

TEST_F(HcaViewerTest, F2AgainOrTheCloseBoxClosesIt)
{
    OuvreViewer();
    F2();
    EXPECT_EQ(nullptr, HWNDHCAFRAME);
    EXPECT_EQ(nullptr, HWNDHCAMAIN);
    EXPECT_EQ(0u, Etat3009());
    EXPECT_EQ(0, RectFenetre(hWndMain).top) << "main window back at the top";

    OuvreViewer();
    EXPECT_EQ(RectFenetre(HWNDHCAMAIN).bottom, RectFenetre(hWndMain).top);
    SendMessageA(HWNDHCAMAIN, WM_CLOSE, 0, 0);
    PumpMessages(20);
    EXPECT_EQ(nullptr, HWNDHCAFRAME);
    EXPECT_EQ(nullptr, HWNDHCAMAIN);
    EXPECT_EQ(0u, Etat3009());
    EXPECT_EQ(0, RectFenetre(hWndMain).top) << "main window back at the top";

    /* closing the report closes the viewer too */
    OuvreViewer();
    SendMessageA(hWndMain, WM_COMMAND, 3001, 0);
    EXPECT_EQ(nullptr, HWNDHCAFRAME);
    EXPECT_EQ(0, RectFenetre(hWndMain).top) << "main window back at the top";
    ASSERT_EQ(1, Open(SAMPLE_REPORT));

    /* and F2 opens it again */
    OuvreViewer();
    EXPECT_EQ((UINT)MF_CHECKED, Etat3009());
}

/* Whichever allocation fails while a plot is added (preparing the row,
   growing the plot list after its window exists), the notice is shown
   once, no plot window is left over and the other plot is untouched. */
TEST_F(HcaViewerTest, EveryAllocationFailureWhileAddingAPlotLeavesTheViewerAsItWas)
{
    OuvreViewer();
    pHalyardHSPData pHsp = Doc()->pVhspData;
    FermeHCADiag();
    ASSERT_EQ(1, CreationNvHCA(pHsp->szQuery, pHsp->QueryTxtClr, pHsp->QueryBkClr, pHsp->StartQuery,
                               "Q", Doc()));
    HWND hWndQuery = Plot(0);
    std::string szQuery = Seq(0)->Sequence;

    int n = 0;
    for (;; n++) {
        ASSERT_LT(n, 400) << "never succeeds";
        SCOPED_TRACE(testing::Message() << "allocation " << n + 1 << " fails");
        BoxAnswerer answerer({ IDOK, IDOK });
        MyAllocFailAfter(n);
        int r = CreationNvHCA(pHsp->szSubject, pHsp->SubjectTxtClr, pHsp->SubjectBkClr,
                              pHsp->StartSubject, "S", Doc());
        MyAllocFailAfter(-1);
        EXPECT_EQ(r == 1 ? 0u : 1u, answerer.Seen().size()) << "one notice per failure";
        if (r == 1)
            break;
        ASSERT_EQ(1u, Prg()->nDiag);
        EXPECT_EQ(1, NbEnfants(HWNDHCAFRAME)) << "no plot window left over";
        EXPECT_EQ(hWndQuery, Plot(0));
        EXPECT_EQ(szQuery, Seq(0)->Sequence);
    }
    EXPECT_GE(n, 6) << "record, its four arrays and the plot list at least";
    EXPECT_EQ(2u, Prg()->nDiag);
    EXPECT_EQ(2, NbEnfants(HWNDHCAFRAME));
}

} // namespace
