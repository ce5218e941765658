/* Fuzz target: the BLAST map's data from a small made-up report whose
 * HSPs the input selects (ranges backwards, outside the query, of hits
 * with several HSPs). One row per selected HSP; a query position covered
 * by some row counts between one and the number of hits, any other
 * position none; the scroll arithmetic holds for any pane height.
 */
#include <string.h>

#include <set>

#include "fuzzutil.h"
#include "statblast.h"

static char szRapport[HL_MAX_PATH], szIndex[HL_MAX_PATH];

static void Progres(void *pCtx, int nNum, int nSeq)
{
    VERIFIE((nNum == 0 && nSeq == 0) || (nNum >= 2 && nNum <= nSeq + 1));
    *(int *)pCtx = nNum;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *pBytes, size_t cb)
{
    Octets in = {pBytes, cb};

    FichierTemp(szRapport, "HFR");
    FichierTemp(szIndex, "HFI");
    OsNoticeLogClear();
    pDataGeneralPrg pData = DocumentFuzz(in, szRapport, szIndex);
    if (pData == NULL)
        return 0;
    pMySTATDATA pStat = InitStatData();
    int nCount = StatCompteSelection(pData), nDernier = -1;
    int nRes = PrepareStatData(pStat, pData, pData->nAlignTotal, Progres, &nDernier, NULL);
    VERIFIE(OsNoticeLog().size() == (nRes == 1 ? 0u : 1u));
    if (nRes == 1) {
        std::set<int> hits;
        VERIFIE(pStat->nSeq == nCount && nDernier == nCount + 1);
        VERIFIE(pStat->IsAllSelected == ((unsigned)nCount == pData->nAlignTotal));
        for (int i = 0; i < pStat->nSeq; i++)
            VERIFIE(memchr(pStat->pSeqDat[i]->szName, '\0', STAT_NOMLEN) != NULL);
        for (unsigned h = 0; h < pData->nAlign; h++)
            for (unsigned k = 0; k < pData->pHSPResultat[h]->unHSP; k++)
                if (pData->pHSPResultat[h]->nHSPselected[k])
                    hits.insert((int)h);
        for (int q = 1; q <= pStat->nTaille; q++) {
            bool bCouvert = false;
            for (int i = 0; i < pStat->nSeq; i++)
                bCouvert |= StatBas(pStat->pSeqDat[i]) <= q && q <= StatHaut(pStat->pSeqDat[i]);
            int n = pStat->pDataHistoBrute[q - 1];
            VERIFIE(bCouvert ? n >= 1 && n <= (int)hits.size() : n == 0);
        }
        VERIFIE(StatMaxHisto(pStat) <= (int)hits.size());
        int nMax = -1, nHauteur = (int)in.Sous(2000), cy = 1 + (int)in.Sous(40);
        if (StatDefilement(pStat, nHauteur, cy, &nMax))
            VERIFIE(pStat->wndheight >= 0 && nMax > 0);
        else
            VERIFIE(pStat->wndheight == 0 && nMax == 0 && pStat->nVdecal == 0);
    } else {
        VERIFIE(nCount == 0 || nDernier == 0);
    }
    DelStatData(pStat);
    FreeDataProgram(pData);
    return 0;
}
