/* harness.h: helpers for the GUI tests that run under Wine.
 *
 * The test program creates the real windows in its own thread and drives
 * them with messages. Modal boxes (message boxes, dialogs) run their own
 * message loop inside the call that opens them, so they are answered from
 * a thread timer that fires inside that loop: arm a BoxAnswerer before the
 * call, read what the box showed after it.
 */
#ifndef HALYARD_TEST_HARNESS_H
#define HALYARD_TEST_HARNESS_H

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

/* What one modal box showed, read just before it was answered. */
struct BoxSeen {
    HWND        hWnd = NULL;
    HWND        hOwner = NULL;
    std::string szCaption;
    std::string szText;       /* the message text (static control 0xFFFF) */
    bool        bOk = false, bCancel = false, bYes = false, bNo = false;
    HICON       hIcon = NULL; /* the icon shown, NULL when none           */
};

/* What to do with a modal box: fill its controls, then press a button. */
typedef std::function<void(HWND hBox)> BoxAction;

/* Presses button id (IDOK, IDYES, IDNO, IDCANCEL...). */
BoxAction Press(int id);
/* Sets the text of control idEdit (an edit or a combo box), then presses
   button id: answers the Open and Save dialogs. */
BoxAction TypeAndPress(int idEdit, std::string szText, int id);

/* Answers modal boxes of this thread, in order: the first box that opens
   gets answers[0] (a command id such as IDOK, IDYES, IDNO, IDCANCEL, or an
   action), the next answers[1]... A box with no answer left is closed with
   IDCANCEL (and counted as unexpected). Only one answerer may be armed at
   a time. */
class BoxAnswerer {
public:
    explicit BoxAnswerer(std::initializer_list<int> answers);
    explicit BoxAnswerer(std::vector<BoxAction> actions);
    ~BoxAnswerer();
    const std::vector<BoxSeen> &Seen() const { return m_seen; }
    int Unexpected() const { return m_nUnexpected; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    static BOOL CALLBACK FindBox(HWND hWnd, LPARAM lParam);
    void Poll();

    std::vector<BoxAction> m_actions;
    std::vector<BoxSeen> m_seen;
    std::vector<HWND>    m_answered;
    int                  m_nUnexpected = 0;
    UINT_PTR             m_idTimer = 0;
};

/* Runs the thread's message loop for about nMs milliseconds. */
void PumpMessages(DWORD nMs);

/* Text of a window, as the A function gives it. */
std::string WindowText(HWND hWnd);

/* One text output recorded in an enhanced metafile. */
struct EmfText {
    std::wstring szText;
    POINT        pt;           /* reference point of the output           */
    COLORREF     crText;       /* text colour in effect                   */
    COLORREF     crBk;         /* background colour in effect             */
};

/* Records what pfnDraw draws on a metafile DC made for the screen, then
   returns the metafile (to be deleted with DeleteEnhMetaFile). */
template <typename F> HENHMETAFILE RecordEmf(F pfnDraw)
{
    HDC hdcRef = GetDC(NULL);
    HDC hdcEmf = CreateEnhMetaFileA(hdcRef, NULL, NULL, NULL);
    pfnDraw(hdcEmf);
    HENHMETAFILE hEmf = CloseEnhMetaFile(hdcEmf);
    ReleaseDC(NULL, hdcRef);
    return hEmf;
}

/* The text outputs of a metafile, in drawing order. */
std::vector<EmfText> EmfTexts(HENHMETAFILE hEmf);

#endif
