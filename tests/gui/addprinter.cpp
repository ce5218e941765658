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

static int Fail(const char *szWhat)
{
    std::fprintf(stderr, "addprinter: %s failed (error %lu)\n", szWhat, GetLastError());
    return 1;
}

int main(int argc, char **argv)
{
    char szName[] = "Halyard Test Printer", szWineps[] = "wineps.drv", szDir[MAX_PATH];
    DWORD cb = 0;
    if (argc != 3)
        return std::fprintf(stderr, "usage: halyard_addprinter PPD PORT\n"), 2;
    if (!GetPrinterDriverDirectoryA(NULL, NULL, 1, (LPBYTE)szDir, sizeof szDir, &cb))
        return Fail("GetPrinterDriverDirectory");
    std::string szData = std::string(szDir) + "\\3";
    CreateDirectoryA(szData.c_str(), NULL);
    szData += "\\halyard-test.ppd";
    if (!CopyFileA(argv[1], szData.c_str(), FALSE))
        return Fail("copying the PPD");
    DRIVER_INFO_3A di = {};
    di.cVersion = 3, di.pName = szName, di.pDriverPath = di.pConfigFile = szWineps, di.pDataFile = &szData[0];
    if (!AddPrinterDriverExA(NULL, 3, (LPBYTE)&di, APD_COPY_NEW_FILES))
        return Fail("AddPrinterDriverEx");
    HANDLE h = NULL;
    PRINTER_DEFAULTSA pd = { NULL, NULL, PRINTER_ALL_ACCESS };
    if (OpenPrinterA(szName, &h, &pd) && (!DeletePrinter(h) | !ClosePrinter(h)))
        return Fail("DeletePrinter");
    char szProc[] = "WinPrint", szRaw[] = "RAW";
    PRINTER_INFO_2A pi = {};
    pi.pPrinterName = pi.pDriverName = szName, pi.pPortName = argv[2], pi.pPrintProcessor = szProc;
    pi.pDatatype = szRaw, pi.Attributes = PRINTER_ATTRIBUTE_LOCAL;
    if (!(h = AddPrinterA(NULL, 2, (LPBYTE)&pi)))
        return Fail("AddPrinter");
    ClosePrinter(h);
    if (!SetDefaultPrinterA(szName))
        return Fail("SetDefaultPrinter");
    std::printf("addprinter: \"%s\" on port \"%s\", PPD %s\n", szName, argv[2], szData.c_str());
    return 0;
}
