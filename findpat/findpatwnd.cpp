/* findpatwnd.cpp: the pattern finder's dialogs.
 *
 * "Find pattern(s)" (modeless) holds the sequences it was opened on; the
 * user picks sequences and a pattern, typed or chosen from a pattern file,
 * and Find searches them with the portable core (findpat.h) and shows the
 * matches as a tree: sequence, pattern, match. "List of patterns" (modal)
 * loads a pattern file and picks patterns from it.
 *
 * Divisions: creation and release; "Find pattern(s)"; the Find command and
 * the results tree; "List of patterns" and its owner-drawn list; the Open
 * dialog.
 */
#include <windows.h>
#include <windowsx.h>
#include <commctrl.h>
#include <commdlg.h>
#include <ctype.h>
#include <stdio.h>
#include <string.h>

#include "HALYARD.h"
#include "findpatwin.h"

/* Window properties holding each dialog's data. */
static const char szPropFindPat[] = "DataFindPat";
static const char szPropMotifs[] = "donnee";

/* The pattern box and the description are read at most this long, NUL
   included; the pattern box takes no more. */
#define CCHLECTURE 120

/* Colours of a pattern in the list: its name, then its mask. */
#define CR_NOMMOTIF   ((COLORREF)0xFF0000)   /* blue       */
#define CR_MASQUE     ((COLORREF)0x1E573F)   /* dark green */
#define MARGEMOTIF    4    /* around the two lines of an item, pixels */
#define RETRAITMASQUE 20   /* the mask's indent under the name        */
#define RETRAITFOCUS  2    /* the focus frame inside the item         */

/* Copies szSrc into szDst (cchDst bytes), cut to fit. */
static void CopieTexte(char *szDst, size_t cchDst, const char *szSrc)
{
    size_t n = szSrc != NULL ? strlen(szSrc) : 0;

    if (n > cchDst - 1)
        n = cchDst - 1;
    if (n > 0)
        memcpy(szDst, szSrc, n);
    szDst[n] = '\0';
}

/* ---- Creation and release ---------------------------------------------- */

/* The record of the dialog being created, until its dialog procedure has
   taken it: when creation fails, CreeFindPatWnd releases it only if the
   dialog has not (a dialog destroyed while being created releases its
   record like any other). */
static pDataSeq pDataEnCreation = NULL;

static void LibereListes(char **szListSequence, char **szListSeqName, int nSeq)
{
    int i;

    for (i = 0; i < nSeq; i++) {
        if (szListSequence != NULL)
            MyFree(szListSequence[i]);
        if (szListSeqName != NULL)
            MyFree(szListSeqName[i]);
    }
    MyFree(szListSequence);
    MyFree(szListSeqName);
}

static void LibereDataSeq(pDataSeq pData)
{
    LibereListes(pData->szListSequence, pData->szListSeqName, pData->nSeq);
    LibereMotifs(&pData->dataMotifDescript);
    MyFree(pData);
}

HWND CreeFindPatWnd(HINSTANCE hInstance,
                    HWND hWndOwner,
                    char **szListSequence,
                    char **szListSeqName,
                    int nSeq,
                    unsigned int nTypeSeq,
                    const char *szCurrentDir)
{
    pDataSeq pData;
    HWND hDlg;

    if (nSeq < 0)
        nSeq = 0;
    pData = (pDataSeq)MyAlloc(sizeof(DataSeq));
    if (pData == NULL) {
        LibereListes(szListSequence, szListSeqName, nSeq);
        return NULL;
    }
    pData->szListSequence = szListSequence;
    pData->szListSeqName = szListSeqName;
    pData->nSeq = nSeq;
    /* Without a temporary directory the work files go to the current
       one. */
    if (OsGetTempDir(pData->szWorkDir, sizeof pData->szWorkDir) == 0)
        pData->szWorkDir[0] = '\0';
    CopieTexte(pData->TableConvert, sizeof pData->TableConvert, NomTableConvert(nTypeSeq));
    pData->nTypeSeq = nTypeSeq;
    CopieTexte(pData->dataMotifDescript.szFilePath, sizeof pData->dataMotifDescript.szFilePath,
               szCurrentDir);
    pData->hInst = hInstance;

    pDataEnCreation = pData;
    hDlg = CreateDialogParamA(hInstance, MAKEINTRESOURCEA(IDD_FINDPAT), hWndOwner,
                              FindPatMainProc, (LPARAM)pData);
    if (hDlg == NULL && pDataEnCreation != NULL)
        LibereDataSeq(pDataEnCreation);
    pDataEnCreation = NULL;
    return hDlg;
}

