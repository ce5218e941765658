/* Drawing of an HCA plot, checked from enhanced metafiles: scale numbers
   and ticks, letters in their colours, the symbols of G, P, S and T,
   filled cells, draft mode, contour segments, zig-zag chevrons, the
   residues a paint draws, a paint without memory, and the pens and
   brushes of a paint. The net units are fixed (cx 7, cy 16: W = H = 5)
   so that every place can be written down. */
#include <string.h>

#include <set>

#include "hcaemf.h"
#include "hcawin.h"
#include "mainfixture.h"

namespace {

const int CX = 7, CY = 16, W = 5, H = 5, DEMI = 8;

/* Rounding of every pixel: nearest, exact halves towards zero. */
int Arrondi(double f)
{
    double a = f < 0 ? -f : f;
    int n = (int)a;
    if (a - n > 0.5)
        n++;
    return f < 0 ? -n : n;
}

/* Where residue k lands: column and row of the first copy. */
struct Place {
    int X, Y1, Y2;
};

Place PlaceDe(int k, int nOffset, RECT rc)
{
    Place p;
    p.X = W * (k + 1) - nOffset + rc.left + 1;
    p.Y1 = rc.top + 6 * CX + H * ((3 * k) % 11);
    p.Y2 = p.Y1 + 11 * H;
    return p;
}

/* Corner c of the unit hexagon around a residue drawn at (X, Y). */
POINT Coin(int c, int X, int Y)
{
    static const double ax[6] = { 1.5, 2, 0.5, -1.5, -2, -0.5 };
    static const double ay[6] = { -1, 0.5, 1.5, 1, -0.5, -1.5 };
    POINT pt = { Arrondi(X + ax[c] * W), Arrondi(Y + ay[c] * H + DEMI) };
    return pt;
}

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
        AssigneDimDiag(&g, CX, CY);
        CalculAmasUnitaire(&g);
    }

    void TearDown() override
    {
        for (pInfoSequence p : seqs)
            FreeDataSequence(p);
        DeleteHPolice(hWndMain, &g);
        MainWindowTest::TearDown();
    }

    /* A row prepared as the viewer prepares it; colour indices per
       residue (a single value is repeated). */
    pInfoSequence Prepare(const char *szRow, std::vector<unsigned> txt, std::vector<unsigned> bk,
                          int nPremier = 1)
    {
        size_t n = strlen(szRow);
        if (txt.size() == 1)
            txt.assign(n, txt[0]);
        if (bk.size() == 1)
            bk.assign(n, bk[0]);
        pInfoSequence p = PrepSequenceHCA(szRow, txt.data(), bk.data(), nPremier, "TEST", "", &g);
        if (p != NULL) {
            p->HcaData.IsDrawAA = p->HcaData.IsDrawBkGround = 1;
            p->HcaData.IsDrawCluster = p->HcaData.IsDrawZigZag = 1;
            p->HcaData.IsDrawSeparateur = 1;
            seqs.push_back(p);
        }
        return p;
    }

    /* One paint of residues first..last, as the plot window does it. */
    HcaDessin Dessine(pInfoSequence p, int nOffset, int nFirst, int nLast, RECT rc,
                      int *pnRet = nullptr)
    {
        int nRet = -1;
        HENHMETAFILE hEmf = RecordEmf([&](HDC hdc) {
            PrepHCADC(hdc, &g);
            nRet = DessineDiagramme2(hdc, p, nOffset, nFirst, nLast, &rc, g, HCA_MODE_ECRAN);
            CleanHCADC(hdc, &g);
        });
        HcaDessin d;
        if (hEmf != NULL) {
            d = HcaDecode(hEmf);
            DeleteEnhMetaFile(hEmf);
        }
        if (pnRet != nullptr)
            *pnRet = nRet;
        return d;
    }
};

const HcaTexte *TexteEn(const HcaDessin &d, const std::wstring &sz, long x, long y)
{
    for (const HcaTexte &t : d.textes)
        if (t.szText == sz && t.pt.x == x && t.pt.y == y)
            return &t;
    return nullptr;
}

