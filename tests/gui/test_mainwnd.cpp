/* The main window: its empty state, menu and toolbar states following the
   report, tooltips, the focus given back after a dialog, and the exit
   question. */
#include "mainfixture.h"

namespace {

/* The window cannot be resized. Menu items and toolbar buttons that need
   a report are greyed without one (their function keys then do nothing);
   the others never are. */
TEST_F(MainWindowTest, ReportCommandsFollowTheOpenReport)
{
    EXPECT_EQ((LONG)WS_MINIMIZEBOX, GetWindowLongA(hWndMain, GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX));
    const UINT idReport[] = { 3002, 3004, 3009, 3010, 3011, 3005, 3006, 3007, 3008, 3024 };
    const UINT idAlways[] = { 3000, 3001, 3003, 3021, 3022, 3023 };
    HMENU hMenu = GetMenu(hWndMain);
    for (int nEtape : { 0, 1, 2 }) {
        SCOPED_TRACE(nEtape == 1 ? "report open" : "no report");
        if (nEtape == 1) {
            ASSERT_EQ(1, Open(SAMPLE_REPORT));
        } else if (nEtape == 2) {
            FermeUnFichier(hWndMain);
        }
        for (HWND h : { HWNDBTNPREVALIGN, HWNDBTNNEXTALIGN, HWNDCHECKSELECTHSP })
            EXPECT_TRUE(nEtape == 1 || !IsWindowEnabled(h)) << WindowText(h);
        SendMessageA(hWndMain, WM_INITMENU, (WPARAM)hMenu, 0);
        for (UINT id : idReport)
            EXPECT_EQ(nEtape == 1, !(GetMenuState(hMenu, id, MF_BYCOMMAND) & MF_GRAYED)) << "menu " << id;
        for (UINT id : idAlways)
            EXPECT_FALSE(GetMenuState(hMenu, id, MF_BYCOMMAND) & MF_GRAYED) << "menu " << id;
        for (int id : { 3002, 3024, 3009, 3010, 3011 })
            EXPECT_EQ(nEtape == 1, SendMessageA(HWNDTOOLBAR, TB_ISBUTTONENABLED, id, 0) != 0) << "button " << id;
        for (int id : { 3000, 3023, 3003 })
            EXPECT_TRUE(SendMessageA(HWNDTOOLBAR, TB_ISBUTTONENABLED, id, 0)) << "button " << id;
    }
}

TEST_F(MainWindowTest, TooltipsComeFromTheStringTable)
{
    const char *szTips[8] = { "Open a new BLAST file", "Print 1D alignment", "Printer setup",
                              "Display database information", "HCA viewer", "VazEva Editor", "BLAST map",
                              "bye bye Halyard..." };
    for (int i = 0; i < 8; i++) {
        TOOLTIPTEXTA ttt = {};
        ttt.hdr = { hWndMain, (UINT_PTR)NIDHALYARDMAINBTN[i], (UINT)TTN_NEEDTEXTA };
        SendMessageA(hWndMain, WM_NOTIFY, 0, (LPARAM)&ttt);
        char sz[256] = "";
        if (IS_INTRESOURCE(ttt.lpszText))
            LoadStringA(ttt.hinst, (UINT)(UINT_PTR)ttt.lpszText, sz, sizeof sz);
        EXPECT_STREQ(szTips[i], sz) << "button " << NIDHALYARDMAINBTN[i];
    }
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
        if (id == 3022) {
            EXPECT_NE(std::string::npos, answer.Seen()[0].szText.find("README")) << "help";
        } else {
            EXPECT_EQ(HWNDRESULT, GetFocus()) << "command " << id;
        }
    }
}

TEST_F(MainWindowTest, EveryWayOutAsksFirst)
{
    ASSERT_EQ(1, Open(SAMPLE_REPORT));
    std::string szSortie = Doc()->szFileSortie;
    /* Exit command, close box: No keeps the program and the report. */
    for (UINT uMsg : { (UINT)WM_COMMAND, (UINT)WM_CLOSE }) {
        BoxAnswerer answer({ IDNO });
        SendMessageA(hWndMain, uMsg, uMsg == WM_COMMAND ? 3003 : 0, 0);
        EXPECT_EQ(std::vector<std::string>{ "Halyard|Exit program ?" }, answer.Texts());
        EXPECT_TRUE(IsWindow(hWndMain));
        EXPECT_EQ(11u, Doc()->nHSP);
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

} // namespace
