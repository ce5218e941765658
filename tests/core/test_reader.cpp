/* The report reader: acceptance test, line input, every result with its
   notice, the hit fields and the index file; variants of reader/base.bla. */
#include "test_reader_util.h"

#include <algorithm>
#include <filesystem>

#include "halyardrc.h"
#include "textline.h"

using namespace readertest;

namespace {

/* s with sFrom (which must be there) replaced, the first or all. */
std::string Replace(std::string s, const std::string &sFrom, const std::string &sTo, bool bAll = false)
{
    size_t n = s.find(sFrom);
    EXPECT_NE(std::string::npos, n) << "missing in fixture: " << sFrom;
    for (; n != std::string::npos; n = bAll ? s.find(sFrom, n + sTo.size()) : std::string::npos)
        s.replace(n, sFrom.size(), sTo);
    return s;
}

TEST(TestFichier, ResultFollowsTheFirstThousandBytes)
{
    std::string sPad(990, 'x');
    const struct { std::string sText; int nExpected; } cases[] = {
        {"BLASTP 2.0\nQuery=\n", TF_OK}, {"BLASTP 2.0\r\nQuery=\r\n", TF_OK}, {"blastp 2.0\n", TF_OK},
        {"BLASTP 2.0\rQuery=\r", TF_LONECR}, {"BLASTP\r\r\n", TF_LONECR},
        {"BLAST" + sPad + "yyyy\r", TF_LONECR},  /* the 1000th byte  */
        {"BLAST" + sPad + "yyyy\r\n", TF_LONECR}, /* CR LF across it */
        {"BLAST" + sPad + "yyyyy\r", TF_OK}, {"TFASTA 3.0\nQuery=\n", TF_NOBLAST},
        {sPad + "0123456789BLAST", TF_NOBLAST}, {"", TF_NOBLAST}};
    for (const auto &c : cases) {
        TempFile f(c.sText);
        EXPECT_EQ(c.nExpected, TestFichier(f.szPath)) << c.sText.substr(0, 12);
    }
    TempFile gone("", true);
    EXPECT_EQ(TF_NOOPEN, TestFichier(gone.szPath));
}

/* Pieces of at most 3 characters (MYFGETS): CR LF as "\n" (also across a
   piece's end), a lone CR ends its line as a blank, NUL bytes kept. Lines
   cut to 3 characters (LitLigneFichier), their rest skipped. */
TEST(LineInput, PiecesAndLinesOfTheBuffersSize)
{
    const struct { std::string sText; std::vector<std::string> pieces, lines; } cases[] = {
        {"ab\r\ncd\nef", {"ab\n", "cd\n", "ef"}, {"ab", "cd", "ef"}},
        {"abc\r\nd\r\n", {"abc", "\n", "d\n"}, {"abc", "d"}},
        {"a\rbc\r", {"a ", "bc "}, {"a", "bc"}},
        {"ab\rcd", {"ab ", "cd"}, {"ab", "cd"}},
        {"\r\r\n\r", {" ", "\n", " "}, {"", "", ""}},
        {"abcdef\r\n\nlast", {"abc", "def", "\n", "\n", "las", "t"}, {"abc", "", "las"}},
        {std::string("a\0b\nc\0\n", 7), {std::string("a\0b", 3), "\n", std::string("c\0\n", 3)}, {"a", "c"}},
        {std::string("\0a\na\0\rb", 7), {std::string("\0a\n", 3), std::string("a\0 ", 3), "b"}, {"", "a", "b"}},
        {"", {}, {}},
    };
    for (const auto &c : cases) {
        TempFile f(c.sText);
        FILE *p = fopen(f.szPath, "rb");
        std::vector<std::string> got, lines;
        char buf[4];
        for (size_t i = 0; MYFGETS(p, sizeof buf, buf) != NULL; i++)
            got.push_back(std::string(buf, i < c.pieces.size() ? c.pieces[i].size() + 1 : 4));
        rewind(p);
        for (std::vector<char> v(4, 'x'); LitLigneFichier(p, v.data(), 4); std::fill(v.begin(), v.end(), 'x'))
            lines.push_back(v.data());
        fclose(p);
        std::vector<std::string> want;
        for (const std::string &s : c.pieces)
            want.push_back(s + '\0');
        EXPECT_EQ(std::make_pair(want, c.lines), std::make_pair(got, lines)) << c.sText;
    }
    TempFile f("abc\nd\ne\n");
    FILE *p = fopen(f.szPath, "rb");
    char buf[4];
    EXPECT_TRUE(MYFGETS(p, 1, buf) == NULL && MYFGETS(NULL, 4, buf) == NULL && MYFGETS(p, 4, NULL) == NULL); /* nothing to read into */
    EXPECT_STREQ("a", MYFGETS(p, 2, buf)); /* room for one */
    std::vector<char> one(1, 'x');
    EXPECT_TRUE(LitLigneFichier(p, one.data(), 1) && one[0] == '\0');
    one[0] = 'x';
    EXPECT_TRUE(LitLigneFichier(p, one.data(), 0) && one[0] == 'x');
    fclose(p);
}

TEST(LitBlastForListBox, ReadsTheFixture)
{
    std::string sBase = Fixture("base.bla");
    ReadReport r(sBase);
    ASSERT_EQ(LB_OK, r.nResult);
    const DataBlastFile &fb = r.pData->FichierBlast;
    EXPECT_EQ((std::vector<std::string>{"(1234 lettres)", "FIXTURE.AA 3 sequences; 1,500 total letters.\n"}),
              (std::vector<std::string>{fb.szQuerySeqInfo, fb.szDataBankInfo}));
    const std::vector<std::string> hits[] = { /* number, identifier, description, score, P, length, N, HSPs */
        {"1", "SP|P00001|FIRST", "FIRST HIT OF THE FIXTURE, THREE HSPS CONTINUED DESCRIPTION LINE ", "300", "1.0E-30", "14819", "", "3 12"},
        {"2", "SP|P00002|SECOND", "SECOND HIT OF THE FIXTURE ", "100", "2.0E-05", "250", "", "1 4"}};
    for (unsigned i = 0; i < 2; i++) {
        pDataHSP p = r.Hit(i);
        EXPECT_EQ(hits[i], (std::vector<std::string>{std::to_string(p->numero), p->szAccessNb, p->szAccessName,
                                                     p->szHighScore, p->szProb, p->szLength, p->szN,
                                                     std::to_string(p->unHSP) + " " + std::to_string(MySize(p->nHSPselected))}));
    }
    const OsProgressRecord &prog = OsProgressState();
    const int nOpened = prog.nOpened;
    EXPECT_EQ("0 Number of entries: 2 Data aquisition: 2 2",
              std::to_string(prog.bOpen) + " " + prog.szPass + " " + prog.szCount + " " + prog.szAcquire + " " +
                  std::to_string(prog.nMax) + " " + std::to_string(prog.nPos));

    /* The index file: CR LF text, a block per HSP; report line ends change nothing. */
    std::string s = ReadFile(r.index.szPath);
    EXPECT_EQ(std::string::npos, Replace(s, "\r\n", "", true).find_first_of("\r\n"));
    EXPECT_EQ(0u, s.find("END\r\nALIGN 1 HSP 1\r\n SCORE = 300 (110.2 BITS)"));
    for (const char *szEnd : {"\r\n", "\r"}) {
        ReadReport other(Replace(sBase, "\n", szEnd, true));
        std::string o = ReadFile(other.index.szPath); /* a lone CR ends its line as a blank */
        EXPECT_EQ(s, szEnd[1] ? o : Replace(o, " \r\n", "\r\n", true)) << (szEnd[1] ? "CR LF" : "CR");
        EXPECT_STREQ(r.Hit(0)->szAccessName, other.Hit(0)->szAccessName);
    }
    EXPECT_EQ(nOpened + 2, OsProgressState().nOpened) << "one progress box a read";
}

TEST(LitBlastForListBox, EveryResultWithItsNoticeAndWhatSurvives)
{
    std::string b = Fixture("base.bla");
    auto Query = [&](const char *szLines) { return b.substr(0, b.find("Query=")) + szLines + "\n" + b.substr(b.find("Database:")); };
    const struct { std::string sReport; int nResult; std::vector<unsigned> notices; unsigned nAlign, nAlignTotal; bool bIndex; const char *szQuery = NULL; } cases[] = {
        /* report, result, notices, hits, HSPs, index file kept, query name and length read */
        {b, LB_OK, {}, 2, 4, true, "ABC1_TEST 1234"},
        {Query("Query=  abc1_test description\n        (820 letters)\n"), LB_OK, {}, 2, 4, true, "ABC1_TEST 820"},
        {Query("Query=  q1 (AE000111) on the same line (33 letters)\n\n"), LB_OK, {}, 2, 4, true, "Q1 33"},
        {Query("Query=  \tq4\tx\n        (5 letters)\n"), LB_OK, {}, 2, 4, true, " 5"},
        {Query("Query=  q5\xe9z\n        (99999999999 letters)\n"), LB_OK, {}, 2, 4, true, "Q5 2147483647"},
        {Replace(b, "Query=", "Quarry="), LB_NOQUERY, {IDS_NOTBLAST}, 0, 0, false},
        {Replace(b, "Database:", "Datenbank:", true), LB_NODATABASE, {IDS_BADFORMAT}, 0, 0, false},
        {Replace(b, "Sequences producing", "Sequences making"), LB_NOLIST, {IDS_BADFORMAT}, 0, 0, false},
        {b.substr(0, b.find("sp|P00001|FIRST first")) + "\n      ***** NONE *****\n", LB_NONE, {IDS_NOHSPNONE}, 0, 0, false},
        {b.substr(0, b.find(">sp|P00001")), LB_ZERO, {IDS_NOHSPZERO}, 0, 0, false},
        {Replace(Replace(b, "(1,234 letters)", "1,234 letters"), "(2Fe-2S)", "2Fe-2S"), LB_BADFORMAT, {IDS_BADFORMAT}, 0, 0, false},
        /* a hit's first score line with two "=" */
        {Replace(b, "Expect = 2.0e-05, P = 2.0e-05", "Expect = 2.0e-05"), LB_BADFORMAT, {IDS_BADFORMAT}, 2, 3, false},
        {b.substr(0, b.find("Parameters:")), LB_INCOMPLETE, {IDS_INCOMPLETE}, 1, 3, true},
        {b.substr(0, b.find(" Identities = 8/8")), LB_INCOMPLETE, {}, 2, 3, true},
        {b.substr(0, b.find("             KLMNPQRS")), LB_INCOMPLETE, {}, 2, 4, true},
        {b.substr(0, b.find(">sp|P00001")) + ">\n", LB_INCOMPLETE, {IDS_INCOMPLETE}, 0, 0, true},
        {"Sequences producing, said the mail.\n" + b, LB_OK, {}, 2, 4, true},
        /* "Score" beyond the line's first 9 characters: no HSP */
        {Replace(b, " Score = 100 (40.0 bits)", "     Score = 100 (40.0 bits)"), LB_OK, {}, 2, 3, true},
        /* stray lines: ">" lines the first pass did not count or counts alone, query lines before a score */
        {Replace(b, "Score  P(N)      N\n\n", "Score  P(N)      N\n>AB\n"), LB_OK, {}, 2, 4, true},
        {Replace(b, "\n\n\n>sp|P00001", "\n\n123456789>\n>sp|P00001"), LB_OK, {}, 2, 4, true},
        {Replace(b, "        Length = 250\n", "        Length = 250\nQuery:     1 STRAY 5\n       STRAY\nSbjct:     1 STRAY 5\n"),
         LB_OK, {}, 2, 4, true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.sReport.substr(c.sReport.size() - 30));
        OsProgressFailOpen(&c == &cases[0]); /* the reader runs without its progress box */
        ReadReport r(c.sReport);
        OsProgressFailOpen(false);
        EXPECT_EQ(c.nResult, r.nResult);
        EXPECT_EQ(c.notices, NoticeIds());
        for (const OsNoticeRecord &n : OsNoticeLog())
            EXPECT_EQ((unsigned)IDS_HALYARD, n.idCaption);
        unsigned nSum = 0;
        for (unsigned i = 0; i < r.pData->nHSP; i++)
            nSum += r.Hit(i)->unHSP;
        EXPECT_EQ((std::vector<unsigned>{c.nAlign, c.nAlign, c.nAlignTotal, c.bIndex}),
                  (std::vector<unsigned>{r.pData->nAlign, r.pData->nHSP, r.pData->nAlignTotal, std::filesystem::exists(r.index.szPath)}));
        EXPECT_TRUE(nSum == c.nAlignTotal || (c.nResult != LB_OK && c.notices.empty())) << "HSPs of the hits kept";
        if (c.nResult == LB_OK && c.nAlign == 2) {
            EXPECT_STREQ("SP|P00002|SECOND", r.Hit(1)->szAccessNb);
            EXPECT_EQ(std::string::npos, ReadFile(r.index.szPath).find("STRAY"));
        }
        EXPECT_FALSE(OsProgressState().bOpen);
        if (c.szQuery != NULL) {
            EXPECT_EQ(c.szQuery, r.pData->FichierBlast.szQuerySeqName + (" " + std::to_string(r.pData->FichierBlast.TailleQuery)));
        }
    }

    TempFile gone("", true);
    ReadReport r(gone.szPath, true);
    EXPECT_EQ(std::make_pair(LB_NOOPEN, std::vector<unsigned>{IDS_NOOPENBLAST}), std::make_pair(r.nResult, NoticeIds()));
    /* No index folder, then each allocation failing: no table, no index file, only the memory notice. */
    for (int n = -1; n < 5; n++) {
        ReadReport ok(b);
        strcat(ok.pData->szFileSortie, n < 0 ? ".missing/x.tmp" : "");
        MyAllocFailAfter(n);
        FreeHspData(ok.pData);
        OsNoticeLogClear();
        EXPECT_EQ(n < 0 ? LB_NOTEMP : LB_NOMEMORY, LitBlastForListBox(NULL, ok.pData)) << n;
        MyAllocFailAfter(-1);
        EXPECT_EQ(std::vector<unsigned>{n < 0 ? IDS_NOOPENTEMP : 0u}, NoticeIds());
        EXPECT_EQ(std::make_tuple(0u, 0u, (pDataHSP *)NULL, false),
                  std::make_tuple(ok.pData->nHSP, ok.pData->nAlignTotal, n < 0 ? NULL : ok.pData->pHSPResultat, n >= 0 && std::filesystem::exists(ok.index.szPath)));
    }
}

/* A ">" line of 150 arrives in two pieces, the second appended like a
   continuation; long tokens are cut; continuations go in while the
   description stays below 500 (62 would make 500 exactly). */
TEST(LitBlastForListBox, LongLinesAndTokensAreCut)
{
    std::string sId = ">sp|P00001|FIRST ", sDesc, sCont;
    while (sId.size() + sDesc.size() < 150)
        sDesc += (char)('A' + sDesc.size() % 26);
    std::string b = Replace(Fixture("base.bla"), ">sp|P00001|FIRST first hit of the fixture, three HSPs", sId + sDesc);
    b = Replace(b, " Score = 300 (110.2 bits), Expect = 1.0e-30, P = 1.0e-30",
                " Score = 123456789012 (110.2 bits), Expect = 1.0e-30, P = 1.234567890123e-300");
    b = Replace(Replace(b, ">sp|P00002|SECOND", ">" + std::string(120, 'A')), "Length = 250", "Length = 1234567");
    ReadReport r(b);
    ASSERT_EQ(LB_OK, r.nResult);
    EXPECT_EQ((std::vector<std::string>{"SP|P00001|FIRST", sDesc.substr(0, 81) + " " + sDesc.substr(82) + " CONTINUED DESCRIPTION LINE ",
                                        "1234567", "1.2345678", std::string(97, 'A'), "12345"}),
              (std::vector<std::string>{r.Hit(0)->szAccessNb, r.Hit(0)->szAccessName, r.Hit(0)->szHighScore,
                                        r.Hit(0)->szProb, r.Hit(1)->szAccessNb, r.Hit(1)->szLength}));

    for (int i = 0; i < 6; i++)
        sCont += "    " + std::string(79, 'd') + "\n";
    sCont += "    " + std::string(62, 'x') + "\n    " + std::string(56, 'z') + "\n    yyyy\n";
    ReadReport d(Replace(Fixture("base.bla"), "            continued description line\n", sCont));
    std::string sWant = "FIRST HIT OF THE FIXTURE, THREE HSPS ";
    for (int i = 0; i < 5; i++)
        sWant += std::string(79, 'D') + " ";
    EXPECT_EQ(sWant + std::string(56, 'Z') + " YYYY ", d.Hit(0)->szAccessName);
}

} // namespace