/* Scale: 1 and every multiple of 10 centred above its column with a tick
   from 3 cx to 5 cx; the last residue's number left-aligned at 3 cx,
   without a tick; gaps have no number. */
TEST_F(HcaDrawTest, ScaleNumbersTicksAndTheLastNumber)
{
    struct Mark {
        const wchar_t *sz;
        int k;
        bool bDernier;
    };
    struct Case {
        const char *szRow;
        int nPremier;
        std::vector<Mark> marks;
    } cases[] = {
        /* row, first number, {text, residue, last} */
        { "AKAKAKAKAKAKAKAKAKAKAKAKA", 1, { { L"1", 0, false }, { L"10", 9, false },
                                           { L"20", 19, false }, { L"25", 24, true } } },
        { "AKAKA-AKAK", 95, { { L"100", 6, false }, { L"103", 9, true } } },
        { "AKAKA-AKA-", 8, { { L"10", 2, false } } },   /* last column a gap: no number */
        { "K", 30, { { L"30", 0, true } } },            /* a multiple of 10 that is also last */
    };
    RECT rc = { 3, 10, 500, 200 };

    for (const Case &c : cases) {
        SCOPED_TRACE(c.szRow);
        pInfoSequence p = Prepare(c.szRow, { 2 }, { 1 }, c.nPremier);
        ASSERT_NE(nullptr, p);
        HcaDessin d = Dessine(p, 0, 0, p->TailleSeq - 1, rc);

        size_t nNombres = 0, nTicks = 0, nTicksAttendus = 0;
        for (const HcaTexte &t : d.textes)
            nNombres += t.pt.y < rc.top + 6 * CX;
        for (const HcaSegment &s : d.segments)
            nTicks += s.a.y == rc.top + 3 * CX && s.b.y == rc.top + 5 * CX;
        for (const Mark &m : c.marks) {
            SCOPED_TRACE(testing::Message() << "residue " << m.k);
            Place pl = PlaceDe(m.k, 0, rc);
            const HcaTexte *t = TexteEn(d, m.sz, pl.X, m.bDernier ? rc.top + 3 * CX : rc.top);
            ASSERT_NE(nullptr, t) << "number not where expected";
            EXPECT_EQ(0u, t->cr);
            EXPECT_EQ(std::wstring(L"Times New Roman"), t->szFace);
            EXPECT_EQ((UINT)(m.bDernier ? TA_LEFT | TA_TOP : TA_CENTER | TA_TOP), t->nAlign);
            POINT a = { pl.X, rc.top + 3 * CX }, b = { pl.X, rc.top + 5 * CX };
            EXPECT_EQ(!m.bDernier, HcaASegment(d, a, b, 0)) << "tick";
            nTicksAttendus += !m.bDernier;
        }
        EXPECT_EQ(c.marks.size(), nNombres) << "numbers drawn";
        EXPECT_EQ(nTicksAttendus, nTicks) << "ticks drawn";
    }
}

/* A five-pointed star polygon centred on (x, y), filled with cr. */
bool EtoileEn(const HcaDessin &d, int x, int y, COLORREF cr)
{
    for (const HcaPolygone &g : d.polygones) {
        if (g.pts.size() != 10 || g.bNullBrush || g.cr != cr)
            continue;
        long sx = 0, sy = 0, yMin = g.pts[0].y;
        for (const POINT &pt : g.pts) {
            sx += pt.x;
            sy += pt.y;
            yMin = pt.y < yMin ? pt.y : yMin;
        }
        /* centred within a pixel, one point straight up */
        if (labs(sx - 10L * x) <= 10 && labs(sy - 10L * y) <= 20 && g.pts[0].x == x
            && g.pts[0].y == yMin)
            return true;
    }
    return false;
}

/* Letters in their colours in both copies of the net; G, P, S and T as
   Wingdings shapes (S: the square, then the dot over it). Wine's
   Wingdings has no star: P is then drawn as a star polygon. */
