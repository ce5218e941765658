/* The results list under Wine: a main window of the test's own (whose
   procedure hands the list's messages and commands to the list's routines
   as the program's main window does, counting them), a hand-built report
   of three hits and seven HSPs with its HSP index file, and the real list
   box with its keyboard procedure. Drawing is checked from metafiles. */
#include <gtest/gtest.h>
#include <windows.h>
#include <windowsx.h>

#include <stdio.h>
#include <string.h>

#include <memory>
#include <string>
#include <vector>

#include "HALYARD.h"
#include "emfcheck.h"
#include "harness.h"

namespace {

/* Commands received: list selection changes, ">>" (6002) and "<<" (6003). */
int g_nSelChange, g_nNext, g_nPrev;

LRESULT CALLBACK OwnerProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    pDataGeneralPrg pData = DocumentOf(hWnd);
    int id = LOWORD(wParam);

    if (uMsg == WM_DRAWITEM)
        ShowResults_OnDrawItem(hWnd, (const DRAWITEMSTRUCT *)lParam);
    else if (uMsg == WM_MEASUREITEM)
        ShowResults_OnMeasureItem(hWnd, (MEASUREITEMSTRUCT *)lParam);
    else if (uMsg != WM_COMMAND || pData == NULL)
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    else if (id == 6001 && HIWORD(wParam) == LBN_SELCHANGE)
        g_nSelChange++, ResultsOnSelChange(hWnd, pData);
    else if (id == 6002 || id == 6003)
        (id == 6002 ? g_nNext : g_nPrev)++, AlignOnStepHsp(hWnd, pData, id == 6002 ? +1 : -1);
    else if (id == 6004)
        ResultsOnCheckBox(hWnd, pData);
    else if (id >= 3005 && id <= 3007)
        ResultsOnSelectCommand(hWnd, pData, id);
    return uMsg == WM_COMMAND ? 0 : TRUE;
}

/* The list font, as the main window makes it; its description in *plf. */
HFONT PoliceListe(LONG lfHeight, LOGFONTA *plf = NULL)
{
    LOGFONTA lf;
    ZeroMemory(&lf, sizeof lf);
    lf.lfHeight = lfHeight;
    lf.lfWeight = 400;
    lf.lfCharSet = ANSI_CHARSET;
    lf.lfOutPrecision = OUT_STROKE_PRECIS;
    lf.lfClipPrecision = CLIP_STROKE_PRECIS;
    lf.lfQuality = DRAFT_QUALITY;
    lf.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lstrcpyA(lf.lfFaceName, "Courier New");
    if (plf != NULL)
        *plf = lf;
    return CreateFontIndirectA(&lf);
}

/* The width of sz in a font measured on the screen; its average character
   width and line height in *pcx and *pcy. */
int LargeurTexte(HFONT hFont, const char *sz, long *pcx = NULL, long *pcy = NULL)
{
    HDC hdc = GetDC(NULL);
    HFONT hOld = SelectFont(hdc, hFont);
    SIZE size = {0, 0};
    TEXTMETRICA tm;
    GetTextExtentPoint32A(hdc, sz, (int)strlen(sz), &size);
    GetTextMetricsA(hdc, &tm);
    if (pcx != NULL)
        *pcx = tm.tmAveCharWidth;
    if (pcy != NULL)
        *pcy = tm.tmHeight + tm.tmExternalLeading;
    SelectFont(hdc, hOld);
    ReleaseDC(NULL, hdc);
    return size.cx;
}

std::string A(const std::wstring &s)
{
    return std::string(s.begin(), s.end());
}

/* The hand-built report: hit number, identifier, score, P value, HSPs. */
const struct {
    unsigned numero;
    const char *szAccessNb, *szScore, *szProb;
    unsigned unHSP;
} hitDefs[] = {
    {1, "SP|P11142|HSP7C_HUMAN", "3249", "0.0", 1},
    {2, "GB|AAB01234.1", "3050", "1.2E-150", 3},
    {3, "PIR|A45935", "87", "0.0031", 3},
};
const unsigned nHits = sizeof hitDefs / sizeof hitDefs[0];

class ResultsTest : public ::testing::Test {
protected:
    pDataGeneralPrg m_pData = NULL;
    long cx = 0, cy = 0; /* the list font's */
    char m_szIndex[MAX_PATH] = "";
    /* No notice box is expected: one would be closed and counted. */
    std::unique_ptr<BoxAnswerer> m_pBoxes;

