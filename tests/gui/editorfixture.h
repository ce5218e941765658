/* editorfixture.h: a test fixture that opens the VazEva editor on the
   sample report, with helpers to drive its alignment pane with keys and
   to read its caret field and rows. */
#ifndef HALYARD_TEST_EDITORFIXTURE_H
#define HALYARD_TEST_EDITORFIXTURE_H

#include <stdio.h>

#include <string>
#include <vector>

#include "mainfixture.h"
#include "mulbwin.h"

/* One message to the alignment pane. */
struct Touche {
    UINT uMsg;
    WPARAM wParam;
};
inline Touche Bas(UINT vk) { return { WM_KEYDOWN, vk }; }
inline Touche Haut(UINT vk) { return { WM_KEYUP, vk }; }
inline Touche Car(char c) { return { WM_CHAR, (WPARAM)(unsigned char)c }; }

/* The caret field's text for column n, row m. */
inline std::string Caret(int n, int m)
{
    char sz[32];
    snprintf(sz, sizeof sz, "%4d,%4d", n, m);
    return sz;
}

class EditorTest : public MainWindowTest {
protected:
    std::vector<std::string> m_aEffacer;   /* files the test may have written */

    void SetUp() override
    {
        MainWindowTest::SetUp();
        ASSERT_EQ(1, Open(SAMPLE_REPORT));
        PumpMessages(20);
    }

    void TearDown() override
    {
        if (hWndMulBla != NULL)
            DestroyWindow(hWndMulBla);
        MainWindowTest::TearDown();
        for (const std::string &sz : m_aEffacer)
            DeleteFileA(sz.c_str());
    }

    /* Selects every HSP, then F3, with no box expected. */
    void OuvreEditeur()
    {
        Command(hWndMain, 3006);
        BoxAnswerer answerer(std::vector<BoxAction>{});
        Key(VK_F3);
        ASSERT_EQ(0u, answerer.Seen().size()) << "first box: " << answerer.Seen()[0].szText;
        ASSERT_NE(nullptr, PMULBLA);
        ASSERT_EQ(HWNDMULBLAALIGN, GetFocus());
    }

    static void Envoie(const std::vector<Touche> &touches)
    {
        for (const Touche &t : touches)
            SendMessageA(HWNDMULBLAALIGN, t.uMsg, t.wParam, t.uMsg == WM_KEYUP ? 0xC0000001 : 1);
    }

    /* The editor font's cx and cy, as its panes measure them. */
    static SIZE Police()
    {
        SIZE f = { 0, 0 };
        MesurePolice(HWNDMULBLAALIGN, HFNTEDITOR, &f.cx, &f.cy);
        return f;
    }

    static std::string Rangee(int m) { return PMULBLA->pSeqMul[m - 1]->szSeq; }
};

#endif
