/* strsearch.h: the String Finder's data and search, portable part.
 *
 * The finder works on its own copy of the hit descriptions, taken when it
 * opens and upper-cased in place, so that a search is a plain substring
 * test with an upper-cased search string. Every hit found gives one entry
 * "%4u . %s": its number (from 1) and the first word of its description.
 *
 * Divisions: record; building and release; the search.
 */
#ifndef HALYARD_STRSEARCH_H
#define HALYARD_STRSEARCH_H

#include "document.h"

/* ---- Record ------------------------------------------------------------- */

#define STRSEARCH_ENTREE  100  /* bytes of a result entry, NUL included    */
#define STRSEARCH_CHAINE  499  /* bytes of the search string, NUL included */
#define STRSEARCH_COMPTE  32   /* bytes of the count line, NUL included    */

typedef struct tagDATASTRINGSEARCH {
    char **szStringTable;  /* one text per hit, in hit order; the texts
                              of a table whose building failed may be NULL */
    int    nString;        /* number of texts: the document's nHSP         */
} DATASTRINGSEARCH, *pDATASTRINGSEARCH;

/* ---- Building and release ------------------------------------------------ */

/* A record holding a copy of every hit's description (szAccessName), in
   hit order, as it is (not upper-cased). NULL when memory failed (shown),
   and then nothing stays allocated. */
pDATASTRINGSEARCH CreeDataSearch(const DataGeneralPrg *pData);

/* Upper-cases sz in place (ASCII letters). */
void MajusculeChaine(char *sz);

/* Upper-cases every text of the record in place. */
void MajusculesDataSearch(pDATASTRINGSEARCH pSearch);

/* Releases each text, the table, then the record. Accepts NULL. */
void DeleteSearchData(pDATASTRINGSEARCH pSearch);

/* ---- The search ---------------------------------------------------------- */

/* Receives each entry found, in hit order. */
typedef void (*PFNAJOUTEENTREE)(void *pCtx, const char *szEntree);

/* Looks for szChaine (its first STRSEARCH_CHAINE - 1 characters,
   upper-cased) in every text of the record. Each text that holds it gives
   the entry "%4u . %s" with its number and its first word, cut so that
   the entry holds at most STRSEARCH_ENTREE - 1 characters. szCompte
   (STRSEARCH_COMPTE bytes, or NULL) receives "found: %4u / %4u." with the
   number found and the number of texts. Returns the number found. */
unsigned ChercheChaine(const DATASTRINGSEARCH *pSearch,
                       const char *szChaine,
                       PFNAJOUTEENTREE pfnAjoute, /* or NULL */
                       void *pCtx,
                       char *szCompte);

/* The entry of hit nHit (from 1) whose text is szTexte, into szEntree
   (STRSEARCH_ENTREE bytes). */
void FormateEntree(char *szEntree, unsigned nHit, const char *szTexte);

#endif /* HALYARD_STRSEARCH_H */
