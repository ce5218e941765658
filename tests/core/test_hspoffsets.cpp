/* Tests of the places the reader remembers for the HSPs' blocks: each
   names its block's tag, and loading from it gives what a search of the
   index file from its top gives. */
#include <tuple>

#include "test_reader_util.h"

using namespace readertest;

/* The two loads agree field by field. */
static void ExpectSameHsp(pHalyardHSPData pRef, pHalyardHSPData p)
{
    ASSERT_TRUE(pRef != nullptr && p != nullptr);
    EXPECT_EQ(std::make_tuple(pRef->tailleAlign, pRef->noAlign, pRef->noHsp, pRef->StartQuery,
                              pRef->StopQuery, pRef->StartSubject, pRef->StopSubject),
              std::make_tuple(p->tailleAlign, p->noAlign, p->noHsp, p->StartQuery, p->StopQuery,
                              p->StartSubject, p->StopSubject));
    EXPECT_STREQ(pRef->szQuery, p->szQuery);
    EXPECT_STREQ(pRef->szComp, p->szComp);
    EXPECT_STREQ(pRef->szSubject, p->szSubject);
    EXPECT_STREQ(pRef->szInfo, p->szInfo);
}

/* Every HSP of every report of the shared data, older and newer dialects, loaded through its
   place from a file left at its end (where a search finds nothing), and
   by the search from the top (in file order, each search going on from
   the last). */
TEST(HspPlaces, EveryHspOfTheSharedReportsLoadsAsFromTheTop)
{
    std::vector<std::string> files;
    for (const std::string &sDir : {SharedBlast(), SharedBlast() + "/modern"})
        for (const std::string &sName : SharedReports(sDir))
            files.push_back(sDir + "/" + sName);
    if (files.empty())
        GTEST_SKIP() << "no shared test reports in " << SharedBlast();
    unsigned nHsps = 0;
    for (const std::string &sPath : files) {
        SCOPED_TRACE(sPath);
        ReadReport r(sPath, true);
        if (r.nResult != LB_OK && r.nResult != LB_INCOMPLETE)
            continue;
        FILE *pFile = fopen(r.pData->szFileSortie, "rb");
        FILE *pTop = fopen(r.pData->szFileSortie, "rb");
        ASSERT_NE(nullptr, pFile);
        ASSERT_NE(nullptr, pTop);
        for (unsigned h = 1; h <= r.pData->nAlign; h++) {
            for (unsigned k = 1; k <= r.Hit(h - 1)->unHSP; k++) {
                SCOPED_TRACE(testing::Message() << "hit " << h << " HSP " << k);
                long lPos = PlaceBlocHsp(r.pData, h, k);
                char szLigne[TAILLELIGNE], szTag[64];
                ASSERT_GE(lPos, 0);
                ASSERT_EQ(0, fseek(pFile, lPos, SEEK_SET));
                ASSERT_NE(nullptr, MYFGETS(pFile, sizeof szLigne, szLigne));
                snprintf(szTag, sizeof szTag, "ALIGN %u HSP %u\n", h, k);
                EXPECT_STREQ(szTag, szLigne);

                fseek(pFile, 0, SEEK_END);
                pHalyardHSPData p = ChargeHspIndex(r.pData, pFile, h, k);
                pHalyardHSPData pRef = LitUnAlignHsp(NULL, pTop, h, k);
                ExpectSameHsp(pRef, p);
                LibereHalyardHsp(p);
                LibereHalyardHsp(pRef);
                nHsps++;
            }
        }
        fclose(pFile);
        fclose(pTop);
        /* Past the last HSP of a hit, or past the last hit: no place. */
        EXPECT_EQ(-1, PlaceBlocHsp(r.pData, 1, r.Hit(0)->unHSP + 1));
        EXPECT_EQ(-1, PlaceBlocHsp(r.pData, r.pData->nAlign + 1, 1));
    }
    EXPECT_GT(nHsps, 0u);
}
