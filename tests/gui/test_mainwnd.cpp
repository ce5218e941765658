/* The main window: opening reports (notices, titles, the HSP index file,
   the query of a newer report), menu, toolbar and buttons following the
   report, the focus after a dialog, exiting, memory failing as a tool opens. */
#include "core/test_reader_util.h"
#include "dlgids.h"
#include "mainfixture.h"
#include "mulbwin.h"
#include "statwin.h"

namespace {

/* Index files in the temporary directory (GetTempFileName's "hal" names). */
int CountIndexFiles()
{
    WIN32_FIND_DATAA fd;
    HANDLE hFind = FindFirstFileA(TempPath("hal*.tmp").c_str(), &fd);
    int n = hFind != INVALID_HANDLE_VALUE;
    while (n > 0 && FindNextFileA(hFind, &fd))
        n++;
    FindClose(hFind);
    return n;
}

/* Only the index files a test adds count (a run stopped half-way leaves its own). */
class OpenCloseTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        nAvant = CountIndexFiles();
    }
    void TearDown() override
    {
        MainWindowTest::TearDown();
        EXPECT_EQ(nAvant, CountIndexFiles()) << "the main window left an index file";
    }
    int nAvant = 0;
};

#define QUERIES_REPORT HALYARD_FIXTURES "/reader/blastplus_3queries.bla"

