/* wndutil.cpp: small window helpers shared by every window. */
#include <windows.h>

#include <commctrl.h>
#include <stdio.h>

#include "halyardrc.h"
#include "wndutil.h"

void CenterWnd(HWND hWnd)
{
    RECT rc;
    int w, h, W, H;

    if (!GetWindowRect(hWnd, &rc))
        return;
    w = rc.right - rc.left;
    h = rc.bottom - rc.top;
    W = GetSystemMetrics(SM_CXSCREEN);
    H = GetSystemMetrics(SM_CYSCREEN);
    if (w > W || h > H)
        return;
    SetWindowPos(hWnd, NULL, (W / 2) - (w / 2), (H / 2) - (h / 2), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

INT_PTR CALLBACK CentreDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    (void)lParam;
    if (uMsg == WM_INITDIALOG) {
        CenterWnd(hDlg);
        return TRUE;
    }
    return FALSE;
}

void AvanceProgres(HWND hDlg, int nPos, int nNum, int nTotal)
{
    static DWORD dwDernier = 0;
    DWORD dwNow = GetTickCount();
    char sz[32];

    if (hDlg == NULL || (dwNow - dwDernier < 50 && nPos < nTotal))
        return;
    dwDernier = dwNow;
    SendDlgItemMessageA(hDlg, IDC_MBPROG_BAR, PBM_SETPOS, (WPARAM)nPos, 0);
    snprintf(sz, sizeof sz, "%u/%u", (unsigned)nNum, (unsigned)nTotal);
    SetDlgItemTextA(hDlg, IDC_MBPROG_TEXT, sz);
    UpdateWindow(hDlg);
}