    HWND Enfant(const char *szClass, DWORD dwStyle, int x, int y, int w, int h, int id)
    {
        HWND hWnd = CreateWindowA(szClass, "", WS_CHILD | WS_VISIBLE | dwStyle, x, y, w, h, hWndMain,
                                  (HMENU)(INT_PTR)id, hInst, NULL);
        EXPECT_NE(nullptr, hWnd) << szClass << " " << id << ", error " << GetLastError();
        return hWnd;
    }

    void SetUp() override
    {
        static bool bRegistered = false;
        g_nSelChange = g_nNext = g_nPrev = 0;
        m_pBoxes.reset(new BoxAnswerer({}));
        hInst = GetModuleHandleA(NULL);
        if (!bRegistered) {
            WNDCLASSA wc;
            ZeroMemory(&wc, sizeof wc);
            wc.lpfnWndProc = OwnerProc;
            wc.cbWndExtra = sizeof(LONG_PTR);
            wc.hInstance = hInst;
            wc.hbrBackground = (HBRUSH)GetStockObject(LTGRAY_BRUSH);
            wc.lpszClassName = "HalyardListsTestMain";
            bRegistered = RegisterClassA(&wc) != 0;
        }
        HFNTLISTBOX = PoliceListe(-13, &LFLISTBOX);
        HFNTALIGN = PoliceListe(-13, &LFALIGN);
        ASSERT_TRUE(HFNTLISTBOX != NULL && HFNTALIGN != NULL);
        LargeurTexte(HFNTLISTBOX, "", &cx, &cy);
        m_pData = InitDataProgram();
        ASSERT_NE(nullptr, m_pData);
        ASSERT_TRUE(InitHBrosse(NULL, &m_pData->GrData));
        m_pData->nColorPref = 10;
        m_pData->nBkColor = 1;

        /* The main window's layout, from the list font. */
        hWndMain = CreateWindowA("HalyardListsTestMain", "Halyard   ",
                                 WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 0, 0, 91 * cx,
                                 24 * cy + 43, NULL, NULL, hInst, NULL);
        ASSERT_NE(nullptr, hWndMain) << GetLastError();
        SetWindowLongPtrA(hWndMain, 0, (LONG_PTR)m_pData);
        SetRect(&RCSEQNAME, 49 * cx + 4, cy + 43, 89 * cx + 4, 11 * cy + 46);
        HWNDRESULT = Enfant("listbox", WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWFIXED, 4,
                            cy + 43, 48 * cx, 10 * cy + 3, 6001);
        HWNDALIGN = Enfant("static", WS_BORDER | WS_HSCROLL, 4, 15 * cy + 43, 88 * cx, 6 * cy + 3, 0);
        HWNDBTNPREVALIGN = Enfant("button", BS_PUSHBUTTON, cx, 11 * cy + 37, 3 * cx, cy, 6003);
        HWNDBTNNEXTALIGN =
            Enfant("button", BS_PUSHBUTTON, (7 * cx) / 2 + cx, 11 * cy + 37, 3 * cx, cy, 6002);
        HWNDCHECKSELECTHSP = Enfant("button", BS_CHECKBOX, 25 * cx, 11 * cy + 38, 2 * cx, 2 * cx, 6004);
        ASSERT_NE(nullptr, HWNDRESULT);
        EnableWindow(HWNDBTNPREVALIGN, FALSE);
        EnableWindow(HWNDBTNNEXTALIGN, FALSE);
        LPFNNEWLBPROC = ListBoxWndProc;
        LPFNOLDLBPROC = (WNDPROC)SetWindowLongPtrA(HWNDRESULT, GWLP_WNDPROC, (LONG_PTR)LPFNNEWLBPROC);
        SetForegroundWindow(hWndMain);

        /* The hit table as the reader allocates it, and the HSP index
           file as it writes it: one block per HSP. */
        m_pData->pHSPResultat = (pDataHSP *)MyAlloc(nHits * sizeof(pDataHSP));
        char szDir[MAX_PATH];
        ASSERT_NE(0u, GetTempPathA(sizeof szDir, szDir));
        ASSERT_NE(0u, GetTempFileNameA(szDir, "LST", 0, m_szIndex)) << GetLastError();
        FILE *pFile = fopen(m_szIndex, "wb");
        ASSERT_TRUE(pFile != NULL && m_pData->pHSPResultat != NULL);
        for (unsigned i = 0; i < nHits; i++) {
            pDataHSP p = m_pData->pHSPResultat[i] = (pDataHSP)MyAlloc(sizeof(DataHSP));
            p->numero = hitDefs[i].numero;
            lstrcpynA(p->szAccessNb, hitDefs[i].szAccessNb, sizeof p->szAccessNb);
            lstrcpynA(p->szHighScore, hitDefs[i].szScore, sizeof p->szHighScore);
            lstrcpynA(p->szProb, hitDefs[i].szProb, sizeof p->szProb);
            lstrcpyA(p->szLength, "642");
            lstrcpyA(p->szAccessName, "HEAT SHOCK PROTEIN ");
            p->unHSP = hitDefs[i].unHSP;
            p->nHSPselected = (int *)MyAlloc(p->unHSP * sizeof(int));
            m_pData->nAlignTotal += p->unHSP;
            for (unsigned k = 1; k <= p->unHSP; k++)
                fprintf(pFile,
                        "END\r\nALIGN %u HSP %u\r\n"
                        " SCORE = %s (45.2 BITS), EXPECT = 1.0E-10, P = %s\r\n"
                        " IDENTITIES = 12/12 (100%%), POSITIVES = 12/12 (100%%)\r\n"
                        "QUERY:     %u MSKAVGIDLGTT %u\r\n             MSKAVGIDLGTT\r\n"
                        "SBJCT:     1 MSKAVGIDLGTT 12\r\n",
                        p->numero, k, p->szHighScore, p->szProb, k, k + 11);
        }
        fclose(pFile);
        m_pData->nHSP = m_pData->nAlign = nHits;
        lstrcpynA(m_pData->szFileSortie, m_szIndex, sizeof m_pData->szFileSortie);
    }

