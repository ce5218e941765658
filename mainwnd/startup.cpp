/* startup.cpp: the program's globals, its window classes, and the main
 * window with its children laid out from the list font's metrics.
 */
#include <windows.h>
#include <windowsx.h>
#include <commctrl.h>
#include <string.h>

#include "HALYARD.h"

HINSTANCE hInst = NULL;
HWND hWndMain = NULL;
HWND HWNDTOOLBAR = NULL;
HWND HWNDRESULT = NULL;
HWND HWNDALIGN = NULL;
HWND HWNDBTNNEXTALIGN = NULL;
HWND HWNDBTNPREVALIGN = NULL;
HWND HWNDCHECKSELECTHSP = NULL;
HWND hWndMulBla = NULL;
HWND hWndStatBla = NULL;
HWND hWndSearchDlg = NULL;
LOGFONTA LFLISTBOX, LFALIGN;
HFONT HFNTLISTBOX = NULL, HFNTALIGN = NULL;
RECT RCSEQNAME;
WNDPROC LPFNOLDLBPROC = NULL, LPFNNEWLBPROC = NULL;

const char SZAPPLICATIONCLASS[] = "Halyard   ";
const char SZALIGNCLASS[] = "Alignement";

/* The toolbar: 8 images in bitmap 5, 14 buttons with the separators. */
#define IDB_TOOLBAR 5
static const TBBUTTON tbMainButtons[] = {
    /* image, command, state, style */
    { 0, 3000, TBSTATE_ENABLED, TBSTYLE_BUTTON, {0}, 0, 0 },
    { 0, 0,    TBSTATE_ENABLED, TBSTYLE_SEP,    {0}, 0, 0 },
    { 0, 0,    TBSTATE_ENABLED, TBSTYLE_SEP,    {0}, 0, 0 },
    { 1, 3024, TBSTATE_ENABLED, TBSTYLE_BUTTON, {0}, 0, 0 },
    { 2, 3023, TBSTATE_ENABLED, TBSTYLE_BUTTON, {0}, 0, 0 },
    { 0, 0,    TBSTATE_ENABLED, TBSTYLE_SEP,    {0}, 0, 0 },
    { 0, 0,    TBSTATE_ENABLED, TBSTYLE_SEP,    {0}, 0, 0 },
    { 3, 3002, TBSTATE_ENABLED, TBSTYLE_BUTTON, {0}, 0, 0 },
    { 4, 3009, TBSTATE_ENABLED, TBSTYLE_BUTTON, {0}, 0, 0 },
    { 5, 3010, TBSTATE_ENABLED, TBSTYLE_BUTTON, {0}, 0, 0 },
    { 6, 3011, TBSTATE_ENABLED, TBSTYLE_BUTTON, {0}, 0, 0 },
    { 0, 0,    TBSTATE_ENABLED, TBSTYLE_SEP,    {0}, 0, 0 },
    { 0, 0,    TBSTATE_ENABLED, TBSTYLE_SEP,    {0}, 0, 0 },
    { 7, 3003, TBSTATE_ENABLED, TBSTYLE_BUTTON, {0}, 0, 0 },
};

/* One window class of the program. */
struct ClassDef {
    const char *szName;
    WNDPROC     pfnProc;
    int         cbWndExtra;
    const char *szIcon;      /* icon resource name, or NULL            */
    int         nBrush;      /* stock brush of the background          */
    int         idMenu;      /* menu resource, or 0                    */
};

BOOL InitApplication(HINSTANCE hInstance)
{
    /* The windows that keep a record's address in their window word get
       room for a pointer, not the 4 bytes of a 32-bit LONG. */
    static const ClassDef classes[] = {
        { SZAPPLICATIONCLASS,       WndProc,               sizeof(LONG_PTR), "MainIcon",    LTGRAY_BRUSH, 1000 },
        { SZALIGNCLASS,             AlignProc,             0,                NULL,          WHITE_BRUSH,  0 },
        { "VazEva Editor   -   ",   MulBlaProc,            sizeof(LONG_PTR), "MulBlaIcon",  LTGRAY_BRUSH, 1001 },
        { "consensus",              MulBlaConsProc,        0,                NULL,          WHITE_BRUSH,  0 },
        { "MulBla align",           MulBlaAlignProc,       0,                NULL,          WHITE_BRUSH,  0 },
        { "MulBla list",            MulBlaListProc,        0,                NULL,          LTGRAY_BRUSH, 0 },
        { "MulBla scale",           MulBlaScaleProc,       0,                NULL,          WHITE_BRUSH,  0 },
        { "HCA Viewer",             HCAMainWndProc,        sizeof(LONG_PTR), "MainHCA",     LTGRAY_BRUSH, 0 },
        { "HcaFrame",               HcaFrameProc,          0,                NULL,          WHITE_BRUSH,  0 },
        { "Trace HCA",              DrawHCAProc,           sizeof(LONG_PTR), NULL,          WHITE_BRUSH,  0 },
        { "Halyard - map of %s sequences", StatBlaMainProc, 0,               "StatBlaIcon", WHITE_BRUSH,  0 },
        { "StatBlaListName",        StatBlaListNameProc,   0,                NULL,          WHITE_BRUSH,  0 },
        { "StatBlaListGraph",       StatBlaListBgraphProc, 0,                NULL,          LTGRAY_BRUSH, 0 },
        { "StatBlaListHisto",       StatBlaHistoProc,      0,                NULL,          LTGRAY_BRUSH, 0 },
    };
    WNDCLASSA wc;

    for (const ClassDef &c : classes) {
        ZeroMemory(&wc, sizeof wc);
        wc.style = CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = c.pfnProc;
        wc.cbClsExtra = 0;
        wc.cbWndExtra = c.cbWndExtra;
        wc.hInstance = hInstance;
        wc.hIcon = c.szIcon != NULL ? LoadIconA(hInstance, c.szIcon) : NULL;
        wc.hCursor = LoadCursor(NULL, IDC_ARROW);
        wc.hbrBackground = (HBRUSH)GetStockObject(c.nBrush);
        wc.lpszMenuName = c.idMenu != 0 ? MAKEINTRESOURCEA(c.idMenu) : NULL;
        wc.lpszClassName = c.szName;
        if (!RegisterClassA(&wc))
            return FALSE;
    }
    return TRUE;
}

