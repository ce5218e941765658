/* mulbla.cpp: the VazEva editor's windows: opening it on the marked HSPs
 * with its progress box, the editor window with its toolbar, its four
 * panes and two status fields laid out from the font metrics, and its
 * command dispatch. The record is built by the portable model
 * (mulbload.cpp); the panes draw and edit it (mulbpane.cpp).
 *
 * Divisions: globals; loading; window creation; layout and background;
 * editor window.
 */
#include <windows.h>
#include <windowsx.h>
#include <commctrl.h>
#include <stdio.h>

#include <initializer_list>

#include "HALYARD.h"
#include "mulbwin.h"

/* ---- Globals ------------------------------------------------------------ */

pMulBlaData PMULBLA = NULL;
HWND HWNDMULBLALIST = NULL;
HWND HWNDMULBLASCALE = NULL;
HWND HWNDMULBLACONSENSUS = NULL;
HWND HWNDMULBLAALIGN = NULL;
HWND HWNDINSERTSTATE = NULL;
HWND HWNDCARETPOSITION = NULL;
HWND HWNDTOOLBAREDIT = NULL;
HWND HWNDFINDPAT = NULL;
LOGFONTA LFEDITORFNT;
HFONT HFNTEDITOR = NULL;
int BINSERTKEY = 1;

const char SZMULBLAPARENT[] = "VazEva Editor   -   ";
const char SZMULBLACONSENSUS[] = "consensus";
const char SZMULBLAALIGN[] = "MulBla align";
const char SZMULBLALIST[] = "MulBla list";
const char SZMULBLASCALE[] = "MulBla scale";

const int NIDEDITBTN[10] = { 3012, 3015, 3014, 3016, 3017, 3018, 3019, 3020, 3013, 3003 };

#define IDC_TOOLBAREDIT 11
#define IDB_TOOLBAREDIT 6

static const TBBUTTON tbEditButtons[] = {
    /* image, command, state, style */
    { 0, 3012, TBSTATE_ENABLED, TBSTYLE_BUTTON, {0}, 0, 0 },
    { 0, 0,    TBSTATE_ENABLED, TBSTYLE_SEP,    {0}, 0, 0 },
    { 0, 0,    TBSTATE_ENABLED, TBSTYLE_SEP,    {0}, 0, 0 },
    { 1, 3015, TBSTATE_ENABLED, TBSTYLE_BUTTON, {0}, 0, 0 },
    { 2, 3014, TBSTATE_ENABLED, TBSTYLE_BUTTON, {0}, 0, 0 },
    { 3, 3016, TBSTATE_ENABLED, TBSTYLE_BUTTON, {0}, 0, 0 },
    { 4, 3017, TBSTATE_ENABLED, TBSTYLE_BUTTON, {0}, 0, 0 },
    { 5, 3018, TBSTATE_ENABLED, TBSTYLE_BUTTON, {0}, 0, 0 },
    { 0, 0,    TBSTATE_ENABLED, TBSTYLE_SEP,    {0}, 0, 0 },
    { 0, 0,    TBSTATE_ENABLED, TBSTYLE_SEP,    {0}, 0, 0 },
    { 6, 3019, TBSTATE_ENABLED, TBSTYLE_BUTTON, {0}, 0, 0 },
    { 7, 3020, TBSTATE_ENABLED, TBSTYLE_BUTTON, {0}, 0, 0 },
    { 0, 0,    TBSTATE_ENABLED, TBSTYLE_SEP,    {0}, 0, 0 },
    { 0, 0,    TBSTATE_ENABLED, TBSTYLE_SEP,    {0}, 0, 0 },
    { 8, 3013, TBSTATE_ENABLED, TBSTYLE_BUTTON, {0}, 0, 0 },
    { 0, 0,    TBSTATE_ENABLED, TBSTYLE_SEP,    {0}, 0, 0 },
    { 0, 0,    TBSTATE_ENABLED, TBSTYLE_SEP,    {0}, 0, 0 },
    { 9, 3003, TBSTATE_ENABLED, TBSTYLE_BUTTON, {0}, 0, 0 },
};

/* ---- Loading ------------------------------------------------------------ */

/* Called by the model after each row: the text says how far the loading
   is from the first HSP row on. */
static void ProgresMulBla(void *pCtx, int nRow, int nSeq)
{
    if (nRow > 1)
        AvanceProgres((HWND)pCtx, nRow, nRow, nSeq);
}

/* Releases what a failed opening made: the windows (whose destruction
   releases the record and the font), or the record and the font. */
