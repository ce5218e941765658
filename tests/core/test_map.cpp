/* The BLAST map's data: rows, labels, coverage, failures, scroll range; the alignment pane's scroll. */
#include "editor_util.h"

#include <list>
#include <random>
#include <tuple>

#include "alignpane.h"
#include "halyardrc.h"
#include "statblast.h"

using namespace editortest;

namespace {

struct Range { unsigned q0, q1, s0, s1; };
typedef std::vector<std::pair<const char *, std::vector<Range>>> Hits;

/* One HSP per range (s1 0: as long as the query's). */
std::string MapReport(int nLen, const Hits &hits)
{
    std::list<std::string> keep;
    std::vector<Hit> v;
    for (const auto &h : hits) {
        v.push_back({h.first, {}});
        for (const Range &r : h.second) {
            std::string s = std::string(std::max(r.q0, r.q1) - std::min(r.q0, r.q1) + 1, 'K');
            const char *p = keep.insert(keep.end(), s)->c_str();
            v.back().hsps.push_back({r.q0, r.q1, r.s0, r.s1 ? r.s1 : r.s0 + (unsigned)s.size() - 1, p, p, p});
        }
    }
    return Report("mapquery", nLen, v);
}

/* A prepared map, released with the object; the progress calls kept. */
struct Map {
    pMySTATDATA p = InitStatData();
    int nOk = -1;
    std::vector<std::pair<int, int>> calls;
    Map(pDataGeneralPrg pData, unsigned nTotal)
    {
        OsNoticeLogClear();
        if (p != NULL)
            nOk = PrepareStatData(p, pData, nTotal, [](void *c, int n, int s) {
                static_cast<Map *>(c)->calls.push_back({n, s}); }, this, NULL);
    }
    ~Map() { DelStatData(p); }
    std::vector<int> Histo() const { return std::vector<int>(p->pDataHistoBrute, p->pDataHistoBrute + p->nTaille); }
};

/* Hit 5 on query 10-50, 40-80, 200-220, hit 7 on 30-60; hit 8's name is
   cut. */
const Hits kHuit = {{"sp|A1", {{1, 5, 1, 0}}}, {"sp|A2", {{1, 5, 1, 0}}}, {"sp|A3", {{1, 5, 1, 0}}}, {"sp|A4", {{1, 5, 1, 0}}},
                    {"P12345", {{10, 50, 12, 50}, {40, 80, 40, 80}, {200, 220, 7, 0}}}, {"sp|A6", {{1, 5, 1, 0}}},
                    {"Q7", {{30, 60, 3, 0}}}, {"sp|Q99999|LONGNAME", {{90, 95, 1000, 0}}}};

/* Rows of a hit and of its further HSPs, the name cut; a row of hit 8
   alone is a hit's first row too. */
TEST(PrepareStatData, RowsLabelsAndProgress)
{
    const struct { Pairs sel; std::vector<std::string> rows; } cases[] = {
        {{{5, 1}, {5, 2}, {5, 3}, {7, 1}}, {"   5.P12345 (  12-  50)  1", "(  40-  80)  2", "(   7-  27)  3", "   7.Q7 (   3-  33)  1"}},
        {{{8, 1}}, {"   8.SP|Q99999| (1000-1005)  1"}}};
    for (const auto &c : cases) {
        Doc d(MapReport(300, kHuit), c.sel);
        Map m(d.pData, d.pData->nAlignTotal);
        ASSERT_EQ(1, m.nOk);
        std::vector<std::string> rows;
        std::vector<std::pair<int, int>> wantCalls;
        for (int r = 0; r < m.p->nSeq; r++)
            rows.push_back(m.p->pSeqDat[r]->szName), wantCalls.push_back({r + 2, (int)c.sel.size()});
        EXPECT_EQ(c.rows, rows);
        EXPECT_EQ(wantCalls, m.calls) << "progress";
        EXPECT_EQ(std::vector<unsigned>{}, NoticeIds());
    }
}

TEST(PrepareStatData, FailuresGiveZeroAndANotice)
{
    const struct { const char *szWhat; Pairs sel; const char *szFrom; bool bGone; int nLen; unsigned id; } cases[] = {
        /* szFrom: the block renamed in the index file; bGone: no index file */
        {"nothing selected", {}, NULL, false, 300, IDS_MAP_NOSEQSEL},
        {"second row's block missing", {{5, 1}, {5, 2}}, "ALIGN 5 HSP 2", false, 300, IDS_NOPREPMAP},
        {"no index file", {{7, 1}}, NULL, true, 300, IDS_NOPREPMAP},
        {"the shortest query too long", {{7, 1}}, NULL, false, 0x3FFFFFFF, IDS_NOPREPMAP}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.szWhat);
        Doc d(MapReport(300, kHuit), c.sel);
        std::string s = ReadFile(d.index.szPath);
        if (c.szFrom != NULL)
            s[s.find(c.szFrom) + 12] = '7';
        TempFile index(s, c.bGone);
        snprintf(d.pData->szFileSortie, sizeof d.pData->szFileSortie, "%s", index.szPath);
        d.pData->FichierBlast.TailleQuery = c.nLen;
        Map m(d.pData, 9);
        /* a failure closes the progress first (0, 0), after the rows made */
        std::vector<std::pair<int, int>> calls(c.sel.size() == 2, {2, 2});
        if (!c.sel.empty())
            calls.push_back({0, 0});
        EXPECT_EQ(std::make_tuple(0, calls, std::vector<unsigned>{c.id}), std::make_tuple(m.nOk, m.calls, NoticeIds()));
    }
    Doc c(MapReport(300, kHuit), {{5, 1}, {7, 1}});
    c.Cut(6); /* hit 7 lies beyond the table's end */
    Map cut(c.pData, 9);
    EXPECT_EQ((std::vector<int>{1, 1}), (std::vector<int>{cut.nOk, cut.p->nSeq}));
    Doc d(MapReport(300, kHuit), {{5, 1}, {5, 2}, {5, 3}, {7, 1}});
    for (int n = 1; n < 1000; n++) {
        MyAllocFailAfter(n); /* InitStatData's allocation passes */
        Map m(d.pData, 9);
        MyAllocFailAfter(-1);
        EXPECT_EQ((m.nOk ? std::vector<unsigned>{} : std::vector<unsigned>{0, IDS_NOPREPMAP}), NoticeIds()) << "allocation " << n;
        if (m.nOk == 1)
            return;
    }
    ADD_FAILURE() << "never prepared";
}

