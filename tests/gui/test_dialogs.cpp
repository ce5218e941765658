/* The Database information, Colors and About dialogs under Wine: each
   modal dialog is driven from the harness's timer that fires inside its
   modal loop, which reads what it shows, clicks its controls and closes
   it. */
#include <gtest/gtest.h>
#include <windows.h>
#include <windowsx.h>

#include <string.h>

#include <functional>
#include <string>
#include <vector>

#include "HALYARD.h"
#include "dlgids.h"
#include "emfcheck.h"
#include "harness.h"

namespace {

bool g_bForced;

void CALLBACK EndByForce(HWND hDlg, UINT, UINT_PTR idTimer, DWORD)
{
    KillTimer(hDlg, idTimer);
    g_bForced = true;
    EndDialog(hDlg, -1);
}

/* Runs call, which opens one modal dialog, and action on that dialog. A
   dialog still open three seconds after its action is ended by force, so
   that one that ignores its buttons fails the test instead of hanging it. */
void Drive(std::function<void()> call, std::function<void(HWND)> action)
{
    g_bForced = false;
    BoxAnswerer box(std::vector<BoxAction>{[&](HWND hDlg) {
        action(hDlg);
        SetTimer(hDlg, 1, 3000, EndByForce);
    }});
    call();
    EXPECT_EQ(1u, box.Seen().size()) << "dialogs opened";
    EXPECT_FALSE(g_bForced) << "the dialog did not close on its button";
}

void Presse(HWND hDlg, int id)
{
    PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(hDlg, id));
}

std::string R(const RECT &rc)
{
    return std::to_string(rc.left) + "," + std::to_string(rc.top) + " " + std::to_string(rc.right) +
           "," + std::to_string(rc.bottom);
}

/* A place and size in dialog units, in pixels as the dialog manager
   converts them: position and size each on their own. */
std::string EnPixels(HWND hDlg, int x, int y, int w, int h)
{
    RECT rc = {x, y, w, h};
    MapDialogRect(hDlg, &rc);
    return R({rc.left, rc.top, rc.left + rc.right, rc.top + rc.bottom});
}

/* The place of a child in its dialog's client coordinates. */
std::string Place(HWND hChild)
{
    RECT rc;
    GetWindowRect(hChild, &rc);
    MapWindowPoints(NULL, GetParent(hChild), (POINT *)&rc, 2);
    return R(rc);
}

/* Title, client size (w and h in dialog units, or pixels when bPixels)
   and the place CenterWnd gives the dialog. */
void CheckFrame(HWND hDlg, const char *szTitle, int w, int h, bool bPixels = false)
{
    RECT rc;
    EXPECT_EQ(szTitle, WindowText(hDlg));
    GetClientRect(hDlg, &rc);
    EXPECT_EQ(bPixels ? R({0, 0, w, h}) : EnPixels(hDlg, 0, 0, w, h), R(rc));
    GetWindowRect(hDlg, &rc);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN) / 2 - (rc.right - rc.left) / 2, rc.left);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN) / 2 - (rc.bottom - rc.top) / 2, rc.top);
}

/* One control of a template: id, text (NULL: not checked), place in
   dialog units, style bits and their mask. */
struct Ctl {
    int id;
    const char *szText;
    int x, y, w, h;
    LONG lStyle, lMask;
};

void CheckControls(HWND hDlg, const std::vector<Ctl> &ctls)
{
    for (const Ctl &c : ctls) {
        HWND h = GetDlgItem(hDlg, c.id);
        SCOPED_TRACE(std::to_string(c.id) + " " + (c.szText ? c.szText : ""));
        ASSERT_NE(nullptr, h);
        EXPECT_EQ(EnPixels(hDlg, c.x, c.y, c.w, c.h), Place(h));
        if (c.szText != NULL) {
            EXPECT_EQ(c.szText, WindowText(h));
        }
        EXPECT_EQ(c.lStyle, GetWindowLongA(h, GWL_STYLE) & c.lMask);
    }
}

const char szOwnerClass[] = "HalyardListsDlgMain";

