/* hca.h: Hydrophobic Cluster Analysis of one alignment row.
 *
 * The records of a prepared sequence (residue letters, hydrophobic
 * classes, clusters, contour edges, zig-zag motifs) and the geometry of
 * the duplicated alpha-helical net they are drawn on. Everything here is
 * plain arithmetic on numbers: the device calls that draw a plot live in
 * the Win32 layer and take their points from the helpers at the end.
 *
 * Portable: font, brush and pen handles are opaque pointers; LogFontHCA,
 * PointHCA and RectHCA have the field layout of LOGFONTA, POINT and RECT
 * (32-bit LONG), so the Win32 layer may check the sizes once and cast.
 * Colours are COLORREF values (0x00BBGGRR) held in unsigned long.
 */
#ifndef HALYARD_HCA_H
#define HALYARD_HCA_H

#include <stdint.h>

#define HCA_MAX_PATH 260

/* Colour values with a meaning of their own. */
#define HCA_BLANC       0x00FFFFFFUL /* cell background: no fill              */
#define HCA_NOIR        0x00000000UL
#define HCA_GRISCLAIR   0x00C0C0C0UL /* draft fill of hydrophobic residues    */
#define HCA_STYLONUL    0xFFFFFFFFUL /* pen "colour" standing for the null pen */

/* Drawing modes: the screen and the printer. */
#define HCA_MODE_ECRAN      10
#define HCA_MODE_IMPRIMANTE 20

/* Rows of the net: each residue turns 3/11 of the helix, so the rows wrap
   after 11 of them and the net is drawn a second time 11 rows lower. */
#define HCA_NRANGS 11

/* The four fields of a cluster entry of TableauAmas. */
#define AMAS_NUMERO  0 /* cluster number, 1-based                        */
#define AMAS_DEBUT   1 /* index of its first residue                      */
#define AMAS_FIN     2 /* index of its last residue                       */
#define AMAS_ZIGZAG  3 /* 1 when a zig-zag motif starts inside the span   */
#define AMAS_NCHAMPS 4

/* Contour-edge bits of TabHydro: the edge of the residue's cell that
   lies between the corners pointing to the two neighbours named. */
#define HYDRO_M1_M4 0x01 /* n-1 and n-4 */
#define HYDRO_M4_M3 0x02 /* n-4 and n-3 */
#define HYDRO_M3_P1 0x04 /* n-3 and n+1 */
#define HYDRO_M1_P3 0x08 /* n-1 and n+3 */
#define HYDRO_P3_P4 0x10 /* n+3 and n+4 */
#define HYDRO_P4_P1 0x20 /* n+4 and n+1 */

/* A point of the net, in pixels of the plot. */
typedef struct tagPointAA {
    float x;
    float y;
} PointAA, *pPointAA;

/* A device point (layout of POINT). */
typedef struct tagPointHCA {
    int32_t x;
    int32_t y;
} PointHCA, *pPointHCA;

/* A device rectangle (layout of RECT). */
typedef struct tagRectHCA {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
} RectHCA, *pRectHCA;

/* A font description (layout of LOGFONTA). */
typedef struct tagLogFontHCA {
    int32_t       lfHeight;
    int32_t       lfWidth;
    int32_t       lfEscapement;
    int32_t       lfOrientation;
    int32_t       lfWeight;
    unsigned char lfItalic;
    unsigned char lfUnderline;
    unsigned char lfStrikeOut;
    unsigned char lfCharSet;
    unsigned char lfOutPrecision;
    unsigned char lfClipPrecision;
    unsigned char lfQuality;
    unsigned char lfPitchAndFamily;
    char          lfFaceName[32];
} LogFontHCA, *pLogFontHCA;

/* One residue of a prepared sequence. */
typedef struct tagINFOAA {
    int           Isbreaker;        /* 1 for a proline: it breaks clusters  */
    int           ValeurEchRel;     /* scale number, -1 for a non-letter    */
    PointAA       position;         /* centre on the net (CalcCoordAADiag)  */
    unsigned long CouleurAA;        /* letter colour                        */
    unsigned long CouleurFond;      /* cell colour, HCA_BLANC = no fill     */
    unsigned char TabHydro;         /* contour-edge bits (HYDRO_*)          */
    int           IsSeparateur;     /* separator line: never set here       */
    int           TypeLgnSepa;
    int           EpaisseurLgnSepa;
    unsigned long CouleurLgnSepa;
    int           PhiPho;           /* 1 when hydrophobic                   */
    PointAA       PolyGon[6];       /* background cell, relative to centre  */
    int           IsSelected;       /* never set here                       */
} INFOAA, *pINFOAA;

