/* patsearch.cpp: the pattern search engine.
 *
 * Each sub-mask is scanned once through the sequence and its occurrences
 * go to an occurrence file MFIND<n>.TMP; the occurrences are then read
 * back and every chain of them, one per sub-mask, whose distances respect
 * the gap limits is written to RESULTS.TMP, depth first. Also here: the
 * Find command's loop over sequences and patterns, and the reader that
 * turns RESULTS.TMP into the texts of the results tree.
 */
#include <ctype.h>
#include <limits.h>
#include <stdio.h>
#include <string.h>

#include "findpat.h"
#include "halyardrc.h"
#include "memory.h"

static const PositionData PositionNulle = { UINT_MAX, UINT_MAX };

/* ---- Matching one sub-mask ------------------------------------------ */

int CompareMask(char r, const char *mask, int first, int end)
{
    int i;

    for (i = first; i < end; i++) {
        if (r == '.' || r == '-')
            return 0;  /* alignment gaps match nothing */
        if (r == 'X' || mask[i] == 'X' || r == mask[i])
            return 1;
    }
    return 0;
}

/* Where the element starting at mask[m] ends: the ")" of a group, m for a
   single residue; -1 for a group that is never closed. */
static int FinElement(const char *szSsMask, int m)
{
    const char *pFin;

    if (szSsMask[m] != '(')
        return m;
    pFin = strchr(szSsMask + m, ')');
    return pFin != NULL ? (int)(pFin - szSsMask) : -1;
}

PositionData RechercheMaskSimple(const char *szSequence,
                                 const char *szSsMask,
                                 unsigned int nFrom,
                                 unsigned int nLength)
{
    unsigned int p = nFrom, nStart = nFrom;
    int e0, m = 0;

    if (szSsMask[0] == '\0' || (e0 = FinElement(szSsMask, 0)) < 0)
        return PositionNulle;
    while (p < nLength) {
        int nFin = FinElement(szSsMask, m);
        int bMatch;

        if (nFin < 0)
            return PositionNulle;
        if (nFin == m)
            bMatch = CompareMask(szSequence[p], szSsMask, m, m + 1);
        else
            bMatch = CompareMask(szSequence[p], szSsMask, m + 1, nFin);
        if (bMatch) {
            if (nFin == e0)
                nStart = p;
            m = nFin + 1;
            if (szSsMask[m] == '\0') {
                PositionData pos = { nStart, p };
                return pos;
            }
        } else {
            /* A partial match failed: start again one residue after its
               first one. */
            if (nFin != e0)
                p = nStart;
            m = 0;
        }
        p++;
    }
    return PositionNulle;
}

int RechercheMaskComplexe(FILE *f,
                          pDataGeneralMotif pMotif,
                          const char *szSsMask,
                          int nIndex)
{
    unsigned int nFrom = 0;
    bool bTrouve = false;

    for (;;) {
        PositionData pos = RechercheMaskSimple(pMotif->Sequence, szSsMask,
                                               nFrom,
                                               pMotif->nTailleSequence);
        if (pos.start == UINT_MAX)
            break;
        bTrouve = true;
        pMotif->nOccurence[nIndex]++;
        fprintf(f, "%u %u\r\n", pos.start, pos.stop);
        /* Occurrences of one sub-mask do not overlap. One that ends at
           the next-to-last residue may still be followed by one made of
           the last residue alone. */
        if (pos.stop + 1 >= pMotif->nTailleSequence)
            break;
        nFrom = pos.stop + 1;
    }
    return bTrouve ? 1 : 2;
}

/* ---- Searching every sub-mask --------------------------------------- */

/* Parses "%u %u %s" from a line of the sub-mask file. */
static bool LitLigneSsMask(const char *szLine,
                           unsigned int *pnNumero,
                           unsigned int *pnLimite,
                           char *szSsMask)   /* TAILLESSMASK bytes */
{
    const char *s = szLine;
    unsigned int *pn[2] = { pnNumero, pnLimite };
    size_t n = 0;
    int i;

    for (i = 0; i < 2; i++) {
        while (*s == ' ')
            s++;
        if (!isdigit((unsigned char)*s))
            return false;
        *pn[i] = 0;
        for (; isdigit((unsigned char)*s); s++)
            *pn[i] = *pn[i] <= (UINT_MAX - 9) / 10
                         ? *pn[i] * 10 + (unsigned)(*s - '0')
                         : UINT_MAX;
    }
    while (*s == ' ')
        s++;
    while (s[n] != '\0' && s[n] != ' ')
        n++;
    if (n == 0 || n > TAILLESSMASK - 1)
        return false;
    memcpy(szSsMask, s, n);
    szSsMask[n] = '\0';
    return true;
}

