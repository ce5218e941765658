/* The VazEva editor under Wine, on the sample report (17 rows of 412
   columns): opening and closing it, keys and typing in its pane (the
   arithmetic behind them is tested natively), the scale, its dialogs, the
   row commands and the pattern finder on the edited rows. */
#include <stdio.h>

#include <algorithm>
#include <fstream>
#include <functional>

#include "findpatwin.h"
#include "mainfixture.h"
#include "mulbwin.h"

namespace {

/* One message to the alignment pane. */
struct Touche {
    UINT uMsg;
    WPARAM wParam;
};
Touche Bas(UINT vk) { return { WM_KEYDOWN, vk }; }
Touche Haut(UINT vk) { return { WM_KEYUP, vk }; }
Touche Car(char c) { return { WM_CHAR, (WPARAM)(unsigned char)c }; }

/* The caret field's text for column n, row m. */
std::string Caret(int n, int m)
{
    char sz[32];
    snprintf(sz, sizeof sz, "%4d,%4d", n, m);
    return sz;
}

/* The texts of some controls, joined by "|". */
std::string Textes(HWND hDlg, std::initializer_list<int> ids)
{
    std::string s;
    for (int id : ids)
        s += (s.empty() ? "" : "|") + WindowText(GetDlgItem(hDlg, id));
    return s;
}

/* A click on the up (or down) arrow of an up-down control. */
void Fleche(HWND hUpDown, bool bHaut)
{
    RECT rc;
    GetClientRect(hUpDown, &rc);
    LPARAM pt = MAKELPARAM(rc.right / 2, bHaut ? rc.bottom / 4 : rc.bottom * 3 / 4);
    SendMessageA(hUpDown, WM_LBUTTONDOWN, MK_LBUTTON, pt);
    SendMessageA(hUpDown, WM_LBUTTONUP, 0, pt);
}

class EditorTest : public MainWindowTest {
protected:
    std::vector<std::string> m_aEffacer; /* files the test may have written */
    char m_szCwd[MAX_PATH] = "";

    void SetUp() override
    {
        MainWindowTest::SetUp();
        GetCurrentDirectoryA(sizeof m_szCwd, m_szCwd);
        ASSERT_EQ(1, Open(SAMPLE_REPORT));
        PumpMessages(20);
    }

    void TearDown() override
    {
        if (hWndMulBla != NULL)
            DestroyWindow(hWndMulBla);
        MainWindowTest::TearDown();
        for (const std::string &sz : m_aEffacer)
            DeleteFileA(sz.c_str());
        SetCurrentDirectoryA(m_szCwd);
    }

    /* Selects every HSP, then F3, with no box expected. */
    void OuvreEditeur()
    {
        Command(hWndMain, 3006);
        BoxAnswerer answerer(std::vector<BoxAction>{});
        Key(VK_F3);
        ASSERT_EQ(0u, answerer.Seen().size()) << "first box: " << answerer.Seen()[0].szText;
        ASSERT_NE(nullptr, PMULBLA);
        ASSERT_EQ(HWNDMULBLAALIGN, GetFocus());
    }

    static void Envoie(const std::vector<Touche> &touches)
    {
        for (const Touche &t : touches)
            SendMessageA(HWNDMULBLAALIGN, t.uMsg, t.wParam, t.uMsg == WM_KEYUP ? 0xC0000001 : 1);
    }

    /* The editor font's cx and cy, as its panes measure them. */
    static SIZE Police()
    {
        SIZE f = { 0, 0 };
        MesurePolice(HWNDMULBLAALIGN, HFNTEDITOR, &f.cx, &f.cy);
        return f;
    }

    static std::string Rangee(int m) { return PMULBLA->pSeqMul[m - 1]->szSeq; }
    static void Commande(int id) { Command(hWndMulBla, id); }

    static std::vector<std::string> Noms()
    {
        std::vector<std::string> v;
        for (int i = 0; i < PMULBLA->nSeq; i++)
            v.push_back(PMULBLA->pSeqMul[i]->szName);
        return v;
    }

