/* harness.cpp: answering modal boxes, pumping messages and decoding
   metafiles for the GUI tests. */
#include <windows.h>
#include <commctrl.h>
#include <algorithm>
#include <fstream>
#include <map>
#include "harness.h"

static BoxAnswerer *g_pAnswerer = NULL;

BoxAction Press(int id)
{
    return [id](HWND h) { PostMessageA(h, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(h, id)); };
}

BoxAction TypeAndPress(int idEdit, std::string szText, int id)
{
    return [idEdit, szText, id](HWND h) { SetDlgItemTextA(h, idEdit, szText.c_str()), Press(id)(h); };
}

BoxAnswerer::BoxAnswerer(std::initializer_list<int> answers) : BoxAnswerer(std::vector<BoxAction>())
{
    for (int id : answers)
        m_actions.push_back(Press(id));
}

BoxAnswerer::BoxAnswerer(std::vector<BoxAction> actions) : m_actions(std::move(actions))
{
    g_pAnswerer = this;
    m_idTimer = SetTimer(NULL, 0, 30, [](HWND, UINT, UINT_PTR, DWORD) { g_pAnswerer->Poll(); });
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

/* Answers the first visible, enabled dialog of this thread not yet answered. */
void BoxAnswerer::Poll()
{
    HWND h = NULL;
    while ((h = FindWindowExA(NULL, h, "#32770", NULL)) != NULL)
        if (GetWindowThreadProcessId(h, NULL) == GetCurrentThreadId() && IsWindowVisible(h) && IsWindowEnabled(h)
            && std::none_of(m_seen.begin(), m_seen.end(), [h](const BoxSeen &b) { return b.hWnd == h; }))
            break;
    if (h == NULL)
        return;
    BoxAction action = m_seen.size() < m_actions.size() ? m_actions[m_seen.size()] : Press(IDCANCEL);
    m_seen.push_back({ h, GetWindow(h, GW_OWNER), WindowText(h), WindowText(GetDlgItem(h, 0xFFFF)),
                       GetDlgItem(h, IDOK) != NULL, GetDlgItem(h, IDYES) != NULL });
    action(h);
}

void Click(HWND hDlg, int id)
{
    SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(hDlg, id));
}

static std::string TreeLevel(HWND hTree, HTREEITEM h, int nLevel)
{
    std::string s;
    for (; h != NULL; h = TreeView_GetNextSibling(hTree, h)) {
        char sz[1024] = "";
        TVITEMA it = { TVIF_HANDLE | TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE, h, 0, 0, sz, sizeof sz, 0, 0, 0, 0 };
        SendMessageA(hTree, TVM_GETITEMA, 0, (LPARAM)&it);
        s += std::string(2 * nLevel, ' ') + sz + " [" + std::to_string(it.iImage)
             + (it.iSelectedImage != it.iImage ? " sel " + std::to_string(it.iSelectedImage) : "") + "]\n"
             + TreeLevel(hTree, TreeView_GetChild(hTree, h), nLevel + 1);
    }
    return s;
}

std::string TreeText(HWND hTree)
{
    return TreeLevel(hTree, TreeView_GetRoot(hTree), 0);
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
    return hWnd != NULL ? std::string(sz, GetWindowTextA(hWnd, sz, sizeof sz)) : "";
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
    std::ofstream(szPath, std::ios::binary) << szText;
    return szPath;
}

/* ---- Metafile records --------------------------------------------------- */

namespace {

/* A pen, brush or font of the metafile's object table, or a stock one. */
struct Objet { enum Sorte { PEN, BRUSH, FONT } sorte; bool bNull; COLORREF cr; std::wstring szFace; };

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
    Objet pen = Stock(BLACK_PEN), brush = Stock(WHITE_BRUSH), font = Stock(SYSTEM_FONT);
    COLORREF crText = 0, crBk = 0xFFFFFF;
    UINT nAlign = 0;
    int nBkMode = OPAQUE;
    POINT ptCur = { 0, 0 };
    void Cree(DWORD ih, Objet::Sorte sorte, bool bNull, COLORREF cr, const wchar_t *szFace = L"")
    {
        table[ih] = Objet{ sorte, bNull, cr, szFace };
        d.nCreated += sorte != Objet::FONT;
    }
};

