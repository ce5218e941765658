/* The editor's row commands (remove, merge, move, rename, copies for the
   pattern finder), the consensus, and the MSF export. */
#include "editor_util.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
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
    std::vector<std::string> Names() const
    {
        std::vector<std::string> v;
        for (int r = 0; r < p->nSeq; r++)
            v.push_back(p->pSeqMul[r]->szName);
        return v;
    }
};

/* Each command on a fresh alignment: the rows left, by their first places. */
TEST(RowCommands, RemoveAndMove)
{
    const std::vector<std::string> seqs = {"MKVL..", "..ILAQ", "AC..HI", "..WWWY"},
                                   names = {"Q", "SP|P1 ( 1- 4) 1", "B (  5-  8) 1", "C"};
    enum { REMOVE, MOVE, MERGE };
    const struct { int nOp, a, b, nRet; std::vector<int> want; } cases[] = {
        {REMOVE, 3, 0, 1, {0, 1, 2}}, {REMOVE, 0, 0, 1, {1, 2, 3}}, {REMOVE, 1, 0, 1, {0, 2, 3}},
        {REMOVE, 4, 0, 0, {0, 1, 2, 3}}, {REMOVE, -1, 0, 0, {0, 1, 2, 3}},
        {MOVE, 2, -1, 1, {1, 0, 2, 3}}, {MOVE, 3, 1, 1, {0, 1, 3, 2}},
        {MOVE, 4, -1, 1, {0, 1, 3, 2}}, {MOVE, 1, -1, 0, {0, 1, 2, 3}},
        {MOVE, 4, 1, 0, {0, 1, 2, 3}}, {MOVE, 0, 1, 0, {0, 1, 2, 3}},
        {MOVE, 5, -1, 0, {0, 1, 2, 3}}, {MERGE, 0, 0, 0, {0, 1, 2, 3}},
        {MERGE, 4, 0, 0, {0, 1, 2, 3}}};
    for (const auto &c : cases) {
        Made m(seqs, names);
        std::vector<std::string> rows = Rows(m.p), want, wantNames;
        for (int k : c.want)
            want.push_back(rows[k]), wantNames.push_back(names[k]);
        int nRet = c.nOp == REMOVE ? RemoveSequence(m.p, c.a)
                   : c.nOp == MOVE ? MoveSequence(m.p, c.a, c.b) : MergeSequence(m.p, c.a);
        EXPECT_EQ(std::make_tuple(c.nRet, want, wantNames, c.want.size() > 3 || !m.p->pSeqMul[3]),
                  std::make_tuple(nRet, Rows(m.p), m.Names(), true))
            << "command " << c.nOp << " on " << c.a << "," << c.b << ": result, rows, names, "
            << "freed entry NULL";
        EXPECT_EQ(std::string(6, '?'), m.p->szConsensus);
    }
    Made m(seqs, names); /* down to no row at all */
    for (int n = 4; n > 0; n--)
        EXPECT_EQ(1, RemoveSequence(m.p, 0)) << n << " rows";
    EXPECT_EQ((std::vector<int>{0, 0}), (std::vector<int>{m.p->nSeq, RemoveSequence(m.p, 0)}));
}

/* Residues in columns 50-80 merged into a row holding 10-60: 10-49 keep
   the upper row's, 50-60 become a black "X" on white, 61-80 take the
   lower row's with their colours; the match line stays the upper row's. */