    /* Runs command id, dansDialogue answering its dialog and actions the
       boxes that opens. The text (or caption) of the dialog, then of each
       box, marked when the dialog does not own it. */
    static std::vector<std::string> Dialogue(int id, BoxAction dansDialogue,
                                             std::vector<BoxAction> actions = {})
    {
        actions.insert(actions.begin(), dansDialogue);
        BoxAnswerer answerer(actions);
        Commande(id);
        PumpMessages(20);
        EXPECT_EQ(0, answerer.Unexpected());
        std::vector<std::string> v;
        for (const BoxSeen &b : answerer.Seen())
            v.push_back((v.empty() || b.szText.empty() ? b.szCaption : b.szText)
                        + (v.empty() || b.hOwner == answerer.Seen()[0].hWnd ? "" : " (elsewhere)"));
        return v;
    }
};

/* F3 with nothing selected (never, or no longer) only says so. With HSPs
   selected it opens the editor on them, the menu item checked, and asks
   before closing it; another report, or closing this one, takes the
   editor away unasked. */
TEST_F(EditorTest, F3OpensAndClosesTheEditor)
{
    auto Coche3010 = [] {
        SendMessageA(hWndMain, WM_INITMENU, (WPARAM)GetMenu(hWndMain), 0);
        return GetMenuState(GetMenu(hWndMain), 3010, MF_BYCOMMAND) & MF_CHECKED;
    };
    for (int idAvant : { 0, 3006 }) {
        SendMessageA(hWndMain, WM_COMMAND, idAvant, 0);
        SendMessageA(hWndMain, WM_COMMAND, 3007, 0);
        BoxAnswerer answerer({ IDOK });
        Key(VK_F3);
        ASSERT_EQ(1u, answerer.Seen().size());
        const BoxSeen &b = answerer.Seen()[0];
        EXPECT_EQ("VazEva editor|No sequences selected.", b.szCaption + "|" + b.szText);
        EXPECT_EQ(hWndMain, b.hOwner);
        EXPECT_EQ(nullptr, hWndMulBla);
    }
    OuvreEditeur();
    EXPECT_EQ("VazEva Editor   -   sample.bla|Insert|   1,   1",
              WindowText(hWndMulBla) + "|" + WindowText(HWNDINSERTSTATE) + "|" + WindowText(HWNDCARETPOSITION));
    EXPECT_EQ((std::vector<int>{ 17, 412 }), (std::vector<int>{ PMULBLA->nSeq, PMULBLA->nTaille }));
    EXPECT_EQ((UINT)MF_CHECKED, Coche3010());
    HWND hWndEditeur = hWndMulBla;
    for (int idRep : { IDNO, IDYES }) {
        BoxAnswerer answerer({ idRep });
        Key(VK_F3);
        ASSERT_EQ(1u, answerer.Seen().size());
        EXPECT_EQ("Exit the editor ?", answerer.Seen()[0].szText);
        EXPECT_EQ(idRep == IDNO ? hWndEditeur : NULL, hWndMulBla);
        EXPECT_EQ(idRep == IDNO, IsWindow(hWndEditeur) && PMULBLA != NULL);
    }
    EXPECT_EQ(0u, Coche3010());
    for (int idCommande : { 0, 3001 }) {
        SCOPED_TRACE(idCommande == 0 ? "another report" : "the report closed");
        OuvreEditeur();
        hWndEditeur = hWndMulBla;
        BoxAnswerer answerer(std::vector<BoxAction>{});
        if (idCommande == 0)
            EXPECT_EQ(1, Open(SAMPLE_REPORT));
        else
            SendMessageA(hWndMain, WM_COMMAND, idCommande, 0);
        EXPECT_EQ(0u, answerer.Seen().size());
        EXPECT_EQ(std::make_tuple((HWND)NULL, (pMulBlaData)NULL, FALSE),
                  std::make_tuple(hWndMulBla, PMULBLA, IsWindow(hWndEditeur)));
    }
}

/* Each key reaches the caret and the scroll bar: Ctrl+Right moves a
   pane's width of columns and scrolls a page, End goes to the last cell
   and scroll position. Typed on row 2 from column 5: letters inserted
   (upper case) or, in replace mode (the Insert key's release), written
   over; other characters ignored; a blank is a gap; Backspace and Delete
   act when released. */
TEST_F(EditorTest, KeysMoveTheCaretAndEditItsRow)
{
    OuvreEditeur();
    const int N = PMULBLA->nTaille, S = PMULBLA->nSeq, W = PMULBLA->wndlength;
    RECT rc;
    GetClientRect(HWNDMULBLAALIGN, &rc);
    const int P = RoundFloat((float)rc.right / (float)Police().cx);
    ASSERT_GT(N - W + 2, 2 * W) << "412 columns are several pages";
    struct {
        std::vector<Touche> touches;
        int nCol, nLgn, nHdecal;
    } cases[] = {
        { { Bas(VK_RIGHT), Bas(VK_DOWN) }, 2, 2, -2 },
        { { Bas(VK_LEFT), Bas(VK_UP) }, 1, 1, -2 },
        { { Bas(VK_CONTROL), Bas(VK_RIGHT), Haut(VK_CONTROL) }, 1 + P, 1, -2 + W },
        { { Bas(VK_RIGHT) }, 2 + P, 1, -2 + W }, /* Ctrl released */
        { { Bas(VK_END) }, N, S, N - W + 2 },
        { { Bas(VK_HOME) }, 1, 1, -2 },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "to " << c.nCol << "," << c.nLgn);
        Envoie(c.touches);
        EXPECT_EQ(Caret(c.nCol, c.nLgn), WindowText(HWNDCARETPOSITION));
        EXPECT_EQ((std::vector<int>{ c.nHdecal, c.nHdecal }),
                  (std::vector<int>{ PMULBLA->nHdecal, GetScrollPos(HWNDMULBLAALIGN, SB_HORZ) }));
    }

