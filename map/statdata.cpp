/* statdata.cpp: the BLAST map's rows and coverage histogram, built from
 * the selected HSPs of the open report.
 *
 * The coverage counts hits, not HSPs: the query positions of one hit's
 * HSPs are gathered in a work array of flags, and the flags are added to
 * the histogram when the next hit starts.
 */
#include "statblast.h"

#include <stdio.h>
#include <string.h>

#include "halyardrc.h"
#include "hspload.h"
#include "memory.h"

pMySTATDATA InitStatData(void)
{
    return (pMySTATDATA)MyAlloc(sizeof(MySTATDATA));
}

void DelStatData(pMySTATDATA pStat)
{
    if (pStat == NULL)
        return;
    if (pStat->pSeqDat != NULL) {
        for (int i = 0; i < pStat->nSeq; i++)
            MyFree(pStat->pSeqDat[i]);
        MyFree(pStat->pSeqDat);
    }
    MyFree(pStat->pDataHistoBrute);
    MyFree(pStat);
}

int StatBas(const SequenceData *pRow)
{
    return pRow->nStart.x < pRow->nStop.x ? pRow->nStart.x : pRow->nStop.x;
}

int StatHaut(const SequenceData *pRow)
{
    return pRow->nStart.x < pRow->nStop.x ? pRow->nStop.x : pRow->nStart.x;
}

int StatMaxHisto(const MySTATDATA *pStat)
{
    int nMax = 0;

    for (int q = 0; q < pStat->nTaille; q++)
        if (pStat->pDataHistoBrute[q] > nMax)
            nMax = pStat->pDataHistoBrute[q];
    return nMax;
}

int StatDefilement(pMySTATDATA pStat, int nHauteur, int cy, int *pnMax)
{
    int nRows = RoundFloat((float)(nHauteur + 1) / (float)cy);

    if (pStat->nSeq > nRows - 2) {
        pStat->wndheight = nRows;
        *pnMax = pStat->nSeq - nRows + 2;
        return 1;
    }
    pStat->wndheight = 0;
    pStat->nVdecal = 0;
    *pnMax = 0;
    return 0;
}

void StatLignesVisibles(const MySTATDATA *pStat, int top, int bottom, int cy, int *pnFirst, int *pnLast)
{
    *pnFirst = RoundFloat((float)top / (float)cy) + pStat->nVdecal - 2;
    *pnLast = RoundFloat((float)bottom / (float)cy) + pStat->nVdecal + 2;
    if (*pnFirst < 0)
        *pnFirst = 0;
    if (*pnLast > pStat->nSeq)
        *pnLast = pStat->nSeq;
}

/* Pixels per query position between the margins of 4 cx. */
static float EchelleStat(const MySTATDATA *pStat, int nLargeur, int cx)
{
    return pStat->nTaille > 0 ? (float)(nLargeur - 8 * cx) / (float)pStat->nTaille : 0.0f;
}

RectStat StatBarre(const MySTATDATA *pStat, int r, int nLargeur, int cx, int cy)
{
    const SequenceData *pRow = pStat->pSeqDat[r];
    float f = EchelleStat(pStat, nLargeur, cx);
    RectStat rc;

    /* A range running backwards is drawn over its span. */
    rc.left = RoundFloat((float)StatBas(pRow) * f) + 4 * cx;
    rc.right = RoundFloat((float)StatHaut(pRow) * f) + 4 * cx;
    rc.top = (r - pStat->nVdecal) * cy + 2;
    rc.bottom = rc.top + cy - 3;
    return rc;
}

RectStat StatBarreHisto(const MySTATDATA *pStat, int q, int nMax, int nLargeurBarres, int cx, int cy)
{
    float f = EchelleStat(pStat, nLargeurBarres, cx);
    float g = (float)(4 * cy) / (float)nMax;
    RectStat rc;

    rc.left = RoundFloat((float)(q + 1) * f - 0.5f * f) + 4 * cx;
    rc.right = RoundFloat((float)(q + 1) * f + 0.5f * f) + 4 * cx;
    rc.top = 4 * cy - RoundFloat((float)pStat->pDataHistoBrute[q] * g);
    rc.bottom = 4 * cy;
    return rc;
}

int StatNouveauDecalage(const MySTATDATA *pStat, int nCode, int nThumb)
{
    int nOld = pStat->nVdecal, nMax = pStat->nSeq - pStat->wndheight + 2, nNew;

    switch (nCode) {
    case STAT_LIGNE_HAUT: nNew = nOld - 1; break;
    case STAT_LIGNE_BAS:  nNew = nOld + 1; break;
    case STAT_PAGE_HAUT:  nNew = nOld - pStat->wndheight; break;
    case STAT_PAGE_BAS:   nNew = nOld + pStat->wndheight; break;
    case STAT_POSITION:
    case STAT_SUIVI:      nNew = nThumb; break;
    case STAT_DEBUT:      nNew = 0; break;
    case STAT_FIN:        nNew = nMax; break;
    default:              return nOld;
    }
    if (nNew < 0)
        nNew = 0;
    if (nNew > nMax)
        nNew = nMax;
    return nNew;
}

/* The selected (hit, HSP) pairs, 1-based, in report order. */
typedef struct tagPaireStat {
    unsigned nHit, nHsp;
} PaireStat;

/* Counts the selected pairs, and lists them into pOut when not NULL. */
static int ParcourtSelection(pDataGeneralPrg pData, PaireStat *pOut);

int StatCompteSelection(pDataGeneralPrg pData)
{
    return ParcourtSelection(pData, NULL);
}

