/* HCA in numbers. Preparing a row: clusters, contour edges, zig-zag
   motifs, numbering, colours and the record's memory. The helical net:
   units and fonts from the font metrics, the unit hexagon, residue
   positions, background cells, the device points and choices a paint makes
   (visible range, contours, motifs, scale marks, symbols, fills), and the
   scroll positions of both bars. */
#include <gtest/gtest.h>
#include <limits.h>
#include <string.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "hca.h"
#include "memory.h"
#include "os_portable.h"

namespace {

struct Liberateur {
    void operator()(InfoSequence *p) const { FreeDataSequence(p); }
};
typedef std::unique_ptr<InfoSequence, Liberateur> SeqPtr;

/* A row prepared as the viewer does; with metrics, its cells too. */
SeqPtr Prepare(const char *szRow, int nPremier = 1, const GraphObjData *pg = NULL)
{
    return SeqPtr(PrepSequenceHCA(szRow, NULL, NULL, nPremier, "TEST", "", pg));
}

/* The clusters as "first-last" ('*' when a motif starts inside), checking
   their numbers, and the 1-based motif starts. */
std::string Clusters(const InfoSequence *p)
{
    std::string s;
    for (unsigned c = 0; c < p->nAmas; c++) {
        const unsigned *e = p->TableauAmas + c * AMAS_NCHAMPS;
        EXPECT_EQ(c + 1, e[AMAS_NUMERO]) << "cluster numbering in " << p->Sequence;
        s += (c ? " " : "") + std::to_string(e[AMAS_DEBUT]) + "-" + std::to_string(e[AMAS_FIN]) + (e[AMAS_ZIGZAG] ? "*" : "");
    }
    return s;
}

std::vector<unsigned> ZigZags(const InfoSequence *p)
{
    return std::vector<unsigned>(p->TableauZigZag, p->TableauZigZag + p->nZigZag);
}

/* Rows, their clusters, motifs and contour bits; only upper-case letters
   have a class, gaps are not breakers; breakers split clusters but not
   motifs. */
TEST(HcaPrep, ClustersZigZagsAndContours)
{
    static const struct { const char *szRow, *szAmas; std::vector<unsigned> zigzag; std::vector<int> bits; } cases[] = {
        {"LAAAL", "0-4", {}, {0x0F, 0x08, 0, 0x04, 0x3C}}, /* +4 neighbours, the A cells carry the edge */
        {"LAL", "0-2", {}, {0x3F, 0, 0x3F}},               /* the +2 step; no edge between n-1 and n+1 */
        {"LPAL", "0-0 3-3", {}, {0x3F, 0, 0, 0x3F}},       {"LAPAL", "0-0 4-4", {}, {0x3F, 0, 0, 0, 0x3F}},
        {"LL", "0-1", {}, {0x1B, 0x36}},                   {"AAAALAAAA", "4-4", {}, {0, 0, 0, 0, 0x3F, 0, 0, 0, 0}},
        {"LLLLLLLLL", "0-8", {}, {0x03, 0x02, 0x02, 0, 0, 0, 0x10, 0x10, 0x30}},
        {"LAAAAL", "0-0 5-5", {}, {}}, /* 5 apart: none */ {"LALPL", "0-2 4-4", {}, {}}, /* P stops +2 */
        {"LALAAA", "0-2", {}, {}}, /* no motif at 0 */     {"ALAL", "1-3", {}, {}}, /* no room after */
        {"LALAL", "0-4", {}, {}}, {"ALALAA", "1-3*", {2}, {}}, {"AKDEGSTNQ", "", {}, {}}, {"", "", {}, {}}, {"L", "0-0", {}, {0x3F}},
        {"l-L*L", "2-4", {}, {}}, {"ALALALAA", "1-5*", {2, 4}, {}}, {"ALALA", "1-3*", {2}, {}}, {"APLPLA", "2-2* 4-4", {3}, {}},
        {"LAAL", "0-3", {}, {}}, /* +3 */ {"LLALAA", "0-3", {}, {}}, {"ALLLAA", "1-3", {}, {}}, /* no motif next to a hydrophobic residue */
        {"LLLLLLLL", "0-7", {}, {}}, {"LLLLLLLAALAL", "0-11", {}, {}}}; /* 8 members, then the +2 step from there */
    for (const auto &c : cases) {
        SeqPtr p = Prepare(c.szRow);
        std::vector<int> bits;
        for (int i = 0; i < p->TailleSeq; i++)
            bits.push_back(p->pInfoAA[i].TabHydro);
        EXPECT_EQ(std::make_tuple(std::string(c.szAmas), c.zigzag, c.bits.empty() ? bits : c.bits), std::make_tuple(Clusters(p.get()), ZigZags(p.get()), bits))
            << "row " << c.szRow;
    }
    EXPECT_EQ("0-29999", Clusters(Prepare(std::string(30000, 'L').c_str()).get())) << "a long row";
}

/* The helpers of the search from a start inside the row; scale numbers
   of the letters of either case from a start, skipping 0, never wrapping. Gaps, stops, digits, lower case and
   bytes beyond ASCII never index outside the class table; colours from
   indices, past the table a black letter on a white cell; the record's
   fields, the name clamped. */
TEST(HcaPrep, HelpersNumbersClassesColoursAndRecord)
{
    OsNoticeLogClear();
    SeqPtr p = Prepare("PPAAPAAL");
    const int proline[][3] = {{2, 5, 1}, {5, 2, 1}, {2, 4, 0}, {5, 7, 0}, {-5, 2, 1}, {-5, 1, 1}, {5, 99, 0}, {7, 3, 1}}; /* [lo, hi) */
    for (const auto &c : proline)
        EXPECT_EQ(c[2], IsProline(c[0], c[1], p.get())) << c[0] << ".." << c[1];
    const unsigned tab[] = {4, 9, 2, 17};
    EXPECT_EQ((std::vector<unsigned>{1, 0, 1, 0, 17, 9, 4, 0}),
              (std::vector<unsigned>{(unsigned)IsInTableau(tab, 3, 17), (unsigned)IsInTableau(tab, 2, 17), (unsigned)IsInTableau(tab, 0, 4),
                                     (unsigned)IsInTableau(tab, -1, 4), MaxTableau(tab, 3), MaxTableau(tab, 2), MaxTableau(tab, 0), MaxTableau(tab, -1)}));
    std::vector<int> nums;
    for (const auto &d : {std::make_pair(3, 50), std::make_pair(1, -1)}) {
        AssignedEchelleRel(d.first, d.second, p.get());
        for (int i = 0; i < 5; i++)
            nums.push_back(p->pInfoAA[i].ValeurEchRel);
    }
    EXPECT_EQ((std::vector<int>{1, 2, 3, 50, 51, 1, -1, 1, 2, 3}), nums) << "from residue 3 at 50, then from 1 at -1";
    SeqPtr q = Prepare("Zaz", INT_MAX);
    EXPECT_EQ((std::vector<int>{INT_MAX, INT_MAX, INT_MAX}), (std::vector<int>{q->pInfoAA[0].ValeurEchRel, q->pInfoAA[1].ValeurEchRel, q->pInfoAA[2].ValeurEchRel}));
    for (int n = CHAR_MIN; n <= CHAR_MAX; n++)
        EXPECT_EQ((char)n != '\0' && strchr("FILMVWY", (char)n) != NULL, ClasseHydro((char)n)) << "code " << n;
    const unsigned txt[] = {0, 2, 16, 99, 4}, bk[] = {1, 14, 16, 1000, 9};
    SeqPtr c(PrepSequenceHCA("LAGWK", txt, bk, 1, "X", "", NULL));
    std::vector<unsigned long> got;
    for (int i = 0; i < 5; i++)
        got.push_back(c->pInfoAA[i].CouleurAA), got.push_back(c->pInfoAA[i].CouleurFond);
    EXPECT_EQ((std::vector<unsigned long>{0, 0xFFFFFF, 0x0000FF, 0xC0C0C0, 0, 0xFFFFFF, 0, 0xFFFFFF, 0xFF0000, 0x008000}), got);
    std::string sLong(HCA_MAX_PATH, 'N'); /* one too many */
    SeqPtr r(PrepSequenceHCA("MKVL-AG", NULL, NULL, 12, sLong.c_str(), "C:\\HAL\\", NULL));
    SeqPtr pVide(PrepSequenceHCA("", NULL, NULL, 1, NULL, NULL, NULL)); /* no name, no folder */
    EXPECT_EQ(std::string(HCA_MAX_PATH - 1, 'N'), std::string(r->SeqName)) << "name clamped";
    /* row, its block, length, shown from, to, how many; an empty row; short names and the folder */
    auto N = [](long n) { return std::to_string(n); };
    EXPECT_EQ((std::vector<std::string>{"MKVL-AG", "8", "7", "0", "6", "7", "", "0", "-1", "", "X", "C:\\HAL\\"}),
              (std::vector<std::string>{r->Sequence, N(MySize(r->Sequence)), N(r->TailleSeq), N(r->StartAffich), N(r->StopAffich), N(r->LengthAffich),
                                        pVide->Sequence, N(pVide->TailleSeq), N(pVide->StopAffich), pVide->SeqName, c->SeqName, r->szPathFile}));
    EXPECT_TRUE(OsNoticeLog().empty());
}

/* Each allocation failing in turn until the call gets through: one notice
   each time, nothing left allocated (LeakSanitizer checks that natively). */
template <typename F> int FailEachAllocation(F fn)
{
    int k;
    for (k = 0; k < 200; k++) {
        OsNoticeLogClear();
        MyAllocFailAfter(k);
        SeqPtr p(fn());
        MyAllocFailAfter(-1);
        EXPECT_EQ(p == nullptr ? 1u : 0u, OsNoticeLog().size()) << "allocation " << k;
        if (p != nullptr)
            break;
    }
    EXPECT_LT(k, 200);
    return k;
}

TEST(HcaPrep, MemoryFailuresReleaseEverything)
{
    /* Record, row, cluster table, zig-zag table, residues, and no more
       for an empty row; sizes beyond the heap. */
    EXPECT_EQ(5, FailEachAllocation([] { return Prepare("").release(); }));
    EXPECT_EQ(nullptr, InitPtrInfoSeq(-1));
    EXPECT_EQ(nullptr, InitPtrInfoSeq(INT_MAX - 1));
    EXPECT_EQ(2u, OsNoticeLog().size());

    /* A row that makes every table grow several times: 40 clusters, long
       member lists and 20 motifs. */
    std::string sRow;
    for (int i = 0; i < 20; i++)
        sRow += "ALALAAKDE" "LLLLLLLLLLLLLLLLLLLLP";
    EXPECT_GT(FailEachAllocation([&] { return Prepare(sRow.c_str()).release(); }), 10) << "fewer allocations than the tables need";
    SeqPtr p = Prepare(sRow.c_str(), 7), pVide = Prepare("AAAA");
    for (const InfoSequence *pSrc : {p.get(), pVide.get()})
        EXPECT_EQ(5, FailEachAllocation([&] { return DuplicatePData(pSrc); }));
    EXPECT_EQ(nullptr, DuplicatePData(NULL));

    /* A whole copy, the print job's own (a shared array would be freed
       twice, which the sanitizers report). */
    p->HcaData.nPosScroll = 33;
    SeqPtr pCopy(DuplicatePData(p.get()));
    ASSERT_NE(nullptr, pCopy);
    EXPECT_EQ(std::make_tuple(std::string(p->Sequence), Clusters(p.get()), ZigZags(p.get()), 33u),
              std::make_tuple(std::string(pCopy->Sequence), Clusters(pCopy.get()), ZigZags(pCopy.get()), pCopy->HcaData.nPosScroll));
    EXPECT_EQ(0, memcmp(p->pInfoAA, pCopy->pInfoAA, p->TailleSeq * sizeof(INFOAA)));
}

/* Metrics of a letter font 7 wide and cy high, as the viewer sets them. */
GraphObjData Metriques(long cy)
{
    GraphObjData g = {};
    AssigneDimDiag(&g, 7, cy);
    CalculAmasUnitaire(&g);
    return g;
}

/* The points as x0, y0, x1, y1... */
template <typename P> std::vector<float> Points(const P *p, int n)
{
    std::vector<float> v;
    for (int i = 0; i < n; i++)
        v.push_back((float)p[i].x), v.push_back((float)p[i].y);
    return v;
}

TEST(HcaGeom, UnitsAndFontsFromTheLetterHeight)
{
    /* cy, W = H, plot height: 5.67 rounds up, 4.67 too, 2.33 down; a step
       of 0 would divide by zero later */
    static const int cases[][3] = {{16, 5, 157}, {12, 4, 124}, {17, 6, 184}, {14, 5, 153}, {7, 2, 64}, {1, 1, 27}, {100, 33, 1025}};
    for (const auto &c : cases) {
        GraphObjData g = Metriques(c[0]);
        EXPECT_EQ((std::vector<long>{7, c[0], c[1], c[1], c[2]}),
                  (std::vector<long>{g.cxCharDiag, g.cyCharDiag, g.nLineWidthAAs, g.nLineHeightAAs, InitGraphHeight(&g)}));
    }
    /* Heights follow the letter height; faces are copied whole; height,
       face, character set, pitch, precisions, quality, italic. */
    GraphObjData g;
    memset(&g, 0xAA, sizeof g);
    DefineLogPolices(&g, 13);
    std::vector<std::string> got;
    for (const LogFontHCA &lf : {g.LFDiagramme, g.LFAASpeciaux, g.LFTrack})
        got.push_back(std::to_string(lf.lfHeight) + " " + lf.lfFaceName + " " + std::to_string(lf.lfCharSet) + " " + std::to_string(lf.lfPitchAndFamily) + " " +
                      std::to_string(lf.lfOutPrecision) + std::to_string(lf.lfClipPrecision) + std::to_string(lf.lfQuality) + std::to_string(lf.lfItalic));
    EXPECT_EQ((std::vector<std::string>{"13 Times New Roman 0 18 3210", "15 Wingdings 2 2 3210", "-15 Courier New 0 49 3210"}), got);
}

/* Cell points T0..T13 in units of W and H. */
const float TCoef[14][2] = {{-0.5f, -1.5f}, {1.0f, -2.5f}, {1.25f, -2.25f}, {1.5f, -1.0f}, {2.0f, 0.5f}, {2.25f, 1.25f}, {2.5f, 2.0f},
                            {0.5f, 1.5f}, {-1.0f, 2.5f}, {-1.25f, 2.25f}, {-1.5f, 1.0f}, {-2.0f, -0.5f}, {-2.25f, -1.25f}, {-2.5f, -2.0f}};

TEST(HcaGeom, BackgroundCells)
{
    GraphObjData g = Metriques(16);
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
        std::vector<float> want;
        for (int t : c.T)
            want.insert(want.end(), {TCoef[t][0] * 5, TCoef[t][1] * 5});
        EXPECT_EQ(want, Points(p->pInfoAA[c.k].PolyGon, 6)) << "residue " << c.k << " bits " << (int)c.bits;
    }
}

