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

int DerouleImpressionHCA(const BandeHCA bandes[2], int nParBande, int yPage, int yTrace, int nHauteur, int cy,
                         const SortieImpression *pSortie)
{
    long long d[2], f[2];
    int nPage = 0, yHaut = yTrace + 9 * cy;
    bool bNouvelle = true;

    for (int i = 0; i < 2; i++) {
        /* Bands that do not advance would never reach the end. */
        if (nParBande <= bandes[i].nOverlap || bandes[i].nOverlap < 0)
            return -1;
        d[i] = bandes[i].nDebut;
        f[i] = d[i] + nParBande < bandes[i].nStop ? d[i] + nParBande : bandes[i].nStop;
    }
    for (;;) {
        bool bFini = d[0] + bandes[0].nOverlap > bandes[0].nStop;

        if (bFini || (!bNouvelle && yHaut + nHauteur + nHauteur + cy > yPage)) {
            if (!pSortie->pfnFinPage(pSortie->pCtx, bFini) || bFini)
                return nPage;
            bNouvelle = true;
        }
        if (bNouvelle) {
            pSortie->pfnEntete(pSortie->pCtx, ++nPage, yTrace);
            yHaut = yTrace + 9 * cy;
            bNouvelle = false;
        }
        for (int i = 0; i < 2; i++) {
            pSortie->pfnBloc(pSortie->pCtx, i, (int)d[i], (int)f[i], yHaut);
            yHaut += 3 * cy + nHauteur;
            d[i] += nParBande - bandes[i].nOverlap;
            f[i] += nParBande - bandes[i].nOverlap;
            if (f[i] > bandes[i].nStop)
                f[i] = bandes[i].nStop;
        }
    }
}