/* ---- "Find pattern(s)" ------------------------------------------------- */

int InitTreeViewImageLists(HWND hWndArbre, HINSTANCE hInstance)
{
    static const int idImages[] = { IDB_SEQFOLDER, IDB_PATFOLDER, IDB_MATCHDOC };
    HIMAGELIST himl;
    size_t i;

    himl = ImageList_Create(CX_IMAGEARBRE, CY_IMAGEARBRE, ILC_COLOR24,
                            (int)(sizeof idImages / sizeof idImages[0]), 0);
    if (himl == NULL)
        return 0;
    for (i = 0; i < sizeof idImages / sizeof idImages[0]; i++) {
        HBITMAP hbm = LoadBitmapA(hInstance, MAKEINTRESOURCEA(idImages[i]));
        if (hbm != NULL) {
            ImageList_Add(himl, hbm, NULL);
            DeleteObject(hbm);
        }
    }
    /* A missing picture would shift the others onto the wrong levels. */
    if (ImageList_GetImageCount(himl) < (int)(sizeof idImages / sizeof idImages[0])) {
        ImageList_Destroy(himl);
        return 0;
    }
    TreeView_SetImageList(hWndArbre, himl, TVSIL_NORMAL);
    return 1;
}

static BOOL FindPatMainProc_OnInitDialog(HWND hDlg, HWND hWndFocus, LPARAM lParam)
{
    pDataSeq pData = (pDataSeq)lParam;
    HWND hList = GetDlgItem(hDlg, IDC_FP_SEQUENCES);
    int i;

    (void)hWndFocus;
    SetPropA(hDlg, szPropFindPat, (HANDLE)pData);
    CenterWnd(hDlg);
    for (i = 0; i < pData->nSeq; i++) {
        const char *szNom = pData->szListSeqName != NULL && pData->szListSeqName[i] != NULL
                                ? pData->szListSeqName[i] : "";
        int nItem = ListBox_AddString(hList, szNom);
        if (nItem >= 0)
            ListBox_SetItemData(hList, nItem, i);
    }
    Edit_LimitText(GetDlgItem(hDlg, IDC_FP_MOTIF), CCHLECTURE - 1);
    InitTreeViewImageLists(GetDlgItem(hDlg, IDC_FP_ARBRE), (HINSTANCE)pData->hInst);
    return TRUE;
}

/* "File of pattern(s):": the choice made in "List of patterns" goes to the
   pattern box, the description and the file name. */
static void ChoisitMotifs(HWND hDlg, pDataSeq pData)
{
    pMotifDecript pMotifs = &pData->dataMotifDescript;

    ListeMotifs((HINSTANCE)pData->hInst, hDlg, pMotifs);
    /* "All patterns" or "Some patterns" names a choice in the file it was
       made in: once another file is loaded that choice is gone, and it
       must not be shown any more. */
    if (pMotifs->nIdx == 0 && pMotifs->DonneeMotif.mask[0] == '\0')
        pMotifs->DonneeMotif.nom[0] = '\0';
    /* The pattern first: a change of the pattern box clears the
       description. */
    SetDlgItemTextA(hDlg, IDC_FP_MOTIF, pMotifs->DonneeMotif.mask);
    SetDlgItemTextA(hDlg, IDC_FP_DESCRIPTION, pMotifs->DonneeMotif.nom);
    SetDlgItemTextA(hDlg, IDC_FP_NOMFICHIER, pMotifs->szFileName);
}

