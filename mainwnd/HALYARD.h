/* HALYARD.h: program-wide declarations of the Win32 layer: the shared
 * records (from the portable core), the globals of the main window and
 * the routines the windows of the program call in one another.
 *
 * Divisions: globals; start-up and main window; toolbar; results list;
 * alignment pane; opening and closing; dialogs; the tools' entry points.
 */
#ifndef HALYARD_HALYARD_H
#define HALYARD_HALYARD_H

#include <windows.h>
#include <commctrl.h>

#include "document.h"
#include "colors.h"           /* TABCOLOR, the 16 colours */
#include "memory.h"
#include "halyardrc.h"
#include "wndutil.h"

/* ---- Globals --------------------------------------------------------- */

extern HINSTANCE hInst;
extern HWND hWndMain;
extern HWND HWNDTOOLBAR;
extern HWND HWNDRESULT;          /* results list, control 6001            */
extern HWND HWNDALIGN;           /* alignment pane                        */
extern HWND HWNDBTNNEXTALIGN;    /* ">>", control 6002                    */
extern HWND HWNDBTNPREVALIGN;    /* "<<", control 6003                    */
extern HWND HWNDCHECKSELECTHSP;  /* HSP selection check box, 6004         */
extern HWND hWndMulBla;          /* VazEva editor, or NULL                */
extern HWND hWndStatBla;         /* BLAST map, or NULL                    */
extern HWND hWndSearchDlg;       /* String Finder, or NULL                */
extern HWND HWNDHCAFRAME;        /* HCA viewer frame, or NULL             */
extern HWND HWNDHCAMAIN;         /* HCA viewer main window, or NULL       */
extern LOGFONTA LFLISTBOX, LFALIGN;
extern HFONT HFNTLISTBOX, HFNTALIGN;
extern RECT RCSEQNAME;           /* "Sequence information" box            */
extern WNDPROC LPFNOLDLBPROC, LPFNNEWLBPROC;

/* Window class names. */
extern const char SZAPPLICATIONCLASS[];  /* "Halyard   ": also the title */
extern const char SZALIGNCLASS[];

/* The document of the main window (its window word 0). */
pDataGeneralPrg DocumentOf(HWND hWndMain);

/* ---- Start-up and main window (halyard.cpp, mainwnd.cpp) -------------- */

BOOL InitApplication(HINSTANCE hInstance);
BOOL InitInstance(HINSTANCE hInstance, int nCmdShow);
LRESULT CALLBACK WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
void DimensionCaractere(HDC hdc, long *pcx, long *pcy);
/* cx and cy of hFont, measured on a device context of hWnd. */
void MesurePolice(HWND hWnd, HFONT hFont, long *pcx, long *pcy);
BOOL InitHBrosse(HWND hWnd, pGraphData pGr);
void DeleteHBrosse(HWND hWnd, pGraphData pGr);

/* ---- Toolbars (toolbar.cpp) ------------------------------------------- */

extern const int NIDHALYARDMAINBTN[8];
LRESULT InitToolTip(HWND hWndToolbar);
void CopyToolTipText(LPTOOLTIPTEXTA lpttt, const int *pnTable, int nTable, int nBase);
void HalyardMainToolBarEnableBtn(BOOL bEnable);

/* ---- Results list (results.cpp) --------------------------------------- */

void INITLISTBOXRESULT(pDataGeneralPrg pData);
void ShowResults_OnMeasureItem(HWND hWnd, MEASUREITEMSTRUCT *lpMeasureItem);
void ShowResults_OnDrawItem(HWND hWnd, const DRAWITEMSTRUCT *lpDrawItem);
void AFFICHEELEMENTLISTBOX(const DRAWITEMSTRUCT *lpDrawItem);
void HandleFocusState(const DRAWITEMSTRUCT *lpDrawItem, int nInflate);
void DessineEnteteRect(HDC hdc);
void AfficheEnteteFileBank(HWND hWnd);
void DessineRectRelief(HDC hdc, const RECT *prc, int nPenA, int nPenB, pGraphData pGr);
LRESULT CALLBACK ListBoxWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
/* Commands of the main window carried out by the list: 6001 (selection
   change), 6004 (check box), 3005, 3006, 3007 (selection commands). */
void ResultsOnSelChange(HWND hWnd, pDataGeneralPrg pData);
void ResultsOnCheckBox(HWND hWnd, pDataGeneralPrg pData);
void ResultsOnSelectCommand(HWND hWnd, pDataGeneralPrg pData, int idCommand);
/* Sets the check box to the flag of the displayed HSP, if one is shown. */
void ResultsShowHspFlag(pDataGeneralPrg pData);

