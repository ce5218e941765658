/* printgeom.h: the page arithmetic of the printouts, portable part.
 *
 * Margins and font heights from the printer's resolution, and the walk of
 * a printout over its pages: which block goes on which page at which
 * height, where pages end. The Win32 layer draws what the walk asks for,
 * through the callbacks of a Sortie record.
 */
#ifndef HALYARD_PRINTGEOM_H
#define HALYARD_PRINTGEOM_H

/* Margin of 6 mm and crop mark of 3 mm, in pixels of a printer with
   nDpi pixels per inch horizontally. */
int MargeImpression(int nDpi);
int TickImpression(int nDpi);

/* Height (negative: character height) of the 1D print font, the same
   physical size as the screen's alignment font. */
int HauteurPolice1D(int nDpiImprimante, int nDpiEcran);

/* What a printout draws, and how a page ends. pfnFinPage ends the page
   and, when bDerniere is 0, begins the next one; it returns 0 to stop
   (the user cancelled). */
typedef struct tagSortieImpression {
    void *pCtx;
    void (*pfnEntete)(void *pCtx, int nPage, int yHaut);    /* header at yHaut */
    void (*pfnBloc)(void *pCtx,
                    int nBloc,       /* 0 or 1: which plot (HCA); 0 for 1D  */
                    int nDebut,      /* first column or residue             */
                    int nFin,        /* end, excluded                       */
                    int yHaut);      /* top of the block                    */
    int (*pfnFinPage)(void *pCtx, int bDerniere);
} SortieImpression;

/* The 1D alignment printout: nTaille columns, nParLigne a line, blocks
   of 6 cy under a header on every page, pages of yPage pixels with a top
   margin nMarge. The header is drawn with its top at nMarge and the first
   block of a page 7 cy lower; a block goes to the next page only when its
   bottom would pass yPage, and a page always holds one block. Returns the
   number of pages, 0 when a line holds no column (nothing is drawn). */
int DerouleImpression1D(int nTaille, int nParLigne, int yPage, int nMarge, int cy,
                        const SortieImpression *pSortie);

/* One plot of the HCA printout: residues nDebut ... nStop, bands of the
   same plot sharing nOverlap residues. */
typedef struct tagBandeHCA {
    int nDebut, nStop, nOverlap;
} BandeHCA;

/* The HCA printout: bands of the two plots in turn, nParBande residues
   each (residues d ... f, both included, f no further than nStop), every
   band 3 cy + nHauteur high (its name, the plot, a free line), the first
   of a page at yTrace + 9 cy under the header drawn at yTrace. A page
   ends when the next pair would pass yPage, or when the first plot is
   done; a page always holds one pair. Returns the pages printed, -1 when
   a band would not advance (nParBande not above an overlap): nothing is
   drawn and no page ended. */
int DerouleImpressionHCA(const BandeHCA bandes[2], int nParBande, int yPage, int yTrace, int nHauteur, int cy,
                         const SortieImpression *pSortie);

#endif /* HALYARD_PRINTGEOM_H */
