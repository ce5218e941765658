/* The Database information, Colors and About dialogs under Wine: each
   modal dialog is driven from a thread timer that fires inside its modal
   loop, reads what it shows, clicks its controls and closes it. */
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

/* Runs an action on the first dialog ("#32770") of this thread that opens
   while it is armed. A dialog still open about three seconds after its
   action ran is ended by force, so that a dialog that ignores its buttons
   fails the test instead of hanging it. */
class DialogDriver {
public:
    typedef std::function<void(HWND hDlg)> Action;

    explicit DialogDriver(Action action) : m_action(std::move(action))
    {
        s_pThis = this;
        m_idTimer = SetTimer(NULL, 0, 30, OnTimer);
    }
    ~DialogDriver()
    {
        KillTimer(NULL, m_idTimer);
        s_pThis = NULL;
    }
    bool Seen() const { return m_hDlg != NULL; }
    bool Forced() const { return m_bForced; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD)
    {
        if (s_pThis != NULL)
            s_pThis->Poll();
    }
    static BOOL CALLBACK FindDialog(HWND hWnd, LPARAM lParam)
    {
        char szClass[32];

        GetClassNameA(hWnd, szClass, sizeof szClass);
        if (IsWindowVisible(hWnd) && strcmp(szClass, "#32770") == 0) {
            *(HWND *)lParam = hWnd;
            return FALSE;
        }
        return TRUE;
    }
    void Poll()
    {
        if (m_hDlg == NULL) {
            HWND hFound = NULL;
            EnumThreadWindows(GetCurrentThreadId(), FindDialog, (LPARAM)&hFound);
            if (hFound == NULL)
                return;
            m_hDlg = hFound;
            m_action(hFound);
        } else if (!m_bForced && IsWindow(m_hDlg) && ++m_nTicks > 100) {
            m_bForced = true;
            EndDialog(m_hDlg, -1);
        }
    }

    static DialogDriver *s_pThis;
    Action   m_action;
    HWND     m_hDlg = NULL;
    UINT_PTR m_idTimer = 0;
    int      m_nTicks = 0;
    bool     m_bForced = false;
};
DialogDriver *DialogDriver::s_pThis = NULL;

void Presse(HWND hDlg, int id)
{
    PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(hDlg, id));
}

std::string TexteDe(HWND hDlg, int id)
{
    return WindowText(GetDlgItem(hDlg, id));
}

/* A place and size in dialog units, in pixels as the dialog manager
   converts them: position and size each on their own. */
RECT EnPixels(HWND hDlg, int x, int y, int w, int h)
{
    RECT rc = { x, y, w, h };
    MapDialogRect(hDlg, &rc);
    rc.right += rc.left;
    rc.bottom += rc.top;
    return rc;
}

/* The place of a child in its dialog's client coordinates. */
RECT PlaceEnfant(HWND hChild)
{
    RECT rc;
    GetWindowRect(hChild, &rc);
    MapWindowPoints(NULL, GetParent(hChild), (POINT *)&rc, 2);
    return rc;
}

std::string R(const RECT &rc)
{
    return std::to_string(rc.left) + "," + std::to_string(rc.top) + " " + std::to_string(rc.right)
           + "," + std::to_string(rc.bottom);
}

/* The child of hDlg showing szText (for the labels, whose id is -1). */
HWND EnfantTexte(HWND hDlg, const char *szText)
{
    for (HWND h = GetWindow(hDlg, GW_CHILD); h != NULL; h = GetWindow(h, GW_HWNDNEXT))
        if (WindowText(h) == szText)
            return h;
    return NULL;
}

/* Where CenterWnd puts a window of this size. */
void AttendCentre(HWND hDlg)
{
    RECT rc;
    GetWindowRect(hDlg, &rc);
    int w = rc.right - rc.left, h = rc.bottom - rc.top;
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN) / 2 - w / 2, rc.left);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN) / 2 - h / 2, rc.top);
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
        hWndMain = CreateWindowA(szOwnerClass, "Halyard   ", WS_POPUP | WS_CAPTION | WS_VISIBLE,
                                 0, 0, 600, 300, NULL, NULL, hInst, NULL);
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

    void Entete(const char *szName, const char *szInfo, const char *szBank)
    {
        DataBlastFile *p = &m_pData->FichierBlast;
        lstrcpynA(p->szQuerySeqName, szName, sizeof p->szQuerySeqName);
        lstrcpynA(p->szQuerySeqInfo, szInfo, sizeof p->szQuerySeqInfo);
        lstrcpynA(p->szDataBankInfo, szBank, sizeof p->szDataBankInfo);
    }
};