static int ParcourtSelection(pDataGeneralPrg pData, PaireStat *pOut)
{
    int n = 0;

    for (unsigned i = 0; i < pData->nAlign && i < pData->nHSP; i++) {
        pDataHSP pHit = pData->pHSPResultat[i];

        for (unsigned j = 0; pHit != NULL && pHit->nHSPselected != NULL && j < pHit->unHSP; j++) {
            if (pHit->nHSPselected[j] == 0)
                continue;
            if (pOut != NULL)
                pOut[n] = PaireStat{ i + 1, j + 1 };
            n++;
        }
    }
    return n;
}

/* Adds the hit's flags to the histogram and clears them. */
static void AjouteHit(pMySTATDATA pStat, unsigned char *pFlags)
{
    for (int q = 0; q < pStat->nTaille; q++) {
        pStat->pDataHistoBrute[q] += pFlags[q];
        pFlags[q] = 0;
    }
}

/* Flags the positions of a query range, from its lower coordinate to its
   higher one, kept to the query. */
static void MarqueRange(pMySTATDATA pStat, unsigned char *pFlags, const SequenceData *pRow)
{
    int nBas = StatBas(pRow), nHaut = StatHaut(pRow);

    if (nBas < 1)
        nBas = 1;
    if (nHaut > pStat->nTaille)
        nHaut = pStat->nTaille;
    for (int q = nBas; q <= nHaut; q++)
        pFlags[q - 1] = 1;
}

/* Loads every listed HSP into its row; false when a row cannot be made. */
static bool RemplitLignes(pMySTATDATA pStat, pDataGeneralPrg pData, FILE *pFile, const PaireStat *pListe,
                          unsigned char *pFlags, PFNPROGRESSTAT pfnProgres, void *pCtx)
{
    for (int i = 0; i < pStat->nSeq; i++) {
        pDataHSP pHit = pData->pHSPResultat[pListe[i].nHit - 1];
        bool bNouveau = i == 0 || pListe[i].nHit != pListe[i - 1].nHit;
        pSequenceData pRow = (pSequenceData)MyAlloc(sizeof(SequenceData));
        pHalyardHSPData pHsp;

        if (pRow == NULL)
            return false;
        pStat->pSeqDat[i] = pRow;
        if ((pHsp = ChargeHspIndex(pData, pFile, pListe[i].nHit, pListe[i].nHsp)) == NULL)
            return false;
        pRow->nStart = PointStat{ (int)pHsp->StartQuery, (int)pHsp->StartSubject };
        pRow->nStop = PointStat{ (int)pHsp->StopQuery, (int)pHsp->StopSubject };
        if (bNouveau && i > 0)
            AjouteHit(pStat, pFlags);
        MarqueRange(pStat, pFlags, pRow);
        if (bNouveau)
            snprintf(pRow->szName, sizeof pRow->szName, "%4u.%.10s (%4u-%4u) %2u", pHit->numero,
                     pHit->szAccessNb, pHsp->StartSubject, pHsp->StopSubject, pListe[i].nHsp);
        else
            snprintf(pRow->szName, sizeof pRow->szName, "(%4u-%4u) %2u", pHsp->StartSubject,
                     pHsp->StopSubject, pListe[i].nHsp);
        LibereHalyardHsp(pHsp);
        if (pfnProgres != NULL)
            pfnProgres(pCtx, i + 2, pStat->nSeq);
    }
    AjouteHit(pStat, pFlags);
    return true;
}

int PrepareStatData(pMySTATDATA pStat, pDataGeneralPrg pData, unsigned nTotal,
                    PFNPROGRESSTAT pfnProgres, void *pCtx, OSWND hOwner)
{
    PaireStat *pListe = NULL;
    unsigned char *pFlags = NULL;
    FILE *pFile = NULL;
    int nCount = ParcourtSelection(pData, NULL);
    int nTaille = pData->FichierBlast.TailleQuery;
    bool bOk = false;

    if (nCount == 0) {
        MyInfoMsgBox(IDS_BLASTMAP, IDS_MAP_NOSEQSEL, hOwner);
        return 0;
    }
    /* The histogram's counters are sized in an unsigned. */
    if (nTaille >= 0 && (unsigned)nTaille < 0x3FFFFFFFu
        && (pListe = (PaireStat *)MyAlloc((unsigned)nCount * sizeof(PaireStat))) != NULL) {
        ParcourtSelection(pData, pListe);
        pStat->nTaille = nTaille;
        pStat->IsAllSelected = (unsigned)nCount == nTotal;
        pStat->pSeqDat = (pSequenceData *)MyAlloc((unsigned)nCount * sizeof(pSequenceData));
        pFlags = pStat->pSeqDat != NULL ? (unsigned char *)MyAlloc((unsigned)nTaille + 1) : NULL;
        pStat->pDataHistoBrute = pFlags != NULL ? (int *)MyAlloc(((unsigned)nTaille + 1) * sizeof(int)) : NULL;
        if (pStat->pDataHistoBrute != NULL && (pFile = fopen(pData->szFileSortie, "rb")) != NULL) {
            /* Rows allocated so far are the document's to release. */
            pStat->nSeq = nCount;
            bOk = RemplitLignes(pStat, pData, pFile, pListe, pFlags, pfnProgres, pCtx);
            fclose(pFile);
        }
    }
    MyFree(pFlags);
    MyFree(pListe);
    if (!bOk) {
        /* The progress box goes before the notice comes. */
        if (pfnProgres != NULL)
            pfnProgres(pCtx, 0, 0);
        MyInfoMsgBox(IDS_BLASTMAP, IDS_NOPREPMAP, hOwner);
    }
    return bOk ? 1 : 0;
}
