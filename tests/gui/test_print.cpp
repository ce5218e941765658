/* Printing under Wine on the test printer: the 1D job of the main window
   (progress box, pages, colours) and its layout on a metafile; the HCA job
   of the viewer (options dialog) and its crop marks; one printer set-up
   for both windows; no printer at all. */
#include <string.h>

#include "hcaemf.h"
#include "hcawin.h"
#include "hspload.h"
#include "mainfixture.h"
#include "print.h"
#include "printcheck.h"
#include "printgeom.h"

namespace {

/* What the progress box showed each time its status changed. */
struct Progression {
    std::vector<std::string> statuts, boite;   /* caption, name, device, port */
    bool bProprioActif = true;                  /* the main window, meanwhile  */
    HWND hDlg = NULL;
} *g_pProg = NULL;

LRESULT CALLBACK Espionne(int nCode, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT *p = (const CWPSTRUCT *)lParam;
    if (nCode == HC_ACTION && g_pProg && p->message == WM_SETTEXT && GetDlgCtrlID(p->hwnd) == IDC_PRINT_STATUS) {
        HWND h = g_pProg->hDlg = GetParent(p->hwnd);
        g_pProg->statuts.push_back((const char *)p->lParam);
        g_pProg->boite = { WindowText(h), WindowText(GetDlgItem(h, IDC_PRINT_NAME)),
                           WindowText(GetDlgItem(h, IDC_PRINT_DEVICE)), WindowText(GetDlgItem(h, IDC_PRINT_PORT)) };
        g_pProg->bProprioActif = g_pProg->bProprioActif && IsWindowEnabled(hWndMain);
    }
    return CallNextHookEx(NULL, nCode, wParam, lParam);
}

/* The 1D print font measured on hdc, and the page. */
struct Mesure1D {
    int xPage = 0, yPage = 0, nMarge = 0;
    long cx = 0, cy = 0;
};
Mesure1D Mesure(HDC hdc)
{
    Mesure1D m;
    HDC hdcEcran = GetDC(NULL);
    int nDpi = GetDeviceCaps(hdc, LOGPIXELSX), nHaut = -13 * nDpi / GetDeviceCaps(hdcEcran, LOGPIXELSX);
    ReleaseDC(NULL, hdcEcran);
    HFONT hFont = CreateFontA(nHaut, 0, 0, 0, 400, 0, 0, 0, 0, 3, 2, 1, 0x31, "Courier New");
    HGDIOBJ hOld = SelectObject(hdc, hFont);
    DimensionCaractere(hdc, &m.cx, &m.cy);
    DeleteObject(SelectObject(hdc, hOld));
    m.xPage = GetDeviceCaps(hdc, HORZRES);
    m.yPage = GetDeviceCaps(hdc, VERTRES);
    m.nMarge = MargeImpression(nDpi);
    return m;
}

/* A report of one HSP n x 60 columns long, every seventh a substitution. */
std::string RapportLong(int n)
{
    const std::string q = "MDDGMSQPPYKGAFGAKQTKANKGEFNSGHRIALKLDHGPSGSGKSTFELHKRSYRHQIK";
    const std::string szN = std::to_string(60 * n);
    std::string s = q, m = q;
    std::string r = "BLASTP 1.4.11 [24-Nov-97]\n\nQuery=  LONGQ synthetic\n        (" + szN
                    + " letters)\n\nDatabase:  test\n           1 sequences\n\n"
                      "Sequences producing High-scoring Segment Pairs:              Score  P(N)      N\n\n"
                      "sp|H20117|ABCX_VIBHA ABC TRANSPORTER ATP-BINDING PROTEIN A...  1928  5.6e-259   1\n\n\n"
                      ">sp|H20117|ABCX_VIBHA ABC TRANSPORTER\n            Length = " + szN
                    + "\n\n Score = 1928 (887.4 bits), Expect = 5.6e-259, P = 5.6e-259\n"
                      " Identities = 1700/2000 (85%), Positives = 1700/2000 (85%)\n\n";
    for (size_t j = 3; j < q.size(); j += 7)
        s[j] = 'W', m[j] = '+';
    char sz[160];
    for (int i = 0; i < 60 * n; i += 60) {
        snprintf(sz, sizeof sz, "Query: %5d %s %d\n             %s\nSbjct: %5d %s %d\n\n", i + 1, q.c_str(), i + 60,
                 m.c_str(), i + 1, s.c_str(), i + 60);
        r += sz;
    }
    return r + "\nParameters:\n\n  V=100\n";
}

/* A page's text; Ghostscript reads the fonts' hyphen as a soft one. */
std::string TextePage(const std::string &szJob, int nPage)
{
    std::string sz = PrintedText(szJob, nPage);
    for (size_t i; (i = sz.find("\xC2\xAD")) != std::string::npos;)
        sz.replace(i, 2, "-");
    return sz;
}

std::wstring W(const std::string &s) { return std::wstring(s.begin(), s.end()); }

const char *const kLigne1 = "Halyard - print report", *const kLigne2 = "Printed by Halyard, a browser of BLAST reports";

class PrintTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        if (!UnderWine())
            GTEST_SKIP() << "the test printer is Wine's";
        MainWindowTest::SetUp();
        ASSERT_EQ(1, Open(SAMPLE_REPORT));
        PumpMessages(20);
    }
    void TearDown() override
    {
        if (HWNDHCAMAIN != NULL)
            DestroyWindow(HWNDHCAMAIN);
        MainWindowTest::TearDown();
    }
    /* Identities in red, similarities in blue: scheme 20 without settings. */
    void Colore()
    {
        Doc()->nColorPref = COULEUR_SIMIDEN;
        AssignColorForAA(Doc());
    }
    static void Commande(HWND hWnd, int id) { SendMessageA(hWnd, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    std::string Ligne3() const
    {
        pHalyardHSPData p = Doc()->pVhspData;
        return "1D alignment between Query (top) and " + std::string(Doc()->pHSPResultat[p->noAlign - 1]->szAccessNb)
               + " (bottom) (Align " + std::to_string(p->noAlign) + ", HSP " + std::to_string(p->noHsp) + ")";
    }
    void OuvreViewer()
    {
        Commande(hWndMain, 3009);   /* F2 */
        PumpMessages(50);
        ASSERT_TRUE(DataHcaDuViewer() != NULL && DataHcaDuViewer()->nDiag == 2);
    }
    static pInfoSequence Seq(unsigned i)
    {
        return (pInfoSequence)GetWindowLongPtrA(DataHcaDuViewer()->phWndDiag[i], 0);
    }
    static int Papier()
    {
        const DEVMODEA *pdm = (const DEVMODEA *)GlobalLock(hDevMode);
        int n = pdm != NULL ? pdm->dmPaperSize : -1;
        GlobalUnlock(hDevMode);
        return n;
    }
};

TEST_F(PrintTest, OneDimensionalJobPrintsEveryLineUnderTheHeaderOfEachPage)
{
    char szDir[MAX_PATH];
    GetTempPathA(sizeof szDir, szDir);
    std::string szLong = std::string(szDir) + "halyard-print-long.bla", szRapport = RapportLong(34);
    FILE *f = fopen(szLong.c_str(), "wb");
    ASSERT_NE(nullptr, f);
    fwrite(szRapport.data(), 1, szRapport.size(), f);
    fclose(f);
    HDC hdcImp = CreeDCImprimante();
    ASSERT_NE(nullptr, hdcImp);
    Mesure1D m = Mesure(hdcImp);
    DeleteDC(hdcImp);
    int cy = (int)m.cy, nParLigne = (m.xPage - 2 * m.nMarge) / (int)m.cx;
    int nBlocsParPage = std::max(1, (m.yPage - m.nMarge - 7 * cy) / (6 * cy));

    for (const std::string &szChemin : { std::string(SAMPLE_REPORT), szLong }) {
        SCOPED_TRACE(szChemin);
        ASSERT_EQ(1, Open(szChemin));
        PumpMessages(20);
        Colore();
        int nLignes = (Doc()->pVhspData->tailleAlign + nParLigne - 1) / nParLigne;
        int nPages = (nLignes + nBlocsParPage - 1) / nBlocsParPage;
        ASSERT_EQ(szChemin == szLong ? 2 : 1, nPages) << "the long HSP spans two pages";

        ClearPrintJobs();
        Progression prog;
        g_pProg = &prog;
        HHOOK hHook = SetWindowsHookExA(WH_CALLWNDPROC, Espionne, NULL, GetCurrentThreadId());
        Commande(hWndMain, 3024);
        UnhookWindowsHookEx(hHook);
        g_pProg = NULL;

        std::vector<std::string> statuts;
        for (int p = 1; p <= nPages; p++)
            statuts.push_back("Printing page " + std::to_string(p) + ".");
        EXPECT_EQ(statuts, prog.statuts);
        EXPECT_EQ((std::vector<std::string>{ "Print progress", "Halyard - 1D sequence alignment",
                                             "Halyard Test Printer", paramPrinter.szPort }),
                  prog.boite);
        EXPECT_FALSE(prog.bProprioActif) << "main window disabled while the job runs";
        EXPECT_FALSE(IsWindow(prog.hDlg)) << "progress box destroyed";
        EXPECT_TRUE(IsWindowEnabled(hWndMain));
        EXPECT_STREQ("", paramPrinter.szTitle);

        std::string szJob = LastPrintJob();
        ASSERT_EQ(std::string(kPrintDir) + "\\job-0001", szJob) << "one job";
        EXPECT_EQ(nPages, CountPsPages(PrintJobPs(szJob)));
        for (int p = 1; p <= nPages; p++) {
            std::string szTexte = TextePage(szJob, p);
            for (const std::string &sz : { std::string(kLigne1), std::string(kLigne2), Ligne3() })
                EXPECT_NE(std::string::npos, szTexte.find(sz)) << "page " << p << " lacks " << sz << ":\n" << szTexte;
            PrintedImage img = PrintedPage(szJob, p);   /* the header and the first block inked */
            EXPECT_GT(img.Ink(0, PrintPixel(m.nMarge), img.nWidth, PrintPixel(m.nMarge + 5 * cy)), 100) << p;
            EXPECT_GT(img.Ink(0, PrintPixel(m.nMarge + 8 * cy), img.nWidth, PrintPixel(m.nMarge + 9 * cy)), 100) << p;
        }
    }
    DeleteFileA(szLong.c_str());
}

/* Cancel pressed as page 1 starts: the job stops at that page's end and
   is dropped; the owner comes back. */
int g_nPagesAnnulees = 0;
LRESULT CALLBACK AnnulePage1(int nCode, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT *p = (const CWPSTRUCT *)lParam;
    if (nCode == HC_ACTION && p->message == WM_SETTEXT && GetDlgCtrlID(p->hwnd) == IDC_PRINT_STATUS
        && g_nPagesAnnulees++ == 0)
        SendMessageA(GetParent(p->hwnd), WM_COMMAND, IDCANCEL, 0);
    return CallNextHookEx(NULL, nCode, wParam, lParam);
}

TEST_F(PrintTest, CancelStopsTheJobAtThePageEnd)
{
    char szDir[MAX_PATH];
    GetTempPathA(sizeof szDir, szDir);
    std::string szLong = std::string(szDir) + "halyard-print-cancel.bla", szRapport = RapportLong(34);
    FILE *f = fopen(szLong.c_str(), "wb");
    ASSERT_NE(nullptr, f);
    fwrite(szRapport.data(), 1, szRapport.size(), f);
    fclose(f);
    ASSERT_EQ(1, Open(szLong));
    ClearPrintJobs();
    g_nPagesAnnulees = 0;
    HHOOK hHook = SetWindowsHookExA(WH_CALLWNDPROC, AnnulePage1, NULL, GetCurrentThreadId());
    Commande(hWndMain, 3024);
    UnhookWindowsHookEx(hHook);
    std::string szJob = LastPrintJob();
    EXPECT_EQ(1, g_nPagesAnnulees) << "pages begun";
    EXPECT_LE(szJob.empty() ? 0 : CountPsPages(PrintJobPs(szJob)), 1) << "pages spooled before the cancel";
    EXPECT_TRUE(IsWindowEnabled(hWndMain));
    EXPECT_EQ(0, fAbort);
    EXPECT_EQ(nullptr, hwndPDlg);
    DeleteFileA(szLong.c_str());
}

TEST_F(PrintTest, OneDimensionalLayoutOnAMetafile)
{
    Colore();
    pHalyardHSPData h = Doc()->pVhspData;
    ASSERT_NE(0u, (unsigned)h->QueryTxtClr[0]) << "a colour other than black";
    std::string szAcc = Doc()->pHSPResultat[h->noAlign - 1]->szAccessNb, sz3 = Ligne3();
    Mesure1D m;
    int nRes = -1;
    HENHMETAFILE hEmf = RecordEmf([&](HDC hdc) {
        m = Mesure(hdc);
        nRes = ImprimeAli1D(hWndMain, hdc, &Doc()->GrData, h, szAcc.c_str());
    });
    HcaDessin d = HcaDecode(hEmf);
    DeleteEnhMetaFile(hEmf);
    EXPECT_EQ(1, nRes);

    int cx = (int)m.cx, cy = (int)m.cy, x = m.nMarge + cx, y0 = m.nMarge + 7 * cy, n = (m.xPage - 2 * m.nMarge) / cx;
    ASSERT_LT(n, h->tailleAlign) << "two blocks at least";
    const UINT kHaut = TA_CENTER | TA_TOP, kBas = TA_LEFT | TA_BOTTOM;
    const struct { std::wstring sz; int x, y; UINT nAlign; COLORREF cr; } attendus[] = {
        { W(kLigne1), x + cx, m.nMarge + 2 * cy, kBas, 0 },
        { W(kLigne2), x + cx, m.nMarge + 3 * cy, kBas, 0 },
        { W(sz3), x + cx, m.nMarge + 5 * cy, kBas, 0 },
        /* first block: query, match line and subject of column 0; the
           line's last column; the second block's first column */
        { std::wstring(1, h->szQuery[0]), x, y0 + cy, kHaut, TABCOLOR[h->QueryTxtClr[0]] },
        { std::wstring(1, h->szComp[0]), x, y0 + 2 * cy, kHaut, TABCOLOR[h->CompTxtClr[0]] },
        { std::wstring(1, h->szSubject[0]), x, y0 + 3 * cy, kHaut, TABCOLOR[h->SubjectTxtClr[0]] },
        { std::wstring(1, h->szQuery[n - 1]), x + (n - 1) * cx, y0 + cy, kHaut, TABCOLOR[h->QueryTxtClr[n - 1]] },
        { std::wstring(1, h->szQuery[n]), x, y0 + 7 * cy, kHaut, TABCOLOR[h->QueryTxtClr[n]] },
    };
    for (const auto &a : attendus) {
        auto t = std::find_if(d.textes.begin(), d.textes.end(), [&](const HcaTexte &t) {
            return t.szText == a.sz && t.pt.x == a.x && t.pt.y == a.y;
        });
        std::string sz(a.sz.begin(), a.sz.end());
        ASSERT_TRUE(t != d.textes.end()) << "[" << sz << "] at (" << a.x << ", " << a.y << ")";
        EXPECT_EQ((std::vector<unsigned long>{ a.nAlign, a.cr }), (std::vector<unsigned long>{ t->nAlign, t->cr }))
            << sz;
        EXPECT_EQ(L"Courier New", t->szFace) << sz;
    }
}

TEST_F(PrintTest, HcaOptionsRefuseAnOverlapOfTwentyThenPrintWithNineteen)
{
    Colore();
    OuvreViewer();
    int bZigZag = Seq(0)->HcaData.IsDrawZigZag;
    std::string szCrop, szOverlap, szApresRefus;
    ClearPrintJobs();
    BoxAnswerer ans(std::vector<BoxAction>{
        [&](HWND hDlg) {
            szCrop = IsDlgButtonChecked(hDlg, IDC_HCAP_CROPMARKS) == BST_CHECKED ? "on" : "off";
            szOverlap = WindowText(GetDlgItem(hDlg, IDC_HCAP_OVERLAP));
            /* the click changes the job's copies, not the viewer's plots */
            CheckDlgButton(hDlg, IDC_HCAP_ZIGZAG, bZigZag ? BST_UNCHECKED : BST_CHECKED);
            SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_HCAP_ZIGZAG, BN_CLICKED), 0);
            /* OK with 20 answers with the box before it returns */
            SetDlgItemTextA(hDlg, IDC_HCAP_OVERLAP, "20");
            SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            szApresRefus = WindowText(GetDlgItem(hDlg, IDC_HCAP_OVERLAP));
            SetDlgItemTextA(hDlg, IDC_HCAP_OVERLAP, "19");
            PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        },
        Press(IDOK),
        [](HWND) {},   /* the progress box, should the job let the timer in */
    });
    Commande(HWNDHCAMAIN, 3027);

    ASSERT_GE(ans.Seen().size(), 2u);
    EXPECT_EQ(0, ans.Unexpected());
    EXPECT_EQ((std::vector<std::string>{ "HCA print options", "on", "10", "HCA viewer",
                                         "Invalid overlap value.\nMust be < 20.", "10" }),
              (std::vector<std::string>{ ans.Seen()[0].szCaption, szCrop, szOverlap, ans.Seen()[1].szCaption,
                                         ans.Seen()[1].szText, szApresRefus }));
    EXPECT_EQ(ans.Seen()[0].hWnd, ans.Seen()[1].hOwner);
    EXPECT_EQ(bZigZag, Seq(0)->HcaData.IsDrawZigZag) << "the viewer's plot untouched";
    EXPECT_TRUE(IsWindowEnabled(HWNDHCAMAIN));

    std::string szJob = LastPrintJob();
    ASSERT_EQ(std::string(kPrintDir) + "\\job-0001", szJob) << "19 accepted: one job";
    std::string szTexte = TextePage(szJob, 1);
    std::string sz3 = std::string("HCA alignment between ") + Doc()->FichierBlast.szQuerySeqName + " and "
                      + Doc()->pHSPResultat[Doc()->pVhspData->noAlign - 1]->szAccessNb + " (Page 1)";
    for (const std::string &sz : { std::string(kLigne1), std::string(kLigne2), sz3 })
        EXPECT_NE(std::string::npos, szTexte.find(sz)) << "lacks " << sz << ":\n" << szTexte;
    EXPECT_GT(PrintedPage(szJob, 1).Ink(), 1000);
}

