/* A newer report of three queries through the real main window: the
   query asked for in its dialog, the title that names it, the "E" column,
   and Cancel that keeps the open report. */
#include "dlgids.h"
#include "mainfixture.h"

namespace {

#define QUERIES_REPORT HALYARD_FIXTURES "/reader/blastplus_3queries.bla"

class ModernTest : public MainWindowTest {};

/* Answers the query dialog: its list's lines into *pLines, then line
   nChoice chosen with button id. */
BoxAction ChooseQuery(std::vector<std::string> *pLines, int nChoice, int id)
{
    return [=](HWND hBox) {
        HWND hList = GetDlgItem(hBox, IDC_REQ_LISTE);
        for (int i = 0; i < ListBox_GetCount(hList); i++) {
            char sz[200] = "";
            ListBox_GetText(hList, i, sz);
            pLines->push_back(sz + std::string(ListBox_GetCurSel(hList) == i ? " *" : ""));
        }
        ListBox_SetCurSel(hList, nChoice);
        SendMessageA(hBox, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    };
}

TEST_F(ModernTest, TheChosenQueryIsReadAndNamedInTheTitle)
{
    std::vector<std::string> lines;
    BoxAnswerer answer({ChooseQuery(&lines, 1, IDOK)});
    ASSERT_EQ(1, Open(QUERIES_REPORT));
    ASSERT_EQ(1u, answer.Seen().size());
    EXPECT_EQ("Choose a query", answer.Seen()[0].szCaption);
    EXPECT_EQ((std::vector<std::string>{"PQ0\t245 letters *", "PQ1\t245 letters", "PQ2\t245 letters"}),
              lines) << "the first selected";
    EXPECT_EQ("Halyard   -   blastplus_3queries.bla   -   query 2 of 3: PQ1", WindowText(hWndMain));
    EXPECT_STREQ("PQ1", Doc()->FichierBlast.szQuerySeqName);
    EXPECT_EQ(3u, Doc()->nHSP);
    EXPECT_STREQ("PS1", Doc()->pHSPResultat[0]->szAccessNb);
    ASSERT_NE(nullptr, Doc()->pVhspData);

    /* The column of the first HSPs' probabilities is headed "E" for these
       reports, "P" again once the report is closed. */
    for (const char *szCaption : {"E", "P"}) {
        int n = 0;
        for (const EmfText &t : Record([](HDC hdc) { DessineEnteteRect(hdc); }).texts)
            n += t.szText == L"P" ? 1 : t.szText == L"E" ? 2 : 0;
        EXPECT_EQ(szCaption[0] == 'E' ? 2 : 1, n) << szCaption;
        FermeUnFichier(hWndMain);
    }
}

TEST_F(ModernTest, CancelKeepsTheOpenReport)
{
    ASSERT_EQ(1, Open(SAMPLE_REPORT));
    std::string szSortie = Doc()->szFileSortie;
    std::vector<std::string> lines;

    BoxAnswerer answer({ChooseQuery(&lines, 2, IDCANCEL)});
    EXPECT_EQ(0, Open(QUERIES_REPORT));
    EXPECT_EQ(1u, answer.Seen().size());
    EXPECT_EQ(3u, lines.size());
    EXPECT_EQ("Halyard   -   sample.bla", WindowText(hWndMain));
    EXPECT_EQ(11u, Doc()->nHSP);
    EXPECT_EQ(szSortie, Doc()->szFileSortie);
    EXPECT_TRUE(Exists(szSortie.c_str()));
}

} // namespace
