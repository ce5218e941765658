/* The panes and tools of the main window on the sample report (11 hits,
   hit 5 with three HSPs): results list, alignment pane, String Finder, map. */
#include <string.h>

#include "mainfixture.h"
#include "statwin.h"
#include "strsearchwin.h"

namespace {

/* The sample open; a box is unexpected until a test takes m_pBoxes away. */
class ReportTest : public MainWindowTest {
protected:
    std::unique_ptr<BoxAnswerer> m_pBoxes { new BoxAnswerer(std::vector<BoxAction>{}) };

    void SetUp() override
    {
        MainWindowTest::SetUp();
        ASSERT_EQ(1, Open(SAMPLE_REPORT));
    }
    void TearDown() override
    {
        EXPECT_TRUE(!m_pBoxes || !m_pBoxes->Unexpected()) << "a notice box opened: " << m_pBoxes->Seen()[0].szText;
        m_pBoxes.reset();
        DestroyWindow(hWndSearchDlg), DestroyWindow(hWndStatBla);
        MainWindowTest::TearDown();
    }
    void Touche(UINT vk) { SendMessageA(HWNDRESULT, WM_KEYDOWN, vk, 1), SendMessageA(HWNDRESULT, WM_KEYUP, vk, 0xC0000001); }
    int Flag(unsigned nHit, unsigned nHsp) const { return Doc()->pHSPResultat[nHit - 1]->nHSPselected[nHsp - 1]; }
    bool Coche() const { return Button_GetCheck(HWNDCHECKSELECTHSP) == BST_CHECKED; }
};

/* Columns centred at (i - nDecal + 1) cx in their colours, numbers over the query and under
   the subject on every tenth residue; on the printer (mode 20) shifted by the area, numbers cut
   to their last five digits. The scroll bar spans -2 ... length - width + 2, its thumb (a signed
   position) moves the pane. */
TEST_F(ReportTest, AlignmentPaneDrawsItsColumnsAndFollowsItsThumb)
{
    std::string q = "MKVLAAGIVLLA", m = "MK LA+G V  A", s = "MKTLASGLVAIA";
    /* query red on white, match white on black, subject blue on yellow */
    std::vector<unsigned> qt(12, 2), qb(12, 1), ct(12, 1), cb(12, 0), st(12, 4), sb(12, 5);
    HalyardHSPData h = {};
    h.tailleAlign = 12, h.szQuery = &q[0], h.szComp = &m[0], h.szSubject = &s[0];
    h.QueryTxtClr = qt.data(), h.QueryBkClr = qb.data(), h.CompTxtClr = ct.data(), h.CompBkClr = cb.data();
    h.SubjectTxtClr = st.data(), h.SubjectBkClr = sb.data();
    GraphData gr = Doc()->GrData;
    gr.nTxtColor = gr.nTxtBkColor = 0;
    /* text, x, y, text and background colours (~0: not checked): query column 0, match and subject column 5, numbers */
    struct Attendu { const wchar_t *sz; long x, y; COLORREF crText, crBk; };
    const struct { unsigned nStartQ, nStartS; int x0, y0, nDecal, nMode; std::vector<Attendu> textes; size_t nTextes; } vues[] = {
        { 95, 10, 0, 0, -2, 10, { { L"M", 24, 15, TABCOLOR[2], TABCOLOR[1] }, { L"+", 64, 30, TABCOLOR[1], TABCOLOR[0] }, { L"S", 64, 45, TABCOLOR[4], TABCOLOR[5] },
                                  { L"100", 64, 0, TABCOLOR[0], TABCOLOR[1] }, { L"10", 24, 60, ~0u, ~0u }, { L"20", 104, 60, ~0u, ~0u } }, 39 },
        { 123450, 7, 100, 50, 0, 20, { { L"M", 108, 65, ~0u, ~0u }, { L"23450", 108, 50, ~0u, ~0u } }, 0 } };
    for (const auto &k : vues) {
        SCOPED_TRACE(k.nMode);
        h.StartQuery = k.nStartQ, h.StartSubject = k.nStartS;
        EmfDrawing d = Record([&](HDC hdc) { DessineAlignement(hdc, k.x0, k.y0, 500, 100, 8, 15, &gr, k.nDecal, &h, 0, 12, k.nMode); });
        for (const Attendu &a : k.textes) {
            const EmfText *t = d.TextAt(a.sz, a.x, a.y);
            ASSERT_NE(nullptr, t) << std::string(a.sz, a.sz + wcslen(a.sz)) << " at " << a.x << "," << a.y;
            EXPECT_TRUE(a.crText == ~0u || (a.crText == t->crText && a.crBk == t->crBk)) << std::string(a.sz, a.sz + wcslen(a.sz));
        }
        /* 3 rows of 12 characters and 3 numbers: none before the start */
        EXPECT_TRUE(!k.nTextes || k.nTextes == d.texts.size()) << d.texts.size();
    }
    pDataGeneralPrg pData = Doc();
    int nMin, nMax;
    GetScrollRange(HWNDALIGN, SB_HORZ, &nMin, &nMax);
    SendMessageA(HWNDALIGN, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, (WORD)(short)-1), 0);
    EXPECT_EQ((std::vector<int>{ -2, pData->pVhspData->tailleAlign - pData->scroll.wndlength + 2, -1, -1 }),
              (std::vector<int>{ nMin, nMax, pData->scroll.nDecal, GetScrollPos(HWNDALIGN, SB_HORZ) }));
}

