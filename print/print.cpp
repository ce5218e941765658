/* print.cpp: the printer and the print jobs: the printer chosen once per
 * run (the system's default at start-up, or the one picked in Printer
 * setup), the frame of a job (printer device context, "Print progress"
 * box, abort procedure, document and pages), and the 1D alignment
 * printout. The page arithmetic is portable (printgeom.cpp).
 *
 * Divisions: printer state; printer set-up; job frame; 1D printout.
 */
#include <windows.h>
#include <windowsx.h>
#include <commdlg.h>
#include <stddef.h>
#include <stdio.h>

#include "HALYARD.h"
#include "print.h"
#include "printgeom.h"

/* ---- Printer state ------------------------------------------------------ */

PARAMPRINTPROC paramPrinter;
HGLOBAL hDevMode = NULL;
HGLOBAL hDevNames = NULL;
int fAbort = 0;
HWND hwndPDlg = NULL;

static const char szEnteteLigne1[] = "Halyard - print report";
static const char szEnteteLigne2[] = "Printed by Halyard, a browser of BLAST reports";

/* Copies the device, driver and port names out of the names block. */
static void CopieNomsImprimante(void)
{
    DEVNAMES *pNames = hDevNames != NULL ? (DEVNAMES *)GlobalLock(hDevNames) : NULL;

    if (pNames == NULL)
        return;
    lstrcpynA(paramPrinter.szPrinterName, (const char *)pNames + pNames->wDeviceOffset,
              sizeof paramPrinter.szPrinterName);
    lstrcpynA(paramPrinter.szDriver, (const char *)pNames + pNames->wDriverOffset,
              sizeof paramPrinter.szDriver);
    lstrcpynA(paramPrinter.szPort, (const char *)pNames + pNames->wOutputOffset, sizeof paramPrinter.szPort);
    GlobalUnlock(hDevNames);
}

/* A copy of a movable block in a new, zero-filled one; NULL for none. */
static HGLOBAL CopieGlobal(HGLOBAL hSrc)
{
    SIZE_T cb = hSrc != NULL ? GlobalSize(hSrc) : 0;
    HGLOBAL hCopie = cb != 0 ? GlobalAlloc(GHND, cb) : NULL;
    void *pSrc, *pDst;

    if (hCopie == NULL)
        return NULL;
    pSrc = GlobalLock(hSrc);
    pDst = GlobalLock(hCopie);
    if (pSrc != NULL && pDst != NULL)
        CopyMemory(pDst, pSrc, cb);
    GlobalUnlock(hCopie);
    GlobalUnlock(hSrc);
    return hCopie;
}

int ImprimanteDisponible(HWND hWnd, unsigned idCaption)
{
    /* Without a printer the system's set-up dialog would only ask to
       install one, in a box of its own. */
    if (hDevNames != NULL)
        return 1;
    MyInfoMsgBox(idCaption, IDS_NOPRINTER, hWnd);
    return 0;
}

void ReadDefPrinter(HWND hWnd)
{
    PRINTDLGA pd;

    ZeroMemory(&pd, sizeof pd);
    pd.lStructSize = sizeof pd;
    pd.hwndOwner = hWnd;
    pd.Flags = PD_RETURNDEFAULT | PD_NOPAGENUMS | PD_NOSELECTION | PD_USEDEVMODECOPIES;
    pd.nCopies = 1;
    if (!PrintDlgA(&pd))
        return;
    /* Read again (a second main window): the new blocks replace the old. */
    if (hDevMode != NULL)
        GlobalFree(hDevMode);
    if (hDevNames != NULL)
        GlobalFree(hDevNames);
    hDevMode = pd.hDevMode;
    hDevNames = pd.hDevNames;
    CopieNomsImprimante();
}

/* ---- Printer set-up ----------------------------------------------------- */

void SetThePrinterUp(HWND hWnd)
{
    HGLOBAL hModeCopie, hNomsCopie;
    PRINTDLGA pd;

    if (!ImprimanteDisponible(hWnd, IDS_HALYARD))
        return;
    hModeCopie = CopieGlobal(hDevMode);
    hNomsCopie = CopieGlobal(hDevNames);
    ZeroMemory(&pd, sizeof pd);
    pd.lStructSize = sizeof pd;
    pd.hwndOwner = hWnd;
    pd.hDevMode = hDevMode;
    pd.hDevNames = hDevNames;
    pd.Flags = PD_PRINTSETUP | PD_USEDEVMODECOPIES;
    pd.nCopies = 1;
    if (PrintDlgA(&pd)) {
        hDevMode = pd.hDevMode;
        hDevNames = pd.hDevNames;
        if (hModeCopie != NULL)
            GlobalFree(hModeCopie);
        if (hNomsCopie != NULL)
            GlobalFree(hNomsCopie);
        CopieNomsImprimante();
        return;
    }
    /* Cancelled: the dialog may have changed or replaced the blocks it
       was given; the copies are the settings as they were. */
    if (pd.hDevMode != NULL)
        GlobalFree(pd.hDevMode);
    if (pd.hDevNames != NULL)
        GlobalFree(pd.hDevNames);
    hDevMode = hModeCopie;
    hDevNames = hNomsCopie;
}

