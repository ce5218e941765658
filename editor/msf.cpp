/* msf.cpp: the editor's alignment saved as a GCG MSF file.
 *
 * The file is text with CR LF line ends whatever the platform, written
 * under a temporary name beside the destination and renamed over it once
 * whole: a full disk or a refused folder never costs the user the file
 * that was there. MSF names are tokens ended by a blank, so a blank
 * inside a name is written "_".
 */
#include "mulbla.h"

#include <stdio.h>
#include <string.h>

#include "halyardrc.h"
#include "memory.h"

#define MSF_NOM 10   /* characters of a name in the file */
#define MSF_NCHAR_PAS 10  /* an up-down step */

int PlageMsfValide(int nFrom, int nTo, int nTaille)
{
    return nFrom >= 1 && nFrom < nTo && nTo <= nTaille && nTo - nFrom >= MSF_MIN_COLONNES - 1;
}

int PasMsfNChar(int n, int nDelta)
{
    if (nDelta > 0)
        n += MSF_NCHAR_PAS;
    else if (nDelta < 0)
        n -= MSF_NCHAR_PAS;
    if (n < MSF_NCHAR_MIN)
        n = MSF_NCHAR_MIN;
    if (n > MSF_NCHAR_MAX)
        n = MSF_NCHAR_MAX;
    return n;
}

/* Length of the drive and directory part of a path, separator included. */
static size_t LongueurRepertoire(const char *szPath)
{
    size_t n = 0;

    for (size_t i = 0; szPath[i] != '\0'; i++)
        if (szPath[i] == '\\' || szPath[i] == '/' || szPath[i] == ':')
            n = i + 1;
    return n;
}

/* The base name of a path: after its directory, before its last ".";
   at most MSF_NOM characters into szBase (MSF_NOM + 1 bytes). */
static void NomDeBase(const char *szPath, char *szBase)
{
    const char *pNom = szPath + LongueurRepertoire(szPath);
    const char *pPoint = strrchr(pNom, '.');
    size_t n = pPoint != NULL ? (size_t)(pPoint - pNom) : strlen(pNom);

    if (n > MSF_NOM)
        n = MSF_NOM;
    memcpy(szBase, pNom, n);
    szBase[n] = '\0';
}

void CheminMsf(const char *szChoisi, char *szOut, int cchOut)
{
    char szBase[MSF_NOM + 1];

    NomDeBase(szChoisi, szBase);
    snprintf(szOut, (size_t)cchOut, "%.*s%s.msf", (int)LongueurRepertoire(szChoisi), szChoisi, szBase);
}

int SEQGCGCHECKSUM(int nEnd, int nStart, const char *sz)
{
    unsigned long nSomme = 0;

    for (int k = 0; k <= nEnd - nStart; k++)
        nSomme = (nSomme + (unsigned long)((k % 57) + 1) * (unsigned char)sz[nStart + k]) % 10000;
    return (int)nSomme;
}

/* A name as the file shows it: its first 10 characters, blanks as "_". */
static void NomMsf(const char *szName, char *szOut)
{
    snprintf(szOut, MSF_NOM + 1, "%.10s", szName);
    for (char *p = szOut; *p != '\0'; p++)
        if (*p == ' ')
            *p = '_';
}

/* One block line of a row: the name, then the characters from nPos in
   groups of ten, without the line end. */
static void EcritSegment(FILE *f, const char *szNom, const char *sz, int nPos, int nEnd, int n)
{
    fprintf(f, "%-10s  ", szNom);
    for (int k = 0; k < n && nPos + k <= nEnd; k++) {
        fputc(sz[nPos + k], f);
        if ((k + 1) % 10 == 0)
            fputc(' ', f);
    }
}

/* The scale line's text: nEchelle at its start, the block's last number
   ending above the last column of a full block. szText holds n + n/10 + 2
   bytes. */
