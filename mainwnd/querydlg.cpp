/* querydlg.cpp: the "Choose a query" dialog. A report of the newer BLAST
   versions may hold the results of several queries; the user picks the
   one to open, by its name and length, before the report replaces the
   open one. */
#include <windows.h>
#include <windowsx.h>
#include <stdio.h>

#include "HALYARD.h"
#include "blastmodern.h"
#include "dlgids.h"

/* What the dialog shows and what it answers. */
typedef struct tagChoixRequete {
    const RequeteBlast *pListe;
    unsigned            nRequetes;
    unsigned            nChoix;    /* the query chosen, from 0 */
} ChoixRequete, *pChoixRequete;

static const char szPropChoix[] = "ChoixRequete";

static BOOL ChoixRequeteDlgProc_OnInitDialog(HWND hDlg, HWND hWndFocus, LPARAM lParam)
{
    pChoixRequete pChoix = (pChoixRequete)lParam;
    HWND hListe = GetDlgItem(hDlg, IDC_REQ_LISTE);
    /* Names take the first 150 dialog units; the lengths follow. */
    int nTab = 150;
    char sz[160];

    (void)hWndFocus;
    SetPropA(hDlg, szPropChoix, (HANDLE)pChoix);
    CenterWnd(hDlg);
    snprintf(sz, sizeof sz, "This report holds %u queries. Open the results of:",
             pChoix->nRequetes);
    SetDlgItemTextA(hDlg, IDC_REQ_TEXTE, sz);
    ListBox_SetTabStops(hListe, 1, &nTab);
    for (unsigned i = 0; i < pChoix->nRequetes; i++) {
        const RequeteBlast *pR = &pChoix->pListe[i];

        if (pR->nLongueur >= 0)
            snprintf(sz, sizeof sz, "%.100s\t%d letters", pR->szNom, pR->nLongueur);
        else
            snprintf(sz, sizeof sz, "%.100s\tlength not given", pR->szNom);
        ListBox_AddString(hListe, sz);
    }
    ListBox_SetCurSel(hListe, 0);
    SetFocus(hListe);
    /* FALSE: the focus is set here. */
    return FALSE;
}

static void ChoixRequeteDlgProc_OnCommand(HWND hDlg, int id, HWND hWndCtl, UINT codeNotify)
{
    pChoixRequete pChoix = (pChoixRequete)GetPropA(hDlg, szPropChoix);

    if (id == IDC_REQ_LISTE && codeNotify == LBN_DBLCLK)
        id = IDOK;
    if (id == IDOK) {
        int n = ListBox_GetCurSel(GetDlgItem(hDlg, IDC_REQ_LISTE));

        pChoix->nChoix = n > 0 ? (unsigned)n : 0;
        EndDialog(hDlg, IDOK);
    } else if (id == IDCANCEL) {
        EndDialog(hDlg, IDCANCEL);
    }
    (void)hWndCtl;
}

static void ChoixRequeteDlgProc_OnDestroy(HWND hDlg)
{
    RemovePropA(hDlg, szPropChoix);
}

static INT_PTR CALLBACK ChoixRequeteDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_INITDIALOG:
        return HANDLE_WM_INITDIALOG(hDlg, wParam, lParam, ChoixRequeteDlgProc_OnInitDialog);
    case WM_COMMAND:
        (void)HANDLE_WM_COMMAND(hDlg, wParam, lParam, ChoixRequeteDlgProc_OnCommand);
        return TRUE;
    case WM_DESTROY:
        (void)HANDLE_WM_DESTROY(hDlg, wParam, lParam, ChoixRequeteDlgProc_OnDestroy);
        return TRUE;
    default:
        return FALSE;
    }
}

int ChoisitRequete(HWND hWnd, pDataGeneralPrg pData)
{
    pRequeteBlast pListe = NULL;
    unsigned n = ListeRequetesBlast(pData->szFilePath, &pListe);
    INT_PTR nRes = IDOK;
    ChoixRequete choix = {pListe, n, 0};

    if (n > 1)
        nRes = DialogBoxParamA(hInst, MAKEINTRESOURCEA(IDD_CHOIXREQUETE), hWnd,
                               ChoixRequeteDlgProc, (LPARAM)&choix);
    MyFree(pListe);
    if (nRes != IDOK)
        return 0;
    pData->FichierBlast.nRequete = choix.nChoix;
    return 1;
}
