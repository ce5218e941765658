/* toolbar.cpp: toolbar tooltips, shared by the main window, the HCA
 * viewer and the VazEva editor, and the enabling of the main toolbar's
 * report buttons.
 */
#include <windows.h>
#include <commctrl.h>

#include "HALYARD.h"

/* Commands of the main toolbar's buttons; tooltip text = 2000 + index. */
const int NIDHALYARDMAINBTN[8] = { 3000, 3024, 3023, 3002, 3009, 3010, 3011, 3003 };

LRESULT InitToolTip(HWND hWndToolbar)
{
    HWND hWndTip = (HWND)SendMessageA(hWndToolbar, TB_GETTOOLTIPS, 0, 0);
    TOOLINFOA ti;

    if (hWndTip == NULL)
        return 0;
    /* The old 40-byte description: the toolbar's buttons answer their
       own text requests, this tool only needs to exist. */
    ZeroMemory(&ti, sizeof ti);
    ti.cbSize = TTTOOLINFOA_V1_SIZE;
    ti.uFlags = TTF_IDISHWND | TTF_CENTERTIP | TTF_SUBCLASS;
    ti.hwnd = hWndToolbar;
    ti.uId = (UINT_PTR)hWndTip;
    ti.lpszText = LPSTR_TEXTCALLBACKA;
    return SendMessageA(hWndTip, TTM_ADDTOOLA, 0, (LPARAM)&ti);
}

void CopyToolTipText(LPTOOLTIPTEXTA lpttt, const int *pnTable, int nTable, int nBase)
{
    for (int i = 0; i < nTable && pnTable[i] != -1; i++) {
        if ((UINT_PTR)pnTable[i] == lpttt->hdr.idFrom) {
            lpttt->hinst = hInst;
            lpttt->lpszText = MAKEINTRESOURCEA((WORD)(nBase + i));
            return;
        }
    }
}

void HalyardMainToolBarEnableBtn(BOOL bEnable)
{
    static const int idReport[] = { 3002, 3024, 3009, 3010, 3011 };

    for (int id : idReport)
        SendMessageA(HWNDTOOLBAR, TB_ENABLEBUTTON, id, MAKELONG(LOWORD(bEnable), 0));
}
