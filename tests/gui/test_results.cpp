/* The results list under Wine: a main window of the test's own (whose
   procedure hands the list's messages and commands to the list's routines
   as the program's main window does), a hand-built report of three hits
   and seven HSPs with its HSP index file, and the real list box with its
   keyboard procedure. Drawing is checked from enhanced metafiles. */
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

const char szOwnerClass[] = "HalyardListsTestMain";

/* Commands the test's main window received. */
struct Received {
    int nSelChange = 0;
    int nNext = 0;   /* 6002 */
    int nPrev = 0;   /* 6003 */
};
Received g_recu;

/* The commands and owner-drawing messages of the program's main window
   that concern the list, handed to the same routines. */
void Owner_OnCommand(HWND hWnd, int id, HWND hWndCtl, UINT codeNotify)
{
    pDataGeneralPrg pData = DocumentOf(hWnd);

    (void)hWndCtl;
    if (pData == NULL)
        return;
    switch (id) {
    case 6001:
        if (codeNotify == LBN_SELCHANGE) {
            g_recu.nSelChange++;
            ResultsOnSelChange(hWnd, pData);
        }
        break;
    case 6002:
        g_recu.nNext++;
        AlignOnStepHsp(hWnd, pData, +1);
        break;
    case 6003:
        g_recu.nPrev++;
        AlignOnStepHsp(hWnd, pData, -1);
        break;
    case 6004:
        ResultsOnCheckBox(hWnd, pData);
        break;
    case 3005:
    case 3006:
    case 3007:
        ResultsOnSelectCommand(hWnd, pData, id);
        break;
    default:
        break;
    }
}

LRESULT CALLBACK OwnerProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_DRAWITEM:
        ShowResults_OnDrawItem(hWnd, (const DRAWITEMSTRUCT *)lParam);
        return TRUE;
    case WM_MEASUREITEM:
        ShowResults_OnMeasureItem(hWnd, (MEASUREITEMSTRUCT *)lParam);
        return TRUE;
    case WM_COMMAND:
        Owner_OnCommand(hWnd, LOWORD(wParam), (HWND)lParam, HIWORD(wParam));
        return 0;
    default:
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}

