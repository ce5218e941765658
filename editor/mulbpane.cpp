/* mulbpane.cpp: the editor's four panes: the alignment (with the caret,
 * the scroll bars, the keys, the mouse and the character edits), the
 * names, the scale and the consensus; and the font size dialog.
 *
 * Painting draws only the cells of the paint rectangle and two more on
 * each side; an edit invalidates only its row from the edited column to
 * the right edge; scrolling moves the pixels and repaints the strip it
 * uncovers. The cell arithmetic is the model's (mulbedit.cpp).
 *
 * Divisions: caret state and status fields; drawing; scroll bars;
 * alignment pane; other panes; font size dialog.
 */
#include <windows.h>
#include <windowsx.h>
#include <commctrl.h>
#include <ctype.h>
#include <stdio.h>

#include <initializer_list>

#include "HALYARD.h"
#include "mulbwin.h"

/* The model's scroll requests are the platform's. */
static_assert(DEFIL_LIGNE_AV == SB_LINEUP && DEFIL_LIGNE_AP == SB_LINEDOWN
                  && DEFIL_PAGE_AV == SB_PAGEUP && DEFIL_PAGE_AP == SB_PAGEDOWN
                  && DEFIL_POSITION == SB_THUMBPOSITION && DEFIL_SUIVI == SB_THUMBTRACK
                  && DEFIL_DEBUT == SB_TOP && DEFIL_FIN == SB_BOTTOM,
              "scroll request codes");

/* ---- Caret state and status fields ------------------------------------- */

/* One editor at a time: the alignment pane's state is the program's. */
static int nColCaret = 1, nLgnCaret = 1;
static int cxAlign = 0, cyAlign = 0;
static int bCtrlKey = 0;

void InitCaretMulBla(void)
{
    nColCaret = 1;
    nLgnCaret = 1;
    bCtrlKey = 0;
}

void UpdateCaretPosition(int nCol, int nLgn)
{
    char sz[32];

    snprintf(sz, sizeof sz, "%4u,%4u", (unsigned)nCol, (unsigned)nLgn);
    SetWindowTextA(HWNDCARETPOSITION, sz);
}

void RecupCursorPos(int *pnCol, int *pnLgn)
{
    char sz[32];
    unsigned n = 0, m = 0;

    GetWindowTextA(HWNDCARETPOSITION, sz, sizeof sz);
    sscanf(sz, "%u,%u", &n, &m);
    *pnCol = (int)n;
    *pnLgn = (int)m;
}

static void MesureEditeur(long *pcx, long *pcy)
{
    MesurePolice(HWNDMULBLAALIGN, HFNTEDITOR, pcx, pcy);
}

/* Puts the caret on its cell with the current scroll state; only the
   pane with the focus has it. */
static void PlaceCaret(void)
{
    long cx, cy;
    int x, y;

    if (PMULBLA == NULL || GetFocus() != HWNDMULBLAALIGN)
        return;
    MesureEditeur(&cx, &cy);
    PositionCaret(PMULBLA, nColCaret, nLgnCaret, (int)cx, (int)cy, &x, &y);
    SetCaretPos(x, y);
}

/* ---- Drawing ------------------------------------------------------------ */

/* Runs pfnDraw with the editor font selected and its cx, cy measured, then
   puts the DC back as it was. */
template <typename F> static void AvecPoliceEditeur(HDC hdc, UINT uAlign, F pfnDraw)
{
    HFONT hOld;
    UINT uOldAlign;
    long cx, cy;

    /* With no row left every pane is empty. */
    if (PMULBLA == NULL || PMULBLA->nSeq < 1 || HFNTEDITOR == NULL)
        return;
    hOld = SelectFont(hdc, HFNTEDITOR);
    uOldAlign = SetTextAlign(hdc, uAlign);
    DimensionCaractere(hdc, &cx, &cy);
    if (cx > 0 && cy > 0)
        pfnDraw((int)cx, (int)cy);
    SetTextAlign(hdc, uOldAlign);
    SelectFont(hdc, hOld);
}

