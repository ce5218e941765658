/* emfcheck.h: what an enhanced metafile drew besides text: line segments
   with their pen colour, fills and frames with their brush colour, and
   copies of bitmaps. For the GUI tests' drawing checks; header only, so
   that a test program includes it without a library of its own. */
#ifndef HALYARD_TEST_EMFCHECK_H
#define HALYARD_TEST_EMFCHECK_H

#include <windows.h>

#include <stdio.h>

#include <map>
#include <string>
#include <vector>

/* One straight line drawn (LineTo), from a to b. */
struct EmfSegment {
    POINT    a, b;
    COLORREF cr;         /* colour of the pen in effect               */
    bool     bNullPen;   /* the null pen was selected                 */
};

/* One rectangle painted with the current brush: PatBlt (what FillRect
   and FrameRect draw with) or Rectangle. */
struct EmfFill {
    RECT     rc;         /* left, top, right, bottom (exclusive)      */
    COLORREF cr;         /* colour of the brush in effect             */
    bool     bNullBrush;
    DWORD    iType;      /* EMR_BITBLT (pattern only) or EMR_RECTANGLE */
};

/* One copy of a bitmap to the DC (BitBlt from a memory DC and the like). */
struct EmfBlit {
    RECT  rcDest;        /* left, top, right, bottom                  */
    DWORD iType;
};

struct EmfDrawing {
    std::vector<EmfSegment> segments;
    std::vector<EmfFill>    fills;
    std::vector<EmfBlit>    blits;
    std::vector<DWORD>      types;   /* every record, in order (dumps) */
};

