/* hcadraw.cpp: fonts of the HCA plots and the drawing of a plot.
 *
 * Every number (places, cells, contour segments, chevrons, scale marks,
 * colours) comes from the portable core; this file only makes the GDI
 * calls, through a small cache that switches pens, brushes, fonts and
 * text colours only when they change, since neighbouring residues often
 * share them.
 *
 * Divisions: fonts and metrics; the drawing cache; drawing a plot.
 */
#include <windows.h>
#include <limits.h>
#include <math.h>
#include <stdio.h>

#include "HALYARD.h"
#include "hcawin.h"

/* ---- Fonts and metrics ------------------------------------------------- */

int PoliceEnUnitePhysique(HDC hdc, int nPoints)
{
    return nPoints * GetDeviceCaps(hdc, LOGPIXELSX) / 72;
}

void DefinePolice(HWND hWnd, pGraphObjData pGrObj)
{
    HDC hdc = GetDC(hWnd);
    int nPix = PoliceEnUnitePhysique(hdc, 10);

    ReleaseDC(hWnd, hdc);
    DefineLogPolices(pGrObj, nPix);
}

static const LOGFONTA *LogFont(const LogFontHCA *pLf)
{
    return reinterpret_cast<const LOGFONTA *>(pLf);
}

static void DetruitPolice(void **phFont)
{
    if (*phFont != NULL)
        DeleteObject((HFONT)*phFont);
    *phFont = NULL;
}

void DeleteHPolice(HWND hWnd, pGraphObjData pGrObj)
{
    (void)hWnd;
    DetruitPolice(&pGrObj->hFntDiagramme);
    DetruitPolice(&pGrObj->hFntAASpeciaux);
    DetruitPolice(&pGrObj->hFntTrack);
}

int InitHPolice(HWND hWnd, pGraphObjData pGrObj)
{
    pGrObj->hFntDiagramme = CreateFontIndirectA(LogFont(&pGrObj->LFDiagramme));
    pGrObj->hFntAASpeciaux = CreateFontIndirectA(LogFont(&pGrObj->LFAASpeciaux));
    pGrObj->hFntTrack = CreateFontIndirectA(LogFont(&pGrObj->LFTrack));
    if (pGrObj->hFntDiagramme == NULL || pGrObj->hFntAASpeciaux == NULL
        || pGrObj->hFntTrack == NULL) {
        /* None of them is kept: the viewer is not created. */
        DeleteHPolice(hWnd, pGrObj);
        MyInfoMsgBox(IDS_HCAVIEWER, IDS_HCA_NOGDI, hWnd);
        return 0;
    }
    return 1;
}

void DimPoliceQconque(HWND hWnd, HFONT hFont, long *pcx, long *pcy)
{
    HDC hdc = GetDC(hWnd);
    HGDIOBJ hOld = SelectObject(hdc, hFont);
    TEXTMETRICA tm;

    GetTextMetricsA(hdc, &tm);
    SelectObject(hdc, hOld);
    ReleaseDC(hWnd, hdc);
    *pcx = tm.tmAveCharWidth;
    *pcy = tm.tmHeight + tm.tmExternalLeading;
}

void DimPoliceDiag(HDC hdc, pGraphObjData pGrObj)
{
    HGDIOBJ hOld = SelectObject(hdc, (HFONT)pGrObj->hFntDiagramme);
    TEXTMETRICA tm;

    ZeroMemory(&tm, sizeof tm);
    GetTextMetricsA(hdc, &tm);
    if (hOld != NULL)
        SelectObject(hdc, hOld);
    AssigneDimDiag(pGrObj, tm.tmAveCharWidth, tm.tmHeight + tm.tmExternalLeading);
}

/* ---- The drawing cache ------------------------------------------------- */