/* Display state of the plot window that shows a sequence. */
typedef struct tagGraphHCAData {
    RectHCA      rcWnd;            /* plot window inside the frame          */
    unsigned int WndLengthaa;      /* residues across the window            */
    unsigned int nPosScroll;       /* horizontal position in residues; read
                                      as signed, the range starts below 0   */
    int          bVisibleScroll;   /* 1 once WndLengthaa is known           */
    int          IsDrawDraft;      /* black and white rendering             */
    int          IsDrawAA;
    int          IsDrawBkGround;
    int          IsDrawCluster;
    int          IsDrawZigZag;
    int          IsDrawSeparateur;
} GraphHCAData, *pGraphHCAData;

/* A sequence prepared for an HCA plot. The record and its four arrays
   come from MyAlloc and are released together by FreeDataSequence. */
typedef struct tagInfoSequence {
    char          ConfigFile[HCA_MAX_PATH]; /* always "HALYARD"              */
    char          szPathFile[HCA_MAX_PATH]; /* program's working directory   */
    char          SeqName[HCA_MAX_PATH];
    char         *Sequence;      /* the row's characters, TailleSeq+1 bytes  */
    int           TailleSeq;
    int           StartAffich;   /* first residue shown: 0                   */
    int           StopAffich;    /* last residue shown: TailleSeq-1          */
    int           LengthAffich;  /* residues shown: TailleSeq                */
    unsigned int *TableauAmas;   /* nAmas entries of AMAS_NCHAMPS values     */
    unsigned int  nAmas;
    unsigned int *TableauZigZag; /* 1-based positions where a motif starts   */
    unsigned int  nZigZag;
    pINFOAA       pInfoAA;       /* TailleSeq records                        */
    GraphHCAData  HcaData;
} InfoSequence, *pInfoSequence;

/* Fonts, metrics, unit hexagon and drawing cache of one viewer or one
   print job. The handles are HFONT, HBRUSH and HPEN on Win32; only the
   Win32 layer creates, selects or deletes them. */
typedef struct tagGraphObjData {
    LogFontHCA    LFTrack;
    void         *hFntTrack;
    LogFontHCA    LFDiagramme;     /* letters and numbers                   */
    void         *hFntDiagramme;
    long          cxCharDiag;      /* average character width (cx)          */
    long          cyCharDiag;      /* line height (cy)                      */
    int           nLineWidthAAs;   /* W: pixels per residue across          */
    int           nLineHeightAAs;  /* H: pixels per row down                */
    LogFontHCA    LFAASpeciaux;    /* symbols of G, P, S and T              */
    void         *hFntAASpeciaux;
    void         *hOldFont;
    void         *hCurFont;
    unsigned long nAAColor;
    void         *hBrs;
    void         *hOldBr;
    unsigned long nCurBr;
    void         *hPens;
    void         *hOldPen;
    unsigned long nCurPen;         /* HCA_STYLONUL: the null pen            */
    PointAA       ptAmas[6];       /* unit cluster hexagon                  */
    int           bMono;
} GraphObjData, *pGraphObjData;

/* ---- Sequence preparation ------------------------------------------- */

/* 1 for F, I, L, M, V, W and Y, 0 for the other letters; indexed by
   letter - 'A'. Use ClasseHydro for any other character. */
extern const int HYDROTABLE[26];

/* Hydrophobic class of any character of a row: HYDROTABLE for 'A'..'Z',
   0 for everything else (gaps, stops, digits, lower case, bytes >= 0x80). */
int ClasseHydro(char c);

/* Allocates a zero-filled record for a row of n characters with its four
   arrays. NULL (already reported) when memory fails or n is unusable;
   nothing stays allocated then. */
pInfoSequence InitPtrInfoSeq(int n);

/* Releases the record and its arrays; NULL does nothing. */
void FreeDataSequence(pInfoSequence pInfSeq);

