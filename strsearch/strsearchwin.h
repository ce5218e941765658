/* strsearchwin.h: the String Finder dialog (Win32). PrepareSearchData, its
 * entry point from the main window, is declared in HALYARD.h; the record
 * and the search are the portable core's (strsearch.h).
 */
#ifndef HALYARD_STRSEARCHWIN_H
#define HALYARD_STRSEARCHWIN_H

#include <windows.h>

#include "strsearch.h"

/* Creates dialog IDD_STRSEARCH modelessly, owned by hWnd, with the record
   as its parameter; from its initialisation on the dialog owns the record
   and releases it when it is destroyed. Returns the dialog, or NULL (the
   record then stays the caller's). */
HWND CreeStrSearchDlg(HWND hWnd, pDATASTRINGSEARCH pSearch);

INT_PTR CALLBACK StringSearchProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);

/* Fills list idLBox of dialog hWnd with the entries of the hits whose text
   holds szString (upper case), writes the count line, enables the list
   and gives it the focus. Returns the number found. */
int SearchForString(HWND hWnd, int idLBox, const char *szString, pDATASTRINGSEARCH pSearch);

#endif /* HALYARD_STRSEARCHWIN_H */