void PrepHCADC(HDC hdc, pGraphObjData pGrObj)
{
    pGrObj->hOldFont = SelectObject(hdc, (HFONT)pGrObj->hFntDiagramme);
    pGrObj->hCurFont = pGrObj->hFntDiagramme;
    pGrObj->nAAColor = HCA_NOIR;
    SetTextColor(hdc, HCA_NOIR);

    pGrObj->nCurBr = HCA_BLANC;
    pGrObj->hBrs = CreateSolidBrush(HCA_BLANC);
    pGrObj->hOldBr = pGrObj->hBrs != NULL ? SelectObject(hdc, (HBRUSH)pGrObj->hBrs) : NULL;

    pGrObj->nCurPen = HCA_NOIR;
    pGrObj->hPens = CreatePen(PS_SOLID, 1, HCA_NOIR);
    pGrObj->hOldPen = pGrObj->hPens != NULL ? SelectObject(hdc, (HPEN)pGrObj->hPens) : NULL;

    SetBkMode(hdc, TRANSPARENT);
    SetTextAlign(hdc, TA_CENTER | TA_TOP);
    pGrObj->bMono = GetDeviceCaps(hdc, BITSPIXEL) * GetDeviceCaps(hdc, PLANES) == 1;
}

void CleanHCADC(HDC hdc, pGraphObjData pGrObj)
{
    if (pGrObj->hOldFont != NULL)
        SelectObject(hdc, (HGDIOBJ)pGrObj->hOldFont);
    if (pGrObj->hOldBr != NULL)
        SelectObject(hdc, (HGDIOBJ)pGrObj->hOldBr);
    if (pGrObj->hOldPen != NULL)
        SelectObject(hdc, (HGDIOBJ)pGrObj->hOldPen);
    if (pGrObj->hBrs != NULL)
        DeleteObject((HBRUSH)pGrObj->hBrs);
    if (pGrObj->hPens != NULL)
        DeleteObject((HPEN)pGrObj->hPens);
    pGrObj->hBrs = NULL;
    pGrObj->hPens = NULL;
    pGrObj->hOldFont = pGrObj->hOldBr = pGrObj->hOldPen = NULL;
    pGrObj->hCurFont = NULL;
}

void MyHCASetFont(HDC hdc, HFONT hFont, pGraphObjData pGrObj)
{
    if ((void *)hFont == pGrObj->hCurFont || hFont == NULL)
        return;
    SelectObject(hdc, hFont);
    pGrObj->hCurFont = hFont;
}

void MyHCASetTextColor(HDC hdc, COLORREF cr, pGraphObjData pGrObj)
{
    if (cr == pGrObj->nAAColor)
        return;
    SetTextColor(hdc, cr);
    pGrObj->nAAColor = cr;
}

/* The new object is selected before the one it replaces is deleted, so
   that a GDI object is never deleted while the device context holds it;
   when it cannot be created, the current one stays and the value is not
   remembered, so that the next call tries again. */
void MyHCASetPen(HDC hdc, COLORREF cr, pGraphObjData pGrObj)
{
    HPEN hPen;

    if (cr == pGrObj->nCurPen && pGrObj->hPens != NULL)
        return;
    hPen = cr == HCA_STYLONUL ? CreatePen(PS_NULL, 0, 0) : CreatePen(PS_SOLID, 1, cr);
    if (hPen == NULL)
        return;
    SelectObject(hdc, hPen);
    if (pGrObj->hPens != NULL)
        DeleteObject((HPEN)pGrObj->hPens);
    pGrObj->hPens = hPen;
    pGrObj->nCurPen = cr;
}

void MyHCASetBrush(HDC hdc, COLORREF cr, pGraphObjData pGrObj)
{
    HBRUSH hBr;

    if (cr == pGrObj->nCurBr && pGrObj->hBrs != NULL)
        return;
    hBr = CreateSolidBrush(cr);
    if (hBr == NULL)
        return;
    SelectObject(hdc, hBr);
    if (pGrObj->hBrs != NULL)
        DeleteObject((HBRUSH)pGrObj->hBrs);
    pGrObj->hBrs = hBr;
    pGrObj->nCurBr = cr;
}

/* ---- Drawing a plot ---------------------------------------------------- */

void DrawHCA(const PAINTSTRUCT *pPs,
             HWND hWnd,
             const RECT *prcClient,
             GraphObjData GrObj,
             int nMode)
{
    pInfoSequence pInfSeq = (pInfoSequence)GetWindowLongPtrA(hWnd, 0);
    int nFirst, nLast;

    if (pInfSeq == NULL || pInfSeq->TailleSeq <= 0)
        return;
    if (!PlageVisibleHCA(pInfSeq, pPs->rcPaint.left, pPs->rcPaint.right, GrObj, &nFirst, &nLast))
        return;
    DessineDiagramme2(pPs->hdc, pInfSeq, (int)pInfSeq->HcaData.nPosScroll * GrObj.nLineWidthAAs,
                      nFirst, nLast, prcClient, GrObj, nMode);
}

