/* Opening reports through the real main window: the Open dialog and the
   notices answered from the test, titles, the HSP index file that exists
   exactly while a report is open, the query chosen in a newer report of
   several, and a report of 20,000 hits. */
#include <fstream>
#include <sstream>

#include "dlgids.h"

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

#define QUERIES_REPORT HALYARD_FIXTURES "/reader/blastplus_3queries.bla"

/* Answers the query dialog: its list's lines into *pLines (" *" on the
   selected one), then line nChoice chosen with button id. */
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

/* The query chosen is read and named in the title, its P column headed
   "E" until the report is closed; Cancel keeps the report open before. */
TEST_F(OpenCloseTest, OneQueryOfANewerReport)
{
    ASSERT_EQ(1, Open(SAMPLE_REPORT));
    std::string szSortie = Doc()->szFileSortie;
    std::vector<std::string> lines;
    {
        BoxAnswerer answer({ ChooseQuery(&lines, 2, IDCANCEL) });
        EXPECT_EQ(0, Open(QUERIES_REPORT));
        EXPECT_EQ(1u, answer.Seen().size());
    }
    EXPECT_EQ(3u, lines.size());
    EXPECT_EQ("Halyard   -   sample.bla", WindowText(hWndMain));
    EXPECT_EQ(11u, Doc()->nHSP);
    EXPECT_EQ(szSortie, Doc()->szFileSortie);
    EXPECT_TRUE(Exists(szSortie.c_str()));

    lines.clear();
    BoxAnswerer answer({ ChooseQuery(&lines, 1, IDOK) });
    ASSERT_EQ(1, Open(QUERIES_REPORT));
    ASSERT_EQ(1u, answer.Seen().size());
    EXPECT_EQ("Choose a query", answer.Seen()[0].szCaption);
    EXPECT_EQ((std::vector<std::string>{ "PQ0\t245 letters *", "PQ1\t245 letters", "PQ2\t245 letters" }), lines);
    EXPECT_EQ("Halyard   -   blastplus_3queries.bla   -   query 2 of 3: PQ1", WindowText(hWndMain));
    EXPECT_STREQ("PQ1", Doc()->FichierBlast.szQuerySeqName);
    EXPECT_EQ(3u, Doc()->nHSP);
    EXPECT_STREQ("PS1", Doc()->pHSPResultat[0]->szAccessNb);
    ASSERT_NE(nullptr, Doc()->pVhspData);
    for (const wchar_t *szCaption : { L"E", L"P" }) {
        std::wstring sz;
        for (const EmfText &t : Record([](HDC hdc) { DessineEnteteRect(hdc); }).texts)
            sz += t.szText == L"E" || t.szText == L"P" ? t.szText : L"";
        EXPECT_TRUE(sz == szCaption);
        FermeUnFichier(hWndMain);
    }
}

/* Hit h has one HSP whose subject starts at h: the whole list, its last
   row reached and flagged, the progress box gone. */
TEST_F(OpenCloseTest, EveryHitOfALargeReportListedAndReachable)
{
    const unsigned NHITS = 20000;
    std::string szText = "BLASTP 2.0MP-WashU\n\nQuery=  big\n        (60 letters)\n\nDatabase:  big.aa\n           1 sequences\n\n"
                         "Sequences producing High-scoring Segment Pairs:\n\n", szHsps;
    char sz[300];
    for (unsigned h = 1; h <= NHITS; h++) {
        snprintf(sz, sizeof sz, "sp|H%05u|BIG  hit %u   50  1.0e-5  1\n", h, h), szText += sz;
        snprintf(sz, sizeof sz, ">sp|H%05u|BIG hit %u\n        Length = 900\n\n Score = 50 (20.1 bits), Expect = 1.0e-5, P = 1.0e-5\n"
                 " Identities = 12/12 (100%%), Positives = 12/12 (100%%)\n\nQuery:     1 MSKAVGIDLGTT 12\n             MSKAVGIDLGTT\n"
                 "Sbjct: %5u MSKAVGIDLGTT %u\n\n", h, h, h, h + 11), szHsps += sz;
    }
    const std::string szPath = WriteTemp("big.bla", szText + "\n\n" + szHsps + "Parameters:\n");
    ASSERT_EQ(1, Open(szPath));
    PumpMessages(50);
    HWND hProgres = NULL;
    EnumThreadWindows(GetCurrentThreadId(), [](HWND h, LPARAM l) -> BOOL {
        if (IsWindowVisible(h) && WindowText(h) == "Reading BLAST file")
            *(HWND *)l = h;
        return TRUE;
    }, (LPARAM)&hProgres);
    EXPECT_EQ(nullptr, hProgres) << "the progress box outlived the read";
    ASSERT_EQ((int)NHITS, ListBox_GetCount(HWNDRESULT));
    EXPECT_EQ((LPARAM)Doc()->pHSPResultat[NHITS - 1], ListBox_GetItemData(HWNDRESULT, NHITS - 1));
    SendMessageA(HWNDRESULT, WM_KEYDOWN, VK_END, 0);
    SendMessageA(HWNDRESULT, WM_KEYDOWN, VK_SPACE, 0);
    ASSERT_NE(nullptr, Doc()->pVhspData);
    EXPECT_EQ((std::vector<unsigned>{ NHITS - 1, NHITS, NHITS, 1 }),
              (std::vector<unsigned>{ (unsigned)ListBox_GetCurSel(HWNDRESULT), (unsigned)Doc()->pVhspData->noAlign, Doc()->pVhspData->StartSubject,
                                      (unsigned)Doc()->pHSPResultat[NHITS - 1]->nHSPselected[0] }));
    EXPECT_STREQ("MSKAVGIDLGTT", Doc()->pVhspData->szSubject);
    FermeUnFichier(hWndMain);
    DeleteFileA(szPath.c_str());
}

} // namespace
