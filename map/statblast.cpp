/* statblast.cpp: the BLAST map's windows: a top-level window with the row
 * labels on the left, one bar per selected HSP along the query on the
 * right, and the coverage histogram above the bars on the same scale.
 * Labels and bars scroll together; the histogram stays. Every size comes
 * from the map font's character width cx and line height cy.
 *
 * Divisions: globals; opening; layout and scrolling; drawing; window
 * procedures.
 */
#include <windows.h>
#include <windowsx.h>
#include <commctrl.h>
#include <stdio.h>

#include <initializer_list>

#include "HALYARD.h"
#include "hcawin.h"       /* PoliceEnUnitePhysique */
#include "statblast.h"
#include "statwin.h"

/* The map's scroll requests are the platform's. */
static_assert(STAT_LIGNE_HAUT == SB_LINEUP && STAT_LIGNE_BAS == SB_LINEDOWN
                  && STAT_PAGE_HAUT == SB_PAGEUP && STAT_PAGE_BAS == SB_PAGEDOWN
                  && STAT_POSITION == SB_THUMBPOSITION && STAT_SUIVI == SB_THUMBTRACK
                  && STAT_DEBUT == SB_TOP && STAT_FIN == SB_BOTTOM,
              "scroll request codes");

/* ---- Globals ------------------------------------------------------------ */

pMySTATDATA pStat = NULL;
HWND hWndStatBlaListNom = NULL;
HWND hWndStatBlaListGraph = NULL;
HWND hWndStatBlaHisto = NULL;
LOGFONTA lfStatBlaFnt;
HFONT hStatBlaFnt = NULL;

const char szStatBlaParent[] = "Halyard - map of %s sequences";
const char szStatBlaName[] = "StatBlaListName";
const char szStatBlaGraph[] = "StatBlaListGraph";
const char szStatBlaHisto[] = "StatBlaListHisto";

/* ---- Opening ------------------------------------------------------------ */

/* After row nNum - 1 of nSeq: the text runs one ahead of the bar. */
static void ProgresStat(void *pCtx, int nNum, int nSeq)
{
    HWND *phDlg = (HWND *)pCtx;

    if (nNum == 0) {
        /* A failure is about to be told: the box goes first. */
        if (*phDlg != NULL)
            DestroyWindow(*phDlg);
        *phDlg = NULL;
        return;
    }
    pCtx = *phDlg;
    if (nNum == 2 && pCtx != NULL)
        SendDlgItemMessageA((HWND)pCtx, IDC_MBPROG_BAR, PBM_SETRANGE32, 0, (LPARAM)nSeq);
    AvanceProgres((HWND)pCtx, nNum - 1, nNum, nSeq);
}

/* The rows and histogram, with the editor's progress box retitled. */
static int PrepareAvecProgres(pDataGeneralPrg pData, unsigned nTotal)
{
    HWND hDlg = NULL;
    int nOk;

    /* Nothing selected is told without a progress box. */
    if (StatCompteSelection(pData) > 0)
        hDlg = CreateDialogParamA(hInst, MAKEINTRESOURCEA(IDD_MULBLAPROG), hWndMain, CentreDlgProc, 0);
    if (hDlg != NULL) {
        SetWindowTextA(hDlg, "Preparing map...");
        UpdateWindow(hDlg);
    }
    nOk = PrepareStatData(pStat, pData, nTotal, ProgresStat, &hDlg, hWndMain);
    if (hDlg != NULL)
        DestroyWindow(hDlg);
    return nOk;
}

static HWND CreePanneauStat(const char *szClass, DWORD dwStyle)
{
    return CreateWindowA(szClass, "", WS_CHILD | WS_BORDER | dwStyle, 0, 0, 0, 0, hWndStatBla, NULL,
                         hInst, NULL);
}