static void AbandonneMulBla(void)
{
    if (hWndMulBla != NULL) {
        DestroyWindow(hWndMulBla);
        return;
    }
    VirePointMulBla(PMULBLA);
    PMULBLA = NULL;
    if (HFNTEDITOR != NULL)
        DeleteObject(HFNTEDITOR);
    HFNTEDITOR = NULL;
}

int LitLesInfoMulBla(void)
{
    pDataGeneralPrg pData = DocumentOf(hWndMain);
    unsigned nCount;
    HWND hDlg;

    if (pData == NULL)
        return 0;
    nCount = CompteHspSelectionnes(pData);
    if (nCount == 0) {
        MyInfoMsgBox(IDS_VAZEVA, IDS_ED_NOSEQSEL, hWndMain);
        return 2;
    }
    /* Without its progress box the loading simply runs unseen. */
    hDlg = CreateDialogParamA(hInst, MAKEINTRESOURCEA(IDD_MULBLAPROG), hWndMain, CentreDlgProc, 0);
    if (hDlg != NULL) {
        SendDlgItemMessageA(hDlg, IDC_MBPROG_BAR, PBM_SETRANGE32, 0, (LPARAM)(nCount + 1));
        UpdateWindow(hDlg);
    }
    PMULBLA = ChargeMulBla(pData, ProgresMulBla, hDlg, NULL);
    if (hDlg != NULL)
        DestroyWindow(hDlg);
    if (PMULBLA == NULL)
        return 0;
    InitCaretMulBla();
    if (!AfficheMulBlaWin()) {
        AbandonneMulBla();
        return 0;
    }
    ReajusteVHScroll();
    SetWindowTextA(HWNDINSERTSTATE, "Insert");
    UpdateCaretPosition(1, 1);
    return 1;
}

void MulBlastDlg(HWND hWndOwner)
{
    if (LitLesInfoMulBla() == 0)
        MyInfoMsgBox(IDS_VAZEVA, IDS_ED_NOLOAD, hWndOwner);
}

/* ---- Window creation ---------------------------------------------------- */

/* The editor font: Courier New, 12 points on the main window's screen. */
static BOOL CreePoliceEditeur(void)
{
    HDC hdc = GetDC(hWndMain);
    int nPixels = GetDeviceCaps(hdc, LOGPIXELSX);

    ReleaseDC(hWndMain, hdc);
    ZeroMemory(&LFEDITORFNT, sizeof LFEDITORFNT);
    LFEDITORFNT.lfHeight = 12 * nPixels / 72;
    LFEDITORFNT.lfWeight = FW_NORMAL;
    LFEDITORFNT.lfOutPrecision = OUT_STROKE_PRECIS;
    LFEDITORFNT.lfClipPrecision = CLIP_STROKE_PRECIS;
    LFEDITORFNT.lfQuality = DRAFT_QUALITY;
    LFEDITORFNT.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lstrcpynA(LFEDITORFNT.lfFaceName, "Courier New", LF_FACESIZE);
    HFNTEDITOR = CreateFontIndirectA(&LFEDITORFNT);
    return HFNTEDITOR != NULL;
}

static HWND CreePanneau(const char *szClass, DWORD dwStyle)
{
    return CreateWindowA(szClass, "", WS_CHILD | WS_BORDER | dwStyle, 0, 0, 0, 0, hWndMulBla, NULL,
                         hInst, NULL);
}

BOOL AfficheMulBlaWin(void)
{
    pDataGeneralPrg pData = DocumentOf(hWndMain);

    if (!CreePoliceEditeur()) {
        MyInfoMsgBox(IDS_VAZEVA, IDS_ED_NOGDI, hWndMain);
        return FALSE;
    }
    hWndMulBla = CreateWindowA(SZMULBLAPARENT, SZMULBLAPARENT, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, NULL, NULL, hInst, NULL);
    if (hWndMulBla == NULL)
        return FALSE;
    HWNDTOOLBAREDIT = CreateToolbarEx(hWndMulBla,
                                      WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_TOOLTIPS
                                          | CCS_TOP | CCS_NOPARENTALIGN,
                                      IDC_TOOLBAREDIT, 10,
                                      hInst, IDB_TOOLBAREDIT, /* loaded, and released, by the toolbar */
                                      tbEditButtons, sizeof tbEditButtons / sizeof tbEditButtons[0],
                                      23, 24, 23, 24, sizeof(TBBUTTON));
    if (HWNDTOOLBAREDIT == NULL)
        return FALSE;
    InitToolTip(HWNDTOOLBAREDIT);

    HWNDMULBLACONSENSUS = CreePanneau(SZMULBLACONSENSUS, 0);
    HWNDMULBLAALIGN = CreePanneau(SZMULBLAALIGN, WS_HSCROLL | WS_VSCROLL);
    HWNDMULBLALIST = CreePanneau(SZMULBLALIST, 0);
    HWNDMULBLASCALE = CreePanneau(SZMULBLASCALE, 0);
    HWNDINSERTSTATE = CreateWindowA("static", "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, hWndMulBla, NULL,
                                    hInst, NULL);
    HWNDCARETPOSITION = CreateWindowA("static", "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, hWndMulBla,
                                      NULL, hInst, NULL);
    if (HWNDMULBLACONSENSUS == NULL || HWNDMULBLAALIGN == NULL || HWNDMULBLALIST == NULL
        || HWNDMULBLASCALE == NULL || HWNDINSERTSTATE == NULL || HWNDCARETPOSITION == NULL)
        return FALSE;
    PlaceFenetresMulBla(hWndMulBla);

    ShowWindow(hWndMulBla, SW_SHOW);
    for (HWND h : { HWNDMULBLACONSENSUS, HWNDMULBLAALIGN, HWNDMULBLALIST, HWNDMULBLASCALE })
        ShowWindow(h, SW_SHOW);
    UpdateWindow(hWndMulBla);
    AfficheNomFichier(hWndMulBla, SZMULBLAPARENT, pData != NULL ? pData->szFileName : "");
    SetFocus(HWNDMULBLAALIGN);
    return TRUE;
}

