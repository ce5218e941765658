/* blastlec.h: what the two dialects of the report reader share: line
 * input with its line ends, the reader's state, the text helpers, and the
 * writing of the HSP index file. Inside the reader only (blastread.cpp,
 * blastmodern.cpp).
 */
#ifndef HALYARD_BLASTLEC_H
#define HALYARD_BLASTLEC_H

#include <stdio.h>

#include "blastread.h"

/* How a line read by LitLigne ended. */
enum {
    FIN_MORCEAU = 0, /* buffer full: the rest of the line comes next  */
    FIN_LF = 1,      /* newline (LF or CR LF), kept as "\n"           */
    FIN_CR = 2,      /* lone carriage return, kept as a blank         */
    FIN_EOF = 3      /* end of file                                   */
};

typedef struct tagLecteur {
    FILE *pBlast;                 /* the report, binary                  */
    FILE *pSortie;                /* the HSP index file, or NULL         */
    char  szLigne[TAILLELIGNE];   /* current line                        */
    int   nLong;                  /* its length as read                  */
    int   nFin;                   /* how it ended (FIN_*)                */
    long  lListe;                 /* where the second pass starts        */
} Lecteur, *pLecteur;

/* State of the second pass. */
typedef struct tagPasse {
    pDataHSP *ppHits;    /* the table, nCompte records               */
    unsigned  nCompte;   /* hits counted by the first pass           */
    unsigned  h;         /* hits met (records in use)                */
    unsigned  k;         /* HSPs of the current hit                  */
    unsigned  t;         /* HSPs over all hits                       */
    pDataHSP  pHit;      /* current hit, NULL outside a counted hit  */
    bool      bDescr;    /* description lines follow the ">" line    */
    bool      bListe;    /* still in the lines the first pass skipped */
    pDataGeneralPrg pData; /* where the HSP blocks' offsets are kept  */
} Passe;

/* Reads at most nSize-1 characters into szBuf and says how the line ended
   (FIN_*). Returns the number of characters stored, -1 at end of file. */
int LitLigne(FILE *pFile, int nSize, char *szBuf, int *pnFin);
/* The next line into the reader's buffer; false at end of file. */
bool LigneSuivante(pLecteur pLec);

int  Majuscules(char *s);
const char *SauteBlancs(const char *s);
void CopieBornee(char *szDst, size_t cbDst, const char *szSrc);
void CopieJusque(char *szDst, size_t cbDst, const char *pSrc,
                 bool (*bFin)(unsigned char));
bool EstEspace(unsigned char c);
/* The number after the last "(" followed by a digit, commas skipped. */
bool NombreEntreParentheses(const char *szLigne, int *pnValeur);

/* Writes a line of the index file with a CR LF end. */
void EcritLigne(FILE *pSortie, const char *szLigne, int nFin);
/* Opens the next HSP's block of the current hit: its tag, the score line
   held in the reader's buffer and the identities line read after it.
   LB_OK, or LB_INCOMPLETE when the report ends there. */
int  EcritBlocHsp(pLecteur pLec, Passe *pP);
/* The report ended between lines: the last hit, which may be cut
   anywhere, is dropped and the notice is asked for. LB_INCOMPLETE. */
int  FinPrematuree(Passe *pP, bool *pbNoticeFin);
/* A continuation line of the current hit's description. */
void SuiteDescription(pLecteur pLec, Passe *pP);
/* Allocates the table of pP->nCompte hits, goes back to pLec->lListe and
   creates the index file. LB_OK or the failure. */
int  PrepareSecondePasse(pLecteur pLec, pDataGeneralPrg pData, Passe *pP, void *hProg);

/* The newer dialect (blastmodern.cpp). EstRapportModerne looks at the
   report's lines before its first query and leaves the file at its
   start; LitRapportModerne reads the query pData->FichierBlast.nRequete. */
bool EstRapportModerne(pLecteur pLec);
int  LitRapportModerne(pLecteur pLec, pDataGeneralPrg pData, Passe *pP,
                       void *hProg, bool *pbNoticeFin);

#endif /* HALYARD_BLASTLEC_H */