TEST_F(HcaDrawTest, LettersInTheirColoursAndSymbolsOfGPST)
{
    const char *szRow = "ACDGKPSTW";
    std::vector<unsigned> txt = { 2, 3, 4, 6, 8, 9, 10, 12, 13 };
    pInfoSequence p = Prepare(szRow, txt, { 1 });
    ASSERT_NE(nullptr, p);
    RECT rc = { 0, 0, 500, 200 };
    HcaDessin d = Dessine(p, 0, 0, 8, rc);

    struct Attendu {
        int k;
        std::vector<unsigned> codes;   /* empty: the letter itself */
    } attendus[] = {
        { 0, {} }, { 1, {} }, { 2, {} }, { 3, { 0x74 } }, { 4, {} },
        { 5, { 0xAB } }, { 6, { 0xA8, 0x9F } }, { 7, { 0xA8 } }, { 8, {} },
    };
    for (const Attendu &a : attendus) {
        SCOPED_TRACE(testing::Message() << "residue " << a.k << " " << szRow[a.k]);
        Place pl = PlaceDe(a.k, 0, rc);
        for (int y : { pl.Y1, pl.Y2 }) {
            std::vector<const HcaTexte *> ici;
            for (const HcaTexte &t : d.textes)
                if (t.pt.x == pl.X && t.pt.y == y)
                    ici.push_back(&t);
            if (a.codes.size() == 1 && a.codes[0] == 0xAB && ici.empty()) {
                EXPECT_TRUE(EtoileEn(d, pl.X, y + DEMI, TABCOLOR[txt[a.k]]))
                    << "neither the star's code nor a star polygon at y " << y;
                continue;
            }
            size_t nAttendu = a.codes.empty() ? 1 : a.codes.size();
            ASSERT_EQ(nAttendu, ici.size()) << "outputs at y " << y;
            for (size_t i = 0; i < ici.size(); i++) {
                EXPECT_EQ(TABCOLOR[txt[a.k]], ici[i]->cr);
                ASSERT_EQ(1u, ici[i]->szText.size());
                wchar_t wc = ici[i]->szText[0];
                if (a.codes.empty()) {
                    EXPECT_EQ((wchar_t)szRow[a.k], wc);
                    EXPECT_EQ(std::wstring(L"Times New Roman"), ici[i]->szFace);
                } else {
                    /* The symbol code page maps code c to U+F000 + c. */
                    EXPECT_TRUE(wc == (wchar_t)a.codes[i] || wc == (wchar_t)(0xF000 + a.codes[i]))
                        << "expected code 0x" << std::hex << a.codes[i] << ", got 0x" << (unsigned)wc;
                    EXPECT_EQ(std::wstring(L"Wingdings"), ici[i]->szFace);
                    EXPECT_EQ(SYMBOL_CHARSET, ici[i]->nCharSet);
                }
            }
        }
    }
}

/* Corner 0 (T0) and corner 3 (T7) of every cell are the hexagon's, whoever
   the neighbours: they identify the residue a polygon belongs to. */
int ResiduDuPolygone(const HcaPolygone &g, int nSeq, RECT rc, int *pnCopie)
{
    for (int k = 0; k < nSeq; k++) {
        Place pl = PlaceDe(k, 0, rc);
        int nCopie = 0;
        for (int Y : { pl.Y1, pl.Y2 }) {
            POINT c5 = Coin(5, pl.X, Y), c2 = Coin(2, pl.X, Y);
            if (g.pts.size() == 6 && g.pts[0].x == c5.x && g.pts[0].y == c5.y && g.pts[3].x == c2.x
                && g.pts[3].y == c2.y) {
                *pnCopie = nCopie;
                return k;
            }
            nCopie++;
        }
    }
    return -1;
}

/* Cells are filled, with the null pen, only where the background colour
   is not white; in draft mode only hydrophobic residues, in light grey,
   and every letter is black. */
