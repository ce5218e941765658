/* halyard.cpp: start-up and the message loop.
   For now the program shows its (empty) main window: the window's
   contents, menus and commands come with the main window module. */
#include <windows.h>
#include <commctrl.h>

#include "HALYARD.h"

HINSTANCE hInst = NULL;
HWND hWndMain = NULL;

static const char szMainClass[] = "HalyardMainWnd";

static LRESULT CALLBACK WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    WNDCLASSA wc;
    MSG msg;
    INITCOMMONCONTROLSEX icc;

    (void)hPrevInstance;
    (void)lpCmdLine;
    hInst = hInstance;
    icc.dwSize = sizeof icc;
    icc.dwICC = ICC_BAR_CLASSES | ICC_PROGRESS_CLASS;
    InitCommonControlsEx(&icc);

    ZeroMemory(&wc, sizeof wc);
    wc.lpfnWndProc = WndProc;
    wc.hInstance = hInstance;
    wc.hCursor = LoadCursor(NULL, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)GetStockObject(LTGRAY_BRUSH);
    wc.lpszClassName = szMainClass;
    wc.cbWndExtra = sizeof(LONG_PTR);
    if (!RegisterClassA(&wc)) {
        MyErrMsgBox(IDS_HALYARD, IDS_NOREGISTER, NULL);
        return 0;
    }
    hWndMain = CreateWindowA(szMainClass, "Halyard",
                             WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                             CW_USEDEFAULT, CW_USEDEFAULT, 640, 480,
                             NULL, NULL, hInstance, NULL);
    if (hWndMain == NULL) {
        MyErrMsgBox(IDS_HALYARD, IDS_NOCREATEWND, NULL);
        return 0;
    }
    ShowWindow(hWndMain, nCmdShow);
    UpdateWindow(hWndMain);
    while (GetMessageA(&msg, NULL, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return (int)msg.wParam;
}