void DessineMulBlaAlign(HDC hdc, const RECT *prc)
{
    AvecPoliceEditeur(hdc, TA_CENTER | TA_TOP, [hdc, prc](int cx, int cy) {
        pMulBlaData p = PMULBLA;
        PlageMulBla v = PlageVisible(p, prc->left, prc->top, prc->right, prc->bottom, cx, cy);
        pDataGeneralPrg pData = DocumentOf(hWndMain);
        GraphData gr = {};
        int nOldMode = SetBkMode(hdc, OPAQUE);
        COLORREF crTxt = GetTextColor(hdc), crBk = GetBkColor(hdc);

        /* The colour cache is the main window's, whose pane shares it:
           start from a known state. */
        if (pData != NULL)
            gr = pData->GrData;
        gr.nTxtColor = 0;
        gr.nTxtBkColor = 0;
        SetTextColor(hdc, TABCOLOR[0]);
        SetBkColor(hdc, TABCOLOR[0]);
        for (int r = v.r0; r < v.r1; r++) {
            pMulBlaSeq pRow = p->pSeqMul[r];

            for (int c = v.c0; c < v.c1; c++) {
                MySetTextColor(hdc, pRow->SeqTxtClr[c], &gr);
                MySetTextBkColor(hdc, pRow->SeqBkClr[c], &gr);
                TextOutA(hdc, (c - p->nHdecal) * cx, (r - p->nVdecal) * cy, &pRow->szSeq[c], 1);
            }
        }
        SetBkColor(hdc, crBk);
        SetTextColor(hdc, crTxt);
        SetBkMode(hdc, nOldMode);
    });
}

void DessineMulBlaList(HDC hdc, const RECT *prc)
{
    AvecPoliceEditeur(hdc, TA_RIGHT | TA_TOP, [hdc, prc](int cx, int cy) {
        pMulBlaData p = PMULBLA;
        PlageMulBla v = PlageVisible(p, prc->left, prc->top, prc->right, prc->bottom, cx, cy);
        int nOldMode = SetBkMode(hdc, OPAQUE);
        COLORREF crTxt = SetTextColor(hdc, TABCOLOR[0]);
        COLORREF crBk = SetBkColor(hdc, TABCOLOR[14]);

        for (int r = v.r0; r < v.r1; r++) {
            const char *sz = p->pSeqMul[r]->szName;
            TextOutA(hdc, 25 * cx, (r - p->nVdecal) * cy, sz, lstrlenA(sz));
        }
        SetBkColor(hdc, crBk);
        SetTextColor(hdc, crTxt);
        SetBkMode(hdc, nOldMode);
    });
}

void DessineMulBlaScale(HDC hdc, const RECT *prc)
{
    AvecPoliceEditeur(hdc, TA_CENTER | TA_TOP, [hdc, prc](int cx, int cy) {
        pMulBlaData p = PMULBLA;
        PlageMulBla v = PlageVisible(p, prc->left, prc->top, prc->right, prc->bottom, cx, cy);

        /* The cells' bounds read as 1-based positions, within the margin. */
        for (int n = v.c0 > 1 ? v.c0 : 1; n <= v.c1; n++) {
            int x = (n - p->nHdecal - 1) * cx;
            char sz[12];
            const char *szNum = MarqueEchelle(n, p->nTaille, sz);

            if (szNum != NULL) {
                TextOutA(hdc, x, 0, szNum, lstrlenA(szNum));
                TextOutA(hdc, x, cy, "|", 1);
            } else {
                TextOutA(hdc, x, cy, ".", 1);
            }
        }
    });
}

void DessineConsensus(HDC hdc, const RECT *prc)
{
    AvecPoliceEditeur(hdc, TA_CENTER | TA_TOP, [hdc, prc](int cx, int cy) {
        pMulBlaData p = PMULBLA;
        PlageMulBla v = PlageVisible(p, prc->left, prc->top, prc->right, prc->bottom, cx, cy);
        int nOldMode = SetBkMode(hdc, TRANSPARENT);

        for (int c = v.c0; c < v.c1; c++)
            TextOutA(hdc, (c - p->nHdecal) * cx, 0, &p->szConsensus[c], 1);
        SetBkMode(hdc, nOldMode);
    });
}

/* ---- Scroll bars --------------------------------------------------------- */