static void FindPatMainProc_OnCommand(HWND hDlg, int id, HWND hWndCtl, UINT codeNotify)
{
    pDataSeq pData = (pDataSeq)GetPropA(hDlg, szPropFindPat);

    (void)hWndCtl;
    if (pData == NULL)
        return;
    switch (id) {
    case IDC_FP_FICHIER:
        if (codeNotify == BN_CLICKED)
            ChoisitMotifs(hDlg, pData);
        break;
    case IDC_FP_MOTIF:
        /* What is described is no longer what is typed. */
        if (codeNotify == EN_CHANGE)
            SetDlgItemTextA(hDlg, IDC_FP_DESCRIPTION, "");
        break;
    case IDC_SELECTALL:
    case IDC_SELECTNONE:
        ListBox_SetSel(GetDlgItem(hDlg, IDC_FP_SEQUENCES), id == IDC_SELECTALL, -1);
        break;
    case IDOK:
        PrepareRechercheMask(hDlg, pData);
        break;
    case IDCANCEL:
        DestroyWindow(hDlg);
        break;
    default:
        break;
    }
}

static void FindPatMainProc_OnDestroy(HWND hDlg)
{
    pDataSeq pData = (pDataSeq)RemovePropA(hDlg, szPropFindPat);
    HWND hWndArbre = GetDlgItem(hDlg, IDC_FP_ARBRE);

    /* The tree does not destroy its image list. */
    if (hWndArbre != NULL) {
        HIMAGELIST himl = TreeView_SetImageList(hWndArbre, NULL, TVSIL_NORMAL);
        if (himl != NULL)
            ImageList_Destroy(himl);
    }
    if (pData != NULL) {
        if (pData == pDataEnCreation)
            pDataEnCreation = NULL;
        LibereDataSeq(pData);
    }
}

INT_PTR CALLBACK FindPatMainProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_INITDIALOG:
        return HANDLE_WM_INITDIALOG(hDlg, wParam, lParam, FindPatMainProc_OnInitDialog);
    case WM_COMMAND:
        (void)HANDLE_WM_COMMAND(hDlg, wParam, lParam, FindPatMainProc_OnCommand);
        return TRUE;
    case WM_DESTROY:
        (void)HANDLE_WM_DESTROY(hDlg, wParam, lParam, FindPatMainProc_OnDestroy);
        return TRUE;
    default:
        return FALSE;
    }
}

/* ---- The Find command and the results tree ----------------------------- */

void PrepareRechercheMask(HWND hDlg, pDataSeq pData)
{
    pMotifDecript pMotifs = &pData->dataMotifDescript;
    HWND hList = GetDlgItem(hDlg, IDC_FP_SEQUENCES);
    char szMotif[CCHLECTURE], szDescription[CCHLECTURE];
    char **szMotifs;
    int *pnSeqIdx;
    int nSel, nMotifs, i;

    nSel = ListBox_GetSelCount(hList);
    if (nSel <= 0) {
        MyErrMsgBox(IDS_FINDPAT, IDS_FP_NOSEQSEL, hDlg);
        return;
    }
    pnSeqIdx = (int *)MyAlloc((unsigned)nSel * (unsigned)sizeof(int));
    if (pnSeqIdx == NULL)
        return;
    nSel = ListBox_GetSelItems(hList, nSel, pnSeqIdx);
    for (i = 0; i < nSel; i++) {
        LRESULT nSeq = ListBox_GetItemData(hList, pnSeqIdx[i]);
        pnSeqIdx[i] = nSeq >= 0 && nSeq < pData->nSeq ? (int)nSeq : 0;
    }

    GetDlgItemTextA(hDlg, IDC_FP_MOTIF, szMotif, sizeof szMotif);
    GetDlgItemTextA(hDlg, IDC_FP_DESCRIPTION, szDescription, sizeof szDescription);
    for (i = 0; szMotif[i] != '\0'; i++)
        szMotif[i] = (char)toupper((unsigned char)szMotif[i]);

    szMotifs = (char **)MyAlloc((unsigned)(pMotifs->nIdx > 0 ? pMotifs->nIdx : 1)
                                * (unsigned)sizeof(char *));
    if (szMotifs == NULL) {
        MyFree(pnSeqIdx);
        return;
    }
    nMotifs = MotifsRecherches(pMotifs, szDescription, szMotif, szMotifs);
    DemarreRecherche(hDlg, pData, nSel, pnSeqIdx, nMotifs, szMotifs, IDC_FP_ARBRE);
    MyFree(szMotifs);
    MyFree(pnSeqIdx);
}

