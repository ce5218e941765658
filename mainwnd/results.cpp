/* results.cpp: the results list of the main window (one owner-drawn row
 * per hit), its column captions, the relief frames shared with the
 * alignment pane, and the HSP selection flags the list and the Edit menu
 * set.
 *
 * Divisions: helpers; filling and measuring; drawing the rows; captions
 * and relief frames; the list's keys; the commands carried out here.
 */
#include <windows.h>
#include <windowsx.h>
#include <stdio.h>
#include <string.h>

#include "HALYARD.h"

#define IDC_RESULTS    6001
#define IDC_NEXTHSP    6002
#define IDC_PREVHSP    6003
#define IDC_CHECKHSP   6004

/* Text colours of a row that is not selected (a selected row is all
   white on navy). */
#define CLR_NUMERO     RGB(0x00, 0x00, 0x00)
#define CLR_IDENT      RGB(0x28, 0x3C, 0x64)  /* 0x643C28 */
#define CLR_SCORE      RGB(0x64, 0x28, 0x00)  /* 0x002864 */
#define CLR_PROB       RGB(0x00, 0x00, 0x00)
#define CLR_SELECTION  RGB(0xFF, 0xFF, 0xFF)
#define IDX_FONDSELECT 10                     /* TABCOLOR navy      */

/* ---- Helpers ------------------------------------------------------------ */

/* Length of a record's fixed text field: the reader always terminates it,
   but a full field must not send DrawText past its end. */
static int LongueurChamp(const char *sz, size_t cchField)
{
    return (int)strnlen(sz, cchField);
}

/* The selection flag of the displayed HSP, or NULL when no HSP is shown
   or its numbers do not name a flag of the hit table. */
static int *FlagHspAffiche(pDataGeneralPrg pData)
{
    pHalyardHSPData pHsp;
    pDataHSP pHit;

    if (pData == NULL || pData->pVhspData == NULL || pData->pHSPResultat == NULL)
        return NULL;
    pHsp = pData->pVhspData;
    if (pHsp->noAlign < 1 || (unsigned)pHsp->noAlign > pData->nHSP)
        return NULL;
    pHit = pData->pHSPResultat[pHsp->noAlign - 1];
    if (pHit == NULL || pHit->nHSPselected == NULL || pHsp->noHsp < 1
        || (unsigned)pHsp->noHsp > pHit->unHSP)
        return NULL;
    return &pHit->nHSPselected[pHsp->noHsp - 1];
}

/* ---- Filling and measuring ---------------------------------------------- */

void INITLISTBOXRESULT(pDataGeneralPrg pData)
{
    ListBox_ResetContent(HWNDRESULT);
    if (pData == NULL || pData->pHSPResultat == NULL)
        return;
    /* No string storage: each item is the address of its hit record.
       Added one by one with redrawing on, each item updated the scroll
       bar and repainted the list, and the item array grew by a few
       entries at a time: tens of thousands of hits took minutes. The
       storage is reserved at once and the list drawn once at the end. */
    SetWindowRedraw(HWNDRESULT, FALSE);
    SendMessageA(HWNDRESULT, LB_INITSTORAGE, (WPARAM)pData->nHSP, 0);
    for (unsigned i = 0; i < pData->nHSP; i++)
        ListBox_AddItemData(HWNDRESULT, pData->pHSPResultat[i]);
    SetWindowRedraw(HWNDRESULT, TRUE);
    InvalidateRect(HWNDRESULT, NULL, TRUE);
    SetFocus(HWNDRESULT);
    ListBox_SetCurSel(HWNDRESULT, 0);
}

void ShowResults_OnMeasureItem(HWND hWnd, MEASUREITEMSTRUCT *lpMeasureItem)
{
    RECT rc;
    long cx, cy;

    if (lpMeasureItem->CtlID != IDC_RESULTS)
        return;
    MesurePolice(hWnd, HFNTLISTBOX, &cx, &cy);
    GetClientRect(hWnd, &rc);
    lpMeasureItem->itemHeight = (UINT)((4 * cy) / 3);
    lpMeasureItem->itemWidth = (UINT)rc.right;
}

