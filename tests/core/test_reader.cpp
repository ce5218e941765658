/* The report reader: the acceptance test, line input, every result of the
   two passes with its notice and what survives, the hit fields and the
   HSP index file. Reports are tests/data/reader/base.bla and variants of
   it made here. */
#include "test_reader_util.h"

#include "halyardrc.h"

using namespace readertest;

namespace {

/* s with sFrom (which must be there) replaced: the first one, or all. */
std::string Replace(std::string s, const std::string &sFrom, const std::string &sTo,
                    bool bAll = false)
{
    size_t n = s.find(sFrom);
    EXPECT_NE(std::string::npos, n) << "missing in fixture: " << sFrom;
    for (; n != std::string::npos; n = bAll ? s.find(sFrom, n + sTo.size()) : std::string::npos)
        s.replace(n, sFrom.size(), sTo);
    return s;
}

/* The text up to (not including) sMark. */
std::string CutBefore(const std::string &s, const std::string &sMark)
{
    size_t n = s.find(sMark);
    EXPECT_NE(std::string::npos, n) << "missing in fixture: " << sMark;
    return s.substr(0, n);
}

TEST(TestFichier, ResultFollowsTheFirstThousandBytes)
{
    std::string sPad(990, 'x');
    const struct {
        const char *szWhat;
        std::string sText;
        int nExpected;
    } cases[] = {
        /* what                        text                              result */
        {"LF report", "BLASTP 2.0\nQuery=\n", TF_OK},
        {"CR LF report", "BLASTP 2.0\r\nQuery=\r\n", TF_OK},
        {"lower-case blast", "blastp 2.0\n", TF_OK},
        {"Macintosh line ends", "BLASTP 2.0\rQuery=\r", TF_LONECR},
        {"CR CR LF", "BLASTP\r\r\n", TF_LONECR},
        {"CR as the 1000th byte", "BLAST" + sPad + "yyyy\r", TF_LONECR},
        {"CR LF across byte 1000", "BLAST" + sPad + "yyyy\r\n", TF_LONECR},
        {"CR after byte 1000", "BLAST" + sPad + "yyyyy\r", TF_OK},
        {"no BLAST", "TFASTA 3.0\nQuery=\n", TF_NOBLAST},
        {"BLAST after byte 1000", sPad + "0123456789BLAST", TF_NOBLAST},
        {"empty file", "", TF_NOBLAST},
    };
    for (const auto &c : cases) {
        TempFile f(c.sText);
        EXPECT_EQ(c.nExpected, TestFichier(f.szPath)) << c.szWhat;
    }
    TempFile gone("", true);
    EXPECT_EQ(TF_NOOPEN, TestFichier(gone.szPath));
}

/* The line rules written plainly: what a Windows text-mode stream gives
   (CR LF as one "\n"), cut into pieces of at most nSize-1 characters, a
   lone CR ending its line as a blank. */
std::vector<std::string> ModelLines(const std::string &s, int nSize)
{
    std::vector<std::string> v;
    for (size_t i = 0; i < s.size();) {
        std::string line;
        while (i < s.size() && (int)line.size() < nSize - 1) {
            char c = s[i++];
            if (c == '\r') {
                bool bCrLf = i < s.size() && s[i] == '\n';
                i += bCrLf;
                line += bCrLf ? '\n' : ' ';
                break;
            }
            line += c;
            if (c == '\n')
                break;
        }
        v.push_back(line);
    }
    return v;
}

/* Named cases (CR LF, lone CR, CR CR LF, no final newline, CR LF after a
   full piece, empty file), then random texts of CR, LF, NUL and letters:
   every buffer size gives the model's lines, each followed by its NUL. */
TEST(MYFGETS, AgreesWithThePlainRules)
{
    std::vector<std::string> texts = {"ab\r\ncd\r\n", "ab\rcd\n", "ab\r", "a\r\r\n",
                                      "ab\ncd",       "abcdefg\n", "abc\r\nd", ""};
    static const char alphabet[] = {'\r', '\n', '\0', 'a', 'b', ' '};
    unsigned nSeed = 12345;
    for (int nCase = 0; nCase < 300; nCase++) {
        std::string s;
        for (int i = 0; i < nCase % 40; i++) {
            nSeed = nSeed * 1103515245u + 12345u;
            s += alphabet[(nSeed >> 16) % sizeof alphabet];
        }
        texts.push_back(s);
    }
    for (size_t nText = 0; nText < texts.size(); nText++) {
        TempFile f(texts[nText]);
        for (int nSize : {2, 3, 4, 5, 100}) {
            SCOPED_TRACE(testing::Message() << "text " << nText << " size " << nSize);
            FILE *p = fopen(f.szPath, "rb");
            ASSERT_NE(nullptr, p);
            char buf[100];
            std::vector<std::string> got;
            while (MYFGETS(p, nSize, buf) != NULL)
                got.push_back(std::string(buf, buf + nSize));
            fclose(p);
            std::vector<std::string> want = ModelLines(texts[nText], nSize);
            ASSERT_EQ(want.size(), got.size());
            for (size_t i = 0; i < want.size(); i++)
                EXPECT_EQ(want[i] + '\0', got[i].substr(0, want[i].size() + 1)) << "line " << i;
        }
    }
}

TEST(LitBlastForListBox, ReadsTheFixture)
{
    std::string sBase = Fixture("base.bla");
    ASSERT_FALSE(sBase.empty()) << "fixture base.bla missing";
    ReadReport r(sBase);
    ASSERT_EQ(LB_OK, r.nResult);
    EXPECT_TRUE(NoticeIds().empty());

    const DataBlastFile &fb = r.pData->FichierBlast;
    EXPECT_STREQ("ABC1_TEST", fb.szQuerySeqName);
    EXPECT_EQ(1234, fb.TailleQuery);
    EXPECT_STREQ("(1234 lettres)", fb.szQuerySeqInfo);
    EXPECT_STREQ("FIXTURE.AA 3 sequences; 1,500 total letters.\n", fb.szDataBankInfo);
    ASSERT_EQ(2u, r.pData->nAlign);
    EXPECT_EQ(2u, r.pData->nHSP);
    EXPECT_EQ(4u, r.pData->nAlignTotal);

    const struct {
        const char *szNb, *szName, *szScore, *szProb, *szLength;
        unsigned unHSP;
    } hits[] = {
        {"SP|P00001|FIRST", "FIRST HIT OF THE FIXTURE, THREE HSPS CONTINUED DESCRIPTION LINE ",
         "300", "1.0E-30", "14819", 3},
        {"SP|P00002|SECOND", "SECOND HIT OF THE FIXTURE ", "100", "2.0E-05", "250", 1},
    };
    for (unsigned i = 0; i < 2; i++) {
        pDataHSP p = r.Hit(i);
        EXPECT_EQ(i + 1, p->numero);
        EXPECT_STREQ(hits[i].szNb, p->szAccessNb);
        EXPECT_STREQ(hits[i].szName, p->szAccessName);
        EXPECT_STREQ(hits[i].szScore, p->szHighScore);
        EXPECT_STREQ(hits[i].szProb, p->szProb);
        EXPECT_STREQ(hits[i].szLength, p->szLength) << "commas dropped, cut to 5";
        EXPECT_STREQ("", p->szN);
        EXPECT_EQ(hits[i].unHSP, p->unHSP);
        EXPECT_EQ(hits[i].unHSP * sizeof(int), MySize(p->nHSPselected));
    }

    const OsProgressRecord &prog = OsProgressState();
    EXPECT_FALSE(prog.bOpen);
    EXPECT_EQ("Number of entries:", prog.szPass);
    EXPECT_EQ("2", prog.szCount);
    EXPECT_EQ("Data aquisition:", prog.szAcquire);
    EXPECT_EQ(2, prog.nMax);
    EXPECT_EQ(2, prog.nPos);
}

TEST(LitBlastForListBox, IndexFileIsCrLfTextWithOneBlockPerHsp)
{
    ReadReport r(Fixture("base.bla"));
    ASSERT_EQ(LB_OK, r.nResult);
    std::string s = ReadFile(r.index.szPath);
    for (size_t i = 0; i < s.size(); i++) {
        bool bLf = s[i] == '\n', bCr = s[i] == '\r';
        ASSERT_FALSE(bLf && (i == 0 || s[i - 1] != '\r')) << "bare LF at byte " << i;
        ASSERT_FALSE(bCr && (i + 1 == s.size() || s[i + 1] != '\n')) << "lone CR at byte " << i;
    }
    std::string sStart = "END\r\nALIGN 1 HSP 1\r\n"
                         " SCORE = 300 (110.2 BITS), EXPECT = 1.0E-30, P = 1.0E-30\r\n"
                         " IDENTITIES = 137/137 (100%), POSITIVES = 137/137 (100%)\r\n"
                         "QUERY:     1 MKENDLAMF";
    EXPECT_EQ(sStart, s.substr(0, sStart.size()));
    std::vector<std::string> tags;
    for (size_t n = s.find("ALIGN"); n != std::string::npos; n = s.find("ALIGN", n + 1))
        tags.push_back(s.substr(n, s.find('\r', n) - n));
    EXPECT_EQ((std::vector<std::string>{"ALIGN 1 HSP 1", "ALIGN 1 HSP 2", "ALIGN 1 HSP 3",
                                        "ALIGN 2 HSP 1"}),
              tags);
    /* No "END" after the last block. */
    EXPECT_EQ("SBJCT:    20 KLMNPQRS 27\r\n", s.substr(s.size() - 26));
}

/* The same report with CR LF or lone CR line ends gives the same document
   and the same HSPs as with LF. */
TEST(LitBlastForListBox, LineEndsDoNotChangeTheDocument)
{
    std::string sBase = Fixture("base.bla");
    ReadReport lf(sBase);
    ASSERT_EQ(LB_OK, lf.nResult);
    for (const char *szEnd : {"\r\n", "\r"}) {
        SCOPED_TRACE(szEnd[1] ? "CR LF" : "CR");
        ReadReport other(Replace(sBase, "\n", szEnd, true));
        ASSERT_EQ(LB_OK, other.nResult);
        EXPECT_EQ(lf.pData->FichierBlast.TailleQuery, other.pData->FichierBlast.TailleQuery);
        ASSERT_EQ(lf.pData->nAlign, other.pData->nAlign);
        EXPECT_EQ(lf.pData->nAlignTotal, other.pData->nAlignTotal);
        for (unsigned i = 0; i < lf.pData->nAlign; i++) {
            EXPECT_STREQ(lf.Hit(i)->szAccessName, other.Hit(i)->szAccessName);
            EXPECT_STREQ(lf.Hit(i)->szLength, other.Hit(i)->szLength);
            for (unsigned k = 1; k <= lf.Hit(i)->unHSP; k++) {
                LoadedHsp a(lf.index.szPath, i + 1, k), b(other.index.szPath, i + 1, k);
                ASSERT_TRUE(a.p != nullptr && b.p != nullptr);
                EXPECT_STREQ(a.p->szQuery, b.p->szQuery);
                EXPECT_STREQ(a.p->szComp, b.p->szComp);
                EXPECT_STREQ(a.p->szSubject, b.p->szSubject);
                EXPECT_EQ(a.p->StopSubject, b.p->StopSubject);
            }
        }
    }
}

TEST(LitBlastForListBox, EveryResultWithItsNoticeAndWhatSurvives)
{
    std::string b = Fixture("base.bla");
    const struct {
        const char *szWhat;
        std::string sReport;
        int nResult;
        std::vector<unsigned> notices;
        unsigned nAlign, nAlignTotal;
        bool bIndex;
    } cases[] = {
        /* what, report, result, notices, hits, HSPs, index file kept */
        {"complete", b, LB_OK, {}, 2, 4, true},
        {"no Query=", Replace(b, "Query=", "Quarry="), LB_NOQUERY, {IDS_NOTBLAST}, 0, 0, false},
        {"no Database:", Replace(b, "Database:", "Datenbank:", true), LB_NODATABASE,
         {IDS_BADFORMAT}, 0, 0, false},
        {"no hit list", Replace(b, "Sequences producing", "Sequences making"), LB_NOLIST,
         {IDS_BADFORMAT}, 0, 0, false},
        {"hit list NONE", CutBefore(b, "sp|P00001|FIRST first") + "\n      ***** NONE *****\n",
         LB_NONE, {IDS_NOHSPNONE}, 0, 0, false},
        {"no > line", CutBefore(b, ">sp|P00001"), LB_ZERO, {IDS_NOHSPZERO}, 0, 0, false},
        {"no query length",
         Replace(Replace(b, "(1,234 letters)", "1,234 letters"), "(2Fe-2S)", "2Fe-2S"),
         LB_BADFORMAT, {IDS_BADFORMAT}, 0, 0, false},
        {"first score line with two =",
         Replace(b, "Expect = 2.0e-05, P = 2.0e-05", "Expect = 2.0e-05"), LB_BADFORMAT,
         {IDS_BADFORMAT}, 2, 3, false},
        {"ends after a triple", CutBefore(b, "Parameters:"), LB_INCOMPLETE, {IDS_INCOMPLETE}, 1,
         3, true},
        {"ends right after a score line", CutBefore(b, " Identities = 8/8"), LB_INCOMPLETE, {}, 2,
         3, true},
        {"ends after a query line", CutBefore(b, "             KLMNPQRS"), LB_INCOMPLETE, {}, 2,
         4, true},
        {"ends before the first hit block", CutBefore(b, ">sp|P00001") + ">\n", LB_INCOMPLETE,
         {IDS_INCOMPLETE}, 0, 0, true},
        {"hit list words before the query", "Sequences producing, said the mail.\n" + b, LB_OK,
         {}, 2, 4, true},
        {"Parameters: before the hits",
         Replace(b, "\n\n\n>sp|P00001", "\nParameters:\n\n>sp|P00001"), LB_OK, {}, 0, 0, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.szWhat);
        ReadReport r(c.sReport);
        EXPECT_EQ(c.nResult, r.nResult);
        EXPECT_EQ(c.notices, NoticeIds());
        for (const OsNoticeRecord &n : OsNoticeLog())
            EXPECT_EQ((unsigned)IDS_HALYARD, n.idCaption);
        EXPECT_EQ(c.nAlign, r.pData->nAlign);
        EXPECT_EQ(c.nAlign, r.pData->nHSP);
        EXPECT_EQ(c.nAlignTotal, r.pData->nAlignTotal);
        EXPECT_EQ(c.bIndex, FileExists(r.index.szPath));
        unsigned nSum = 0;
        for (unsigned i = 0; i < r.pData->nHSP; i++)
            nSum += r.Hit(i)->unHSP;
        if (c.nResult == LB_OK || c.notices.size() > 0) {
            EXPECT_EQ(c.nAlignTotal, nSum) << "total HSPs against the hits kept";
        }
        EXPECT_FALSE(OsProgressState().bOpen);
    }
}

TEST(LitBlastForListBox, FilesThatCannotBeOpened)
{
    TempFile gone("", true);
    ReadReport r(gone.szPath, true);
    EXPECT_EQ(LB_NOOPEN, r.nResult);
    EXPECT_EQ(std::vector<unsigned>{IDS_NOOPENBLAST}, NoticeIds());
    EXPECT_EQ(nullptr, r.pData->pHSPResultat);

    /* An index file in a folder that does not exist: the records of the
       table must not leak. */
    TempFile report(Fixture("base.bla"));
    OsNoticeLogClear();
    pDataGeneralPrg pData = InitDataProgram();
    ASSERT_NE(nullptr, pData);
    snprintf(pData->szFilePath, sizeof pData->szFilePath, "%s", report.szPath);
    std::string sBad = std::string(report.szPath) + ".missing/dir/x.tmp";
    ASSERT_LT(sBad.size(), sizeof pData->szFileSortie);
    strcpy(pData->szFileSortie, sBad.c_str());
    EXPECT_EQ(LB_NOTEMP, LitBlastForListBox(NULL, pData));
    EXPECT_EQ(std::vector<unsigned>{IDS_NOOPENTEMP}, NoticeIds());
    EXPECT_EQ(0u, pData->nHSP);
    FreeDataProgram(pData);
}

/* Memory running out at any allocation of the read (the table, two
   records, two selection arrays): the table released, no index file, no
   notice beyond the memory service's. */
TEST(LitBlastForListBox, MemoryFailureAtEveryAllocation)
{
    std::string sBase = Fixture("base.bla");
    for (int n = 0; n < 5; n++) {
        SCOPED_TRACE(n);
        TempFile report(sBase), index;
        pDataGeneralPrg pData = InitDataProgram();
        ASSERT_NE(nullptr, pData);
        strcpy(pData->szFilePath, report.szPath);
        strcpy(pData->szFileSortie, index.szPath);
        OsNoticeLogClear();
        MyAllocFailAfter(n);
        EXPECT_EQ(LB_NOMEMORY, LitBlastForListBox(NULL, pData));
        MyAllocFailAfter(-1);
        EXPECT_EQ(nullptr, pData->pHSPResultat);
        EXPECT_EQ(0u, pData->nAlign + pData->nAlignTotal);
        EXPECT_FALSE(FileExists(index.szPath));
        ASSERT_EQ(1u, OsNoticeLog().size());
        EXPECT_EQ(OS_NOTICE_MEMORY, OsNoticeLog()[0].nKind);
        FreeDataProgram(pData);
    }
}

TEST(LitBlastForListBox, RunsWithoutTheProgressBox)
{
    OsProgressFailOpen(true);
    ReadReport r(Fixture("base.bla"));
    OsProgressFailOpen(false);
    EXPECT_EQ(LB_OK, r.nResult);
    EXPECT_EQ(2u, r.pData->nAlign);
}

TEST(LitBlastForListBox, QueryNameAndLength)
{
    std::string b = Fixture("base.bla");
    const struct {
        const char *szQueryLines; /* in place of the three query lines */
        const char *szName;
        int nLength;
    } cases[] = {
        {"Query=  abc1_test description\n        (820 letters)\n", "ABC1_TEST", 820},
        {"Query=  q1 (AE000111) on the same line (33 letters)\n\n", "Q1", 33},
        {"Query=  q2 desc (AE000111)\n    more (2Fe-2S)\n        (601 letters; record 1)\n",
         "Q2", 601},
        {"Query=  q3\n    a\n    b\n        (14,601 letters)\n", "Q3", 14601},
        {"Query=  \tq4\tx\n        (5 letters)\n", "", 5},
        {"Query=  q5\xe9z\n        (99999999999 letters)\n", "Q5", 2147483647},
    };
    size_t nFrom = b.find("Query="), nTo = b.find("Database:");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.szQueryLines);
        ReadReport r(b.substr(0, nFrom) + c.szQueryLines + "\n" + b.substr(nTo));
        EXPECT_EQ(LB_OK, r.nResult);
        EXPECT_STREQ(c.szName, r.pData->FichierBlast.szQuerySeqName);
        EXPECT_EQ(c.nLength, r.pData->FichierBlast.TailleQuery);
    }
}