    void TearDown() override
    {
        if (hWndMain != NULL) {
            EXPECT_TRUE(DestroyWindow(hWndMain));
        }
        hWndMain = HWNDRESULT = HWNDALIGN = NULL;
        HWNDBTNNEXTALIGN = HWNDBTNPREVALIGN = HWNDCHECKSELECTHSP = NULL;
        LPFNOLDLBPROC = LPFNNEWLBPROC = NULL;
        if (m_pData != NULL) {
            DeleteHBrosse(NULL, &m_pData->GrData);
            FreeDataProgram(m_pData);
        }
        for (HFONT *ph : {&HFNTLISTBOX, &HFNTALIGN}) {
            if (*ph != NULL) {
                EXPECT_TRUE(DeleteObject(*ph));
            }
            *ph = NULL;
        }
        if (m_szIndex[0] != '\0')
            DeleteFileA(m_szIndex);
        EXPECT_EQ(0, m_pBoxes->Unexpected())
            << "a notice box opened: " << (m_pBoxes->Seen().empty() ? "" : m_pBoxes->Seen()[0].szText);
        m_pBoxes.reset();
    }

    /* Fills the list and shows HSP 1 of hit 1, as opening a report does. */
    void OuvreRapport()
    {
        INITLISTBOXRESULT(m_pData);
        AfficheNouvelAlign(hWndMain, m_pData, 1, 1);
        TRAITEBTNHSP(m_pData);
        ResultsShowHspFlag(m_pData);
    }
    void Touche(UINT vk)
    {
        SendMessageA(HWNDRESULT, WM_KEYDOWN, vk, 1);
        SendMessageA(HWNDRESULT, WM_KEYUP, vk, 0xC0000001);
    }
    void Commande(int id) { FORWARD_WM_COMMAND(hWndMain, id, NULL, 0, SendMessageA); }
    int Flag(unsigned nHit, unsigned nHsp) const
    {
        return m_pData->pHSPResultat[nHit - 1]->nHSPselected[nHsp - 1];
    }
    /* "hit HSP" of the displayed HSP, "none" without one. */
    std::string Affiche() const
    {
        const HalyardHSPData *p = m_pData->pVhspData;
        return p == NULL ? "none" : std::to_string(p->noAlign) + " " + std::to_string(p->noHsp);
    }
    bool Coche() const { return Button_GetCheck(HWNDCHECKSELECTHSP) == BST_CHECKED; }