void ReajusteVHScroll(void)
{
    DefilMulBla d;
    RECT rc;
    long cx, cy;

    if (PMULBLA == NULL || HWNDMULBLAALIGN == NULL)
        return;
    MesureEditeur(&cx, &cy);
    GetClientRect(HWNDMULBLAALIGN, &rc);
    d = CalculeDefilement(PMULBLA, rc.right, rc.bottom, (int)cx, (int)cy);
    if (d.bHoriz) {
        EnableScrollBar(HWNDMULBLAALIGN, SB_HORZ, ESB_ENABLE_BOTH);
        SetScrollRange(HWNDMULBLAALIGN, SB_HORZ, -2, d.nHMax, FALSE);
        SetScrollPos(HWNDMULBLAALIGN, SB_HORZ, PMULBLA->nHdecal, TRUE);
    } else {
        SetScrollPos(HWNDMULBLAALIGN, SB_HORZ, -2, TRUE);
        EnableScrollBar(HWNDMULBLAALIGN, SB_HORZ, ESB_DISABLE_BOTH);
    }
    if (d.bVert) {
        EnableScrollBar(HWNDMULBLAALIGN, SB_VERT, ESB_ENABLE_BOTH);
        SetScrollRange(HWNDMULBLAALIGN, SB_VERT, 0, d.nVMax, FALSE);
        SetScrollPos(HWNDMULBLAALIGN, SB_VERT, PMULBLA->nVdecal, TRUE);
    } else {
        SetScrollPos(HWNDMULBLAALIGN, SB_VERT, 0, TRUE);
        EnableScrollBar(HWNDMULBLAALIGN, SB_VERT, ESB_DISABLE_BOTH);
    }
    /* The positions may have come back to a new maximum. */
    PlaceCaret();
}

/* The thumb's position: the message carries 16 bits, which a long query
   overflows; the bar itself has all 32 while the thumb is dragged. */
static int PositionPouce(HWND hWnd, int nBar, int nPos16, int nMax)
{
    SCROLLINFO si;

    if (nMax <= 32767)
        return nPos16;
    si.cbSize = sizeof si;
    si.fMask = SIF_TRACKPOS;
    return GetScrollInfo(hWnd, nBar, &si) ? si.nTrackPos : nPos16;
}

static void MulBlaAlignProc_OnHScroll(HWND hWnd, HWND hWndCtl, UINT uCode, int nPos)
{
    pMulBlaData p = PMULBLA;
    int nMax, nNew;
    long cx, cy;

    (void)hWndCtl;
    if (p == NULL || p->wndlength == 0)
        return;
    nMax = p->nTaille - p->wndlength + 2;
    nNew = NouvellePosition((int)uCode, p->nHdecal, -2, nMax, p->wndlength,
                            PositionPouce(hWnd, SB_HORZ, nPos, nMax));
    if (nNew == p->nHdecal)
        return;
    MesureEditeur(&cx, &cy);
    for (HWND h : { HWNDMULBLAALIGN, HWNDMULBLASCALE, HWNDMULBLACONSENSUS })
        ScrollWindow(h, (p->nHdecal - nNew) * (int)cx, 0, NULL, NULL);
    SetScrollPos(hWnd, SB_HORZ, nNew, TRUE);
    p->nHdecal = nNew;
    PlaceCaret();
}

static void MulBlaAlignProc_OnVScroll(HWND hWnd, HWND hWndCtl, UINT uCode, int nPos)
{
    pMulBlaData p = PMULBLA;
    int nMax, nNew;
    long cx, cy;

    (void)hWndCtl;
    if (p == NULL || p->wndheight == 0)
        return;
    nMax = p->nSeq - p->wndheight + 2;
    nNew = NouvellePosition((int)uCode, p->nVdecal, 0, nMax, p->wndheight,
                            PositionPouce(hWnd, SB_VERT, nPos, nMax));
    if (nNew == p->nVdecal)
        return;
    MesureEditeur(&cx, &cy);
    for (HWND h : { HWNDMULBLAALIGN, HWNDMULBLALIST })
        ScrollWindow(h, 0, (p->nVdecal - nNew) * (int)cy, NULL, NULL);
    SetScrollPos(hWnd, SB_VERT, nNew, TRUE);
    p->nVdecal = nNew;
    PlaceCaret();
}

/* ---- Alignment pane ------------------------------------------------------ */

static BOOL EditeurAUneRangee(void)
{
    return PMULBLA != NULL && PMULBLA->nSeq > 0 && PMULBLA->nTaille > 0;
}

/* Invalidates row m from column n to the right edge, with the scroll
   state of the moment. */
