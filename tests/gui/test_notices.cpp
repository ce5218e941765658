/* Notice boxes and window centring, through the real windows under Wine:
   each box is answered from the test, and what it showed (caption, text,
   icon, buttons, owner) is checked against the string table. */
#include <gtest/gtest.h>
#include <windows.h>

#include "HALYARD.h"
#include "harness.h"

namespace {

class NoticeTest : public ::testing::Test {
protected:
    HWND m_hOwner = NULL;

    void SetUp() override
    {
        m_hOwner = CreateWindowA("STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 10, 10, 300, 200, NULL, NULL, GetModuleHandleA(NULL), NULL);
        ASSERT_NE(nullptr, m_hOwner) << "CreateWindow failed, error " << GetLastError();
    }
    void TearDown() override
    {
        if (m_hOwner != NULL) {
            EXPECT_TRUE(DestroyWindow(m_hOwner));
        }
    }
};

/* The shared system icon a message box of this kind shows. */
HICON SystemIcon(LPCSTR idIcon)
{
    return LoadIconA(NULL, idIcon);
}

TEST_F(NoticeTest, ErrorBoxShowsStringTableTextsWithErrorIconAndOk)
{
    BoxAnswerer answer({ IDOK });
    MyErrMsgBox(IDS_HALYARD, IDS_BADFORMAT, m_hOwner);

    ASSERT_EQ(1u, answer.Seen().size());
    const BoxSeen &box = answer.Seen()[0];
    EXPECT_EQ("Halyard", box.szCaption);
    EXPECT_EQ("Invalid file format.", box.szText);
    EXPECT_EQ(m_hOwner, box.hOwner);
    EXPECT_TRUE(box.bOk);
    EXPECT_FALSE(box.bYes);
    EXPECT_FALSE(box.bNo);
    EXPECT_NE(nullptr, box.hIcon);
    EXPECT_EQ(SystemIcon(IDI_ERROR), box.hIcon);
    EXPECT_NE(SystemIcon(IDI_INFORMATION), box.hIcon);
}

TEST_F(NoticeTest, InfoBoxShowsInformationIconAndReturnsOk)
{
    BoxAnswerer answer({ IDOK });
    int nResult = MyInfoMsgBox(IDS_VAZEVA, IDS_NULLNAME, m_hOwner);

    EXPECT_EQ(IDOK, nResult);
    ASSERT_EQ(1u, answer.Seen().size());
    const BoxSeen &box = answer.Seen()[0];
    EXPECT_EQ("VazEva editor", box.szCaption);
    /* a "\n" of the string table is a line break in the box */
    EXPECT_EQ("Null sequence name is not allowed.\nPlease, retry.", box.szText);
    EXPECT_TRUE(box.bOk);
    EXPECT_FALSE(box.bYes);
    EXPECT_EQ(SystemIcon(IDI_INFORMATION), box.hIcon);
}

TEST_F(NoticeTest, QuestionBoxReturnsTheButtonChosen)
{
    struct { int idAnswer; } cases[] = { { IDYES }, { IDNO } };

    for (const auto &c : cases) {
        BoxAnswerer answer({ c.idAnswer });
        int nResult = MyAskMsgBox(IDS_HALYARD, IDS_EXITPROGRAM, m_hOwner);

        EXPECT_EQ(c.idAnswer, nResult);
        ASSERT_EQ(1u, answer.Seen().size());
        const BoxSeen &box = answer.Seen()[0];
        EXPECT_EQ("Halyard", box.szCaption);
        EXPECT_EQ("Exit program ?", box.szText);
        EXPECT_EQ(m_hOwner, box.hOwner);
        EXPECT_TRUE(box.bYes);
        EXPECT_TRUE(box.bNo);
        EXPECT_FALSE(box.bOk);
        EXPECT_EQ(SystemIcon(IDI_QUESTION), box.hIcon);
    }
}

TEST_F(NoticeTest, EveryCaptionOfTheProgramLoads)
{
    struct { unsigned id; const char *szCaption; } cases[] = {
        { IDS_HALYARD, "Halyard" },     { IDS_FINDPAT, "Find patterns" },
        { IDS_HCAVIEWER, "HCA viewer" }, { IDS_VAZEVA, "VazEva editor" },
        { IDS_BLASTMAP, "BLAST map" },
    };
    for (const auto &c : cases) {
        char sz[256];
        EXPECT_EQ((int)strlen(c.szCaption), OsLoadString(c.id, sz, sizeof sz)) << c.id;
        EXPECT_STREQ(c.szCaption, sz);
    }
}

TEST_F(NoticeTest, FailedAllocationShowsItsSystemModalBox)
{
    SetActiveWindow(m_hOwner);
    BoxAnswerer answer({ IDOK });
    MyAllocFailAfter(0);
    void *p = MyAlloc(32);

    EXPECT_EQ(nullptr, p);
    ASSERT_EQ(1u, answer.Seen().size());
    const BoxSeen &box = answer.Seen()[0];
    EXPECT_EQ("Memory allocation failed: not enough memory !", box.szText);
    EXPECT_EQ("Error", box.szCaption);
    EXPECT_EQ(SystemIcon(IDI_HAND), box.hIcon);
    EXPECT_TRUE(box.bOk);

    /* The heap's own failures, through the Win32 heap. */
    char *pBlock = (char *)MyAlloc(64);
    ASSERT_NE(nullptr, pBlock);
    EXPECT_EQ(64u, MySize(pBlock));
    EXPECT_EQ(1u, answer.Seen().size());
    MyFree(pBlock);
    MyFree(NULL);
    EXPECT_EQ(1u, answer.Seen().size()) << "MyFree(NULL) showed a box";
}

/* ---- CenterWnd --------------------------------------------------------- */

class CenterTest : public ::testing::Test {
protected:
    int W = GetSystemMetrics(SM_CXSCREEN);
    int H = GetSystemMetrics(SM_CYSCREEN);

