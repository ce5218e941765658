/* mainwnd.cpp: the main window's procedure and its message handlers:
 * creation (document, fonts, brush and pen cache), the command table,
 * menu enabling, painting, closing and destruction.
 */
#include <windows.h>
#include <windowsx.h>
#include <commctrl.h>
#include <stdio.h>

#include "HALYARD.h"

pDataGeneralPrg DocumentOf(HWND hWnd)
{
    return (pDataGeneralPrg)GetWindowLongPtrA(hWnd, 0);
}

void DimensionCaractere(HDC hdc, long *pcx, long *pcy)
{
    TEXTMETRICA tm;

    GetTextMetricsA(hdc, &tm);
    *pcx = tm.tmAveCharWidth;
    *pcy = tm.tmHeight + tm.tmExternalLeading;
}

void MesurePolice(HWND hWnd, HFONT hFont, long *pcx, long *pcy)
{
    HDC hdc = GetDC(hWnd);
    HFONT hOld = SelectFont(hdc, hFont);

    DimensionCaractere(hdc, pcx, pcy);
    SelectFont(hdc, hOld);
    ReleaseDC(hWnd, hdc);
}

BOOL InitHBrosse(HWND hWnd, pGraphData pGr)
{
    (void)hWnd;
    for (int i = 0; i < 16; i++) {
        pGr->hBrs[i] = CreateSolidBrush(TABCOLOR[i]);
        if (pGr->hBrs[i] == NULL)
            return FALSE;
        pGr->hPens[i] = CreatePen(PS_SOLID, 1, TABCOLOR[i]);
        if (pGr->hPens[i] == NULL)
            return FALSE;
    }
    pGr->hBrs[NULLCOLORINDEX] = GetStockObject(NULL_BRUSH);
    pGr->hPens[NULLCOLORINDEX] = GetStockObject(NULL_PEN);
    return TRUE;
}

void DeleteHBrosse(HWND hWnd, pGraphData pGr)
{
    (void)hWnd;
    for (int i = 0; i < 16; i++) {
        if (pGr->hBrs[i] != NULL)
            DeleteObject((HBRUSH)pGr->hBrs[i]);
        if (pGr->hPens[i] != NULL)
            DeleteObject((HPEN)pGr->hPens[i]);
        pGr->hBrs[i] = NULL;
        pGr->hPens[i] = NULL;
    }
}

/* The description shared by the list font and the alignment font. */
static void RemplitPolice(LOGFONTA *plf)
{
    ZeroMemory(plf, sizeof *plf);
    plf->lfHeight = -13;
    plf->lfWeight = 400;
    plf->lfCharSet = ANSI_CHARSET;
    plf->lfOutPrecision = OUT_STROKE_PRECIS;
    plf->lfClipPrecision = CLIP_STROKE_PRECIS;
    plf->lfQuality = DRAFT_QUALITY;
    plf->lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lstrcpyA(plf->lfFaceName, "Courier New");
}

static BOOL WndProc_OnCreate(HWND hWnd, LPCREATESTRUCT lpCreateStruct)
{
    pDataGeneralPrg pData;
    char szExe[MAX_PATH];

    (void)lpCreateStruct;
    pData = InitDataProgram();
    if (pData == NULL)
        return FALSE;
    SetWindowLongPtrA(hWnd, 0, (LONG_PTR)pData);

    RemplitPolice(&LFLISTBOX);
    HFNTLISTBOX = CreateFontIndirectA(&LFLISTBOX);
    RemplitPolice(&LFALIGN);
    HFNTALIGN = CreateFontIndirectA(&LFALIGN);
    if (HFNTLISTBOX == NULL || HFNTALIGN == NULL)
        return FALSE;
    if (!InitHBrosse(hWnd, &pData->GrData))
        return FALSE;

    hWndMulBla = NULL;
    hWndStatBla = NULL;

    /* The working directory: the drive and directory of the program. */
    if (GetModuleFileNameA(NULL, szExe, sizeof szExe) < sizeof szExe)
        PathDirectoryPart(szExe, pData->szWorkingDirectory, sizeof pData->szWorkingDirectory);

    pData->nColorPref = 10;
    pData->nBkColor = 1;
    hWndSearchDlg = NULL;
    return TRUE;
}

static void WndProc_OnDestroy(HWND hWnd)
{
    pDataGeneralPrg pData = DocumentOf(hWnd);

    if (pData != NULL) {
        if (pData->szFileSortie[0] != '\0')
            DeleteFileA(pData->szFileSortie);
        DeleteHBrosse(hWnd, &pData->GrData);
        FreeDataProgram(pData);
        SetWindowLongPtrA(hWnd, 0, 0);
    }
    if (HFNTLISTBOX != NULL)
        DeleteObject(HFNTLISTBOX);
    if (HFNTALIGN != NULL)
        DeleteObject(HFNTALIGN);
    HFNTLISTBOX = HFNTALIGN = NULL;
    PostQuitMessage(0);
}