/* Against a brute-force count: random selections, ranges backwards or past the query's ends. */
TEST(PrepareStatData, HistogramAgreesWithABruteForceCount)
{
    std::mt19937 rng(20240611);
    auto U = [&rng](int a, int b) { return std::uniform_int_distribution<int>(a, b)(rng); };
    for (int round = 0; round < 60; round++) {
        int nLen = U(5, 60);
        Hits hits(U(1, 6));
        for (auto &h : hits) {
            h.first = "sp|X";
            for (int k = U(1, 4), a; k > 0; k--)
                a = U(0, nLen + 4), h.second.push_back({(unsigned)a, (unsigned)U(std::max(0, a - 15), a + 15), 1, 0});
        }
        Doc d(MapReport(nLen, hits), {});
        if (round % 20 == 19) /* a query of no length: rows without a histogram */
            d.pData->FichierBlast.TailleQuery = nLen = 0;
        std::vector<int> want(nLen), wantRows, rows;
        for (size_t i = 0; i < hits.size(); i++) {
            std::vector<int> flags(nLen + 1);
            for (size_t k = 0; k < hits[i].second.size(); k++) {
                if (U(0, 2) == 0 && !(wantRows.empty() && i + 1 == hits.size() && k + 1 == hits[i].second.size()))
                    continue;
                d.Hit(i)->nHSPselected[k] = 1;
                const int a = hits[i].second[k].q0, b = hits[i].second[k].q1;
                wantRows.insert(wantRows.end(), {a, b});
                for (int q = std::max(1, std::min(a, b)); q <= std::min(nLen, std::max(a, b)); q++)
                    flags[q] = 1;
            }
            for (int q = 1; q <= nLen; q++)
                want[q - 1] += flags[q];
        }
        Map m(d.pData, d.pData->nAlignTotal);
        ASSERT_EQ(1, m.nOk) << "round " << round;
        for (int r = 0; r < m.p->nSeq; r++)
            rows.insert(rows.end(), {m.p->pSeqDat[r]->nStart.x, m.p->pSeqDat[r]->nStop.x});
        EXPECT_EQ(wantRows, rows) << "round " << round << ": query ranges of the rows";
        EXPECT_EQ(wantRows.size() == 2 * d.pData->nAlignTotal, m.p->IsAllSelected == 1) << "round " << round;
        EXPECT_EQ(want, m.Histo()) << "round " << round;
    }
}