TEST_F(HcaDrawTest, FilledCellsAndDraftMode)
{
    const char *szRow = "AKLVDEIFGHKW";
    std::vector<unsigned> bk = { 1, 5, 1, 3, 1, 1, 7, 1, 14, 1, 6, 1 };
    std::vector<unsigned> txt = { 2, 3, 4, 2, 3, 4, 2, 3, 4, 2, 3, 4 };
    RECT rc = { 0, 0, 500, 200 };

    for (int bDraft : { 0, 1 }) {
        SCOPED_TRACE(bDraft ? "draft" : "colour");
        pInfoSequence p = Prepare(szRow, txt, bk);
        ASSERT_NE(nullptr, p);
        p->HcaData.IsDrawDraft = bDraft;
        HcaDessin d = Dessine(p, 0, 0, 11, rc);

        std::map<int, int> nParResidu;
        for (const HcaPolygone &g : d.polygones) {
            int nCopie = -1;
            int k = ResiduDuPolygone(g, 12, rc, &nCopie);
            ASSERT_GE(k, 0) << "a polygon that is no residue's cell";
            SCOPED_TRACE(testing::Message() << "residue " << k);
            EXPECT_FALSE(g.bNullBrush);
            EXPECT_TRUE(g.bNullPen);
            COLORREF crAttendu = bDraft ? RGB(0xC0, 0xC0, 0xC0) : TABCOLOR[bk[k]];
            EXPECT_EQ(crAttendu, g.cr);
            nParResidu[k]++;
        }
        for (int k = 0; k < 12; k++) {
            bool bHydro = strchr("FILMVWY", szRow[k]) != nullptr;
            bool bRempli = bDraft ? bHydro : TABCOLOR[bk[k]] != 0xFFFFFF;
            EXPECT_EQ(bRempli ? 2 : 0, nParResidu[k]) << "cells of residue " << k;
        }
        for (const HcaTexte &t : d.textes)   /* the letters, below the scale */
            for (int k = 0; k < 12; k++)
                if (t.pt.y >= 6 * CX && PlaceDe(k, 0, rc).X == t.pt.x) {
                    EXPECT_EQ(bDraft ? 0u : TABCOLOR[txt[k]], t.cr) << "letter of residue " << k;
                }
    }
}

/* Contours: a lone hydrophobic residue is ringed by its six edges in both
   copies; a cluster of two net neighbours (LAAAL) is outlined as one. */
TEST_F(HcaDrawTest, ContourSegments)
{
    RECT rc = { 2, 4, 500, 200 };
    {
        pInfoSequence p = Prepare("AAAAALAAAAA", { 0 }, { 1 });
        ASSERT_NE(nullptr, p);
        HcaDessin d = Dessine(p, 0, 0, 10, rc);
        Place pl = PlaceDe(5, 0, rc);
        static const int aretes[6][2] = { { 5, 4 }, { 4, 3 }, { 3, 2 }, { 5, 0 }, { 0, 1 }, { 1, 2 } };
        for (int Y : { pl.Y1, pl.Y2 })
            for (const auto &e : aretes)
                EXPECT_TRUE(HcaASegment(d, Coin(e[0], pl.X, Y), Coin(e[1], pl.X, Y), 0))
                    << "edge " << e[0] << "-" << e[1] << " at y " << Y;
        /* the six edges twice and the ticks under 1 and 10 */
        EXPECT_EQ(2u * 6 + 2, d.segments.size());
    }
    {
        pInfoSequence p = Prepare("LAAAL", { 0 }, { 1 });
        ASSERT_NE(nullptr, p);
        HcaDessin d = Dessine(p, 0, 0, 4, rc);
        /* L0 open towards n+4, L4 towards n-4, and the two A's between
           them close the outline: 4 + 4 + 1 + 1 edges per copy, one tick */
        EXPECT_EQ(2u * 10 + 1, d.segments.size());
        Place p0 = PlaceDe(0, 0, rc), p4 = PlaceDe(4, 0, rc);
        EXPECT_FALSE(HcaASegment(d, Coin(0, p0.X, p0.Y1), Coin(1, p0.X, p0.Y1), 0))
            << "no edge between L0 and L4";
        EXPECT_FALSE(HcaASegment(d, Coin(4, p4.X, p4.Y1), Coin(3, p4.X, p4.Y1), 0))
            << "no edge between L4 and L0";
        EXPECT_TRUE(HcaASegment(d, Coin(5, p0.X, p0.Y1), Coin(0, p0.X, p0.Y1), 0));
    }
}

