/* hcawnd.cpp: the HCA viewer's windows.
 *
 * A screen-wide main window of fixed height with a toolbar, a frame with
 * both scroll bars, and one plot window per sequence inside the frame
 * (the query's above the subject's). The plots scroll together
 * horizontally, residue by residue, so that aligned residues stay one
 * above the other; the frame scrolls vertically when they do not fit.
 * Each plot window owns its prepared sequence; the main window owns the
 * viewer's record and fonts.
 *
 * Divisions: globals; entry points; plots and their places; scroll bars;
 * main window; frame; plot windows.
 */
#include <windows.h>
#include <windowsx.h>
#include <commctrl.h>

#include "HALYARD.h"
#include "hcawin.h"

/* ---- Globals ----------------------------------------------------------- */

HWND HWNDHCAFRAME = NULL;
HWND HWNDHCAMAIN = NULL;
HWND HWNDHCATOOLBAR = NULL;
int NMAXWINHCA = 0;

const char SZHCAAPPLICATIONCLASS[] = "HCA Viewer";
const char SZHCAFRAME[] = "HcaFrame";
const char SZDRAWHCA[] = "Trace HCA";

const int NIDHCABTN[2] = { 3027, 3023 };

/* The toolbar sits on top of the frame, this high. */
#define HCA_HAUTEUR_TOOLBAR 40
#define IDC_HCATOOLBAR      12
#define IDB_HCATOOLBAR      7

/* Images 2 and 3 of bitmap 7. */
static const TBBUTTON tbHcaButtons[] = {
    /* image, command, state, style */
    { 2, 3027, TBSTATE_ENABLED, TBSTYLE_BUTTON, {0}, 0, 0 },
    { 3, 3023, TBSTATE_ENABLED, TBSTYLE_BUTTON, {0}, 0, 0 },
};

pDataHcaPrg DataHcaDuViewer(void)
{
    if (HWNDHCAMAIN == NULL)
        return NULL;
    return (pDataHcaPrg)GetWindowLongPtrA(HWNDHCAMAIN, 0);
}

static pInfoSequence SequenceDe(HWND hWndPlot)
{
    return hWndPlot != NULL ? (pInfoSequence)GetWindowLongPtrA(hWndPlot, 0) : NULL;
}

static int HauteurClientFrame(void)
{
    RECT rc;

    GetClientRect(HWNDHCAFRAME, &rc);
    return rc.bottom - rc.top;
}

/* ---- Scroll bars --------------------------------------------------------- */

/* The core's scroll requests carry the bars' own codes. */
static_assert(HCA_SB_LIGNEMOINS == SB_LINEUP && HCA_SB_LIGNEMOINS == SB_LINELEFT
                  && HCA_SB_LIGNEPLUS == SB_LINEDOWN && HCA_SB_LIGNEPLUS == SB_LINERIGHT
                  && HCA_SB_PAGEMOINS == SB_PAGEUP && HCA_SB_PAGEMOINS == SB_PAGELEFT
                  && HCA_SB_PAGEPLUS == SB_PAGEDOWN && HCA_SB_PAGEPLUS == SB_PAGERIGHT
                  && HCA_SB_POUCEPOSE == SB_THUMBPOSITION && HCA_SB_POUCESUIVI == SB_THUMBTRACK,
              "HCA_SB_ codes must be the SB_ codes");

/* Enables the frame's vertical bar when the plots are taller than the
   frame; 1 when it is needed. */
static int EnaDisableScroll(pDataHcaPrg p)
{
    if (HauteurClientFrame() < p->nHauteurTotale) {
        EnableScrollBar(HWNDHCAFRAME, SB_VERT, ESB_ENABLE_BOTH);
        p->bVScroll = 1;
        return 1;
    }
    EnableScrollBar(HWNDHCAFRAME, SB_VERT, ESB_DISABLE_BOTH);
    p->bVScroll = 0;
    p->nPosVScroll = 0;
    return 0;
}

#define HCA_ADJUST_TAILLE 1   /* the frame was resized: keep the bottom edge */
#define HCA_ADJUST_AJOUT  2   /* a plot was added: show the bottom           */