/* ---- Job frame ---------------------------------------------------------- */

void SurfacePage(HDC hdc, int *pxPage, int *pyPage)
{
    *pxPage = GetDeviceCaps(hdc, HORZRES);
    *pyPage = GetDeviceCaps(hdc, VERTRES);
}

static BOOL PrintDlg_OnInitDialog(HWND hDlg, HWND hWndFocus, LPARAM lParam)
{
    (void)hWndFocus;
    (void)lParam;
    CenterWnd(hDlg);
    SetDlgItemTextA(hDlg, IDC_PRINT_DEVICE, paramPrinter.szPrinterName);
    SetDlgItemTextA(hDlg, IDC_PRINT_PORT, paramPrinter.szPort);
    SetDlgItemTextA(hDlg, IDC_PRINT_NAME, paramPrinter.szTitle);
    return TRUE;
}

INT_PTR CALLBACK PrintDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_INITDIALOG:
        return PrintDlg_OnInitDialog(hDlg, (HWND)wParam, lParam);
    case WM_COMMAND:
        /* Cancel, Escape or Enter: the job stops at its next page end;
           the job's clean-up destroys the box. */
        fAbort = 1;
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CALLBACK AbortProc(HDC hdc, int nCode)
{
    MSG msg;

    (void)hdc;
    (void)nCode;
    while (!fAbort && PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        if (hwndPDlg == NULL || !IsDialogMessageA(hwndPDlg, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return !fAbort;
}

HDC CreeDCImprimante(void)
{
    HGLOBAL hModeCopie = CopieGlobal(hDevMode);
    DEVMODEA *pMode = hModeCopie != NULL ? (DEVMODEA *)GlobalLock(hModeCopie) : NULL;
    HDC hdc = NULL;

    if (hDevNames != NULL)
        hdc = CreateDCA(paramPrinter.szDriver, paramPrinter.szPrinterName, paramPrinter.szPort, pMode);
    if (hModeCopie != NULL) {
        GlobalUnlock(hModeCopie);
        GlobalFree(hModeCopie);
    }
    return hdc;
}

int DebuteTravail(HWND hWnd, HDC hdc, const char *szDocument)
{
    DOCINFOA di;

    fAbort = 0;
    snprintf(paramPrinter.szTitle, sizeof paramPrinter.szTitle, "Halyard - %s", szDocument);
    EnableWindow(hWnd, FALSE);
    hwndPDlg = CreateDialogA(hInst, MAKEINTRESOURCEA(IDD_PRINTPROGRESS), hWnd, PrintDlgProc);
    if (hwndPDlg == NULL)
        return 0;
    ShowWindow(hwndPDlg, SW_SHOW);
    UpdateWindow(hwndPDlg);
    SetAbortProc(hdc, AbortProc);
    ZeroMemory(&di, sizeof di);
    di.cbSize = sizeof di;
    di.lpszDocName = paramPrinter.szTitle;
    if (StartDocA(hdc, &di) <= 0)
        return 0;
    if (StartPage(hdc) <= 0) {
        AbortDoc(hdc);
        return 0;
    }
    return 1;
}

void TermineTravail(HWND hWnd, HDC hdc, BOOL bErreur)
{
    paramPrinter.szTitle[0] = '\0';
    if (hwndPDlg != NULL)
        DestroyWindow(hwndPDlg);
    hwndPDlg = NULL;
    EnableWindow(hWnd, TRUE);
    if (hdc != NULL)
        DeleteDC(hdc);
    if (bErreur)
        MessageBoxA(hWnd, "oups !!!", "Test printer", MB_ICONWARNING | MB_OK);
    fAbort = 0;
    SetActiveWindow(hWnd);
}

void AfficheNumeroPage(unsigned nPage)
{
    char sz[32];

    snprintf(sz, sizeof sz, "Printing page %u.", nPage);
    if (hwndPDlg != NULL)
        SetDlgItemTextA(hwndPDlg, IDC_PRINT_STATUS, sz);
}

/* Ends the document, or drops it when the user cancelled. */
static void FinDocument(HDC hdc)
{
    if (fAbort)
        AbortDoc(hdc);
    else
        EndDoc(hdc);
}

void Imprime(HWND hWnd, pDataGeneralPrg pData)
{
    pHalyardHSPData pHsp = pData != NULL ? pData->pVhspData : NULL;
    HDC hdc;

    if (pHsp == NULL || pHsp->noAlign < 1 || (unsigned)pHsp->noAlign > pData->nHSP
        || !ImprimanteDisponible(hWnd, IDS_HALYARD))
        return;
    if ((hdc = CreeDCImprimante()) == NULL) {
        TermineTravail(hWnd, NULL, TRUE);
        return;
    }
    if (!DebuteTravail(hWnd, hdc, "1D sequence alignment")) {
        TermineTravail(hWnd, hdc, TRUE);
        return;
    }
    ImprimeAli1D(hWnd, hdc, &pData->GrData, pHsp, pData->pHSPResultat[pHsp->noAlign - 1]->szAccessNb);
    FinDocument(hdc);
    TermineTravail(hWnd, hdc, FALSE);
}

/* ---- 1D printout -------------------------------------------------------- */

/* What the page walk's callbacks draw with. */
typedef struct tagImp1D {
    HDC             hdc;
    GraphData       gr;          /* the colour cache's own copy       */
    pHalyardHSPData pHsp;
    int             cx, cy, nMarge, xPage;
    char            szLigne3[160];
} Imp1D;

static void Entete1D(void *pCtx, int nPage, int yHaut)
{
    Imp1D *p = (Imp1D *)pCtx;
    UINT uOld = SetTextAlign(p->hdc, TA_LEFT | TA_BOTTOM);
    int x = p->nMarge + 2 * p->cx;

    TextOutA(p->hdc, x, yHaut + 2 * p->cy, szEnteteLigne1, lstrlenA(szEnteteLigne1));
    TextOutA(p->hdc, x, yHaut + 3 * p->cy, szEnteteLigne2, lstrlenA(szEnteteLigne2));
    TextOutA(p->hdc, x, yHaut + 5 * p->cy, p->szLigne3, lstrlenA(p->szLigne3));
    SetTextAlign(p->hdc, uOld);
    AfficheNumeroPage((unsigned)nPage);
}

static void Bloc1D(void *pCtx, int nBloc, int nDebut, int nFin, int yHaut)
{
    Imp1D *p = (Imp1D *)pCtx;

    (void)nBloc;
    DessineAlignement(p->hdc, p->nMarge, yHaut, p->xPage - p->nMarge, yHaut + 6 * p->cy, p->cx, p->cy, &p->gr,
                      nDebut, p->pHsp, nDebut, nFin, 20);
}

int FinPageImpression(void *pCtx, int bDerniere)
{
    HDC hdc = *(HDC *)pCtx;

    EndPage(hdc);
    if (fAbort)
        return 0;
    if (!bDerniere)
        StartPage(hdc);
    return 1;
}

int ImprimeAli1D(HWND hWnd, HDC hDC, pGraphData pGr, pHalyardHSPData pHsp, const char *szDataSeqName)
{
    Imp1D imp;
    LOGFONTA lf;
    HFONT hFont, hOld;
    HDC hdcEcran;
    long cx, cy;
    int yPage, nDpiEcran;
    SortieImpression sortie = { &imp, Entete1D, Bloc1D, FinPageImpression };

    hdcEcran = GetDC(hWnd);
    nDpiEcran = GetDeviceCaps(hdcEcran, LOGPIXELSX);
    ReleaseDC(hWnd, hdcEcran);
    lf = LFALIGN;
    lf.lfHeight = HauteurPolice1D(GetDeviceCaps(hDC, LOGPIXELSX), nDpiEcran);
    if ((hFont = CreateFontIndirectA(&lf)) == NULL)
        return 0;
    hOld = SelectFont(hDC, hFont);
    DimensionCaractere(hDC, &cx, &cy);
    SetBkMode(hDC, OPAQUE);

    /* The page walk's callbacks reach the DC first: FinPageImpression
       reads it from the start of the record. */
    static_assert(offsetof(Imp1D, hdc) == 0, "the DC opens the record");
    imp.hdc = hDC;
    imp.gr = *pGr;
    imp.gr.nTxtColor = 0;
    imp.gr.nTxtBkColor = 0;
    imp.pHsp = pHsp;
    imp.cx = cx > 0 ? (int)cx : 1;
    imp.cy = (int)cy;
    imp.nMarge = MargeImpression(GetDeviceCaps(hDC, LOGPIXELSX));
    SurfacePage(hDC, &imp.xPage, &yPage);
    snprintf(imp.szLigne3, sizeof imp.szLigne3, "1D alignment between Query (top) and %s (bottom) (Align %u, HSP %u)",
             szDataSeqName, (unsigned)pHsp->noAlign, (unsigned)pHsp->noHsp);
    DerouleImpression1D(pHsp->tailleAlign, (imp.xPage - 2 * imp.nMarge) / imp.cx, yPage, imp.nMarge, imp.cy,
                        &sortie);
    SelectFont(hDC, hOld);
    DeleteObject(hFont);
    return 1;
}
