/* statwin.h: the BLAST map on Win32: its globals, its windows, and the
 * drawing of its three panes on any DC (the panes' paint handlers, and
 * metafiles in the tests). The data is in statblast.h.
 */
#ifndef HALYARD_STATWIN_H
#define HALYARD_STATWIN_H

#include <windows.h>

#include "statblast.h"

extern pMySTATDATA pStat;            /* the open map's data, or NULL      */
extern HWND hWndStatBlaListNom;      /* row labels                        */
extern HWND hWndStatBlaListGraph;    /* bars, with the vertical scroll bar */
extern HWND hWndStatBlaHisto;        /* coverage histogram                */
extern LOGFONTA lfStatBlaFnt;
extern HFONT hStatBlaFnt;

extern const char szStatBlaParent[];  /* "Halyard - map of %s sequences" */
extern const char szStatBlaName[];
extern const char szStatBlaGraph[];
extern const char szStatBlaHisto[];

/* The font, the map window and its panes; 0 when one is missing. */
int CreationStatWindows(unsigned nTotal);
/* Lays the panes out; the histogram is one pixel shorter after a resize. */
void PlaceFenetresStat(BOOL bCreation);
void ReajusteStatGraphScroll(void);

void DessineStatNoms(HDC hdc, const RECT *prcUpdate);
/* nLargeur: the bar pane's client width. */
void DessineStatBarres(HDC hdc, const RECT *prcUpdate, int nLargeur);
/* nLargeurBarres: the bar pane's client width, which sets the scale. */
void DessineStatHisto(HDC hdc, int nLargeurBarres, int nLargeur);

#endif