/* Answers the query dialog: its lines into *pLines (" *": selected), line nChoice chosen with id. */
BoxAction ChooseQuery(std::vector<std::string> *pLines, int nChoice, int id)
{
    return [=](HWND hBox) {
        HWND hList = GetDlgItem(hBox, IDC_REQ_LISTE);
        char sz[200];
        for (int i = 0; i < ListBox_GetCount(hList); i++)
            ListBox_GetText(hList, i, sz), pLines->push_back(sz + std::string(ListBox_GetCurSel(hList) == i ? " *" : ""));
        ListBox_SetCurSel(hList, nChoice);
        SendMessageA(hBox, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    };
}

/* Over an open sample report: what each way of opening another file
   shows, and what is open afterwards. Of a newer report, the query
   chosen is read and named in the title, its P column headed "E" until
   the report is closed; Cancel keeps the report open before. Of a
   report of 20,000 hits, hit h's one HSP starting its subject at h: the
   whole list, its keys each showing the HSP of the row they reach, and
   Space marking the last hit. */
TEST_F(OpenCloseTest, EachOutcomeOfOpeningAReport)
{
    const std::string szSample = readertest::ReadFile(SAMPLE_REPORT);
    /* the sample cut inside its last hit's alignment, before "Parameters:" */
    const std::string szCut = szSample.substr(0, szSample.find('\n', szSample.rfind("Sbjct:")) + 1);
    /* file written (none: not written), through the Open dialog, boxes, result, title after, hits after */
    const struct { const char *szName, *szText; bool bDialog; std::vector<std::string> boxes; int nResult; const char *szTitle; unsigned nHits; } cases[] = {
        { "second.bla", szSample.c_str(), true, {}, 1, "Halyard   -   second.bla", 11 },
        { NULL, NULL, true, {}, 0, "Halyard   -   sample.bla", 11 },   /* the dialog cancelled */
        { "mac.bla", "BLASTP 1.4.11\rQuery=  X\r", true, { "Halyard|Invalid file format." }, 0, "Halyard   -   sample.bla", 11 },
        { "noquery.bla", "BLASTP 1.4.11\nno query line here\n", false,
          { "Halyard|This is not a BLAST file readable by Halyard.", "Halyard|Invalid file format." }, 0, "Halyard   ", 0 },
        { NULL, NULL, false, { "Halyard|Unable to open BLAST file." }, 0, "Halyard   -   sample.bla", 11 },
        /* the last hit is no longer counted */
        { "cut.bla", szCut.c_str(), false, { "Halyard|Incomplete BLAST file." }, 1, "Halyard   ", 10 } };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.szName ? c.szName : c.bDialog ? "cancelled" : "missing");
        ASSERT_TRUE(WindowText(hWndMain) == "Halyard   -   sample.bla" || Open(SAMPLE_REPORT) == 1);
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
        EXPECT_EQ(nullptr, FindWindowA(NULL, "Reading BLAST file")) << "the progress box outlived the read";
        EXPECT_EQ((std::vector<unsigned>{ c.nHits, c.nHits, c.nHits ? 1u : 0u, c.nResult == 0 && c.nHits }),
                  (std::vector<unsigned>{ Doc()->pHSPResultat ? Doc()->nHSP : 0u, (unsigned)ListBox_GetCount(HWNDRESULT), (unsigned)(CountIndexFiles() - nAvant), Exists(szAvant) }))
            << "hits, rows, index files, the first report's index file";
        const HalyardHSPData *p = Doc()->pVhspData;
        EXPECT_TRUE(!c.nHits || (p != NULL && ListBox_GetCurSel(HWNDRESULT) == 0 && p->noAlign == 1 && p->noHsp == 1)) << "the first HSP shown";
        DeleteFileA(szPath.c_str());
    }
    ASSERT_EQ(1, Open(SAMPLE_REPORT));
    std::string szSortie = Doc()->szFileSortie;
    std::vector<std::string> lines;
    EXPECT_EQ(0, (BoxAnswerer({ ChooseQuery(&lines, 2, IDCANCEL) }), Open(QUERIES_REPORT)));
    EXPECT_EQ("Halyard   -   sample.bla", WindowText(hWndMain));
    EXPECT_TRUE(lines.size() == 3 && Doc()->nHSP == 11 && szSortie == Doc()->szFileSortie && Exists(szSortie));

    lines.clear();
    BoxAnswerer answer({ ChooseQuery(&lines, 1, IDOK) });
    ASSERT_EQ(1, Open(QUERIES_REPORT));
    EXPECT_EQ((std::vector<std::string>{ "PQ0\t245 letters *", "PQ1\t245 letters", "PQ2\t245 letters" }), lines);
    EXPECT_EQ("Halyard   -   blastplus_3queries.bla   -   query 2 of 3: PQ1", WindowText(hWndMain));
    ASSERT_TRUE(Doc()->nHSP == 3 && Doc()->pVhspData != NULL);
    EXPECT_STREQ("PS1", Doc()->pHSPResultat[0]->szAccessNb);
    for (const wchar_t *szCaption : { L"E", L"P" }) {
        std::wstring sz;
        for (const EmfText &t : Record([](HDC hdc) { DessineEnteteRect(hdc); }).texts)
            sz += t.szText == L"E" || t.szText == L"P" ? t.szText : L"";
        EXPECT_TRUE(sz == szCaption);
        FermeUnFichier(hWndMain);
    }
    const int nHits = 20000;
    std::vector<std::string> accs(nHits);
    std::vector<readertest::Hit> hits;
    for (unsigned h = 1; h <= nHits; h++) {
        accs[h - 1] = "sp|H" + std::to_string(h) + "|BIG";
        hits.push_back({ accs[h - 1].c_str(), { { 1, 12, h, h + 11, "MSKAVGIDLGTT", "MSKAVGIDLGTT", "MSKAVGIDLGTT" } } });
    }
    std::string szPath = WriteTemp("big.bla", readertest::Report("big", 60, hits));
    ASSERT_EQ(1, Open(szPath));
    EXPECT_EQ((LPARAM)Doc()->pHSPResultat[nHits - 1], ListBox_GetItemData(HWNDRESULT, nHits - 1));
    /* {key, row reached (-1: one strictly inside the list), list scrolled off its top} */
    const struct { UINT vk; int nRow; bool bScrolled; } keys[] = {
        { VK_END, nHits - 1, true }, { VK_PRIOR, -1, true }, { VK_HOME, 0, false }, { VK_NEXT, -1, false }, { VK_END, nHits - 1, true } };
    for (const auto &c : keys) {
        SendMessageA(HWNDRESULT, WM_KEYDOWN, c.vk, 0);
        int nCur = ListBox_GetCurSel(HWNDRESULT);
        const HalyardHSPData *p = Doc()->pVhspData;
        EXPECT_TRUE(c.nRow >= 0 ? nCur == c.nRow : nCur > 0 && nCur < nHits - 1) << "key " << c.vk << ": row " << nCur;
        EXPECT_EQ(c.bScrolled, ListBox_GetTopIndex(HWNDRESULT) > 0) << "key " << c.vk;
        ASSERT_TRUE(p != NULL && p->noAlign == nCur + 1 && p->StartSubject == (unsigned)nCur + 1) << "key " << c.vk;
    }
    SendMessageA(HWNDRESULT, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(Doc()->pHSPResultat[nHits - 1]->nHSPselected[0] == 1 && Button_GetCheck(HWNDCHECKSELECTHSP) == BST_CHECKED);
    FermeUnFichier(hWndMain);
    DeleteFileA(szPath.c_str());
    EXPECT_EQ(1u, answer.Seen().size()) << "boxes: the query dialog alone";
}