int CALLBACK Enumere(HDC, HANDLETABLE *, const ENHMETARECORD *pRec, int, LPARAM lParam)
{
#define R(T) (*(const T *)pRec)
    Etat *p = (Etat *)lParam;
    switch (pRec->iType) {
    case EMR_CREATEPEN:
        p->Cree(R(EMRCREATEPEN).ihPen, Objet::PEN, R(EMRCREATEPEN).lopn.lopnStyle == PS_NULL, R(EMRCREATEPEN).lopn.lopnColor);
        break;
    case EMR_CREATEBRUSHINDIRECT:
        p->Cree(R(EMRCREATEBRUSHINDIRECT).ihBrush, Objet::BRUSH, R(EMRCREATEBRUSHINDIRECT).lb.lbStyle == BS_NULL,
                R(EMRCREATEBRUSHINDIRECT).lb.lbColor);
        break;
    case EMR_EXTCREATEFONTINDIRECTW:
        p->Cree(R(EMREXTCREATEFONTINDIRECTW).ihFont, Objet::FONT, false, 0,
                R(EMREXTCREATEFONTINDIRECTW).elfw.elfLogFont.lfFaceName);
        break;
    case EMR_SELECTOBJECT: {
        DWORD ih = R(EMRSELECTOBJECT).ihObject;
        if (!(ih & 0x80000000u) && !p->table.count(ih))
            break;
        Objet o = ih & 0x80000000u ? Stock(ih & 0x7FFFFFFFu) : p->table[ih];
        (o.sorte == Objet::PEN ? p->pen : o.sorte == Objet::BRUSH ? p->brush : p->font) = o;
        break;
    }
    case EMR_DELETEOBJECT: {
        DWORD ih = R(EMRDELETEOBJECT).ihObject;
        p->d.nDeleted += p->table.count(ih) && p->table[ih].sorte != Objet::FONT;
        p->table.erase(ih);
        break;
    }
    case EMR_SETTEXTCOLOR: p->crText = R(EMRSETTEXTCOLOR).crColor; break;
    case EMR_SETBKCOLOR: p->crBk = R(EMRSETBKCOLOR).crColor; break;
    case EMR_SETTEXTALIGN: p->nAlign = R(EMRSETTEXTALIGN).iMode; break;
    case EMR_SETBKMODE: p->nBkMode = (int)R(EMRSETBKMODE).iMode; break;
    case EMR_MOVETOEX: p->ptCur = { R(EMRMOVETOEX).ptl.x, R(EMRMOVETOEX).ptl.y }; break;
    case EMR_EXTTEXTOUTW: {
        const EMRTEXT &t = R(EMREXTTEXTOUTW).emrtext;
        const WCHAR *pch = (const WCHAR *)((const BYTE *)pRec + t.offString);
        p->d.texts.push_back({ std::wstring(pch, t.nChars), { t.ptlReference.x, t.ptlReference.y }, p->crText,
                               p->crBk, p->nAlign, p->nBkMode, p->font.szFace });
        break;
    }
    case EMR_POLYGON16: {
        EmfPolygon g = { {}, p->brush.cr, p->brush.bNull, p->pen.bNull };
        for (DWORD i = 0; i < R(EMRPOLYGON16).cpts; i++)
            g.pts.push_back({ R(EMRPOLYGON16).apts[i].x, R(EMRPOLYGON16).apts[i].y });
        p->d.polygons.push_back(g);
        break;
    }
    case EMR_LINETO: {
        POINT b = { R(EMRLINETO).ptl.x, R(EMRLINETO).ptl.y };
        p->d.segments.push_back({ p->ptCur, b, p->pen.cr, p->pen.bNull });
        p->ptCur = b;
        break;
    }
    case EMR_RECTANGLE: {   /* the box holds the last pixels inside */
        const RECTL &r = R(EMRRECTANGLE).rclBox;
        p->d.rectangles.push_back({ { r.left, r.top, r.right + 1, r.bottom + 1 }, p->brush.cr, p->brush.bNull });
        break;
    }
    case EMR_BITBLT: {
        /* Without a source bitmap it is a PatBlt; a negative extent
           paints towards the origin. */
        const EMRBITBLT &r = R(EMRBITBLT);
        LONG x = std::min(r.xDest, r.xDest + r.cxDest), y = std::min(r.yDest, r.yDest + r.cyDest);
        if (r.cbBmiSrc == 0)
            p->d.fills.push_back({ { x, y, x + abs(r.cxDest), y + abs(r.cyDest) }, p->brush.cr, p->brush.bNull });
        break;
    }
    }
    return 1;
#undef R
}

} // namespace

EmfDrawing Record(const std::function<void(HDC)> &pfnDraw)
{
    HDC hdcRef = GetDC(NULL), hdcEmf = CreateEnhMetaFileA(hdcRef, NULL, NULL, NULL);
    pfnDraw(hdcEmf);
    HENHMETAFILE hEmf = CloseEnhMetaFile(hdcEmf);
    ReleaseDC(NULL, hdcRef);
    Etat e;
    EnumEnhMetaFile(NULL, hEmf, Enumere, &e, NULL);
    DeleteEnhMetaFile(hEmf);
    return e.d;
}

const EmfText *EmfDrawing::TextAt(const std::wstring &sz, long x, long y) const
{
    auto it = std::find_if(texts.begin(), texts.end(), [&](const EmfText &t) { return t.szText == sz && t.pt.x == x && t.pt.y == y; });
    return it == texts.end() ? NULL : &*it;
}

int EmfDrawing::FillsOn(const RECT &rc) const
{
    return (int)std::count_if(fills.begin(), fills.end(), [&](const EmfFill &f) { return EqualRect(&f.rc, &rc); });
}

bool EmfDrawing::HasFill(const RECT &rc, COLORREF cr) const
{
    return std::any_of(fills.begin(), fills.end(),
                       [&](const EmfFill &f) { return EqualRect(&f.rc, &rc) && !f.bNullBrush && f.cr == cr; });
}

/* FrameRect paints the left and right columns over the full height, and
   the top and bottom rows between them or over the full width. */
bool EmfDrawing::HasFrame(const RECT &rc, COLORREF cr) const
{
    auto has = [&](LONG l, LONG t, LONG r, LONG b) { RECT x = { l, t, r, b }; return HasFill(x, cr); };
    auto row = [&](LONG t) { return has(rc.left, t, rc.right, t + 1) || has(rc.left + 1, t, rc.right - 1, t + 1); };
    return has(rc.left, rc.top, rc.left + 1, rc.bottom) && has(rc.right - 1, rc.top, rc.right, rc.bottom)
           && row(rc.top) && row(rc.bottom - 1);
}

bool EmfDrawing::HasSegment(POINT a, POINT b, COLORREF cr) const
{
    auto same = [](POINT p, POINT q) { return p.x == q.x && p.y == q.y; };
    return std::any_of(segments.begin(), segments.end(), [&](const EmfSegment &s) {
        return ((same(s.a, a) && same(s.b, b)) || (same(s.a, b) && same(s.b, a))) && !s.bNullPen && s.cr == cr;
    });
}
