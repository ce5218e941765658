/* mulbla.h: the VazEva editor's model, portable part.
 *
 * The marked HSPs of a report stacked on the query's coordinates: one row
 * for the query, one per HSP, every row as long as the query, column c of
 * every row standing for query position c. Loading from the HSP index
 * file, row colours and names, the three character edits, the consensus,
 * and the arithmetic of the panes (visible cells, caret, clicks, scroll
 * bars and the caret keys), so that the windows only draw and dispatch.
 *
 * Divisions: records; loading and release; colours; edits; consensus;
 * pane arithmetic; caret keys.
 */
#ifndef HALYARD_MULBLA_H
#define HALYARD_MULBLA_H

#include "document.h"

/* ---- Records ------------------------------------------------------------ */

#define MULBLA_NOMLEN 50   /* bytes of a row name, NUL included          */
#define MULBLA_VIDE   '.'  /* a cell with no residue                     */

/* One row of the alignment; every array has nTaille entries (the two
   strings one more, for the NUL). */
typedef struct tagMulBlaSeq {
    char      szName[MULBLA_NOMLEN];
    char     *szSeq;       /* one character per column                  */
    char     *szComp;      /* BLAST match line in step with szSeq       */
    unsigned *SeqTxtClr;   /* text colour index of each cell            */
    unsigned *SeqBkClr;    /* background colour index of each cell      */
} MulBlaSeq, *pMulBlaSeq;

/* The editor's record. */
typedef struct tagMulBlaData {
    int         nSeq;          /* rows, the query's included             */
    int         nTaille;       /* columns: the query length              */
    pMulBlaSeq *pSeqMul;       /* row pointers, top first; rows removed
                                  later leave NULL entries at the end    */
    char       *szConsensus;   /* nTaille characters                     */
    int         wndlength;     /* visible columns, 0 = no h. scrolling   */
    int         wndheight;     /* visible rows, 0 = no v. scrolling      */
    int         nVdecal;       /* first visible row, 0-based             */
    int         nHdecal;       /* horizontal position, from -2           */
    int         nColorPref;    /* colour scheme at loading (10, 20, 30)  */
    int         nBkColor;      /* background option at loading           */
    int         nPointLimit;   /* consensus limits                       */
    int         nStrictLimit;
} MulBlaData, *pMulBlaData;

/* ---- Loading and release ------------------------------------------------ */

/* Number of selected HSPs of the document's hit table. */
unsigned CompteHspSelectionnes(pDataGeneralPrg pData);

/* Called after each row is loaded: nRow is the row just filled
   (1-based), nSeq the number of rows. */
typedef void (*PFNPROGRESMULBLA)(void *pCtx, int nRow, int nSeq);

/* Builds the editor's record from the selected HSPs of pData, reading
   the index file szFileSortie: the query row from hit 1, HSP 1 (selected
   or not), then one row per selected HSP in file order. Each HSP is laid
   on the query's coordinates column by column: a column whose query
   character is not a gap is the next query position and takes the
   subject (and match) character of that column; a subject character
   facing a query gap is an insertion and is left out. Reversed query
   coordinates are laid from the lower one. Nothing lands outside 1 ...
   nTaille. Rows are coloured under the document's scheme, the consensus
   computed with both limits nSeq/2.
   Returns NULL when nothing is selected (nothing shown), or on failure:
   memory (already shown), the index file cannot be opened or lacks an
   HSP (not shown: the caller reports the failure). *pnCount, when not
   NULL, receives the number of selected HSPs. */
pMulBlaData ChargeMulBla(pDataGeneralPrg pData,
                         PFNPROGRESMULBLA pfnProgres, /* or NULL      */
                         void *pCtx,                  /* its argument */
                         unsigned *pnCount);

/* Releases every row and the record. Accepts NULL. */
void VirePointMulBla(pMulBlaData pMul);

/* ---- Colours ------------------------------------------------------------ */

/* The colour tables of one scheme, read once from the settings file. */
typedef struct tagCouleursMulBla {
    int nColorPref;
    int Txt[26], Bk[26];        /* per letter A..Z                       */
    int Ident, Simil, Autre;    /* scheme 20                             */
} CouleursMulBla;

void LitCouleursMulBla(CouleursMulBla *pClr,
                       const char *szConfig, /* halyard.cfg             */
                       int nColorPref,
                       int nBkColor);        /* 0: every background 1  */

