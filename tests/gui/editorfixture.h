/* editorfixture.h: a test fixture that opens the VazEva editor on the
   sample report, with helpers to drive its alignment pane with keys and
   to read its caret field, rows and panes. */
#ifndef HALYARD_TEST_EDITORFIXTURE_H
#define HALYARD_TEST_EDITORFIXTURE_H

#include <stdio.h>
#include <string.h>

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

/* vk pressed n times with Ctrl held. */
inline std::vector<Touche> Ctrl(UINT vk, int n = 1)
{
    std::vector<Touche> v(n + 2, Bas(vk));
    v.front() = Bas(VK_CONTROL);
    v.back() = Haut(VK_CONTROL);
    return v;
}

/* The caret field's text for column n, row m. */
inline std::string Caret(int n, int m)
{
    char sz[32];
    snprintf(sz, sizeof sz, "%4d,%4d", n, m);
    return sz;
}

class EditorTest : public MainWindowTest {
protected:
    std::string m_szTemp;   /* a report written by the test, removed after */

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
        if (!m_szTemp.empty())
            DeleteFileA(m_szTemp.c_str());
    }

    /* F3 through the accelerator table, as the message loop does it. */
    void F3()
    {
        HACCEL hAccel = LoadAcceleratorsA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(6000));
        MSG msg = { hWndMain, WM_KEYDOWN, VK_F3, 0x003D0001, 0, { 0, 0 } };
        EXPECT_NE(0, TranslateAcceleratorA(hWndMain, hAccel, &msg));
        PumpMessages(50);
    }

    /* Selects HSPs with a results command, then F3, with no box expected. */
    void OuvreEditeur(int idSelection = 3006)
    {
        SendMessageA(hWndMain, WM_COMMAND, idSelection, 0);
        BoxAnswerer answerer(std::vector<BoxAction>{});
        F3();
        ASSERT_EQ(0u, answerer.Seen().size()) << "first box: " << answerer.Seen()[0].szText;
        ASSERT_NE(nullptr, hWndMulBla);
        ASSERT_NE(nullptr, PMULBLA);
        ASSERT_EQ(HWNDMULBLAALIGN, GetFocus());
    }

    static UINT Etat3010()
    {
        SendMessageA(hWndMain, WM_INITMENU, (WPARAM)GetMenu(hWndMain), 0);
        return GetMenuState(GetMenu(hWndMain), 3010, MF_BYCOMMAND) & MF_CHECKED;
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

    static int LargeurAlign()
    {
        RECT rc;
        GetClientRect(HWNDMULBLAALIGN, &rc);
        return rc.right;
    }

    /* Rectangle of one of the editor's children in its client area. */
    static RECT Place(HWND hChild)
    {
        RECT rc;
        GetWindowRect(hChild, &rc);
        MapWindowPoints(NULL, hWndMulBla, (POINT *)&rc, 2);
        return rc;
    }

    static std::string Rangee(int m) { return PMULBLA->pSeqMul[m - 1]->szSeq; }

    /* A report of one hit whose one HSP covers all of a 95-residue query. */
    void EcritRapport95()
    {
        std::string sz = "BLASTP 1.4.11\n\nQuery=  SHORT a made-up query\n        (95 letters)\n\n"
                         "Database:  test.aa\n           1 sequences; 95 total letters.\n\n"
                         "Sequences producing High-scoring Segment Pairs:              Score  P(N)      N\n\n"
                         "sp|T00001|ONLY the only hit                                    400  1.0e-40   1\n\n\n"
                         ">sp|T00001|ONLY the only hit\n            Length = 95\n\n"
                         " Score = 400 (150.0 bits), Expect = 1.0e-40, P = 1.0e-40\n"
                         " Identities = 95/95 (100%), Positives = 95/95 (100%)\n\n";
        for (int n0 : { 1, 61 }) {
            std::string szSeq, szNo0 = std::to_string(n0), szNo1 = std::to_string(n0 == 1 ? 60 : 95);
            for (int i = n0; i <= (n0 == 1 ? 60 : 95); i++)
                szSeq += "ACDEFGHIKLMNPQRSTVWY"[i % 20];
            for (const char *szTitre : { "Query:", "Sbjct:" })
                sz += std::string(szTitre) + std::string(6 - szNo0.size(), ' ') + szNo0 + " " + szSeq + " "
                      + szNo1 + (szTitre[0] == 'Q' ? "\n             " + szSeq + "\n" : "\n\n");
        }
        sz += "\nParameters:\n  E=10\n";
        char szDir[MAX_PATH];
        GetTempPathA(sizeof szDir, szDir);
        m_szTemp = std::string(szDir) + "editor.bla";
        FILE *f = fopen(m_szTemp.c_str(), "wb");
        ASSERT_NE(nullptr, f);
        fwrite(sz.data(), 1, sz.size(), f);
        fclose(f);
    }
};

#endif