static void InvalideBande(int n, int m)
{
    long cx, cy;
    RectMulBla b;
    RECT rc;

    MesureEditeur(&cx, &cy);
    b = ZoneARetracer(PMULBLA, n, m, (int)cx, (int)cy, cxAlign);
    SetRect(&rc, b.left, b.top, b.right, b.bottom);
    InvalidateRect(HWNDMULBLAALIGN, &rc, TRUE);
}

static void MulBlaAlignProc_OnPaint(HWND hWnd)
{
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hWnd, &ps);

    DessineMulBlaAlign(hdc, &ps.rcPaint);
    EndPaint(hWnd, &ps);
}

static void MulBlaAlignProc_OnSize(HWND hWnd, UINT state, int cx, int cy)
{
    (void)hWnd;
    (void)state;
    cxAlign = cx;
    cyAlign = cy;
}

static void MulBlaAlignProc_OnSetFocus(HWND hWnd, HWND hWndOld)
{
    long cx, cy;

    (void)hWndOld;
    if (HFNTEDITOR == NULL)
        return;
    MesureEditeur(&cx, &cy);
    CreateCaret(hWnd, NULL, (int)cx, (int)cy);
    PlaceCaret();
    ShowCaret(hWnd);
}

static void MulBlaAlignProc_OnKillFocus(HWND hWnd, HWND hWndNew)
{
    (void)hWndNew;
    HideCaret(hWnd);
    DestroyCaret();
    /* Ctrl may be released where this pane does not hear it. */
    bCtrlKey = 0;
}

static int ToucheDe(UINT vk)
{
    switch (vk) {
    case VK_LEFT:  return TOUCHE_GAUCHE;
    case VK_RIGHT: return TOUCHE_DROITE;
    case VK_UP:    return TOUCHE_HAUT;
    case VK_DOWN:  return TOUCHE_BAS;
    case VK_PRIOR: return TOUCHE_PGHAUT;
    case VK_NEXT:  return TOUCHE_PGBAS;
    case VK_HOME:  return TOUCHE_DEBUT;
    case VK_END:   return TOUCHE_FIN;
    default:       return 0;
    }
}

static void MulBlaAlignProc_OnKeyDown(HWND hWnd, UINT vk)
{
    CaretMulBla k;
    long cx, cy;

    if (vk == VK_CONTROL)
        bCtrlKey = 1;
    if (PMULBLA == NULL)
        return;
    MesureEditeur(&cx, &cy);
    k = DeplaceCaret(PMULBLA, nColCaret, nLgnCaret, ToucheDe(vk), bCtrlKey, cxAlign, cyAlign,
                     (int)cx, (int)cy);
    if (k.nHReq != DEFIL_AUCUN)
        SendMessageA(hWnd, WM_HSCROLL, MAKEWPARAM(k.nHReq, 0), 0);
    if (k.nVReq != DEFIL_AUCUN)
        SendMessageA(hWnd, WM_VSCROLL, MAKEWPARAM(k.nVReq, 0), 0);
    nColCaret = k.nCol;
    nLgnCaret = k.nLgn;
    PlaceCaret();
    UpdateCaretPosition(nColCaret, nLgnCaret);
}

/* The editing keys act when they are released. */
static void MulBlaAlignProc_OnKeyUp(HWND hWnd, UINT vk)
{
    switch (vk) {
    case VK_CONTROL:
        bCtrlKey = 0;
        break;
    case VK_INSERT:
        BINSERTKEY = !BINSERTKEY;
        SetWindowTextA(HWNDINSERTSTATE, BINSERTKEY ? "Insert" : "Replace");
        break;
    case VK_BACK:
        if (!EditeurAUneRangee() || nColCaret <= 1)
            break;
        EffaceCaractere(PMULBLA, nColCaret - 1, nLgnCaret);
        SendMessageA(hWnd, WM_KEYDOWN, VK_LEFT, 0);
        InvalideBande(nColCaret, nLgnCaret);
        break;
    case VK_DELETE:
        if (bCtrlKey) {
            /* The removal moves the caret up one row with a simulated Up
               key, which Ctrl held would make a page. */
            bCtrlKey = 0;
            SendMessageA(hWndMulBla, WM_COMMAND, 3015, 0);
            bCtrlKey = 1;
        } else if (EditeurAUneRangee()) {
            EffaceCaractere(PMULBLA, nColCaret, nLgnCaret);
            InvalideBande(nColCaret, nLgnCaret);
        }
        break;
    default:
        break;
    }
}