/* ---- Layout and background ---------------------------------------------- */

/* Metrics of the layout: the default font's and the editor font's. */
typedef struct tagMetriquesMulBla {
    long cxSys, cySys, cxChar, cyChar;
} MetriquesMulBla;

static MetriquesMulBla MesureMulBla(HWND hWnd)
{
    MetriquesMulBla m;
    HDC hdc = GetDC(hWnd);

    DimensionCaractere(hdc, &m.cxSys, &m.cySys);
    ReleaseDC(hWnd, hdc);
    MesurePolice(hWnd, HFNTEDITOR, &m.cxChar, &m.cyChar);
    return m;
}

static void PlaceFenetre(HWND hChild, int x, int y, int w, int h)
{
    if (hChild != NULL)
        MoveWindow(hChild, x, y, w > 0 ? w : 0, h > 0 ? h : 0, TRUE);
}

void PlaceFenetresMulBla(HWND hWnd)
{
    MetriquesMulBla m;
    RECT rc;
    int W, H, T, xPanes, VS, HS;

    if (HWNDMULBLAALIGN == NULL || HFNTEDITOR == NULL)
        return;
    m = MesureMulBla(hWnd);
    GetClientRect(hWnd, &rc);
    W = rc.right;
    H = rc.bottom;
    T = (int)m.cySys + 42;
    xPanes = 26 * (int)m.cxChar;
    VS = GetSystemMetrics(SM_CXVSCROLL);
    HS = GetSystemMetrics(SM_CYHSCROLL);

    /* A toolbar takes its own height when given none. */
    PlaceFenetre(HWNDTOOLBAREDIT, 0, 0, W, 0);
    PlaceFenetre(HWNDINSERTSTATE, 0, 41, 8 * (int)m.cxSys, (int)m.cySys);
    PlaceFenetre(HWNDCARETPOSITION, 8 * (int)m.cxSys, 41, 10 * (int)m.cxSys, (int)m.cySys);
    PlaceFenetre(HWNDMULBLASCALE, xPanes, T, W - xPanes - VS, 2 * (int)m.cyChar);
    PlaceFenetre(HWNDMULBLACONSENSUS, xPanes, T + 2 * (int)m.cyChar, W - xPanes - VS, (int)m.cyChar);
    PlaceFenetre(HWNDMULBLALIST, 0, T + 3 * (int)m.cyChar, xPanes, H - HS - (T + 3 * (int)m.cyChar));
    PlaceFenetre(HWNDMULBLAALIGN, xPanes, T + 3 * (int)m.cyChar, W - xPanes, H - (T + 3 * (int)m.cyChar));
    UpdateWindow(hWnd);
    ReajusteVHScroll();
}

/* The editor window's own drawing: two lines framing the status fields,
   and the red "consensus" label left of the consensus pane. */
static void DessineFondMulBla(HWND hWnd, HDC hdc)
{
    MetriquesMulBla m;
    RECT rc;
    HFONT hOld;

    if (HFNTEDITOR == NULL)
        return;
    m = MesureMulBla(hWnd);
    GetClientRect(hWnd, &rc);
    MoveToEx(hdc, 0, 40, NULL);
    LineTo(hdc, rc.right, 40);
    MoveToEx(hdc, 0, (int)m.cySys + 41, NULL);
    LineTo(hdc, rc.right, (int)m.cySys + 41);

    hOld = SelectFont(hdc, HFNTEDITOR);
    int nOldMode = SetBkMode(hdc, TRANSPARENT);
    COLORREF crOld = SetTextColor(hdc, RGB(255, 0, 0));
    TextOutA(hdc, 16 * (int)m.cxChar, (int)m.cySys + 42 + 2 * (int)m.cyChar, "consensus", 9);
    SetTextColor(hdc, crOld);
    SetBkMode(hdc, nOldMode);
    SelectFont(hdc, hOld);
}

