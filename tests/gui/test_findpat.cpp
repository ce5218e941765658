/* The pattern finder's dialogs under Wine: "Find pattern(s)" driven with
   messages; "List of patterns", the Open dialog and the notices answered
   by BoxAnswerer; the results tree read back as indented text. */
#include <gtest/gtest.h>
#include <windows.h>
#include <windowsx.h>
#include <commctrl.h>

#include <string.h>

#include <algorithm>

#include "HALYARD.h"
#include "findpatwin.h"
#include "harness.h"

namespace {

std::string Win(std::string sz)
{
    std::replace(sz.begin(), sz.end(), '/', '\\');
    return sz;
}
const std::string szDonnees = Win(HALYARD_FIXTURES "/findpat_gui"), szTables = Win(HALYARD_FIXTURES "/../../findpat/tables");

/* The sequences as the editor passes them, and where K(DE)E{4}H matches. */
const char *const SEQS[] = {
    "MAAKDEGGGHAAKEEGGHRGD",  /* SEQ1: 4-6 with 10, 13-15 with 18; RGD 19-21 */
    "NNTSAKDEH",              /* SEQ2: 6-8 with 9; NX(ST) 1-3                 */
    "AKDEGGHAAKDEH",          /* SEQ3: 2-4 with 7, 10-12 with 13              */
    "KD-EH..RG-D",            /* SEQ4: the gaps break every pattern           */
};
const char *const NAMES[] = { "SEQ1", "SEQ2", "SEQ3", "SEQ4" };
const int NSEQS = 4;
const char *const kKdeSeq1 = "SEQ1 [0]\n  K(DE)E{4}H [1]\n       1 : -- 4<KDE>6 ---- 10<H>10 -- [2]\n"
                             "       2 : -- 13<KEE>15 ---- 18<H>18 -- [2]\n";
const char *const kRgdSeq1 = "SEQ1 [0]\n  RGD [1]\n       1 : -- 19<RGD>21 -- [2]\n";
const char *const kEncore = "Find patterns|This error could occur again.\nWould-you like to continue ?";
const char *const kSyntaxe = "Find patterns|Invalid pattern (syntax error).";

/* Copies from the memory services, as the editor makes them. */
char **Copies(const char *const *sz, int n, unsigned cbMin)
{
    char **pp = (char **)MyAlloc((unsigned)n * (unsigned)sizeof(char *));
    for (int i = 0; pp != NULL && i < n; i++) {
        unsigned cb = (unsigned)strlen(sz[i]) + 1;
        pp[i] = (char *)MyAlloc(cb > cbMin ? cb : cbMin);
        if (pp[i] != NULL)
            memcpy(pp[i], sz[i], cb);
    }
    return pp;
}

std::string FichiersDeTravail(bool bEfface)
{
    std::string szTrouves;
    for (const char *szMotif : { "RESULTS.TMP", "SSMASK.TMP", "MFIND*.TMP" }) {
        WIN32_FIND_DATAA fd;
        HANDLE h = FindFirstFileA(TempPath(szMotif).c_str(), &fd);
        if (h == INVALID_HANDLE_VALUE)
            continue;
        do {
            szTrouves += std::string(fd.cFileName) + " ";
            if (bEfface)
                DeleteFileA(TempPath(fd.cFileName).c_str());
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    return szTrouves;
}

/* "List of patterns": file|name = mask|...|sel <items> [focus]. */
std::string LitListe(HWND hBox)
{
    HWND hList = GetDlgItem(hBox, IDC_LM_LISTE);
    std::string s = WindowText(GetDlgItem(hBox, IDC_LM_NOMFICHIER)) + "|", szSel;
    for (int i = 0; i < ListBox_GetCount(hList); i++) {
        const MotifData *p = (const MotifData *)ListBox_GetItemData(hList, i);
        s += std::string(p->nom) + " = " + p->mask + "|";
        if (ListBox_GetSel(hList, i) > 0)
            szSel += std::to_string(i);
    }
    return s + "sel " + szSel + (GetFocus() == hList ? " focus" : "");
}

void Selectionne(HWND hDlg, int idList, std::vector<int> items)
{
    ListBox_SetSel(GetDlgItem(hDlg, idList), FALSE, -1);
    for (int i : items)
        ListBox_SetSel(GetDlgItem(hDlg, idList), TRUE, i);
}

class FindPatTest : public ::testing::Test {
protected:
    HWND m_hOwner = NULL;
    HWND m_hDlg = NULL;

    static HWND Proprio()
    {
        return CreateWindowA("STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200, NULL, NULL,
                             hInst, NULL);
    }
    void SetUp() override
    {
        INITCOMMONCONTROLSEX icc = { sizeof icc, ICC_TREEVIEW_CLASSES | ICC_STANDARD_CLASSES };
        InitCommonControlsEx(&icc);
        hInst = GetModuleHandleA(NULL);
        DefinitRepertoireTables(szTables.c_str());
        FichiersDeTravail(true);
        m_hOwner = Proprio();
        ASSERT_NE(nullptr, m_hOwner) << "CreateWindow failed, error " << GetLastError();
    }
    void TearDown() override
    {
        if (m_hDlg != NULL && IsWindow(m_hDlg))
            DestroyWindow(m_hDlg);
        EXPECT_TRUE(DestroyWindow(m_hOwner));
        DefinitRepertoireTables(NULL);
        EXPECT_EQ("", FichiersDeTravail(true)) << "work files left behind";
    }
    HWND Ouvre()
    {
        return m_hDlg = CreeFindPatWnd(hInst, m_hOwner, Copies(SEQS, NSEQS, 0), Copies(NAMES, NSEQS, 50), NSEQS, 1,
                                       szDonnees.c_str());
    }
    std::string Texte(int id) const { return WindowText(GetDlgItem(m_hDlg, id)); }

    /* Types szMotif (NULL: as it is), selects seqs, presses "Find..."; the boxes shown. */
    std::vector<std::string> Cherche(const char *szMotif, const std::vector<int> &seqs,
                                     std::initializer_list<int> reponses = {})
    {
        if (szMotif != NULL)
            SetDlgItemTextA(m_hDlg, IDC_FP_MOTIF, szMotif);
        Selectionne(m_hDlg, IDC_FP_SEQUENCES, seqs);
        BoxAnswerer answer(reponses);
        Click(m_hDlg, IDOK);
        EXPECT_EQ(0, answer.Unexpected());
        for (const BoxSeen &b : answer.Seen())
            EXPECT_EQ(m_hDlg, b.hOwner) << b.szText;
        return answer.Texts();
    }
    std::string Arbre() const { return TreeText(GetDlgItem(m_hDlg, IDC_FP_ARBRE)); }

    /* Runs dansListe in "List of patterns" (which it must end), after
       "&File:" opens szFichier if given; autres answers later boxes. */
    std::vector<BoxSeen> ListeMotifsAvec(const std::string &szFichier, std::function<void(HWND)> dansListe,
                                         std::vector<BoxAction> autres = {})
    {
        std::vector<BoxAction> actions = { [szFichier, dansListe](HWND hBox) {
            if (!szFichier.empty())
                Click(hBox, IDC_LM_FICHIER);
            dansListe(hBox);
        } };
        if (!szFichier.empty())
            actions.push_back(TypeAndPress(IDC_OPEN_FILENAME, szFichier, IDOK));
        actions.insert(actions.end(), autres.begin(), autres.end());
        BoxAnswerer answer(actions);
        Click(m_hDlg, IDC_FP_FICHIER);
        EXPECT_EQ(0, answer.Unexpected());
        return answer.Seen();
    }
    void Choisit(const char *szFichier, std::vector<int> items)
    {
        ListeMotifsAvec(szDonnees + "\\" + szFichier, [items](HWND hBox) {
            Selectionne(hBox, IDC_LM_LISTE, items);
            Press(IDOK)(hBox);
        });
    }
};

/* The lists belong to the finder from the call on: Exit and the owner's
   destruction release them, and so does a finder that cannot open (no
   owner any more, or no memory for its record). */
TEST_F(FindPatTest, TheSequenceListsAreReleasedHoweverTheFinderEnds)
{
    HWND hGone = Proprio();
    DestroyWindow(hGone);
    enum { EXIT, OWNER_DESTROYED, NO_OWNER, NO_MEMORY };
    for (int nCas : { EXIT, OWNER_DESTROYED, NO_OWNER, NO_MEMORY }) {
        SCOPED_TRACE(testing::Message() << "case " << nCas);
        char **szSeqs = Copies(SEQS, NSEQS, 0), **szNames = Copies(NAMES, NSEQS, 50);
        std::vector<void *> blocs = { szSeqs, szNames };
        for (int i = 0; i < NSEQS; i++)
            blocs.push_back(szSeqs[i]), blocs.push_back(szNames[i]);
        BoxAnswerer answer({ IDOK });
        if (nCas == NO_MEMORY)
            MyAllocFailAfter(0);
        m_hDlg = CreeFindPatWnd(hInst, nCas == NO_OWNER ? hGone : m_hOwner, szSeqs, szNames, NSEQS, 1,
                                szDonnees.c_str());
        MyAllocFailAfter(-1);
        EXPECT_EQ(nCas == EXIT || nCas == OWNER_DESTROYED, m_hDlg != NULL);
        for (void *p : blocs)
            EXPECT_EQ(m_hDlg != NULL, HeapValidate(GetProcessHeap(), 0, p) != FALSE) << "before the end";
        if (nCas == EXIT)
            Click(m_hDlg, IDCANCEL);
        else if (nCas == OWNER_DESTROYED)
            DestroyWindow(m_hOwner);
        for (size_t i = 0; i < blocs.size(); i++)
            EXPECT_FALSE(HeapValidate(GetProcessHeap(), 0, blocs[i])) << "block " << i << " still in use";
        EXPECT_FALSE(IsWindow(m_hDlg));
        EXPECT_EQ(nCas == NO_MEMORY ? std::vector<std::string>{ "Error|Memory allocation failed: not enough memory !" }
                                    : std::vector<std::string>{},
                  answer.Texts());
        if (nCas == OWNER_DESTROYED)
            m_hOwner = Proprio();
    }
}

/* The finder opens on the sequence names with an empty tree. Each Find
   replaces the whole tree; a sequence gets an item only when a match is
   shown under it; without a sequence a notice says so and the tree stays.
   By default the tables are read from the program's folder. */
TEST_F(FindPatTest, EachFindReplacesTheTreeOrSaysWhyNot)
{
    ASSERT_NE(nullptr, Ouvre()) << "error " << GetLastError();
    EXPECT_EQ("Find pattern(s)", WindowText(m_hDlg));
    EXPECT_EQ(m_hOwner, GetWindow(m_hDlg, GW_OWNER));
    HWND hList = GetDlgItem(m_hDlg, IDC_FP_SEQUENCES);
    std::string szNoms;
    for (int i = 0; i < ListBox_GetCount(hList); i++) {
        char sz[64] = "";
        ListBox_GetText(hList, i, sz);
        szNoms += std::string(sz) + (ListBox_GetSel(hList, i) ? "+ " : " ");
    }
    EXPECT_EQ("SEQ1 SEQ2 SEQ3 SEQ4 |||", szNoms + Arbre() + "|" + Texte(IDC_FP_MOTIF) + "|" +
                                                 Texte(IDC_FP_DESCRIPTION) + "|" + Texte(IDC_FP_NOMFICHIER));
    Selectionne(m_hDlg, IDC_FP_SEQUENCES, { 1 });
    Click(m_hDlg, IDC_SELECTALL);
    EXPECT_EQ(NSEQS, ListBox_GetSelCount(hList));
    Click(m_hDlg, IDC_SELECTNONE);
    EXPECT_EQ(0, ListBox_GetSelCount(hList));
    /* pattern, sequences, answers, boxes, tree */
    const struct {
        const char *szMotif;
        std::vector<int> seqs;
        std::initializer_list<int> reponses;
        std::vector<std::string> boxes;
        std::string szArbre;
    } cases[] = {
        /* typed in lower case; SEQ3 would match but is not selected */
        { "k(de)e{4}h", { 0, 1, 3 }, {}, {},
          std::string(kKdeSeq1) + "SEQ2 [0]\n  K(DE)E{4}H [1]\n       1 : -- 6<KDE>8 ---- 9<H>9 -- [2]\n" },
        { "RGD", { 0, 1, 2, 3 }, {}, {}, kRgdSeq1 },
        { "H", {}, { IDOK }, { "Find patterns|No sequences selected." }, kRgdSeq1 },
        /* K and H are in every sequence but never next to each other */
        { "K{1}H", { 0, 1, 2 }, {}, {}, "" },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.szMotif);
        EXPECT_EQ(c.boxes, Cherche(c.szMotif, c.seqs, c.reponses));
        EXPECT_EQ(c.szArbre, Arbre());
        EXPECT_EQ("", FichiersDeTravail(false)) << "the results file was not deleted";
    }
    char szExe[MAX_PATH];
    GetModuleFileNameA(NULL, szExe, sizeof szExe);
    std::string szCopie = szExe;
    szCopie = szCopie.substr(0, szCopie.find_last_of("\\/") + 1) + "PROTEINE.TBL";
    ASSERT_TRUE(CopyFileA((szTables + "\\PROTEINE.TBL").c_str(), szCopie.c_str(), FALSE)) << GetLastError();
    DefinitRepertoireTables(NULL);
    EXPECT_EQ(std::vector<std::string>{}, Cherche("RGB", { 0 }));
    EXPECT_EQ("SEQ1 [0]\n  RGB [1]\n       1 : -- 19<RGD>21 -- [2]\n", Arbre());
    EXPECT_TRUE(DeleteFileA(szCopie.c_str()));
}

/* The Open dialog starts in the finder's directory whatever the current
   one. The list shows each pattern's name and mask; one chosen shows its
   mask, description and file, and a Find searches it. Reopened, the list
   shows the file and the choice; Cancel, and OK after a cancelled Open
   dialog, keep the choice, which a Find searches in file order for each
   sequence, its mask put back over what was typed. A file that cannot be
   read: a notice over the list, which is emptied with the patterns, and
   Find searches the empty pattern box (No stops there). A pattern not
   valid is reported, and Yes goes on with the next. */
TEST_F(FindPatTest, PatternsAreChosenFromAFile)
{
    SetCurrentDirectoryA(TempPath("").c_str());
    ASSERT_NE(nullptr, Ouvre());
    std::string szVue;
    std::vector<BoxSeen> boxes = ListeMotifsAvec("patterns.mot", [&](HWND hBox) {
        szVue = LitListe(hBox);
        Selectionne(hBox, IDC_LM_LISTE, { 1 });
        Press(IDOK)(hBox);
    });
    ASSERT_EQ(2u, boxes.size());
    EXPECT_EQ("List of patterns", boxes[0].szCaption);
    EXPECT_EQ(m_hDlg, boxes[0].hOwner);
    EXPECT_EQ(boxes[0].hWnd, boxes[1].hOwner) << "the Open dialog's owner";
    const std::string szListe = "patterns.mot|1. Acidic box & histidine = K(DE)E{4}H|2. N-glycosylation site = "
                                "nx(st)|3. Cell attachment sequence = RGD|sel ";
    EXPECT_EQ(szListe + " focus", szVue);
    EXPECT_EQ("nx(st)|2. N-glycosylation site|patterns.mot",
              Texte(IDC_FP_MOTIF) + "|" + Texte(IDC_FP_DESCRIPTION) + "|" + Texte(IDC_FP_NOMFICHIER));
    Cherche(NULL, { 0, 1 });
    EXPECT_EQ("SEQ2 [0]\n  NX(ST) [1]\n       1 : -- 1<NNT>3 -- [2]\n", Arbre());

    Choisit("patterns.mot", { 0, 2 });
    SetDlgItemTextA(m_hDlg, IDC_FP_MOTIF, "typed");
    EXPECT_EQ("", Texte(IDC_FP_DESCRIPTION)) << "typing clears the description";
    for (bool bOuvrir : { false, true })
        ListeMotifsAvec("", [&](HWND hBox) {
            if (bOuvrir)
                Click(hBox, IDC_LM_FICHIER);
            szVue = LitListe(hBox);
            Press(bOuvrir ? IDOK : IDCANCEL)(hBox);
        }, { Press(IDCANCEL) });
    EXPECT_EQ(szListe + "02 focus", szVue);
    EXPECT_EQ("|Some patterns|patterns.mot",
              Texte(IDC_FP_MOTIF) + "|" + Texte(IDC_FP_DESCRIPTION) + "|" + Texte(IDC_FP_NOMFICHIER));
    Cherche(NULL, { 0, 1, 2 });
    EXPECT_EQ(std::string(kKdeSeq1) + "  RGD [1]\n       1 : -- 19<RGD>21 -- [2]\n"
                  "SEQ2 [0]\n  K(DE)E{4}H [1]\n       1 : -- 6<KDE>8 ---- 9<H>9 -- [2]\n"
                  "SEQ3 [0]\n  K(DE)E{4}H [1]\n       1 : -- 2<KDE>4 ---- 7<H>7 -- [2]\n"
                  "       2 : -- 10<KDE>12 ---- 13<H>13 -- [2]\n",
              Arbre());

    std::string szVerrou = TempPath("verrou.mot");
    ASSERT_TRUE(CopyFileA((szDonnees + "\\patterns.mot").c_str(), szVerrou.c_str(), FALSE));
    HANDLE hVerrou = CreateFileA(szVerrou.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, hVerrou);
    boxes = ListeMotifsAvec(szVerrou, [&](HWND hBox) {
        szVue = LitListe(hBox);
        Press(IDOK)(hBox);
    }, { Press(IDOK) });
    CloseHandle(hVerrou);
    DeleteFileA(szVerrou.c_str());
    ASSERT_EQ(3u, boxes.size());
    EXPECT_EQ("Find patterns|Problem with the file of patterns !", boxes[2].szCaption + "|" + boxes[2].szText);
    EXPECT_EQ(boxes[0].hWnd, boxes[2].hOwner);
    EXPECT_EQ("|sel ", szVue.substr(0, 5));
    EXPECT_EQ("|", Texte(IDC_FP_MOTIF) + "|" + Texte(IDC_FP_DESCRIPTION));
    EXPECT_EQ((std::vector<std::string>{ kSyntaxe, kEncore }), Cherche(NULL, { 0, 2 }, { IDOK, IDNO }));

    Choisit("erreur.mot", { 0, 1 });
    EXPECT_EQ((std::vector<std::string>{ kSyntaxe, kEncore }), Cherche(NULL, { 0 }, { IDOK, IDYES }));
    EXPECT_EQ(kRgdSeq1, Arbre());
}

/* A pattern's item: name in blue (no mnemonic), mask in green 20 pixels
   right, on the window colour; selected, the inside inverted; a grey frame
   with the focus, erased without; a change of focus only draws the frame. */
TEST_F(FindPatTest, PatternItemShowsItsNameInBlueAndItsMaskInGreen)
{
    MotifData motif = {};
    strcpy(motif.nom, "1. Acidic box & histidine");
    strcpy(motif.mask, "K(DE)E{4}H");
    const RECT rc = { 0, 40, 300, 72 }, rcDedans = { 4, 44, 296, 68 }, rcFocus = { 2, 42, 298, 70 };
    const COLORREF crFenetre = GetSysColor(COLOR_WINDOW), crGris = RGB(128, 128, 128);
    /* action, state, texts, window fill, inversions, frame colour */
    const struct { UINT uAction, uState; size_t nTextes; bool bFond; int nInverse; COLORREF crCadre; } cases[] = {
        { ODA_DRAWENTIRE, 0, 2, true, 0, crFenetre },
        { ODA_SELECT, ODS_SELECTED | ODS_FOCUS, 2, true, 1, crGris },
        { ODA_FOCUS, ODS_FOCUS, 0, false, 0, crGris },
        { ODA_FOCUS, 0, 0, false, 0, crFenetre },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "action " << c.uAction << " state " << c.uState);
        EmfDrawing d = Record([&](HDC hdc) {
            DRAWITEMSTRUCT dis = { ODT_LISTBOX, IDC_LM_LISTE, 0, c.uAction, c.uState, NULL, hdc, rc,
                                   (ULONG_PTR)&motif };
            InitListBox_OnDrawItem(NULL, &dis);
        });
        ASSERT_EQ(c.nTextes, d.texts.size());
        if (c.nTextes) {
            EXPECT_EQ("1. Acidic box & histidine|K(DE)E{4}H", d.texts[0].A() + "|" + d.texts[1].A());
            EXPECT_EQ((std::vector<long>{ RGB(0, 0, 255), RGB(0x3F, 0x57, 0x1E), 20, 12 }),
                      (std::vector<long>{ (long)d.texts[0].crText, (long)d.texts[1].crText,
                                          d.texts[1].pt.x - d.texts[0].pt.x, d.texts[1].pt.y - d.texts[0].pt.y }))
                << "colours, then the mask's offset";
        }
        EXPECT_EQ(c.bFond, d.HasFill(rc, crFenetre));
        EXPECT_EQ(c.nInverse, d.FillsOn(rcDedans));
        EXPECT_TRUE(d.HasFrame(rcFocus, c.crCadre));
    }
}

} // namespace
