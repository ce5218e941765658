/* Printing under Wine on the test printer: the 1D job of the main window
   (progress box, pages, cancel); the HCA job of the viewer (options
   dialog) and its crop marks; one printer set-up for both windows; no
   printer at all. */
#include <fstream>
#include <iterator>
#include "hcawin.h"
#include "mainfixture.h"
#include "print.h"
#include "printgeom.h"

namespace {

/* The test printer of the Wine session leaves, before EndDoc returns,
   job-NNNN.ps in C:\halyard-print (numbered from 0001 in an emptied
   folder) and, with Ghostscript, the text (job-NNNN-P.txt) and a 75 dpi
   image (job-NNNN-P.png) of each page P. */
const std::string kDir = "C:\\halyard-print\\";
std::string Job(int n) { return kDir + "job-" + std::to_string(10000 + n).substr(1); }
std::string Lis(const std::string &szPath)
{
    std::ifstream in(szPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
/* The three header lines on page nPage of job nJob; Wine's spaces and
   hyphens come back from Ghostscript as U+00A0 and U+00AD. */
void EnTete(int nJob, int nPage, const std::string &szLigne3)
{
    std::string sz = Lis(Job(nJob) + "-" + std::to_string(nPage) + ".txt");
    for (const char *r : { "\xC2\xA0 ", "\xC2\xAD-" })
        for (size_t i; (i = sz.find(std::string(r, 2))) != std::string::npos;)
            sz.replace(i, 2, r + 2);
    for (std::string s : { std::string("Halyard - print report"), std::string("Printed by Halyard, a browser of BLAST reports"), szLigne3 })
        EXPECT_NE(std::string::npos, sz.find(s)) << "page " << nPage << " lacks " << s << ":\n" << sz;
}

/* What the progress box showed each time its status changed; with
   bAnnule, Cancel is pressed as page 1 starts. */
struct Progression {
    std::vector<std::string> statuts, boite;   /* caption, name, device, port */
    bool bAnnule = false, bProprioActif = false; /* the main window, meanwhile */
    HWND hDlg = NULL;
} *g_pProg = NULL;

LRESULT CALLBACK Espionne(int nCode, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT *p = (const CWPSTRUCT *)lParam;
    if (nCode == HC_ACTION && g_pProg && p->message == WM_SETTEXT && GetDlgCtrlID(p->hwnd) == IDC_PRINT_STATUS) {
        HWND h = g_pProg->hDlg = GetParent(p->hwnd);
        g_pProg->statuts.push_back((const char *)p->lParam);
        g_pProg->boite = { WindowText(h) };
        for (int id : { IDC_PRINT_NAME, IDC_PRINT_DEVICE, IDC_PRINT_PORT })
            g_pProg->boite.push_back(WindowText(GetDlgItem(h, id)));
        g_pProg->bProprioActif |= IsWindowEnabled(hWndMain) != 0;
        if (g_pProg->bAnnule && g_pProg->statuts.size() == 1)
            SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
    }
    return CallNextHookEx(NULL, nCode, wParam, lParam);
}

/* A report of one HSP 30 x 60 columns long: two pages. */
std::string RapportLong()
{
    const char *q = "MDDGMSQPPYKGAFGAKQTKANKGEFNSGHRIALKLDHGPSGSGKSTFELHKRSYRHQIK";
    std::string r = "BLASTP 1.4.11 [24-Nov-97]\n\nQuery=  LONGQ synthetic\n        (1800 letters)\n\nDatabase:  test\n"
                    "           1 sequences\n\nSequences producing High-scoring Segment Pairs:              Score  P(N)      N\n\n"
                    "sp|H20117|ABCX_VIBHA ABC TRANSPORTER ATP-BINDING PROTEIN A...  1928  5.6e-259   1\n\n\n>sp|H20117|ABCX_VIBHA"
                    " ABC TRANSPORTER\n            Length = 1800\n\n Score = 1928 (887.4 bits), Expect = 5.6e-259, P = 5.6e-259"
                    "\n Identities = 1800/1800 (100%), Positives = 1800/1800 (100%)\n\n";
    char sz[160];
    for (int i = 0; i < 1800; i += 60)
        r += std::string(sz, snprintf(sz, sizeof sz, "Query: %5d %s %d\n             %s\nSbjct: %5d %s %d\n\n", i + 1, q,
                                      i + 60, q, i + 1, q, i + 60));
    return r + "\nParameters:\n\n  V=100\n";
}

class PrintTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        if (GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") == NULL)
            GTEST_SKIP() << "the test printer is Wine's";
        MainWindowTest::SetUp();
        ASSERT_EQ(1, Open(SAMPLE_REPORT));
        Command(hWndMain, 3009);
        ASSERT_TRUE(DataHcaDuViewer() != NULL && DataHcaDuViewer()->nDiag == 2);
        WIN32_FIND_DATAA fd;   /* an emptied folder */
        HANDLE h = FindFirstFileA((kDir + "job-*").c_str(), &fd);
        for (BOOL b = h != INVALID_HANDLE_VALUE; b; b = FindNextFileA(h, &fd))
            DeleteFileA((kDir + fd.cFileName).c_str());
        FindClose(h);
    }
    static pInfoSequence Seq(unsigned i) { return (pInfoSequence)GetWindowLongPtrA(DataHcaDuViewer()->phWndDiag[i], 0); }
    const char *Hit() const { return Doc()->pHSPResultat[Doc()->pVhspData->noAlign - 1]->szAccessNb; }
    /* Prints the 1D job of the displayed HSP; the progress box's record. */
    Progression Imprime1D(bool bAnnule)
    {
        Progression prog{ {}, {}, bAnnule };
        g_pProg = &prog;
        HHOOK hHook = SetWindowsHookExA(WH_CALLWNDPROC, Espionne, NULL, GetCurrentThreadId());
        Command(hWndMain, 3024);
        UnhookWindowsHookEx(hHook);
        g_pProg = NULL;
        return prog;
    }
};

/* The options refuse an overlap of 20, and 19 where a band holds 19
   residues, then print with 18. Each plot of the four bands gets four
   crop marks (eight segments a tick long, from the page's edges inwards)
   when asked, none otherwise.
   Without a printer each command says so in one box and prints nothing.
   With one: Letter and Cancel from the main window, Letter and OK from the
   viewer: one choice for both, which the main window's 1D job then prints
   on. The job says which page it prints in a progress box over the
   disabled main window; every page has the three header lines. Cancel
   pressed as page 1 starts: the job stops at that page's end and is
   dropped. */
TEST_F(PrintTest, HcaOptionsPrinterSetupAndTheOneDimensionalJob)
{
    int bZigZag = Seq(0)->HcaData.IsDrawZigZag;
    std::string szVu;
    BoxAnswerer ans(std::vector<BoxAction>{
        [&](HWND hDlg) {
            szVu = (IsDlgButtonChecked(hDlg, IDC_HCAP_CROPMARKS) == BST_CHECKED ? "on|" : "off|")
                   + WindowText(GetDlgItem(hDlg, IDC_HCAP_OVERLAP));
            /* the click changes the job's copies, not the viewer's plots */
            CheckDlgButton(hDlg, IDC_HCAP_ZIGZAG, bZigZag ? BST_UNCHECKED : BST_CHECKED);
            Click(hDlg, IDC_HCAP_ZIGZAG);
            ((DataImpression *)GetPropA(hDlg, "InfoSequence"))->nParBande = 19;   /* as on a page of 19 residues */
            for (const char *sz : { "20", "19" }) {
                SetDlgItemTextA(hDlg, IDC_HCAP_OVERLAP, sz);
                Click(hDlg, IDOK);   /* answers with the box before it returns */
            }
            szVu += "|" + WindowText(GetDlgItem(hDlg, IDC_HCAP_OVERLAP));
            TypeAndPress(IDC_HCAP_OVERLAP, "18", IDOK)(hDlg);
        },
        Press(IDOK), Press(IDOK),
        [](HWND) {},   /* the progress box, should the job let the timer in */
    });
    Command(HWNDHCAMAIN, 3027);
    ASSERT_TRUE(ans.Seen().size() >= 3u && ans.Unexpected() == 0);
    std::vector<std::string> boites = ans.Texts();
    boites.resize(3);
    EXPECT_EQ((std::vector<std::string>{ "HCA print options|Overlap:", "HCA viewer|Invalid overlap value.\nMust be < 20.",
                                         "HCA viewer|Invalid overlap value.\nThe page is too narrow: a band would not hold more residues than the overlap." }),
              boites);
    EXPECT_EQ("on|10|10", szVu) << "crop marks, overlap at opening, after the refusals";
    EXPECT_EQ(ans.Seen()[0].hWnd, ans.Seen()[1].hOwner);
    EXPECT_TRUE(bZigZag == Seq(0)->HcaData.IsDrawZigZag && IsWindowEnabled(HWNDHCAMAIN)) << "the viewer's plot untouched";
    ASSERT_TRUE(Exists(Job(1) + ".ps")) << "18 accepted";
    EnTete(1, 1, std::string("HCA alignment between ") + Doc()->FichierBlast.szQuerySeqName + " and " + Hit() + " (Page 1)");
    for (int bCrop : { 1, 0 }) {
        DataImpression di[2] = { { DuplicatePData(Seq(0)), 10, bCrop, 0 }, { DuplicatePData(Seq(1)), 10, bCrop, 0 } };
        int xPage = 0, t = 0, nMarques = 0;
        EmfDrawing d = Record([&](HDC hdc) {
            xPage = GetDeviceCaps(hdc, HORZRES);
            t = TickImpression(GetDeviceCaps(hdc, LOGPIXELSX));
            EXPECT_EQ(1, PrintHCAali(hWndMain, hdc, &di[0], &di[1]));
        });
        FreeDataSequence(di[0].pInfSeq);
        FreeDataSequence(di[1].pInfSeq);
        for (const EmfSegment &s : d.segments)
            nMarques += (s.a.y == s.b.y && (s.a.x == t || s.a.x == xPage - t) && abs(s.b.x - s.a.x) == t)
                        || (s.a.x == s.b.x && (s.a.x == 2 * t || s.a.x == xPage - 2 * t) && abs(s.b.y - s.a.y) == t);
        EXPECT_EQ(bCrop ? 8 * 4 : 0, nMarques) << "crop marks on the four bands, " << bCrop;
    }
    const struct { HWND hWnd; int id; const char *szCaption; } sans[] = {
        { hWndMain, 3024, "Halyard" }, { HWNDHCAMAIN, 3023, "Halyard" }, { HWNDHCAMAIN, 3027, "HCA viewer" } };
    HGLOBAL hNoms = hDevNames;
    hDevNames = NULL;
    for (const auto &c : sans) {
        BoxAnswerer ans({ IDOK });
        Command(c.hWnd, c.id);
        EXPECT_EQ(std::vector<std::string>{ std::string(c.szCaption)
                                            + "|No printer is installed.\nInstall a printer in Windows, then print again." },
                  ans.Texts()) << c.id << ": one box, no dialog";
        EXPECT_EQ(c.hWnd, ans.Seen().empty() ? NULL : ans.Seen()[0].hOwner) << c.id;
    }
    hDevNames = hNoms;
    EXPECT_FALSE(Exists(Job(2) + ".ps")) << "nothing printed";

    const struct { HWND hWnd; int idBouton, nPapier; } cas[] = { { hWndMain, IDCANCEL, DMPAPER_A4 },
                                                                 { HWNDHCAMAIN, IDOK, DMPAPER_LETTER } };
    for (const auto &c : cas) {
        BoxAnswerer ans(std::vector<BoxAction>{ [&](HWND hDlg) {
            for (HWND h = NULL; (h = FindWindowExA(hDlg, h, "ComboBox", NULL)) != NULL;) {   /* "Letter" */
                LRESULT i = SendMessageA(h, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)"Letter");
                if (i != CB_ERR && SendMessageA(h, CB_SETCURSEL, i, 0) != CB_ERR)
                    SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), CBN_SELCHANGE), (LPARAM)h);
            }
            Press(c.idBouton)(hDlg);
        } });
        Command(c.hWnd, 3023);
        ASSERT_EQ(1u, ans.Seen().size());
        EXPECT_EQ("Print Setup|Halyard Test Printer", ans.Seen()[0].szCaption + "|" + paramPrinter.szPrinterName);
        const DEVMODEA *pdm = (const DEVMODEA *)GlobalLock(hDevMode);
        EXPECT_TRUE(c.hWnd == ans.Seen()[0].hOwner && c.nPapier == pdm->dmPaperSize) << "owner, paper";
        GlobalUnlock(hDevMode);
    }
    ASSERT_EQ(1, Open(WriteTemp("halyard-print-long.bla", RapportLong())));
    Progression prog = Imprime1D(false);
    EXPECT_EQ((std::vector<std::string>{ "Printing page 1.", "Printing page 2." }), prog.statuts);
    EXPECT_EQ((std::vector<std::string>{ "Print progress", "Halyard - 1D sequence alignment", "Halyard Test Printer",
                                         paramPrinter.szPort }),
              prog.boite);
    EXPECT_TRUE(!prog.bProprioActif && !IsWindow(prog.hDlg) && IsWindowEnabled(hWndMain)) << "owner disabled meanwhile";
    for (int p : { 1, 2 })
        EnTete(2, p, "1D alignment between Query (top) and " + std::string(Hit()) + " (bottom) (Align 1, HSP 1)");
    std::string szPng = Lis(Job(2) + "-1.png");   /* PNG height: big-endian at byte 20 */
    EXPECT_EQ(std::string("\0\0\x03\x39", 4), szPng.substr(std::min<size_t>(20, szPng.size()), 4)) << "Letter: 792 points, 825 pixels at 75 dpi";

    prog = Imprime1D(true);
    EXPECT_EQ(1u, prog.statuts.size()) << "pages begun";
    EXPECT_FALSE(Exists(Job(3) + ".ps")) << "the cancelled job dropped";
    EXPECT_TRUE(IsWindowEnabled(hWndMain) && fAbort == 0 && hwndPDlg == NULL);
}

} // namespace
