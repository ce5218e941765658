/* The main window: layout from the list font's metrics, title, menu and
   toolbar states, tooltips, and the exit question. */
#include "mainfixture.h"

namespace {

TEST_F(MainWindowTest, LayoutFollowsTheListFont)
{
    RECT rc;
    ASSERT_GT(cx, 0);
    ASSERT_GT(cy, 0);

    GetWindowRect(hWndMain, &rc);
    EXPECT_EQ(91 * cx, rc.right - rc.left);
    EXPECT_EQ(24 * cy + 43, rc.bottom - rc.top);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN) / 2 - (91 * cx) / 2, rc.left);
    EXPECT_EQ(0, rc.top);

    rc = ChildRect(HWNDRESULT);
    EXPECT_EQ(4, rc.left);
    EXPECT_EQ(cy + 43, rc.top);
    EXPECT_EQ(48 * cx, rc.right - rc.left);
    /* integral height: whole rows, never taller than asked */
    EXPECT_LE(rc.bottom - rc.top, 10 * cy + 3);
    EXPECT_GT(rc.bottom - rc.top, 10 * cy + 3 - (4 * cy) / 3);

    RECT rcClient;
    GetClientRect(hWndMain, &rcClient);
    rc = ChildRect(HWNDALIGN);
    EXPECT_EQ(4, rc.left);
    EXPECT_EQ(15 * cy + 43, rc.top);
    EXPECT_EQ(rcClient.right - 8, rc.right - rc.left);
    EXPECT_EQ(6 * cy + 3, rc.bottom - rc.top);

    /* {window, x, y, w, h} */
    struct { HWND hWnd; long x, y, w, h; } children[] = {
        { HWNDBTNPREVALIGN, cx, 11 * cy + 37, 3 * cx, cy },
        { HWNDBTNNEXTALIGN, (7 * cx) / 2 + cx, 11 * cy + 37, 3 * cx, cy },
        { HWNDCHECKSELECTHSP, 25 * cx, 11 * cy + 38, 2 * cx, 2 * cx },
    };
    for (const auto &c : children) {
        rc = ChildRect(c.hWnd);
        EXPECT_EQ(c.x, rc.left) << WindowText(c.hWnd);
        EXPECT_EQ(c.y, rc.top) << WindowText(c.hWnd);
        EXPECT_EQ(c.w, rc.right - rc.left) << WindowText(c.hWnd);
        EXPECT_EQ(c.h, rc.bottom - rc.top) << WindowText(c.hWnd);
    }
    EXPECT_EQ(49 * cx + 4, RCSEQNAME.left);
    EXPECT_EQ(cy + 43, RCSEQNAME.top);
    EXPECT_EQ(89 * cx + 4, RCSEQNAME.right);
    EXPECT_EQ(11 * cy + 46, RCSEQNAME.bottom);
}

TEST_F(MainWindowTest, StartsEmptyAndCannotBeResized)
{
    EXPECT_EQ("Halyard   ", WindowText(hWndMain));
    LONG lStyle = GetWindowLongA(hWndMain, GWL_STYLE);
    EXPECT_FALSE(lStyle & WS_THICKFRAME);
    EXPECT_FALSE(lStyle & WS_MAXIMIZEBOX);
    EXPECT_TRUE(lStyle & WS_MINIMIZEBOX);
    EXPECT_EQ(0, ListBox_GetCount(HWNDRESULT));
    EXPECT_FALSE(IsWindowEnabled(HWNDBTNPREVALIGN));
    EXPECT_FALSE(IsWindowEnabled(HWNDBTNNEXTALIGN));
    EXPECT_FALSE(IsWindowEnabled(HWNDCHECKSELECTHSP));
    EXPECT_EQ(nullptr, Doc()->pHSPResultat);
    EXPECT_EQ(10, Doc()->nColorPref);
    EXPECT_EQ(1, Doc()->nBkColor);
}

/* Menu items that need a report, and the toolbar buttons that do. */
const UINT idMenuReport[] = { 3002, 3004, 3009, 3010, 3011, 3005, 3006, 3007, 3008, 3024 };
const UINT idMenuAlways[] = { 3000, 3001, 3003, 3021, 3022, 3023 };
const int idToolReport[] = { 3002, 3024, 3009, 3010, 3011 };
const int idToolAlways[] = { 3000, 3023, 3003 };

void ExpectReportCommands(bool bEnabled)
{
    HMENU hMenu = GetMenu(hWndMain);
    SendMessageA(hWndMain, WM_INITMENU, (WPARAM)hMenu, 0);
    for (UINT id : idMenuReport)
        EXPECT_EQ(bEnabled, !(GetMenuState(hMenu, id, MF_BYCOMMAND) & MF_GRAYED)) << "menu " << id;
    for (UINT id : idMenuAlways)
        EXPECT_FALSE(GetMenuState(hMenu, id, MF_BYCOMMAND) & MF_GRAYED) << "menu " << id;
    for (int id : idToolReport)
        EXPECT_EQ(bEnabled, SendMessageA(HWNDTOOLBAR, TB_ISBUTTONENABLED, id, 0) != 0) << "button " << id;
    for (int id : idToolAlways)
        EXPECT_TRUE(SendMessageA(HWNDTOOLBAR, TB_ISBUTTONENABLED, id, 0)) << "button " << id;
}

