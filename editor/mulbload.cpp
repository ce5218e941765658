/* mulbload.cpp: the editor's record built from the selected HSPs, row
 * colours, the consensus, and the record's release.
 *
 * Columns are query positions. Each HSP is laid on them by walking its
 * query and subject lines together, so that a gap in the query line
 * shifts nothing: the subject residue facing a query residue lands in
 * that residue's column, and a subject residue facing a query gap (an
 * insertion relative to the query) has no column and is left out.
 */
#include "mulbla.h"

#include <limits.h>
#include <stdio.h>
#include <string.h>

#include "colors.h"
#include "hspload.h"
#include "memory.h"

/* ---- Selection ---------------------------------------------------------- */

/* The hit i (0-based) with its selection flags, or NULL. */
static pDataHSP HitAvecDrapeaux(pDataGeneralPrg pData, unsigned i)
{
    pDataHSP pHit;

    if (pData->pHSPResultat == NULL || i >= pData->nHSP)
        return NULL;
    pHit = pData->pHSPResultat[i];
    return pHit != NULL && pHit->nHSPselected != NULL ? pHit : NULL;
}

unsigned CompteHspSelectionnes(pDataGeneralPrg pData)
{
    unsigned n = 0;

    for (unsigned i = 0; i < pData->nAlign; i++) {
        pDataHSP pHit = HitAvecDrapeaux(pData, i);

        for (unsigned j = 0; pHit != NULL && j < pHit->unHSP; j++)
            if (pHit->nHSPselected[j] != 0)
                n++;
    }
    return n;
}

/* ---- Release ------------------------------------------------------------ */

static void VireRangee(pMulBlaSeq pRow)
{
    if (pRow == NULL)
        return;
    MyFree(pRow->szSeq);
    MyFree(pRow->szComp);
    MyFree(pRow->SeqTxtClr);
    MyFree(pRow->SeqBkClr);
    MyFree(pRow);
}

void VirePointMulBla(pMulBlaData pMul)
{
    if (pMul == NULL)
        return;
    /* A removed row is released at once and its entry left NULL past
       nSeq, so the first nSeq entries are all the rows there are. */
    if (pMul->pSeqMul != NULL) {
        for (int i = 0; i < pMul->nSeq; i++)
            VireRangee(pMul->pSeqMul[i]);
        MyFree(pMul->pSeqMul);
    }
    MyFree(pMul->szConsensus);
    MyFree(pMul);
}

/* ---- Colours ------------------------------------------------------------ */

void LitCouleursMulBla(CouleursMulBla *pClr, const char *szConfig, int nColorPref, int nBkColor)
{
    memset(pClr, 0, sizeof *pClr);
    pClr->nColorPref = nColorPref;
    for (int x = 0; x < NBLETTRES; x++)
        pClr->Bk[x] = CLR_BLANC;
    ReadColorConfFile(pClr->Txt, pClr->Bk, &pClr->Ident, &pClr->Simil, &pClr->Autre, nColorPref,
                      szConfig);
    if (nBkColor == 0)
        for (int x = 0; x < NBLETTRES; x++)
            pClr->Bk[x] = CLR_BLANC;
}

static bool EstLettre(char c)
{
    return c >= 'A' && c <= 'Z';
}

void InitColorsString(const CouleursMulBla *pClr, const char *szSeq, const char *szComp, int nLen,
                      unsigned *pTxt, unsigned *pBk)
{
    for (int i = 0; i < nLen; i++) {
        char c = szSeq[i];
        unsigned nBk = EstLettre(c) ? (unsigned)pClr->Bk[c - 'A'] : CLR_BLANC;
        unsigned nTxt = CLR_NOIR;

        if (pClr->nColorPref != COULEUR_SIMIDEN) {
            if (EstLettre(c))
                nTxt = (unsigned)pClr->Txt[c - 'A'];
        } else if (szComp != NULL) {
            /* Identity colours from the row's own match line; without
               one (the query row) the text stays black. */
            char m = szComp[i];

            if (m == MULBLA_VIDE) {
                nBk = CLR_BLANC;
            } else if (EstLettre(m)) {
                nTxt = (unsigned)pClr->Ident;
            } else if (m == ' ') {
                nTxt = (unsigned)pClr->Autre;
            } else {
                nTxt = (unsigned)pClr->Simil;
            }
        }
        pTxt[i] = nTxt;
        pBk[i] = nBk;
    }
}

/* ---- Loading ------------------------------------------------------------ */

