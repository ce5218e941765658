/* Pattern finder core: mask compilation, the search engine's occurrences
   and chains, its work files, the results texts and the cap on matches. */
#include <gtest/gtest.h>
#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "findpat.h"
#include "halyardrc.h"
#include "memory.h"
#include "os_portable.h"

namespace fs = std::filesystem;

namespace {

typedef std::vector<std::pair<unsigned, unsigned>> Chain;

const char *const szFixtures = HALYARD_FIXTURES "/findpat";

std::string ReadBytes(const fs::path &p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void WriteBytes(const fs::path &p, const std::string &s)
{
    std::ofstream out(p, std::ios::binary);
    out << s;
}

/* Ids of the notices shown since the last clear. */
std::vector<unsigned> NoticeIds()
{
    std::vector<unsigned> ids;
    for (const OsNoticeRecord &r : OsNoticeLog())
        ids.push_back(r.idText);
    return ids;
}

/* Each test gets an empty work directory of its own, and the tables of
   tests/data/findpat. */
class FindPat : public ::testing::Test {
protected:
    fs::path dir;
    std::string szDir;   /* with the separator at the end */

    void SetUp() override
    {
        std::random_device rd;
        const ::testing::TestInfo *info =
            ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path()
              / ("hlfp-" + std::string(info->name()) + "-"
                 + std::to_string(rd() % 1000000));
        fs::remove_all(dir);
        fs::create_directories(dir);
        szDir = dir.string() + (char)fs::path::preferred_separator;
        DefinitRepertoireTables(szFixtures);
        OsNoticeLogClear();
        MyAllocFailAfter(-1);
    }

    void TearDown() override
    {
        MyAllocFailAfter(-1);
        DefinitRepertoireTables(NULL);
        std::error_code ec;
        fs::remove_all(dir, ec);
    }

    /* Names of the files in the work directory, sorted. */
    std::vector<std::string> Files()
    {
        std::vector<std::string> v;
        for (const fs::directory_entry &e : fs::directory_iterator(dir))
            v.push_back(e.path().filename().string());
        std::sort(v.begin(), v.end());
        return v;
    }

    /* The matches of RESULTS.TMP, parsed on their own. */
    std::vector<Chain> Results()
    {
        std::vector<Chain> v;
        std::istringstream in(ReadBytes(dir / "RESULTS.TMP"));
        std::string line;
        Chain c;
        while (std::getline(in, line)) {
            EXPECT_FALSE(line.empty() || line.back() != '\r')
                << "work file lines end in CR LF: [" << line << "]";
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (line == "-") {
                v.push_back(c);
                c.clear();
                continue;
            }
            unsigned a, b;
            EXPECT_EQ(2, sscanf(line.c_str(), "%u %u", &a, &b)) << line;
            c.push_back({ a, b });
        }
        EXPECT_TRUE(c.empty()) << "a match without its closing line";
        return v;
    }

    int Search(const char *szSeq, const char *szMask,
               const char *szTable = "VIDE")
    {
        return LanceRecherche(NULL, szDir.c_str(), "seq", szSeq, szTable,
                              szMask);
    }

    /* A record as LanceRecherche fills it, for the compiler's steps. */
    pDataGeneralMotif NewRecord(unsigned nLength, const char *szMask,
                                const char *szTable = "VIDE")
    {
        pDataGeneralMotif p =
            (pDataGeneralMotif)MyAlloc(sizeof(DataGeneralMotif));
        p->nTailleSequence = nLength;
        snprintf(p->mask, sizeof p->mask, "%s", szMask);
        snprintf(p->szNomFichier, sizeof p->szNomFichier, "%s",
                 szDir.c_str());
        snprintf(p->TableConvert, sizeof p->TableConvert, "%s", szTable);
        return p;
    }

    void FreeRecord(pDataGeneralMotif p)
    {
        EffaceFichiersTMP(p);
        EffacePointeurs(p);
        MyFree(p->Sequence);
        MyFree(p);
    }

    /* Compiles szMask up to the sub-mask file; returns DecorticMotif's
       result (or 0 when an earlier step failed) and the file's bytes. */
    int Compile(unsigned nLength, const char *szMask, std::string *pFile,
                const char *szTable = "VIDE", std::string *pExpanded = NULL)
    {
        pDataGeneralMotif p = NewRecord(nLength, szMask, szTable);
        int nRes = CreeTableDNA(p) && AcheveMasque(p)
                   && RemplaceMultiLettre(p);
        if (pExpanded != NULL)
            *pExpanded = nRes ? p->mask : "";
        if (nRes)
            nRes = DecorticMotif(p);
        *pFile = fs::exists(dir / "SSMASK.TMP")
                     ? ReadBytes(dir / "SSMASK.TMP") : "<none>";
        FreeRecord(p);
        return nRes;
    }
};

/* ---- Compilation ----------------------------------------------------- */

TEST_F(FindPat, MaskIsFramedAndCutAtItsGapLimits)
{
    static const struct {
        unsigned    nLength;
        const char *szMask;
        const char *szExpanded;
        const char *szFile;
    } cases[] = {
        { 120, "C(DE)X{3}H", "{120}C(DE)X{3}H{0}",
          "1 120 C(DE)X\r\n2 3 H\r\n" },
        /* {0} ends the mask: what follows is never searched. */
        { 9, "AB{0}CD", "{9}AB{0}CD{0}", "1 9 AB\r\n" },
        { 9, "A{2}B{0}C{3}D", "{9}A{2}B{0}C{3}D{0}",
          "1 9 A\r\n2 2 B\r\n" },
        /* So does a limit without digits. */
        { 9, "A{x}B", "{9}A{x}B{0}", "1 9 A\r\n" },
        { 7, "A{12}(XC){1}G", "{7}A{12}(XC){1}G{0}",
          "1 7 A\r\n2 12 (XC)\r\n3 1 G\r\n" },
    };
    for (const auto &c : cases) {
        std::string file, expanded;
        EXPECT_EQ(1, Compile(c.nLength, c.szMask, &file, "VIDE", &expanded))
            << c.szMask;
        EXPECT_EQ(c.szExpanded, expanded) << c.szMask;
        EXPECT_EQ(c.szFile, file) << c.szMask;
    }
    EXPECT_TRUE(OsNoticeLog().empty());
}

TEST_F(FindPat, TableLettersAreExpanded)
{
    static const struct {
        const char *szTable;
        const char *szMask;
        const char *szExpanded;
    } cases[] = {
        { "ESSAI", "ABC", "{5}A(DN)C{0}" },
        /* Inside a group a class adds its letters. */
        { "ESSAI", "(BA)C", "{5}(DNA)C{0}" },
        { "ESSAI", "O{2}B", "{5}X{2}(DN){0}" },
        /* An empty table changes nothing. */
        { "VIDE", "ABC", "{5}ABC{0}" },
        /* The first row of a letter wins; a row without replacement, an
           empty line and a letter glued to its replacement; a replacement
           longer than 29 characters is cut. */
        { "FORMES", "BZV", "{5}(DN)(EQ)V{0}" },
    };
    for (const auto &c : cases) {
        pDataGeneralMotif p = NewRecord(5, c.szMask, c.szTable);
        ASSERT_EQ(1, CreeTableDNA(p)) << c.szTable;
        ASSERT_EQ(1, AcheveMasque(p));
        ASSERT_EQ(1, RemplaceMultiLettre(p));
        EXPECT_EQ(c.szExpanded, std::string(p->mask)) << c.szMask;
        FreeRecord(p);
    }
    EXPECT_TRUE(OsNoticeLog().empty());
}

TEST_F(FindPat, TableRowsFollowTheFileLines)
{
    pDataGeneralMotif p = NewRecord(5, "A", "FORMES");
    ASSERT_EQ(1, CreeTableDNA(p));
    /* { letter, replacement } per line of FORMES.TBL. */
    static const struct { char c; const char *sz; } rows[] = {
        { 'B', "(DN)" }, { 'B', "(EQ)" }, { 'Z', "(EQ)" }, { '\0', "" },
        { 'L', "(ABCDEFGHIJKLMNOPQRSTUVWXYZAB" }, { 'V', "" },
    };
    ASSERT_EQ((int)(sizeof rows / sizeof rows[0]), p->nEntreeDnaTbl);
    for (size_t i = 0; i < sizeof rows / sizeof rows[0]; i++) {
        EXPECT_EQ(rows[i].c, p->pTableDNA[i].cLettre) << "row " << i;
        EXPECT_EQ(rows[i].sz, std::string(p->pTableDNA[i].szTmp))
            << "row " << i;
    }
    FreeRecord(p);

    p = NewRecord(5, "A", "VIDE");
    ASSERT_EQ(1, CreeTableDNA(p));
    EXPECT_EQ(0, p->nEntreeDnaTbl);
    FreeRecord(p);
}

TEST_F(FindPat, ShippedTablesCompile)
{
    /* The tables of the program: every class is a group the compiler
       takes, alone and inside a group. */
    DefinitRepertoireTables(HALYARD_FIXTURES "/../../findpat/tables");
    for (const char *szTable : { "ADN", "PROTEINE", "SPECIAL" }) {
        pDataGeneralMotif p = NewRecord(10, "A", szTable);
        ASSERT_EQ(1, CreeTableDNA(p)) << szTable;
        EXPECT_LT(0, p->nEntreeDnaTbl) << szTable;
        std::vector<std::pair<char, std::string>> rows;
        for (int i = 0; i < p->nEntreeDnaTbl; i++)
            rows.push_back({ p->pTableDNA[i].cLettre,
                             p->pTableDNA[i].szTmp });
        FreeRecord(p);
        for (const auto &r : rows) {
            std::string file;
            std::string mask = std::string(1, r.first) + "{2}(A"
                               + std::string(1, r.first) + ")";
            EXPECT_EQ(1, Compile(10, mask.c_str(), &file, szTable))
                << szTable << " " << r.first << " " << r.second;
        }
    }
    std::string expanded, file;
    ASSERT_EQ(1, Compile(10, "BZJ", &file, "PROTEINE", &expanded));
    EXPECT_EQ("{10}(DN)(EQ)(IL){0}", expanded);
    EXPECT_TRUE(OsNoticeLog().empty());
}

TEST_F(FindPat, SyntaxErrorsAreRefused)
{
    std::string sub50, sub51, long149, long150, grow499, grow500;
    for (int i = 0; i < 49; i++)
        sub50 += "A{1}";
    sub50 += "A";                      /* 50 sub-masks */
    sub51 = sub50 + "{1}A";            /* 51 */
    long149 = std::string(149, 'A');
    long150 = std::string(150, 'A');
    /* "{5}" + mask + "{0}": 6 characters of frame. Each B gives 4, so
       four pieces of 30 B and 3 limits make 489 + 6. */
    for (int i = 0; i < 4; i++)
        grow499 += std::string(30, 'B') + (i < 3 ? "{1}" : "AAAA");
    grow500 = grow499 + "A";

    static const char *const bad[] = {
        "A{3", "(AB", "A()B", "{3}A", "A{3}", "A{3}{4}B", "A)B", "A}B",
        "(A{2}B)", "((A))", "(A(B)", "{0}A",
    };
    for (const char *szMask : bad) {
        OsNoticeLogClear();
        std::string file;
        EXPECT_EQ(0, Compile(5, szMask, &file, "ESSAI")) << szMask;
        EXPECT_EQ(std::vector<unsigned>{ IDS_BADPATTERN }, NoticeIds())
            << szMask;
        EXPECT_EQ("<none>", file) << szMask;
    }
    static const struct { std::string *pMask; int nExpected; } limits[] = {
        { &sub50, 1 }, { &sub51, 0 }, { &long149, 1 }, { &long150, 0 },
        { &grow499, 1 }, { &grow500, 0 },
    };
    for (const auto &c : limits) {
        OsNoticeLogClear();
        std::string file;
        EXPECT_EQ(c.nExpected, Compile(5, c.pMask->c_str(), &file, "ESSAI"))
            << "mask of " << c.pMask->size() << " characters";
        EXPECT_EQ(c.nExpected ? std::vector<unsigned>{}
                              : std::vector<unsigned>{ IDS_BADPATTERN },
                  NoticeIds())
            << "mask of " << c.pMask->size() << " characters";
    }

    /* The whole search says so too, and leaves nothing behind. */
    for (const char *szMask : { "", "   ", "A{3}", "(AB" }) {
        OsNoticeLogClear();
        EXPECT_EQ(RECH_ERREUR, Search("ABAB", szMask)) << "[" << szMask << "]";
        EXPECT_EQ(std::vector<unsigned>{ IDS_BADPATTERN }, NoticeIds());
        EXPECT_TRUE(Files().empty());
    }
    /* A typed mask too long for the record. */
    OsNoticeLogClear();
    EXPECT_EQ(RECH_ERREUR, Search("ABAB", std::string(600, 'A').c_str()));
    EXPECT_EQ(std::vector<unsigned>{ IDS_BADPATTERN }, NoticeIds());
}

TEST_F(FindPat, MissingTableEndsTheSearch)
{
    EXPECT_EQ(RECH_ERREUR, Search("ABC", "A", "ABSENT"));
    EXPECT_EQ(std::vector<unsigned>{ IDS_NOPROTTBL }, NoticeIds());
    EXPECT_TRUE(Files().empty());

    /* Without a named directory the tables are looked for beside the
       executable, where the tests have none. */
    OsNoticeLogClear();
    DefinitRepertoireTables(NULL);
    EXPECT_EQ(RECH_ERREUR, Search("ABC", "A", "VIDE"));
    EXPECT_EQ(std::vector<unsigned>{ IDS_NOPROTTBL }, NoticeIds());
}

/* ---- Matching -------------------------------------------------------- */

TEST_F(FindPat, CompareMaskElements)
{
    /* { residue, element, result } */
    static const struct { char r; const char *szEl; int n; } cases[] = {
        { 'A', "A", 1 },  { 'A', "C", 0 },  { 'A', "X", 1 },
        { 'X', "C", 1 },  { 'X', "", 0 },   { '-', "X", 0 },
        { '.', "X", 0 },  { '-', "-", 0 },  { 'C', "ABC", 1 },
        { 'D', "ABC", 0 }, { 'D', "ABX", 1 }, { 'a', "A", 0 },
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.n, CompareMask(c.r, c.szEl, 0, (int)strlen(c.szEl)))
            << c.r << " against [" << c.szEl << "]";
}

TEST_F(FindPat, LeftmostOccurrenceWithRestart)
{
    /* { sequence, sub-mask, from, start, stop }; -1 -1: none */
    static const struct {
        const char *szSeq, *szSs;
        unsigned nFrom;
        int nStart, nStop;
    } cases[] = {
        { "AAB", "AB", 0, 1, 2 },       /* restart after a partial match */
        { "AAAB", "AAB", 0, 1, 3 },
        { "ACACAD", "ACAD", 0, 2, 5 },
        { "CAAB", "(AC)AB", 0, 1, 3 },  /* a group first */
        { "CCAB", "(AC)(AB)B", 0, 1, 3 },
        { "ABAB", "AB", 1, 2, 3 },
        { "ABAB", "AB", 3, -1, -1 },
        { "ABAB", "AB", 9, -1, -1 },
        { "AXB", "AC(BD)", 0, 0, 2 },   /* X in the sequence */
        { "A-B", "AXB", 0, -1, -1 },    /* a gap matches nothing */
        { "A.B", "A(X.)B", 0, -1, -1 },
        { "A", "AB", 0, -1, -1 },       /* runs off the end */
    };
    for (const auto &c : cases) {
        PositionData pos = RechercheMaskSimple(c.szSeq, c.szSs, c.nFrom,
                                               (unsigned)strlen(c.szSeq));
        EXPECT_EQ((unsigned)c.nStart, pos.start)
            << c.szSs << " in " << c.szSeq << " from " << c.nFrom;
        EXPECT_EQ((unsigned)c.nStop, pos.stop)
            << c.szSs << " in " << c.szSeq << " from " << c.nFrom;
    }
}

TEST_F(FindPat, MatchesOfWholeMasks)
{
    typedef std::vector<Chain> M;
    static const struct {
        const char *szSeq, *szMask;
        int nRes;
        M matches;
        const char *szTable = "VIDE";
    } cases[] = {
        /* The last residue is an occurrence like any other. */
        { "AAA", "A", RECH_TROUVE, M{ { { 0, 0 } }, { { 1, 1 } }, { { 2, 2 } } } },
        { "HAH", "H", RECH_TROUVE, M{ { { 0, 0 } }, { { 2, 2 } } } },
        /* Occurrences of one sub-mask do not overlap. */
        { "AAA", "AA", RECH_TROUVE, M{ { { 0, 1 } } } },
        { "AAB", "A{3}B", RECH_TROUVE,
          M{ { { 0, 0 }, { 2, 2 } }, { { 1, 1 }, { 2, 2 } } } },
        { "AB", "A{1}B", RECH_TROUVE, M{ { { 0, 0 }, { 1, 1 } } } },
        /* Every sub-mask occurs, no chain fits: searched, no match. */
        { "ACB", "A{1}B", RECH_TROUVE, M{} },
        { "BA", "A{5}B", RECH_TROUVE, M{} },
        { "XXXX", "C(DE)W", RECH_TROUVE, M{ { { 0, 2 } } } },
        { "A-A.A", "X", RECH_TROUVE,
          M{ { { 0, 0 } }, { { 2, 2 } }, { { 4, 4 } } } },
        { "-.-", "X", RECH_ABSENT, M{} },
        { "A-A", "AXA", RECH_ABSENT, M{} },
        { "ABC", "D{3}A", RECH_ABSENT, M{} },
        { "ABC", "A{3}D", RECH_ABSENT, M{} },
        { "", "A", RECH_ABSENT, M{} },
        /* Masks are upper-cased and lose their blanks. */
        { "MKDEAAH", "k(de) x{3}h", RECH_TROUVE,
          M{ { { 1, 3 }, { 6, 6 } } } },
        /* Chains in walk order: the first sub-mask's occurrences in turn,
           each followed by every fitting continuation. */
        { "ABABAB", "A{3}B{2}A", RECH_TROUVE,
          M{ { { 0, 0 }, { 1, 1 }, { 2, 2 } },
             { { 0, 0 }, { 3, 3 }, { 4, 4 } },
             { { 2, 2 }, { 3, 3 }, { 4, 4 } } } },
        { "AAAAB", "A{5}A{5}B", RECH_TROUVE,
          M{ { { 0, 0 }, { 1, 1 }, { 4, 4 } },
             { { 0, 0 }, { 2, 2 }, { 4, 4 } },
             { { 0, 0 }, { 3, 3 }, { 4, 4 } },
             { { 1, 1 }, { 2, 2 }, { 4, 4 } },
             { { 1, 1 }, { 3, 3 }, { 4, 4 } },
             { { 2, 2 }, { 3, 3 }, { 4, 4 } } } },
        /* B expands to (DN) through the table. */
        { "CNCD", "CB", RECH_TROUVE, M{ { { 0, 1 } }, { { 2, 3 } } },
          "ESSAI" },
    };
    for (const auto &c : cases) {
        OsNoticeLogClear();
        EXPECT_EQ(c.nRes, Search(c.szSeq, c.szMask,
                                 c.szTable))
            << c.szMask << " in " << c.szSeq;
        EXPECT_TRUE(OsNoticeLog().empty()) << c.szMask << " in " << c.szSeq;
        if (c.nRes == RECH_TROUVE) {
            EXPECT_EQ(std::vector<std::string>{ "RESULTS.TMP" }, Files());
            EXPECT_EQ(c.matches, Results()) << c.szMask << " in " << c.szSeq;
        } else {
            EXPECT_TRUE(Files().empty()) << c.szMask << " in " << c.szSeq;
        }
        fs::remove(dir / "RESULTS.TMP");
    }
}

TEST_F(FindPat, FirstSubMaskNowhereStopsAtOnce)
{
    pDataGeneralMotif p = NewRecord(6, "Z{3}A{3}B");
    p->Sequence = (char *)MyAlloc(7);
    memcpy(p->Sequence, "ABABAB", 7);
    ASSERT_EQ(1, CreeTableDNA(p));
    ASSERT_EQ(1, AcheveMasque(p));
    ASSERT_EQ(1, RemplaceMultiLettre(p));
    EXPECT_EQ(2, FindSousMask(p));
    EXPECT_EQ((std::vector<std::string>{ "MFIND1.TMP", "SSMASK.TMP" }),
              Files());
    EXPECT_EQ("", ReadBytes(dir / "MFIND1.TMP"));
    FreeRecord(p);
    EXPECT_TRUE(Files().empty());

    /* Every sub-mask found: one occurrence file each, in order. */
    p = NewRecord(6, "A{3}B");
    p->Sequence = (char *)MyAlloc(7);
    memcpy(p->Sequence, "ABABAB", 7);
    ASSERT_EQ(1, CreeTableDNA(p) && AcheveMasque(p)
                     && RemplaceMultiLettre(p));
    EXPECT_EQ(1, FindSousMask(p));
    EXPECT_EQ("0 0\r\n2 2\r\n4 4\r\n", ReadBytes(dir / "MFIND1.TMP"));
    EXPECT_EQ("1 1\r\n3 3\r\n5 5\r\n", ReadBytes(dir / "MFIND2.TMP"));
    EXPECT_EQ(3u, p->nOccurence[0]);
    EXPECT_EQ(3u, p->nTailleEntreSsMask[1]);
    FreeRecord(p);
    EXPECT_TRUE(Files().empty());
}

/* ---- Work files -------------------------------------------------------- */

TEST_F(FindPat, OnlyTheResultsFileStays)
{
    /* A results file of an earlier search never passes for a new one. */
    WriteBytes(dir / "RESULTS.TMP", "0 0\r\n-\r\n");
    EXPECT_EQ(RECH_ABSENT, Search("CCC", "A"));
    EXPECT_TRUE(Files().empty());

    /* Each memory failure in turn: the search fails or goes through, and
       no work file but the results file survives it. */
    const char *szSeq = "ABCABCXAB", *szMask = "A{2}(BC){4}A{9}B";
    ASSERT_EQ(RECH_TROUVE, Search(szSeq, szMask));
    std::vector<Chain> reference = Results();
    EXPECT_LT(2u, reference.size());
    for (int n = 0;; n++) {
        OsNoticeLogClear();
        MyAllocFailAfter(n);
        int nRes = Search(szSeq, szMask);
        bool bHit = false;
        for (const OsNoticeRecord &r : OsNoticeLog())
            bHit |= r.nKind == OS_NOTICE_MEMORY;
        MyAllocFailAfter(-1);
        std::vector<std::string> files = Files();
        if (!bHit) {
            EXPECT_EQ(RECH_TROUVE, nRes);
            EXPECT_EQ(std::vector<std::string>{ "RESULTS.TMP" }, files);
            EXPECT_EQ(reference, Results());
            EXPECT_LT(5, n);
            break;
        }
        EXPECT_TRUE(files.empty()
                    || files == std::vector<std::string>{ "RESULTS.TMP" })
            << "failure " << n << " left " << files.size() << " files";
        if (nRes == RECH_ERREUR) {
            EXPECT_TRUE(files.empty()) << "failure " << n;
        }
        fs::remove(dir / "RESULTS.TMP");
        ASSERT_LT(n, 200);
    }

    /* A work directory that does not exist. */
    OsNoticeLogClear();
    std::string szGone = (dir / "gone").string()
                         + (char)fs::path::preferred_separator;
    EXPECT_EQ(RECH_ERREUR,
              LanceRecherche(NULL, szGone.c_str(), "s", "AAA", "VIDE", "A"));
    EXPECT_EQ(std::vector<unsigned>{ IDS_NOCREATESSMASK }, NoticeIds());

    /* The separator is added when the directory has none. */
    OsNoticeLogClear();
    EXPECT_EQ(RECH_TROUVE, LanceRecherche(NULL, dir.string().c_str(), "s",
                                          "AAA", "VIDE", "A"));
    EXPECT_EQ(std::vector<std::string>{ "RESULTS.TMP" }, Files());
}

TEST_F(FindPat, TooManyMatchesAreCut)
{
    /* Exactly MAXRESULTATS matches are all kept. */
    std::string seq(MAXRESULTATS, 'A');
    EXPECT_EQ(RECH_TROUVE, Search(seq.c_str(), "A"));
    EXPECT_EQ((size_t)MAXRESULTATS, Results().size());
    seq += "A";
    EXPECT_EQ(RECH_TRONQUE, Search(seq.c_str(), "A"));
    EXPECT_EQ((size_t)MAXRESULTATS, Results().size());
    EXPECT_TRUE(OsNoticeLog().empty());

    /* Millions of chains, and dead ends everywhere: cut, and quickly. */
    std::string rich = "AAAA";
    std::mt19937 rng(7);
    for (int i = 0; i < 3000; i++)
        rich += (rng() % 4) ? 'A' : 'C';
    EXPECT_EQ(RECH_TRONQUE, Search(rich.c_str(), "A{50}A{50}A{50}A"));
    std::vector<Chain> r = Results();
    ASSERT_EQ((size_t)MAXRESULTATS, r.size());
    EXPECT_EQ((Chain{ { 0, 0 }, { 1, 1 }, { 2, 2 }, { 3, 3 } }), r[0]);
    std::string dead = "W" + rich;
    EXPECT_EQ(RECH_TROUVE,
              Search(dead.c_str(), "A{50}A{50}A{50}A{50}A{50}A{50}W"));
    EXPECT_TRUE(Results().empty());

    /* The Find loop tells it once, at the end. */
    OsNoticeLogClear();
    char *seqs[] = { (char *)rich.c_str(), (char *)"CAC",
                     (char *)rich.c_str() };
    char *masks[] = { (char *)"A{50}A{50}A{50}A", (char *)"A" };
    int idx[] = { 0, 1, 2 };
    std::vector<std::pair<int, int>> calls;
    auto pfn = [](void *pParam, int nSeq, int nMotif, int nRes,
                  const char *szFile) {
        ((std::vector<std::pair<int, int>> *)pParam)
            ->push_back({ nSeq * 10 + nMotif, nRes });
        EXPECT_TRUE(fs::exists(szFile));
    };
    EXPECT_EQ(1, LanceRechercheSequences(NULL, szDir.c_str(), "VIDE", seqs,
                                         idx, 3, masks, 2, pfn, &calls));
    EXPECT_EQ((std::vector<std::pair<int, int>>{
                  { 0, RECH_TRONQUE }, { 1, RECH_TROUVE }, { 10, RECH_TROUVE },
                  { 11, RECH_TROUVE }, { 20, RECH_TRONQUE }, { 21, RECH_TROUVE } }),
              calls);
    EXPECT_EQ(std::vector<unsigned>{ IDS_FP_TOOMANY }, NoticeIds());
    EXPECT_EQ(OS_NOTICE_INFO, OsNoticeLog()[0].nKind);
    EXPECT_TRUE(Files().empty());
}

TEST_F(FindPat, FindLoopAsksAfterAFailure)
{
    char *seqs[] = { (char *)"ACGT", (char *)"TTTA" };
    char *masks[] = { (char *)"A", (char *)"A{3}", (char *)"T" };
    int idx[] = { 1, 0 };
    std::vector<int> calls;
    auto pfn = [](void *pParam, int nSeq, int nMotif, int, const char *) {
        ((std::vector<int> *)pParam)->push_back(nSeq * 10 + nMotif);
    };

    /* Yes: on with the next pattern. */
    OsNoticeQueueAnswer(OS_IDYES);
    OsNoticeQueueAnswer(OS_IDYES);
    EXPECT_EQ(1, LanceRechercheSequences(NULL, szDir.c_str(), "VIDE", seqs,
                                         idx, 2, masks, 3, pfn, &calls));
    EXPECT_EQ((std::vector<int>{ 10, 12, 0, 2 }), calls);
    EXPECT_EQ((std::vector<unsigned>{ IDS_BADPATTERN, IDS_ERRORAGAIN,
                                      IDS_BADPATTERN, IDS_ERRORAGAIN }),
              NoticeIds());
    EXPECT_TRUE(Files().empty());

    /* No: the whole search stops there. */
    OsNoticeLogClear();
    calls.clear();
    OsNoticeQueueAnswer(OS_IDNO);
    EXPECT_EQ(0, LanceRechercheSequences(NULL, szDir.c_str(), "VIDE", seqs,
                                         idx, 2, masks, 3, pfn, &calls));
    EXPECT_EQ(std::vector<int>{ 10 }, calls);
    EXPECT_TRUE(Files().empty());
}

/* ---- Results texts --------------------------------------------------- */

TEST_F(FindPat, ResultsTexts)
{
    std::vector<std::string> texts;
    auto pfn = [](void *pParam, const char *sz) {
        ((std::vector<std::string> *)pParam)->push_back(sz);
    };
    const char *szSeq = "MMMKDEMMMHKDE";

    WriteBytes(dir / "RESULTS.TMP",
               "3 5\r\n9 9\r\n-\r\n10 12\r\n-\r\n-\r\n0 0\n-\n");
    EXPECT_EQ(1, LitResultats((dir / "RESULTS.TMP").string().c_str(), szSeq,
                              pfn, &texts));
    EXPECT_EQ((std::vector<std::string>{ "   1 : -- 4<KDE>6 ---- 10<H>10 --",
                                         "   2 : -- 11<KDE>13 --",
                                         "   3 : -- 1<M>1 --" }),
              texts);

    /* The same through a search. */
    texts.clear();
    EXPECT_EQ(RECH_TROUVE, Search(szSeq, "K(DE)E{4}H"));
    EXPECT_EQ(1, LitResultats((dir / "RESULTS.TMP").string().c_str(), szSeq,
                              pfn, &texts));
    EXPECT_EQ(std::vector<std::string>{ "   1 : -- 4<KDE>6 ---- 10<H>10 --" },
              texts);

    EXPECT_EQ(0, LitResultats((dir / "NONE.TMP").string().c_str(), szSeq,
                              pfn, &texts));
}

TEST_F(FindPat, LongResultsTextsAreCut)
{
    std::vector<std::string> texts;
    auto pfn = [](void *pParam, const char *sz) {
        ((std::vector<std::string> *)pParam)->push_back(sz);
    };
    std::string seq;
    for (int i = 0; i < 2000; i++)
        seq += (char)('A' + i % 26);

    /* Occurrences of 49 residues are shown whole, longer ones by their
       first and last 23 around "...". */
    WriteBytes(dir / "RESULTS.TMP", "0 48\r\n0 49\r\n-\r\n");
    ASSERT_EQ(1, LitResultats((dir / "RESULTS.TMP").string().c_str(),
                              seq.c_str(), pfn, &texts));
    ASSERT_EQ(1u, texts.size());
    EXPECT_EQ("   1 : -- 1<" + seq.substr(0, 49) + ">49 ---- 1<"
                  + seq.substr(0, 23) + "..." + seq.substr(27, 23) + ">50 --",
              texts[0]);

    /* A match text is cut to 499 characters, ending in "...". */
    std::string file;
    for (int i = 0; i < 40; i++)
        file += std::to_string(i * 40) + " " + std::to_string(i * 40 + 30)
                + "\r\n";
    WriteBytes(dir / "RESULTS.TMP", file + "-\r\n");
    texts.clear();
    ASSERT_EQ(1, LitResultats((dir / "RESULTS.TMP").string().c_str(),
                              seq.c_str(), pfn, &texts));
    ASSERT_EQ(1u, texts.size());
    EXPECT_EQ((size_t)TAILLERESULTAT - 1, texts[0].size());
    EXPECT_EQ("...", texts[0].substr(texts[0].size() - 3));
    std::string head = "   1 : -- 1<" + seq.substr(0, 31) + ">31 ---- 41<";
    EXPECT_EQ(head, texts[0].substr(0, head.size()));

    /* Positions outside the sequence show no residues. */
    WriteBytes(dir / "RESULTS.TMP", "5 9000\r\n-\r\n");
    texts.clear();
    ASSERT_EQ(1, LitResultats((dir / "RESULTS.TMP").string().c_str(), "ABC",
                              pfn, &texts));
    EXPECT_EQ(std::vector<std::string>{ "   1 : -- 6<>9001 --" }, texts);
}

} // namespace