class DialogsTest : public ::testing::Test {
protected:
    pDataGeneralPrg m_pData = NULL;

    void SetUp() override
    {
        static bool bRegistered = false;
        hInst = GetModuleHandleA(NULL);
        if (!bRegistered) {
            WNDCLASSA wc;
            ZeroMemory(&wc, sizeof wc);
            wc.lpfnWndProc = DefWindowProcA;
            wc.cbWndExtra = sizeof(LONG_PTR);
            wc.hInstance = hInst;
            wc.hbrBackground = (HBRUSH)GetStockObject(LTGRAY_BRUSH);
            wc.lpszClassName = szOwnerClass;
            bRegistered = RegisterClassA(&wc) != 0;
        }
        m_pData = InitDataProgram();
        ASSERT_NE(nullptr, m_pData);
        hWndMain = CreateWindowA(szOwnerClass, "Halyard   ", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0,
                                 0, 600, 300, NULL, NULL, hInst, NULL);
        ASSERT_NE(nullptr, hWndMain) << GetLastError();
        SetWindowLongPtrA(hWndMain, 0, (LONG_PTR)m_pData);
    }
    void TearDown() override
    {
        if (hWndMain != NULL) {
            EXPECT_TRUE(DestroyWindow(hWndMain));
        }
        hWndMain = NULL;
        FreeDataProgram(m_pData);
    }

    /* The query, database, hit and HSP fields the dialog showed. */
    std::vector<std::string> AfficheInfo(int idClose)
    {
        std::vector<std::string> v;
        Drive([] { AfficheInfoDB(hWndMain); }, [&](HWND hDlg) {
            for (int id : {IDC_INFO_QUERY, IDC_INFO_BANK, IDC_INFO_NSEQ, IDC_INFO_NALIGN})
                v.push_back(WindowText(GetDlgItem(hDlg, id)));
            Presse(hDlg, idClose);
        });
        return v;
    }
};

/* ---- Database information ------------------------------------------------ */

TEST_F(DialogsTest, DatabaseInformationShowsTheHeaderAndTheCounts)
{
    DataBlastFile *p = &m_pData->FichierBlast;
    lstrcpyA(p->szQuerySeqName, "HS70_HUMAN");
    lstrcpyA(p->szQuerySeqInfo, "(642 letters)");
    lstrcpyA(p->szDataBankInfo, "Non-redundant SwissProt 36,000 sequences");
    m_pData->nHSP = m_pData->nAlign = 3;
    m_pData->nAlignTotal = 7;
    /* OK, Cancel (Escape, the close box) both close it */
    for (int idClose : {IDOK, IDCANCEL})
        EXPECT_EQ((std::vector<std::string>{"HS70_HUMAN  (642 letters)",
                                            "Non-redundant SwissProt 36,000 sequences", "3", "7"}),
                  AfficheInfo(idClose));
}

/* The query line is the name, two blanks and the description, cut at 254
   characters; fields filled to their last byte without a terminator show
   nothing of what follows them in the record. */
TEST_F(DialogsTest, DatabaseInformationCutsTheQueryLine)
{
    DataBlastFile *p = &m_pData->FichierBlast;
    /* name length, description length (-1: field full, unterminated) */
    const struct { int nName, nInfo; } cases[] = {{10, 242}, {10, 243}, {200, 100}, {0, 0}, {-1, -1}};
    for (const auto &c : cases) {
        SCOPED_TRACE(std::to_string(c.nName) + " + " + std::to_string(c.nInfo));
        memset(p->szQuerySeqName, 'N', sizeof p->szQuerySeqName);
        memset(p->szQuerySeqInfo, 'I', sizeof p->szQuerySeqInfo);
        memset(p->szDataBankInfo, 'D', sizeof p->szDataBankInfo);
        if (c.nName >= 0) {
            p->szQuerySeqName[c.nName] = p->szQuerySeqInfo[c.nInfo] = p->szDataBankInfo[0] = '\0';
        }
        std::string sJoint = c.nName < 0 ? std::string(254, 'N')
                                         : std::string(c.nName, 'N') + "  " + std::string(c.nInfo, 'I');
        std::vector<std::string> v = AfficheInfo(IDOK);
        ASSERT_EQ(4u, v.size());
        EXPECT_EQ(sJoint.substr(0, 254), v[0]);
        EXPECT_EQ(c.nName < 0 ? std::string(sizeof p->szDataBankInfo, 'D') : "", v[1]);
    }
}

