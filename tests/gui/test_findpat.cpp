/* The pattern finder's windows driven with messages, its boxes answered,
   the results tree read back as indented text. */
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
    return std::replace(sz.begin(), sz.end(), '/', '\\'), sz;
}
const std::string szDonnees = Win(HALYARD_FIXTURES "/findpat_gui");

/* The sequences and their names, as the editor passes them. */
const char *const SEQS[] = { "MAAKDEGGGHAAKEEGGHRGD", "NNTSAKDEH", "AKDEGGHAAKDEH", "KD-EH..RG-D" };
const char *const NAMES[] = { "SEQ1", "SEQ2", "SEQ3", "SEQ4" };
const int NSEQS = 4;
typedef std::vector<std::string> Vus; /* the boxes shown, then the tree */
const char *const kKdeSeq1 = "SEQ1 [0]\n  K(DE)E{4}H [1]\n       1 : -- 4<KDE>6 ---- 10<H>10 -- [2]\n"
                             "       2 : -- 13<KEE>15 ---- 18<H>18 -- [2]\n";
const char *const kKdeSeq2 = "SEQ2 [0]\n  K(DE)E{4}H [1]\n       1 : -- 6<KDE>8 ---- 9<H>9 -- [2]\n";

char **Copies(const char *const *sz)
{
    char **pp = (char **)MyAlloc(NSEQS * (unsigned)sizeof(char *));
    for (int i = 0; pp != NULL && i < NSEQS; i++)
        if ((pp[i] = (char *)MyAlloc((unsigned)strlen(sz[i]) + 1)) != NULL)
            strcpy(pp[i], sz[i]);
    return pp;
}

void Selectionne(HWND hDlg, int idList, std::vector<int> items)
{
    ListBox_SetSel(GetDlgItem(hDlg, idList), FALSE, -1);
    for (int i : items)
        ListBox_SetSel(GetDlgItem(hDlg, idList), TRUE, i);
}

class FindPatTest : public ::testing::Test {
protected:
    HWND m_hOwner = NULL, m_hDlg = NULL;

    void SetUp() override
    {
        INITCOMMONCONTROLSEX icc = { sizeof icc, ICC_TREEVIEW_CLASSES | ICC_STANDARD_CLASSES };
        InitCommonControlsEx(&icc);
        hInst = GetModuleHandleA(NULL);
        DefinitRepertoireTables(Win(HALYARD_FIXTURES "/../../findpat/tables").c_str());
        m_hOwner = CreateWindowA("STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200, NULL, NULL,
                                 hInst, NULL);
        ASSERT_NE(nullptr, m_hOwner) << "CreateWindow failed, error " << GetLastError();
    }
    void TearDown() override
    {
        if (m_hDlg != NULL && IsWindow(m_hDlg))
            DestroyWindow(m_hDlg);
        EXPECT_TRUE(DestroyWindow(m_hOwner));
        DefinitRepertoireTables(NULL);
    }
    /* The pattern box, the description and the file name. */
    std::string Champs() const
    {
        std::string s;
        for (int id : { IDC_FP_MOTIF, IDC_FP_DESCRIPTION, IDC_FP_NOMFICHIER })
            s += WindowText(GetDlgItem(m_hDlg, id)) + (id == IDC_FP_NOMFICHIER ? "" : "|");
        return s;
    }

    /* Types szMotif (NULL: as it is), selects seqs, presses "Find...". A
       box with Yes and No is marked. */
    Vus Cherche(const char *szMotif, const std::vector<int> &seqs, std::initializer_list<int> reponses = {})
    {
        if (szMotif != NULL)
            SetDlgItemTextA(m_hDlg, IDC_FP_MOTIF, szMotif);
        Selectionne(m_hDlg, IDC_FP_SEQUENCES, seqs);
        BoxAnswerer answer(reponses);
        Click(m_hDlg, IDOK);
        EXPECT_EQ(0, answer.Unexpected());
        Vus v;
        for (const BoxSeen &b : answer.Seen()) {
            EXPECT_EQ(m_hDlg, b.hOwner) << b.szText;
            v.push_back(b.szCaption + "|" + b.szText + (b.bYes ? " (yes/no)" : ""));
        }
        v.push_back(TreeText(GetDlgItem(m_hDlg, IDC_FP_ARBRE)));
        return v;
    }

