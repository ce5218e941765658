/* HCA preparation of a row: clusters, contour edges, zig-zag motifs,
   numbering, colours, and the record's memory. The property test checks
   thousands of random rows against rules stated from the definitions of
   a cluster and a motif, not from the code. */
#include <gtest/gtest.h>
#include <limits.h>
#include <string.h>

#include <memory>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "colors.h"
#include "hca.h"
#include "memory.h"
#include "os_portable.h"
#include "test_reader_util.h"

#include <dirent.h>

namespace {

struct Liberateur {
    void operator()(InfoSequence *p) const { FreeDataSequence(p); }
};
typedef std::unique_ptr<InfoSequence, Liberateur> SeqPtr;

SeqPtr Prepare(const char *szRow, int nPremier = 1)
{
    return SeqPtr(PrepSequenceHCA(szRow, NULL, NULL, nPremier, "TEST", "", NULL));
}

/* (first, last, zig-zag flag) of every cluster, checking the numbers. */
typedef std::tuple<unsigned, unsigned, unsigned> Amas;
std::vector<Amas> Clusters(const InfoSequence *p)
{
    std::vector<Amas> v;
    for (unsigned c = 0; c < p->nAmas; c++) {
        const unsigned *e = p->TableauAmas + c * AMAS_NCHAMPS;
        EXPECT_EQ(c + 1, e[AMAS_NUMERO]) << "cluster numbering in " << p->Sequence;
        v.emplace_back(e[AMAS_DEBUT], e[AMAS_FIN], e[AMAS_ZIGZAG]);
    }
    return v;
}

std::vector<unsigned> ZigZags(const InfoSequence *p)
{
    return std::vector<unsigned>(p->TableauZigZag, p->TableauZigZag + p->nZigZag);
}

std::vector<int> Bits(const InfoSequence *p)
{
    std::vector<int> v;
    for (int i = 0; i < p->TailleSeq; i++)
        v.push_back(p->pInfoAA[i].TabHydro);
    return v;
}

class HcaPrep : public ::testing::Test {
protected:
    void SetUp() override { OsNoticeLogClear(); MyAllocFailAfter(-1); }
    void TearDown() override { MyAllocFailAfter(-1); }
};

/* ---- Clusters and zig-zag motifs ------------------------------------- */

struct ClusterCase {
    const char           *szRow;
    std::vector<Amas>     amas;     /* (first, last, flag)             */
    std::vector<unsigned> zigzag;   /* 1-based motif starts            */
};

TEST_F(HcaPrep, ClustersAndZigZags)
{
    static const ClusterCase cases[] = {
        /* row            clusters                     zig-zags */
        { "LAAAL",        { Amas(0, 4, 0) },               {} },   /* +4 neighbours */
        { "LAAAAL",       { Amas(0, 0, 0), Amas(5, 5, 0) }, {} },  /* 5 apart: none */
        { "LAL",          { Amas(0, 2, 0) },               {} },   /* the +2 step   */
        { "LALAL",        { Amas(0, 4, 0) },               {} },   /* 2 left out    */
        { "ALALAA",       { Amas(1, 3, 1) },               { 2 } },
        { "LALAAA",       { Amas(0, 2, 0) },               {} },   /* no motif at 0 */
        { "LPAL",         { Amas(0, 0, 0), Amas(3, 3, 0) }, {} },
        { "LAPAL",        { Amas(0, 0, 0), Amas(4, 4, 0) }, {} },
        { "LALPL",        { Amas(0, 2, 0), Amas(4, 4, 0) }, {} },  /* P stops +2    */
        { "AKDEGSTNQ",    {},                              {} },
        { "",             {},                              {} },
        { "L",            { Amas(0, 0, 0) },               {} },
        { "LLLLLLLLLL",   { Amas(0, 9, 0) },               {} },
        { "AAAALAAAA",    { Amas(4, 4, 0) },               {} },
        /* Only upper-case letters have a class; gaps are not breakers. */
        { "l-L*L",        { Amas(2, 4, 0) },               {} },
        /* Two motifs in one span, one at a residue the cluster left out. */
        { "ALALALAA",     { Amas(1, 5, 1) },               { 2, 4 } },
        { "ALALA",        { Amas(1, 3, 1) },               { 2 } },
        { "ALAL",         { Amas(1, 3, 0) },               {} },   /* no room after */
        /* Breakers split clusters but not motifs. */
        { "APLPLA",       { Amas(2, 2, 1), Amas(4, 4, 0) }, { 3 } },
    };
    for (const ClusterCase &c : cases) {
        SeqPtr p = Prepare(c.szRow);
        ASSERT_NE(nullptr, p) << c.szRow;
        EXPECT_EQ(c.amas, Clusters(p.get())) << "row " << c.szRow;
        EXPECT_EQ(c.zigzag, ZigZags(p.get())) << "row " << c.szRow;
    }
    EXPECT_TRUE(OsNoticeLog().empty());
}

/* ---- Contour-edge bits ------------------------------------------------ */

TEST_F(HcaPrep, ContourBits)
{
    static const struct {
        const char      *szRow;
        std::vector<int> bits;
    } cases[] = {
        /* No edge lies between n-1 and n+1: the middle A stays open. */
        { "LAL",       { 0x3F, 0, 0x3F } },
        /* 0 and 4 linked: the A cells carry the edge between them. */
        { "LAAAL",     { 0x0F, 0x08, 0, 0x04, 0x3C } },
        /* The same with a proline in the way: both close completely. */
        { "LAPAL",     { 0x3F, 0, 0, 0, 0x3F } },
        { "LPAL",      { 0x3F, 0, 0, 0x3F } },
        { "LL",        { 0x1B, 0x36 } },
        { "AAAA",      { 0, 0, 0, 0 } },
        /* A whole hydrophobic stretch is open inside, closed at its ends
           towards residues that do not exist. */
        { "LLLLLLLLL", { 0x03, 0x02, 0x02, 0, 0, 0, 0x10, 0x10, 0x30 } },
        { "AAAALAAAA", { 0, 0, 0, 0, 0x3F, 0, 0, 0, 0 } },
    };
    for (const auto &c : cases) {
        SeqPtr p = Prepare(c.szRow);
        ASSERT_NE(nullptr, p) << c.szRow;
        EXPECT_EQ(c.bits, Bits(p.get())) << "row " << c.szRow;
    }
}

/* ---- Classes, breakers, colours ---------------------------------------- */

TEST_F(HcaPrep, HydrophobicClassOfAnyCharacter)
{
    for (char c = 'A'; c <= 'Z'; c++) {
        int nExpected = strchr("FILMVWY", c) != NULL;
        EXPECT_EQ(nExpected, ClasseHydro(c)) << "letter " << c;
    }
    /* Gaps, stops, digits, lower case and bytes beyond ASCII never index
       outside the table. */
    for (char c : { '-', '*', '0', '9', ' ', '@', '[', '`', 'l', 'f', 'z',
                    '\0', '\x7F', '\x80', '\xC9', '\xFF' })
        EXPECT_EQ(0, ClasseHydro(c)) << "character code " << (int)(unsigned char)c;

    SeqPtr p = Prepare("L-l*\xC9W1P");
    ASSERT_NE(nullptr, p);
    const int phi[] = { 1, 0, 0, 0, 0, 1, 0, 0 };
    const int brk[] = { 0, 0, 0, 0, 0, 0, 0, 1 };
    for (int i = 0; i < 8; i++) {
        EXPECT_EQ(phi[i], p->pInfoAA[i].PhiPho) << "residue " << i;
        EXPECT_EQ(brk[i], p->pInfoAA[i].Isbreaker) << "residue " << i;
    }
}

TEST_F(HcaPrep, ColoursFromIndices)
{
    /* residue:                 L     A     G     W     K        */
    const unsigned txt[] = {    0,    2,   16,   99,    4 };
    const unsigned bk[]  = {    1,   14,   16, 1000,    9 };
    const unsigned long aa[]   = { 0x000000, 0x0000FF, 0x000000, 0x000000, 0xFF0000 };
    const unsigned long fond[] = { 0xFFFFFF, 0xC0C0C0, 0xFFFFFF, 0xFFFFFF, 0x008000 };

    SeqPtr p(PrepSequenceHCA("LAGWK", txt, bk, 1, "X", "", NULL));
    ASSERT_NE(nullptr, p);
    for (int i = 0; i < 5; i++) {
        EXPECT_EQ(aa[i], p->pInfoAA[i].CouleurAA) << "letter colour of residue " << i;
        EXPECT_EQ(fond[i], p->pInfoAA[i].CouleurFond) << "cell colour of residue " << i;
    }
}

/* ---- Numbering -------------------------------------------------------- */

TEST_F(HcaPrep, ScaleNumbers)
{
    static const struct {
        const char      *szRow;
        int              nPremier;
        std::vector<int> nums;
    } cases[] = {
        { "AB-C",  25,      { 25, 26, -1, 27 } },
        { "ABC",   0,       { 1, 2, 3 } },          /* 0 is never used   */
        { "ABC",   -1,      { -1, 1, 2 } },
        { "a*b1",  5,       { 5, -1, 6, -1 } },     /* lower case counts */
        { "--",    3,       { -1, -1 } },
        { "ABC",   INT_MAX, { INT_MAX, INT_MAX, INT_MAX } }, /* no wrap  */
    };
    for (const auto &c : cases) {
        SeqPtr p = Prepare(c.szRow, c.nPremier);
        ASSERT_NE(nullptr, p);
        std::vector<int> got;
        for (int i = 0; i < p->TailleSeq; i++)
            got.push_back(p->pInfoAA[i].ValeurEchRel);
        EXPECT_EQ(c.nums, got) << "row " << c.szRow << " from " << c.nPremier;
    }
}

/* ---- The record ------------------------------------------------------- */

TEST_F(HcaPrep, RecordFields)
{
    std::string sLong(400, 'N');
    SeqPtr p(PrepSequenceHCA("MKVL-AG", NULL, NULL, 12, sLong.c_str(), "C:\\HAL\\", NULL));
    ASSERT_NE(nullptr, p);
    EXPECT_STREQ("HALYARD", p->ConfigFile);
    EXPECT_STREQ("C:\\HAL\\", p->szPathFile);
    EXPECT_EQ(std::string(HCA_MAX_PATH - 1, 'N'), std::string(p->SeqName));
    EXPECT_STREQ("MKVL-AG", p->Sequence);
    EXPECT_EQ(7, p->TailleSeq);
    EXPECT_EQ(0, p->StartAffich);
    EXPECT_EQ(6, p->StopAffich);
    EXPECT_EQ(7, p->LengthAffich);
    EXPECT_EQ(8u, MySize(p->Sequence));
    EXPECT_LE(7 * sizeof(INFOAA), (size_t)MySize(p->pInfoAA));

    SeqPtr pVide = Prepare("");
    ASSERT_NE(nullptr, pVide);
    EXPECT_EQ(0, pVide->TailleSeq);
    EXPECT_EQ(-1, pVide->StopAffich);
    EXPECT_TRUE(OsNoticeLog().empty());
}

TEST_F(HcaPrep, InitFailuresReleaseEverything)
{
    /* Record, row, cluster table, zig-zag table, residues: each failure
       is reported once and leaves nothing allocated. */
    for (int k = 0; k < 5; k++) {
        OsNoticeLogClear();
        MyAllocFailAfter(k);
        EXPECT_EQ(nullptr, InitPtrInfoSeq(10)) << "allocation " << k;
        EXPECT_EQ(1u, OsNoticeLog().size()) << "allocation " << k;
    }
    MyAllocFailAfter(-1);
    OsNoticeLogClear();
    EXPECT_EQ(nullptr, InitPtrInfoSeq(-1));
    EXPECT_EQ(nullptr, InitPtrInfoSeq(INT_MAX - 1)); /* size beyond the heap */
    EXPECT_EQ(2u, OsNoticeLog().size());
}

/* A row that makes every table grow several times: 40 clusters, long
   member lists and many motifs. */
std::string LongueLigne()
{
    std::string s;
    for (int i = 0; i < 20; i++)
        s += "ALALAAKDE" "LLLLLLLLLLLLLLLLLLLLP";
    return s;
}

TEST_F(HcaPrep, PreparationFailuresReleaseEverything)
{
    std::string sRow = LongueLigne();
    SeqPtr pRef = Prepare(sRow.c_str());
    ASSERT_NE(nullptr, pRef);
    ASSERT_EQ(40u, pRef->nAmas);
    ASSERT_EQ(20u, pRef->nZigZag);

    /* Fail each allocation in turn until the preparation gets through;
       LeakSanitizer (native builds) checks that nothing was lost. */
    int k;
    for (k = 0; k < 200; k++) {
        OsNoticeLogClear();
        MyAllocFailAfter(k);
        SeqPtr p = Prepare(sRow.c_str());
        if (p != nullptr) {
            EXPECT_TRUE(OsNoticeLog().empty()) << "allocation " << k;
            EXPECT_EQ(Clusters(pRef.get()), Clusters(p.get()));
            break;
        }
        EXPECT_EQ(1u, OsNoticeLog().size()) << "allocation " << k;
    }
    EXPECT_GT(k, 10) << "fewer allocations than the tables need";
    EXPECT_LT(k, 200);
}

TEST_F(HcaPrep, DuplicateIsDeepAndReleasesOnFailure)
{
    std::string sRow = LongueLigne();
    SeqPtr p = Prepare(sRow.c_str(), 7);
    ASSERT_NE(nullptr, p);
    p->HcaData.nPosScroll = 33;

    SeqPtr pCopy(DuplicatePData(p.get()));
    ASSERT_NE(nullptr, pCopy);
    EXPECT_NE(p->Sequence, pCopy->Sequence);
    EXPECT_NE(p->pInfoAA, pCopy->pInfoAA);
    EXPECT_NE(p->TableauAmas, pCopy->TableauAmas);
    EXPECT_NE(p->TableauZigZag, pCopy->TableauZigZag);
    EXPECT_STREQ(p->Sequence, pCopy->Sequence);
    EXPECT_EQ(Clusters(p.get()), Clusters(pCopy.get()));
    EXPECT_EQ(ZigZags(p.get()), ZigZags(pCopy.get()));
    EXPECT_EQ(0, memcmp(p->pInfoAA, pCopy->pInfoAA, p->TailleSeq * sizeof(INFOAA)));
    EXPECT_EQ(33u, pCopy->HcaData.nPosScroll);

    /* The copy is the print job's own: changing it leaves the plot alone. */
    pCopy->pInfoAA[0].CouleurFond = 0x123456;
    pCopy->HcaData.IsDrawDraft = 1;
    EXPECT_NE(0x123456UL, p->pInfoAA[0].CouleurFond);
    EXPECT_EQ(0, p->HcaData.IsDrawDraft);

    SeqPtr pVide = Prepare("AAAA");
    for (const InfoSequence *pSrc : { p.get(), pVide.get() }) {
        for (int k = 0; k < 5; k++) {
            OsNoticeLogClear();
            MyAllocFailAfter(k);
            EXPECT_EQ(nullptr, DuplicatePData(pSrc)) << "allocation " << k;
            EXPECT_EQ(1u, OsNoticeLog().size()) << "allocation " << k;
        }
        MyAllocFailAfter(-1);
        SeqPtr pOk(DuplicatePData(pSrc));
        ASSERT_NE(nullptr, pOk);
        EXPECT_EQ(Clusters(pSrc), Clusters(pOk.get()));
    }
    EXPECT_EQ(nullptr, DuplicatePData(NULL));
}

/* ---- Properties over random rows --------------------------------------- */

bool Hydro(const std::string &s, int i)
{
    return i >= 0 && i < (int)s.size() && strchr("FILMVWY", s[i]) != NULL && s[i] != '\0';
}

/* A proline at some index of [lo, hi). */
bool ProlineDans(const std::string &s, int lo, int hi)
{
    for (int i = lo < 0 ? 0 : lo; i < hi && i < (int)s.size(); i++)
        if (s[i] == 'P')
            return true;
    return false;
}

bool Motif(const std::string &s, int j)
{
    return j >= 1 && j + 3 < (int)s.size() && Hydro(s, j) && Hydro(s, j + 2)
        && !Hydro(s, j - 1) && !Hydro(s, j + 1) && !Hydro(s, j + 3);
}

/* Checks a prepared row against rules stated from the definitions:
   clusters begin and end on hydrophobic residues, hold no proline, cannot
   grow at either end, never overlap, and cover every hydrophobic residue;
   motifs are where the pattern is; numbers count the letters. */
void VerifieSequence(const InfoSequence *p, const std::string &s, int nPremier)
{
    const int n = (int)s.size();
    ASSERT_EQ(n, p->TailleSeq);
    std::vector<Amas> amas = Clusters(p);
    std::vector<unsigned> zz;
    std::vector<int> couvert(n, 0);
    int nFinPrec = -1;

    for (const Amas &a : amas) {
        int f = (int)std::get<0>(a), l = (int)std::get<1>(a);
        ASSERT_LE(f, l);
        ASSERT_LT(l, n);
        EXPECT_TRUE(Hydro(s, f)) << "first residue " << f;
        EXPECT_TRUE(Hydro(s, l)) << "last residue " << l;
        EXPECT_GT(f, nFinPrec) << "spans overlap or are out of order";
        EXPECT_FALSE(ProlineDans(s, f, l + 1)) << "proline inside " << f << ".." << l;
        /* Nothing linked lies just beyond either end. */
        for (int d = 1; d <= 4; d++) {
            if (Hydro(s, l + d)) {
                EXPECT_TRUE(ProlineDans(s, l + 1, l + d)) << "cluster ending at " << l
                    << " could take " << l + d;
            }
        }
        for (int d : { 1, 3, 4 }) {
            if (Hydro(s, f - d)) {
                EXPECT_TRUE(ProlineDans(s, f - d + 1, f)) << "cluster starting at " << f
                    << " could take " << f - d;
            }
        }
        bool bMotif = false;
        for (int j = f > 1 ? f : 1; j <= l; j++)
            if (Motif(s, j)) {
                bMotif = true;
                zz.push_back((unsigned)j + 1);
            }
        EXPECT_EQ(bMotif ? 1u : 0u, std::get<2>(a)) << "flag of " << f << ".." << l;
        for (int i = f; i <= l; i++)
            couvert[i] = 1;
        nFinPrec = l;
    }
    EXPECT_EQ(zz, ZigZags(p));

    int nNum = nPremier == 0 ? 1 : nPremier;
    for (int i = 0; i < n; i++) {
        const INFOAA &aa = p->pInfoAA[i];
        unsigned char c = (unsigned char)s[i];
        if (Hydro(s, i)) {
            EXPECT_TRUE(couvert[i]) << "hydrophobic residue " << i << " in no span";
        }
        EXPECT_EQ(s[i] == 'P', aa.Isbreaker != 0) << "residue " << i;
        EXPECT_EQ(Hydro(s, i), aa.PhiPho != 0) << "residue " << i;
        bool bSeul = true;
        for (int d : { -4, -3, -1, 1, 3, 4 })
            if (Hydro(s, i + d))
                bSeul = false;
        if (bSeul) {
            EXPECT_EQ(Hydro(s, i) ? 0x3F : 0, aa.TabHydro) << "lonely residue " << i;
        }
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
            EXPECT_EQ(nNum, aa.ValeurEchRel) << "residue " << i;
            nNum = nNum + 1 == 0 ? 1 : nNum + 1;
        } else {
            EXPECT_EQ(-1, aa.ValeurEchRel) << "residue " << i;
        }
    }
}

