/* A paint of an HCA plot, from enhanced metafiles, against the portable
   geometry tested natively: what it draws, and what it creates. */
#include <stdlib.h>
#include <string.h>

#include <algorithm>

#include "hcawin.h"
#include "mainfixture.h"

namespace {

class HcaDrawTest : public MainWindowTest {
protected:
    GraphObjData g;
    std::vector<pInfoSequence> seqs;

    void SetUp() override
    {
        MainWindowTest::SetUp();
        memset(&g, 0, sizeof g);
        DefinePolice(hWndMain, &g);
        ASSERT_EQ(1, InitHPolice(hWndMain, &g));
        AssigneDimDiag(&g, 7, 16);
        CalculAmasUnitaire(&g);
    }
    void TearDown() override
    {
        for (pInfoSequence p : seqs)
            FreeDataSequence(p);
        DeleteHPolice(hWndMain, &g);
        MainWindowTest::TearDown();
    }
    /* A row with every switch on. */
    pInfoSequence Prepare(const char *szRow, std::vector<unsigned> txt, std::vector<unsigned> bk, int nPremier = 1)
    {
        txt.resize(strlen(szRow), txt.back());
        bk.resize(strlen(szRow), bk.back());
        pInfoSequence p = PrepSequenceHCA(szRow, txt.data(), bk.data(), nPremier, "TEST", "", &g);
        if (p != NULL) {
            p->HcaData.IsDrawAA = p->HcaData.IsDrawBkGround = p->HcaData.IsDrawCluster = 1;
            p->HcaData.IsDrawZigZag = p->HcaData.IsDrawSeparateur = 1;
            seqs.push_back(p);
        }
        return p;
    }
    /* One paint of residues first..last, as the plot window does it. */
    EmfDrawing Dessine(pInfoSequence p, int nOffset, int nFirst, int nLast, RECT rc, int *pnRet = nullptr)
    {
        return Record([&](HDC hdc) {
            PrepHCADC(hdc, &g);
            int nRet = DessineDiagramme2(hdc, p, nOffset, nFirst, nLast, &rc, g, HCA_MODE_ECRAN);
            CleanHCADC(hdc, &g);
            if (pnRet)
                *pnRet = nRet;
        });
    }
};

/* Each residue's letter or symbols (a shape where Wine's Wingdings lacks
   the glyph) in both copies, its cells and contour; scale numbers and
   ticks; chevrons; nothing else. In colour and draft, scrolled or not. */
TEST_F(HcaDrawTest, PaintDrawsWhatTheGeometryGives)
{
    const char *szRow = "ACDGKPSTWLAAALAKLVDEIFGHKWALALAA";
    const int n = (int)strlen(szRow);
    const struct { int bDraft, nOffset, nPremier; RECT rc; } cases[] = {
        { 0, 0, 1, { 3, 10, 500, 200 } }, { 1, 0, 95, { 0, 0, 500, 200 } }, { 0, 10, 8, { 7, 3, 300, 200 } } };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "draft " << c.bDraft << " offset " << c.nOffset);
        pInfoSequence p = Prepare(szRow, { 2, 3, 4, 6, 8, 9, 10, 12, 13, 2 }, { 1, 5, 1, 3, 7, 14, 1 }, c.nPremier);
        ASSERT_NE(nullptr, p);
        ASSERT_GT(p->nZigZag, 0u);
        p->HcaData.IsDrawDraft = c.bDraft;
        EmfDrawing d = Dessine(p, c.nOffset, 0, n - 1, c.rc);
        RectHCA rc = { c.rc.left, c.rc.top, c.rc.right, c.rc.bottom };
        const int cx = (int)g.cxCharDiag;
        size_t nTextes = 0, nSegments = 0, nPolygones = 0;
        for (int k = 0; k < n; k++) {
            SCOPED_TRACE(testing::Message() << "residue " << k << " " << szRow[k]);
            int X, Y[2];
            PositionEcranAA(p, k, c.nOffset, rc, g, &X, &Y[0], &Y[1]);
            unsigned char codes[2];
            int nCodes = SymboleAA(szRow[k], codes);
            COLORREF cr = CouleurLettreAA(p, k);
            unsigned long crFond;
            bool bFond = FondAA(p, k, &crFond) != 0;
            for (int y : Y) {
                std::vector<const EmfText *> ici;
                for (const EmfText &t : d.texts)
                    if (t.pt.x == X && t.pt.y == y)
                        ici.push_back(&t);
                nTextes += ici.size();
                /* the symbol code page maps code c to U+F000 + c */
                for (int i = 0; i < (nCodes ? nCodes : 1) && i < (int)ici.size(); i++) {
                    wchar_t wc = ici[i]->szText[0];
                    EXPECT_TRUE(nCodes ? wc == codes[i] || wc == 0xF000 + codes[i] : wc == (wchar_t)szRow[k]) << wc;
                    EXPECT_EQ(nCodes ? L"Wingdings" : L"Times New Roman", ici[i]->szFace);
                    EXPECT_EQ(cr, ici[i]->crText);
                }
                if ((int)ici.size() != (nCodes ? nCodes : 1)) {   /* drawn as shapes */
                    EXPECT_GT(nCodes, 0) << "a letter missing";
                    EXPECT_TRUE(std::any_of(d.polygons.begin(), d.polygons.end(), [&](const EmfPolygon &g2) {
                        return !g2.bNullBrush && g2.cr == cr && g2.pts[0].x == X;
                    }) || std::any_of(d.segments.begin(), d.segments.end(), [&](const EmfSegment &s2) {
                        return s2.cr == cr && abs(s2.a.x - X) < cx;
                    })) << "shape at " << X;
                }
                PointHCA cell[6], hex[6], seg[12];
                CelluleEcran(p->pInfoAA[k].PolyGon, X, y, g, cell);
                bool bCellule = std::any_of(d.polygons.begin(), d.polygons.end(), [&](const EmfPolygon &g2) {
                    return g2.pts.size() == 6 && g2.bNullPen && g2.cr == crFond
                           && std::equal(g2.pts.begin(), g2.pts.end(), cell, [](POINT a, PointHCA b) { return a.x == b.x && a.y == b.y; });
                });
                EXPECT_EQ(bFond, bCellule) << "cell at y " << y;
                nPolygones += bFond;
                CelluleEcran(g.ptAmas, X, y, g, hex);
                int nSeg = SegmentsContour(p->pInfoAA[k].TabHydro, hex, seg);
                for (int i = 0; i < nSeg; i++)
                    EXPECT_TRUE(d.HasSegment({ seg[2 * i].x, seg[2 * i].y }, { seg[2 * i + 1].x, seg[2 * i + 1].y }, 0))
                        << "contour segment " << i;
                nSegments += nSeg;
            }
            int nGrad = GraduationAA(p, k);
            if (nGrad != HCA_GRAD_AUCUNE) {
                const EmfText *t = d.TextAt(std::to_wstring(p->pInfoAA[k].ValeurEchRel), X,
                                            c.rc.top + (nGrad == HCA_GRAD_FIN ? 3 * cx : 0));
                ASSERT_NE(nullptr, t) << "scale number";
                EXPECT_EQ((UINT)(nGrad == HCA_GRAD_FIN ? TA_LEFT | TA_TOP : TA_CENTER | TA_TOP), t->nAlign);
                EXPECT_EQ(0u, t->crText);
                EXPECT_EQ(nGrad == HCA_GRAD_TRAIT, d.HasSegment({ X, c.rc.top + 3 * cx }, { X, c.rc.top + 5 * cx }, 0));
                nTextes++, nSegments += nGrad == HCA_GRAD_TRAIT;
            }
        }
        for (unsigned z = 0; z < p->nZigZag; z++) {
            PointHCA pts[6];
            ChevronZigZag(p, (int)p->TableauZigZag[z] - 1, c.nOffset, rc, g, pts);
            for (int i : { 0, 1, 3, 4 })
                EXPECT_TRUE(d.HasSegment({ pts[i].x, pts[i].y }, { pts[i + 1].x, pts[i + 1].y }, 0)) << "chevron " << z;
            nSegments += 4;
        }
        EXPECT_EQ(nTextes, d.texts.size()) << "texts elsewhere";
        EXPECT_LE(nSegments, d.segments.size());
        EXPECT_GE(nSegments + 20, d.segments.size()) << "segments elsewhere";
        EXPECT_LE(nPolygones, d.polygons.size());
    }
}

