/* Colour schemes: the fixed table, the settings file with its defaults,
   and the colours AssignColorForAA gives each column. */
#include "test_reader_util.h"

#include "colors.h"

using namespace readertest;

namespace {

TEST(Colors, FixedTable)
{
    static const unsigned long expected[NBCOULEURS] = {
        0x000000, 0xFFFFFF, 0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF, 0xFFFF00,
        0x000080, 0x008000, 0x800000, 0x008080, 0x800080, 0x808000, 0xC0C0C0, 0x808080};
    for (int i = 0; i < NBCOULEURS; i++)
        EXPECT_EQ(expected[i], TABCOLOR[i]) << "index " << i;
}

struct Tables {
    int txt[NBLETTRES], bk[NBLETTRES];
    int ident = -1, simil = -1, autre = -1;
    Tables()
    {
        for (int i = 0; i < NBLETTRES; i++)
            txt[i] = bk[i] = -1;
    }
    void Read(int nScheme, const char *szFile)
    {
        ReadColorConfFile(txt, bk, &ident, &simil, &autre, nScheme, szFile);
    }
};

TEST(Colors, DefaultsWithoutSettingsFile)
{
    TempFile gone;
    remove(gone.szPath);
    Tables hca, sim, nb, other;
    hca.Read(COULEUR_HCA, gone.szPath);
    sim.Read(COULEUR_SIMIDEN, gone.szPath);
    nb.Read(COULEUR_NOIRBLANC, gone.szPath);
    other.Read(40, gone.szPath);
    for (int i = 0; i < NBLETTRES; i++) {
        SCOPED_TRACE((char)('A' + i));
        EXPECT_EQ(0, hca.txt[i]);
        EXPECT_EQ(1, hca.bk[i]);
        EXPECT_EQ(-1, sim.txt[i]) << "text table untouched under scheme 20";
        EXPECT_EQ(1, sim.bk[i]);
        EXPECT_EQ(0, nb.txt[i]);
        EXPECT_EQ(1, nb.bk[i]);
        EXPECT_EQ(-1, other.txt[i]);
        EXPECT_EQ(-1, other.bk[i]);
    }
    EXPECT_EQ(-1, hca.ident) << "outputs untouched under scheme 10";
    EXPECT_EQ(2, sim.ident);
    EXPECT_EQ(4, sim.simil);
    EXPECT_EQ(0, sim.autre);
    EXPECT_EQ(0, nb.ident);
    EXPECT_EQ(0, nb.simil);
    EXPECT_EQ(0, nb.autre);
    EXPECT_EQ(-1, other.ident);
}

TEST(Colors, SettingsFileValues)
{
    TempFile cfg("; colour settings\r\n"
                 "[couleurs_hca]\r\n"
                 "w = 3\r\n"
                 "A=16\r\n"     /* no such colour: default */
                 "C=-1\r\n"     /* no such colour: default */
                 "D=  12 blue\r\n"
                 "E=x\r\n"      /* no digits: 0 */
                 "[Couleur_Fond_HCA]\r\n"
                 "W=7\r\n"
                 "[Couleurs_SimIden]\r\n"
                 "IDENT=9\r\n"
                 "simil=99\r\n"
                 "[Couleur_Fond_SimIden]\r\n"
                 "K=14\r\n");
    Tables hca, sim;
    hca.Read(COULEUR_HCA, cfg.szPath);
    sim.Read(COULEUR_SIMIDEN, cfg.szPath);
    static const struct {
        char c;
        int txt, bk;
    } letters[] = {
        /* letter text background (scheme 10) */
        {'W', 3, 7}, {'A', 0, 1}, {'C', 0, 1}, {'D', 12, 1}, {'E', 0, 1}, {'K', 0, 1}};
    for (const auto &l : letters) {
        SCOPED_TRACE(l.c);
        EXPECT_EQ(l.txt, hca.txt[l.c - 'A']);
        EXPECT_EQ(l.bk, hca.bk[l.c - 'A']);
    }
    EXPECT_EQ(9, sim.ident);
    EXPECT_EQ(4, sim.simil) << "99 is no colour";
    EXPECT_EQ(0, sim.autre);
    EXPECT_EQ(14, sim.bk['K' - 'A']);
    EXPECT_EQ(1, sim.bk['W' - 'A']);
}

/* A document showing a hand-made HSP; ConfigFile names cfg. */
struct Shown {
    pDataGeneralPrg pData;
    Shown(const char *szQuery, const char *szComp, const char *szSubject, const char *szCfg,
          int nScheme, int nBk)
    {
        pData = InitDataProgram();
        strcpy(pData->ConfigFile, szCfg);
        pData->nColorPref = nScheme;
        pData->nBkColor = nBk;
        pHalyardHSPData p = (pHalyardHSPData)MyAlloc(sizeof(HalyardHSPData));
        int n = (int)strlen(szQuery);
        p->tailleAlign = n;
        p->szQuery = Copy(szQuery, n);
        p->szComp = Copy(szComp, n);
        p->szSubject = Copy(szSubject, n);
        unsigned int **arrays[] = {&p->QueryTxtClr,   &p->QueryBkClr, &p->SubjectTxtClr,
                                   &p->SubjectBkClr, &p->CompTxtClr, &p->CompBkClr};
        for (unsigned int **a : arrays) {
            *a = (unsigned int *)MyAlloc(n * sizeof(unsigned int));
            for (int i = 0; i < n; i++)
                (*a)[i] = 99; /* every column must be written */
        }
        pData->pVhspData = p;
        AssignColorForAA(pData);
    }
    static char *Copy(const char *s, int n)
    {
        char *p = (char *)MyAlloc(n + 1);
        memcpy(p, s, strlen(s) < (size_t)n ? strlen(s) : (size_t)n);
        return p;
    }
    ~Shown() { FreeDataProgram(pData); }
    /* "text/background" of row r (0 query, 1 match, 2 subject), column c. */
    std::string At(int r, int c) const
    {
        pHalyardHSPData p = pData->pVhspData;
        unsigned *t[] = {p->QueryTxtClr, p->CompTxtClr, p->SubjectTxtClr};
        unsigned *b[] = {p->QueryBkClr, p->CompBkClr, p->SubjectBkClr};
        return std::to_string(t[r][c]) + "/" + std::to_string(b[r][c]);
    }
    std::vector<std::string> Row(int r) const
    {
        std::vector<std::string> v;
        for (int c = 0; c < pData->pVhspData->tailleAlign; c++)
            v.push_back(At(r, c));
        return v;
    }
};

typedef std::vector<std::string> V;

TEST(AssignColorForAA, IdentitySimilarityDefaults)
{
    TempFile gone;
    remove(gone.szPath);
    /* columns: identity, similarity, nothing, gap */
    Shown s("AKW-", "A+  ", "ARFG", gone.szPath, COULEUR_SIMIDEN, 1);
    EXPECT_EQ((V{"2/1", "4/1", "0/1", "0/1"}), s.Row(0));
    EXPECT_EQ((V{"0/1", "0/1", "0/1", "0/1"}), s.Row(1));
    EXPECT_EQ((V{"2/1", "4/1", "0/1", "0/1"}), s.Row(2));
}

TEST(AssignColorForAA, SchemesAndBackgroundOption)
{
    TempFile cfg("[Couleurs_HCA]\nW=3\nA=2\n[Couleur_Fond_HCA]\nW=5\n"
                 "[Couleur_Fond_SimIden]\nA=6\n");
    static const struct {
        const char *szWhat;
        int nScheme, nBk;
        V query, comp, subject;
    } cases[] = {
        /* query "AW-W", match "A  +", subject "AWKW" */
        {"HCA colours", COULEUR_HCA, 1, {"2/1", "3/5", "0/1", "3/5"}, {"1/0", "0/1", "0/1", "0/1"},
         {"2/1", "3/5", "0/1", "3/5"}},
        {"HCA colours, background off", COULEUR_HCA, 0, {"2/1", "3/1", "0/1", "3/1"},
         {"1/0", "0/1", "0/1", "0/1"}, {"2/1", "3/1", "0/1", "3/1"}},
        {"identity colours", COULEUR_SIMIDEN, 1, {"2/6", "0/1", "0/1", "4/1"},
         {"0/1", "0/1", "0/1", "0/1"}, {"2/6", "0/1", "0/1", "4/1"}},
        {"identity colours, background off", COULEUR_SIMIDEN, 0, {"2/1", "0/1", "0/1", "4/1"},
         {"0/1", "0/1", "0/1", "0/1"}, {"2/1", "0/1", "0/1", "4/1"}},
        {"black and white", COULEUR_NOIRBLANC, 1, {"0/1", "0/1", "0/1", "0/1"},
         {"1/0", "0/1", "0/1", "0/1"}, {"0/1", "0/1", "0/1", "0/1"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.szWhat);
        Shown s("AW-W", "A  +", "AWKW", cfg.szPath, c.nScheme, c.nBk);
        EXPECT_EQ(c.query, s.Row(0));
        EXPECT_EQ(c.comp, s.Row(1));
        EXPECT_EQ(c.subject, s.Row(2));
    }
}

/* Rows shorter than the alignment (a damaged block) colour their empty
   columns as blanks. */
TEST(AssignColorForAA, ShortRowsColourAsBlanks)
{
    TempFile gone;
    remove(gone.szPath);
    Shown s("AAAA", "A", "", gone.szPath, COULEUR_HCA, 1);
    EXPECT_EQ((V{"0/1", "0/1", "0/1", "0/1"}), s.Row(0));
    EXPECT_EQ((V{"1/0", "0/1", "0/1", "0/1"}), s.Row(1));
    EXPECT_EQ((V{"0/1", "0/1", "0/1", "0/1"}), s.Row(2));
}

} // namespace