    /* Draws row nRow (-1: the empty list's focus) of control idCtl at
       rcItem into a metafile: its texts and its drawing. */
    EmfDrawing Dessine(UINT nRow, UINT uAction, UINT uState, const RECT &rcItem,
                       std::vector<EmfText> *pTexts, UINT idCtl = 6001)
    {
        HENHMETAFILE hEmf = RecordEmf([&](HDC hdc) {
            DRAWITEMSTRUCT dis;
            ZeroMemory(&dis, sizeof dis);
            dis.CtlType = ODT_LISTBOX;
            dis.CtlID = idCtl;
            dis.itemID = nRow;
            dis.itemAction = uAction;
            dis.itemState = uState;
            dis.hwndItem = HWNDRESULT;
            dis.hDC = hdc;
            dis.rcItem = rcItem;
            dis.itemData = nRow == (UINT)-1 ? 0 : (ULONG_PTR)m_pData->pHSPResultat[nRow];
            ShowResults_OnDrawItem(hWndMain, &dis);
        });
        *pTexts = EmfTexts(hEmf);
        EmfDrawing d = EmfDecode(hEmf);
        DeleteEnhMetaFile(hEmf);
        return d;
    }
};

/* ---- Filling and measuring --------------------------------------------- */

TEST_F(ResultsTest, RowsAreFourThirdsOfTheListFontHeightAndAsWideAsTheWindow)
{
    RECT rcClient;
    GetClientRect(hWndMain, &rcClient);
    HFONT hFontProgramme = HFNTLISTBOX;
    /* heights giving both a multiple of 3 and truncated thirds */
    bool bExact = false, bTruncated = false;
    for (LONG lfHeight : {-10, -11, -12, -13, -15, -16, -20, -21}) {
        HFNTLISTBOX = PoliceListe(lfHeight);
        long cyFont;
        LargeurTexte(HFNTLISTBOX, "", NULL, &cyFont);
        MEASUREITEMSTRUCT mis = {ODT_LISTBOX, 6001, 0, 0xDEAD, 0xBEEF, 0};
        ShowResults_OnMeasureItem(hWndMain, &mis);
        EXPECT_EQ((UINT)((4 * cyFont) / 3), mis.itemHeight) << "cy " << cyFont;
        EXPECT_EQ((UINT)rcClient.right, mis.itemWidth) << "cy " << cyFont;
        bExact |= cyFont % 3 == 0;
        bTruncated |= cyFont % 3 != 0;
        DeleteObject(HFNTLISTBOX);
    }
    HFNTLISTBOX = hFontProgramme;
    EXPECT_TRUE(bExact && bTruncated) << "the heights tried did not cover both cases";

    /* Another control of the main window is not measured. */
    MEASUREITEMSTRUCT mis = {ODT_LISTBOX, 6002, 0, 0xDEAD, 0xBEEF, 0};
    ShowResults_OnMeasureItem(hWndMain, &mis);
    EXPECT_EQ(0xDEADu, mis.itemWidth);
    EXPECT_EQ(0xBEEFu, mis.itemHeight);
    /* The real list asked when it was created. */
    EXPECT_EQ((4 * cy) / 3, ListBox_GetItemHeight(HWNDRESULT, 0));
}

TEST_F(ResultsTest, FillingAddsOneRowPerHitAndMakesRowZeroCurrentWithoutNotifying)
{
    INITLISTBOXRESULT(m_pData);
    ASSERT_EQ((int)nHits, ListBox_GetCount(HWNDRESULT));
    for (unsigned i = 0; i < nHits; i++)
        EXPECT_EQ((LRESULT)m_pData->pHSPResultat[i], ListBox_GetItemData(HWNDRESULT, i)) << "row " << i;
    EXPECT_EQ(0, ListBox_GetCurSel(HWNDRESULT));
    EXPECT_EQ(HWNDRESULT, GetFocus());
    EXPECT_EQ(0, g_nSelChange);

    /* Filling again does not add to the rows; a closed report empties. */
    INITLISTBOXRESULT(m_pData);
    EXPECT_EQ((int)nHits, ListBox_GetCount(HWNDRESULT));
    pDataHSP *pTable = m_pData->pHSPResultat;
    m_pData->pHSPResultat = NULL;
    INITLISTBOXRESULT(m_pData);
    m_pData->pHSPResultat = pTable;
    EXPECT_EQ(0, ListBox_GetCount(HWNDRESULT));
    EXPECT_EQ(LB_ERR, ListBox_GetCurSel(HWNDRESULT));
}

