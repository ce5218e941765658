/* patcomp.cpp: compilation of a pattern into sub-masks.
 *
 * The mask is framed with two gap limits, its table letters are expanded
 * through the residue replacement table of the sequence type, and it is
 * cut at its gap limits into the sub-masks the search engine reads back
 * from SSMASK.TMP. Every syntax fault is caught here, before the engine
 * walks the sub-masks, and refused with "Invalid pattern (syntax error).".
 */
#include <ctype.h>
#include <stdio.h>
#include <string.h>

#include "document.h"
#include "findpat.h"
#include "halyardrc.h"
#include "memory.h"

/* ---- The tables' directory ------------------------------------------ */

static char szRepTables[260] = "";

void DefinitRepertoireTables(const char *szDir)
{
    size_t n = szDir != NULL ? strlen(szDir) : 0;

    if (n > sizeof szRepTables - 1)
        n = 0;  /* a path that does not fit names no directory */
    memcpy(szRepTables, szDir != NULL ? szDir : "", n);
    szRepTables[n] = '\0';
}

int RepertoireTables(char *szDir, int cchDir)
{
    char szExe[260];
    size_t n;

    if (cchDir <= 0)
        return 0;
    if (szRepTables[0] != '\0') {
        n = strlen(szRepTables);
        if (n + 2 > (size_t)cchDir)
            return 0;
        memcpy(szDir, szRepTables, n + 1);
        if (szDir[n - 1] != '/' && szDir[n - 1] != '\\') {
            szDir[n++] = strchr(szDir, '\\') != NULL ? '\\' : '/';
            szDir[n] = '\0';
        }
        return (int)n;
    }
    if (OsGetModulePath(szExe, sizeof szExe) == 0)
        return 0;
    return PathDirectoryPart(szExe, szDir, cchDir);
}

/* ---- Replacement table ---------------------------------------------- */

int CreeTableDNA(pDataGeneralMotif pMotif)
{
    char szPath[260];
    char szLine[100];
    int nDir, nLines, i;
    FILE *f;

    nDir = RepertoireTables(szPath, sizeof szPath);
    if (nDir == 0
        || (size_t)nDir + strlen(pMotif->TableConvert) + sizeof ".TBL"
               > sizeof szPath) {
        MyErrMsgBox(IDS_FINDPAT, IDS_NOPROTTBL, pMotif->hWndMain);
        return 0;
    }
    strcat(szPath, pMotif->TableConvert);
    strcat(szPath, ".TBL");
    f = fopen(szPath, "rb");
    if (f == NULL) {
        MyErrMsgBox(IDS_FINDPAT, IDS_NOPROTTBL, pMotif->hWndMain);
        return 0;
    }

    nLines = 0;
    while (LitLigneFichier(f, szLine, sizeof szLine))
        nLines++;
    MyFree(pMotif->pTableDNA);
    pMotif->pTableDNA = NULL;
    pMotif->nEntreeDnaTbl = 0;
    if (nLines > 0) {
        pMotif->pTableDNA =
            (pTableLettre)MyAlloc((unsigned)nLines * sizeof(TableLettre));
        if (pMotif->pTableDNA == NULL) {
            fclose(f);
            return 0;
        }
    }

    /* Each line: its first character is the letter, the first word after
       it (blanks skipped) the replacement, cut to the row's 29 chars. */
    rewind(f);
    for (i = 0; i < nLines && LitLigneFichier(f, szLine, sizeof szLine); i++) {
        pTableLettre pRow = &pMotif->pTableDNA[i];
        const char *s = szLine;
        size_t n = 0;

        pRow->cLettre = *s;
        if (*s != '\0')
            s++;
        while (*s == ' ' || *s == '\t')
            s++;
        while (s[n] != '\0' && s[n] != ' ' && s[n] != '\t')
            n++;
        if (n > sizeof pRow->szTmp - 1)
            n = sizeof pRow->szTmp - 1;
        memcpy(pRow->szTmp, s, n);
        pRow->szTmp[n] = '\0';
    }
    fclose(f);
    pMotif->nEntreeDnaTbl = nLines;
    return 1;
}

/* ---- Framing and expansion ------------------------------------------ */

int AcheveMasque(pDataGeneralMotif pMotif)
{
    char szFramed[TAILLEMASK];
    int n;

    n = snprintf(szFramed, sizeof szFramed, "{%u}%s{0}",
                 pMotif->nTailleSequence, pMotif->mask);
    if (n < 0 || (size_t)n >= sizeof szFramed) {
        MyErrMsgBox(IDS_FINDPAT, IDS_BADPATTERN, pMotif->hWndMain);
        return 0;
    }
    memcpy(pMotif->mask, szFramed, (size_t)n + 1);
    return 1;
}

/* The first row of the table for letter c with a replacement, or NULL. */
static const char *TexteRemplacement(pDataGeneralMotif pMotif, char c)
{
    int i;

    for (i = 0; i < pMotif->nEntreeDnaTbl; i++)
        if (pMotif->pTableDNA[i].cLettre == c
            && pMotif->pTableDNA[i].szTmp[0] != '\0')
            return pMotif->pTableDNA[i].szTmp;
    return NULL;
}

