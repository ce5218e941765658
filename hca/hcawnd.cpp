/* hcawnd.cpp: the HCA viewer's windows. The viewer is not built yet:
 * its window classes exist (registered at start-up) with the platform's
 * default behaviour, and the F2 command opens nothing.
 */
#include <windows.h>

#include "HALYARD.h"

HWND HWNDHCAFRAME = NULL;
HWND HWNDHCAMAIN = NULL;

BOOL CreeHCAWindows(HWND hWndOwner)
{
    (void)hWndOwner;
    return FALSE;
}

void FermeHCADiag(void)
{
}

void CreationNvHCA(const char *szSeq, const unsigned *pTxtClr, const unsigned *pBkClr,
                   unsigned nStart, const char *szName, pDataGeneralPrg pData)
{
    (void)szSeq; (void)pTxtClr; (void)pBkClr; (void)nStart; (void)szName; (void)pData;
}

LRESULT CALLBACK HCAMainWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

LRESULT CALLBACK HcaFrameProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

LRESULT CALLBACK DrawHCAProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}
