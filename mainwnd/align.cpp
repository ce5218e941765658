/* align.cpp: the alignment pane. Loading an HSP into it, drawing its
 * three coloured rows with position labels, horizontal scrolling, the
 * HSP buttons, and the HSP counter and information areas above it.
 */
#include <windows.h>
#include <windowsx.h>
#include <stdio.h>
#include <string.h>

#include "HALYARD.h"
#include "alignpane.h"
#include "hspload.h"

/* The pane's scroll requests are the platform's. */
static_assert(ALIGN_LIGNE_GAUCHE == SB_LINELEFT && ALIGN_LIGNE_DROITE == SB_LINERIGHT
                  && ALIGN_PAGE_GAUCHE == SB_PAGELEFT && ALIGN_PAGE_DROITE == SB_PAGERIGHT
                  && ALIGN_POSITION == SB_THUMBPOSITION && ALIGN_SUIVI == SB_THUMBTRACK,
              "scroll request codes");

/* ---- Small helpers ----------------------------------------------------- */

void MySetTextColor(HDC hdc, unsigned nIndex, pGraphData pGr)
{
    if (nIndex != pGr->nTxtColor && nIndex < 16) {
        SetTextColor(hdc, TABCOLOR[nIndex]);
        pGr->nTxtColor = nIndex;
    }
}

void MySetTextBkColor(HDC hdc, unsigned nIndex, pGraphData pGr)
{
    if (nIndex != pGr->nTxtBkColor && nIndex < 16) {
        SetBkColor(hdc, TABCOLOR[nIndex]);
        pGr->nTxtBkColor = nIndex;
    }
}

/* ---- Drawing the columns ----------------------------------------------- */

/* One character at (x, y) in the given colours. */
static void DessineCar(HDC hdc, int x, int y, char c, unsigned nTxt, unsigned nBk, pGraphData pGr)
{
    MySetTextColor(hdc, nTxt, pGr);
    MySetTextBkColor(hdc, nBk, pGr);
    TextOutA(hdc, x, y, &c, 1);
}

/* A position label centred at (x, yText), with its tick from yTick - 2 to
   yTick + 2. Labels are cut to their last five digits: the label row has
   room for five, and the last digits are the ones that change. */
static void DessineGraduation(HDC hdc, int x, int yText, int yTick, unsigned nPos)
{
    char sz[16];
    int n = snprintf(sz, sizeof sz, "%u", nPos);
    const char *p = n > 5 ? sz + n - 5 : sz;

    TextOutA(hdc, x, yText, p, (int)strlen(p));
    MoveToEx(hdc, x, yTick - 2, NULL);
    LineTo(hdc, x, yTick + 2);
}

void DessineAlignement(HDC hdc, int x0, int y0, int x1, int y1, int cx, int cy,
                       pGraphData pGr, int nDecal, pHalyardHSPData pHsp,
                       int nFirst, int nLast, int nMode)
{
    UINT uOldAlign = SetTextAlign(hdc, TA_CENTER | TA_TOP);
    int y = y0 + cy;

    (void)x1;
    (void)y1;
    if (nFirst < 0)
        nFirst = 0;
    if (nLast > pHsp->tailleAlign)
        nLast = pHsp->tailleAlign;
    for (int i = nFirst; i < nLast; i++) {
        int x = (i - nDecal + 1) * cx + (nMode != 10 ? x0 : 0);
        unsigned nQuery = pHsp->StartQuery + (unsigned)i;
        unsigned nSubject = pHsp->StartSubject + (unsigned)i;

        DessineCar(hdc, x, y, pHsp->szQuery[i], pHsp->QueryTxtClr[i], pHsp->QueryBkClr[i], pGr);
        DessineCar(hdc, x, y + cy, pHsp->szComp[i], pHsp->CompTxtClr[i], pHsp->CompBkClr[i], pGr);
        DessineCar(hdc, x, y + 2 * cy, pHsp->szSubject[i], pHsp->SubjectTxtClr[i],
                   pHsp->SubjectBkClr[i], pGr);
        MySetTextColor(hdc, 0, pGr);
        MySetTextBkColor(hdc, 1, pGr);
        if (nQuery % 10 == 0)
            DessineGraduation(hdc, x, y - cy, y, nQuery);
        if (nSubject % 10 == 0)
            DessineGraduation(hdc, x, y + 3 * cy, y + 3 * cy, nSubject);
    }
    SetTextAlign(hdc, uOldAlign);
}

