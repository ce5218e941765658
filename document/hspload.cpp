/* hspload.cpp: an HSP's block of the index file back into a
 * HalyardHSPData (three rows, coordinates, score text), and the colour of
 * every residue of it.
 *
 * Every row is filled up to tailleAlign columns at most, whatever the
 * triples of the block say.
 */
#include "hspload.h"

#include <string.h>

#include "blastread.h"
#include "colors.h"
#include "memory.h"

/* One row under construction: its buffer and how much is filled. */
typedef struct tagRangee {
    char *sz;
    int   n;
} Rangee;

/* Appends nLen characters of pSrc to the row, stopping at nMax. */
static void AjouteARangee(Rangee *pR, const char *pSrc, int nLen, int nMax)
{
    if (nLen > nMax - pR->n)
        nLen = nMax - pR->n;
    if (nLen <= 0)
        return;
    memcpy(pR->sz + pR->n, pSrc, (size_t)nLen);
    pR->n += nLen;
}

/* The separator between blocks: the line "END" and nothing more. Query
   lines holding ...KENDL... never start with it. */
static bool EstSeparateur(const char *szLigne)
{
    return strncmp(szLigne, "END", 3) == 0 &&
           (szLigne[3] == '\n' || szLigne[3] == '\0' || szLigne[3] == ' ');
}

/* The alignment length: the digits after the first "/" of the identities
   line (at most 9, up to the next blank). 0 when there are none. */
static int LongueurAlignement(const char *szIdent)
{
    const char *p = strchr(szIdent, '/');
    int n = 0;

    if (p == NULL)
        return 0;
    for (int i = 1; i <= 9 && p[i] >= '0' && p[i] <= '9'; i++)
        n = n * 10 + (p[i] - '0');
    return n;
}

/* Searches forward for the block's tag. */
static bool ChercheBloc(FILE *pFile, char *szLigne, unsigned nAlign, unsigned nHsp)
{
    while (MYFGETS(pFile, TAILLELIGNE, szLigne) != NULL) {
        unsigned a, b;

        if (strstr(szLigne, "ALIGN") != NULL && strstr(szLigne, "HSP") != NULL &&
            sscanf(szLigne, "%*s %u %*s %u", &a, &b) == 2 && a == nAlign &&
            b == nHsp)
            return true;
    }
    return false;
}

/* The score line without its first character, then the identities line
   without its newline, in szInfo. Returns the alignment length, 0 when a
   line is missing or gives none. */
static int LitEnteteHsp(FILE *pFile, char *szLigne, pHalyardHSPData p)
{
    size_t n;

    if (MYFGETS(pFile, TAILLELIGNE, szLigne) == NULL)
        return 0;
    if (szLigne[0] != '\0')
        strncat(p->szInfo, szLigne + 1, sizeof p->szInfo - 1);
    if (MYFGETS(pFile, TAILLELIGNE, szLigne) == NULL)
        return 0;
    n = strlen(szLigne);
    if (n > 0 && szLigne[n - 1] == '\n')
        szLigne[n - 1] = '\0';
    strncat(p->szInfo, szLigne, sizeof p->szInfo - 1 - strlen(p->szInfo));
    return LongueurAlignement(szLigne);
}

static bool AlloueRangees(pHalyardHSPData p)
{
    unsigned cbRangee = (unsigned)p->tailleAlign + 1;
    unsigned cbCouleurs = (unsigned)p->tailleAlign * (unsigned)sizeof(unsigned int);

    return (p->szQuery = (char *)MyAlloc(cbRangee)) != NULL &&
           (p->szSubject = (char *)MyAlloc(cbRangee)) != NULL &&
           (p->szComp = (char *)MyAlloc(cbRangee)) != NULL &&
           (p->QueryTxtClr = (unsigned int *)MyAlloc(cbCouleurs)) != NULL &&
           (p->QueryBkClr = (unsigned int *)MyAlloc(cbCouleurs)) != NULL &&
           (p->SubjectTxtClr = (unsigned int *)MyAlloc(cbCouleurs)) != NULL &&
           (p->SubjectBkClr = (unsigned int *)MyAlloc(cbCouleurs)) != NULL &&
           (p->CompTxtClr = (unsigned int *)MyAlloc(cbCouleurs)) != NULL &&
           (p->CompBkClr = (unsigned int *)MyAlloc(cbCouleurs)) != NULL;
}

