/* The Database information, Colors and About dialogs, driven from inside their modal loops. */
#include <gtest/gtest.h>
#include <windows.h>

#include <string.h>

#include "HALYARD.h"
#include "dlgids.h"
#include "harness.h"

namespace {

bool g_bForced;

void CALLBACK EndByForce(HWND hDlg, UINT, UINT_PTR idTimer, DWORD)
{
    KillTimer(hDlg, idTimer);
    g_bForced = true;
    EndDialog(hDlg, -1);
}

/* Runs call, which opens one modal dialog, then action on it and idClose;
   one still open 3 s later fails instead of hanging. Returns its caption. */
std::string Drive(std::function<void()> call, std::function<void(HWND)> action, int idClose)
{
    g_bForced = false;
    BoxAnswerer box(std::vector<BoxAction>{ [&](HWND hDlg) {
        action(hDlg);
        Press(idClose)(hDlg);
        SetTimer(hDlg, 1, 3000, EndByForce);
    } });
    call();
    EXPECT_EQ(1u, box.Seen().size()) << "dialogs opened";
    EXPECT_FALSE(g_bForced) << "the dialog did not close on " << idClose;
    return box.Seen().empty() ? "" : box.Seen()[0].szCaption;
}

class DialogsTest : public ::testing::Test {
protected:
    pDataGeneralPrg m_pData = NULL;

    void SetUp() override
    {
        hInst = GetModuleHandleA(NULL);
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA, wc.cbWndExtra = sizeof(LONG_PTR), wc.hInstance = hInst;
        wc.lpszClassName = "HalyardDialogsTestMain";
        RegisterClassA(&wc);
        m_pData = InitDataProgram();
        ASSERT_NE(nullptr, m_pData);
        hWndMain = CreateWindowA(wc.lpszClassName, "Halyard   ", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 600, 300, NULL, NULL, hInst, NULL);
        ASSERT_NE(nullptr, hWndMain) << GetLastError();
        SetWindowLongPtrA(hWndMain, 0, (LONG_PTR)m_pData);
    }
    void TearDown() override
    {
        EXPECT_TRUE(DestroyWindow(hWndMain));
        hWndMain = NULL;
        FreeDataProgram(m_pData);
    }
};

/* Query line: name, two blanks, description, cut at 254; unterminated
   fields show nothing beyond them. OK and Cancel both close. */
TEST_F(DialogsTest, DatabaseInformationShowsTheHeaderAndTheCounts)
{
    DataBlastFile *p = &m_pData->FichierBlast;
    m_pData->nHSP = m_pData->nAlign = 3;
    m_pData->nAlignTotal = 7;
    /* name length, description length (-1: field full, unterminated) */
    const struct { int nName, nInfo, idClose; } cases[] = {
        { 10, 12, IDCANCEL }, { 10, 242, IDOK }, { 10, 243, IDOK }, { 200, 100, IDOK }, { 0, 0, IDOK }, { -1, -1, IDOK } };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::to_string(c.nName) + " + " + std::to_string(c.nInfo));
        memset(p->szQuerySeqName, 'N', sizeof p->szQuerySeqName);
        memset(p->szQuerySeqInfo, 'I', sizeof p->szQuerySeqInfo);
        memset(p->szDataBankInfo, 'D', sizeof p->szDataBankInfo);
        if (c.nName >= 0)
            p->szQuerySeqName[c.nName] = p->szQuerySeqInfo[c.nInfo] = p->szDataBankInfo[1] = '\0';
        std::string sJoint = c.nName < 0 ? std::string(254, 'N') : std::string(c.nName, 'N') + "  " + std::string(c.nInfo, 'I');
        std::vector<std::string> v;
        EXPECT_EQ("Database information", Drive([] { AfficheInfoDB(hWndMain); }, [&](HWND hDlg) {
            for (int id : { IDC_INFO_QUERY, IDC_INFO_BANK, IDC_INFO_NSEQ, IDC_INFO_NALIGN })
                v.push_back(WindowText(GetDlgItem(hDlg, id)));
        }, c.idClose));
        EXPECT_EQ((std::vector<std::string>{ sJoint.substr(0, 254), c.nName < 0 ? std::string(sizeof p->szDataBankInfo, 'D') : "D", "3", "7" }), v);
    }
}