int CreationStatWindows(unsigned nTotal)
{
    char szTitre[64];
    HDC hdc;

    (void)nTotal;
    hdc = GetDC(hWndMain);
    ZeroMemory(&lfStatBlaFnt, sizeof lfStatBlaFnt);
    lfStatBlaFnt.lfHeight = PoliceEnUnitePhysique(hdc, 11);
    ReleaseDC(hWndMain, hdc);
    lfStatBlaFnt.lfWeight = FW_NORMAL;
    lfStatBlaFnt.lfOutPrecision = OUT_STROKE_PRECIS;
    lfStatBlaFnt.lfClipPrecision = CLIP_STROKE_PRECIS;
    lfStatBlaFnt.lfQuality = DRAFT_QUALITY;
    lfStatBlaFnt.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lstrcpynA(lfStatBlaFnt.lfFaceName, "Courier New", LF_FACESIZE);
    if ((hStatBlaFnt = CreateFontIndirectA(&lfStatBlaFnt)) == NULL)
        return 0;

    hWndStatBla = CreateWindowA(szStatBlaParent, "", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, NULL, NULL, hInst, NULL);
    if (hWndStatBla == NULL)
        return 0;
    snprintf(szTitre, sizeof szTitre, szStatBlaParent, pStat->IsAllSelected ? "all" : "selected");
    SetWindowTextA(hWndStatBla, szTitre);

    hWndStatBlaListNom = CreePanneauStat(szStatBlaName, 0);
    hWndStatBlaListGraph = CreePanneauStat(szStatBlaGraph, WS_VSCROLL);
    hWndStatBlaHisto = CreePanneauStat(szStatBlaHisto, 0);
    if (hWndStatBlaListNom == NULL || hWndStatBlaListGraph == NULL || hWndStatBlaHisto == NULL)
        return 0;
    PlaceFenetresStat(TRUE);
    ShowWindow(hWndStatBla, SW_SHOW);
    for (HWND h : { hWndStatBlaListNom, hWndStatBlaListGraph, hWndStatBlaHisto })
        ShowWindow(h, SW_SHOW);
    ReajusteStatGraphScroll();
    return 1;
}

int CreationStatBlaWin(unsigned nTotal)
{
    pDataGeneralPrg pData = DocumentOf(hWndMain);

    if (hWndStatBla != NULL)
        return 1;
    if (pData == NULL || (pStat = InitStatData()) == NULL)
        return 0;
    if (!PrepareAvecProgres(pData, nTotal)) {
        DelStatData(pStat);
        pStat = NULL;
        return 0;
    }
    if (CreationStatWindows(nTotal))
        return 1;
    MyInfoMsgBox(IDS_BLASTMAP, IDS_NOLOADMAP, hWndMain);
    if (hWndStatBla != NULL) {
        DestroyWindow(hWndStatBla);      /* its destruction releases the data */
    } else {
        DelStatData(pStat);
        pStat = NULL;
        if (hStatBlaFnt != NULL)
            DeleteObject(hStatBlaFnt);
        hStatBlaFnt = NULL;
    }
    return 0;
}

/* ---- Layout and scrolling ----------------------------------------------- */

static SIZE MesureStat(HWND hWnd)
{
    long cx, cy;
    SIZE s;

    MesurePolice(hWnd, hStatBlaFnt, &cx, &cy);
    s.cx = cx > 0 ? cx : 1;
    s.cy = cy > 0 ? cy : 1;
    return s;
}

void PlaceFenetresStat(BOOL bCreation)
{
    SIZE c = MesureStat(hWndStatBla);
    RECT rc;
    int cx = (int)c.cx, cy = (int)c.cy;

    GetClientRect(hWndStatBla, &rc);
    MoveWindow(hWndStatBlaListNom, 0, 4 * cy, 30 * cx, rc.bottom - 4 * cy, TRUE);
    MoveWindow(hWndStatBlaListGraph, 30 * cx + 1, 4 * cy, rc.right - 30 * cx - 1, rc.bottom - 4 * cy, TRUE);
    MoveWindow(hWndStatBlaHisto, 30 * cx + 1, 0, rc.right - 30 * cx - 1, bCreation ? 4 * cy : 4 * cy - 1,
               TRUE);
}

void ReajusteStatGraphScroll(void)
{
    RECT rc;
    int nMax;

    if (pStat == NULL || hWndStatBlaListGraph == NULL)
        return;
    GetClientRect(hWndStatBlaListGraph, &rc);
    if (StatDefilement(pStat, rc.bottom, (int)MesureStat(hWndStatBlaListGraph).cy, &nMax)) {
        EnableScrollBar(hWndStatBlaListGraph, SB_VERT, ESB_ENABLE_BOTH);
        SetScrollRange(hWndStatBlaListGraph, SB_VERT, 0, nMax, FALSE);
        SetScrollPos(hWndStatBlaListGraph, SB_VERT, pStat->nVdecal, TRUE);
    } else {
        SetScrollPos(hWndStatBlaListGraph, SB_VERT, 0, TRUE);
        EnableScrollBar(hWndStatBlaListGraph, SB_VERT, ESB_DISABLE_BOTH);
        InvalidateRect(hWndStatBlaListNom, NULL, TRUE);
        InvalidateRect(hWndStatBlaListGraph, NULL, TRUE);
    }
}

