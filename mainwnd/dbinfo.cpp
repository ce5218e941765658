/* dbinfo.cpp: the "Database information" dialog: the query and database
   descriptions of the open report, with its counts of hits and HSPs. */
#include <windows.h>
#include <windowsx.h>
#include <stdio.h>
#include <string.h>

#include "HALYARD.h"
#include "dlgids.h"

/* The query line shows at most this many characters. */
#define CCH_INFOQUERY 254

static BOOL InfoDbDlgProc_OnInitDialog(HWND hDlg, HWND hWndFocus, LPARAM lParam)
{
    pDataGeneralPrg pData = DocumentOf(hWndMain);
    const DataBlastFile *pFich;
    char sz[CCH_INFOQUERY + 1];

    (void)hWndFocus;
    (void)lParam;
    CenterWnd(hDlg);
    if (pData == NULL)
        return FALSE;
    pFich = &pData->FichierBlast;

    /* snprintf cuts the joined texts to the room left; the record's fields
       are bounded too, in case one was filled to its last byte. */
    snprintf(sz, sizeof sz, "%.*s  %.*s",
             (int)strnlen(pFich->szQuerySeqName, sizeof pFich->szQuerySeqName),
             pFich->szQuerySeqName,
             (int)strnlen(pFich->szQuerySeqInfo, sizeof pFich->szQuerySeqInfo),
             pFich->szQuerySeqInfo);
    SetDlgItemTextA(hDlg, IDC_INFO_QUERY, sz);

    {
        char szBank[sizeof pFich->szDataBankInfo + 1];

        snprintf(szBank, sizeof szBank, "%.*s",
                 (int)strnlen(pFich->szDataBankInfo, sizeof pFich->szDataBankInfo),
                 pFich->szDataBankInfo);
        SetDlgItemTextA(hDlg, IDC_INFO_BANK, szBank);
    }
    SetDlgItemInt(hDlg, IDC_INFO_NSEQ, pData->nHSP, FALSE);
    SetDlgItemInt(hDlg, IDC_INFO_NALIGN, pData->nAlignTotal, FALSE);
    /* FALSE: the dialog manager leaves the focus alone. */
    return FALSE;
}

static void InfoDbDlgProc_OnCommand(HWND hDlg, int id, HWND hWndCtl, UINT codeNotify)
{
    (void)hWndCtl;
    (void)codeNotify;
    if (id == IDOK || id == IDCANCEL)
        EndDialog(hDlg, 0);
}

static INT_PTR CALLBACK InfoDbDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_INITDIALOG:
        return HANDLE_WM_INITDIALOG(hDlg, wParam, lParam, InfoDbDlgProc_OnInitDialog);
    case WM_COMMAND:
        (void)HANDLE_WM_COMMAND(hDlg, wParam, lParam, InfoDbDlgProc_OnCommand);
        return TRUE;
    default:
        return FALSE;
    }
}

void AfficheInfoDB(HWND hWnd)
{
    DialogBoxParamA(hInst, MAKEINTRESOURCEA(IDD_DBINFO), hWnd, InfoDbDlgProc, 0);
}