/* Creates the toolbar of the main window. */
static BOOL CreeToolbarPrincipale(HWND hWnd)
{
    RECT rc;

    HWNDTOOLBAR = CreateToolbarEx(hWnd,
                                  WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_TOOLTIPS
                                      | CCS_TOP | CCS_NOPARENTALIGN,
                                  10, 8,
                                  hInst, IDB_TOOLBAR, /* loaded, and released, by the toolbar */
                                  tbMainButtons, sizeof tbMainButtons / sizeof tbMainButtons[0],
                                  23, 24, 23, 24, sizeof(TBBUTTON));
    if (HWNDTOOLBAR == NULL)
        return FALSE;
    InitToolTip(HWNDTOOLBAR);
    GetClientRect(hWnd, &rc);
    MoveWindow(HWNDTOOLBAR, 0, 0, rc.right, 0, TRUE);
    HalyardMainToolBarEnableBtn(FALSE);
    return TRUE;
}

BOOL InitInstance(HINSTANCE hInstance, int nCmdShow)
{
    HDC hdc;
    HFONT hOldFont;
    long cx, cy;
    int nWidth;
    RECT rc;

    hInst = hInstance;
    hWndMain = CreateWindowA(SZAPPLICATIONCLASS, SZAPPLICATIONCLASS,
                             WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                             0, 0, 0, 0, NULL, NULL, hInstance, NULL);
    if (hWndMain == NULL)
        return FALSE;

    hdc = GetDC(hWndMain);
    hOldFont = SelectFont(hdc, HFNTLISTBOX);
    DimensionCaractere(hdc, &cx, &cy);
    SelectFont(hdc, hOldFont);
    ReleaseDC(hWndMain, hdc);

    nWidth = 91 * cx;
    SetWindowPos(hWndMain, NULL, (GetSystemMetrics(SM_CXSCREEN) / 2) - (nWidth / 2), 0,
                 nWidth, 24 * cy + 43, SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);

    if (!CreeToolbarPrincipale(hWndMain))
        return FALSE;

    HWNDRESULT = CreateWindowA("listbox", "",
                               WS_CHILD | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWFIXED,
                               4, cy + 43, 48 * cx, 10 * cy + 3,
                               hWndMain, (HMENU)(INT_PTR)6001, hInstance, NULL);
    if (HWNDRESULT == NULL)
        return FALSE;

    SetRect(&RCSEQNAME, 49 * cx + 4, cy + 43, 89 * cx + 4, 11 * cy + 46);

    GetClientRect(hWndMain, &rc);
    HWNDALIGN = CreateWindowA(SZALIGNCLASS, "", WS_CHILD | WS_BORDER | WS_HSCROLL,
                              4, 15 * cy + 43, rc.right - 8, 6 * cy + 3,
                              hWndMain, NULL, hInstance, NULL);
    if (HWNDALIGN == NULL)
        return FALSE;
    EnableScrollBar(HWNDALIGN, SB_HORZ, ESB_DISABLE_BOTH);

    ShowWindow(hWndMain, nCmdShow);
    ShowWindow(HWNDRESULT, SW_SHOWNORMAL);
    ShowWindow(HWNDALIGN, SW_SHOWNORMAL);
    UpdateWindow(hWndMain);

    HWNDBTNPREVALIGN = CreateWindowA("button", "<<", WS_CHILD | WS_VISIBLE,
                                     cx, 11 * cy + 37, 3 * cx, cy,
                                     hWndMain, (HMENU)(INT_PTR)6003, hInstance, NULL);
    HWNDBTNNEXTALIGN = CreateWindowA("button", ">>", WS_CHILD | WS_VISIBLE,
                                     (7 * cx / 2) + cx, 11 * cy + 37, 3 * cx, cy,
                                     hWndMain, (HMENU)(INT_PTR)6002, hInstance, NULL);
    if (HWNDBTNPREVALIGN == NULL || HWNDBTNNEXTALIGN == NULL)
        return FALSE;
    EnableWindow(HWNDBTNPREVALIGN, FALSE);
    EnableWindow(HWNDBTNNEXTALIGN, FALSE);

    HWNDCHECKSELECTHSP = CreateWindowA("button", ">>", WS_CHILD | WS_VISIBLE | BS_CHECKBOX,
                                       25 * cx, 11 * cy + 38, 2 * cx, 2 * cx,
                                       hWndMain, (HMENU)(INT_PTR)6004, hInstance, NULL);
    if (HWNDCHECKSELECTHSP == NULL)
        return FALSE;
    EnableWindow(HWNDCHECKSELECTHSP, FALSE);

    LPFNNEWLBPROC = ListBoxWndProc;
    LPFNOLDLBPROC = (WNDPROC)SetWindowLongPtrA(HWNDRESULT, GWLP_WNDPROC, (LONG_PTR)LPFNNEWLBPROC);

    ReadDefPrinter(hWndMain);
    return TRUE;
}