static void StatBlaListBgraphProc_OnVScroll(HWND hWnd, HWND hWndCtl, UINT uCode, int nPos)
{
    int nOld, nNew;

    (void)hWndCtl;
    if (pStat == NULL || pStat->wndheight == 0)
        return;
    nOld = pStat->nVdecal;
    nNew = StatNouveauDecalage(pStat, (int)uCode, nPos);
    if (nNew == nOld)
        return;
    int cy = (int)MesureStat(hWnd).cy;
    ScrollWindow(hWndStatBlaListNom, 0, (nOld - nNew) * cy, NULL, NULL);
    ScrollWindow(hWndStatBlaListGraph, 0, (nOld - nNew) * cy, NULL, NULL);
    SetScrollPos(hWnd, SB_VERT, nNew, TRUE);
    pStat->nVdecal = nNew;
}

/* ---- Drawing ---------------------------------------------------------- */

/* Runs pfnDraw with the map font selected and its cx, cy measured. */
template <typename F> static void AvecPoliceStat(HDC hdc, F pfnDraw)
{
    HFONT hOld;
    long cx, cy;

    if (pStat == NULL || hStatBlaFnt == NULL)
        return;
    hOld = SelectFont(hdc, hStatBlaFnt);
    DimensionCaractere(hdc, &cx, &cy);
    if (cx > 0 && cy > 0)
        pfnDraw((int)cx, (int)cy);
    SelectFont(hdc, hOld);
}

void DessineStatNoms(HDC hdc, const RECT *prcUpdate)
{
    AvecPoliceStat(hdc, [hdc, prcUpdate](int cx, int cy) {
        UINT uOldAlign = SetTextAlign(hdc, TA_RIGHT | TA_TOP);
        int nOldMode = SetBkMode(hdc, OPAQUE);
        int nFirst, nLast;

        StatLignesVisibles(pStat, prcUpdate->top, prcUpdate->bottom, cy, &nFirst, &nLast);
        for (int r = nFirst; r < nLast; r++) {
            const char *sz = pStat->pSeqDat[r]->szName;
            TextOutA(hdc, 29 * cx, (r - pStat->nVdecal) * cy, sz, lstrlenA(sz));
        }
        SetBkMode(hdc, nOldMode);
        SetTextAlign(hdc, uOldAlign);
    });
}

/* A number in decimal at (x, y) with the given alignment. */
static void Nombre(HDC hdc, int x, int y, UINT uAlign, int n)
{
    char sz[16];
    int nLen = snprintf(sz, sizeof sz, "%d", n);

    SetTextAlign(hdc, uAlign);
    TextOutA(hdc, x, y, sz, nLen);
}

void DessineStatBarres(HDC hdc, const RECT *prcUpdate, int nLargeur)
{
    AvecPoliceStat(hdc, [hdc, prcUpdate, nLargeur](int cx, int cy) {
        HPEN hOldPen = SelectPen(hdc, GetStockObject(BLACK_PEN));
        HBRUSH hOldBr = SelectBrush(hdc, GetStockObject(WHITE_BRUSH));
        UINT uOldAlign = GetTextAlign(hdc);
        int nOldMode = SetBkMode(hdc, OPAQUE);
        COLORREF crOldBk = SetBkColor(hdc, RGB(0xC0, 0xC0, 0xC0));
        int nFirst, nLast;

        /* Only the rows the update band meets: a map of thousands of
           HSPs repaints in the time of the rows shown. */
        StatLignesVisibles(pStat, prcUpdate->top, prcUpdate->bottom, cy, &nFirst, &nLast);
        for (int r = nFirst; r < nLast; r++) {
            const SequenceData *pRow = pStat->pSeqDat[r];
            RectStat b = StatBarre(pStat, r, nLargeur, cx, cy);

            MoveToEx(hdc, 0, b.top + cy / 2 - 2, NULL);
            LineTo(hdc, nLargeur, b.top + cy / 2 - 2);
            Rectangle(hdc, b.left, b.top, b.right, b.bottom);
            Nombre(hdc, b.left, b.top, TA_RIGHT | TA_TOP, StatBas(pRow));
            Nombre(hdc, b.right, b.top, TA_LEFT | TA_TOP, StatHaut(pRow));
        }
        SetBkColor(hdc, crOldBk);
        SetBkMode(hdc, nOldMode);
        SetTextAlign(hdc, uOldAlign);
        SelectBrush(hdc, hOldBr);
        SelectPen(hdc, hOldPen);
    });
}

