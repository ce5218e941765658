/* colordlg.cpp: the Colors dialog, where the user picks the residue colour
   scheme and whether the scheme's background colours are used. The dialog
   works on a copy of the two values, given back only on OK. */
#include <windows.h>
#include <windowsx.h>

#include "HALYARD.h"
#include "dlgids.h"

/* The dialog's data, held as the window property "ParamClr". */
typedef struct tagParamClr {
    int nColorPref;  /* 10, 20 or 30 (COULEUR_*)          */
    int nBkColor;    /* 1: scheme backgrounds, 0: white   */
} ParamClr, *pParamClr;

static const char szParamClr[] = "ParamClr";

static BOOL ClrPrefDlgProc_OnInitDialog(HWND hDlg, HWND hWndFocus, LPARAM lParam)
{
    pParamClr pParam = (pParamClr)lParam;
    int idRadio;

    (void)hWndFocus;
    CenterWnd(hDlg);
    SetPropA(hDlg, szParamClr, (HANDLE)pParam);
    switch (pParam->nColorPref) {
    case COULEUR_SIMIDEN:   idRadio = IDC_CLR_SIMIDEN;   break;
    case COULEUR_NOIRBLANC: idRadio = IDC_CLR_NOIRBLANC; break;
    default:                idRadio = IDC_CLR_HCA;       break;  /* 10 and unknown */
    }
    CheckRadioButton(hDlg, IDC_CLR_HCA, IDC_CLR_NOIRBLANC, idRadio);
    CheckDlgButton(hDlg, IDC_CLR_FOND, pParam->nBkColor ? BST_CHECKED : BST_UNCHECKED);
    return TRUE;
}

static void ClrPrefDlgProc_OnCommand(HWND hDlg, int id, HWND hWndCtl, UINT codeNotify)
{
    pParamClr pParam = (pParamClr)GetPropA(hDlg, szParamClr);

    (void)hWndCtl;
    (void)codeNotify;
    switch (id) {
    case IDOK:
        if (pParam != NULL) {
            if (IsDlgButtonChecked(hDlg, IDC_CLR_SIMIDEN) == BST_CHECKED)
                pParam->nColorPref = COULEUR_SIMIDEN;
            else if (IsDlgButtonChecked(hDlg, IDC_CLR_NOIRBLANC) == BST_CHECKED)
                pParam->nColorPref = COULEUR_NOIRBLANC;
            else
                pParam->nColorPref = COULEUR_HCA;
            pParam->nBkColor = IsDlgButtonChecked(hDlg, IDC_CLR_FOND) == BST_CHECKED ? 1 : 0;
        }
        EndDialog(hDlg, 1);
        break;
    case IDCANCEL:
        EndDialog(hDlg, 0);
        break;
    default:
        break;
    }
}

static void ClrPrefDlgProc_OnDestroy(HWND hDlg)
{
    RemovePropA(hDlg, szParamClr);
}

static INT_PTR CALLBACK ClrPrefDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_INITDIALOG:
        return HANDLE_WM_INITDIALOG(hDlg, wParam, lParam, ClrPrefDlgProc_OnInitDialog);
    case WM_COMMAND:
        (void)HANDLE_WM_COMMAND(hDlg, wParam, lParam, ClrPrefDlgProc_OnCommand);
        return TRUE;
    case WM_DESTROY:
        (void)HANDLE_WM_DESTROY(hDlg, wParam, lParam, ClrPrefDlgProc_OnDestroy);
        return TRUE;
    default:
        return FALSE;
    }
}

int ChoixColoration(HWND hWnd, int *pnColorPref, int *pnBkColor)
{
    ParamClr param = { *pnColorPref, *pnBkColor };

    if (DialogBoxParamA(hInst, MAKEINTRESOURCEA(IDD_COLORS), hWnd, ClrPrefDlgProc,
                        (LPARAM)&param) != 1)
        return 0;
    *pnColorPref = param.nColorPref;
    *pnBkColor = param.nBkColor;
    return 1;
}