TEST_F(DialogsTest, ColorsGivesBackTheChoiceOnOkOnly)
{
    /* before, clicks, close, shown at opening, result, after */
    const struct { int nPref, nBk; std::vector<int> clicks; int idClose, idShown; bool bShownFond; int nResult, nPrefAfter, nBkAfter; } cases[] = {
        /* (a choice cancelled must not show at the next opening) */
        { 20, 1, { IDC_CLR_NOIRBLANC }, IDCANCEL, IDC_CLR_SIMIDEN, true, 0, 20, 1 },
        { 20, 7, {}, IDOK, IDC_CLR_SIMIDEN, true, 1, 20, 1 }, /* any non-zero: checked */
        { 30, 0, { IDC_CLR_HCA, IDC_CLR_FOND }, IDCANCEL, IDC_CLR_NOIRBLANC, false, 0, 30, 0 },
        { 99, 1, {}, IDOK, IDC_CLR_HCA, true, 1, 10, 1 }, /* unknown: HCA shown */
        { 10, 1, { IDC_CLR_NOIRBLANC }, IDOK, IDC_CLR_HCA, true, 1, 30, 1 },
        { 10, 1, { IDC_CLR_FOND }, IDOK, IDC_CLR_HCA, true, 1, 10, 0 },
        { 30, 0, { IDC_CLR_SIMIDEN, IDC_CLR_FOND }, IDOK, IDC_CLR_NOIRBLANC, false, 1, 20, 1 },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << &c - cases);
        int nPref = c.nPref, nBk = c.nBk, nResult = -1;
        std::vector<int> shown;
        std::string szTextes;
        EXPECT_EQ("Colors", Drive([&] { nResult = ChoixColoration(hWndMain, &nPref, &nBk); }, [&](HWND hDlg) {
            for (int id = IDC_CLR_HCA; id <= IDC_CLR_FOND; id++) {
                if (IsDlgButtonChecked(hDlg, id) == BST_CHECKED)
                    shown.push_back(id);
                szTextes += WindowText(GetDlgItem(hDlg, id)) + "|";
            }
            for (int id : c.clicks)
                SendMessageA(GetDlgItem(hDlg, id), BM_CLICK, 0, 0);
        }, c.idClose));
        EXPECT_EQ((c.bShownFond ? std::vector<int>{ c.idShown, IDC_CLR_FOND } : std::vector<int>{ c.idShown }), shown) << "checked at opening";
        EXPECT_EQ("HCA standard colors|Identity/similarity colors|Black and white|use background colors|", szTextes);
        EXPECT_EQ((std::vector<int>{ c.nResult, c.nPrefAfter, c.nBkAfter }), (std::vector<int>{ nResult, nPref, nBk }));
    }
}

/* The picture whole at the corner; OK and Cancel close, the owner enabled again. */
TEST_F(DialogsTest, AboutShowsThePicture)
{
    for (int idClose : { IDOK, IDCANCEL }) {
        EmfDrawing d;
        std::string szOk;
        EXPECT_EQ("About", Drive([] { AfficheDlgAProposDe(hWndMain); }, [&](HWND hDlg) {
            szOk = WindowText(GetDlgItem(hDlg, IDOK));
            d = Record([&](HDC hdc) { SendMessageA(hDlg, WM_PRINTCLIENT, (WPARAM)hdc, PRF_CLIENT); });
        }, idClose));
        EXPECT_EQ("OK", szOk);
        ASSERT_EQ(1u, d.blits.size());
        EXPECT_EQ((std::vector<long>{ 0, 0, 320, 140 }), (std::vector<long>{ d.blits[0].left, d.blits[0].top, d.blits[0].right, d.blits[0].bottom }));
        EXPECT_TRUE(IsWindowEnabled(hWndMain));
    }
}

} // namespace
