/* Benchmark of the VazEva editor under Windows (or Wine): opens a report
 * in Halyard's real main window, marks its first nHsp HSPs (default
 * 1,000), then times F3's work (loading the rows and creating the
 * editor's windows) and a full repaint of the editor, and gives the
 * process's peak working set. Usage: winbench_editor REPORT [nHsp].
 * A report of 334 hits of 3 HSPs comes from `bench_reader 334 FILE`.
 */
#include <windows.h>
#include <psapi.h>
#include <stdio.h>
#include <stdlib.h>

#include "HALYARD.h"
#include "mulbwin.h"

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
    unsigned nHsp = argc > 2 ? (unsigned)atoi(argv[2]) : 1000;
    HINSTANCE hInstance = GetModuleHandleA(NULL);
    LARGE_INTEGER t0, t1, t2;
    PROCESS_MEMORY_COUNTERS pmc;
    unsigned nMarques;

    if (argc < 2) {
        fprintf(stderr, "usage: winbench_editor REPORT [nHsp]\n");
        return 2;
    }
    if (!InitApplication(hInstance) || !InitInstance(hInstance, SW_SHOW))
        return 1;
    if (OpenABlastFileNamed(hWndMain, argv[1]) != 1) {
        fprintf(stderr, "%s: not read\n", argv[1]);
        return 1;
    }
    Pompe();
    nMarques = MarqueHsp(DocumentOf(hWndMain), nHsp);

    QueryPerformanceCounter(&t0);
    MulBlastDlg(hWndMain);
    QueryPerformanceCounter(&t1);
    if (hWndMulBla == NULL) {
        fprintf(stderr, "the editor did not open\n");
        return 1;
    }
    RedrawWindow(hWndMulBla, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    QueryPerformanceCounter(&t2);

    pmc.cb = sizeof pmc;
    GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc);
    printf("editor on %u HSPs (%d rows x %d columns)\n", nMarques, PMULBLA->nSeq, PMULBLA->nTaille);
    printf("opening (loading + windows): %.0f ms\n", Millisecondes(t0, t1));
    printf("full repaint of the editor:  %.0f ms\n", Millisecondes(t1, t2));
    printf("peak working set: %.1f MB\n", (double)pmc.PeakWorkingSetSize / 1e6);
    DestroyWindow(hWndMulBla);
    DestroyWindow(hWndMain);
    return 0;
}
