/* Opening and closing reports through the real main window: the Open
   dialog and the notices answered from the test, titles, and the HSP
   index file that exists exactly while a report is open. */
#include <fstream>
#include <sstream>

#include "mainfixture.h"

namespace {

/* Index files in the temporary directory (GetTempFileName's "hal" names). */
int CountIndexFiles()
{
    WIN32_FIND_DATAA fd;
    int n = 0;
    HANDLE hFind = FindFirstFileA(TempPath("hal*.tmp").c_str(), &fd);
    if (hFind == INVALID_HANDLE_VALUE)
        return 0;
    do
        n++;
    while (FindNextFileA(hFind, &fd));
    FindClose(hFind);
    return n;
}

class OpenCloseTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        /* A run stopped half-way leaves its file in the shared temporary
           directory: only what this test adds counts. */
        nAvant = CountIndexFiles();
    }
    void TearDown() override
    {
        MainWindowTest::TearDown();
        EXPECT_EQ(nAvant, CountIndexFiles()) << "the main window left an index file";
    }
    int nAvant = 0;
};

/* Over an open sample report: what each way of opening another file
   shows, and what is open afterwards. */
TEST_F(OpenCloseTest, EachOutcomeOfOpeningAReport)
{
    std::stringstream ss;
    ss << std::ifstream(SAMPLE_REPORT, std::ios::binary).rdbuf();
    const std::string szSample = ss.str();
    /* the sample cut inside its last hit's alignment, before "Parameters:" */
    const std::string szCut = szSample.substr(0, szSample.find('\n', szSample.rfind("Sbjct:")) + 1);
    /* file written (none: not written), through the Open dialog, boxes,
       result, title after, hits after */
    const struct {
        const char *szName, *szText;
        bool bDialog;
        std::vector<std::string> boxes;
        int nResult;
        const char *szTitle;
        unsigned nHits;
    } cases[] = {
        { "second.bla", szSample.c_str(), true, {}, 1, "Halyard   -   second.bla", 11 },
        { NULL, NULL, true, {}, 0, "Halyard   -   sample.bla", 11 },   /* the dialog cancelled */
        { "mac.bla", "BLASTP 1.4.11\rQuery=  X\r", true, { "Halyard|Invalid file format." }, 0,
          "Halyard   -   sample.bla", 11 },
        { "noquery.bla", "BLASTP 1.4.11\nno query line here\n", false,
          { "Halyard|This is not a BLAST file readable by Halyard.", "Halyard|Invalid file format." }, 0,
          "Halyard   ", 0 },
        { NULL, NULL, false, { "Halyard|Unable to open BLAST file." }, 0, "Halyard   -   sample.bla", 11 },
        /* the last hit is no longer counted */
        { "cut.bla", szCut.c_str(), false, { "Halyard|Incomplete BLAST file." }, 1, "Halyard   ", 10 },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.szName ? c.szName : c.bDialog ? "cancelled" : "missing");
        if (WindowText(hWndMain) != "Halyard   -   sample.bla") {
            ASSERT_EQ(1, Open(SAMPLE_REPORT));
        }
        std::string szAvant = Doc()->szFileSortie;
        std::string szPath = c.szName ? WriteTemp(c.szName, c.szText) : TempPath("no-such-report.bla");
        std::vector<BoxAction> actions;
        if (c.bDialog)
            actions.push_back(c.szName ? TypeAndPress(IDC_OPEN_FILENAME, szPath, IDOK) : Press(IDCANCEL));
        for (size_t i = 0; i < c.boxes.size(); i++)
            actions.push_back(Press(IDOK));
        BoxAnswerer answer(actions);
        EXPECT_EQ(c.nResult, c.bDialog ? OpenABlastFile(hWndMain) : Open(szPath));
        std::vector<std::string> boxes = answer.Texts();
        if (c.bDialog)
            boxes.erase(boxes.begin());
        EXPECT_EQ(c.boxes, boxes);
        EXPECT_EQ(c.szTitle, WindowText(hWndMain));
        EXPECT_EQ(c.nHits, Doc()->pHSPResultat ? Doc()->nHSP : 0u);
        EXPECT_EQ((int)c.nHits, ListBox_GetCount(HWNDRESULT));
        EXPECT_EQ(c.nHits ? 1 : 0, CountIndexFiles());
        EXPECT_EQ(c.nResult == 0 && c.nHits, Exists(szAvant)) << "the first report's index file";
        if (c.nHits) {
            ASSERT_NE(nullptr, Doc()->pVhspData);
            EXPECT_EQ((std::vector<int>{ 0, 1, 1 }), (std::vector<int>{ ListBox_GetCurSel(HWNDRESULT),
                                                                        Doc()->pVhspData->noAlign,
                                                                        Doc()->pVhspData->noHsp }));
        }
        DeleteFileA(szPath.c_str());
    }
    FermeUnFichier(hWndMain);
}

TEST_F(OpenCloseTest, ClosingRemovesTheWorkFileAndDisablesTheReportButtons)
{
    ASSERT_EQ(1, Open(SAMPLE_REPORT));
    std::string szSortie = Doc()->szFileSortie;
    Button_SetCheck(HWNDCHECKSELECTHSP, BST_CHECKED);
    Command(hWndMain, 3001);
    EXPECT_FALSE(Exists(szSortie));
    EXPECT_EQ("Halyard   ", WindowText(hWndMain));
    EXPECT_EQ(0, ListBox_GetCount(HWNDRESULT));
    EXPECT_EQ(nullptr, Doc()->pVhspData);
    EXPECT_EQ(0u, Doc()->nAlignTotal);
    EXPECT_FALSE(IsWindowEnabled(HWNDCHECKSELECTHSP));
    EXPECT_EQ(BST_UNCHECKED, Button_GetCheck(HWNDCHECKSELECTHSP));
    EXPECT_FALSE(IsWindowEnabled(HWNDBTNNEXTALIGN));

    /* Closing again, with nothing open, shows nothing. */
    BoxAnswerer answer({ IDOK });
    Command(hWndMain, 3001);
    PumpMessages(100);
    EXPECT_EQ(0u, answer.Seen().size());
}

} // namespace