static void MulBlaAlignProc_OnKey(HWND hWnd, UINT vk, BOOL fDown, int cRepeat, UINT flags)
{
    (void)cRepeat;
    (void)flags;
    if (fDown)
        MulBlaAlignProc_OnKeyDown(hWnd, vk);
    else
        MulBlaAlignProc_OnKeyUp(hWnd, vk);
}

static void MulBlaAlignProc_OnChar(HWND hWnd, TCHAR ch, int cRepeat)
{
    char c = (char)toupper((unsigned char)ch);
    int nCol = nColCaret, nLgn = nLgnCaret;

    (void)cRepeat;
    if (c == '+' || c == '-') {
        SendMessageA(hWndMulBla, WM_COMMAND, c == '+' ? 3017 : 3018, 0);
        return;
    }
    if (!((c >= 'A' && c <= 'Z') || c == ' ') || !EditeurAUneRangee())
        return;
    if (c == ' ')
        c = MULBLA_VIDE;
    if (BINSERTKEY)
        InsereCaractere(PMULBLA, nCol, nLgn, c);
    else
        EcraseCaractere(PMULBLA, nCol, nLgn, c);
    /* The caret advances first: should it scroll the pane, the band is
       then taken where the edited cell has moved to. */
    SendMessageA(hWnd, WM_KEYDOWN, VK_RIGHT, 0);
    InvalideBande(nCol, nLgn);
}

static void MulBlaAlignProc_OnLButtonUp(HWND hWnd, int x, int y, UINT keyFlags)
{
    long cx, cy;
    int n, m;

    (void)hWnd;
    (void)keyFlags;
    if (PMULBLA == NULL)
        return;
    MesureEditeur(&cx, &cy);
    if (!CaseDuClic(PMULBLA, x, y, (int)cx, (int)cy, &n, &m))
        return;
    nColCaret = n;
    nLgnCaret = m;
    PlaceCaret();
    UpdateCaretPosition(nColCaret, nLgnCaret);
}

LRESULT CALLBACK MulBlaAlignProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
        HANDLE_MSG(hWnd, WM_PAINT, MulBlaAlignProc_OnPaint);
        HANDLE_MSG(hWnd, WM_SIZE, MulBlaAlignProc_OnSize);
        HANDLE_MSG(hWnd, WM_SETFOCUS, MulBlaAlignProc_OnSetFocus);
        HANDLE_MSG(hWnd, WM_KILLFOCUS, MulBlaAlignProc_OnKillFocus);
        HANDLE_MSG(hWnd, WM_KEYDOWN, MulBlaAlignProc_OnKey);
        HANDLE_MSG(hWnd, WM_KEYUP, MulBlaAlignProc_OnKey);
        HANDLE_MSG(hWnd, WM_CHAR, MulBlaAlignProc_OnChar);
        HANDLE_MSG(hWnd, WM_LBUTTONUP, MulBlaAlignProc_OnLButtonUp);
    case WM_HSCROLL:
        /* Signed: the horizontal range starts at -2. */
        MulBlaAlignProc_OnHScroll(hWnd, (HWND)lParam, LOWORD(wParam), (short)HIWORD(wParam));
        return 0;
    case WM_VSCROLL:
        MulBlaAlignProc_OnVScroll(hWnd, (HWND)lParam, LOWORD(wParam), (short)HIWORD(wParam));
        return 0;
    default:
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}

/* ---- Other panes ---------------------------------------------------------- */

/* The panes that only paint. */
template <void (*pfnDessine)(HDC, const RECT *)> static LRESULT PanneauProc(HWND hWnd, UINT uMsg,
                                                                            WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC hdc = BeginPaint(hWnd, &ps);

        pfnDessine(hdc, &ps.rcPaint);
        EndPaint(hWnd, &ps);
        return 0;
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

LRESULT CALLBACK MulBlaListProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return PanneauProc<DessineMulBlaList>(hWnd, uMsg, wParam, lParam);
}

LRESULT CALLBACK MulBlaScaleProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return PanneauProc<DessineMulBlaScale>(hWnd, uMsg, wParam, lParam);
}