/* A row shows number, identifier, score, P at its top in their colours, over the selection or
   window colour; the focus mark a grey frame just inside it, erased in the window colour; other
   controls untouched. Arrows choose a hit; keypad plus and minus step its HSPs while ">>" and "<<"
   are enabled; Space toggles the flag of the HSP shown and the selection commands set those of
   every hit; the list keeps the focus. */
TEST_F(ReportTest, ResultsListDrawsItsRowsAndFollowsTheKeys)
{
    const RECT rc = { 3, 40, 400, 60 }, rcMark = { 4, 41, 399, 59 };
    const COLORREF crGris = RGB(128, 128, 128), crFenetre = GetSysColor(COLOR_WINDOW), AUCUN = 0xFFFFFFFF;
    const COLORREF crNormal[] = { 0x000000, 0x643C28, 0x002864, 0x000000 };
    const UINT SEL = ODS_SELECTED, FOC = ODS_FOCUS, ENTIRE = ODA_DRAWENTIRE;
    /* row (-1: empty list), control, action, state, texts drawn, background and frame colours (AUCUN: none) */
    const struct { UINT nRow, idCtl, uAction, uState; size_t nTexts; COLORREF crFond, crMark; } cases[] = {
        { 10, 6001, ENTIRE, SEL | FOC, 4, 0x800000, crGris }, { 0, 6001, ENTIRE, 0, 4, crFenetre, crFenetre },
        { 1, 6001, ODA_SELECT, SEL | FOC, 4, 0x800000, AUCUN }, { 1, 6001, ODA_FOCUS, SEL | FOC, 0, AUCUN, crGris },
        { 1, 6001, ODA_FOCUS, SEL, 0, AUCUN, crFenetre }, { (UINT)-1, 6001, ODA_FOCUS, 0, 0, AUCUN, crFenetre },
        { (UINT)-1, 6001, ENTIRE, FOC, 0, AUCUN, crGris }, { 1, 6009, ENTIRE, FOC, 0, AUCUN, AUCUN } };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << (int)c.nRow << " control " << c.idCtl << " action " << c.uAction);
        EmfDrawing d = Record([&](HDC hdc) {
            DRAWITEMSTRUCT dis = { ODT_LISTBOX, c.idCtl, c.nRow, c.uAction, c.uState, HWNDRESULT, hdc, rc,
                                   c.nRow == (UINT)-1 ? 0 : (ULONG_PTR)Doc()->pHSPResultat[c.nRow] };
            ShowResults_OnDrawItem(hWndMain, &dis);
        });
        ASSERT_EQ(c.nTexts, d.texts.size());
        EXPECT_EQ(c.crMark == crGris, d.HasFrame(rcMark, crGris));
        EXPECT_EQ(c.crMark == crFenetre, d.HasFrame(rcMark, crFenetre));
        EXPECT_TRUE(c.crFond == AUCUN ? c.idCtl == 6001 || d.fills.empty() : d.HasFill(rc, c.crFond));
        if (!c.nTexts)
            continue;
        const DataHSP *p = Doc()->pHSPResultat[c.nRow];
        const std::string szAttendus[] = { std::to_string(c.nRow + 1) + ".", p->szAccessNb, p->szHighScore, p->szProb };
        for (size_t i = 0; i < 4; i++) {
            const EmfText &t = d.texts[i];
            const COLORREF cr = (c.uState & SEL) ? 0xFFFFFF : crNormal[i];
            EXPECT_EQ((std::vector<std::string>{ szAttendus[i], std::to_string(cr), std::to_string(rc.top + 2), "1" }),
                      (std::vector<std::string>{ t.A(), std::to_string(t.crText), std::to_string(t.pt.y),
                                                 std::to_string(i == 0 || d.texts[i - 1].pt.x < t.pt.x) }))
                << "text, colour, top, columns in order";
        }
    }
    /* key or command, hit and HSP shown after, check box, "<<" and ">>" enabled, flags of HSPs 1.1, 4.1, 5.1, 5.2, 5.3 */
    const struct { UINT id; const char *szAffiche; bool bCoche, bPrev, bNext; const char *szFlags; } steps[] = {
        { VK_ADD, "1 1", false, false, false, "00000" }, { VK_DOWN, "2 1", false, false, false, "00000" }, { VK_DOWN, "3 1", false, false, true, "00000" },
        { VK_DOWN, "4 1", false, false, false, "00000" }, { VK_DOWN, "5 1", false, false, true, "00000" }, { VK_SUBTRACT, "5 1", false, false, true, "00000" },
        { VK_ADD, "5 2", false, true, true, "00000" }, { VK_OEM_PLUS, "5 2", false, true, true, "00000" }, { VK_ADD, "5 3", false, true, false, "00000" },
        { VK_ADD, "5 3", false, true, false, "00000" }, { VK_SUBTRACT, "5 2", false, true, true, "00000" }, { VK_OEM_MINUS, "5 2", false, true, true, "00000" },
        { VK_SPACE, "5 2", true, true, true, "00010" }, { VK_SUBTRACT, "5 1", false, false, true, "00010" }, { VK_ADD, "5 2", true, true, true, "00010" },
        { VK_SPACE, "5 2", false, true, true, "00000" }, { 3006, "5 2", true, true, true, "11111" }, { 3005, "5 2", true, true, true, "11111" },
        { 3007, "5 2", false, true, true, "00000" }, { 3005, "5 2", false, true, true, "11100" }, { 3005, "5 2", false, true, true, "11100" } };
    for (const auto &c : steps) {
        SCOPED_TRACE(testing::Message() << "step " << &c - steps << " key or command " << c.id);
        c.id < 3000 ? Touche(c.id) : Command(hWndMain, c.id);
        std::string szVu = std::to_string(Doc()->pVhspData->noAlign) + " " + std::to_string(Doc()->pVhspData->noHsp) + " ";
        for (int n : { Flag(1, 1), Flag(4, 1), Flag(5, 1), Flag(5, 2), Flag(5, 3) })
            szVu += std::to_string(n);
        EXPECT_EQ(std::string(c.szAffiche) + " " + c.szFlags, szVu) << "hit, HSP and flags";
        EXPECT_EQ((std::vector<bool>{ c.bCoche, c.bPrev, c.bNext, true }), (std::vector<bool>{ Coche(),
                  IsWindowEnabled(HWNDBTNPREVALIGN) != 0, IsWindowEnabled(HWNDBTNNEXTALIGN) != 0, GetFocus() == HWNDRESULT }))
            << "check box, <<, >>, focus";
    }
    /* With no report or an HSP number naming no flag, Space and the
       commands leave the flag and check box; with no HSP shown the
       commands still work. */
    Command(hWndMain, 3007);
    Touche(VK_HOME), Touche(VK_DOWN), Touche(VK_SPACE), Doc()->nAlign = 0, Touche(VK_SPACE), Doc()->nAlign = 11;
    EXPECT_TRUE(Flag(2, 1) == 1 && Coche()) << "no report read";
    const struct { int noAlign, noHsp; } faux[] = { { 2, 2 }, { 2, 0 }, { 12, 1 }, { 0, 1 } };
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

