/* The HCA viewer under Wine, on the sample report: opening and closing,
   size, toolbar, scrolling, another HSP, a plot that cannot be built. */
#include <string.h>

#include <algorithm>

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
        Key(VK_F2);
        ASSERT_TRUE(HWNDHCAFRAME != NULL && Prg() != NULL && Prg()->nDiag == 2u);
    }
    void TearDown() override
    {
        if (HWNDHCAMAIN != NULL)
            DestroyWindow(HWNDHCAMAIN);
        MainWindowTest::TearDown();
    }
    static pDataHcaPrg Prg() { return DataHcaDuViewer(); }
    static HWND Plot(unsigned i) { return Prg()->phWndDiag[i]; }
    static pInfoSequence Seq(unsigned i) { return (pInfoSequence)GetWindowLongPtrA(Plot(i), 0); }
    static int PosH(unsigned i) { return (int)Seq(i)->HcaData.nPosScroll; }
    static RECT Rect(HWND hWnd, HWND hWndIn = NULL)
    {
        RECT rc;
        GetWindowRect(hWnd, &rc);
        MapWindowPoints(NULL, hWndIn, (POINT *)&rc, 2);
        return rc;
    }
    static int Top(unsigned i) { return (int)Rect(Plot(i), HWNDHCAFRAME).top; }
    static int NbEnfants(HWND hWnd)
    {
        int n = 0;
        EnumChildWindows(hWnd, [](HWND, LPARAM l) -> BOOL { return ++*(int *)l > 0; }, (LPARAM)&n);
        return n;
    }
    static void Scroll(UINT uMsg, UINT code, int pos = 0) { SendMessageA(HWNDHCAFRAME, uMsg, MAKEWPARAM(code, (WORD)(short)pos), 0); }
    int AjouteQuery()
    {
        pHalyardHSPData h = Doc()->pVhspData;
        return CreationNvHCA(h->szQuery, h->QueryTxtClr, h->QueryBkClr, h->StartQuery, "Q", Doc());
    }
    static bool Coche3009() { return GetMenuState(GetMenu(hWndMain), 3009, MF_BYCOMMAND) & MF_CHECKED; }
    /* Both plots show the displayed HSP's rows at position 0, the query
       above, the scale counting from each row's first coordinate. */
    void PlotsDuHsp()
    {
        pHalyardHSPData pHsp = Doc()->pVhspData;
        ASSERT_EQ(2u, Prg()->nDiag);
        EXPECT_EQ(2, NbEnfants(HWNDHCAFRAME)) << "old plots destroyed";
        EXPECT_STREQ(pHsp->szQuery, Seq(0)->Sequence);
        EXPECT_STREQ(pHsp->szSubject, Seq(1)->Sequence);
        EXPECT_STREQ(Doc()->FichierBlast.szQuerySeqName, Seq(0)->SeqName);
        EXPECT_STREQ(Doc()->pHSPResultat[pHsp->noAlign - 1]->szAccessNb, Seq(1)->SeqName);
        EXPECT_EQ((std::vector<int>{ (int)pHsp->StartQuery, (int)pHsp->StartSubject, 0, 0, 0 }),
                  (std::vector<int>{ Seq(0)->pInfoAA[0].ValeurEchRel, Seq(1)->pInfoAA[0].ValeurEchRel, PosH(0),
                                     PosH(1), GetScrollPos(HWNDHCAFRAME, SB_HORZ) }));
        EXPECT_EQ(Prg()->nHauteurDiag, Top(1) - Top(0));
    }
};