/* One Find: the tree, the sequences and patterns searched, and where the
   current pattern's matches go. */
typedef struct tagRechercheArbre {
    HWND           hDlg;
    pDataSeq       pData;
    char         **szMotifs;
    InsereResultat insere;
} RechercheArbre, *pRechercheArbre;

static HTREEITEM InsereItem(HWND hWndArbre, HTREEITEM hParent, const char *szTexte, int nImage)
{
    TVINSERTSTRUCTA tvis;

    ZeroMemory(&tvis, sizeof tvis);
    tvis.hParent = hParent;
    tvis.hInsertAfter = TVI_LAST;
    tvis.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    tvis.item.pszText = (LPSTR)szTexte;
    tvis.item.iImage = nImage;
    tvis.item.iSelectedImage = nImage;
    return (HTREEITEM)SendMessageA(hWndArbre, TVM_INSERTITEMA, 0, (LPARAM)&tvis);
}

/* Appends one item under the current pattern, making the sequence and
   pattern items first when they do not exist yet. */
static void AjouteItemMatch(pInsereResultat pInsere, const char *szTexte)
{
    if (pInsere->hSeq == NULL) {
        pInsere->hSeq = InsereItem(pInsere->hWndArbre, TVI_ROOT, pInsere->szNomSeq, 0);
        if (pInsere->hSeq == NULL)
            return;
    }
    if (pInsere->hMotif == NULL) {
        pInsere->hMotif = InsereItem(pInsere->hWndArbre, pInsere->hSeq, pInsere->szMasque, 1);
        if (pInsere->hMotif == NULL)
            return;
    }
    InsereItem(pInsere->hWndArbre, pInsere->hMotif, szTexte, 2);
}

static void AjouteMatch(void *pParam, const char *szTexte)
{
    AjouteItemMatch((pInsereResultat)pParam, szTexte);
}

int AfficheResultats(const char *szFile,
                     HWND hDlg,
                     HWND hWndArbre,
                     const char *szSequence,
                     pInsereResultat pInsere)
{
    (void)hDlg;
    pInsere->hWndArbre = hWndArbre;
    if (!LitResultats(szFile, szSequence, AjouteMatch, pInsere)) {
        AjouteItemMatch(pInsere, SZERREURRESULTATS);
        return 0;
    }
    return 1;
}

/* Called by the search for each pattern searched in a sequence with a
   results file (deleted when this returns). */
static void AfficheUnResultat(void *pParam, int nSeq, int nMotif, int nResultat, const char *szFile)
{
    pRechercheArbre p = (pRechercheArbre)pParam;
    pDataSeq pData = p->pData;

    (void)nResultat;
    if (nSeq != p->insere.nSeq) {
        p->insere.nSeq = nSeq;
        p->insere.hSeq = NULL;
        p->insere.szNomSeq = pData->szListSeqName != NULL && pData->szListSeqName[nSeq] != NULL
                                 ? pData->szListSeqName[nSeq] : "";
    }
    p->insere.hMotif = NULL;
    p->insere.szMasque = p->szMotifs[nMotif];
    AfficheResultats(szFile, p->hDlg, p->insere.hWndArbre, pData->szListSequence[nSeq], &p->insere);
}

