/* The release zip, unpacked by check-zip into HALYARD_RELEASE_DIR: Halyard,
   another process driven by messages, runs from there on the sample report,
   finds HALYARD_RELEASE_PATTERN with the tables beside it, and its version
   resource, About box and zip name (HALYARD_RELEASE_ZIP) agree. */
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>

/* f(), once it is not zero or after 10 s. */
template <typename F> static auto Attend(F f)
{
    for (int i = 0; i < 200 && !f(); i++)
        Sleep(50);
    return f();
}

/* The window of that class and title once it is shown (its dialog set up). */
static HWND Fenetre(const char *szClasse, const char *szTitre)
{
    return Attend([=] { HWND h = FindWindowA(szClasse, szTitre); return IsWindowVisible(h) ? h : NULL; });
}

TEST(ReleaseZip, RunsFromItsFolderAndGivesOneVersion)
{
    const char *szDir = getenv("HALYARD_RELEASE_DIR"), *szZip = getenv("HALYARD_RELEASE_ZIP"), *szMotif = getenv("HALYARD_RELEASE_PATTERN");
    ASSERT_TRUE(szDir && szZip && szMotif) << "run by check-zip, which unpacks the zip";
    const std::string szExe = std::string(szDir) + "\\halyard.exe";
    std::string szLigne = "\"" + szExe + "\" " + szDir + "\\sample.bla";
    std::vector<char> info(GetFileVersionInfoSizeA(szExe.c_str(), NULL));
    VS_FIXEDFILEINFO *p = NULL;
    UINT n;
    ASSERT_TRUE(GetFileVersionInfoA(szExe.c_str(), 0, (DWORD)info.size(), info.data()) && VerQueryValueA(info.data(), "\\", (void **)&p, &n));
    const std::string szVersion = std::to_string(HIWORD(p->dwFileVersionMS)) + "." + std::to_string(LOWORD(p->dwFileVersionMS)) + "." + std::to_string(HIWORD(p->dwFileVersionLS));
    EXPECT_EQ("halyard-" + szVersion + "-win64.zip", std::string(szZip));

    /* Started in another folder than its own, on the report beside it,
       its work files in a folder that check-zip empties. */
    for (const char *szVar : {"TMP", "TEMP"})
        SetEnvironmentVariableA(szVar, (std::string(szDir) + "\\..\\tmp").c_str());
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi;
    ASSERT_TRUE(CreateProcessA(szExe.c_str(), &szLigne[0], NULL, NULL, FALSE, 0, NULL, "C:\\", &si, &pi));
    std::unique_ptr<HANDLE, void (*)(HANDLE *)> fin(&pi.hProcess, [](HANDLE *p) { TerminateProcess(*p, 1); });
    HWND hListe = GetDlgItem(Fenetre("Halyard   ", NULL), 6001);
    ASSERT_LT(0, Attend([=] { return SendMessageA(hListe, LB_GETCOUNT, 0, 0); })) << "no report open";

    /* The pattern searched in every HSP of the editor: the tables are
       found, and the pattern is. */
    for (int id : { 3006, 3010 })
        SendMessageA(GetParent(hListe), WM_COMMAND, id, 0);
    PostMessageA(FindWindowA("VazEva Editor   -   ", NULL), WM_COMMAND, 3020, 0);
    HWND hFind = Fenetre("#32770", "Find pattern(s)");
    SetDlgItemTextA(hFind, 516, szMotif);
    SendMessageA(hFind, WM_COMMAND, 519, 0);
    PostMessageA(hFind, WM_COMMAND, IDOK, 0);
    EXPECT_LT(0, Attend([=] { return SendMessageA(GetDlgItem(hFind, 517), TVM_GETCOUNT, 0, 0); })) << "no match of " << szMotif;

    char szApropos[64] = "";
    PostMessageA(GetParent(hListe), WM_COMMAND, 3021, 0);
    GetDlgItemTextA(Fenetre("#32770", "About"), 6090, szApropos, sizeof szApropos);
    EXPECT_EQ("Version " + szVersion, std::string(szApropos));
}
