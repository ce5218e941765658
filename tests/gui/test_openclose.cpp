/* Opening and closing reports through the real main window: the Open
   dialog and the notices answered from the test, titles, and the HSP
   index file that exists exactly while a report is open. */
#include <stdio.h>

#include "mainfixture.h"

namespace {

/* Index files in the temporary directory (GetTempFileName's "hal" names). */
int CountIndexFiles()
{
    char szDir[MAX_PATH], szPattern[MAX_PATH + 16];
    WIN32_FIND_DATAA fd;
    int n = 0;

    GetTempPathA(sizeof szDir, szDir);
    snprintf(szPattern, sizeof szPattern, "%shal*.tmp", szDir);
    HANDLE hFind = FindFirstFileA(szPattern, &fd);
    if (hFind == INVALID_HANDLE_VALUE)
        return 0;
    do
        n++;
    while (FindNextFileA(hFind, &fd));
    FindClose(hFind);
    return n;
}

/* Writes szText to a new file in the temporary directory. */
std::string TempReport(const char *szName, const std::string &szText)
{
    char szDir[MAX_PATH];
    GetTempPathA(sizeof szDir, szDir);
    std::string szPath = std::string(szDir) + szName;
    FILE *f = fopen(szPath.c_str(), "wb");
    if (f != NULL) {
        fwrite(szText.data(), 1, szText.size(), f);
        fclose(f);
    }
    return szPath;
}

std::string ReadAll(const char *szPath)
{
    std::string s;
    FILE *f = fopen(szPath, "rb");
    if (f == NULL)
        return s;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0)
        s.append(buf, n);
    fclose(f);
    return s;
}

/* The combo box of the Open dialog that holds the file name. */
const int IDC_OPEN_FILENAME = 0x47C;

class OpenCloseTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        ASSERT_EQ(0, CountIndexFiles()) << "index files left by an earlier test";
    }
    void TearDown() override
    {
        MainWindowTest::TearDown();
        EXPECT_EQ(0, CountIndexFiles()) << "the main window left an index file";
    }
};

TEST_F(OpenCloseTest, OpeningShowsTheReportAndItsFirstHsp)
{
    ASSERT_EQ(1, Open(SAMPLE_REPORT));
    EXPECT_EQ("Halyard   -   sample.bla", WindowText(hWndMain));
    EXPECT_EQ(11u, Doc()->nHSP);
    EXPECT_EQ(11, ListBox_GetCount(HWNDRESULT));
    EXPECT_EQ(0, ListBox_GetCurSel(HWNDRESULT));
    ASSERT_NE(nullptr, Doc()->pVhspData);
    EXPECT_EQ(1, Doc()->pVhspData->noAlign);
    EXPECT_EQ(1, Doc()->pVhspData->noHsp);
    EXPECT_TRUE(IsWindowEnabled(HWNDCHECKSELECTHSP));
    EXPECT_EQ(1, CountIndexFiles());
    EXPECT_TRUE(Exists(Doc()->szFileSortie));
}

TEST_F(OpenCloseTest, ASecondReportReplacesTheFirstAndItsIndexFile)
{
    ASSERT_EQ(1, Open(SAMPLE_REPORT));
    std::string szFirst = Doc()->szFileSortie;
    std::string szCopy = TempReport("second.bla", ReadAll(SAMPLE_REPORT));

    /* The second one through the Open dialog, answered from the test. */
    BoxAnswerer answer({ TypeAndPress(IDC_OPEN_FILENAME, szCopy, IDOK) });
    EXPECT_EQ(1, OpenABlastFile(hWndMain));
    EXPECT_EQ(1u, answer.Seen().size());
    EXPECT_EQ("Halyard   -   second.bla", WindowText(hWndMain));
    EXPECT_EQ(1, CountIndexFiles());
    EXPECT_FALSE(Exists(szFirst.c_str()));
    EXPECT_TRUE(Exists(Doc()->szFileSortie));
    DeleteFileA(szCopy.c_str());
}

TEST_F(OpenCloseTest, CancellingTheOpenDialogKeepsEverything)
{
    ASSERT_EQ(1, Open(SAMPLE_REPORT));
    std::string szSortie = Doc()->szFileSortie;
    Doc()->pHSPResultat[2]->nHSPselected[0] = 1;

    BoxAnswerer answer({ IDCANCEL });
    EXPECT_EQ(0, OpenABlastFile(hWndMain));
    EXPECT_EQ(1u, answer.Seen().size());
    EXPECT_EQ(0, answer.Unexpected());
    EXPECT_EQ("Halyard   -   sample.bla", WindowText(hWndMain));
    EXPECT_EQ(szSortie, Doc()->szFileSortie);
    EXPECT_TRUE(Exists(szSortie.c_str()));
    EXPECT_EQ(1, Doc()->pHSPResultat[2]->nHSPselected[0]);
}