    Envoie({ Bas(VK_DOWN), Bas(VK_RIGHT), Bas(VK_RIGHT), Bas(VK_RIGHT), Bas(VK_RIGHT) });
    const std::string szQuery = Rangee(1), s = Rangee(2);
    struct {
        std::vector<Touche> touches;
        std::string szRow, szMode; /* row 2's first 8 cells */
        int nCol;
    } edits[] = {
        { { Car('a') }, s.substr(0, 4) + "A" + s.substr(4, 3), "Insert", 6 },
        { { Car('7'), Car('*'), Bas(VK_BACK) }, s.substr(0, 4) + "A" + s.substr(4, 3), "Insert", 6 },
        { { Haut(VK_BACK) }, s.substr(0, 8), "Insert", 5 },
        { { Haut(VK_INSERT), Car(' ') }, s.substr(0, 4) + "." + s.substr(5, 3), "Replace", 6 },
        { { Bas(VK_DELETE), Haut(VK_DELETE) }, s.substr(0, 4) + "." + s.substr(6, 3), "Replace", 6 },
    };
    for (const auto &c : edits) {
        SCOPED_TRACE(c.szRow);
        Envoie(c.touches);
        EXPECT_EQ(c.szRow + "|" + c.szMode + "|" + Caret(c.nCol, 2), Rangee(2).substr(0, 8) + "|"
                  + WindowText(HWNDINSERTSTATE) + "|" + WindowText(HWNDCARETPOSITION));
    }
    EXPECT_EQ(szQuery, Rangee(1)) << "the other rows untouched";
}

/* The scale over the 412 columns: numbers at 1, every tenth column and
   the last, each with a "|" below it, a "." under every other column;
   column p centred at (p - nHdecal - 1) * cx. */
TEST_F(EditorTest, ScalePaneNumbersTheColumns)
{
    OuvreEditeur();
    const int N = PMULBLA->nTaille;
    const int cxE = Police().cx, cyE = Police().cy;
    RECT rc = { 0, 0, (N + 8) * cxE, 2 * cyE };
    std::string szLu, szAttendu;
    for (const EmfText &t : Record([&](HDC hdc) { DessineMulBlaScale(hdc, &rc); }).texts)
        szLu += t.A() + "@" + std::to_string(t.pt.x) + "," + std::to_string(t.pt.y) + " ";
    for (int p = 1; p <= N; p++) {
        std::string szX = "@" + std::to_string((p + 1) * cxE) + ",";
        if (p == 1 || p % 10 == 0 || p == N)
            szAttendu += std::to_string(p) + szX + "0 |" + szX + std::to_string(cyE) + " ";
        else
            szAttendu += "." + szX + std::to_string(cyE) + " ";
    }
    EXPECT_EQ(szAttendu, szLu);
}