/* Allocates the per-sub-mask arrays of the search. */
static bool AlloueSsMasks(pDataGeneralMotif pMotif)
{
    unsigned int n = (unsigned)pMotif->NbreSsMask;
    int i;

    pMotif->nOccurence = (unsigned int *)MyAlloc(n * sizeof(unsigned int));
    if (pMotif->nOccurence == NULL)
        return false;
    pMotif->nTailleEntreSsMask =
        (unsigned int *)MyAlloc(n * sizeof(unsigned int));
    if (pMotif->nTailleEntreSsMask == NULL)
        return false;
    for (i = 0; i < pMotif->NbreSsMask; i++) {
        pMotif->szTmpFileName[i] = (char *)MyAlloc(TAILLECHEMIN);
        if (pMotif->szTmpFileName[i] == NULL)
            return false;
    }
    return true;
}

/* Creates occurrence file n and writes the occurrences of szSsMask into
   it. 0 error (reported), 1 some, 2 none. */
static int CherchUnSsMask(pDataGeneralMotif pMotif,
                          unsigned int nNumero,
                          const char *szSsMask)
{
    char szNom[32];
    char *szPath = pMotif->szTmpFileName[nNumero - 1];
    FILE *f;
    int nRes;
    bool bOk;

    snprintf(szNom, sizeof szNom, "MFIND%u.TMP", nNumero);
    if (!CheminFichierTravail(pMotif->szNomFichier, szNom, szPath,
                              TAILLECHEMIN)
        || (f = fopen(szPath, "wb")) == NULL) {
        szPath[0] = '\0';
        MyErrMsgBox(IDS_FINDPAT, IDS_NOCREATEMFIND, pMotif->hWndMain);
        return 0;
    }
    nRes = RechercheMaskComplexe(f, pMotif, szSsMask, (int)nNumero - 1);
    bOk = !ferror(f);
    if (fclose(f) != 0)
        bOk = false;
    if (!bOk) {
        MyErrMsgBox(IDS_FINDPAT, IDS_NOCREATEMFIND, pMotif->hWndMain);
        return 0;
    }
    return nRes;
}

int FindSousMask(pDataGeneralMotif pMotif)
{
    char szLine[200];
    char szSsMask[TAILLESSMASK];
    int nLus = 0, nRes = 1;
    FILE *f;

    if (!DecorticMotif(pMotif))
        return 0;
    f = fopen(pMotif->szSsMaskFile, "rb");
    if (f == NULL) {
        MyErrMsgBox(IDS_FINDPAT, IDS_NOSSMASK, pMotif->hWndMain);
        return 0;
    }
    if (!AlloueSsMasks(pMotif)) {
        fclose(f);
        return 0;
    }
    while (nRes == 1 && LitLigneFichier(f, szLine, sizeof szLine)) {
        unsigned int nNumero, nLimite;

        if (!LitLigneSsMask(szLine, &nNumero, &nLimite, szSsMask)
            || nNumero != (unsigned)nLus + 1
            || nNumero > (unsigned)pMotif->NbreSsMask) {
            MyErrMsgBox(IDS_FINDPAT, IDS_NOSSMASK, pMotif->hWndMain);
            nRes = 0;
            break;
        }
        nLus++;
        pMotif->nTailleEntreSsMask[nNumero - 1] = nLimite;
        nRes = CherchUnSsMask(pMotif, nNumero, szSsMask);
    }
    if (nRes == 1 && nLus != pMotif->NbreSsMask) {
        MyErrMsgBox(IDS_FINDPAT, IDS_NOSSMASK, pMotif->hWndMain);
        nRes = 0;
    }
    fclose(f);
    return nRes;
}

/* ---- Chains of occurrences ------------------------------------------ */

