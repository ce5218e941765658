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
    bool     bNullBrush, bNullPen;
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
    enum Sorte { PEN, BRUSH, FONT } sorte = FONT;
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

/* The stock objects a plot selects: the DC starts with a white brush and a
   black pen; CreatePen(PS_NULL) gives the null pen. */
inline Objet Stock(DWORD id)
{
    Objet o;
    o.sorte = id == WHITE_BRUSH                    ? Objet::BRUSH
              : id == BLACK_PEN || id == NULL_PEN ? Objet::PEN
                                                  : Objet::FONT;
    o.cr = id == WHITE_BRUSH ? RGB(255, 255, 255) : 0;
    o.bNull = id == NULL_PEN;
    o.szFace = o.sorte == Objet::FONT ? L"(stock)" : L"";
    return o;
}

inline void Cree(Etat *p, DWORD ih, Objet::Sorte sorte, bool bNull, COLORREF cr)
{
    Objet o;
    o.sorte = sorte;
    o.bNull = bNull;
    o.cr = cr;
    p->table[ih] = o;
    (sorte == Objet::PEN ? p->d.nPensCrees : p->d.nBrossesCrees)++;
}

inline int CALLBACK Enumere(HDC, HANDLETABLE *, const ENHMETARECORD *pRec, int, LPARAM lParam)
{
    Etat *p = (Etat *)lParam;

    switch (pRec->iType) {
    case EMR_CREATEPEN: {
        const EMRCREATEPEN *r = (const EMRCREATEPEN *)pRec;
        Cree(p, r->ihPen, Objet::PEN, r->lopn.lopnStyle == PS_NULL, r->lopn.lopnColor);
        break;
    }
    case EMR_EXTCREATEPEN: {
        const EMREXTCREATEPEN *r = (const EMREXTCREATEPEN *)pRec;
        Cree(p, r->ihPen, Objet::PEN, (r->elp.elpPenStyle & PS_STYLE_MASK) == PS_NULL, r->elp.elpColor);
        break;
    }
    case EMR_CREATEBRUSHINDIRECT: {
        const EMRCREATEBRUSHINDIRECT *r = (const EMRCREATEBRUSHINDIRECT *)pRec;
        Cree(p, r->ihBrush, Objet::BRUSH, r->lb.lbStyle == BS_NULL, r->lb.lbColor);
        break;
    }
    case EMR_EXTCREATEFONTINDIRECTW: {
        const EMREXTCREATEFONTINDIRECTW *r = (const EMREXTCREATEFONTINDIRECTW *)pRec;
        Objet &o = p->table[r->ihFont];
        o = Objet();
        o.szFace = r->elfw.elfLogFont.lfFaceName;
        o.nCharSet = r->elfw.elfLogFont.lfCharSet;
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
        POINT pt = { r->emrtext.ptlReference.x, r->emrtext.ptlReference.y };
        p->d.textes.push_back({ std::wstring(pch, r->emrtext.nChars), pt, p->font.szFace,
                                p->font.nCharSet, p->crTexte, p->nAlign });
        break;
    }
    case EMR_POLYGON16: {
        const EMRPOLYGON16 *r = (const EMRPOLYGON16 *)pRec;
        HcaPolygone g = { {}, p->brush.cr, p->brush.bNull, p->pen.bNull };
        for (DWORD i = 0; i < r->cpts; i++)
            g.pts.push_back({ r->apts[i].x, r->apts[i].y });
        p->d.polygones.push_back(g);
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
    hcaemf_detail::Etat e;
    e.pen = hcaemf_detail::Stock(BLACK_PEN);
    e.brush = hcaemf_detail::Stock(WHITE_BRUSH);
    EnumEnhMetaFile(NULL, hEmf, hcaemf_detail::Enumere, &e, NULL);
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