/* ---- Database information ------------------------------------------------ */

/* What the dialog showed in its four fields. */
struct InfoVue {
    std::string szQuery, szBank, szSeq, szAlign;
};

InfoVue AfficheInfo(int idClose)
{
    InfoVue v;
    DialogDriver driver([&](HWND hDlg) {
        v.szQuery = TexteDe(hDlg, IDC_INFO_QUERY);
        v.szBank = TexteDe(hDlg, IDC_INFO_BANK);
        v.szSeq = TexteDe(hDlg, IDC_INFO_NSEQ);
        v.szAlign = TexteDe(hDlg, IDC_INFO_NALIGN);
        Presse(hDlg, idClose);
    });
    AfficheInfoDB(hWndMain);
    EXPECT_TRUE(driver.Seen()) << "the dialog did not open";
    EXPECT_FALSE(driver.Forced()) << "the dialog did not close on " << idClose;
    return v;
}

TEST_F(DialogsTest, DatabaseInformationShowsTheHeaderAndTheCounts)
{
    Entete("HS70_HUMAN", "(642 letters)", "Non-redundant SwissProt 36,000 sequences");
    m_pData->nHSP = 3;
    m_pData->nAlign = 3;
    m_pData->nAlignTotal = 7;

    /* OK, Cancel (Escape, the close box) both close it */
    for (int idClose : { IDOK, IDCANCEL }) {
        InfoVue v = AfficheInfo(idClose);
        EXPECT_EQ("HS70_HUMAN  (642 letters)", v.szQuery);
        EXPECT_EQ("Non-redundant SwissProt 36,000 sequences", v.szBank);
        EXPECT_EQ("3", v.szSeq);
        EXPECT_EQ("7", v.szAlign);
    }
}

TEST_F(DialogsTest, DatabaseInformationCutsTheQueryLineAt254Characters)
{
    /* name length, description length: the joined line is name, two
       blanks, description */
    const struct {
        size_t nName, nInfo;
    } cases[] = { { 10, 240 }, { 10, 242 }, { 10, 243 }, { 200, 100 }, { 255, 255 }, { 0, 0 } };
    for (const auto &c : cases) {
        std::string szName(c.nName, 'N'), szInfo(c.nInfo, 'I');
        std::string szJoint = szName + "  " + szInfo;
        Entete(szName.c_str(), szInfo.c_str(), "");
        SCOPED_TRACE(std::to_string(c.nName) + " + " + std::to_string(c.nInfo));

        InfoVue v = AfficheInfo(IDOK);
        EXPECT_EQ(szJoint.substr(0, 254), v.szQuery);
        EXPECT_EQ(std::min<size_t>(szJoint.size(), 254), v.szQuery.size());
    }
}

TEST_F(DialogsTest, DatabaseInformationReadsNoFurtherThanAFullField)
{
    /* Fields filled to their last byte, without a terminator: what follows
       them in the record must not show. */
    DataBlastFile *p = &m_pData->FichierBlast;
    memset(p->szDataBankInfo, 'D', sizeof p->szDataBankInfo);
    memset(p->szQuerySeqName, 'N', sizeof p->szQuerySeqName);
    memset(p->szQuerySeqInfo, 'I', sizeof p->szQuerySeqInfo);
    lstrcpynA(m_pData->ConfigFile, "C:\\HALYARD\\HALYARD.CFG", sizeof m_pData->ConfigFile);

    InfoVue v = AfficheInfo(IDOK);
    EXPECT_EQ(std::string(sizeof p->szDataBankInfo, 'D'), v.szBank);
    EXPECT_EQ(std::string(254, 'N'), v.szQuery);
}