/* ---- The pane's window ------------------------------------------------- */

static void AlignProc_OnPaint(HWND hWnd)
{
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hWnd, &ps);
    pDataGeneralPrg pData = DocumentOf(hWndMain);

    if (pData != NULL && pData->pVhspData != NULL) {
        HFONT hOld = SelectFont(hdc, HFNTALIGN);
        GraphData gr;
        long cx, cy;
        int nFirst, nLast;

        DimensionCaractere(hdc, &cx, &cy);
        SetBkMode(hdc, OPAQUE);
        /* The DC starts black on white, so index 0 and 1 are already set. */
        gr = pData->GrData;
        gr.nTxtColor = 0;
        gr.nTxtBkColor = 0;
        nFirst = RoundFloat((float)ps.rcPaint.left / cx) + pData->scroll.nDecal - 2;
        if (nFirst < 0)
            nFirst = 0;
        nLast = RoundFloat((float)ps.rcPaint.right / cx) + pData->scroll.nDecal + 2;
        if (nLast > pData->pVhspData->tailleAlign)
            nLast = pData->pVhspData->tailleAlign;
        DessineAlignement(hdc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right, ps.rcPaint.bottom,
                          cx, cy, &gr, pData->scroll.nDecal, pData->pVhspData, nFirst, nLast, 10);
        SelectFont(hdc, hOld);
    }
    EndPaint(hWnd, &ps);
}

static void AlignProc_OnHScroll(HWND hWnd, HWND hWndCtl, UINT uCode, int nPos)
{
    pDataGeneralPrg pData = DocumentOf(hWndMain);
    int nDecal, p;
    long cx, cy;

    (void)hWndCtl;
    if (pData == NULL || pData->pVhspData == NULL || pData->scroll.wndlength == 0)
        return;
    nDecal = pData->scroll.nDecal;
    p = AlignNouveauDecalage(&pData->scroll, pData->pVhspData->tailleAlign, (int)uCode, nPos);
    if (p == nDecal)
        return;
    MesurePolice(hWnd, HFNTALIGN, &cx, &cy);
    ScrollWindow(hWnd, (nDecal - p) * cx, 0, NULL, NULL);
    SetScrollPos(hWnd, SB_HORZ, p, TRUE);
    pData->scroll.nDecal = p;
}

LRESULT CALLBACK AlignProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_PAINT:
        AlignProc_OnPaint(hWnd);
        return 0;
    case WM_HSCROLL:
        /* The position is a signed 16-bit number (the range starts at -2). */
        AlignProc_OnHScroll(hWnd, (HWND)lParam, LOWORD(wParam), (short)HIWORD(wParam));
        return 0;
    default:
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}

/* ---- Loading an HSP ---------------------------------------------------- */

void AfficheNouvelAlign(HWND hWnd, pDataGeneralPrg pData, int noAlign, int noHsp)
{
    pHalyardHSPData pHsp = NULL;
    FILE *pFile;

    (void)hWnd; /* the loader shows no notice of its own */
    pFile = fopen(pData->szFileSortie, "rb");
    if (pFile != NULL) {
        if (noAlign > 0 && noHsp > 0)
            pHsp = ChargeHspIndex(pData, pFile, (unsigned)noAlign, (unsigned)noHsp);
        fclose(pFile);
    }
    FreeHalyardHaspData(pData);
    if (pHsp != NULL) {
        pData->pVhspData = pHsp;
        AssignColorForAA(pData);
    }
    InvalidateRect(HWNDALIGN, NULL, TRUE);
    ReajusteScroll(pData);

    if (HWNDHCAFRAME != NULL && pData->pVhspData != NULL) {
        pHsp = pData->pVhspData;
        FermeHCADiag();
        CreationNvHCA(pHsp->szQuery, pHsp->QueryTxtClr, pHsp->QueryBkClr, pHsp->StartQuery,
                      pData->FichierBlast.szQuerySeqName, pData);
        CreationNvHCA(pHsp->szSubject, pHsp->SubjectTxtClr, pHsp->SubjectBkClr, pHsp->StartSubject,
                      pData->pHSPResultat[pHsp->noAlign - 1]->szAccessNb, pData);
    }
}

