/* The alignment pane: what DessineAlignement draws (checked from an
   enhanced metafile), scrolling at both ends, and stepping through the
   HSPs of a hit with the buttons and the counter. */
#include <string.h>

#include "mainfixture.h"

namespace {

/* An HSP of n columns built by hand, every colour array filled. */
struct HandHsp {
    HalyardHSPData hsp;
    std::string q, c, s;
    std::vector<unsigned> qt, qb, ct, cb, st, sb;

    HandHsp(const char *szQ, const char *szC, const char *szS, unsigned nStartQ, unsigned nStartS)
        : q(szQ), c(szC), s(szS)
    {
        size_t n = q.size();
        memset(&hsp, 0, sizeof hsp);
        qt.assign(n, 2); qb.assign(n, 1);   /* red on white   */
        ct.assign(n, 1); cb.assign(n, 0);   /* white on black */
        st.assign(n, 4); sb.assign(n, 5);   /* blue on yellow */
        hsp.tailleAlign = (int)n;
        hsp.szQuery = &q[0];
        hsp.szComp = &c[0];
        hsp.szSubject = &s[0];
        hsp.StartQuery = nStartQ;
        hsp.StartSubject = nStartS;
        hsp.QueryTxtClr = qt.data(); hsp.QueryBkClr = qb.data();
        hsp.CompTxtClr = ct.data();  hsp.CompBkClr = cb.data();
        hsp.SubjectTxtClr = st.data(); hsp.SubjectBkClr = sb.data();
    }
};

class AlignTest : public MainWindowTest {};

TEST_F(AlignTest, ColumnsLabelsAndColoursOnScreen)
{
    /* 12 columns; query from 95, subject from 10 */
    HandHsp h("MKVLAAGIVLLA", "MK LA+G V  A", "MKTLASGLVAIA", 95, 10);
    const int ncx = 8, ncy = 15, nDecal = -2, y0 = 0;
    GraphData gr = Doc()->GrData;
    gr.nTxtColor = 0;
    gr.nTxtBkColor = 0;

    HENHMETAFILE hEmf = RecordEmf([&](HDC hdc) {
        DessineAlignement(hdc, 0, y0, 500, 100, ncx, ncy, &gr, nDecal, &h.hsp, 0, 12, 10);
    });
    ASSERT_NE(nullptr, hEmf);
    std::vector<EmfText> texts = EmfTexts(hEmf);
    DeleteEnhMetaFile(hEmf);

    /* column i is centred at (i - nDecal + 1) cx: column 0 at 3 cx */
    auto at = [&](const std::wstring &t, long x, long y) -> const EmfText * {
        for (const EmfText &e : texts)
            if (e.szText == t && e.pt.x == x && e.pt.y == y)
                return &e;
        return nullptr;
    };
    const EmfText *p;
    ASSERT_NE(nullptr, p = at(L"M", 3 * ncx, y0 + ncy)) << "query column 0";
    EXPECT_EQ(TABCOLOR[2], p->crText);
    EXPECT_EQ(TABCOLOR[1], p->crBk);
    ASSERT_NE(nullptr, p = at(L"+", (5 + 3) * ncx, y0 + 2 * ncy)) << "match column 5";
    EXPECT_EQ(TABCOLOR[1], p->crText);
    EXPECT_EQ(TABCOLOR[0], p->crBk);
    ASSERT_NE(nullptr, p = at(L"S", (5 + 3) * ncx, y0 + 3 * ncy)) << "subject column 5";
    EXPECT_EQ(TABCOLOR[4], p->crText);
    EXPECT_EQ(TABCOLOR[5], p->crBk);

    /* query start 95: label 100 over column 5; subject start 10: label 10
       under column 0 and 20 under column 10; black on white */
    ASSERT_NE(nullptr, p = at(L"100", (5 + 3) * ncx, y0)) << "query label";
    EXPECT_EQ(TABCOLOR[0], p->crText);
    EXPECT_EQ(TABCOLOR[1], p->crBk);
    EXPECT_NE(nullptr, at(L"10", 3 * ncx, y0 + 4 * ncy)) << "subject label 10";
    EXPECT_NE(nullptr, at(L"20", 13 * ncx, y0 + 4 * ncy)) << "subject label 20";
    EXPECT_EQ(nullptr, at(L"90", 3 * ncx, y0)) << "no label before the start";

    /* 3 rows of 12 characters and 3 labels */
    EXPECT_EQ(39u, texts.size());
}

TEST_F(AlignTest, PrinterModeShiftsByTheAreaAndLongLabelsKeepFiveDigits)
{
    HandHsp h("AC", "A ", "AG", 123450, 7);
    GraphData gr = Doc()->GrData;
    HENHMETAFILE hEmf = RecordEmf([&](HDC hdc) {
        DessineAlignement(hdc, 100, 50, 0, 0, 10, 20, &gr, 0, &h.hsp, 0, 2, 20);
    });
    std::vector<EmfText> texts = EmfTexts(hEmf);
    DeleteEnhMetaFile(hEmf);
    bool bLabel = false;
    for (const EmfText &e : texts) {
        if (e.szText == L"A" && e.pt.y == 70) {
            EXPECT_EQ(100 + 10, e.pt.x) << "column 0 in mode 20";
        }
        if (e.szText == L"23450") {
            bLabel = true;
            EXPECT_EQ(110, e.pt.x);
            EXPECT_EQ(50, e.pt.y);
        }
    }
    EXPECT_TRUE(bLabel) << "the label of 123450 shows its last five digits";
}

TEST_F(AlignTest, RoundFloatTakesHalvesTowardsZero)
{
    struct { float f; int n; } cases[] = {
        { 2.5f, 2 }, { 2.51f, 3 }, { -2.5f, -2 }, { -2.51f, -3 }, { 0.0f, 0 }, { 7.49f, 7 } };
    for (const auto &c : cases)
        EXPECT_EQ(c.n, RoundFloat(c.f)) << c.f;
}

TEST_F(AlignTest, ScrollingStopsAtBothEnds)
{
    ASSERT_EQ(1, Open(SAMPLE_REPORT));
    pDataGeneralPrg pData = Doc();
    ASSERT_NE(nullptr, pData->pVhspData);
    int nLen = pData->pVhspData->tailleAlign;
    ASSERT_GT(nLen, 200) << "hit 1 of the sample is a long HSP";
    ASSERT_GT(pData->scroll.wndlength, 0);
    EXPECT_EQ(-2, pData->scroll.nDecal);
    int nMin, nMax;
    GetScrollRange(HWNDALIGN, SB_HORZ, &nMin, &nMax);
    EXPECT_EQ(-2, nMin);
    EXPECT_EQ(nLen - pData->scroll.wndlength + 2, nMax);

    /* With 89 cells: arrows move 8 columns, the shaft 89. */
    pData->scroll.wndlength = 89;
    int max = nLen - 89 + 2;
    /* {code, expected position} in sequence */
    struct { UINT code; int pos; } steps[] = {
        { SB_LINELEFT, -2 }, { SB_LINERIGHT, 6 }, { SB_LINERIGHT, 14 }, { SB_PAGERIGHT, 103 },
        { SB_PAGELEFT, 14 }, { SB_PAGELEFT, -2 }, { SB_PAGERIGHT, 87 },
    };
    for (const auto &s : steps) {
        SendMessageA(HWNDALIGN, WM_HSCROLL, MAKEWPARAM(s.code, 0), 0);
        EXPECT_EQ(s.pos, pData->scroll.nDecal) << "code " << s.code;
        EXPECT_EQ(s.pos, GetScrollPos(HWNDALIGN, SB_HORZ));
    }
    SendMessageA(HWNDALIGN, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, (WORD)(short)(max - 1)), 0);
    EXPECT_EQ(max - 1, pData->scroll.nDecal);
    for (int i = 0; i < 3; i++)
        SendMessageA(HWNDALIGN, WM_HSCROLL, MAKEWPARAM(SB_PAGERIGHT, 0), 0);
    EXPECT_EQ(max, pData->scroll.nDecal) << "clamped at the right end";
    SendMessageA(HWNDALIGN, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, (WORD)(short)-2), 0);
    EXPECT_EQ(-2, pData->scroll.nDecal) << "the thumb reaches -2";
}