TEST_F(MainWindowTest, ReportCommandsFollowTheOpenReport)
{
    ExpectReportCommands(false);
    ASSERT_EQ(1, Open(SAMPLE_REPORT));
    ExpectReportCommands(true);
    FermeUnFichier(hWndMain);
    ExpectReportCommands(false);
}

TEST_F(MainWindowTest, FunctionKeysAreGreyedWithoutAReport)
{
    HMENU hMenu = GetMenu(hWndMain);
    HACCEL hAccel = LoadAcceleratorsA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(6000));
    ASSERT_NE(nullptr, hAccel);

    /* F2..F4 are the accelerators of greyed items: no command. */
    SendMessageA(hWndMain, WM_INITMENU, (WPARAM)hMenu, 0);
    for (UINT id : { 3009u, 3010u, 3011u })
        EXPECT_TRUE(GetMenuState(hMenu, id, MF_BYCOMMAND) & MF_GRAYED) << id;

    ACCEL accel[8];
    int n = CopyAcceleratorTableA(hAccel, accel, 8);
    ASSERT_EQ(4, n);
    /* {key, command} */
    struct { WORD vk; WORD cmd; } expected[] = {
        { VK_F1, 3022 }, { VK_F2, 3009 }, { VK_F3, 3010 }, { VK_F4, 3011 } };
    for (const auto &e : expected) {
        bool bFound = false;
        for (int i = 0; i < n; i++)
            if (accel[i].key == e.vk && accel[i].cmd == e.cmd && (accel[i].fVirt & FVIRTKEY))
                bFound = true;
        EXPECT_TRUE(bFound) << "accelerator for command " << e.cmd;
    }
}

TEST_F(MainWindowTest, TooltipsComeFromTheStringTable)
{
    const char *szTips[8] = {
        "Open a new BLAST file", "Print 1D alignment", "Printer setup",
        "Display database information", "HCA viewer", "VazEva Editor", "BLAST map",
        "bye bye Halyard...",
    };
    for (int i = 0; i < 8; i++) {
        TOOLTIPTEXTA ttt;
        ZeroMemory(&ttt, sizeof ttt);
        ttt.hdr.hwndFrom = hWndMain;
        ttt.hdr.idFrom = NIDHALYARDMAINBTN[i];
        ttt.hdr.code = TTN_NEEDTEXTA;
        SendMessageA(hWndMain, WM_NOTIFY, 0, (LPARAM)&ttt);
        ASSERT_TRUE(IS_INTRESOURCE(ttt.lpszText)) << "button " << NIDHALYARDMAINBTN[i];
        char sz[256] = "";
        LoadStringA(ttt.hinst, (UINT)(UINT_PTR)ttt.lpszText, sz, sizeof sz);
        EXPECT_STREQ(szTips[i], sz) << "button " << NIDHALYARDMAINBTN[i];
    }
}

TEST_F(MainWindowTest, EveryWayOutAsksFirst)
{
    ASSERT_EQ(1, Open(SAMPLE_REPORT));
    std::string szSortie = Doc()->szFileSortie;

    /* Exit command, close box: No keeps the program and the report. */
    for (UINT uMsg : { (UINT)WM_COMMAND, (UINT)WM_CLOSE }) {
        BoxAnswerer answer({ IDNO });
        if (uMsg == WM_COMMAND)
            SendMessageA(hWndMain, WM_COMMAND, 3003, 0);
        else
            SendMessageA(hWndMain, WM_CLOSE, 0, 0);
        ASSERT_EQ(1u, answer.Seen().size());
        EXPECT_EQ("Exit program ?", answer.Seen()[0].szText);
        EXPECT_TRUE(IsWindow(hWndMain));
        EXPECT_EQ(11u, Doc()->nHSP);
    }

    /* Shutdown confirmed: the index file stays until the window goes. */
    {
        BoxAnswerer answer({ IDYES });
        EXPECT_TRUE(SendMessageA(hWndMain, WM_QUERYENDSESSION, 0, 0));
        EXPECT_TRUE(Exists(szSortie.c_str()));
    }

    BoxAnswerer answer({ IDYES });
    SendMessageA(hWndMain, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(hWndMain));
    EXPECT_FALSE(Exists(szSortie.c_str())) << "index file left behind: " << szSortie;
}

TEST_F(MainWindowTest, TheListHasTheKeysBackAfterADialog)
{
    ASSERT_EQ(1, Open(SAMPLE_REPORT));
    /* {command}: About, Database information, Colors (cancelled) */
    for (int id : { 3021, 3002, 3004 }) {
        SetFocus(hWndMain);
        BoxAnswerer answer({ IDCANCEL });
        SendMessageA(hWndMain, WM_COMMAND, id, 0);
        EXPECT_EQ(1u, answer.Seen().size()) << "command " << id;
        EXPECT_EQ(HWNDRESULT, GetFocus()) << "command " << id;
    }
}

TEST_F(MainWindowTest, HelpSaysWhereTheDocumentationIs)
{
    BoxAnswerer answer({ IDOK });
    SendMessageA(hWndMain, WM_COMMAND, 3022, 0);
    ASSERT_EQ(1u, answer.Seen().size());
    EXPECT_NE(std::string::npos, answer.Seen()[0].szText.find("README"));
}

} // namespace
