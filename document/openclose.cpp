/* openclose.cpp: opening and closing a report in the main window.
 *
 * Both keep three invariants: at most one report is open; its HSP index
 * file exists exactly while it is open; the tools that show data of a
 * report (editor, HCA viewer, map) never outlive it. Input the reader
 * cannot digest ends in one notice and an empty document, never in a
 * half-built one.
 */
#include <windows.h>
#include <windowsx.h>
#include <commdlg.h>
#include <stdio.h>
#include <string.h>

#include "HALYARD.h"
#include "blastread.h"

void AfficheNomFichier(HWND hWnd, const char *szPrefix, const char *szSuffix)
{
    char sz[256];

    if (szPrefix != NULL)
        lstrcpynA(sz, szPrefix, sizeof sz);
    else
        GetWindowTextA(hWnd, sz, sizeof sz);
    if (szSuffix != NULL) {
        size_t n = strlen(sz);
        lstrcpynA(sz + n, szSuffix, (int)(sizeof sz - n));
    }
    SetWindowTextA(hWnd, sz);
}

BOOL OuvrirFichier(HWND hWnd, char *szPath, char *szName, const char *szInitialDir)
{
    OPENFILENAMEA ofn;

    szPath[0] = '\0';
    ZeroMemory(&ofn, sizeof ofn);
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = hWnd;
    ofn.lpstrFilter = "BLAST file (*.bla)\0*.bla\0Text file (*.txt)\0*.txt\0All (*.*)\0*.*\0";
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = szPath;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrFileTitle = szName;
    ofn.nMaxFileTitle = 256;
    ofn.lpstrInitialDir = szInitialDir;
    ofn.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    return GetOpenFileNameA(&ofn);
}

/* Tests the report named in szFilePath and reserves its index file. */
static int AccepteFichier(HWND hWnd, pDataGeneralPrg pData)
{
    if (TestFichier(pData->szFilePath) != TF_OK) {
        MyErrMsgBox(IDS_HALYARD, IDS_BADFORMAT, hWnd);
        return 0;
    }
    if (!ChoisitRequete(hWnd, pData))
        return 0;
    /* Reserved in a buffer of its own: if it fails, szFileSortie still
       names the open report's index file. */
    char szSortie[MAX_PATH];
    if (!OsCreateTempFile("halyard", szSortie, sizeof szSortie)) {
        MyErrMsgBox(IDS_HALYARD, IDS_NOOPENTEMP, hWnd);
        return 0;
    }
    lstrcpynA(pData->szFileSortie, szSortie, sizeof pData->szFileSortie);
    return 1;
}

int ChooseFileName(HWND hWnd, pDataGeneralPrg pData)
{
    if (!OuvrirFichier(hWnd, pData->szFilePath, pData->szFileName, pData->szWorkingDirectory)) {
        if (CommDlgExtendedError() != 0)
            MyErrMsgBox(IDS_HALYARD, IDS_BADFORMAT, hWnd);
        return 0;
    }
    return AccepteFichier(hWnd, pData);
}

/* The title after a read: the file name when it was read whole; for a
   report of several queries, which one was read, and whether whole. */
static void AfficheTitre(HWND hWnd, pDataGeneralPrg pData, int r)
{
    const DataBlastFile *pFich = &pData->FichierBlast;
    char szSuffix[400] = "";
    int n = 0;

    if (r == LB_OK)
        n = snprintf(szSuffix, sizeof szSuffix, "-   %s", pData->szFileName);
    if ((r == LB_OK || r == LB_INCOMPLETE) && pFich->bModerne && pFich->nRequetes > 1)
        snprintf(szSuffix + n, sizeof szSuffix - (size_t)n, "%squery %u of %u: %.100s%s",
                 n > 0 ? "   -   " : "-   ", pFich->nRequete + 1, pFich->nRequetes,
                 pFich->szQuerySeqName, r == LB_OK ? "" : " (incomplete)");
    AfficheNomFichier(hWnd, SZAPPLICATIONCLASS, szSuffix[0] != '\0' ? szSuffix : NULL);
}

void DetruitOutils(void)
{
    if (hWndMulBla != NULL)
        DestroyWindow(hWndMulBla);
    hWndMulBla = NULL;
    if (HWNDHCAFRAME != NULL && HWNDHCAMAIN != NULL)
        DestroyWindow(HWNDHCAMAIN);
    HWNDHCAMAIN = NULL;
    HWNDHCAFRAME = NULL;
    if (hWndStatBla != NULL)
        DestroyWindow(hWndStatBla);
    hWndStatBla = NULL;
}

