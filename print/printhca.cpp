/* printhca.cpp: the HCA alignment printout: the two plots of the HCA
 * viewer printed one above the other in bands down the page, after an
 * options dialog (what the plots show, the overlap of consecutive bands,
 * crop marks). The job prints private copies of the two sequences; the
 * viewer's plots are not touched.
 *
 * Divisions: options dialog; fonts and geometry; the printout; the job.
 */
#include <windows.h>
#include <windowsx.h>
#include <stdio.h>

#include "HALYARD.h"
#include "hcawin.h"
#include "print.h"
#include "printgeom.h"

static const char szPropInfoSequence[] = "InfoSequence";
static const char szEnteteLigne1[] = "Halyard - print report";
static const char szEnteteLigne2[] = "Printed by Halyard, a browser of BLAST reports";

#define OVERLAP_MAX 19

/* ---- Options dialog ------------------------------------------------------ */

/* The check boxes and the switches they set. */
static int *ChampDe(DataImpression *pDi, int id)
{
    GraphHCAData *pG = &pDi->pInfSeq->HcaData;

    switch (id) {
    case IDC_HCAP_DRAFT:      return &pG->IsDrawDraft;
    case IDC_HCAP_BKGROUND:   return &pG->IsDrawBkGround;
    case IDC_HCAP_AA:         return &pG->IsDrawAA;
    case IDC_HCAP_ZIGZAG:     return &pG->IsDrawZigZag;
    case IDC_HCAP_CLUSTERS:   return &pG->IsDrawCluster;
    case IDC_HCAP_CROPMARKS:  return &pDi->CropMark;
    default:                  return NULL;
    }
}