/* ---- Drawing the rows --------------------------------------------------- */

TEST_F(ResultsTest, RowShowsNumberIdentifierScoreAndPValueInTheirColumnsAndColours)
{
    const int h = (4 * cy) / 3;
    /* the row starts right of the list's edge, so that columns measured
       from the row and from the list can be told apart */
    const RECT rcItem = {3, 2 * h, 3 + 48 * cx, 3 * h};
    const LONG left = rcItem.left + 2, top = rcItem.top + 2;
    /* selected, background, colours of number, identifier, score, P */
    const struct {
        bool bSel;
        COLORREF crFond, crNum, crIdent, crScore, crProb;
    } cases[] = {
        {true, 0x800000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF},
        {false, GetSysColor(COLOR_WINDOW), 0x000000, 0x643C28, 0x002864, 0x000000},
    };
    for (const auto &c : cases) {
        for (unsigned nRow = 0; nRow < nHits; nRow++) {
            SCOPED_TRACE(testing::Message() << "row " << nRow << (c.bSel ? " selected" : ""));
            std::vector<EmfText> texts;
            EmfDrawing d = Dessine(nRow, ODA_DRAWENTIRE, c.bSel ? ODS_SELECTED : 0, rcItem, &texts);
            std::string sNum = std::to_string(hitDefs[nRow].numero) + ".";
            const char *szScore = hitDefs[nRow].szScore;
            /* text, expected reference point, colour */
            const struct {
                std::string s;
                LONG x;
                COLORREF cr;
            } cols[] = {
                {sNum, left + 5 * cx - LargeurTexte(HFNTLISTBOX, sNum.c_str()), c.crNum},
                {hitDefs[nRow].szAccessNb, 6 * cx, c.crIdent},
                {szScore, left + 35 * cx - LargeurTexte(HFNTLISTBOX, szScore), c.crScore},
                {hitDefs[nRow].szProb, left + 37 * cx, c.crProb},
            };
            ASSERT_EQ(4u, texts.size());
            for (size_t i = 0; i < 4; i++) {
                EXPECT_EQ(cols[i].s, A(texts[i].szText));
                EXPECT_EQ(cols[i].x, texts[i].pt.x) << cols[i].s;
                EXPECT_EQ(top, texts[i].pt.y) << cols[i].s << ": texts sit at the top of the row";
                EXPECT_EQ(cols[i].cr, texts[i].crText) << cols[i].s;
            }
            std::vector<EmfFill> fond = FillsOn(d, rcItem);
            ASSERT_EQ(1u, fond.size()) << DumpTypes(d);
            EXPECT_EQ(c.crFond, fond[0].cr);
        }
    }
}

TEST_F(ResultsTest, FocusMarkIsAGreyFrameInsideTheRowAndIsErasedInTheWindowColour)
{
    const int h = (4 * cy) / 3;
    const RECT rcItem = {0, h, 48 * cx, 2 * h}, rcMark = {1, h + 1, 48 * cx - 1, 2 * h - 1};
    const COLORREF crGris = RGB(128, 128, 128), crFenetre = GetSysColor(COLOR_WINDOW);
    const COLORREF AUCUN = 0xFFFFFFFF;
    /* row, control, action, state, texts drawn, frame colour (AUCUN: none) */
    const struct {
        UINT nRow, idCtl, uAction, uState;
        size_t nTexts;
        COLORREF crMark;
    } cases[] = {
        {1, 6001, ODA_DRAWENTIRE, ODS_SELECTED | ODS_FOCUS, 4, crGris},
        {1, 6001, ODA_DRAWENTIRE, 0, 4, crFenetre},
        {1, 6001, ODA_SELECT, ODS_SELECTED | ODS_FOCUS, 4, AUCUN},
        {1, 6001, ODA_SELECT, 0, 4, AUCUN},
        {1, 6001, ODA_FOCUS, ODS_SELECTED | ODS_FOCUS, 0, crGris},
        {1, 6001, ODA_FOCUS, ODS_SELECTED, 0, crFenetre},
        {(UINT)-1, 6001, ODA_DRAWENTIRE, ODS_FOCUS, 0, crGris}, /* empty list */
        {(UINT)-1, 6001, ODA_FOCUS, 0, 0, crFenetre},
        {1, 6009, ODA_DRAWENTIRE, ODS_FOCUS, 0, AUCUN}, /* not the list */
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << (int)c.nRow << " control " << c.idCtl
                                        << " action " << c.uAction << " state " << c.uState);
        std::vector<EmfText> texts;
        EmfDrawing d = Dessine(c.nRow, c.uAction, c.uState, rcItem, &texts, c.idCtl);
        EXPECT_EQ(c.nTexts, texts.size());
        EXPECT_EQ(c.crMark == crGris, HasFrame(d, rcMark, crGris)) << DumpTypes(d);
        EXPECT_EQ(c.crMark == crFenetre, HasFrame(d, rcMark, crFenetre)) << DumpTypes(d);
        if (c.idCtl != 6001) {
            EXPECT_TRUE(d.fills.empty()) << DumpTypes(d);
        }
    }
}