void VerifieProprietes(const std::string &s, int nPremier)
{
    SCOPED_TRACE("row " + s);
    SeqPtr p = Prepare(s.c_str(), nPremier);
    ASSERT_NE(nullptr, p);
    VerifieSequence(p.get(), s, nPremier);
}

TEST_F(HcaPrep, PropertiesOfRandomRows)
{
    std::mt19937 rng(20240611u);
    const std::string hydro = "FILMVWY";
    const std::string autres = "ACDEGHKNQRSTBXZ";
    const std::string divers = "-*lfp1 \xC9";

    for (int iter = 0; iter < 4000; iter++) {
        int n = (int)(rng() % 120);
        std::string s;
        for (int i = 0; i < n; i++) {
            unsigned r = rng() % 100;
            if (r < 40)
                s += hydro[rng() % hydro.size()];
            else if (r < 48)
                s += 'P';
            else if (r < 92)
                s += autres[rng() % autres.size()];
            else
                s += divers[rng() % divers.size()];
        }
        VerifieProprietes(s, (int)(rng() % 2000) - 5);
        if (HasFailure())
            break;
    }
    EXPECT_TRUE(OsNoticeLog().empty());
}

TEST_F(HcaPrep, HydrophobicRowWithoutProlineIsOneCluster)
{
    std::mt19937 rng(7u);
    const std::string hydro = "FILMVWY";

    for (int n = 1; n <= 300; n++) {
        std::string s;
        for (int i = 0; i < n; i++)
            s += hydro[rng() % hydro.size()];
        SeqPtr p = Prepare(s.c_str());
        ASSERT_NE(nullptr, p);
        EXPECT_EQ(std::vector<Amas>({ Amas(0, n - 1, 0) }), Clusters(p.get())) << "length " << n;
        for (int i = 4; i < n - 4; i++)
            ASSERT_EQ(0, p->pInfoAA[i].TabHydro) << "inner residue " << i << " of " << n;
    }
}

