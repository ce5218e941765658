/* hcaemf.h: what an HCA plot drew into an enhanced metafile: texts with
   their font, colour and alignment, filled polygons with their brush,
   line segments with their pen, and the pens and brushes created and
   deleted. Header only, for the HCA drawing and viewer tests. */
#ifndef HALYARD_TEST_HCAEMF_H
#define HALYARD_TEST_HCAEMF_H

#include <windows.h>

#include <map>
#include <string>
#include <vector>

struct HcaTexte {
    std::wstring szText;
    POINT        pt;          /* reference point                         */
    std::wstring szFace;      /* face name of the font in effect         */
    BYTE         nCharSet;
    COLORREF     cr;          /* text colour in effect                   */
    UINT         nAlign;      /* text alignment in effect                */
};

struct HcaPolygone {
    std::vector<POINT> pts;
    COLORREF cr;              /* brush colour                            */
    bool     bNullBrush;
    bool     bNullPen;
};

struct HcaSegment {
    POINT    a, b;
    COLORREF cr;
    bool     bNullPen;
};

struct HcaDessin {
    std::vector<HcaTexte>    textes;
    std::vector<HcaPolygone> polygones;
    std::vector<HcaSegment>  segments;
    int nPensCrees = 0, nBrossesCrees = 0;
    int nObjetsDetruits = 0;                /* pens and brushes deleted  */
};