void DemarreRecherche(HWND hDlg,
                      pDataSeq pData,
                      int nSeqSel,
                      const int *pnSeqIdx,
                      int nMotifs,
                      char **szMotifs,
                      int idArbre)
{
    HWND hWndArbre = GetDlgItem(hDlg, idArbre);
    RechercheArbre recherche;
    HCURSOR hOldCursor;

    ZeroMemory(&recherche, sizeof recherche);
    recherche.hDlg = hDlg;
    recherche.pData = pData;
    recherche.szMotifs = szMotifs;
    recherche.insere.hWndArbre = hWndArbre;
    recherche.insere.nSeq = -1;

    hOldCursor = SetCursor(LoadCursor(NULL, IDC_WAIT));
    /* Thousands of matches go in at once: the tree is drawn once, at the
       end. */
    SetWindowRedraw(hWndArbre, FALSE);
    TreeView_DeleteAllItems(hWndArbre);
    LanceRechercheSequences(hDlg, pData->szWorkDir, pData->TableConvert, pData->szListSequence,
                            pnSeqIdx, nSeqSel, szMotifs, nMotifs, AfficheUnResultat, &recherche);
    SetWindowRedraw(hWndArbre, TRUE);
    InvalidateRect(hWndArbre, NULL, TRUE);
    SetCursor(hOldCursor);
}

/* ---- "List of patterns" ------------------------------------------------ */

void TailleChar(HDC hdc, int *pcx, int *pcy)
{
    TEXTMETRICA tm;

    ZeroMemory(&tm, sizeof tm);
    GetTextMetricsA(hdc, &tm);
    *pcx = tm.tmAveCharWidth;
    *pcy = tm.tmHeight + tm.tmExternalLeading;
}

void InitListBox(HWND hDlg, pMotifDecript pMotifs)
{
    HWND hList = GetDlgItem(hDlg, IDC_LM_LISTE);
    int i;

    ListBox_ResetContent(hList);
    for (i = 0; i < pMotifs->nMotifs; i++)
        ListBox_AddItemData(hList, &pMotifs->pDonneeMotif[i]);
    for (i = 0; i < pMotifs->nIdx; i++) {
        int j = pMotifs->pListIdx[i];
        if (j >= 0 && j < pMotifs->nMotifs)
            ListBox_SetSel(hList, TRUE, j);
    }
    SetFocus(hList);
}

void InitListBox_OnMeasureItem(HWND hDlg, MEASUREITEMSTRUCT *lpMeasureItem)
{
    HWND hList;
    HFONT hFont, hOldFont = NULL;
    HDC hdc;
    RECT rc;
    int cx, cy;

    if (lpMeasureItem->CtlType != ODT_LISTBOX || lpMeasureItem->CtlID != IDC_LM_LISTE)
        return;
    /* Two lines of the dialog's font with room around them. */
    hdc = GetDC(hDlg);
    hFont = GetWindowFont(hDlg);
    if (hFont != NULL)
        hOldFont = SelectFont(hdc, hFont);
    TailleChar(hdc, &cx, &cy);
    if (hOldFont != NULL)
        SelectFont(hdc, hOldFont);
    ReleaseDC(hDlg, hdc);
    lpMeasureItem->itemHeight = (UINT)((5 * cy) / 2);
    hList = GetDlgItem(hDlg, IDC_LM_LISTE);
    if (hList != NULL && GetClientRect(hList, &rc))
        lpMeasureItem->itemWidth = (UINT)(rc.right + 1);
}

/* The pattern's name in the upper half of the item and its mask, further
   right, in the lower half; a selected item is inverted. */
static void DessineMotif(const DRAWITEMSTRUCT *lpDrawItem)
{
    const MotifData *pMotif = (const MotifData *)lpDrawItem->itemData;
    const UINT uFormat = DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP;
    HDC hdc = lpDrawItem->hDC;
    RECT rc = lpDrawItem->rcItem, rcTexte;
    COLORREF crOld;
    int nOldMode;

    FillRect(hdc, &rc, GetSysColorBrush(COLOR_WINDOW));
    InflateRect(&rc, -MARGEMOTIF, -MARGEMOTIF);
    if (pMotif != NULL) {
        nOldMode = SetBkMode(hdc, TRANSPARENT);
        crOld = SetTextColor(hdc, CR_NOMMOTIF);
        rcTexte = rc;
        rcTexte.bottom = rc.top + (rc.bottom - rc.top) / 2;
        DrawTextA(hdc, pMotif->nom, (int)strnlen(pMotif->nom, sizeof pMotif->nom), &rcTexte,
                  uFormat);
        SetTextColor(hdc, CR_MASQUE);
        rcTexte.top = rcTexte.bottom;
        rcTexte.bottom = rc.bottom;
        rcTexte.left += RETRAITMASQUE;
        DrawTextA(hdc, pMotif->mask, (int)strnlen(pMotif->mask, sizeof pMotif->mask), &rcTexte,
                  uFormat);
        SetTextColor(hdc, crOld);
        SetBkMode(hdc, nOldMode);
    }
    if (lpDrawItem->itemState & ODS_SELECTED)
        InvertRect(hdc, &rc);
}

