/* os_win.cpp: the platform layer on Win32 (same contract as
   os_portable.cpp, see os.h). Notices are message boxes with texts from
   the string table; the heap is the process heap. */
#include <windows.h>
#include <commctrl.h>
#include <stdio.h>
#include <string.h>

#include "os.h"
#include "halyardrc.h"
#include "wndutil.h"

/* ---- Notices ------------------------------------------------------- */

int OsLoadString(unsigned id, char *szBuf, int cchBuf)
{
    if (cchBuf <= 0)
        return 0;
    szBuf[0] = '\0';
    return LoadStringA(GetModuleHandleA(NULL), id, szBuf, cchBuf);
}

int OsNotice(int nKind, unsigned idCaption, unsigned idText, OSWND hOwner)
{
    char szCaption[256], szText[256];
    UINT uType;

    OsLoadString(idCaption, szCaption, sizeof szCaption);
    OsLoadString(idText, szText, sizeof szText);
    switch (nKind) {
    case OS_NOTICE_ASK:  uType = MB_ICONQUESTION | MB_YESNO; break;
    case OS_NOTICE_INFO: uType = MB_ICONINFORMATION | MB_OK; break;
    default:             uType = MB_ICONERROR | MB_OK;       break;
    }
    return MessageBoxA((HWND)hOwner, szText, szCaption, uType);
}

int OsNoticeArg(int nKind, unsigned idCaption, unsigned idText, const char *szArg, OSWND hOwner)
{
    char szCaption[256], szFormat[256], szText[512];
    UINT uType;

    OsLoadString(idCaption, szCaption, sizeof szCaption);
    OsLoadString(idText, szFormat, sizeof szFormat);
    snprintf(szText, sizeof szText, szFormat, szArg);
    switch (nKind) {
    case OS_NOTICE_ASK:  uType = MB_ICONQUESTION | MB_YESNO; break;
    case OS_NOTICE_INFO: uType = MB_ICONINFORMATION | MB_OK; break;
    default:             uType = MB_ICONERROR | MB_OK;       break;
    }
    return MessageBoxA((HWND)hOwner, szText, szCaption, uType);
}

void OsMemoryNotice(const char *szText)
{
    /* NULL caption: the system's default ("Error"). */
    MessageBoxA(GetActiveWindow(), szText, NULL, MB_ICONHAND | MB_SYSTEMMODAL);
}

/* ---- Heap ---------------------------------------------------------- */

/* The process heap, fetched once. */
static HANDLE ProcessHeap(void)
{
    static HANDLE hHeap = NULL;

    if (hHeap == NULL)
        hHeap = GetProcessHeap();
    return hHeap;
}

/* HEAP_GENERATE_EXCEPTIONS would tell exhaustion from corruption through
   structured exceptions, which this compiler cannot catch; a failed call
   is reported as exhaustion, and a block the heap does not know (checked
   first with HeapValidate) as corruption. */
void *OsHeapAlloc(size_t cb, int *pnFail)
{
    void *p = HeapAlloc(ProcessHeap(), HEAP_ZERO_MEMORY, cb);

    if (p == NULL)
        *pnFail = OS_HEAP_NOMEM;
    return p;
}

void *OsHeapReAlloc(void *pBlock, size_t cb, int *pnFail)
{
    void *p;

    if (pBlock == NULL || !HeapValidate(ProcessHeap(), 0, pBlock)) {
        *pnFail = OS_HEAP_CORRUPT;
        return NULL;
    }
    p = HeapReAlloc(ProcessHeap(), HEAP_ZERO_MEMORY, pBlock, cb);
    if (p == NULL)
        *pnFail = OS_HEAP_NOMEM;
    return p;
}

int OsHeapFree(void *pBlock)
{
    if (!HeapValidate(ProcessHeap(), 0, pBlock))
        return 0;
    return HeapFree(ProcessHeap(), 0, pBlock) ? 1 : 0;
}

size_t OsHeapSize(void *pBlock)
{
    if (pBlock == NULL || !HeapValidate(ProcessHeap(), 0, pBlock))
        return (size_t)-1;
    return HeapSize(ProcessHeap(), 0, pBlock);
}

/* ---- Private profile, files and paths ------------------------------ */

int OsGetProfileInt(const char *szSection, const char *szKey, int nDefault,
                    const char *szFile)
{
    return (int)GetPrivateProfileIntA(szSection, szKey, nDefault, szFile);
}