/* The template: size, a frame that can be resized, labels that wrap. */
TEST_F(DialogsTest, DatabaseInformationTemplate)
{
    Drive([] { AfficheInfoDB(hWndMain); }, [&](HWND hDlg) {
        CheckFrame(hDlg, "Database information", 161, 125);
        LONG lFrame = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
        EXPECT_EQ(lFrame, GetWindowLongA(hDlg, GWL_STYLE) & lFrame);
        CheckControls(hDlg, {
            {IDC_INFO_QUERY, NULL, 5, 18, 152, 20, 0x50020000L, -1},
            {IDC_INFO_BANK, NULL, 4, 60, 152, 32, 0x50020000L, -1},
            {IDOK, "&Ok", 108, 104, 50, 14, 0, 0},
        });
        Presse(hDlg, IDOK);
    });
}

/* ---- Colors -------------------------------------------------------------- */

TEST_F(DialogsTest, ColorsGivesBackTheChoiceOnOkOnly)
{
    /* scheme and background before, controls clicked, button pressed,
       radio and check box shown at opening, result, values after */
    const struct {
        int nPref, nBk;
        std::vector<int> clicks;
        int idClose, idShown;
        bool bShownFond;
        int nResult, nPrefAfter, nBkAfter;
    } cases[] = {
        /* (a choice cancelled must not show at the next opening) */
        {20, 1, {IDC_CLR_NOIRBLANC}, IDCANCEL, IDC_CLR_SIMIDEN, true, 0, 20, 1},
        {20, 7, {}, IDOK, IDC_CLR_SIMIDEN, true, 1, 20, 1}, /* any non-zero: checked */
        {30, 0, {IDC_CLR_HCA, IDC_CLR_FOND}, IDCANCEL, IDC_CLR_NOIRBLANC, false, 0, 30, 0},
        {10, 1, {}, IDOK, IDC_CLR_HCA, true, 1, 10, 1},
        {99, 1, {}, IDOK, IDC_CLR_HCA, true, 1, 10, 1}, /* unknown: HCA shown */
        {10, 1, {IDC_CLR_NOIRBLANC}, IDOK, IDC_CLR_HCA, true, 1, 30, 1},
        {10, 1, {IDC_CLR_FOND}, IDOK, IDC_CLR_HCA, true, 1, 10, 0},
        {30, 0, {IDC_CLR_SIMIDEN, IDC_CLR_FOND}, IDOK, IDC_CLR_NOIRBLANC, false, 1, 20, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE("scheme " + std::to_string(c.nPref) + " background " + std::to_string(c.nBk) +
                     " closed with " + std::to_string(c.idClose) + ", " +
                     std::to_string(c.clicks.size()) + " clicks");
        int nPref = c.nPref, nBk = c.nBk, nResult = -1, nChecked = 0, idShown = 0;
        bool bFond = false, bProp = false;
        Drive([&] { nResult = ChoixColoration(hWndMain, &nPref, &nBk); }, [&](HWND hDlg) {
            for (int id = IDC_CLR_HCA; id <= IDC_CLR_NOIRBLANC; id++)
                if (IsDlgButtonChecked(hDlg, id) == BST_CHECKED)
                    idShown = id, nChecked++;
            bFond = IsDlgButtonChecked(hDlg, IDC_CLR_FOND) == BST_CHECKED;
            bProp = GetPropA(hDlg, "ParamClr") != NULL;
            for (int id : c.clicks)
                SendMessageA(GetDlgItem(hDlg, id), BM_CLICK, 0, 0);
            Presse(hDlg, c.idClose);
        });
        EXPECT_EQ(1, nChecked) << "radio buttons checked";
        EXPECT_EQ(c.idShown, idShown);
        EXPECT_EQ(c.bShownFond, bFond);
        EXPECT_TRUE(bProp);
        EXPECT_EQ(c.nResult, nResult);
        EXPECT_EQ(c.nPrefAfter, nPref);
        EXPECT_EQ(c.nBkAfter, nBk);
    }
}

TEST_F(DialogsTest, ColorsTemplate)
{
    const LONG lType = BS_TYPEMASK | WS_TABSTOP; /* a radio button's tab stop follows its check */
    int nPref = 10, nBk = 1;
    Drive([&] { ChoixColoration(hWndMain, &nPref, &nBk); }, [&](HWND hDlg) {
        CheckFrame(hDlg, "Colors", 131, 102);
        CheckControls(hDlg, {
            {IDC_CLR_HCA, "HCA standard colors", 12, 9, 96, 9, BS_AUTORADIOBUTTON, BS_TYPEMASK},
            {IDC_CLR_SIMIDEN, "Identity/similarity colors", 12, 22, 100, 13, BS_AUTORADIOBUTTON,
             BS_TYPEMASK},
            {IDC_CLR_NOIRBLANC, "Black and white", 12, 39, 100, 9, BS_AUTORADIOBUTTON, BS_TYPEMASK},
            {IDC_CLR_FOND, "use background colors", 12, 56, 96, 12, BS_AUTOCHECKBOX | WS_TABSTOP, lType},
            {IDOK, "&Ok", 12, 78, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP, lType},
            {IDCANCEL, "&Cancel", 72, 78, 50, 14, BS_PUSHBUTTON | WS_TABSTOP, lType},
        });
        Presse(hDlg, IDCANCEL);
    });
}

/* ---- About ----------------------------------------------------------------- */

TEST_F(DialogsTest, AboutFitsThePictureWithOkInItsCorner)
{
    EmfDrawing dessin;
    Drive([] { AfficheDlgAProposDe(hWndMain); }, [&](HWND hDlg) {
        CheckFrame(hDlg, "About", 320, 140, true);
        /* the button keeps its template size, its corner 10 pixels inside
           the picture's */
        RECT rc = {0, 0, 50, 14};
        MapDialogRect(hDlg, &rc);
        EXPECT_EQ(R({310 - rc.right, 130 - rc.bottom, 310, 130}), Place(GetDlgItem(hDlg, IDOK)));
        EXPECT_EQ("OK", WindowText(GetDlgItem(hDlg, IDOK)));
        EXPECT_EQ((LONG)BS_DEFPUSHBUTTON, GetWindowLongA(GetDlgItem(hDlg, IDOK), GWL_STYLE) & BS_TYPEMASK);
        HENHMETAFILE hEmf = RecordEmf([&](HDC hdc) {
            SendMessageA(hDlg, WM_PRINTCLIENT, (WPARAM)hdc, PRF_CLIENT);
        });
        dessin = EmfDecode(hEmf);
        DeleteEnhMetaFile(hEmf);
        Presse(hDlg, IDOK);
    });
    /* The picture (320 x 140) is copied whole to the client area's corner. */
    HBITMAP hbm = LoadBitmapA(hInst, MAKEINTRESOURCEA(IDB_APROPOS));
    ASSERT_NE(nullptr, hbm) << "bitmap 1 is missing from the resources";
    BITMAP bm;
    GetObjectA(hbm, sizeof bm, &bm);
    DeleteObject(hbm);
    EXPECT_EQ(R({0, 0, 320, 140}), R({0, 0, bm.bmWidth, bm.bmHeight}));
    ASSERT_EQ(1u, dessin.blits.size()) << DumpTypes(dessin);
    EXPECT_EQ(R({0, 0, 320, 140}), R(dessin.blits[0]));

    /* Cancel (Escape) closes it too, and the owner is enabled again. */
    Drive([] { AfficheDlgAProposDe(hWndMain); }, [](HWND hDlg) { Presse(hDlg, IDCANCEL); });
    EXPECT_TRUE(IsWindowEnabled(hWndMain));
}

} // namespace
