/* addprinter: installs the test printer of a Wine prefix.
 *   halyard_addprinter PPD PORT
 * Copies the PPD into the spooler's driver folder, adds a driver that is
 * Wine's PostScript driver with that PPD, a printer on PORT, and makes it
 * the default printer. An existing printer of that name is replaced.
 */
#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <string>

static const char szPrinter[] = "Halyard Test Printer";
static const char szDriver[]  = "Halyard Test Printer";

static int Fail(const char *szWhat)
{
    std::fprintf(stderr, "addprinter: %s failed (error %lu)\n", szWhat, GetLastError());
    return 1;
}

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: halyard_addprinter PPD PORT\n");
        return 2;
    }
    const char *szPpd = argv[1];
    std::string szPort = argv[2];

    char szDir[MAX_PATH];
    DWORD cb = 0;
    if (!GetPrinterDriverDirectoryA(NULL, NULL, 1, (LPBYTE)szDir, sizeof szDir, &cb))
        return Fail("GetPrinterDriverDirectory");
    std::string szDrvDir = std::string(szDir) + "\\3";
    CreateDirectoryA(szDrvDir.c_str(), NULL);
    std::string szData = szDrvDir + "\\halyard-test.ppd";
    if (!CopyFileA(szPpd, szData.c_str(), FALSE))
        return Fail("copying the PPD");

    DRIVER_INFO_3A di = {};
    di.cVersion = 3;
    di.pName = const_cast<char *>(szDriver);
    di.pEnvironment = NULL;
    di.pDriverPath = const_cast<char *>("wineps.drv");
    di.pDataFile = &szData[0];
    di.pConfigFile = const_cast<char *>("wineps.drv");
    if (!AddPrinterDriverExA(NULL, 3, (LPBYTE)&di, APD_COPY_NEW_FILES))
        return Fail("AddPrinterDriverEx");

    HANDLE hOld = NULL;
    if (OpenPrinterA(const_cast<char *>(szPrinter), &hOld, NULL)) {
        ClosePrinter(hOld);
        PRINTER_DEFAULTSA pd = {NULL, NULL, PRINTER_ALL_ACCESS};
        if (!OpenPrinterA(const_cast<char *>(szPrinter), &hOld, &pd) || !DeletePrinter(hOld))
            return Fail("DeletePrinter");
        ClosePrinter(hOld);
    }

    PRINTER_INFO_2A pi = {};
    pi.pPrinterName = const_cast<char *>(szPrinter);
    pi.pPortName = &szPort[0];
    pi.pDriverName = const_cast<char *>(szDriver);
    pi.pPrintProcessor = const_cast<char *>("WinPrint");
    pi.pDatatype = const_cast<char *>("RAW");
    pi.Attributes = PRINTER_ATTRIBUTE_LOCAL;
    HANDLE hPrinter = AddPrinterA(NULL, 2, (LPBYTE)&pi);
    if (!hPrinter)
        return Fail("AddPrinter");
    ClosePrinter(hPrinter);
    if (!SetDefaultPrinterA(szPrinter))
        return Fail("SetDefaultPrinter");
    std::printf("addprinter: \"%s\" on port \"%s\", PPD %s\n", szPrinter, szPort.c_str(),
                szData.c_str());
    return 0;
}