/* Lines arrive in pieces of 99 characters whose last turns blank. A ">"
   line of 150: the first piece gives the identifier and the start of the
   description, the second is appended like a continuation line. Tokens
   too long for their fields are cut. */
TEST(LitBlastForListBox, LongLinesAndTokensAreCut)
{
    std::string sId = ">sp|P00001|FIRST ", sDesc, sUpper;
    while (sId.size() + sDesc.size() < 150)
        sDesc += (char)('a' + sDesc.size() % 26);
    for (char c : sDesc)
        sUpper += (char)toupper((unsigned char)c);
    std::string b = Fixture("base.bla");
    b = Replace(b, ">sp|P00001|FIRST first hit of the fixture, three HSPs", sId + sDesc);
    b = Replace(b, " Score = 300 (110.2 bits), Expect = 1.0e-30, P = 1.0e-30",
                " Score = 123456789012 (110.2 bits), Expect = 1.0e-30, P = 1.234567890123e-300");
    b = Replace(b, ">sp|P00002|SECOND", ">" + std::string(120, 'A'));
    b = Replace(b, "Length = 250", "Length = 1234567");
    ReadReport r(b);
    ASSERT_EQ(LB_OK, r.nResult);
    EXPECT_STREQ("SP|P00001|FIRST", r.Hit(0)->szAccessNb);
    EXPECT_EQ(sUpper.substr(0, 99 - sId.size() - 1) + " " + sUpper.substr(99 - sId.size()) +
                  " CONTINUED DESCRIPTION LINE ",
              r.Hit(0)->szAccessName);
    EXPECT_STREQ("1234567", r.Hit(0)->szHighScore);
    EXPECT_STREQ("1.2345678", r.Hit(0)->szProb);
    EXPECT_EQ(std::string(97, 'A'), r.Hit(1)->szAccessNb);
    EXPECT_STREQ("12345", r.Hit(1)->szLength);
}

