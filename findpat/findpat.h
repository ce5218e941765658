/* findpat.h: the pattern finder's portable core.
 *
 * A pattern (mask) is compiled into sub-masks through a residue
 * replacement table (patcomp.cpp), each sub-mask is searched through the
 * sequence and the chains of occurrences that respect the gap limits are
 * written to a results file (patsearch.cpp); pattern files are read by
 * patfile.cpp. Work files live in the work directory given by the caller
 * (the system temporary directory in the program).
 *
 * Pattern language, after expansion through the table:
 *   A        a residue, matched exactly
 *   X        any residue
 *   (ABX)    any one of A, B or, with X inside, any residue
 *   {n}      ends a sub-mask; the next one starts 1 to n positions after
 *            the last residue of this one; {0} (or a limit without
 *            digits) ends the mask
 * Residues "-" and "." of a sequence (alignment gaps) match nothing.
 */
#ifndef HALYARD_FINDPAT_H
#define HALYARD_FINDPAT_H

#include <stdio.h>

#include "textline.h"

#include "os.h"

#define MAXSSMASK     50     /* sub-masks of one mask                     */
#define TAILLEMASK    500    /* a compiled mask, NUL included             */
#define TAILLESSMASK  150    /* one sub-mask, NUL included                */
#define TAILLECHEMIN  261    /* one work file path                        */
#define MAXRESULTATS  10000  /* matches kept for one pattern in one
                                sequence                                  */
#define TAILLEMOTIF   100    /* MotifData texts, NUL included             */
#define TAILLERESULTAT 500   /* one match text of the results, NUL incl.  */
#define TAILLEOCCURENCE 50   /* residues shown for one occurrence, NUL    */

/* Results of LanceRecherche. */
#define RECH_ERREUR    0     /* failed, already reported                  */
#define RECH_TROUVE    1     /* searched: the results file holds the
                                matches (possibly none)                   */
#define RECH_ABSENT    2     /* a sub-mask occurs nowhere: no results file */
#define RECH_TRONQUE   3     /* as RECH_TROUVE, but the results file holds
                                only the first MAXRESULTATS matches       */

/* One row of a replacement table: a letter and the text it stands for. */
typedef struct tagTableLettre {
    char cLettre;
    char szTmp[30];
} TableLettre, *pTableLettre;

/* One occurrence of a sub-mask: 0-based positions, stop inclusive. */
typedef struct tagPositionData {
    unsigned int start;
    unsigned int stop;
} PositionData, *pPositionData;

/* Everything one search of one mask in one sequence needs; owned by
   LanceRecherche for the length of the search. */
typedef struct tagDataGeneralMotif {
    OSWND          hWndMain;             /* owner of the notices          */
    char          *Sequence;             /* private copy of the sequence  */
    unsigned int   nTailleSequence;      /* its length                    */
    char           mask[TAILLEMASK];     /* mask being compiled           */
    char           szNomFichier[260];    /* work directory                */
    char           szTitreFichier[260];  /* sequence name                 */
    char           szSsMaskFile[260];    /* path of SSMASK.TMP            */
    int            NbreSsMask;           /* sub-masks of the mask         */
    char          *szTmpFileName[MAXSSMASK]; /* MFIND<n>.TMP paths        */
    unsigned int  *nTailleEntreSsMask;   /* per sub-mask: its gap limit   */
    unsigned int  *nDebut[MAXSSMASK];    /* per sub-mask: occurrence
                                            starts, increasing            */
    unsigned int  *nFin[MAXSSMASK];      /* per sub-mask: occurrence stops */
    unsigned int  *nOccurence;           /* per sub-mask: occurrences     */
    pPositionData  nCheminASauver;       /* the chain being built         */
    unsigned int   nChemin;              /* matches written               */
    int            bTronque;             /* matches beyond MAXRESULTATS
                                            were left out                 */
    unsigned char *bViable[MAXSSMASK];   /* per occurrence: some chain
                                            through it reaches the last
                                            sub-mask                      */
    char           TableConvert[10];     /* table name: ADN, PROTEINE...  */
    pTableLettre   pTableDNA;            /* the replacement table         */
    int            nEntreeDnaTbl;        /* its rows                      */
} DataGeneralMotif, *pDataGeneralMotif;