/* ---- Editor window ------------------------------------------------------ */

static BOOL MulBlaProc_OnCreate(HWND hWnd, LPCREATESTRUCTA lpCreateStruct)
{
    (void)hWnd;
    (void)lpCreateStruct;
    BINSERTKEY = 1;
    HWNDFINDPAT = NULL;
    return TRUE;
}

static void MulBlaProc_OnDestroy(HWND hWnd)
{
    (void)hWnd;
    VirePointMulBla(PMULBLA);
    PMULBLA = NULL;
    hWndMulBla = NULL;
    if (HFNTEDITOR != NULL)
        DeleteObject(HFNTEDITOR);
    HFNTEDITOR = NULL;
    HWNDMULBLALIST = HWNDMULBLASCALE = HWNDMULBLACONSENSUS = HWNDMULBLAALIGN = NULL;
    HWNDINSERTSTATE = HWNDCARETPOSITION = HWNDTOOLBAREDIT = NULL;
    HWNDFINDPAT = NULL;
}

static void MulBlaProc_OnSize(HWND hWnd, UINT state, int cx, int cy)
{
    (void)cx;
    (void)cy;
    if (state != SIZE_MINIMIZED)
        PlaceFenetresMulBla(hWnd);
}

static void MulBlaProc_OnPaint(HWND hWnd)
{
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hWnd, &ps);

    DessineFondMulBla(hWnd, hdc);
    EndPaint(hWnd, &ps);
}

/* The alignment pane has the keyboard whenever the editor is active. */
static void MulBlaProc_OnActivate(HWND hWnd, UINT state, HWND hWndOther, BOOL fMinimized)
{
    (void)hWnd;
    (void)hWndOther;
    if (state != WA_INACTIVE && !fMinimized && HWNDMULBLAALIGN != NULL)
        SetFocus(HWNDMULBLAALIGN);
}

static void MulBlaProc_OnClose(HWND hWnd)
{
    if (MyAskMsgBox(IDS_VAZEVA, IDS_EXITEDITOR, hWnd) == IDYES)
        DestroyWindow(hWnd);
}

static void MulBlaProc_OnCommand(HWND hWnd, int id, HWND hWndCtl, UINT codeNotify)
{
    (void)hWndCtl;
    (void)codeNotify;
    switch (id) {
    case 3003:
        SendMessageA(hWnd, WM_CLOSE, 0, 0);
        break;
    case 3012:
        SauveMsfDlg(hWnd);
        SetFocus(HWNDMULBLAALIGN);
        break;
    case 3013:
        TaillePoliceDlg(hWnd);
        if (hWndMulBla != NULL)
            SetFocus(HWNDMULBLAALIGN);
        break;
    case 3014: case 3015: case 3016: case 3017: case 3018: case 3019: case 3020:
        CommandeSequence(hWnd, id);
        break;
    default:
        break;
    }
}

static LRESULT MulBlaProc_OnNotify(HWND hWnd, int idCtrl, LPNMHDR pnmh)
{
    (void)hWnd;
    (void)idCtrl;
    if (pnmh->code == TTN_NEEDTEXTA)
        CopyToolTipText((LPTOOLTIPTEXTA)pnmh, NIDEDITBTN, 10, IDS_TIP_ED_SAVE);
    return 0;
}

LRESULT CALLBACK MulBlaProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
        HANDLE_MSG(hWnd, WM_CREATE, MulBlaProc_OnCreate);
        HANDLE_MSG(hWnd, WM_DESTROY, MulBlaProc_OnDestroy);
        HANDLE_MSG(hWnd, WM_SIZE, MulBlaProc_OnSize);
        HANDLE_MSG(hWnd, WM_PAINT, MulBlaProc_OnPaint);
        HANDLE_MSG(hWnd, WM_ACTIVATE, MulBlaProc_OnActivate);
        HANDLE_MSG(hWnd, WM_CLOSE, MulBlaProc_OnClose);
        HANDLE_MSG(hWnd, WM_COMMAND, MulBlaProc_OnCommand);
        HANDLE_MSG(hWnd, WM_NOTIFY, MulBlaProc_OnNotify);
    default:
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}