TEST_F(PrintTest, HcaBandsHaveFourCropMarksEachOnlyWhenAsked)
{
    OuvreViewer();
    for (int bCrop : { 1, 0 }) {
        SCOPED_TRACE(bCrop);
        DataImpression di[2] = { { DuplicatePData(Seq(0)), 10, bCrop, 0 }, { DuplicatePData(Seq(1)), 10, bCrop, 0 } };
        ASSERT_TRUE(di[0].pInfSeq != NULL && di[1].pInfSeq != NULL);
        int nRes = -1, xPage = 0, t = 0;
        HENHMETAFILE hEmf = RecordEmf([&](HDC hdc) {
            xPage = GetDeviceCaps(hdc, HORZRES);
            t = TickImpression(GetDeviceCaps(hdc, LOGPIXELSX));
            nRes = PrintHCAali(hWndMain, hdc, &di[0], &di[1]);
        });
        HcaDessin d = HcaDecode(hEmf);
        DeleteEnhMetaFile(hEmf);
        FreeDataSequence(di[0].pInfSeq);
        FreeDataSequence(di[1].pInfSeq);
        EXPECT_EQ(1, nRes);

        std::vector<int> yNoms;   /* band headings: a plot's name alone */
        for (const HcaTexte &x : d.textes)
            if ((x.szText == W(Seq(0)->SeqName) || x.szText == W(Seq(1)->SeqName)) && x.nAlign == TA_BOTTOM)
                yNoms.push_back(x.pt.y);
        ASSERT_GE(yNoms.size(), 2u);
        /* a mark: tick long from the frame (tick in from the page's edge)
           inwards, then away from the band */
        const int xG = t, xD = xPage - t;
        int nMarques = 0, h = 0;
        for (const HcaSegment &s : d.segments) {
            bool bH = s.a.y == s.b.y && (s.a.x == xG || s.a.x == xD) && abs(s.b.x - s.a.x) == t;
            bool bV = s.a.x == s.b.x && (s.a.x == xG + t || s.a.x == xD - t) && abs(s.b.y - s.a.y) == t;
            nMarques += bH || bV;
            if (bH && s.a.x == xG && s.a.y > yNoms[0] && h == 0)
                h = s.a.y - yNoms[0];   /* the first band's height */
        }
        EXPECT_EQ(bCrop ? 8 * (int)yNoms.size() : 0, nMarques);
        for (int y = 0; bCrop && y < (int)yNoms.size(); y++)
            for (int yB : { yNoms[y], yNoms[y] + h }) {
                int dy = yB == yNoms[y] ? -t : t;
                EXPECT_TRUE(HcaASegment(d, { xG, yB }, { xG + t, yB }, 0)
                            && HcaASegment(d, { xD, yB }, { xD - t, yB }, 0)
                            && HcaASegment(d, { xG + t, yB }, { xG + t, yB + dy }, 0)
                            && HcaASegment(d, { xD - t, yB }, { xD - t, yB + dy }, 0))
                    << "band " << y << ", marks at y " << yB << ", band height " << h;
            }
    }
}