static void AdjustScroll(pDataHcaPrg p, int nMode)
{
    int nNewMax = p->nHauteurTotale - HauteurClientFrame();
    int nPos;

    if (nNewMax < 0)
        nNewMax = 0;
    if (nMode == HCA_ADJUST_TAILLE) {
        int nOldMin = 0, nOldMax = 0;

        GetScrollRange(HWNDHCAFRAME, SB_VERT, &nOldMin, &nOldMax);
        nPos = GetScrollPos(HWNDHCAFRAME, SB_VERT) + nNewMax - nOldMax;
        if (nPos < 0)
            nPos = 0;
        if (nPos > nNewMax)
            nPos = nNewMax;
    } else {
        nPos = nNewMax;
    }
    p->nPosVScroll = nPos;
    SetScrollRange(HWNDHCAFRAME, SB_VERT, 0, nNewMax, FALSE);
    SetScrollPos(HWNDHCAFRAME, SB_VERT, nPos, TRUE);
}

/* The frame's horizontal bar shows the active plot's position. */
static void ActiveDesactiveScroll(pDataHcaPrg p)
{
    pInfoSequence pInfSeq = p->nDiag > 0 ? SequenceDe(p->hWndActive) : NULL;

    if (pInfSeq == NULL || !pInfSeq->HcaData.bVisibleScroll) {
        EnableScrollBar(HWNDHCAFRAME, SB_HORZ, ESB_DISABLE_BOTH);
        return;
    }
    EnableScrollBar(HWNDHCAFRAME, SB_HORZ, ESB_ENABLE_BOTH);
    SetScrollRange(HWNDHCAFRAME, SB_HORZ,
                   pInfSeq->StartAffich - (int)pInfSeq->HcaData.WndLengthaa,
                   pInfSeq->StartAffich + pInfSeq->LengthAffich, FALSE);
    SetScrollPos(HWNDHCAFRAME, SB_HORZ, (int)pInfSeq->HcaData.nPosScroll, TRUE);
}

/* Residues across a plot window. */
static void ReajusteScrollHCA(pDataHcaPrg p, HWND hWndPlot)
{
    pInfoSequence pInfSeq = SequenceDe(hWndPlot);
    RECT rc;

    if (pInfSeq == NULL)
        return;
    GetClientRect(hWndPlot, &rc);
    pInfSeq->HcaData.WndLengthaa =
        (unsigned)RoundFloat((float)(rc.right - rc.left + 1) / (float)p->GrObj.nLineWidthAAs);
    pInfSeq->HcaData.bVisibleScroll = 1;
}

/* ---- Plots and their places ------------------------------------------- */

static void InitHCAGraphDATA(pInfoSequence pInfSeq)
{
    pInfSeq->HcaData.bVisibleScroll = 0;
    pInfSeq->HcaData.nPosScroll = 0;
    pInfSeq->HcaData.WndLengthaa = 0;
    pInfSeq->HcaData.IsDrawDraft = 0;
    pInfSeq->HcaData.IsDrawAA = 1;
    pInfSeq->HcaData.IsDrawBkGround = 1;
    pInfSeq->HcaData.IsDrawCluster = 1;
    pInfSeq->HcaData.IsDrawZigZag = 1;
    pInfSeq->HcaData.IsDrawSeparateur = 1;
}

/* Stacks the plots in the frame, one text line from its edges, at the
   frame's vertical position. */
static void ReposAllWnd(pDataHcaPrg p)
{
    RECT rcFrame;
    int cx = (int)p->GrObj.cxCharDiag;
    int cy = (int)p->GrObj.cyCharDiag;
    int nLarg;
    unsigned i;

    if (p->nDiag == 0)
        return;
    GetClientRect(HWNDHCAFRAME, &rcFrame);
    nLarg = rcFrame.right - 2 * cx;
    if (nLarg < 0)
        nLarg = 0;
    p->nPasPage = RoundFloat((float)nLarg / (float)p->GrObj.nLineWidthAAs);
    for (i = 0; i < p->nDiag; i++) {
        pInfoSequence pInfSeq = SequenceDe(p->phWndDiag[i]);
        RectHCA rc;

        rc.left = cx;
        rc.top = (int)i * p->nHauteurDiag + cy - p->nPosVScroll;
        rc.right = rc.left + nLarg;
        rc.bottom = rc.top + p->nHauteurDiag;
        if (pInfSeq != NULL)
            pInfSeq->HcaData.rcWnd = rc;
        MoveWindow(p->phWndDiag[i], rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, TRUE);
    }
}