/* A row drawn, or a sunken relief frame, leaves the DC's text colour,
   background mode, font and pen as it found them. */
TEST_F(ResultsTest, DrawingLeavesTheDcAsItFoundIt)
{
    HDC hdc = GetDC(hWndMain);
    HFONT hFont = (HFONT)GetCurrentObject(hdc, OBJ_FONT);
    HPEN hPen = (HPEN)GetCurrentObject(hdc, OBJ_PEN);
    SetTextColor(hdc, RGB(1, 2, 3));
    SetBkMode(hdc, OPAQUE);
    DRAWITEMSTRUCT dis = {ODT_LISTBOX, 6001, 0, ODA_DRAWENTIRE, ODS_SELECTED, HWNDRESULT, hdc,
                          {0, 0, 100, 20}, (ULONG_PTR)m_pData->pHSPResultat[0]};
    ShowResults_OnDrawItem(hWndMain, &dis);
    const RECT rc = {10, 20, 110, 45};
    DessineRectRelief(hdc, &rc, 1, 0, &m_pData->GrData);
    EXPECT_EQ(RGB(1, 2, 3), GetTextColor(hdc));
    EXPECT_EQ(OPAQUE, GetBkMode(hdc));
    EXPECT_EQ(hFont, (HFONT)GetCurrentObject(hdc, OBJ_FONT));
    EXPECT_EQ(hPen, (HPEN)GetCurrentObject(hdc, OBJ_PEN));
    ReleaseDC(hWndMain, hdc);
}

/* ---- Captions ------------------------------------------------------------ */

TEST_F(ResultsTest, CaptionRowCentresFiveTitlesInRaisedBoxes)
{
    const LONG xScore = 4 + (61 * cx) / 2 + 1, xProb = 4 + (74 * cx) / 2 + 1;
    /* caption, left, right of its box */
    const struct {
        const char *sz;
        LONG left, right;
    } boxes[] = {
        {"Num.", 4, 4 + (10 * cx) / 2 - 1},
        {"Database identifier", 4 + 5 * cx, 4 + 5 * cx + (51 * cx) / 2 - 1},
        {"Score", xScore, xScore + (13 * cx) / 2 - 1},
        {"P", xProb, xProb + 9 * cx - 1},
        {"Sequence information", 4 + 49 * cx, 4 + 89 * cx},
    };
    HENHMETAFILE hEmf = RecordEmf([](HDC hdc) { DessineEnteteRect(hdc); });
    std::vector<EmfText> texts = EmfTexts(hEmf);
    EmfDrawing d = EmfDecode(hEmf);
    DeleteEnhMetaFile(hEmf);
    const COLORREF crBlanc = RGB(255, 255, 255), crNoir = RGB(0, 0, 0);
    const LONG top = 40, bottom = 40 + cy;
    ASSERT_GE(texts.size(), 5u);
    for (size_t i = 0; i < 5; i++) {
        const auto &b = boxes[i];
        SCOPED_TRACE(b.sz);
        EXPECT_EQ(b.sz, A(texts[i].szText));
        EXPECT_NEAR((b.left + b.right - LargeurTexte(HFNTLISTBOX, b.sz)) / 2.0, texts[i].pt.x, 1.0);
        EXPECT_EQ(top, texts[i].pt.y);
        EXPECT_EQ(crNoir, texts[i].crText);
        /* raised: white left and top, black right and bottom */
        EXPECT_TRUE(HasSegment(d, {b.left, bottom}, {b.left, top}, crBlanc));
        EXPECT_TRUE(HasSegment(d, {b.left, top}, {b.right, top}, crBlanc));
        EXPECT_TRUE(HasSegment(d, {b.right, top}, {b.right, bottom}, crNoir));
        EXPECT_TRUE(HasSegment(d, {b.right, bottom}, {b.left, bottom}, crNoir));
    }

    /* Sunken: the pens swap. */
    const RECT rc = {10, 20, 110, 45};
    hEmf = RecordEmf([&](HDC h) { DessineRectRelief(h, &rc, 0, 1, &m_pData->GrData); });
    d = EmfDecode(hEmf);
    DeleteEnhMetaFile(hEmf);
    ASSERT_EQ(4u, d.segments.size());
    EXPECT_TRUE(HasSegment(d, {10, 45}, {10, 20}, crNoir));
    EXPECT_TRUE(HasSegment(d, {10, 20}, {110, 20}, crNoir));
    EXPECT_TRUE(HasSegment(d, {110, 20}, {110, 45}, crBlanc));
    EXPECT_TRUE(HasSegment(d, {110, 45}, {10, 45}, crBlanc));
}

