/* mainfixture.h: a test fixture that creates Halyard's real main window
   (classes registered once per program) and destroys it after the test. */
#ifndef HALYARD_TEST_MAINFIXTURE_H
#define HALYARD_TEST_MAINFIXTURE_H

#include <gtest/gtest.h>
#include <windows.h>
#include <windowsx.h>
#include <string>
#include "HALYARD.h"
#include "harness.h"

/* The bundled sample report: 11 hits, hit 5 with three HSPs. */
#define SAMPLE_REPORT HALYARD_FIXTURES "/../../samples/sample.bla"

class MainWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static bool bRegistered = InitApplication(GetModuleHandleA(NULL)) != FALSE;
        ASSERT_TRUE(bRegistered) << "InitApplication failed, error " << GetLastError();
    }
    void SetUp() override
    {
        ASSERT_TRUE(InitInstance(GetModuleHandleA(NULL), SW_SHOW)) << "error " << GetLastError();
        PumpMessages(20);
    }
    void TearDown() override
    {
        if (IsWindow(hWndMain))
            DestroyWindow(hWndMain);
        /* The window posts WM_QUIT when it goes: take it off the queue. */
        for (MSG msg; PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE);) {}
        hWndMain = NULL;
    }
    pDataGeneralPrg Doc() const { return DocumentOf(hWndMain); }
    /* Opens a report as the command line does; 1 when it was read. */
    int Open(const std::string &szPath) { return OpenABlastFileNamed(hWndMain, szPath.c_str()); }
    static void Command(HWND hWnd, int id) { SendMessageA(hWnd, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    /* A function key through the accelerator table, as the message loop does. */
    static void Key(UINT vk)
    {
        HACCEL hAccel = LoadAcceleratorsA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(6000));
        MSG msg = { hWndMain, WM_KEYDOWN, vk, 1, 0, { 0, 0 } };
        EXPECT_NE(0, TranslateAcceleratorA(hWndMain, hAccel, &msg)) << "key " << vk;
        PumpMessages(50);
    }
    static bool Exists(const std::string &sz) { return GetFileAttributesA(sz.c_str()) != INVALID_FILE_ATTRIBUTES; }
};

#endif
