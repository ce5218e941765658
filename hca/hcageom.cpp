/* hcageom.cpp: the duplicated helical net in numbers.
 *
 * Every size derives from the letter font's line height: a residue
 * advances one column (W) and three rows (H) and the rows wrap after 11,
 * so each residue sits in the middle of its six net neighbours n-1, n-3,
 * n-4, n+1, n+3 and n+4. The screen and the printer use the same routines
 * with their own metrics. The device calls are made by the Win32 layer
 * from the points computed here.
 *
 * Divisions: units and fonts; positions; background cells; the numbers a
 * paint needs (visible range, device points, scale, symbols, fills);
 * scroll positions.
 */
#include <string.h>

#include "hca.h"

/* Nearest integer, exact halves going towards zero (2.5 gives 2, -2.5
   gives -2, 2.51 gives 3): the rounding every pixel of the program uses. */
static int ArrondiHCA(float f)
{
    float a = f < 0 ? -f : f;
    int n = (int)a;

    if (a - (float)n > 0.5f)
        n++;
    return f < 0 ? -n : n;
}

/* Horizontal net step as a divisor: never 0, even for a record whose
   units were never set. */
static int PasW(const GraphObjData *pGrObj)
{
    return pGrObj->nLineWidthAAs > 0 ? pGrObj->nLineWidthAAs : 1;
}

/* ---- Units and fonts -------------------------------------------------- */

static void RemplitPolice(pLogFontHCA pLf,
                          int32_t lfHeight,
                          unsigned char lfCharSet,
                          unsigned char lfPitchAndFamily,
                          const char *szFace)
{
    size_t n = strlen(szFace);

    memset(pLf, 0, sizeof *pLf);
    pLf->lfHeight = lfHeight;
    pLf->lfCharSet = lfCharSet;
    pLf->lfOutPrecision = 3;   /* OUT_STROKE_PRECIS  */
    pLf->lfClipPrecision = 2;  /* CLIP_STROKE_PRECIS */
    pLf->lfQuality = 1;        /* DRAFT_QUALITY      */
    pLf->lfPitchAndFamily = lfPitchAndFamily;
    if (n > sizeof pLf->lfFaceName - 1)
        n = sizeof pLf->lfFaceName - 1;
    memcpy(pLf->lfFaceName, szFace, n);
}

void DefineLogPolices(pGraphObjData pGrObj, int nPix)
{
    /* Variable pitch roman letters; the symbol character set for the
       special residues, a little larger so that they read as shapes. */
    RemplitPolice(&pGrObj->LFDiagramme, nPix, 0, 0x12, "Times New Roman");
    RemplitPolice(&pGrObj->LFAASpeciaux, nPix + 2, 2, 0x02, "Wingdings");
    RemplitPolice(&pGrObj->LFTrack, -15, 0, 0x31, "Courier New");
}

void AssigneDimDiag(pGraphObjData pGrObj, long cx, long cy)
{
    int nPas = ArrondiHCA((float)cy / 3.0f);

    pGrObj->cxCharDiag = cx;
    pGrObj->cyCharDiag = cy;
    /* A font under two pixels high would give a net step of 0. */
    if (nPas < 1)
        nPas = 1;
    pGrObj->nLineWidthAAs = nPas;
    pGrObj->nLineHeightAAs = nPas;
}

int InitGraphHeight(const GraphObjData *pGrObj)
{
    /* The net's 11 rows twice, three rows of margin, two text lines for
       the scale. */
    return 25 * pGrObj->nLineHeightAAs + 2 * (int)pGrObj->cyCharDiag;
}

void CalculAmasUnitaire(pGraphObjData pGrObj)
{
    float W = (float)pGrObj->nLineWidthAAs;
    float H = (float)pGrObj->nLineHeightAAs;

    /* Midpoints towards n+3, n+4, n+1, n-3, n-4 and n-1. */
    pGrObj->ptAmas[0].x = 1.5f * W;  pGrObj->ptAmas[0].y = -H;
    pGrObj->ptAmas[1].x = 2.0f * W;  pGrObj->ptAmas[1].y = 0.5f * H;
    pGrObj->ptAmas[2].x = 0.5f * W;  pGrObj->ptAmas[2].y = 1.5f * H;
    pGrObj->ptAmas[3].x = -1.5f * W; pGrObj->ptAmas[3].y = H;
    pGrObj->ptAmas[4].x = -2.0f * W; pGrObj->ptAmas[4].y = -0.5f * H;
    pGrObj->ptAmas[5].x = -0.5f * W; pGrObj->ptAmas[5].y = -1.5f * H;
}

