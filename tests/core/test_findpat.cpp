/* Pattern finder core: mask compilation, the engine's chains against a
   plain matcher, work files, results texts, the cap on matches, pattern
   files and the choice of patterns. */
#include <gtest/gtest.h>
#include <ctype.h>
#include <stdio.h>
#include <string.h>

#include <filesystem>
#include <functional>
#include <fstream>
#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "findpat.h"
#include "halyardrc.h"
#include "memory.h"
#include "os_portable.h"
#include "test_reader_util.h"

namespace fs = std::filesystem;
using readertest::NoticeIds;
using readertest::ReadFile;

namespace {

typedef std::vector<std::pair<unsigned, unsigned>> Chain;
typedef std::vector<Chain> Chains;
typedef std::vector<std::string> Texts;
typedef std::vector<unsigned> Ids;
const char *const kTables = HALYARD_FIXTURES "/../../findpat/tables";

/* Each test gets an empty work directory and the tables of tests/data/findpat. */
class FindPat : public ::testing::Test {
protected:
    const readertest::TempDir tmp;
    const fs::path dir = tmp.s;
    const std::string szDir = tmp.s + (char)fs::path::preferred_separator;

    void SetUp() override
    {
        DefinitRepertoireTables(HALYARD_FIXTURES "/findpat");
        OsNoticeLogClear();
    }
    void TearDown() override
    {
        MyAllocFailAfter(-1);
        DefinitRepertoireTables(NULL);
    }
    /* The matches of RESULTS.TMP, parsed on their own; CR LF lines. */
    Chains Results()
    {
        Chains v;
        std::istringstream in(ReadFile((dir / "RESULTS.TMP").string()));
        Chain c;
        for (std::string line; std::getline(in, line);) {
            EXPECT_TRUE(!line.empty() && line.back() == '\r') << "not CR LF: [" << line << "]";
            unsigned a, b;
            if (line[0] == '-')
                v.push_back(c), c.clear();
            else if (sscanf(line.c_str(), "%u %u", &a, &b) == 2)
                c.push_back({a, b});
        }
        EXPECT_TRUE(c.empty()) << "a match without its closing line";
        return v;
    }
    int Search(const char *szSeq, const char *szMask, const char *szTable = "VIDE")
    {
        return LanceRecherche(NULL, szDir.c_str(), "seq", szSeq, szTable, szMask);
    }
    /* Compiles sMask as LanceRecherche does, up to the sub-mask file: the
       mask once the table's letters are replaced ("" after a failure), "|"
       and the file ("<none>"). The notices must be as the result says. */
    std::string Compile(unsigned nLength, const std::string &sMask, const char *szTable)
    {
        OsNoticeLogClear();
        pDataGeneralMotif p = (pDataGeneralMotif)MyAlloc(sizeof(DataGeneralMotif));
        p->nTailleSequence = nLength;
        snprintf(p->mask, sizeof p->mask, "%s", sMask.c_str());
        snprintf(p->szNomFichier, sizeof p->szNomFichier, "%s", szDir.c_str());
        snprintf(p->TableConvert, sizeof p->TableConvert, "%s", szTable);
        int nRes = CreeTableDNA(p) && AcheveMasque(p) && RemplaceMultiLettre(p);
        std::string s = std::string(nRes ? p->mask : "") + "|";
        nRes = nRes && DecorticMotif(p);
        s += fs::exists(dir / "SSMASK.TMP") ? ReadFile((dir / "SSMASK.TMP").string()) : "<none>";
        EXPECT_EQ(nRes ? Ids{} : Ids{IDS_BADPATTERN}, NoticeIds()) << sMask.substr(0, 40);
        EffaceFichiersTMP(p);
        EffacePointeurs(p);
        MyFree(p);
        return s;
    }
    Texts ResultsTexts(const std::string &sFile, const char *szSeq, int nExpected = 1)
    {
        Texts v;
        if (!sFile.empty())
            std::ofstream(dir / "RESULTS.TMP", std::ios::binary) << sFile;
        auto pfn = [](void *pParam, const char *sz) { ((Texts *)pParam)->push_back(sz); };
        EXPECT_EQ(nExpected, LitResultats((dir / "RESULTS.TMP").string().c_str(), szSeq, pfn, &v));
        return v;
    }
};

TEST_F(FindPat, MasksCompileOrAreRefusedAndTheTables)
{
    std::string sub50 = "A", long149(149, 'A'), grow499;
    for (int i = 0; i < 49; i++)
        sub50 += "{1}A";
    /* Each B gives 4: four pieces of 30 B and three limits make 489, plus "{5}" and "{0}". */
    for (int i = 0; i < 4; i++)
        grow499 += std::string(30, 'B') + (i < 3 ? "{1}" : "AAAA");
    /* table, sequence length, mask, what it gives; "*": compiles, "!": refused */
    std::vector<std::tuple<const char *, unsigned, std::string, std::string>> cases = {
        {"VIDE", 120, "C(DE)X{3}H", "{120}C(DE)X{3}H{0}|1 120 C(DE)X\r\n2 3 H\r\n"},
        /* {0}, or a limit without digits, ends the mask */
        {"VIDE", 9, "A{2}B{0}C{3}D", "{9}A{2}B{0}C{3}D{0}|1 9 A\r\n2 2 B\r\n"},
        {"VIDE", 9, "A{x}B", "{9}A{x}B{0}|1 9 A\r\n"}, {"VIDE", 0, "A", "!"},
        {"VIDE", 7, "A{12}(XC){1}G", "{7}A{12}(XC){1}G{0}|1 7 A\r\n2 12 (XC)\r\n3 1 G\r\n"},
        /* table letters expand; inside a group a class adds its letters */
        {"ESSAI", 5, "ABC", "{5}A(DN)C{0}|1 5 A(DN)C\r\n"},
        {"ESSAI", 5, "(BA)C", "{5}(DNA)C{0}|1 5 (DNA)C\r\n"},
        {"ESSAI", 5, "O{2}B", "{5}X{2}(DN){0}|1 5 X\r\n2 2 (DN)\r\n"},
        /* the first row of a letter wins, odd rows and line ends; a replacement
           longer than 29 characters is cut (and so unclosed) */
        {"FORMES", 5, "BZV", "{5}(DN)(EQ)V{0}|1 5 (DN)(EQ)V\r\n"},
        {"UNE", 5, "BZ", "{5}B(EQ){0}|1 5 B(EQ)\r\n"},
        {"FORMES", 5, "L", "{5}(ABCDEFGHIJKLMNOPQRSTUVWXYZAB{0}|<none>"},
        {"FORMES", 5, "M", "{5}(ABCDEFGHIJKLMNOPQRSTUVWXYZA){0}|1 5 (ABCDEFGHIJKLMNOPQRSTUVWXYZA)\r\n"},
        /* limits: 50 sub-masks, 149 characters, 499 once expanded */
        {"ESSAI", 5, sub50, "*"}, {"ESSAI", 5, sub50 + "{1}A", "!"},
        {"ESSAI", 5, long149, "*"}, {"ESSAI", 5, long149 + "A", "!"},
        {"ESSAI", 5, grow499, "*"}, {"ESSAI", 5, grow499 + "A", "!"},
    };
    for (const char *szBad : {"A{3", "(AB", "A()B", "{3}A", "A{3}", "A{3}{4}B", "A)B", "A}B", "(A{2}B)", "((A))",
                              "(A(B)", "{0}A"})
        cases.push_back({"ESSAI", 5, szBad, "!"});
    for (const auto &c : cases) {
        std::string s = Compile(std::get<1>(c), std::get<2>(c), std::get<0>(c)), sWant = std::get<3>(c);
        EXPECT_EQ(sWant, sWant.size() > 1 ? s : s.find("<none>") == std::string::npos ? "*" : "!")
            << std::get<2>(c).substr(0, 40);
    }
    EXPECT_EQ(RECH_TROUVE, Search(std::string(50, 'A').c_str(), sub50.c_str()));
    fs::remove(dir / "RESULTS.TMP");

    /* Every class of the program's tables compiles alone and inside a group. */
    DefinitRepertoireTables(kTables);
    for (const char *szTable : {"ADN", "PROTEINE", "SPECIAL"}) {
        std::istringstream rows(ReadFile(kTables + std::string("/") + szTable + ".TBL"));
        for (std::string row; std::getline(rows, row);)
            EXPECT_EQ(std::string::npos, Compile(10, row.substr(0, 1) + "{2}(A" + row[0] + ")", szTable).find("<none>"))
                << szTable << " " << row;
    }
    EXPECT_EQ("{10}(DN)(EQ)(IL){0}|1 10 (DN)(EQ)(IL)\r\n", Compile(10, "BZJ", "PROTEINE"));

    /* The whole search refuses too and leaves nothing: a wrong mask, one too
       long for the record, a missing table, a tables directory too long; by
       default the tables are beside the executable. */
    const std::string sLong(250, 'd'), s600(600, 'A');
    const struct { const char *szRep, *szTable, *szMask; } refus[] = {
        {kTables, "PROTEINE", ""}, {kTables, "PROTEINE", "   "}, {kTables, "PROTEINE", "A{3}"},
        {kTables, "PROTEINE", "(AB"}, {kTables, "PROTEINE", s600.c_str()}, {kTables, "ABSENT", "A"},
        {sLong.c_str(), "PROTEINE", "A"}};
    for (const auto &c : refus) {
        OsNoticeLogClear();
        DefinitRepertoireTables(c.szRep);
        EXPECT_EQ(RECH_ERREUR, Search("ABAB", c.szMask, c.szTable)) << "[" << c.szMask << "]";
        EXPECT_EQ(Ids{std::string(c.szMask) == "A" ? IDS_NOPROTTBL : (unsigned)IDS_BADPATTERN}, NoticeIds());
        EXPECT_TRUE(tmp.List().empty());
    }
    char szExe[300], szRep[300];
    DefinitRepertoireTables(NULL);
    ASSERT_LT(0, OsGetModulePath(szExe, sizeof szExe));
    EXPECT_EQ(fs::path(szExe).replace_filename("").string(), std::string(szRep, RepertoireTables(szRep, sizeof szRep)));
}

/* Blanks in a mask are dropped; table letters expand, the table named in
   full or cut to its field. Only the results file stays, whatever fails. */
TEST_F(FindPat, WholeSearchesAndTheirWorkFiles)
{
    for (const auto &c : {std::make_tuple("MKDEAAH", "k(de) x{3}h", "VIDE", Chains{{{1, 3}, {6, 6}}}),
                          std::make_tuple("CNCD", "CB", "TABLEAU123", Chains{{{0, 1}}, {{2, 3}}})}) {
        EXPECT_EQ(RECH_TROUVE, Search(std::get<0>(c), std::get<1>(c), std::get<2>(c)));
        EXPECT_EQ(std::get<3>(c), Results());
    }
    /* A results file of an earlier search never passes for a new one. */
    std::ofstream(dir / "RESULTS.TMP", std::ios::binary) << "0 0\r\n-\r\n";
    EXPECT_EQ(RECH_ABSENT, Search("CCC", "A"));
    EXPECT_TRUE(tmp.List().empty());

    /* Each memory failure in turn: the search fails or goes through, leaving no work file but the results. */
    const char *szSeq = "ABCABCXAB", *szMask = "A{2}(BC){4}A{9}B";
    ASSERT_EQ(RECH_TROUVE, Search(szSeq, szMask));
    const Chains reference = Results();
    EXPECT_LT(2u, reference.size());
    for (int n = 0;; n++) {
        OsNoticeLogClear();
        MyAllocFailAfter(n);
        int nRes = Search(szSeq, szMask);
        MyAllocFailAfter(-1);
        if (OsNoticeLog().empty() || OsNoticeLog()[0].nKind != OS_NOTICE_MEMORY) {
            EXPECT_EQ(RECH_TROUVE, nRes);
            EXPECT_EQ(reference, Results());
            EXPECT_LT(5, n);
            break;
        }
        const Texts files = tmp.List();
        EXPECT_TRUE(files.empty() || (nRes != RECH_ERREUR && files == Texts{"RESULTS.TMP"})) << "failure " << n;
        fs::remove(dir / "RESULTS.TMP");
        ASSERT_LT(n, 200);
    }

    OsNoticeLogClear();
    std::string szGone = (dir / "gone").string() + (char)fs::path::preferred_separator;
    EXPECT_EQ(RECH_ERREUR, LanceRecherche(NULL, szGone.c_str(), "s", "AAA", "VIDE", "A"));
    EXPECT_EQ(Ids{IDS_NOCREATESSMASK}, NoticeIds());

    /* The separator is added when the directory has none, of the kind it
       holds; a path that does not fit is refused and leaves the buffer. */
    const struct { const char *szDir; int cch; const char *szWant; } paths[] = {
        {"/a/b", 20, "/a/b/X.TMP"}, {"/a/b/", 11, "/a/b/X.TMP"}, {"C:\\a", 20, "C:\\a\\X.TMP"},
        {"C:\\a\\", 20, "C:\\a\\X.TMP"}, {NULL, 20, "X.TMP"}, {"/a/b", 11, "/a/b/X.TMP"}, {"/a/b", 10, ""}};
    for (const auto &c : paths) {
        char sz[40];
        memset(sz, 'x', sizeof sz - 1), sz[sizeof sz - 1] = '\0';
        EXPECT_EQ(c.szWant[0] != '\0', CheminFichierTravail(c.szDir, "X.TMP", sz, c.cch));
        EXPECT_EQ(c.szWant[0] ? c.szWant : std::string(39, 'x'), sz) << (c.szDir ? c.szDir : "NULL") << " " << c.cch;
    }
    /* The tables' directory, with or without its separator. */
    for (const auto &c : {std::make_pair("/t/u/", "/t/u/"), std::make_pair("/t/u", "/t/u/"),
                          std::make_pair("C:\\t", "C:\\t\\"), std::make_pair("/t/uvw", "/t/uvw/"),
                          std::make_pair("/t/uvwxy", "")}) {
        char sz[8] = "";
        DefinitRepertoireTables(c.first);
        EXPECT_EQ((int)strlen(c.second), RepertoireTables(sz, sizeof sz));
        EXPECT_STREQ(c.second, c.second[0] ? sz : "") << c.first;
    }
}

TEST_F(FindPat, TooManyMatchesAreCutAndTheFindLoop)
{
    std::string seq(MAXRESULTATS, 'A');
    EXPECT_EQ(RECH_TROUVE, Search(seq.c_str(), "A"));
    EXPECT_EQ((size_t)MAXRESULTATS, Results().size());
    EXPECT_EQ(RECH_TRONQUE, Search((seq + "A").c_str(), "A"));
    EXPECT_EQ((size_t)MAXRESULTATS, Results().size());
    EXPECT_TRUE(OsNoticeLog().empty());

    /* Millions of chains, and dead ends everywhere: cut (in the Find loop below), and quickly. */
    std::string rich = "AAAA";
    std::mt19937 rng(7);
    for (int i = 0; i < 3000; i++)
        rich += (rng() % 4) ? 'A' : 'C';
    EXPECT_EQ(RECH_TROUVE, Search(("W" + rich).c_str(), "A{50}A{50}A{50}A{50}A{50}A{50}W"));
    EXPECT_TRUE(Results().empty());

    /* The Find loop tells it once, at the end; after a failed search it
       asks: Yes goes on with the next pattern, No stops. */
    typedef std::vector<std::pair<int, int>> Calls;
    auto pfn = [](void *pParam, int nSeq, int nMotif, int nRes, const char *szFile) {
        ((Calls *)pParam)->push_back({nSeq * 10 + nMotif, nRes});
        EXPECT_TRUE(fs::exists(szFile));
    };
    const int T = RECH_TROUVE;
    const struct {
        std::vector<const char *> seqs, masks;
        std::vector<int> idx, answers;
        int nRes;
        Calls calls;
        Ids ids;
    } cases[] = {
        {{rich.c_str(), "CAC", rich.c_str()}, {"A{50}A{50}A{50}A", "A"}, {0, 1, 2}, {}, 1,
         {{0, RECH_TRONQUE}, {1, T}, {10, T}, {11, T}, {20, RECH_TRONQUE}, {21, T}}, {IDS_FP_TOOMANY}},
        {{"ACGT", "TTTA"}, {"A", "A{3}", "T"}, {1, 0}, {OS_IDYES, OS_IDYES}, 1, {{10, T}, {12, T}, {0, T}, {2, T}},
         {IDS_BADPATTERN, IDS_ERRORAGAIN, IDS_BADPATTERN, IDS_ERRORAGAIN}},
        {{"ACGT", "TTTA"}, {"A", "A{3}", "T"}, {1, 0}, {OS_IDNO}, 0, {{10, T}}, {IDS_BADPATTERN, IDS_ERRORAGAIN}},
    };
    for (const auto &c : cases) {
        OsNoticeLogClear();
        for (int n : c.answers)
            OsNoticeQueueAnswer(n);
        Calls calls;
        EXPECT_EQ(c.nRes, LanceRechercheSequences(NULL, szDir.c_str(), "VIDE", (char **)c.seqs.data(), c.idx.data(),
                                                  (int)c.idx.size(), (char **)c.masks.data(), (int)c.masks.size(), pfn,
                                                  &calls));
        EXPECT_EQ(c.calls, calls);
        EXPECT_EQ(c.ids, NoticeIds());
        EXPECT_EQ(c.ids[0] == IDS_FP_TOOMANY ? OS_NOTICE_INFO : OS_NOTICE_ERROR, OsNoticeLog()[0].nKind);
        EXPECT_TRUE(tmp.List().empty());
    }
}

TEST_F(FindPat, ResultsTexts)
{
    const char *szSeq = "MMMKDEMMMHKDE";
    /* CR LF or LF lines; an empty match shows nothing. */
    EXPECT_EQ((Texts{"   1 : -- 4<KDE>6 ---- 10<H>10 --", "   2 : -- 11<KDE>13 --", "   3 : -- 1<M>1 --"}),
              ResultsTexts("3 5\r\n9 9\r\n-\r\n10 12\r\n-\r\n-\r\n0 0\n-\n", szSeq));
    fs::remove(dir / "RESULTS.TMP");
    EXPECT_EQ(Texts{}, ResultsTexts("", szSeq, 0));

    /* Occurrences of 49 residues are shown whole, longer ones by their first and last 23 around "...". */
    std::string seq;
    for (int i = 0; i < 2000; i++)
        seq += (char)('A' + i % 26);
    EXPECT_EQ(Texts{"   1 : -- 1<" + seq.substr(0, 49) + ">49 ---- 1<" + seq.substr(0, 23) + "..." +
                    seq.substr(27, 23) + ">50 --"},
              ResultsTexts("0 48\r\n0 49\r\n-\r\n", seq.c_str()));

    /* A match text over 499 characters keeps its first 496 and "...": an
       occurrence of 10 to 20 residues, then fifty of one, cut with every room from 0 to 10 left. */
    for (int n = 10; n <= 20; n++) {
        std::string file = "0 " + std::to_string(n - 1) + "\r\n",
                    want = "   1 : -- 1<" + seq.substr(0, n) + ">" + std::to_string(n) + " --";
        for (int i = 0; i < 50; i++)
            file += "0 0\r\n", want += "-- 1<A>1 --";
        EXPECT_EQ(Texts{want.substr(0, 496) + "..."}, ResultsTexts(file + "-\r\n", seq.c_str())) << n;
    }
    /* Positions outside the sequence show no residues. */
    EXPECT_EQ(Texts{"   1 : -- 6<>9001 --"}, ResultsTexts("5 9000\r\n-\r\n", "ABC"));
}

/* A plain matcher written from the matching rules, for masks of
   sub-masks separated by gap limits: the chains as the engine must give
   them. Per sub-mask: a regular expression of its residues, its limit.
   Occurrences of each sub-mask are tried from the left and looked for
   again after the end of one found; then every chain, one occurrence per
   sub-mask, each starting after the previous one's end and at most its
   limit away. */
typedef std::vector<std::pair<std::string, unsigned>> SubMasks;
int Expected(const std::string &seq, const SubMasks &subs, Chains *pOut)
{
    Chains occ;
    for (const auto &s : subs) {
        occ.push_back(Chain());
        const std::regex re(s.first);
        for (std::sregex_iterator it(seq.begin(), seq.end(), re), end; it != end; ++it)
            occ.back().push_back({(unsigned)it->position(), (unsigned)(it->position() + it->length() - 1)});
        if (occ.back().empty())
            return RECH_ABSENT;
    }
    Chain chain;
    std::function<void()> Link = [&]() {
        size_t d = chain.size();
        if (d == subs.size())
            return pOut->push_back(chain);
        for (const auto &o : occ[d])
            if (d == 0 || (o.first > chain.back().second && o.first - chain.back().second <= subs[d].second)) {
                chain.push_back(o);
                Link();
                chain.pop_back();
            }
    };
    Link();
    return RECH_TROUVE;
}

/* The engine reports every chain of the plain matcher, in its order, and no other. */
TEST_F(FindPat, EngineAgreesWithPlainMatcher)
{
    const int nCases = 1000;
    std::mt19937 rng(20240611);
    int nMatches = 0;
    for (int nCase = 0; nCase < nCases && !HasFailure(); nCase++) {
        /* 1 to 4 sub-masks of 1 to 4 elements, most of one residue, letters
           sometimes lower case; up to 30 residues with X, gaps and stops. */
        SubMasks subs(1 + rng() % 4);
        std::string mask, seq(rng() % 31, ' ');
        for (size_t s = 0; s < subs.size(); s++) {
            subs[s].second = s == 0 ? 0 : 1 + rng() % 5;
            mask += s == 0 ? "" : "{" + std::to_string(subs[s].second) + "}";
            for (size_t e = 0, nEl = 1 + rng() % 4; e < nEl; e++) {
                std::string el, text;
                for (size_t nCh = rng() % 10 < 7 ? 1 : 1 + rng() % 3; el.size() < nCh;) {
                    char c = "ACGX"[rng() % 4];
                    if (el.find(c) == std::string::npos)
                        el += c, text += rng() % 5 == 0 ? (char)tolower(c) : c;
                }
                subs[s].first += el.find('X') != std::string::npos ? "[^-.]" : "[X" + el + "]";
                mask += el.size() == 1 && rng() % 4 ? text : "(" + text + ")";
            }
        }
        for (char &c : seq)
            c = "AAAACCCGGX-."[rng() % 12];
        Chains expected, got;
        int nExpected = Expected(seq, subs, &expected);
        OsNoticeLogClear();
        int nRes = Search(seq.c_str(), mask.c_str());
        if (nRes == RECH_TROUVE)
            got = Results();
        fs::remove(dir / "RESULTS.TMP");
        nMatches += (int)got.size();
        EXPECT_EQ(std::make_tuple(nExpected, expected, (size_t)0), std::make_tuple(nRes, got, OsNoticeLog().size()))
            << "mask " << mask << " in [" << seq << "]";
        ASSERT_TRUE(fs::is_empty(dir)) << "work files left by " << mask;
    }
    EXPECT_LT(nCases / 2, nMatches) << "the cases must exercise chains, not only misses";
}

/* motifs.mot mixes line ends; orphan lines before the first "#MOTIF" and
   lines with a colon are ignored; "PA C(DE)X{3}H" is a mask though it holds
   "DE", and a "DE" line with "#MOTIF" starts a pattern. Masks are kept as
   written, a long description cut, a mask too long for its field left
   empty. */
TEST_F(FindPat, PatternFilesAndTheChoiceOfPatterns)
{
    MotifDecript m = {};
    auto Read = [&m](const char *szPath) {
        snprintf(m.szFilePath, sizeof m.szFilePath, "%s", szPath);
        return ReadMotifs(NULL, &m);
    };
    ASSERT_EQ(1, Read(HALYARD_FIXTURES "/findpat/motifs.mot"));
    std::string sLong = "2. ";
    while (sLong.size() < TAILLEMOTIF)
        sLong += "Long description ";
    sLong.resize(TAILLEMOTIF - 1);
    Texts got;
    for (int i = 0; i < m.nMotifs; i++)
        got.push_back(m.pDonneeMotif[i].mask), got.push_back(m.pDonneeMotif[i].nom);
    EXPECT_EQ((Texts{"C(DE)X{3}H", "1. First pattern", "c(de)x", sLong, "", "3. Mask too long for the field",
                     std::string(99, 'C'), "4. ", "", ""}),
              got);

    /* A choice in "List of patterns": one pattern shows itself and a Find
       searches what is typed; several are named and a Find searches them,
       whatever the case of the name; a choice with no item of the file, or
       without memory, keeps the one before. */
    ASSERT_EQ(1, Read(HALYARD_FIXTURES "/findpat_gui/patterns.mot"));
    /* items, taken (-1: no memory), name|mask shown, masks a Find searches by that name */
    const struct { std::vector<int> sel; int nTaken; std::string szShown, szSearched; } cases[] = {
        {{1}, 1, "2. N-glycosylation site|nx(st)", "typed"},
        {{0, 1, 2}, 1, "All patterns|", "K(DE)E{4}H nx(st) RGD"},
        {{}, 0, "All patterns|", "K(DE)E{4}H nx(st) RGD"},
        {{2, 7, -1, 0}, 1, "Some patterns|", "RGD K(DE)E{4}H"},
        {{3, -1}, 0, "Some patterns|", "RGD K(DE)E{4}H"},
        {{1}, -1, "Some patterns|", "RGD K(DE)E{4}H"},
    };
    char szTyped[] = "typed", *szMotifs[3];
    for (const auto &c : cases) {
        MyAllocFailAfter(c.nTaken < 0 ? 0 : -1);
        EXPECT_EQ(c.nTaken > 0, ChoisitMotifsListe(&m, c.sel.data(), (int)c.sel.size()));
        MyAllocFailAfter(-1);
        EXPECT_EQ(c.szShown, std::string(m.DonneeMotif.nom) + "|" + m.DonneeMotif.mask);
        std::string szDescription = m.DonneeMotif.nom, szSearched;
        szDescription[0] = (char)tolower((unsigned char)szDescription[0]);
        for (int i = 0; i < MotifsRecherches(&m, szDescription.c_str(), szTyped, szMotifs); i++)
            szSearched += (i ? " " : "") + std::string(szMotifs[i]);
        EXPECT_EQ(c.szSearched, szSearched) << c.szShown;
    }
    for (const char *sz : {"Some pattern", "Some patterns.", "3. All patterns", ""})
        EXPECT_EQ(1, MotifsRecherches(&m, sz, szTyped, szMotifs)) << sz;

    /* Reading another file drops the choice; every pattern of the shipped
       sample finds its own example. A file that cannot be read, or without
       "#MOTIF", leaves no pattern. */
    OsNoticeLogClear();
    ASSERT_EQ(1, Read(HALYARD_FIXTURES "/../../findpat/tables/sample.mot"));
    EXPECT_EQ(std::make_tuple((int *)NULL, 0, 10), std::make_tuple(m.pListIdx, m.nIdx, m.nMotifs));
    static const char szSeq[] = "NASSAKSAADRKASGAAAAGKSRGDAGKKLAAAAAALAAAAAALAAAAAALCAACAAALAAAAAAAAHAAAHKDEL";
    DefinitRepertoireTables(kTables);
    for (int i = 0; i < m.nMotifs; i++) {
        EXPECT_EQ(RECH_TROUVE, Search(szSeq, m.pDonneeMotif[i].mask, "PROTEINE")) << m.pDonneeMotif[i].nom;
        EXPECT_LT(0u, Results().size()) << "no match of " << m.pDonneeMotif[i].nom;
    }
    for (const auto &c : {std::make_tuple("absent.mot", -1, 0, 0u), std::make_tuple("ESSAI.TBL", -1, 1, 0u),
                          std::make_tuple("motifs.mot", 0, 0, 1u)}) {
        MyAllocFailAfter(std::get<1>(c));
        EXPECT_EQ(std::get<2>(c), Read((HALYARD_FIXTURES "/findpat/" + std::string(std::get<0>(c))).c_str()));
        EXPECT_EQ(std::make_tuple(0, (MotifData *)NULL, (size_t)std::get<3>(c)),
                  std::make_tuple(m.nMotifs, m.pDonneeMotif, OsNoticeLog().size())) << std::get<0>(c);
    }
    LibereMotifs(&m);
}

} // namespace