void TraceHCACercle(HDC hdc, const InfoSequence *pInfSeq, const POINT pts[6], int k)
{
    PointHCA seg[12];
    int nSeg = SegmentsContour(pInfSeq->pInfoAA[k].TabHydro,
                               reinterpret_cast<const PointHCA *>(pts), seg);
    int i;

    for (i = 0; i < nSeg; i++) {
        MoveToEx(hdc, seg[2 * i].x, seg[2 * i].y, NULL);
        LineTo(hdc, seg[2 * i + 1].x, seg[2 * i + 1].y);
    }
}

/* A cache value no colour can take: the first request always creates. */
#define HCA_INCONNU 0xFFFFFFFEUL

/* Puts back the pen, brush, font and text colour the caller's cache had
   selected, and deletes what the drawing created: the caller's record
   stays true and no object outlives the paint. */
static void RestaureCache(HDC hdc, pGraphObjData pLocal, const GraphObjData *pAppel)
{
    HGDIOBJ hPen = pAppel->hPens != NULL ? (HGDIOBJ)pAppel->hPens
                 : pAppel->hOldPen != NULL ? (HGDIOBJ)pAppel->hOldPen
                 : GetStockObject(BLACK_PEN);
    HGDIOBJ hBr = pAppel->hBrs != NULL ? (HGDIOBJ)pAppel->hBrs
                : pAppel->hOldBr != NULL ? (HGDIOBJ)pAppel->hOldBr
                : GetStockObject(WHITE_BRUSH);

    if (pLocal->hPens != NULL) {
        SelectObject(hdc, hPen);
        DeleteObject((HPEN)pLocal->hPens);
        pLocal->hPens = NULL;
    }
    if (pLocal->hBrs != NULL) {
        SelectObject(hdc, hBr);
        DeleteObject((HBRUSH)pLocal->hBrs);
        pLocal->hBrs = NULL;
    }
    if (pAppel->hCurFont != NULL)
        SelectObject(hdc, (HFONT)pAppel->hCurFont);
    SetTextColor(hdc, pAppel->nAAColor);
}

/* Scale number of residue k, with its tick, or beside the last column. */
static void DessineGraduation(HDC hdc,
                              const InfoSequence *pInfSeq,
                              int k,
                              int X,
                              const RECT *prc,
                              pGraphObjData pG)
{
    int nGrad = GraduationAA(pInfSeq, k);
    int cx = (int)pG->cxCharDiag;
    char sz[16];
    int n;

    if (nGrad == HCA_GRAD_AUCUNE)
        return;
    MyHCASetFont(hdc, (HFONT)pG->hFntDiagramme, pG);
    MyHCASetPen(hdc, HCA_NOIR, pG);
    MyHCASetTextColor(hdc, HCA_NOIR, pG);
    n = snprintf(sz, sizeof sz, "%d", pInfSeq->pInfoAA[k].ValeurEchRel);
    if (nGrad == HCA_GRAD_FIN) {
        SetTextAlign(hdc, TA_LEFT | TA_TOP);
        TextOutA(hdc, X, prc->top + 3 * cx, sz, n);
        SetTextAlign(hdc, TA_CENTER | TA_TOP);
    } else {
        TextOutA(hdc, X, prc->top, sz, n);
        MoveToEx(hdc, X, prc->top + 3 * cx, NULL);
        LineTo(hdc, X, prc->top + 5 * cx);
    }
}

/* 1 when the selected font has a glyph for code (or cannot tell). The
   Wingdings that Wine ships lacks some shapes, the star of P among them,
   and would draw an empty box instead. */
