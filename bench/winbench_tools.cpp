/* Benchmark of the tools' windows under Windows (or Wine): opens a report
 * in Halyard's real main window, marks its first nHsp HSPs, then times
 * the opening of the VazEva editor (F3: loading the rows and creating the
 * windows) or of the BLAST map (F4: preparing the rows and the histogram
 * and creating the windows), and a full repaint of the tool; gives the
 * process's peak working set.
 * Usage: winbench_tools editor|map REPORT nHsp. A report of 334 hits of
 * 3 HSPs comes from `bench_reader 334 FILE`.
 */
#include <windows.h>
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

int main(int argc, char **argv)
{
    HINSTANCE hInstance = GetModuleHandleA(NULL);
    LARGE_INTEGER t0, t1, t2;
    PROCESS_MEMORY_COUNTERS pmc;
    unsigned nMarques;
    bool bMap;
    HWND hWndOutil;

    if (argc < 4 || (strcmp(argv[1], "editor") != 0 && strcmp(argv[1], "map") != 0)) {
        fprintf(stderr, "usage: winbench_tools editor|map REPORT nHsp\n");
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
