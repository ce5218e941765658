/* Window centring, and the Database information and Colors dialogs of
   the main window, each answered from inside its modal loop. */
#include <string.h>

#include "dlgids.h"
#include "mainfixture.h"

namespace {

/* Centred with integer halvings (an odd size checks their order); a window
   larger than the screen either way stays where it is. */
TEST(CenterWnd, CentresWhatFitsTheScreen)
{
    const int W = GetSystemMetrics(SM_CXSCREEN), H = GetSystemMetrics(SM_CYSCREEN);
    const struct { int w, h, x, y; } cases[] = { { 301, 77, W / 2 - 150, H / 2 - 38 }, { W, H, 0, 0 }, { W + 1, 100, 30, 40 }, { 100, H + 1, 30, 40 } };
    for (const auto &c : cases) {
        HWND hWnd = CreateWindowA("STATIC", "", WS_POPUP | WS_BORDER | WS_VISIBLE, 30, 40, c.w, c.h, NULL, NULL, GetModuleHandleA(NULL), NULL);
        CenterWnd(hWnd);
        RECT rc = {};
        GetWindowRect(hWnd, &rc);
        DestroyWindow(hWnd);
        EXPECT_EQ((std::vector<long>{ c.x, c.y, c.w, c.h }), (std::vector<long>{ rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top }))
            << c.w << "x" << c.h;
    }
}

/* Runs call, which opens one modal dialog, then action on it and idClose
   (one that does not close hangs the test). */
void Drive(std::function<void()> call, std::function<void(HWND)> action, int idClose)
{
    BoxAnswerer box(std::vector<BoxAction>{ [&](HWND hDlg) { action(hDlg), Press(idClose)(hDlg); } });
    call();
}

/* Database information: the texts come from the document (every field
   full, unterminated: the query line cut at 254), the counts from the
   report. Colors gives the choice back on OK only. */
TEST_F(MainWindowTest, DatabaseInformationAndColorsShowTheirDataAndGiveItBack)
{
    ASSERT_EQ(1, Open(SAMPLE_REPORT));
    DataBlastFile *p = &Doc()->FichierBlast;
    memset(p->szQuerySeqName, 'N', sizeof p->szQuerySeqName);
    memset(p->szQuerySeqInfo, 'I', sizeof p->szQuerySeqInfo);
    memset(p->szDataBankInfo, 'D', sizeof p->szDataBankInfo);
    std::vector<std::string> v;
    Drive([] { AfficheInfoDB(hWndMain); }, [&](HWND hDlg) {
        for (int id : { IDC_INFO_QUERY, IDC_INFO_BANK, IDC_INFO_NSEQ, IDC_INFO_NALIGN })
            v.push_back(WindowText(GetDlgItem(hDlg, id)));
    }, IDOK);
    EXPECT_EQ((std::vector<std::string>{ std::string(254, 'N'), std::string(sizeof p->szDataBankInfo, 'D'), "11", "16" }), v);
    /* before, clicks, close, shown at opening, result, after */
    const struct { int nPref, nBk; std::vector<int> clicks; int idClose, idShown; bool bShownFond; int nResult, nPrefAfter, nBkAfter; } cases[] = {
        { 20, 7, { IDC_CLR_NOIRBLANC }, IDCANCEL, IDC_CLR_SIMIDEN, true, 0, 20, 7 },
        { 30, 0, { IDC_CLR_SIMIDEN, IDC_CLR_FOND }, IDOK, IDC_CLR_NOIRBLANC, false, 1, 20, 1 },
        { 99, 1, { IDC_CLR_NOIRBLANC, IDC_CLR_FOND }, IDOK, IDC_CLR_HCA, true, 1, 30, 0 }, /* unknown: HCA shown */
        { 10, 7, {}, IDOK, IDC_CLR_HCA, true, 1, 10, 1 } };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << &c - cases);
        int nPref = c.nPref, nBk = c.nBk, nResult = -1;
        std::vector<int> shown;
        Drive([&] { nResult = ChoixColoration(hWndMain, &nPref, &nBk); }, [&](HWND hDlg) {
            for (int id = IDC_CLR_HCA; id <= IDC_CLR_FOND; id++)
                if (IsDlgButtonChecked(hDlg, id) == BST_CHECKED)
                    shown.push_back(id);
            for (int id : c.clicks)
                SendMessageA(GetDlgItem(hDlg, id), BM_CLICK, 0, 0);
        }, c.idClose);
        EXPECT_EQ((c.bShownFond ? std::vector<int>{ c.idShown, IDC_CLR_FOND } : std::vector<int>{ c.idShown }), shown) << "checked at opening";
        EXPECT_EQ((std::vector<int>{ c.nResult, c.nPrefAfter, c.nBkAfter }), (std::vector<int>{ nResult, nPref, nBk }));
    }
}

} // namespace
