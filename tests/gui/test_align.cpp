/* The alignment pane: what DessineAlignement draws (from a metafile) and
   scrolling at both ends. (Stepping through a hit's HSPs: the results
   list's keys, which press the same buttons.) */
#include <string.h>

#include "mainfixture.h"

namespace {

class AlignTest : public MainWindowTest {};

/* Columns centred at (i - nDecal + 1) cx in their colours, numbers over
   the query and under the subject on every tenth residue; on the printer
   (mode 20) shifted by the area, numbers cut to their last five digits. */
TEST_F(AlignTest, ColumnsNumbersAndColours)
{
    std::string q = "MKVLAAGIVLLA", c = "MK LA+G V  A", s = "MKTLASGLVAIA";
    /* text on background: query red on white, match white on black,
       subject blue on yellow */
    std::vector<unsigned> qt(12, 2), qb(12, 1), ct(12, 1), cb(12, 0), st(12, 4), sb(12, 5);
    HalyardHSPData h;
    memset(&h, 0, sizeof h);
    h.tailleAlign = 12, h.szQuery = &q[0], h.szComp = &c[0], h.szSubject = &s[0];
    h.QueryTxtClr = qt.data(), h.QueryBkClr = qb.data(), h.CompTxtClr = ct.data(), h.CompBkClr = cb.data();
    h.SubjectTxtClr = st.data(), h.SubjectBkClr = sb.data();
    GraphData gr = Doc()->GrData;
    gr.nTxtColor = gr.nTxtBkColor = 0;
    /* text, x, y, text and background colours (~0: not checked) */
    struct Attendu { const wchar_t *sz; long x, y; COLORREF crText, crBk; };
    const struct {
        unsigned nStartQ, nStartS;
        int x0, y0, nDecal, nMode;
        std::vector<Attendu> textes;
        size_t nTextes;
    } cases[] = {
        { 95, 10, 0, 0, -2, 10, { { L"M", 24, 15, TABCOLOR[2], TABCOLOR[1] },   /* query column 0 */
                                  { L"+", 64, 30, TABCOLOR[1], TABCOLOR[0] },   /* match column 5 */
                                  { L"S", 64, 45, TABCOLOR[4], TABCOLOR[5] },   /* subject column 5 */
                                  { L"100", 64, 0, TABCOLOR[0], TABCOLOR[1] }, { L"10", 24, 60, ~0u, ~0u },
                                  { L"20", 104, 60, ~0u, ~0u } }, 39 },
        { 123450, 7, 100, 50, 0, 20, { { L"M", 108, 65, ~0u, ~0u }, { L"23450", 108, 50, ~0u, ~0u } }, 0 },
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.nMode);
        h.StartQuery = k.nStartQ, h.StartSubject = k.nStartS;
        EmfDrawing d = Record([&](HDC hdc) {
            DessineAlignement(hdc, k.x0, k.y0, 500, 100, 8, 15, &gr, k.nDecal, &h, 0, 12, k.nMode);
        });
        for (const Attendu &a : k.textes) {
            const EmfText *t = d.TextAt(a.sz, a.x, a.y);
            ASSERT_NE(nullptr, t) << std::string(a.sz, a.sz + wcslen(a.sz)) << " at " << a.x << "," << a.y;
            if (a.crText != ~0u) {
                EXPECT_EQ((std::vector<COLORREF>{ a.crText, a.crBk }), (std::vector<COLORREF>{ t->crText, t->crBk }));
            }
        }
        if (k.nTextes) {   /* 3 rows of 12 characters and 3 numbers: none before the start */
            EXPECT_EQ(k.nTextes, d.texts.size());
        }
    }
}

/* Arrows move 8 columns, the shaft a pane's width, the thumb anywhere:
   always within -2 ... length - width + 2. A short HSP does not scroll. */
TEST_F(AlignTest, ScrollingStopsAtBothEnds)
{
    ASSERT_EQ(1, Open(SAMPLE_REPORT));
    pDataGeneralPrg pData = Doc();
    int nLen = pData->pVhspData->tailleAlign, nMin, nMax;
    ASSERT_GT(nLen, 200) << "hit 1 of the sample is a long HSP";
    GetScrollRange(HWNDALIGN, SB_HORZ, &nMin, &nMax);
    EXPECT_EQ((std::vector<int>{ -2, -2, nLen - pData->scroll.wndlength + 2 }),
              (std::vector<int>{ pData->scroll.nDecal, nMin, nMax }));
    pData->scroll.wndlength = 89;
    const int max = nLen - 89 + 2;
    /* code, thumb position, position after */
    const struct { UINT code; int nThumb, pos; } steps[] = {
        { SB_LINELEFT, 0, -2 },        { SB_LINERIGHT, 0, 6 },    { SB_LINERIGHT, 0, 14 },
        { SB_PAGERIGHT, 0, 103 },      { SB_PAGELEFT, 0, 14 },    { SB_PAGELEFT, 0, -2 },
        { SB_THUMBPOSITION, max - 1, max - 1 }, { SB_PAGERIGHT, 0, max }, { SB_THUMBTRACK, -2, -2 },
    };
    for (const auto &s : steps) {
        SendMessageA(HWNDALIGN, WM_HSCROLL, MAKEWPARAM(s.code, (WORD)(short)s.nThumb), 0);
        EXPECT_EQ((std::vector<int>{ s.pos, s.pos }),
                  (std::vector<int>{ pData->scroll.nDecal, GetScrollPos(HWNDALIGN, SB_HORZ) }))
            << "code " << s.code;
    }
    AfficheNouvelAlign(hWndMain, pData, 11, 1);   /* the sample's last hit fits the pane */
    EXPECT_EQ((std::vector<int>{ 0, -2 }), (std::vector<int>{ pData->scroll.wndlength, pData->scroll.nDecal }));
}

} // namespace