TEST_F(AlignTest, ShortAlignmentsDoNotScroll)
{
    ASSERT_EQ(1, Open(SAMPLE_REPORT));
    pDataGeneralPrg pData = Doc();
    /* the last hit of the sample has a short HSP */
    AfficheNouvelAlign(hWndMain, pData, 11, 1);
    ASSERT_NE(nullptr, pData->pVhspData);
    RECT rc;
    GetClientRect(HWNDALIGN, &rc);
    HDC hdc = GetDC(HWNDALIGN);
    HFONT hOld = SelectFont(hdc, HFNTALIGN);
    long acx, acy;
    DimensionCaractere(hdc, &acx, &acy);
    SelectFont(hdc, hOld);
    ReleaseDC(HWNDALIGN, hdc);
    int n = RoundFloat((float)(rc.right + 1) / (float)acx);
    ASSERT_LE(pData->pVhspData->tailleAlign, n - 2) << "fixture: the HSP must fit the pane";
    EXPECT_EQ(0, pData->scroll.wndlength);
    EXPECT_EQ(-2, pData->scroll.nDecal);
}

TEST_F(AlignTest, StepsThroughTheHspsOfAHit)
{
    ASSERT_EQ(1, Open(SAMPLE_REPORT));
    pDataGeneralPrg pData = Doc();
    ASSERT_EQ(3u, pData->pHSPResultat[4]->unHSP) << "hit 5 of the sample has three HSPs";

    /* hit 1 has one HSP: both buttons off */
    EXPECT_FALSE(IsWindowEnabled(HWNDBTNPREVALIGN));
    EXPECT_FALSE(IsWindowEnabled(HWNDBTNNEXTALIGN));

    AfficheNouvelAlign(hWndMain, pData, 5, 1);
    TRAITEBTNHSP(pData);
    pData->pHSPResultat[4]->nHSPselected[0] = 1;
    /* {command, HSP shown, "<<" enabled, ">>" enabled} */
    struct { int id; int noHsp; bool bPrev, bNext; } steps[] = {
        { 6002, 2, true, true }, { 6002, 3, true, false }, { 6003, 2, true, true },
        { 6003, 1, false, true },
    };
    for (const auto &s : steps) {
        SendMessageA(hWndMain, WM_COMMAND, s.id, 0);
        ASSERT_NE(nullptr, pData->pVhspData);
        EXPECT_EQ(5, pData->pVhspData->noAlign);
        EXPECT_EQ(s.noHsp, pData->pVhspData->noHsp);
        EXPECT_EQ(s.bPrev, IsWindowEnabled(HWNDBTNPREVALIGN) != FALSE) << "HSP " << s.noHsp;
        EXPECT_EQ(s.bNext, IsWindowEnabled(HWNDBTNNEXTALIGN) != FALSE) << "HSP " << s.noHsp;
        /* the check box shows the new HSP's own flag */
        EXPECT_EQ(s.noHsp == 1 ? BST_CHECKED : BST_UNCHECKED, Button_GetCheck(HWNDCHECKSELECTHSP));
    }

    /* The counter reads "HSP no. 2/3." on HSP 2. */
    SendMessageA(hWndMain, WM_COMMAND, 6002, 0);
    HENHMETAFILE hEmf = RecordEmf([](HDC hdc) { IndiqueNumeroHsp(hdc); });
    std::vector<EmfText> texts = EmfTexts(hEmf);
    DeleteEnhMetaFile(hEmf);
    bool bFound = false;
    for (const EmfText &e : texts)
        if (e.szText == L"HSP no. 2/3.") {
            bFound = true;
            EXPECT_EQ(TABCOLOR[14], e.crBk);
        }
    EXPECT_TRUE(bFound) << "counter text";
}

} // namespace