TEST_F(OpenCloseTest, AMacintoshFileIsRefusedAndTheReportKept)
{
    ASSERT_EQ(1, Open(SAMPLE_REPORT));
    std::string szSortie = Doc()->szFileSortie;
    std::string szMac = TempReport("mac.bla", "BLASTP 1.4.11\rQuery=  X\r");

    BoxAnswerer answer({ TypeAndPress(IDC_OPEN_FILENAME, szMac, IDOK), Press(IDOK) });
    EXPECT_EQ(0, OpenABlastFile(hWndMain));
    ASSERT_EQ(2u, answer.Seen().size());
    EXPECT_EQ("Halyard", answer.Seen()[1].szCaption);
    EXPECT_EQ("Invalid file format.", answer.Seen()[1].szText);
    EXPECT_EQ("Halyard   -   sample.bla", WindowText(hWndMain));
    EXPECT_EQ(11u, Doc()->nHSP);
    EXPECT_TRUE(Exists(szSortie.c_str()));
    EXPECT_NE(std::string::npos, std::string(Doc()->szFilePath).find("mac.bla"))
        << "the rejected file's name stays in the document";
    DeleteFileA(szMac.c_str());
}

TEST_F(OpenCloseTest, AReaderFailureLeavesTheEmptyState)
{
    ASSERT_EQ(1, Open(SAMPLE_REPORT));
    std::string szBad = TempReport("noquery.bla", "BLASTP 1.4.11\nno query line here\n");

    BoxAnswerer answer({ IDOK, IDOK });
    EXPECT_EQ(0, Open(szBad));
    ASSERT_EQ(2u, answer.Seen().size());
    EXPECT_EQ("This is not a BLAST file readable by Halyard.", answer.Seen()[0].szText);
    EXPECT_EQ("Invalid file format.", answer.Seen()[1].szText);
    EXPECT_EQ("Halyard   ", WindowText(hWndMain));
    EXPECT_EQ(nullptr, Doc()->pHSPResultat);
    EXPECT_EQ(0, ListBox_GetCount(HWNDRESULT));
    EXPECT_EQ(0, CountIndexFiles());
    EXPECT_FALSE(SendMessageA(HWNDTOOLBAR, TB_ISBUTTONENABLED, 3009, 0));
    DeleteFileA(szBad.c_str());
}

TEST_F(OpenCloseTest, AMissingFileOnTheCommandLineKeepsTheReport)
{
    ASSERT_EQ(1, Open(SAMPLE_REPORT));
    BoxAnswerer answer({ IDOK });
    EXPECT_EQ(0, Open(HALYARD_FIXTURES "/no-such-report.bla"));
    ASSERT_EQ(1u, answer.Seen().size());
    EXPECT_EQ("Unable to open BLAST file.", answer.Seen()[0].szText);
    EXPECT_EQ("Halyard   -   sample.bla", WindowText(hWndMain));
    EXPECT_EQ(11u, Doc()->nHSP);
    EXPECT_EQ(1, CountIndexFiles());
}

TEST_F(OpenCloseTest, AnIncompleteReportOpensWithoutItsNameInTheTitle)
{
    /* The sample cut inside its last hit's alignment, before "Parameters:" */
    std::string szText = ReadAll(SAMPLE_REPORT);
    size_t nCut = szText.rfind("Sbjct:");
    ASSERT_NE(std::string::npos, nCut);
    nCut = szText.find('\n', nCut);
    std::string szCut = TempReport("cut.bla", szText.substr(0, nCut + 1));

    BoxAnswerer answer({ IDOK });
    EXPECT_EQ(1, Open(szCut));
    ASSERT_EQ(1u, answer.Seen().size());
    EXPECT_EQ("Incomplete BLAST file.", answer.Seen()[0].szText);
    EXPECT_EQ("Halyard   ", WindowText(hWndMain));
    EXPECT_EQ(10u, Doc()->nHSP) << "the last hit is no longer counted";
    EXPECT_EQ(10, ListBox_GetCount(HWNDRESULT));
    EXPECT_TRUE(Exists(Doc()->szFileSortie));
    EXPECT_TRUE(SendMessageA(HWNDTOOLBAR, TB_ISBUTTONENABLED, 3009, 0));
    FermeUnFichier(hWndMain);
    DeleteFileA(szCut.c_str());
}

TEST_F(OpenCloseTest, ClosingRemovesTheWorkFileAndDisablesTheReportButtons)
{
    ASSERT_EQ(1, Open(SAMPLE_REPORT));
    std::string szSortie = Doc()->szFileSortie;
    Button_SetCheck(HWNDCHECKSELECTHSP, BST_CHECKED);

    SendMessageA(hWndMain, WM_COMMAND, 3001, 0);
    EXPECT_FALSE(Exists(szSortie.c_str()));
    EXPECT_EQ("Halyard   ", WindowText(hWndMain));
    EXPECT_EQ(0, ListBox_GetCount(HWNDRESULT));
    EXPECT_EQ(nullptr, Doc()->pVhspData);
    EXPECT_EQ(0u, Doc()->nAlignTotal);
    EXPECT_FALSE(IsWindowEnabled(HWNDCHECKSELECTHSP));
    EXPECT_EQ(BST_UNCHECKED, Button_GetCheck(HWNDCHECKSELECTHSP));
    EXPECT_FALSE(IsWindowEnabled(HWNDBTNNEXTALIGN));
    for (int id : { 3002, 3024, 3009, 3010, 3011 })
        EXPECT_FALSE(SendMessageA(HWNDTOOLBAR, TB_ISBUTTONENABLED, id, 0)) << id;

    /* Closing again, with nothing open, shows nothing. */
    BoxAnswerer answer({ IDOK });
    SendMessageA(hWndMain, WM_COMMAND, 3001, 0);
    PumpMessages(100);
    EXPECT_EQ(0u, answer.Seen().size());
}

} // namespace
