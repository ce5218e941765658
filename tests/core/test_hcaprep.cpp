/* HCA preparation of a row: clusters, contour edges, zig-zag motifs,
   numbering, colours, and the record's memory. */
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

SeqPtr Prepare(const char *szRow, int nPremier = 1)
{
    return SeqPtr(PrepSequenceHCA(szRow, NULL, NULL, nPremier, "TEST", "", NULL));
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

} // namespace