/* ---- Choosing rows, keys, flags ----------------------------------------- */

TEST_F(ResultsTest, ChoosingARowShowsItsFirstHspWithItsFlagAndButtons)
{
    OuvreRapport();
    m_pData->pHSPResultat[2]->nHSPselected[0] = 1;
    /* key, displayed after, check box, "<<" enabled, ">>" enabled */
    const struct {
        UINT vk;
        const char *szAffiche;
        bool bCoche, bPrev, bNext;
    } cases[] = {
        {VK_END, "3 1", true, false, true},
        {VK_UP, "2 1", false, false, true},
        {VK_HOME, "1 1", false, false, false},
        {VK_DOWN, "2 1", false, false, true},
    };
    int nSel = 0;
    for (const auto &c : cases) {
        SCOPED_TRACE("key " + std::to_string(c.vk));
        Touche(c.vk);
        EXPECT_EQ(++nSel, g_nSelChange);
        EXPECT_EQ(c.szAffiche, Affiche());
        EXPECT_EQ(c.bCoche, Coche());
        EXPECT_EQ(c.bPrev, IsWindowEnabled(HWNDBTNPREVALIGN) != FALSE);
        EXPECT_EQ(c.bNext, IsWindowEnabled(HWNDBTNNEXTALIGN) != FALSE);
        EXPECT_EQ(HWNDRESULT, GetFocus());
    }
}

TEST_F(ResultsTest, SpaceTogglesTheDisplayedFlagAndTheCheckBoxFollows)
{
    OuvreRapport();
    Touche(VK_DOWN);
    ASSERT_EQ("2 1", Affiche());
    for (int nFlag : {1, 0, 1, 0}) {
        Touche(VK_SPACE);
        EXPECT_EQ(nFlag, Flag(2, 1));
        EXPECT_EQ(nFlag == 1, Coche());
        EXPECT_EQ(HWNDRESULT, GetFocus());
    }
    /* the other HSPs kept theirs; the row did not move */
    EXPECT_EQ(0, Flag(2, 2));
    EXPECT_EQ(0, Flag(1, 1));
    EXPECT_EQ(1, ListBox_GetCurSel(HWNDRESULT));

    /* a flag survives switching rows and HSPs */
    Touche(VK_SPACE);
    Touche(VK_ADD);
    EXPECT_EQ("2 2", Affiche());
    EXPECT_FALSE(Coche());
    Touche(VK_SUBTRACT);
    EXPECT_TRUE(Coche());
    Touche(VK_UP);
    Touche(VK_DOWN);
    EXPECT_EQ(1, Flag(2, 1));
    EXPECT_TRUE(Coche());
}