/* The font size dialog opens at the editor's size (12 points first); OK
   makes the font the size chosen, lays the panes out again and fits the
   scroll bar to the new width, the caret still on the last cell; Cancel
   keeps it. */
TEST_F(EditorTest, FontSizeDialogChangesTheEditorFont)
{
    OuvreEditeur();
    HDC hdc = GetDC(hWndMain);
    const int nDpi = GetDeviceCaps(hdc, LOGPIXELSX);
    ReleaseDC(hWndMain, hdc);
    const int N = PMULBLA->nTaille, S = PMULBLA->nSeq;
    Envoie({ Bas(VK_END) });
    struct {
        int nDepart, nPos, idBouton, nPoints; /* trackbar at opening, moved to (0: not), after */
    } cases[] = { { 12, 8, IDOK, 8 }, { 8, 20, IDOK, 20 }, { 20, 0, IDCANCEL, 20 } };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.nDepart);
        std::string szLu;
        BoxAnswerer answerer(std::vector<BoxAction>{ [&](HWND hDlg) {
            HWND hTrack = GetDlgItem(hDlg, IDC_FONT_TRACK);
            szLu = std::to_string(SendMessageA(hTrack, TBM_GETPOS, 0, 0));
            if (c.nPos != 0) {
                SendMessageA(hTrack, TBM_SETPOS, TRUE, c.nPos);
                SendMessageA(hDlg, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, c.nPos), (LPARAM)hTrack);
            }
            szLu += "|" + WindowText(GetDlgItem(hDlg, IDC_FONT_SIZE));
            Press(c.idBouton)(hDlg);
        } });
        SendMessageA(hWndMulBla, WM_COMMAND, 3013, 0);
        PumpMessages(20);
        ASSERT_EQ(1u, answerer.Seen().size());
        EXPECT_EQ("Font size", answerer.Seen()[0].szCaption);
        EXPECT_EQ(std::to_string(c.nDepart) + "|" + std::to_string(c.nPos ? c.nPos : c.nDepart), szLu)
            << "the trackbar's position at opening, the size shown";
        EXPECT_EQ(c.nPoints * nDpi / 72, LFEDITORFNT.lfHeight);
        SIZE f = Police();
        RECT rc;
        GetWindowRect(HWNDMULBLALIST, &rc); /* the names pane, 26 characters wide */
        MapWindowPoints(NULL, hWndMulBla, (POINT *)&rc, 2);
        EXPECT_EQ(26 * f.cx, rc.right);
        GetClientRect(HWNDMULBLAALIGN, &rc);
        EXPECT_NEAR((double)rc.right / f.cx, PMULBLA->wndlength, 1) << "columns shown";
        EXPECT_EQ(std::min(PMULBLA->nHdecal, N - PMULBLA->wndlength + 2), GetScrollPos(HWNDMULBLAALIGN, SB_HORZ));
        GUITHREADINFO gti = {};
        gti.cbSize = sizeof gti;
        ASSERT_TRUE(GetGUIThreadInfo(GetCurrentThreadId(), &gti));
        EXPECT_EQ((std::vector<long>{ N - 2 - PMULBLA->nHdecal, S - 1 - PMULBLA->nVdecal, f.cy }),
                  (std::vector<long>{ gti.rcCaret.left / f.cx, gti.rcCaret.top / f.cy,
                                      gti.rcCaret.bottom - gti.rcCaret.top }))
            << "the caret's column and row in the pane, its height";
    }
}

/* The MSF dialog: its defaults; the up-down moves the characters a line
   by tens within 50 ... 150; From, To and Scale keep only digits ("z"
   typed after the first digit is dropped, "9" then goes there). A
   refused range says so over the dialog, which stays open with the focus
   on From, as it does when the file cannot be written; one chosen with
   "File name:" goes to the folder chosen, its base name cut to 10
   characters, and OK then ends the dialog. */