/* Deep copy, or NULL (already reported) with nothing left allocated. */
pInfoSequence DuplicatePData(const InfoSequence *pInfSeq);

/* Marks every 'P' as a breaker. */
void AssigneRupteur(pInfoSequence pInfSeq);

/* Letter and cell colours from the row's colour indices, and the
   hydrophobic class of every residue. An index outside the 16 colours
   gives a black letter on no fill. Returns 1. */
int PrepColorPropSeq(pInfoSequence pInfSeq,
                     const unsigned int *TxtClr,  /* TailleSeq indices */
                     const unsigned int *BkClr);  /* TailleSeq indices */

/* Clusters, contour-edge bits and zig-zag table; then the background
   cells when pGrObj is given (its net units must be known). Returns 1,
   or 0 when memory ran out (already reported). Needs AssigneRupteur and
   PrepColorPropSeq first. */
int PrepClusterSeq(pInfoSequence pInfSeq, const GraphObjData *pGrObj);

/* The three steps of PrepClusterSeq, in the order it runs them. Each
   returns 1, or 0 when memory ran out. */
int ClusterCreation(pInfoSequence pInfSeq);
int CalculTableauBits(pInfoSequence pInfSeq);
int CalcAAZigZag(pInfoSequence pInfSeq);

/* Scale numbers from residue nDebut on (the viewer passes 0), counting
   letters from nPremier and never using 0; non-letters get -1. Returns 1. */
int AssignedEchelleRel(int nDebut, int nPremier, pInfoSequence pInfSeq);

/* 1 when a breaker lies at an index in [min(a,b), max(a,b)). */
int IsProline(int a, int b, const InfoSequence *pInfSeq);

/* 1 when val occurs among entries 0..nDernier of tab. */
int IsInTableau(const unsigned int *tab, int nDernier, unsigned int val);

/* Largest of entries 0..nDernier of tab (0 when nDernier < 0). */
unsigned int MaxTableau(const unsigned int *tab, int nDernier);

/* qsort comparison of two unsigned int, ascending. */
int _TriDuTableau(const void *a, const void *b);

/* 1 when a zig-zag motif starts at some index in [from, to]. */
int IsZigZag(int from, int to, const InfoSequence *pInfSeq);

/* 1 when a zig-zag motif starts at index j. */
int IsDebutZigZag(int j, const InfoSequence *pInfSeq);

/* The whole preparation of one row for a plot: record, letters, name,
   breakers, colours, clusters, numbering from nPremier and, when pGrObj
   is given, the background cells and positions on the net. NULL (already
   reported) when memory fails; nothing stays allocated then. */
pInfoSequence PrepSequenceHCA(const char *szRow,
                              const unsigned int *TxtClr,  /* per column */
                              const unsigned int *BkClr,   /* per column */
                              int nPremier,         /* first scale number */
                              const char *szName,   /* sequence name      */
                              const char *szWorkDir,/* working directory  */
                              const GraphObjData *pGrObj);

/* ---- Net geometry ----------------------------------------------------- */

/* Fills the three font descriptions for letters of nPix pixels: the
   letter font (nPix), the symbol font (nPix + 2) and the track font. */
void DefineLogPolices(pGraphObjData pGrObj, int nPix);

/* Net units from the letter font's metrics: cx = average character width,
   cy = line height; W = H = a third of cy, rounded, and at least 1. */
void AssigneDimDiag(pGraphObjData pGrObj, long cx, long cy);

/* Height of one plot: 25 rows and two text lines. */
int InitGraphHeight(const GraphObjData *pGrObj);

/* Unit cluster hexagon from W and H. */
void CalculAmasUnitaire(pGraphObjData pGrObj);

/* Position of every residue on the net. Returns 1, 0 for a record
   without residues array. */
int CalcCoordAADiag(pInfoSequence pInfSeq, GraphObjData GrObj);

/* Background cell of every residue (needs the contour-edge bits). */
void CreePolyUni(pInfoSequence pInfSeq, GraphObjData GrObj);

/* ---- Numbers for the drawing ------------------------------------------ */

/* Residues a paint must draw for an update rectangle spanning x from
   nUpdLeft to nUpdRight, at the plot's scroll position. Returns 1 with
   *pFirst..*pLast, or 0 when no residue falls in the range. */
