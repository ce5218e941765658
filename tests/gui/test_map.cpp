/* The BLAST map on the sample report: F4 opening and closing it or saying
   why not, the panes' drawing, labels and bars scrolling together. */
#include "mainfixture.h"
#include "statwin.h"

#include <math.h>
#include <stdio.h>

#include <algorithm>
#include <vector>

namespace {

/* Made-up map data in place of the open map's while it lives: rows "ROW r" on query 10 + r ... 50 + r. */
struct FauxStat {
    MySTATDATA d = {};
    std::vector<SequenceData> rows;
    std::vector<pSequenceData> ptrs;
    std::vector<int> histo;
    pMySTATDATA pReal = pStat;
    FauxStat(int nSeq, int nTaille, std::vector<int> h = {}) : rows(nSeq), histo(h)
    {
        histo.resize(nTaille);
        for (int r = 0; r < nSeq; r++) {
            snprintf(rows[r].szName, STAT_NOMLEN, "ROW %d", r);
            rows[r].nStart = { 10 + r, 1 }, rows[r].nStop = { 50 + r, 41 };
            ptrs.push_back(&rows[r]);
        }
        d.nSeq = nSeq, d.nTaille = nTaille, d.pSeqDat = ptrs.data(), d.pDataHistoBrute = histo.data();
        pStat = &d;
    }
    ~FauxStat() { pStat = pReal; }
};

/* What a metafile drew: "line x,y-x,y", then "rect l,t,r,b", then "text@x,y align mode background". */
template <typename F> std::vector<std::string> Dessin(F pfnDraw)
{
    EmfDrawing d = Record(pfnDraw);
    std::vector<std::string> v;
    char sz[160];
    for (const EmfSegment &s : d.segments)
        snprintf(sz, sizeof sz, "line %ld,%ld-%ld,%ld", (long)s.a.x, (long)s.a.y, (long)s.b.x, (long)s.b.y), v.push_back(sz);
    for (const EmfFill &r : d.rectangles)
        snprintf(sz, sizeof sz, "rect %ld,%ld,%ld,%ld", (long)r.rc.left, (long)r.rc.top, (long)r.rc.right, (long)r.rc.bottom), v.push_back(sz);
    for (const EmfText &t : d.texts)
        snprintf(sz, sizeof sz, "%s@%ld,%ld %s %s %06lx", t.A().c_str(), (long)t.pt.x, (long)t.pt.y, (t.nAlign & TA_RIGHT) ? "right" : "left",
                 t.nBkMode == OPAQUE ? "opaque" : "transparent", (unsigned long)t.crBk), v.push_back(sz);
    return v;
}

/* The tops of the rectangles drawn. */
std::vector<int> Hauts(const std::vector<std::string> &v)
{
    std::vector<int> h;
    long a, b;
    for (const std::string &s : v)
        if (sscanf(s.c_str(), "rect %ld,%ld", &a, &b) == 2)
            h.push_back((int)b);
    return h;
}

class MapTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        ASSERT_EQ(1, Open(SAMPLE_REPORT));
        Command(hWndMain, 3006);
        BoxAnswerer answerer(std::vector<BoxAction>{});
        Key(VK_F4);
        ASSERT_EQ(0u, answerer.Seen().size()) << "first box: " << answerer.Seen()[0].szText;
        ASSERT_TRUE(hWndStatBla != NULL && pStat != NULL);
        MesurePolice(NULL, hStatBlaFnt, &cx, &cy);
    }
    void TearDown() override
    {
        DestroyWindow(hWndStatBla);
        MainWindowTest::TearDown();
    }
    long cx = 0, cy = 0; /* the map font's on the screen */
};

/* F4 maps all HSPs or some, F4 again or another report closes the map
   without a word; nothing selected or no index file: only a notice, no
   progress box, no map. */
TEST_F(MapTest, F4OpensTheMapOnTheSelectionOrSaysWhyNot)
{
    const struct { int idSelection; const char *szTitre; int nSeq, nAll, bRapport; } cases[] = {
        { 3006, "Halyard - map of all sequences", 16, 1, 0 }, { 3005, "Halyard - map of selected sequences", 11, 0, 0 },
        { 3006, "Halyard - map of all sequences", 16, 1, 1 }, { 3007, "No sequences selected.", 0, 0, 0 },
        { 3006, "Unable to prepare map.", 0, 0, 0 } };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.bRapport ? "another report" : c.szTitre);
        HWND hWndCarte = hWndStatBla;
        BoxAnswerer fermeture(std::vector<BoxAction>{});
        EXPECT_EQ(1, hWndCarte == NULL ? 1 : c.bRapport ? Open(SAMPLE_REPORT) : (Key(VK_F4), 1));
        EXPECT_EQ((std::vector<const void *>{ nullptr, nullptr }), (std::vector<const void *>{ hWndStatBla, pStat }));
        EXPECT_EQ((std::vector<int>{ 0, 0 }), (std::vector<int>{ (int)fermeture.Seen().size(), IsWindow(hWndCarte) })) << "boxes, the window";
        SendMessageA(hWndMain, WM_COMMAND, 3007, 0);
        SendMessageA(hWndMain, WM_COMMAND, c.idSelection, 0);
        ASSERT_TRUE(c.nSeq || c.idSelection != 3006 || DeleteFileA(Doc()->szFileSortie));
        HWND hWndProgres = NULL;
        BoxAnswerer answerer(std::vector<BoxAction>{ [&](HWND hBox) {
            hWndProgres = FindWindowA(NULL, "Preparing map...");
            Press(IDOK)(hBox);
        } });
        Key(VK_F4);
        if (c.nSeq) {
            EXPECT_EQ(c.szTitre, WindowText(hWndStatBla));
            ASSERT_NE(nullptr, pStat);
            EXPECT_EQ((std::vector<int>{ c.nSeq, 412, c.nAll, 0 }),
                      (std::vector<int>{ pStat->nSeq, pStat->nTaille, pStat->IsAllSelected, (int)answerer.Seen().size() }));
        } else {
            ASSERT_EQ(1u, answerer.Seen().size());
            EXPECT_EQ(std::vector<std::string>{ std::string("BLAST map|") + c.szTitre }, answerer.Texts());
            EXPECT_EQ((std::vector<const void *>{ hWndMain, nullptr, nullptr, nullptr }),
                      (std::vector<const void *>{ answerer.Seen()[0].hOwner, hWndProgres, hWndStatBla, pStat }))
                << "the box's owner, the progress box under it, the map, its data";
        }
    }
}