/* ---- Positions -------------------------------------------------------- */

int CalcCoordAADiag(pInfoSequence pInfSeq, GraphObjData GrObj)
{
    float W = (float)GrObj.nLineWidthAAs;
    float H = (float)GrObj.nLineHeightAAs;
    float yHaut = 6.0f * (float)GrObj.cxCharDiag; /* band of the scale */
    int k;

    if (pInfSeq == NULL || (pInfSeq->TailleSeq > 0 && pInfSeq->pInfoAA == NULL))
        return 0;
    for (k = 0; k < pInfSeq->TailleSeq; k++) {
        /* Three rows per residue, modulo 11; reduced first so that long
           sequences cannot overflow. */
        int nRang = ((k % HCA_NRANGS) * 3) % HCA_NRANGS;

        pInfSeq->pInfoAA[k].position.x = (float)(k + 1) * W;
        pInfSeq->pInfoAA[k].position.y = yHaut + H * (float)nRang;
    }
    return 1;
}

/* ---- Background cells ------------------------------------------------- */

/* The fourteen cell points T0..T13: the hexagon corners (T0, T3, T4, T7,
   T10, T11) and, beyond the four side corners, a near and a far point
   that widen the cell towards a neighbour with no contour edge between. */
static void PointsCellule(const GraphObjData *pGrObj, PointAA T[14])
{
    static const float Coef[14][2] = {
        { -0.5f,  -1.5f  }, /* T0  */
        {  1.0f,  -2.5f  }, /* T1  */
        {  1.25f, -2.25f }, /* T2  */
        {  1.5f,  -1.0f  }, /* T3  */
        {  2.0f,   0.5f  }, /* T4  */
        {  2.25f,  1.25f }, /* T5  */
        {  2.5f,   2.0f  }, /* T6  */
        {  0.5f,   1.5f  }, /* T7  */
        { -1.0f,   2.5f  }, /* T8  */
        { -1.25f,  2.25f }, /* T9  */
        { -1.5f,   1.0f  }, /* T10 */
        { -2.0f,  -0.5f  }, /* T11 */
        { -2.25f, -1.25f }, /* T12 */
        { -2.5f,  -2.0f  }  /* T13 */
    };
    float W = (float)pGrObj->nLineWidthAAs;
    float H = (float)pGrObj->nLineHeightAAs;
    int i;

    for (i = 0; i < 14; i++) {
        T[i].x = Coef[i][0] * W;
        T[i].y = Coef[i][1] * H;
    }
}

void CreePolyUni(pInfoSequence pInfSeq, GraphObjData GrObj)
{
    PointAA T[14];
    int L = pInfSeq->TailleSeq;
    int k;

    PointsCellule(&GrObj, T);
    for (k = 0; k < L; k++) {
        pINFOAA pAA = &pInfSeq->pInfoAA[k];
        unsigned char bits = pAA->TabHydro;
        int bMemePrec = k > 0 && pInfSeq->pInfoAA[k - 1].PhiPho == pAA->PhiPho;
        int bMemeSuiv = k < L - 1 && pInfSeq->pInfoAA[k + 1].PhiPho == pAA->PhiPho;

        pAA->PolyGon[0] = T[0];
        pAA->PolyGon[3] = T[7];
        /* Corners 1 and 5 face the previous residue's side: the first
           residue has none and keeps the hexagon corners. */
        if (k == 0) {
            pAA->PolyGon[1] = T[3];
            pAA->PolyGon[5] = T[11];
        } else {
            pAA->PolyGon[1] = (bits & HYDRO_M1_P3) ? T[3] : bMemePrec ? T[2] : T[1];
            pAA->PolyGon[5] = (bits & HYDRO_M1_M4) ? T[11] : bMemePrec ? T[12] : T[13];
        }
        /* Corners 2 and 4 face the next residue's side: the last residue
           (and so a residue on its own) keeps the hexagon corners. */
        if (k == L - 1) {
            pAA->PolyGon[2] = T[4];
            pAA->PolyGon[4] = T[10];
        } else {
            pAA->PolyGon[2] = (bits & HYDRO_P4_P1) ? T[4] : bMemeSuiv ? T[5] : T[6];
            pAA->PolyGon[4] = (bits & HYDRO_M3_P1) ? T[10] : bMemeSuiv ? T[9] : T[8];
        }
    }
}

