/* Benchmark of the tools' windows under Windows (or Wine): opens a report
 * in Halyard's real main window, marks its first nHsp HSPs, then times
 * the opening of the VazEva editor (F3: loading the rows and creating the
 * windows) or of the BLAST map (F4: preparing the rows and the histogram
 * and creating the windows), and a full repaint of the tool; gives the
 * process's peak working set.
 * Usage: winbench_tools editor|map REPORT nHsp. A report of 334 hits of
 * 3 HSPs comes from `bench_reader 334 FILE`.
 * winbench_tools open REPORT times the opening of the report itself, as
 * the command line opens it, until HSP 1 is drawn, then showing other
 * HSPs the ways a user does: a row chosen in the hit list (first, middle,
 * last), Home, End and Page Up in the list, the next and previous HSP
 * (medians of 7), and gives the peak working set.
 */
#include <windows.h>
#include <windowsx.h>
#include <psapi.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "HALYARD.h"
#include "mulbwin.h"
#include "statwin.h"

static double Millisecondes(LARGE_INTEGER t0, LARGE_INTEGER t1)
{
    LARGE_INTEGER f;

    QueryPerformanceFrequency(&f);
    return (double)(t1.QuadPart - t0.QuadPart) * 1000.0 / (double)f.QuadPart;
}

static void Pompe(void)
{
    MSG msg;

    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

/* Marks the first nHsp HSPs in file order; returns how many were. */
static unsigned MarqueHsp(pDataGeneralPrg pData, unsigned nHsp)
{
    unsigned n = 0;

    for (unsigned i = 0; i < pData->nHSP; i++)
        for (unsigned j = 0; j < pData->pHSPResultat[i]->unHSP; j++)
            if (n < nHsp) {
                pData->pHSPResultat[i]->nHSPselected[j] = 1;
                n++;
            }
    return n;
}

static LARGE_INTEGER Maintenant(void)
{
    LARGE_INTEGER t;

    QueryPerformanceCounter(&t);
    return t;
}

/* Repaints what a change of HSP invalidated: the pane and the headers. */
static void Peint(void)
{
    UpdateWindow(HWNDALIGN);
    UpdateWindow(hWndMain);
    UpdateWindow(HWNDRESULT);
}

/* Time of showing hit nRow+1 by choosing its row, as a click does. */
static double ChoisitLigne(int nRow)
{
    LARGE_INTEGER t0 = Maintenant();

    ListBox_SetCurSel(HWNDRESULT, nRow);
    SendMessageA(hWndMain, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(HWNDRESULT), LBN_SELCHANGE),
                 (LPARAM)HWNDRESULT);
    Peint();
    return Millisecondes(t0, Maintenant());
}

/* Time of a key pressed in the hit list, or of a command of the main
   window (next or previous HSP) when vk is 0. */
static double Touche(UINT vk, int idCommande, HWND hCtl)
{
    LARGE_INTEGER t0 = Maintenant();

    if (vk != 0) {
        SendMessageA(HWNDRESULT, WM_KEYDOWN, vk, 0);
        SendMessageA(HWNDRESULT, WM_KEYUP, vk, 0);
    } else {
        SendMessageA(hWndMain, WM_COMMAND, MAKEWPARAM(idCommande, BN_CLICKED), (LPARAM)hCtl);
    }
    Peint();
    return Millisecondes(t0, Maintenant());
}

/* The median of n times (n at most 16, sorted in place). */
static double Mediane(double *pd, int n)
{
    for (int i = 1; i < n; i++)
        for (int j = i; j > 0 && pd[j - 1] > pd[j]; j--) {
            double d = pd[j];
            pd[j] = pd[j - 1];
            pd[j - 1] = d;
        }
    return pd[n / 2];
}

#define NFOIS 7