/* A query or subject line: "QUERY:  61 SEGMENT 120". */
static bool LitLigneSequence(const char *szLigne, unsigned *pnDebut,
                             char *szSegment, unsigned *pnFin)
{
    return sscanf(szLigne, "%*s %u %99s %u", pnDebut, szSegment, pnFin) == 3;
}

/* Reads the triples of the block into the rows, up to "END" or the end of
   the file. */
static void LitTriplets(FILE *pFile, char *szLigne, pHalyardHSPData p)
{
    Rangee rQuery = {p->szQuery, 0};
    Rangee rComp = {p->szComp, 0};
    Rangee rSubject = {p->szSubject, 0};
    bool bPremier = true;
    int nMax = p->tailleAlign;

    while (MYFGETS(pFile, TAILLELIGNE, szLigne) != NULL && !EstSeparateur(szLigne)) {
        char szSegment[TAILLELIGNE];
        unsigned nDebutQ, nFinQ, nDebutS = 0, nFinS = 0;
        const char *pCol;
        int nSeg, nCol = 0;
        bool bSujet;

        /* Anything that is not a query line (a blank line, a noseqs
           triple's last line) is passed over. */
        if (!LitLigneSequence(szLigne, &nDebutQ, szSegment, &nFinQ))
            continue;
        nSeg = (int)strlen(szSegment);

        /* The segment starts at the first character from "A" on after the
           ":" (blanks and coordinates come before "A"). */
        pCol = strchr(szLigne, ':');
        if (pCol != NULL) {
            nCol = (int)(pCol - szLigne);
            while (szLigne[nCol] != '\0' && (unsigned char)szLigne[nCol] < 'A')
                nCol++;
        }

        /* The match line, cut or padded with blanks to the segment.
           Reports made without sequences ("noseqs") have no match line and
           no residues: "QUERY: 1 - 820" then "SBJCT: 1 - 820" give the
           coordinates only. */
        if (MYFGETS(pFile, TAILLELIGNE, szLigne) == NULL) {
            /* The file ends inside the triple. */
            AjouteARangee(&rQuery, szSegment, nSeg, nMax);
            if (bPremier)
                p->StartQuery = nDebutQ;
            p->StopQuery = nFinQ;
            break;
        }
        bSujet = strstr(szLigne, "SBJCT:") != NULL;
        if (!bSujet) {
            char szMatch[TAILLELIGNE];
            int nLong = (int)strlen(szLigne);

            if (nLong > 0 && szLigne[nLong - 1] == '\n')
                nLong--;
            for (int i = 0; i < nSeg; i++)
                szMatch[i] = nCol + i < nLong ? szLigne[nCol + i] : ' ';
            AjouteARangee(&rQuery, szSegment, nSeg, nMax);
            AjouteARangee(&rComp, szMatch, nSeg, nMax);
        }

        if (!bSujet && MYFGETS(pFile, TAILLELIGNE, szLigne) == NULL)
            break;
        if (LitLigneSequence(szLigne, &nDebutS, szSegment, &nFinS)) {
            if (!bSujet)
                AjouteARangee(&rSubject, szSegment, (int)strlen(szSegment), nMax);
            if (bPremier)
                p->StartSubject = nDebutS;
            p->StopSubject = nFinS;
        }
        if (bPremier)
            p->StartQuery = nDebutQ;
        p->StopQuery = nFinQ;
        bPremier = false;
    }
}

pHalyardHSPData LitUnAlignHsp(OSWND hOwner, FILE *pFile, unsigned int nAlign,
                              unsigned int nHsp)
{
    char szLigne[TAILLELIGNE];
    pHalyardHSPData p;
    int nTaille;

    (void)hOwner;
    if (pFile == NULL)
        return NULL;
    p = (pHalyardHSPData)MyAlloc(sizeof(HalyardHSPData));
    if (p == NULL)
        return NULL;
    if (!ChercheBloc(pFile, szLigne, nAlign, nHsp)) {
        MyFree(p);
        return NULL;
    }
    p->noAlign = (int)nAlign;
    p->noHsp = (int)nHsp;

    /* A missing, empty or absurd length would size the rows from damaged
       text: nothing is allocated for it. */
    nTaille = LitEnteteHsp(pFile, szLigne, p);
    if (nTaille <= 0 || nTaille > MAXTAILLEALIGN) {
        MyFree(p);
        return NULL;
    }
    p->tailleAlign = nTaille;
    if (!AlloueRangees(p)) {
        LibereHalyardHsp(p);
        return NULL;
    }
    LitTriplets(pFile, szLigne, p);
    return p;
}