/* Command 3008, no box expected (the answerer goes before pumping: it would take the dialog for one). */
HWND OuvreFinder()
{
    std::unique_ptr<BoxAnswerer> answerer(new BoxAnswerer(std::vector<BoxAction>{}));
    SendMessageA(hWndMain, WM_COMMAND, 3008, 0);
    EXPECT_EQ(0u, answerer->Seen().size()) << "first box: " << answerer->Seen()[0].szText;
    answerer.reset();
    PumpMessages(20);
    return hWndSearchDlg;
}

/* Types szChaine, presses Search: the entries, then the count line. */
std::vector<std::string> Cherche(HWND hDlg, const char *szChaine)
{
    SetDlgItemTextA(hDlg, IDC_SS_CHAINE, szChaine);
    FORWARD_WM_COMMAND(hDlg, IDOK, GetDlgItem(hDlg, IDOK), BN_CLICKED, SendMessageA);
    HWND hList = GetDlgItem(hDlg, IDC_SS_LISTE);
    std::vector<std::string> v(ListBox_GetCount(hList), std::string(STRSEARCH_ENTREE, '\0'));
    for (size_t i = 0; i < v.size(); i++)
        v[i].resize(ListBox_GetText(hList, i, &v[i][0]));
    v.push_back(WindowText(GetDlgItem(hDlg, IDC_SS_COMPTE)));
    return v;
}

