/* soak [reports]: the long run of tools/soak (not a test). The shared test
   reports in turn (200, cycling), on each the HCA viewer, the editor on
   every HSP with a pattern search, the map and the String Finder, opened
   and closed. Prints the memory figures after the first report, every 25
   and the last; fails on work files left in the temporary directory, or
   on memory still growing after a first round of the reports. */
#include <windows.h>
#include <psapi.h>
#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <string>
#include <vector>

#include "HALYARD.h"
#include "findpatrc.h"
#include "harness.h"
#include "mulbwin.h"

static std::vector<std::string> Fichiers(const std::string &szMotif)
{
    std::vector<std::string> v;
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA(szMotif.c_str(), &fd);
    for (BOOL b = h != INVALID_HANDLE_VALUE; b; b = FindNextFileA(h, &fd))
        v.push_back(fd.cFileName);
    FindClose(h);
    std::sort(v.begin(), v.end());
    return v;
}

/* One line of figures; gives the busy blocks of every heap of the process
   (the C runtime's malloc has a heap of its own) and the private kB. */
static std::pair<long, long> Mesure(const std::string &szQuand)
{
    HANDLE aHeaps[64];
    DWORD nHeaps = GetProcessHeaps(64, aHeaps);
    long nBlocs = 0;
    for (DWORD i = 0; i < nHeaps && i < 64; i++) {
        PROCESS_HEAP_ENTRY e;
        e.lpData = NULL;
        HeapLock(aHeaps[i]);
        while (HeapWalk(aHeaps[i], &e))
            nBlocs += (e.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0;
        HeapUnlock(aHeaps[i]);
    }
    PROCESS_MEMORY_COUNTERS pmc = {};
    pmc.cb = sizeof pmc;
    GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc);
    printf("%-15s working set %6lu kB, private %6ld kB, GDI %lu, USER %lu, heap blocks %ld\n", szQuand.c_str(),
           (unsigned long)(pmc.WorkingSetSize / 1024), (long)(pmc.PagefileUsage / 1024),
           GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), nBlocs);
    fflush(stdout);
    return { nBlocs, (long)(pmc.PagefileUsage / 1024) };
}

/* A command of window hWnd, answering whatever box it shows with
   nReponse (a notice, the editor's "Exit the editor ?"). */
static void Commande(HWND hWnd, int id, int nReponse = IDOK)
{
    BoxAnswerer answerer({nReponse, nReponse, nReponse});
    SendMessageA(hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    PumpMessages(5);
}

static void Rapport(const std::string &szPath)
{
    if (BoxAnswerer({IDOK, IDOK, IDOK}), OpenABlastFileNamed(hWndMain, szPath.c_str()) != 1)
        return;
    for (int id : { 3006, 3009, 3009, 3010 })      /* all HSPs, the HCA viewer opened and closed, the editor */
        Commande(hWndMain, id);
    if (hWndMulBla != NULL) {
        Commande(hWndMulBla, 3020);                 /* Find pattern */
        if (HWND hFinder = HWNDFINDPAT) {
            SetDlgItemTextA(hFinder, IDC_FP_MOTIF, "C(DE)X{3}H");
            for (int id : { IDC_SELECTALL, IDOK, IDCANCEL })
                Commande(hFinder, id);
        }
        Commande(hWndMain, 3010, IDYES);
    }
    for (int id : { 3011, 3011, 3008 })            /* the map opened and closed, the String Finder */
        Commande(hWndMain, id);
    if (hWndSearchDlg != NULL)
        Commande(hWndSearchDlg, IDCANCEL);
    Commande(hWndMain, 3001);                       /* Close */
}

int main(int argc, char **argv)
{
    const std::string szDir = HALYARD_SHARED_TESTDATA "/blast/";
    const int nRapports = argc > 1 ? atoi(argv[1]) : 200;
    std::vector<std::string> rapports = Fichiers(szDir + "*.bla");
    char szTemp[MAX_PATH];
    const int nTour = std::min((int)rapports.size(), nRapports); /* one round */
    std::pair<long, long> tour, fin;

    if (rapports.empty())
        return printf("soak: no reports in %s, nothing done\n", szDir.c_str()), 0;
    GetTempPathA(sizeof szTemp, szTemp);
    std::vector<std::string> avant = Fichiers(std::string(szTemp) + "*"), restes;
    if (!InitApplication(GetModuleHandleA(NULL)) || !InitInstance(GetModuleHandleA(NULL), SW_SHOW))
        return 2;
    PumpMessages(20);
    for (int i = 0; i < nRapports; i++) {
        Rapport(szDir + rapports[(size_t)i % rapports.size()]);
        if (i == nTour - 1)
            tour = Mesure(std::to_string(nTour) + " reports");
        if (i == nRapports - 1)
            fin = Mesure("last report");
        else if (i == 0 || (i + 1) % 25 == 0)
            Mesure(i == 0 ? "first report" : std::to_string(i + 1) + " reports");
    }
    DestroyWindow(hWndMain);
    PumpMessages(20);
    std::vector<std::string> apres = Fichiers(std::string(szTemp) + "*");
    std::set_difference(apres.begin(), apres.end(), avant.begin(), avant.end(), std::back_inserter(restes));
    for (const std::string &s : restes)
        printf("left in the temporary directory: %s\n", s.c_str());
    /* Flat: after one round through the reports (what Wine caches once is
       cached), no heap block more and at most 2 kB a report. */
    long nGain = (fin.second - tour.second) / std::max(1, nRapports - nTour);
    printf("%d reports; after the first round: heap blocks %+ld, private %+ld kB a report\n",
           nRapports, fin.first - tour.first, nGain);
    return restes.empty() && fin.first <= tour.first && nGain <= 2 ? 0 : 1;
}
