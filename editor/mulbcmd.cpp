/* mulbcmd.cpp: the editor's commands on whole rows: rename, remove, merge
 * with the row above, move up or down; the consensus dialog; handing the
 * rows to the pattern finder. They act on the caret's row as the caret
 * field shows it; the rows themselves are changed by the model
 * (mulbrows.cpp), and here the panes are redrawn and the caret follows.
 *
 * Divisions: current row; rename dialog; consensus dialog; commands.
 */
#include <windows.h>
#include <windowsx.h>

#include "HALYARD.h"
#include "findpatwin.h"
#include "mulbwin.h"

static const char szSeqName[] = "SeqName";
static const char szSeqCons[] = "SeqCons";

/* ---- Current row ---------------------------------------------------------- */

/* The caret's row, 1-based, or 0 when it names no row (none left). */
static int RangeeCourante(int *pnCol)
{
    int n, m;

    RecupCursorPos(&n, &m);
    if (pnCol != NULL)
        *pnCol = n;
    if (PMULBLA == NULL || m < 1 || m > PMULBLA->nSeq)
        return 0;
    return m;
}

/* ---- Rename dialog --------------------------------------------------------- */

static BOOL RenameSeq_OnInitDialog(HWND hDlg, HWND hWndFocus, LPARAM lParam)
{
    (void)hWndFocus;
    CenterWnd(hDlg);
    SetPropA(hDlg, szSeqName, (HANDLE)lParam);
    SetDlgItemTextA(hDlg, IDC_REN_OLD, (const char *)lParam);
    return TRUE;
}

static void RenameSeq_OnOk(HWND hDlg)
{
    char *szNom = (char *)GetPropA(hDlg, szSeqName);
    char sz[11];

    /* The name is its first 10 characters. */
    if (GetDlgItemTextA(hDlg, IDC_REN_NEW, sz, sizeof sz) == 0) {
        MyInfoMsgBox(IDS_VAZEVA, IDS_NULLNAME, hDlg);
        SetFocus(GetDlgItem(hDlg, IDC_REN_NEW));
        return;
    }
    lstrcpynA(szNom, sz, sizeof sz);
    EndDialog(hDlg, 1);
}

static void RenameSeq_OnCommand(HWND hDlg, int id, HWND hWndCtl, UINT codeNotify)
{
    (void)hWndCtl;
    (void)codeNotify;
    if (id == IDOK)
        RenameSeq_OnOk(hDlg);
    else if (id == IDCANCEL)
        EndDialog(hDlg, 0);
}

static void RenameSeq_OnDestroy(HWND hDlg)
{
    RemovePropA(hDlg, szSeqName);
}

static INT_PTR CALLBACK RenameSeqProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_INITDIALOG:
        return HANDLE_WM_INITDIALOG(hDlg, wParam, lParam, RenameSeq_OnInitDialog);
    case WM_COMMAND:
        (void)HANDLE_WM_COMMAND(hDlg, wParam, lParam, RenameSeq_OnCommand);
        return TRUE;
    case WM_DESTROY:
        (void)HANDLE_WM_DESTROY(hDlg, wParam, lParam, RenameSeq_OnDestroy);
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL RenameSeq(HWND hWndOwner, char *szNom)
{
    return DialogBoxParamA(hInst, MAKEINTRESOURCEA(IDD_RENAME), hWndOwner, RenameSeqProc,
                           (LPARAM)szNom) == 1;
}

/* ---- Consensus dialog ------------------------------------------------------ */

static BOOL ConsensusDLG_OnInitDialog(HWND hDlg, HWND hWndFocus, LPARAM lParam)
{
    (void)hWndFocus;
    CenterWnd(hDlg);
    SetPropA(hDlg, szSeqCons, (HANDLE)lParam);
    SetDlgItemInt(hDlg, IDC_CONS_POINT, (UINT)PMULBLA->nPointLimit, TRUE);
    SetDlgItemInt(hDlg, IDC_CONS_STRICT, (UINT)PMULBLA->nStrictLimit, TRUE);
    return TRUE;
}

/* A limit counts rows: 0 ... nSeq. */
static bool LimiteValide(int n)
{
    return n >= 0 && n <= PMULBLA->nSeq;
}

static void ConsensusDLG_OnOk(HWND hDlg)
{
    char *szScratch = (char *)GetPropA(hDlg, szSeqCons);
    int nPoint = _GetDlgItemInt(hDlg, IDC_CONS_POINT);
    int nStrict = _GetDlgItemInt(hDlg, IDC_CONS_STRICT);
    int idRefus = !LimiteValide(nPoint) ? IDC_CONS_POINT : !LimiteValide(nStrict) ? IDC_CONS_STRICT : 0;

    if (idRefus != 0) {
        MyInfoMsgBox(IDS_VAZEVA, IDS_BADVALUE, hDlg);
        SetFocus(GetDlgItem(hDlg, idRefus));
        return;
    }
    CreeConsensus(PMULBLA, szScratch, nPoint, nStrict);
    PMULBLA->nPointLimit = nPoint;
    PMULBLA->nStrictLimit = nStrict;
    EndDialog(hDlg, 1);
}

static void ConsensusDLG_OnCommand(HWND hDlg, int id, HWND hWndCtl, UINT codeNotify)
{
    (void)hWndCtl;
    (void)codeNotify;
    if (id == IDOK)
        ConsensusDLG_OnOk(hDlg);
    else if (id == IDCANCEL)
        EndDialog(hDlg, 0);
}