TEST_F(HcaPrep, LongRows)
{
    /* Long rows must not cost quadratic time in the cluster search. */
    std::mt19937 rng(11u);
    std::string sHydro(30000, 'L'), sMix;
    for (int i = 0; i < 30000; i++)
        sMix += "LIVAKPDEGW"[rng() % 10];
    SeqPtr p = Prepare(sHydro.c_str());
    ASSERT_NE(nullptr, p);
    EXPECT_EQ(std::vector<Amas>({ Amas(0, 29999, 0) }), Clusters(p.get()));
    VerifieProprietes(sMix, 1);
}

/* ---- Rows of real reports ---------------------------------------------- */

std::vector<std::string> RapportsPartages(const std::string &sDir)
{
    std::vector<std::string> v;
    DIR *d = opendir(sDir.c_str());
    if (d == NULL)
        return v;
    while (struct dirent *e = readdir(d)) {
        std::string sNom = e->d_name;
        if (sNom.size() > 4 && sNom.compare(sNom.size() - 4, 4, ".bla") == 0)
            v.push_back(sNom);
    }
    closedir(d);
    return v;
}

/* Both rows of every HSP of the shared reports, coloured under the HCA
   scheme as the viewer gets them: gaps, stops, DNA and long alignments. */
TEST_F(HcaPrep, EveryRowOfTheSharedReports)
{
    using namespace readertest;
    std::string sDir = std::string(HALYARD_SHARED_TESTDATA) + "/blast";
    std::vector<std::string> files = RapportsPartages(sDir);
    if (files.empty())
        GTEST_SKIP() << "no shared test reports in " << sDir;

    GraphObjData g;
    memset(&g, 0, sizeof g);
    AssigneDimDiag(&g, 7, 16);
    CalculAmasUnitaire(&g);
    int nRows = 0, nAmas = 0;
    for (const std::string &sNom : files) {
        SCOPED_TRACE(sNom);
        ReadReport r(sDir + "/" + sNom, true);
        if (r.nResult != LB_OK)
            continue;
        FILE *f = fopen(r.index.szPath, "rb");
        ASSERT_NE(nullptr, f);
        for (unsigned h = 0; h < r.pData->nAlign; h++) {
            for (unsigned k = 1; k <= r.Hit(h)->unHSP; k++) {
                SCOPED_TRACE(testing::Message() << "hit " << h + 1 << " HSP " << k);
                LoadedHsp l(f, h + 1, k);
                ASSERT_NE(nullptr, l.p);
                r.pData->pVhspData = l.p;
                AssignColorForAA(r.pData);
                r.pData->pVhspData = NULL;

                const struct {
                    const char *szRow;
                    const unsigned *txt, *bk;
                    unsigned nDebut;
                } rows[] = {
                    { l.p->szQuery, l.p->QueryTxtClr, l.p->QueryBkClr, l.p->StartQuery },
                    { l.p->szSubject, l.p->SubjectTxtClr, l.p->SubjectBkClr, l.p->StartSubject },
                };
                for (const auto &row : rows) {
                    SeqPtr p(PrepSequenceHCA(row.szRow, row.txt, row.bk, (int)row.nDebut,
                                             r.Hit(h)->szAccessNb,
                                             r.pData->szWorkingDirectory, &g));
                    ASSERT_NE(nullptr, p);
                    VerifieSequence(p.get(), row.szRow, (int)row.nDebut);
                    for (int i = 0; i < p->TailleSeq; i++) {
                        ASSERT_EQ(TABCOLOR[row.txt[i]], p->pInfoAA[i].CouleurAA) << i;
                        ASSERT_EQ(TABCOLOR[row.bk[i]], p->pInfoAA[i].CouleurFond) << i;
                    }
                    EXPECT_STREQ(r.Hit(h)->szAccessNb, p->SeqName);
                    nRows++;
                    nAmas += (int)p->nAmas;
                    if (HasFailure())
                        break;
                }
                if (HasFailure())
                    break;
            }
        }
        fclose(f);
    }
    RecordProperty("rows", nRows);
    RecordProperty("clusters", nAmas);
    EXPECT_GT(nRows, 20);
    EXPECT_GT(nAmas, 20);
    EXPECT_TRUE(OsNoticeLog().empty());
}

} // namespace