static void WndProc_OnPaint(HWND hWnd)
{
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hWnd, &ps);

    DessineEnteteRect(hdc);
    EndPaint(hWnd, &ps);
}

/* Closes the String Finder when it is open: it closes itself on Cancel. */
static void FermeStringFinder(void)
{
    if (hWndSearchDlg != NULL)
        SendMessageA(hWndSearchDlg, WM_COMMAND, IDCANCEL, 0);
}

static void WndProc_OnClose(HWND hWnd)
{
    if (MyAskMsgBox(IDS_HALYARD, IDS_EXITPROGRAM, hWnd) == IDYES) {
        FermeStringFinder();
        DestroyWindow(hWnd);
    }
}

static BOOL WndProc_OnQueryEndSession(HWND hWnd)
{
    Beep(2500, 10);
    if (MyAskMsgBox(IDS_HALYARD, IDS_EXITPROGRAM, hWnd) != IDYES)
        return FALSE;
    FermeStringFinder();
    return TRUE;
}

static BOOL WndProc_OnEraseBkgnd(HWND hWnd, HDC hdc)
{
    RECT rc;

    GetClientRect(hWnd, &rc);
    FillRect(hdc, &rc, (HBRUSH)GetStockObject(LTGRAY_BRUSH));
    return TRUE;
}

static HBRUSH WndProc_OnCtlColor(HWND hWnd, HDC hdc, HWND hWndChild, int nType)
{
    (void)hWnd;
    (void)hWndChild;
    (void)nType;
    SetBkColor(hdc, RGB(0xC0, 0xC0, 0xC0));
    return (HBRUSH)GetStockObject(LTGRAY_BRUSH);
}

static LRESULT WndProc_OnNotify(HWND hWnd, int idCtrl, LPNMHDR pnmh)
{
    (void)hWnd;
    (void)idCtrl;
    if (pnmh->code == TTN_NEEDTEXTA)
        CopyToolTipText((LPTOOLTIPTEXTA)pnmh, NIDHALYARDMAINBTN, 8, 2000);
    return 0;
}

static void WndProc_OnInitMenu(HWND hWnd, HMENU hMenu)
{
    static const UINT idReport[] = { 3002, 3004, 3009, 3010, 3011, 3005, 3006, 3007, 3008, 3024 };
    pDataGeneralPrg pData = DocumentOf(hWnd);
    UINT uEnable;

    if (hMenu == NULL || pData == NULL)
        return;
    uEnable = MF_BYCOMMAND | (pData->pHSPResultat == NULL ? MF_GRAYED : MF_ENABLED);
    for (UINT id : idReport)
        EnableMenuItem(hMenu, id, uEnable);
    CheckMenuItem(hMenu, 3010, MF_BYCOMMAND | (hWndMulBla != NULL ? MF_CHECKED : MF_UNCHECKED));
    CheckMenuItem(hMenu, 3011, MF_BYCOMMAND | (hWndStatBla != NULL ? MF_CHECKED : MF_UNCHECKED));
}

/* Moves the main window so that its top edge is at y, keeping the rest. */
static void PlaceFenetrePrincipale(HWND hWnd, int y)
{
    RECT rc;

    GetWindowRect(hWnd, &rc);
    MoveWindow(hWnd, rc.left, y, rc.right - rc.left, rc.bottom - rc.top, TRUE);
}

static void BasculeHCA(HWND hWnd, pDataGeneralPrg pData)
{
    RECT rc;

    if (HWNDHCAFRAME == NULL) {
        if (!CreeHCAWindows(hWnd))
            return;
        if (pData->pVhspData != NULL)
            AfficheNouvelAlign(hWnd, pData, pData->pVhspData->noAlign, pData->pVhspData->noHsp);
        CheckMenuItem(GetMenu(hWnd), 3009, MF_BYCOMMAND | MF_CHECKED);
        if (HWNDHCAMAIN != NULL && GetWindowRect(HWNDHCAMAIN, &rc))
            PlaceFenetrePrincipale(hWnd, rc.bottom);
    } else {
        DestroyWindow(HWNDHCAMAIN);
        HWNDHCAMAIN = NULL;
        CheckMenuItem(GetMenu(hWnd), 3009, MF_BYCOMMAND | MF_UNCHECKED);
        PlaceFenetrePrincipale(hWnd, 0);
    }
}

/* Help: the platform's help service is gone from current Windows and
   absent under Wine, and halyard.hlp is not shipped; say where the
   documentation is instead. */
static void AfficheAide(HWND hWnd)
{
    pDataGeneralPrg pData = DocumentOf(hWnd);
    char szHelp[MAX_PATH + 16];

    snprintf(szHelp, sizeof szHelp, "%shalyard.hlp", pData != NULL ? pData->szWorkingDirectory : "");
    if (GetFileAttributesA(szHelp) == INVALID_FILE_ATTRIBUTES
        || !WinHelpA(hWndMain, "halyard.hlp", HELP_FINDER, 0))
        MyInfoMsgBox(IDS_HALYARD, IDS_NOHELP, hWnd);
}