TEST(RowCommands, MergeIntoTheRowAbove)
{
    auto cells = [](int nFrom, int nTo, int nShift) { /* columns 1-based */
        std::string s(90, '.');
        for (int c = nFrom - 1; c < nTo; c++)
            s[c] = "ACDEFGHIKLMNPQRSTVWY"[(c + nShift) % 20];
        return s;
    };
    Made m({cells(1, 90, 0), cells(10, 60, 3), cells(50, 80, 7), cells(5, 20, 1)},
           {"QUERY", "SP|P00001| ( 110- 119) 1", "SHORT (  50-  53) 1", "LAST"});
    std::vector<std::string> before = Rows(m.p);
    const MulBlaSeq *a = m.p->pSeqMul[1], *b = m.p->pSeqMul[2];
    auto mix = [](const std::string &sA, char x, const std::string &sB) {
        return sA.substr(0, 49) + std::string(11, x) + sB.substr(60, 20) + sA.substr(80);
    };
    std::string want = mix(a->szSeq, 'X', b->szSeq) + "|" + a->szComp + "|" +
                       mix(Hex(a->SeqTxtClr, 90), '0', Hex(b->SeqTxtClr, 90)) + "|" +
                       mix(Hex(a->SeqBkClr, 90), '1', Hex(b->SeqBkClr, 90));
    EXPECT_EQ(1, MergeSequence(m.p, 2));
    EXPECT_EQ((std::vector<std::string>{before[0], want, before[3]}), Rows(m.p));
    EXPECT_EQ((std::vector<std::string>{"QUERY", "SP|P00001|", "LAST"}), m.Names());
    EXPECT_EQ((std::vector<int>{3, 1}), (std::vector<int>{m.p->nSeq, m.p->pSeqMul[3] == NULL}));
    /* Equal residues make an "X" too; the name is cut before its "(". */
    const char *names[][2] = {{"SHORT (  50-  53) 1", "SHORT"}, {"( 12- 40) 1", ""}, {"NO", "NO"}};
    for (const auto &c : names) {
        Made t({"A.A.", "AA.."}, {c[0], "B"});
        EXPECT_EQ(1, MergeSequence(t.p, 1));
        EXPECT_EQ((std::vector<std::string>{"XAA.|aaaa|0423|1746", c[1]}),
                  (std::vector<std::string>{Rows(t.p).at(0), t.Names()[0]}));
    }
}

/* Names as loaded (a 10-character accession, a shorter one, the query's),
   renamed in turn. */
TEST(RowCommands, Rename)
{
    const struct { std::vector<std::pair<int, const char *>> ops; int nRet, m; const char *szWant; }
        cases[] = { /* renames (row, new name; NULL: move it down), the last one's result, row m */
            {{{3, "xyz"}}, 1, 3, "       xyz (   5-   9) 1"},
            {{{1, "abcdefghijklmn"}}, 1, 1, "abcdefghij"}, {{{1, "q"}}, 1, 1, "         q"},
            {{{2, "abcdefghijklmn"}}, 1, 2, "abcdefghij ( 110- 119) 1"},
            {{{4, "xyz"}}, 1, 4, "       xyz (  50-  53) 1"},
            {{{4, "xyz"}, {4, "uvw"}}, 1, 4, "       uvw (  50-  53) 1"},
            {{{1, NULL}, {2, "xyz"}}, 1, 2, "       xyz "},
            {{{1, NULL}, {1, "q"}}, 1, 1, "         q"},
            {{{2, ""}}, 0, 2, "SP|P00001| ( 110- 119) 1"}, {{{0, "x"}}, 0, 1, "LONGQUERYN"},
            {{{5, "x"}}, 0, 4, "SHORT (  50-  53) 1"}};
    for (const auto &c : cases) {
        Doc d(Report("longqueryname1", 40, kWide), {{1, 1}, {2, 1}, {3, 1}});
        Loaded l(d.pData);
        ASSERT_NE(nullptr, l.p);
        int nRet = -1;
        for (const auto &op : c.ops)
            nRet = op.second ? RenommeSequence(l.p, op.first, op.second) : MoveSequence(l.p, 1, 1);
        std::string sWant = c.szWant + std::string(MULBLA_NOMLEN - strlen(c.szWant), '\0');
        EXPECT_EQ(std::make_pair(c.nRet, sWant), /* all 50 bytes */
                  std::make_pair(nRet, std::string(l.p->pSeqMul[c.m - 1]->szName, MULBLA_NOMLEN)))
            << "row " << c.ops.back().first << " to \"" << c.ops.back().second << "\"";
        char sz[11];
        memset(sz, '#', sizeof sz);
        AncienNomSequence(l.p->pSeqMul[c.m - 1], sz);
        EXPECT_EQ(std::string(c.szWant).substr(0, 10), sz) << "old name";
    }
    Made m({"A", "A"}, {"Q", "ABCDEFGHIJ Z"}); /* kept from the twelfth character */
    EXPECT_EQ(1, RenommeSequence(m.p, 2, "xyz"));
    EXPECT_STREQ("       xyz Z", m.p->pSeqMul[1]->szName);
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

/* A column of four rows; anything but a letter counts as ".". */
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
            << c.szColumn << ", point " << c.nPoint << ", strict " << c.nStrict;
    }
}