/* ---- Drawing the rows --------------------------------------------------- */

void ShowResults_OnDrawItem(HWND hWnd, const DRAWITEMSTRUCT *lpDrawItem)
{
    (void)hWnd;
    if (lpDrawItem->itemID == (UINT)-1) {
        /* Empty list: only the focus mark shows where the list is. */
        HandleFocusState(lpDrawItem, -1);
        return;
    }
    if (lpDrawItem->CtlID != IDC_RESULTS)
        return;
    switch (lpDrawItem->itemAction) {
    case ODA_DRAWENTIRE:
        AFFICHEELEMENTLISTBOX(lpDrawItem);
        HandleFocusState(lpDrawItem, -1);
        break;
    case ODA_SELECT:
        AFFICHEELEMENTLISTBOX(lpDrawItem);
        break;
    case ODA_FOCUS:
        HandleFocusState(lpDrawItem, -1);
        break;
    default:
        break;
    }
}

/* One column of a row: the vertical-centre flag without the single-line
   flag leaves the text at the top of its box. */
static void DessineColonne(HDC hdc, const char *sz, int cch, int xLeft, int xRight,
                           const RECT *prcRow, UINT uAlign, COLORREF cr)
{
    RECT rc = { xLeft, prcRow->top, xRight, prcRow->bottom };

    SetTextColor(hdc, cr);
    DrawTextA(hdc, sz, cch, &rc, uAlign | DT_VCENTER);
}

void AFFICHEELEMENTLISTBOX(const DRAWITEMSTRUCT *lpDrawItem)
{
    const DataHSP *pHit = (const DataHSP *)lpDrawItem->itemData;
    pDataGeneralPrg pData = DocumentOf(hWndMain);
    HDC hdc = lpDrawItem->hDC;
    BOOL bSel = (lpDrawItem->itemState & ODS_SELECTED) != 0;
    HBRUSH hbrFond, hbrTemp = NULL;
    HFONT hOldFont;
    COLORREF crOld;
    int nOldMode;
    RECT rc;
    long cx, cy;
    char szNum[16];

    if (pHit == NULL)
        return;
    hOldFont = SelectFont(hdc, HFNTLISTBOX);
    DimensionCaractere(hdc, &cx, &cy);

    if (bSel) {
        hbrFond = pData != NULL ? (HBRUSH)pData->GrData.hBrs[IDX_FONDSELECT] : NULL;
        if (hbrFond == NULL)
            hbrFond = hbrTemp = CreateSolidBrush(TABCOLOR[IDX_FONDSELECT]);
    } else {
        hbrFond = GetSysColorBrush(COLOR_WINDOW);
    }
    if (hbrFond != NULL)
        FillRect(hdc, &lpDrawItem->rcItem, hbrFond);
    if (hbrTemp != NULL)
        DeleteObject(hbrTemp);

    rc = lpDrawItem->rcItem;
    InflateRect(&rc, -2, -2);
    nOldMode = SetBkMode(hdc, TRANSPARENT);
    crOld = GetTextColor(hdc);

    snprintf(szNum, sizeof szNum, "%u.", pHit->numero);
    DessineColonne(hdc, szNum, -1, rc.left, rc.left + 5 * cx, &rc, DT_RIGHT,
                   bSel ? CLR_SELECTION : CLR_NUMERO);
    /* The identifier is placed from the list's edge, not from the row:
       it overlaps the score column, which is drawn over it. */
    DessineColonne(hdc, pHit->szAccessNb, LongueurChamp(pHit->szAccessNb, sizeof pHit->szAccessNb),
                   6 * cx, 35 * cx, &rc, DT_LEFT, bSel ? CLR_SELECTION : CLR_IDENT);
    DessineColonne(hdc, pHit->szHighScore, LongueurChamp(pHit->szHighScore, sizeof pHit->szHighScore),
                   rc.left + 30 * cx, rc.left + 35 * cx, &rc, DT_RIGHT,
                   bSel ? CLR_SELECTION : CLR_SCORE);
    DessineColonne(hdc, pHit->szProb, LongueurChamp(pHit->szProb, sizeof pHit->szProb),
                   rc.left + 37 * cx, rc.left + 45 * cx, &rc, DT_LEFT,
                   bSel ? CLR_SELECTION : CLR_PROB);

    SetTextColor(hdc, crOld);
    SetBkMode(hdc, nOldMode);
    SelectFont(hdc, hOldFont);
}