long PlaceBlocHsp(pDataGeneralPrg pData, unsigned int nAlign, unsigned int nHsp)
{
    pDataHSP pHit;
    unsigned i;

    if (pData->plPosHsp == NULL || pData->pHSPResultat == NULL || nAlign < 1
        || nAlign > pData->nHSP)
        return -1;
    pHit = pData->pHSPResultat[nAlign - 1];
    if (pHit == NULL || nHsp < 1 || nHsp > pHit->unHSP
        || pHit->nPremierHsp >= pData->nPosHsp || nHsp - 1 >= pData->nPosHsp - pHit->nPremierHsp)
        return -1;
    i = pHit->nPremierHsp + (nHsp - 1);
    return pData->plPosHsp[i];
}

pHalyardHSPData ChargeHspIndex(pDataGeneralPrg pData, FILE *pFile, unsigned int nAlign,
                               unsigned int nHsp)
{
    long lPos = PlaceBlocHsp(pData, nAlign, nHsp);

    if (pFile != NULL && lPos >= 0)
        fseek(pFile, lPos, SEEK_SET);
    return LitUnAlignHsp(NULL, pFile, nAlign, nHsp);
}

/* ---- Residue colours ---------------------------------------------------- */

static bool EstLettre(char c) { return c >= 'A' && c <= 'Z'; }

/* Schemes 10 and 30: each residue letter in its own colours, the match row
   in reverse (white on black) under its letters. */
static void CouleursParLettre(pHalyardHSPData p, const int *pnTxt, const int *pnBk)
{
    for (int c = 0; c < p->tailleAlign; c++) {
        char q = p->szQuery[c], s = p->szSubject[c];
        bool bLettre = EstLettre(p->szComp[c]);

        p->CompTxtClr[c] = bLettre ? CLR_BLANC : CLR_NOIR;
        p->CompBkClr[c] = bLettre ? CLR_NOIR : CLR_BLANC;
        p->SubjectTxtClr[c] = EstLettre(s) ? (unsigned)pnTxt[s - 'A'] : CLR_NOIR;
        p->SubjectBkClr[c] = EstLettre(s) ? (unsigned)pnBk[s - 'A'] : CLR_BLANC;
        p->QueryTxtClr[c] = EstLettre(q) ? (unsigned)pnTxt[q - 'A'] : CLR_NOIR;
        p->QueryBkClr[c] = EstLettre(q) ? (unsigned)pnBk[q - 'A'] : CLR_BLANC;
    }
}

/* Scheme 20: both residues of a column take the colour of what the match
   row says of them (identity, similarity, nothing). */
static void CouleursParIdentite(pHalyardHSPData p, const int *pnBk, int nIdent,
                                int nSimil, int nAutre)
{
    for (int c = 0; c < p->tailleAlign; c++) {
        char q = p->szQuery[c], s = p->szSubject[c], m = p->szComp[c];
        int nTxt = EstLettre(m) ? nIdent : (m != ' ' && m != '\0') ? nSimil : nAutre;

        p->CompTxtClr[c] = CLR_NOIR;
        p->CompBkClr[c] = CLR_BLANC;
        p->QueryTxtClr[c] = (unsigned)nTxt;
        p->SubjectTxtClr[c] = (unsigned)nTxt;
        p->QueryBkClr[c] = EstLettre(q) ? (unsigned)pnBk[q - 'A'] : CLR_BLANC;
        p->SubjectBkClr[c] = EstLettre(s) ? (unsigned)pnBk[s - 'A'] : CLR_BLANC;
    }
}

void AssignColorForAA(pDataGeneralPrg pData)
{
    int nTxt[NBLETTRES], nBk[NBLETTRES];
    int nIdent = CLR_NOIR, nSimil = CLR_NOIR, nAutre = CLR_NOIR;
    pHalyardHSPData p = pData->pVhspData;

    for (int i = 0; i < NBLETTRES; i++) {
        nTxt[i] = CLR_NOIR;
        nBk[i] = CLR_BLANC;
    }
    ReadColorConfFile(nTxt, nBk, &nIdent, &nSimil, &nAutre, pData->nColorPref,
                      pData->ConfigFile);
    if (pData->nBkColor == 0)
        for (int i = 0; i < NBLETTRES; i++)
            nBk[i] = CLR_BLANC;
    if (p == NULL)
        return;
    if (pData->nColorPref == COULEUR_HCA || pData->nColorPref == COULEUR_NOIRBLANC)
        CouleursParLettre(p, nTxt, nBk);
    else
        CouleursParIdentite(p, nBk, nIdent, nSimil, nAutre);
}
