/* mulbcmd.cpp: the editor's row commands (rename, remove, merge, move,
 * consensus, pattern finder) and its MSF export. Not built yet: the menu
 * items and toolbar buttons reach these entry points, which do nothing.
 */
#include <windows.h>

#include "mulbwin.h"

void SauveMsfDlg(HWND hWndOwner)
{
    (void)hWndOwner;
}

void CommandeSequence(HWND hWnd, int idCommand)
{
    (void)hWnd;
    (void)idCommand;
}
