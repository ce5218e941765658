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

/* Shows the progress of a long loop in a box made of dialog 2005 (a bar
   and a "n/total" text): position nPos of the bar, text nNum/nTotal. The
   loop runs without a message loop, so the box is repainted here, but at
   most every 50 ms and at the end: repainting at every step would cost
   more than the steps (a millisecond each under Wine). */
void AvanceProgres(HWND hDlg, int nPos, int nNum, int nTotal);

#endif
