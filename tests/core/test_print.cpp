/* The printouts' page arithmetic: margins and font height from the
   printer's resolution, and the walk of the printouts over their pages. */
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "printgeom.h"

namespace {

TEST(PrintGeom, MarginsAndFontFromTheResolution)
{
    /* dpi, margin (6 mm), crop mark (3 mm), font height against 96 dpi:
       141.73, 70.87 rounded, -81.25 cut; 22.68, 11.34; no screen
       resolution gives the screen's height */
    const int cases[][5] = {{600, 96, 142, 71, -81}, {96, 96, 23, 11, -13}, {600, 0, 142, 71, -13}};
    for (const auto &c : cases)
        EXPECT_EQ((std::vector<int>{c[2], c[3], c[4]}), (std::vector<int>{MargeImpression(c[0]), TickImpression(c[0]), HauteurPolice1D(c[0], c[1])}))
            << c[0] << " dpi";
}

/* The walk as text: "H<page>@<y>" a header, "B<first>-<end>@<y>" a block
   of band 0 ("b" band 1), "|" a page end, "$" the last one; the user
   cancels at page end nStop (from 0). */
struct Trace {
    std::string s;
    int nStop;
    SortieImpression sortie = {this, Entete, Bloc, Fin};
    explicit Trace(int n = -1) : nStop(n) {}
    static Trace *T(void *p) { return static_cast<Trace *>(p); }
    static void Entete(void *p, int nPage, int y) { T(p)->s += "H" + std::to_string(nPage) + "@" + std::to_string(y) + " "; }
    static void Bloc(void *p, int n, int a, int b, int y) { T(p)->s += (n ? "b" : "B") + std::to_string(a) + "-" + std::to_string(b) + "@" + std::to_string(y) + " "; }
    static int Fin(void *p, int bDerniere) { T(p)->s += bDerniere ? "$" : "| "; return T(p)->nStop-- != 0; }
};

TEST(PrintGeom, PrintoutsWalkOverThePages)
{
    /* 1D: cy 10, margin 5: header at 5, blocks of 60 from 75; a page of
       200 holds blocks at 75 and 135 (bottom 195), not one at 195; a page
       of 100 still holds its first block. */
    const struct { int nTaille, nParLigne, yPage, nStop, nPages; const char *szWalk; } cases1D[] = {
        {81, 40, 200, -1, 2, "H1@5 B0-40@75 B40-80@135 | H2@5 B80-81@75 $"},
        {120, 40, 100, -1, 3, "H1@5 B0-40@75 | H2@5 B40-80@75 | H3@5 B80-120@75 $"},
        {200, 40, 200, 0, 1, "H1@5 B0-40@75 B40-80@135 | "}, /* cancelled at the first page end */
        {0, 40, 200, -1, 1, "$"},
        {50, 0, 200, -1, 0, ""}};                            /* no column a line: nothing */
    for (const auto &c : cases1D) {
        Trace t(c.nStop);
        EXPECT_EQ(c.nPages, DerouleImpression1D(c.nTaille, c.nParLigne, c.yPage, 5, 10, &t.sortie)) << c.szWalk;
        EXPECT_EQ(c.szWalk, t.s);
    }
    /* HCA: bands of 30 residues, 5 high with cy 1: a band takes 8, the
       first of a page starts at 9 under the header at 0; the page ends
       when the band about to start would end with one more band and a
       line past yPage: from 25, 25 + 5 + 5 + 1 > 35. The walk ends with
       the first band, whatever the second's start. */
    const struct { int nStop0, nStop1, nOverlap, yPage, nPages; const char *szWalk; int nDebut1 = 0; } casesHCA[] = {
        {49, 49, 10, 35, 2, "H1@0 B0-30@9 b0-30@17 | H2@0 B20-49@9 b20-49@17 $"},
        {59, 39, 19, 80, 1, "H1@0 B0-30@9 b0-30@17 B11-41@25 b11-39@33 B22-52@41 b22-39@49 B33-59@57 b33-39@65 $"},
        {49, 49, 10, 60, 1, "H1@0 B0-30@9 b25-49@17 B20-49@25 b45-49@33 $", 25},
        {5, 5, 10, 60, 0, "$"},      /* shorter than the overlap: nothing */
        {49, 49, 30, 60, -1, ""}};   /* a band that cannot advance */
    for (const auto &c : casesHCA) {
        Trace t;
        BandeHCA b[2] = {{0, c.nStop0, c.nOverlap}, {c.nDebut1, c.nStop1, c.nOverlap}};
        EXPECT_EQ(c.nPages, DerouleImpressionHCA(b, 30, c.yPage, 0, 5, 1, &t.sortie)) << c.szWalk;
        EXPECT_EQ(c.szWalk, t.s);
    }
}

} // namespace