TEST_F(EditorTest, MsfDialogEndsOnlyOnceAValidRangeIsWritten)
{
    OuvreEditeur();
    const std::string szDossier = TempPath(""), szManquant = szDossier + "no such folder\\lost.msf";
    const std::string szEcrit = szDossier + "verylongna.msf";
    m_aEffacer.push_back(szEcrit);
    DeleteFileA(szEcrit.c_str());
    std::vector<std::string> vus;
    HWND hDialogue = NULL;
    auto seen = Dialogue(3012, [&](HWND hDlg) {
        hDialogue = hDlg;
        vus.push_back(Textes(hDlg, { IDC_MSF_FILENAME, IDC_MSF_FROM, IDC_MSF_TO, IDC_MSF_SCALE, IDC_MSF_NCHAR })
                      + (IsDlgButtonChecked(hDlg, IDC_MSF_CONSENSUS) == BST_CHECKED ? "|ticked" : "|clear"));
        for (int nClics : { -1, 1, 12, -1 }) {
            for (int i = 0; i < abs(nClics); i++)
                Fleche(GetDlgItem(hDlg, IDC_MSF_UPDOWN), nClics > 0);
            vus.push_back(Textes(hDlg, { IDC_MSF_NCHAR }));
        }
        SetDlgItemTextA(hDlg, IDC_MSF_FROM, "12a3");
        SetDlgItemTextA(hDlg, IDC_MSF_TO, "-5.0");
        SetDlgItemTextA(hDlg, IDC_MSF_SCALE, "x");
        SendDlgItemMessageA(hDlg, IDC_MSF_FROM, EM_SETSEL, 1, 1);
        for (char c : { 'z', '9' })
            SendDlgItemMessageA(hDlg, IDC_MSF_FROM, WM_CHAR, (WPARAM)c, 1);
        vus.push_back(Textes(hDlg, { IDC_MSF_FROM, IDC_MSF_TO, IDC_MSF_SCALE }));
        auto Essaie = [&](const char *szFrom, const char *szTo, bool bFocus) {
            SetDlgItemTextA(hDlg, IDC_MSF_FROM, szFrom);
            SetDlgItemTextA(hDlg, IDC_MSF_TO, szTo);
            Click(hDlg, IDOK);
            vus.push_back(std::string(IsWindowVisible(hDlg) && IsWindowEnabled(hDlg) ? "open" : "ended")
                          + (bFocus && GetFocus() == GetDlgItem(hDlg, IDC_MSF_FROM) ? " on From" : ""));
        };
        Essaie("0", "100", true), Essaie("10", "39", true), Essaie("1", "413", true);
        SetDlgItemTextA(hDlg, IDC_MSF_FILENAME, szManquant.c_str());
        Essaie("10", "40", false);
        Click(hDlg, IDC_MSF_FILEBTN);
        vus.push_back(Textes(hDlg, { IDC_MSF_FILENAME }));
        Click(hDlg, IDOK);
    }, { Press(IDOK), Press(IDOK), Press(IDOK), Press(IDOK),
         TypeAndPress(0x47C, szDossier + "verylongname.txt", IDOK) });
    const std::string szRefus = "Invalid Range.\nPlease retry.";
    const std::string szEchec = "Unable to write the file " + szManquant
                                + ".\nNothing was saved; please choose another name or folder.";
    EXPECT_EQ((std::vector<std::string>{ "Save a MSF file", szRefus, szRefus, szRefus, szEchec, "Save a MSF file" }),
              seen);
    EXPECT_EQ((std::vector<std::string>{ "sample.msf|1|412|1|50|ticked", "50", "60", "150", "140", "1923|50|",
                                         "open on From", "open on From", "open on From", "open",
                                         "verylongname.txt" }),
              vus);
    EXPECT_FALSE(IsWindow(hDialogue)) << "the dialog ended with the file written";
    std::string szLigne;
    std::getline(std::ifstream(szEcrit, std::ios::binary), szLigne);
    EXPECT_EQ(" verylongna.msf  MSF:   31  Type: P  PileUp-like from Blast  Check: 1996  ..\r", szLigne);
    EXPECT_EQ(HWNDMULBLAALIGN, GetFocus());
}

/* The rename dialog changes nothing on Cancel; it shows the first 10
   characters of the name and refuses an empty one, staying open. From a
   caret on row 3 each row goes where a command puts it, and the caret
   field follows the row. With every row removed, Save and Consensus say
   there is none left and the other commands do nothing. */