/* Query 300 on 500 pixels: margins of 4 cx, the row 10 to 50, its numbers
   outside on grey, its line across. The histogram's largest count fills
   4 cy, its bars centred as the rows put them; no coverage: midline and 0. */
TEST_F(MapTest, BarsAndHistogramOnTheQueryScale)
{
    {
        FauxStat s(1, 300);
        const double f = (500.0 - 8 * cx) / 300;
        const std::string x1 = std::to_string(lround(10 * f) + 4 * cx), x2 = std::to_string(lround(50 * f) + 4 * cx), yl = std::to_string(cy / 2);
        RECT rc = { 0, 0, 500, 20 * cy };
        EXPECT_EQ((std::vector<std::string>{ "line 0," + yl + "-500," + yl, "rect " + x1 + ",2," + x2 + "," + std::to_string(cy - 1),
                                             "10@" + x1 + ",2 right opaque c0c0c0", "50@" + x2 + ",2 left opaque c0c0c0" }),
                  Dessin([&](HDC hdc) { DessineStatBarres(hdc, &rc, 500); }))
            << "cx " << cx << ", cy " << cy;
    }
    for (std::vector<int> h : { std::vector<int>{ 1, 0, 3, 2 }, std::vector<int>{ 0, 0, 0, 0 } }) {
        FauxStat s(1, 4, h);
        const int n = *std::max_element(h.begin(), h.end());
        std::vector<std::string> want = { "line 0," + std::to_string(2 * cy) + "-400," + std::to_string(2 * cy) };
        for (int q = 0; q < 4; q++)
            if (h[q] > 0)
                want.push_back("rect " + std::to_string(110 * q + 55 + 4 * cx) + "," + std::to_string(lround(4 * cy - h[q] * 4 * cy / 3.0)) + ","
                               + std::to_string(110 * q + 165 + 4 * cx) + "," + std::to_string(4 * cy));
        want.push_back(std::to_string(n) + "@0,0 left transparent ffffff");
        EXPECT_EQ(want, Dessin([&](HDC hdc) { DessineStatHisto(hdc, 8 * cx + 440, 400); })) << "largest " << n << ", cx " << cx << ", cy " << cy;
    }
}

/* One row down moves labels and bars together; a band draws only the rows it meets. */
TEST_F(MapTest, LabelsAndBarsScrollTogether)
{
    FauxStat s(60, 300);
    SetWindowPos(hWndStatBla, NULL, 0, 0, 600, 400, SWP_NOMOVE | SWP_NOZORDER);
    PumpMessages(20);
    RECT rcB, rcN;
    GetClientRect(hWndStatBlaListGraph, &rcB), GetClientRect(hWndStatBlaListNom, &rcN);
    ASSERT_LT(rcB.bottom, 60 * cy) << "the rows must not fit";
    SendMessageA(hWndStatBlaListGraph, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ((std::vector<int>{ 1, 1 }), (std::vector<int>{ pStat->nVdecal, GetScrollPos(hWndStatBlaListGraph, SB_VERT) }));
    /* the first 15 rows, from row 0 one row above the top */
    std::vector<std::string> wantN, n = Dessin([&](HDC hdc) { DessineStatNoms(hdc, &rcN); });
    std::vector<int> wantB, b = Hauts(Dessin([&](HDC hdc) { DessineStatBarres(hdc, &rcB, rcB.right); }));
    for (int r = 0; r < 15; r++)
        wantN.push_back("ROW " + std::to_string(r) + "@" + std::to_string(29 * cx) + "," + std::to_string((r - 1) * cy) + " right opaque ffffff"),
            wantB.push_back((r - 1) * cy + 2);
    ASSERT_TRUE(n.size() >= 15 && b.size() >= 15);
    EXPECT_EQ(wantN, std::vector<std::string>(n.begin(), n.begin() + 15)) << "labels";
    EXPECT_EQ(wantB, std::vector<int>(b.begin(), b.begin() + 15)) << "bar tops";
    RECT rcBande = { 0, 10 * cy, rcB.right, 11 * cy };   /* row 11's, row 10's at the top */
    std::vector<int> h = Hauts(Dessin([&](HDC hdc) { DessineStatBarres(hdc, &rcBande, rcB.right); }));
    auto Nb = [&h](long y) { return (int)std::count(h.begin(), h.end(), (int)y); };
    EXPECT_EQ((std::vector<int>{ 1, 0, 0 }), (std::vector<int>{ Nb(10 * cy + 2), Nb(-cy + 2), Nb(b.back()) }))
        << "the band's row, the first and the last drawn";
}

} // namespace
