/* The VazEva editor's commands under Wine, on the sample report (17 rows
   of 412 columns): the MSF dialog driven through its controls, the
   rename and consensus dialogs, the row commands with the caret field
   following, an editor left with no row, and the pattern finder opened
   on the edited rows. */
#include <algorithm>

#include "editorfixture.h"
#include "findpatwin.h"

namespace {

const char BAD_RANGE[] = "Invalid Range.\nPlease retry.";

std::string DossierTemp()
{
    char sz[MAX_PATH];
    GetTempPathA(sizeof sz, sz);
    return sz;
}

/* The first line of a file, "" when it cannot be read. */
std::string PremiereLigne(const std::string &szPath)
{
    char sz[512] = "";
    FILE *f = fopen(szPath.c_str(), "rb");
    if (f != NULL && fgets(sz, sizeof sz, f) == NULL)
        sz[0] = '\0';
    if (f != NULL)
        fclose(f);
    return sz;
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

/* A button pressed as a click does it: the handler runs (and any box it
   opens) before this returns. */
void Clique(HWND hDlg, int id)
{
    SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(hDlg, id));
}

std::string Texte(HWND hDlg, int id) { return WindowText(GetDlgItem(hDlg, id)); }

/* The texts of some controls, joined by "|". */
std::string Textes(HWND hDlg, std::initializer_list<int> ids)
{
    std::string s;
    for (int id : ids)
        s += (s.empty() ? "" : "|") + Texte(hDlg, id);
    return s;
}

/* Every item of a tree, depth first, each followed by "|". */
std::string Arbre(HWND hArbre, HTREEITEM h)
{
    std::string s;
    for (; h != NULL; h = TreeView_GetNextSibling(hArbre, h)) {
        char sz[128] = "";
        TVITEMA it = {};
        it.mask = TVIF_TEXT;
        it.hItem = h;
        it.pszText = sz;
        it.cchTextMax = sizeof sz;
        TreeView_GetItem(hArbre, &it);
        s += std::string(sz) + "|" + Arbre(hArbre, TreeView_GetChild(hArbre, h));
    }
    return s;
}

class EditorCmdTest : public EditorTest {
protected:
    std::vector<std::string> m_aEffacer;   /* files the test may have written */
    char m_szCwd[MAX_PATH] = "";

    void SetUp() override
    {
        EditorTest::SetUp();
        GetCurrentDirectoryA(sizeof m_szCwd, m_szCwd);
        OuvreEditeur();
    }

    void TearDown() override
    {
        EditorTest::TearDown();
        SetCurrentDirectoryA(m_szCwd);
        for (const std::string &sz : m_aEffacer)
            DeleteFileA(sz.c_str());
    }

    static void Commande(int id) { SendMessageA(hWndMulBla, WM_COMMAND, id, 0); }

    static std::vector<std::string> Noms()
    {
        std::vector<std::string> v;
        for (int i = 0; i < PMULBLA->nSeq; i++)
            v.push_back(PMULBLA->pSeqMul[i]->szName);
        return v;
    }