TEST(HcaGeom, VisibleRangeAndDevicePoints)
{
    static const struct { long cy; int nPos, left, right, n; std::vector<int> want; } cases[] = {
        /* cy (W = cy / 3), nPosScroll, update rectangle, residues: first, last, result */
        {16, 40, 0, 100, 200, {36, 64, 1}}, {16, 40, 0, 100, 50, {36, 49, 1}}, /* clipped at the end */
        {16, 0, 0, 100, 1, {0, 0, 1}},      {16, -10, 0, 100, 200, {0, 14, 1}}, /* one residue; scrolled before 0 */
        {16, 0, 28, 28, 200, {2, 10, 1}},   {6, 10, 5, 5, 200, {8, 16, 1}},     /* 5.6 gives 6, 2.5 gives 2 */
        {16, 60, 0, 100, 50, {56, 49, 0}},  {16, 0, 0, 100, 0, {0, -1, 0}}};    /* nothing to draw */
    for (const auto &c : cases) {
        SeqPtr p(InitPtrInfoSeq(c.n));
        p->TailleSeq = p->LengthAffich = c.n, p->StartAffich = 0, p->StopAffich = c.n - 1;
        p->HcaData.nPosScroll = (unsigned)c.nPos;
        int first = -99, last = -99, ok = PlageVisibleHCA(p.get(), c.left, c.right, Metriques(c.cy), &first, &last);
        EXPECT_EQ(c.want, (std::vector<int>{first, last, ok})) << "position " << c.nPos << ", update " << c.left << ".." << c.right;
    }

    GraphObjData g = Metriques(16);
    SeqPtr p = Prepare(std::string(60, 'A').c_str(), 1, &g);
    /* Scrolled by 40 residues, residue 40 is one step from the left, on
       row 40 * 3 mod 11 = 10 and in the second copy 55 lower; then residue
       0 in a band from (10, 20); its cell came with the preparation. */
    RectHCA rc = {0, 0, 300, 157}, rcBand = {10, 20, 300, 400};
    int X, Y1, Y2, X0, Y10, Y20;
    PositionEcranAA(p.get(), 40, 40 * 5, rc, g, &X, &Y1, &Y2);
    PositionEcranAA(p.get(), 0, 0, rcBand, g, &X0, &Y10, &Y20);
    EXPECT_EQ((std::vector<int>{6, 92, 147, 16, 62}), (std::vector<int>{X, Y1, Y2, X0, Y10}));
    EXPECT_EQ((std::vector<float>{TCoef[3][0] * 5, TCoef[3][1] * 5}), Points(&p->pInfoAA[0].PolyGon[1], 1));
    EXPECT_EQ(0, CalcCoordAADiag(NULL, g));

    /* The hexagon around (6, 42), half a line (8) lower; 13.5 and -1.5
       round towards zero. Contour segments in bit order, between the
       corners that face the two neighbours each edge lies between. */
    PointHCA hex[6], seg[12], want[12];
    CelluleEcran(g.ptAmas, 6, 42, g, hex);
    EXPECT_EQ((std::vector<float>{13, 45, 16, 52, 8, 57, -1, 55, -4, 47, 3, 42}), Points(hex, 6));
    const struct { unsigned char bits; std::vector<int> corners; } contours[] = {
        {0x3F, {5, 4, 4, 3, 3, 2, 5, 0, 0, 1, 1, 2}}, {0xFF, {5, 4, 4, 3, 3, 2, 5, 0, 0, 1, 1, 2}}, {0x21, {5, 4, 1, 2}}, {0x00, {}}};
    for (const auto &c : contours) {
        for (size_t i = 0; i < c.corners.size(); i++)
            want[i] = hex[c.corners[i]];
        int n = SegmentsContour(c.bits, hex, seg);
        EXPECT_EQ(Points(want, (int)c.corners.size()), Points(seg, 2 * n)) << "bits " << (int)c.bits;
    }

    /* The chevron of ALALAA's motif: tip on its first residue (x 10,
       y 57 + 8), arms at the column of its third, 5 rows up and 6 down;
       scrolled, everything moves left by the offset. */
    SeqPtr z = Prepare("ALALAA", 1, &g);
    PointHCA pts[6];
    int k = (int)z->TableauZigZag[0] - 1;
    ChevronZigZag(z.get(), k, 0, rc, g, pts);
    EXPECT_EQ((std::vector<float>{20, 40, 10, 65, 20, 95, 20, 95, 10, 120, 20, 150}), Points(pts, 6));
    ChevronZigZag(z.get(), k, 10, rc, g, pts);
    EXPECT_EQ((std::vector<long>{10, 0}), (std::vector<long>{pts[0].x, pts[1].x}));
}