int RemplaceMultiLettre(pDataGeneralMotif pMotif)
{
    char szNew[TAILLEMASK];
    size_t nNew = 0;
    bool bGroupe = false;
    const char *s;

    for (s = pMotif->mask; *s != '\0'; s++) {
        const char *szRep = TexteRemplacement(pMotif, *s);
        size_t nRep;

        if (szRep == NULL) {
            szRep = s;
            nRep = 1;
        } else {
            nRep = strlen(szRep);
            /* A group inside a group would not be a pattern: a class
               letter written inside parentheses adds its letters. */
            if (bGroupe && nRep >= 2 && szRep[0] == '('
                && szRep[nRep - 1] == ')') {
                szRep++;
                nRep -= 2;
            }
        }
        if (*s == '(')
            bGroupe = true;
        else if (*s == ')')
            bGroupe = false;
        if (nNew + nRep > sizeof szNew - 1) {
            MyErrMsgBox(IDS_FINDPAT, IDS_BADPATTERN, pMotif->hWndMain);
            return 0;
        }
        memcpy(szNew + nNew, szRep, nRep);
        nNew += nRep;
    }
    szNew[nNew] = '\0';
    memcpy(pMotif->mask, szNew, nNew + 1);
    return 1;
}

/* ---- Cutting into sub-masks ----------------------------------------- */

/* Gap limits above this are all the same to any sequence. */
#define MAXLIMITE 1000000000u

/* Walks the framed mask and finds its sub-masks: the text between two gap
   limits, with the limit written before it. Returns the number of
   sub-masks, or -1 for a syntax error. */
static int CoupeMasque(const char *szMask,
                       unsigned int *pnDebut,   /* offset of each sub-mask */
                       unsigned int *pnLong,    /* its length              */
                       unsigned int *pnLimite)  /* its gap limit           */
{
    unsigned int nLimite = 0;  /* limit before the current text, 0: none */
    unsigned int nDebut = 0, nLong = 0;
    bool bGroupe = false;
    unsigned int nGroupe = 0;
    int nSsMask = 0;
    unsigned int i = 0;

    while (szMask[i] != '\0') {
        char c = szMask[i];

        if (c == '{') {
            if (bGroupe)
                return -1;  /* a limit inside a group */
            if (nLimite != 0) {
                if (nLong == 0 || nLong > TAILLESSMASK - 1
                    || nSsMask == MAXSSMASK)
                    return -1;
                pnDebut[nSsMask] = nDebut;
                pnLong[nSsMask] = nLong;
                pnLimite[nSsMask] = nLimite;
                nSsMask++;
            } else if (nLong != 0) {
                return -1;  /* text before the first limit */
            }
            const char *pFin = strchr(szMask + i, '}');
            if (pFin == NULL)
                return -1;
            nLimite = 0;
            for (i++; isdigit((unsigned char)szMask[i]); i++)
                nLimite = nLimite <= (MAXLIMITE - 9) / 10
                              ? nLimite * 10 + (unsigned)(szMask[i] - '0')
                              : MAXLIMITE;
            if (nLimite == 0)
                return nSsMask > 0 ? nSsMask : -1;
            i = (unsigned)(pFin - szMask) + 1;
            nDebut = i;
            nLong = 0;
            continue;
        }
        if (c == '}')
            return -1;
        if (c == '(') {
            if (bGroupe)
                return -1;
            bGroupe = true;
            nGroupe = 0;
        } else if (c == ')') {
            if (!bGroupe || nGroupe == 0)
                return -1;
            bGroupe = false;
        } else if (bGroupe) {
            nGroupe++;
        }
        nLong++;
        i++;
    }
    /* The frame ends every mask with "{0}"; only a table that rewrites
       braces can take it away. */
    return -1;
}

int DecorticMotif(pDataGeneralMotif pMotif)
{
    unsigned int nDebut[MAXSSMASK], nLong[MAXSSMASK], nLimite[MAXSSMASK];
    int nSsMask, k;
    bool bOk = true;
    FILE *f;

    pMotif->NbreSsMask = 0;
    nSsMask = CoupeMasque(pMotif->mask, nDebut, nLong, nLimite);
    if (nSsMask < 0) {
        MyErrMsgBox(IDS_FINDPAT, IDS_BADPATTERN, pMotif->hWndMain);
        return 0;
    }

    if (!CheminFichierTravail(pMotif->szNomFichier, "SSMASK.TMP",
                              pMotif->szSsMaskFile,
                              sizeof pMotif->szSsMaskFile)
        || (f = fopen(pMotif->szSsMaskFile, "wb")) == NULL) {
        MyErrMsgBox(IDS_FINDPAT, IDS_NOCREATESSMASK, pMotif->hWndMain);
        return 0;
    }
    for (k = 0; k < nSsMask && bOk; k++)
        bOk = fprintf(f, "%u %u %.*s\r\n", (unsigned)k + 1, nLimite[k],
                      (int)nLong[k], pMotif->mask + nDebut[k]) > 0;
    if (ferror(f))
        bOk = false;
    if (fclose(f) != 0)
        bOk = false;
    if (!bOk) {
        remove(pMotif->szSsMaskFile);
        MyErrMsgBox(IDS_FINDPAT, IDS_NOCREATESSMASK, pMotif->hWndMain);
        return 0;
    }
    pMotif->NbreSsMask = nSsMask;
    return 1;
}