TEST_F(DialogsTest, DatabaseInformationTemplate)
{
    bool bSeen = false;
    DialogDriver driver([&](HWND hDlg) {
        bSeen = true;
        EXPECT_EQ("Database information", WindowText(hDlg));
        RECT rcClient;
        GetClientRect(hDlg, &rcClient);
        EXPECT_EQ(R(EnPixels(hDlg, 0, 0, 161, 125)), R(rcClient));
        LONG lStyle = GetWindowLongA(hDlg, GWL_STYLE);
        EXPECT_EQ((LONG)(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME),
                  lStyle & (WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME));
        AttendCentre(hDlg);

        /* id (-1: found by its text), text, x, y, w, h in dialog units */
        const struct {
            int id;
            const char *szText;
            int x, y, w, h;
        } ctls[] = {
            { -1, "Sequence name:", 4, 4, 72, 8 },
            { IDC_INFO_QUERY, NULL, 5, 18, 152, 20 },
            { -1, "Database name:", 4, 44, 64, 8 },
            { IDC_INFO_BANK, NULL, 4, 60, 152, 32 },
            { -1, "# of database seq.:", 4, 100, 64, 8 },
            { IDC_INFO_NSEQ, NULL, 72, 100, 24, 8 },
            { -1, "# of alignments:", 4, 112, 60, 8 },
            { IDC_INFO_NALIGN, NULL, 64, 112, 24, 8 },
            { IDOK, "&Ok", 108, 104, 50, 14 },
        };
        for (const auto &c : ctls) {
            HWND h = c.id == -1 ? EnfantTexte(hDlg, c.szText) : GetDlgItem(hDlg, c.id);
            SCOPED_TRACE(std::to_string(c.id) + " " + (c.szText ? c.szText : ""));
            ASSERT_NE(nullptr, h);
            EXPECT_EQ(R(EnPixels(hDlg, c.x, c.y, c.w, c.h)), R(PlaceEnfant(h)));
            if (c.szText != NULL) {
                EXPECT_EQ(c.szText, WindowText(h));
            }
            if (c.id != IDOK) {
                EXPECT_EQ(0x50020000L, GetWindowLongA(h, GWL_STYLE)) << "left-aligned wrapping text";
            }
        }
        Presse(hDlg, IDOK);
    });
    AfficheInfoDB(hWndMain);
    EXPECT_TRUE(bSeen);
}

/* ---- Colors -------------------------------------------------------------- */

/* What the Colors dialog showed when it opened. */
struct ClrVue {
    int idRadio = 0;      /* the radio button checked, 0 if none or several */
    bool bFond = false;
    bool bProp = false;   /* "ParamClr" was attached */
};

ClrVue LitClr(HWND hDlg)
{
    ClrVue v;
    int nChecked = 0;
    for (int id = IDC_CLR_HCA; id <= IDC_CLR_NOIRBLANC; id++)
        if (IsDlgButtonChecked(hDlg, id) == BST_CHECKED) {
            v.idRadio = id;
            nChecked++;
        }
    if (nChecked != 1)
        v.idRadio = 0;
    v.bFond = IsDlgButtonChecked(hDlg, IDC_CLR_FOND) == BST_CHECKED;
    v.bProp = GetPropA(hDlg, "ParamClr") != NULL;
    return v;
}

