/* The VazEva editor on the sample report (17 rows of 412 columns), driven
   as a user drives it; what lies behind it is tested natively. */
#include <stdio.h>

#include <algorithm>
#include <fstream>
#include <functional>

#include "findpatwin.h"
#include "mainfixture.h"
#include "mulbwin.h"

namespace {

struct Touche { UINT uMsg; WPARAM wParam; }; /* one message to the alignment pane */
Touche Bas(UINT vk) { return { WM_KEYDOWN, vk }; }
Touche Haut(UINT vk) { return { WM_KEYUP, vk }; }
Touche Car(char c) { return { WM_CHAR, (WPARAM)(unsigned char)c }; }

std::string Caret(int n, int m) /* the caret field's text */
{
    char sz[32];
    snprintf(sz, sizeof sz, "%4d,%4d", n, m);
    return sz;
}

std::string Textes(HWND hDlg, std::initializer_list<int> ids) /* joined by "|" */
{
    std::string s;
    for (int id : ids)
        s += (s.empty() ? "" : "|") + WindowText(GetDlgItem(hDlg, id));
    return s;
}

void Envoie(const std::vector<Touche> &touches)
{
    for (const Touche &t : touches)
        SendMessageA(HWNDMULBLAALIGN, t.uMsg, t.wParam, t.uMsg == WM_KEYUP ? 0xC0000001 : 1);
}

SIZE Police() /* as the panes measure it */
{
    SIZE f = { 0, 0 };
    MesurePolice(HWNDMULBLAALIGN, HFNTEDITOR, &f.cx, &f.cy);
    return f;
}

std::vector<std::string> Noms()
{
    std::vector<std::string> v;
    for (int i = 0; i < PMULBLA->nSeq; i++)
        v.push_back(PMULBLA->pSeqMul[i]->szName);
    return v;
}

/* Runs command id, dansDialogue answering its dialog and actions the boxes
   that opens: the dialog's caption, then each box's text, marked when the
   dialog does not own it or when it has Yes and No. */
std::vector<std::string> Dialogue(int id, BoxAction dansDialogue, std::vector<BoxAction> actions = {})
{
    actions.insert(actions.begin(), dansDialogue);
    BoxAnswerer answerer(actions);
    SendMessageA(hWndMulBla, WM_COMMAND, id, 0);
    PumpMessages(20);
    EXPECT_EQ(0, answerer.Unexpected());
    std::vector<std::string> v;
    for (const BoxSeen &b : answerer.Seen())
        v.push_back((v.empty() || b.szText.empty() ? b.szCaption : b.szText)
                    + (v.empty() || b.hOwner == answerer.Seen()[0].hWnd ? "" : " (elsewhere)")
                    + (b.bYes ? " (yes/no)" : ""));
    return v;
}

class EditorTest : public MainWindowTest {
protected:
    std::string m_szEcrit; /* a file the test may write */