namespace emfcheck_detail {

/* A pen or brush of the metafile's object table, or a stock object. */
struct Objet {
    bool     bPen = false;
    bool     bNull = false;
    COLORREF cr = 0;
};

inline Objet StockObjet(DWORD id)
{
    Objet o;

    switch (id) {
    case WHITE_BRUSH:  o.cr = RGB(255, 255, 255); break;
    case LTGRAY_BRUSH: o.cr = RGB(192, 192, 192); break;
    case GRAY_BRUSH:   o.cr = RGB(128, 128, 128); break;
    case DKGRAY_BRUSH: o.cr = RGB(64, 64, 64); break;
    case BLACK_BRUSH:  o.cr = RGB(0, 0, 0); break;
    case NULL_BRUSH:   o.bNull = true; break;
    case WHITE_PEN:    o.bPen = true; o.cr = RGB(255, 255, 255); break;
    case BLACK_PEN:    o.bPen = true; o.cr = RGB(0, 0, 0); break;
    case NULL_PEN:     o.bPen = true; o.bNull = true; break;
    default:           o.bNull = true; break;
    }
    return o;
}

struct Etat {
    EmfDrawing          d;
    std::map<DWORD, Objet> table;
    Objet               pen, brush;
    POINT               ptCur = { 0, 0 };
};

inline void Selectionne(Etat *p, DWORD ih)
{
    Objet o;

    if (ih & 0x80000000u)
        o = StockObjet(ih & 0x7FFFFFFFu);
    else if (p->table.count(ih))
        o = p->table[ih];
    else
        return;
    if (o.bPen)
        p->pen = o;
    else
        p->brush = o;
}

inline void AjouteFill(Etat *p, LONG x, LONG y, LONG cx, LONG cy, DWORD iType)
{
    EmfFill f;

    /* A negative extent paints towards the origin. */
    if (cx < 0) { x += cx; cx = -cx; }
    if (cy < 0) { y += cy; cy = -cy; }
    SetRect(&f.rc, x, y, x + cx, y + cy);
    f.cr = p->brush.cr;
    f.bNullBrush = p->brush.bNull;
    f.iType = iType;
    p->d.fills.push_back(f);
}

inline int CALLBACK EnumRecords(HDC, HANDLETABLE *, const ENHMETARECORD *pRec, int, LPARAM lParam)
{
    Etat *p = (Etat *)lParam;

    p->d.types.push_back(pRec->iType);
    switch (pRec->iType) {
    case EMR_CREATEPEN: {
        const EMRCREATEPEN *r = (const EMRCREATEPEN *)pRec;
        Objet o;
        o.bPen = true;
        o.bNull = r->lopn.lopnStyle == PS_NULL;
        o.cr = r->lopn.lopnColor;
        p->table[r->ihPen] = o;
        break;
    }
    case EMR_EXTCREATEPEN: {
        const EMREXTCREATEPEN *r = (const EMREXTCREATEPEN *)pRec;
        Objet o;
        o.bPen = true;
        o.bNull = (r->elp.elpPenStyle & PS_STYLE_MASK) == PS_NULL;
        o.cr = r->elp.elpColor;
        p->table[r->ihPen] = o;
        break;
    }
    case EMR_CREATEBRUSHINDIRECT: {
        const EMRCREATEBRUSHINDIRECT *r = (const EMRCREATEBRUSHINDIRECT *)pRec;
        Objet o;
        o.bNull = r->lb.lbStyle == BS_NULL;
        o.cr = r->lb.lbColor;
        p->table[r->ihBrush] = o;
        break;
    }
    case EMR_SELECTOBJECT:
        Selectionne(p, ((const EMRSELECTOBJECT *)pRec)->ihObject);
        break;
    case EMR_DELETEOBJECT:
        p->table.erase(((const EMRDELETEOBJECT *)pRec)->ihObject);
        break;
    case EMR_MOVETOEX: {
        const EMRMOVETOEX *r = (const EMRMOVETOEX *)pRec;
        p->ptCur.x = r->ptl.x;
        p->ptCur.y = r->ptl.y;
        break;
    }
    case EMR_LINETO: {
        const EMRLINETO *r = (const EMRLINETO *)pRec;
        EmfSegment s;
        s.a = p->ptCur;
        s.b.x = r->ptl.x;
        s.b.y = r->ptl.y;
        s.cr = p->pen.cr;
        s.bNullPen = p->pen.bNull;
        p->d.segments.push_back(s);
        p->ptCur = s.b;
        break;
    }
    case EMR_BITBLT: {
        const EMRBITBLT *r = (const EMRBITBLT *)pRec;
        if (r->cbBmiSrc == 0) {
            AjouteFill(p, r->xDest, r->yDest, r->cxDest, r->cyDest, EMR_BITBLT);
        } else {
            EmfBlit b;
            SetRect(&b.rcDest, r->xDest, r->yDest, r->xDest + r->cxDest, r->yDest + r->cyDest);
            b.iType = EMR_BITBLT;
            p->d.blits.push_back(b);
        }
        break;
    }
    case EMR_STRETCHBLT: {
        const EMRSTRETCHBLT *r = (const EMRSTRETCHBLT *)pRec;
        EmfBlit b;
        SetRect(&b.rcDest, r->xDest, r->yDest, r->xDest + r->cxDest, r->yDest + r->cyDest);
        b.iType = EMR_STRETCHBLT;
        p->d.blits.push_back(b);
        break;
    }
    case EMR_STRETCHDIBITS: {
        const EMRSTRETCHDIBITS *r = (const EMRSTRETCHDIBITS *)pRec;
        EmfBlit b;
        SetRect(&b.rcDest, r->xDest, r->yDest, r->xDest + r->cxDest, r->yDest + r->cyDest);
        b.iType = EMR_STRETCHDIBITS;
        p->d.blits.push_back(b);
        break;
    }
    case EMR_SETDIBITSTODEVICE: {
        const EMRSETDIBITSTODEVICE *r = (const EMRSETDIBITSTODEVICE *)pRec;
        EmfBlit b;
        SetRect(&b.rcDest, r->xDest, r->yDest, r->xDest + r->cxSrc, r->yDest + r->cySrc);
        b.iType = EMR_SETDIBITSTODEVICE;
        p->d.blits.push_back(b);
        break;
    }
    case EMR_RECTANGLE: {
        const EMRRECTANGLE *r = (const EMRRECTANGLE *)pRec;
        AjouteFill(p, r->rclBox.left, r->rclBox.top, r->rclBox.right - r->rclBox.left,
                   r->rclBox.bottom - r->rclBox.top, EMR_RECTANGLE);
        break;
    }
    default:
        break;
    }
    return 1;
}

} // namespace emfcheck_detail