    /* In "List of patterns": "&File:" opens szFichier ("": Open cancelled, NULL: not pressed); the list is
       read into *pszVue ("file|name = mask|...|sel <items> [focus]"), items selected, idFin pressed. */
    std::vector<BoxSeen> Liste(const char *szFichier, std::vector<int> items, int idFin, std::string *pszVue)
    {
        BoxAnswerer answer(std::vector<BoxAction>{
            [=](HWND hBox) {
                HWND hList = GetDlgItem(hBox, IDC_LM_LISTE);
                if (szFichier != NULL)
                    Click(hBox, IDC_LM_FICHIER);
                std::string s = WindowText(GetDlgItem(hBox, IDC_LM_NOMFICHIER)) + "|", szSel;
                for (int i = 0; i < ListBox_GetCount(hList); i++) {
                    const MotifData *p = (const MotifData *)ListBox_GetItemData(hList, i);
                    s += std::string(p->nom) + " = " + p->mask + "|";
                    szSel += ListBox_GetSel(hList, i) > 0 ? std::to_string(i) : "";
                }
                *pszVue = s + "sel " + szSel + (GetFocus() == hList ? " focus" : "");
                if (!items.empty())
                    Selectionne(hBox, IDC_LM_LISTE, items);
                Press(idFin)(hBox);
            },
            szFichier != NULL && szFichier[0] ? TypeAndPress(IDC_OPEN_FILENAME, szFichier, IDOK) : Press(IDCANCEL),
            Press(IDOK) });
        Click(m_hDlg, IDC_FP_FICHIER);
        EXPECT_EQ(0, answer.Unexpected());
        return answer.Seen();
    }
};

/* One pass: searches, the list of patterns chosen from a file, one that
   cannot be read; the lists given belong to the finder from the call on,
   even when it cannot open (no owner any more, or no memory). A pattern's
   item: name and mask, inverted when selected, a grey frame with the
   focus; a change of focus only draws the frame. */