TEST_F(PrintTest, PrinterSetupIsOneForBothWindowsAndCancelKeepsIt)
{
    ASSERT_EQ(DMPAPER_A4, Papier());
    BoxAction letter = [](HWND hDlg) {   /* "Letter" in the paper list */
        HWND h = NULL;
        while ((h = FindWindowExA(hDlg, h, "ComboBox", NULL)) != NULL) {
            LRESULT i = SendMessageA(h, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)"Letter");
            if (i != CB_ERR && SendMessageA(h, CB_SETCURSEL, i, 0) != CB_ERR)
                SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), CBN_SELCHANGE), (LPARAM)h);
        }
    };
    OuvreViewer();
    /* Letter and Cancel from the main window, Letter and OK from the viewer */
    const struct { HWND hWnd; int idBouton, nPapier; } cas[] = {
        { hWndMain, IDCANCEL, DMPAPER_A4 },
        { HWNDHCAMAIN, IDOK, DMPAPER_LETTER },
    };
    for (const auto &c : cas) {
        BoxAnswerer ans(std::vector<BoxAction>{ [&](HWND hDlg) {
            letter(hDlg);
            Press(c.idBouton)(hDlg);
        } });
        Commande(c.hWnd, 3023);
        ASSERT_EQ(1u, ans.Seen().size());
        EXPECT_EQ("Print Setup", ans.Seen()[0].szCaption);
        EXPECT_EQ(c.hWnd, ans.Seen()[0].hOwner);
        EXPECT_STREQ("Halyard Test Printer", paramPrinter.szPrinterName);
        EXPECT_EQ(c.nPapier, Papier());
    }
    /* the main window's 1D job on the viewer's choice */
    ClearPrintJobs();
    Commande(hWndMain, 3024);
    EXPECT_EQ(825, PrintedPage(LastPrintJob(), 1).nHeight) << "Letter: 792 points at 75 dpi";
}

