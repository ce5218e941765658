/* Colour schemes: the settings file with its defaults, and the colours
   AssignColorForAA gives each column. */
#include "test_reader_util.h"

#include <algorithm>

#include "colors.h"

using namespace readertest;

namespace {

TEST(Colors, SettingsFileAndDefaults)
{
    TempFile gone("", true);
    TempFile cfg("; colour settings\r\n"
                 "[couleurs_hca]\r\nw = 3\r\nA=16\r\nC=-1\r\nD=  12 blue\r\nE=x\r\n"
                 "[Couleur_Fond_HCA]\r\nW=7\r\n"
                 "[Couleurs_SimIden]\r\nIDENT=9\r\nsimil=99\r\n"
                 "[Couleur_Fond_SimIden]\r\nK=14\r\n");
    const struct {
        int nScheme;
        const char *szFile;
        char c; /* the letter checked, '*' every letter */
        int txt, bk, ident, simil, autre;
    } cases[] = {
        /* scheme, file, letter, its text and background colours, identity,
           similarity, other residues; -1: left untouched */
        {COULEUR_HCA, gone.szPath, '*', 0, 1, -1, -1, -1},
        {COULEUR_SIMIDEN, gone.szPath, '*', -1, 1, 2, 4, 0},
        {COULEUR_NOIRBLANC, gone.szPath, '*', 0, 1, 0, 0, 0},
        {40, gone.szPath, '*', -1, -1, -1, -1, -1},
        {COULEUR_HCA, cfg.szPath, 'W', 3, 7, -1, -1, -1}, /* names in any case */
        {COULEUR_HCA, cfg.szPath, 'A', 0, 1, -1, -1, -1}, /* 16: no colour, default */
        {COULEUR_HCA, cfg.szPath, 'C', 0, 1, -1, -1, -1}, /* -1: no colour, default */
        {COULEUR_HCA, cfg.szPath, 'D', 12, 1, -1, -1, -1},
        {COULEUR_HCA, cfg.szPath, 'E', 0, 1, -1, -1, -1}, /* no digits: 0 */
        {COULEUR_SIMIDEN, cfg.szPath, 'K', -1, 14, 9, 4, 0}, /* 99: no colour */
        {COULEUR_SIMIDEN, cfg.szPath, 'W', -1, 1, 9, 4, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "scheme " << c.nScheme << " letter " << c.c
                                        << (c.szFile == gone.szPath ? " without file" : ""));
        int txt[NBLETTRES], bk[NBLETTRES], ident = -1, simil = -1, autre = -1;
        for (int i = 0; i < NBLETTRES; i++)
            txt[i] = bk[i] = -1;
        ReadColorConfFile(txt, bk, &ident, &simil, &autre, c.nScheme, c.szFile);
        for (int i = 0; i < NBLETTRES; i++) {
            if (c.c == '*' || c.c == 'A' + i) {
                EXPECT_EQ(c.txt, txt[i]) << (char)('A' + i);
                EXPECT_EQ(c.bk, bk[i]) << (char)('A' + i);
            }
        }
        EXPECT_EQ(c.ident, ident);
        EXPECT_EQ(c.simil, simil);
        EXPECT_EQ(c.autre, autre);
    }
}

typedef std::vector<std::string> V;

/* "text/background" of every column of the three rows (query, match,
   subject) of a hand-made HSP coloured under a scheme; the colour arrays
   start at 99 so that every column must be written. */
std::vector<V> Coloured(const char *szQuery, const char *szComp, const char *szSubject,
                        const char *szCfg, int nScheme, int nBk)
{
    pDataGeneralPrg pData = InitDataProgram();
    snprintf(pData->ConfigFile, sizeof pData->ConfigFile, "%s", szCfg);
    pData->nColorPref = nScheme;
    pData->nBkColor = nBk;
    pHalyardHSPData p = (pHalyardHSPData)MyAlloc(sizeof(HalyardHSPData));
    int n = p->tailleAlign = (int)strlen(szQuery);
    char **rows[] = {&p->szQuery, &p->szComp, &p->szSubject};
    const char *texts[] = {szQuery, szComp, szSubject};
    for (int r = 0; r < 3; r++) {
        *rows[r] = (char *)MyAlloc(n + 1); /* shorter rows end early */
        memcpy(*rows[r], texts[r], strlen(texts[r]));
    }
    unsigned **arrays[] = {&p->QueryTxtClr, &p->QueryBkClr, &p->CompTxtClr,
                           &p->CompBkClr,   &p->SubjectTxtClr, &p->SubjectBkClr};
    for (unsigned **a : arrays) {
        *a = (unsigned *)MyAlloc(n * sizeof(unsigned));
        std::fill(*a, *a + n, 99u);
    }
    pData->pVhspData = p;
    AssignColorForAA(pData);
    std::vector<V> v(3);
    for (int r = 0; r < 3; r++)
        for (int c = 0; c < n; c++)
            v[r].push_back(std::to_string((*arrays[2 * r])[c]) + "/" +
                           std::to_string((*arrays[2 * r + 1])[c]));
    FreeDataProgram(pData);
    return v;
}

TEST(AssignColorForAA, SchemesAndBackgroundOption)
{
    TempFile gone("", true);
    TempFile cfg("[Couleurs_HCA]\nW=3\nA=2\n[Couleur_Fond_HCA]\nW=5\n"
                 "[Couleur_Fond_SimIden]\nA=6\n");
    const struct {
        const char *szWhat;
        int nScheme, nBk;
        const char *szQuery, *szComp, *szSubject;
        bool bCfg;
        std::vector<V> rows; /* query, match, subject */
    } cases[] = {
        {"HCA colours", COULEUR_HCA, 1, "AW-W", "A  +", "AWKW", true,
         {{"2/1", "3/5", "0/1", "3/5"}, {"1/0", "0/1", "0/1", "0/1"}, {"2/1", "3/5", "0/1", "3/5"}}},
        {"HCA colours, background off", COULEUR_HCA, 0, "AW-W", "A  +", "AWKW", true,
         {{"2/1", "3/1", "0/1", "3/1"}, {"1/0", "0/1", "0/1", "0/1"}, {"2/1", "3/1", "0/1", "3/1"}}},
        {"identity colours", COULEUR_SIMIDEN, 1, "AW-W", "A  +", "AWKW", true,
         {{"2/6", "0/1", "0/1", "4/1"}, {"0/1", "0/1", "0/1", "0/1"}, {"2/6", "0/1", "0/1", "4/1"}}},
        {"identity colours, background off", COULEUR_SIMIDEN, 0, "AW-W", "A  +", "AWKW", true,
         {{"2/1", "0/1", "0/1", "4/1"}, {"0/1", "0/1", "0/1", "0/1"}, {"2/1", "0/1", "0/1", "4/1"}}},
        {"black and white", COULEUR_NOIRBLANC, 1, "AW-W", "A  +", "AWKW", true,
         {{"0/1", "0/1", "0/1", "0/1"}, {"1/0", "0/1", "0/1", "0/1"}, {"0/1", "0/1", "0/1", "0/1"}}},
        /* identity, similarity, nothing, gap under the default colours */
        {"identity defaults", COULEUR_SIMIDEN, 1, "AKW-", "A+  ", "ARFG", false,
         {{"2/1", "4/1", "0/1", "0/1"}, {"0/1", "0/1", "0/1", "0/1"}, {"2/1", "4/1", "0/1", "0/1"}}},
        /* rows shorter than the alignment (a damaged block) */
        {"short rows colour as blanks", COULEUR_HCA, 1, "AAAA", "A", "", false,
         {{"0/1", "0/1", "0/1", "0/1"}, {"1/0", "0/1", "0/1", "0/1"}, {"0/1", "0/1", "0/1", "0/1"}}},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(c.rows, Coloured(c.szQuery, c.szComp, c.szSubject,
                                   c.bCfg ? cfg.szPath : gone.szPath, c.nScheme, c.nBk))
            << c.szWhat;
    }
}

} // namespace
