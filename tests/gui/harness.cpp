/* harness.cpp: answering modal boxes, pumping messages and decoding
   metafiles for the GUI tests. */
#include <windows.h>
#include <commctrl.h>

#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <map>

#include "harness.h"

static BoxAnswerer *g_pAnswerer = NULL;

BoxAction Press(int id)
{
    return [id](HWND hBox) {
        PostMessageA(hBox, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(hBox, id));
    };
}

BoxAction TypeAndPress(int idEdit, std::string szText, int id)
{
    return [idEdit, szText, id](HWND hBox) {
        SetDlgItemTextA(hBox, idEdit, szText.c_str());
        Press(id)(hBox);
    };
}

BoxAnswerer::BoxAnswerer(std::initializer_list<int> answers) : BoxAnswerer(std::vector<BoxAction>())
{
    for (int id : answers)
        m_actions.push_back(Press(id));
}

BoxAnswerer::BoxAnswerer(std::vector<BoxAction> actions) : m_actions(std::move(actions))
{
    g_pAnswerer = this;
    m_idTimer = SetTimer(NULL, 0, 30, OnTimer);
}

BoxAnswerer::~BoxAnswerer()
{
    KillTimer(NULL, m_idTimer);
    g_pAnswerer = NULL;
}

std::vector<std::string> BoxAnswerer::Texts() const
{
    std::vector<std::string> v;
    for (const BoxSeen &b : m_seen)
        v.push_back(b.szCaption + "|" + b.szText);
    return v;
}

void CALLBACK BoxAnswerer::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_pAnswerer != NULL)
        g_pAnswerer->Poll();
}

/* The first visible, enabled dialog-class window not answered yet. */
static BOOL CALLBACK FindBox(HWND hWnd, LPARAM lParam)
{
    std::pair<const std::vector<HWND> *, HWND> *p = (std::pair<const std::vector<HWND> *, HWND> *)lParam;
    char szClass[32];

    GetClassNameA(hWnd, szClass, sizeof szClass);
    if (!IsWindowVisible(hWnd) || !IsWindowEnabled(hWnd) || strcmp(szClass, "#32770") != 0
        || std::find(p->first->begin(), p->first->end(), hWnd) != p->first->end())
        return TRUE;
    p->second = hWnd;
    return FALSE;
}

