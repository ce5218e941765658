/* wndutil.h: small window helpers shared by every window of the program. */
#ifndef HALYARD_WNDUTIL_H
#define HALYARD_WNDUTIL_H

#include <windows.h>

/* Centres hWnd on the screen, keeping its size; a window larger than the
   screen in either direction stays where it is. */
void CenterWnd(HWND hWnd);

/* Procedure of a dialog that only displays (progress boxes): it centres
   itself when it opens. */
INT_PTR CALLBACK CentreDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);

#endif
