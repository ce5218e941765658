/* patfile.cpp: pattern files (".mot") and the pattern finder's small
 * helpers: table names and work file paths.
 *
 * A pattern file is a text of lines: any line holding a ":" is a comment;
 * "#MOTIF" starts a pattern, "DE" gives its description and "PA" its mask
 * (both from the line's fourth character on).
 */
#include <ctype.h>
#include <stdio.h>
#include <string.h>

#include "findpat.h"
#include "memory.h"

/* Pattern file lines are at most this long; the rest of a longer line is
   skipped. */
#define TAILLELIGNEMOTIF 200

int CheminFichierTravail(const char *szWorkDir,
                         const char *szNom,
                         char *szPath,
                         int cchPath)
{
    size_t nDir, nNom = strlen(szNom);
    bool bSep;

    if (szWorkDir == NULL)
        szWorkDir = "";
    nDir = strlen(szWorkDir);
    bSep = nDir > 0 && szWorkDir[nDir - 1] != '/'
           && szWorkDir[nDir - 1] != '\\';
    if (cchPath <= 0 || nDir + (bSep ? 1 : 0) + nNom + 1 > (size_t)cchPath)
        return 0;
    memcpy(szPath, szWorkDir, nDir);
    if (bSep)
        szPath[nDir++] = strchr(szWorkDir, '\\') != NULL ? '\\' : '/';
    memcpy(szPath + nDir, szNom, nNom + 1);
    return 1;
}

const char *NomTableConvert(unsigned int nTypeSeq)
{
    switch (nTypeSeq) {
    case 0:  return "ADN";
    case 2:  return "SPECIAL";
    default: return "PROTEINE";
    }
}

void LibereMotifs(pMotifDecript pMotifs)
{
    MyFree(pMotifs->pDonneeMotif);
    MyFree(pMotifs->pListIdx);
    pMotifs->pDonneeMotif = NULL;
    pMotifs->pListIdx = NULL;
    pMotifs->nMotifs = 0;
    pMotifs->nIdx = 0;
}

/* What the finder shows for a choice of several patterns. */
static const char szTousMotifs[] = "All patterns";
static const char szQuelquesMotifs[] = "Some patterns";

int ChoisitMotifsListe(pMotifDecript pMotifs, const int *pnSel, int nSel)
{
    int *pnIdx;
    int i, n;

    if (pMotifs->nMotifs <= 0 || nSel <= 0)
        return 0;
    pnIdx = (int *)MyAlloc((unsigned)nSel * (unsigned)sizeof(int));
    if (pnIdx == NULL)
        return 0;
    for (i = 0, n = 0; i < nSel; i++)
        if (pnSel[i] >= 0 && pnSel[i] < pMotifs->nMotifs)
            pnIdx[n++] = pnSel[i];
    if (n == 0) {
        MyFree(pnIdx);
        return 0;
    }
    MyFree(pMotifs->pListIdx);
    pMotifs->pListIdx = pnIdx;
    pMotifs->nIdx = n;
    if (n == 1) {
        pMotifs->DonneeMotif = pMotifs->pDonneeMotif[pnIdx[0]];
    } else {
        pMotifs->DonneeMotif.mask[0] = '\0';
        snprintf(pMotifs->DonneeMotif.nom, sizeof pMotifs->DonneeMotif.nom, "%s",
                 n == pMotifs->nMotifs ? szTousMotifs : szQuelquesMotifs);
    }
    return 1;
}

/* Only the texts a choice of several gets say that the choice is to be
   searched: a single pattern's name starts with its number, so a
   description that merely holds the words does not. */
static bool MemeTexteSansCasse(const char *sz1, const char *sz2)
{
    for (; *sz1 != '\0' && *sz2 != '\0'; sz1++, sz2++)
        if (tolower((unsigned char)*sz1) != tolower((unsigned char)*sz2))
            return false;
    return *sz1 == *sz2;
}

int MotifsRecherches(const MotifDecript *pMotifs, const char *szDescription,
                     char *szMotif, char **szMotifs)
{
    int i, n = 0;

    if (!MemeTexteSansCasse(szDescription, szTousMotifs)
        && !MemeTexteSansCasse(szDescription, szQuelquesMotifs)) {
        szMotifs[0] = szMotif;
        return 1;
    }
    for (i = 0; i < pMotifs->nIdx; i++) {
        int j = pMotifs->pListIdx[i];
        if (j >= 0 && j < pMotifs->nMotifs)
            szMotifs[n++] = pMotifs->pDonneeMotif[j].mask;
    }
    return n;
}

/* The text of a "DE" or "PA" line: from its fourth character on. */
static const char *TexteLigne(const char *szLine)
{
    return strlen(szLine) >= 3 ? szLine + 3 : "";
}

int ReadMotifs(OSWND hOwner, pMotifDecript pMotifs)
{
    char szLine[TAILLELIGNEMOTIF];
    unsigned int nMotifs = 0, nNumero = 0;
    FILE *f;

    (void)hOwner;
    /* The chosen indices name patterns of the previous file. */
    LibereMotifs(pMotifs);
    f = fopen(pMotifs->szFilePath, "rb");
    if (f == NULL)
        return 0;
    while (LitLigneFichier(f, szLine, sizeof szLine))
        if (strchr(szLine, ':') == NULL && strstr(szLine, "#MOTIF") != NULL)
            nMotifs++;
    if (nMotifs == 0) {
        fclose(f);
        return 1;
    }
    pMotifs->pDonneeMotif =
        (pMotifData)MyAlloc(nMotifs * (unsigned)sizeof(MotifData));
    if (pMotifs->pDonneeMotif == NULL) {
        fclose(f);
        return 0;
    }
    pMotifs->nMotifs = (int)nMotifs;

    rewind(f);
    while (LitLigneFichier(f, szLine, sizeof szLine)) {
        pMotifData pMotif;

        if (strchr(szLine, ':') != NULL)
            continue;
        if (strstr(szLine, "#MOTIF") != NULL) {
            nNumero++;
            continue;
        }
        /* Lines before the first "#MOTIF" belong to no pattern. */
        if (nNumero == 0 || nNumero > nMotifs)
            continue;
        pMotif = &pMotifs->pDonneeMotif[nNumero - 1];
        if (strncmp(szLine, "DE", 2) == 0) {
            /* A long description is cut to the field. */
            snprintf(pMotif->nom, sizeof pMotif->nom, "%u. %s", nNumero,
                     TexteLigne(szLine));
        } else if (strncmp(szLine, "PA", 2) == 0) {
            /* A mask cut short would be another pattern: one that does
               not fit stays empty, and its search says it is invalid. */
            const char *szMask = TexteLigne(szLine);
            size_t n = strlen(szMask);
            if (n > sizeof pMotif->mask - 1)
                n = 0;
            memcpy(pMotif->mask, szMask, n);
            pMotif->mask[n] = '\0';
        }
    }
    fclose(f);
    return 1;
}