    void SetUp() override
    {
        MainWindowTest::SetUp();
        ASSERT_EQ(1, Open(SAMPLE_REPORT));
        PumpMessages(20);
    }
    void TearDown() override
    {
        if (hWndMulBla != NULL)
            DestroyWindow(hWndMulBla);
        MainWindowTest::TearDown();
        DeleteFileA(m_szEcrit.c_str());
    }
    /* Selects every HSP, then F3, with no box expected. */
    void OuvreEditeur()
    {
        Command(hWndMain, 3006);
        BoxAnswerer answerer(std::vector<BoxAction>{});
        Key(VK_F3);
        ASSERT_EQ(0u, answerer.Seen().size()) << "first box: " << answerer.Seen()[0].szText;
        ASSERT_EQ(HWNDMULBLAALIGN, GetFocus()) << "the editor open, its pane active";
    }
};

/* One pass: F3, keys and typing in the pane (Backspace, Delete and Insert
   act when released), the scale, the dialogs, the row commands on the
   caret row, the pattern finder; then the editor emptied, and closed. */
TEST_F(EditorTest, OnePass)
{
    auto Coche3010 = [] {
        SendMessageA(hWndMain, WM_INITMENU, (WPARAM)GetMenu(hWndMain), 0);
        return GetMenuState(GetMenu(hWndMain), 3010, MF_BYCOMMAND) & MF_CHECKED;
    };
    auto Etat = [] { return WindowText(HWNDINSERTSTATE) + "|" + WindowText(HWNDCARETPOSITION); };
    Command(hWndMain, 3006), Command(hWndMain, 3007);
    {
        BoxAnswerer answerer({ IDOK });
        Key(VK_F3);
        EXPECT_EQ(std::vector<std::string>{ "VazEva editor|No sequences selected." }, answerer.Texts());
        EXPECT_EQ(hWndMain, answerer.Seen().empty() ? (HWND)NULL : answerer.Seen()[0].hOwner);
    }
    OuvreEditeur();
    EXPECT_EQ(MF_CHECKED, Coche3010());

    const int N = PMULBLA->nTaille, S = PMULBLA->nSeq, W = PMULBLA->wndlength;
    RECT rc;
    GetClientRect(HWNDMULBLAALIGN, &rc);
    const SIZE fE = Police();
    const int P = RoundFloat((float)rc.right / (float)fE.cx);
    const struct { std::vector<Touche> touches; int nCol, nLgn, nHdecal; } keys[] = {
        { { Bas(VK_RIGHT), Bas(VK_DOWN), Bas(VK_LEFT), Bas(VK_UP), Bas(VK_CONTROL), Bas(VK_RIGHT), Haut(VK_CONTROL) },
          1 + P, 1, -2 + W }, /* Ctrl up: the Right keys below step one column */
        { { Bas(VK_END) }, N, S, N - W + 2 },
        { { Bas(VK_HOME), Bas(VK_DOWN), Bas(VK_RIGHT), Bas(VK_RIGHT), Bas(VK_RIGHT), Bas(VK_RIGHT) }, 5, 2, -2 }};
    for (const auto &c : keys) {
        Envoie(c.touches);
        EXPECT_EQ(Caret(c.nCol, c.nLgn) + "|" + std::to_string(c.nHdecal) + "|" + std::to_string(c.nHdecal),
                  WindowText(HWNDCARETPOSITION) + "|" + std::to_string(PMULBLA->nHdecal) + "|"
                      + std::to_string(GetScrollPos(HWNDMULBLAALIGN, SB_HORZ))) << "caret, first column, scroll bar";
    }
    const std::string s = PMULBLA->pSeqMul[1]->szSeq;
    const struct { std::vector<Touche> touches; std::string szRow, szMode; int nCol; } edits[] = {
        { { Car('a'), Car('7'), Car('*'), Bas(VK_BACK) }, s.substr(0, 4) + "A" + s.substr(4, 3), "Insert", 6 },
        { { Haut(VK_BACK) }, s.substr(0, 8), "Insert", 5 },
        { { Haut(VK_INSERT), Car(' '), Bas(VK_DELETE), Haut(VK_DELETE) }, s.substr(0, 4) + "." + s.substr(6, 3), "Replace", 6 }};
    for (const auto &c : edits) {
        Envoie(c.touches);
        EXPECT_EQ(c.szRow + "|" + c.szMode + "|" + Caret(c.nCol, 2),
                  std::string(PMULBLA->pSeqMul[1]->szSeq).substr(0, 8) + "|" + Etat());
    }

    /* The scale's first and last marks: position p centred at (p - nHdecal - 1) * cx. */
    rc = { 0, 0, (N + 8) * fE.cx, 2 * fE.cy };
    auto At = [](const std::string &sz, long x, long y) { return sz + "@" + std::to_string(x) + "," + std::to_string(y); };
    std::vector<std::string> marques;
    for (const EmfText &t : Record([&](HDC hdc) { DessineMulBlaScale(hdc, &rc); }).texts)
        marques.push_back(At(t.A(), t.pt.x, t.pt.y));
    ASSERT_GE(marques.size(), 5u);
    marques.erase(marques.begin() + 3, marques.end() - 2);
    EXPECT_EQ((std::vector<std::string>{ At("1", 2 * fE.cx, 0), At("|", 2 * fE.cx, fE.cy), At(".", 3 * fE.cx, fE.cy),
                                         At("412", 413 * fE.cx, 0), At("|", 413 * fE.cx, fE.cy) }), marques) << "the scale";

    /* The font dialog opens at the editor's size (12 points first); OK sets
       it and lays the panes out again, the scroll bar fitted to the new
       width, the caret still on the last cell; Cancel keeps it, as the
       next opening shows. */
    Envoie({ Bas(VK_END) });
    const struct { int nDepart, nPos, idBouton; } fonts[] = { { 12, 20, IDOK }, { 20, 8, IDCANCEL }, { 20, 20, IDCANCEL } };
    for (const auto &c : fonts) {
        std::string szVu;
        Dialogue(3013, [&](HWND hDlg) {
            HWND hTrack = GetDlgItem(hDlg, IDC_FONT_TRACK);
            szVu = std::to_string(SendMessageA(hTrack, TBM_GETPOS, 0, 0));
            SendMessageA(hTrack, TBM_SETPOS, TRUE, c.nPos);
            SendMessageA(hDlg, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, c.nPos), (LPARAM)hTrack);
            szVu += "|" + WindowText(GetDlgItem(hDlg, IDC_FONT_SIZE));
            Press(c.idBouton)(hDlg);
        });
        EXPECT_EQ(std::to_string(c.nDepart) + "|" + std::to_string(c.nPos), szVu) << "the trackbar, the size shown";
        SIZE f = Police();
        GetClientRect(HWNDMULBLAALIGN, &rc);
        GUITHREADINFO gti = {};
        gti.cbSize = sizeof gti;
        ASSERT_TRUE(GetGUIThreadInfo(GetCurrentThreadId(), &gti));
        EXPECT_NEAR((double)rc.right / f.cx, PMULBLA->wndlength, 1) << "columns shown";
        EXPECT_EQ((std::vector<long>{ std::min(PMULBLA->nHdecal, N - PMULBLA->wndlength + 2),
                                      N - 2 - PMULBLA->nHdecal, S - 1 - PMULBLA->nVdecal, f.cy }),
                  (std::vector<long>{ GetScrollPos(HWNDMULBLAALIGN, SB_HORZ), gti.rcCaret.left / f.cx,
                                      gti.rcCaret.top / f.cy, gti.rcCaret.bottom - gti.rcCaret.top }))
            << "scroll position, the caret's column, row and height";
    }

