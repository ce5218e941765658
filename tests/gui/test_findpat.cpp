/* The pattern finder's dialogs under Wine. "Find pattern(s)" is opened on
   the test's sequences through CreeFindPatWnd, owned by a window of the
   test, and driven with messages; "List of patterns", the Open dialog and
   the notices are modal and answered from a thread timer (BoxAnswerer).
   The results tree is read back level by level as indented text. */
#include <gtest/gtest.h>
#include <windows.h>
#include <windowsx.h>
#include <commctrl.h>

#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "HALYARD.h"
#include "emfcheck.h"
#include "findpatwin.h"
#include "harness.h"

namespace {

/* The combo box of the Open dialog that holds the file name. */
const int IDC_OPEN_FILENAME = 0x47C;

/* A path of the test data as the Windows functions want it. */
std::string Win(std::string sz)
{
    std::replace(sz.begin(), sz.end(), '/', '\\');
    return sz;
}

const std::string szDonnees = Win(HALYARD_FIXTURES "\\findpat_gui");
/* The residue tables that ship with the program. */
const std::string szTables = Win(HALYARD_FIXTURES "\\..\\..\\findpat\\tables");

/* The sequences of the tests, as the editor passes them ("." and "-" are
   gaps), and where the typed pattern K(DE)E{4}H matches. */
const char *const SEQS[] = {
    "MAAKDEGGGHAAKEEGGHRGD",  /* SEQ1: 4-6 with 10, 13-15 with 18; RGD 19-21 */
    "NNTSAKDEH",              /* SEQ2: 6-8 with 9; NX(ST) 1-3                 */
    "AKDEGGHAAKDEH",          /* SEQ3: 2-4 with 7, 10-12 with 13              */
    "KD-EH..RG-D",            /* SEQ4: the gaps break every pattern           */
};
const char *const NAMES[] = { "SEQ1", "SEQ2", "SEQ3", "SEQ4" };
const int NSEQS = 4;

/* No box is expected. */
const std::vector<BoxAction> AUCUNE;

/* A list of copies from the memory services, as the editor makes them;
   names get the editor's 50 bytes. */
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

/* True while p is a block of the process heap in use. */
bool BlocVivant(void *p)
{
    return HeapValidate(GetProcessHeap(), 0, p) != FALSE;
}

/* The pattern finder's work files in the temporary directory. */
std::string FichiersDeTravail(bool bEfface)
{
    char szDir[MAX_PATH];
    std::string szTrouves;

    GetTempPathA(sizeof szDir, szDir);
    for (const char *szMotif : { "RESULTS.TMP", "SSMASK.TMP", "MFIND*.TMP" }) {
        WIN32_FIND_DATAA fd;
        HANDLE h = FindFirstFileA((std::string(szDir) + szMotif).c_str(), &fd);
        if (h == INVALID_HANDLE_VALUE)
            continue;
        do {
            szTrouves += std::string(fd.cFileName) + " ";
            if (bEfface)
                DeleteFileA((std::string(szDir) + fd.cFileName).c_str());
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    return szTrouves;
}

std::string TexteItem(HWND hTree, HTREEITEM h, int *pnImage, int *pnSelImage)
{
    char sz[1024] = "";
    TVITEMA it;

    ZeroMemory(&it, sizeof it);
    it.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    it.hItem = h;
    it.pszText = sz;
    it.cchTextMax = sizeof sz;
    SendMessageA(hTree, TVM_GETITEMA, 0, (LPARAM)&it);
    *pnImage = it.iImage;
    *pnSelImage = it.iSelectedImage;
    return sz;
}

/* The tree as text: one line per item, two blanks of indent per level,
   its image in brackets (and the selected image when it differs). */
void DecritArbre(HWND hTree, HTREEITEM h, int nNiveau, std::string *ps)
{
    for (; h != NULL; h = TreeView_GetNextSibling(hTree, h)) {
        int nImage, nSel;
        std::string sz = TexteItem(hTree, h, &nImage, &nSel);
        *ps += std::string(2 * nNiveau, ' ') + sz + " [" + std::to_string(nImage);
        if (nSel != nImage)
            *ps += " sel " + std::to_string(nSel);
        *ps += "]\n";
        DecritArbre(hTree, TreeView_GetChild(hTree, h), nNiveau + 1, ps);
    }
}

void Presse(HWND hDlg, int id)
{
    PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(hDlg, id));
}

/* What "List of patterns" shows. */
struct VueListe {
    std::string szFichier;              /* control 511               */
    std::vector<std::string> noms;      /* per item: its pattern     */
    std::vector<std::string> masques;
    std::vector<int> selection;         /* selected items            */
    bool bFocus = false;                /* the list has the focus    */
};

VueListe LitListe(HWND hBox)
{
    VueListe v;
    HWND hList = GetDlgItem(hBox, IDC_LM_LISTE);

    v.szFichier = WindowText(GetDlgItem(hBox, IDC_LM_NOMFICHIER));
    for (int i = 0; i < ListBox_GetCount(hList); i++) {
        const MotifData *p = (const MotifData *)ListBox_GetItemData(hList, i);
        v.noms.push_back(p != NULL ? p->nom : "(null)");
        v.masques.push_back(p != NULL ? p->mask : "(null)");
        if (ListBox_GetSel(hList, i) > 0)
            v.selection.push_back(i);
    }
    v.bFocus = GetFocus() == hList;
    return v;
}

/* Selects exactly the items of the multiple-selection list idList. */
void Selectionne(HWND hDlg, int idList, std::vector<int> items)
{
    ListBox_SetSel(GetDlgItem(hDlg, idList), FALSE, -1);
    for (int i : items)
        ListBox_SetSel(GetDlgItem(hDlg, idList), TRUE, i);
}
void SelectionneListe(HWND hBox, std::vector<int> items) { Selectionne(hBox, IDC_LM_LISTE, items); }

/* Runs "&File:" in "List of patterns" (the Open dialog is the next box to
   answer). Called from an answer, inside the list's modal loop. */
void CliqueFichier(HWND hBox)
{
    SendMessageA(hBox, WM_COMMAND, MAKEWPARAM(IDC_LM_FICHIER, BN_CLICKED),
                 (LPARAM)GetDlgItem(hBox, IDC_LM_FICHIER));
}

class FindPatTest : public ::testing::Test {
protected:
    HWND m_hOwner = NULL;
    HWND m_hDlg = NULL;

    static void SetUpTestSuite()
    {
        INITCOMMONCONTROLSEX icc = { sizeof icc, ICC_TREEVIEW_CLASSES | ICC_STANDARD_CLASSES };
        InitCommonControlsEx(&icc);
    }

    void SetUp() override
    {
        hInst = GetModuleHandleA(NULL);
        DefinitRepertoireTables(szTables.c_str());
        FichiersDeTravail(true);
        m_hOwner = CreateWindowA("STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300,
                                 200, NULL, NULL, hInst, NULL);
        ASSERT_NE(nullptr, m_hOwner) << "CreateWindow failed, error " << GetLastError();
    }

    void TearDown() override
    {
        if (m_hDlg != NULL && IsWindow(m_hDlg))
            DestroyWindow(m_hDlg);
        if (m_hOwner != NULL) {
            EXPECT_TRUE(DestroyWindow(m_hOwner));
        }
        DefinitRepertoireTables(NULL);
        EXPECT_EQ("", FichiersDeTravail(true)) << "work files left behind";
    }

    /* Opens the finder on the test sequences. */
    HWND Ouvre()
    {
        m_hDlg = CreeFindPatWnd(hInst, m_hOwner, Copies(SEQS, NSEQS, 0), Copies(NAMES, NSEQS, 50), NSEQS,
                                1, szDonnees.c_str());
        return m_hDlg;
    }

    HWND Item(int id) const { return GetDlgItem(m_hDlg, id); }
    std::string Texte(int id) const { return WindowText(Item(id)); }

    void Clique(int id)
    {
        SendMessageA(m_hDlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)Item(id));
    }

    void SelectionneSeqs(const std::vector<int> &seqs) { Selectionne(m_hDlg, IDC_FP_SEQUENCES, seqs); }

    /* Types szMotif, selects seqs and presses "Find...". */
    void Cherche(const char *szMotif, const std::vector<int> &seqs)
    {
        SetDlgItemTextA(m_hDlg, IDC_FP_MOTIF, szMotif);
        SelectionneSeqs(seqs);
        Clique(IDOK);
    }

    std::string Arbre() const
    {
        std::string s;
        HWND hTree = Item(IDC_FP_ARBRE);
        DecritArbre(hTree, TreeView_GetRoot(hTree), 0, &s);
        return s;
    }

    /* Opens "List of patterns" and runs dansListe in it, which must end
       it. With szFichier, "&File:" is pressed first and the Open dialog
       answered with that name. autres answers the boxes after those. */
    std::vector<BoxSeen> ListeMotifsAvec(const std::string &szFichier,
                                         std::function<void(HWND)> dansListe,
                                         std::vector<BoxAction> autres = {})
    {
        std::vector<BoxAction> actions;
        actions.push_back([szFichier, dansListe](HWND hBox) {
            if (!szFichier.empty())
                CliqueFichier(hBox);
            dansListe(hBox);
        });
        if (!szFichier.empty())
            actions.push_back(TypeAndPress(IDC_OPEN_FILENAME, szFichier, IDOK));
        actions.insert(actions.end(), autres.begin(), autres.end());
        BoxAnswerer answer(actions);
        Clique(IDC_FP_FICHIER);
        EXPECT_EQ(0, answer.Unexpected());
        return answer.Seen();
    }

    /* Loads a fixture pattern file and chooses the patterns of items. */
    void Choisit(const char *szFichier, std::vector<int> items)
    {
        ListeMotifsAvec(szDonnees + "\\" + szFichier, [items](HWND hBox) {
            SelectionneListe(hBox, items);
            Presse(hBox, IDOK);
        });
    }
};

TEST_F(FindPatTest, OpensOnTheSequenceNamesInOrderWithAnEmptyTree)
{
    ASSERT_NE(nullptr, Ouvre()) << "error " << GetLastError();
    EXPECT_EQ("Find pattern(s)", WindowText(m_hDlg));
    EXPECT_EQ(m_hOwner, GetWindow(m_hDlg, GW_OWNER));
    EXPECT_TRUE(IsWindowVisible(m_hDlg));

    HWND hList = Item(IDC_FP_SEQUENCES);
    ASSERT_EQ(NSEQS, ListBox_GetCount(hList));
    for (int i = 0; i < NSEQS; i++) {
        char sz[64] = "";
        ListBox_GetText(hList, i, sz);
        EXPECT_STREQ(NAMES[i], sz) << "item " << i;
        EXPECT_EQ(0, ListBox_GetSel(hList, i)) << "item " << i;
    }
    EXPECT_EQ(0, TreeView_GetCount(Item(IDC_FP_ARBRE)));
    EXPECT_EQ("", Texte(IDC_FP_MOTIF));
    EXPECT_EQ("", Texte(IDC_FP_DESCRIPTION));
    EXPECT_EQ("", Texte(IDC_FP_NOMFICHIER));
    /* The pattern box takes what Find reads of it. */
    EXPECT_EQ(119, (int)SendMessageA(Item(IDC_FP_MOTIF), EM_GETLIMITTEXT, 0, 0));

    SelectionneSeqs({ 1 });
    Clique(IDC_SELECTALL);
    EXPECT_EQ(NSEQS, ListBox_GetSelCount(hList));
    Clique(IDC_SELECTNONE);
    EXPECT_EQ(0, ListBox_GetSelCount(hList));
}

/* Each image of the tree is the bitmap of its level (2 sequence, 3
   pattern, 4 match), compared pixel by pixel. */
TEST_F(FindPatTest, TreeImagesAreTheThreeBitmapsInLevelOrder)
{
    ASSERT_NE(nullptr, Ouvre());
    HIMAGELIST himl = TreeView_GetImageList(Item(IDC_FP_ARBRE), TVSIL_NORMAL);
    ASSERT_EQ(3, ImageList_GetImageCount(himl));
    HDC hdcScreen = GetDC(NULL);
    HDC hdc = CreateCompatibleDC(hdcScreen), hdcBmp = CreateCompatibleDC(hdcScreen);
    HBITMAP hbmDest = CreateCompatibleBitmap(hdcScreen, 15, 15);
    HBITMAP hOld = SelectBitmap(hdc, hbmDest);
    for (int k = 0; k < 3; k++) {
        HBITMAP hbm = LoadBitmapA(hInst, MAKEINTRESOURCEA(2 + k));
        HBITMAP hOldBmp = SelectBitmap(hdcBmp, hbm);
        ASSERT_TRUE(ImageList_Draw(himl, k, hdc, 0, 0, ILD_NORMAL));
        std::vector<COLORREF> attendu, vu;
        for (int i = 0; i < 15 * 15; i++) {
            attendu.push_back(GetPixel(hdcBmp, i % 15, i / 15));
            vu.push_back(GetPixel(hdc, i % 15, i / 15));
        }
        EXPECT_EQ(attendu, vu) << "image " << k << " is not bitmap " << 2 + k;
        DeleteObject(SelectBitmap(hdcBmp, hOldBmp));
    }
    DeleteObject(SelectBitmap(hdc, hOld));
    DeleteDC(hdcBmp);
    DeleteDC(hdc);
    ReleaseDC(NULL, hdcScreen);
}

/* The lists belong to the finder from the call on: Exit and the owner's
   destruction release them, and so does a finder that cannot open (no
   owner any more, or no memory for its record). */
TEST_F(FindPatTest, TheSequenceListsAreReleasedHoweverTheFinderEnds)
{
    HWND hGone = CreateWindowA("STATIC", "gone", WS_POPUP, 0, 0, 10, 10, NULL, NULL, hInst, NULL);
    DestroyWindow(hGone);
    enum { EXIT, OWNER_DESTROYED, NO_OWNER, NO_MEMORY };
    for (int nCas : { EXIT, OWNER_DESTROYED, NO_OWNER, NO_MEMORY }) {
        SCOPED_TRACE(testing::Message() << "case " << nCas);
        char **szSeqs = Copies(SEQS, NSEQS, 0);
        char **szNames = Copies(NAMES, NSEQS, 50);
        std::vector<void *> blocs = { szSeqs, szNames };
        for (int i = 0; i < NSEQS; i++) {
            blocs.push_back(szSeqs[i]);
            blocs.push_back(szNames[i]);
        }
        BoxAnswerer answer({ IDOK });
        if (nCas == NO_MEMORY)
            MyAllocFailAfter(0);
        m_hDlg = CreeFindPatWnd(hInst, nCas == NO_OWNER ? hGone : m_hOwner, szSeqs, szNames, NSEQS,
                                1, szDonnees.c_str());
        MyAllocFailAfter(-1);
        if (nCas == EXIT || nCas == OWNER_DESTROYED) {
            ASSERT_NE(nullptr, m_hDlg);
            for (void *p : blocs)
                ASSERT_TRUE(BlocVivant(p));
            if (nCas == EXIT)
                Clique(IDCANCEL);
            else
                EXPECT_TRUE(DestroyWindow(m_hOwner));
            EXPECT_FALSE(IsWindow(m_hDlg));
        } else {
            EXPECT_EQ(nullptr, m_hDlg);
        }
        if (nCas == NO_MEMORY) {
            ASSERT_EQ(1u, answer.Seen().size());
            EXPECT_EQ("Memory allocation failed: not enough memory !", answer.Seen()[0].szText);
        } else {
            EXPECT_EQ(0u, answer.Seen().size());
        }
        for (size_t i = 0; i < blocs.size(); i++)
            EXPECT_FALSE(BlocVivant(blocs[i])) << "block " << i << " still in use";
        if (nCas == OWNER_DESTROYED)
            m_hOwner = CreateWindowA("STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                                     300, 200, NULL, NULL, hInst, NULL);
    }
}

TEST_F(FindPatTest, TypedPatternFillsTheTreeAtItsThreeLevels)
{
    ASSERT_NE(nullptr, Ouvre());
    {
        BoxAnswerer answer(AUCUNE);
        /* Typed in lower case; SEQ3 would match but is not selected, SEQ4
           is selected but its gaps match nothing. */
        Cherche("k(de)e{4}h", { 0, 1, 3 });
        EXPECT_EQ(0u, answer.Seen().size());
    }
    EXPECT_EQ("SEQ1 [0]\n"
              "  K(DE)E{4}H [1]\n"
              "       1 : -- 4<KDE>6 ---- 10<H>10 -- [2]\n"
              "       2 : -- 13<KEE>15 ---- 18<H>18 -- [2]\n"
              "SEQ2 [0]\n"
              "  K(DE)E{4}H [1]\n"
              "       1 : -- 6<KDE>8 ---- 9<H>9 -- [2]\n",
              Arbre());
    EXPECT_EQ("", FichiersDeTravail(false)) << "the results file was not deleted";
}

/* Each Find replaces the whole tree; a sequence gets an item only when a
   match is shown under it. */
TEST_F(FindPatTest, EachFindReplacesTheTree)
{
    ASSERT_NE(nullptr, Ouvre());
    struct {
        const char *szMotif;
        std::vector<int> seqs;
        const char *szArbre;
    } cases[] = {
        /* pattern, sequences selected, tree */
        { "RGD", { 0, 1, 2, 3 }, "SEQ1 [0]\n  RGD [1]\n       1 : -- 19<RGD>21 -- [2]\n" },
        /* B stands for D or N in the protein table */
        { "RGB", { 0 }, "SEQ1 [0]\n  RGB [1]\n       1 : -- 19<RGD>21 -- [2]\n" },
        { "NX(ST)", { 1, 2 }, "SEQ2 [0]\n  NX(ST) [1]\n       1 : -- 1<NNT>3 -- [2]\n" },
        /* K and H are in every sequence but never next to each other */
        { "K{1}H", { 0, 1, 2 }, "" },
        /* one residue between gaps still matches */
        { "h", { 2, 3 },
          "SEQ3 [0]\n  H [1]\n       1 : -- 7<H>7 -- [2]\n       2 : -- 13<H>13 -- [2]\n"
          "SEQ4 [0]\n  H [1]\n       1 : -- 5<H>5 -- [2]\n" },
    };
    for (const auto &c : cases) {
        BoxAnswerer answer(AUCUNE);
        Cherche(c.szMotif, c.seqs);
        EXPECT_EQ(c.szArbre, Arbre()) << c.szMotif;
        EXPECT_EQ(0u, answer.Seen().size()) << c.szMotif;
    }
}

TEST_F(FindPatTest, NoSequenceSelectedGivesNotice2040AndKeepsTheTree)
{
    ASSERT_NE(nullptr, Ouvre());
    Cherche("RGD", { 0 });
    std::string szAvant = Arbre();
    ASSERT_NE("", szAvant);

    BoxAnswerer answer({ IDOK });
    Cherche("H", {});
    ASSERT_EQ(1u, answer.Seen().size());
    EXPECT_EQ("Find patterns", answer.Seen()[0].szCaption);
    EXPECT_EQ("No sequences selected.", answer.Seen()[0].szText);
    EXPECT_EQ(m_hDlg, answer.Seen()[0].hOwner);
    EXPECT_EQ(szAvant, Arbre());
}

/* A failed search asks whether to go on: Yes goes to the next search, No
   stops them all and the tree keeps what it has. */
TEST_F(FindPatTest, AFailedSearchAsksWhetherToGoOn)
{
    ASSERT_NE(nullptr, Ouvre());
    const std::string szSyntaxe = "Invalid pattern (syntax error).";
    const std::string szEncore = "This error could occur again.\nWould-you like to continue ?";
    /* one pair of boxes per selected sequence while the answer is Yes */
    for (bool bOui : { false, true }) {
        int nSuite = bOui ? IDYES : IDNO;
        BoxAnswerer answer({ IDOK, nSuite, IDOK, nSuite });
        Cherche("C(DE", { 0, 2 });
        ASSERT_EQ(bOui ? 4u : 2u, answer.Seen().size());
        for (size_t i = 0; i < answer.Seen().size(); i++) {
            EXPECT_EQ(i % 2 ? szEncore : szSyntaxe, answer.Seen()[i].szText) << "box " << i;
            EXPECT_EQ("Find patterns", answer.Seen()[i].szCaption) << "box " << i;
            EXPECT_EQ(m_hDlg, answer.Seen()[i].hOwner) << "box " << i;
        }
        EXPECT_EQ(0, answer.Unexpected());
        EXPECT_EQ("", Arbre());
    }
}

TEST_F(FindPatTest, AMissingTableIsReportedForEachSearch)
{
    char szDir[MAX_PATH];
    GetTempPathA(sizeof szDir, szDir);
    std::string szVide = std::string(szDir) + "findpat_notables";
    CreateDirectoryA(szVide.c_str(), NULL);
    DefinitRepertoireTables(szVide.c_str());
    ASSERT_NE(nullptr, Ouvre());

    BoxAnswerer answer({ IDOK, IDNO });
    Cherche("RGD", { 0, 1 });
    ASSERT_EQ(2u, answer.Seen().size());
    EXPECT_EQ("Unable to locate protein.tbl file.", answer.Seen()[0].szText);
    EXPECT_EQ(m_hDlg, answer.Seen()[0].hOwner);
    EXPECT_EQ("This error could occur again.\nWould-you like to continue ?",
              answer.Seen()[1].szText);
    RemoveDirectoryA(szVide.c_str());
}

/* The program looks for its tables in its own folder. */
TEST_F(FindPatTest, TablesAreReadBesideTheProgram)
{
    char szExe[MAX_PATH];
    GetModuleFileNameA(NULL, szExe, sizeof szExe);
    std::string szCopie = szExe;
    szCopie = szCopie.substr(0, szCopie.find_last_of("\\/") + 1) + "PROTEINE.TBL";
    ASSERT_TRUE(CopyFileA((szTables + "\\PROTEINE.TBL").c_str(), szCopie.c_str(), FALSE))
        << szCopie << ": error " << GetLastError();
    DefinitRepertoireTables(NULL);
    ASSERT_NE(nullptr, Ouvre());

    BoxAnswerer answer(AUCUNE);
    Cherche("RGB", { 0 });
    EXPECT_EQ(0u, answer.Seen().size());
    EXPECT_EQ("SEQ1 [0]\n  RGB [1]\n       1 : -- 19<RGD>21 -- [2]\n", Arbre());
    EXPECT_TRUE(DeleteFileA(szCopie.c_str()));
}

/* More than 10,000 matches of one pattern in a sequence: the first
   10,000 are shown, and one box says so for the whole Find. */
TEST_F(FindPatTest, TooManyMatchesAreCutWithOneNoticePerFind)
{
    std::string szA(150, 'A');
    const char *szSeqsA[] = { szA.c_str(), szA.c_str() };
    const char *szNomsA[] = { "POLYA1", "POLYA2" };
    m_hDlg = CreeFindPatWnd(hInst, m_hOwner, Copies(szSeqsA, 2, 0), Copies(szNomsA, 2, 50), 2, 1,
                            szDonnees.c_str());
    ASSERT_NE(nullptr, m_hDlg);

    BoxAnswerer answer({ IDOK });
    /* 150 occurrences of A chain in 150 x 149 / 2 = 11,175 ways */
    Cherche("A{150}A", { 0, 1 });
    ASSERT_EQ(1u, answer.Seen().size());
    EXPECT_EQ("Find patterns", answer.Seen()[0].szCaption);
    EXPECT_EQ("A pattern was found more than 10000 times in one sequence.\n"
              "Only its first 10000 matches are shown.",
              answer.Seen()[0].szText);
    EXPECT_EQ(m_hDlg, answer.Seen()[0].hOwner);

    /* Depth first, the first A at 1 to 101 chain in 149 + 148 + ... + 49
       = 9,999 ways: the 10,000th starts at 102. */
    HWND hTree = Item(IDC_FP_ARBRE);
    HTREEITEM hSeq = TreeView_GetRoot(hTree);
    for (int i = 0; i < 2; i++, hSeq = TreeView_GetNextSibling(hTree, hSeq)) {
        ASSERT_NE(nullptr, hSeq);
        int n = 0, nImage, nSel;
        HTREEITEM hDernier = NULL;
        for (HTREEITEM h = TreeView_GetChild(hTree, TreeView_GetChild(hTree, hSeq)); h != NULL;
             h = TreeView_GetNextSibling(hTree, h), n++)
            hDernier = h;
        EXPECT_EQ(10000, n) << szNomsA[i];
        EXPECT_EQ("10000 : -- 102<A>102 ---- 103<A>103 --", TexteItem(hTree, hDernier, &nImage, &nSel))
            << szNomsA[i];
    }
    EXPECT_EQ(nullptr, hSeq);
}

/* The Open dialog starts in the directory the finder was given: the bare
   file name is found there whatever the current directory. */
TEST_F(FindPatTest, PatternFileIsLoadedThroughTheOpenDialog)
{
    char szTemp[MAX_PATH];
    GetTempPathA(sizeof szTemp, szTemp);
    SetCurrentDirectoryA(szTemp);
    ASSERT_NE(nullptr, Ouvre());

    VueListe apres;
    std::vector<BoxSeen> boxes = ListeMotifsAvec("patterns.mot", [&](HWND hBox) {
        apres = LitListe(hBox);
        SelectionneListe(hBox, { 1 });
        Presse(hBox, IDOK);
    });
    ASSERT_EQ(2u, boxes.size());
    EXPECT_EQ("List of patterns", boxes[0].szCaption);
    EXPECT_EQ(m_hDlg, boxes[0].hOwner);
    EXPECT_EQ(boxes[0].hWnd, boxes[1].hOwner) << "the Open dialog's owner";

    EXPECT_EQ("patterns.mot", apres.szFichier);
    EXPECT_EQ((std::vector<std::string>{ "1. Acidic box & histidine", "2. N-glycosylation site",
                                         "3. Cell attachment sequence" }),
              apres.noms);
    EXPECT_EQ((std::vector<std::string>{ "K(DE)E{4}H", "nx(st)", "RGD" }), apres.masques);
    EXPECT_EQ(std::vector<int>{}, apres.selection);
    EXPECT_TRUE(apres.bFocus);

    /* One pattern: its mask, its numbered description, the file. */
    EXPECT_EQ("nx(st)", Texte(IDC_FP_MOTIF));
    EXPECT_EQ("2. N-glycosylation site", Texte(IDC_FP_DESCRIPTION));
    EXPECT_EQ("patterns.mot", Texte(IDC_FP_NOMFICHIER));

    BoxAnswerer answer(AUCUNE);
    SelectionneSeqs({ 0, 1 });
    Clique(IDOK);
    EXPECT_EQ("SEQ2 [0]\n  NX(ST) [1]\n       1 : -- 1<NNT>3 -- [2]\n", Arbre());
}

TEST_F(FindPatTest, AllOrSomePatternsAreSearchedInFileOrderForEachSequence)
{
    ASSERT_NE(nullptr, Ouvre());
    struct {
        std::vector<int> items;
        const char *szDescription;
        const char *szArbre;
    } cases[] = {
        /* items chosen, description, tree of a Find in SEQ1 to SEQ3 */
        { { 0, 1, 2 }, "All patterns",
          "SEQ1 [0]\n"
          "  K(DE)E{4}H [1]\n"
          "       1 : -- 4<KDE>6 ---- 10<H>10 -- [2]\n"
          "       2 : -- 13<KEE>15 ---- 18<H>18 -- [2]\n"
          "  RGD [1]\n"
          "       1 : -- 19<RGD>21 -- [2]\n"
          "SEQ2 [0]\n"
          "  K(DE)E{4}H [1]\n"
          "       1 : -- 6<KDE>8 ---- 9<H>9 -- [2]\n"
          "  nx(st) [1]\n"
          "       1 : -- 1<NNT>3 -- [2]\n"
          "SEQ3 [0]\n"
          "  K(DE)E{4}H [1]\n"
          "       1 : -- 2<KDE>4 ---- 7<H>7 -- [2]\n"
          "       2 : -- 10<KDE>12 ---- 13<H>13 -- [2]\n" },
        { { 2, 1 }, "Some patterns",
          "SEQ1 [0]\n"
          "  RGD [1]\n"
          "       1 : -- 19<RGD>21 -- [2]\n"
          "SEQ2 [0]\n"
          "  nx(st) [1]\n"
          "       1 : -- 1<NNT>3 -- [2]\n" },
    };
    for (const auto &c : cases) {
        Choisit("patterns.mot", c.items);
        EXPECT_EQ("", Texte(IDC_FP_MOTIF));
        EXPECT_EQ(c.szDescription, Texte(IDC_FP_DESCRIPTION));
        BoxAnswerer answer(AUCUNE);
        SelectionneSeqs({ 0, 1, 2 });
        Clique(IDOK);
        EXPECT_EQ(c.szArbre, Arbre()) << c.szDescription;
        EXPECT_EQ(0u, answer.Seen().size());
    }
}

/* Before any file the list is empty and OK changes nothing. Reopened, the
   list shows the file and the choice; its buttons select; Cancel, a
   cancelled Open dialog and OK with nothing selected keep the choice, and
   Cancel puts the chosen mask back over what was typed. */
TEST_F(FindPatTest, ListShowsTheLastChoiceAndCancelKeepsIt)
{
    ASSERT_NE(nullptr, Ouvre());
    VueListe vue;
    ListeMotifsAvec("", [&](HWND hBox) {
        vue = LitListe(hBox);
        Presse(hBox, IDOK);
    });
    EXPECT_EQ("", vue.szFichier);
    EXPECT_EQ(0u, vue.noms.size());
    EXPECT_EQ("", Texte(IDC_FP_DESCRIPTION));

    Choisit("patterns.mot", { 0, 2 });
    ASSERT_EQ("Some patterns", Texte(IDC_FP_DESCRIPTION));
    SetDlgItemTextA(m_hDlg, IDC_FP_MOTIF, "typed");
    EXPECT_EQ("", Texte(IDC_FP_DESCRIPTION)) << "typing keeps the description";

    int nTous = -1, nAucun = -1;
    ListeMotifsAvec("", [&](HWND hBox) {
        vue = LitListe(hBox);
        HWND hList = GetDlgItem(hBox, IDC_LM_LISTE);
        SendMessageA(hBox, WM_COMMAND, MAKEWPARAM(IDC_SELECTALL, BN_CLICKED), 0);
        nTous = ListBox_GetSelCount(hList);
        SendMessageA(hBox, WM_COMMAND, MAKEWPARAM(IDC_SELECTNONE, BN_CLICKED), 0);
        nAucun = ListBox_GetSelCount(hList);
        Presse(hBox, IDCANCEL);
    });
    EXPECT_EQ("patterns.mot", vue.szFichier);
    EXPECT_EQ(3u, vue.noms.size());
    EXPECT_EQ((std::vector<int>{ 0, 2 }), vue.selection);
    EXPECT_TRUE(vue.bFocus);
    EXPECT_EQ(3, nTous);
    EXPECT_EQ(0, nAucun);
    EXPECT_EQ("", Texte(IDC_FP_MOTIF)) << "the choice's mask comes back";
    EXPECT_EQ("Some patterns", Texte(IDC_FP_DESCRIPTION));
    EXPECT_EQ("patterns.mot", Texte(IDC_FP_NOMFICHIER));

    std::vector<BoxSeen> boxes = ListeMotifsAvec("", [&](HWND hBox) {
        CliqueFichier(hBox);
        vue = LitListe(hBox);
        SelectionneListe(hBox, {});
        Presse(hBox, IDOK);
    }, { Press(IDCANCEL) });
    ASSERT_EQ(2u, boxes.size());
    EXPECT_EQ("patterns.mot", vue.szFichier) << "after a cancelled Open dialog";
    EXPECT_EQ((std::vector<int>{ 0, 2 }), vue.selection);
    EXPECT_EQ("Some patterns", Texte(IDC_FP_DESCRIPTION));
    BoxAnswerer answer(AUCUNE);
    SelectionneSeqs({ 0 });
    Clique(IDOK);
    EXPECT_EQ("SEQ1 [0]\n"
              "  K(DE)E{4}H [1]\n"
              "       1 : -- 4<KDE>6 ---- 10<H>10 -- [2]\n"
              "       2 : -- 13<KEE>15 ---- 18<H>18 -- [2]\n"
              "  RGD [1]\n"
              "       1 : -- 19<RGD>21 -- [2]\n",
              Arbre());
}

/* A file that cannot be read: notice 2041, the patterns loaded before
   are gone and the list is empty; the finder no longer shows a choice of
   several patterns it cannot search. */
TEST_F(FindPatTest, UnreadablePatternFileGivesNotice2041)
{
    char szTemp[MAX_PATH];
    GetTempPathA(sizeof szTemp, szTemp);
    std::string szVerrou = std::string(szTemp) + "verrou.mot";
    ASSERT_TRUE(CopyFileA((szDonnees + "\\patterns.mot").c_str(), szVerrou.c_str(), FALSE));
    ASSERT_NE(nullptr, Ouvre());
    Choisit("patterns.mot", { 0, 1, 2 });
    ASSERT_EQ("All patterns", Texte(IDC_FP_DESCRIPTION));

    HANDLE hVerrou = CreateFileA(szVerrou.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, hVerrou);
    VueListe vue;
    std::vector<BoxSeen> boxes = ListeMotifsAvec(szVerrou, [&](HWND hBox) {
        vue = LitListe(hBox);
        Presse(hBox, IDOK);
    }, { Press(IDOK) });
    CloseHandle(hVerrou);
    DeleteFileA(szVerrou.c_str());

    ASSERT_EQ(3u, boxes.size());
    EXPECT_EQ("Find patterns", boxes[2].szCaption);
    EXPECT_EQ("Problem with the file of patterns !", boxes[2].szText);
    EXPECT_EQ(boxes[0].hWnd, boxes[2].hOwner);
    EXPECT_EQ("", vue.szFichier);
    EXPECT_EQ(0u, vue.noms.size());
    EXPECT_EQ("", Texte(IDC_FP_MOTIF));
    EXPECT_EQ("", Texte(IDC_FP_DESCRIPTION));

    /* Find then searches the empty pattern box: it says it is invalid. */
    BoxAnswerer answer({ IDOK, IDNO });
    SelectionneSeqs({ 0 });
    Clique(IDOK);
    ASSERT_EQ(2u, answer.Seen().size());
    EXPECT_EQ("Invalid pattern (syntax error).", answer.Seen()[0].szText);
}

/* A pattern of the file that is not valid is reported, and Yes goes on
   with the next pattern. */
TEST_F(FindPatTest, InvalidPatternOfAFileIsReportedAndTheNextOneSearched)
{
    ASSERT_NE(nullptr, Ouvre());
    Choisit("erreur.mot", { 0, 1 });
    BoxAnswerer answer({ IDOK, IDYES });
    SelectionneSeqs({ 0 });
    Clique(IDOK);
    ASSERT_EQ(2u, answer.Seen().size());
    EXPECT_EQ("Invalid pattern (syntax error).", answer.Seen()[0].szText);
    EXPECT_EQ("SEQ1 [0]\n  RGD [1]\n       1 : -- 19<RGD>21 -- [2]\n", Arbre());
}

struct DessinItem {
    std::vector<EmfText> textes;
    EmfDrawing dessin;
};

DessinItem DessineItem(const MotifData *pMotif, UINT uAction, UINT uState, const RECT &rc)
{
    DRAWITEMSTRUCT dis = { ODT_LISTBOX, IDC_LM_LISTE, 0, uAction, uState,
                           NULL, NULL, rc, (ULONG_PTR)pMotif };
    HENHMETAFILE hEmf = RecordEmf([&](HDC hdc) {
        dis.hDC = hdc;
        InitListBox_OnDrawItem(NULL, &dis);
    });
    DessinItem d = { EmfTexts(hEmf), EmfDecode(hEmf) };
    DeleteEnhMetaFile(hEmf);
    return d;
}

TEST_F(FindPatTest, PatternItemShowsItsNameInBlueAndItsMaskInGreen)
{
    MotifData motif;
    ZeroMemory(&motif, sizeof motif);
    strcpy(motif.nom, "1. Acidic box & histidine");
    strcpy(motif.mask, "K(DE)E{4}H");
    const RECT rc = { 0, 40, 300, 72 };
    const RECT rcDedans = { 4, 44, 296, 68 };   /* 4 pixels inside */
    const RECT rcFocus = { 2, 42, 298, 70 };    /* 2 pixels inside */
    const COLORREF crFenetre = GetSysColor(COLOR_WINDOW);

    DessinItem d = DessineItem(&motif, ODA_DRAWENTIRE, 0, rc);
    ASSERT_EQ(2u, d.textes.size());
    EXPECT_EQ(L"1. Acidic box & histidine", d.textes[0].szText) << "no mnemonic";
    EXPECT_EQ(RGB(0, 0, 255), d.textes[0].crText);
    EXPECT_EQ(L"K(DE)E{4}H", d.textes[1].szText);
    EXPECT_EQ(RGB(0x3F, 0x57, 0x1E), d.textes[1].crText);
    EXPECT_EQ(4, d.textes[0].pt.x);
    EXPECT_EQ(24, d.textes[1].pt.x) << "the mask 20 pixels further right";
    /* Both centred in their half of the inside, 12 pixels apart. */
    EXPECT_EQ(12, d.textes[1].pt.y - d.textes[0].pt.y);
    EXPECT_TRUE(HasFill(d.dessin, rc, crFenetre)) << "filled with the window colour";
    EXPECT_EQ(0u, FillsOn(d.dessin, rcDedans).size()) << "not selected: not inverted";
    EXPECT_TRUE(HasFrame(d.dessin, rcFocus, crFenetre)) << "no focus: the frame is erased";

    /* Selected: the inside is inverted; with the focus, a grey frame. */
    d = DessineItem(&motif, ODA_SELECT, ODS_SELECTED | ODS_FOCUS, rc);
    EXPECT_EQ(2u, d.textes.size());
    EXPECT_EQ(1u, FillsOn(d.dessin, rcDedans).size()) << "selected: the inside is inverted";
    EXPECT_TRUE(HasFrame(d.dessin, rcFocus, RGB(128, 128, 128)));

    /* A change of focus only draws or erases the frame. */
    for (UINT uState : { (UINT)ODS_FOCUS, 0u }) {
        d = DessineItem(&motif, ODA_FOCUS, uState, rc);
        EXPECT_EQ(0u, d.textes.size());
        EXPECT_FALSE(HasFill(d.dessin, rc, crFenetre));
        EXPECT_TRUE(HasFrame(d.dessin, rcFocus, uState ? RGB(128, 128, 128) : crFenetre));
    }
}

} // namespace