static int BenchOuverture(const char *szReport)
{
    PROCESS_MEMORY_COUNTERS pmc;
    LARGE_INTEGER t0 = Maintenant();
    double dFirst[NFOIS], dMiddle[NFOIS], dLast[NFOIS], dHome[NFOIS], dEnd[NFOIS], dPrior[NFOIS],
        dNext[NFOIS], dPrev[NFOIS];

    if (OpenABlastFileNamed(hWndMain, szReport) != 1) {
        fprintf(stderr, "%s: not read\n", szReport);
        return 1;
    }
    Peint();
    double dOpen = Millisecondes(t0, Maintenant());
    pDataGeneralPrg pData = DocumentOf(hWndMain);
    int nRows = ListBox_GetCount(HWNDRESULT);
    Pompe();

    /* The machine may be shared: each switch is timed NFOIS times and
       its median given. */
    for (int i = 0; i < NFOIS; i++) {
        dFirst[i] = ChoisitLigne(0);
        dMiddle[i] = ChoisitLigne(nRows / 2);
        dLast[i] = ChoisitLigne(nRows - 1);
        dHome[i] = Touche(VK_HOME, 0, NULL);
        dEnd[i] = Touche(VK_END, 0, NULL);
        dPrior[i] = Touche(VK_PRIOR, 0, NULL);
        ChoisitLigne(nRows - 1);
        dNext[i] = Touche(0, GetDlgCtrlID(HWNDBTNNEXTALIGN), HWNDBTNNEXTALIGN);
        dPrev[i] = Touche(0, GetDlgCtrlID(HWNDBTNPREVALIGN), HWNDBTNPREVALIGN);
    }
    bool bPlusieurs = pData->pHSPResultat[nRows - 1]->unHSP > 1;
    pmc.cb = sizeof pmc;
    GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc);

    printf("report: %u hits, %u HSPs, %d rows in the list\n", pData->nAlign, pData->nAlignTotal,
           nRows);
    printf("opening until HSP 1 is drawn: %.0f ms\n", dOpen);
    printf("row chosen (first, middle, last): %.1f %.1f %.1f ms\n", Mediane(dFirst, NFOIS),
           Mediane(dMiddle, NFOIS), Mediane(dLast, NFOIS));
    printf("Home, End, PageUp in the list: %.1f %.1f %.1f ms\n", Mediane(dHome, NFOIS),
           Mediane(dEnd, NFOIS), Mediane(dPrior, NFOIS));
    if (bPlusieurs)
        printf("next, previous HSP of the last hit: %.1f %.1f ms\n", Mediane(dNext, NFOIS),
               Mediane(dPrev, NFOIS));
    printf("peak working set: %.1f MB\n", (double)pmc.PeakWorkingSetSize / 1e6);
    DestroyWindow(hWndMain);
    return 0;
}

int main(int argc, char **argv)
{
    HINSTANCE hInstance = GetModuleHandleA(NULL);
    LARGE_INTEGER t0, t1, t2;
    PROCESS_MEMORY_COUNTERS pmc;
    unsigned nMarques;
    bool bMap;
    HWND hWndOutil;

    if (argc == 3 && strcmp(argv[1], "open") == 0) {
        if (!InitApplication(hInstance) || !InitInstance(hInstance, SW_SHOW))
            return 1;
        Pompe();
        return BenchOuverture(argv[2]);
    }
    if (argc < 4 || (strcmp(argv[1], "editor") != 0 && strcmp(argv[1], "map") != 0)) {
        fprintf(stderr, "usage: winbench_tools editor|map REPORT nHsp, or open REPORT\n");
        return 2;
    }
    bMap = strcmp(argv[1], "map") == 0;
    if (!InitApplication(hInstance) || !InitInstance(hInstance, SW_SHOW))
        return 1;
    if (OpenABlastFileNamed(hWndMain, argv[2]) != 1) {
        fprintf(stderr, "%s: not read\n", argv[2]);
        return 1;
    }
    Pompe();
    nMarques = MarqueHsp(DocumentOf(hWndMain), (unsigned)atoi(argv[3]));

    QueryPerformanceCounter(&t0);
    if (bMap)
        CreationStatBlaWin(DocumentOf(hWndMain)->nAlignTotal);
    else
        MulBlastDlg(hWndMain);
    QueryPerformanceCounter(&t1);
    hWndOutil = bMap ? hWndStatBla : hWndMulBla;
    if (hWndOutil == NULL) {
        fprintf(stderr, "the %s did not open\n", argv[1]);
        return 1;
    }
    RedrawWindow(hWndOutil, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    QueryPerformanceCounter(&t2);

    pmc.cb = sizeof pmc;
    GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc);
    if (bMap)
        printf("map of %u HSPs (%d rows, query of %d)\n", nMarques, pStat->nSeq, pStat->nTaille);
    else
        printf("editor on %u HSPs (%d rows x %d columns)\n", nMarques, PMULBLA->nSeq, PMULBLA->nTaille);
    printf("opening: %.0f ms\n", Millisecondes(t0, t1));
    printf("full repaint: %.0f ms\n", Millisecondes(t1, t2));
    printf("peak working set: %.1f MB\n", (double)pmc.PeakWorkingSetSize / 1e6);
    DestroyWindow(hWndOutil);
    DestroyWindow(hWndMain);
    return 0;
}