/* Rows shown round halves toward zero (205 / 10: 20); the bar leaves two
   rows spare. From row 5 of 60 with 20 shown: lines, pages, the thumb and
   both ends kept to 0 ... 42; another request stays. A band's rows: two
   more each side, within the rows. */
TEST(StatDefilement, RowsShownScrollRequestsAndBands)
{
    const struct { int nSeq, h, cy; std::vector<int> want; /* bar, max, wndheight, nVdecal */ } cases[] = {
        {40, 299, 15, {1, 22, 20, 3}}, {19, 204, 10, {1, 1, 20, 3}}, {19, 205, 10, {0, 0, 0, 0}}};
    MySTATDATA s = {};
    for (const auto &c : cases) {
        s.nSeq = c.nSeq, s.nVdecal = 3, s.wndheight = 99;
        int nMax = -9, bBar = StatDefilement(&s, c.h, c.cy, &nMax);
        EXPECT_EQ(c.want, (std::vector<int>{bBar, nMax, s.wndheight, s.nVdecal})) << c.nSeq << " rows, height " << c.h << ", cy " << c.cy;
    }
    s.nSeq = 60, s.wndheight = 20;
    /* from, request, thumb; the first row after */
    const struct { int nFrom, nCode, nThumb, nWant; } requests[] = {
        {5, STAT_LIGNE_HAUT, 0, 4}, {0, STAT_LIGNE_HAUT, 0, 0}, {5, STAT_LIGNE_BAS, 0, 6}, {42, STAT_LIGNE_BAS, 0, 42},
        {30, STAT_PAGE_HAUT, 0, 10}, {5, STAT_PAGE_HAUT, 0, 0}, {5, STAT_PAGE_BAS, 0, 25}, {30, STAT_PAGE_BAS, 0, 42},
        {5, STAT_POSITION, 17, 17}, {5, STAT_SUIVI, 50, 42}, {5, STAT_SUIVI, -3, 0}, {5, STAT_DEBUT, 9, 0},
        {5, STAT_FIN, 9, 42}, {5, 8, 17, 5}};
    for (const auto &c : requests) {
        s.nVdecal = c.nFrom;
        EXPECT_EQ(c.nWant, StatNouveauDecalage(&s, c.nCode, c.nThumb)) << "request " << c.nCode << " from " << c.nFrom;
    }
    /* band, first row shown; rows [first, last) drawn with cy 15 */
    const struct { int top, bottom, nVdecal; std::vector<int> want; } bands[] = {
        {0, 300, 0, {0, 22}}, {150, 165, 1, {9, 14}}, {22, 23, 5, {4, 9}}, {0, 2000, 50, {48, 60}}};
    for (const auto &b : bands) {
        std::vector<int> v(2);
        s.nVdecal = b.nVdecal;
        StatLignesVisibles(&s, b.top, b.bottom, 15, &v[0], &v[1]);
        EXPECT_EQ(b.want, v) << "band " << b.top << "-" << b.bottom;
    }
}

/* The alignment pane scrolls once its HSP is longer than the columns
   shown less two (205 / 8 rounds to 26 columns). From column 5 of 100
   with 30 shown: lines of 3, pages of 30, both kept to -2 ... 72; the
   thumb followed as it is; another request stays. */