/* A memory failure opens nothing; 3008 then opens it once, an empty
   string is ignored; choosing a result shows its first HSP with its flag
   on the check box. Every way out destroys the dialog and releases its
   record. */
TEST_F(ReportTest, StringFinderOpensOnceSearchesShowsTheHitChosenAndCloses)
{
    m_pBoxes.reset();
    {
        BoxAnswerer answerer({ IDOK });
        MyAllocFailAfter(1);
        SendMessageA(hWndMain, WM_COMMAND, 3008, 0);
        MyAllocFailAfter(-1);
        EXPECT_TRUE(answerer.Seen().size() == 1 && hWndSearchDlg == NULL) << "the memory notice, no dialog";
    }
    HWND hDlg = OuvreFinder(), hList = GetDlgItem(hDlg, IDC_SS_LISTE);
    ASSERT_NE(nullptr, hDlg);
    EXPECT_EQ((std::vector<HWND>{ hDlg, hDlg, hWndMain }), (std::vector<HWND>{ OuvreFinder(), FindWindowA(NULL, "String Finder"), GetWindow(hDlg, GW_OWNER) }));
    EXPECT_FALSE(IsWindowEnabled(hList)) << "before the first search";
    SetDlgItemTextA(hDlg, IDC_SS_COMPTE, "before");
    EXPECT_EQ(std::vector<std::string>{ "before" }, Cherche(hDlg, ""));
    EXPECT_EQ((std::vector<std::string>{ "   4 . (AB44120)", "   5 . MULTIDRUG", "found:    2 /   11." }), Cherche(hDlg, "multidrug"));
    EXPECT_TRUE(IsWindowEnabled(hList) && GetFocus() == hList);
    Doc()->pHSPResultat[4]->nHSPselected[0] = 1;
    const struct { int nItem, nHit; const char *szNumero; bool bCoche; } cases[] = { { 1, 5, "HSP no. 1/3.", true }, { 0, 4, "HSP no. 1/1.", false } };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "hit " << c.nHit);
        ListBox_SetCurSel(hList, c.nItem);
        FORWARD_WM_COMMAND(hDlg, IDC_SS_LISTE, hList, LBN_SELCHANGE, SendMessageA);
        ASSERT_NE(nullptr, Doc()->pVhspData);
        EXPECT_EQ((std::vector<int>{ c.nHit - 1, c.nHit, 1 }), (std::vector<int>{ ListBox_GetCurSel(HWNDRESULT), Doc()->pVhspData->noAlign, Doc()->pVhspData->noHsp }));
        std::string szNumero;
        for (const EmfText &t : Record([](HDC hdc) { IndiqueNumeroHsp(hdc); }).texts)
            szNumero += t.A();
        EXPECT_EQ(c.szNumero, szNumero);
        EXPECT_EQ(c.bCoche, Button_GetCheck(HWNDCHECKSELECTHSP) == BST_CHECKED);
    }
    EXPECT_EQ((std::vector<std::string>{ "found:    0 /   11." }), Cherche(hDlg, "kinase"));
    for (std::string szQuoi : { "Escape", "close box", "Open", "Close", "end of the program" }) {
        SCOPED_TRACE(szQuoi);
        ASSERT_TRUE(Doc()->nHSP != 0 || Open(SAMPLE_REPORT) == 1);
        hDlg = OuvreFinder();
        void *pRecord = GetPropA(hDlg, "DataSearch");
        BoxAnswerer answerer({ szQuoi == "end of the program" ? IDYES : IDCANCEL });
        MSG msg = { GetDlgItem(hDlg, IDC_SS_CHAINE), WM_KEYDOWN, VK_ESCAPE, 0x00010001, 0, { 0, 0 } };
        if (szQuoi == "Escape") /* as the dialog manager turns the key into the Exit button's command */
            IsDialogMessageA(hDlg, &msg);
        else if (szQuoi == "close box")
            SendMessageA(hDlg, WM_SYSCOMMAND, SC_CLOSE, 0), PumpMessages(20); /* it posts itself the command */
        else /* the Open dialog cancelled, Close, the end of the program */
            SendMessageA(hWndMain, szQuoi == "end of the program" ? WM_CLOSE : WM_COMMAND, szQuoi == "Open" ? 3000 : 3001, 0);
        EXPECT_EQ((size_t)(szQuoi == "Open" || szQuoi == "end of the program"), answerer.Seen().size());
        EXPECT_FALSE(IsWindow(hDlg) || hWndSearchDlg != NULL || HeapValidate(GetProcessHeap(), 0, pRecord)) << "the dialog or its record left";
    }
    EXPECT_FALSE(IsWindow(hWndMain));
}