/* Steps shared by the Open command and a report named on the command
   line, once the new report is accepted and its index file reserved:
   replaces the document with it. szOldSortie names the index file of the
   report being replaced ("" if none). Returns 1, or 0 when the report
   could not be read (the document is then empty). */
static int RemplaceRapport(HWND hWnd, pDataGeneralPrg pData, const char *szOldSortie)
{
    int r;

    /* The reader creates the reserved file again. */
    DeleteFileA(pData->szFileSortie);
    if (szOldSortie[0] != '\0' && lstrcmpiA(szOldSortie, pData->szFileSortie) != 0)
        DeleteFileA(szOldSortie);

    DetruitOutils();
    InvalidateRect(hWnd, NULL, TRUE);
    InitFichBlastData(pData);
    FreeHspData(pData);
    FreeHalyardHaspData(pData);

    r = LitBlastForListBox(hWnd, pData);
    AfficheTitre(hWnd, pData, r);

    AfficheEnteteFileBank(hWnd);
    INITLISTBOXRESULT(pData);
    InvalidateRect(HWNDALIGN, NULL, TRUE);
    DessineEnteteAlign(NULL);
    if (r == LB_OK || r == LB_INCOMPLETE)
        AfficheNouvelAlign(hWnd, pData, 1, 1);

    /* What would have been a fault in the old reader is caught here: a
       report the reader could not digest, or whose first HSP cannot be
       loaded back, leaves an empty document after one notice. The reader
       has shown "Invalid file format." itself for a malformed header. */
    if (pData->pVhspData == NULL) {
        if (r != LB_BADFORMAT)
            MyErrMsgBox(IDS_HALYARD, IDS_BADFORMAT, hWnd);
        FermeUnFichier(hWnd);
        SetActiveWindow(hWnd);
        return 0;
    }
    TRAITEBTNHSP(pData);
    DessineEnteteAlign(NULL);
    IndiqueNumeroHsp(NULL);
    ReajusteScroll(pData);
    EnableWindow(HWNDCHECKSELECTHSP, TRUE);
    ResultsShowHspFlag(pData);
    HalyardMainToolBarEnableBtn(TRUE);
    return 1;
}

int OpenABlastFile(HWND hWnd)
{
    pDataGeneralPrg pData = DocumentOf(hWnd);
    char szOldSortie[MAX_PATH];

    lstrcpynA(szOldSortie, pData->szFileSortie, sizeof szOldSortie);
    if (!ChooseFileName(hWnd, pData))
        return 0;
    return RemplaceRapport(hWnd, pData, szOldSortie);
}

int OpenABlastFileNamed(HWND hWnd, const char *szPath)
{
    pDataGeneralPrg pData = DocumentOf(hWnd);
    char szOldSortie[MAX_PATH];
    char *pszName = NULL;

    if (GetFullPathNameA(szPath, sizeof pData->szFilePath, pData->szFilePath, &pszName) == 0
        || pszName == NULL) {
        MyErrMsgBox(IDS_HALYARD, IDS_NOOPENBLAST, hWnd);
        return 0;
    }
    lstrcpynA(pData->szFileName, pszName, sizeof pData->szFileName);
    lstrcpynA(szOldSortie, pData->szFileSortie, sizeof szOldSortie);
    if (GetFileAttributesA(pData->szFilePath) == INVALID_FILE_ATTRIBUTES) {
        MyErrMsgBox(IDS_HALYARD, IDS_NOOPENBLAST, hWnd);
        return 0;
    }
    if (!AccepteFichier(hWnd, pData))
        return 0;
    return RemplaceRapport(hWnd, pData, szOldSortie);
}

void FermeUnFichier(HWND hWnd)
{
    pDataGeneralPrg pData = DocumentOf(hWnd);

    if (pData->szFileSortie[0] != '\0')
        DeleteFileA(pData->szFileSortie);
    DetruitOutils();
    InitFichBlastData(pData);
    pData->FichierBlast.bModerne = 0;
    FreeHspData(pData);
    FreeHalyardHaspData(pData);
    AfficheNomFichier(hWnd, SZAPPLICATIONCLASS, NULL);
    INITLISTBOXRESULT(pData);
    InvalidateRect(HWNDALIGN, NULL, TRUE);
    AfficheEnteteFileBank(hWnd);
    DessineEnteteAlign(NULL);
    IndiqueNumeroHsp(NULL);
    ReajusteScroll(pData);
    Button_SetCheck(HWNDCHECKSELECTHSP, BST_UNCHECKED);
    EnableWindow(HWNDCHECKSELECTHSP, FALSE);
    EnableWindow(HWNDBTNPREVALIGN, FALSE);
    EnableWindow(HWNDBTNNEXTALIGN, FALSE);
    HalyardMainToolBarEnableBtn(FALSE);
}