static void LigneEchelle(char *szText, int n, int nEchelle)
{
    int nLarg = n + n / 10 + 1;
    char szNo[16];
    int nLen;

    memset(szText, ' ', (size_t)nLarg);
    szText[nLarg] = '\0';
    nLen = snprintf(szNo, sizeof szNo, "%d", nEchelle);
    memcpy(szText, szNo, (size_t)(nLen < nLarg ? nLen : nLarg));
    nLen = snprintf(szNo, sizeof szNo, "%d", nEchelle + n - 1);
    int nDebut = n + n / 10 - 2 - nLen + 1;
    if (nDebut < 0)
        nDebut = 0;
    memcpy(szText + nDebut, szNo, (size_t)(nLen < nLarg - nDebut ? nLen : nLarg - nDebut));
}

/* Writes the whole file; false when a write failed. */
static bool EcritMsf(FILE *f, pMulBlaData pMul, int n, const char *szPath, int nStart, int nEchelle,
                     int nEnd, int bConsensus, char *szEchelle)
{
    unsigned nLong = (unsigned)(nEnd - nStart + 1);
    char szNom[MSF_NOM + 1], szBase[MSF_NOM + 1], szNomCons[MSF_NOM + 1];
    int nPos = nStart;

    NomDeBase(szPath, szBase);
    NomMsf(szBase, szNomCons);
    fprintf(f, " %s  MSF: %4u  Type: P  PileUp-like from Blast  Check: 1996  ..\r\n\r\n", szPath, nLong);
    for (int r = 0; r < pMul->nSeq; r++) {
        NomMsf(pMul->pSeqMul[r]->szName, szNom);
        fprintf(f, " Name: %-10s       Len:%6u  Check:%6u  Weight:  1.00\r\n", szNom, nLong,
                (unsigned)SEQGCGCHECKSUM(nEnd, nStart, pMul->pSeqMul[r]->szSeq));
    }
    if (bConsensus)
        fprintf(f, " Name: %-10s       Len:%6u  Check:%6u  Weight:  1.00\r\n", szNomCons, nLong,
                (unsigned)SEQGCGCHECKSUM(nEnd, nStart, pMul->szConsensus));
    fputs("\r\n//\r\n\r\n", f);
    do {
        LigneEchelle(szEchelle, n, nEchelle);
        fprintf(f, "            %s\r\n", szEchelle);
        nEchelle += n;
        for (int r = 0; r < pMul->nSeq; r++) {
            NomMsf(pMul->pSeqMul[r]->szName, szNom);
            EcritSegment(f, szNom, pMul->pSeqMul[r]->szSeq, nPos, nEnd, n);
            fputs("\r\n", f);
        }
        /* With the consensus this ends its line, and no empty line
           separates the blocks; without, it is that empty line. */
        if (bConsensus)
            EcritSegment(f, szNomCons, pMul->szConsensus, nPos, nEnd, n);
        fputs("\r\n", f);
        nPos += n;
    } while (nPos <= nEnd);
    return ferror(f) == 0;
}

int SauveMSF(pMulBlaData pMul, int n, const char *szPath, int nStart, int nEchelle, int nEnd,
             int bConsensus, OSWND hOwner)
{
    char szRep[HL_MAX_PATH], szTemp[HL_MAX_PATH];
    char *szEchelle;
    bool bOk = false;
    FILE *f;

    if (n < 1 || nStart < 0 || nEnd < nStart || nEnd >= pMul->nTaille)
        return 0;
    if ((szEchelle = (char *)MyAlloc((unsigned)(n + n / 10 + 2))) == NULL)
        return 0;
    snprintf(szRep, sizeof szRep, "%.*s", (int)LongueurRepertoire(szPath), szPath);
    if (OsCreateTempFileIn(szRep, "MSF", szTemp, sizeof szTemp)) {
        if ((f = fopen(szTemp, "wb")) != NULL) {
            bOk = EcritMsf(f, pMul, n, szPath, nStart, nEchelle, nEnd, bConsensus, szEchelle);
            bOk = fclose(f) == 0 && bOk;
        }
        if (bOk)
            bOk = OsReplaceFile(szTemp, szPath) == 1;
        if (!bOk)
            remove(szTemp);
    }
    MyFree(szEchelle);
    if (!bOk)
        OsNoticeArg(OS_NOTICE_ERROR, IDS_VAZEVA, IDS_MSF_NOWRITE, szPath, hOwner);
    return bOk ? 1 : 0;
}
