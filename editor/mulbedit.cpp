/* mulbedit.cpp: the editor's character edits, and the arithmetic of its
 * panes: which cells a paint rectangle covers, where the caret and a
 * click fall, the scroll bars, and how the caret keys move the caret.
 * The windows only draw and dispatch with what these return.
 */
#include "mulbla.h"

#include <stdio.h>
#include <string.h>

#include "colors.h"

/* ---- Edits -------------------------------------------------------------- */

/* Row m when column n lies in it, else NULL. */
static pMulBlaSeq RangeeEditee(pMulBlaData pMul, int n, int m)
{
    if (pMul == NULL || m < 1 || m > pMul->nSeq || n < 1 || n > pMul->nTaille)
        return NULL;
    return pMul->pSeqMul[m - 1];
}

static void PoseCellule(pMulBlaSeq pRow, int i, char ch, char chComp)
{
    pRow->szSeq[i] = ch;
    pRow->szComp[i] = chComp;
    pRow->SeqTxtClr[i] = CLR_NOIR;
    pRow->SeqBkClr[i] = CLR_BLANC;
}

/* Moves nCount cells of every array of the row from index iFrom to iTo. */
static void DecaleCellules(pMulBlaSeq pRow, int iTo, int iFrom, int nCount)
{
    size_t n = (size_t)nCount;

    memmove(pRow->szSeq + iTo, pRow->szSeq + iFrom, n);
    memmove(pRow->szComp + iTo, pRow->szComp + iFrom, n);
    memmove(pRow->SeqTxtClr + iTo, pRow->SeqTxtClr + iFrom, n * sizeof(unsigned));
    memmove(pRow->SeqBkClr + iTo, pRow->SeqBkClr + iFrom, n * sizeof(unsigned));
}

void EcraseCaractere(pMulBlaData pMul, int n, int m, char ch)
{
    pMulBlaSeq pRow = RangeeEditee(pMul, n, m);

    if (pRow != NULL)
        PoseCellule(pRow, n - 1, ch, ' ');
}

void InsereCaractere(pMulBlaData pMul, int n, int m, char ch)
{
    pMulBlaSeq pRow = RangeeEditee(pMul, n, m);

    if (pRow == NULL)
        return;
    DecaleCellules(pRow, n, n - 1, pMul->nTaille - n);
    PoseCellule(pRow, n - 1, ch, ' ');
}

void EffaceCaractere(pMulBlaData pMul, int n, int m)
{
    pMulBlaSeq pRow = RangeeEditee(pMul, n, m);

    if (pRow == NULL)
        return;
    DecaleCellules(pRow, n - 1, n, pMul->nTaille - n);
    PoseCellule(pRow, pMul->nTaille - 1, MULBLA_VIDE, MULBLA_VIDE);
}

/* ---- Pane arithmetic ---------------------------------------------------- */

static int Borne(int v, int nMin, int nMax)
{
    return v < nMin ? nMin : (v > nMax ? nMax : v);
}

PlageMulBla PlageVisible(const MulBlaData *pMul, int left, int top, int right, int bottom, int cx, int cy)
{
    PlageMulBla r;

    r.c0 = RoundFloat((float)left / (float)cx) + pMul->nHdecal - 2;
    r.c1 = RoundFloat((float)right / (float)cx) + pMul->nHdecal + 2;
    r.r0 = RoundFloat((float)top / (float)cy) + pMul->nVdecal - 2;
    r.r1 = RoundFloat((float)bottom / (float)cy) + pMul->nVdecal + 2;
    if (r.c0 < 0)
        r.c0 = 0;
    if (r.c1 > pMul->nTaille)
        r.c1 = pMul->nTaille;
    if (r.r0 < 0)
        r.r0 = 0;
    if (r.r1 > pMul->nSeq)
        r.r1 = pMul->nSeq;
    return r;
}

RectMulBla ZoneARetracer(const MulBlaData *pMul, int n, int m, int cx, int cy, int nWidth)
{
    RectMulBla rc;

    rc.left = n == 0 ? 0 : (n - (pMul->nHdecal + 2)) * cx + cx / 2;
    rc.top = (m - 1 - pMul->nVdecal) * cy;
    rc.right = nWidth;
    rc.bottom = rc.top + cy;
    return rc;
}

void PositionCaret(const MulBlaData *pMul, int n, int m, int cx, int cy, int *px, int *py)
{
    *px = (n - (pMul->nHdecal + 2)) * cx + cx / 2;
    *py = (m - 1 - pMul->nVdecal) * cy;
}

int CaseDuClic(const MulBlaData *pMul, int x, int y, int cx, int cy, int *pn, int *pm)
{
    int n = (x - cx / 2) / cx + pMul->nHdecal + 2;
    int m = y / cy + pMul->nVdecal + 1;

    if (n < 1 || n > pMul->nTaille || m < 1 || m > pMul->nSeq)
        return 0;
    *pn = n;
    *pm = m;
    return 1;
}