    /* Runs command id with dansDialogue answering its dialog; the boxes
       the dialog opens get IDOK. Returns every box seen. */
    static std::vector<BoxSeen> Dialogue(int id, std::function<void(HWND)> dansDialogue, int nBoites = 0)
    {
        std::vector<BoxAction> actions = { dansDialogue };
        for (int i = 0; i < nBoites; i++)
            actions.push_back(Press(IDOK));
        BoxAnswerer answerer(actions);
        Commande(id);
        PumpMessages(20);
        EXPECT_EQ(0, answerer.Unexpected());
        return answerer.Seen();
    }
};

/* Defaults; the up-down moves the characters a line by tens within 50 ...
   150; From, To and Scale keep only digits, however they are typed. */
TEST_F(EditorCmdTest, MsfDialogKeepsItsFieldsInBounds)
{
    std::string szDefauts, szFiltres;
    std::vector<std::string> valeurs;
    auto seen = Dialogue(3012, [&](HWND hDlg) {
        szDefauts = Textes(hDlg, { 3022, 3021, 3020, 3019, 3024 })
                    + (IsDlgButtonChecked(hDlg, 3026) == BST_CHECKED ? "|ticked" : "|clear");
        for (int nClics : { -1, 1, 1, -1, 12 }) {
            for (int i = 0; i < abs(nClics); i++)
                Fleche(GetDlgItem(hDlg, 3025), nClics > 0);
            valeurs.push_back(Texte(hDlg, 3024));
        }
        SetDlgItemTextA(hDlg, 3021, "12a3");
        SetDlgItemTextA(hDlg, 3020, "-5.0");
        SetDlgItemTextA(hDlg, 3019, "x");
        SendDlgItemMessageA(hDlg, 3021, EM_SETSEL, 1, 1);
        for (char c : { 'z', '9' })
            SendDlgItemMessageA(hDlg, 3021, WM_CHAR, (WPARAM)c, 1);
        szFiltres = Textes(hDlg, { 3021, 3020, 3019 });
        Clique(hDlg, IDCANCEL);
    });
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ("Save a MSF file", seen[0].szCaption);
    EXPECT_EQ(hWndMulBla, seen[0].hOwner);
    EXPECT_EQ("sample.msf|1|412|1|50|ticked", szDefauts);
    EXPECT_EQ((std::vector<std::string>{ "50", "60", "70", "60", "150" }), valeurs);
    /* "z" typed after the first digit is dropped, "9" then goes there */
    EXPECT_EQ("1923|50|", szFiltres);
    EXPECT_EQ(HWNDMULBLAALIGN, GetFocus());
}

/* Each refused range says so over the dialog, which stays open with the
   focus on From; the shortest range accepted is 31 columns. */
TEST_F(EditorCmdTest, MsfDialogRefusesAnInvalidRange)
{
    const std::string szPath = DossierTemp() + "rangetest.msf";
    m_aEffacer.push_back(szPath);
    const std::vector<std::string> refus = { "0-100", "10-39", "50-40", "1-413", "-412" };
    std::vector<std::string> vus;
    auto seen = Dialogue(3012, [&](HWND hDlg) {
        SetDlgItemTextA(hDlg, 3022, szPath.c_str());
        for (std::string sz : refus) {
            SetDlgItemTextA(hDlg, 3021, sz.substr(0, sz.find('-')).c_str());
            SetDlgItemTextA(hDlg, 3020, sz.substr(sz.find('-') + 1).c_str());
            Clique(hDlg, IDOK);
            vus.push_back(Textes(hDlg, { 3021 }) + "-" + Texte(hDlg, 3020)
                          + (GetFocus() == GetDlgItem(hDlg, 3021) ? "" : " focus elsewhere"));
        }
        SetDlgItemTextA(hDlg, 3021, "10");
        SetDlgItemTextA(hDlg, 3020, "40");
        Clique(hDlg, IDOK);
    }, (int)refus.size());
    ASSERT_EQ(1 + refus.size(), seen.size());
    EXPECT_EQ(refus, vus);
    for (size_t i = 1; i < seen.size(); i++) {
        EXPECT_EQ(BAD_RANGE, seen[i].szText) << refus[i - 1];
        EXPECT_EQ(seen[0].hWnd, seen[i].hOwner) << refus[i - 1];
    }
    EXPECT_EQ(" " + szPath + "  MSF:   31  Type: P  PileUp-like from Blast  Check: 1996  ..\r\n",
              PremiereLigne(szPath));
}

/* A file that cannot be written is named in a notice and the dialog waits
   for another name; one chosen with "File name:" goes to the folder
   chosen, its base name cut to 10 characters, and OK then ends it. */
TEST_F(EditorCmdTest, MsfDialogEndsOnlyOnceTheFileIsWritten)
{
    const std::string szDossier = DossierTemp(), szManquant = szDossier + "no such folder\\lost.msf";
    const std::string szEcrit = szDossier + "verylongna.msf";
    m_aEffacer.push_back(szEcrit);
    DeleteFileA(szEcrit.c_str());
    bool bOuvertApresEchec = false;
    std::string szChoisi;
    BoxAnswerer answerer({
        [&](HWND hDlg) {
            SetDlgItemTextA(hDlg, 3022, szManquant.c_str());
            Clique(hDlg, IDOK);
            bOuvertApresEchec = IsWindow(hDlg) && IsWindowEnabled(hDlg);
            Clique(hDlg, 3023);
            szChoisi = Texte(hDlg, 3022);
            Clique(hDlg, IDOK);
        },
        Press(IDOK),
        TypeAndPress(0x47C, szDossier + "verylongname.txt", IDOK),
    });
    Commande(3012);
    const auto &seen = answerer.Seen();
    ASSERT_EQ(3u, seen.size());
    EXPECT_EQ("Unable to write the file " + szManquant + ".\nNothing was saved; please choose another name or folder.",
              seen[1].szText);
    EXPECT_EQ(seen[0].hWnd, seen[1].hOwner);
    EXPECT_TRUE(bOuvertApresEchec);
    EXPECT_EQ("Save a MSF file", seen[2].szCaption);
    EXPECT_EQ("verylongname.txt", szChoisi);
    EXPECT_FALSE(IsWindow(seen[0].hWnd)) << "the dialog ended with the file written";
    EXPECT_EQ(" verylongna.msf  MSF:  412  Type: P  PileUp-like from Blast  Check: 1996  ..\r\n",
              PremiereLigne(szEcrit));
}

/* The dialog shows the first 10 characters of the name; an empty name is
   refused and the dialog stays; OK renames right-aligned in 10 with the
   coordinates kept, Cancel changes nothing. */
TEST_F(EditorCmdTest, RenameDialogRenamesTheCaretRow)
{
    Envoie({ Bas(VK_DOWN), Bas(VK_DOWN) });
    const std::string szAvant = Noms()[2];
    ASSERT_GT(szAvant.size(), 11u) << szAvant;
    for (int idBouton : { IDCANCEL, IDOK }) {
        SCOPED_TRACE(idBouton);
        std::string szAncien;
        bool bResteOuvert = false;
        auto seen = Dialogue(3014, [&](HWND hDlg) {
            szAncien = Texte(hDlg, 6023);
            Clique(hDlg, IDOK);
            bResteOuvert = IsWindow(hDlg) && GetFocus() == GetDlgItem(hDlg, 6024);
            SetDlgItemTextA(hDlg, 6024, "xyz");
            Clique(hDlg, idBouton);
        }, 1);
        ASSERT_EQ(2u, seen.size());
        EXPECT_EQ("Rename sequence", seen[0].szCaption);
        EXPECT_EQ(szAvant.substr(0, 10), szAncien);
        EXPECT_EQ("Null sequence name is not allowed.\nPlease, retry.", seen[1].szText);
        EXPECT_EQ(seen[0].hWnd, seen[1].hOwner);
        EXPECT_TRUE(bResteOuvert);
        EXPECT_EQ(idBouton == IDOK ? "       xyz " + szAvant.substr(11) : szAvant, Noms()[2]);
        EXPECT_EQ(HWNDMULBLAALIGN, GetFocus());
    }
}

/* Row commands from a caret on row 3: each row name goes where the
   command puts it, and the caret field follows the row. */
TEST_F(EditorCmdTest, RowCommandsMoveTheCaretWithTheRow)
{
    Envoie({ Bas(VK_DOWN), Bas(VK_DOWN) });
    std::vector<std::string> noms = Noms();
    const int S = (int)noms.size(), N = PMULBLA->nTaille;
    auto Echange = [&](int a, int b) { std::swap(noms[a - 1], noms[b - 1]); };
    auto Retire = [&](int m) { noms.erase(noms.begin() + (m - 1)); };
    struct {
        const char *szQuoi;
        std::vector<Touche> touches;   /* before the command (0: Ctrl+Delete) */
        int idCommande;
        std::function<void()> pfnAttendu;
        int nCol, nLgn;                /* the caret after it */
    } cases[] = {
        { "down from 3", {}, 3018, [&] { Echange(3, 4); }, 1, 4 },
        { "up from 4", {}, 3017, [&] { Echange(4, 3); }, 1, 3 },
        { "remove 3", {}, 3015, [&] { Retire(3); }, 1, 2 },
        { "merge 2", {}, 3016, [&] { noms[0] = noms[0].substr(0, noms[0].find(" (")); Retire(2); }, 1, 1 },
        { "up on 1", {}, 3017, [] {}, 1, 1 },
        { "merge on 1", {}, 3016, [] {}, 1, 1 },
        { "down on the last row", { Bas(VK_END) }, 3018, [] {}, N, S - 2 },
        { "remove the last row", {}, 3015, [&] { Retire(S - 2); }, N, S - 3 },
        /* Ctrl is still held when the row goes: the caret moves one row,
           not a page */
        { "Ctrl+Delete on 12", { Bas(VK_UP), Bas(VK_UP) }, 0, [&] { Retire(S - 5); }, N, S - 6 },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.szQuoi);
        Envoie(c.touches);
        if (c.idCommande != 0)
            Commande(c.idCommande);
        else
            Envoie({ Bas(VK_CONTROL), Bas(VK_DELETE), Haut(VK_DELETE), Haut(VK_CONTROL) });
        c.pfnAttendu();
        EXPECT_EQ(noms, Noms());
        EXPECT_EQ(Caret(c.nCol, c.nLgn), WindowText(HWNDCARETPOSITION));
    }
}

