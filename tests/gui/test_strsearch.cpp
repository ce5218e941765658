/* The String Finder on the sample report: opens once, searches, shows a
   chosen hit, and every way out takes its record with it. */
#include <vector>

#include "mainfixture.h"
#include "strsearchwin.h"

namespace {

class StringFinderTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        ASSERT_EQ(1, Open(SAMPLE_REPORT));
    }
    void TearDown() override
    {
        DestroyWindow(hWndSearchDlg);
        MainWindowTest::TearDown();
    }

    /* Command 3008, no box expected (the answerer goes before pumping: it would take the dialog for one). */
    HWND Ouvre()
    {
        {
            BoxAnswerer answerer(std::vector<BoxAction>{});
            SendMessageA(hWndMain, WM_COMMAND, 3008, 0);
            EXPECT_EQ(0u, answerer.Seen().size()) << "first box: " << answerer.Seen()[0].szText;
        }
        PumpMessages(20);
        return hWndSearchDlg;
    }

    /* Types szChaine, presses Search: the entries, then the count line. */
    static std::vector<std::string> Cherche(HWND hDlg, const char *szChaine)
    {
        SetDlgItemTextA(hDlg, IDC_SS_CHAINE, szChaine);
        FORWARD_WM_COMMAND(hDlg, IDOK, GetDlgItem(hDlg, IDOK), BN_CLICKED, SendMessageA);
        HWND hList = GetDlgItem(hDlg, IDC_SS_LISTE);
        std::vector<std::string> v;
        char sz[STRSEARCH_ENTREE];
        for (int i = 0; i < ListBox_GetCount(hList); i++)
            ListBox_GetText(hList, i, sz), v.push_back(sz);
        v.push_back(WindowText(GetDlgItem(hDlg, IDC_SS_COMPTE)));
        return v;
    }

    /* The text IndiqueNumeroHsp draws. */
    static std::string NumeroHsp()
    {
        std::string sz;
        for (const EmfText &t : Record([](HDC hdc) { IndiqueNumeroHsp(hdc); }).texts)
            sz += t.A();
        return sz;
    }
};

/* A memory failure opens nothing; 3008 then opens it once. */
TEST_F(StringFinderTest, OpensOnceAndNotWithoutMemory)
{
    {
        BoxAnswerer answerer({ IDOK });
        MyAllocFailAfter(1);
        SendMessageA(hWndMain, WM_COMMAND, 3008, 0);
        MyAllocFailAfter(-1);
        EXPECT_EQ(1u, answerer.Seen().size()) << "the memory notice";
        EXPECT_EQ(nullptr, hWndSearchDlg);
    }
    HWND hDlg = Ouvre();
    ASSERT_NE(nullptr, hDlg);
    EXPECT_EQ(hDlg, Ouvre());
    EXPECT_EQ(hDlg, FindWindowA(NULL, "String Finder"));
    EXPECT_EQ(hWndMain, GetWindow(hDlg, GW_OWNER));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hDlg, IDC_SS_LISTE))) << "before the first search";
    SetDlgItemTextA(hDlg, IDC_SS_COMPTE, "before");
    EXPECT_EQ(std::vector<std::string>{ "before" }, Cherche(hDlg, "")) << "an empty string is ignored";
}

/* Choosing a result shows its first HSP with its flag on the check box. */
TEST_F(StringFinderTest, ChoosingAResultShowsItsHit)
{
    HWND hDlg = Ouvre();
    ASSERT_NE(nullptr, hDlg);
    EXPECT_EQ((std::vector<std::string>{ "   4 . (AB44120)", "   5 . MULTIDRUG", "found:    2 /   11." }),
              Cherche(hDlg, "multidrug"));
    HWND hList = GetDlgItem(hDlg, IDC_SS_LISTE);
    EXPECT_TRUE(IsWindowEnabled(hList));
    EXPECT_EQ(hList, GetFocus());

    Doc()->pHSPResultat[4]->nHSPselected[0] = 1;
    const struct { int nItem, nHit; const char *szNumero; bool bCoche; } cases[] = {
        { 1, 5, "HSP no. 1/3.", true }, { 0, 4, "HSP no. 1/1.", false } };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "hit " << c.nHit);
        ListBox_SetCurSel(hList, c.nItem);
        FORWARD_WM_COMMAND(hDlg, IDC_SS_LISTE, hList, LBN_SELCHANGE, SendMessageA);
        EXPECT_EQ(c.nHit - 1, ListBox_GetCurSel(HWNDRESULT));
        ASSERT_NE(nullptr, Doc()->pVhspData);
        EXPECT_EQ((std::vector<int>{ c.nHit, 1 }), (std::vector<int>{ Doc()->pVhspData->noAlign, Doc()->pVhspData->noHsp }));
        EXPECT_EQ(c.szNumero, NumeroHsp());
        EXPECT_EQ(c.bCoche, Button_GetCheck(HWNDCHECKSELECTHSP) == BST_CHECKED);
    }
    EXPECT_EQ((std::vector<std::string>{ "found:    0 /   11." }), Cherche(hDlg, "kinase"));
}

/* Every way out destroys the dialog and releases its record. */
TEST_F(StringFinderTest, ClosingReleasesTheDialogAndItsRecord)
{
    const char *szCas[] = { "Exit", "Escape", "close box", "Open", "Close", "end of the program" };
    for (const char *sz : szCas) {
        SCOPED_TRACE(sz);
        const std::string szQuoi = sz;
        ASSERT_TRUE(Doc()->nHSP != 0 || Open(SAMPLE_REPORT) == 1);
        HWND hDlg = Ouvre();
        ASSERT_NE(nullptr, hDlg);
        void *pRecord = GetPropA(hDlg, "DataSearch");
        ASSERT_TRUE(HeapValidate(GetProcessHeap(), 0, pRecord));
        BoxAnswerer answerer({ szQuoi == "end of the program" ? IDYES : IDCANCEL });
        MSG msg = { GetDlgItem(hDlg, IDC_SS_CHAINE), WM_KEYDOWN, VK_ESCAPE, 0x00010001, 0, { 0, 0 } };
        if (szQuoi == "Exit")
            FORWARD_WM_COMMAND(hDlg, IDCANCEL, GetDlgItem(hDlg, IDCANCEL), BN_CLICKED, SendMessageA);
        else if (szQuoi == "Escape") /* as the dialog manager turns the key into a command */
            IsDialogMessageA(hDlg, &msg);
        else if (szQuoi == "close box")
            SendMessageA(hDlg, WM_SYSCOMMAND, SC_CLOSE, 0), PumpMessages(20); /* it posts itself the command */
        else /* the Open dialog cancelled, Close, the end of the program */
            SendMessageA(hWndMain, szQuoi == "end of the program" ? WM_CLOSE : WM_COMMAND, szQuoi == "Open" ? 3000 : 3001, 0);
        EXPECT_EQ((size_t)(szQuoi == "Open" || szQuoi == "end of the program"), answerer.Seen().size());
        EXPECT_FALSE(IsWindow(hDlg));
        EXPECT_EQ(nullptr, hWndSearchDlg);
        EXPECT_FALSE(HeapValidate(GetProcessHeap(), 0, pRecord)) << "the record released";
    }
    EXPECT_FALSE(IsWindow(hWndMain));
}

} // namespace