/* A drawing record as text: "what v1 v2 ...". */
template <typename... T> std::string Trace(std::string szQuoi, T... v)
{
    ((szQuoi += " " + std::to_string(v)), ...);
    return szQuoi;
}

/* What a metafile drew: its lines, its rectangles, then its texts with their alignment, mode and background. */
std::vector<std::string> Dessin(const EmfDrawing &d)
{
    std::vector<std::string> v;
    for (const EmfSegment &s : d.segments)
        v.push_back(Trace("line", s.a.x, s.a.y, s.b.x, s.b.y));
    for (const EmfFill &r : d.rectangles)
        v.push_back(Trace("rect", r.rc.left, r.rc.top, r.rc.right, r.rc.bottom));
    for (const EmfText &t : d.texts)
        v.push_back(Trace(t.A() + ((t.nAlign & TA_RIGHT) ? " right" : " left") + (t.nBkMode == OPAQUE ? " opaque" : " transparent"),
                          t.pt.x, t.pt.y, t.crBk));
    return v;
}

/* F4 maps all HSPs. Scrolled one row, the map's panes draw the rows a
   band meets where its scale puts them: labels right-aligned before 29 cx,
   bars with their line across and their ends' numbers outside on grey; the
   histogram its covered positions on the bars' scale, its midline and
   largest count. F4 again or another report closes the map without a
   word; F4 maps all HSPs or some; nothing selected or no index file: only
   a notice, no progress box, no map. */