namespace hcaemf_detail {

struct Objet {
    enum Sorte { PEN, BRUSH, FONT, AUTRE } sorte = AUTRE;
    bool         bNull = false;
    COLORREF     cr = 0;
    std::wstring szFace;
    BYTE         nCharSet = 0;
};

struct Etat {
    HcaDessin d;
    std::map<DWORD, Objet> table;
    Objet    pen, brush, font;
    COLORREF crTexte = 0;
    UINT     nAlign = 0;
    POINT    ptCur = { 0, 0 };
};

inline Objet Stock(DWORD id)
{
    Objet o;

    /* the DC starts with these; CreatePen(PS_NULL) gives the stock null pen */
    switch (id) {
    case WHITE_BRUSH: o.sorte = Objet::BRUSH; o.cr = RGB(255, 255, 255); break;
    case BLACK_PEN:   o.sorte = Objet::PEN; o.cr = 0; break;
    case NULL_PEN:    o.sorte = Objet::PEN; o.bNull = true; break;
    default:          o.sorte = Objet::FONT; o.szFace = L"(stock)"; break;
    }
    return o;
}

template <typename P> inline void AjoutePolygone(Etat *p, const P *pts, DWORD n)
{
    HcaPolygone g;

    for (DWORD i = 0; i < n; i++) {
        POINT pt = { (LONG)pts[i].x, (LONG)pts[i].y };
        g.pts.push_back(pt);
    }
    g.cr = p->brush.cr;
    g.bNullBrush = p->brush.bNull;
    g.bNullPen = p->pen.bNull;
    p->d.polygones.push_back(g);
}

inline void AjouteTexte(Etat *p, const std::wstring &sz, POINTL ptl)
{
    HcaTexte t;

    t.szText = sz;
    t.pt.x = ptl.x;
    t.pt.y = ptl.y;
    t.szFace = p->font.szFace;
    t.nCharSet = p->font.nCharSet;
    t.cr = p->crTexte;
    t.nAlign = p->nAlign;
    p->d.textes.push_back(t);
}

inline int CALLBACK Enumere(HDC, HANDLETABLE *, const ENHMETARECORD *pRec, int, LPARAM lParam)
{
    Etat *p = (Etat *)lParam;

    switch (pRec->iType) {
    case EMR_CREATEPEN: {
        const EMRCREATEPEN *r = (const EMRCREATEPEN *)pRec;
        Objet o;
        o.sorte = Objet::PEN;
        o.bNull = r->lopn.lopnStyle == PS_NULL;
        o.cr = r->lopn.lopnColor;
        p->table[r->ihPen] = o;
        p->d.nPensCrees++;
        break;
    }
    case EMR_EXTCREATEPEN: {
        const EMREXTCREATEPEN *r = (const EMREXTCREATEPEN *)pRec;
        Objet o;
        o.sorte = Objet::PEN;
        o.bNull = (r->elp.elpPenStyle & PS_STYLE_MASK) == PS_NULL;
        o.cr = r->elp.elpColor;
        p->table[r->ihPen] = o;
        p->d.nPensCrees++;
        break;
    }
    case EMR_CREATEBRUSHINDIRECT: {
        const EMRCREATEBRUSHINDIRECT *r = (const EMRCREATEBRUSHINDIRECT *)pRec;
        Objet o;
        o.sorte = Objet::BRUSH;
        o.bNull = r->lb.lbStyle == BS_NULL;
        o.cr = r->lb.lbColor;
        p->table[r->ihBrush] = o;
        p->d.nBrossesCrees++;
        break;
    }
    case EMR_EXTCREATEFONTINDIRECTW: {
        const EMREXTCREATEFONTINDIRECTW *r = (const EMREXTCREATEFONTINDIRECTW *)pRec;
        Objet o;
        o.sorte = Objet::FONT;
        o.szFace = r->elfw.elfLogFont.lfFaceName;
        o.nCharSet = r->elfw.elfLogFont.lfCharSet;
        p->table[r->ihFont] = o;
        break;
    }
    case EMR_SELECTOBJECT: {
        DWORD ih = ((const EMRSELECTOBJECT *)pRec)->ihObject;
        Objet o;
        if (ih & 0x80000000u)
            o = Stock(ih & 0x7FFFFFFFu);
        else if (p->table.count(ih))
            o = p->table[ih];
        else
            break;
        if (o.sorte == Objet::PEN)
            p->pen = o;
        else if (o.sorte == Objet::BRUSH)
            p->brush = o;
        else
            p->font = o;
        break;
    }
    case EMR_DELETEOBJECT: {
        DWORD ih = ((const EMRDELETEOBJECT *)pRec)->ihObject;
        if (p->table.count(ih) && p->table[ih].sorte != Objet::FONT)
            p->d.nObjetsDetruits++;
        p->table.erase(ih);
        break;
    }
    case EMR_SETTEXTCOLOR:
        p->crTexte = ((const EMRSETTEXTCOLOR *)pRec)->crColor;
        break;
    case EMR_SETTEXTALIGN:
        p->nAlign = ((const EMRSETTEXTALIGN *)pRec)->iMode;
        break;
    case EMR_EXTTEXTOUTW: {
        const EMREXTTEXTOUTW *r = (const EMREXTTEXTOUTW *)pRec;
        const WCHAR *pch = (const WCHAR *)((const BYTE *)pRec + r->emrtext.offString);
        AjouteTexte(p, std::wstring(pch, r->emrtext.nChars), r->emrtext.ptlReference);
        break;
    }
    case EMR_POLYGON16: {
        const EMRPOLYGON16 *r = (const EMRPOLYGON16 *)pRec;
        AjoutePolygone(p, r->apts, r->cpts);
        break;
    }
    case EMR_MOVETOEX: {
        const EMRMOVETOEX *r = (const EMRMOVETOEX *)pRec;
        p->ptCur.x = r->ptl.x;
        p->ptCur.y = r->ptl.y;
        break;
    }
    case EMR_LINETO: {
        const EMRLINETO *r = (const EMRLINETO *)pRec;
        HcaSegment s;
        s.a = p->ptCur;
        s.b.x = r->ptl.x;
        s.b.y = r->ptl.y;
        s.cr = p->pen.cr;
        s.bNullPen = p->pen.bNull;
        p->d.segments.push_back(s);
        p->ptCur = s.b;
        break;
    }
    default:
        break;
    }
    return 1;
}

} // namespace hcaemf_detail

/* Decodes the records of hEmf; the DC starts with a black pen, a white
   brush and black text, as a fresh one does. */
inline HcaDessin HcaDecode(HENHMETAFILE hEmf)
{
    using namespace hcaemf_detail;
    Etat e;

    e.pen = Stock(BLACK_PEN);
    e.brush = Stock(WHITE_BRUSH);
    EnumEnhMetaFile(NULL, hEmf, Enumere, &e, NULL);
    return e.d;
}

/* The segment a-b (either way round) drawn with a visible pen of cr. */
inline bool HcaASegment(const HcaDessin &d, POINT a, POINT b, COLORREF cr)
{
    for (const HcaSegment &s : d.segments) {
        bool bMeme = (s.a.x == a.x && s.a.y == a.y && s.b.x == b.x && s.b.y == b.y)
                     || (s.a.x == b.x && s.a.y == b.y && s.b.x == a.x && s.b.y == a.y);
        if (bMeme && !s.bNullPen && s.cr == cr)
            return true;
    }
    return false;
}

#endif