TEST_F(DialogsTest, ColorsGivesBackTheChoiceOnOkOnly)
{
    /* scheme and background before, controls clicked, button pressed,
       radio and check box shown at opening, result, values after */
    const struct {
        int nPref, nBk;
        std::vector<int> clicks;
        int idClose;
        int idShown;
        bool bShownFond;
        int nResult, nPrefAfter, nBkAfter;
    } cases[] = {
        { 10, 1, {}, IDCANCEL, IDC_CLR_HCA, true, 0, 10, 1 },
        { 20, 1, { IDC_CLR_NOIRBLANC }, IDCANCEL, IDC_CLR_SIMIDEN, true, 0, 20, 1 },
        { 30, 0, { IDC_CLR_HCA, IDC_CLR_FOND }, IDCANCEL, IDC_CLR_NOIRBLANC, false, 0, 30, 0 },
        { 10, 1, {}, IDOK, IDC_CLR_HCA, true, 1, 10, 1 },
        { 20, 1, {}, IDOK, IDC_CLR_SIMIDEN, true, 1, 20, 1 },
        { 30, 0, {}, IDOK, IDC_CLR_NOIRBLANC, false, 1, 30, 0 },
        { 99, 1, {}, IDOK, IDC_CLR_HCA, true, 1, 10, 1 },   /* unknown: HCA shown */
        { 10, 1, { IDC_CLR_NOIRBLANC }, IDOK, IDC_CLR_HCA, true, 1, 30, 1 },
        { 10, 1, { IDC_CLR_FOND }, IDOK, IDC_CLR_HCA, true, 1, 10, 0 },
        { 30, 0, { IDC_CLR_SIMIDEN, IDC_CLR_FOND }, IDOK, IDC_CLR_NOIRBLANC, false, 1, 20, 1 },
        { 20, 7, {}, IDOK, IDC_CLR_SIMIDEN, true, 1, 20, 1 },  /* any non-zero: checked */
    };
    for (const auto &c : cases) {
        SCOPED_TRACE("scheme " + std::to_string(c.nPref) + " background " + std::to_string(c.nBk)
                     + " closed with " + std::to_string(c.idClose) + ", "
                     + std::to_string(c.clicks.size()) + " clicks");
        ClrVue vue;
        DialogDriver driver([&](HWND hDlg) {
            vue = LitClr(hDlg);
            for (int id : c.clicks)
                SendMessageA(GetDlgItem(hDlg, id), BM_CLICK, 0, 0);
            Presse(hDlg, c.idClose);
        });
        int nPref = c.nPref, nBk = c.nBk;
        int nResult = ChoixColoration(hWndMain, &nPref, &nBk);

        EXPECT_FALSE(driver.Forced());
        EXPECT_EQ(c.idShown, vue.idRadio);
        EXPECT_EQ(c.bShownFond, vue.bFond);
        EXPECT_TRUE(vue.bProp);
        EXPECT_EQ(c.nResult, nResult);
        EXPECT_EQ(c.nPrefAfter, nPref);
        EXPECT_EQ(c.nBkAfter, nBk);
    }
}

TEST_F(DialogsTest, ColorsCancelThenOkKeepsTheSchemeShown)
{
    int nPref = 20, nBk = 1;
    {
        DialogDriver driver([](HWND hDlg) {
            SendMessageA(GetDlgItem(hDlg, IDC_CLR_NOIRBLANC), BM_CLICK, 0, 0);
            Presse(hDlg, IDCANCEL);
        });
        EXPECT_EQ(0, ChoixColoration(hWndMain, &nPref, &nBk));
    }
    ClrVue vue;
    DialogDriver driver([&](HWND hDlg) {
        vue = LitClr(hDlg);
        Presse(hDlg, IDOK);
    });
    EXPECT_EQ(1, ChoixColoration(hWndMain, &nPref, &nBk));
    EXPECT_EQ(IDC_CLR_SIMIDEN, vue.idRadio);
    EXPECT_EQ(20, nPref);
    EXPECT_EQ(1, nBk);
}

TEST_F(DialogsTest, ColorsTemplate)
{
    bool bSeen = false;
    DialogDriver driver([&](HWND hDlg) {
        bSeen = true;
        EXPECT_EQ("Colors", WindowText(hDlg));
        RECT rcClient;
        GetClientRect(hDlg, &rcClient);
        EXPECT_EQ(R(EnPixels(hDlg, 0, 0, 131, 102)), R(rcClient));
        AttendCentre(hDlg);

        /* id, text, x, y, w, h, button type */
        const struct {
            int id;
            const char *szText;
            int x, y, w, h;
            LONG lType;
        } ctls[] = {
            { IDC_CLR_HCA, "HCA standard colors", 12, 9, 96, 9, BS_AUTORADIOBUTTON },
            { IDC_CLR_SIMIDEN, "Identity/similarity colors", 12, 22, 100, 13, BS_AUTORADIOBUTTON },
            { IDC_CLR_NOIRBLANC, "Black and white", 12, 39, 100, 9, BS_AUTORADIOBUTTON },
            { IDC_CLR_FOND, "use background colors", 12, 56, 96, 12, BS_AUTOCHECKBOX },
            { IDOK, "&Ok", 12, 78, 50, 14, BS_DEFPUSHBUTTON },
            { IDCANCEL, "&Cancel", 72, 78, 50, 14, BS_PUSHBUTTON },
        };
        for (const auto &c : ctls) {
            HWND h = GetDlgItem(hDlg, c.id);
            SCOPED_TRACE(c.szText);
            ASSERT_NE(nullptr, h);
            EXPECT_EQ(c.szText, WindowText(h));
            EXPECT_EQ(R(EnPixels(hDlg, c.x, c.y, c.w, c.h)), R(PlaceEnfant(h)));
            LONG lStyle = GetWindowLongA(h, GWL_STYLE);
            EXPECT_EQ(c.lType, lStyle & BS_TYPEMASK);
            /* (a radio button's tab stop follows its check mark) */
            if (c.lType != BS_AUTORADIOBUTTON) {
                EXPECT_EQ((LONG)WS_TABSTOP, lStyle & WS_TABSTOP);
            }
        }
        Presse(hDlg, IDCANCEL);
    });
    int nPref = 10, nBk = 1;
    ChoixColoration(hWndMain, &nPref, &nBk);
    EXPECT_TRUE(bSeen);
}

