/* document.cpp: creating and releasing the document record and the
   blocks it owns. Only the document's own routines allocate or release
   what it points to. */
#include <stdio.h>
#include <string.h>

#include "document.h"
#include "memory.h"

int PathDirectoryPart(const char *szPath, char *szDir, int cchDir)
{
    int nCut = 0;
    int i;

    if (cchDir <= 0)
        return 0;
    for (i = 0; szPath[i] != '\0'; i++)
        if (szPath[i] == '\\' || szPath[i] == '/' || szPath[i] == ':')
            nCut = i + 1;
    if (nCut > cchDir - 1)
        nCut = cchDir - 1;
    memcpy(szDir, szPath, (size_t)nCut);
    szDir[nCut] = '\0';
    return nCut;
}

/* Copies szSrc into the fixed field szDst of cchDst bytes, cut to fit. */
static void CopyField(char *szDst, size_t cchDst, const char *szSrc)
{
    size_t n = strlen(szSrc);

    if (n > cchDst - 1)
        n = cchDst - 1;
    memcpy(szDst, szSrc, n);
    szDst[n] = '\0';
}

pDataGeneralPrg InitDataProgram(void)
{
    pDataGeneralPrg pData;
    char szExe[HL_MAX_PATH];
    char szDir[HL_MAX_PATH];
    int nDir;

    pData = (pDataGeneralPrg)MyAlloc(sizeof(DataGeneralPrg));
    if (pData == NULL)
        return NULL;

    if (OsGetModulePath(szExe, sizeof szExe) == 0)
        szExe[0] = '\0';
    CopyField(pData->szWorkingDirectory, sizeof pData->szWorkingDirectory, szExe);
    CopyField(pData->szFilePath, sizeof pData->szFilePath, szExe);

    /* halyard.cfg beside the executable; a directory too long to take the
       name leaves ConfigFile empty rather than naming some other file. */
    nDir = PathDirectoryPart(szExe, szDir, sizeof szDir);
    if ((size_t)nDir + sizeof "halyard.cfg" <= sizeof pData->ConfigFile) {
        memcpy(pData->ConfigFile, szDir, (size_t)nDir);
        memcpy(pData->ConfigFile + nDir, "halyard.cfg", sizeof "halyard.cfg");
    }

    pData->pHSPResultat = NULL;
    pData->pVhspData = NULL;
    pData->nHSP = 0;
    return pData;
}

void InitFichBlastData(pDataGeneralPrg pData)
{
    memset(pData->FichierBlast.szQuerySeqName, 0, sizeof pData->FichierBlast.szQuerySeqName);
    memset(pData->FichierBlast.szQuerySeqInfo, 0, sizeof pData->FichierBlast.szQuerySeqInfo);
    memset(pData->FichierBlast.szDataBankInfo, 0, sizeof pData->FichierBlast.szDataBankInfo);
}

void FreeHspData(pDataGeneralPrg pData)
{
    unsigned int i;

    MyFree(pData->plPosHsp);
    pData->plPosHsp = NULL;
    pData->nPosHsp = 0;
    pData->nPosHspMax = 0;
    if (pData->pHSPResultat == NULL)
        return;
    for (i = 0; i < pData->nHSP; i++) {
        pDataHSP pHit = pData->pHSPResultat[i];
        if (pHit == NULL)
            continue;
        MyFree(pHit->nHSPselected);
        pHit->nHSPselected = NULL;
        MyFree(pHit);
        pData->pHSPResultat[i] = NULL;
    }
    MyFree(pData->pHSPResultat);
    pData->pHSPResultat = NULL;
    pData->nHSP = 0;
    pData->nAlign = 0;
    pData->nAlignTotal = 0;
}

void LibereHalyardHsp(pHalyardHSPData pHsp)
{
    if (pHsp == NULL)
        return;
    MyFree(pHsp->szQuery);
    MyFree(pHsp->szSubject);
    MyFree(pHsp->szComp);
    MyFree(pHsp->QueryTxtClr);
    MyFree(pHsp->QueryBkClr);
    MyFree(pHsp->SubjectTxtClr);
    MyFree(pHsp->SubjectBkClr);
    MyFree(pHsp->CompTxtClr);
    MyFree(pHsp->CompBkClr);
    MyFree(pHsp);
}

void FreeHalyardHaspData(pDataGeneralPrg pData)
{
    LibereHalyardHsp(pData->pVhspData);
    pData->pVhspData = NULL;
}

void FreeDataProgram(pDataGeneralPrg pData)
{
    if (pData == NULL)
        return;
    FreeHspData(pData);
    FreeHalyardHaspData(pData);
    MyFree(pData);
}

void InfoDbTexts(const DataBlastFile *pFich, char *szQuery, size_t cchQuery, char *szBank, size_t cchBank)
{
    snprintf(szQuery, cchQuery, "%.*s  %.*s",
             (int)strnlen(pFich->szQuerySeqName, sizeof pFich->szQuerySeqName),
             pFich->szQuerySeqName,
             (int)strnlen(pFich->szQuerySeqInfo, sizeof pFich->szQuerySeqInfo),
             pFich->szQuerySeqInfo);
    snprintf(szBank, cchBank, "%.*s",
             (int)strnlen(pFich->szDataBankInfo, sizeof pFich->szDataBankInfo),
             pFich->szDataBankInfo);
}

int RoundFloat(float f)
{
    float fMag = f < 0 ? -f : f;
    int n = (int)fMag;

    if (fMag - (float)n > 0.5f)
        n++;
    return f < 0 ? -n : n;
}