/* The list font's description, as the main window makes it. */
void PoliceListe(LOGFONTA *plf, LONG lfHeight)
{
    ZeroMemory(plf, sizeof *plf);
    plf->lfHeight = lfHeight;
    plf->lfWeight = 400;
    plf->lfCharSet = ANSI_CHARSET;
    plf->lfOutPrecision = OUT_STROKE_PRECIS;
    plf->lfClipPrecision = CLIP_STROKE_PRECIS;
    plf->lfQuality = DRAFT_QUALITY;
    plf->lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lstrcpyA(plf->lfFaceName, "Courier New");
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
struct HitDef {
    unsigned numero;
    const char *szAccessNb, *szScore, *szProb;
    unsigned unHSP;
};
const HitDef hitDefs[] = {
    { 1, "SP|P11142|HSP7C_HUMAN", "3249", "0.0", 1 },
    { 2, "GB|AAB01234.1", "3050", "1.2E-150", 3 },
    { 3, "PIR|A45935", "87", "0.0031", 3 },
};
const unsigned nHits = sizeof hitDefs / sizeof hitDefs[0];

class ResultsTest : public ::testing::Test {
protected:
    pDataGeneralPrg m_pData = NULL;
    struct { long cx = 0, cy = 0; } m_m; /* the list font's */
    char m_szIndex[MAX_PATH] = "";
    /* No notice box is expected: one would be closed and counted. */
    std::unique_ptr<BoxAnswerer> m_pBoxes;

    static void RegisterOwner()
    {
        static bool bDone = false;
        WNDCLASSA wc;

        if (bDone)
            return;
        ZeroMemory(&wc, sizeof wc);
        wc.lpfnWndProc = OwnerProc;
        wc.cbWndExtra = sizeof(LONG_PTR);
        wc.hInstance = GetModuleHandleA(NULL);
        wc.hCursor = LoadCursor(NULL, IDC_ARROW);
        wc.hbrBackground = (HBRUSH)GetStockObject(LTGRAY_BRUSH);
        wc.lpszClassName = szOwnerClass;
        bDone = RegisterClassA(&wc) != 0;
    }

    /* The HSP index file as the reader writes it: one block per HSP. */
    void EcritIndex()
    {
        char szDir[MAX_PATH];
        FILE *pFile;

        ASSERT_NE(0u, GetTempPathA(sizeof szDir, szDir));
        ASSERT_NE(0u, GetTempFileNameA(szDir, "LST", 0, m_szIndex)) << GetLastError();
        pFile = fopen(m_szIndex, "wb");
        ASSERT_NE(nullptr, pFile);
        for (const HitDef &h : hitDefs)
            for (unsigned k = 1; k <= h.unHSP; k++)
                fprintf(pFile,
                        "END\r\nALIGN %u HSP %u\r\n"
                        " SCORE = %s (45.2 BITS), EXPECT = 1.0E-10, P = %s\r\n"
                        " IDENTITIES = 12/12 (100%%), POSITIVES = 12/12 (100%%)\r\n"
                        "QUERY:     %u MSKAVGIDLGTT %u\r\n"
                        "             MSKAVGIDLGTT\r\n"
                        "SBJCT:     1 MSKAVGIDLGTT 12\r\n",
                        h.numero, k, h.szScore, h.szProb, k, k + 11);
        fclose(pFile);
        lstrcpynA(m_pData->szFileSortie, m_szIndex, sizeof m_pData->szFileSortie);
    }

    /* The hit table, allocated as the reader allocates it. */
    void RemplitHits()
    {
        m_pData->pHSPResultat = (pDataHSP *)MyAlloc(nHits * sizeof(pDataHSP));
        ASSERT_NE(nullptr, m_pData->pHSPResultat);
        for (unsigned i = 0; i < nHits; i++) {
            pDataHSP p = (pDataHSP)MyAlloc(sizeof(DataHSP));
            ASSERT_NE(nullptr, p);
            p->numero = hitDefs[i].numero;
            lstrcpynA(p->szAccessNb, hitDefs[i].szAccessNb, sizeof p->szAccessNb);
            lstrcpynA(p->szHighScore, hitDefs[i].szScore, sizeof p->szHighScore);
            lstrcpynA(p->szProb, hitDefs[i].szProb, sizeof p->szProb);
            lstrcpynA(p->szLength, "642", sizeof p->szLength);
            lstrcpynA(p->szAccessName, "HEAT SHOCK PROTEIN ", sizeof p->szAccessName);
            p->unHSP = hitDefs[i].unHSP;
            p->nHSPselected = (int *)MyAlloc(p->unHSP * sizeof(int));
            ASSERT_NE(nullptr, p->nHSPselected);
            m_pData->pHSPResultat[i] = p;
            m_pData->nAlignTotal += p->unHSP;
        }
        m_pData->nHSP = m_pData->nAlign = nHits;
    }

    HWND Enfant(const char *szClass, const char *szText, DWORD dwStyle, int x, int y, int w, int h,
                int id)
    {
        HWND hWnd = CreateWindowA(szClass, szText, WS_CHILD | WS_VISIBLE | dwStyle, x, y, w, h,
                                  hWndMain, (HMENU)(INT_PTR)id, hInst, NULL);
        EXPECT_NE(nullptr, hWnd) << szClass << " " << id << ", error " << GetLastError();
        return hWnd;
    }

    void SetUp() override
    {
        g_recu = Received();
        m_pBoxes.reset(new BoxAnswerer({}));
        hInst = GetModuleHandleA(NULL);
        RegisterOwner();
        PoliceListe(&LFLISTBOX, -13);
        HFNTLISTBOX = CreateFontIndirectA(&LFLISTBOX);
        PoliceListe(&LFALIGN, -13);
        HFNTALIGN = CreateFontIndirectA(&LFALIGN);
        ASSERT_NE(nullptr, HFNTLISTBOX);
        ASSERT_NE(nullptr, HFNTALIGN);
        LargeurTexte(HFNTLISTBOX, "", &m_m.cx, &m_m.cy);
        const long cx = m_m.cx, cy = m_m.cy;

        m_pData = InitDataProgram();
        ASSERT_NE(nullptr, m_pData);
        ASSERT_TRUE(InitHBrosse(NULL, &m_pData->GrData));
        m_pData->nColorPref = 10;
        m_pData->nBkColor = 1;

        /* The main window's layout, from the list font. */
        hWndMain = CreateWindowA(szOwnerClass, "Halyard   ",
                                 WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 0, 0,
                                 91 * cx, 24 * cy + 43, NULL, NULL, hInst, NULL);
        ASSERT_NE(nullptr, hWndMain) << GetLastError();
        SetWindowLongPtrA(hWndMain, 0, (LONG_PTR)m_pData);
        SetRect(&RCSEQNAME, 49 * cx + 4, cy + 43, 89 * cx + 4, 11 * cy + 46);
        HWNDRESULT = Enfant("listbox", "",
                            WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWFIXED, 4, cy + 43,
                            48 * cx, 10 * cy + 3, 6001);
        HWNDALIGN = Enfant("static", "", WS_BORDER | WS_HSCROLL, 4, 15 * cy + 43, 88 * cx,
                           6 * cy + 3, 0);
        HWNDBTNPREVALIGN = Enfant("button", "<<", BS_PUSHBUTTON, cx, 11 * cy + 37, 3 * cx, cy, 6003);
        HWNDBTNNEXTALIGN = Enfant("button", ">>", BS_PUSHBUTTON, (7 * cx) / 2 + cx, 11 * cy + 37,
                                  3 * cx, cy, 6002);
        HWNDCHECKSELECTHSP = Enfant("button", ">>", BS_CHECKBOX, 25 * cx, 11 * cy + 38, 2 * cx,
                                    2 * cx, 6004);
        ASSERT_NE(nullptr, HWNDRESULT);
        EnableWindow(HWNDBTNPREVALIGN, FALSE);
        EnableWindow(HWNDBTNNEXTALIGN, FALSE);
        LPFNNEWLBPROC = ListBoxWndProc;
        LPFNOLDLBPROC = (WNDPROC)SetWindowLongPtrA(HWNDRESULT, GWLP_WNDPROC, (LONG_PTR)LPFNNEWLBPROC);
        SetForegroundWindow(hWndMain);

        RemplitHits();
        EcritIndex();
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
        if (HFNTLISTBOX != NULL) {
            EXPECT_TRUE(DeleteObject(HFNTLISTBOX));
        }
        if (HFNTALIGN != NULL) {
            EXPECT_TRUE(DeleteObject(HFNTALIGN));
        }
        HFNTLISTBOX = HFNTALIGN = NULL;
        if (m_szIndex[0] != '\0')
            DeleteFileA(m_szIndex);
        EXPECT_EQ(0, m_pBoxes->Unexpected()) << "a notice box opened: "
            << (m_pBoxes->Seen().empty() ? "" : m_pBoxes->Seen()[0].szText);
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

    int Flag(unsigned nHit, unsigned nHsp) const
    {
        return m_pData->pHSPResultat[nHit - 1]->nHSPselected[nHsp - 1];
    }

    /* "hit HSP" of the displayed HSP, "none" without one. */
    std::string Affiche() const
    {
        char sz[32];

        if (m_pData->pVhspData == NULL)
            return "none";
        snprintf(sz, sizeof sz, "%d %d", m_pData->pVhspData->noAlign, m_pData->pVhspData->noHsp);
        return sz;
    }

    bool Coche() const
    {
        return Button_GetCheck(HWNDCHECKSELECTHSP) == BST_CHECKED;
    }

    /* A DRAWITEMSTRUCT for row nRow of the list drawn at rcItem. */
    DRAWITEMSTRUCT Item(UINT nRow, UINT uAction, UINT uState, const RECT &rcItem, HDC hdc) const
    {
        DRAWITEMSTRUCT dis;

        ZeroMemory(&dis, sizeof dis);
        dis.CtlType = ODT_LISTBOX;
        dis.CtlID = 6001;
        dis.itemID = nRow;
        dis.itemAction = uAction;
        dis.itemState = uState;
        dis.hwndItem = HWNDRESULT;
        dis.hDC = hdc;
        dis.rcItem = rcItem;
        dis.itemData = nRow == (UINT)-1 ? 0 : (ULONG_PTR)m_pData->pHSPResultat[nRow];
        return dis;
    }
};

/* ---- Filling and measuring --------------------------------------------- */

TEST_F(ResultsTest, RowsAreFourThirdsOfTheListFontHeightAndAsWideAsTheWindow)
{
    RECT rcClient;
    GetClientRect(hWndMain, &rcClient);
    HFONT hFontProgramme = HFNTLISTBOX;

    /* character heights: several, so that both a multiple of 3 and
       truncated thirds occur */
    const LONG heights[] = { -10, -11, -12, -13, -15, -16, -20, -21 };
    bool bExact = false, bTruncated = false;
    for (LONG lfHeight : heights) {
        LOGFONTA lf;
        PoliceListe(&lf, lfHeight);
        HFNTLISTBOX = CreateFontIndirectA(&lf);
        ASSERT_NE(nullptr, HFNTLISTBOX);
        long cy;
        LargeurTexte(HFNTLISTBOX, "", NULL, &cy);
        MEASUREITEMSTRUCT mis = { ODT_LISTBOX, 6001, 0, 0xDEAD, 0xBEEF, 0 };

        ShowResults_OnMeasureItem(hWndMain, &mis);
        EXPECT_EQ((UINT)((4 * cy) / 3), mis.itemHeight) << "cy " << cy;
        EXPECT_EQ((UINT)rcClient.right, mis.itemWidth) << "cy " << cy;
        bExact = bExact || cy % 3 == 0;
        bTruncated = bTruncated || cy % 3 != 0;
        DeleteObject(HFNTLISTBOX);
    }
    HFNTLISTBOX = hFontProgramme;
    EXPECT_TRUE(bExact && bTruncated) << "the heights tried did not cover both cases";

    /* Another control of the main window is not measured. */
    MEASUREITEMSTRUCT mis = { ODT_LISTBOX, 6002, 0, 0xDEAD, 0xBEEF, 0 };
    ShowResults_OnMeasureItem(hWndMain, &mis);
    EXPECT_EQ(0xDEADu, mis.itemWidth);
    EXPECT_EQ(0xBEEFu, mis.itemHeight);

    /* The real list asked when it was created. */
    EXPECT_EQ((4 * m_m.cy) / 3, ListBox_GetItemHeight(HWNDRESULT, 0));
}

TEST_F(ResultsTest, FillingAddsOneRowPerHitAndMakesRowZeroCurrentWithoutNotifying)
{
    INITLISTBOXRESULT(m_pData);

    ASSERT_EQ((int)nHits, ListBox_GetCount(HWNDRESULT));
    for (unsigned i = 0; i < nHits; i++)
        EXPECT_EQ((LRESULT)m_pData->pHSPResultat[i], ListBox_GetItemData(HWNDRESULT, i)) << "row " << i;
    EXPECT_EQ(0, ListBox_GetCurSel(HWNDRESULT));
    EXPECT_EQ(HWNDRESULT, GetFocus());
    EXPECT_EQ(0, g_recu.nSelChange);

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
    const long cx = m_m.cx;
    const int h = (4 * m_m.cy) / 3;
    /* the row starts right of the list's edge, so that columns measured
       from the row and from the list can be told apart */
    const RECT rcItem = { 3, 2 * h, 3 + 48 * cx, 3 * h };
    const RECT R = { rcItem.left + 2, rcItem.top + 2, rcItem.right - 2, rcItem.bottom - 2 };

    /* selected, background, colours of number, identifier, score, P */
    const struct {
        bool bSel;
        COLORREF crFond, crNum, crIdent, crScore, crProb;
    } cases[] = {
        { true, 0x800000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF },
        { false, GetSysColor(COLOR_WINDOW), 0x000000, 0x643C28, 0x002864, 0x000000 },
    };
    for (const auto &c : cases) {
        for (unsigned nRow = 0; nRow < nHits; nRow++) {
            const HitDef &hit = hitDefs[nRow];
            DRAWITEMSTRUCT dis;
            HENHMETAFILE hEmf = RecordEmf([&](HDC hdc) {
                dis = Item(nRow, ODA_DRAWENTIRE, c.bSel ? ODS_SELECTED : 0, rcItem, hdc);
                ShowResults_OnDrawItem(hWndMain, &dis);
            });
            std::vector<EmfText> texts = EmfTexts(hEmf);
            EmfDrawing d = EmfDecode(hEmf);
            DeleteEnhMetaFile(hEmf);
            char szNum[16];
            snprintf(szNum, sizeof szNum, "%u.", hit.numero);

            /* text, expected reference point, colour */
            const struct {
                const char *sz;
                LONG x;
                COLORREF cr;
            } cols[] = {
                { szNum, R.left + 5 * cx - LargeurTexte(HFNTLISTBOX, szNum), c.crNum },
                { hit.szAccessNb, 6 * cx, c.crIdent },
                { hit.szScore, R.left + 35 * cx - LargeurTexte(HFNTLISTBOX, hit.szScore), c.crScore },
                { hit.szProb, R.left + 37 * cx, c.crProb },
            };
            ASSERT_EQ(4u, texts.size()) << "row " << nRow << (c.bSel ? " selected" : "");
            for (size_t i = 0; i < 4; i++) {
                SCOPED_TRACE(std::string(cols[i].sz) + (c.bSel ? " selected" : " not selected"));
                EXPECT_EQ(cols[i].sz, A(texts[i].szText));
                EXPECT_EQ(cols[i].x, texts[i].pt.x);
                EXPECT_EQ(R.top, texts[i].pt.y) << "texts sit at the top of the row";
                EXPECT_EQ(cols[i].cr, texts[i].crText);
            }
            std::vector<EmfFill> fond = FillsOn(d, rcItem);
            ASSERT_EQ(1u, fond.size()) << DumpTypes(d);
            EXPECT_EQ(c.crFond, fond[0].cr);
        }
    }
}

TEST_F(ResultsTest, FocusMarkIsAGreyFrameInsideTheRowAndIsErasedInTheWindowColour)
{
    const int h = (4 * m_m.cy) / 3;
    const RECT rcItem = { 0, h, 48 * m_m.cx, 2 * h };
    RECT rcMark = rcItem;
    InflateRect(&rcMark, -1, -1);
    const COLORREF crGris = RGB(128, 128, 128), crFenetre = GetSysColor(COLOR_WINDOW);
    const COLORREF AUCUN = 0xFFFFFFFF;

    /* row, control, action, state, texts drawn, frame colour (AUCUN: none) */
    const struct {
        UINT nRow, idCtl, uAction, uState;
        size_t nTexts;
        COLORREF crMark;
    } cases[] = {
        { 1, 6001, ODA_DRAWENTIRE, ODS_SELECTED | ODS_FOCUS, 4, crGris },
        { 1, 6001, ODA_DRAWENTIRE, 0, 4, crFenetre },
        { 1, 6001, ODA_SELECT, ODS_SELECTED | ODS_FOCUS, 4, AUCUN },
        { 1, 6001, ODA_SELECT, 0, 4, AUCUN },
        { 1, 6001, ODA_FOCUS, ODS_SELECTED | ODS_FOCUS, 0, crGris },
        { 1, 6001, ODA_FOCUS, ODS_SELECTED, 0, crFenetre },
        { (UINT)-1, 6001, ODA_DRAWENTIRE, ODS_FOCUS, 0, crGris },   /* empty list */
        { (UINT)-1, 6001, ODA_FOCUS, 0, 0, crFenetre },
        { 1, 6009, ODA_DRAWENTIRE, ODS_FOCUS, 0, AUCUN },           /* not the list */
    };
    for (const auto &c : cases) {
        SCOPED_TRACE("row " + std::to_string((int)c.nRow) + " control " + std::to_string(c.idCtl)
                     + " action " + std::to_string(c.uAction) + " state " + std::to_string(c.uState));
        HENHMETAFILE hEmf = RecordEmf([&](HDC hdc) {
            DRAWITEMSTRUCT dis = Item(c.nRow, c.uAction, c.uState, rcItem, hdc);
            dis.CtlID = c.idCtl;
            ShowResults_OnDrawItem(hWndMain, &dis);
        });
        size_t nTexts = EmfTexts(hEmf).size();
        EmfDrawing d = EmfDecode(hEmf);
        DeleteEnhMetaFile(hEmf);

        EXPECT_EQ(c.nTexts, nTexts);
        if (c.crMark == AUCUN) {
            EXPECT_FALSE(HasFrame(d, rcMark, crGris)) << DumpTypes(d);
            EXPECT_FALSE(HasFrame(d, rcMark, crFenetre)) << DumpTypes(d);
        } else {
            EXPECT_TRUE(HasFrame(d, rcMark, c.crMark)) << DumpTypes(d);
        }
        if (c.idCtl != 6001) {
            EXPECT_TRUE(d.fills.empty()) << DumpTypes(d);
        }
    }
}

TEST_F(ResultsTest, RowLeavesTheTextColourFontAndModeAsItFoundThem)
{
    HDC hdc = GetDC(hWndMain);
    HFONT hFont = (HFONT)GetCurrentObject(hdc, OBJ_FONT);
    SetTextColor(hdc, RGB(1, 2, 3));
    SetBkMode(hdc, OPAQUE);
    RECT rcItem = { 0, 0, 100, 20 };
    DRAWITEMSTRUCT dis = Item(0, ODA_DRAWENTIRE, ODS_SELECTED, rcItem, hdc);

    ShowResults_OnDrawItem(hWndMain, &dis);
    EXPECT_EQ(RGB(1, 2, 3), GetTextColor(hdc));
    EXPECT_EQ(OPAQUE, GetBkMode(hdc));
    EXPECT_EQ(hFont, (HFONT)GetCurrentObject(hdc, OBJ_FONT));
    ReleaseDC(hWndMain, hdc);
}

/* ---- Captions ------------------------------------------------------------ */

TEST_F(ResultsTest, CaptionRowCentresFiveTitlesInRaisedBoxes)
{
    const long cx = m_m.cx, cy = m_m.cy;
    const LONG xScore = 4 + (61 * cx) / 2 + 1, xProb = 4 + (74 * cx) / 2 + 1;
    /* caption, left, right of its box */
    const struct {
        const char *sz;
        LONG left, right;
    } boxes[] = {
        { "Num.", 4, 4 + (10 * cx) / 2 - 1 },
        { "Database identifier", 4 + 5 * cx, 4 + 5 * cx + (51 * cx) / 2 - 1 },
        { "Score", xScore, xScore + (13 * cx) / 2 - 1 },
        { "P", xProb, xProb + 9 * cx - 1 },
        { "Sequence information", 4 + 49 * cx, 4 + 89 * cx },
    };
    HENHMETAFILE hEmf = RecordEmf([](HDC hdc) { DessineEnteteRect(hdc); });
    std::vector<EmfText> texts = EmfTexts(hEmf);
    EmfDrawing d = EmfDecode(hEmf);
    DeleteEnhMetaFile(hEmf);
    const COLORREF crBlanc = RGB(255, 255, 255), crNoir = RGB(0, 0, 0);

    ASSERT_GE(texts.size(), 5u);
    for (size_t i = 0; i < 5; i++) {
        const auto &b = boxes[i];
        SCOPED_TRACE(b.sz);
        const LONG top = 40, bottom = 40 + cy;
        LONG w = LargeurTexte(HFNTLISTBOX, b.sz);

        EXPECT_EQ(b.sz, A(texts[i].szText));
        EXPECT_NEAR((b.left + b.right - w) / 2.0, texts[i].pt.x, 1.0);
        EXPECT_EQ(top, texts[i].pt.y);
        EXPECT_EQ(crNoir, texts[i].crText);
        /* raised: white left and top, black right and bottom */
        EXPECT_TRUE(HasSegment(d, { b.left, bottom }, { b.left, top }, crBlanc));
        EXPECT_TRUE(HasSegment(d, { b.left, top }, { b.right, top }, crBlanc));
        EXPECT_TRUE(HasSegment(d, { b.right, top }, { b.right, bottom }, crNoir));
        EXPECT_TRUE(HasSegment(d, { b.right, bottom }, { b.left, bottom }, crNoir));
    }
}

TEST_F(ResultsTest, ReliefFrameSunkenSwapsThePensAndRestoresThePen)
{
    HDC hdc = GetDC(hWndMain);
    HPEN hPen = (HPEN)GetCurrentObject(hdc, OBJ_PEN);
    const RECT rc = { 10, 20, 110, 45 };

    HENHMETAFILE hEmf = RecordEmf([&](HDC h) { DessineRectRelief(h, &rc, 0, 1, &m_pData->GrData); });
    EmfDrawing d = EmfDecode(hEmf);
    DeleteEnhMetaFile(hEmf);
    const COLORREF crBlanc = RGB(255, 255, 255), crNoir = RGB(0, 0, 0);

    ASSERT_EQ(4u, d.segments.size());
    /* from, to, colour: left up, top right, right down, bottom left */
    EXPECT_TRUE(HasSegment(d, { 10, 45 }, { 10, 20 }, crNoir));
    EXPECT_TRUE(HasSegment(d, { 10, 20 }, { 110, 20 }, crNoir));
    EXPECT_TRUE(HasSegment(d, { 110, 20 }, { 110, 45 }, crBlanc));
    EXPECT_TRUE(HasSegment(d, { 110, 45 }, { 10, 45 }, crBlanc));

    DessineRectRelief(hdc, &rc, 1, 0, &m_pData->GrData);
    EXPECT_EQ(hPen, (HPEN)GetCurrentObject(hdc, OBJ_PEN));
    ReleaseDC(hWndMain, hdc);
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
        { VK_END, "3 1", true, false, true },
        { VK_UP, "2 1", false, false, true },
        { VK_HOME, "1 1", false, false, false },
        { VK_DOWN, "2 1", false, false, true },
    };
    int nSel = 0;
    for (const auto &c : cases) {
        SCOPED_TRACE("key " + std::to_string(c.vk));
        Touche(c.vk);
        EXPECT_EQ(++nSel, g_recu.nSelChange);
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

    /* flag of hit 2 HSP 1 and check box after each press */
    const int expected[] = { 1, 0, 1, 0 };
    for (int nFlag : expected) {
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
        { VK_ADD, "1 1", 0, 0 },       /* hit 1 has one HSP: both disabled */
        { VK_SUBTRACT, "1 1", 0, 0 },
        { VK_DOWN, "2 1", 0, 0 },
        { VK_SUBTRACT, "2 1", 0, 0 },  /* first HSP: "<<" disabled */
        { VK_ADD, "2 2", 1, 0 },
        { VK_OEM_PLUS, "2 2", 1, 0 },  /* the main keyboard's plus is no step */
        { VK_ADD, "2 3", 2, 0 },
        { VK_ADD, "2 3", 2, 0 },       /* last HSP: ">>" disabled */
        { VK_SUBTRACT, "2 2", 2, 1 },
        { VK_OEM_MINUS, "2 2", 2, 1 },
    };
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; i++) {
        const auto &c = cases[i];
        SCOPED_TRACE("step " + std::to_string(i) + " key " + std::to_string(c.vk));
        Touche(c.vk);
        EXPECT_EQ(c.szAffiche, Affiche());
        EXPECT_EQ(c.nNext, g_recu.nNext);
        EXPECT_EQ(c.nPrev, g_recu.nPrev);
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
        { { 3006 }, { { 1 }, { 1, 1, 1 }, { 1, 1, 1 } }, true },
        { { 3006, 3005 }, { { 1 }, { 1, 1, 1 }, { 1, 1, 1 } }, true },
        { { 3007 }, { { 0 }, { 0, 0, 0 }, { 0, 0, 0 } }, false },
        { { 3005, 3005 }, { { 1 }, { 1, 0, 0 }, { 1, 0, 0 } }, false },
    };
    for (const auto &c : cases) {
        std::string szCmds;
        for (int id : c.commands) {
            szCmds += std::to_string(id) + " ";
            FORWARD_WM_COMMAND(hWndMain, id, NULL, 0, SendMessageA);
        }
        SCOPED_TRACE("commands " + szCmds);
        for (unsigned h = 1; h <= nHits; h++)
            for (unsigned k = 1; k <= hitDefs[h - 1].unHSP; k++)
                EXPECT_EQ(c.flags[h - 1][k - 1], Flag(h, k)) << "hit " << h << " HSP " << k;
        EXPECT_EQ(c.bCoche, Coche());
    }

    /* "Select all first HSPs" leaves the other flags of a hit alone. */
    FORWARD_WM_COMMAND(hWndMain, 3007, NULL, 0, SendMessageA);
    m_pData->pHSPResultat[2]->nHSPselected[2] = 1;
    FORWARD_WM_COMMAND(hWndMain, 3005, NULL, 0, SendMessageA);
    EXPECT_EQ(1, Flag(3, 1));
    EXPECT_EQ(0, Flag(3, 2));
    EXPECT_EQ(1, Flag(3, 3));
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
    const struct {
        int noAlign, noHsp;
    } faux[] = { { 2, 4 }, { 2, 0 }, { 4, 1 }, { 0, 1 } };
    for (const auto &f : faux) {
        m_pData->pVhspData->noAlign = f.noAlign;
        m_pData->pVhspData->noHsp = f.noHsp;
        Touche(VK_SPACE);
        FORWARD_WM_COMMAND(hWndMain, 3007, NULL, 0, SendMessageA);
        EXPECT_TRUE(Coche()) << f.noAlign << " " << f.noHsp;
        FORWARD_WM_COMMAND(hWndMain, 3006, NULL, 0, SendMessageA);
    }

    /* No HSP shown (its loading failed): flags still follow the commands,
       the check box stays as it was. */
    FreeHalyardHaspData(m_pData);
    ASSERT_EQ(nullptr, m_pData->pVhspData);
    FORWARD_WM_COMMAND(hWndMain, 3007, NULL, 0, SendMessageA);
    EXPECT_EQ(0, Flag(2, 1));
    EXPECT_TRUE(Coche());
    Touche(VK_SPACE);
    EXPECT_EQ(0, Flag(2, 1));
    EXPECT_TRUE(Coche());
}

} // namespace
