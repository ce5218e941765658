/* The document record: creation, and releasing what it owns with the
   counters kept consistent (a null table means zero counts). */
#include <gtest/gtest.h>
#include <string.h>

#include "document.h"
#include "memory.h"
#include "os_portable.h"

namespace {

/* A document holding a hit table as the reader leaves it: nHits hits of
   nHspEach HSPs, each with its selection array. */
pDataGeneralPrg DocumentWithHits(unsigned nHits, unsigned nHspEach)
{
    pDataGeneralPrg pData = InitDataProgram();
    if (pData == NULL)
        return NULL;
    pData->pHSPResultat = (pDataHSP *)MyAlloc(nHits * sizeof(pDataHSP));
    for (unsigned i = 0; i < nHits; i++) {
        pDataHSP pHit = (pDataHSP)MyAlloc(sizeof(DataHSP));
        pHit->numero = i + 1;
        pHit->unHSP = nHspEach;
        strcpy(pHit->szAccessNb, "SP|P00001|");
        pHit->nHSPselected = (int *)MyAlloc(nHspEach * sizeof(int));
        pData->pHSPResultat[i] = pHit;
    }
    pData->nHSP = pData->nAlign = nHits;
    pData->nAlignTotal = nHits * nHspEach;
    return pData;
}

TEST(Document, CreationNamesTheSettingsFileBesideTheProgram)
{
    OsNoticeLogClear();
    pDataGeneralPrg pData = InitDataProgram();
    ASSERT_NE(nullptr, pData);

    char szExe[HL_MAX_PATH];
    ASSERT_GT(OsGetModulePath(szExe, sizeof szExe), 0);
    EXPECT_STREQ(szExe, pData->szWorkingDirectory);
    EXPECT_STREQ(szExe, pData->szFilePath);

    char szDir[HL_MAX_PATH];
    int nDir = PathDirectoryPart(szExe, szDir, sizeof szDir);
    ASSERT_GT(nDir, 0);
    EXPECT_EQ(std::string(szDir) + "halyard.cfg", pData->ConfigFile);

    EXPECT_EQ(nullptr, pData->pHSPResultat);
    EXPECT_EQ(nullptr, pData->pVhspData);
    EXPECT_EQ(0u, pData->nHSP);
    EXPECT_STREQ("", pData->szFileSortie);
    FreeDataProgram(pData);
    EXPECT_TRUE(OsNoticeLog().empty());
}

TEST(Document, CreationFailsQuietlyAfterTheMemoryNotice)
{
    OsNoticeLogClear();
    MyAllocFailAfter(0);
    EXPECT_EQ(nullptr, InitDataProgram());
    ASSERT_EQ(1u, OsNoticeLog().size());
    EXPECT_EQ(OS_NOTICE_MEMORY, OsNoticeLog()[0].nKind);
}

TEST(Document, DirectoryPartOfPaths)
{
    struct { const char *szPath; const char *szDir; } cases[] = {
        /* path                          directory part */
        { "C:\\Program Files\\h\\halyard.exe", "C:\\Program Files\\h\\" },
        { "/usr/local/bin/halyard",       "/usr/local/bin/" },
        { "C:halyard.exe",                "C:" },
        { "halyard.exe",                  "" },
        { "Z:/mixed\\seps/halyard.exe",   "Z:/mixed\\seps/" },
    };
    for (const auto &c : cases) {
        char sz[HL_MAX_PATH];
        memset(sz, 0xFF, sizeof sz);
        int n = PathDirectoryPart(c.szPath, sz, sizeof sz);
        EXPECT_STREQ(c.szDir, sz) << c.szPath;
        EXPECT_EQ((int)strlen(c.szDir), n) << c.szPath;
    }

    /* A buffer too small gets a cut, terminated copy. */
    char szSmall[5];
    memset(szSmall, 0xFF, sizeof szSmall);
    EXPECT_EQ(4, PathDirectoryPart("/abcdef/g", szSmall, sizeof szSmall));
    EXPECT_STREQ("/abc", szSmall);
}

TEST(Document, ClearingTheHeaderKeepsTheQueryLength)
{
    pDataGeneralPrg pData = InitDataProgram();
    ASSERT_NE(nullptr, pData);
    strcpy(pData->FichierBlast.szQuerySeqName, "ABC1_TEST");
    strcpy(pData->FichierBlast.szQuerySeqInfo, "(820 lettres)");
    strcpy(pData->FichierBlast.szDataBankInfo, "ECOLI.AA 4289 SEQUENCES");
    pData->FichierBlast.TailleQuery = 820;

    InitFichBlastData(pData);
    for (size_t i = 0; i < 256; i++) {
        ASSERT_EQ(0, pData->FichierBlast.szQuerySeqName[i]);
        ASSERT_EQ(0, pData->FichierBlast.szQuerySeqInfo[i]);
        ASSERT_EQ(0, pData->FichierBlast.szDataBankInfo[i]);
    }
    EXPECT_EQ(820, pData->FichierBlast.TailleQuery);
    FreeDataProgram(pData);
}

TEST(Document, ReleasingTheHitTable)
{
    OsNoticeLogClear();
    pDataGeneralPrg pData = DocumentWithHits(5, 3);
    ASSERT_NE(nullptr, pData);
    FreeHspData(pData);
    EXPECT_EQ(nullptr, pData->pHSPResultat);
    EXPECT_EQ(0u, pData->nHSP);
    EXPECT_EQ(0u, pData->nAlign);
    EXPECT_EQ(0u, pData->nAlignTotal);

    /* A second call, with no table, changes nothing and shows nothing. */
    pData->nAlign = 7; /* not a consistent state: shows the call leaves it */
    FreeHspData(pData);
    EXPECT_EQ(7u, pData->nAlign);
    EXPECT_TRUE(OsNoticeLog().empty());
    pData->nAlign = 0;
    FreeDataProgram(pData);
}

TEST(Document, ReleasingATableWithHolesAndMissingSelections)
{
    /* A read cut short by memory leaves null entries and hits without a
       selection array; both are skipped. */
    OsNoticeLogClear();
    pDataGeneralPrg pData = DocumentWithHits(4, 2);
    ASSERT_NE(nullptr, pData);
    MyFree(pData->pHSPResultat[1]->nHSPselected);
    pData->pHSPResultat[1]->nHSPselected = NULL;
    MyFree(pData->pHSPResultat[2]->nHSPselected);
    MyFree(pData->pHSPResultat[2]);
    pData->pHSPResultat[2] = NULL;
    FreeDataProgram(pData);
    EXPECT_TRUE(OsNoticeLog().empty());
}

TEST(Document, ReleasingTheShownHsp)
{
    OsNoticeLogClear();
    pDataGeneralPrg pData = InitDataProgram();
    ASSERT_NE(nullptr, pData);
    FreeHalyardHaspData(pData); /* nothing shown: nothing happens */

    pHalyardHSPData pHsp = (pHalyardHSPData)MyAlloc(sizeof(HalyardHSPData));
    ASSERT_NE(nullptr, pHsp);
    pHsp->tailleAlign = 10;
    pHsp->szQuery = (char *)MyAlloc(11);
    pHsp->szSubject = (char *)MyAlloc(11);
    /* szComp and the match row's colours never allocated: skipped */
    pHsp->QueryTxtClr = (unsigned *)MyAlloc(10 * sizeof(unsigned));
    pHsp->QueryBkClr = (unsigned *)MyAlloc(10 * sizeof(unsigned));
    pHsp->SubjectTxtClr = (unsigned *)MyAlloc(10 * sizeof(unsigned));
    pHsp->SubjectBkClr = (unsigned *)MyAlloc(10 * sizeof(unsigned));
    pData->pVhspData = pHsp;

    FreeHalyardHaspData(pData);
    EXPECT_EQ(nullptr, pData->pVhspData);
    FreeDataProgram(pData);
    EXPECT_TRUE(OsNoticeLog().empty());
}

TEST(Document, ReleasingANullDocumentIsHarmless)
{
    FreeDataProgram(NULL);
}

/* Nearest integer, exact halves towards zero. */
TEST(Document, RoundFloatTakesHalvesTowardsZero)
{
    const struct { float f; int n; } cases[] = {
        { 2.5f, 2 }, { 2.51f, 3 }, { -2.5f, -2 }, { -2.51f, -3 }, { 0.0f, 0 }, { 7.49f, 7 } };
    for (const auto &c : cases)
        EXPECT_EQ(c.n, RoundFloat(c.f)) << c.f;
}

} // namespace
