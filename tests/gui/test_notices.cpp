/* Notice boxes and window centring through the real windows under Wine:
   each box is answered from the test, and what it showed (caption, text,
   icon, buttons, owner) is checked against the string table. */
#include <gtest/gtest.h>
#include <windows.h>

#include "HALYARD.h"
#include "harness.h"

namespace {

HWND Fenetre(int x, int y, int w, int h)
{
    return CreateWindowA("STATIC", "", WS_POPUP | WS_BORDER | WS_VISIBLE, x, y, w, h, NULL, NULL,
                         GetModuleHandleA(NULL), NULL);
}

TEST(Notices, EachKindShowsItsTextsIconAndButtons)
{
    HWND hOwner = Fenetre(10, 10, 300, 200);
    ASSERT_NE(nullptr, hOwner) << "error " << GetLastError();
    enum { ERR, INFO, ASK };
    /* kind, answer, caption and text, icon, Yes/No (else OK) */
    const struct { int nKind, idAnswer; const char *szTexts; LPCSTR idIcon; bool bYes; } cases[] = {
        { ERR, IDOK, "Halyard|Invalid file format.", IDI_ERROR, false },
        /* a "\n" of the string table is a line break in the box */
        { INFO, IDOK, "VazEva editor|Null sequence name is not allowed.\nPlease, retry.", IDI_INFORMATION, false },
        { ASK, IDYES, "Halyard|Exit program ?", IDI_QUESTION, true },
        { ASK, IDNO, "Halyard|Exit program ?", IDI_QUESTION, true },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.szTexts);
        BoxAnswerer answer({ c.idAnswer });
        int nResult = c.nKind == ERR    ? (MyErrMsgBox(IDS_HALYARD, IDS_BADFORMAT, hOwner), IDOK)
                      : c.nKind == INFO ? MyInfoMsgBox(IDS_VAZEVA, IDS_NULLNAME, hOwner)
                                        : MyAskMsgBox(IDS_HALYARD, IDS_EXITPROGRAM, hOwner);
        EXPECT_EQ(c.idAnswer, nResult);
        ASSERT_EQ(1u, answer.Seen().size());
        const BoxSeen &b = answer.Seen()[0];
        EXPECT_EQ(std::vector<std::string>{ c.szTexts }, answer.Texts());
        EXPECT_EQ(hOwner, b.hOwner);
        EXPECT_EQ(LoadIconA(NULL, c.idIcon), b.hIcon);
        EXPECT_EQ((std::vector<bool>{ !c.bYes, c.bYes }), (std::vector<bool>{ b.bOk, b.bYes }));
    }

    /* A failed allocation says so in a system-modal box; MyFree(NULL) says nothing. */
    BoxAnswerer answer({ IDOK });
    MyAllocFailAfter(0);
    EXPECT_EQ(nullptr, MyAlloc(32));
    MyFree(NULL);
    EXPECT_EQ(std::vector<std::string>{ "Error|Memory allocation failed: not enough memory !" }, answer.Texts());
    ASSERT_EQ(1u, answer.Seen().size());
    EXPECT_EQ(LoadIconA(NULL, IDI_HAND), answer.Seen()[0].hIcon);
    EXPECT_TRUE(DestroyWindow(hOwner));
}

/* Centred with integer halvings (odd sizes check their order); a window
   the size of the screen or larger stays where it is. */
TEST(Notices, CenterWndCentresWhatFitsTheScreen)
{
    const int W = GetSystemMetrics(SM_CXSCREEN), H = GetSystemMetrics(SM_CYSCREEN);
    /* size, place after */
    const struct { int w, h, x, y; } cases[] = {
        { 200, 100, W / 2 - 100, H / 2 - 50 }, { 301, 77, W / 2 - 150, H / 2 - 38 },
        { W, H, 0, 0 }, { W + 1, 100, 30, 40 }, { 100, H + 1, 30, 40 },
    };
    for (const auto &c : cases) {
        HWND hWnd = Fenetre(30, 40, c.w, c.h);
        ASSERT_NE(nullptr, hWnd);
        CenterWnd(hWnd);
        RECT rc;
        GetWindowRect(hWnd, &rc);
        DestroyWindow(hWnd);
        EXPECT_EQ((std::vector<long>{ c.x, c.y, c.w, c.h }),
                  (std::vector<long>{ rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top }))
            << c.w << "x" << c.h;
    }
}

} // namespace