void ReajusteScroll(pDataGeneralPrg pData)
{
    RECT rc;
    long cx, cy;
    int nMax;

    MesurePolice(HWNDALIGN, HFNTALIGN, &cx, &cy);
    GetClientRect(HWNDALIGN, &rc);
    if (AlignDefilement(&pData->scroll, pData->pVhspData, rc.right, (int)cx, &nMax)) {
        EnableScrollBar(HWNDALIGN, SB_HORZ, ESB_ENABLE_BOTH);
        SetScrollRange(HWNDALIGN, SB_HORZ, -2, nMax, FALSE);
        /* Under Wine, setting the thumb where it already stands repaints
           the bar all the same, which took more time than loading and
           drawing the HSP: the thumb is set only when it stands elsewhere. */
        if (GetScrollPos(HWNDALIGN, SB_HORZ) != -2)
            SetScrollPos(HWNDALIGN, SB_HORZ, -2, TRUE);
    } else {
        EnableScrollBar(HWNDALIGN, SB_HORZ, ESB_DISABLE_BOTH);
    }
}

/* The hit of the displayed HSP, or NULL. */
static pDataHSP HitAffiche(pDataGeneralPrg pData)
{
    pHalyardHSPData pHsp = pData->pVhspData;

    if (pHsp == NULL || pData->pHSPResultat == NULL || pHsp->noAlign < 1
        || (unsigned)pHsp->noAlign > pData->nHSP)
        return NULL;
    return pData->pHSPResultat[pHsp->noAlign - 1];
}

void TRAITEBTNHSP(pDataGeneralPrg pData)
{
    pDataHSP pHit = HitAffiche(pData);

    if (pHit == NULL || pHit->unHSP < 2) {
        EnableWindow(HWNDBTNPREVALIGN, FALSE);
        EnableWindow(HWNDBTNNEXTALIGN, FALSE);
        return;
    }
    EnableWindow(HWNDBTNPREVALIGN, pData->pVhspData->noHsp > 1);
    EnableWindow(HWNDBTNNEXTALIGN, (unsigned)pData->pVhspData->noHsp < pHit->unHSP);
}

void AlignOnStepHsp(HWND hWnd, pDataGeneralPrg pData, int nStep)
{
    HDC hdc;

    if (pData->nAlign == 0 || pData->pVhspData == NULL)
        return;
    AfficheNouvelAlign(hWnd, pData, pData->pVhspData->noAlign, pData->pVhspData->noHsp + nStep);
    hdc = GetDC(hWnd);
    DessineEnteteAlign(hdc);
    IndiqueNumeroHsp(hdc);
    ReleaseDC(hWnd, hdc);
    TRAITEBTNHSP(pData);
    SetFocus(HWNDRESULT);
    ResultsShowHspFlag(pData);
}

/* ---- Counter and information areas ------------------------------------- */

/* Fills rc with brush nBrush of the cache and no outline. */
static void RemplitRect(HDC hdc, const RECT *prc, int nBrush, pGraphData pGr)
{
    HBRUSH hOldBr = SelectBrush(hdc, (HBRUSH)pGr->hBrs[nBrush]);
    HPEN hOldPen = SelectPen(hdc, (HPEN)pGr->hPens[NULLCOLORINDEX]);

    Rectangle(hdc, prc->left, prc->top, prc->right, prc->bottom);
    SelectPen(hdc, hOldPen);
    SelectBrush(hdc, hOldBr);
}

/* Runs pfnDraw on hdc, or on a DC of the main window when hdc is NULL,
   with the list font selected and its cx, cy measured. */
template <typename F> static void AvecDCPrincipal(HDC hdc, F pfnDraw)
{
    HDC hdcUse = hdc != NULL ? hdc : GetDC(hWndMain);
    HFONT hOld = SelectFont(hdcUse, HFNTLISTBOX);
    long cx, cy;

    DimensionCaractere(hdcUse, &cx, &cy);
    pfnDraw(hdcUse, (int)cx, (int)cy);
    SelectFont(hdcUse, hOld);
    if (hdc == NULL)
        ReleaseDC(hWndMain, hdcUse);
}

