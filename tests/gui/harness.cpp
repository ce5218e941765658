/* harness.cpp: answering modal boxes, pumping messages and reading
   metafiles for the GUI tests. */
#include <windows.h>

#include <string.h>

#include <algorithm>

#include "harness.h"

static BoxAnswerer *g_pAnswerer = NULL;

BoxAction Press(int id)
{
    return [id](HWND hBox) {
        PostMessageA(hBox, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(hBox, id));
    };
}

BoxAction TypeAndPress(int idEdit, std::string szText, int id)
{
    return [idEdit, szText, id](HWND hBox) {
        SetDlgItemTextA(hBox, idEdit, szText.c_str());
        PostMessageA(hBox, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(hBox, id));
    };
}

BoxAnswerer::BoxAnswerer(std::initializer_list<int> answers)
{
    for (int id : answers)
        m_actions.push_back(Press(id));
    g_pAnswerer = this;
    m_idTimer = SetTimer(NULL, 0, 30, OnTimer);
}

BoxAnswerer::BoxAnswerer(std::vector<BoxAction> actions) : m_actions(std::move(actions))
{
    g_pAnswerer = this;
    m_idTimer = SetTimer(NULL, 0, 30, OnTimer);
}

BoxAnswerer::~BoxAnswerer()
{
    KillTimer(NULL, m_idTimer);
    g_pAnswerer = NULL;
}

void CALLBACK BoxAnswerer::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_pAnswerer != NULL)
        g_pAnswerer->Poll();
}

struct FindBoxParam {
    BoxAnswerer *pThis;
    const std::vector<HWND> *pAnswered;
    HWND hFound;
};

BOOL CALLBACK BoxAnswerer::FindBox(HWND hWnd, LPARAM lParam)
{
    FindBoxParam *p = (FindBoxParam *)lParam;
    char szClass[32];

    if (!IsWindowVisible(hWnd) || !IsWindowEnabled(hWnd))
        return TRUE;
    GetClassNameA(hWnd, szClass, sizeof szClass);
    if (strcmp(szClass, "#32770") != 0)
        return TRUE;
    if (std::find(p->pAnswered->begin(), p->pAnswered->end(), hWnd) != p->pAnswered->end())
        return TRUE;
    p->hFound = hWnd;
    return FALSE;
}

/* The icon of a box: the first static child showing one. */
static BOOL CALLBACK FindIcon(HWND hWnd, LPARAM lParam)
{
    char szClass[32];

    GetClassNameA(hWnd, szClass, sizeof szClass);
    if (_stricmp(szClass, "Static") == 0 && (GetWindowLongA(hWnd, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        *(HICON *)lParam = (HICON)SendMessageA(hWnd, STM_GETICON, 0, 0);
        return FALSE;
    }
    return TRUE;
}

void BoxAnswerer::Poll()
{
    FindBoxParam fp = { this, &m_answered, NULL };
    BoxSeen seen;
    BoxAction action = Press(IDCANCEL);

    EnumThreadWindows(GetCurrentThreadId(), FindBox, (LPARAM)&fp);
    if (fp.hFound == NULL)
        return;
    seen.hWnd = fp.hFound;
    seen.hOwner = GetWindow(fp.hFound, GW_OWNER);
    seen.szCaption = WindowText(fp.hFound);
    seen.szText = WindowText(GetDlgItem(fp.hFound, 0xFFFF));
    seen.bOk = GetDlgItem(fp.hFound, IDOK) != NULL;
    seen.bCancel = GetDlgItem(fp.hFound, IDCANCEL) != NULL;
    seen.bYes = GetDlgItem(fp.hFound, IDYES) != NULL;
    seen.bNo = GetDlgItem(fp.hFound, IDNO) != NULL;
    EnumChildWindows(fp.hFound, FindIcon, (LPARAM)&seen.hIcon);
    m_answered.push_back(fp.hFound);

    if (m_seen.size() < m_actions.size())
        action = m_actions[m_seen.size()];
    else
        m_nUnexpected++;
    m_seen.push_back(seen);
    action(fp.hFound);
}

void PumpMessages(DWORD nMs)
{
    DWORD dwEnd = GetTickCount() + nMs;
    MSG msg;

    do {
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    } while ((LONG)(dwEnd - GetTickCount()) > 0);
}

std::string WindowText(HWND hWnd)
{
    char sz[1024];

    if (hWnd == NULL)
        return std::string();
    sz[0] = '\0';
    GetWindowTextA(hWnd, sz, sizeof sz);
    return sz;
}

struct EmfState {
    std::vector<EmfText> texts;
    COLORREF crText = RGB(0, 0, 0);
    COLORREF crBk = RGB(255, 255, 255);
};

static int CALLBACK EnumTexts(HDC, HANDLETABLE *, const ENHMETARECORD *pRec, int, LPARAM lParam)
{
    EmfState *p = (EmfState *)lParam;

    switch (pRec->iType) {
    case EMR_SETTEXTCOLOR:
        p->crText = ((const EMRSETTEXTCOLOR *)pRec)->crColor;
        break;
    case EMR_SETBKCOLOR:
        p->crBk = ((const EMRSETBKCOLOR *)pRec)->crColor;
        break;
    case EMR_EXTTEXTOUTW: {
        const EMREXTTEXTOUTW *pText = (const EMREXTTEXTOUTW *)pRec;
        const WCHAR *pch = (const WCHAR *)((const BYTE *)pRec + pText->emrtext.offString);
        EmfText t;
        t.szText.assign(pch, pText->emrtext.nChars);
        t.pt.x = pText->emrtext.ptlReference.x;
        t.pt.y = pText->emrtext.ptlReference.y;
        t.crText = p->crText;
        t.crBk = p->crBk;
        p->texts.push_back(t);
        break;
    }
    default:
        break;
    }
    return 1;
}

std::vector<EmfText> EmfTexts(HENHMETAFILE hEmf)
{
    EmfState state;

    EnumEnhMetaFile(NULL, hEmf, EnumTexts, &state, NULL);
    return state.texts;
}
