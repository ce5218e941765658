/* harness.h: helpers for the GUI tests under Wine, which drive the real
 * windows with messages. A modal box is answered from a thread timer firing
 * in its own message loop: arm a BoxAnswerer before the call that opens it,
 * read what it showed after. Drawing is recorded into an enhanced metafile
 * and its records decoded (Record). */
#ifndef HALYARD_TEST_HARNESS_H
#define HALYARD_TEST_HARNESS_H

#include <windows.h>
#include <functional>
#include <string>
#include <vector>

/* What one modal box showed, read just before it was answered. */
struct BoxSeen {
    HWND        hWnd = NULL, hOwner = NULL;
    std::string szCaption, szText; /* text: static control 0xFFFF      */
    bool        bOk = false, bYes = false;
};

/* What to do with a modal box: fill its controls, then press a button. */
typedef std::function<void(HWND hBox)> BoxAction;

/* Presses button id; or sets the text of control idEdit first, as for the
   Open and Save dialogs (their file name box is 0x47C). */
BoxAction Press(int id);
BoxAction TypeAndPress(int idEdit, std::string szText, int id);
const int IDC_OPEN_FILENAME = 0x47C;

/* Answers modal boxes of this thread, in order: the first box that opens
   gets answers[0], the next answers[1]... A box with no answer left is
   closed with IDCANCEL and counted as unexpected. One answerer at a time. */
class BoxAnswerer {
public:
    explicit BoxAnswerer(std::initializer_list<int> answers);
    explicit BoxAnswerer(std::vector<BoxAction> actions);
    ~BoxAnswerer();
    const std::vector<BoxSeen> &Seen() const { return m_seen; }
    int Unexpected() const { return m_seen.size() > m_actions.size() ? (int)(m_seen.size() - m_actions.size()) : 0; }
    /* "caption|text" of every box, for one comparison. */
    std::vector<std::string> Texts() const;

private:
    void Poll();

    std::vector<BoxAction> m_actions;
    std::vector<BoxSeen> m_seen;
    UINT_PTR m_idTimer = 0;
};

/* Presses button id of hDlg as a click does: the handler runs (and any
   box it opens) before this returns. */
void Click(HWND hDlg, int id);
/* A tree view as text: one line per item, two blanks of indent per level,
   its image in brackets (and the selected image when it differs). */
std::string TreeText(HWND hTree);
/* Runs the thread's message loop for about nMs milliseconds. */
void PumpMessages(DWORD nMs);
/* Text of a window, as the A function gives it. */
std::string WindowText(HWND hWnd);
/* A file of the temporary directory, and one written there. */
std::string TempPath(const std::string &szName);
std::string WriteTemp(const std::string &szName, const std::string &szText);

/* ---- Metafile records --------------------------------------------------- */

struct EmfText {
    std::wstring szText;
    POINT        pt;           /* reference point                         */
    COLORREF     crText, crBk; /* colours, alignment, mode and font face  */
    UINT         nAlign;       /* in effect                               */
    int          nBkMode;
    std::wstring szFace;
    std::string  A() const { return std::string(szText.begin(), szText.end()); }
};
struct EmfSegment { POINT a, b; COLORREF cr; bool bNullPen; };   /* a LineTo  */
/* PatBlt with the current brush (FillRect, FrameRect), or a Rectangle. */
struct EmfFill { RECT rc; /* exclusive right and bottom */ COLORREF cr; bool bNullBrush; };
struct EmfPolygon { std::vector<POINT> pts; COLORREF cr; /* brush */ bool bNullBrush, bNullPen; };
struct EmfDrawing {
    std::vector<EmfText>    texts;
    std::vector<EmfSegment> segments;
    std::vector<EmfFill>    fills, rectangles;
    std::vector<EmfPolygon> polygons;
    int nCreated = 0, nDeleted = 0;  /* pens and brushes                */

    const EmfText *TextAt(const std::wstring &sz, long x, long y) const;
    bool HasFill(const RECT &rc, COLORREF cr) const;
    int  FillsOn(const RECT &rc) const;
    /* A one-pixel frame on rc in colour cr, as FrameRect paints it. */
    bool HasFrame(const RECT &rc, COLORREF cr) const;
    /* The segment a-b (either way round) with a visible pen of cr. */
    bool HasSegment(POINT a, POINT b, COLORREF cr) const;
};

/* Records what pfnDraw draws on a metafile DC made for the screen. */
EmfDrawing Record(const std::function<void(HDC)> &pfnDraw);

#endif