void HandleFocusState(const DRAWITEMSTRUCT *lpDrawItem, int nInflate)
{
    RECT rc = lpDrawItem->rcItem;
    HBRUSH hbr;

    InflateRect(&rc, nInflate, nInflate);
    if (lpDrawItem->itemState & ODS_FOCUS)
        hbr = (HBRUSH)GetStockObject(GRAY_BRUSH);
    else
        hbr = GetSysColorBrush(COLOR_WINDOW);   /* erases the mark */
    FrameRect(lpDrawItem->hDC, &rc, hbr);
}

/* ---- Captions and relief frames ----------------------------------------- */

void DessineRectRelief(HDC hdc, const RECT *prc, int nPenA, int nPenB, pGraphData pGr)
{
    HPEN hOld = SelectPen(hdc, (HPEN)pGr->hPens[nPenA]);

    MoveToEx(hdc, prc->left, prc->bottom, NULL);
    LineTo(hdc, prc->left, prc->top);
    LineTo(hdc, prc->right, prc->top);
    SelectPen(hdc, (HPEN)pGr->hPens[nPenB]);
    LineTo(hdc, prc->right, prc->bottom);
    LineTo(hdc, prc->left, prc->bottom);
    SelectPen(hdc, hOld);
}

void DessineEnteteRect(HDC hdc)
{
    pDataGeneralPrg pData = DocumentOf(hWndMain);
    HFONT hOldFont;
    int nOldMode;
    long cx, cy;

    if (pData == NULL)
        return;
    hOldFont = SelectFont(hdc, HFNTLISTBOX);
    DimensionCaractere(hdc, &cx, &cy);
    {
        /* Boxes above the columns of the list, and the title of the
           "Sequence information" box; all halvings are integer ones. */
        const int xScore = 4 + (61 * cx) / 2 + 1;
        const int xProb = 4 + (74 * cx) / 2 + 1;
        const struct {
            const char *szTitre;
            int xLeft, xRight;
        } titres[] = {
            { "Num.", 4, 4 + (10 * cx) / 2 - 1 },
            { "Database identifier", 4 + 5 * cx, 4 + 5 * cx + (51 * cx) / 2 - 1 },
            { "Score", xScore, xScore + (13 * cx) / 2 - 1 },
            /* The newer reports give E-values. */
            { pData->FichierBlast.bModerne ? "E" : "P", xProb, xProb + 9 * cx - 1 },
            { "Sequence information", 4 + 49 * cx, 4 + 89 * cx },
        };

        nOldMode = SetBkMode(hdc, TRANSPARENT);
        for (const auto &t : titres) {
            RECT rc = { t.xLeft, 40, t.xRight, 40 + (int)cy };

            DrawTextA(hdc, t.szTitre, -1, &rc, DT_CENTER | DT_TOP);
            DessineRectRelief(hdc, &rc, 1, 0, &pData->GrData);
        }
        SetBkMode(hdc, nOldMode);
    }
    SelectFont(hdc, hOldFont);

    DessineEnteteAlign(hdc);
    IndiqueNumeroHsp(hdc);
}

void AfficheEnteteFileBank(HWND hWnd)
{
    HDC hdc = GetDC(hWnd);

    if (hdc == NULL)
        return;
    DessineEnteteRect(hdc);
    ReleaseDC(hWnd, hdc);
}

/* ---- The list's keys ---------------------------------------------------- */

/* Space toggles the displayed HSP's flag; the keypad's plus and minus
   step through the hit's HSPs as the ">>" and "<<" buttons would, and
   only while those are enabled. */