int OsGetTempDir(char *szBuf, int cchBuf)
{
    DWORD n = GetTempPathA((DWORD)cchBuf, szBuf);

    return (n == 0 || n >= (DWORD)cchBuf) ? 0 : (int)n;
}

int OsCreateTempFile(const char *szPrefix, char *szBuf, int cchBuf)
{
    char szDir[MAX_PATH];

    if (OsGetTempDir(szDir, sizeof szDir) == 0)
        return 0;
    return OsCreateTempFileIn(szDir, szPrefix, szBuf, cchBuf);
}

int OsCreateTempFileIn(const char *szDir, const char *szPrefix, char *szBuf, int cchBuf)
{
    if (cchBuf < MAX_PATH)
        return 0;
    return GetTempFileNameA(szDir[0] != '\0' ? szDir : ".", szPrefix, 0, szBuf) != 0 ? 1 : 0;
}

int OsReplaceFile(const char *szFrom, const char *szTo)
{
    return MoveFileExA(szFrom, szTo, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) ? 1 : 0;
}

int OsGetModulePath(char *szBuf, int cchBuf)
{
    DWORD n = GetModuleFileNameA(NULL, szBuf, (DWORD)cchBuf);

    /* A full buffer means the path was cut. */
    return (n == 0 || n >= (DWORD)cchBuf) ? 0 : (int)n;
}

/* ---- Progress box -------------------------------------------------- */

void *OsProgressOpen(OSWND hOwner)
{
    HWND hDlg = CreateDialogParamA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDD_READBLAST),
                                   (HWND)hOwner, CentreDlgProc, 0);

    if (hDlg != NULL) {
        ShowWindow(hDlg, SW_SHOW);
        UpdateWindow(hDlg);
    }
    return hDlg;
}

void OsProgressSetText(void *hProgress, int idCtl, const char *szText)
{
    if (hProgress == NULL)
        return;
    SetDlgItemTextA((HWND)hProgress, idCtl, szText);
    UpdateWindow(GetDlgItem((HWND)hProgress, idCtl));
}

/* The reader steps the bar once per hit. Moving it at every step (the bar
   invalidated and repainted, a round trip to the display under Wine) cost
   far more than reading the hit: 75,950 hits took minutes. The bar is
   moved when it has gone a percent of its range further, or 50 ms after
   it last moved, and at its last step. There is one reader, so one bar. */
static struct {
    HWND  hDlg;      /* the box whose bar this is                       */
    int   nMax;      /* range                                           */
    int   nPos;      /* steps taken                                     */
    int   nShown;    /* position the bar shows                          */
    DWORD dwShown;   /* when it last moved                              */
} g_Barre;

void OsProgressSetRange(void *hProgress, int nMax)
{
    if (hProgress == NULL)
        return;
    SendDlgItemMessageA((HWND)hProgress, IDC_PROG_BAR, PBM_SETRANGE32, 0, nMax);
    SendDlgItemMessageA((HWND)hProgress, IDC_PROG_BAR, PBM_SETSTEP, 1, 0);
    SendDlgItemMessageA((HWND)hProgress, IDC_PROG_BAR, PBM_SETPOS, 0, 0);
    g_Barre.hDlg = (HWND)hProgress;
    g_Barre.nMax = nMax;
    g_Barre.nPos = 0;
    g_Barre.nShown = 0;
    g_Barre.dwShown = GetTickCount();
}

void OsProgressStep(void *hProgress)
{
    DWORD dwNow;

    if (hProgress == NULL || (HWND)hProgress != g_Barre.hDlg || g_Barre.nPos >= g_Barre.nMax)
        return;
    g_Barre.nPos++;
    dwNow = GetTickCount();
    if (g_Barre.nPos - g_Barre.nShown < g_Barre.nMax / 100 + 1 && dwNow - g_Barre.dwShown < 50
        && g_Barre.nPos < g_Barre.nMax)
        return;
    g_Barre.nShown = g_Barre.nPos;
    g_Barre.dwShown = dwNow;
    SendDlgItemMessageA((HWND)hProgress, IDC_PROG_BAR, PBM_SETPOS, (WPARAM)g_Barre.nPos, 0);
    UpdateWindow(GetDlgItem((HWND)hProgress, IDC_PROG_BAR));
}

void OsProgressClose(void *hProgress)
{
    if (hProgress == NULL)
        return;
    if ((HWND)hProgress == g_Barre.hDlg)
        g_Barre.hDlg = NULL;
    DestroyWindow((HWND)hProgress);
}
