/* The String Finder's core: entries, count line, cuts, memory failures. */
#include <gtest/gtest.h>
#include <stdio.h>

#include <string>
#include <vector>

#include "memory.h"
#include "os_portable.h"
#include "strsearch.h"

namespace {

/* A document with these descriptions and its finder record, upper-cased as the dialog does. */
struct Finder {
    pDataGeneralPrg pData = InitDataProgram();
    pDATASTRINGSEARCH p = NULL;
    explicit Finder(const std::vector<std::string> &descriptions)
    {
        const unsigned n = (unsigned)descriptions.size();
        pData->pHSPResultat = (pDataHSP *)MyAlloc(n * (unsigned)sizeof(pDataHSP));
        for (unsigned i = 0; i < n; i++) {
            pDataHSP pHit = pData->pHSPResultat[i] = (pDataHSP)MyAlloc(sizeof(DataHSP));
            snprintf(pHit->szAccessName, sizeof pHit->szAccessName, "%s", descriptions[i].c_str());
        }
        pData->nHSP = n;
        p = CreeDataSearch(pData);
        MajusculesDataSearch(p);
    }
    ~Finder() { DeleteSearchData(p); FreeDataProgram(pData); }

    std::vector<std::string> Cherche(const std::string &szChaine) const
    {
        std::vector<std::string> v;
        char szCompte[STRSEARCH_COMPTE];
        unsigned n = ChercheChaine(p, szChaine.c_str(), [](void *pCtx, const char *sz) { ((std::vector<std::string> *)pCtx)->push_back(sz); }, &v, szCompte);
        EXPECT_EQ(v.size(), n) << "entries given, number returned";
        v.push_back(szCompte);
        return v;
    }
};

typedef std::vector<std::string> Textes;

/* Any case, after a tab; then 10,000 hits, one in seven holding the text. */
TEST(ChercheChaine, FindsTheTextInAnyCase)
{
    Finder f({"Protein Kinase C alpha", "  ser/thr-protein KINASE 2", "hypothetical protein", "",
              "cyclin-dependent kinase\tinhibitor"});
    const struct { const char *szChaine; Textes attendu; } cases[] = {
        {"kinase", {"   1 . PROTEIN", "   2 . SER/THR-PROTEIN", "   5 . CYCLIN-DEPENDENT", "found:    3 /    5."}},
        {"ase\tInh", {"   5 . CYCLIN-DEPENDENT", "found:    1 /    5."}},
        {"kinase c alpha x", {"found:    0 /    5."}}};
    for (const auto &c : cases)
        EXPECT_EQ(c.attendu, f.Cherche(c.szChaine)) << "searching \"" << c.szChaine << "\"";
    Textes v;
    for (int i = 1; i <= 10000; i++)
        v.push_back("gi|" + std::to_string(i) + (i % 7 == 0 ? " cytochrome P450" : " unknown"));
    Finder g(v);
    Textes r = g.Cherche("Cytochrome p");
    ASSERT_EQ(1428u + 1, r.size());
    EXPECT_EQ((Textes{"   7 . GI|7", "9996 . GI|9996", "found: 1428 / 10000."}), (Textes{r.front(), r[1427], r.back()}));
    EXPECT_EQ("found: 10000 / 10000.", g.Cherche("GI|").back());
}

/* A long word keeps its beginning whatever the number's width; the string
   keeps 498 characters; each allocation failing gives no record, one notice. */
TEST(ChercheChaine, CutsAtTheFieldsWidthsAndMemoryFailures)
{
    const std::string szMot(200, 'W'), szA(STRSEARCH_CHAINE - 1, 'a');
    char sz[STRSEARCH_ENTREE];
    for (std::string szNo : {"   1", "9999", "10000", "4000000000"}) {
        FormateEntree(sz, (unsigned)std::stoul(szNo), (" \t" + szMot + " X").c_str());
        EXPECT_EQ(szNo + " . " + szMot.substr(0, 99 - szNo.size() - 3), sz);
    }
    for (char c : {' ', '\t', '\n', '\v', '\f', '\r'}) { /* the blanks that end a word */
        FormateEntree(sz, 1, (std::string(1, c) + "AB" + c + "C").c_str());
        EXPECT_STREQ("   1 . AB", sz) << (int)c;
    }
    char szCompte[STRSEARCH_COMPTE];
    MajusculesDataSearch(NULL);
    EXPECT_EQ(0u, ChercheChaine(NULL, "A", NULL, NULL, szCompte)); /* no record: nothing searched */
    EXPECT_STREQ("found:    0 /    0.", szCompte);
    Finder f({szA + "b", szA.substr(1) + "b"});
    for (const auto &c : {std::make_pair(szA + "b", "found:    1 /    2."), std::make_pair(szA + "x", "found:    1 /    2."),
                          std::make_pair(szA.substr(1) + "b", "found:    2 /    2.")})
        EXPECT_EQ(c.second, f.Cherche(c.first).back()) << "string of " << c.first.size();
    Finder g({"a", "", "c"});
    for (int n = 0; n < 10; n++) {
        OsNoticeLogClear();
        MyAllocFailAfter(n);
        pDATASTRINGSEARCH p = CreeDataSearch(g.pData);
        MyAllocFailAfter(-1);
        EXPECT_EQ(std::make_pair(n < 5 ? 1u : 0u, n < 5), std::make_pair((unsigned)OsNoticeLog().size(), p == NULL)) << n;
        DeleteSearchData(p);
    }
}

} // namespace
