/* print.h: the printer and the print jobs on Win32 (print.cpp): the
 * printer chosen for the run, the frame every job runs in, and the 1D
 * alignment printout. The page arithmetic is in printgeom.h.
 */
#ifndef HALYARD_PRINT_H
#define HALYARD_PRINT_H

#include <windows.h>

#include "document.h"
#include "hca.h"

/* The chosen printer as texts, and the running job's document name. */
typedef struct tagPARAMPRINTPROC {
    char szPrinterName[256];
    char szDriver[256];
    char szPort[256];
    char szTitle[256];   /* empty between jobs */
} PARAMPRINTPROC;

extern PARAMPRINTPROC paramPrinter;
extern HGLOBAL hDevMode;   /* the printer's DEVMODE, or NULL  */
extern HGLOBAL hDevNames;  /* its DEVNAMES, or NULL: no printer */
extern int fAbort;         /* 1 once the user cancelled the job */
extern HWND hwndPDlg;      /* "Print progress" of the running job */

/* 1 when a printer was found; otherwise says so (caption idCaption) over
   hWnd and returns 0. */
int ImprimanteDisponible(HWND hWnd, unsigned idCaption);

/* The frame of a job: the printer's DC (NULL when it cannot be made);
   the owner disabled, the progress box, the abort procedure, the
   document "Halyard - szDocument" and its first page begun (0 when the
   box or the document could not be); the clean-up, in every case. */
HDC CreeDCImprimante(void);
int DebuteTravail(HWND hWnd, HDC hdc, const char *szDocument);
void TermineTravail(HWND hWnd, HDC hdc, BOOL bErreur);
/* "Printing page n." in the progress box. */
void AfficheNumeroPage(unsigned nPage);
/* The page walk's page end for a context that begins with its HDC. */
int FinPageImpression(void *pCtx, int bDerniere);

INT_PTR CALLBACK PrintDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
BOOL CALLBACK AbortProc(HDC hdc, int nCode);
void SurfacePage(HDC hdc, int *pxPage, int *pyPage);

/* The displayed HSP on the printer; 0 when the print font could not be
   made (nothing printed). */
int ImprimeAli1D(HWND hWnd, HDC hDC, pGraphData pGr, pHalyardHSPData pHsp, const char *szDataSeqName);

/* One plot of the HCA printout (printhca.cpp). */
typedef struct tagDataImpression {
    pInfoSequence pInfSeq;    /* the job's own copy                     */
    unsigned int  overlap;    /* residues two consecutive bands share   */
    int           CropMark;   /* 1: corner marks around every band      */
    int           nParBande;  /* residues a band holds on this printer  */
} DataImpression;

/* The two plots in bands down the pages of hDC; the copies are laid out
   for it but not released. 1 when it ran to its end or was cancelled, 0
   when a plot could not be laid out or a band would not advance. */
int PrintHCAali(HWND hWnd, HDC hDC, DataImpression *pDi1, DataImpression *pDi2);
/* A band's heading: the plot's name above *prcTmp, which moves down under
   it, and the crop marks at the band's corners on the frame *prcTrace. */
void PrintEnteteDiag(HDC hdc, const RECT *prcTrace, RECT *prcTmp, int tick, int hauteurDiag,
                     GraphObjData GrObj, const DataImpression *pDi);

#endif