/* Without memory a paint draws nothing, with one notice; every pen and
   brush a paint creates is deleted; between PrepHCADC and CleanHCADC the
   caller's pen and brush stay selected. */
TEST_F(HcaDrawTest, PaintsReleaseWhatTheyCreate)
{
    pInfoSequence p = Prepare("ALALAAGPSTKLLVEDWWAKLI", { 2, 3, 4 }, { 1, 5, 7, 14 });
    ASSERT_NE(nullptr, p);
    RECT rc = { 0, 0, 500, 200 };
    for (int nOk : { 0, 1, -1 }) {
        SCOPED_TRACE(testing::Message() << "allocation " << nOk + 1 << " fails");
        BoxAnswerer answerer({ IDOK });
        MyAllocFailAfter(nOk);
        int nRet = -1;
        EmfDrawing d = Dessine(p, 0, 0, 21, rc, &nRet);
        MyAllocFailAfter(-1);
        /* result, drawn, notices, created but not deleted, cached */
        EXPECT_EQ((std::vector<int>{nOk < 0, nOk < 0, nOk >= 0, 0, 0}),
                  (std::vector<int>{nRet, !d.texts.empty() && !d.polygons.empty() && !d.segments.empty(), (int)answerer.Seen().size(),
                                    d.nCreated - d.nDeleted, g.hPens != nullptr || g.hBrs != nullptr}));
        EXPECT_TRUE(nOk >= 0 || d.nCreated > 2);
    }
    HDC hdc = CreateCompatibleDC(NULL);
    PrepHCADC(hdc, &g);
    HGDIOBJ hPen = (HGDIOBJ)g.hPens, hBr = (HGDIOBJ)g.hBrs;
    EXPECT_EQ(1, DessineDiagramme2(hdc, p, 0, 0, 21, &rc, g, HCA_MODE_ECRAN));
    EXPECT_TRUE(hPen == GetCurrentObject(hdc, OBJ_PEN) && hBr == GetCurrentObject(hdc, OBJ_BRUSH));
    CleanHCADC(hdc, &g);
    EXPECT_NE(hPen, GetCurrentObject(hdc, OBJ_PEN));
    DeleteDC(hdc);
}

} // namespace