/* Colours nLen cells of a row from its characters and, for scheme 20,
   its match line (NULL for the query row: black text). */
void InitColorsString(const CouleursMulBla *pClr,
                      const char *szSeq,
                      const char *szComp,
                      int nLen,
                      unsigned *pTxt,
                      unsigned *pBk);

/* ---- Edits (column n and row m, both 1-based) ---------------------------
   A cell outside the rows and columns is left alone. A written cell is
   black on white with a blank match character. */

void EcraseCaractere(pMulBlaData pMul, int n, int m, char ch);
/* Cells n ... nTaille-1 move right; the last one is lost. */
void InsereCaractere(pMulBlaData pMul, int n, int m, char ch);
/* Cells n+1 ... nTaille move left; the last becomes "." on white. */
void EffaceCaractere(pMulBlaData pMul, int n, int m);

/* ---- Row commands (row index i 0-based, row m 1-based) ------------------ */

/* Releases row i and moves the rows below it up; the freed last entry
   becomes NULL. 0 when there is no row i. */
int RemoveSequence(pMulBlaData pMul, int i);

/* Merges row i into the row above (a cell the above row lacks takes this
   row's residue and colours, two residues make a black "X"), cuts the
   above row's name before its first "(", then removes row i. 0 for row 0
   or no row i: nothing changes. */
int MergeSequence(pMulBlaData pMul, int i);

/* Swaps row m with row m + nDir (-1 up, +1 down). 0 when there is no
   such row: nothing changes. */
int MoveSequence(pMulBlaData pMul, int m, int nDir);

/* The old name shown by the rename dialog: the first 10 characters. */
void AncienNomSequence(const MulBlaSeq *pRow, char *szOut /* 11 bytes */);

/* Renames row m to the first 10 characters of szNouveau, right-aligned in
   10; below the top row the name keeps what followed its name field (the
   coordinates part). 0 when szNouveau is empty or there is no row m. */
int RenommeSequence(pMulBlaData pMul, int m, const char *szNouveau);

/* Copies of every row and name (nSeq strings of nTaille characters, nSeq
   blocks of MULBLA_NOMLEN bytes) for the pattern finder, which owns them
   from then on. 0 when memory failed: nothing is left allocated. */
int CopieSequences(pMulBlaData pMul, char ***pppSeq, char ***pppNom);

/* ---- Consensus ---------------------------------------------------------- */

/* Writes nTaille characters into szOut (nTaille+1 bytes): "." where at
   least nPoint rows hold "." (any cell but a letter counts as "."), else
   the letter with the highest count when it is alone there and reaches
   nStrict, else ".". */
int CreeConsensus(pMulBlaData pMul, char *szOut, int nPoint, int nStrict);

/* ---- MSF export ------------------------------------------------------------ */

#define MSF_MIN_COLONNES 31  /* the shortest range exported */
#define MSF_NCHAR_MIN    50  /* characters a line, from ...      */
#define MSF_NCHAR_MAX   150  /* ... to                           */

/* The characters a line after a click on an arrow of the dialog's up-down
   (nDelta above 0: up): one step of 10, kept within the limits. */
int PasMsfNChar(int n, int nDelta);

/* 1 when columns nFrom ... nTo (1-based) can be exported. */
int PlageMsfValide(int nFrom, int nTo, int nTaille);

/* The path a chosen file name is saved under: same drive and directory,
   base name cut to 10 characters, extension "msf". */
void CheminMsf(const char *szChoisi, char *szOut, int cchOut);

/* GCG checksum of sz[nStart ... nEnd] (0-based, both included):
   sum of ((k mod 57) + 1) * code of the k-th character, modulo 10000. */
int SEQGCGCHECKSUM(int nEnd, int nStart, const char *sz);

/* Writes columns nStart ... nEnd (0-based) of every row, and the consensus
   when bConsensus, as a GCG MSF file of n characters a line (CR LF line
   ends on every platform), the scale numbered from nEchelle. Names are
   their first 10 characters, a blank written "_". The file is written
   beside szPath under a temporary name and replaces szPath only once it
   is whole, so a failure leaves an existing szPath as it was. Returns 1,
   or 0 when it could not be written (said, naming the file, over
   hOwner). */
