/* mulbwin.h: the VazEva editor on Win32: its globals, its windows
 * (mulbla.cpp: loading, the editor window, its layout and commands) and
 * its panes (mulbpane.cpp: drawing, scrolling, caret, keys, mouse, the
 * font size dialog). The model and its arithmetic are in mulbla.h.
 */
#ifndef HALYARD_MULBWIN_H
#define HALYARD_MULBWIN_H

#include <windows.h>

#include "mulbla.h"

/* ---- Globals ------------------------------------------------------------ */

extern pMulBlaData PMULBLA;        /* the open editor's record, or NULL     */
extern HWND HWNDMULBLALIST;        /* names pane                            */
extern HWND HWNDMULBLASCALE;       /* scale pane                            */
extern HWND HWNDMULBLACONSENSUS;   /* consensus pane                        */
extern HWND HWNDMULBLAALIGN;       /* alignment pane                        */
extern HWND HWNDINSERTSTATE;       /* "Insert" / "Replace"                  */
extern HWND HWNDCARETPOSITION;     /* "%4u,%4u" of the caret                */
extern HWND HWNDTOOLBAREDIT;
extern HWND HWNDFINDPAT;           /* pattern finder opened from the editor */
extern LOGFONTA LFEDITORFNT;
extern HFONT HFNTEDITOR;
extern int BINSERTKEY;             /* non-zero: typing inserts              */

extern const char SZMULBLAPARENT[];     /* "VazEva Editor   -   " */
extern const char SZMULBLACONSENSUS[];  /* "consensus"            */
extern const char SZMULBLAALIGN[];      /* "MulBla align"         */
extern const char SZMULBLALIST[];       /* "MulBla list"          */
extern const char SZMULBLASCALE[];      /* "MulBla scale"         */

/* Commands of the editor's toolbar; tooltip text = 2088 + index. */
extern const int NIDEDITBTN[10];

/* ---- Loading and the editor window (mulbla.cpp) ------------------------- */

/* 1 the editor is open, 2 nothing selected (said), 0 failure (everything
   released; the caller says it). */
int LitLesInfoMulBla(void);
BOOL AfficheMulBlaWin(void);
/* Lays the children out for the editor's client size. */
void PlaceFenetresMulBla(HWND hWnd);

/* ---- Commands (mulbcmd.cpp) and the MSF dialog (msfdlg.cpp) -------------- */

/* Commands 3014 to 3020 of the editor window hWnd, on the caret's row. */
void CommandeSequence(HWND hWnd, int idCommand);
/* The rename dialog on szNom (11 bytes), which holds the old name and
   comes back with the new one: TRUE when the user confirmed. */
BOOL RenameSeq(HWND hWndOwner, char *szNom);
/* The consensus dialog on the open editor: on OK its limits are stored
   and a consensus made with them replaces *pszConsensus (a block of the
   memory services). TRUE when the user confirmed. */
BOOL ConsensusDLG(HWND hWndOwner, char **pszConsensus);

void SauveMsfDlg(HWND hWndOwner);
/* The system Save dialog for MSF files; szFile and szFileTitle hold
   MAX_PATH bytes. TRUE when a file was chosen. */
BOOL ChoisiFichier(char *szFile, char *szFileTitle, const char *szInitialDir);

/* ---- Panes (mulbpane.cpp) ------------------------------------------------ */

void ReajusteVHScroll(void);
void UpdateCaretPosition(int nCol, int nLgn);
void RecupCursorPos(int *pnCol, int *pnLgn);
/* Caret back to column 1, row 1, Ctrl released: a new editor. */
void InitCaretMulBla(void);
void TaillePoliceDlg(HWND hWndOwner);

/* Drawing of each pane for a paint rectangle, on any DC (the panes'
   paint handlers, and metafiles in the tests). */
void DessineMulBlaAlign(HDC hdc, const RECT *prc);
void DessineMulBlaList(HDC hdc, const RECT *prc);
void DessineMulBlaScale(HDC hdc, const RECT *prc);
void DessineConsensus(HDC hdc, const RECT *prc);

#endif
