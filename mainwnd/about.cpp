/* about.cpp: the About dialog, the program's picture (bitmap 1) with the
   version written on it and an OK button over its lower right corner. */
#include <windows.h>
#include <windowsx.h>

#include "HALYARD.h"
#include "dlgids.h"
#include "version.h"

/* Where the version is written on the picture, in pixels: under the
   residue blocks, in line with the program's name. */
#define APROPOS_VERSION_X   129
#define APROPOS_VERSION_Y   88

/* Copies the picture to the top left corner of hdc. Returns 1, or 0 when
   the bitmap cannot be loaded (the dialog then shows its empty client
   area and the button). */
static int DessineAPropos(HDC hdc)
{
    HBITMAP hbm = LoadBitmapA(hInst, MAKEINTRESOURCEA(IDB_APROPOS));
    HDC hdcMem;
    HBITMAP hbmOld;

    if (hbm == NULL)
        return 0;
    hdcMem = CreateCompatibleDC(hdc);
    if (hdcMem == NULL) {
        DeleteObject(hbm);
        return 0;
    }
    hbmOld = SelectBitmap(hdcMem, hbm);
    BitBlt(hdc, 0, 0, APROPOS_LARGEUR, APROPOS_HAUTEUR, hdcMem, 0, 0, SRCCOPY);
    SelectBitmap(hdcMem, hbmOld);
    DeleteDC(hdcMem);
    DeleteObject(hbm);
    return 1;
}

static BOOL AProposDeProc_OnInitDialog(HWND hDlg, HWND hWndFocus, LPARAM lParam)
{
    RECT rcWnd, rcClient, rcBtn;
    HWND hBtn;
    int w, h;

    (void)hWndFocus;
    (void)lParam;
    /* The client area takes the picture's size exactly. The frame is
       measured on the dialog itself: a caption and a dialog frame add one
       frame width at the bottom as well as at the top, which the system
       metrics alone (caption + one frame) would take out of the picture. */
    GetWindowRect(hDlg, &rcWnd);
    GetClientRect(hDlg, &rcClient);
    w = APROPOS_LARGEUR + (rcWnd.right - rcWnd.left) - rcClient.right;
    h = APROPOS_HAUTEUR + (rcWnd.bottom - rcWnd.top) - rcClient.bottom;
    SetWindowPos(hDlg, NULL, 0, 0, w, h, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    CenterWnd(hDlg);

    /* The button ends 10 pixels left of and above the picture's corner. */
    hBtn = GetDlgItem(hDlg, IDOK);
    if (hBtn != NULL && GetWindowRect(hBtn, &rcBtn)) {
        w = rcBtn.right - rcBtn.left;
        h = rcBtn.bottom - rcBtn.top;
        MoveWindow(hBtn, APROPOS_LARGEUR - 10 - w, APROPOS_HAUTEUR - 10 - h, w, h, TRUE);
    }

    /* The version comes from version.h, as the version resource's does,
       so that the two always agree; the picture does not hold it. */
    SetDlgItemTextA(hDlg, IDC_APROPOS_VERSION, "Version " HALYARD_VERSION_TEXTE);
    MoveWindow(GetDlgItem(hDlg, IDC_APROPOS_VERSION), APROPOS_VERSION_X, APROPOS_VERSION_Y,
               APROPOS_LARGEUR / 2, 16, TRUE);
    return FALSE;
}

/* The version is written straight on the picture, in light grey. */
static HBRUSH AProposDeProc_OnCtlColorStatic(HWND hDlg, HDC hdc, HWND hWndChild, int nType)
{
    (void)hDlg;
    (void)hWndChild;
    (void)nType;
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, RGB(0xC0, 0xC0, 0xC0));
    return GetStockBrush(NULL_BRUSH);
}

static void AProposDeProc_OnPaint(HWND hDlg)
{
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hDlg, &ps);

    DessineAPropos(hdc);
    EndPaint(hDlg, &ps);
}

/* Drawing into a DC the caller gives (a metafile, a screenshot). */
static void AProposDeProc_OnPrintClient(HWND hDlg, HDC hdc)
{
    (void)hDlg;
    DessineAPropos(hdc);
}

static void AProposDeProc_OnCommand(HWND hDlg, int id, HWND hWndCtl, UINT codeNotify)
{
    (void)hWndCtl;
    (void)codeNotify;
    if (id == IDOK || id == IDCANCEL)
        EndDialog(hDlg, 1);
}

static INT_PTR CALLBACK AProposDeProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_INITDIALOG:
        return HANDLE_WM_INITDIALOG(hDlg, wParam, lParam, AProposDeProc_OnInitDialog);
    case WM_PAINT:
        (void)HANDLE_WM_PAINT(hDlg, wParam, lParam, AProposDeProc_OnPaint);
        return TRUE;
    case WM_PRINTCLIENT:
        AProposDeProc_OnPrintClient(hDlg, (HDC)wParam);
        return TRUE;
    case WM_CTLCOLORSTATIC:
        return (INT_PTR)HANDLE_WM_CTLCOLORSTATIC(hDlg, wParam, lParam, AProposDeProc_OnCtlColorStatic);
    case WM_COMMAND:
        (void)HANDLE_WM_COMMAND(hDlg, wParam, lParam, AProposDeProc_OnCommand);
        return TRUE;
    default:
        return FALSE;
    }
}

void AfficheDlgAProposDe(HWND hWnd)
{
    DialogBoxParamA(hInst, MAKEINTRESOURCEA(IDD_ABOUT), hWnd, AProposDeProc, 0);
}