static void HauteurScroll(pDataHcaPrg p)
{
    p->nHauteurTotale = (int)p->nDiag * p->nHauteurDiag + 2 * (int)p->GrObj.cyCharDiag;
    if (EnaDisableScroll(p))
        AdjustScroll(p, HCA_ADJUST_AJOUT);
}

static void CalcRectBordHwndActive(pDataHcaPrg p, HWND hWndPlot)
{
    unsigned i;

    p->hWndActive = hWndPlot;
    for (i = 0; i < p->nDiag; i++)
        if (p->phWndDiag[i] == hWndPlot)
            p->nIdxActive = i;
}

/* One more slot at the end of the plot list; 0 when memory failed. */
static int InitDataSequence(pDataHcaPrg p)
{
    unsigned cb = (p->nDiag + 1) * (unsigned)sizeof(HWND);
    HWND *ph = p->phWndDiag == NULL ? (HWND *)MyAlloc(cb) : (HWND *)MyReAlloc(p->phWndDiag, cb);

    if (ph == NULL)
        return 0;
    p->phWndDiag = ph;
    return 1;
}

/* A plot window for a prepared sequence, which it owns from then on. */
static HWND CreateNewHCAWnd(pInfoSequence pInfSeq)
{
    HWND hWndPlot = CreateWindowA(SZDRAWHCA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0,
                                  HWNDHCAFRAME, NULL, hInst, NULL);

    if (hWndPlot == NULL)
        return NULL;
    SetWindowLongPtrA(hWndPlot, 0, (LONG_PTR)pInfSeq);
    InitHCAGraphDATA(pInfSeq);
    ShowWindow(hWndPlot, SW_SHOW);
    UpdateWindow(hWndPlot);
    return hWndPlot;
}

/* Destroys every plot window; each releases its sequence. */
static void FreeAllHcaDiag(pDataHcaPrg p)
{
    unsigned i;

    for (i = 0; i < p->nDiag; i++)
        if (p->phWndDiag[i] != NULL && IsWindow(p->phWndDiag[i]))
            DestroyWindow(p->phWndDiag[i]);
    p->nDiag = 0;
}

static void FreeDataPrg(pDataHcaPrg p)
{
    if (p->phWndDiag != NULL)
        MyFree(p->phWndDiag);
    p->phWndDiag = NULL;
    p->nDiag = 0;
    p->nPosVScroll = 0;
    p->bVScroll = 0;
    p->nHauteurTotale = 0;
    p->hWndActive = NULL;
    p->nIdxActive = 0;
}

/* ---- Entry points -------------------------------------------------------- */

int CreationNvHCA(const char *szSeq, const unsigned *pTxtClr, const unsigned *pBkClr,
                  unsigned nStart, const char *szName, pDataGeneralPrg pData)
{
    pDataHcaPrg p = DataHcaDuViewer();
    pInfoSequence pInfSeq;
    HWND hWndPlot;

    if (p == NULL || HWNDHCAFRAME == NULL || szSeq == NULL)
        return 0;
    pInfSeq = PrepSequenceHCA(szSeq, pTxtClr, pBkClr, (int)nStart, szName,
                              pData != NULL ? pData->szWorkingDirectory : "", &p->GrObj);
    if (pInfSeq == NULL)
        return 0;
    hWndPlot = CreateNewHCAWnd(pInfSeq);
    if (hWndPlot == NULL) {
        FreeDataSequence(pInfSeq);
        return 0;
    }
    if (!InitDataSequence(p)) {
        /* The window owns the sequence now: destroying it releases it. */
        DestroyWindow(hWndPlot);
        return 0;
    }
    p->phWndDiag[p->nDiag++] = hWndPlot;
    HauteurScroll(p);
    ReposAllWnd(p);
    CalcRectBordHwndActive(p, hWndPlot);
    InitHCAGraphDATA(pInfSeq);
    ReajusteScrollHCA(p, hWndPlot);
    ActiveDesactiveScroll(p);
    return 1;
}

