/* mulbrows.cpp: the editor's commands on whole rows: remove, merge with
 * the row above, move up or down, rename, and the copies the pattern
 * finder takes of every row.
 */
#include "mulbla.h"

#include <stdio.h>
#include <string.h>

#include "colors.h"
#include "memory.h"

static bool EstLigne(const MulBlaData *pMul, int i)
{
    return pMul != NULL && i >= 0 && i < pMul->nSeq && pMul->pSeqMul[i] != NULL;
}

int RemoveSequence(pMulBlaData pMul, int i)
{
    pMulBlaSeq pRow;

    if (!EstLigne(pMul, i))
        return 0;
    pRow = pMul->pSeqMul[i];
    MyFree(pRow->szSeq);
    MyFree(pRow->szComp);
    MyFree(pRow->SeqTxtClr);
    MyFree(pRow->SeqBkClr);
    MyFree(pRow);
    memmove(pMul->pSeqMul + i, pMul->pSeqMul + i + 1, (size_t)(pMul->nSeq - 1 - i) * sizeof(pMulBlaSeq));
    pMul->nSeq--;
    pMul->pSeqMul[pMul->nSeq] = NULL;
    return 1;
}

int MergeSequence(pMulBlaData pMul, int i)
{
    pMulBlaSeq pA, pB;
    char *pParen;

    if (i < 1 || !EstLigne(pMul, i))
        return 0;
    pA = pMul->pSeqMul[i - 1];
    pB = pMul->pSeqMul[i];
    for (int c = 0; c < pMul->nTaille; c++) {
        if (pB->szSeq[c] == MULBLA_VIDE)
            continue;
        if (pA->szSeq[c] == MULBLA_VIDE) {
            pA->szSeq[c] = pB->szSeq[c];
            pA->SeqTxtClr[c] = pB->SeqTxtClr[c];
            pA->SeqBkClr[c] = pB->SeqBkClr[c];
        } else {
            /* Two residues in one column, alike or not. */
            pA->szSeq[c] = 'X';
            pA->SeqTxtClr[c] = CLR_NOIR;
            pA->SeqBkClr[c] = CLR_BLANC;
        }
    }
    /* "ACC (  12-  40) 1" keeps its accession; the blank before the "("
       goes with the coordinates. */
    pParen = strchr(pA->szName, '(');
    if (pParen != NULL)
        pParen[pParen == pA->szName ? 0 : -1] = '\0';
    return RemoveSequence(pMul, i);
}

int MoveSequence(pMulBlaData pMul, int m, int nDir)
{
    pMulBlaSeq pRow;

    if ((nDir != -1 && nDir != 1) || !EstLigne(pMul, m - 1) || !EstLigne(pMul, m - 1 + nDir))
        return 0;
    pRow = pMul->pSeqMul[m - 1];
    pMul->pSeqMul[m - 1] = pMul->pSeqMul[m - 1 + nDir];
    pMul->pSeqMul[m - 1 + nDir] = pRow;
    return 1;
}

void AncienNomSequence(const MulBlaSeq *pRow, char *szOut)
{
    snprintf(szOut, 11, "%.10s", pRow->szName);
}

/* What a rename keeps of a name: what follows its 10-character name field
   and the blank after it. A name whose first field is shorter (an
   accession of fewer than 10 characters) has its coordinates part
   sooner: it is kept from its "(". */
static const char *PartieGardee(const char *szName)
{
    const char *p = strstr(szName, " (");

    if (p != NULL && p - szName < 10)
        return p + 1;
    return strlen(szName) > 11 ? szName + 11 : "";
}

int RenommeSequence(pMulBlaData pMul, int m, const char *szNouveau)
{
    char szGarde[MULBLA_NOMLEN];
    pMulBlaSeq pRow;

    if (szNouveau == NULL || szNouveau[0] == '\0' || !EstLigne(pMul, m - 1))
        return 0;
    pRow = pMul->pSeqMul[m - 1];
    snprintf(szGarde, sizeof szGarde, "%s", PartieGardee(pRow->szName));
    memset(pRow->szName, 0, sizeof pRow->szName);
    if (m == 1)
        snprintf(pRow->szName, sizeof pRow->szName, "%10.10s", szNouveau);
    else
        snprintf(pRow->szName, sizeof pRow->szName, "%10.10s %.38s", szNouveau, szGarde);
    return 1;
}

/* Releases the first n blocks of a list, then the list. */
static void LibereListe(char **pp, int n)
{
    if (pp == NULL)
        return;
    for (int i = 0; i < n; i++)
        MyFree(pp[i]);
    MyFree(pp);
}

int CopieSequences(pMulBlaData pMul, char ***pppSeq, char ***pppNom)
{
    int n = pMul->nSeq;
    unsigned cbListe = (unsigned)(n > 0 ? n : 1) * (unsigned)sizeof(char *);
    char **ppSeq = (char **)MyAlloc(cbListe);
    char **ppNom = ppSeq != NULL ? (char **)MyAlloc(cbListe) : NULL;

    for (int i = 0; ppNom != NULL && i < n; i++) {
        ppSeq[i] = (char *)MyAlloc((unsigned)pMul->nTaille + 1);
        ppNom[i] = ppSeq[i] != NULL ? (char *)MyAlloc(MULBLA_NOMLEN) : NULL;
        if (ppNom[i] == NULL) {
            LibereListe(ppSeq, i + 1);
            LibereListe(ppNom, i);
            return 0;
        }
        memcpy(ppSeq[i], pMul->pSeqMul[i]->szSeq, (size_t)pMul->nTaille + 1);
        memcpy(ppNom[i], pMul->pSeqMul[i]->szName, MULBLA_NOMLEN);
    }
    if (ppNom == NULL) {
        MyFree(ppSeq);
        return 0;
    }
    *pppSeq = ppSeq;
    *pppNom = ppNom;
    return 1;
}