/* Continuation lines are appended while the description stays below 500
   characters; a line that would reach 500 is dropped, a shorter one after
   it may still go in. */
TEST(LitBlastForListBox, DescriptionStaysBelow500Characters)
{
    /* The ">" line gives 37 characters, each continuation its text and a
       blank: five of 79 fit (437), the sixth not (517), 62 would make
       exactly 500, then 56 (494) and 4 (499) go in. */
    std::string sCont, sExpected = "FIRST HIT OF THE FIXTURE, THREE HSPS ";
    for (int i = 0; i < 6; i++)
        sCont += "    " + std::string(79, 'd') + "\n";
    sCont += "    " + std::string(62, 'x') + "\n    " + std::string(56, 'z') + "\n    yyyy\n";
    for (int i = 0; i < 5; i++)
        sExpected += std::string(79, 'D') + " ";
    sExpected += std::string(56, 'Z') + " YYYY ";
    ReadReport r(Replace(Fixture("base.bla"), "            continued description line\n", sCont));
    ASSERT_EQ(LB_OK, r.nResult);
    EXPECT_EQ(sExpected, r.Hit(0)->szAccessName);
}

/* A ">" line the first pass did not count (in the lines it skips before
   the first hit line) has no record and is ignored; one at the 10th
   character is counted by the first pass only: the extra record is
   released, the counts stay those of the hits read. */
