/* The HSP loader: blocks read back into rows and coordinates, damaged
   blocks, colours. */
#include "test_reader_util.h"

#include <algorithm>
#include <filesystem>

#include "colors.h"
#include "halyardrc.h"

using namespace readertest;

namespace {

TEST(LitUnAlignHsp, LoadsHspsInFileOrderOrFromTheStart)
{
    ReadReport r(Fixture("base.bla"));
    ASSERT_EQ(LB_OK, r.nResult);
    const struct { unsigned nHit, nHsp; const char *szResume; } hsps[] = {
        {1, 1, "1 1 137 1-137 11-147 SCORE = 300 (110.2 BITS), EXPECT = 1.0E-30, P = 1.0E-30\n IDENTITIES = 137/137 (100%), POSITIVES = 137/137 (100%)"},
        {1, 2, "1 2 14 200-212 300-313 SCORE = 120 (45.1 BITS), EXPECT = 2.0E-10, SUM P(2) = 2.0E-10\n IDENTITIES = 12/14 (85%), POSITIVES = 13/14 (92%)"},
        {1, 3, "1 3 5 400-404 500-504 SCORE = 50 (20.0 BITS), EXPECT = 0.5, SUM P(2) = 0.4\n IDENTITIES = 5/5 (100%), POSITIVES = 5/5 (100%)"},
        {2, 1, "2 1 8 10-17 20-27 SCORE = 100 (40.0 BITS), EXPECT = 2.0E-05, P = 2.0E-05\n IDENTITIES = 8/8 (100%), POSITIVES = 8/8 (100%)"}};
    FILE *f = fopen(r.index.szPath, "rb");
    for (const auto &h : hsps) { /* in file order from one open file: hit, HSP, columns, ranges, score and identities */
        LoadedHsp l(f, h.nHit, h.nHsp);
        ASSERT_TRUE(l.p != nullptr);
        char sz[400];
        snprintf(sz, sizeof sz, "%d %d %d %u-%u %u-%u %s", l.p->noAlign, l.p->noHsp, l.p->tailleAlign, l.p->StartQuery,
                 l.p->StopQuery, l.p->StartSubject, l.p->StopSubject, l.p->szInfo);
        EXPECT_EQ(h.szResume, std::string(sz));
    }
    /* Forward only: an HSP before the current position is not found. */
    LoadedHsp back(f, 1, 2);
    EXPECT_EQ(nullptr, back.p);
    fclose(f);
    /* 60 + 60 + 17 columns, a short last match line padded; a query gap. */
    LoadedHsp a(r.index.szPath, 1, 1), b(r.index.szPath, 1, 2);
    std::string sQ2 = "CYHSVQMRWRNLIGIDWLTSMRLYDETQGMFSQCDVWMMNYSWRDDKSDCLWRLPNARNG";
    EXPECT_EQ((std::vector<std::string>{"MKENDLAMFPCDVENWCTHCDQQDIDVQCWEIWCWWPCICVFLQFVEWLVGEWWHNEVDW" + sQ2 + "YESCHLFIPPSDGRPVK",
                                        "MKENDLAMFPCDVENWCTHCDQQDIDVQCW    ++P  + F  + +  +  + + + ++" + sQ2 + "YESCHLFIPP       ",
                                        "MKENDLAMFPCDVENWCTHCDQQDIDVQCWFQVKQNPIFDGFIIASWGKLAFQVNYWMFT" + sQ2 + "YESCHLFIPPSDGRPVK",
                                        "ACDEFGHIKL-MNP", "ACDEFGHIKL +NP", "ACDEFGHIKLLMNP"}),
              (std::vector<std::string>{a.p->szQuery, a.p->szComp, a.p->szSubject, b.p->szQuery, b.p->szComp, b.p->szSubject}));

    /* Lines longer than the reader's buffer are joined again. */
    std::string s120(120, 'W');
    ReadReport w(Report("q", 200, {{"sp|W", {{1, 120, 1, 120, s120.c_str(), s120.c_str(), s120.c_str()}}}}));
    EXPECT_NE(std::string::npos, ReadFile(w.index.szPath).find("\r\nQUERY:     1 " + s120 + " 120\r\n"));
}

/* Damaged blocks never size the rows nor write outside them. */
TEST(LitUnAlignHsp, DamagedBlocks)
{
    const std::string sHead = "END\r\nALIGN 1 HSP 1\r\n SCORE = 9, EXPECT = 1, P = 1\r\n";
    const std::string sTriple = "QUERY:     1 ABCDEFGHIJ 10\r\n             ABCDE FGHI\r\nSBJCT:     5 ABCDEFGHIJ 14\r\n";
    auto Id = [&](const char *sz) { return sHead + " IDENTITIES = " + sz + "\r\n"; };
    std::string sCr = Id("20/20") + sTriple + "END\r\nALIGN 1 HSP 2\r\n" + sTriple;
    sCr.erase(std::remove(sCr.begin(), sCr.end(), '\n'), sCr.end());
    const char *szFull = "ABCDEFGHIJ|ABCDE FGHI|ABCDEFGHIJ|10|5";
    /* query|match|subject|stop query|start subject, or NULL */
    const struct { std::string sIndex; const char *szWant; } cases[] = {
        {Id("10/10") + sTriple, szFull}, {sHead, "NULL"}, {Id("10") + sTriple, "NULL"},
        {Id("5/2000000") + sTriple, "NULL"}, {Id("5/1000000") + sTriple, szFull}, {Id("4/4") + sTriple, "ABCD|ABCD|ABCD|10|5"},
        {Id("20/20") + sTriple + "END\r\nALIGN 1 HSP 2\r\n" + sTriple, szFull},
        {Id("10/10") + "QUERY:     1 KENDLKENDL 10\r\n             KENDL\r\nSBJCT:     1 KENDLKENDL 10\r\n", "KENDLKENDL|KENDL     |KENDLKENDL|10|1"},
        {Id("10/10") + "QUERY:   1 ABC 3\r\n", "ABC|||3|0"}, {Id("10/10") + "QUERY:   1 ABC 3\r\n           ABC\r\nSBJCT:\r\n", "ABC|ABC||3|0"},
        {sCr, szFull}, /* lone CR line ends: "END " ends the block; "ENDX" does not */
        {Id("20/20") + sTriple + std::string("ENDX\0\r\n", 7) + sTriple, "ABCDEFGHIJABCDEFGHIJ|ABCDE FGHIABCDE FGHI|ABCDEFGHIJABCDEFGHIJ|10|5"}};
    for (const auto &c : cases) {
        TempFile index(c.sIndex);
        OsNoticeLogClear();
        LoadedHsp l(index.szPath, 1, 1);
        EXPECT_TRUE(OsNoticeLog().empty());
        EXPECT_EQ(c.szWant,
                  l.p ? std::string(l.p->szQuery) + "|" + l.p->szComp + "|" + l.p->szSubject + "|" +
                            std::to_string(l.p->StopQuery) + "|" + std::to_string(l.p->StartSubject)
                      : "NULL") << c.sIndex;
    }
    /* Memory failing at the record, then each of the rows and colours. */
    ReadReport r(Fixture("base.bla"));
    for (int n = 0; n < 10; n++) {
        OsNoticeLogClear();
        MyAllocFailAfter(n);
        LoadedHsp l(r.index.szPath, 1, 1);
        MyAllocFailAfter(-1);
        EXPECT_EQ(std::make_pair((HalyardHSPData *)NULL, (size_t)1), std::make_pair(l.p, OsNoticeLog().size())) << n;
    }
}

typedef std::vector<std::string> V;

/* "text/background" of every column of the three rows of a hand-made HSP
   coloured under a scheme; arrays start at 99: every column must be written. */
std::vector<V> Coloured(const char *szQuery, const char *szComp, const char *szSubject, const char *szCfg, int nScheme, int nBk)
{
    pDataGeneralPrg pData = InitDataProgram();
    snprintf(pData->ConfigFile, sizeof pData->ConfigFile, "%s", szCfg);
    pData->nColorPref = nScheme, pData->nBkColor = nBk;
    pHalyardHSPData p = (pHalyardHSPData)MyAlloc(sizeof(HalyardHSPData));
    int n = p->tailleAlign = (int)strlen(szQuery);
    char **rows[] = {&p->szQuery, &p->szComp, &p->szSubject};
    const char *texts[] = {szQuery, szComp, szSubject};
    for (int r = 0; r < 3; r++) /* shorter rows end early */
        memcpy(*rows[r] = (char *)MyAlloc(n + 1), texts[r], strlen(texts[r]));
    unsigned **arrays[] = {&p->QueryTxtClr, &p->QueryBkClr, &p->CompTxtClr, &p->CompBkClr, &p->SubjectTxtClr, &p->SubjectBkClr};
    for (unsigned **a : arrays) {
        *a = (unsigned *)MyAlloc(n * sizeof(unsigned));
        std::fill(*a, *a + n, 99u);
    }
    pData->pVhspData = p;
    AssignColorForAA(pData);
    std::vector<V> v(3);
    for (int r = 0; r < 3; r++)
        for (int c = 0; c < n; c++)
            v[r].push_back(std::to_string((*arrays[2 * r])[c]) + "/" + std::to_string((*arrays[2 * r + 1])[c]));
    FreeDataProgram(pData);
    return v;
}

TEST(AssignColorForAA, SchemesAndBackgroundOption)
{
    /* A settings file named by one letter, in the current folder; K:
       colours that name none (16, -1) fall back to the defaults, 0 (Z)
       is black. */
    TempFile gone("", true);
    const std::filesystem::path cwd = std::filesystem::current_path();
    std::filesystem::current_path(std::filesystem::path(gone.szPath).parent_path());
    FILE *f = fopen("c", "wb");
    fputs("[Couleurs_HCA]\nW=3\nA=2\nZ=9\nK=16\n[Couleur_Fond_HCA]\nA=4\nW=5\nZ=0\nK=-1\n[Couleurs_SimIden]\nIDENT=7\nAUTRE=99\n"
          "[Couleur_Fond_SimIden]\nA=6\nZ=11\nK=16\n", f);
    fclose(f);
    const struct { int nScheme, nBk; const char *szQuery, *szComp, *szSubject; std::vector<V> rows; /* query, match, subject */ } cases[] = {
        {COULEUR_HCA, 1, "AW-Z", "A  +", "AWKW", {{"2/4", "3/5", "0/1", "9/0"}, {"1/0", "0/1", "0/1", "0/1"}, {"2/4", "3/5", "0/1", "3/5"}}},
        {COULEUR_HCA, 0, "AW-W", "A  +", "AWKZ", {{"2/1", "3/1", "0/1", "3/1"}, {"1/0", "0/1", "0/1", "0/1"}, {"2/1", "3/1", "0/1", "9/1"}}},
        {COULEUR_SIMIDEN, 1, "AW-W", "A  +", "AWKZ", {{"7/6", "0/1", "0/1", "4/1"}, {"0/1", "0/1", "0/1", "0/1"}, {"7/6", "0/1", "0/1", "4/11"}}},
        {40, 1, "AW-W", "A  +", "AWKW", {{"0/1", "0/1", "0/1", "0/1"}, {"0/1", "0/1", "0/1", "0/1"}, {"0/1", "0/1", "0/1", "0/1"}}}, /* no such scheme */
        {COULEUR_NOIRBLANC, 1, "AW-W", "A  +", "AWKW", {{"0/1", "0/1", "0/1", "0/1"}, {"1/0", "0/1", "0/1", "0/1"}, {"0/1", "0/1", "0/1", "0/1"}}},
        /* rows shorter than the alignment (a damaged block) */
        {COULEUR_HCA, 1, "AAAA", "A", "", {{"2/4", "2/4", "2/4", "2/4"}, {"1/0", "0/1", "0/1", "0/1"}, {"0/1", "0/1", "0/1", "0/1"}}}};
    for (const auto &c : cases)
        EXPECT_EQ(c.rows, Coloured(c.szQuery, c.szComp, c.szSubject, "c", c.nScheme, c.nBk))
            << c.nScheme << " " << c.nBk << " " << c.szQuery;
    remove("c");
    std::filesystem::current_path(cwd);
}

} // namespace
