/* The HSP loader: blocks read back from the index file into the three
   rows with their coordinates, the forward-only search, damaged blocks,
   and every HSP of the real reports in ../shared/testdata/blast. */
#include "test_reader_util.h"

#include <algorithm>
#include <map>
#include <sstream>

#include "halyardrc.h"

using namespace readertest;

namespace {

TEST(LitUnAlignHsp, LoadsEveryHspOfTheFixtureInFileOrder)
{
    ReadReport r(Fixture("base.bla"));
    ASSERT_EQ(LB_OK, r.nResult);
    FILE *f = fopen(r.index.szPath, "rb");
    ASSERT_NE(nullptr, f);

    const struct {
        unsigned nHit, nHsp;
        int tailleAlign;
        unsigned q0, q1, s0, s1;
        const char *szInfo;
    } hsps[] = {
        /* hit HSP columns  query      subject     score line + identities */
        {1, 1, 137, 1, 137, 11, 147,
         "SCORE = 300 (110.2 BITS), EXPECT = 1.0E-30, P = 1.0E-30\n"
         " IDENTITIES = 137/137 (100%), POSITIVES = 137/137 (100%)"},
        {1, 2, 14, 200, 212, 300, 313,
         "SCORE = 120 (45.1 BITS), EXPECT = 2.0E-10, SUM P(2) = 2.0E-10\n"
         " IDENTITIES = 12/14 (85%), POSITIVES = 13/14 (92%)"},
        {1, 3, 5, 400, 404, 500, 504,
         "SCORE = 50 (20.0 BITS), EXPECT = 0.5, SUM P(2) = 0.4\n"
         " IDENTITIES = 5/5 (100%), POSITIVES = 5/5 (100%)"},
        {2, 1, 8, 10, 17, 20, 27,
         "SCORE = 100 (40.0 BITS), EXPECT = 2.0E-05, P = 2.0E-05\n"
         " IDENTITIES = 8/8 (100%), POSITIVES = 8/8 (100%)"},
    };
    for (const auto &h : hsps) {
        SCOPED_TRACE(testing::Message() << "hit " << h.nHit << " HSP " << h.nHsp);
        LoadedHsp l(f, h.nHit, h.nHsp);
        ASSERT_NE(nullptr, l.p);
        EXPECT_EQ((int)h.nHit, l.p->noAlign);
        EXPECT_EQ((int)h.nHsp, l.p->noHsp);
        EXPECT_EQ(h.tailleAlign, l.p->tailleAlign);
        EXPECT_EQ(h.q0, l.p->StartQuery);
        EXPECT_EQ(h.q1, l.p->StopQuery);
        EXPECT_EQ(h.s0, l.p->StartSubject);
        EXPECT_EQ(h.s1, l.p->StopSubject);
        EXPECT_STREQ(h.szInfo, l.p->szInfo);
        for (const char *szRow : {l.p->szQuery, l.p->szComp, l.p->szSubject})
            EXPECT_EQ((size_t)h.tailleAlign, strlen(szRow));
        if (h.nHit == 1 && h.nHsp == 1) {
            /* 60 + 60 + 17 columns; the last match line is short and is
               padded with blanks to stay in step with the query. */
            std::string sQ2 = "CYHSVQMRWRNLIGIDWLTSMRLYDETQGMFSQCDVWMMNYSWRDDKSDCLWRLPNARNG";
            EXPECT_EQ("MKENDLAMFPCDVENWCTHCDQQDIDVQCWEIWCWWPCICVFLQFVEWLVGEWWHNEVDW" + sQ2 +
                          "YESCHLFIPPSDGRPVK",
                      l.p->szQuery);
            EXPECT_EQ("MKENDLAMFPCDVENWCTHCDQQDIDVQCW    ++P  + F  + +  +  + + + ++" + sQ2 +
                          "YESCHLFIPP       ",
                      l.p->szComp);
            EXPECT_EQ("MKENDLAMFPCDVENWCTHCDQQDIDVQCWFQVKQNPIFDGFIIASWGKLAFQVNYWMFT" + sQ2 +
                          "YESCHLFIPPSDGRPVK",
                      l.p->szSubject);
        }
        if (h.nHit == 1 && h.nHsp == 2) {
            EXPECT_STREQ("ACDEFGHIKL-MNP", l.p->szQuery);
            EXPECT_STREQ("ACDEFGHIKL +NP", l.p->szComp);
            EXPECT_STREQ("ACDEFGHIKLLMNP", l.p->szSubject);
        }
    }
    /* Forward only: an HSP before the current position is not found. */
    LoadedHsp back(f, 1, 2);
    EXPECT_EQ(nullptr, back.p);
    fclose(f);
}

/* Index files written by hand: damaged blocks never size the rows nor
   write outside them. */
TEST(LitUnAlignHsp, DamagedBlocks)
{
    const std::string sHead = "END\r\nALIGN 1 HSP 1\r\n SCORE = 9, EXPECT = 1, P = 1\r\n";
    const std::string sTriple =
        "QUERY:     1 ABCDEFGHIJ 10\r\n             ABCDE FGHI\r\nSBJCT:     5 ABCDEFGHIJ 14\r\n";
    std::string sLf = sHead + " IDENTITIES = 10/10\r\n" + sTriple;
    sLf.erase(std::remove(sLf.begin(), sLf.end(), '\r'), sLf.end());
    const struct {
        const char *szWhat;
        std::string sIndex;
        bool bLoaded;
        const char *szQuery, *szComp, *szSubject;
        unsigned q1, s0;
    } cases[] = {
        /* what, index file, loaded, query row, match row, subject row, stop query, start subject */
        {"complete", sHead + " IDENTITIES = 10/10\r\n" + sTriple, true, "ABCDEFGHIJ", "ABCDE FGHI",
         "ABCDEFGHIJ", 10, 5},
        {"no identities line", sHead, false, "", "", "", 0, 0},
        {"no slash", sHead + " IDENTITIES = 10\r\n" + sTriple, false, "", "", "", 0, 0},
        {"length 0", sHead + " IDENTITIES = 0/0\r\n" + sTriple, false, "", "", "", 0, 0},
        {"absurd length", sHead + " IDENTITIES = 5/2000000\r\n" + sTriple, false, "", "", "", 0, 0},
        {"rows cut at the length", sHead + " IDENTITIES = 4/4\r\n" + sTriple, true, "ABCD", "ABCD",
         "ABCD", 10, 5},
        {"END line ends the block",
         sHead + " IDENTITIES = 20/20\r\n" + sTriple + "END\r\nALIGN 1 HSP 2\r\n" + sTriple, true,
         "ABCDEFGHIJ", "ABCDE FGHI", "ABCDEFGHIJ", 10, 5},
        {"KENDL inside a query line",
         sHead + " IDENTITIES = 10/10\r\nQUERY:     1 KENDLKENDL 10\r\n             KENDL\r\n"
                 "SBJCT:     1 KENDLKENDL 10\r\n",
         true, "KENDLKENDL", "KENDL     ", "KENDLKENDL", 10, 1},
        {"lines that do not scan are passed over",
         sHead + " IDENTITIES = 10/10\r\nQUERY: garbage\r\n\r\n" + sTriple, true, "ABCDEFGHIJ",
         "ABCDE FGHI", "ABCDEFGHIJ", 10, 5},
        {"no match line (noseqs)",
         sHead + " IDENTITIES = 820/820\r\nQUERY: 1 - 820\r\nSBJCT: 3 - 822\r\n\r\n", true, "",
         "", "", 820, 3},
        {"file ends after the query line", sHead + " IDENTITIES = 10/10\r\nQUERY:   1 ABC 3\r\n",
         true, "ABC", "", "", 3, 0},
        {"subject line that does not scan",
         sHead + " IDENTITIES = 10/10\r\nQUERY:   1 ABC 3\r\n           ABC\r\nSBJCT:\r\n", true,
         "ABC", "ABC", "", 3, 0},
        {"LF line ends", sLf, true, "ABCDEFGHIJ", "ABCDE FGHI", "ABCDEFGHIJ", 10, 5},
        {"block missing", "END\r\nALIGN 1 HSP 2\r\n", false, "", "", "", 0, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.szWhat);
        TempFile index(c.sIndex);
        OsNoticeLogClear();
        LoadedHsp l(index.szPath, 1, 1);
        EXPECT_EQ(c.bLoaded, l.p != nullptr);
        EXPECT_TRUE(OsNoticeLog().empty());
        if (l.p == nullptr)
            continue;
        EXPECT_STREQ(c.szQuery, l.p->szQuery);
        EXPECT_STREQ(c.szComp, l.p->szComp);
        EXPECT_STREQ(c.szSubject, l.p->szSubject);
        EXPECT_EQ(c.q1, l.p->StopQuery);
        EXPECT_EQ(c.s0, l.p->StartSubject);
    }
}

/* The record, then three rows and six colour arrays. */
TEST(LitUnAlignHsp, MemoryFailureGivesNull)
{
    ReadReport r(Fixture("base.bla"));
    ASSERT_EQ(LB_OK, r.nResult);
    for (int n = 0; n < 10; n++) {
        OsNoticeLogClear();
        MyAllocFailAfter(n);
        LoadedHsp l(r.index.szPath, 1, 1);
        MyAllocFailAfter(-1);
        EXPECT_EQ(nullptr, l.p) << "allocation " << n;
        EXPECT_EQ(1u, OsNoticeLog().size()) << "allocation " << n;
    }
}

/* Per HSP of a report, the first and last numbers of its "Query:" and
   "Sbjct:" lines (query start, stop, subject start, stop), read by a
   scanner of its own, independent of the reader. */
std::vector<std::vector<unsigned>> PrintedHsps(const std::string &sText)
{
    std::vector<std::vector<unsigned>> v;
    size_t nList = sText.find("Sequences producing");
    std::istringstream in(sText.substr(nList, sText.find("Parameters:", nList) - nList));
    bool bInHit = false;
    for (std::string sLine; std::getline(in, sLine);) {
        unsigned a, b;
        char szSeg[200];
        if (!sLine.empty() && sLine[0] == '>')
            bInHit = true;
        else if (bInHit && sLine.compare(0, 7, " Score ") == 0)
            v.push_back(std::vector<unsigned>(4, 0));
        else if (!v.empty() &&
                 (sLine.compare(0, 6, "Query:") == 0 || sLine.compare(0, 6, "Sbjct:") == 0) &&
                 sscanf(sLine.c_str() + 6, "%u %199s %u", &a, szSeg, &b) == 3) {
            unsigned *p = &v.back()[sLine[0] == 'Q' ? 0 : 2];
            if (p[1] == 0)
                p[0] = a;
            p[1] = b;
        }
    }
    return v;
}

struct Expected {
    int nResult;
    unsigned nHits, nHsps;
    bool bResidues; /* false for reports made without sequences */
};

/* Verified by reading each file: ">" hit blocks after the hit list and
   " Score" lines in them, up to "Parameters:". */
const std::map<std::string, Expected> legacy = {
    /* file                                    result      hits HSPs residues */
    {"ncbi14_blastp_1.4.11_email.bla",        {LB_OK, 50, 212, true}},
    {"ncbi14_blastp_1.4.8_gcg.bla",           {LB_OK, 62, 234, true}},
    /* MEGABLAST: "Sequences producing" only after its last "Database:". */
    {"paracel_megablast_1.4.13.bla",          {LB_NOLIST, 0, 0, true}},
    {"wu20a19_blastn_biojava.bla",            {LB_OK, 4, 15, true}},
    {"wu20a19_blastn_bioperl_2.bla",          {LB_OK, 6, 8, true}},
    {"wu20a19_blastp_biojava.bla",            {LB_OK, 4, 4, true}},
    {"wu20a19_blastp_bioperl_2.bla",          {LB_OK, 12, 13, true}},
    {"wu20a19_blastp_bioperl_2_junkprefix.bla", {LB_OK, 12, 13, true}},
    {"wu20a19_blastp_bioperl_2a.bla",         {LB_OK, 217, 231, true}},
    {"wu20a19_blastp_bioperl_2b.bla",         {LB_OK, 107, 376, true}},
    {"wu20a19_blastx_biojava.bla",            {LB_OK, 4, 29, true}},
    {"wu20a19_tblastn_biojava.bla",           {LB_OK, 250, 1598, true}},
    {"wu20a19_tblastx_biojava.bla",           {LB_OK, 4, 59, true}},
    {"wu20mp_blastn_brassica_ATH.bla",        {LB_OK, 2, 5, true}},
    {"wu20mp_blastn_echofilter.bla",          {LB_OK, 1, 1, true}},
    {"wu20mp_blastp_contig-by-hand.bla",      {LB_OK, 1, 1, true}},
    {"wu20mp_blastp_contig-by-hand_crlf.bla", {LB_OK, 1, 1, true}},
    {"wu20mp_blastp_dcr1_sp.bla",             {LB_OK, 19, 108, true}},
    {"wu20mp_blastp_ecolitst.bla",            {LB_OK, 4, 5, true}},
    {"wu20mp_blastp_ecolitst_noseqs.bla",     {LB_OK, 3, 3, false}},
    /* Cut after the query header: no "Database:" line. */
    {"wu20mp_blastp_emblbork_truncated.bla",  {LB_NODATABASE, 0, 0, true}},
    /* 415 hits listed, no hit block. */
    {"wu20mp_blastp_no_hsps.bla",             {LB_ZERO, 0, 0, true}},
    {"wu20mp_blastp_test1.bla",               {LB_OK, 3, 3, true}},
    /* "Symbol: None" in the first hit line is not an empty list. */
    {"wu20mp_blastp_tricky.bla",              {LB_OK, 1, 7, false}},
    {"wu20mp_blastx_bug2942.bla",             {LB_OK, 1, 11, true}},
    {"wu20mp_blastx_dnaEbsub_ecoli.bla",      {LB_OK, 1, 1, true}},
    {"wu20mp_tblastn_dnaEbsub_ecoli.bla",     {LB_OK, 1, 1, true}},
    /* Cut inside the hit list header. */
    {"wu20mp_tblastn_emboss_truncated.bla",   {LB_ZERO, 0, 0, true}},
    {"wu20mp_tblastx_dnaEbsub_ecoli.bla",     {LB_OK, 2, 14, true}},
};

TEST(SharedReports, EveryLegacyReportReadsAndLoadsBack)
{
    std::vector<std::string> files = SharedReports(SharedBlast());
    if (files.empty())
        GTEST_SKIP() << "no shared test reports in " << SharedBlast();
    EXPECT_EQ(legacy.size(), files.size()) << "a report was added or removed";

    for (const std::string &sName : files) {
        SCOPED_TRACE(sName);
        auto it = legacy.find(sName);
        ASSERT_NE(legacy.end(), it) << "no expectation for this report";
        const Expected &e = it->second;
        std::string sPath = SharedBlast() + "/" + sName;
        EXPECT_EQ(TF_OK, TestFichier(sPath.c_str()));
        ReadReport r(sPath, true);
        ASSERT_EQ(e.nResult, r.nResult);
        EXPECT_EQ(e.nHits, r.pData->nAlign);
        EXPECT_EQ(e.nHsps, r.pData->nAlignTotal);
        EXPECT_EQ(e.nResult == LB_OK ? 0u : 1u, OsNoticeLog().size());
        if (e.nResult != LB_OK)
            continue;

        std::vector<std::vector<unsigned>> printed = PrintedHsps(ReadFile(sPath));
        ASSERT_EQ(e.nHsps, printed.size());
        FILE *f = fopen(r.index.szPath, "rb");
        ASSERT_NE(nullptr, f);
        for (unsigned h = 0, i = 0; h < r.pData->nAlign; h++) {
            for (unsigned k = 1; k <= r.Hit(h)->unHSP; k++, i++) {
                SCOPED_TRACE(testing::Message() << "hit " << h + 1 << " HSP " << k);
                LoadedHsp l(f, h + 1, k);
                ASSERT_NE(nullptr, l.p);
                size_t nCols = e.bResidues ? (size_t)l.p->tailleAlign : 0;
                for (const char *szRow : {l.p->szQuery, l.p->szComp, l.p->szSubject})
                    EXPECT_EQ(nCols, strlen(szRow));
                EXPECT_EQ(printed[i], (std::vector<unsigned>{l.p->StartQuery, l.p->StopQuery,
                                                             l.p->StartSubject, l.p->StopSubject}));
            }
        }
        fclose(f);
    }
}

} // namespace
