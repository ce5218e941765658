/* The String Finder's core: entries, count line, cuts, memory failures. */
#include <gtest/gtest.h>
#include <stdio.h>

#include <string>
#include <vector>

#include "memory.h"
#include "os_portable.h"
#include "strsearch.h"

namespace {

typedef std::vector<std::string> Textes;

/* A document with these descriptions and its finder record, upper-cased as the dialog does. */
struct Finder {
    pDataGeneralPrg pData = InitDataProgram();
    pDATASTRINGSEARCH p = NULL;
    explicit Finder(const Textes &descriptions)
    {
        pData->nHSP = (unsigned)descriptions.size();
        pData->pHSPResultat = (pDataHSP *)MyAlloc(pData->nHSP * (unsigned)sizeof(pDataHSP));
        for (unsigned i = 0; i < pData->nHSP; i++) {
            pData->pHSPResultat[i] = (pDataHSP)MyAlloc(sizeof(DataHSP));
            snprintf(pData->pHSPResultat[i]->szAccessName, sizeof pData->pHSPResultat[i]->szAccessName, "%s", descriptions[i].c_str());
        }
        p = CreeDataSearch(pData);
        MajusculesDataSearch(p);
    }
    ~Finder() { DeleteSearchData(p); FreeDataProgram(pData); }

    /* The entries, then the count line. */
    Textes Cherche(const std::string &szChaine) const
    {
        Textes v;
        char szCompte[STRSEARCH_COMPTE];
        unsigned n = ChercheChaine(p, szChaine.c_str(), [](void *pCtx, const char *sz) { ((Textes *)pCtx)->push_back(sz); }, &v, szCompte);
        EXPECT_EQ(v.size(), n) << "entries given, number returned";
        v.push_back(szCompte);
        return v;
    }
};

/* Any case, after a tab; an entry is the number and the first word. A
   long word keeps its beginning whatever the number's width; the string
   keeps 498 characters; each allocation failing gives no record, one
   notice. */
TEST(ChercheChaine, FindsCutsAndMemoryFailures)
{
    Finder f({"Protein Kinase C alpha", "  ser/thr-protein KINASE 2", "zinc-alpha glycoprotein", "", "cyclin-dependent kinase\tinhibitor"});
    const struct { const char *szChaine; Textes attendu; } cases[] = {
        {"kinase", {"   1 . PROTEIN", "   2 . SER/THR-PROTEIN", "   5 . CYCLIN-DEPENDENT", "found:    3 /    5."}},
        {"ase\tInh", {"   5 . CYCLIN-DEPENDENT", "found:    1 /    5."}}, {"ZINC", {"   3 . ZINC-ALPHA", "found:    1 /    5."}},
        {"kinase c alpha x", {"found:    0 /    5."}}};
    for (const auto &c : cases)
        EXPECT_EQ(c.attendu, f.Cherche(c.szChaine)) << "searching \"" << c.szChaine << "\"";
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
    Finder h({szA + "b", szA.substr(1) + "b"});
    for (const auto &c : {std::make_pair(szA + "b", "found:    1 /    2."), std::make_pair(szA + "x", "found:    1 /    2."),
                          std::make_pair(szA.substr(1) + "b", "found:    2 /    2.")})
        EXPECT_EQ(c.second, h.Cherche(c.first).back()) << "string of " << c.first.size();
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
