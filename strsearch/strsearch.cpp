/* strsearch.cpp: the String Finder dialog (modeless, at most one).
 *
 * It holds a copy of the hit descriptions taken when it opens (strsearch.h),
 * lists the hits whose description holds the text typed, and a click on
 * one of them selects that hit in the main window's results list.
 *
 * Divisions: opening; the dialog procedure; the search.
 */
#include <windows.h>
#include <windowsx.h>
#include <stdio.h>

#include "HALYARD.h"
#include "strsearchwin.h"

/* The window property holding the dialog's record. */
static const char szPropSearch[] = "DataSearch";

#define IDC_RESULTS 6001   /* the main window's results list */

/* ---- Opening -------------------------------------------------------------- */

HWND CreeStrSearchDlg(HWND hWnd, pDATASTRINGSEARCH pSearch)
{
    return CreateDialogParamA(hInst, MAKEINTRESOURCEA(IDD_STRSEARCH), hWnd, StringSearchProc,
                              (LPARAM)pSearch);
}

HWND PrepareSearchData(HWND hWnd, pDataGeneralPrg pData)
{
    pDATASTRINGSEARCH pSearch = CreeDataSearch(pData);

    if (pSearch == NULL)
        return NULL;
    hWndSearchDlg = CreeStrSearchDlg(hWnd, pSearch);
    /* A dialog that failed before its initialisation never took the
       record. */
    if (hWndSearchDlg == NULL)
        DeleteSearchData(pSearch);
    return hWndSearchDlg;
}

/* ---- The dialog procedure ------------------------------------------------- */

static BOOL StringSearchProc_OnInitDialog(HWND hDlg, HWND hWndFocus, LPARAM lParam)
{
    pDATASTRINGSEARCH pSearch = (pDATASTRINGSEARCH)lParam;

    (void)hWndFocus;
    SetPropA(hDlg, szPropSearch, (HANDLE)pSearch);
    CenterWnd(hDlg);
    Edit_LimitText(GetDlgItem(hDlg, IDC_SS_CHAINE), STRSEARCH_CHAINE - 1);
    EnableWindow(GetDlgItem(hDlg, IDC_SS_LISTE), FALSE);
    MajusculesDataSearch(pSearch);
    return FALSE;
}

/* "&Search...": an empty field leaves the previous results. */
static void LanceRecherche(HWND hDlg, pDATASTRINGSEARCH pSearch)
{
    char szChaine[STRSEARCH_CHAINE];

    if (GetDlgItemTextA(hDlg, IDC_SS_CHAINE, szChaine, sizeof szChaine) <= 0)
        return;
    MajusculeChaine(szChaine);
    SearchForString(hDlg, IDC_SS_LISTE, szChaine, pSearch);
}

/* A result chosen: its hit becomes the current row of the main window's
   list, which then shows it as after a click of its own. */
static void ChoisitResultat(HWND hDlg)
{
    HWND hList = GetDlgItem(hDlg, IDC_SS_LISTE);
    char szEntree[STRSEARCH_ENTREE];
    unsigned nHit = 0;
    int nItem = ListBox_GetCurSel(hList);

    if (nItem == LB_ERR || ListBox_GetTextLen(hList, nItem) >= (int)sizeof szEntree)
        return;
    ListBox_GetText(hList, nItem, szEntree);
    if (sscanf(szEntree, "%u", &nHit) != 1 || nHit < 1
        || (int)nHit > ListBox_GetCount(HWNDRESULT))
        return;
    ListBox_SetCurSel(HWNDRESULT, (int)nHit - 1);
    SendMessageA(hWndMain, WM_COMMAND, MAKEWPARAM(IDC_RESULTS, LBN_SELCHANGE), (LPARAM)HWNDRESULT);
}

static void StringSearchProc_OnCommand(HWND hDlg, int id, HWND hWndCtl, UINT codeNotify)
{
    pDATASTRINGSEARCH pSearch = (pDATASTRINGSEARCH)GetPropA(hDlg, szPropSearch);

    (void)hWndCtl;
    switch (id) {
    case IDOK:
        if (pSearch != NULL)
            LanceRecherche(hDlg, pSearch);
        break;
    case IDCANCEL:
        DestroyWindow(hDlg);
        break;
    case IDC_SS_LISTE:
        if (codeNotify == LBN_SELCHANGE)
            ChoisitResultat(hDlg);
        break;
    default:
        break;
    }
}

/* Closing, by "&Exit", Escape, the close box or the main window, or with
   the owner: the record goes with the dialog. */
static void StringSearchProc_OnDestroy(HWND hDlg)
{
    DeleteSearchData((pDATASTRINGSEARCH)RemovePropA(hDlg, szPropSearch));
    if (hWndSearchDlg == hDlg)
        hWndSearchDlg = NULL;
}

INT_PTR CALLBACK StringSearchProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_INITDIALOG:
        return HANDLE_WM_INITDIALOG(hDlg, wParam, lParam, StringSearchProc_OnInitDialog);
    case WM_COMMAND:
        (void)HANDLE_WM_COMMAND(hDlg, wParam, lParam, StringSearchProc_OnCommand);
        return TRUE;
    case WM_DESTROY:
        (void)HANDLE_WM_DESTROY(hDlg, wParam, lParam, StringSearchProc_OnDestroy);
        return TRUE;
    default:
        return FALSE;
    }
}

/* ---- The search ----------------------------------------------------------- */

static void AjouteEntree(void *pCtx, const char *szEntree)
{
    ListBox_AddString((HWND)pCtx, szEntree);
}

int SearchForString(HWND hWnd, int idLBox, const char *szString, pDATASTRINGSEARCH pSearch)
{
    HWND hList = GetDlgItem(hWnd, idLBox);
    char szCompte[STRSEARCH_COMPTE];
    unsigned nTrouve;

    /* Thousands of entries: one repaint at the end. */
    SetWindowRedraw(hList, FALSE);
    ListBox_ResetContent(hList);
    nTrouve = ChercheChaine(pSearch, szString, AjouteEntree, hList, szCompte);
    SetWindowRedraw(hList, TRUE);
    InvalidateRect(hList, NULL, TRUE);
    SetDlgItemTextA(hWnd, IDC_SS_COMPTE, szCompte);
    EnableWindow(hList, TRUE);
    SetFocus(hList);
    return (int)nTrouve;
}
