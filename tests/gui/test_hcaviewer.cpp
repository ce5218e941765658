/* The HCA viewer under Wine, on the sample report: opening, closing,
   scrolling, another HSP, a plot that cannot be built; a paint of a plot,
   from enhanced metafiles, against the portable geometry. */
#include <algorithm>
#include <memory>
#include "hcawin.h"
#include "mainfixture.h"

namespace {

typedef std::vector<int> Ints;

class HcaViewerTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        ASSERT_EQ(1, Open(SAMPLE_REPORT));
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
    static int NbEnfants()
    {
        int n = 0;
        EnumChildWindows(HWNDHCAFRAME, [](HWND, LPARAM l) -> BOOL { return ++*(int *)l > 0; }, (LPARAM)&n);
        return n;
    }
    static void Scroll(UINT uMsg, UINT code, int pos = 0) { SendMessageA(HWNDHCAFRAME, uMsg, MAKEWPARAM(code, (WORD)(short)pos), 0); }
    int AjouteQuery()
    {
        pHalyardHSPData h = Doc()->pVhspData;
        return CreationNvHCA(h->szQuery, h->QueryTxtClr, h->QueryBkClr, h->StartQuery, "Q", Doc());
    }
    static bool Coche3009() { return GetMenuState(GetMenu(hWndMain), 3009, MF_BYCOMMAND) & MF_CHECKED; }
    /* One paint of residues 0..nLast, as a plot window does it: the pen
       and brush of PrepHCADC stay selected, CleanHCADC gives back the DC's. */
    static EmfDrawing Dessine(pInfoSequence p, int nOffset, int nLast, RECT rc, int *pnRet)
    {
        return Record([&](HDC hdc) {
            HGDIOBJ hPen0 = GetCurrentObject(hdc, OBJ_PEN), hBr0 = GetCurrentObject(hdc, OBJ_BRUSH);
            PrepHCADC(hdc, &Prg()->GrObj);
            HGDIOBJ hPen = GetCurrentObject(hdc, OBJ_PEN), hBr = GetCurrentObject(hdc, OBJ_BRUSH);
            *pnRet = DessineDiagramme2(hdc, p, nOffset, 0, nLast, &rc, Prg()->GrObj, HCA_MODE_ECRAN);
            EXPECT_TRUE(hPen == GetCurrentObject(hdc, OBJ_PEN) && hBr == GetCurrentObject(hdc, OBJ_BRUSH));
            CleanHCADC(hdc, &Prg()->GrObj);
            EXPECT_TRUE(hPen0 == GetCurrentObject(hdc, OBJ_PEN) && hBr0 == GetCurrentObject(hdc, OBJ_BRUSH));
        });
    }
};

/* Above the main window, which a resize keeps below it; the plots as wide
   as the frame; the last button's tip. Another hit from the list, then the
   next HSPs of hit 5, rebuild both plots at position 0 on the new rows,
   the query above, the scale counting from each row's first coordinate.
   F2 again, the close box or the report closed: the viewer goes, its menu
   item cleared, the main window back at the top; F2 opens it again.
   The bar runs from a window's width of residues before the row to its
   end. An arrow moves both plots 10 residues (residue 10 then drawn one
   pixel right of W, on row 30 mod 11); a thumb put before 0 keeps its
   sign, and a page from there moves the plots and the bar nPasPage.
   Plots taller than the frame: the bottom shown after a plot is added;
   a line of half a plot, a page of the frame, the thumb, each moving the
   plots and the bar. With one plot no bar, and the plot one text line
   down. Whichever allocation fails while a second plot is added: one
   notice, no plot window left over, the first plot untouched. */