TEST_F(PrintTest, WithoutAPrinterEachCommandSaysSoAndPrintsNothing)
{
    OuvreViewer();
    const struct { HWND hWnd; int id; const char *szCaption; } cas[] = {
        { hWndMain, 3024, "Halyard" },
        { hWndMain, 3023, "Halyard" },
        { HWNDHCAMAIN, 3023, "Halyard" },
        { HWNDHCAMAIN, 3027, "HCA viewer" },
    };
    HGLOBAL hNoms = hDevNames;
    hDevNames = NULL;
    ClearPrintJobs();
    for (const auto &c : cas) {
        BoxAnswerer ans({ IDOK });
        Commande(c.hWnd, c.id);
        ASSERT_EQ(1u, ans.Seen().size()) << c.id << ": one box, no dialog";
        EXPECT_EQ((std::vector<std::string>{ c.szCaption, "No printer is installed.\nInstall a printer in "
                                                          "Windows, then print again." }),
                  (std::vector<std::string>{ ans.Seen()[0].szCaption, ans.Seen()[0].szText }))
            << c.id;
        EXPECT_EQ(c.hWnd, ans.Seen()[0].hOwner) << c.id;
    }
    hDevNames = hNoms;
    EXPECT_EQ("", LastPrintJob()) << "nothing printed";
}

} // namespace