/* Scale marks on 1, 10, 20 and the end; from 25 with a gap, 30 falls on
   the seventh column; a row ending in a gap has no number to write at its
   end. Symbols: star, lozenge, open square, square and dot; none. */
TEST(HcaGeom, MarksSymbolsFillsAndLetterColours)
{
    GraphObjData g = Metriques(16);
    const struct { const char *szRow; int nPremier; const char *szMarks; } marques[] = {
        {"ACDEFGHIKLMNPQRSTVWYACDEF", 1, "|........|.........|....$"}, {"ACD-EFGHI", 25, "......|.$"}, {"ACD-", 1, "|..."}};
    for (const auto &c : marques) {
        SeqPtr p = Prepare(c.szRow, c.nPremier, &g);
        std::string s;
        for (int k = 0; k < p->TailleSeq; k++)
            s += GraduationAA(p.get(), k) == HCA_GRAD_FIN ? '$' : GraduationAA(p.get(), k) == HCA_GRAD_TRAIT ? '|' : '.';
        EXPECT_EQ(c.szMarks, s) << c.szRow;
    }
    static const struct { char c; std::vector<int> codes; } symboles[] = {
        {'P', {0xAB}}, {'G', {0x74}}, {'T', {0xA8}}, {'S', {0xA8, 0x9F}}, {'A', {}}, {'p', {}}, {'-', {}}};
    for (const auto &c : symboles) {
        unsigned char codes[2] = {0, 0};
        int n = SymboleAA(c.c, codes);
        EXPECT_EQ(c.codes, std::vector<int>(codes, codes + n)) << "residue " << c.c;
    }
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

/* Scroll positions. Horizontally a window of 20 residues on a row of 50,
   lines of 10, pages of 25: a step stops one residue short of the bar's
   first place (-20) and at the row's end, and pulls a position left
   outside back in. Vertically plots of 157 (lines of 78), a frame of 200,
   a bar to 300: a step stops only at the end it moves towards. Thumbs go
   where they are put; other codes leave the position. */
TEST(HcaGeom, ScrollPositions)
{
    SeqPtr p(InitPtrInfoSeq(50));
    p->StartAffich = 0, p->LengthAffich = 50, p->HcaData.WndLengthaa = 20;
    static const struct { bool bHoriz; int nCode, nPos, nPouce, nNew; } cases[] = {
        /* horizontal, code, position, thumb, position after */
        {true, HCA_SB_LIGNEMOINS, 0, 0, -10},    {true, HCA_SB_PAGEPLUS, 0, 0, 25},      {true, HCA_SB_PAGEMOINS, 0, 0, -19},
        {true, HCA_SB_LIGNEPLUS, 45, 0, 50},     {true, HCA_SB_LIGNEPLUS, -40, 0, -19},  {true, HCA_SB_LIGNEMOINS, 70, 0, 50},
        {true, HCA_SB_POUCEPOSE, 0, -20, -20},   {true, HCA_SB_POUCESUIVI, 0, 60, 60},   {false, HCA_SB_LIGNEMOINS, 50, 0, 0},
        {false, HCA_SB_LIGNEPLUS, 100, 0, 178},  {false, HCA_SB_LIGNEPLUS, 250, 0, 300}, {false, HCA_SB_PAGEMOINS, 250, 0, 50},
        {false, HCA_SB_PAGEPLUS, 150, 0, 300},   {false, HCA_SB_PAGEMOINS, 150, 0, 0},   {false, HCA_SB_LIGNEMOINS, 500, 0, 422},
        {false, HCA_SB_POUCESUIVI, 0, -5, -5},   {false, HCA_SB_POUCEPOSE, 0, 400, 400}, {false, 8 /* SB_ENDSCROLL */, 5, 0, 5}};
    for (const auto &c : cases) {
        p->HcaData.nPosScroll = (unsigned)c.nPos;
        int nNew = c.bHoriz ? DefilementHorizHCA(p.get(), c.nCode, c.nPouce, 10, 25) : DefilementVertHCA(c.nCode, c.nPos, c.nPouce, 300, 157, 200);
        EXPECT_EQ(c.nNew, nNew) << (c.bHoriz ? "horizontal" : "vertical") << " code " << c.nCode << " from " << c.nPos;
    }
}

} // namespace