/* ---- Mask compilation (patcomp.cpp) --------------------------------- */

/* Reads the table TableConvert + ".TBL" from the tables' directory (the
   executable's). 1, or 0 after a notice. */
int  CreeTableDNA(pDataGeneralMotif pMotif);
/* mask becomes "{length}" mask "{0}". 1, or 0 (notice 2039) when that
   does not fit in TAILLEMASK. */
int  AcheveMasque(pDataGeneralMotif pMotif);
/* Replaces every table letter of the mask by its text. Inside a group a
   replacement written as a group gives only its letters, so that "(BA)"
   with B = (DN) becomes "(DNA)". 1, or 0 (notice 2039) when the result
   does not fit in TAILLEMASK. */
int  RemplaceMultiLettre(pDataGeneralMotif pMotif);
/* Checks the syntax, cuts the mask into sub-masks and writes SSMASK.TMP.
   1, or 0 after a notice (2039 syntax, 2036 file). */
int  DecorticMotif(pDataGeneralMotif pMotif);

/* Directory the tables are read from: the executable's, unless
   DefinitRepertoireTables named another (tests and tools). szDir NULL or
   empty goes back to the executable's. Returns the length, 0 on failure. */
int  RepertoireTables(char *szDir, int cchDir);
void DefinitRepertoireTables(const char *szDir);

/* ---- Search engine (patsearch.cpp) ---------------------------------- */

/* Searches szMask in szSequence (see RECH_*). Notices are owned by
   hOwner; every work file but RESULTS.TMP is gone on return, and
   RESULTS.TMP exists only for RECH_TROUVE and RECH_TRONQUE. */
int  LanceRecherche(OSWND hOwner,
                    const char *szWorkDir,      /* ends in a separator   */
                    const char *szSeqName,
                    const char *szSequence,
                    const char *szTableConvert, /* "ADN", "PROTEINE"...  */
                    const char *szMask);
/* 1 when residue r matches the element held in mask[first..end-1]. */
int  CompareMask(char r, const char *mask, int first, int end);
/* Leftmost occurrence of szSsMask starting at or after nFrom; both
   positions (unsigned)-1 when there is none. */
PositionData RechercheMaskSimple(const char *szSequence,
                                 const char *szSsMask,
                                 unsigned int nFrom,
                                 unsigned int nLength);
/* Writes every occurrence of sub-mask nIndex (0-based) to f, counting
   them in nOccurence. 1 some, 2 none. */
int  RechercheMaskComplexe(FILE *f,
                           pDataGeneralMotif pMotif,
                           const char *szSsMask,
                           int nIndex);
/* DecorticMotif, then the occurrence files. 0 error, 1 every sub-mask
   occurs, 2 some sub-mask occurs nowhere. */
int  FindSousMask(pDataGeneralMotif pMotif);
/* Writes every chain of occurrences to RESULTS.TMP. 1, or 0 after a
   notice. */
int  LanceExamenCombinaison(pDataGeneralMotif pMotif);
/* One step of the chain walk: occurrence nOcc of sub-mask nDepth. 1 to go
   on, 0 once MAXRESULTATS matches are written and another is found. */
int  ExamineCombinaison(FILE *f,
                        int nDepth,
                        unsigned int nOcc,
                        pDataGeneralMotif pMotif);
void EffaceFichiersTMP(pDataGeneralMotif pMotif);
void EffacePointeurs(pDataGeneralMotif pMotif);

/* Called for each sequence and pattern whose search left a results file;
   the file is deleted when the call returns. nSeq indexes the sequence
   list, nMotif the pattern list. */
typedef void (*PFNRESULTATS)(void *pParam,
                             int nSeq,
                             int nMotif,
                             int nResultat,   /* RECH_TROUVE or _TRONQUE */
                             const char *szResultsFile);