    const std::string szDossier = TempPath(""), szManquant = szDossier + "no such folder\\lost.msf";
    m_szEcrit = szDossier + "verylongna.msf";
    DeleteFileA(m_szEcrit.c_str());
    std::vector<std::string> vus;
    auto seen = Dialogue(3012, [&](HWND hDlg) {
        vus.push_back(Textes(hDlg, { IDC_MSF_FILENAME, IDC_MSF_FROM, IDC_MSF_TO, IDC_MSF_SCALE, IDC_MSF_NCHAR })
                      + (IsDlgButtonChecked(hDlg, IDC_MSF_CONSENSUS) == BST_CHECKED ? "|ticked" : "|clear"));
        HWND hUpDown = GetDlgItem(hDlg, IDC_MSF_UPDOWN);
        RECT rc;
        GetClientRect(hUpDown, &rc);
        SendMessageA(hUpDown, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rc.right / 2, rc.bottom / 4)); /* the up arrow */
        SendMessageA(hUpDown, WM_LBUTTONUP, 0, MAKELPARAM(rc.right / 2, rc.bottom / 4));
        SetDlgItemTextA(hDlg, IDC_MSF_FROM, "12a3");
        SetDlgItemTextA(hDlg, IDC_MSF_TO, "-5.0");
        SetDlgItemTextA(hDlg, IDC_MSF_SCALE, "x");
        SendDlgItemMessageA(hDlg, IDC_MSF_FROM, EM_SETSEL, 1, 1);
        for (char c : { 'z', '9' }) /* "z" dropped after the first digit, "9" goes there */
            SendDlgItemMessageA(hDlg, IDC_MSF_FROM, WM_CHAR, (WPARAM)c, 1);
        vus.push_back(Textes(hDlg, { IDC_MSF_NCHAR, IDC_MSF_FROM, IDC_MSF_TO, IDC_MSF_SCALE }));
        SetDlgItemTextA(hDlg, IDC_MSF_FROM, "10");
        SetDlgItemTextA(hDlg, IDC_MSF_TO, "413"); /* a range beyond the rows */
        Click(hDlg, IDOK);
        vus.push_back(GetFocus() == GetDlgItem(hDlg, IDC_MSF_FROM) ? "on From" : "elsewhere");
        SetDlgItemTextA(hDlg, IDC_MSF_TO, "40");
        SetDlgItemTextA(hDlg, IDC_MSF_FILENAME, szManquant.c_str()); /* a file in no folder */
        Click(hDlg, IDOK);
        vus.push_back(IsWindowVisible(hDlg) && IsWindowEnabled(hDlg) ? "open" : "ended");
        Click(hDlg, IDC_MSF_FILEBTN);
        vus.push_back(Textes(hDlg, { IDC_MSF_FILENAME }));
        Click(hDlg, IDOK);
    }, { Press(IDOK), Press(IDOK), TypeAndPress(0x47C, szDossier + "verylongname.txt", IDOK) });
    EXPECT_EQ((std::vector<std::string>{ "Save a MSF file", "Invalid Range.\nPlease retry.",
                                         "Unable to write the file " + szManquant
                                             + ".\nNothing was saved; please choose another name or folder.",
                                         "Save a MSF file" }),
              seen);
    EXPECT_EQ((std::vector<std::string>{ "sample.msf|1|412|1|50|ticked", "60|1923|50|",
                                         "on From", "open", "verylongname.txt" }),
              vus);
    std::string szLigne;
    std::getline(std::ifstream(m_szEcrit, std::ios::binary), szLigne);
    EXPECT_EQ(" verylongna.msf  MSF:   31  Type: P  PileUp-like from Blast  Check: 1996  ..\r", szLigne);

    const std::string szRefus = "Invalid value.\nPlease, retry.";
    vus.clear();
    seen = Dialogue(3019, [&](HWND hDlg) {
        vus.push_back(Textes(hDlg, { IDC_CONS_POINT, IDC_CONS_STRICT }));
        for (const char *s : { "18 2", "3 -1", "3 2" }) {
            SetDlgItemTextA(hDlg, IDC_CONS_POINT, std::string(s, (const char *)strchr(s, ' ')).c_str());
            SetDlgItemTextA(hDlg, IDC_CONS_STRICT, strchr(s, ' ') + 1);
            Click(hDlg, IDOK);
            vus.push_back(std::to_string(IsWindow(hDlg) ? GetDlgCtrlID(GetFocus()) : 0));
        }
    }, { Press(IDOK), Press(IDOK) });
    EXPECT_EQ((std::vector<std::string>{ "Make a consensus", szRefus, szRefus }), seen);
    EXPECT_EQ((std::vector<std::string>{ "8|8", std::to_string(IDC_CONS_POINT), std::to_string(IDC_CONS_STRICT), "0" }),
              vus) << "the limits at opening (17 rows), then the focus after each OK (0: the dialog ended)";
    std::string szCons(PMULBLA->nTaille, '?');
    CreeConsensus(PMULBLA, &szCons[0], 3, 2);
    EXPECT_EQ(std::make_tuple(3, 2, szCons),
              std::make_tuple(PMULBLA->nPointLimit, PMULBLA->nStrictLimit, std::string(PMULBLA->szConsensus)));

    std::vector<std::string> noms = Noms();
    Dialogue(3014, [](HWND hDlg) { SetDlgItemTextA(hDlg, IDC_REN_NEW, "abc"), Click(hDlg, IDCANCEL); });
    Envoie({ Bas(VK_HOME), Bas(VK_DOWN), Bas(VK_DOWN) });
    vus.clear();
    seen = Dialogue(3014, [&](HWND hDlg) {
        vus.push_back(Textes(hDlg, { IDC_REN_OLD }));
        Click(hDlg, IDOK);
        vus.push_back(IsWindow(hDlg) && GetFocus() == GetDlgItem(hDlg, IDC_REN_NEW) ? "open" : "gone");
        SetDlgItemTextA(hDlg, IDC_REN_NEW, "xyz");
        Click(hDlg, IDOK);
    }, { Press(IDOK) });
    EXPECT_EQ((std::vector<std::string>{ "Rename sequence", "Null sequence name is not allowed.\nPlease, retry.",
                                         noms[2].substr(0, 10), "open" }),
              (std::vector<std::string>{ seen.at(0), seen.at(1), vus.at(0), vus.at(1) }));
    noms[2] = "       xyz " + noms[2].substr(11);
    EXPECT_EQ(noms, Noms());

    auto Retire = [&](int m) { noms.erase(noms.begin() + (m - 1)); };
    const struct {
        int idCommande; /* 0: Ctrl+Delete on the third row from the end */
        std::function<void()> pfnAttendu;
        int nCol, nLgn; /* the caret after it */
    } cases[] = {
        { 3018, [&] { std::swap(noms[2], noms[3]); }, 1, 4 },
        { 3017, [&] { std::swap(noms[2], noms[3]); }, 1, 3 },
        { 3016, [&] { noms[1] = noms[1].substr(0, noms[1].find(" (")); Retire(3); }, 1, 2 },
        { 3015, [&] { Retire(2); }, 1, 1 },
        /* Ctrl is still held when the row goes: the caret moves one row, not a page */
        { 0, [&] { Retire(S - 4); }, N, S - 5 }};
    for (const auto &c : cases) {
        if (c.idCommande != 0)
            Command(hWndMulBla, c.idCommande);
        else
            Envoie({ Bas(VK_END), Bas(VK_UP), Bas(VK_UP), Bas(VK_CONTROL), Bas(VK_DELETE), Haut(VK_DELETE), Haut(VK_CONTROL) });
        c.pfnAttendu();
        EXPECT_EQ(noms, Noms()) << "command " << c.idCommande;
        EXPECT_EQ(Caret(c.nCol, c.nLgn), WindowText(HWNDCARETPOSITION)) << "command " << c.idCommande;
    }
    HWND hWndEditeur = hWndMulBla;
    for (int idRep : { IDNO, IDYES }) {
        BoxAnswerer answerer({ idRep });
        Key(VK_F3);
        EXPECT_EQ(std::vector<std::string>{ "VazEva editor|Exit the editor ?" }, answerer.Texts());
        EXPECT_EQ(idRep == IDNO, hWndMulBla == hWndEditeur && IsWindow(hWndEditeur) && PMULBLA != NULL);
    }
    EXPECT_EQ(0u, Coche3010());

    /* The finder, owned by the editor, lists every row; a motif inserted
       in row 2 is found there under the row's name; it goes with the editor. */
    OuvreEditeur();
    DefinitRepertoireTables(HALYARD_FIXTURES "/../../findpat/tables");
    Envoie({ Bas(VK_DOWN), Car('w'), Car('w'), Car('w'), Car('h'), Car('h'), Car('h') });
    Command(hWndMulBla, 3020);
    HWND hFinder = HWNDFINDPAT;
    EXPECT_EQ(PMULBLA->nSeq, ListBox_GetCount(GetDlgItem(hFinder, IDC_FP_SEQUENCES)));
    SetDlgItemTextA(hFinder, IDC_FP_MOTIF, "WWWHHH");
    Click(hFinder, IDC_SELECTALL);
    Click(hFinder, IDOK);
    EXPECT_EQ(Noms()[1] + " [0]\n  WWWHHH [1]\n       1 : -- 1<WWWHHH>6 -- [2]\n",
              TreeText(GetDlgItem(hFinder, IDC_FP_ARBRE)));
    DefinitRepertoireTables(NULL);
    DestroyWindow(hWndMulBla);
    EXPECT_EQ(std::make_pair(FALSE, (HWND)NULL), std::make_pair(IsWindow(hFinder), HWNDFINDPAT));

    OuvreEditeur();
    for (int i = PMULBLA->nSeq; i > 0; i--)
        Command(hWndMulBla, 3015);
    ASSERT_EQ(0, PMULBLA->nSeq);
    for (int id : { 3012, 3019, 3014, 3015, 3016, 3017, 3018, 3020 }) {
        BoxAnswerer answerer({ IDOK });
        Command(hWndMulBla, id);
        PumpMessages(20);
        EXPECT_EQ(id == 3012 || id == 3019 ? 1u : 0u, answerer.Seen().size()) << "command " << id;
        for (const BoxSeen &b : answerer.Seen())
            EXPECT_EQ("The editor has no sequence left.|1", b.szText + "|" + std::to_string(b.hOwner == hWndMulBla));
        EXPECT_EQ(nullptr, HWNDFINDPAT);
    }
    hWndEditeur = hWndMulBla; /* another report closes it without a word */
    BoxAnswerer answerer(std::vector<BoxAction>{});
    EXPECT_EQ(1, Open(SAMPLE_REPORT));
    EXPECT_EQ(std::make_tuple((size_t)0, (HWND)NULL, (pMulBlaData)NULL, FALSE),
              std::make_tuple(answerer.Seen().size(), hWndMulBla, PMULBLA, IsWindow(hWndEditeur)));
}

} // namespace