DefilMulBla CalculeDefilement(pMulBlaData pMul, int w, int h, int cx, int cy)
{
    int V = RoundFloat((float)(w + 1) / (float)cx);
    int L = RoundFloat((float)(h + 1) / (float)cy);
    DefilMulBla d;

    d.bHoriz = pMul->nTaille > V - 2;
    d.nHMax = pMul->nTaille - V + 2;
    /* A wider pane or a smaller font lowers the maximum: the position
       follows, so that the bar can still reach the columns shown. */
    if (d.bHoriz) {
        pMul->wndlength = V;
        if (pMul->nHdecal > d.nHMax)
            pMul->nHdecal = d.nHMax;
    } else {
        pMul->wndlength = 0;
        pMul->nHdecal = -2;
    }
    d.bVert = pMul->nSeq > L - 2;
    d.nVMax = pMul->nSeq - L + 2;
    if (d.bVert) {
        pMul->wndheight = L;
        if (pMul->nVdecal > d.nVMax)
            pMul->nVdecal = d.nVMax;
    } else {
        pMul->wndheight = 0;
        pMul->nVdecal = 0;
    }
    return d;
}

int NouvellePosition(int nCode, int nCur, int nMin, int nMax, int nPage, int nThumb)
{
    switch (nCode) {
    case DEFIL_LIGNE_AV: return nCur - 1 < nMin ? nMin : nCur - 1;
    case DEFIL_LIGNE_AP: return nCur + 1 > nMax ? nMax : nCur + 1;
    case DEFIL_PAGE_AV:  return nCur - nPage < nMin ? nMin : nCur - nPage;
    case DEFIL_PAGE_AP:  return nCur + nPage > nMax ? nMax : nCur + nPage;
    case DEFIL_POSITION:
    case DEFIL_SUIVI:    return nThumb;
    case DEFIL_DEBUT:    return nMin;
    case DEFIL_FIN:      return nMax;
    default:             return nCur;
    }
}

const char *MarqueEchelle(int n, int nTaille, char *szNum)
{
    if (n % 10 != 0 && n != 1 && n != nTaille)
        return NULL;
    snprintf(szNum, 12, "%d", n);
    return szNum;
}

/* ---- Caret keys --------------------------------------------------------- */

CaretMulBla DeplaceCaret(const MulBlaData *pMul, int nCol, int nLgn, int nTouche, int bCtrl,
                         int cxAlign, int cyAlign, int cx, int cy)
{
    CaretMulBla k = { nCol, nLgn, DEFIL_AUCUN, DEFIL_AUCUN };
    bool bPage = bCtrl || nTouche == TOUCHE_PGHAUT || nTouche == TOUCHE_PGBAS;
    int nPasCol = bPage ? RoundFloat((float)cxAlign / (float)cx) : 1;
    int nPasLgn = bPage ? RoundFloat((float)cyAlign / (float)cy) : 1;
    int xOld, yOld, xNew, yNew;
    bool bDansX, bDansY;

    /* With no row left there is no cell for the caret. */
    if (pMul->nSeq < 1 || pMul->nTaille < 1)
        return k;
    PositionCaret(pMul, nCol, nLgn, cx, cy, &xOld, &yOld);
    bDansX = xOld >= 0 && xOld <= cxAlign;
    bDansY = yOld >= 0 && yOld <= cyAlign;
    switch (nTouche) {
    case TOUCHE_GAUCHE: k.nCol = Borne(nCol - nPasCol, 1, pMul->nTaille); break;
    case TOUCHE_DROITE: k.nCol = Borne(nCol + nPasCol, 1, pMul->nTaille); break;
    case TOUCHE_HAUT:
    case TOUCHE_PGHAUT: k.nLgn = Borne(nLgn - nPasLgn, 1, pMul->nSeq); break;
    case TOUCHE_BAS:
    case TOUCHE_PGBAS:  k.nLgn = Borne(nLgn + nPasLgn, 1, pMul->nSeq); break;
    case TOUCHE_DEBUT:
    case TOUCHE_FIN: {
        bool bFin = nTouche == TOUCHE_FIN;

        k.nCol = bFin ? pMul->nTaille : 1;
        k.nLgn = bFin ? pMul->nSeq : 1;
        if (pMul->wndlength != 0)
            k.nHReq = bFin ? DEFIL_FIN : DEFIL_DEBUT;
        if (pMul->wndheight != 0)
            k.nVReq = bFin ? DEFIL_FIN : DEFIL_DEBUT;
        return k;
    }
    default: return k;
    }
    PositionCaret(pMul, k.nCol, k.nLgn, cx, cy, &xNew, &yNew);
    if (nTouche == TOUCHE_GAUCHE && bDansX && xNew <= 0)
        k.nHReq = bCtrl ? DEFIL_PAGE_AV : DEFIL_LIGNE_AV;
    else if (nTouche == TOUCHE_DROITE && bDansX && xNew >= cxAlign)
        k.nHReq = bCtrl ? DEFIL_PAGE_AP : DEFIL_LIGNE_AP;
    else if (nTouche == TOUCHE_HAUT && bDansY && yNew <= 0)
        k.nVReq = DEFIL_LIGNE_AV;
    else if (nTouche == TOUCHE_PGHAUT && bDansY && yNew <= 0)
        k.nVReq = DEFIL_PAGE_AV;
    else if (nTouche == TOUCHE_BAS && bDansY && yNew >= cyAlign)
        k.nVReq = DEFIL_LIGNE_AP;
    else if (nTouche == TOUCHE_PGBAS && bDansY && yNew >= cyAlign)
        k.nVReq = DEFIL_PAGE_AP;
    return k;
}
