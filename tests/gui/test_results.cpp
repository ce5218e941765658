/* The results list on the sample report (11 hits, hit 5 with three HSPs):
   rows, focus mark, captions, keys and selection commands. */
#include "mainfixture.h"

namespace {

class ResultsTest : public MainWindowTest {
protected:
    std::unique_ptr<BoxAnswerer> m_pBoxes;

    void SetUp() override
    {
        MainWindowTest::SetUp();
        m_pBoxes.reset(new BoxAnswerer(std::vector<BoxAction>{}));
        ASSERT_EQ(1, Open(SAMPLE_REPORT));
    }
    void TearDown() override
    {
        EXPECT_EQ(0, m_pBoxes->Unexpected()) << "a notice box opened: " << m_pBoxes->Seen()[0].szText;
        m_pBoxes.reset();
        MainWindowTest::TearDown();
    }
    /* Row nRow (-1: the empty list's focus) of control idCtl drawn at rc. */
    EmfDrawing Dessine(UINT nRow, UINT uAction, UINT uState, const RECT &rc, UINT idCtl = 6001)
    {
        return Record([&](HDC hdc) {
            DRAWITEMSTRUCT dis = { ODT_LISTBOX, idCtl, nRow, uAction, uState, HWNDRESULT, hdc, rc,
                                   nRow == (UINT)-1 ? 0 : (ULONG_PTR)Doc()->pHSPResultat[nRow] };
            ShowResults_OnDrawItem(hWndMain, &dis);
        });
    }
    void Touche(UINT vk) { SendMessageA(HWNDRESULT, WM_KEYDOWN, vk, 1), SendMessageA(HWNDRESULT, WM_KEYUP, vk, 0xC0000001); }
    int Flag(unsigned nHit, unsigned nHsp) const { return Doc()->pHSPResultat[nHit - 1]->nHSPselected[nHsp - 1]; }
    /* "hit HSP" of the displayed HSP, "none" without one. */
    std::string Affiche() const
    {
        const HalyardHSPData *p = Doc()->pVhspData;
        return p == NULL ? "none" : std::to_string(p->noAlign) + " " + std::to_string(p->noHsp);
    }
    bool Coche() const { return Button_GetCheck(HWNDCHECKSELECTHSP) == BST_CHECKED; }
};

/* Number, identifier, score, P at the row's top in their colours, over the selection or window colour. */
TEST_F(ResultsTest, RowShowsItsHitInItsColours)
{
    const RECT rc = { 3, 40, 400, 60 };
    /* selected, background, colours of number, identifier, score, P */
    const struct { bool bSel; COLORREF crFond, crNum, crIdent, crScore, crProb; } cases[] = {
        { true, 0x800000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF }, { false, GetSysColor(COLOR_WINDOW), 0x000000, 0x643C28, 0x002864, 0x000000 } };
    for (const auto &c : cases)
        for (unsigned nRow : { 0u, 4u, 10u }) {
            SCOPED_TRACE(testing::Message() << "row " << nRow << (c.bSel ? " selected" : ""));
            const DataHSP *p = Doc()->pHSPResultat[nRow];
            EmfDrawing d = Dessine(nRow, ODA_DRAWENTIRE, c.bSel ? ODS_SELECTED : 0, rc);
            ASSERT_EQ(4u, d.texts.size());
            const std::string szAttendus[] = { std::to_string(nRow + 1) + ".", p->szAccessNb, p->szHighScore, p->szProb };
            const COLORREF crAttendus[] = { c.crNum, c.crIdent, c.crScore, c.crProb };
            for (size_t i = 0; i < 4; i++) {
                EXPECT_EQ(szAttendus[i], d.texts[i].A());
                EXPECT_EQ((std::vector<long>{ (long)crAttendus[i], rc.top + 2, 1 }),
                          (std::vector<long>{ (long)d.texts[i].crText, d.texts[i].pt.y, i == 0 || d.texts[i - 1].pt.x < d.texts[i].pt.x }))
                    << szAttendus[i] << ": colour, top, columns in order";
            }
            EXPECT_TRUE(d.HasFill(rc, c.crFond));
        }
}

TEST_F(ResultsTest, FocusMarkIsAGreyFrameInsideTheRowAndIsErasedInTheWindowColour)
{
    const RECT rcItem = { 0, 20, 300, 40 }, rcMark = { 1, 21, 299, 39 };
    const COLORREF crGris = RGB(128, 128, 128), crFenetre = GetSysColor(COLOR_WINDOW), AUCUN = 0xFFFFFFFF;
    /* row, control, action, state, texts drawn, frame colour (AUCUN: none) */
    const struct { UINT nRow, idCtl, uAction, uState; size_t nTexts; COLORREF crMark; } cases[] = {
        { 1, 6001, ODA_DRAWENTIRE, ODS_SELECTED | ODS_FOCUS, 4, crGris }, { 1, 6001, ODA_DRAWENTIRE, 0, 4, crFenetre },
        { 1, 6001, ODA_SELECT, ODS_SELECTED | ODS_FOCUS, 4, AUCUN }, { 1, 6001, ODA_FOCUS, ODS_SELECTED | ODS_FOCUS, 0, crGris },
        { 1, 6001, ODA_FOCUS, ODS_SELECTED, 0, crFenetre }, { (UINT)-1, 6001, ODA_FOCUS, 0, 0, crFenetre },
        { (UINT)-1, 6001, ODA_DRAWENTIRE, ODS_FOCUS, 0, crGris },   /* empty list */
        { 1, 6009, ODA_DRAWENTIRE, ODS_FOCUS, 0, AUCUN } };        /* not the list */
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << (int)c.nRow << " control " << c.idCtl << " action " << c.uAction << " state " << c.uState);
        EmfDrawing d = Dessine(c.nRow, c.uAction, c.uState, rcItem, c.idCtl);
        EXPECT_EQ(c.nTexts, d.texts.size());
        EXPECT_EQ(c.crMark == crGris, d.HasFrame(rcMark, crGris));
        EXPECT_EQ(c.crMark == crFenetre, d.HasFrame(rcMark, crFenetre));
        EXPECT_TRUE(c.idCtl == 6001 || d.fills.empty());
    }
}

