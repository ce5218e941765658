/* strsearch.cpp: the String Finder. Not built yet: the command opens
 * nothing.
 */
#include <windows.h>

#include "HALYARD.h"

HWND PrepareSearchData(HWND hWnd, pDataGeneralPrg pData)
{
    (void)hWnd;
    (void)pData;
    return NULL;
}