TEST_F(HcaViewerTest, OpeningClosingAndScrolling)
{
    const int nHaut = Rect(HWNDHCAMAIN).bottom - Rect(HWNDHCAMAIN).top;
    SetWindowPos(HWNDHCAMAIN, NULL, 0, 0, 640, nHaut - 20, SWP_NOMOVE | SWP_NOZORDER);
    PumpMessages(20);
    RECT rc = Rect(HWNDHCAMAIN), rcF, rcP = Rect(Plot(0));
    GetClientRect(HWNDHCAFRAME, &rcF);
    EXPECT_EQ((std::vector<long>{ 640, nHaut, rcF.right - 2 * Prg()->GrObj.cxCharDiag, rc.bottom }),
              (std::vector<long>{ rc.right - rc.left, rc.bottom - rc.top, rcP.right - rcP.left, Rect(hWndMain).top }));
    TOOLTIPTEXTA ttt = {};
    ttt.hdr = { HWNDHCATOOLBAR, 3023, (UINT)TTN_NEEDTEXTA };
    SendMessageA(HWNDHCAMAIN, WM_NOTIFY, 0, (LPARAM)&ttt);
    char sz[64] = "";
    LoadStringA(ttt.hinst, (UINT)(UINT_PTR)ttt.lpszText, sz, sizeof sz);
    EXPECT_STREQ("Printer setup", sz);
    for (int noHsp : { 1, 2, 3 }) {
        SCOPED_TRACE(noHsp);
        Scroll(WM_HSCROLL, SB_LINERIGHT);
        ListBox_SetCurSel(HWNDRESULT, 4);
        WPARAM wCmd = noHsp == 1 ? MAKEWPARAM(6001, LBN_SELCHANGE) : 6002;
        SendMessageA(hWndMain, WM_COMMAND, wCmd, noHsp == 1 ? (LPARAM)HWNDRESULT : 0);
        PumpMessages(30);
        pHalyardHSPData h = Doc()->pVhspData;
        ASSERT_TRUE(h != NULL && Prg()->nDiag == 2u);
        EXPECT_EQ((std::vector<std::string>{ h->szQuery, h->szSubject, Doc()->FichierBlast.szQuerySeqName,
                                             Doc()->pHSPResultat[h->noAlign - 1]->szAccessNb }),
                  (std::vector<std::string>{ Seq(0)->Sequence, Seq(1)->Sequence, Seq(0)->SeqName, Seq(1)->SeqName }));
        EXPECT_EQ((Ints{ 5, noHsp, 2, (int)h->StartQuery, (int)h->StartSubject, 0, 0, 0, Prg()->nHauteurDiag }),
                  (Ints{ h->noAlign, h->noHsp, NbEnfants(), Seq(0)->pInfoAA[0].ValeurEchRel, Seq(1)->pInfoAA[0].ValeurEchRel,
                         PosH(0), PosH(1), GetScrollPos(HWNDHCAFRAME, SB_HORZ), Top(1) - Top(0) }));
    }
    for (int nCas : { 0, 1, 2 }) {   /* F2 again, the close box, the report closed */
        SCOPED_TRACE(nCas);
        if (nCas == 0)
            Key(VK_F2);
        else if (nCas == 1)
            SendMessageA(HWNDHCAMAIN, WM_CLOSE, 0, 0), PumpMessages(20);
        else
            Command(hWndMain, 3001);
        EXPECT_TRUE(HWNDHCAFRAME == NULL && HWNDHCAMAIN == NULL && !Coche3009());
        EXPECT_EQ(0, Rect(hWndMain).top) << "main window back at the top";
        ASSERT_EQ(1, Open(SAMPLE_REPORT));
        Key(VK_F2);
        EXPECT_TRUE(IsWindowVisible(HWNDHCAMAIN) && IsWindowVisible(Plot(0)) && Coche3009());
    }
    pDataHcaPrg p = Prg();
    const int nWnd = (int)Seq(1)->HcaData.WndLengthaa, nPos = -nWnd + p->nPasPage;
    int nMinB = 1, nMaxB = 0;
    GetScrollRange(HWNDHCAFRAME, SB_HORZ, &nMinB, &nMaxB);
    EXPECT_EQ((Ints{ Seq(1)->StartAffich - nWnd, Seq(1)->StartAffich + Seq(1)->LengthAffich }), (Ints{ nMinB, nMaxB }));
    Scroll(WM_HSCROLL, SB_LINERIGHT);
    PumpMessages(30);
    EmfDrawing d = Record([&](HDC hdc) { SendMessageA(Plot(0), WM_PRINTCLIENT, (WPARAM)hdc, PRF_CLIENT); });
    EXPECT_TRUE(std::any_of(d.texts.begin(), d.texts.end(), [&](const EmfText &t) {
        return t.pt.x == p->GrObj.nLineWidthAAs + 1 && t.pt.y == 6 * p->GrObj.cxCharDiag + p->GrObj.nLineHeightAAs * 8;
    })) << "residue 10";
    Scroll(WM_HSCROLL, SB_THUMBPOSITION, -nWnd);
    Scroll(WM_HSCROLL, SB_PAGERIGHT);
    EXPECT_EQ((Ints{ nPos, nPos, nPos }), (Ints{ PosH(0), PosH(1), GetScrollPos(HWNDHCAFRAME, SB_HORZ) }));
    const int cy = (int)p->GrObj.cyCharDiag;
    GetClientRect(HWNDHCAFRAME, &rcF);
    ASSERT_EQ(1, AjouteQuery());
    const int nMax = 3 * p->nHauteurDiag + 2 * cy - rcF.bottom;
    GetScrollRange(HWNDHCAFRAME, SB_VERT, &nMinB, &nMaxB);
    EXPECT_EQ((Ints{ 0, nMax, 1, nMax, 1 }), (Ints{ nMinB, nMaxB, p->bVScroll, p->nPosVScroll, p->hWndActive == Plot(2) }))
        << "the new plot in view and active";
    /* code, position after (the thumb's place) */
    const struct { UINT code; int nPos; } pas[] = {
        { SB_LINEUP, nMax - p->nHauteurDiag / 2 }, { SB_PAGEUP, 0 }, { SB_PAGEDOWN, nMax }, { SB_THUMBTRACK, nMax / 3 },
    };
    for (const auto &s : pas) {
        Scroll(WM_VSCROLL, s.code, s.nPos);
        EXPECT_EQ((Ints{ s.nPos, s.nPos, cy - s.nPos, p->nHauteurDiag + cy - s.nPos }),
                  (Ints{ p->nPosVScroll, GetScrollPos(HWNDHCAFRAME, SB_VERT), Top(0), Top(1) }))
            << "code " << s.code;
    }
    FermeHCADiag();
    EXPECT_EQ((Ints{ 0, 0 }), (Ints{ (int)p->nDiag, NbEnfants() }));
    ASSERT_EQ(1, AjouteQuery());
    EXPECT_EQ((Ints{ 0, 0, cy }), (Ints{ p->bVScroll, p->nPosVScroll, Top(0) }));
    HWND hWndQuery = Plot(0);
    for (int n = 0, r = 0; r != 1; n++) {
        ASSERT_LT(n, 400) << "never succeeds";
        SCOPED_TRACE(testing::Message() << "allocation " << n + 1 << " fails");
        BoxAnswerer answerer({ IDOK, IDOK });
        MyAllocFailAfter(n);
        r = AjouteQuery();
        MyAllocFailAfter(-1);
        EXPECT_EQ((Ints{ 1 - r, 1 + r, 1 + r, 1, 0 }),   /* one notice per failure */
                  (Ints{ (int)answerer.Seen().size(), (int)Prg()->nDiag, NbEnfants(), Plot(0) == hWndQuery,
                         strcmp(Doc()->pVhspData->szQuery, Seq(0)->Sequence) }));
    }
}