/* ---- Numbers a paint needs -------------------------------------------- */

int PlageVisibleHCA(const InfoSequence *pInfSeq,
                    int nUpdLeft,
                    int nUpdRight,
                    GraphObjData GrObj,
                    int *pFirst,
                    int *pLast)
{
    float W = (float)PasW(&GrObj);
    int nPos = (int)pInfSeq->HcaData.nPosScroll;
    int nFirst = ArrondiHCA((float)nUpdLeft / W) + nPos - 4;
    int nLast = ArrondiHCA((float)nUpdRight / W) + nPos + 4;

    if (nFirst < pInfSeq->StartAffich)
        nFirst = pInfSeq->StartAffich;
    if (nLast > pInfSeq->StopAffich)
        nLast = pInfSeq->StopAffich;
    *pFirst = nFirst;
    *pLast = nLast;
    return nFirst <= nLast;
}

void PositionEcranAA(const InfoSequence *pInfSeq,
                     int k,
                     int nOffsetX,
                     RectHCA rc,
                     GraphObjData GrObj,
                     int *pX,
                     int *pY1,
                     int *pY2)
{
    const PointAA *pPos = &pInfSeq->pInfoAA[k].position;

    *pX = ArrondiHCA(pPos->x - (float)nOffsetX + (float)rc.left + 1.0f);
    *pY1 = ArrondiHCA((float)rc.top + pPos->y);
    *pY2 = *pY1 + HCA_NRANGS * GrObj.nLineHeightAAs;
}

void CelluleEcran(const PointAA pts[6],
                  int X,
                  int Y,
                  GraphObjData GrObj,
                  PointHCA out[6])
{
    /* Letters hang from their top edge: the cell is centred half a line
       lower than the residue's place. */
    int nDemi = (int)(GrObj.cyCharDiag / 2);
    int i;

    for (i = 0; i < 6; i++) {
        out[i].x = ArrondiHCA((float)X + pts[i].x);
        out[i].y = ArrondiHCA((float)Y + pts[i].y + (float)nDemi);
    }
}

int SegmentsContour(unsigned char TabHydro,
                    const PointHCA hex[6],
                    PointHCA seg[12])
{
    /* Hexagon corners joined by each edge, in bit order. */
    static const int Coins[6][2] = {
        { 5, 4 }, { 4, 3 }, { 3, 2 }, { 5, 0 }, { 0, 1 }, { 1, 2 }
    };
    int nSeg = 0;
    int e;

    for (e = 0; e < 6; e++) {
        if (!(TabHydro & (1u << e)))
            continue;
        seg[2 * nSeg] = hex[Coins[e][0]];
        seg[2 * nSeg + 1] = hex[Coins[e][1]];
        nSeg++;
    }
    return nSeg;
}

void ChevronZigZag(const InfoSequence *pInfSeq,
                   int k,
                   int nOffsetX,
                   RectHCA rc,
                   GraphObjData GrObj,
                   PointHCA pts[6])
{
    const PointAA *pPos = &pInfSeq->pInfoAA[k].position;
    int W = GrObj.nLineWidthAAs;
    int H = GrObj.nLineHeightAAs;
    int nDemi = (int)(GrObj.cyCharDiag / 2);
    int x0 = ArrondiHCA(pPos->x - (float)nOffsetX + (float)rc.left);
    int y0 = ArrondiHCA((float)nDemi + pPos->y + (float)rc.top);
    int xs = (k + 3) * W - nOffsetX + rc.left;
    int c;

    /* From the motif's first residue, opening to the right up to its
       third, in both copies of the net. */
    for (c = 0; c < 2; c++) {
        int dy = c * HCA_NRANGS * H;

        pts[3 * c].x = xs;
        pts[3 * c].y = y0 - 5 * H + dy;
        pts[3 * c + 1].x = x0;
        pts[3 * c + 1].y = y0 + dy;
        pts[3 * c + 2].x = xs;
        pts[3 * c + 2].y = y0 + 6 * H + dy;
    }
}

