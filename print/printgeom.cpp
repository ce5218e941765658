/* printgeom.cpp: the page arithmetic of the printouts. */
#include "printgeom.h"

#include "document.h"   /* RoundFloat */

int MargeImpression(int nDpi)
{
    return RoundFloat((float)nDpi * 0.23622048f);
}

int TickImpression(int nDpi)
{
    return RoundFloat((float)nDpi * 0.11811024f);
}

int HauteurPolice1D(int nDpiImprimante, int nDpiEcran)
{
    return nDpiEcran > 0 ? nDpiImprimante * -13 / nDpiEcran : -13;
}

int DerouleImpression1D(int nTaille, int nParLigne, int yPage, int nMarge, int cy,
                        const SortieImpression *pSortie)
{
    const int nHauteur = 6 * cy;
    int nPage = 1, nDebut = 0;
    bool bNouvelle = true;
    int yHaut = nMarge;

    /* A line of no column would never reach the end. */
    if (nParLigne < 1)
        return 0;
    for (;;) {
        bool bFini = nDebut >= nTaille;

        if (bFini || (!bNouvelle && yHaut + nHauteur > yPage)) {
            if (!pSortie->pfnFinPage(pSortie->pCtx, bFini) || bFini)
                return nPage;
            bNouvelle = true;
            yHaut = nMarge;
            nPage++;
        }
        if (bNouvelle) {
            pSortie->pfnEntete(pSortie->pCtx, nPage, yHaut);
            yHaut += 7 * cy;
            bNouvelle = false;
        }
        pSortie->pfnBloc(pSortie->pCtx, 0, nDebut, nDebut + nParLigne < nTaille ? nDebut + nParLigne : nTaille,
                         yHaut);
        nDebut += nParLigne;
        yHaut += nHauteur;
    }
}
