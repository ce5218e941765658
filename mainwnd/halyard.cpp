/* halyard.cpp: the program's entry: start-up, the report named on the
 * command line, and the message loop that runs until the main window is
 * destroyed.
 */
#include <windows.h>
#include <commctrl.h>
#include <string.h>

#include "HALYARD.h"

/* The file named on the command line, if any: the whole command line,
   without the quotes Windows puts around a path with blanks. */
static void FichierDeLaLigneDeCommande(const char *szCmdLine, char *szPath, size_t cchPath)
{
    size_t n;

    while (*szCmdLine == ' ' || *szCmdLine == '\t')
        szCmdLine++;
    n = strlen(szCmdLine);
    while (n > 0 && (szCmdLine[n - 1] == ' ' || szCmdLine[n - 1] == '\t'))
        n--;
    if (n >= 2 && szCmdLine[0] == '"' && szCmdLine[n - 1] == '"') {
        szCmdLine++;
        n -= 2;
    }
    if (n > cchPath - 1)
        n = 0; /* a path that does not fit is not a path we can open */
    memcpy(szPath, szCmdLine, n);
    szPath[n] = '\0';
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    MSG msg;
    HACCEL hAccel;
    char szPath[MAX_PATH];

    InitCommonControls();
    if (hPrevInstance == NULL && !InitApplication(hInstance)) {
        MyErrMsgBox(IDS_HALYARD, IDS_NOREGISTER, NULL);
        return 0;
    }
    if (!InitInstance(hInstance, nCmdShow)) {
        MyErrMsgBox(IDS_HALYARD, IDS_NOCREATEWND, NULL);
        return 0;
    }
    hAccel = LoadAcceleratorsA(hInstance, MAKEINTRESOURCEA(6000));

    /* "Open with" and file associations pass the report here. */
    FichierDeLaLigneDeCommande(lpCmdLine, szPath, sizeof szPath);
    if (szPath[0] != '\0')
        OpenABlastFileNamed(hWndMain, szPath);

    while (GetMessageA(&msg, NULL, 0, 0) > 0) {
        /* The String Finder closes with Escape and searches with Enter
           only when its keys reach the dialog manager. */
        if (hWndSearchDlg != NULL && IsDialogMessageA(hWndSearchDlg, &msg))
            continue;
        if (!TranslateAcceleratorA(hWndMain, hAccel, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return (int)msg.wParam;
}