LRESULT CALLBACK MulBlaConsProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return PanneauProc<DessineConsensus>(hWnd, uMsg, wParam, lParam);
}

/* ---- Font size dialog ------------------------------------------------------ */

#define POLICE_ECHEC 3   /* the dialog's result when the new font failed */

static int PixelsParPouce(void)
{
    HDC hdc = GetDC(hWndMain);
    int n = GetDeviceCaps(hdc, LOGPIXELSX);

    ReleaseDC(hWndMain, hdc);
    return n > 0 ? n : 96;
}

static BOOL TaillePoliceDlg_OnInitDialog(HWND hDlg, HWND hWndFocus, LPARAM lParam)
{
    /* The height was made from the size with a truncating division:
       rounding up gives that size back (rounding to nearest would give
       20 points back as 19 at 96 pixels per inch). */
    int nPouce = PixelsParPouce();
    int nTaille = (int)((LFEDITORFNT.lfHeight * 72 + nPouce - 1) / nPouce);
    HWND hTrack = GetDlgItem(hDlg, IDC_FONT_TRACK);

    (void)hWndFocus;
    (void)lParam;
    CenterWnd(hDlg);
    SendMessageA(hTrack, TBM_SETRANGE, TRUE, MAKELONG(4, 20));
    SendMessageA(hTrack, TBM_SETPAGESIZE, 0, 4);
    SendMessageA(hTrack, TBM_SETTICFREQ, 2, 0);
    SendMessageA(hTrack, TBM_SETPOS, TRUE, nTaille);
    SetDlgItemInt(hDlg, IDC_FONT_SIZE, (UINT)nTaille, FALSE);
    return TRUE;
}

static void TaillePoliceDlg_OnHScroll(HWND hDlg, HWND hWndCtl, UINT uCode, int nPos)
{
    (void)hWndCtl;
    (void)uCode;
    (void)nPos;
    SetDlgItemInt(hDlg, IDC_FONT_SIZE,
                  (UINT)SendDlgItemMessageA(hDlg, IDC_FONT_TRACK, TBM_GETPOS, 0, 0), FALSE);
}

static void TaillePoliceDlg_OnOk(HWND hDlg)
{
    int nPos = (int)SendDlgItemMessageA(hDlg, IDC_FONT_TRACK, TBM_GETPOS, 0, 0);
    HFONT hFont;

    LFEDITORFNT.lfHeight = nPos * PixelsParPouce() / 72;
    hFont = CreateFontIndirectA(&LFEDITORFNT);
    if (hFont == NULL) {
        MyInfoMsgBox(IDS_VAZEVA, IDS_ED_NOGDI, hWndMain);
        EndDialog(hDlg, POLICE_ECHEC);
        return;
    }
    DeleteObject(HFNTEDITOR);
    HFNTEDITOR = hFont;
    EndDialog(hDlg, IDOK);
}

static void TaillePoliceDlg_OnCommand(HWND hDlg, int id, HWND hWndCtl, UINT codeNotify)
{
    (void)hWndCtl;
    (void)codeNotify;
    if (id == IDOK)
        TaillePoliceDlg_OnOk(hDlg);
    else if (id == IDCANCEL)
        EndDialog(hDlg, IDCANCEL);
}

static INT_PTR CALLBACK TaillePoliceDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_INITDIALOG:
        return TaillePoliceDlg_OnInitDialog(hDlg, (HWND)wParam, lParam);
    case WM_HSCROLL:
        TaillePoliceDlg_OnHScroll(hDlg, (HWND)lParam, LOWORD(wParam), (short)HIWORD(wParam));
        return TRUE;
    case WM_COMMAND:
        TaillePoliceDlg_OnCommand(hDlg, LOWORD(wParam), (HWND)lParam, HIWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}

void TaillePoliceDlg(HWND hWndOwner)
{
    INT_PTR nResult = DialogBoxParamA(hInst, MAKEINTRESOURCEA(IDD_FONTSIZE), hWndOwner,
                                      TaillePoliceDlgProc, 0);

    if (nResult == POLICE_ECHEC) {
        /* No font to draw with: the editor closes. */
        DestroyWindow(hWndMulBla);
        return;
    }
    if (nResult != IDOK || hWndMulBla == NULL)
        return;
    ReajusteVHScroll();
    PlaceFenetresMulBla(hWndMulBla);
    RedrawWindow(hWndMulBla, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}