int GraduationAA(const InfoSequence *pInfSeq, int k)
{
    int v = pInfSeq->pInfoAA[k].ValeurEchRel;

    /* -1 marks a gap or another non-letter: it has no number, even as the
       last column. */
    if (v == -1)
        return HCA_GRAD_AUCUNE;
    if (k == pInfSeq->StopAffich)
        return HCA_GRAD_FIN;
    if (v == 1 || v % 10 == 0)
        return HCA_GRAD_TRAIT;
    return HCA_GRAD_AUCUNE;
}

int SymboleAA(char c, unsigned char codes[2])
{
    switch (c) {
    case 'P': codes[0] = 0xAB; return 1;                   /* black star     */
    case 'G': codes[0] = 0x74; return 1;                   /* black lozenge  */
    case 'T': codes[0] = 0xA8; return 1;                   /* open square    */
    case 'S': codes[0] = 0xA8; codes[1] = 0x9F; return 2;  /* square and dot */
    default:  return 0;
    }
}

int FondAA(const InfoSequence *pInfSeq, int k, unsigned long *pCouleur)
{
    const INFOAA *pAA = &pInfSeq->pInfoAA[k];

    if (!pInfSeq->HcaData.IsDrawBkGround)
        return 0;
    if (pInfSeq->HcaData.IsDrawDraft) {
        if (!pAA->PhiPho)
            return 0;
        *pCouleur = HCA_GRISCLAIR;
        return 1;
    }
    if (pAA->CouleurFond == HCA_BLANC)
        return 0;
    *pCouleur = pAA->CouleurFond;
    return 1;
}

unsigned long CouleurLettreAA(const InfoSequence *pInfSeq, int k)
{
    return pInfSeq->HcaData.IsDrawDraft ? HCA_NOIR : pInfSeq->pInfoAA[k].CouleurAA;
}

/* ---- Scroll positions ------------------------------------------------- */

/* The place a scroll request aims at from nPos, before any end stops it;
   *pnSens is -1 for a step back, 1 for a step forward, 0 otherwise. */
static int CibleDefilement(int nCode,
                           int nPos,
                           int nPouce,
                           int nPasLigne,
                           int nPasPage,
                           int *pnSens)
{
    *pnSens = 0;
    switch (nCode) {
    case HCA_SB_LIGNEMOINS: *pnSens = -1; return nPos - nPasLigne;
    case HCA_SB_LIGNEPLUS:  *pnSens = 1;  return nPos + nPasLigne;
    case HCA_SB_PAGEMOINS:  *pnSens = -1; return nPos - nPasPage;
    case HCA_SB_PAGEPLUS:   *pnSens = 1;  return nPos + nPasPage;
    case HCA_SB_POUCEPOSE:
    case HCA_SB_POUCESUIVI: return nPouce;
    default:                return nPos;
    }
}

int DefilementHorizHCA(const InfoSequence *pInfSeq,
                       int nCode,
                       int nPouce,
                       int nPasLigne,
                       int nPasPage)
{
    /* The bar starts a window's width of residues before the row; a
       step stops one residue short of that. */
    int nPremier = pInfSeq->StartAffich - (int)pInfSeq->HcaData.WndLengthaa + 1;
    int nDernier = pInfSeq->StartAffich + pInfSeq->LengthAffich;
    int nSens;
    int nNew = CibleDefilement(nCode, (int)pInfSeq->HcaData.nPosScroll, nPouce,
                               nPasLigne, nPasPage, &nSens);

    if (nSens != 0) {
        if (nNew < nPremier)
            nNew = nPremier;
        if (nNew > nDernier)
            nNew = nDernier;
    }
    return nNew;
}

int DefilementVertHCA(int nCode,
                      int nPos,
                      int nPouce,
                      int nMax,
                      int nHauteurDiag,
                      int nHauteurFrame)
{
    int nSens;
    int nNew = CibleDefilement(nCode, nPos, nPouce, nHauteurDiag / 2, nHauteurFrame, &nSens);

    if (nSens < 0 && nNew < 0)
        nNew = 0;
    if (nSens > 0 && nNew > nMax)
        nNew = nMax;
    return nNew;
}