static BOOL HCAPrintOptions_OnInitDialog(HWND hDlg, HWND hWndFocus, LPARAM lParam)
{
    DataImpression *pDi = (DataImpression *)lParam;

    (void)hWndFocus;
    CenterWnd(hDlg);
    for (int id = IDC_HCAP_DRAFT; id <= IDC_HCAP_CROPMARKS; id++)
        CheckDlgButton(hDlg, id, *ChampDe(pDi, id) ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemInt(hDlg, IDC_HCAP_OVERLAP, pDi->overlap, FALSE);
    SetPropA(hDlg, szPropInfoSequence, (HANDLE)pDi);
    return FALSE;
}

static void HCAPrintOptions_OnOk(HWND hDlg, DataImpression *pDi)
{
    int n = _GetDlgItemInt(hDlg, IDC_HCAP_OVERLAP);

    if (n > OVERLAP_MAX || n < 0 || n >= pDi->nParBande) {
        /* A band must move on by at least one residue: on a page too
           narrow for the overlap asked for, say so rather than print
           the same residues forever. */
        MyInfoMsgBox(IDS_HCAVIEWER, n > OVERLAP_MAX || n < 0 ? IDS_BADOVERLAP : IDS_BADBAND, hDlg);
        SetDlgItemInt(hDlg, IDC_HCAP_OVERLAP, pDi->overlap, FALSE);
        return;
    }
    pDi->overlap = (unsigned)n;
    RemovePropA(hDlg, szPropInfoSequence);
    EndDialog(hDlg, 1);
}

static void HCAPrintOptions_OnCommand(HWND hDlg, int id, HWND hWndCtl, UINT codeNotify)
{
    DataImpression *pDi = (DataImpression *)GetPropA(hDlg, szPropInfoSequence);
    int *pChamp;

    (void)hWndCtl;
    if (pDi == NULL)
        return;
    if ((pChamp = ChampDe(pDi, id)) != NULL && codeNotify == BN_CLICKED) {
        *pChamp = IsDlgButtonChecked(hDlg, id) == BST_CHECKED;
    } else if (id == IDC_HCAP_OVERLAP && codeNotify == EN_CHANGE) {
        TesteEditNum(hDlg, IDC_HCAP_OVERLAP, EDITNUM_CHIFFRES);
    } else if (id == IDOK) {
        HCAPrintOptions_OnOk(hDlg, pDi);
    } else if (id == IDCANCEL) {
        RemovePropA(hDlg, szPropInfoSequence);
        EndDialog(hDlg, 0);
    }
}

INT_PTR CALLBACK DlgHCAPrintOptionsProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_INITDIALOG:
        return HCAPrintOptions_OnInitDialog(hDlg, (HWND)wParam, lParam);
    case WM_COMMAND:
        HCAPrintOptions_OnCommand(hDlg, LOWORD(wParam), (HWND)lParam, HIWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}

/* ---- Fonts and geometry -------------------------------------------------- */

/* The two print fonts, 8 points on the printer. Returns 1 whatever the
   fonts: a missing one draws with the device's own. */
int InitPrintHPolice(HDC hdc, pGraphObjData pGrObj)
{
    DefineLogPolices(pGrObj, 8 * GetDeviceCaps(hdc, LOGPIXELSX) / 72);
    pGrObj->hFntDiagramme = CreateFontIndirectA((LOGFONTA *)&pGrObj->LFDiagramme);
    pGrObj->hFntAASpeciaux = CreateFontIndirectA((LOGFONTA *)&pGrObj->LFAASpeciaux);
    return 1;
}

static void DeletePrintHPolice(pGraphObjData pGrObj)
{
    if (pGrObj->hFntDiagramme != NULL)
        DeleteObject((HFONT)pGrObj->hFntDiagramme);
    if (pGrObj->hFntAASpeciaux != NULL)
        DeleteObject((HFONT)pGrObj->hFntAASpeciaux);
    pGrObj->hFntDiagramme = pGrObj->hFntAASpeciaux = NULL;
}

int InitPrintGraphHeight(const GraphObjData *pGrObj)
{
    return InitGraphHeight(pGrObj);
}

/* Everything the page walk draws with. */
typedef struct tagImpHCA {
    HDC             hdc;          /* first: the page end reads it      */
    GraphObjData    gr;
    DataImpression *pDi[2];
    RECT            rcTrace;
    int             nMarge, tick, hauteurDiag;
} ImpHCA;

/* Residues a band holds: the page between the crop marks and margins. */
static int ResiduesParBande(HDC hdc, const GraphObjData *pGrObj)
{
    int xPage, yPage, nDpi = GetDeviceCaps(hdc, LOGPIXELSX);

    SurfacePage(hdc, &xPage, &yPage);
    return (xPage - 2 * TickImpression(nDpi) - 2 * MargeImpression(nDpi)) / pGrObj->nLineWidthAAs;
}

/* ---- The printout -------------------------------------------------------- */

void PrintEnteteDiag(HDC hdc, const RECT *prcTrace, RECT *prcTmp, int tick, int hauteurDiag,
                     GraphObjData GrObj, const DataImpression *pDi)
{
    HFONT hOld = SelectFont(hdc, (HFONT)GrObj.hFntDiagramme);
    COLORREF crOld = SetTextColor(hdc, RGB(0, 0, 0));
    const char *sz = pDi->pInfSeq->SeqName;

    SetTextAlign(hdc, TA_LEFT | TA_BOTTOM);
    SetBkMode(hdc, TRANSPARENT);
    TextOutA(hdc, prcTrace->left + tick + (int)GrObj.cxCharDiag, prcTmp->top + 2 * (int)GrObj.cyCharDiag, sz,
             lstrlenA(sz));
    prcTmp->top += 2 * (int)GrObj.cyCharDiag;
    prcTmp->bottom = prcTmp->top + hauteurDiag;
    SetTextAlign(hdc, TA_CENTER | TA_TOP);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, crOld);
    SelectFont(hdc, hOld);
    if (!pDi->CropMark)
        return;
    for (int nCoin = 0; nCoin < 4; nCoin++) {
        int x = nCoin & 1 ? prcTrace->right : prcTrace->left;
        int dx = nCoin & 1 ? -tick : tick;
        int y = nCoin & 2 ? prcTmp->bottom : prcTmp->top;
        int dy = nCoin & 2 ? tick : -tick;

        MoveToEx(hdc, x, y, NULL);
        LineTo(hdc, x + dx, y);
        LineTo(hdc, x + dx, y + dy);
    }
}

