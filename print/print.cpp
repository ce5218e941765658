/* print.cpp: printer set-up and printouts. Not built yet: the commands
 * do nothing.
 */
#include <windows.h>

#include "HALYARD.h"

void ReadDefPrinter(HWND hWnd)
{
    (void)hWnd;
}

void SetThePrinterUp(HWND hWnd)
{
    (void)hWnd;
}

void Imprime(HWND hWnd, pDataGeneralPrg pData)
{
    (void)hWnd;
    (void)pData;
}
