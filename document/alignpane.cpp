/* alignpane.cpp: the alignment pane's horizontal scroll in residue
 * columns (see alignpane.h).
 */
#include "alignpane.h"

int AlignDefilement(pDataScroll pScroll, const HalyardHSPData *pHsp, int nLargeur, int cx, int *pnMax)
{
    int n = RoundFloat((float)(nLargeur + 1) / (float)cx);

    pScroll->nDecal = -2;
    if (pHsp != NULL && pHsp->tailleAlign > n - 2) {
        pScroll->wndlength = n;
        *pnMax = pHsp->tailleAlign - n + 2;
        return 1;
    }
    pScroll->wndlength = 0;
    return 0;
}

int AlignNouveauDecalage(const DataScroll *pScroll, int nTaille, int nCode, int nThumb)
{
    int nDecal = pScroll->nDecal, nLen = pScroll->wndlength, nMax = nTaille - nLen + 2, p;

    switch (nCode) {
    case ALIGN_LIGNE_GAUCHE: p = nDecal - nLen / 10; if (p < -2) p = -2; break;
    case ALIGN_LIGNE_DROITE: p = nDecal + nLen / 10; if (p > nMax) p = nMax; break;
    case ALIGN_PAGE_GAUCHE:  p = nDecal - nLen;      if (p < -2) p = -2; break;
    case ALIGN_PAGE_DROITE:  p = nDecal + nLen;      if (p > nMax) p = nMax; break;
    case ALIGN_POSITION:
    case ALIGN_SUIVI:        p = nThumb; break;
    default:                 p = nDecal; break;
    }
    return p;
}