/* ---- Alignment pane (align.cpp) --------------------------------------- */

void MySetTextColor(HDC hdc, unsigned nIndex, pGraphData pGr);
void MySetTextBkColor(HDC hdc, unsigned nIndex, pGraphData pGr);
LRESULT CALLBACK AlignProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
void DessineAlignement(HDC hdc,
                       int x0, int y0,        /* top left of the area      */
                       int x1, int y1,        /* bottom right (unused)     */
                       int cx, int cy,        /* character cell            */
                       pGraphData pGr,        /* colour cache              */
                       int nDecal,            /* scroll position, columns  */
                       pHalyardHSPData pHsp,
                       int nFirst, int nLast, /* columns drawn: [first, last) */
                       int nMode);            /* 10 screen, 20 printer     */
void AfficheNouvelAlign(HWND hWnd, pDataGeneralPrg pData, int noAlign, int noHsp);
void ReajusteScroll(pDataGeneralPrg pData);
void TRAITEBTNHSP(pDataGeneralPrg pData);
void IndiqueNumeroHsp(HDC hdc);
void DessineEnteteAlign(HDC hdc);
/* Commands 6002 (next HSP) and 6003 (previous HSP). */
void AlignOnStepHsp(HWND hWnd, pDataGeneralPrg pData, int nStep);

/* ---- Opening and closing a report (document/openclose.cpp) ------------ */

int OpenABlastFile(HWND hWnd);
int OpenABlastFileNamed(HWND hWnd, const char *szPath);
int ChooseFileName(HWND hWnd, pDataGeneralPrg pData);
BOOL OuvrirFichier(HWND hWnd, char *szPath, char *szName, const char *szInitialDir);
void FermeUnFichier(HWND hWnd);
void AfficheNomFichier(HWND hWnd, const char *szPrefix, const char *szSuffix);
/* Destroys the editor, the HCA viewer and the map, when open. */
void DetruitOutils(void);

/* ---- Dialogs (dbinfo.cpp, about.cpp, colordlg.cpp, querydlg.cpp) ------- */

void AfficheInfoDB(HWND hWnd);
/* Before the report szFilePath is read: the query to read, in
   FichierBlast.nRequete. The user chooses when the report holds several
   (the first selected); 0 when he cancels, the document unchanged. */
int ChoisitRequete(HWND hWnd, pDataGeneralPrg pData);
void AfficheDlgAProposDe(HWND hWnd);
int ChoixColoration(HWND hWnd, int *pnColorPref, int *pnBkColor);

/* ---- Numeric edit fields (editor/msfdlg.cpp) -------------------------- */

/* Modes of TesteEditNum: what a field keeps as the user types. */
#define EDITNUM_SIGNE     1   /* digits and "-"  */
#define EDITNUM_CHIFFRES  2   /* digits only     */

/* Drops from field idEdit of hDlg the characters its mode does not keep
   (any other mode keeps everything), with a beep when one was dropped.
   Meant for the field's change notifications. */
void TesteEditNum(HWND hDlg, int idEdit, int nMode);
/* The leading integer of the field's first 9 characters (atol), 0 when
   there is none. */
int _GetDlgItemInt(HWND hDlg, int idEdit);

/* ---- Entry points of the tools (their own modules) -------------------- */

/* HCA viewer */
BOOL CreeHCAWindows(HWND hWndOwner);
void FermeHCADiag(void);
/* Adds a plot of one row at the bottom of the viewer; 1, or 0 when it
   could not be shown (already reported). */
int CreationNvHCA(const char *szSeq, const unsigned *pTxtClr, const unsigned *pBkClr,
                  unsigned nStart, const char *szName, pDataGeneralPrg pData);
LRESULT CALLBACK HCAMainWndProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK HcaFrameProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK DrawHCAProc(HWND, UINT, WPARAM, LPARAM);
/* VazEva editor */
void MulBlastDlg(HWND hWndOwner);
LRESULT CALLBACK MulBlaProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK MulBlaConsProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK MulBlaAlignProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK MulBlaListProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK MulBlaScaleProc(HWND, UINT, WPARAM, LPARAM);
/* BLAST map */
int CreationStatBlaWin(unsigned nTotal);
LRESULT CALLBACK StatBlaMainProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK StatBlaListNameProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK StatBlaListBgraphProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK StatBlaHistoProc(HWND, UINT, WPARAM, LPARAM);
/* Printing */
void ReadDefPrinter(HWND hWnd);
void SetThePrinterUp(HWND hWnd);
void Imprime(HWND hWnd, pDataGeneralPrg pData);
/* String finder */
HWND PrepareSearchData(HWND hWnd, pDataGeneralPrg pData);

#endif