void FermeHCADiag(void)
{
    pDataHcaPrg p = DataHcaDuViewer();

    if (p == NULL)
        return;
    FreeAllHcaDiag(p);
    if (p->phWndDiag != NULL)
        MyFree(p->phWndDiag);
    p->phWndDiag = NULL;
    p->hWndActive = NULL;
    p->nIdxActive = 0;
    if (HWNDHCAFRAME != NULL)
        EnableScrollBar(HWNDHCAFRAME, SB_HORZ, ESB_DISABLE_BOTH);
}

/* Destroys a viewer that could not be finished. */
static BOOL AbandonneViewer(void)
{
    if (HWNDHCAMAIN != NULL)
        DestroyWindow(HWNDHCAMAIN);
    HWNDHCAMAIN = NULL;
    HWNDHCAFRAME = NULL;
    HWNDHCATOOLBAR = NULL;
    return FALSE;
}

BOOL CreeHCAWindows(HWND hWndOwner)
{
    pDataHcaPrg p;
    RECT rc;

    /* A top-level window of its own: the main window moves below it. */
    (void)hWndOwner;
    HWNDHCAMAIN = CreateWindowA(SZHCAAPPLICATIONCLASS, SZHCAAPPLICATIONCLASS, WS_OVERLAPPEDWINDOW,
                                0, 0, 0, 0, NULL, NULL, hInst, NULL);
    if (HWNDHCAMAIN == NULL)
        return FALSE;
    p = DataHcaDuViewer();

    HWNDHCATOOLBAR = CreateToolbarEx(HWNDHCAMAIN,
                                     WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | CCS_TOP
                                         | CCS_NOPARENTALIGN | CCS_NODIVIDER | TBSTYLE_TOOLTIPS,
                                     IDC_HCATOOLBAR, 4,
                                     hInst, IDB_HCATOOLBAR, /* loaded, and released, by the toolbar */
                                     tbHcaButtons, sizeof tbHcaButtons / sizeof tbHcaButtons[0],
                                     23, 24, 23, 24, sizeof(TBBUTTON));
    if (HWNDHCATOOLBAR == NULL)
        return AbandonneViewer();
    InitToolTip(HWNDHCATOOLBAR);

    GetClientRect(HWNDHCAMAIN, &rc);
    HWNDHCAFRAME = CreateWindowA(SZHCAFRAME, "", WS_CHILD | WS_BORDER | WS_VSCROLL | WS_HSCROLL,
                                 0, HCA_HAUTEUR_TOOLBAR, rc.right,
                                 rc.bottom > HCA_HAUTEUR_TOOLBAR ? rc.bottom - HCA_HAUTEUR_TOOLBAR : 0,
                                 HWNDHCAMAIN, NULL, hInst, NULL);
    if (HWNDHCAFRAME == NULL)
        return AbandonneViewer();

    NMAXWINHCA = GetSystemMetrics(SM_CYCAPTION) + 2 * p->nHauteurDiag
                 + 2 * GetSystemMetrics(SM_CYFRAME) + 2 * GetSystemMetrics(SM_CYHSCROLL)
                 + HCA_HAUTEUR_TOOLBAR;
    MoveWindow(HWNDHCAMAIN, 0, 0, GetSystemMetrics(SM_CXFULLSCREEN), NMAXWINHCA, TRUE);
    ShowWindow(HWNDHCAMAIN, SW_SHOW);
    ShowWindow(HWNDHCAFRAME, SW_SHOW);
    UpdateWindow(HWNDHCAMAIN);
    return TRUE;
}

/* ---- Main window --------------------------------------------------------- */