/* Menu items and toolbar buttons that need a report are greyed without
   one, the others never are. With one, the list has the keys back after
   About (OK), Database information, Colors (Cancel); Help names the
   README; the Exit command, the close box and shutdown ask first, No
   keeping the program and the report, Yes the index file until the window
   goes. Close empties the list and clears the HSP shown and its check box,
   and says nothing, the second time too. */
TEST_F(OpenCloseTest, ReportCommandsAndDialogsFollowTheOpenReport)
{
    const struct { UINT uMsg; int id, idAnswer; const char *szBox; /* NULL: the list has the focus */ } dialogs[] = {
        { WM_COMMAND, 3021, IDOK, NULL }, { WM_COMMAND, 3002, IDCANCEL, NULL }, { WM_COMMAND, 3004, IDCANCEL, NULL },
        { WM_COMMAND, 3022, IDCANCEL, "README" }, { WM_COMMAND, 3003, IDNO, "Halyard|Exit program ?" }, { WM_QUERYENDSESSION, 0, IDNO, "Exit" },
        { WM_CLOSE, 0, IDNO, "Halyard|Exit program ?" }, { WM_QUERYENDSESSION, 0, IDYES, "Halyard|Exit program ?" } };
    HMENU hMenu = GetMenu(hWndMain);
    for (int nEtape : { 0, 1, 2, 3 }) {
        SCOPED_TRACE(nEtape == 1 ? "report open" : "no report");
        if (nEtape == 1) {
            ASSERT_EQ(1, Open(SAMPLE_REPORT));
            for (const auto &c : dialogs) {
                SetFocus(hWndMain);
                BoxAnswerer answer({ c.idAnswer });
                EXPECT_EQ(c.idAnswer == IDYES, SendMessageA(hWndMain, c.uMsg, c.id, 0) != 0) << "command " << c.id;
                ASSERT_EQ(1u, answer.Seen().size()) << "command " << c.id;
                EXPECT_TRUE(c.szBox ? answer.Texts()[0].find(c.szBox) != std::string::npos : GetFocus() == HWNDRESULT) << "command " << c.id;
                EXPECT_TRUE(IsWindow(hWndMain) && Doc()->nHSP == 11 && Exists(Doc()->szFileSortie));
            }
            Button_SetCheck(HWNDCHECKSELECTHSP, BST_CHECKED);
        } else if (nEtape > 1) {
            BoxAnswerer answer(std::vector<BoxAction>{});
            Command(hWndMain, 3001);
            PumpMessages(50);
            EXPECT_EQ(0u, answer.Seen().size());
            EXPECT_TRUE(!ListBox_GetCount(HWNDRESULT) && !Doc()->nAlignTotal && !Button_GetCheck(HWNDCHECKSELECTHSP) && !Doc()->pVhspData);
        }
        for (HWND h : { HWNDBTNPREVALIGN, HWNDBTNNEXTALIGN, HWNDCHECKSELECTHSP })
            EXPECT_TRUE(nEtape == 1 || !IsWindowEnabled(h)) << WindowText(h);
        SendMessageA(hWndMain, WM_INITMENU, (WPARAM)hMenu, 0);
        for (UINT id : { 3002, 3004, 3009, 3010, 3011, 3005, 3006, 3007, 3008, 3024, 3000, 3001, 3003, 3021, 3022, 3023 })
            EXPECT_EQ(nEtape == 1 || id < 3002 || id == 3003 || (id > 3020 && id < 3024), !(GetMenuState(hMenu, id, MF_BYCOMMAND) & MF_GRAYED)) << id;
        for (int id : { 3002, 3024, 3009, 3010, 3011, 3000, 3023, 3003 })
            EXPECT_EQ(nEtape == 1 || id == 3000 || id == 3023 || id == 3003, SendMessageA(HWNDTOOLBAR, TB_ISBUTTONENABLED, id, 0) != 0) << "button " << id;
    }
}