int PlageVisibleHCA(const InfoSequence *pInfSeq,
                    int nUpdLeft,
                    int nUpdRight,
                    GraphObjData GrObj,
                    int *pFirst,
                    int *pLast);

/* Device place of residue k drawn with the given x offset into a
   rectangle: *pX its column, *pY1 and *pY2 its row in the two copies. */
void PositionEcranAA(const InfoSequence *pInfSeq,
                     int k,
                     int nOffsetX,         /* pixels scrolled off on the left */
                     RectHCA rc,           /* only left and top are used      */
                     GraphObjData GrObj,
                     int *pX,
                     int *pY1,
                     int *pY2);

/* Device corners of a cell of six points (a residue's PolyGon or the
   unit hexagon) centred on the residue's place (X, Y). */
void CelluleEcran(const PointAA pts[6],
                  int X,
                  int Y,
                  GraphObjData GrObj,
                  PointHCA out[6]);

/* Contour segments of a cell: for each bit of TabHydro, a line between
   two hexagon corners, as pairs of points in seg. Returns the number of
   segments (0..6). */
int SegmentsContour(unsigned char TabHydro,
                    const PointHCA hex[6],
                    PointHCA seg[12]);

/* The zig-zag chevron of a motif starting at residue k: three points
   (arm, tip, arm) for the first copy, three for the second. */
void ChevronZigZag(const InfoSequence *pInfSeq,
                   int k,
                   int nOffsetX,
                   RectHCA rc,
                   GraphObjData GrObj,
                   PointHCA pts[6]);

/* Scale mark of residue k. */
#define HCA_GRAD_AUCUNE 0 /* none                                           */
#define HCA_GRAD_TRAIT  1 /* number centred above the column, with a tick   */
#define HCA_GRAD_FIN    2 /* last residue: number left-aligned, no tick     */
int GraduationAA(const InfoSequence *pInfSeq, int k);

/* Symbol-font codes drawn instead of the letter of G, P, S and T, in
   drawing order. Returns how many (0 for a residue drawn as its letter). */
int SymboleAA(char c, unsigned char codes[2]);

/* Fill of residue k's cell under the plot's switches: 1 and the colour
   when the cell is filled, 0 when the background shows. */
int FondAA(const InfoSequence *pInfSeq, int k, unsigned long *pCouleur);

/* Letter colour of residue k under the plot's switches. */
unsigned long CouleurLettreAA(const InfoSequence *pInfSeq, int k);

/* ---- Scroll positions ------------------------------------------------- */

/* Scroll requests, numbered as the SB_ codes of the Win32 scroll bars. */
#define HCA_SB_LIGNEMOINS 0 /* a line up or left       (SB_LINEUP)        */
#define HCA_SB_LIGNEPLUS  1 /* a line down or right    (SB_LINEDOWN)      */
#define HCA_SB_PAGEMOINS  2 /* a page up or left       (SB_PAGEUP)        */
#define HCA_SB_PAGEPLUS   3 /* a page down or right    (SB_PAGEDOWN)      */
#define HCA_SB_POUCEPOSE  4 /* the thumb let go        (SB_THUMBPOSITION) */
#define HCA_SB_POUCESUIVI 5 /* the thumb being dragged (SB_THUMBTRACK)    */

/* The plots' horizontal position after scroll request nCode from the
   plot's own: a line or a page stops one residue short of the bar's first
   place and at the row's end, and brings back into that range a position
   left outside it (by a narrower window); the thumb goes where it was
   put. Any other code leaves the position. */
int DefilementHorizHCA(const InfoSequence *pInfSeq,
                       int nCode,
                       int nPouce,     /* the thumb's place            */
                       int nPasLigne,  /* residues of a line           */
                       int nPasPage);  /* residues of a page           */

/* The frame's vertical position after scroll request nCode from nPos:
   a line is half a plot and a page the frame's height, each stopping at
   the end it moves towards; the thumb goes where it was put. Any other
   code leaves the position. */
int DefilementVertHCA(int nCode,
                      int nPos,
                      int nPouce,          /* the thumb's place         */
                      int nMax,            /* the bar's last place      */
                      int nHauteurDiag,    /* height of one plot        */
                      int nHauteurFrame);  /* height of the frame       */

#endif /* HALYARD_HCA_H */