TEST(AlignDefilement, ColumnsShownAndScrollRequests)
{
    HalyardHSPData h = {};
    /* HSP columns (-1: no HSP); bar, its last position, columns shown, first column */
    const struct { int nTaille; std::vector<int> want; } cases[] = {{25, {1, 1, 26, -2}}, {24, {0, -9, 0, -2}}, {-1, {0, -9, 0, -2}}};
    for (const auto &c : cases) {
        DataScroll s = {5, 9};
        int nMax = -9;
        h.tailleAlign = c.nTaille;
        int bBar = AlignDefilement(&s, c.nTaille < 0 ? NULL : &h, 204, 8, &nMax);
        EXPECT_EQ(c.want, (std::vector<int>{bBar, nMax, s.wndlength, s.nDecal})) << c.nTaille << " columns";
    }
    /* from, request, thumb; the first column after */
    const struct { int nFrom, nCode, nThumb, nWant; } requests[] = {
        {5, ALIGN_LIGNE_GAUCHE, 0, 2}, {0, ALIGN_LIGNE_GAUCHE, 0, -2}, {5, ALIGN_LIGNE_DROITE, 0, 8}, {71, ALIGN_LIGNE_DROITE, 0, 72},
        {27, ALIGN_PAGE_GAUCHE, 0, -2}, {50, ALIGN_PAGE_DROITE, 0, 72}, {5, ALIGN_POSITION, 90, 90}, {5, ALIGN_SUIVI, -7, -7}, {5, 6, 17, 5}};
    for (const auto &c : requests) {
        DataScroll s = {c.nFrom, 30};
        EXPECT_EQ(c.nWant, AlignNouveauDecalage(&s, 100, c.nCode, c.nThumb)) << "request " << c.nCode << " from " << c.nFrom;
    }
}

/* Bars between margins of 4 cx on the query's scale, a range running
   backwards over its span, under the rows scrolled away; histogram bars
   centred on their position, nMax 4 cy high. The largest count, wherever
   it lies. */
TEST(StatBarre, BarsHistogramAndLargestCount)
{
    SequenceData rows[] = {{"", {10, 1}, {50, 41}}, {"", {250, 1}, {120, 41}}, {"", {1, 1}, {300, 41}}};
    pSequenceData ptrs[] = {&rows[0], &rows[1], &rows[2]};
    int histo[] = {1, 0, 3, 2, 7, 0, 6};
    MySTATDATA s = {};
    s.nSeq = 3, s.pSeqDat = ptrs, s.pDataHistoBrute = histo;
    /* histogram or not, row or entry, query length, pane width, cx, cy, nVdecal or nMax; the rectangle */
    const struct { bool bHisto; int i, nTaille, nLargeur, cx, cy, n; std::vector<int> want; } cases[] = {
        {false, 0, 300, 500, 8, 15, 0, {47, 2, 105, 14}}, {false, 1, 300, 500, 8, 15, 3, {206, -28, 395, -16}},
        {false, 2, 300, 332, 4, 20, 0, {17, 42, 316, 59}}, {false, 0, 0, 500, 8, 15, 0, {32, 2, 32, 14}},
        {true, 0, 7, 101, 2, 15, 7, {14, 51, 26, 60}}, {true, 4, 7, 101, 2, 15, 7, {63, 0, 75, 60}},
        {true, 6, 7, 101, 2, 10, 7, {87, 6, 99, 40}}, {true, 0, 1, 100, 2, 15, 1, {50, 0, 134, 60}}};
    for (const auto &c : cases) {
        s.nTaille = c.nTaille, s.nVdecal = c.n;
        RectStat r = c.bHisto ? StatBarreHisto(&s, c.i, c.n, c.nLargeur, c.cx, c.cy) : StatBarre(&s, c.i, c.nLargeur, c.cx, c.cy);
        EXPECT_EQ(c.want, (std::vector<int>{r.left, r.top, r.right, r.bottom})) << (c.bHisto ? "entry " : "row ") << c.i;
    }
    const struct { std::vector<int> h; int nWant; } histos[] = {{{5, 1, 2}, 5}, {{0, 0, 4}, 4}, {{0, 0}, 0}, {{}, 0}};
    for (auto c : histos) {
        s.nTaille = (int)c.h.size(), s.pDataHistoBrute = c.h.data();
        EXPECT_EQ(c.nWant, StatMaxHisto(&s)) << c.h.size() << " positions";
    }
}

} // namespace
