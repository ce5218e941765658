/* hcawin.h: the HCA viewer on Win32: fonts and the drawing of a plot
 * (hcadraw.cpp), the viewer's windows (hcawnd.cpp).
 *
 * The numbers of a plot come from the portable core (hca.h); this layer
 * turns them into GDI calls. The core's PointHCA, RectHCA and LogFontHCA
 * are cast to POINT, RECT and LOGFONTA, which the asserts below hold to.
 */
#ifndef HALYARD_HCAWIN_H
#define HALYARD_HCAWIN_H

#include <windows.h>
#include <stddef.h>

#include "hca.h"

static_assert(sizeof(PointHCA) == sizeof(POINT), "PointHCA must have the layout of POINT");
static_assert(sizeof(RectHCA) == sizeof(RECT), "RectHCA must have the layout of RECT");
static_assert(sizeof(LogFontHCA) == sizeof(LOGFONTA), "LogFontHCA must have the layout of LOGFONTA");
static_assert(offsetof(LogFontHCA, lfFaceName) == offsetof(LOGFONTA, lfFaceName),
              "LogFontHCA must have the layout of LOGFONTA");

/* ---- The viewer's windows (hcawnd.cpp) --------------------------------- */

/* Window classes of the viewer. */
extern const char SZHCAAPPLICATIONCLASS[]; /* "HCA Viewer": the main window */
extern const char SZHCAFRAME[];            /* "HcaFrame": the scrolled frame */
extern const char SZDRAWHCA[];             /* "Trace HCA": one plot          */

/* Record of the viewer's main window (its window word 0). */
typedef struct tagDataHcaPrg {
    HWND        *phWndDiag;      /* plot windows, query first; owned        */
    unsigned int nDiag;
    int          nHauteurDiag;   /* height of one plot window               */
    GraphObjData GrObj;          /* fonts, metrics, hexagon, drawing cache  */
    int          nPosVScroll;    /* frame's vertical position, pixels       */
    int          bVScroll;       /* 1 while the vertical bar is enabled     */
    int          nHauteurTotale; /* height of the scrolled content          */
    HWND         hWndActive;     /* the plot created last                   */
    unsigned int nIdxActive;
    int          nPasLigne;      /* horizontal line step, residues: 10      */
    int          nPasPage;       /* horizontal page step, residues          */
} DataHcaPrg, *pDataHcaPrg;

/* Fixed outer height of the viewer's main window (set by CreeHCAWindows). */
extern int NMAXWINHCA;
/* The viewer's toolbar, or NULL. */
extern HWND HWNDHCATOOLBAR;
/* Commands of the toolbar's buttons; tooltip text = 2106 + index. */
extern const int NIDHCABTN[2];

/* The record of the open viewer, or NULL. */
pDataHcaPrg DataHcaDuViewer(void);

/* Prints the two plots aligned: comes with the printing module. */
void ImprimeHCAali(HWND hWnd, pInfoSequence pSeq1, pInfoSequence pSeq2);

/* ---- Fonts and drawing (hcadraw.cpp) ----------------------------------- */

/* A point size in device pixels: points x pixels per logical inch / 72. */
int PoliceEnUnitePhysique(HDC hdc, int nPoints);

/* Font descriptions of a viewer, sized on hWnd's device context. */
void DefinePolice(HWND hWnd, pGraphObjData pGrObj);
/* Creates the three fonts; 1, or 0 after notice 2049 with none left. */
int InitHPolice(HWND hWnd, pGraphObjData pGrObj);
void DeleteHPolice(HWND hWnd, pGraphObjData pGrObj);
/* Average width and line height of any font on hWnd's device context. */
void DimPoliceQconque(HWND hWnd, HFONT hFont, long *pcx, long *pcy);
/* Metrics of the letter font and the net units derived from them. */
void DimPoliceDiag(HDC hdc, pGraphObjData pGrObj);

/* The drawing cache, from PrepHCADC to CleanHCADC. */
void PrepHCADC(HDC hdc, pGraphObjData pGrObj);
void CleanHCADC(HDC hdc, pGraphObjData pGrObj);
void MyHCASetFont(HDC hdc, HFONT hFont, pGraphObjData pGrObj);
void MyHCASetTextColor(HDC hdc, COLORREF cr, pGraphObjData pGrObj);
void MyHCASetPen(HDC hdc, COLORREF cr, pGraphObjData pGrObj);   /* HCA_STYLONUL: null pen */
void MyHCASetBrush(HDC hdc, COLORREF cr, pGraphObjData pGrObj);

/* Draws what the update rectangle of a paint of plot window hWnd needs. */
void DrawHCA(const PAINTSTRUCT *pPs,
             HWND hWnd,               /* plot window: its InfoSequence      */
             const RECT *prcClient,   /* left and top place the net         */
             GraphObjData GrObj,
             int nMode);              /* HCA_MODE_ECRAN or _IMPRIMANTE      */

/* Draws residues nFirst..nLast. Returns 1, or 0 when nothing could be
   drawn (no memory for the work arrays, already reported). */
int DessineDiagramme2(HDC hdc,
                      pInfoSequence pInfSeq,
                      int nOffsetX,           /* pixels scrolled off on the left */
                      int nFirst,
                      int nLast,
                      const RECT *prc,        /* only left and top are used      */
                      GraphObjData GrObj,
                      int nMode);

/* Contour edges of residue k's cell, from its six hexagon corners. */
void TraceHCACercle(HDC hdc, const InfoSequence *pInfSeq, const POINT pts[6], int k);

#endif /* HALYARD_HCAWIN_H */
