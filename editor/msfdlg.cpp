/* msfdlg.cpp: the editor's "Save a MSF file" dialog: the file name, the
 * columns to export, the first number of the scale, the characters a
 * line and the consensus; the file itself is written by the model
 * (msf.cpp). Also the numeric edit fields' helpers, shared with the HCA
 * print options.
 *
 * Divisions: numeric edit fields; the Save dialog; the MSF dialog.
 */
#include <windows.h>
#include <windowsx.h>
#include <commctrl.h>
#include <commdlg.h>
#include <stdlib.h>
#include <string.h>

#include "HALYARD.h"
#include "mulbwin.h"

/* ---- Numeric edit fields ------------------------------------------------ */

static bool CaractereGarde(char c, int nMode)
{
    bool bChiffre = c >= '0' && c <= '9';

    switch (nMode) {
    case EDITNUM_CHIFFRES: return bChiffre;
    case EDITNUM_SIGNE:    return bChiffre || c == '-';
    default:               return true;
    }
}

void TesteEditNum(HWND hDlg, int idEdit, int nMode)
{
    char szLu[500], szGarde[500];
    DWORD nCaret = 0;
    int i, j = 0, nAvantCaret = 0;

    if (GetDlgItemTextA(hDlg, idEdit, szLu, sizeof szLu) == 0)
        return;
    SendDlgItemMessageA(hDlg, idEdit, EM_GETSEL, (WPARAM)&nCaret, 0);
    for (i = 0; szLu[i] != '\0'; i++) {
        if (!CaractereGarde(szLu[i], nMode))
            continue;
        if ((DWORD)i < nCaret)
            nAvantCaret++;
        szGarde[j++] = szLu[i];
    }
    szGarde[j] = '\0';
    if (j == i)
        return;
    MessageBeep(MB_OK);
    /* Writing the field notifies again, with nothing more to drop. The
       caret stays after the characters the user had typed before it. */
    SetDlgItemTextA(hDlg, idEdit, szGarde);
    SendDlgItemMessageA(hDlg, idEdit, EM_SETSEL, (WPARAM)nAvantCaret, (LPARAM)nAvantCaret);
}

int _GetDlgItemInt(HWND hDlg, int idEdit)
{
    char sz[10] = "";

    GetDlgItemTextA(hDlg, idEdit, sz, sizeof sz);
    return (int)atol(sz);
}

/* ---- The Save dialog ----------------------------------------------------- */

BOOL ChoisiFichier(char *szFile, char *szFileTitle, const char *szInitialDir)
{
    static const char szFiltre[] = "MSF file (*.msf)\0*.msf\0"
                                   "Text file (*.txt)\0*.txt\0"
                                   "All (*.*)\0*.*\0";
    OPENFILENAMEA ofn;

    ZeroMemory(&ofn, sizeof ofn);
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = GetActiveWindow();
    ofn.lpstrFilter = szFiltre;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = szFile;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrFileTitle = szFileTitle;
    ofn.nMaxFileTitle = MAX_PATH;
    ofn.lpstrInitialDir = szInitialDir;
    ofn.lpstrTitle = "Save a MSF file";
    ofn.lpstrDefExt = "msf";
    ofn.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
    return GetSaveFileNameA(&ofn);
}

/* ---- The MSF dialog ------------------------------------------------------ */

/* The report's name with the extension "msf", without its directory: the
   file goes to the current directory unless another one is chosen. */
static void NomMsfInitial(HWND hDlg)
{
    pDataGeneralPrg pData = DocumentOf(hWndMain);
    char szBase[_MAX_FNAME] = "", sz[_MAX_FNAME + 4];

    if (pData != NULL)
        _splitpath(pData->szFilePath, NULL, NULL, szBase, NULL);
    lstrcpynA(sz, szBase, _MAX_FNAME);
    lstrcatA(sz, ".msf");
    SetDlgItemTextA(hDlg, IDC_MSF_FILENAME, sz);
}

static BOOL MsfDlgProc_OnInitDialog(HWND hDlg, HWND hWndFocus, LPARAM lParam)
{
    HWND hUpDown = GetDlgItem(hDlg, IDC_MSF_UPDOWN);

    (void)hWndFocus;
    (void)lParam;
    CenterWnd(hDlg);
    NomMsfInitial(hDlg);
    SetDlgItemTextA(hDlg, IDC_MSF_FROM, "1");
    SetDlgItemInt(hDlg, IDC_MSF_TO, (UINT)PMULBLA->nTaille, FALSE);
    SetDlgItemTextA(hDlg, IDC_MSF_SCALE, "1");
    SetDlgItemInt(hDlg, IDC_MSF_NCHAR, MSF_NCHAR_MIN, FALSE);
    SendMessageA(hUpDown, UDM_SETBUDDY, (WPARAM)GetDlgItem(hDlg, IDC_MSF_NCHAR), 0);
    SendMessageA(hUpDown, UDM_SETRANGE32, MSF_NCHAR_MIN, MSF_NCHAR_MAX);
    SendMessageA(hUpDown, UDM_SETBASE, 10, 0);
    SendMessageA(hUpDown, UDM_SETPOS32, 0, MSF_NCHAR_MIN);
    CheckDlgButton(hDlg, IDC_MSF_CONSENSUS, BST_CHECKED);
    return TRUE;
}

/* "File name:": the field keeps only the name, and the file is written in
   the current directory, so the chosen folder is made current. Some Save
   dialogs do it themselves, not all (Wine's does not when a whole path is
   typed). */