int SauveMSF(pMulBlaData pMul,
             int n,                 /* characters a line: 50 ... 150      */
             const char *szPath,
             int nStart,
             int nEchelle,          /* number of the first scale position */
             int nEnd,
             int bConsensus,
             OSWND hOwner);

/* ---- Pane arithmetic ------------------------------------------------------
   Column index c (0-based) is centred at x = (c - nHdecal) * cx; row index
   r has its top at y = (r - nVdecal) * cy. */

/* Cells to draw for a paint rectangle: columns [c0, c1), rows [r0, r1),
   a margin of two cells on each side, clamped to the alignment. */
typedef struct tagPlageMulBla {
    int c0, c1, r0, r1;
} PlageMulBla;

PlageMulBla PlageVisible(const MulBlaData *pMul, int left, int top, int right, int bottom,
                         int cx, int cy);

typedef struct tagRectMulBla {
    int left, top, right, bottom;
} RectMulBla;

/* The band of row m to redraw after an edit at column n (0: the whole
   row), up to nWidth. */
RectMulBla ZoneARetracer(const MulBlaData *pMul, int n, int m, int cx, int cy, int nWidth);

/* Top-left corner of the caret on column n, row m. */
void PositionCaret(const MulBlaData *pMul, int n, int m, int cx, int cy, int *px, int *py);

/* The cell under a click at (x, y): 1 and its column and row, or 0 when
   the click is outside the columns or below the last row. */
int CaseDuClic(const MulBlaData *pMul, int x, int y, int cx, int cy, int *pn, int *pm);

/* Scroll bars from the pane's client size: sets wndlength, wndheight and,
   when a bar is off, its position (a position past a bar's new maximum
   comes back to it); says what the bars show. */
typedef struct tagDefilMulBla {
    int bHoriz, nHMax;   /* horizontal bar on, its range -2 ... nHMax   */
    int bVert, nVMax;    /* vertical bar on, its range 0 ... nVMax      */
} DefilMulBla;

DefilMulBla CalculeDefilement(pMulBlaData pMul, int w, int h, int cx, int cy);

/* Scroll requests, the platform's SB_* codes. */
#define DEFIL_LIGNE_AV    0  /* line left / up    */
#define DEFIL_LIGNE_AP    1  /* line right / down */
#define DEFIL_PAGE_AV     2
#define DEFIL_PAGE_AP     3
#define DEFIL_POSITION    4  /* thumb position    */
#define DEFIL_SUIVI       5  /* thumb track       */
#define DEFIL_DEBUT       6  /* top               */
#define DEFIL_FIN         7  /* bottom            */
#define DEFIL_AUCUN     (-1) /* no request        */

/* The new scroll position for a request on the bar [nMin, nMax] with a
   page of nPage; nThumb is the thumb's position. */
int NouvellePosition(int nCode, int nCur, int nMin, int nMax, int nPage, int nThumb);

/* The scale pane: position n (1-based) of nTaille shows its number, with
   a "|" under it, when it is the first, the last or a tenth position; the
   number's text in szNum (12 bytes), or NULL where only a "." stands. */
const char *MarqueEchelle(int n, int nTaille, char *szNum);

/* ---- Caret keys ------------------------------------------------------- */

#define TOUCHE_GAUCHE  1
#define TOUCHE_DROITE  2
#define TOUCHE_HAUT    3
#define TOUCHE_BAS     4
#define TOUCHE_PGHAUT  5
#define TOUCHE_PGBAS   6
#define TOUCHE_DEBUT   7   /* Home */
#define TOUCHE_FIN     8   /* End  */

/* The caret and what a key does to it. */
typedef struct tagCaretMulBla {
    int nCol, nLgn;      /* caret column and row, 1-based               */
    int nHReq, nVReq;    /* scroll requests to send (DEFIL_*)           */
} CaretMulBla;

/* Moves the caret (nCol, nLgn) for a key; cxAlign, cyAlign: the pane's
   client size. With no row left the caret does not move. */
CaretMulBla DeplaceCaret(const MulBlaData *pMul,
                         int nCol, int nLgn, /* caret before the key    */
                         int nTouche,        /* TOUCHE_*                */
                         int bCtrl,          /* Ctrl held               */
                         int cxAlign, int cyAlign,
                         int cx, int cy);    /* editor font             */

#endif /* HALYARD_MULBLA_H */