/* After a modal dialog the platform gives the focus back to the main
   window itself; the keys of the hit list (arrows, Space, keypad plus
   and minus) are what the user goes on with, so it goes to the list. */
static void RendFocusListe(pDataGeneralPrg pData)
{
    if (pData->pHSPResultat != NULL)
        SetFocus(HWNDRESULT);
}

static void WndProc_OnCommand(HWND hWnd, int id, HWND hWndCtl, UINT codeNotify)
{
    pDataGeneralPrg pData = DocumentOf(hWnd);

    (void)hWndCtl;
    if (pData == NULL)
        return;
    switch (id) {
    case 3000:
        FermeStringFinder();
        OpenABlastFile(hWnd);
        break;
    case 3001:
        FermeStringFinder();
        FermeUnFichier(hWnd);
        break;
    case 3002:
        AfficheInfoDB(hWnd);
        RendFocusListe(pData);
        break;
    case 3003:
        SendMessageA(hWnd, WM_CLOSE, 0, 0);
        break;
    case 3004:
        ChoixColoration(hWnd, &pData->nColorPref, &pData->nBkColor);
        if (pData->pVhspData != NULL)
            AfficheNouvelAlign(hWnd, pData, pData->pVhspData->noAlign, pData->pVhspData->noHsp);
        RendFocusListe(pData);
        break;
    case 3005:
    case 3006:
    case 3007:
        ResultsOnSelectCommand(hWnd, pData, id);
        break;
    case 3008:
        if (hWndSearchDlg == NULL)
            hWndSearchDlg = PrepareSearchData(hWnd, pData);
        break;
    case 3009:
        BasculeHCA(hWnd, pData);
        break;
    case 3010:
        if (hWndMulBla != NULL)
            SendMessageA(hWndMulBla, WM_CLOSE, 0, 0);
        else
            MulBlastDlg(hWnd);
        break;
    case 3011:
        if (hWndStatBla != NULL) {
            DestroyWindow(hWndStatBla);
            hWndStatBla = NULL;
        } else {
            CreationStatBlaWin(pData->nAlignTotal);
        }
        break;
    case 3021:
        AfficheDlgAProposDe(hWnd);
        RendFocusListe(pData);
        break;
    case 3022:
        AfficheAide(hWnd);
        break;
    case 3023:
        SetThePrinterUp(hWnd);
        break;
    case 3024:
        Imprime(hWnd, pData);
        break;
    case 6001:
        if (codeNotify == LBN_SELCHANGE)
            ResultsOnSelChange(hWnd, pData);
        break;
    case 6002:
        AlignOnStepHsp(hWnd, pData, +1);
        break;
    case 6003:
        AlignOnStepHsp(hWnd, pData, -1);
        break;
    case 6004:
        ResultsOnCheckBox(hWnd, pData);
        break;
    default:
        break;
    }
}

static void WndProc_OnDrawItem(HWND hWnd, const DRAWITEMSTRUCT *lpDrawItem)
{
    ShowResults_OnDrawItem(hWnd, lpDrawItem);
}

static void WndProc_OnMeasureItem(HWND hWnd, MEASUREITEMSTRUCT *lpMeasureItem)
{
    ShowResults_OnMeasureItem(hWnd, lpMeasureItem);
}

LRESULT CALLBACK WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
        HANDLE_MSG(hWnd, WM_CREATE, WndProc_OnCreate);
        HANDLE_MSG(hWnd, WM_DESTROY, WndProc_OnDestroy);
        HANDLE_MSG(hWnd, WM_PAINT, WndProc_OnPaint);
        HANDLE_MSG(hWnd, WM_CLOSE, WndProc_OnClose);
        HANDLE_MSG(hWnd, WM_QUERYENDSESSION, WndProc_OnQueryEndSession);
        HANDLE_MSG(hWnd, WM_ERASEBKGND, WndProc_OnEraseBkgnd);
        HANDLE_MSG(hWnd, WM_DRAWITEM, WndProc_OnDrawItem);
        HANDLE_MSG(hWnd, WM_MEASUREITEM, WndProc_OnMeasureItem);
        HANDLE_MSG(hWnd, WM_NOTIFY, WndProc_OnNotify);
        HANDLE_MSG(hWnd, WM_COMMAND, WndProc_OnCommand);
        HANDLE_MSG(hWnd, WM_INITMENU, WndProc_OnInitMenu);
        HANDLE_MSG(hWnd, WM_CTLCOLORBTN, WndProc_OnCtlColor);
        HANDLE_MSG(hWnd, WM_CTLCOLORSTATIC, WndProc_OnCtlColor);
    default:
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}