/* Each residue's letter or symbols (a shape where Wine's Wingdings lacks
   the glyph) in both copies, its cells and contour; scale numbers and
   ticks; chevrons; nothing else; every pen and brush deleted. Without
   memory, nothing. */
TEST_F(HcaViewerTest, PaintDrawsWhatTheGeometryGives)
{
    const char *szRow = "ACDGKPSTWLAAALAKLVDEIFGHKWALALAA";
    const int n = (int)strlen(szRow), nOffset = 10;
    const GraphObjData &g = Prg()->GrObj;
    const int cx = (int)g.cxCharDiag;
    const RectHCA rc = { 7, 3, 300, 200 };
    /* the row in the viewer's fonts, in several colours, every switch on */
    std::vector<unsigned> txt(n), bk(n);
    for (int i = 0; i < n; i++)
        txt[i] = 2 + i % 12, bk[i] = i % 7 ? 1 : 5 + i % 10;
    std::unique_ptr<InfoSequence, void (*)(pInfoSequence)> p(PrepSequenceHCA(szRow, txt.data(), bk.data(), 95, "TEST", "", &g), FreeDataSequence);
    GraphHCAData &h = p->HcaData;
    h.IsDrawAA = h.IsDrawBkGround = h.IsDrawCluster = h.IsDrawZigZag = h.IsDrawSeparateur = 1;
    int nRet = 0;
    EmfDrawing d = Dessine(p.get(), nOffset, n - 1, { rc.left, rc.top, rc.right, rc.bottom }, &nRet);
    EXPECT_EQ((Ints{ 1, d.nCreated }), (Ints{ nRet, d.nDeleted }));
    size_t nTextes = 0, nSegments = 0;
    auto segment = [&](PointHCA a, PointHCA b) { return ++nSegments, d.HasSegment({ a.x, a.y }, { b.x, b.y }, 0); };
    for (int k = 0; k < n; k++) {
        SCOPED_TRACE(testing::Message() << "residue " << k << " " << szRow[k]);
        int X, Y[2];
        PositionEcranAA(p.get(), k, nOffset, rc, g, &X, &Y[0], &Y[1]);
        unsigned char codes[2];
        const int nCodes = SymboleAA(szRow[k], codes);
        const COLORREF cr = CouleurLettreAA(p.get(), k);
        unsigned long crFond;
        const bool bFond = FondAA(p.get(), k, &crFond) != 0;
        for (int y : Y) {
            std::vector<const EmfText *> ici;
            for (const EmfText &t : d.texts)
                if (t.pt.x == X && t.pt.y == y)
                    ici.push_back(&t);
            nTextes += ici.size();
            /* the symbol code page maps code c to U+F000 + c */
            for (size_t i = 0; i < ici.size() && i < (size_t)std::max(nCodes, 1); i++) {
                wchar_t wc = ici[i]->szText[0];
                EXPECT_TRUE(nCodes ? wc == codes[i] || wc == 0xF000 + codes[i] : wc == (wchar_t)szRow[k]) << wc;
                EXPECT_EQ(nCodes ? L"Wingdings" : L"Times New Roman", ici[i]->szFace);
                EXPECT_EQ(cr, ici[i]->crText);
            }
            bool bForme = std::any_of(d.polygons.begin(), d.polygons.end(), [&](const EmfPolygon &e) {
                return !e.bNullBrush && e.cr == cr && e.pts[0].x == X;
            }) || std::any_of(d.segments.begin(), d.segments.end(), [&](const EmfSegment &e) { return e.cr == cr && abs(e.a.x - X) < cx; });
            EXPECT_TRUE((int)ici.size() == std::max(nCodes, 1) || (nCodes > 0 && bForme)) << "drawn as a shape";
            PointHCA cell[6], hex[6], seg[12];
            CelluleEcran(p->pInfoAA[k].PolyGon, X, y, g, cell);
            EXPECT_EQ(bFond, std::any_of(d.polygons.begin(), d.polygons.end(), [&](const EmfPolygon &e) {
                return e.pts.size() == 6 && e.bNullPen && e.cr == crFond
                       && std::equal(e.pts.begin(), e.pts.end(), cell, [](POINT a, PointHCA b) { return a.x == b.x && a.y == b.y; });
            })) << "cell at y " << y;
            CelluleEcran(g.ptAmas, X, y, g, hex);
            for (int i = 0, nSeg = SegmentsContour(p->pInfoAA[k].TabHydro, hex, seg); i < nSeg; i++)
                EXPECT_TRUE(segment(seg[2 * i], seg[2 * i + 1])) << "contour segment " << i;
        }
        const int nGrad = GraduationAA(p.get(), k), yTrait = rc.top + 3 * cx;
        if (nGrad != HCA_GRAD_AUCUNE) {
            const EmfText *t = d.TextAt(std::to_wstring(p->pInfoAA[k].ValeurEchRel), X, nGrad == HCA_GRAD_FIN ? yTrait : rc.top);
            ASSERT_NE(nullptr, t) << "scale number";
            EXPECT_EQ((Ints{ nGrad == HCA_GRAD_FIN ? TA_LEFT | TA_TOP : TA_CENTER | TA_TOP, 0, nGrad == HCA_GRAD_TRAIT }),
                      (Ints{ (int)t->nAlign, (int)t->crText, segment({ X, yTrait }, { X, yTrait + 2 * cx }) }));
            nTextes++, nSegments -= nGrad != HCA_GRAD_TRAIT;
        }
    }
    for (unsigned z = 0; z < p->nZigZag; z++) {
        PointHCA pts[6];
        ChevronZigZag(p.get(), (int)p->TableauZigZag[z] - 1, nOffset, rc, g, pts);
        for (int i : { 0, 1, 3, 4 })
            EXPECT_TRUE(segment(pts[i], pts[i + 1])) << "chevron " << z;
    }
    EXPECT_EQ(nTextes, d.texts.size()) << "texts elsewhere";
    EXPECT_GE(nSegments + 20, d.segments.size()) << "segments elsewhere";
    for (int nOk : { 0, 1 }) {   /* without either work array: nothing drawn, one notice */
        BoxAnswerer answerer({ IDOK });
        MyAllocFailAfter(nOk);
        d = Dessine(p.get(), nOffset, n - 1, { rc.left, rc.top, rc.right, rc.bottom }, &nRet);
        MyAllocFailAfter(-1);
        EXPECT_EQ((Ints{ 0, 0, 1 }), (Ints{ nRet, (int)(d.texts.size() + d.polygons.size() + d.segments.size()),
                                            (int)answerer.Seen().size() })) << nOk;
    }
}

} // namespace