static void MsfDlgProc_OnFichier(HWND hDlg)
{
    pDataGeneralPrg pData = DocumentOf(hWndMain);
    char szFile[MAX_PATH] = "", szTitle[MAX_PATH] = "";
    char szDrive[_MAX_DRIVE], szDir[_MAX_DIR], szDossier[_MAX_DRIVE + _MAX_DIR];

    if (ChoisiFichier(szFile, szTitle, pData != NULL ? pData->szWorkingDirectory : NULL)) {
        _splitpath(szFile, szDrive, szDir, NULL, NULL);
        lstrcpyA(szDossier, szDrive);
        lstrcatA(szDossier, szDir);
        if (szDossier[0] != '\0')
            SetCurrentDirectoryA(szDossier);
        SetDlgItemTextA(hDlg, IDC_MSF_FILENAME, szTitle);
    } else if (CommDlgExtendedError() != 0) {
        SetDlgItemTextA(hDlg, IDC_MSF_FILENAME, "");
    }
}

/* OK: the dialog ends only once the file is written; a refused range or
   file (the writer has said which) leaves it open for another try. */
static void MsfDlgProc_OnOk(HWND hDlg)
{
    int nFrom = _GetDlgItemInt(hDlg, IDC_MSF_FROM);
    int nTo = _GetDlgItemInt(hDlg, IDC_MSF_TO);
    int nEchelle = _GetDlgItemInt(hDlg, IDC_MSF_SCALE);
    int n = _GetDlgItemInt(hDlg, IDC_MSF_NCHAR);
    char szNom[MAX_PATH + 1], szPath[MAX_PATH];

    if (!PlageMsfValide(nFrom, nTo, PMULBLA->nTaille)) {
        MyInfoMsgBox(IDS_VAZEVA, IDS_BADRANGE, hDlg);
        SetFocus(GetDlgItem(hDlg, IDC_MSF_FROM));
        return;
    }
    /* The Save dialog failed and emptied the name: a name must be chosen
       first, or the file would be called ".msf". */
    if (GetDlgItemTextA(hDlg, IDC_MSF_FILENAME, szNom, sizeof szNom) == 0) {
        MessageBeep(MB_OK);
        SetFocus(GetDlgItem(hDlg, IDC_MSF_FILEBTN));
        return;
    }
    CheminMsf(szNom, szPath, sizeof szPath);
    if (SauveMSF(PMULBLA, n, szPath, nFrom - 1, nEchelle, nTo - 1,
                 IsDlgButtonChecked(hDlg, IDC_MSF_CONSENSUS) == BST_CHECKED, hDlg))
        EndDialog(hDlg, IDOK);
}

static void MsfDlgProc_OnCommand(HWND hDlg, int id, HWND hWndCtl, UINT codeNotify)
{
    (void)hWndCtl;
    switch (id) {
    case IDC_MSF_FROM:
    case IDC_MSF_TO:
    case IDC_MSF_SCALE:
        TesteEditNum(hDlg, id, EDITNUM_CHIFFRES);
        break;
    case IDC_MSF_FILEBTN:
        if (codeNotify == BN_CLICKED)
            MsfDlgProc_OnFichier(hDlg);
        break;
    case IDOK:
        MsfDlgProc_OnOk(hDlg);
        break;
    case IDCANCEL:
        EndDialog(hDlg, IDCANCEL);
        break;
    default:
        break;
    }
}

/* An arrow of the up-down moves the number shown by one step, within its
   limits; the control's own arithmetic is refused (answer TRUE), the
   field being what OK reads. */
static LRESULT MsfDlgProc_OnNotify(HWND hDlg, int idCtrl, LPNMHDR pnmh)
{
    LPNMUPDOWN pud = (LPNMUPDOWN)pnmh;
    int n;

    if (idCtrl != IDC_MSF_UPDOWN || pnmh->code != UDN_DELTAPOS)
        return FALSE;
    n = PasMsfNChar(_GetDlgItemInt(hDlg, IDC_MSF_NCHAR), pud->iDelta);
    SetDlgItemInt(hDlg, IDC_MSF_NCHAR, (UINT)n, FALSE);
    SendMessageA(pnmh->hwndFrom, UDM_SETPOS32, 0, n);
    return TRUE;
}

static INT_PTR CALLBACK MsfDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_INITDIALOG:
        return HANDLE_WM_INITDIALOG(hDlg, wParam, lParam, MsfDlgProc_OnInitDialog);
    case WM_COMMAND:
        (void)HANDLE_WM_COMMAND(hDlg, wParam, lParam, MsfDlgProc_OnCommand);
        return TRUE;
    case WM_NOTIFY:
        SetWindowLongPtrA(hDlg, DWLP_MSGRESULT,
                          HANDLE_WM_NOTIFY(hDlg, wParam, lParam, MsfDlgProc_OnNotify));
        return TRUE;
    default:
        return FALSE;
    }
}

void SauveMsfDlg(HWND hWndOwner)
{
    if (PMULBLA == NULL)
        return;
    if (PMULBLA->nSeq < 1) {
        MyInfoMsgBox(IDS_VAZEVA, IDS_ED_NOROW, hWndOwner);
        return;
    }
    DialogBoxParamA(hInst, MAKEINTRESOURCEA(IDD_MSF), hWndOwner, MsfDlgProc, 0);
}