void IndiqueNumeroHsp(HDC hdc)
{
    pDataGeneralPrg pData = DocumentOf(hWndMain);

    if (pData == NULL)
        return;
    AvecDCPrincipal(hdc, [pData](HDC h, int cx, int cy) {
        RECT rc;
        pDataHSP pHit = HitAffiche(pData);

        SetRect(&rc, 9 * cx, 11 * cy + 36, 24 * cx, 12 * cy + 38);
        RemplitRect(h, &rc, 14, &pData->GrData);
        SetRect(&rc, 9 * cx, 11 * cy + 36, 27 * cx, 12 * cy + 38);
        DessineRectRelief(h, &rc, 0, 1, &pData->GrData);
        if (pHit != NULL) {
            char sz[64];
            COLORREF crOldBk = SetBkColor(h, TABCOLOR[14]);
            COLORREF crOldTxt = SetTextColor(h, TABCOLOR[0]);
            int nOldMode = SetBkMode(h, OPAQUE);

            snprintf(sz, sizeof sz, "HSP no. %u/%u.", (unsigned)pData->pVhspData->noHsp, pHit->unHSP);
            SetRect(&rc, 9 * cx, 11 * cy + 38, 24 * cx, 12 * cy + 38);
            DrawTextA(h, sz, -1, &rc, DT_CENTER | DT_TOP);
            SetBkMode(h, nOldMode);
            SetTextColor(h, crOldTxt);
            SetBkColor(h, crOldBk);
        }
    });
}

void DessineEnteteAlign(HDC hdc)
{
    pDataGeneralPrg pData = DocumentOf(hWndMain);

    if (pData == NULL)
        return;
    AvecDCPrincipal(hdc, [pData](HDC h, int cx, int cy) {
        RECT rcClient, rc;
        pDataHSP pHit = HitAffiche(pData);
        int Rm;

        GetClientRect(hWndMain, &rcClient);
        Rm = rcClient.right;
        SetRect(&rc, cx, 12 * cy + 43, Rm - cx, 15 * cy + 37);
        DessineRectRelief(h, &rc, 0, 1, &pData->GrData);
        SetRect(&rc, (3 * cx) / 2, 12 * cy + (cy / 2) + 40, Rm - 2 * cx, 15 * cy - (cy / 2) + 40);
        RemplitRect(h, &rc, 14, &pData->GrData);
        DessineRectRelief(h, &RCSEQNAME, 0, 1, &pData->GrData);
        RECT rcWhite = RCSEQNAME;
        InflateRect(&rcWhite, -2, -2);
        rcWhite.left += 2;
        rcWhite.top += 2;
        RemplitRect(h, &rcWhite, 1, &pData->GrData);

        if (pHit != NULL) {
            char sz[64];
            COLORREF crOldBk = SetBkColor(h, TABCOLOR[14]);
            COLORREF crOldTxt = SetTextColor(h, TABCOLOR[0]);
            int nOldMode = SetBkMode(h, OPAQUE);
            RECT rcBand;

            SetRect(&rcBand, (3 * cx) / 2, 12 * cy + (cy / 2) + 40, Rm - 2 * cx, 15 * cy - (cy / 2) + 40);
            DrawTextA(h, pData->pVhspData->szInfo, -1, &rcBand, DT_LEFT | DT_TOP);
            SetBkColor(h, TABCOLOR[1]);
            snprintf(sz, sizeof sz, "Length= %s.", pHit->szLength);
            DrawTextA(h, sz, -1, &rcWhite, DT_LEFT | DT_TOP | DT_WORDBREAK);
            rcWhite.top += 2 * cy;
            DrawTextA(h, pHit->szAccessName, -1, &rcWhite, DT_LEFT | DT_TOP | DT_WORDBREAK);
            SetBkMode(h, nOldMode);
            SetTextColor(h, crOldTxt);
            SetBkColor(h, crOldBk);
        }
    });
}