TEST_F(FindPatTest, OnePassThroughTheFinderAndItsList)
{
    SetCurrentDirectoryA(TempPath("").c_str());
    char **szSeqs = Copies(SEQS), **szNames = Copies(NAMES);
    std::vector<void *> blocs = { szSeqs, szNames, szSeqs[3], szNames[3] };
    ASSERT_NE(nullptr, m_hDlg = CreeFindPatWnd(hInst, m_hOwner, szSeqs, szNames, NSEQS, 1, szDonnees.c_str()));
    HWND hList = GetDlgItem(m_hDlg, IDC_FP_SEQUENCES);
    char szNom[64] = "";
    ListBox_GetText(hList, 3, szNom);
    EXPECT_EQ("4 SEQ4", std::to_string(ListBox_GetCount(hList)) + " " + szNom);
    Click(m_hDlg, IDC_SELECTALL);
    Click(m_hDlg, IDC_SELECTNONE);
    EXPECT_EQ(0, ListBox_GetSelCount(hList));
    /* typed in lower case; SEQ3 would match but is not selected, SEQ4's gaps break every pattern */
    const std::string szKde = std::string(kKdeSeq1) + kKdeSeq2;
    EXPECT_EQ(Vus{ szKde }, Cherche("k(de)e{4}h", { 0, 1, 3 }));
    EXPECT_EQ((Vus{ "Find patterns|No sequences selected.", szKde }), Cherche("H", {}, { IDOK }));

    std::string szVue;
    std::vector<BoxSeen> boxes = Liste("patterns.mot", { 1 }, IDOK, &szVue);
    ASSERT_EQ(2u, boxes.size());
    EXPECT_EQ(m_hDlg, boxes[0].hOwner);
    EXPECT_EQ(boxes[0].hWnd, boxes[1].hOwner) << "the Open dialog's owner";
    const std::string szListe = "patterns.mot|1. Acidic box & histidine = K(DE)E{4}H|2. N-glycosylation site = "
                                "nx(st)|3. Cell attachment sequence = RGD|sel ";
    EXPECT_EQ(szListe + " focus", szVue);
    EXPECT_EQ("nx(st)|2. N-glycosylation site|patterns.mot", Champs());
    EXPECT_EQ(Vus{ "SEQ2 [0]\n  NX(ST) [1]\n       1 : -- 1<NNT>3 -- [2]\n" }, Cherche(NULL, { 0, 1 }));

    Liste((szDonnees + "\\patterns.mot").c_str(), { 0, 2 }, IDOK, &szVue);
    SetDlgItemTextA(m_hDlg, IDC_FP_MOTIF, "typed");
    EXPECT_EQ("typed||patterns.mot", Champs()) << "typing clears the description";
    Liste(NULL, {}, IDCANCEL, &szVue);
    EXPECT_EQ(szListe + "02 focus", szVue) << "the list as it was left";
    EXPECT_EQ(2u, Liste("", {}, IDOK, &szVue).size());
    EXPECT_EQ(szListe + "02 focus", szVue);
    EXPECT_EQ("|Some patterns|patterns.mot", Champs());
    EXPECT_EQ(Vus{ std::string(kKdeSeq1) + "  RGD [1]\n       1 : -- 19<RGD>21 -- [2]\n" + kKdeSeq2 },
              Cherche(NULL, { 0, 1 }));

    std::string szVerrou = TempPath("verrou.mot");
    ASSERT_TRUE(CopyFileA((szDonnees + "\\patterns.mot").c_str(), szVerrou.c_str(), FALSE));
    HANDLE hVerrou = CreateFileA(szVerrou.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    boxes = Liste(szVerrou.c_str(), {}, IDOK, &szVue);
    CloseHandle(hVerrou);
    DeleteFileA(szVerrou.c_str());
    ASSERT_EQ(3u, boxes.size());
    EXPECT_EQ(boxes[0].hWnd, boxes[2].hOwner);
    EXPECT_EQ("|sel  focus||", szVue + Champs().substr(0, 2));
    EXPECT_EQ((Vus{ "Find patterns|Invalid pattern (syntax error).",
                    "Find patterns|This error could occur again.\nWould-you like to continue ? (yes/no)", "" }),
              Cherche(NULL, { 0, 2 }, { IDOK, IDNO })) << "the empty pattern, then No";
    Click(m_hDlg, IDCANCEL);
    for (void *p : blocs)
        EXPECT_FALSE(HeapValidate(GetProcessHeap(), 0, p));
    for (HWND hProprio : { m_hDlg, m_hOwner }) {
        szSeqs = Copies(SEQS), szNames = Copies(NAMES), blocs = { szSeqs, szNames, szSeqs[3] };
        BoxAnswerer answer({ IDOK });
        MyAllocFailAfter(hProprio == m_hOwner ? 0 : -1);
        EXPECT_EQ(nullptr, CreeFindPatWnd(hInst, hProprio, szSeqs, szNames, NSEQS, 1, ""));
        MyAllocFailAfter(-1);
        for (void *p : blocs)
            EXPECT_FALSE(HeapValidate(GetProcessHeap(), 0, p));
        EXPECT_EQ(hProprio == m_hOwner ? 1u : 0u, answer.Seen().size()) << "the memory notice";
    }
    MotifData motif = { "K(DE)E{4}H", "1. Acidic box" };
    const struct { UINT uAction, uState; const char *szVu; COLORREF crCadre; } cases[] = {
        { ODA_SELECT, ODS_SELECTED | ODS_FOCUS, "1. Acidic box|K(DE)E{4}H|1", RGB(128, 128, 128) },
        { ODA_DRAWENTIRE, 0, "1. Acidic box|K(DE)E{4}H|0", GetSysColor(COLOR_WINDOW) },
        { ODA_FOCUS, ODS_FOCUS, "0", RGB(128, 128, 128) },
    };
    for (const auto &c : cases) {
        EmfDrawing d = Record([&](HDC hdc) {
            DRAWITEMSTRUCT dis = { ODT_LISTBOX, IDC_LM_LISTE, 0, c.uAction, c.uState, NULL, hdc, { 0, 40, 300, 72 },
                                   (ULONG_PTR)&motif };
            InitListBox_OnDrawItem(NULL, &dis);
        });
        std::string szVu;
        for (const EmfText &t : d.texts)
            szVu += t.A() + "|";
        EXPECT_EQ(c.szVu, szVu + std::to_string(d.FillsOn({ 4, 44, 296, 68 })));
        EXPECT_TRUE(d.HasFrame({ 2, 42, 298, 70 }, c.crCadre)) << c.szVu;
    }
}

} // namespace