/* First occurrence of sub-mask d whose start is above nPos. */
static unsigned int PremierApres(pDataGeneralMotif pMotif,
                                 int d,
                                 unsigned long long nPos)
{
    unsigned int lo = 0, hi = pMotif->nOccurence[d];

    while (lo < hi) {
        unsigned int mid = lo + (hi - lo) / 2;
        if (pMotif->nDebut[d][mid] > nPos)
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

/* Occurrences of sub-mask d+1 that may follow occurrence j of sub-mask d:
   those starting 1 to limit positions after its stop. Starts increase, so
   they are the range [*pnLo, *pnHi). */
static void Suivants(pDataGeneralMotif pMotif,
                     int d,
                     unsigned int j,
                     unsigned int *pnLo,
                     unsigned int *pnHi)
{
    unsigned long long nStop = pMotif->nFin[d][j];

    *pnLo = PremierApres(pMotif, d + 1, nStop);
    *pnHi = PremierApres(pMotif, d + 1,
                         nStop + pMotif->nTailleEntreSsMask[d + 1]);
}

/* Marks the occurrences from which some chain reaches the last sub-mask,
   last sub-mask first, so that the walk never enters a dead end: with
   many occurrences and long gap limits the dead ends alone can take
   longer than any user waits. */
static bool MarqueViables(pDataGeneralMotif pMotif)
{
    int nLast = pMotif->NbreSsMask - 1;
    unsigned int nMax = 0;
    unsigned int *pnCumul;
    int d;

    for (d = 0; d <= nLast; d++)
        if (pMotif->nOccurence[d] > nMax)
            nMax = pMotif->nOccurence[d];
    pnCumul = (unsigned int *)MyAlloc((nMax + 1) * sizeof(unsigned int));
    if (pnCumul == NULL)
        return false;
    memset(pMotif->bViable[nLast], 1, pMotif->nOccurence[nLast]);
    for (d = nLast - 1; d >= 0; d--) {
        unsigned int j, k;

        pnCumul[0] = 0;
        for (k = 0; k < pMotif->nOccurence[d + 1]; k++)
            pnCumul[k + 1] = pnCumul[k] + pMotif->bViable[d + 1][k];
        for (j = 0; j < pMotif->nOccurence[d]; j++) {
            unsigned int lo, hi;
            Suivants(pMotif, d, j, &lo, &hi);
            pMotif->bViable[d][j] = pnCumul[hi] > pnCumul[lo];
        }
    }
    MyFree(pnCumul);
    return true;
}

/* Reads occurrence file d back into nDebut[d] and nFin[d]. */
static bool LitOccurences(pDataGeneralMotif pMotif, int d)
{
    unsigned int n = pMotif->nOccurence[d];
    unsigned int i;
    char szLine[64];
    FILE *f;

    pMotif->nDebut[d] = (unsigned int *)MyAlloc(n * sizeof(unsigned int));
    pMotif->nFin[d] = (unsigned int *)MyAlloc(n * sizeof(unsigned int));
    pMotif->bViable[d] = (unsigned char *)MyAlloc(n);
    if (pMotif->nDebut[d] == NULL || pMotif->nFin[d] == NULL
        || pMotif->bViable[d] == NULL)
        return false;
    f = pMotif->szTmpFileName[d] != NULL
            ? fopen(pMotif->szTmpFileName[d], "rb") : NULL;
    if (f == NULL) {
        MyErrMsgBox(IDS_FINDPAT, IDS_NOMFIND, pMotif->hWndMain);
        return false;
    }
    for (i = 0; i < n; i++) {
        unsigned int nStart, nStop;

        /* The walk needs what RechercheMaskComplexe wrote: increasing,
           non-overlapping occurrences inside the sequence. */
        if (!LitLigneFichier(f, szLine, sizeof szLine)
            || sscanf(szLine, "%u %u", &nStart, &nStop) != 2
            || nStart > nStop || nStop >= pMotif->nTailleSequence
            || (i > 0 && nStart <= pMotif->nFin[d][i - 1])) {
            fclose(f);
            MyErrMsgBox(IDS_FINDPAT, IDS_NOMFIND, pMotif->hWndMain);
            return false;
        }
        pMotif->nDebut[d][i] = nStart;
        pMotif->nFin[d][i] = nStop;
    }
    fclose(f);
    return true;
}

/* Writes the chain as one more match, unless MAXRESULTATS are written. */
static int EcritChemin(FILE *f, pDataGeneralMotif pMotif)
{
    int d;

    if (pMotif->nChemin >= MAXRESULTATS) {
        pMotif->bTronque = 1;
        return 0;
    }
    for (d = 0; d < pMotif->NbreSsMask; d++)
        fprintf(f, "%u %u\r\n", pMotif->nCheminASauver[d].start,
                pMotif->nCheminASauver[d].stop);
    fputs("-\r\n", f);
    pMotif->nChemin++;
    return 1;
}

int ExamineCombinaison(FILE *f,
                       int nDepth,
                       unsigned int nOcc,
                       pDataGeneralMotif pMotif)
{
    unsigned int k, lo, hi;
    int d = nDepth;

    pMotif->nCheminASauver[d].start = pMotif->nDebut[d][nOcc];
    pMotif->nCheminASauver[d].stop = pMotif->nFin[d][nOcc];
    if (pMotif->NbreSsMask == 1)
        return EcritChemin(f, pMotif);
    if (d + 1 >= pMotif->NbreSsMask)
        return 1;
    Suivants(pMotif, d, nOcc, &lo, &hi);
    for (k = lo; k < hi; k++) {
        if (pMotif->bViable[d + 1] != NULL && !pMotif->bViable[d + 1][k])
            continue;
        if (d + 1 == pMotif->NbreSsMask - 1) {
            pMotif->nCheminASauver[d + 1].start = pMotif->nDebut[d + 1][k];
            pMotif->nCheminASauver[d + 1].stop = pMotif->nFin[d + 1][k];
            if (!EcritChemin(f, pMotif))
                return 0;
        } else if (!ExamineCombinaison(f, d + 1, k, pMotif)) {
            return 0;
        }
    }
    return 1;
}

int LanceExamenCombinaison(pDataGeneralMotif pMotif)
{
    char szPath[TAILLECHEMIN];
    unsigned int j;
    bool bOk;
    FILE *f;
    int d;

    if (pMotif->NbreSsMask < 1)
        return 0;
    for (d = 0; d < pMotif->NbreSsMask; d++)
        if (!LitOccurences(pMotif, d))
            return 0;
    pMotif->nCheminASauver = (pPositionData)MyAlloc(
        (unsigned)pMotif->NbreSsMask * sizeof(PositionData));
    if (pMotif->nCheminASauver == NULL || !MarqueViables(pMotif))
        return 0;

    if (!CheminFichierTravail(pMotif->szNomFichier, "RESULTS.TMP", szPath,
                              sizeof szPath)
        || (f = fopen(szPath, "wb")) == NULL) {
        MyErrMsgBox(IDS_FINDPAT, IDS_NOCREATERESULTS, pMotif->hWndMain);
        return 0;
    }
    pMotif->nChemin = 0;
    pMotif->bTronque = 0;
    for (j = 0; j < pMotif->nOccurence[0]; j++)
        if (pMotif->bViable[0][j] && !ExamineCombinaison(f, 0, j, pMotif))
            break;
    bOk = !ferror(f);
    if (fclose(f) != 0)
        bOk = false;
    if (!bOk) {
        /* A cut results file would show half a match as a whole one. */
        remove(szPath);
        MyErrMsgBox(IDS_FINDPAT, IDS_NOCREATERESULTS, pMotif->hWndMain);
        return 0;
    }
    return 1;
}

/* ---- Clean-up ------------------------------------------------------- */

void EffaceFichiersTMP(pDataGeneralMotif pMotif)
{
    int i;

    for (i = 0; i < MAXSSMASK; i++)
        if (pMotif->szTmpFileName[i] != NULL
            && pMotif->szTmpFileName[i][0] != '\0')
            remove(pMotif->szTmpFileName[i]);
    if (pMotif->szSsMaskFile[0] != '\0')
        remove(pMotif->szSsMaskFile);
}

void EffacePointeurs(pDataGeneralMotif pMotif)
{
    int i;

    for (i = 0; i < MAXSSMASK; i++) {
        MyFree(pMotif->szTmpFileName[i]);
        MyFree(pMotif->nDebut[i]);
        MyFree(pMotif->nFin[i]);
        MyFree(pMotif->bViable[i]);
        pMotif->szTmpFileName[i] = NULL;
        pMotif->nDebut[i] = NULL;
        pMotif->nFin[i] = NULL;
        pMotif->bViable[i] = NULL;
    }
    MyFree(pMotif->nOccurence);
    MyFree(pMotif->nTailleEntreSsMask);
    MyFree(pMotif->nCheminASauver);
    MyFree(pMotif->pTableDNA);
    pMotif->nOccurence = NULL;
    pMotif->nTailleEntreSsMask = NULL;
    pMotif->nCheminASauver = NULL;
    pMotif->pTableDNA = NULL;
    pMotif->nEntreeDnaTbl = 0;
}

/* ---- One search ----------------------------------------------------- */

/* Copies szSrc into szDst (cchDst bytes), cut to fit. */
static void CopieChamp(char *szDst, size_t cchDst, const char *szSrc)
{
    size_t n = szSrc != NULL ? strlen(szSrc) : 0;

    if (n > cchDst - 1)
        n = cchDst - 1;
    memcpy(szDst, szSrc != NULL ? szSrc : "", n);
    szDst[n] = '\0';
}

/* The mask as the compiler wants it: upper case (masks of pattern files
   are kept as written) and without blanks, which no residue matches.
   0 when it does not fit in TAILLEMASK. */
static bool NormaliseMasque(const char *szMask, char *szDst)
{
    size_t n = 0;

    for (; *szMask != '\0'; szMask++) {
        unsigned char c = (unsigned char)*szMask;
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n')
            continue;
        if (n == TAILLEMASK - 1)
            return false;
        szDst[n++] = (char)toupper(c);
    }
    szDst[n] = '\0';
    return true;
}

int LanceRecherche(OSWND hOwner,
                   const char *szWorkDir,
                   const char *szSeqName,
                   const char *szSequence,
                   const char *szTableConvert,
                   const char *szMask)
{
    char szMasque[TAILLEMASK];
    char szResults[TAILLECHEMIN];
    pDataGeneralMotif pMotif;
    size_t nSeq;
    int nRes = RECH_ERREUR;

    if (szMask == NULL || !NormaliseMasque(szMask, szMasque)
        || szMasque[0] == '\0') {
        MyErrMsgBox(IDS_FINDPAT, IDS_BADPATTERN, hOwner);
        return RECH_ERREUR;
    }
    /* A results file left from an earlier search must never be shown as
       the results of this one. */
    if (CheminFichierTravail(szWorkDir, "RESULTS.TMP", szResults,
                             sizeof szResults))
        remove(szResults);
    nSeq = szSequence != NULL ? strlen(szSequence) : 0;
    if (nSeq == 0)
        return RECH_ABSENT;
    if (nSeq >= UINT_MAX - 1) {
        MyErrMsgBox(IDS_FINDPAT, IDS_BADPATTERN, hOwner);
        return RECH_ERREUR;
    }

    pMotif = (pDataGeneralMotif)MyAlloc(sizeof(DataGeneralMotif));
    if (pMotif == NULL)
        return RECH_ERREUR;
    pMotif->hWndMain = hOwner;
    memcpy(pMotif->mask, szMasque, sizeof szMasque);
    CopieChamp(pMotif->szNomFichier, sizeof pMotif->szNomFichier,
               szWorkDir);
    CopieChamp(pMotif->szTitreFichier, sizeof pMotif->szTitreFichier,
               szSeqName);
    CopieChamp(pMotif->TableConvert, sizeof pMotif->TableConvert,
               szTableConvert);
    pMotif->nTailleSequence = (unsigned int)nSeq;
    pMotif->Sequence = (char *)MyAlloc((unsigned)nSeq + 1);

    if (pMotif->Sequence != NULL) {
        memcpy(pMotif->Sequence, szSequence, nSeq + 1);
        if (CreeTableDNA(pMotif) && AcheveMasque(pMotif)
            && RemplaceMultiLettre(pMotif)) {
            nRes = FindSousMask(pMotif);
            if (nRes == RECH_TROUVE) {
                /* A failure here has its own notice; the dialog then
                   finds no results file and says so in the tree. */
                LanceExamenCombinaison(pMotif);
                if (pMotif->bTronque)
                    nRes = RECH_TRONQUE;
            }
        }
    }
    EffaceFichiersTMP(pMotif);
    EffacePointeurs(pMotif);
    MyFree(pMotif->Sequence);
    MyFree(pMotif);
    return nRes;
}

/* ---- The Find command's loop ---------------------------------------- */

int LanceRechercheSequences(OSWND hOwner,
                            const char *szWorkDir,
                            const char *szTableConvert,
                            char **szListSequence,
                            const int *pnSeqIdx,
                            int nSeqSel,
                            char **szMotifs,
                            int nMotifs,
                            PFNRESULTATS pfnResultats,
                            void *pParam)
{
    char szResults[TAILLECHEMIN];
    bool bTronque = false, bArret = false;
    int i, m;

    if (!CheminFichierTravail(szWorkDir, "RESULTS.TMP", szResults,
                              sizeof szResults))
        szResults[0] = '\0';
    for (i = 0; i < nSeqSel && !bArret; i++) {
        int nSeq = pnSeqIdx[i];

        for (m = 0; m < nMotifs; m++) {
            int nRes = LanceRecherche(hOwner, szWorkDir, "",
                                      szListSequence[nSeq], szTableConvert,
                                      szMotifs[m]);
            if (nRes == RECH_ERREUR) {
                if (MyAskMsgBox(IDS_FINDPAT, IDS_ERRORAGAIN, hOwner)
                    != OS_IDYES) {
                    bArret = true;
                    break;
                }
            } else if (nRes != RECH_ABSENT) {
                if (nRes == RECH_TRONQUE)
                    bTronque = true;
                if (pfnResultats != NULL)
                    pfnResultats(pParam, nSeq, m, nRes, szResults);
                if (szResults[0] != '\0')
                    remove(szResults);
            }
        }
    }
    if (bTronque)
        MyInfoMsgBox(IDS_FINDPAT, IDS_FP_TOOMANY, hOwner);
    return bArret ? 0 : 1;
}

/* ---- Reading the results -------------------------------------------- */

/* A match text being built, cut with "..." once it is full. */
typedef struct tagTexteMatch {
    char   sz[TAILLERESULTAT];
    size_t n;
    bool   bCoupe;
} TexteMatch;

static void AjouteTexte(TexteMatch *pT, const char *szPart)
{
    size_t nPart = strlen(szPart);
    const size_t nMax = sizeof pT->sz - 1;

    if (pT->bCoupe)
        return;
    if (pT->n + nPart <= nMax) {
        memcpy(pT->sz + pT->n, szPart, nPart + 1);
        pT->n += nPart;
        return;
    }
    /* Fill up to three characters from the end, then "...". */
    if (pT->n < nMax - 3) {
        size_t nFit = nMax - 3 - pT->n;
        memcpy(pT->sz + pT->n, szPart, nFit);
        pT->n += nFit;
    }
    if (pT->n > nMax - 3)
        pT->n = nMax - 3;
    memcpy(pT->sz + pT->n, "...", 4);
    pT->n += 3;
    pT->bCoupe = true;
}

/* "-- start<residues>stop --" for one occurrence, 1-based; an occurrence
   of TAILLEOCCURENCE residues or more shows its first and last ones
   around "...". */
static void AjouteOccurence(TexteMatch *pT,
                            const char *szSequence,
                            size_t nSeq,
                            unsigned int nStart,
                            unsigned int nStop)
{
    const size_t nCote = (TAILLEOCCURENCE - 1 - 3) / 2;
    char szRes[TAILLEOCCURENCE];
    char szPart[TAILLEOCCURENCE + 40];
    size_t n = 0;

    if (nStart <= nStop && nStop < nSeq) {
        n = (size_t)nStop - nStart + 1;
        if (n <= TAILLEOCCURENCE - 1) {
            memcpy(szRes, szSequence + nStart, n);
        } else {
            memcpy(szRes, szSequence + nStart, nCote);
            memcpy(szRes + nCote, "...", 3);
            memcpy(szRes + nCote + 3, szSequence + nStop + 1 - nCote, nCote);
            n = 2 * nCote + 3;
        }
    }
    szRes[n] = '\0';
    snprintf(szPart, sizeof szPart, "-- %u<%s>%u --",
             nStart + 1, szRes, nStop + 1);
    AjouteTexte(pT, szPart);
}

int LitResultats(const char *szResultsFile,
                 const char *szSequence,
                 PFNMATCH pfnMatch,
                 void *pParam)
{
    char szLine[100];
    TexteMatch texte = {};
    unsigned int nMatch = 0;
    bool bVide = true;   /* no line of the current match yet */
    size_t nSeq = szSequence != NULL ? strlen(szSequence) : 0;
    FILE *f;

    f = fopen(szResultsFile, "rb");
    if (f == NULL)
        return 0;
    while (LitLigneFichier(f, szLine, sizeof szLine)) {
        unsigned int nStart, nStop;

        if (strchr(szLine, '-') != NULL) {
            if (!bVide && pfnMatch != NULL)
                pfnMatch(pParam, texte.sz);
            bVide = true;
            continue;
        }
        if (sscanf(szLine, "%u %u", &nStart, &nStop) != 2)
            continue;
        if (bVide) {
            char szNum[16];
            snprintf(szNum, sizeof szNum, "%4u : ", ++nMatch);
            texte.sz[0] = '\0';
            texte.n = 0;
            texte.bCoupe = false;
            AjouteTexte(&texte, szNum);
            bVide = false;
        }
        AjouteOccurence(&texte, szSequence, nSeq, nStart, nStop);
    }
    fclose(f);
    return 1;
}