static int GlyphePresent(HDC hdc, unsigned char code)
{
    char ch = (char)code;
    WORD idx = 0xFFFF;

    if (GetGlyphIndicesA(hdc, &ch, 1, &idx, GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR)
        return 1;
    return idx != 0xFFFF;
}

/* The shape of a symbol code drawn with lines and polygons in colour cr,
   centred on the residue's cell: for a symbol font without it. */
static void DessineSymbole(HDC hdc, unsigned char code, int X, int Y, COLORREF cr, pGraphObjData pG)
{
    float cy = (float)pG->cyCharDiag;
    float xc = (float)X, yc = (float)(Y + (int)(pG->cyCharDiag / 2));
    POINT pts[10];
    int i;

    MyHCASetPen(hdc, cr, pG);
    MyHCASetBrush(hdc, cr, pG);
    switch (code) {
    case 0xAB: {   /* black five-pointed star, one point up */
        float R = 0.42f * cy, r = 0.4f * R;
        for (i = 0; i < 10; i++) {
            float a = 3.14159265f * (float)i / 5.0f;
            float d = (i % 2) ? r : R;
            pts[i].x = RoundFloat(xc + d * sinf(a));
            pts[i].y = RoundFloat(yc - d * cosf(a));
        }
        Polygon(hdc, pts, 10);
        break;
    }
    case 0x74: {   /* black lozenge */
        float w = 0.28f * cy, h = 0.38f * cy;
        pts[0].x = RoundFloat(xc);     pts[0].y = RoundFloat(yc - h);
        pts[1].x = RoundFloat(xc + w); pts[1].y = RoundFloat(yc);
        pts[2].x = RoundFloat(xc);     pts[2].y = RoundFloat(yc + h);
        pts[3].x = RoundFloat(xc - w); pts[3].y = RoundFloat(yc);
        Polygon(hdc, pts, 4);
        break;
    }
    case 0xA8: {   /* open square */
        int d = RoundFloat(0.3f * cy);
        MoveToEx(hdc, X - d, RoundFloat(yc) - d, NULL);
        LineTo(hdc, X + d, RoundFloat(yc) - d);
        LineTo(hdc, X + d, RoundFloat(yc) + d);
        LineTo(hdc, X - d, RoundFloat(yc) + d);
        LineTo(hdc, X - d, RoundFloat(yc) - d);
        break;
    }
    case 0x9F: {   /* centred dot */
        int d = RoundFloat(0.1f * cy) + 1;
        Ellipse(hdc, X - d, RoundFloat(yc) - d, X + d + 1, RoundFloat(yc) + d + 1);
        break;
    }
    default:
        break;
    }
}

/* Letter of residue k, or its symbol, in both copies of the net. */
static void DessineLettre(HDC hdc, const InfoSequence *pInfSeq, int k, int X, int Y1, int Y2,
                          pGraphObjData pG)
{
    char c = pInfSeq->Sequence[k];
    unsigned char codes[2];
    int nCodes = SymboleAA(c, codes);
    int nY[2] = { Y1, Y2 };
    int y, i;
    COLORREF cr = CouleurLettreAA(pInfSeq, k);

    MyHCASetTextColor(hdc, cr, pG);
    if (nCodes == 0) {
        MyHCASetFont(hdc, (HFONT)pG->hFntDiagramme, pG);
        for (y = 0; y < 2; y++)
            TextOutA(hdc, X, nY[y], &c, 1);
        return;
    }
    MyHCASetFont(hdc, (HFONT)pG->hFntAASpeciaux, pG);
    for (y = 0; y < 2; y++)
        for (i = 0; i < nCodes; i++) {
            char ch = (char)codes[i];
            if (GlyphePresent(hdc, codes[i]))
                TextOutA(hdc, X, nY[y], &ch, 1);
            else
                DessineSymbole(hdc, codes[i], X, nY[y], cr, pG);
        }
}

int DessineDiagramme2(HDC hdc,
                      pInfoSequence pInfSeq,
                      int nOffsetX,
                      int nFirst,
                      int nLast,
                      const RECT *prc,
                      GraphObjData GrObj,
                      int nMode)
{
    const GraphObjData gAppel = GrObj;   /* the caller's cache, put back at the end */
    RectHCA rc;
    POINT *pHex;     /* hexagon corners of every residue drawn, both copies */
    POINT *pCell;    /* background cell of the residue being drawn          */
    int n, k;
    unsigned int z;

    (void)nMode;   /* the screen and the printer draw the same */
    if (pInfSeq == NULL || pInfSeq->pInfoAA == NULL || pInfSeq->Sequence == NULL)
        return 1;
    /* Only residues that exist, whatever the caller asks. */
    if (nFirst < 0)
        nFirst = 0;
    if (nLast > pInfSeq->TailleSeq - 1)
        nLast = pInfSeq->TailleSeq - 1;
    if (nFirst > nLast)
        return 1;
    n = nLast - nFirst + 1;
    if ((unsigned)n > UINT_MAX / (12 * sizeof(POINT)))
        return 0;
    pHex = (POINT *)MyAlloc((unsigned)(n * 12 * sizeof(POINT)));
    pCell = pHex != NULL ? (POINT *)MyAlloc(12 * sizeof(POINT)) : NULL;
    if (pCell == NULL) {
        /* Nothing is drawn with a missing array. */
        if (pHex != NULL)
            MyFree(pHex);
        return 0;
    }
    rc.left = prc->left;
    rc.top = prc->top;
    rc.right = prc->right;
    rc.bottom = prc->bottom;

    /* This drawing's own pens and brushes; the caller's are put back. */
    GrObj.hPens = NULL;
    GrObj.hBrs = NULL;
    GrObj.nCurPen = GrObj.nCurBr = GrObj.nAAColor = HCA_INCONNU;

    MyHCASetTextColor(hdc, HCA_NOIR, &GrObj);
    MyHCASetPen(hdc, HCA_NOIR, &GrObj);
    MyHCASetBrush(hdc, HCA_BLANC, &GrObj);

    for (k = nFirst; k <= nLast; k++) {
        POINT *pH = pHex + 12 * (k - nFirst);
        PointHCA *pOut = reinterpret_cast<PointHCA *>(pCell);
        unsigned long crFond;
        int X, Y1, Y2;

        PositionEcranAA(pInfSeq, k, nOffsetX, rc, GrObj, &X, &Y1, &Y2);
        CelluleEcran(GrObj.ptAmas, X, Y1, GrObj, reinterpret_cast<PointHCA *>(pH));
        CelluleEcran(GrObj.ptAmas, X, Y2, GrObj, reinterpret_cast<PointHCA *>(pH + 6));

        DessineGraduation(hdc, pInfSeq, k, X, prc, &GrObj);

        if (FondAA(pInfSeq, k, &crFond)) {
            MyHCASetPen(hdc, HCA_STYLONUL, &GrObj);
            MyHCASetBrush(hdc, crFond, &GrObj);
            CelluleEcran(pInfSeq->pInfoAA[k].PolyGon, X, Y1, GrObj, pOut);
            CelluleEcran(pInfSeq->pInfoAA[k].PolyGon, X, Y2, GrObj, pOut + 6);
            Polygon(hdc, pCell, 6);
            Polygon(hdc, pCell + 6, 6);
        }

        if (pInfSeq->HcaData.IsDrawAA)
            DessineLettre(hdc, pInfSeq, k, X, Y1, Y2, &GrObj);
    }

    if (pInfSeq->HcaData.IsDrawCluster) {
        MyHCASetPen(hdc, HCA_NOIR, &GrObj);
        for (k = nFirst; k <= nLast; k++) {
            TraceHCACercle(hdc, pInfSeq, pHex + 12 * (k - nFirst), k);
            TraceHCACercle(hdc, pInfSeq, pHex + 12 * (k - nFirst) + 6, k);
        }
    }

    if (pInfSeq->HcaData.IsDrawZigZag) {
        MyHCASetPen(hdc, HCA_NOIR, &GrObj);
        MyHCASetBrush(hdc, HCA_NOIR, &GrObj);
        for (z = 0; z < pInfSeq->nZigZag; z++) {
            PointHCA pts[6];
            int c;

            k = (int)pInfSeq->TableauZigZag[z] - 1;
            if (k < nFirst || k > nLast)
                continue;
            ChevronZigZag(pInfSeq, k, nOffsetX, rc, GrObj, pts);
            for (c = 0; c < 2; c++) {
                MoveToEx(hdc, pts[3 * c].x, pts[3 * c].y, NULL);
                LineTo(hdc, pts[3 * c + 1].x, pts[3 * c + 1].y);
                LineTo(hdc, pts[3 * c + 2].x, pts[3 * c + 2].y);
            }
        }
    }

    /* Separator lines: no residue of this program carries one. */

    RestaureCache(hdc, &GrObj, &gAppel);
    MyFree(pCell);
    MyFree(pHex);
    return 1;
}
