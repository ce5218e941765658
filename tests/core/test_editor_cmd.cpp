/* The editor's row commands (remove, merge, move, rename, copies for the
   pattern finder), the consensus, and the MSF export. */
#include "editor_util.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <regex>
#include <sstream>

#include "halyardrc.h"

#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

using namespace editortest;
namespace fs = std::filesystem;

namespace {

/* An alignment allocated as the editor's own from cells and names: row r
   has the match character 'a' + r and colours that differ from row to row
   and column to column. */
struct Made {
    pMulBlaData p = (pMulBlaData)MyAlloc(sizeof(MulBlaData));
    Made(const std::vector<std::string> &seqs, const std::vector<std::string> &names)
    {
        int n = p->nTaille = (int)seqs[0].size();
        p->nSeq = (int)seqs.size();
        p->pSeqMul = (pMulBlaSeq *)MyAlloc((unsigned)(p->nSeq * sizeof(pMulBlaSeq)));
        for (int r = 0; r < p->nSeq; r++) {
            pMulBlaSeq s = p->pSeqMul[r] = (pMulBlaSeq)MyAlloc(sizeof(MulBlaSeq));
            snprintf(s->szName, sizeof s->szName, "%s", names[r].c_str());
            s->szSeq = (char *)MyAlloc(n + 1), s->szComp = (char *)MyAlloc(n + 1);
            memcpy(s->szSeq, seqs[r].data(), n), memset(s->szComp, 'a' + r, n);
            s->SeqTxtClr = (unsigned *)MyAlloc(n * 4), s->SeqBkClr = (unsigned *)MyAlloc(n * 4);
            for (int c = 0; c < n; c++)
                s->SeqTxtClr[c] = (r * 3 + c) % 16, s->SeqBkClr[c] = (r * 5 + c * 2) % 16;
        }
        memset(p->szConsensus = (char *)MyAlloc(n + 1), '?', n);
    }
    ~Made() { VirePointMulBla(p); }
};

/* Each command on a fresh alignment: the rows left, by their first places;
   a merge (row 2 into row 1: "X" where both have a residue, the lower
   row's residue and colours where only it has one) cuts the name above
   before its "(". */
TEST(RowCommands, RemoveMoveAndMerge)
{
    const std::vector<std::string> seqs = {"MKVL..", "A.A...", "AA..HI", "..WWWY"},
                                   names = {"Q", "SP|P1 ( 1- 4) 1", "B (  5-  8) 1", "C"};
    const std::string merged = "XAA.HI|bbbbbb|0756AB|1C9B24"; /* row 3 into row 2 */
    enum { REMOVE, MOVE, MERGE };
    const struct { int nOp, a, b, nRet; std::vector<int> want; } cases[] = {
        {REMOVE, 3, 0, 1, {0, 1, 2}}, {REMOVE, 0, 0, 1, {1, 2, 3}}, {REMOVE, 1, 0, 1, {0, 2, 3}},
        {REMOVE, 4, 0, 0, {0, 1, 2, 3}}, {REMOVE, -1, 0, 0, {0, 1, 2, 3}},
        {MOVE, 2, -1, 1, {1, 0, 2, 3}}, {MOVE, 3, 1, 1, {0, 1, 3, 2}},
        {MOVE, 4, -1, 1, {0, 1, 3, 2}}, {MOVE, 1, -1, 0, {0, 1, 2, 3}},
        {MOVE, 4, 1, 0, {0, 1, 2, 3}}, {MOVE, 0, 1, 0, {0, 1, 2, 3}},
        {MOVE, 5, -1, 0, {0, 1, 2, 3}}, {MOVE, 2, 2, 0, {0, 1, 2, 3}},
        {MERGE, 0, 0, 0, {0, 1, 2, 3}}, {MERGE, 4, 0, 0, {0, 1, 2, 3}},
        {MERGE, 2, 0, 1, {0, -1, 3}}}; /* -1: the merged row */
    for (const auto &c : cases) {
        Made m(seqs, names);
        std::vector<std::string> rows = Rows(m.p), want, wantNames;
        for (int k : c.want)
            want.push_back(k < 0 ? merged : rows[k]),
                wantNames.push_back(k < 0 ? "SP|P1" : names[k]);
        int nRet = c.nOp == REMOVE ? RemoveSequence(m.p, c.a)
                   : c.nOp == MOVE ? MoveSequence(m.p, c.a, c.b) : MergeSequence(m.p, c.a);
        EXPECT_EQ(std::make_tuple(c.nRet, want, wantNames, c.want.size() > 3 || !m.p->pSeqMul[3]),
                  std::make_tuple(nRet, Rows(m.p), Rows(m.p, true), true))
            << "command " << c.nOp << " on " << c.a << "," << c.b << ": result, rows, names, "
            << "freed entry NULL";
        EXPECT_EQ(std::string(6, '?'), m.p->szConsensus);
    }
    for (const char *sz : {"( 12- 40) 1", "NO"}) { /* a name that is all "(", or has none */
        Made m({"A", "A"}, {sz, "B"});
        EXPECT_EQ(1, MergeSequence(m.p, 1));
        EXPECT_EQ(sz[0] == '(' ? "" : sz, Rows(m.p, true)[0]);
    }
    Made m(seqs, names); /* down to no row at all */
    for (int n = 4; n > 0; n--)
        EXPECT_EQ(1, RemoveSequence(m.p, 0)) << n << " rows";
    EXPECT_EQ((std::vector<int>{0, 0}), (std::vector<int>{m.p->nSeq, RemoveSequence(m.p, 0)}));
}

/* Names as loaded (10-character accessions, a shorter one, the query's)
   and one without coordinates, renamed in turn. */
TEST(RowCommands, Rename)
{
    const std::vector<std::string> names = {"LONGQUERYN", "SP|P00001| ( 110- 119) 1",
                                            "GI|1234567 (   5-   9) 1", "SHORT (  50-  53) 1",
                                            "ABCDEFGHIJ Z"};
    const struct { std::vector<std::pair<int, const char *>> ops; int nRet, m; const char *szWant; }
        cases[] = { /* renames (row, new name; NULL: move it down), the last one's result, row m */
            {{{3, "xyz"}}, 1, 3, "       xyz (   5-   9) 1"}, {{{5, "xyz"}}, 1, 5, "       xyz Z"},
            {{{1, "abcdefghijklmn"}}, 1, 1, "abcdefghij"}, {{{1, "q"}}, 1, 1, "         q"},
            {{{2, "abcdefghijklmn"}}, 1, 2, "abcdefghij ( 110- 119) 1"},
            {{{4, "xyz"}}, 1, 4, "       xyz (  50-  53) 1"},
            {{{4, "xyz"}, {4, "uvw"}}, 1, 4, "       uvw (  50-  53) 1"},
            {{{1, NULL}, {2, "xyz"}}, 1, 2, "       xyz "},
            {{{1, NULL}, {1, "q"}}, 1, 1, "         q"},
            {{{2, ""}}, 0, 2, "SP|P00001| ( 110- 119) 1"}, {{{0, "x"}}, 0, 1, "LONGQUERYN"},
            {{{6, "x"}}, 0, 5, "ABCDEFGHIJ Z"}};
    for (const auto &c : cases) {
        Made m(std::vector<std::string>(5, "A"), names);
        int nRet = -1;
        for (const auto &op : c.ops)
            nRet = op.second ? RenommeSequence(m.p, op.first, op.second) : MoveSequence(m.p, 1, 1);
        std::string sWant = c.szWant + std::string(MULBLA_NOMLEN - strlen(c.szWant), '\0');
        EXPECT_EQ(std::make_pair(c.nRet, sWant), /* all 50 bytes */
                  std::make_pair(nRet, std::string(m.p->pSeqMul[c.m - 1]->szName, MULBLA_NOMLEN)))
            << "row " << c.ops.back().first << " to \"" << c.ops.back().second << "\"";
        char sz[11];
        AncienNomSequence(m.p->pSeqMul[c.m - 1], sz);
        EXPECT_EQ(std::string(c.szWant).substr(0, 10), sz) << "old name";
    }
}

/* An allocation failing anywhere gives 0 and leaves nothing allocated
   (ASan's leak check), until the copies are made whole. */
TEST(RowCommands, CopiesForThePatternFinder)
{
    Made m({"MKV.AAG", "..ILAQG", "AC.W..H"}, {"QUERY", "SP|P00001| ( 110- 119) 1", "X"});
    for (int n = 0; n < 100; n++) {
        char **ppSeq = NULL, **ppNom = NULL;
        MyAllocFailAfter(n);
        int nRet = CopieSequences(m.p, &ppSeq, &ppNom);
        MyAllocFailAfter(-1);
        if (nRet == 0)
            continue;
        EXPECT_LE(2 * m.p->nSeq, n) << "allocations before the copies were whole";
        for (int r = 0; r < m.p->nSeq; r++) {
            EXPECT_STREQ(m.p->pSeqMul[r]->szSeq, ppSeq[r]);
            EXPECT_EQ(0, memcmp(m.p->pSeqMul[r]->szName, ppNom[r], MULBLA_NOMLEN)) << "name " << r;
            MyFree(ppSeq[r]), MyFree(ppNom[r]);
        }
        MyFree(ppSeq), MyFree(ppNom);
        return;
    }
    ADD_FAILURE() << "never copied";
}

/* A column of four rows (anything but a letter counts as "."); then
   thousands of random columns against a plain tally. */
TEST(CreeConsensus, PointAndStrictLimits)
{
    const struct { const char *szColumn; int nPoint, nStrict; char cWant; } cases[] = {
        {"AAL.", 2, 2, 'A'}, {"AL..", 2, 2, '.'}, {"AALL", 2, 2, '.'}, {"AL..", 3, 2, '.'},
        {"AA..", 3, 2, 'A'}, {"AAAA", 0, 0, '.'}, {"A-*-", 4, 1, 'A'}, {"A-*-", 3, 1, '.'},
        {"AAa.", 2, 2, '.'}, {"ZZY.", 2, 0, 'Z'}};
    for (const auto &c : cases) {
        const char *k = c.szColumn;
        Made m({{k[0]}, {k[1]}, {k[2]}, {k[3]}}, {"", "", "", ""});
        char sz[3] = "##";
        EXPECT_EQ(1, CreeConsensus(m.p, sz, c.nPoint, c.nStrict));
        EXPECT_EQ(std::string(1, c.cWant), sz)
            << k << ", point " << c.nPoint << ", strict " << c.nStrict;
    }
    std::mt19937 rng(7);
    const char kCells[] = "AAALLLKWZ.--*a";
    for (int t = 0; t < 40; t++) {
        int nSeq = 1 + (int)(rng() % 9), nPoint = (int)(rng() % (nSeq + 2)),
            nStrict = (int)(rng() % (nSeq + 2));
        std::vector<std::string> seqs(nSeq, std::string(250, '.'));
        for (std::string &s : seqs)
            for (char &ch : s)
                ch = kCells[rng() % (sizeof kCells - 1)];
        std::string want;
        for (int c = 0; c < 250; c++) {
            int nCount[26] = {}, nDots = 0;
            for (const std::string &s : seqs)
                s[c] >= 'A' && s[c] <= 'Z' ? nCount[s[c] - 'A']++ : nDots++;
            int *pMax = std::max_element(nCount, nCount + 26);
            bool bOne = *pMax > 0 && *pMax >= nStrict &&
                        std::count(nCount, nCount + 26, *pMax) == 1;
            want += nDots < nPoint && bOne ? (char)('A' + (pMax - nCount)) : '.';
        }
        Made m(seqs, std::vector<std::string>(nSeq, "n"));
        std::string got(251, '#');
        CreeConsensus(m.p, &got[0], nPoint, nStrict);
        EXPECT_EQ(want + '\0', got) << nSeq << " rows, point " << nPoint << ", strict " << nStrict;
    }
}

TEST(MsfExport, RangePathAndChecksum)
{
    const int ranges[][4] = { /* from, to, columns, valid */
        {1, 30, 30, 0}, {1, 31, 31, 1}, {0, 31, 40, 0}, {10, 40, 40, 1}, {10, 39, 40, 0},
        {10, 41, 40, 0}, {40, 1, 40, 0}, {-5, 40, 40, 0}};
    for (const auto &c : ranges)
        EXPECT_EQ(c[3], PlageMsfValide(c[0], c[1], c[2]))
            << c[0] << " ... " << c[1] << " of " << c[2];
    const char *paths[][2] = {
        {"C:\\dir\\verylongname.txt", "C:\\dir\\verylongna.msf"}, {"/a/b/x.bla", "/a/b/x.msf"},
        {"verylongname.txt", "verylongna.msf"}, {"/verylongname.bla", "/verylongna.msf"},
        {"/a/b/file", "/a/b/file.msf"}, {"/a.b/c", "/a.b/c.msf"},
        {"C:\\v1.2\\abcdefghijk.l.m", "C:\\v1.2\\abcdefghij.msf"}};
    for (const auto &c : paths) {
        std::vector<char> out(260, '#');
        CheminMsf(c[0], out.data(), (int)out.size());
        EXPECT_STREQ(c[1], out.data()) << c[0];
    }
    /* 65 + 2 x 66; 57 "A" weighted 1 ... 57, then one weighted 1 again */
    EXPECT_EQ((std::vector<int>{197, 197, 7510}),
              (std::vector<int>{SEQGCGCHECKSUM(1, 0, "AB"), SEQGCGCHECKSUM(2, 1, "XABX"),
                                SEQGCGCHECKSUM(57, 0, std::string(58, 'A').c_str())}));
}

/* A fresh folder in the temporary directory, removed with the object. */
struct TempDir {
    std::string s = TempFile("", true).szPath; /* a free name */
    TempDir() { fs::create_directory(s); }
    ~TempDir() { std::error_code ec; fs::remove_all(s, ec); }
    std::vector<std::string> List(const char *szSub = "") const /* sorted */
    {
        std::vector<std::string> v;
        for (const auto &e : fs::directory_iterator(s + szSub))
            v.push_back(e.path().filename().string());
        std::sort(v.begin(), v.end());
        return v;
    }
};

/* What the MSF tests write, with its consensus: the second row's name has
   blanks in its first 10 characters, the third's is short. */
struct MsfRows : Made {
    MsfRows()
        : Made({"ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWXYZ",
                "...LAAGIW.TYMKVLAA.IWSTYMKV.AAGIWSTY.KVLAAGIW.TYMKVL",
                ".CDEX.DEXC.EXCD.XCDE.CDEX.DEXC.EXCD.XCDE.CDEX.DEXC.E"},
               {"QUERYNAME1XYZ", "P1 (  12-  40) 1", "AB"})
    {
        memcpy(p->szConsensus, ".CDEFGH.KLMNPQ.STVWYA.DEFGHI.LMNPQR.TVWYAC.EFGHIK.MN", 52);
    }
};

/* Columns 2-52 by 50, the scale from 7, saved over an older file, which
   it replaces whole. Without the consensus its lines are left out, and
   an empty line ends each block instead. */
TEST(MsfExport, Layout)
{
    MsfRows m;
    TempDir dir;
    const std::string sPath = dir.s + "/alignments1.msf"; /* 11 characters: 10 in the file */
    const std::string sWant =
        " " + sPath + "  MSF:   51  Type: P  PileUp-like from Blast  Check: 1996  ..\r\n\r\n"
        " Name: QUERYNAME1       Len:    51  Check:  5690  Weight:  1.00\r\n"
        " Name: P1_(__12-_       Len:    51  Check:  9132  Weight:  1.00\r\n"
        " Name: AB               Len:    51  Check:  9209  Weight:  1.00\r\n"
        " Name: alignments       Len:    51  Check:  5103  Weight:  1.00\r\n"
        "\r\n//\r\n\r\n"
        "            7                                                   56  \r\n"
        "QUERYNAME1  BCDEFGHIJK LMNOPQRSTU VWXYZABCDE FGHIJKLMNO PQRSTUVWXY \r\n"
        "P1_(__12-_  ..LAAGIW.T YMKVLAA.IW STYMKV.AAG IWSTY.KVLA AGIW.TYMKV \r\n"
        "AB          CDEX.DEXC. EXCD.XCDE. CDEX.DEXC. EXCD.XCDE. CDEX.DEXC. \r\n"
        "alignments  CDEFGH.KLM NPQ.STVWYA .DEFGHI.LM NPQR.TVWYA C.EFGHIK.M \r\n"
        "            57                                                 106  \r\n"
        "QUERYNAME1  Z\r\n"
        "P1_(__12-_  L\r\n"
        "AB          E\r\n"
        "alignments  N\r\n";
    for (bool bCons : {true, false}) {
        SCOPED_TRACE(bCons ? "with the consensus" : "without");
        { std::ofstream(sPath) << "an older file"; }
        OsNoticeLogClear();
        EXPECT_EQ(1, SauveMSF(m.p, 50, sPath.c_str(), 1, 7, 51, bCons, NULL));
        std::regex cons(" Name: alig.*\r\n|alignments  .*");
        EXPECT_EQ(bCons ? sWant : std::regex_replace(sWant, cons, ""), ReadFile(sPath));
        EXPECT_EQ((std::vector<std::string>{"alignments1.msf"}), dir.List());
        EXPECT_EQ(0u, OsNoticeLog().size());
    }
    EXPECT_STREQ("P1 (  12-  40) 1", m.p->pSeqMul[1]->szName); /* the editor keeps its names */
    remove(sPath.c_str()); /* nothing is written for columns outside the rows, or no line */
    for (const auto &a : {std::vector<int>{50, 0, 52}, {50, 10, 9}, {50, -1, 20}, {0, 0, 51}}) {
        EXPECT_EQ(0, SauveMSF(m.p, a[0], sPath.c_str(), a[1], 1, a[2], 1, NULL))
            << "columns " << a[1] << "-" << a[2] << " by " << a[0];
        EXPECT_EQ(std::vector<std::string>{}, dir.List());
    }
}

/* A file that cannot be written is said, naming it; an older file stays
   as it was, with no temporary file left beside it. So it is when each
   allocation fails in turn, till a save succeeds. */
TEST(MsfExport, FailureLeavesAnOlderFile)
{
    MsfRows m;
    TempDir dir;
    const std::string sOut = dir.s + "/sub/out.msf";
    fs::create_directory(dir.s + "/sub");
    { std::ofstream(dir.s + "/plain") << "x"; }
    { std::ofstream(sOut) << "the older file"; }
    auto Sauve = [&m](const std::string &s) {
        return SauveMSF(m.p, 50, s.c_str(), 0, 1, 51, 1, NULL);
    };
    for (const char *szPath : {"/missing/out.msf", "/plain/out.msf", "/sub", "/sub/out.msf"}) {
        SCOPED_TRACE(szPath);
        const std::string sPath = dir.s + szPath;
        OsNoticeLogClear();
        int nRet = 0;
#ifndef _WIN32
        struct rlimit lim, small = {300, RLIM_INFINITY}; /* writes fail past 300 bytes */
        getrlimit(RLIMIT_FSIZE, &lim);
        small.rlim_max = lim.rlim_max;
        signal(SIGXFSZ, SIG_IGN), setrlimit(RLIMIT_FSIZE, &small);
        nRet = Sauve(sPath);
        setrlimit(RLIMIT_FSIZE, &lim);
#else
        if (sPath == sOut) /* no file size limit to try */
            continue;
        nRet = Sauve(sPath);
#endif
        EXPECT_EQ(0, nRet);
        EXPECT_EQ(std::vector<unsigned>{IDS_MSF_NOWRITE}, NoticeIds());
        std::string sText = OsNoticeLog().empty() ? "" : OsNoticeLog()[0].szText;
        EXPECT_NE(std::string::npos, sText.find(fs::path(sPath).filename().string())) << sText;
        EXPECT_EQ((std::vector<std::string>{"plain", "sub"}), dir.List());
        EXPECT_EQ("the older file", ReadFile(sOut));
        EXPECT_EQ(std::vector<std::string>{"out.msf"}, dir.List("/sub"));
    }
    int nRet = 0;
    for (int n = 0; n < 100 && nRet != 1; n++) {
        MyAllocFailAfter(n);
        nRet = Sauve(sOut);
        MyAllocFailAfter(-1);
        EXPECT_EQ(nRet == 1, ReadFile(sOut) != "the older file") << "allocation " << n;
        EXPECT_EQ(std::vector<std::string>{"out.msf"}, dir.List("/sub"));
    }
    EXPECT_EQ(1, nRet);
}

/* Clustal Omega reads the file back, every name and residue. It realigns
   what it reads, so the residues are compared without their gaps ("." in
   the file, "-" in its output). */
TEST(MsfExport, ClustalOmegaReadsIt)
{
#ifdef _WIN32
    GTEST_SKIP() << "clustalo is tried on the native build only";
#else
    if (system("clustalo --version > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "clustalo is not installed";
    MsfRows m;
    TempDir dir;
    const std::string sPath = dir.s + "/interop.msf";
    ASSERT_EQ(1, SauveMSF(m.p, 50, sPath.c_str(), 0, 1, 51, 1, NULL));
    std::string s = ReadFile(sPath);
    s.erase(std::remove(s.begin(), s.end(), '\r'), s.end());
    std::ofstream(dir.s + "/lf.msf", std::ios::binary) << s;
    std::string sCmd = "clustalo -i '" + dir.s + "/lf.msf' --infmt=msf --outfmt=fa --force -o '" +
                       dir.s + "/out.fa' > /dev/null 2>&1";
    ASSERT_EQ(0, system(sCmd.c_str())) << sCmd;
    std::map<std::string, std::string> got, want;
    std::string sName, sLine;
    for (std::istringstream in(ReadFile(dir.s + "/out.fa")); std::getline(in, sLine);)
        if (sLine[0] == '>')
            sName = sLine.substr(1);
        else
            for (char ch : sLine)
                got[sName] += ch != '-' && ch != '.' ? std::string(1, ch) : "";
    const char *szNames[] = {"QUERYNAME1", "P1_(__12-_", "AB", "interop"};
    for (int r = 0; r < 4; r++) {
        std::string sRow = r < 3 ? m.p->pSeqMul[r]->szSeq : m.p->szConsensus;
        sRow.erase(std::remove(sRow.begin(), sRow.end(), '.'), sRow.end());
        want[szNames[r]] = sRow;
    }
    EXPECT_EQ(want, got);
#endif
}

} // namespace