TEST(LitBlastForListBox, UncountedHitLineIsIgnored)
{
    ReadReport r(Replace(Fixture("base.bla"), "Score  P(N)      N\n\n", "Score  P(N)      N\n>AB\n"));
    ASSERT_EQ(LB_OK, r.nResult);
    ASSERT_EQ(2u, r.pData->nAlign);
    EXPECT_STREQ("SP|P00001|FIRST", r.Hit(0)->szAccessNb);
    EXPECT_STREQ("SP|P00002|SECOND", r.Hit(1)->szAccessNb);

    ReadReport r2(Replace(Fixture("base.bla"), "\n\n\n>sp|P00001", "\n\n123456789>\n>sp|P00001"));
    ASSERT_EQ(LB_OK, r2.nResult);
    EXPECT_EQ(2u, r2.pData->nAlign);
    EXPECT_EQ(4u, r2.pData->nAlignTotal);
}

/* Query lines before a hit's first score line would fall into the previous
   HSP's block: they are left out of the index file. */
TEST(LitBlastForListBox, TripleOutsideAnHspIsNotWritten)
{
    ReadReport r(Replace(Fixture("base.bla"), "        Length = 250\n",
                         "        Length = 250\nQuery:     1 STRAY 5\n       STRAY\nSbjct:     1 STRAY 5\n"));
    ASSERT_EQ(LB_OK, r.nResult);
    EXPECT_EQ(std::string::npos, ReadFile(r.index.szPath).find("STRAY"));
}

} // namespace