    static RECT Placed(int x, int y, int w, int h)
    {
        HWND hWnd = CreateWindowA("STATIC", "centre me", WS_POPUP | WS_BORDER, x, y, w, h,
                                  NULL, NULL, GetModuleHandleA(NULL), NULL);
        RECT rc = { -1, -1, -1, -1 };
        EXPECT_NE(nullptr, hWnd);
        if (hWnd == NULL)
            return rc;
        CenterWnd(hWnd);
        GetWindowRect(hWnd, &rc);
        DestroyWindow(hWnd);
        return rc;
    }
};

TEST_F(CenterTest, CentresWithIntegerHalvingsAndKeepsTheSize)
{
    /* {x, y, w, h}: odd sizes check the order of the halvings */
    struct { int w, h; } cases[] = { { 200, 100 }, { 301, 77 }, { 1, 1 } };
    for (const auto &c : cases) {
        RECT rc = Placed(5, 7, c.w, c.h);
        EXPECT_EQ(W / 2 - c.w / 2, rc.left) << c.w << "x" << c.h;
        EXPECT_EQ(H / 2 - c.h / 2, rc.top) << c.w << "x" << c.h;
        EXPECT_EQ(c.w, rc.right - rc.left);
        EXPECT_EQ(c.h, rc.bottom - rc.top);
    }
}

TEST_F(CenterTest, WindowOfTheScreensSizeGoesToTheOrigin)
{
    RECT rc = Placed(30, 40, W, H);
    EXPECT_EQ(0, rc.left);
    EXPECT_EQ(0, rc.top);
}

TEST_F(CenterTest, WindowLargerThanTheScreenStaysWhereItIs)
{
    /* wider only, taller only, both */
    struct { int w, h; } cases[] = { { W + 1, 100 }, { 100, H + 1 }, { W + 50, H + 50 } };
    for (const auto &c : cases) {
        RECT rc = Placed(30, 40, c.w, c.h);
        EXPECT_EQ(30, rc.left) << c.w << "x" << c.h;
        EXPECT_EQ(40, rc.top) << c.w << "x" << c.h;
    }
}

} // namespace
