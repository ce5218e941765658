/* document.h: the records of the open BLAST report.
 *
 * One DataGeneralPrg per main window holds the report's header texts, the
 * table of hits, the HSP shown in the alignment pane, the pane's drawing
 * cache and its scroll state. Fixed character arrays hold NUL-terminated
 * strings and their widths cut what the reader stores.
 * Portable: GDI handles are kept as opaque pointers here and cast back by
 * the Win32 layer.
 */
#ifndef HALYARD_DOCUMENT_H
#define HALYARD_DOCUMENT_H

#include "os.h"

#define HL_MAX_PATH 260

/* Colour index naming "no colour": the null brush or pen of a cache. */
#define NULLCOLORINDEX 16

/* Query and database header of the report. */
typedef struct tagDataBlastFile {
    char szQuerySeqName[256];  /* first word of the query name           */
    char szQuerySeqInfo[256];  /* "(%u lettres)" with the query length   */
    int  TailleQuery;          /* query length in residues               */
    char szDataBankInfo[256];  /* database description, joined lines     */
    int  bModerne;             /* NCBI BLAST 2.x or BLAST+ report: scores
                                  in bits, E-values                      */
    unsigned nRequete;         /* query to read, from 0; set before the
                                  read, as the user chose                */
    unsigned nRequetes;        /* queries in the report (modern ones)    */
} DataBlastFile, *pDataBlastFile;

/* One hit (subject sequence) of the report. */
typedef struct tagDataHSP {
    unsigned int numero;           /* hit number, 1-based, report order   */
    char         szAccessNb[100];  /* first word of the ">" line          */
    char         szAccessName[500];/* description, pieces end in a blank  */
    char         szHighScore[8];   /* score of the first HSP              */
    char         szProb[10];       /* probability of the first HSP        */
    char         szN[3];           /* reserved, stays empty               */
    char         szLength[6];      /* subject length as text              */
    unsigned int unHSP;            /* number of HSPs of the hit           */
    int         *nHSPselected;     /* unHSP flags, non-zero = selected    */
    unsigned int nPremierHsp;      /* entry of plPosHsp of its HSP 1      */
} DataHSP, *pDataHSP;

/* The HSP shown in the alignment pane. */
typedef struct tagHalyardHSPData {
    int          tailleAlign;      /* alignment length in columns         */
    int          noAlign;          /* hit number, 1-based                 */
    int          noHsp;            /* HSP number within the hit, 1-based  */
    char        *szQuery;          /* query row, tailleAlign+1 bytes      */
    char        *szSubject;        /* subject row                         */
    char        *szComp;           /* match row                           */
    unsigned int StartQuery, StopQuery;
    unsigned int StartSubject, StopSubject;
    unsigned int *QueryTxtClr, *QueryBkClr;     /* colour index per column */
    unsigned int *SubjectTxtClr, *SubjectBkClr;
    unsigned int *CompTxtClr, *CompBkClr;
    char         szInfo[255];      /* score line and identities line      */
} HalyardHSPData, *pHalyardHSPData;

/* Drawing cache of the alignment pane. Entries 0..15 follow TABCOLOR;
   entry 16 is the stock null brush or pen. The handles are HBRUSH and
   HPEN on Win32. */
typedef struct tagGraphData {
    void        *hBrs[17];
    void        *hOldBr;
    unsigned int nCurBr;
    void        *hPens[17];
    void        *hOldPen;
    unsigned int nCurPen;
    unsigned int nTxtColor;    /* text colour index last set on the DC   */
    unsigned int nTxtBkColor;  /* background colour index last set       */
} GraphData, *pGraphData;

/* Horizontal scroll state of the alignment pane. */
typedef struct tagDataScroll {
    int nDecal;     /* scroll position in residue columns, from -2        */
    int wndlength;  /* columns that fit in the pane, 0 = scrolling off    */
} DataScroll, *pDataScroll;

/* The document: one per main window, for the whole run. */
typedef struct tagDataGeneralPrg {
    char           szWorkingDirectory[HL_MAX_PATH]; /* executable's dir  */
    char           szFilePath[HL_MAX_PATH];  /* report last chosen        */
    char           szFileName[256];          /* its file name part        */
    char           szFileSortie[HL_MAX_PATH];/* HSP index file            */
    DataBlastFile  FichierBlast;
    char           ConfigFile[HL_MAX_PATH];  /* halyard.cfg beside the exe */
    unsigned int   nHSP;         /* valid, owned entries of pHSPResultat  */
    unsigned int   nAlign;       /* number of hits                        */
    unsigned int   nAlignTotal;  /* number of HSPs over all hits          */
    pDataHSP      *pHSPResultat; /* entry i is hit i+1; NULL when empty   */
    pHalyardHSPData pVhspData;   /* HSP shown, or NULL                    */
    /* Where each HSP's block starts in the index file, in file order (the
       hit's nPremierHsp, then one entry per HSP): an HSP is loaded from
       there instead of searching the file from its top. Released with
       the hit table; -1 for a place that could not be told. */
    long          *plPosHsp;
    unsigned int   nPosHsp;      /* entries in use                        */
    unsigned int   nPosHspMax;   /* entries allocated                     */
    GraphData      GrData;
    DataScroll     scroll;
    int            nColorPref;   /* 10 HCA, 20 identity, 30 black & white */
    int            nBkColor;     /* 1 = scheme backgrounds, 0 = white     */
} DataGeneralPrg, *pDataGeneralPrg;

/* Allocates the document zero-filled, with szWorkingDirectory and
   szFilePath holding the executable's full path and ConfigFile naming
   halyard.cfg in the executable's directory. NULL when memory fails
   (already reported). */
pDataGeneralPrg InitDataProgram(void);

/* Clears the query name, query info and database texts; TailleQuery is
   left alone. */
void InitFichBlastData(pDataGeneralPrg pData);

/* Releases the hit table and the places of the HSPs' blocks, and zeroes
   nHSP, nAlign and nAlignTotal; does nothing when there is no table. */
void FreeHspData(pDataGeneralPrg pData);

/* Releases the HSP shown and its nine arrays. */
void FreeHalyardHaspData(pDataGeneralPrg pData);

/* Releases a loaded HSP whose arrays may be partly allocated. Accepts
   NULL. */
void LibereHalyardHsp(pHalyardHSPData pHsp);

/* Releases everything the document owns, then the document. */
void FreeDataProgram(pDataGeneralPrg pData);

/* Splits szPath after its last directory separator ('\\' or '/', or the
   ':' of a drive) and copies the directory part, separator included, into
   szDir (cchDir bytes, cut to fit). Returns the length copied. */
int PathDirectoryPart(const char *szPath, char *szDir, int cchDir);

/* The texts of the database information box: into szQuery (cchQuery
   bytes) the query's name, two blanks and its description, into szBank
   (cchBank bytes) the database description, each cut to fit. A field
   filled to its last byte (no NUL) stops at the end of its array. */
void InfoDbTexts(const DataBlastFile *pFich, char *szQuery, size_t cchQuery, char *szBank, size_t cchBank);

/* f rounded to the nearest integer, a fraction of exactly one half going
   toward zero (2.5 gives 2, 2.51 gives 3, -2.5 gives -2). Every layout
   that divides pixels by a character size rounds with it. */
int RoundFloat(float f);

#endif /* HALYARD_DOCUMENT_H */