/* Decodes the drawing records of hEmf. */
inline EmfDrawing EmfDecode(HENHMETAFILE hEmf)
{
    using namespace emfcheck_detail;
    Etat e;

    e.pen = StockObjet(BLACK_PEN);
    e.brush = StockObjet(WHITE_BRUSH);
    EnumEnhMetaFile(NULL, hEmf, EnumRecords, &e, NULL);
    return e.d;
}

/* The fills that cover exactly rc. */
inline std::vector<EmfFill> FillsOn(const EmfDrawing &d, const RECT &rc)
{
    std::vector<EmfFill> v;

    for (const EmfFill &f : d.fills)
        if (EqualRect(&f.rc, &rc))
            v.push_back(f);
    return v;
}

inline bool HasFill(const EmfDrawing &d, const RECT &rc, COLORREF cr)
{
    for (const EmfFill &f : d.fills)
        if (EqualRect(&f.rc, &rc) && !f.bNullBrush && f.cr == cr)
            return true;
    return false;
}

/* True when the fills of d draw a one-pixel frame on rc in colour cr. */
inline bool HasFrame(const EmfDrawing &d, const RECT &rc, COLORREF cr)
{
    /* FrameRect paints the left and right columns over the full height,
       and the top and bottom rows between them or over the full width:
       accept either split. */
    RECT rcLeft = { rc.left, rc.top, rc.left + 1, rc.bottom };
    RECT rcRight = { rc.right - 1, rc.top, rc.right, rc.bottom };
    RECT rcTopFull = { rc.left, rc.top, rc.right, rc.top + 1 };
    RECT rcBottomFull = { rc.left, rc.bottom - 1, rc.right, rc.bottom };
    RECT rcTopIn = { rc.left + 1, rc.top, rc.right - 1, rc.top + 1 };
    RECT rcBottomIn = { rc.left + 1, rc.bottom - 1, rc.right - 1, rc.bottom };

    return HasFill(d, rcLeft, cr) && HasFill(d, rcRight, cr)
           && (HasFill(d, rcTopFull, cr) || HasFill(d, rcTopIn, cr))
           && (HasFill(d, rcBottomFull, cr) || HasFill(d, rcBottomIn, cr));
}

/* True when d has the segment a-b drawn with a pen of colour cr. */
inline bool HasSegment(const EmfDrawing &d, POINT a, POINT b, COLORREF cr)
{
    for (const EmfSegment &s : d.segments)
        if (s.a.x == a.x && s.a.y == a.y && s.b.x == b.x && s.b.y == b.y && !s.bNullPen
            && s.cr == cr)
            return true;
    return false;
}

/* The record types and fills of d, for failure messages. */
inline std::string DumpTypes(const EmfDrawing &d)
{
    std::string s;
    char sz[16];

    for (DWORD t : d.types) {
        snprintf(sz, sizeof sz, "%lu ", (unsigned long)t);
        s += sz;
    }
    s += "| fills:";
    for (const EmfFill &f : d.fills) {
        char szF[96];
        snprintf(szF, sizeof szF, " [%ld,%ld,%ld,%ld %06lx%s]", (long)f.rc.left, (long)f.rc.top,
                 (long)f.rc.right, (long)f.rc.bottom, (unsigned long)f.cr, f.bNullBrush ? " null" : "");
        s += szF;
    }
    return s;
}

#endif
