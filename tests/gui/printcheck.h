/* printcheck.h: what the test printer printed, for the GUI tests.
 *
 * The default printer of the test prefix, "Halyard Test Printer", is Wine's
 * PostScript driver with tests/data/print/halyard-test.ppd (A4 by default,
 * Letter, 300 dpi, colour), installed when the Wine session starts
 * (tools/wine-printer). Its port is a Wine pipe port: at the end of every
 * job Wine runs a copy of tools/wine-printjob with the PostScript on its
 * input, and EndDoc returns only when the script has finished. So once
 * EndDoc has returned, the job is in C:\halyard-print (of the prefix):
 *   job-NNNN.ps     the PostScript, jobs numbered from 0001 after
 *                   ClearPrintJobs()
 *   job-NNNN-P.txt  the text page P shows (Ghostscript's txtwrite: one line
 *                   per line of print, spaces for the gaps)
 *   job-NNNN-P.png  page P at 75 dpi
 * The .txt and .png files exist only when Ghostscript is installed
 * (tools/setup installs it). Rendering runs on the Unix side, in the port,
 * because a Unix program started from a Windows one under Wine cannot be
 * waited for. A job whose DOCINFO names an output file (lpszOutput) goes
 * to that file instead, and is not rendered.
 */
#ifndef HALYARD_TEST_PRINTCHECK_H
#define HALYARD_TEST_PRINTCHECK_H

#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

const char kPrintDir[] = "C:\\halyard-print";
/* True under Wine, where the session has installed the test printer; a
   Windows machine has printers of its own, and no C:\halyard-print. */
inline bool UnderWine()
{
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != NULL;
}

/* Deletes every earlier job: the next one will be job-0001. */
inline void ClearPrintJobs()
{
    WIN32_FIND_DATAA fd;
    HANDLE hFind = FindFirstFileA((std::string(kPrintDir) + "\\*").c_str(), &fd);
    if (hFind == INVALID_HANDLE_VALUE)
        return;
    do {
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            DeleteFileA((std::string(kPrintDir) + "\\" + fd.cFileName).c_str());
    } while (FindNextFileA(hFind, &fd));
    FindClose(hFind);
}

/* The job printed last, as "C:\halyard-print\job-NNNN" (without an
   extension: add ".ps", or use the functions below), "" when none. */
inline std::string LastPrintJob()
{
    std::string szLast;
    WIN32_FIND_DATAA fd;
    HANDLE hFind = FindFirstFileA((std::string(kPrintDir) + "\\job-????.ps").c_str(), &fd);
    if (hFind == INVALID_HANDLE_VALUE)
        return "";
    do {
        std::string sz = fd.cFileName; /* job-NNNN.ps: names sort as numbers */
        if (sz.size() == 11 && sz.compare(0, 4, "job-") == 0 && sz > szLast)
            szLast = sz;
    } while (FindNextFileA(hFind, &fd));
    FindClose(hFind);
    return szLast.empty() ? "" : std::string(kPrintDir) + "\\" + szLast.substr(0, 8);
}

/* Whole content of a file, "" when it cannot be read. */
inline std::string ReadPrintFile(const std::string &szPath)
{
    std::ifstream in(szPath, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}
inline std::string PrintJobPs(const std::string &szJob) { return ReadPrintFile(szJob + ".ps"); }

/* Pages of a PostScript job: its "%%Page:" comments. */
inline int CountPsPages(const std::string &szPs)
{
    int n = 0;
    for (size_t i = szPs.find("%%Page:"); i != std::string::npos; i = szPs.find("%%Page:", i + 1))
        if (i == 0 || szPs[i - 1] == '\n' || szPs[i - 1] == '\r')
            n++;
    return n;
}

/* The text page nPage (from 1) of a job shows, lines ending with '\n'.
   Wine shows spaces with the glyph the fonts share with the no-break
   space, so Ghostscript reads them as U+00A0, and hyphens as soft ones
   (U+00AD): they come back as spaces and hyphens. */
inline std::string PrintedText(const std::string &szJob, int nPage)
{
    std::string sz = ReadPrintFile(szJob + "-" + std::to_string(nPage) + ".txt"), szOut;
    for (size_t i = 0; i < sz.size(); i++) {
        if (sz[i] == '\r')
            continue;
        if (sz[i] == '\xC2' && i + 1 < sz.size() && (sz[i + 1] == '\xA0' || sz[i + 1] == '\xAD')) {
            szOut += sz[++i] == '\xA0' ? ' ' : '-';
            continue;
        }
        szOut += sz[i];
    }
    return szOut;
}

/* Height in pixels of page nPage (from 1) of a job as rendered, from its
   PNG header (big-endian, at byte 20); 0 when the image is missing. */
inline int PrintedPageHeight(const std::string &szJob, int nPage)
{
    std::string sz = ReadPrintFile(szJob + "-" + std::to_string(nPage) + ".png");
    if (sz.size() < 24)
        return 0;
    return (unsigned char)sz[20] << 24 | (unsigned char)sz[21] << 16 | (unsigned char)sz[22] << 8
           | (unsigned char)sz[23];
}

#endif