/* The Find command without its display: every selected sequence is
   searched for every pattern, in that order. A failed search asks 2042
   (Yes goes on, No stops); when a search had more matches than
   MAXRESULTATS an information box says so once, at the end. Returns 1
   when everything was searched, 0 when the user stopped. */
int  LanceRechercheSequences(OSWND hOwner,
                             const char *szWorkDir,
                             const char *szTableConvert,
                             char **szListSequence,
                             const int *pnSeqIdx,    /* selected, in order */
                             int nSeqSel,
                             char **szMotifs,
                             int nMotifs,
                             PFNRESULTATS pfnResultats,
                             void *pParam);

/* Called with the text of each match read from a results file. */
typedef void (*PFNMATCH)(void *pParam, const char *szTexte);

/* Reads a results file of a search of szSequence and gives each match as
   "%4u : " then "-- start<residues>stop --" per sub-mask (1-based
   positions), cut to TAILLERESULTAT - 1 characters. 1 read, 0 when the
   file cannot be opened. */
int  LitResultats(const char *szResultsFile,
                  const char *szSequence,
                  PFNMATCH pfnMatch,
                  void *pParam);

/* ---- Pattern files (patfile.cpp) ------------------------------------ */

typedef struct tagMotifData {
    char mask[TAILLEMOTIF];  /* the pattern                               */
    char nom[TAILLEMOTIF];   /* "%u. %s": number in the file, description */
} MotifData, *pMotifData;

typedef struct tagMotifDecript {
    int        nMotifs;       /* patterns of the loaded file, 0: none     */
    pMotifData pDonneeMotif;  /* the patterns, file order                 */
    int       *pListIdx;      /* indices chosen in "List of patterns"     */
    int        nIdx;
    MotifData  DonneeMotif;   /* what the finder shows for the choice     */
    char       szFilePath[260];
    char       szFileName[256];
} MotifDecript, *pMotifDecript;

/* The pattern finder dialog's record. */
typedef struct tagDataSeq {
    char       **szListSequence;
    char       **szListSeqName;
    int          nSeq;
    char         szWorkDir[260];
    char         TableConvert[10];
    unsigned int nTypeSeq;
    MotifDecript dataMotifDescript;
    void        *hInst;        /* HINSTANCE on Win32                      */
} DataSeq, *pDataSeq;

/* Table name for a sequence type: 0 "ADN", 1 "PROTEINE", 2 "SPECIAL"
   (anything else is taken as 1). */
const char *NomTableConvert(unsigned int nTypeSeq);

/* Reads the pattern file szFilePath into pDonneeMotif/nMotifs, after
   releasing the previous patterns and choice. 1, or 0 (the file cannot be
   opened, or memory). Shows only the memory service's notices. */
int  ReadMotifs(OSWND hOwner, pMotifDecript pMotifs);
/* Releases the patterns and the chosen indices. */
void LibereMotifs(pMotifDecript pMotifs);
/* "Ok" in "List of patterns": the nSel items pnSel (those beyond the file
   skipped) become the choice, which DonneeMotif then describes: the
   pattern itself, or "All patterns" / "Some patterns" without a mask. 1,
   or 0 with the choice unchanged (nothing left, or memory). */
int  ChoisitMotifsListe(pMotifDecript pMotifs, const int *pnSel, int nSel);
/* The patterns a Find searches into szMotifs (room for nIdx, at least
   one): those of the choice when szDescription is the text a choice of
   several gets, else szMotif alone. Their count. */
int  MotifsRecherches(const MotifDecript *pMotifs, const char *szDescription,
                      char *szMotif, char **szMotifs);

/* ---- Shared helper --------------------------------------------------- */

/* LitLigneFichier (textline.h) reads the lines of tables, pattern files
   and work files. */

/* Path of work file szNom in the work directory szWorkDir (a separator
   is added when szWorkDir does not end in one). 1, or 0 when it does not
   fit in cchPath. */
int  CheminFichierTravail(const char *szWorkDir,
                          const char *szNom,
                          char *szPath,
                          int cchPath);

#endif /* HALYARD_FINDPAT_H */