/* Busy blocks of the process heap, where every MyAlloc block lives. */
long BlocsOccupes()
{
    PROCESS_HEAP_ENTRY e = {}; /* lpData NULL: from the first entry */
    long n = 0;
    HeapLock(GetProcessHeap());
    while (HeapWalk(GetProcessHeap(), &e))
        n += (e.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0;
    HeapUnlock(GetProcessHeap());
    return n;
}

/* Memory failing at each allocation in turn as the editor loads and the map is prepared (rows of
   two hits): the memory notice, then the tool's; no tool window, record, font or heap block left,
   the main window still working; the sweep ends with the tool open. */
TEST_F(OpenCloseTest, EditorAndMapGiveTheirNoticesWhenMemoryFails)
{
    const struct { int idCmd; const char *szNotice; HWND *phTool; bool bSansNotice0; /* the first failure is silent */ } cases[] = {
        { 3010, "VazEva editor|Unable to load the editor.", &hWndMulBla, false }, { 3011, "BLAST map|Unable to prepare map.", &hWndStatBla, true } };
    ASSERT_EQ(1, Open(SAMPLE_REPORT));
    for (unsigned k = 0; k < 3; k++)
        Doc()->pHSPResultat[4]->nHSPselected[k] = 1;
    Doc()->pHSPResultat[5]->nHSPselected[0] = 1;
    for (const auto &c : cases) {
        int n = -1;
        while (*c.phTool == NULL) {
            ASSERT_LT(++n, 300) << "never opens";
            SCOPED_TRACE(testing::Message() << c.szNotice << ": allocation " << n + 1 << " fails");
            if (n == 0) { /* a first round warms what Wine keeps of the boxes */
                BoxAnswerer warm({ IDOK, IDOK });
                MyAllocFailAfter(0);
                Command(hWndMain, c.idCmd);
            }
            long nBlocs = BlocsOccupes();
            BoxAnswerer answerer({ IDOK, IDOK });
            MyAllocFailAfter(n);
            Command(hWndMain, c.idCmd);
            MyAllocFailAfter(-1);
            std::vector<std::string> want = { "Error|Memory allocation failed: not enough memory !", c.szNotice };
            want.resize(*c.phTool != NULL ? 0 : n == 0 && c.bSansNotice0 ? 1 : 2);
            EXPECT_EQ(want, answerer.Texts());
            EXPECT_TRUE(*c.phTool != NULL || (PMULBLA == NULL && HFNTEDITOR == NULL && pStat == NULL && hStatBlaFnt == NULL));
            EXPECT_TRUE(*c.phTool != NULL || nBlocs == BlocsOccupes()) << "heap blocks left";
            EXPECT_TRUE(IsWindowEnabled(hWndMain));
        }
        EXPECT_GE(n, 3);
        BoxAnswerer bye({ IDYES }); /* the editor asks first */
        Command(hWndMain, c.idCmd);
        EXPECT_EQ(NULL, *c.phTool);
    }
}

} // namespace