/* The focus frame, drawn with the stock grey brush or erased with the
   window colour. */
static void CadreFocus(const DRAWITEMSTRUCT *lpDrawItem)
{
    RECT rc = lpDrawItem->rcItem;
    HBRUSH hbr;

    InflateRect(&rc, -RETRAITFOCUS, -RETRAITFOCUS);
    if (lpDrawItem->itemState & ODS_FOCUS)
        hbr = (HBRUSH)GetStockObject(GRAY_BRUSH);
    else
        hbr = GetSysColorBrush(COLOR_WINDOW);
    FrameRect(lpDrawItem->hDC, &rc, hbr);
}

void InitListBox_OnDrawItem(HWND hDlg, const DRAWITEMSTRUCT *lpDrawItem)
{
    (void)hDlg;
    if (lpDrawItem->CtlType != ODT_LISTBOX || lpDrawItem->CtlID != IDC_LM_LISTE)
        return;
    if (lpDrawItem->itemID == (UINT)-1) {
        /* Empty list: only the focus frame shows. */
        CadreFocus(lpDrawItem);
        return;
    }
    switch (lpDrawItem->itemAction) {
    case ODA_DRAWENTIRE:
    case ODA_SELECT:
        DessineMotif(lpDrawItem);
        CadreFocus(lpDrawItem);
        break;
    case ODA_FOCUS:
        CadreFocus(lpDrawItem);
        break;
    default:
        break;
    }
}

static BOOL ListeMotifs_OnInitDialog(HWND hDlg, HWND hWndFocus, LPARAM lParam)
{
    pMotifDecript pMotifs = (pMotifDecript)lParam;

    (void)hWndFocus;
    SetPropA(hDlg, szPropMotifs, (HANDLE)pMotifs);
    CenterWnd(hDlg);
    if (pMotifs->nMotifs > 0) {
        SetDlgItemTextA(hDlg, IDC_LM_NOMFICHIER, pMotifs->szFileName);
        InitListBox(hDlg, pMotifs);
        return FALSE;   /* the list has the focus */
    }
    return TRUE;
}

/* "&File:": another pattern file. The list is always filled again: after
   a failed read its items would name released patterns. */
static void ChargeFichierMotifs(HWND hDlg, pMotifDecript pMotifs)
{
    int nRes = ChooseFileName2(hDlg, pMotifs);

    SetDlgItemTextA(hDlg, IDC_LM_NOMFICHIER,
                    nRes != 0 || pMotifs->nMotifs > 0 ? pMotifs->szFileName : "");
    InitListBox(hDlg, pMotifs);
}

/* "&Ok": keeps the selected patterns and says what was chosen. Nothing
   changes when nothing is loaded or selected. */
static void AccepteChoix(HWND hDlg, pMotifDecript pMotifs)
{
    HWND hList = GetDlgItem(hDlg, IDC_LM_LISTE);
    int nSel = ListBox_GetSelCount(hList);
    int *pnSel;

    if (nSel <= 0 || pMotifs->nMotifs <= 0)
        return;
    pnSel = (int *)MyAlloc((unsigned)nSel * (unsigned)sizeof(int));
    if (pnSel == NULL)
        return;
    nSel = ListBox_GetSelItems(hList, nSel, pnSel);
    ChoisitMotifsListe(pMotifs, pnSel, nSel);
    MyFree(pnSel);
}

