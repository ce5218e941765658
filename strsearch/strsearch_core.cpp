/* strsearch_core.cpp: the String Finder's copy of the hit descriptions
 * and the search over it (portable part).
 *
 * Divisions: building and release; the search.
 */
#include <stdio.h>
#include <string.h>

#include "memory.h"
#include "strsearch.h"

/* ---- Building and release ------------------------------------------------ */

pDATASTRINGSEARCH CreeDataSearch(const DataGeneralPrg *pData)
{
    pDATASTRINGSEARCH pSearch;
    int n = pData->pHSPResultat != NULL ? (int)pData->nHSP : 0;

    pSearch = (pDATASTRINGSEARCH)MyAlloc(sizeof(DATASTRINGSEARCH));
    if (pSearch == NULL)
        return NULL;
    pSearch->nString = n;
    /* One entry at least: an empty report still gets a table. */
    pSearch->szStringTable = (char **)MyAlloc((unsigned)((n > 0 ? n : 1) * sizeof(char *)));
    if (pSearch->szStringTable == NULL) {
        DeleteSearchData(pSearch);
        return NULL;
    }
    for (int i = 0; i < n; i++) {
        const DataHSP *pHit = pData->pHSPResultat[i];
        const char *szNom = pHit != NULL ? pHit->szAccessName : "";
        size_t cch = strnlen(szNom, sizeof(DataHSP::szAccessName));

        pSearch->szStringTable[i] = (char *)MyAlloc((unsigned)(cch + 1));
        if (pSearch->szStringTable[i] == NULL) {
            DeleteSearchData(pSearch);
            return NULL;
        }
        memcpy(pSearch->szStringTable[i], szNom, cch);
        pSearch->szStringTable[i][cch] = '\0';
    }
    return pSearch;
}

void MajusculeChaine(char *sz)
{
    for (; *sz != '\0'; sz++)
        if (*sz >= 'a' && *sz <= 'z')
            *sz = (char)(*sz - 'a' + 'A');
}

void MajusculesDataSearch(pDATASTRINGSEARCH pSearch)
{
    if (pSearch == NULL || pSearch->szStringTable == NULL)
        return;
    for (int i = 0; i < pSearch->nString; i++)
        if (pSearch->szStringTable[i] != NULL)
            MajusculeChaine(pSearch->szStringTable[i]);
}

void DeleteSearchData(pDATASTRINGSEARCH pSearch)
{
    if (pSearch == NULL)
        return;
    if (pSearch->szStringTable != NULL) {
        for (int i = 0; i < pSearch->nString; i++)
            MyFree(pSearch->szStringTable[i]);
        MyFree(pSearch->szStringTable);
    }
    MyFree(pSearch);
}

/* ---- The search ---------------------------------------------------------- */

/* The white space that ends a word, as the C library's isspace in the
   "C" locale. */
static bool EstBlanc(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

void FormateEntree(char *szEntree, unsigned nHit, const char *szTexte)
{
    const char *pMot = szTexte;
    size_t cchMot = 0, cchPlace;
    int nPrefixe;

    while (EstBlanc(*pMot))
        pMot++;
    while (pMot[cchMot] != '\0' && !EstBlanc(pMot[cchMot]))
        cchMot++;
    nPrefixe = snprintf(szEntree, STRSEARCH_ENTREE, "%4u . ", nHit);
    if (nPrefixe < 0) {
        szEntree[0] = '\0';
        return;
    }
    if (nPrefixe >= STRSEARCH_ENTREE - 1)
        return;
    /* A word too long for the entry keeps its beginning. */
    cchPlace = (size_t)(STRSEARCH_ENTREE - 1 - nPrefixe);
    if (cchMot > cchPlace)
        cchMot = cchPlace;
    memcpy(szEntree + nPrefixe, pMot, cchMot);
    szEntree[nPrefixe + cchMot] = '\0';
}

unsigned ChercheChaine(const DATASTRINGSEARCH *pSearch,
                       const char *szChaine,
                       PFNAJOUTEENTREE pfnAjoute,
                       void *pCtx,
                       char *szCompte)
{
    char szCle[STRSEARCH_CHAINE];
    char szEntree[STRSEARCH_ENTREE];
    unsigned nTrouve = 0;
    int nTotal = pSearch != NULL && pSearch->szStringTable != NULL ? pSearch->nString : 0;
    size_t cch = strnlen(szChaine, sizeof szCle - 1);

    memcpy(szCle, szChaine, cch);
    szCle[cch] = '\0';
    MajusculeChaine(szCle);
    for (int i = 0; i < nTotal; i++) {
        const char *szTexte = pSearch->szStringTable[i];
        if (szTexte == NULL || strstr(szTexte, szCle) == NULL)
            continue;
        FormateEntree(szEntree, (unsigned)i + 1, szTexte);
        if (pfnAjoute != NULL)
            pfnAjoute(pCtx, szEntree);
        nTrouve++;
    }
    if (szCompte != NULL)
        snprintf(szCompte, STRSEARCH_COMPTE, "found: %4u / %4u.", nTrouve, (unsigned)nTotal);
    return nTrouve;
}