static void EnteteHCA(void *pCtx, int nPage, int yHaut)
{
    ImpHCA *p = (ImpHCA *)pCtx;
    int x = p->rcTrace.left + 2 * (int)p->gr.cxCharDiag, cy = (int)p->gr.cyCharDiag;
    char sz[2 * HCA_MAX_PATH + 64];
    HFONT hOld = SelectFont(p->hdc, (HFONT)p->gr.hFntDiagramme);
    UINT uOld = SetTextAlign(p->hdc, TA_LEFT | TA_BOTTOM);
    COLORREF crOld = SetTextColor(p->hdc, RGB(0, 0, 0));

    AfficheNumeroPage((unsigned)nPage);
    snprintf(sz, sizeof sz, "HCA alignment between %s and %s (Page %u)", p->pDi[0]->pInfSeq->SeqName,
             p->pDi[1]->pInfSeq->SeqName, (unsigned)nPage);
    TextOutA(p->hdc, x, yHaut + 2 * cy, szEnteteLigne1, lstrlenA(szEnteteLigne1));
    TextOutA(p->hdc, x, yHaut + 3 * cy, szEnteteLigne2, lstrlenA(szEnteteLigne2));
    TextOutA(p->hdc, x, yHaut + 5 * cy, sz, lstrlenA(sz));
    SetTextColor(p->hdc, crOld);
    SetTextAlign(p->hdc, uOld);
    SelectFont(p->hdc, hOld);
}

static void BandeHCADessin(void *pCtx, int nBloc, int nDebut, int nFin, int yHaut)
{
    ImpHCA *p = (ImpHCA *)pCtx;
    RECT rcTmp = { p->rcTrace.left + p->nMarge, yHaut, p->rcTrace.right - p->nMarge, yHaut + p->hauteurDiag };
    pInfoSequence pSeq = p->pDi[nBloc]->pInfSeq;

    PrintEnteteDiag(p->hdc, &p->rcTrace, &rcTmp, p->tick, p->hauteurDiag, p->gr, p->pDi[nBloc]);
    CleanHCADC(p->hdc, &p->gr);
    PrepHCADC(p->hdc, &p->gr);
    DessineDiagramme2(p->hdc, pSeq, nDebut * p->gr.nLineWidthAAs, nDebut, nFin, &rcTmp, p->gr, HCA_MODE_IMPRIMANTE);
}

