/* The String Finder's core: the search with its entries and count line,
   the cuts at the fields' widths, memory failures, 10,000 hits. */
#include <gtest/gtest.h>
#include <stdio.h>

#include <string>
#include <vector>

#include "memory.h"
#include "os_portable.h"
#include "strsearch.h"

namespace {

/* A document whose hits have these descriptions, and the finder's record
   of it, upper-cased as the dialog does; both released with the object. */
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

    /* The entries of one search, then its count line. */
    std::vector<std::string> Cherche(const std::string &szChaine) const
    {
        std::vector<std::string> v;
        char szCompte[STRSEARCH_COMPTE];
        unsigned n = ChercheChaine(p, szChaine.c_str(), [](void *pCtx, const char *sz) {
            ((std::vector<std::string> *)pCtx)->push_back(sz); }, &v, szCompte);
        EXPECT_EQ(v.size(), n) << "entries given, number returned";
        v.push_back(szCompte);
        return v;
    }
};

typedef std::vector<std::string> Textes;

TEST(ChercheChaine, FindsTheTextInAnyCase)
{
    Finder f({"Protein Kinase C alpha", "  ser/thr-protein KINASE 2", "hypothetical protein", "",
              "cyclin-dependent kinase\tinhibitor"});
    const struct { const char *szChaine; Textes attendu; } cases[] = {
        {"kinase", {"   1 . PROTEIN", "   2 . SER/THR-PROTEIN", "   5 . CYCLIN-DEPENDENT", "found:    3 /    5."}},
        {"ase\tInh", {"   5 . CYCLIN-DEPENDENT", "found:    1 /    5."}},
        {"kinase c alpha x", {"found:    0 /    5."}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.attendu, f.Cherche(c.szChaine)) << "searching \"" << c.szChaine << "\"";
}

/* 50 hits: 3 hold the text, or all of them. */
TEST(ChercheChaine, CountLineGivesFoundAndSearched)
{
    Textes v;
    for (int i = 1; i <= 50; i++)
        v.push_back("hit" + std::to_string(i) + (i % 20 == 7 ? " rare" : " common"));
    Finder f(v);
    EXPECT_EQ((Textes{"   7 . HIT7", "  27 . HIT27", "  47 . HIT47", "found:    3 /   50."}), f.Cherche("RaRe"));
    EXPECT_EQ("found:   50 /   50.", f.Cherche("hit").back());
}

/* A word too long for its entry keeps its beginning whatever the width of
   the number; the search string keeps its first 498 characters. */
TEST(ChercheChaine, CutsAtTheFieldsWidths)
{
    const std::string szMot(200, 'W'), szA(STRSEARCH_CHAINE - 1, 'a');
    char sz[STRSEARCH_ENTREE];
    for (std::string szNo : {"   1", "9999", "10000", "4000000000"}) {
        FormateEntree(sz, (unsigned)std::stoul(szNo), (szMot + " X").c_str());
        EXPECT_EQ(szNo + " . " + szMot.substr(0, 99 - szNo.size() - 3), sz);
    }
    Finder f({szA + "b", szA.substr(1) + "b"});
    const struct { std::string szChaine; const char *szCompte; } cases[] = {
        {szA + "b", "found:    1 /    2."}, {szA + "x", "found:    1 /    2."},
        {szA.substr(1) + "b", "found:    2 /    2."}};
    for (const auto &c : cases)
        EXPECT_EQ(c.szCompte, f.Cherche(c.szChaine).back()) << "string of " << c.szChaine.size();
}

/* Each allocation failing in turn gives no record and one notice (ASan
   checks that nothing stays allocated) until the record is built. */
TEST(CreeDataSearch, MemoryFailureLeavesNothing)
{
    Finder f({"a", "", "c"});
    for (int n = 0; n < 10; n++) {
        OsNoticeLogClear();
        MyAllocFailAfter(n);
        pDATASTRINGSEARCH p = CreeDataSearch(f.pData);
        MyAllocFailAfter(-1);
        EXPECT_EQ(n < 5 ? 1u : 0u, OsNoticeLog().size()) << "allocation " << n;
        EXPECT_EQ(n < 5, p == NULL) << "allocation " << n << ": record, table, three texts";
        DeleteSearchData(p);
    }
}

TEST(ChercheChaine, SearchesTenThousandHits)
{
    Textes v;
    for (int i = 1; i <= 10000; i++)
        v.push_back("gi|" + std::to_string(i) + (i % 7 == 0 ? " cytochrome P450" : " unknown"));
    Finder f(v);
    Textes r = f.Cherche("Cytochrome p");
    ASSERT_EQ(1428u + 1, r.size());
    EXPECT_EQ((Textes{"   7 . GI|7", "9996 . GI|9996", "found: 1428 / 10000."}),
              (Textes{r.front(), r[1427], r.back()}));
    EXPECT_EQ("found: 10000 / 10000.", f.Cherche("GI|").back());
}

} // namespace