static void ConsensusDLG_OnDestroy(HWND hDlg)
{
    RemovePropA(hDlg, szSeqCons);
}

static INT_PTR CALLBACK ConsensusDLGProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_INITDIALOG:
        return HANDLE_WM_INITDIALOG(hDlg, wParam, lParam, ConsensusDLG_OnInitDialog);
    case WM_COMMAND:
        (void)HANDLE_WM_COMMAND(hDlg, wParam, lParam, ConsensusDLG_OnCommand);
        return TRUE;
    case WM_DESTROY:
        (void)HANDLE_WM_DESTROY(hDlg, wParam, lParam, ConsensusDLG_OnDestroy);
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL ConsensusDLG(HWND hWndOwner, char **pszConsensus)
{
    char *szScratch;

    /* Without memory for the new consensus (said) there is no dialog. */
    if ((szScratch = (char *)MyAlloc((unsigned)PMULBLA->nTaille + 1)) == NULL)
        return FALSE;
    if (DialogBoxParamA(hInst, MAKEINTRESOURCEA(IDD_CONSENSUS), hWndOwner, ConsensusDLGProc,
                        (LPARAM)szScratch) != 1) {
        MyFree(szScratch);
        return FALSE;
    }
    MyFree(*pszConsensus);
    *pszConsensus = szScratch;
    return TRUE;
}

/* ---- Commands ---------------------------------------------------------------- */

static void Renomme(void)
{
    int m = RangeeCourante(NULL);
    char szNom[11];

    if (m == 0)
        return;
    AncienNomSequence(PMULBLA->pSeqMul[m - 1], szNom);
    if (RenameSeq(hWndMulBla, szNom) && RenommeSequence(PMULBLA, m, szNom))
        InvalidateRect(HWNDMULBLALIST, NULL, TRUE);
    SetFocus(HWNDMULBLAALIGN);
}

/* After a row went: the bars for one row less, both panes redrawn, and
   the caret to the row above (it stays on row 1), which updates the
   caret field. */
static void ApresRetrait(void)
{
    ReajusteVHScroll();
    InvalidateRect(HWNDMULBLAALIGN, NULL, TRUE);
    InvalidateRect(HWNDMULBLALIST, NULL, TRUE);
    SendMessageA(HWNDMULBLAALIGN, WM_KEYDOWN, VK_UP, 0);
}

static void Retire(bool bFusion)
{
    int m = RangeeCourante(NULL);

    if (m == 0)
        return;
    if (bFusion ? MergeSequence(PMULBLA, m - 1) : RemoveSequence(PMULBLA, m - 1))
        ApresRetrait();
}

/* The whole width of row m in the alignment pane. */
static void InvalideRangee(int m)
{
    long cx, cy;
    RECT rc;
    RectMulBla b;

    MesurePolice(HWNDMULBLAALIGN, HFNTEDITOR, &cx, &cy);
    GetClientRect(HWNDMULBLAALIGN, &rc);
    b = ZoneARetracer(PMULBLA, 0, m, (int)cx, (int)cy, rc.right);
    SetRect(&rc, b.left, b.top, b.right, b.bottom);
    InvalidateRect(HWNDMULBLAALIGN, &rc, TRUE);
}

/* The caret goes with the row: the key it is moved with scrolls the pane
   when the row leaves it. */
static void Deplace(int nDir)
{
    int n, m = RangeeCourante(&n);

    if (m == 0 || !MoveSequence(PMULBLA, m, nDir))
        return;
    InvalideRangee(m);
    InvalideRangee(m + nDir);
    InvalidateRect(HWNDMULBLALIST, NULL, TRUE);
    UpdateCaretPosition(n, m + nDir);
    SendMessageA(HWNDMULBLAALIGN, WM_KEYDOWN, nDir > 0 ? VK_DOWN : VK_UP, 0);
}

static void Consensus(HWND hWnd)
{
    if (PMULBLA->nSeq < 1) {
        MyInfoMsgBox(IDS_VAZEVA, IDS_ED_NOROW, hWnd);
        return;
    }
    if (ConsensusDLG(hWnd, &PMULBLA->szConsensus))
        InvalidateRect(HWNDMULBLACONSENSUS, NULL, TRUE);
    SetFocus(HWNDMULBLAALIGN);
}

/* The pattern finder works on copies, which it owns from then on; it is
   owned by the editor window, so it goes with it. */
static void ChercheMotifs(void)
{
    char **ppSeq, **ppNom;
    char szDir[MAX_PATH];

    if (PMULBLA->nSeq < 1 || !CopieSequences(PMULBLA, &ppSeq, &ppNom))
        return;
    /* A directory too long for the buffer: the finder starts where the
       Open dialog does by itself. */
    DWORD nDir = GetCurrentDirectoryA(sizeof szDir, szDir);
    if (nDir == 0 || nDir >= sizeof szDir)
        szDir[0] = '\0';
    HWNDFINDPAT = CreeFindPatWnd(hInst, hWndMulBla, ppSeq, ppNom, PMULBLA->nSeq, 1, szDir);
}

void CommandeSequence(HWND hWnd, int idCommand)
{
    if (PMULBLA == NULL)
        return;
    switch (idCommand) {
    case 3014: Renomme();          break;
    case 3015: Retire(false);      break;
    case 3016: Retire(true);       break;
    case 3017: Deplace(-1);        break;
    case 3018: Deplace(+1);        break;
    case 3019: Consensus(hWnd);    break;
    case 3020: ChercheMotifs();    break;
    default:                       break;
    }
}