TEST_F(HcaViewerTest, F2OpensTheViewerOnTheDisplayedHspAboveTheMainWindow)
{
    PlotsDuHsp();
    EXPECT_TRUE(IsWindowVisible(HWNDHCAMAIN) && IsWindowVisible(Plot(0)));
    EXPECT_TRUE(Coche3009());
    EXPECT_EQ(Rect(HWNDHCAMAIN).bottom, Rect(hWndMain).top) << "main window below the viewer";
    /* The height is fixed, only the width changes; the plots follow it. */
    const int nHaut = Rect(HWNDHCAMAIN).bottom - Rect(HWNDHCAMAIN).top;
    for (int cx : { 700, 640 }) {
        SetWindowPos(HWNDHCAMAIN, NULL, 0, 0, cx, nHaut + cx - 660, SWP_NOMOVE | SWP_NOZORDER);
        PumpMessages(20);
        RECT rc = Rect(HWNDHCAMAIN), rcF, rcP = Rect(Plot(0));
        GetClientRect(HWNDHCAFRAME, &rcF);
        EXPECT_EQ((std::vector<long>{ cx, nHaut, rcF.right - 2 * Prg()->GrObj.cxCharDiag }),
                  (std::vector<long>{ rc.right - rc.left, rc.bottom - rc.top, rcP.right - rcP.left }));
    }
}

/* The toolbar's buttons and tooltips (the printing tests run the commands). */
TEST_F(HcaViewerTest, ToolbarButtonsAndTooltips)
{
    const struct { int idCommand; const char *szTip; } cases[] = { { 3027, "Print HCA alignment" },
                                                                    { 3023, "Printer setup" } };
    for (int i = 0; i < 2; i++) {
        TBBUTTON tb = {};
        ASSERT_TRUE(SendMessageA(HWNDHCATOOLBAR, TB_GETBUTTON, i, (LPARAM)&tb));
        EXPECT_EQ(cases[i].idCommand, tb.idCommand);
        TOOLTIPTEXTA ttt = {};
        ttt.hdr = { (HWND)SendMessageA(HWNDHCATOOLBAR, TB_GETTOOLTIPS, 0, 0), (UINT_PTR)tb.idCommand,
                    (UINT)TTN_NEEDTEXTA };
        SendMessageA(HWNDHCAMAIN, WM_NOTIFY, 0, (LPARAM)&ttt);
        char sz[64] = "";
        if (IS_INTRESOURCE(ttt.lpszText))
            LoadStringA(ttt.hinst, (UINT)(UINT_PTR)ttt.lpszText, sz, sizeof sz);
        EXPECT_STREQ(cases[i].szTip, sz);
    }
}

/* Arrows move both plots 10 residues (residue 10 then drawn one pixel
   right of W, on row 30 mod 11), pages nPasPage, stopping one residue
   before the lowest thumb place and at the last residue; thumbs as given. */