/* The limits open at their values; one beyond 0 ... nSeq is refused with
   the focus on it; OK stores both and remakes the consensus with them. */
TEST_F(EditorCmdTest, ConsensusDialogChecksItsLimits)
{
    const int S = PMULBLA->nSeq;
    const std::string szAvant = PMULBLA->szConsensus;
    const char *saisies[][2] = { { "18", "2" }, { "3", "-1" }, { "-1", "20" }, { "3", "2" } };
    std::string szOuverture;
    std::vector<int> focus;
    auto seen = Dialogue(3019, [&](HWND hDlg) {
        szOuverture = Textes(hDlg, { 6025, 6026 });
        for (const auto &s : saisies) {
            SetDlgItemTextA(hDlg, 6025, s[0]);
            SetDlgItemTextA(hDlg, 6026, s[1]);
            Clique(hDlg, IDOK);
            focus.push_back(IsWindow(hDlg) ? GetDlgCtrlID(GetFocus()) : 0);
        }
    }, 3);
    ASSERT_EQ(4u, seen.size());
    EXPECT_EQ("Make a consensus", seen[0].szCaption);
    EXPECT_EQ(std::to_string(S / 2) + "|" + std::to_string(S / 2), szOuverture);
    for (int i = 1; i < 4; i++) {
        EXPECT_EQ("Invalid value.\nPlease, retry.", seen[i].szText) << "box " << i;
        EXPECT_EQ(seen[0].hWnd, seen[i].hOwner) << "box " << i;
    }
    EXPECT_EQ((std::vector<int>{ 6025, 6026, 6025, 0 }), focus) << "0: the dialog ended";
    EXPECT_EQ(3, PMULBLA->nPointLimit);
    EXPECT_EQ(2, PMULBLA->nStrictLimit);
    std::string szAttendu(PMULBLA->nTaille, '?');
    CreeConsensus(PMULBLA, &szAttendu[0], 3, 2);
    EXPECT_EQ(szAttendu, PMULBLA->szConsensus);
    EXPECT_NE(szAvant, PMULBLA->szConsensus) << "the limits made a different consensus";
}