TEST_F(EditorTest, RowCommandsActOnTheCaretRow)
{
    OuvreEditeur();
    std::vector<std::string> noms = Noms(), vus;
    const int S = (int)noms.size(), N = PMULBLA->nTaille;
    Dialogue(3014, [](HWND hDlg) { SetDlgItemTextA(hDlg, IDC_REN_NEW, "abc"), Click(hDlg, IDCANCEL); });
    EXPECT_EQ(noms, Noms()) << "renamed on Cancel"; /* row 1: its name is shorter than 10 */
    Envoie({ Bas(VK_DOWN), Bas(VK_DOWN) });
    auto seen = Dialogue(3014, [&](HWND hDlg) {
        vus.push_back(Textes(hDlg, { IDC_REN_OLD }));
        Click(hDlg, IDOK);
        vus.push_back(IsWindow(hDlg) && GetFocus() == GetDlgItem(hDlg, IDC_REN_NEW) ? "open" : "gone");
        SetDlgItemTextA(hDlg, IDC_REN_NEW, "xyz");
        Click(hDlg, IDOK);
    }, { Press(IDOK) });
    EXPECT_EQ((std::vector<std::string>{ "Rename sequence", "Null sequence name is not allowed.\nPlease, retry." }),
              seen);
    EXPECT_EQ((std::vector<std::string>{ noms[2].substr(0, 10), "open" }), vus);
    noms[2] = "       xyz " + noms[2].substr(11);
    EXPECT_EQ(noms, Noms());
    EXPECT_EQ(HWNDMULBLAALIGN, GetFocus());

    auto Retire = [&](int m) { noms.erase(noms.begin() + (m - 1)); };
    struct {
        std::vector<Touche> touches;   /* before the command (0: Ctrl+Delete) */
        int idCommande;
        std::function<void()> pfnAttendu;
        int nCol, nLgn;                /* the caret after it */
    } cases[] = {
        { {}, 3018, [&] { std::swap(noms[2], noms[3]); }, 1, 4 },
        { {}, 3017, [&] { std::swap(noms[2], noms[3]); }, 1, 3 },
        { {}, 3016, [&] { noms[1] = noms[1].substr(0, noms[1].find(" (")); Retire(3); }, 1, 2 },
        { {}, 3015, [&] { Retire(2); }, 1, 1 },
        { {}, 3017, [] {}, 1, 1 },
        { { Bas(VK_END) }, 3018, [] {}, N, S - 2 },
        /* Ctrl is still held when the row goes: the caret moves one row, not a page */
        { { Bas(VK_UP), Bas(VK_UP) }, 0, [&] { Retire(S - 4); }, N, S - 5 },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "command " << c.idCommande << " to " << c.nLgn);
        Envoie(c.touches);
        if (c.idCommande != 0)
            Commande(c.idCommande);
        else
            Envoie({ Bas(VK_CONTROL), Bas(VK_DELETE), Haut(VK_DELETE), Haut(VK_CONTROL) });
        c.pfnAttendu();
        EXPECT_EQ(noms, Noms());
        EXPECT_EQ(Caret(c.nCol, c.nLgn), WindowText(HWNDCARETPOSITION));
    }

    for (int i = PMULBLA->nSeq; i > 0; i--)
        Commande(3015);
    ASSERT_EQ(0, PMULBLA->nSeq);
    for (int id : { 3012, 3019, 3014, 3015, 3016, 3017, 3018, 3020 }) {
        BoxAnswerer answerer({ IDOK });
        Commande(id);
        PumpMessages(20);
        vus.clear();
        for (const BoxSeen &b : answerer.Seen())
            vus.push_back(b.szText + (b.hOwner == hWndMulBla ? "" : " (elsewhere)"));
        EXPECT_EQ(id == 3012 || id == 3019 ? std::vector<std::string>{ "The editor has no sequence left." }
                                           : std::vector<std::string>{},
                  vus) << "command " << id;
        EXPECT_EQ(nullptr, HWNDFINDPAT);
    }
}

/* The limits open at their values; one beyond 0 ... nSeq is refused with
   the focus on it; OK stores both and remakes the consensus with them. */