static void ListeMotifs_OnCommand(HWND hDlg, int id, HWND hWndCtl, UINT codeNotify)
{
    pMotifDecript pMotifs = (pMotifDecript)GetPropA(hDlg, szPropMotifs);

    (void)hWndCtl;
    (void)codeNotify;
    if (pMotifs == NULL)
        return;
    switch (id) {
    case IDC_LM_FICHIER:
        ChargeFichierMotifs(hDlg, pMotifs);
        break;
    case IDC_SELECTALL:
    case IDC_SELECTNONE:
        ListBox_SetSel(GetDlgItem(hDlg, IDC_LM_LISTE), id == IDC_SELECTALL, -1);
        break;
    case IDOK:
        AccepteChoix(hDlg, pMotifs);
        EndDialog(hDlg, 1);
        break;
    case IDCANCEL:
        EndDialog(hDlg, 0);
        break;
    default:
        break;
    }
}

static void ListeMotifs_OnDestroy(HWND hDlg)
{
    RemovePropA(hDlg, szPropMotifs);
}

INT_PTR CALLBACK ListeMotifsProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_INITDIALOG:
        return HANDLE_WM_INITDIALOG(hDlg, wParam, lParam, ListeMotifs_OnInitDialog);
    case WM_COMMAND:
        (void)HANDLE_WM_COMMAND(hDlg, wParam, lParam, ListeMotifs_OnCommand);
        return TRUE;
    case WM_MEASUREITEM:
        (void)HANDLE_WM_MEASUREITEM(hDlg, wParam, lParam, InitListBox_OnMeasureItem);
        return TRUE;
    case WM_DRAWITEM:
        (void)HANDLE_WM_DRAWITEM(hDlg, wParam, lParam, InitListBox_OnDrawItem);
        return TRUE;
    case WM_DESTROY:
        (void)HANDLE_WM_DESTROY(hDlg, wParam, lParam, ListeMotifs_OnDestroy);
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR ListeMotifs(HINSTANCE hInstance, HWND hWndOwner, pMotifDecript pMotifs)
{
    INT_PTR nRes = DialogBoxParamA(hInstance, MAKEINTRESOURCEA(IDD_LISTEMOTIFS), hWndOwner,
                                   ListeMotifsProc, (LPARAM)pMotifs);

    return nRes == 1 ? 1 : 0;
}

/* ---- The Open dialog --------------------------------------------------- */

BOOL OuvrirFichierMotif(HWND hWndOwner, char *szPath, char *szName, const char *szInitialDir)
{
    OPENFILENAMEA ofn;

    ZeroMemory(&ofn, sizeof ofn);
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = hWndOwner;
    ofn.lpstrFilter = "motif\0*.mot\0";
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = szPath;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrFileTitle = szName;
    ofn.nMaxFileTitle = 256;
    ofn.lpstrInitialDir = szInitialDir != NULL && szInitialDir[0] != '\0' ? szInitialDir : NULL;
    ofn.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    return GetOpenFileNameA(&ofn);
}

int ChooseFileName2(HWND hWndOwner, pMotifDecript pMotifs)
{
    char szPath[MAX_PATH], szName[256], szDir[MAX_PATH];

    /* Until a file is loaded the path is the directory to start in; then
       the dialog opens on the last file. Both buffers are copied back only
       when a file was chosen. */
    if (pMotifs->szFileName[0] != '\0') {
        CopieTexte(szPath, sizeof szPath, pMotifs->szFilePath);
        PathDirectoryPart(pMotifs->szFilePath, szDir, sizeof szDir);
    } else {
        szPath[0] = '\0';
        CopieTexte(szDir, sizeof szDir, pMotifs->szFilePath);
    }
    szName[0] = '\0';
    if (!OuvrirFichierMotif(hWndOwner, szPath, szName, szDir)) {
        if (CommDlgExtendedError() != 0) {
            MyErrMsgBox(IDS_FINDPAT, IDS_BADPATFILE, hWndOwner);
            return 0;
        }
        return 2;
    }
    CopieTexte(pMotifs->szFilePath, sizeof pMotifs->szFilePath, szPath);
    CopieTexte(pMotifs->szFileName, sizeof pMotifs->szFileName, szName);
    if (!ReadMotifs(hWndOwner, pMotifs)) {
        MyErrMsgBox(IDS_FINDPAT, IDS_BADPATFILE, hWndOwner);
        return 0;
    }
    return 1;
}