TEST_F(ResultsTest, KeypadPlusAndMinusStepOnlyWhileTheirButtonsAreEnabled)
{
    OuvreRapport();
    /* key, displayed after, ">>" and "<<" commands received so far */
    const struct {
        UINT vk;
        const char *szAffiche;
        int nNext, nPrev;
    } cases[] = {
        {VK_ADD, "1 1", 0, 0}, /* hit 1 has one HSP: both disabled */
        {VK_SUBTRACT, "1 1", 0, 0},
        {VK_DOWN, "2 1", 0, 0},
        {VK_SUBTRACT, "2 1", 0, 0}, /* first HSP: "<<" disabled */
        {VK_ADD, "2 2", 1, 0},
        {VK_OEM_PLUS, "2 2", 1, 0}, /* the main keyboard's plus is no step */
        {VK_ADD, "2 3", 2, 0},
        {VK_ADD, "2 3", 2, 0}, /* last HSP: ">>" disabled */
        {VK_SUBTRACT, "2 2", 2, 1},
        {VK_OEM_MINUS, "2 2", 2, 1},
    };
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; i++) {
        SCOPED_TRACE("step " + std::to_string(i) + " key " + std::to_string(cases[i].vk));
        Touche(cases[i].vk);
        EXPECT_EQ(cases[i].szAffiche, Affiche());
        EXPECT_EQ(cases[i].nNext, g_nNext);
        EXPECT_EQ(cases[i].nPrev, g_nPrev);
    }
}

TEST_F(ResultsTest, SelectionCommandsSetTheFlagsOfEveryHit)
{
    OuvreRapport();
    Touche(VK_DOWN);
    Touche(VK_ADD);
    ASSERT_EQ("2 2", Affiche());
    /* commands in order, flags after (hit 1; hit 2; hit 3), check box
       (flag of hit 2 HSP 2) */
    const struct {
        std::vector<int> commands;
        std::vector<std::vector<int>> flags;
        bool bCoche;
    } cases[] = {
        {{3006}, {{1}, {1, 1, 1}, {1, 1, 1}}, true},
        {{3006, 3005}, {{1}, {1, 1, 1}, {1, 1, 1}}, true},
        {{3007}, {{0}, {0, 0, 0}, {0, 0, 0}}, false},
        {{3005, 3005}, {{1}, {1, 0, 0}, {1, 0, 0}}, false},
    };
    for (const auto &c : cases) {
        std::string sCmds;
        for (int id : c.commands) {
            sCmds += std::to_string(id) + " ";
            Commande(id);
        }
        SCOPED_TRACE("commands " + sCmds);
        for (unsigned h = 1; h <= nHits; h++)
            for (unsigned k = 1; k <= hitDefs[h - 1].unHSP; k++)
                EXPECT_EQ(c.flags[h - 1][k - 1], Flag(h, k)) << "hit " << h << " HSP " << k;
        EXPECT_EQ(c.bCoche, Coche());
    }
    /* "Select all first HSPs" leaves the other flags of a hit alone. */
    Commande(3007);
    m_pData->pHSPResultat[2]->nHSPselected[2] = 1;
    Commande(3005);
    EXPECT_EQ((std::vector<int>{1, 0, 1}), (std::vector<int>{Flag(3, 1), Flag(3, 2), Flag(3, 3)}));
}

TEST_F(ResultsTest, WithoutADisplayedHspNoFlagChangesAndTheCheckBoxStays)
{
    OuvreRapport();
    Touche(VK_DOWN);
    Touche(VK_SPACE);
    ASSERT_EQ(1, Flag(2, 1));
    ASSERT_TRUE(Coche());

    /* A report without hits read: the check box command does nothing. */
    m_pData->nAlign = 0;
    Touche(VK_SPACE);
    EXPECT_EQ(1, Flag(2, 1));
    EXPECT_TRUE(Coche());
    m_pData->nAlign = nHits;

    /* Numbers that name no flag of the table (an HSP past the hit's last,
       a hit past the table) change nothing and write nowhere. */
    const struct { int noAlign, noHsp; } faux[] = {{2, 4}, {2, 0}, {4, 1}, {0, 1}};
    for (const auto &f : faux) {
        m_pData->pVhspData->noAlign = f.noAlign;
        m_pData->pVhspData->noHsp = f.noHsp;
        Touche(VK_SPACE);
        Commande(3007);
        EXPECT_TRUE(Coche()) << f.noAlign << " " << f.noHsp;
        Commande(3006);
    }

    /* No HSP shown (its loading failed): flags still follow the commands,
       the check box stays as it was. */
    FreeHalyardHaspData(m_pData);
    ASSERT_EQ(nullptr, m_pData->pVhspData);
    Commande(3007);
    EXPECT_EQ(0, Flag(2, 1));
    EXPECT_TRUE(Coche());
    Touche(VK_SPACE);
    EXPECT_EQ(0, Flag(2, 1));
    EXPECT_TRUE(Coche());
}

} // namespace
