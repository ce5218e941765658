/* HALYARD.h: program-wide declarations of the Win32 layer: the shared
   records (from the portable core) and the globals of the windows. */
#ifndef HALYARD_HALYARD_H
#define HALYARD_HALYARD_H

#include <windows.h>

#include "document.h"
#include "memory.h"
#include "halyardrc.h"
#include "wndutil.h"

extern HINSTANCE hInst;
extern HWND hWndMain;

#endif