static BOOL HCAWndProc_OnCreate(HWND hWnd, LPCREATESTRUCTA lpCreateStruct)
{
    pDataHcaPrg p = (pDataHcaPrg)MyAlloc(sizeof(DataHcaPrg));
    HDC hdc;

    (void)lpCreateStruct;
    if (p == NULL)
        return FALSE;
    p->nPasLigne = 10;
    p->nPasPage = 0;
    DefinePolice(hWnd, &p->GrObj);
    if (!InitHPolice(hWnd, &p->GrObj)) {
        MyFree(p);
        return FALSE;
    }
    SetWindowLongPtrA(hWnd, 0, (LONG_PTR)p);
    hdc = GetDC(hWnd);
    DimPoliceDiag(hdc, &p->GrObj);
    ReleaseDC(hWnd, hdc);
    p->nHauteurDiag = InitGraphHeight(&p->GrObj);
    CalculAmasUnitaire(&p->GrObj);
    return TRUE;
}

static void HCAWndProc_OnDestroy(HWND hWnd)
{
    pDataHcaPrg p = (pDataHcaPrg)GetWindowLongPtrA(hWnd, 0);

    if (p != NULL) {
        DeleteHPolice(hWnd, &p->GrObj);
        FreeAllHcaDiag(p);
        FreeDataPrg(p);
        SetWindowLongPtrA(hWnd, 0, 0);
        MyFree(p);
    }
    if (HWNDHCAFRAME != NULL)
        DestroyWindow(HWNDHCAFRAME);
    HWNDHCAFRAME = NULL;
    HWNDHCATOOLBAR = NULL;
    if (HWNDHCAMAIN == hWnd)
        HWNDHCAMAIN = NULL;
    if (hWndMain != NULL) {
        RECT rc;

        CheckMenuItem(GetMenu(hWndMain), 3009, MF_BYCOMMAND | MF_UNCHECKED);
        /* The main window went below the viewer when it opened; however
           the viewer goes (F2, its close box, a report opened or closed),
           the main window returns to the top of the screen. */
        if (GetWindowRect(hWndMain, &rc) && rc.top != 0)
            SetWindowPos(hWndMain, NULL, rc.left, 0, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

static void HCAWndProc_OnSize(HWND hWnd, UINT state, int cx, int cy)
{
    pDataHcaPrg p = (pDataHcaPrg)GetWindowLongPtrA(hWnd, 0);
    unsigned i;

    (void)state;
    if (HWNDHCATOOLBAR != NULL)
        MoveWindow(HWNDHCATOOLBAR, 0, 0, cx, HCA_HAUTEUR_TOOLBAR, TRUE);
    if (p == NULL || HWNDHCAFRAME == NULL)
        return;
    MoveWindow(HWNDHCAFRAME, 0, HCA_HAUTEUR_TOOLBAR, cx,
               cy > HCA_HAUTEUR_TOOLBAR ? cy - HCA_HAUTEUR_TOOLBAR : 0, TRUE);
    if (EnaDisableScroll(p))
        AdjustScroll(p, HCA_ADJUST_TAILLE);
    ReposAllWnd(p);
    for (i = 0; i < p->nDiag; i++) {
        ReajusteScrollHCA(p, p->phWndDiag[i]);
        InvalidateRect(p->phWndDiag[i], NULL, TRUE);
    }
    ActiveDesactiveScroll(p);
}

/* The height is fixed; only the width changes. */
static void HCAWndProc_OnGetMinMaxInfo(HWND hWnd, LPMINMAXINFO lpMinMaxInfo)
{
    int cxFrame = GetSystemMetrics(SM_CXFRAME);

    (void)hWnd;
    if (NMAXWINHCA <= 0)   /* not measured yet: the window is being created */
        return;
    lpMinMaxInfo->ptMaxPosition.x = -cxFrame;
    lpMinMaxInfo->ptMaxPosition.y = -GetSystemMetrics(SM_CYFRAME);
    lpMinMaxInfo->ptMaxSize.x = GetSystemMetrics(SM_CXSCREEN) + 2 * cxFrame;
    lpMinMaxInfo->ptMaxSize.y = NMAXWINHCA;
    lpMinMaxInfo->ptMaxTrackSize = lpMinMaxInfo->ptMaxSize;
    lpMinMaxInfo->ptMinTrackSize.x = GetSystemMetrics(SM_CXFULLSCREEN) / 3;
    lpMinMaxInfo->ptMinTrackSize.y = NMAXWINHCA;
}

static LRESULT HCAMainWndProc_OnNotify(HWND hWnd, int idCtrl, LPNMHDR pnmh)
{
    (void)hWnd;
    (void)idCtrl;
    if (pnmh->code == TTN_NEEDTEXTA)
        CopyToolTipText((LPTOOLTIPTEXTA)pnmh, NIDHCABTN, 2, IDS_TIP_HCA_PRINT);
    return 0;
}

static void HCAMainWndProc_OnCommand(HWND hWnd, int id, HWND hWndCtl, UINT codeNotify)
{
    pDataHcaPrg p = (pDataHcaPrg)GetWindowLongPtrA(hWnd, 0);

    (void)hWndCtl;
    (void)codeNotify;
    switch (id) {
    case 3023:
        SetThePrinterUp(hWnd);
        break;
    case 3027:
        if (p != NULL && p->nDiag >= 2)
            ImprimeHCAali(hWnd, SequenceDe(p->phWndDiag[0]), SequenceDe(p->phWndDiag[1]));
        break;
    default:
        break;
    }
}

LRESULT CALLBACK HCAMainWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_CREATE:
        return HCAWndProc_OnCreate(hWnd, (LPCREATESTRUCTA)lParam) ? 0 : -1;
    HANDLE_MSG(hWnd, WM_DESTROY, HCAWndProc_OnDestroy);
    HANDLE_MSG(hWnd, WM_SIZE, HCAWndProc_OnSize);
    HANDLE_MSG(hWnd, WM_GETMINMAXINFO, HCAWndProc_OnGetMinMaxInfo);
    HANDLE_MSG(hWnd, WM_NOTIFY, HCAMainWndProc_OnNotify);
    case WM_COMMAND:
        HCAMainWndProc_OnCommand(hWnd, (int)LOWORD(wParam), (HWND)lParam, (UINT)HIWORD(wParam));
        return 1;
    default:
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}

/* ---- Frame --------------------------------------------------------------- */

static BOOL HcaFrameProc_OnCreate(HWND hWnd, LPCREATESTRUCTA lpCreateStruct)
{
    (void)lpCreateStruct;
    EnableScrollBar(hWnd, SB_BOTH, ESB_DISABLE_BOTH);
    return TRUE;
}

/* Moves both plots together: aligned residues stay one above the other. */
static void HcaFrameProc_MyOnHScroll(HWND hWndActive, UINT code, int pos)
{
    pDataHcaPrg p = DataHcaDuViewer();
    pInfoSequence pInfSeq = SequenceDe(hWndActive);
    int nOld, nNew;
    unsigned i;

    if (p == NULL || pInfSeq == NULL)
        return;
    nOld = (int)pInfSeq->HcaData.nPosScroll;
    nNew = DefilementHorizHCA(pInfSeq, (int)code, pos, p->nPasLigne, p->nPasPage);
    if (nNew == nOld)
        return;
    for (i = 0; i < p->nDiag; i++)
        ScrollWindow(p->phWndDiag[i], (nOld - nNew) * p->GrObj.nLineWidthAAs, 0, NULL, NULL);
    SetScrollPos(HWNDHCAFRAME, SB_HORZ, nNew, TRUE);
    for (i = 0; i < p->nDiag; i++) {
        pInfoSequence pSeq = SequenceDe(p->phWndDiag[i]);
        if (pSeq != NULL)
            pSeq->HcaData.nPosScroll = (unsigned)nNew;
    }
}

static void HcaFrameProc_OnVScroll(HWND hWnd, HWND hWndCtl, UINT code, int pos)
{
    pDataHcaPrg p = DataHcaDuViewer();
    int nMin = 0, nMax = 0, nOld, nNew;
    RECT rc;

    (void)hWndCtl;
    if (p == NULL)
        return;
    GetClientRect(hWnd, &rc);
    GetScrollRange(hWnd, SB_VERT, &nMin, &nMax);
    nOld = p->nPosVScroll;
    nNew = DefilementVertHCA((int)code, nOld, pos, nMax, p->nHauteurDiag, rc.bottom - rc.top);
    if (nNew == nOld)
        return;
    ScrollWindow(hWnd, 0, nOld - nNew, NULL, NULL);
    SetScrollPos(hWnd, SB_VERT, nNew, TRUE);
    p->nPosVScroll = nNew;
    ReposAllWnd(p);
}

/* The thumb's place given with a scroll message: a 16-bit field, signed
   since the horizontal range starts below 0; the bar's own 32-bit track
   position when it agrees with it (a thumb dragged past 32767). */
static int PositionPouce(HWND hWnd, int nBar, WPARAM wParam)
{
    SCROLLINFO si;

    ZeroMemory(&si, sizeof si);
    si.cbSize = sizeof si;
    si.fMask = SIF_TRACKPOS;
    if (GetScrollInfo(hWnd, nBar, &si) && (WORD)si.nTrackPos == HIWORD(wParam))
        return si.nTrackPos;
    return (short)HIWORD(wParam);
}

LRESULT CALLBACK HcaFrameProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_CREATE:
        return HcaFrameProc_OnCreate(hWnd, (LPCREATESTRUCTA)lParam) ? 0 : -1;
    case WM_HSCROLL: {
        pDataHcaPrg p = DataHcaDuViewer();
        if (p != NULL)
            HcaFrameProc_MyOnHScroll(p->hWndActive, LOWORD(wParam), PositionPouce(hWnd, SB_HORZ, wParam));
        return 0;
    }
    case WM_VSCROLL:
        HcaFrameProc_OnVScroll(hWnd, (HWND)lParam, LOWORD(wParam), PositionPouce(hWnd, SB_VERT, wParam));
        return 0;
    default:
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}

/* ---- Plot windows -------------------------------------------------------- */

static void DRAWHCAWND(HWND hWnd)
{
    pDataHcaPrg p = DataHcaDuViewer();
    PAINTSTRUCT ps;
    RECT rc;

    BeginPaint(hWnd, &ps);
    if (p != NULL) {
        GetClientRect(hWnd, &rc);
        PrepHCADC(ps.hdc, &p->GrObj);
        DrawHCA(&ps, hWnd, &rc, p->GrObj, HCA_MODE_ECRAN);
        CleanHCADC(ps.hdc, &p->GrObj);
    }
    EndPaint(hWnd, &ps);
}

/* The same drawing into a device context the caller gives, for the whole
   client area (copies of the window, the tests' metafiles). */
static void DrawHCAProc_OnPrintClient(HWND hWnd, HDC hdc)
{
    pDataHcaPrg p = DataHcaDuViewer();
    PAINTSTRUCT ps;
    RECT rc;

    if (p == NULL)
        return;
    GetClientRect(hWnd, &rc);
    ZeroMemory(&ps, sizeof ps);
    ps.hdc = hdc;
    ps.rcPaint = rc;
    PrepHCADC(hdc, &p->GrObj);
    DrawHCA(&ps, hWnd, &rc, p->GrObj, HCA_MODE_ECRAN);
    CleanHCADC(hdc, &p->GrObj);
}

static void DrawHCAProc_OnDestroy(HWND hWnd)
{
    pInfoSequence pInfSeq = SequenceDe(hWnd);

    SetWindowLongPtrA(hWnd, 0, 0);
    FreeDataSequence(pInfSeq);
}

LRESULT CALLBACK DrawHCAProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_PAINT:
        DRAWHCAWND(hWnd);
        return 0;
    case WM_PRINTCLIENT:
        DrawHCAProc_OnPrintClient(hWnd, (HDC)wParam);
        return 0;
    HANDLE_MSG(hWnd, WM_DESTROY, DrawHCAProc_OnDestroy);
    default:
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}