TEST_F(ReportTest, MapDrawsItsRowsOnTheScaleOpensOnTheSelectionOrSaysWhyNot)
{
    Command(hWndMain, 3006), Key(VK_F4);
    ASSERT_TRUE(hWndStatBla != NULL && pStat != NULL);
    long cx, cy; /* the map font's on the screen */
    MesurePolice(NULL, hStatBlaFnt, &cx, &cy);
    SetWindowPos(hWndStatBla, NULL, 0, 0, 600, 200, SWP_NOMOVE | SWP_NOZORDER);
    PumpMessages(20);
    SendMessageA(hWndStatBlaListGraph, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ((std::vector<int>{ 1, 1 }), (std::vector<int>{ pStat->nVdecal, GetScrollPos(hWndStatBlaListGraph, SB_VERT) }));
    const RECT rc = { 0, 4 * cy, 500, 5 * cy };
    int nFirst, nLast;
    StatLignesVisibles(pStat, rc.top, rc.bottom, (int)cy, &nFirst, &nLast);
    std::vector<std::string> noms, barres, rects, nombres;
    for (int r = nFirst; r < nLast; r++) {
        const SequenceData *p = pStat->pSeqDat[r];
        const RectStat b = StatBarre(pStat, r, 500, (int)cx, (int)cy);
        noms.push_back(Trace(p->szName + std::string(" right opaque"), 29 * cx, (r - 1) * cy, 0xFFFFFF));
        barres.push_back(Trace("line", 0, b.top + cy / 2 - 2, 500, b.top + cy / 2 - 2));
        rects.push_back(Trace("rect", b.left, b.top, b.right, b.bottom));
        nombres.push_back(Trace(std::to_string(StatBas(p)) + " right opaque", b.left, b.top, 0xC0C0C0));
        nombres.push_back(Trace(std::to_string(StatHaut(p)) + " left opaque", b.right, b.top, 0xC0C0C0));
    }
    barres.insert(barres.end(), rects.begin(), rects.end());
    barres.insert(barres.end(), nombres.begin(), nombres.end());
    EXPECT_EQ(noms, Dessin(Record([&](HDC hdc) { DessineStatNoms(hdc, &rc); })));
    EXPECT_EQ(barres, Dessin(Record([&](HDC hdc) { DessineStatBarres(hdc, &rc, 500); }))) << "cx " << cx << ", cy " << cy;
    const int n = StatMaxHisto(pStat);
    std::vector<std::string> histo = { Trace("line", 0, 2 * cy, 400, 2 * cy) };
    for (int q = 0; q < pStat->nTaille; q++) {
        const RectStat b = StatBarreHisto(pStat, q, n, 500, (int)cx, (int)cy);
        if (pStat->pDataHistoBrute[q] > 0)
            histo.push_back(Trace("rect", b.left, b.top, b.right, b.bottom));
    }
    histo.push_back(Trace(std::to_string(n) + " left transparent", 0, 0, 0xFFFFFF));
    EXPECT_EQ(histo, Dessin(Record([&](HDC hdc) { DessineStatHisto(hdc, 500, 400); })));
    m_pBoxes.reset();
    const struct { int idSelection; const char *szTitre; int nSeq, nAll, bRapport; } cases[] = {
        { 3006, "Halyard - map of all sequences", 16, 1, 0 }, { 3005, "Halyard - map of selected sequences", 11, 0, 0 },
        { 3006, "Halyard - map of all sequences", 16, 1, 1 }, { 3007, "No sequences selected.", 0, 0, 0 },
        { 3006, "Unable to prepare map.", 0, 0, 0 } };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.bRapport ? "another report" : c.szTitre);
        HWND hWndCarte = hWndStatBla;
        BoxAnswerer fermeture(std::vector<BoxAction>{});
        EXPECT_EQ(1, hWndCarte == NULL ? 1 : c.bRapport ? Open(SAMPLE_REPORT) : (Key(VK_F4), 1));
        EXPECT_EQ((std::vector<const void *>{ nullptr, nullptr }), (std::vector<const void *>{ hWndStatBla, pStat }));
        EXPECT_EQ((std::vector<int>{ 0, 0 }), (std::vector<int>{ (int)fermeture.Seen().size(), IsWindow(hWndCarte) })) << "boxes, the window";
        Command(hWndMain, 3007), Command(hWndMain, c.idSelection);
        ASSERT_TRUE(c.nSeq || c.idSelection != 3006 || DeleteFileA(Doc()->szFileSortie));
        HWND hWndProgres = NULL;
        BoxAnswerer answerer(std::vector<BoxAction>{ [&](HWND hBox) { hWndProgres = FindWindowA(NULL, "Preparing map..."), Press(IDOK)(hBox); } });
        Key(VK_F4);
        if (c.nSeq) {
            EXPECT_EQ(c.szTitre, WindowText(hWndStatBla));
            ASSERT_NE(nullptr, pStat);
            EXPECT_EQ((std::vector<int>{ c.nSeq, 412, c.nAll, 0 }), (std::vector<int>{ pStat->nSeq, pStat->nTaille, pStat->IsAllSelected, (int)answerer.Seen().size() }));
        } else {
            ASSERT_EQ(std::vector<std::string>{ std::string("BLAST map|") + c.szTitre }, answerer.Texts());
            EXPECT_EQ((std::vector<const void *>{ hWndMain, nullptr, nullptr, nullptr }),
                      (std::vector<const void *>{ answerer.Seen()[0].hOwner, hWndProgres, hWndStatBla, pStat }))
                << "the box's owner, the progress box under it, the map, its data";
        }
    }
}

} // namespace
