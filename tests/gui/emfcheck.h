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

/* One rectangle painted with the current brush by PatBlt (what FillRect
   and FrameRect draw with). */
struct EmfFill {
    RECT     rc;         /* left, top, right, bottom (exclusive)      */
    COLORREF cr;         /* colour of the brush in effect             */
    bool     bNullBrush;
};

struct EmfDrawing {
    std::vector<EmfSegment> segments;
    std::vector<EmfFill>    fills;
    std::vector<RECT>       blits;   /* destinations of bitmap copies  */
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
    case BLACK_BRUSH:  o.cr = RGB(0, 0, 0); break;
    case WHITE_PEN:    o.bPen = true; o.cr = RGB(255, 255, 255); break;
    case BLACK_PEN:    o.bPen = true; o.cr = RGB(0, 0, 0); break;
    case NULL_PEN:     o.bPen = true; o.bNull = true; break;
    default:           o.bNull = true; break;   /* NULL_BRUSH and the rest */
    }
    return o;
}

struct Etat {
    EmfDrawing             d;
    std::map<DWORD, Objet> table;
    Objet                  pen = StockObjet(BLACK_PEN), brush = StockObjet(WHITE_BRUSH);
    POINT                  ptCur = { 0, 0 };
};

inline int CALLBACK EnumRecords(HDC, HANDLETABLE *, const ENHMETARECORD *pRec, int, LPARAM lParam)
{
    Etat *p = (Etat *)lParam;
    Objet o;

    p->d.types.push_back(pRec->iType);
    switch (pRec->iType) {
    case EMR_CREATEPEN: {
        const EMRCREATEPEN *r = (const EMRCREATEPEN *)pRec;
        o.bPen = true;
        o.bNull = r->lopn.lopnStyle == PS_NULL;
        o.cr = r->lopn.lopnColor;
        p->table[r->ihPen] = o;
        break;
    }
    case EMR_CREATEBRUSHINDIRECT: {
        const EMRCREATEBRUSHINDIRECT *r = (const EMRCREATEBRUSHINDIRECT *)pRec;
        o.bNull = r->lb.lbStyle == BS_NULL;
        o.cr = r->lb.lbColor;
        p->table[r->ihBrush] = o;
        break;
    }
    case EMR_SELECTOBJECT: {
        DWORD ih = ((const EMRSELECTOBJECT *)pRec)->ihObject;
        if (ih & 0x80000000u)
            o = StockObjet(ih & 0x7FFFFFFFu);
        else if (p->table.count(ih))
            o = p->table[ih];
        else
            break;
        (o.bPen ? p->pen : p->brush) = o;
        break;
    }
    case EMR_DELETEOBJECT:
        p->table.erase(((const EMRDELETEOBJECT *)pRec)->ihObject);
        break;
    case EMR_MOVETOEX:
        p->ptCur.x = ((const EMRMOVETOEX *)pRec)->ptl.x;
        p->ptCur.y = ((const EMRMOVETOEX *)pRec)->ptl.y;
        break;
    case EMR_LINETO: {
        const EMRLINETO *r = (const EMRLINETO *)pRec;
        EmfSegment s = { p->ptCur, { r->ptl.x, r->ptl.y }, p->pen.cr, p->pen.bNull };
        p->d.segments.push_back(s);
        p->ptCur = s.b;
        break;
    }
    case EMR_BITBLT: {
        /* Without a source bitmap it is a PatBlt; a negative extent
           paints towards the origin. */
        const EMRBITBLT *r = (const EMRBITBLT *)pRec;
        LONG x = r->xDest, y = r->yDest, cx = r->cxDest, cy = r->cyDest;
        if (cx < 0) { x += cx; cx = -cx; }
        if (cy < 0) { y += cy; cy = -cy; }
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

} // namespace emfcheck_detail

/* Decodes the drawing records of hEmf. */
inline EmfDrawing EmfDecode(HENHMETAFILE hEmf)
{
    emfcheck_detail::Etat e;
    EnumEnhMetaFile(NULL, hEmf, emfcheck_detail::EnumRecords, &e, NULL);
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
    for (const EmfFill &f : FillsOn(d, rc))
        if (!f.bNullBrush && f.cr == cr)
            return true;
    return false;
}

/* True when the fills of d draw a one-pixel frame on rc in colour cr.
   FrameRect paints the left and right columns over the full height, and
   the top and bottom rows between them or over the full width. */
inline bool HasFrame(const EmfDrawing &d, const RECT &rc, COLORREF cr)
{
    RECT l = { rc.left, rc.top, rc.left + 1, rc.bottom }, r = { rc.right - 1, rc.top, rc.right, rc.bottom };
    RECT t = { rc.left, rc.top, rc.right, rc.top + 1 }, b = { rc.left, rc.bottom - 1, rc.right, rc.bottom };
    RECT tIn = { rc.left + 1, rc.top, rc.right - 1, rc.top + 1 };
    RECT bIn = { rc.left + 1, rc.bottom - 1, rc.right - 1, rc.bottom };
    return HasFill(d, l, cr) && HasFill(d, r, cr) && (HasFill(d, t, cr) || HasFill(d, tIn, cr))
           && (HasFill(d, b, cr) || HasFill(d, bIn, cr));
}

/* True when d has the segment a-b drawn with a pen of colour cr. */
inline bool HasSegment(const EmfDrawing &d, POINT a, POINT b, COLORREF cr)
{
    for (const EmfSegment &s : d.segments)
        if (s.a.x == a.x && s.a.y == a.y && s.b.x == b.x && s.b.y == b.y && !s.bNullPen && s.cr == cr)
            return true;
    return false;
}

/* The record types and fills of d, for failure messages. */
inline std::string DumpTypes(const EmfDrawing &d)
{
    std::string s;
    char sz[96];
    for (DWORD t : d.types)
        s += std::to_string(t) + " ";
    s += "| fills:";
    for (const EmfFill &f : d.fills) {
        snprintf(sz, sizeof sz, " [%ld,%ld,%ld,%ld %06lx%s]", (long)f.rc.left, (long)f.rc.top,
                 (long)f.rc.right, (long)f.rc.bottom, (unsigned long)f.cr, f.bNullBrush ? " null" : "");
        s += sz;
    }
    return s;
}

#endif