TEST_F(HcaViewerTest, HorizontalScrollingMovesBothPlotsWithinTheEnds)
{
    const int nWnd = (int)Seq(1)->HcaData.WndLengthaa, nLong = Seq(1)->LengthAffich, nPage = Prg()->nPasPage;
    int nMin = 1, nMax = 0;
    GetScrollRange(HWNDHCAFRAME, SB_HORZ, &nMin, &nMax);
    EXPECT_EQ((std::vector<int>{ Seq(1)->StartAffich - nWnd, Seq(1)->StartAffich + nLong }),
              (std::vector<int>{ nMin, nMax }));
    Scroll(WM_HSCROLL, SB_LINERIGHT);
    PumpMessages(30);
    const GraphObjData &g = Prg()->GrObj;
    for (unsigned i = 0; i < 2; i++) {
        HWND hWndPlot = Plot(i);
        EmfDrawing d = Record([&](HDC hdc) { SendMessageA(hWndPlot, WM_PRINTCLIENT, (WPARAM)hdc, PRF_CLIENT); });
        char c = Seq(i)->Sequence[10];
        unsigned char codes[2];
        long y = 6 * g.cxCharDiag + g.nLineHeightAAs * 8;
        EXPECT_TRUE(std::any_of(d.texts.begin(), d.texts.end(), [&](const EmfText &t) {
            return t.pt.x == g.nLineWidthAAs + 1 && t.pt.y == y
                   && (SymboleAA(c, codes) > 0 || t.szText == std::wstring(1, (wchar_t)c));
        })) << "plot " << i << ": residue 10 (" << c << ")";
    }
    /* code, times, thumb place, position after */
    const struct { UINT code; int nFois, nThumb, nPos; } pas[] = {
        { SB_LINELEFT, 1, 0, 0 },          { SB_PAGELEFT, 50, 0, 1 - nWnd },  { SB_LINELEFT, 1, 0, 1 - nWnd },
        { SB_THUMBPOSITION, 1, -nWnd, -nWnd }, { SB_PAGERIGHT, 1, 0, -nWnd + nPage }, { SB_LINERIGHT, 50, 0, nLong },
        { SB_THUMBTRACK, 1, 7, 7 },        { SB_ENDSCROLL, 1, 0, 7 },
    };
    for (const auto &s : pas) {
        for (int i = 0; i < s.nFois; i++)
            Scroll(WM_HSCROLL, s.code, s.nThumb);
        EXPECT_EQ((std::vector<int>{ s.nPos, s.nPos, s.nPos }),
                  (std::vector<int>{ PosH(0), PosH(1), GetScrollPos(HWNDHCAFRAME, SB_HORZ) }))
            << "code " << s.code;
    }
}

/* Plots taller than the frame: the bottom shown after a plot is added;
   lines of half a plot, pages of a frame, within the range. With one plot
   no bar, and the plot one text line down. */
TEST_F(HcaViewerTest, VerticalScrolling)
{
    pDataHcaPrg p = Prg();
    const int cy = (int)p->GrObj.cyCharDiag;
    RECT rcF;
    GetClientRect(HWNDHCAFRAME, &rcF);
    const int nHaut = rcF.bottom;
    ASSERT_EQ(1, AjouteQuery());
    ASSERT_EQ(3u, p->nDiag);
    const int nMax = 3 * p->nHauteurDiag + 2 * cy - nHaut, nLigne = p->nHauteurDiag / 2;
    ASSERT_GT(nMax, p->nHauteurDiag);
    int nMinB = 1, nMaxB = 0;
    GetScrollRange(HWNDHCAFRAME, SB_VERT, &nMinB, &nMaxB);
    EXPECT_EQ((std::vector<int>{ 0, nMax, 1, nMax }), (std::vector<int>{ nMinB, nMaxB, p->bVScroll, p->nPosVScroll }));
    EXPECT_EQ(Plot(2), p->hWndActive) << "the new plot in view and active";
    int nAttendu = nMax;
    const struct { UINT code; int n; } pas[] = {
        { SB_LINEUP, -nLigne }, { SB_PAGEUP, -nHaut }, { SB_LINEDOWN, nLigne }, { SB_LINEUP, -nLigne },
        { SB_PAGEDOWN, nHaut }, { SB_THUMBTRACK, nMax / 3 }, { SB_THUMBPOSITION, 1 }, { SB_LINEUP, -nLigne },
    };
    for (const auto &s : pas) {
        int n = s.code == SB_THUMBTRACK || s.code == SB_THUMBPOSITION ? s.n : nAttendu + s.n;
        nAttendu = std::max(0, std::min(n, nMax));
        Scroll(WM_VSCROLL, s.code, nAttendu);
        EXPECT_EQ((std::vector<int>{ nAttendu, nAttendu, cy - nAttendu, p->nHauteurDiag + cy - nAttendu }),
                  (std::vector<int>{ p->nPosVScroll, GetScrollPos(HWNDHCAFRAME, SB_VERT), Top(0), Top(1) }))
            << "code " << s.code;
    }
    FermeHCADiag();
    EXPECT_EQ((std::vector<int>{ 0, 0 }), (std::vector<int>{ (int)p->nDiag, NbEnfants(HWNDHCAFRAME) }));
    ASSERT_EQ(1, AjouteQuery());
    EXPECT_EQ((std::vector<int>{ 0, 0, cy }), (std::vector<int>{ p->bVScroll, p->nPosVScroll, Top(0) }));
}

