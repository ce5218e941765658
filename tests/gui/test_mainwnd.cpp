/* The main window: menu, toolbar and buttons following the report as it
   opens and closes, the focus given back after a dialog, the
   exit question, and memory failing while a tool opens. */
#include "mainfixture.h"
#include "memory.h"
#include "mulbwin.h"
#include "statwin.h"

namespace {

/* The window cannot be resized. Menu items and toolbar buttons that need
   a report are greyed without one, the others never are; Close empties
   the list and clears the HSP shown and its check box, and says nothing
   the second time. */
TEST_F(MainWindowTest, ReportCommandsFollowTheOpenReport)
{
    EXPECT_EQ((LONG)WS_MINIMIZEBOX, GetWindowLongA(hWndMain, GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX));
    BoxAnswerer answer({ IDOK });
    HMENU hMenu = GetMenu(hWndMain);
    for (int nEtape : { 0, 1, 2, 3 }) {
        SCOPED_TRACE(nEtape == 1 ? "report open" : "no report");
        if (nEtape == 1) {
            ASSERT_EQ(1, Open(SAMPLE_REPORT));
            Button_SetCheck(HWNDCHECKSELECTHSP, BST_CHECKED);
        } else if (nEtape > 1) {
            Command(hWndMain, 3001);
            EXPECT_EQ((std::vector<long>{ 0, 0, BST_UNCHECKED }), (std::vector<long>{ ListBox_GetCount(HWNDRESULT),
                      (long)Doc()->nAlignTotal, (long)Button_GetCheck(HWNDCHECKSELECTHSP) }));
            EXPECT_EQ(nullptr, Doc()->pVhspData);
        }
        for (HWND h : { HWNDBTNPREVALIGN, HWNDBTNNEXTALIGN, HWNDCHECKSELECTHSP })
            EXPECT_TRUE(nEtape == 1 || !IsWindowEnabled(h)) << WindowText(h);
        SendMessageA(hWndMain, WM_INITMENU, (WPARAM)hMenu, 0);
        for (UINT id : { 3002, 3004, 3009, 3010, 3011, 3005, 3006, 3007, 3008, 3024 })
            EXPECT_EQ(nEtape == 1, !(GetMenuState(hMenu, id, MF_BYCOMMAND) & MF_GRAYED)) << "menu " << id;
        for (UINT id : { 3000, 3001, 3003, 3021, 3022, 3023 })
            EXPECT_FALSE(GetMenuState(hMenu, id, MF_BYCOMMAND) & MF_GRAYED) << "menu " << id;
        for (int id : { 3002, 3024, 3009, 3010, 3011, 3000, 3023, 3003 })
            EXPECT_EQ(nEtape == 1 || id == 3000 || id == 3023 || id == 3003, SendMessageA(HWNDTOOLBAR, TB_ISBUTTONENABLED, id, 0) != 0) << "button " << id;
    }
    PumpMessages(100);
    EXPECT_EQ(0u, answer.Seen().size());
}

/* About, Database information, Colors (each cancelled): the list has the
   keys back after each. Help says where the documentation is. */
TEST_F(MainWindowTest, TheListHasTheKeysBackAfterADialog)
{
    ASSERT_EQ(1, Open(SAMPLE_REPORT));
    for (int id : { 3021, 3002, 3004, 3022 }) {
        SetFocus(hWndMain);
        BoxAnswerer answer({ IDCANCEL });
        Command(hWndMain, id);
        ASSERT_EQ(1u, answer.Seen().size()) << "command " << id;
        EXPECT_TRUE(id == 3022 ? answer.Seen()[0].szText.find("README") != std::string::npos : GetFocus() == HWNDRESULT) << "command " << id;
    }
}

/* The exit button's tooltip (the last of the table); every way out asks first. */
TEST_F(MainWindowTest, EveryWayOutAsksFirst)
{
    TOOLTIPTEXTA ttt = {};
    ttt.hdr = { hWndMain, 3003, (UINT)TTN_NEEDTEXTA };
    SendMessageA(hWndMain, WM_NOTIFY, 0, (LPARAM)&ttt);
    char sz[64] = "";
    LoadStringA(ttt.hinst, (UINT)(UINT_PTR)ttt.lpszText, sz, sizeof sz);
    EXPECT_STREQ("bye bye Halyard...", sz);
    ASSERT_EQ(1, Open(SAMPLE_REPORT));
    std::string szSortie = Doc()->szFileSortie;
    /* Exit command, close box: No keeps the program and the report. */
    for (UINT uMsg : { (UINT)WM_COMMAND, (UINT)WM_CLOSE }) {
        BoxAnswerer answer({ IDNO });
        SendMessageA(hWndMain, uMsg, uMsg == WM_COMMAND ? 3003 : 0, 0);
        EXPECT_EQ(std::vector<std::string>{ "Halyard|Exit program ?" }, answer.Texts());
        EXPECT_TRUE(IsWindow(hWndMain) && Doc()->nHSP == 11);
    }
    {   /* Shutdown confirmed: the index file stays until the window goes. */
        BoxAnswerer answer({ IDYES });
        EXPECT_TRUE(SendMessageA(hWndMain, WM_QUERYENDSESSION, 0, 0));
        EXPECT_TRUE(Exists(szSortie));
    }
    BoxAnswerer answer({ IDYES });
    SendMessageA(hWndMain, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(hWndMain));
    EXPECT_FALSE(Exists(szSortie)) << "index file left behind";
}

/* Busy blocks of the process heap, where every MyAlloc block lives. */
long BlocsOccupes()
{
    PROCESS_HEAP_ENTRY e;
    long n = 0;
    e.lpData = NULL;
    HeapLock(GetProcessHeap());
    while (HeapWalk(GetProcessHeap(), &e))
        n += (e.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0;
    HeapUnlock(GetProcessHeap());
    return n;
}

/* Memory failing at each allocation in turn while the editor loads and
   while the map is prepared (rows of one hit and of the next): the memory
   notice, then the tool's own; no tool window, record, font or heap block
   left, and the main window still working (the sweep ends with the tool
   open). */
TEST_F(MainWindowTest, EditorAndMapGiveTheirNoticesWhenMemoryFails)
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