/* Thousands of random columns against a plain tally. */
TEST(CreeConsensus, AgreesWithATally)
{
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
            std::map<char, int> count;
            int nDots = 0;
            for (const std::string &s : seqs)
                s[c] >= 'A' && s[c] <= 'Z' ? count[s[c]]++ : nDots++;
            std::multimap<int, char, std::greater<int>> best;
            for (const auto &e : count)
                if (e.second >= nStrict)
                    best.insert({e.second, e.first});
            bool bOne = !best.empty() && best.count(best.begin()->first) == 1;
            want += nDots < nPoint && bOne ? best.begin()->second : '.';
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

std::vector<std::string> ListOf(const std::string &sDir) /* sorted */
{
    std::vector<std::string> v;
    for (const auto &e : fs::directory_iterator(sDir))
        v.push_back(e.path().filename().string());
    std::sort(v.begin(), v.end());
    return v;
}

/* A fresh folder in the temporary directory, removed with the object. */
struct TempDir {
    std::string s = TempFile("", true).szPath; /* a free name */
    TempDir() { fs::create_directory(s); }
    ~TempDir()
    {
        std::error_code ec;
        fs::permissions(s, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(s, ec);
    }
};

/* What the MSF tests write: the top row runs through the alphabet from
   column 1; the second row's name has blanks in its first 10 characters;
   the third's is short. */
struct MsfRows : Made {
    MsfRows() : Made(Cells(), {"QUERYNAME1XYZ", "P1 (  12-  40) 1", "AB"})
    {
        for (int c = 0; c < 130; c++)
            p->szConsensus[c] = c % 7 ? "ACDEFGHIKLMNPQRSTVWY"[c % 20] : '.';
    }
    static std::vector<std::string> Cells()
    {
        std::vector<std::string> v(3, std::string(130, '.'));
        for (int c = 0; c < 130; c++) {
            v[0][c] = (char)('A' + c % 26);
            v[1][c] = c % 9 && c > 2 ? "MKVLAAGIWSTY"[c % 12] : '.';
            v[2][c] = c % 5 ? "XCDE"[c % 4] : '.';
        }
        return v;
    }
};

/* The file expected for columns nStart ... nEnd of rows given as
   (MSF name, all cells), n characters a line. */
std::string ExpectedMsf(const std::string &sPath, const std::vector<std::pair<std::string,
                        std::string>> &rows, int nStart, int nEnd, int n, int nScale, bool bCons)
{
    char b[200];
    int nLen = nEnd - nStart + 1;
    snprintf(b, sizeof b, "  MSF: %4d  Type: P  PileUp-like from Blast  Check: 1996  ..\r\n\r\n",
             nLen);
    std::string s = " " + sPath + b;
    for (const auto &r : rows) {
        long nSum = 0; /* the GCG checksum */
        for (int k = 0; k < nLen; k++)
            nSum += (k % 57 + 1) * (unsigned char)r.second[nStart + k];
        snprintf(b, sizeof b, " Name: %-10s       Len:%6d  Check:%6d  Weight:  1.00\r\n",
                 r.first.c_str(), nLen, (int)(nSum % 10000));
        s += b;
    }
    s += "\r\n//\r\n\r\n";
    for (int pos = nStart; pos <= nEnd; pos += n, nScale += n) {
        std::string t(n + n / 10 + 1, ' '), sA = std::to_string(nScale),
                    sB = std::to_string(nScale + n - 1);
        t.replace(0, sA.size(), sA).replace(n + n / 10 - 1 - sB.size(), sB.size(), sB);
        s += std::string(12, ' ') + t + "\r\n";
        for (const auto &r : rows) {
            s += (r.first + "          ").substr(0, 10) + "  ";
            for (int k = 0; k < n && pos + k <= nEnd; k++)
                s += std::string(1, r.second[pos + k]) + ((k + 1) % 10 ? "" : " ");
            s += "\r\n";
        }
        s += bCons ? "" : "\r\n";
    }
    return s;
}

/* Saved over an older file, which it replaces whole. */
TEST(MsfExport, Layout)
{
    MsfRows m;
    TempDir dir;
    const std::string sPath = dir.s + "/alignments1.msf"; /* 11 characters: 10 in the file */
    std::vector<std::pair<std::string, std::string>> rows = {
        {"QUERYNAME1", m.p->pSeqMul[0]->szSeq}, {"P1_(__12-_", m.p->pSeqMul[1]->szSeq},
        {"AB", m.p->pSeqMul[2]->szSeq}};
    const struct { int nStart, nEnd, n, nScale; bool bCons; } cases[] = {
        {5, 124, 50, 1, true}, {5, 124, 50, 1, false}, {30, 89, 50, 1, true},
        {0, 129, 60, 7, false}, {0, 129, 150, 1, true}, {99, 129, 140, 31, false},
        {0, 50, 50, 1, true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "columns " << c.nStart << "-" << c.nEnd << " by " << c.n
                                        << (c.bCons ? ", consensus" : ""));
        { std::ofstream(sPath) << "an older file"; }
        OsNoticeLogClear();
        EXPECT_EQ(1, SauveMSF(m.p, c.n, sPath.c_str(), c.nStart, c.nScale, c.nEnd, c.bCons, NULL));
        auto all = rows;
        if (c.bCons)
            all.push_back({"alignments", m.p->szConsensus});
        std::string sGot = ReadFile(sPath);
        EXPECT_EQ(ExpectedMsf(sPath, all, c.nStart, c.nEnd, c.n, c.nScale, c.bCons), sGot);
        EXPECT_EQ((std::vector<std::string>{"alignments1.msf"}), ListOf(dir.s));
        EXPECT_EQ(0u, OsNoticeLog().size());
        if (c.nStart != 5 || !c.bCons)
            continue;
        /* The lines that show the layout, written out in full. */
        std::vector<std::string> ln;
        for (size_t i = 0, j; (j = sGot.find("\r\n", i)) != std::string::npos; i = j + 2)
            ln.push_back(sGot.substr(i, j - i));
        ASSERT_EQ(24u, ln.size());
        const std::string sp(12, ' ');
        EXPECT_EQ((std::vector<std::string>{
                      " " + sPath + "  MSF:  120  Type: P  PileUp-like from Blast  Check: 1996  ..",
                      " Name: QUERYNAME1       Len:   120  Check:  5295  Weight:  1.00",
                      sp + "1" + std::string(51, ' ') + "50  ",
                      "QUERYNAME1  FGHIJKLMNO PQRSTUVWXY ZABCDEFGHI JKLMNOPQRS TUVWXYZABC ",
                      sp + "101" + std::string(48, ' ') + "150  ",
                      "QUERYNAME1  BCDEFGHIJK LMNOPQRSTU "}),
                  (std::vector<std::string>{ln[0], ln[2], ln[9], ln[10], ln[19], ln[20]}));
    }
    EXPECT_STREQ("P1 (  12-  40) 1", m.p->pSeqMul[1]->szName); /* the editor keeps its names */
    remove(sPath.c_str()); /* nothing is written for columns outside the rows, or no line */
    for (const auto &a : {std::vector<int>{50, 0, 130}, {50, 10, 9}, {50, -1, 20}, {0, 0, 129}}) {
        EXPECT_EQ(0, SauveMSF(m.p, a[0], sPath.c_str(), a[1], 1, a[2], 1, NULL))
            << "columns " << a[1] << "-" << a[2] << " by " << a[0];
        EXPECT_EQ(std::vector<std::string>{}, ListOf(dir.s));
    }
}

/* A file that cannot be written is said, naming it; an older file stays
   as it was, with no temporary file left beside it. */
TEST(MsfExport, FailureLeavesAnOlderFile)
{
    MsfRows m;
    TempDir dir;
    fs::create_directory(dir.s + "/sub");
    { std::ofstream(dir.s + "/plain") << "x"; }
    { std::ofstream(dir.s + "/sub/out.msf") << "the older file"; }
    enum { MISSING, NOT_A_DIR, A_DIR, READ_ONLY, TOO_BIG, MEMORY };
    const struct { int nCase; const char *szPath; } cases[] = {
        {MISSING, "/missing/out.msf"}, {NOT_A_DIR, "/plain/out.msf"}, {A_DIR, "/sub"},
        {READ_ONLY, "/sub/out.msf"}, {TOO_BIG, "/sub/out.msf"}, {MEMORY, "/sub/out.msf"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.szPath);
        const std::string sPath = dir.s + c.szPath;
        std::vector<std::string> before = ListOf(dir.s);
        OsNoticeLogClear();
        int nRet = -1;
        for (int n = 0; c.nCase == MEMORY && n < 100 && nRet != 1; n++) {
            MyAllocFailAfter(n); /* each allocation failing in turn, till a save succeeds */
            nRet = SauveMSF(m.p, 50, sPath.c_str(), 0, 1, 129, 1, NULL);
            MyAllocFailAfter(-1);
            EXPECT_EQ(nRet == 1, ReadFile(sPath) != "the older file") << "allocation " << n;
            EXPECT_EQ(std::vector<std::string>{"out.msf"}, ListOf(dir.s + "/sub"));
        }
        if (c.nCase == MEMORY) {
            EXPECT_EQ(1, nRet);
            continue;
        }
#ifdef _WIN32
        if (c.nCase == READ_ONLY || c.nCase == TOO_BIG)
            continue;
        nRet = SauveMSF(m.p, 50, sPath.c_str(), 0, 1, 129, 1, NULL);
#else
        struct rlimit lim, small;
        getrlimit(RLIMIT_FSIZE, &lim);
        if (c.nCase == READ_ONLY && geteuid() == 0) {
            printf("read-only folder not tried: root writes there anyway\n");
            continue;
        }
        if (c.nCase == READ_ONLY)
            fs::permissions(dir.s + "/sub", fs::perms::owner_write, fs::perm_options::remove);
        if (c.nCase == TOO_BIG) /* writes fail past 300 bytes */
            signal(SIGXFSZ, SIG_IGN), small = {300, lim.rlim_max}, setrlimit(RLIMIT_FSIZE, &small);
        nRet = SauveMSF(m.p, 50, sPath.c_str(), 0, 1, 129, 1, NULL);
        setrlimit(RLIMIT_FSIZE, &lim);
        fs::permissions(dir.s + "/sub", fs::perms::owner_write, fs::perm_options::add);
#endif
        EXPECT_EQ(0, nRet);
        EXPECT_EQ(std::vector<unsigned>{IDS_MSF_NOWRITE}, NoticeIds());
        std::string sText = OsNoticeLog().empty() ? "" : OsNoticeLog()[0].szText;
        EXPECT_NE(std::string::npos, sText.find(fs::path(sPath).filename().string())) << sText;
        EXPECT_EQ(before, ListOf(dir.s));
        EXPECT_EQ("the older file", ReadFile(dir.s + "/sub/out.msf"));
        EXPECT_EQ(std::vector<std::string>{"out.msf"}, ListOf(dir.s + "/sub"));
    }
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
    ASSERT_EQ(1, SauveMSF(m.p, 60, sPath.c_str(), 3, 1, 127, 1, NULL));
    std::string s = ReadFile(sPath);
    s.erase(std::remove(s.begin(), s.end(), '\r'), s.end());
    std::ofstream(dir.s + "/lf.msf", std::ios::binary) << s;
    std::string sCmd = "clustalo -i '" + dir.s + "/lf.msf' --infmt=msf --outfmt=fa --force -o '" +
                       dir.s + "/out.fa' > /dev/null 2>&1";
    ASSERT_EQ(0, system(sCmd.c_str())) << sCmd;
    std::map<std::string, std::string> got, want;
    std::string sName;
    std::istringstream in(ReadFile(dir.s + "/out.fa"));
    for (std::string sLine; std::getline(in, sLine);)
        if (!sLine.empty() && sLine[0] == '>')
            sName = sLine.substr(1);
        else
            for (char ch : sLine)
                got[sName] += ch != '-' && ch != '.' ? std::string(1, ch) : "";
    const char *szNames[] = {"QUERYNAME1", "P1_(__12-_", "AB", "interop"};
    for (int r = 0; r < 4; r++)
        for (int c = 3; c <= 127; c++)
            if (char ch = r < 3 ? m.p->pSeqMul[r]->szSeq[c] : m.p->szConsensus[c]; ch != '.')
                want[szNames[r]] += ch;
    EXPECT_EQ(want, got);
#endif
}

} // namespace