int PrintHCAali(HWND hWnd, HDC hDC, DataImpression *pDi1, DataImpression *pDi2)
{
    ImpHCA imp;
    SortieImpression sortie = { &imp, EnteteHCA, BandeHCADessin, FinPageImpression };
    BandeHCA bandes[2];
    int xPage, yPage, nDpi = GetDeviceCaps(hDC, LOGPIXELSX), nRes = 1;

    (void)hWnd;
    ZeroMemory(&imp, sizeof imp);
    imp.hdc = hDC;
    imp.pDi[0] = pDi1;
    imp.pDi[1] = pDi2;
    InitPrintHPolice(hDC, &imp.gr);
    DimPoliceDiag(hDC, &imp.gr);
    if (!CalcCoordAADiag(pDi1->pInfSeq, imp.gr) || !CalcCoordAADiag(pDi2->pInfSeq, imp.gr)) {
        DeletePrintHPolice(&imp.gr);
        return 0;
    }
    CalculAmasUnitaire(&imp.gr);
    CreePolyUni(pDi1->pInfSeq, imp.gr);
    CreePolyUni(pDi2->pInfSeq, imp.gr);

    SurfacePage(hDC, &xPage, &yPage);
    imp.hauteurDiag = InitPrintGraphHeight(&imp.gr);
    imp.nMarge = MargeImpression(nDpi);
    imp.tick = TickImpression(nDpi);
    SetRect(&imp.rcTrace, imp.tick, imp.tick, xPage - imp.tick, yPage - imp.tick);
    for (int i = 0; i < 2; i++) {
        pInfoSequence pSeq = imp.pDi[i]->pInfSeq;
        bandes[i] = BandeHCA{ pSeq->StartAffich, pSeq->StopAffich, (int)imp.pDi[i]->overlap };
    }
    PrepHCADC(hDC, &imp.gr);
    if (DerouleImpressionHCA(bandes, ResiduesParBande(hDC, &imp.gr), yPage, imp.rcTrace.top, imp.hauteurDiag,
                             (int)imp.gr.cyCharDiag, &sortie) < 0)
        nRes = 0;
    CleanHCADC(hDC, &imp.gr);
    DeletePrintHPolice(&imp.gr);
    return nRes;
}

/* ---- The job ------------------------------------------------------------- */

/* Residues a band will hold, for the options dialog to refuse an overlap
   the page cannot advance by. */
static int MesureBande(HDC hdc)
{
    GraphObjData gr;
    int n;

    ZeroMemory(&gr, sizeof gr);
    InitPrintHPolice(hdc, &gr);
    DimPoliceDiag(hdc, &gr);
    n = ResiduesParBande(hdc, &gr);
    DeletePrintHPolice(&gr);
    return n;
}

void ImprimeHCAali(HWND hWnd, pInfoSequence pSeq1, pInfoSequence pSeq2)
{
    DataImpression di[2];
    HDC hdc = NULL;

    ZeroMemory(di, sizeof di);
    if (pSeq1 == NULL || pSeq2 == NULL)
        return;
    di[0].pInfSeq = DuplicatePData(pSeq1);
    di[1].pInfSeq = di[0].pInfSeq != NULL ? DuplicatePData(pSeq2) : NULL;
    if (di[1].pInfSeq == NULL) {
        FreeDataSequence(di[0].pInfSeq);
        return;
    }
    for (DataImpression &d : di) {
        d.overlap = 10;
        d.CropMark = 1;
    }
    if (ImprimanteDisponible(hWnd, IDS_HCAVIEWER) && (hdc = CreeDCImprimante()) != NULL) {
        di[0].nParBande = MesureBande(hdc);
        if (DialogBoxParamA(hInst, MAKEINTRESOURCEA(IDD_HCAPRINTOPTIONS), hWnd, DlgHCAPrintOptionsProc,
                            (LPARAM)&di[0]) == 1) {
            /* Both plots print alike. */
            GraphHCAData *g0 = &di[0].pInfSeq->HcaData, *g1 = &di[1].pInfSeq->HcaData;
            g1->IsDrawDraft = g0->IsDrawDraft;
            g1->IsDrawAA = g0->IsDrawAA;
            g1->IsDrawBkGround = g0->IsDrawBkGround;
            g1->IsDrawCluster = g0->IsDrawCluster;
            g1->IsDrawZigZag = g0->IsDrawZigZag;
            di[1].CropMark = di[0].CropMark;
            di[1].overlap = di[0].overlap;
            if (DebuteTravail(hWnd, hdc, "HCA plots alignment")) {
                if (PrintHCAali(hWnd, hdc, &di[0], &di[1]) && !fAbort)
                    EndDoc(hdc);
                else
                    AbortDoc(hdc);
            }
            TermineTravail(hWnd, hdc, FALSE);
            hdc = NULL;
        }
    }
    if (hdc != NULL)
        DeleteDC(hdc);
    FreeDataSequence(di[0].pInfSeq);
    FreeDataSequence(di[1].pInfSeq);
}