/* A row of nTaille "." cells; NULL when memory failed (shown). */
static pMulBlaSeq AlloueRangee(int nTaille)
{
    pMulBlaSeq pRow = (pMulBlaSeq)MyAlloc(sizeof(MulBlaSeq));
    unsigned cbClr = (unsigned)(nTaille > 0 ? nTaille : 1) * (unsigned)sizeof(unsigned);

    if (pRow == NULL)
        return NULL;
    if ((pRow->szSeq = (char *)MyAlloc((unsigned)nTaille + 1)) == NULL ||
        (pRow->szComp = (char *)MyAlloc((unsigned)nTaille + 1)) == NULL ||
        (pRow->SeqTxtClr = (unsigned *)MyAlloc(cbClr)) == NULL ||
        (pRow->SeqBkClr = (unsigned *)MyAlloc(cbClr)) == NULL) {
        VireRangee(pRow);
        return NULL;
    }
    memset(pRow->szSeq, MULBLA_VIDE, (size_t)nTaille);
    memset(pRow->szComp, MULBLA_VIDE, (size_t)nTaille);
    return pRow;
}

/* Lays one HSP on a row: szSeqSrc (the query line for the query row, the
   subject line otherwise) and its match line szCompSrc (NULL: none) go
   into the columns of the query residues, from the lower query
   coordinate on. A short line ends the walk; a position outside the row
   is skipped. */
static void PoseHsp(pMulBlaSeq pRow, int nTaille, pHalyardHSPData pHsp, const char *szSeqSrc,
                    const char *szCompSrc)
{
    unsigned nBas = pHsp->StartQuery < pHsp->StopQuery ? pHsp->StartQuery : pHsp->StopQuery;
    long long nPos = nBas;

    for (int i = 0; i < pHsp->tailleAlign && pHsp->szQuery[i] != '\0'; i++) {
        if (pHsp->szQuery[i] == '-')
            continue;
        if (nPos >= 1 && nPos <= nTaille) {
            char c = szSeqSrc[i];

            pRow->szSeq[nPos - 1] = c != '\0' ? c : MULBLA_VIDE;
            if (szCompSrc != NULL)
                pRow->szComp[nPos - 1] = szCompSrc[i] != '\0' ? szCompSrc[i] : ' ';
        }
        nPos++;
    }
}

/* Name of an HSP row: the accession's first 10 characters, the subject
   coordinates and the HSP number. */
static void NommeRangeeHsp(pMulBlaSeq pRow, const char *szAccess, pHalyardHSPData pHsp, unsigned nHsp)
{
    snprintf(pRow->szName, sizeof pRow->szName, "%.10s (%4u-%4u) %u", szAccess, pHsp->StartSubject,
             pHsp->StopSubject, nHsp);
}

/* Loads hit nHit, HSP nHsp from the open index file into row pRow. */
static bool ChargeRangee(pMulBlaData pMul, pDataGeneralPrg pData, FILE *pFile, const CouleursMulBla *pClr,
                         pMulBlaSeq pRow, unsigned nHit, unsigned nHsp, bool bQuery, const char *szName)
{
    pHalyardHSPData pHsp = ChargeHspIndex(pData, pFile, nHit, nHsp);

    if (pHsp == NULL)
        return false;
    if (bQuery) {
        PoseHsp(pRow, pMul->nTaille, pHsp, pHsp->szQuery, NULL);
        InitColorsString(pClr, pRow->szSeq, NULL, pMul->nTaille, pRow->SeqTxtClr, pRow->SeqBkClr);
        snprintf(pRow->szName, sizeof pRow->szName, "%.10s", szName);
    } else {
        PoseHsp(pRow, pMul->nTaille, pHsp, pHsp->szSubject, pHsp->szComp);
        InitColorsString(pClr, pRow->szSeq, pRow->szComp, pMul->nTaille, pRow->SeqTxtClr,
                         pRow->SeqBkClr);
        NommeRangeeHsp(pRow, szName, pHsp, nHsp);
    }
    LibereHalyardHsp(pHsp);
    return true;
}

/* The record with its nSeq empty rows and consensus; NULL when memory
   failed or the query length cannot be held. */
static pMulBlaData AlloueMulBla(pDataGeneralPrg pData, int nSeq)
{
    int nTaille = pData->FichierBlast.TailleQuery;
    pMulBlaData pMul;

    /* Four arrays of nTaille entries per row, sized in an unsigned. */
    if (nTaille < 0 || (unsigned)nTaille > (UINT_MAX - 1) / sizeof(unsigned))
        return NULL;
    if ((pMul = (pMulBlaData)MyAlloc(sizeof(MulBlaData))) == NULL)
        return NULL;
    pMul->nTaille = nTaille;
    pMul->nColorPref = pData->nColorPref;
    pMul->nBkColor = pData->nBkColor;
    pMul->nHdecal = -2;
    pMul->pSeqMul = (pMulBlaSeq *)MyAlloc((unsigned)nSeq * (unsigned)sizeof(pMulBlaSeq));
    if (pMul->pSeqMul == NULL) {
        VirePointMulBla(pMul);
        return NULL;
    }
    for (int i = 0; i < nSeq; i++) {
        if ((pMul->pSeqMul[i] = AlloueRangee(nTaille)) == NULL) {
            VirePointMulBla(pMul);
            return NULL;
        }
        pMul->nSeq = i + 1;
    }
    if ((pMul->szConsensus = (char *)MyAlloc((unsigned)nTaille + 1)) == NULL) {
        VirePointMulBla(pMul);
        return NULL;
    }
    memset(pMul->szConsensus, '?', (size_t)nTaille);
    return pMul;
}