/* A zig-zag motif starting at residue 1 (ALALAA): a chevron from its tip
   at residue 1 opening right to residue 3, in both copies; none when
   residue 1 is outside the drawn range. */
TEST_F(HcaDrawTest, ZigZagChevrons)
{
    pInfoSequence p = Prepare("ALALAA", { 0 }, { 1 });
    ASSERT_NE(nullptr, p);
    ASSERT_EQ(1u, p->nZigZag);
    struct {
        int nOffset;
        RECT rc;
    } cases[] = { { 0, { 0, 0, 300, 200 } }, { 10, { 7, 3, 300, 200 } } };

    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "offset " << c.nOffset);
        HcaDessin d = Dessine(p, c.nOffset, 0, 5, c.rc);
        int x0 = 2 * W - c.nOffset + c.rc.left;                  /* residue 1's column */
        int y0 = DEMI + 6 * CX + H * 3 + c.rc.top;                 /* row 3              */
        int xs = 4 * W - c.nOffset + c.rc.left;                  /* residue 3's column */
        for (int dy : { 0, 11 * H }) {
            POINT a = { xs, y0 - 5 * H + dy }, tip = { x0, y0 + dy }, b = { xs, y0 + 6 * H + dy };
            EXPECT_TRUE(HcaASegment(d, a, tip, 0)) << "upper arm, copy " << dy;
            EXPECT_TRUE(HcaASegment(d, tip, b, 0)) << "lower arm, copy " << dy;
        }
    }
    HcaDessin d = Dessine(p, 0, 2, 5, { 0, 0, 300, 200 });
    POINT a = { 4 * W, DEMI + 6 * CX + H * 3 - 5 * H }, tip = { 2 * W, DEMI + 6 * CX + H * 3 };
    EXPECT_FALSE(HcaASegment(d, a, tip, 0)) << "chevron drawn outside its range";
}

/* DrawHCA at nPosScroll 40 with an update rectangle of 20 columns draws
   residues 36 to 64, residue 40 one pixel right of W; the range is
   clipped to the sequence. */
TEST_F(HcaDrawTest, VisibleRangeAtPosition40)
{
    struct {
        int nLong, nFirst, nLast;
    } cases[] = { { 80, 36, 64 }, { 50, 36, 49 } };   /* length, residues drawn */

    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "length " << c.nLong);
        std::string s;
        for (int i = 0; i < c.nLong; i++)
            s += "AKEDQRNH"[i % 8];
        pInfoSequence p = Prepare(s.c_str(), { 0 }, { 1 });
        ASSERT_NE(nullptr, p);
        p->HcaData.nPosScroll = 40;
        /* A plot window that is never shown holds the sequence. */
        HWND hWndPlot = CreateWindowA("Trace HCA", "", WS_POPUP, 0, 0, 20 * W, 157, NULL, NULL,
                                      GetModuleHandleA(NULL), NULL);
        ASSERT_NE(nullptr, hWndPlot);
        SetWindowLongPtrA(hWndPlot, 0, (LONG_PTR)p);
        RECT rcClient = { 0, 0, 20 * W, 157 };
        HENHMETAFILE hEmf = RecordEmf([&](HDC hdc) {
            PAINTSTRUCT ps;
            memset(&ps, 0, sizeof ps);
            ps.hdc = hdc;
            ps.rcPaint = rcClient;
            PrepHCADC(hdc, &g);
            DrawHCA(&ps, hWndPlot, &rcClient, g, HCA_MODE_ECRAN);
            CleanHCADC(hdc, &g);
        });
        SetWindowLongPtrA(hWndPlot, 0, 0);
        DestroyWindow(hWndPlot);
        ASSERT_NE(nullptr, hEmf);
        HcaDessin d = HcaDecode(hEmf);
        DeleteEnhMetaFile(hEmf);

        std::set<long> xs;
        for (const HcaTexte &t : d.textes)
            if (t.pt.y >= 6 * CX)
                xs.insert(t.pt.x);
        std::set<long> attendus;
        for (int k = c.nFirst; k <= c.nLast; k++)
            attendus.insert(PlaceDe(k, 40 * W, rcClient).X);
        EXPECT_EQ(attendus, xs);
        EXPECT_EQ(W + 1, PlaceDe(40, 40 * W, rcClient).X);
        EXPECT_NE(nullptr, TexteEn(d, std::wstring(1, (wchar_t)s[40]), W + 1, 6 * CX + H * (120 % 11)))
            << "residue 40";
    }
}