/* Every row removed: Save and Consensus say there is no row; the other
   commands do nothing. */
TEST_F(EditorCmdTest, AnEditorWithNoRowLeft)
{
    for (int i = PMULBLA->nSeq; i > 0; i--)
        Commande(3015);
    ASSERT_EQ(0, PMULBLA->nSeq);
    for (int id : { 3012, 3019, 3014, 3015, 3016, 3017, 3018, 3020 }) {
        SCOPED_TRACE(id);
        BoxAnswerer answerer({ IDOK });
        Commande(id);
        PumpMessages(20);
        bool bDit = id == 3012 || id == 3019;
        ASSERT_EQ(bDit ? 1u : 0u, answerer.Seen().size());
        if (bDit) {
            EXPECT_EQ("The editor has no sequence left.", answerer.Seen()[0].szText);
            EXPECT_EQ(hWndMulBla, answerer.Seen()[0].hOwner);
        }
        EXPECT_EQ(nullptr, HWNDFINDPAT);
    }
}

/* A motif typed into two rows (inserted at the start of row 2, written
   over columns 7-12 of row 4) is found there by the pattern finder opened
   on the rows; the finder goes with the editor. */
TEST_F(EditorCmdTest, FindPatternSearchesTheEditedRows)
{
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
    HWND hFinder = HWNDFINDPAT;
    ASSERT_NE(nullptr, hFinder);
    EXPECT_EQ(hWndMulBla, GetWindow(hFinder, GW_OWNER));
    HWND hListe = GetDlgItem(hFinder, IDC_FP_SEQUENCES);
    ASSERT_EQ(PMULBLA->nSeq, ListBox_GetCount(hListe));
    char sz[64];
    ListBox_GetText(hListe, 3, sz);
    EXPECT_STREQ(PMULBLA->pSeqMul[3]->szName, sz);

    SetDlgItemTextA(hFinder, IDC_FP_MOTIF, "WWWHHH");
    ListBox_SetSel(hListe, TRUE, -1);
    Clique(hFinder, IDOK);
    HWND hArbre = GetDlgItem(hFinder, IDC_FP_ARBRE);
    EXPECT_EQ(std::string(PMULBLA->pSeqMul[1]->szName) + "|WWWHHH|   1 : -- 1<WWWHHH>6 --|"
                  + PMULBLA->pSeqMul[3]->szName + "|WWWHHH|   1 : -- 7<WWWHHH>12 --|",
              Arbre(hArbre, TreeView_GetRoot(hArbre)));

    DestroyWindow(hWndMulBla);
    EXPECT_FALSE(IsWindow(hFinder));
    EXPECT_EQ(nullptr, HWNDFINDPAT);
    DefinitRepertoireTables(NULL);
}

} // namespace