/* Fills every row from the index file; false when it cannot be opened or
   an HSP is missing. */
static bool RemplitRangees(pMulBlaData pMul, pDataGeneralPrg pData, PFNPROGRESMULBLA pfnProgres,
                           void *pCtx)
{
    CouleursMulBla clr;
    FILE *pFile;
    pDataHSP pHit1 = HitAvecDrapeaux(pData, 0);
    int nRow = 1;
    bool bOk;

    if (pHit1 == NULL)
        return false;
    LitCouleursMulBla(&clr, pData->ConfigFile, pMul->nColorPref, pMul->nBkColor);

    /* The query row, from hit 1 HSP 1 whether it is selected or not; then
       the file again from its start, since hit 1 HSP 1 may be selected. */
    if ((pFile = fopen(pData->szFileSortie, "rb")) == NULL)
        return false;
    bOk = ChargeRangee(pMul, pData, pFile, &clr, pMul->pSeqMul[0], 1, 1, true,
                       pData->FichierBlast.szQuerySeqName);
    fclose(pFile);
    if (!bOk)
        return false;
    if (pfnProgres != NULL)
        pfnProgres(pCtx, nRow, pMul->nSeq);

    if ((pFile = fopen(pData->szFileSortie, "rb")) == NULL)
        return false;
    /* Selected pairs in file order: each is loaded from its block's
       remembered place, or else its search goes on from where the
       previous one stopped. */
    for (unsigned i = 0; bOk && i < pData->nAlign; i++) {
        pDataHSP pHit = HitAvecDrapeaux(pData, i);

        for (unsigned j = 0; bOk && pHit != NULL && j < pHit->unHSP && nRow < pMul->nSeq; j++) {
            if (pHit->nHSPselected[j] == 0)
                continue;
            bOk = ChargeRangee(pMul, pData, pFile, &clr, pMul->pSeqMul[nRow], i + 1, j + 1, false,
                               pHit->szAccessNb);
            nRow++;
            if (bOk && pfnProgres != NULL)
                pfnProgres(pCtx, nRow, pMul->nSeq);
        }
    }
    fclose(pFile);
    return bOk;
}

pMulBlaData ChargeMulBla(pDataGeneralPrg pData, PFNPROGRESMULBLA pfnProgres, void *pCtx,
                         unsigned *pnCount)
{
    unsigned nCount = CompteHspSelectionnes(pData);
    pMulBlaData pMul;

    if (pnCount != NULL)
        *pnCount = nCount;
    if (nCount == 0 || nCount >= (unsigned)INT_MAX)
        return NULL;
    if ((pMul = AlloueMulBla(pData, (int)nCount + 1)) == NULL)
        return NULL;
    if (!RemplitRangees(pMul, pData, pfnProgres, pCtx)) {
        VirePointMulBla(pMul);
        return NULL;
    }
    pMul->nPointLimit = pMul->nSeq / 2;
    pMul->nStrictLimit = pMul->nSeq / 2;
    CreeConsensus(pMul, pMul->szConsensus, pMul->nPointLimit, pMul->nStrictLimit);
    return pMul;
}

/* ---- Consensus ---------------------------------------------------------- */

int CreeConsensus(pMulBlaData pMul, char *szOut, int nPoint, int nStrict)
{
    for (int c = 0; c < pMul->nTaille; c++) {
        int nCompte[NBLETTRES] = {0};
        int nPoints = 0, nMax = 0, nAuMax = 0;
        char cMax = MULBLA_VIDE;

        /* A cell without a letter ("-" gap, "*" stop) has no residue:
           it counts as ".". */
        for (int r = 0; r < pMul->nSeq; r++) {
            char ch = pMul->pSeqMul[r]->szSeq[c];

            if (EstLettre(ch))
                nCompte[ch - 'A']++;
            else
                nPoints++;
        }
        if (nPoints >= nPoint) {
            szOut[c] = MULBLA_VIDE;
            continue;
        }
        for (int x = 0; x < NBLETTRES; x++) {
            if (nCompte[x] < nStrict || nCompte[x] == 0 || nCompte[x] < nMax)
                continue;
            if (nCompte[x] == nMax) {
                nAuMax++;
            } else {
                nMax = nCompte[x];
                nAuMax = 1;
                cMax = (char)('A' + x);
            }
        }
        szOut[c] = nAuMax == 1 ? cMax : MULBLA_VIDE;
    }
    szOut[pMul->nTaille] = '\0';
    return 1;
}
