/* test_printer.cpp: the test printer of the Wine prefix. A job printed on
 * the default printer, found as the program finds it, becomes a PostScript
 * file with its page, its text, and a rendered page with ink where the
 * text was drawn.
 */
#include <windows.h>
#include <commdlg.h>

#include <gtest/gtest.h>

#include "printcheck.h"

TEST(Printer, DefaultPrinterWritesPostScript)
{
    if (!UnderWine())
        GTEST_SKIP() << "the test printer is Wine's";
    PRINTDLGA pd = {};
    pd.lStructSize = sizeof pd;
    pd.Flags = PD_RETURNDEFAULT;
    ASSERT_TRUE(PrintDlgA(&pd)) << "CommDlgExtendedError " << CommDlgExtendedError();
    const DEVNAMES *pdn = (const DEVNAMES *)GlobalLock(pd.hDevNames);
    std::string szDriver = (const char *)pdn + pdn->wDriverOffset;
    std::string szDevice = (const char *)pdn + pdn->wDeviceOffset;
    std::string szPort = (const char *)pdn + pdn->wOutputOffset;
    GlobalUnlock(pd.hDevNames);
    EXPECT_EQ("Halyard Test Printer", szDevice);
    const DEVMODEA *pdm = (const DEVMODEA *)GlobalLock(pd.hDevMode);
    EXPECT_EQ(DMPAPER_A4, pdm->dmPaperSize);
    HDC hdc = CreateDCA(szDriver.c_str(), szDevice.c_str(), szPort.c_str(), pdm);
    GlobalUnlock(pd.hDevMode);
    GlobalFree(pd.hDevMode);
    GlobalFree(pd.hDevNames);
    ASSERT_TRUE(hdc != NULL) << "CreateDC(" << szDriver << ", " << szDevice << ", " << szPort << ")";
    EXPECT_EQ(300, GetDeviceCaps(hdc, LOGPIXELSY));

    ClearPrintJobs();
    DOCINFOA di = {};
    di.cbSize = sizeof di;
    di.lpszDocName = "Halyard print check";
    EXPECT_GT(StartDocA(hdc, &di), 0);
    EXPECT_GT(StartPage(hdc), 0);
    HFONT hFont = CreateFontA(-50, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    HGDIOBJ hOld = SelectObject(hdc, hFont);
    TextOutA(hdc, 300, 300, "Halyard print check", 19);
    SelectObject(hdc, hOld);
    DeleteObject(hFont);
    EXPECT_GT(EndPage(hdc), 0);
    EXPECT_GT(EndDoc(hdc), 0);
    DeleteDC(hdc);

    std::string szJob = LastPrintJob();
    ASSERT_EQ(std::string(kPrintDir) + "\\job-0001", szJob);
    EXPECT_EQ(1, CountPsPages(PrintJobPs(szJob)));
    std::string szText = PrintedText(szJob, 1);
    EXPECT_NE(std::string::npos, szText.find("Halyard print check")) << "page text: [" << szText << "]";

    /* A4 at 75 dpi; ink where the text is (a 50-dot em), none below. */
    PrintedImage img = PrintedPage(szJob, 1);
    EXPECT_EQ(620, img.nWidth);
    EXPECT_EQ(877, img.nHeight);
    EXPECT_GT(img.Ink(PrintPixel(300), PrintPixel(300), PrintPixel(900), PrintPixel(400)), 100);
    EXPECT_EQ(0, img.Ink(0, PrintPixel(400), img.nWidth, img.nHeight));
}