static void ListBoxWndProc_OnKeyDown(HWND hWnd, UINT vk, BOOL fDown, int cRepeat, UINT flags)
{
    (void)hWnd;
    (void)fDown;
    (void)cRepeat;
    (void)flags;
    switch (vk) {
    case VK_SPACE:
        FORWARD_WM_COMMAND(hWndMain, IDC_CHECKHSP, HWNDCHECKSELECTHSP, BN_CLICKED, SendMessageA);
        break;
    case VK_ADD:
        if (IsWindowEnabled(HWNDBTNNEXTALIGN))
            FORWARD_WM_COMMAND(hWndMain, IDC_NEXTHSP, HWNDBTNNEXTALIGN, BN_CLICKED, SendMessageA);
        break;
    case VK_SUBTRACT:
        if (IsWindowEnabled(HWNDBTNPREVALIGN))
            FORWARD_WM_COMMAND(hWndMain, IDC_PREVHSP, HWNDBTNPREVALIGN, BN_CLICKED, SendMessageA);
        break;
    default:
        break;
    }
}

LRESULT CALLBACK ListBoxWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_KEYDOWN)
        (void)HANDLE_WM_KEYDOWN(hWnd, wParam, lParam, ListBoxWndProc_OnKeyDown);
    /* Every key, the ones handled above included, still moves the list
       in the usual way. */
    return CallWindowProcA(LPFNOLDLBPROC, hWnd, uMsg, wParam, lParam);
}

/* ---- Commands carried out by the list ----------------------------------- */

void ResultsShowHspFlag(pDataGeneralPrg pData)
{
    const int *pnFlag = FlagHspAffiche(pData);

    if (pnFlag != NULL)
        Button_SetCheck(HWNDCHECKSELECTHSP, *pnFlag ? BST_CHECKED : BST_UNCHECKED);
}

void ResultsOnSelChange(HWND hWnd, pDataGeneralPrg pData)
{
    int nRow = ListBox_GetCurSel(HWNDRESULT);
    HDC hdc;

    if (nRow == LB_ERR)
        return;
    AfficheNouvelAlign(hWnd, pData, nRow + 1, 1);
    hdc = GetDC(hWnd);
    if (hdc != NULL) {
        DessineEnteteAlign(hdc);
        IndiqueNumeroHsp(hdc);
        ReleaseDC(hWnd, hdc);
    }
    TRAITEBTNHSP(pData);
    ResultsShowHspFlag(pData);
}

void ResultsOnCheckBox(HWND hWnd, pDataGeneralPrg pData)
{
    int *pnFlag;

    (void)hWnd;
    if (pData == NULL || pData->nAlign == 0)
        return;
    pnFlag = FlagHspAffiche(pData);
    if (pnFlag != NULL) {
        *pnFlag = *pnFlag ? 0 : 1;
        Button_SetCheck(HWNDCHECKSELECTHSP, *pnFlag ? BST_CHECKED : BST_UNCHECKED);
    }
    SetFocus(HWNDRESULT);
}

void ResultsOnSelectCommand(HWND hWnd, pDataGeneralPrg pData, int idCommand)
{
    (void)hWnd;
    if (pData == NULL || pData->pHSPResultat == NULL)
        return;
    for (unsigned i = 0; i < pData->nHSP; i++) {
        pDataHSP pHit = pData->pHSPResultat[i];

        if (pHit == NULL || pHit->nHSPselected == NULL || pHit->unHSP == 0)
            continue;
        switch (idCommand) {
        case 3005:  /* "Select all first HSPs": the others keep their flags */
            pHit->nHSPselected[0] = 1;
            break;
        case 3006:  /* "Select all HSPs" */
        case 3007:  /* "Unselect all" */
            for (unsigned k = 0; k < pHit->unHSP; k++)
                pHit->nHSPselected[k] = idCommand == 3006 ? 1 : 0;
            break;
        default:
            return;
        }
    }
    /* The rows show no flags: only the check box needs refreshing. */
    ResultsShowHspFlag(pData);
}
