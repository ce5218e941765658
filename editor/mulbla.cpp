/* mulbla.cpp: the VazEva editor's windows. The editor is not built yet:
 * its window classes exist with the platform's default behaviour, and
 * the F3 command opens nothing.
 */
#include <windows.h>

#include "HALYARD.h"

void MulBlastDlg(HWND hWndOwner)
{
    (void)hWndOwner;
}

LRESULT CALLBACK MulBlaProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

LRESULT CALLBACK MulBlaConsProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

LRESULT CALLBACK MulBlaAlignProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

LRESULT CALLBACK MulBlaListProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

LRESULT CALLBACK MulBlaScaleProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}
