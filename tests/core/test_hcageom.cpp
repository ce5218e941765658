/* The helical net in numbers: units from the font metrics, the unit
   hexagon, residue positions, background cells, and the device points and
   choices a paint makes (visible range, scale marks, symbols, fills). */
#include <gtest/gtest.h>
#include <stddef.h>
#include <string.h>

#include <memory>
#include <string>
#include <vector>

#include "hca.h"
#include "os_portable.h"

namespace {

struct Liberateur {
    void operator()(InfoSequence *p) const { FreeDataSequence(p); }
};
typedef std::unique_ptr<InfoSequence, Liberateur> SeqPtr;

/* Metrics of a letter font cx wide and cy high, as the viewer sets them. */
GraphObjData Metriques(long cx, long cy)
{
    GraphObjData g;
    memset(&g, 0, sizeof g);
    AssigneDimDiag(&g, cx, cy);
    CalculAmasUnitaire(&g);
    return g;
}

SeqPtr Prepare(const char *szRow, const GraphObjData &g, int nPremier = 1)
{
    return SeqPtr(PrepSequenceHCA(szRow, NULL, NULL, nPremier, "T", "", &g));
}

/* The points as x0, y0, x1, y1... */
std::vector<long> Points(const PointHCA *p, int n)
{
    std::vector<long> v;
    for (int i = 0; i < n; i++)
        v.push_back(p[i].x), v.push_back(p[i].y);
    return v;
}

#define EXPECT_POINT(ex, ey, pt, what)                                   \
    do {                                                                \
        EXPECT_FLOAT_EQ((float)(ex), (pt).x) << (what) << ": x";        \
        EXPECT_FLOAT_EQ((float)(ey), (pt).y) << (what) << ": y";        \
    } while (0)

TEST(HcaGeom, UnitsFromFontMetrics)
{
    /* cy, W = H, plot height: 5.67 rounds up, 4.67 too, 2.33 down; a step
       of 0 would divide by zero later */
    static const int cases[][3] = {{16, 5, 157}, {12, 4, 124}, {17, 6, 184}, {14, 5, 153}, {7, 2, 64}, {1, 1, 27}, {100, 33, 1025}};
    for (const auto &c : cases) {
        GraphObjData g = Metriques(7, c[0]);
        EXPECT_EQ((std::vector<long>{7, c[0], c[1], c[1], c[2]}),
                  (std::vector<long>{g.cxCharDiag, g.cyCharDiag, g.nLineWidthAAs, g.nLineHeightAAs, InitGraphHeight(&g)}));
    }
}

TEST(HcaGeom, FontsAndWin32Layouts)
{
    /* Heights follow the letter height; faces are copied whole. */
    GraphObjData g;
    memset(&g, 0xAA, sizeof g);
    DefineLogPolices(&g, 13);
    std::vector<std::string> got;
    for (const LogFontHCA &lf : {g.LFDiagramme, g.LFAASpeciaux, g.LFTrack}) /* height, face, character set, pitch, precisions, quality */
        got.push_back(std::to_string(lf.lfHeight) + " " + lf.lfFaceName + " " + std::to_string(lf.lfCharSet) + " " + std::to_string(lf.lfPitchAndFamily) +
                      " " + std::to_string(lf.lfOutPrecision) + std::to_string(lf.lfClipPrecision) + std::to_string(lf.lfQuality) + std::to_string(lf.lfItalic));
    EXPECT_EQ((std::vector<std::string>{"13 Times New Roman 0 18 3210", "15 Wingdings 2 2 3210", "-15 Courier New 0 49 3210"}), got);
}

TEST(HcaGeom, PositionsOnTheNet)
{
    GraphObjData g = Metriques(7, 16);
    SeqPtr p = Prepare("ACDEFGHIKLMNPQRSTVWYACDEFGHIKLMN", g);
    static const int rangs[][2] = {{0, 0}, {1, 3}, {2, 6}, {3, 9}, {4, 1}, {10, 8}, {11, 0}, {12, 3}, {22, 0}, {31, 5}};
    for (const auto &r : rangs)
        EXPECT_POINT(5 * (r[0] + 1), 42 + 5 * r[1], p->pInfoAA[r[0]].position, "residue " + std::to_string(r[0]));
    EXPECT_EQ(0, CalcCoordAADiag(NULL, g));
}

/* Cell points T0..T13 in units of W and H. */
const float TCoef[14][2] = {
    { -0.5f, -1.5f }, { 1.0f, -2.5f }, { 1.25f, -2.25f }, { 1.5f, -1.0f },
    { 2.0f, 0.5f }, { 2.25f, 1.25f }, { 2.5f, 2.0f }, { 0.5f, 1.5f },
    { -1.0f, 2.5f }, { -1.25f, 2.25f }, { -1.5f, 1.0f }, { -2.0f, -0.5f },
    { -2.25f, -1.25f }, { -2.5f, -2.0f },
};

TEST(HcaGeom, UnitHexagonAndCells)
{
    /* W and H differ here, so that a corner built on the wrong axis shows. */
    GraphObjData g;
    memset(&g, 0, sizeof g);
    g.nLineWidthAAs = 4, g.nLineHeightAAs = 6;
    CalculAmasUnitaire(&g);
    const float hex[6][2] = {{6, -6}, {8, 3}, {2, 9}, {-6, 6}, {-8, -3}, {-2, -9}};
    for (int i = 0; i < 6; i++)
        EXPECT_POINT(hex[i][0], hex[i][1], g.ptAmas[i], "corner " + std::to_string(i));

    static const struct { int n, k; unsigned char bits; int phi[3], T[6]; } cases[] = {
        /* length, residue, its bits, PhiPho of residues 0..2, corners 0..5 */
        {3, 1, 0x3F, {1, 1, 1}, {0, 3, 4, 7, 10, 11}},  {3, 1, 0x00, {1, 1, 1}, {0, 2, 5, 7, 9, 12}},
        {3, 1, 0x00, {0, 1, 0}, {0, 1, 6, 7, 8, 13}},   {3, 1, 0x0C, {1, 1, 0}, {0, 3, 6, 7, 10, 12}},
        {3, 1, 0x21, {0, 1, 1}, {0, 1, 4, 7, 9, 11}},   {3, 0, 0x00, {1, 1, 0}, {0, 3, 5, 7, 9, 11}},
        {3, 0, 0x20, {1, 0, 0}, {0, 3, 4, 7, 8, 11}},   {3, 2, 0x00, {0, 1, 1}, {0, 2, 4, 7, 10, 12}},
        {3, 2, 0x01, {0, 0, 1}, {0, 1, 4, 7, 10, 11}},  {1, 0, 0x00, {1, 0, 0}, {0, 3, 4, 7, 10, 11}}};
    for (const auto &c : cases) {
        SeqPtr p(InitPtrInfoSeq(c.n));
        p->TailleSeq = c.n;
        for (int i = 0; i < c.n; i++)
            p->pInfoAA[i].PhiPho = c.phi[i];
        p->pInfoAA[c.k].TabHydro = c.bits;
        CreePolyUni(p.get(), g);
        for (int i = 0; i < 6; i++)
            EXPECT_POINT(TCoef[c.T[i]][0] * 4, TCoef[c.T[i]][1] * 6, p->pInfoAA[c.k].PolyGon[i],
                         "residue " + std::to_string(c.k) + " bits " + std::to_string(c.bits) + " corner " + std::to_string(i));
    }
    /* Residue 0 of LAAAL is linked to 4 only: open towards n+1, closed
       towards n+3; the L of residue 0 differs from the A after it. */
    GraphObjData g5 = Metriques(7, 16);
    SeqPtr p = Prepare("LAAAL", g5);
    const int T[6] = {0, 3, 6, 7, 10, 11};
    for (int i = 0; i < 6; i++)
        EXPECT_POINT(TCoef[T[i]][0] * 5, TCoef[T[i]][1] * 5, p->pInfoAA[0].PolyGon[i], "LAAAL corner " + std::to_string(i));
}

TEST(HcaGeom, VisibleRange)
{
    static const struct { long cy; int nPos, left, right, n; std::vector<int> want; } cases[] = {
        /* cy (W = cy / 3), nPosScroll, update rectangle, residues: first, last, result */
        {16, 40, 0, 100, 200, {36, 64, 1}}, {16, 40, 0, 100, 50, {36, 49, 1}}, /* clipped at the end */
        {16, 0, 0, 100, 200, {0, 24, 1}},   {16, -10, 0, 100, 200, {0, 14, 1}}, /* scrolled before 0 */
        {16, 0, 28, 28, 200, {2, 10, 1}},   {6, 10, 5, 5, 200, {8, 16, 1}},     /* 5.6 gives 6, 2.5 gives 2 */
        {16, 60, 0, 100, 50, {56, 49, 0}},  {16, 0, 0, 100, 0, {0, -1, 0}}};    /* nothing to draw */
    for (const auto &c : cases) {
        GraphObjData g = Metriques(7, c.cy);
        SeqPtr p(InitPtrInfoSeq(c.n));
        p->TailleSeq = p->LengthAffich = c.n, p->StartAffich = 0, p->StopAffich = c.n - 1;
        p->HcaData.nPosScroll = (unsigned)c.nPos;
        int first = -99, last = -99, ok = PlageVisibleHCA(p.get(), c.left, c.right, g, &first, &last);
        EXPECT_EQ(c.want, (std::vector<int>{first, last, ok})) << "position " << c.nPos << ", update " << c.left << ".." << c.right;
    }
}

TEST(HcaGeom, DevicePointsOfAResidue)
{
    GraphObjData g = Metriques(7, 16);
    std::string s(60, 'A');
    SeqPtr p = Prepare(s.c_str(), g);
    /* Scrolled by 40 residues, residue 40 is one step from the left, on
       row 40 * 3 mod 11 = 10 and in the second copy 55 lower; then in a
       band from (10, 20). */
    RectHCA rc = {0, 0, 100, 157}, rcBand = {10, 20, 300, 400};
    int X, Y1, Y2, X0, Y10, Y20;
    PositionEcranAA(p.get(), 40, 40 * 5, rc, g, &X, &Y1, &Y2);
    PositionEcranAA(p.get(), 0, 0, rcBand, g, &X0, &Y10, &Y20);
    EXPECT_EQ((std::vector<int>{6, 92, 147, 16, 62}), (std::vector<int>{X, Y1, Y2, X0, Y10}));

    /* The hexagon around (6, 42), half a line (8) lower; 13.5 and -1.5
       round towards zero. */
    PointHCA hex[6];
    CelluleEcran(g.ptAmas, 6, 42, g, hex);
    EXPECT_EQ((std::vector<long>{13, 45, 16, 52, 8, 57, -1, 55, -4, 47, 3, 42}), Points(hex, 6));

    /* Contour segments in bit order, between the corners that face the
       two neighbours each edge lies between. */
    const struct { unsigned char bits; std::vector<int> corners; /* pairs drawn */ } contours[] = {
        {0x3F, {5, 4, 4, 3, 3, 2, 5, 0, 0, 1, 1, 2}}, {0xFF, {5, 4, 4, 3, 3, 2, 5, 0, 0, 1, 1, 2}}, {0x21, {5, 4, 1, 2}}, {0x00, {}}};
    for (const auto &c : contours) {
        PointHCA seg[12], want[12];
        for (size_t i = 0; i < c.corners.size(); i++)
            want[i] = hex[c.corners[i]];
        int n = SegmentsContour(c.bits, hex, seg);
        EXPECT_EQ(Points(want, (int)c.corners.size()), Points(seg, 2 * n)) << "bits " << (int)c.bits;
    }
}

TEST(HcaGeom, ZigZagChevron)
{
    GraphObjData g = Metriques(7, 16);
    SeqPtr p = Prepare("ALALAA", g);
    int k = (int)p->TableauZigZag[0] - 1;
    ASSERT_EQ(1, k);
    RectHCA rc = { 0, 0, 300, 157 };
    PointHCA pts[6];
    ChevronZigZag(p.get(), k, 0, rc, g, pts);
    /* Tip on the motif's first residue (x 10, y 57 + 8), arms at the
       column of its third residue, 5 rows up and 6 rows down. */
    EXPECT_EQ((std::vector<long>{20, 40, 10, 65, 20, 95, 20, 95, 10, 120, 20, 150}), Points(pts, 6));
    EXPECT_FLOAT_EQ(p->pInfoAA[k + 2].position.x, (float)pts[0].x);

    /* Scrolled: everything moves left by the offset. */
    ChevronZigZag(p.get(), k, 10, rc, g, pts);
    EXPECT_EQ((std::vector<long>{10, 0}), (std::vector<long>{pts[0].x, pts[1].x}));
}

/* Marks on 1, 10, 20 and the end; from 25 with a gap, 30 falls on the
   seventh column; a row ending in a gap has no number to write at its end. */
TEST(HcaGeom, ScaleMarks)
{
    GraphObjData g = Metriques(7, 16);
    const struct { const char *szRow; int nPremier; const char *szMarks; } cases[] = {
        {"ACDEFGHIKLMNPQRSTVWYACDEF", 1, "|........|.........|....$"}, {"ACD-EFGHI", 25, "......|.$"}, {"ACD-", 1, "|..."}};
    for (const auto &c : cases) {
        SeqPtr p = Prepare(c.szRow, g, c.nPremier);
        std::string s;
        for (int k = 0; k < p->TailleSeq; k++) {
            int n = GraduationAA(p.get(), k);
            s += n == HCA_GRAD_FIN ? '$' : n == HCA_GRAD_TRAIT ? '|' : n == HCA_GRAD_AUCUNE ? '.' : '?';
        }
        EXPECT_EQ(c.szMarks, s) << c.szRow;
    }
}

TEST(HcaGeom, SymbolCodes)
{
    /* star, lozenge, open square, square and dot; none */
    static const struct { char c; std::vector<int> codes; } cases[] = {
        {'P', {0xAB}}, {'G', {0x74}}, {'T', {0xA8}}, {'S', {0xA8, 0x9F}}, {'A', {}}, {'p', {}}, {'-', {}}};
    for (const auto &c : cases) {
        unsigned char codes[2] = {0, 0};
        int n = SymboleAA(c.c, codes);
        EXPECT_EQ(c.codes, std::vector<int>(codes, codes + n)) << "residue " << c.c;
    }
}

TEST(HcaGeom, FillsAndLetterColours)
{
    static const struct { int draft, fond, phi; unsigned long CouleurFond; std::vector<unsigned long> want; } cases[] = {
        /* draft, background on, hydrophobic, cell colour: filled, fill, letter (0x0000FF) */
        {0, 1, 0, 0xFFFFFF, {0, 0, 0x0000FF}},        {0, 1, 1, 0x00FFFF, {1, 0x00FFFF, 0x0000FF}},
        {0, 0, 1, 0x00FFFF, {0, 0, 0x0000FF}},        {1, 1, 1, 0x00FFFF, {1, 0xC0C0C0, 0}}, /* draft: grey, black */
        {1, 1, 0, 0x00FFFF, {0, 0, 0}},               {1, 0, 1, 0x00FFFF, {0, 0, 0}}};
    for (const auto &c : cases) {
        SeqPtr p(InitPtrInfoSeq(1));
        p->TailleSeq = 1, p->HcaData.IsDrawDraft = c.draft, p->HcaData.IsDrawBkGround = c.fond;
        p->pInfoAA[0].PhiPho = c.phi, p->pInfoAA[0].CouleurFond = c.CouleurFond, p->pInfoAA[0].CouleurAA = 0x0000FF;
        unsigned long col = 0, bRempli = (unsigned long)FondAA(p.get(), 0, &col);
        EXPECT_EQ(c.want, (std::vector<unsigned long>{bRempli, bRempli ? col : 0, CouleurLettreAA(p.get(), 0)}))
            << "draft " << c.draft << " background " << c.fond << " hydrophobic " << c.phi;
    }
}

} // namespace