/* ---- About ----------------------------------------------------------------- */

TEST_F(DialogsTest, AboutFitsThePictureWithOkInItsCorner)
{
    bool bSeen = false;
    EmfDrawing dessin;
    DialogDriver driver([&](HWND hDlg) {
        bSeen = true;
        EXPECT_EQ("About", WindowText(hDlg));
        RECT rcClient;
        GetClientRect(hDlg, &rcClient);
        EXPECT_EQ(320, rcClient.right);
        EXPECT_EQ(140, rcClient.bottom);
        AttendCentre(hDlg);

        /* the button keeps its template size, its corner 10 pixels inside
           the picture's */
        HWND hOk = GetDlgItem(hDlg, IDOK);
        ASSERT_NE(nullptr, hOk);
        RECT rcTaille = EnPixels(hDlg, 0, 0, 50, 14);
        RECT rcAttendu = { 310 - rcTaille.right, 130 - rcTaille.bottom, 310, 130 };
        EXPECT_EQ(R(rcAttendu), R(PlaceEnfant(hOk)));
        EXPECT_EQ("OK", WindowText(hOk));
        EXPECT_EQ((LONG)BS_DEFPUSHBUTTON, GetWindowLongA(hOk, GWL_STYLE) & BS_TYPEMASK);

        HENHMETAFILE hEmf = RecordEmf([&](HDC hdc) {
            SendMessageA(hDlg, WM_PRINTCLIENT, (WPARAM)hdc, PRF_CLIENT);
        });
        dessin = EmfDecode(hEmf);
        DeleteEnhMetaFile(hEmf);
        Presse(hDlg, IDOK);
    });
    AfficheDlgAProposDe(hWndMain);
    EXPECT_TRUE(bSeen);
    EXPECT_FALSE(driver.Forced());

    /* The picture is copied whole to the client area's corner. */
    HBITMAP hbm = LoadBitmapA(hInst, MAKEINTRESOURCEA(IDB_APROPOS));
    ASSERT_NE(nullptr, hbm) << "bitmap 1 is missing from the resources";
    BITMAP bm;
    GetObjectA(hbm, sizeof bm, &bm);
    DeleteObject(hbm);
    EXPECT_EQ(320, bm.bmWidth);
    EXPECT_EQ(140, bm.bmHeight);
    ASSERT_EQ(1u, dessin.blits.size()) << DumpTypes(dessin);
    EXPECT_EQ(R({ 0, 0, 320, 140 }), R(dessin.blits[0].rcDest));
}

TEST_F(DialogsTest, AboutClosesOnOkAndOnCancel)
{
    for (int idClose : { IDOK, IDCANCEL }) {
        DialogDriver driver([&](HWND hDlg) { Presse(hDlg, idClose); });
        AfficheDlgAProposDe(hWndMain);
        EXPECT_TRUE(driver.Seen());
        EXPECT_FALSE(driver.Forced()) << idClose;
        EXPECT_TRUE(IsWindowEnabled(hWndMain)) << "the owner is enabled again";
    }
}

} // namespace