/* Without memory for its work arrays a paint draws nothing and says so
   once; the next paint draws again. */
TEST_F(HcaDrawTest, NoMemoryForTheWorkArraysDrawsNothing)
{
    pInfoSequence p = Prepare("ALALAAGPSTKLLVED", { 2 }, { 5 });
    ASSERT_NE(nullptr, p);
    RECT rc = { 0, 0, 500, 200 };

    for (int nOk : { 0, 1 }) {
        SCOPED_TRACE(testing::Message() << "allocation " << nOk + 1 << " fails");
        BoxAnswerer answerer({ IDOK });
        MyAllocFailAfter(nOk);
        int nRet = -1;
        HcaDessin d = Dessine(p, 0, 0, 15, rc, &nRet);
        MyAllocFailAfter(-1);
        EXPECT_EQ(0, nRet);
        EXPECT_EQ(0u, d.textes.size());
        EXPECT_EQ(0u, d.polygones.size());
        EXPECT_EQ(0u, d.segments.size());
        EXPECT_EQ(1u, answerer.Seen().size()) << "one memory notice";
        EXPECT_EQ(d.nPensCrees + d.nBrossesCrees, d.nObjetsDetruits);
    }
    int nRet = -1;
    HcaDessin d = Dessine(p, 0, 0, 15, rc, &nRet);
    EXPECT_EQ(1, nRet);
    EXPECT_LT(0u, d.textes.size());
}

/* Every pen and brush a paint creates is deleted by its end, and the
   caller's cache holds none afterwards; a drawing between PrepHCADC and
   CleanHCADC leaves the caller's pen and brush selected. */
TEST_F(HcaDrawTest, NoPenOrBrushOutlivesThePaint)
{
    pInfoSequence p = Prepare("ALALAAGPSTKLLVEDWWAKLI", { 2, 3, 4 }, { 1, 5, 7, 14 });
    ASSERT_NE(nullptr, p);
    RECT rc = { 0, 0, 500, 200 };
    HcaDessin d = Dessine(p, 0, 0, 21, rc);
    EXPECT_LT(2, d.nPensCrees + d.nBrossesCrees);
    EXPECT_EQ(d.nPensCrees + d.nBrossesCrees, d.nObjetsDetruits);
    EXPECT_EQ(nullptr, g.hPens);
    EXPECT_EQ(nullptr, g.hBrs);

    HDC hdc = CreateCompatibleDC(NULL);
    ASSERT_NE(nullptr, hdc);
    PrepHCADC(hdc, &g);
    HGDIOBJ hPen = (HGDIOBJ)g.hPens, hBr = (HGDIOBJ)g.hBrs;
    EXPECT_EQ(1, DessineDiagramme2(hdc, p, 0, 0, 21, &rc, g, HCA_MODE_ECRAN));
    EXPECT_EQ(hPen, GetCurrentObject(hdc, OBJ_PEN));
    EXPECT_EQ(hBr, GetCurrentObject(hdc, OBJ_BRUSH));
    CleanHCADC(hdc, &g);
    EXPECT_NE(hPen, GetCurrentObject(hdc, OBJ_PEN));
    DeleteDC(hdc);
}

} // namespace
