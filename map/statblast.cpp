/* statblast.cpp: the BLAST map's windows. The map is not built yet: its
 * window classes exist with the platform's default behaviour, and the F4
 * command opens nothing.
 */
#include <windows.h>

#include "HALYARD.h"

int CreationStatBlaWin(unsigned nTotal)
{
    (void)nTotal;
    return 0;
}

LRESULT CALLBACK StatBlaMainProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

LRESULT CALLBACK StatBlaListNameProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

LRESULT CALLBACK StatBlaListBgraphProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

LRESULT CALLBACK StatBlaHistoProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}