/* The icon of a box: the first static child showing one. */
static BOOL CALLBACK FindIcon(HWND hWnd, LPARAM lParam)
{
    char szClass[32];

    GetClassNameA(hWnd, szClass, sizeof szClass);
    if (_stricmp(szClass, "Static") == 0 && (GetWindowLongA(hWnd, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        *(HICON *)lParam = (HICON)SendMessageA(hWnd, STM_GETICON, 0, 0);
        return FALSE;
    }
    return TRUE;
}

void BoxAnswerer::Poll()
{
    std::pair<const std::vector<HWND> *, HWND> found(&m_answered, NULL);
    BoxSeen seen;
    BoxAction action = Press(IDCANCEL);

    EnumThreadWindows(GetCurrentThreadId(), FindBox, (LPARAM)&found);
    if (found.second == NULL)
        return;
    HWND h = seen.hWnd = found.second;
    seen.hOwner = GetWindow(h, GW_OWNER);
    seen.szCaption = WindowText(h);
    seen.szText = WindowText(GetDlgItem(h, 0xFFFF));
    seen.bOk = GetDlgItem(h, IDOK) != NULL;
    seen.bYes = GetDlgItem(h, IDYES) != NULL;
    EnumChildWindows(h, FindIcon, (LPARAM)&seen.hIcon);
    m_answered.push_back(h);
    if (m_seen.size() < m_actions.size())
        action = m_actions[m_seen.size()];
    else
        m_nUnexpected++;
    m_seen.push_back(seen);
    action(h);
}

void Click(HWND hDlg, int id)
{
    SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(hDlg, id));
}

static void TreeLevel(HWND hTree, HTREEITEM h, int nLevel, std::string *ps)
{
    for (; h != NULL; h = TreeView_GetNextSibling(hTree, h)) {
        char sz[1024] = "";
        TVITEMA it = {};
        it.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        it.hItem = h, it.pszText = sz, it.cchTextMax = sizeof sz;
        SendMessageA(hTree, TVM_GETITEMA, 0, (LPARAM)&it);
        *ps += std::string(2 * nLevel, ' ') + sz + " [" + std::to_string(it.iImage);
        if (it.iSelectedImage != it.iImage)
            *ps += " sel " + std::to_string(it.iSelectedImage);
        *ps += "]\n";
        TreeLevel(hTree, TreeView_GetChild(hTree, h), nLevel + 1, ps);
    }
}

std::string TreeText(HWND hTree)
{
    std::string s;
    TreeLevel(hTree, TreeView_GetRoot(hTree), 0, &s);
    return s;
}

void PumpMessages(DWORD nMs)
{
    DWORD dwEnd = GetTickCount() + nMs;
    MSG msg;

    do {
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    } while ((LONG)(dwEnd - GetTickCount()) > 0);
}

std::string WindowText(HWND hWnd)
{
    char sz[1024] = "";

    if (hWnd != NULL)
        GetWindowTextA(hWnd, sz, sizeof sz);
    return sz;
}

std::string TempPath(const std::string &szName)
{
    char szDir[MAX_PATH];
    GetTempPathA(sizeof szDir, szDir);
    return szDir + szName;
}

std::string WriteTemp(const std::string &szName, const std::string &szText)
{
    std::string szPath = TempPath(szName);
    FILE *f = fopen(szPath.c_str(), "wb");
    if (f != NULL) {
        fwrite(szText.data(), 1, szText.size(), f);
        fclose(f);
    }
    return szPath;
}

/* ---- Metafile records --------------------------------------------------- */

namespace {

/* A pen, brush or font of the metafile's object table, or a stock one. */
struct Objet {
    enum Sorte { PEN, BRUSH, FONT } sorte;
    bool         bNull;
    COLORREF     cr;
    std::wstring szFace;
};

/* Stock objects: brushes 0 to 5 (white, light grey, grey, dark grey,
   black, null), pens 6 to 8 (white, black, null), fonts from 10. */
Objet Stock(DWORD id)
{
    static const COLORREF cr[] = { 0xFFFFFF, 0xC0C0C0, 0x808080, 0x404040, 0, 0, 0xFFFFFF, 0, 0 };
    return Objet{ id <= NULL_BRUSH ? Objet::BRUSH : id <= NULL_PEN ? Objet::PEN : Objet::FONT,
                  id == NULL_BRUSH || id == NULL_PEN, id <= NULL_PEN ? cr[id] : 0, L"" };
}

struct Etat {
    EmfDrawing d;
    std::map<DWORD, Objet> table;
    Objet    pen = Stock(BLACK_PEN), brush = Stock(WHITE_BRUSH), font = Stock(SYSTEM_FONT);
    COLORREF crText = 0, crBk = 0xFFFFFF;
    UINT     nAlign = 0;
    int      nBkMode = OPAQUE;
    POINT    ptCur = { 0, 0 };
    void Cree(DWORD ih, Objet::Sorte sorte, bool bNull, COLORREF cr)
    {
        table[ih] = Objet{ sorte, bNull, cr, L"" };
        d.nCreated++;
    }
};

int CALLBACK Enumere(HDC, HANDLETABLE *, const ENHMETARECORD *pRec, int, LPARAM lParam)
{
    Etat *p = (Etat *)lParam;

    switch (pRec->iType) {
    case EMR_CREATEPEN: {
        const EMRCREATEPEN *r = (const EMRCREATEPEN *)pRec;
        p->Cree(r->ihPen, Objet::PEN, r->lopn.lopnStyle == PS_NULL, r->lopn.lopnColor);
        break;
    }
    case EMR_EXTCREATEPEN: {
        const EMREXTCREATEPEN *r = (const EMREXTCREATEPEN *)pRec;
        p->Cree(r->ihPen, Objet::PEN, (r->elp.elpPenStyle & PS_STYLE_MASK) == PS_NULL, r->elp.elpColor);
        break;
    }
    case EMR_CREATEBRUSHINDIRECT: {
        const EMRCREATEBRUSHINDIRECT *r = (const EMRCREATEBRUSHINDIRECT *)pRec;
        p->Cree(r->ihBrush, Objet::BRUSH, r->lb.lbStyle == BS_NULL, r->lb.lbColor);
        break;
    }
    case EMR_EXTCREATEFONTINDIRECTW: {
        const LOGFONTW &lf = ((const EMREXTCREATEFONTINDIRECTW *)pRec)->elfw.elfLogFont;
        p->table[((const EMREXTCREATEFONTINDIRECTW *)pRec)->ihFont] = Objet{ Objet::FONT, false, 0, lf.lfFaceName };
        break;
    }
    case EMR_SELECTOBJECT: {
        DWORD ih = ((const EMRSELECTOBJECT *)pRec)->ihObject;
        if (!(ih & 0x80000000u) && !p->table.count(ih))
            break;
        Objet o = ih & 0x80000000u ? Stock(ih & 0x7FFFFFFFu) : p->table[ih];
        (o.sorte == Objet::PEN ? p->pen : o.sorte == Objet::BRUSH ? p->brush : p->font) = o;
        break;
    }
    case EMR_DELETEOBJECT: {
        DWORD ih = ((const EMRDELETEOBJECT *)pRec)->ihObject;
        if (p->table.count(ih) && p->table[ih].sorte != Objet::FONT)
            p->d.nDeleted++;
        p->table.erase(ih);
        break;
    }
    case EMR_SETTEXTCOLOR: p->crText = ((const EMRSETTEXTCOLOR *)pRec)->crColor; break;
    case EMR_SETBKCOLOR: p->crBk = ((const EMRSETBKCOLOR *)pRec)->crColor; break;
    case EMR_SETTEXTALIGN: p->nAlign = ((const EMRSETTEXTALIGN *)pRec)->iMode; break;
    case EMR_SETBKMODE: p->nBkMode = (int)((const EMRSETBKMODE *)pRec)->iMode; break;
    case EMR_EXTTEXTOUTW: {
        const EMREXTTEXTOUTW *r = (const EMREXTTEXTOUTW *)pRec;
        const WCHAR *pch = (const WCHAR *)((const BYTE *)pRec + r->emrtext.offString);
        POINT pt = { r->emrtext.ptlReference.x, r->emrtext.ptlReference.y };
        p->d.texts.push_back({ std::wstring(pch, r->emrtext.nChars), pt, p->crText, p->crBk, p->nAlign,
                               p->nBkMode, p->font.szFace });
        break;
    }
    case EMR_POLYGON16: {
        const EMRPOLYGON16 *r = (const EMRPOLYGON16 *)pRec;
        EmfPolygon g = { {}, p->brush.cr, p->brush.bNull, p->pen.bNull };
        for (DWORD i = 0; i < r->cpts; i++)
            g.pts.push_back({ r->apts[i].x, r->apts[i].y });
        p->d.polygons.push_back(g);
        break;
    }
    case EMR_MOVETOEX:
        p->ptCur = { ((const EMRMOVETOEX *)pRec)->ptl.x, ((const EMRMOVETOEX *)pRec)->ptl.y };
        break;
    case EMR_LINETO: {
        POINT b = { ((const EMRLINETO *)pRec)->ptl.x, ((const EMRLINETO *)pRec)->ptl.y };
        p->d.segments.push_back({ p->ptCur, b, p->pen.cr, p->pen.bNull });
        p->ptCur = b;
        break;
    }
    case EMR_RECTANGLE: {   /* the box holds the last pixels inside */
        const RECTL &r = ((const EMRRECTANGLE *)pRec)->rclBox;
        p->d.rectangles.push_back({ { r.left, r.top, r.right + 1, r.bottom + 1 }, p->brush.cr, p->brush.bNull });
        break;
    }
    case EMR_BITBLT: {
        /* Without a source bitmap it is a PatBlt; a negative extent
           paints towards the origin. */
        const EMRBITBLT *r = (const EMRBITBLT *)pRec;
        LONG x = r->xDest, y = r->yDest, cx = r->cxDest, cy = r->cyDest;
        if (cx < 0)
            x += cx, cx = -cx;
        if (cy < 0)
            y += cy, cy = -cy;
        EmfFill f = { { x, y, x + cx, y + cy }, p->brush.cr, p->brush.bNull };
        if (r->cbBmiSrc != 0)
            p->d.blits.push_back(f.rc);
        else
            p->d.fills.push_back(f);
        break;
    }
    default:
        break;
    }
    return 1;
}

} // namespace

EmfDrawing DecodeEmf(HENHMETAFILE hEmf)
{
    Etat e;
    EnumEnhMetaFile(NULL, hEmf, Enumere, &e, NULL);
    return e.d;
}

const EmfText *EmfDrawing::TextAt(const std::wstring &sz, long x, long y) const
{
    for (const EmfText &t : texts)
        if (t.szText == sz && t.pt.x == x && t.pt.y == y)
            return &t;
    return NULL;
}

int EmfDrawing::FillsOn(const RECT &rc) const
{
    return (int)std::count_if(fills.begin(), fills.end(), [&](const EmfFill &f) { return EqualRect(&f.rc, &rc); });
}

bool EmfDrawing::HasFill(const RECT &rc, COLORREF cr) const
{
    for (const EmfFill &f : fills)
        if (EqualRect(&f.rc, &rc) && !f.bNullBrush && f.cr == cr)
            return true;
    return false;
}

/* FrameRect paints the left and right columns over the full height, and
   the top and bottom rows between them or over the full width. */
bool EmfDrawing::HasFrame(const RECT &rc, COLORREF cr) const
{
    RECT l = { rc.left, rc.top, rc.left + 1, rc.bottom }, r = { rc.right - 1, rc.top, rc.right, rc.bottom };
    RECT t = { rc.left, rc.top, rc.right, rc.top + 1 }, b = { rc.left, rc.bottom - 1, rc.right, rc.bottom };
    RECT tIn = { rc.left + 1, rc.top, rc.right - 1, rc.top + 1 };
    RECT bIn = { rc.left + 1, rc.bottom - 1, rc.right - 1, rc.bottom };
    return HasFill(l, cr) && HasFill(r, cr) && (HasFill(t, cr) || HasFill(tIn, cr))
           && (HasFill(b, cr) || HasFill(bIn, cr));
}

bool EmfDrawing::HasSegment(POINT a, POINT b, COLORREF cr) const
{
    for (const EmfSegment &s : segments) {
        bool bMeme = (s.a.x == a.x && s.a.y == a.y && s.b.x == b.x && s.b.y == b.y)
                     || (s.a.x == b.x && s.a.y == b.y && s.b.x == a.x && s.b.y == a.y);
        if (bMeme && !s.bNullPen && s.cr == cr)
            return true;
    }
    return false;
}