void DessineStatHisto(HDC hdc, int nLargeurBarres, int nLargeur)
{
    AvecPoliceStat(hdc, [hdc, nLargeurBarres, nLargeur](int cx, int cy) {
        int n = StatMaxHisto(pStat);
        HPEN hOldPen = SelectPen(hdc, GetStockObject(BLACK_PEN));
        HBRUSH hOldBr = SelectBrush(hdc, GetStockObject(WHITE_BRUSH));
        int nOldMode = SetBkMode(hdc, TRANSPARENT);
        char sz[16];

        MoveToEx(hdc, 0, 2 * cy, NULL);
        LineTo(hdc, nLargeur, 2 * cy);
        TextOutA(hdc, 0, 0, sz, snprintf(sz, sizeof sz, "%d", n));
        /* No coverage at all gives no scale and no bars. */
        if (n > 0) {
            for (int q = 0; q < pStat->nTaille; q++) {
                RectStat b;

                /* An empty position would be a rectangle of no height. */
                if (pStat->pDataHistoBrute[q] == 0)
                    continue;
                b = StatBarreHisto(pStat, q, n, nLargeurBarres, cx, cy);
                Rectangle(hdc, b.left, b.top, b.right, b.bottom);
            }
        }
        SetBkMode(hdc, nOldMode);
        SelectBrush(hdc, hOldBr);
        SelectPen(hdc, hOldPen);
    });
}

/* ---- Window procedures ------------------------------------------------ */

static BOOL StatBlaMainProc_OnCreate(HWND hWnd, LPCREATESTRUCTA lpCreateStruct)
{
    (void)hWnd;
    (void)lpCreateStruct;
    return TRUE;
}

static void StatBlaMainProc_OnDestroy(HWND hWnd)
{
    (void)hWnd;
    DelStatData(pStat);
    pStat = NULL;
    if (hStatBlaFnt != NULL)
        DeleteObject(hStatBlaFnt);
    hStatBlaFnt = NULL;
    hWndStatBla = NULL;
    hWndStatBlaListNom = hWndStatBlaListGraph = hWndStatBlaHisto = NULL;
}

static void StatBlaMainProc_OnSize(HWND hWnd, UINT state, int cx, int cy)
{
    (void)cx;
    (void)cy;
    if (state == SIZE_MINIMIZED || hWndStatBlaHisto == NULL)
        return;
    PlaceFenetresStat(FALSE);
    InvalidateRect(hWnd, NULL, TRUE);
    ReajusteStatGraphScroll();
}

LRESULT CALLBACK StatBlaMainProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
        HANDLE_MSG(hWnd, WM_CREATE, StatBlaMainProc_OnCreate);
        HANDLE_MSG(hWnd, WM_DESTROY, StatBlaMainProc_OnDestroy);
        HANDLE_MSG(hWnd, WM_SIZE, StatBlaMainProc_OnSize);
    default:
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}

static void StatBlaListNameProc_OnPaint(HWND hWnd)
{
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hWnd, &ps);

    DessineStatNoms(hdc, &ps.rcPaint);
    EndPaint(hWnd, &ps);
}

LRESULT CALLBACK StatBlaListNameProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
        HANDLE_MSG(hWnd, WM_PAINT, StatBlaListNameProc_OnPaint);
    default:
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}

static void StatBlaListBgraphProc_OnPaint(HWND hWnd)
{
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hWnd, &ps);
    RECT rc;

    GetClientRect(hWnd, &rc);
    DessineStatBarres(hdc, &ps.rcPaint, rc.right);
    EndPaint(hWnd, &ps);
}

LRESULT CALLBACK StatBlaListBgraphProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
        HANDLE_MSG(hWnd, WM_PAINT, StatBlaListBgraphProc_OnPaint);
    case WM_VSCROLL:
        StatBlaListBgraphProc_OnVScroll(hWnd, (HWND)lParam, LOWORD(wParam), (short)HIWORD(wParam));
        return 0;
    default:
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}

static void StatBlaHistoProc_OnPaint(HWND hWnd)
{
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hWnd, &ps);
    RECT rc, rcBarres;

    GetClientRect(hWnd, &rc);
    GetClientRect(hWndStatBlaListGraph, &rcBarres);
    DessineStatHisto(hdc, rcBarres.right, rc.right);
    EndPaint(hWnd, &ps);
}

LRESULT CALLBACK StatBlaHistoProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
        HANDLE_MSG(hWnd, WM_PAINT, StatBlaHistoProc_OnPaint);
    default:
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}