/* Captions in black; raised boxes white left and top, sunken the other
   way; a row or a relief leaves the DC's colour, mode, font, pen alone. */
TEST_F(ResultsTest, CaptionsAndReliefs)
{
    EmfDrawing d = Record([](HDC hdc) { DessineEnteteRect(hdc); });
    std::vector<std::string> titres;
    for (size_t i = 0; i < 5 && i < d.texts.size(); i++)
        titres.push_back(d.texts[i].A() + (d.texts[i].crText ? " (not black)" : ""));
    EXPECT_EQ((std::vector<std::string>{ "Num.", "Database identifier", "Score", "P", "Sequence information" }), titres);
    const RECT rc = { 10, 20, 110, 45 };
    const COLORREF crBlanc = RGB(255, 255, 255), crNoir = 0;
    for (int bRaised : { 1, 0 }) {
        d = Record([&](HDC h) { DessineRectRelief(h, &rc, bRaised, !bRaised, &Doc()->GrData); });
        COLORREF crA = bRaised ? crBlanc : crNoir, crB = bRaised ? crNoir : crBlanc;
        EXPECT_EQ(4u, d.segments.size());
        EXPECT_TRUE(d.HasSegment({ 10, 45 }, { 10, 20 }, crA) && d.HasSegment({ 10, 20 }, { 110, 20 }, crA)
                    && d.HasSegment({ 110, 20 }, { 110, 45 }, crB) && d.HasSegment({ 110, 45 }, { 10, 45 }, crB))
            << (bRaised ? "raised" : "sunken");
    }

    HDC hdc = GetDC(hWndMain);
    HGDIOBJ hFont = GetCurrentObject(hdc, OBJ_FONT), hPen = GetCurrentObject(hdc, OBJ_PEN);
    SetTextColor(hdc, RGB(1, 2, 3));
    SetBkMode(hdc, OPAQUE);
    DRAWITEMSTRUCT dis = { ODT_LISTBOX, 6001, 0, ODA_DRAWENTIRE, ODS_SELECTED, HWNDRESULT, hdc, { 0, 0, 100, 20 }, (ULONG_PTR)Doc()->pHSPResultat[0] };
    ShowResults_OnDrawItem(hWndMain, &dis);
    DessineRectRelief(hdc, &rc, 1, 0, &Doc()->GrData);
    EXPECT_EQ((std::vector<uintptr_t>{ RGB(1, 2, 3), OPAQUE, (uintptr_t)hFont, (uintptr_t)hPen }),
              (std::vector<uintptr_t>{ GetTextColor(hdc), (uintptr_t)GetBkMode(hdc), (uintptr_t)GetCurrentObject(hdc, OBJ_FONT),
                                       (uintptr_t)GetCurrentObject(hdc, OBJ_PEN) }));
    ReleaseDC(hWndMain, hdc);
}

/* Arrows choose a hit; keypad plus and minus step its HSPs while ">>" and
   "<<" are enabled; Space toggles the flag; the list keeps the focus. */