TEST_F(EditorTest, ConsensusDialogChecksItsLimits)
{
    OuvreEditeur();
    const std::string szAvant = PMULBLA->szConsensus, szRefus = "Invalid value.\nPlease, retry.";
    std::vector<std::string> vus;
    auto seen = Dialogue(3019, [&](HWND hDlg) {
        vus.push_back(Textes(hDlg, { IDC_CONS_POINT, IDC_CONS_STRICT }));
        for (const char *s : { "18 2", "3 -1", "3 2" }) {
            SetDlgItemTextA(hDlg, IDC_CONS_POINT, std::string(s, (const char *)strchr(s, ' ')).c_str());
            SetDlgItemTextA(hDlg, IDC_CONS_STRICT, strchr(s, ' ') + 1);
            Click(hDlg, IDOK);
            vus.push_back(std::to_string(IsWindow(hDlg) ? GetDlgCtrlID(GetFocus()) : 0));
        }
    }, { Press(IDOK), Press(IDOK) });
    EXPECT_EQ((std::vector<std::string>{ "Make a consensus", szRefus, szRefus }), seen);
    EXPECT_EQ((std::vector<std::string>{ "8|8", std::to_string(IDC_CONS_POINT), std::to_string(IDC_CONS_STRICT),
                                         "0" }),
              vus)
        << "the limits at opening (17 rows), then the focus after each OK (0: the dialog ended)";
    EXPECT_EQ((std::vector<int>{ 3, 2 }), (std::vector<int>{ PMULBLA->nPointLimit, PMULBLA->nStrictLimit }));
    std::string szAttendu(PMULBLA->nTaille, '?');
    CreeConsensus(PMULBLA, &szAttendu[0], 3, 2);
    EXPECT_EQ(szAttendu, PMULBLA->szConsensus);
    EXPECT_NE(szAvant, PMULBLA->szConsensus) << "the limits made a different consensus";
}

/* The pattern finder opens on copies of the rows as they are, with their
   names: a motif typed into two rows (inserted in one, written over in
   the other) is found there; the finder goes with the editor. */
TEST_F(EditorTest, FindPatternSearchesTheEditedRows)
{
    OuvreEditeur();
    std::string szTables = HALYARD_FIXTURES "/../../findpat/tables";
    std::replace(szTables.begin(), szTables.end(), '/', '\\');
    DefinitRepertoireTables(szTables.c_str());
    auto Tape = [](const char *sz) {
        for (const char *p = sz; *p != '\0'; p++)
            Envoie({ Car(*p) });
    };
    Envoie({ Bas(VK_DOWN) });
    Tape("wwwhhh");
    Envoie({ Bas(VK_DOWN), Bas(VK_DOWN), Haut(VK_INSERT) });
    Tape("wwwhhh");
    ASSERT_EQ(Caret(13, 4), WindowText(HWNDCARETPOSITION));

    Commande(3020);
    HWND hFinder = HWNDFINDPAT, hListe = GetDlgItem(hFinder, IDC_FP_SEQUENCES);
    ASSERT_NE(nullptr, hFinder);
    EXPECT_EQ(hWndMulBla, GetWindow(hFinder, GW_OWNER));
    ASSERT_EQ(PMULBLA->nSeq, ListBox_GetCount(hListe));
    for (int i = 0; i < PMULBLA->nSeq; i++) {
        char sz[64] = "";
        ListBox_GetText(hListe, i, sz);
        EXPECT_EQ(Noms()[i], sz);
    }
    SetDlgItemTextA(hFinder, IDC_FP_MOTIF, "WWWHHH");
    ListBox_SetSel(hListe, TRUE, -1);
    Click(hFinder, IDOK);
    EXPECT_EQ(std::string(PMULBLA->pSeqMul[1]->szName) + " [0]\n  WWWHHH [1]\n       1 : -- 1<WWWHHH>6 -- [2]\n"
                  + PMULBLA->pSeqMul[3]->szName + " [0]\n  WWWHHH [1]\n       1 : -- 7<WWWHHH>12 -- [2]\n",
              TreeText(GetDlgItem(hFinder, IDC_FP_ARBRE)));

    DestroyWindow(hWndMulBla);
    EXPECT_FALSE(IsWindow(hFinder));
    EXPECT_EQ(nullptr, HWNDFINDPAT);
    DefinitRepertoireTables(NULL);
}

} // namespace