/* Another hit from the list, then the next HSPs of hit 5, rebuild both
   plots at position 0 on the new rows. */
TEST_F(HcaViewerTest, AnotherHspRebuildsBothPlotsAtPositionZero)
{
    for (int noHsp : { 1, 2, 3 }) {
        SCOPED_TRACE(noHsp);
        Scroll(WM_HSCROLL, SB_LINERIGHT);
        if (noHsp == 1) {
            ListBox_SetCurSel(HWNDRESULT, 4);
            SendMessageA(hWndMain, WM_COMMAND, MAKEWPARAM(6001, LBN_SELCHANGE), (LPARAM)HWNDRESULT);
        } else {
            Command(hWndMain, 6002);
        }
        PumpMessages(30);
        ASSERT_NE(nullptr, Doc()->pVhspData);
        EXPECT_EQ((std::vector<int>{ 5, noHsp }), (std::vector<int>{ Doc()->pVhspData->noAlign, Doc()->pVhspData->noHsp }));
        PlotsDuHsp();
    }
}

/* F2 again, the close box, or the report closed: the viewer goes, its menu
   item is cleared, the main window goes back to the top. */
TEST_F(HcaViewerTest, F2AgainTheCloseBoxOrTheReportsEndClosesIt)
{
    for (int nCas : { 0, 1, 2 }) {
        SCOPED_TRACE(nCas);
        if (nCas == 0)
            Key(VK_F2);
        else if (nCas == 1)
            SendMessageA(HWNDHCAMAIN, WM_CLOSE, 0, 0), PumpMessages(20);
        else
            Command(hWndMain, 3001);
        EXPECT_TRUE(HWNDHCAFRAME == NULL && HWNDHCAMAIN == NULL);
        EXPECT_FALSE(Coche3009());
        EXPECT_EQ(0, Rect(hWndMain).top) << "main window back at the top";
        ASSERT_EQ(1, Open(SAMPLE_REPORT));
        Key(VK_F2);
        ASSERT_NE(nullptr, HWNDHCAMAIN);
        EXPECT_TRUE(Coche3009());
    }
}

/* Whichever allocation fails while a plot is added: one notice, no plot
   window left over, the other plot untouched. */
TEST_F(HcaViewerTest, EveryAllocationFailureWhileAddingAPlotLeavesTheViewerAsItWas)
{
    FermeHCADiag();
    ASSERT_EQ(1, AjouteQuery());
    HWND hWndQuery = Plot(0);
    int n = 0;
    for (;; n++) {
        ASSERT_LT(n, 400) << "never succeeds";
        SCOPED_TRACE(testing::Message() << "allocation " << n + 1 << " fails");
        BoxAnswerer answerer({ IDOK, IDOK });
        MyAllocFailAfter(n);
        int r = AjouteQuery();
        MyAllocFailAfter(-1);
        EXPECT_EQ(r == 1 ? 0u : 1u, answerer.Seen().size()) << "one notice per failure";
        if (r == 1)
            break;
        EXPECT_EQ((std::vector<int>{ 1, 1, 1, 0 }), (std::vector<int>{ (int)Prg()->nDiag, NbEnfants(HWNDHCAFRAME),
                                                                    Plot(0) == hWndQuery, strcmp(Doc()->pVhspData->szQuery, Seq(0)->Sequence) }));
    }
    EXPECT_GE(n, 6) << "record, its four arrays and the plot list at least";
    EXPECT_EQ((std::vector<int>{ 2, 2 }), (std::vector<int>{ (int)Prg()->nDiag, NbEnfants(HWNDHCAFRAME) }));
}

} // namespace