TEST_F(ResultsTest, KeysChooseHitsStepThroughHspsAndToggleFlags)
{
    /* key, displayed after, check box, "<<" and ">>" enabled */
    const struct { UINT vk; const char *szAffiche; bool bCoche, bPrev, bNext; } cases[] = {
        { VK_ADD, "1 1", false, false, false }, { VK_DOWN, "2 1", false, false, false }, { VK_DOWN, "3 1", false, false, true },
        { VK_DOWN, "4 1", false, false, false }, { VK_DOWN, "5 1", false, false, true }, { VK_SUBTRACT, "5 1", false, false, true },
        { VK_ADD, "5 2", false, true, true }, { VK_OEM_PLUS, "5 2", false, true, true }, { VK_ADD, "5 3", false, true, false },
        { VK_ADD, "5 3", false, true, false }, { VK_SUBTRACT, "5 2", false, true, true }, { VK_OEM_MINUS, "5 2", false, true, true },
        { VK_SPACE, "5 2", true, true, true }, { VK_SUBTRACT, "5 1", false, false, true }, { VK_ADD, "5 2", true, true, true },
        { VK_UP, "4 1", false, false, false }, { VK_DOWN, "5 1", false, false, true }, { VK_END, "11 1", false, false, false },
        { VK_HOME, "1 1", false, false, false }, { VK_SPACE, "1 1", true, false, false }, { VK_SPACE, "1 1", false, false, false } };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "step " << &c - cases << " key " << c.vk);
        Touche(c.vk);
        EXPECT_EQ(c.szAffiche, Affiche());
        EXPECT_EQ((std::vector<bool>{ c.bCoche, c.bPrev, c.bNext, true }), (std::vector<bool>{ Coche(),
                  IsWindowEnabled(HWNDBTNPREVALIGN) != 0, IsWindowEnabled(HWNDBTNNEXTALIGN) != 0, GetFocus() == HWNDRESULT }))
            << "check box, <<, >>, focus";
    }
    EXPECT_EQ((std::vector<int>{ 0, 1, 0, 0 }), (std::vector<int>{ Flag(5, 1), Flag(5, 2), Flag(5, 3), Flag(1, 1) }));
}

TEST_F(ResultsTest, SelectionCommandsSetTheFlagsOfEveryHit)
{
    AfficheNouvelAlign(hWndMain, Doc(), 5, 2);
    /* commands in order, flags after of hit 1 and hit 5, check box */
    const struct { std::vector<int> commands; std::vector<int> flags; bool bCoche; } cases[] = {
        { { 3006 }, { 1, 1, 1, 1 }, true }, { { 3006, 3005 }, { 1, 1, 1, 1 }, true },
        { { 3007 }, { 0, 0, 0, 0 }, false }, { { 3005, 3005 }, { 1, 1, 0, 0 }, false } };
    for (const auto &c : cases) {
        for (int id : c.commands)
            Command(hWndMain, id);
        EXPECT_EQ(c.flags, (std::vector<int>{ Flag(1, 1), Flag(5, 1), Flag(5, 2), Flag(5, 3) })) << c.commands[0];
        EXPECT_EQ(c.bCoche, Coche()) << c.commands[0];
    }
    /* "Select all first HSPs" leaves the other flags of a hit alone. */
    Doc()->pHSPResultat[4]->nHSPselected[2] = 1;
    Command(hWndMain, 3005);
    EXPECT_EQ((std::vector<int>{ 1, 0, 1 }), (std::vector<int>{ Flag(5, 1), Flag(5, 2), Flag(5, 3) }));
}

/* With no report or an HSP number naming no flag, Space and the commands
   leave the flag and check box; with no HSP shown the commands still work. */
TEST_F(ResultsTest, WithoutADisplayedHspNoFlagChangesAndTheCheckBoxStays)
{
    Touche(VK_DOWN), Touche(VK_SPACE);
    ASSERT_TRUE(Flag(2, 1) == 1 && Coche());
    Doc()->nAlign = 0;
    Touche(VK_SPACE);
    EXPECT_TRUE(Flag(2, 1) == 1 && Coche()) << "no report read";
    Doc()->nAlign = 11;
    const struct { int noAlign, noHsp; } faux[] = { { 2, 4 }, { 2, 0 }, { 12, 1 }, { 0, 1 } };
    for (const auto &f : faux) {
        Doc()->pVhspData->noAlign = f.noAlign, Doc()->pVhspData->noHsp = f.noHsp;
        Touche(VK_SPACE);
        Command(hWndMain, 3007);
        EXPECT_TRUE(Coche()) << f.noAlign << " " << f.noHsp;
        Command(hWndMain, 3006);
    }
    FreeHalyardHaspData(Doc());
    Command(hWndMain, 3007);
    Touche(VK_SPACE);
    EXPECT_TRUE(Flag(2, 1) == 0 && Coche());
}

} // namespace
