/* dbinfo.cpp: the "Database information" dialog: the query and database
   descriptions of the open report, with its counts of hits and HSPs. */
#include <windows.h>
#include <windowsx.h>

#include "HALYARD.h"
#include "dlgids.h"

/* The query line shows at most this many characters. */
#define CCH_INFOQUERY 254

static BOOL InfoDbDlgProc_OnInitDialog(HWND hDlg, HWND hWndFocus, LPARAM lParam)
{
    pDataGeneralPrg pData = DocumentOf(hWndMain);
    char sz[CCH_INFOQUERY + 1];
    char szBank[sizeof pData->FichierBlast.szDataBankInfo + 1];

    (void)hWndFocus;
    (void)lParam;
    CenterWnd(hDlg);
    if (pData == NULL)
        return FALSE;
    InfoDbTexts(&pData->FichierBlast, sz, sizeof sz, szBank, sizeof szBank);
    SetDlgItemTextA(hDlg, IDC_INFO_QUERY, sz);
    SetDlgItemTextA(hDlg, IDC_INFO_BANK, szBank);
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
