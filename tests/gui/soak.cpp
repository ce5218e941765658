/* soak: a long run of the real windows under Wine (tools/soak, never part
   of the tests). Opens the reports of the shared test data in turn (200
   by default, from the first again when there are fewer) and on each
   opens and closes the HCA viewer, the editor on every HSP with the
   pattern finder from it (one search), the map and the string finder.
   Prints the process memory, GDI and USER objects, heap blocks and
   windows after the first report and after the last; fails when work
   files are left in the temporary directory or the heap grew.
     halyard_soak [reports] */
#include <windows.h>
#include <psapi.h>
#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <set>
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
    if (h == INVALID_HANDLE_VALUE)
        return v;
    do
        v.push_back(fd.cFileName);
    while (FindNextFileA(h, &fd));
    FindClose(h);
    std::sort(v.begin(), v.end());
    return v;
}

static long BlocsOccupes()
{
    HANDLE hHeap = GetProcessHeap();
    PROCESS_HEAP_ENTRY e;
    long n = 0;
    e.lpData = NULL;
    HeapLock(hHeap);
    while (HeapWalk(hHeap, &e))
        n += (e.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0;
    HeapUnlock(hHeap);
    return n;
}

static BOOL CALLBACK CompteFenetre(HWND, LPARAM l)
{
    ++*(int *)l;
    return TRUE;
}

/* One line of figures; returns the heap blocks. */
static long Mesure(const char *szQuand)
{
    PROCESS_MEMORY_COUNTERS pmc = {};
    int nFenetres = 0;
    long nBlocs = BlocsOccupes();
    pmc.cb = sizeof pmc;
    GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc);
    EnumThreadWindows(GetCurrentThreadId(), CompteFenetre, (LPARAM)&nFenetres);
    printf("%-14s working set %7lu kB, private %7lu kB, GDI %lu, USER %lu, heap blocks %ld, "
           "windows %d\n", szQuand, (unsigned long)(pmc.WorkingSetSize / 1024),
           (unsigned long)(pmc.PagefileUsage / 1024),
           GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
           GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), nBlocs, nFenetres);
    fflush(stdout);
    return nBlocs;
}

/* A command of window hWnd, answering whatever box it shows with
   nReponse (a notice, the editor's "Exit the editor ?"). */
static void Commande(HWND hWnd, int id, int nReponse = IDOK)
{
    BoxAnswerer answerer({nReponse, nReponse, nReponse});
    SendMessageA(hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

static void Rapport(const std::string &szPath)
{
    {
        BoxAnswerer answerer({IDOK, IDOK, IDOK});
        if (OpenABlastFileNamed(hWndMain, szPath.c_str()) != 1)
            return;
    }
    Commande(hWndMain, 3006);                       /* Select all HSPs */
    Commande(hWndMain, 3009), PumpMessages(5);      /* HCA viewer */
    Commande(hWndMain, 3009);
    Commande(hWndMain, 3010), PumpMessages(5);      /* editor */
    if (hWndMulBla != NULL) {
        Commande(hWndMulBla, 3020), PumpMessages(5); /* Find pattern */
        if (HWND hFinder = HWNDFINDPAT) {
            SetDlgItemTextA(hFinder, IDC_FP_MOTIF, "C(DE)X{3}H");
            Commande(hFinder, IDC_SELECTALL);
            Commande(hFinder, IDOK);
            Commande(hFinder, IDCANCEL);
        }
        Commande(hWndMain, 3010, IDYES);
    }
    Commande(hWndMain, 3011), PumpMessages(5);      /* map */
    Commande(hWndMain, 3011);
    Commande(hWndMain, 3008), PumpMessages(5);      /* string finder */
    if (hWndSearchDlg != NULL)
        Commande(hWndSearchDlg, IDCANCEL);
    Commande(hWndMain, 3001), PumpMessages(5);      /* Close */
}

int main(int argc, char **argv)
{
    const std::string szDir = HALYARD_SHARED_TESTDATA "/blast/";
    const int nRapports = argc > 1 ? atoi(argv[1]) : 200;
    std::vector<std::string> rapports = Fichiers(szDir + "*.bla");
    char szTemp[MAX_PATH];
    long nPremier = 0, nDernier = 0;

    if (rapports.empty()) {
        printf("soak: no reports in %s, nothing done\n", szDir.c_str());
        return 0;
    }
    GetTempPathA(sizeof szTemp, szTemp);
    std::vector<std::string> avant = Fichiers(std::string(szTemp) + "*");
    if (!InitApplication(GetModuleHandleA(NULL)) || !InitInstance(GetModuleHandleA(NULL), SW_SHOW))
        return 2;
    PumpMessages(20);
    for (int i = 0; i < nRapports; i++) {
        Rapport(szDir + rapports[(size_t)i % rapports.size()]);
        if (i == 0)
            nPremier = Mesure("first report");
        else if (i == nRapports - 1)
            nDernier = Mesure("last report");
        else if ((i + 1) % 25 == 0)
            Mesure((std::to_string(i + 1) + " reports").c_str());
    }
    DestroyWindow(hWndMain);
    PumpMessages(20);
    std::vector<std::string> apres = Fichiers(std::string(szTemp) + "*"), restes;
    std::set_difference(apres.begin(), apres.end(), avant.begin(), avant.end(),
                        std::back_inserter(restes));
    for (const std::string &s : restes)
        printf("left in the temporary directory: %s\n", s.c_str());
    printf("%d reports; heap blocks %+ld from the first to the last\n", nRapports,
           nDernier - nPremier);
    return restes.empty() && nDernier <= nPremier ? 0 : 1;
}
