/* alignpane.h: the alignment pane's horizontal scroll, counted in residue
 * columns: how many columns a pane shows, the scroll bar's range and the
 * first column shown after each scroll request. The pane's window
 * (mainwnd/align.cpp) measures the font and moves the pixels.
 */
#ifndef HALYARD_ALIGNPANE_H
#define HALYARD_ALIGNPANE_H

#include "document.h"

/* Scroll requests of the alignment pane, the platform's SB_* codes. */
#define ALIGN_LIGNE_GAUCHE  0
#define ALIGN_LIGNE_DROITE  1
#define ALIGN_PAGE_GAUCHE   2
#define ALIGN_PAGE_DROITE   3
#define ALIGN_POSITION      4  /* thumb position */
#define ALIGN_SUIVI         5  /* thumb track    */

/* Sets the scroll state for pHsp (NULL: no HSP shown) in a pane nLargeur
   pixels wide, characters cx wide: back to column -2, and 1 with the bar's
   last position in *pnMax when the HSP is longer than the columns shown
   less two; otherwise 0 and scrolling off. */
int AlignDefilement(pDataScroll pScroll, const HalyardHSPData *pHsp, int nLargeur, int cx, int *pnMax);

/* The first column shown after a request on an HSP of nTaille columns,
   nThumb the thumb's position: a line is a tenth of the pane, a page the
   whole pane, both kept to -2 ... nTaille - wndlength + 2; the thumb is
   followed as it is; another request leaves the pane where it is. */
int AlignNouveauDecalage(const DataScroll *pScroll, int nTaille, int nCode, int nThumb);

#endif /* HALYARD_ALIGNPANE_H */
