/* The document record and the services under it: memory blocks and their
   failures, paths, releasing what the document owns, settings integers
   and the settings file that ships with the program. */
#include "test_reader_util.h"

#include <filesystem>
#include <map>
#include <regex>
#include <tuple>

#include "colors.h"
#include "halyardrc.h"
#include "profilecases.h"

using namespace readertest;

namespace {

/* The texts of the notices shown since the last clear, then cleared. */
std::vector<std::string> Notices()
{
    std::vector<std::string> v;
    for (const OsNoticeRecord &r : OsNoticeLog())
        v.push_back(std::to_string(r.nKind) + " " + r.szText);
    OsNoticeLogClear();
    return v;
}

TEST(Memory, BlocksZeroFilledGrownAndFailing)
{
    OsNoticeLogClear();
    unsigned char *p = (unsigned char *)MyAlloc(100000);
    ASSERT_NE(nullptr, p);
    EXPECT_EQ(std::string(100000, '\0'), std::string(p, p + 100000));
    EXPECT_EQ(100000u, MySize(p));
    memset(p, 0xCD, 100000);
    /* Shrunk then grown: the old bytes kept, the new ones zero. */
    p = (unsigned char *)MyReAlloc(MyReAlloc(p, 4), 64);
    ASSERT_NE(nullptr, p);
    EXPECT_EQ(std::string(4, '\xCD') + std::string(60, '\0'), std::string(p, p + 64));
    MyFree(NULL);
    EXPECT_EQ(std::vector<std::string>{}, Notices());

    /* The hook lets two allocations through, fails the third, once. */
    MyAllocFailAfter(2);
    void *a = MyAlloc(4), *b = MyAlloc(4);
    EXPECT_TRUE(a != nullptr && b != nullptr && MyReAlloc(b, 8) == nullptr);
    EXPECT_EQ(std::vector<std::string>{"4 Memory reallocation failed: not enough memory !"}, Notices());
    MyFree(b), MyFree(b = MyAlloc(4)); /* once only */
    EXPECT_NE(nullptr, b);
    MyAllocFailAfter(0);
    EXPECT_EQ(nullptr, MyAlloc(16));
    EXPECT_EQ(std::vector<std::string>{"4 Memory allocation failed: not enough memory !"}, Notices());
    MyAllocFailAfter(0);
    EXPECT_EQ(nullptr, MyReAlloc(p, 1 << 20));
    EXPECT_EQ(64u, MySize(p)) << "a failed growth keeps the old block";
    Notices();

    /* A pointer inside a live block is not a block of its own. */
    EXPECT_EQ(0u, MySize(p + 32));
    MyFree(p + 32);
    EXPECT_EQ(nullptr, MyReAlloc(p + 32, 128));
    EXPECT_EQ((std::vector<std::string>{
                  "4 Unable to obtain bloc size: bad pointer or corrupted heap !",
                  "4 Unable to free memory: bad pointer or corrupted heap !",
                  "4 Memory corruption: please quit this program !"}),
              Notices());
    MyFree(p), MyFree(a);
}

TEST(Document, CreationReleaseAndPaths)
{
    OsNoticeLogClear();
    pDataGeneralPrg pData = InitDataProgram();
    ASSERT_NE(nullptr, pData);
    char szExe[HL_MAX_PATH], szDir[HL_MAX_PATH];
    ASSERT_GT(OsGetModulePath(szExe, sizeof szExe), 0);
    EXPECT_EQ(std::make_tuple(std::string(szExe), std::string(szExe), std::string(szDir, PathDirectoryPart(szExe, szDir, sizeof szDir)) + "halyard.cfg"),
              std::make_tuple(std::string(pData->szWorkingDirectory), std::string(pData->szFilePath), std::string(pData->ConfigFile)));
    EXPECT_TRUE(pData->nHSP == 0 && pData->pHSPResultat == NULL && pData->pVhspData == NULL && pData->szFileSortie[0] == '\0');

    /* Clearing the header keeps the query length. */
    memset(&pData->FichierBlast, 'x', sizeof pData->FichierBlast);
    pData->FichierBlast.TailleQuery = 820;
    InitFichBlastData(pData);
    for (const char *sz : {pData->FichierBlast.szQuerySeqName, pData->FichierBlast.szQuerySeqInfo,
                           pData->FichierBlast.szDataBankInfo})
        EXPECT_EQ(std::string(256, '\0'), std::string(sz, 256));
    EXPECT_EQ(820, pData->FichierBlast.TailleQuery);

    /* A table with a hole and a hit without a selection array, and an HSP
       shown with some arrays missing: all released (LeakSanitizer). */
    pData->pHSPResultat = (pDataHSP *)MyAlloc(3 * sizeof(pDataHSP));
    for (unsigned i : {0u, 2u})
        pData->pHSPResultat[i] = (pDataHSP)MyAlloc(sizeof(DataHSP));
    pData->pHSPResultat[2]->nHSPselected = (int *)MyAlloc(8);
    pData->nHSP = pData->nAlign = 3, pData->nAlignTotal = 6;
    pData->pVhspData = (pHalyardHSPData)MyAlloc(sizeof(HalyardHSPData));
    pData->pVhspData->szQuery = (char *)MyAlloc(11);
    pData->pVhspData->CompBkClr = (unsigned *)MyAlloc(40);
    FreeHalyardHaspData(pData);
    FreeHspData(pData);
    EXPECT_EQ((std::vector<unsigned>{0, 0, 0}), (std::vector<unsigned>{pData->nHSP, pData->nAlign, pData->nAlignTotal}));
    EXPECT_TRUE(pData->pHSPResultat == nullptr && pData->pVhspData == nullptr);
    pData->nAlign = 7; /* no table: the counts are left alone */
    FreeHspData(pData);
    EXPECT_EQ(7u, pData->nAlign);
    FreeDataProgram(pData);
    FreeDataProgram(NULL);
    EXPECT_EQ(std::vector<std::string>{}, Notices());
    MyAllocFailAfter(0);
    EXPECT_EQ(nullptr, InitDataProgram());
    EXPECT_EQ(1u, Notices().size());

    const struct { const char *szPath; int cch; const char *szDir; } paths[] = { /* 5: cut to a buffer too small */
        {"C:\\Program Files\\h\\halyard.exe", 99, "C:\\Program Files\\h\\"}, {"/usr/bin/halyard", 99, "/usr/bin/"}, {"C:halyard.exe", 99, "C:"},
        {"halyard.exe", 99, ""}, {"Z:/mixed\\seps/h.exe", 99, "Z:/mixed\\seps/"}, {"/abcdef/g", 5, "/abc"}, {"/abc/g", 5, "/abc"}, {"/abcd/g", 5, "/abc"}};
    for (const auto &c : paths) {
        std::vector<char> sz(c.cch, 'x');
        int n = PathDirectoryPart(c.szPath, sz.data(), c.cch);
        EXPECT_EQ(c.szDir, std::string(sz.data(), n) + (sz[n] ? "<no NUL>" : "")) << c.szPath;
    }
}

/* The platform layer's answers to buffers too small, and temporary names
   in a folder given with or without its separator ("\\" one too), or too
   long for the layer's 262 bytes (natively only: Windows paths stop at
   260). */
TEST(Platform, SmallBuffersAndTemporaryNames)
{
    char sz[8] = "xxxxxxx", szDir[HL_MAX_PATH], szOut[HL_MAX_PATH];
    EXPECT_EQ(0, OsLoadString(IDS_HALYARD, sz, 0));
    EXPECT_TRUE(OsLoadString(IDS_HALYARD, sz, 1) == 0 && sz[0] == '\0');
    EXPECT_EQ(0, OsGetModulePath(sz, 3));
    int nDir = OsGetTempDir(szDir, sizeof szDir);
    ASSERT_GT(nDir, 0);
    EXPECT_EQ(0, OsCreateTempFileIn(szDir, "HAL", sz, sizeof sz));
    EXPECT_EQ(0, OsCreateTempFileIn((szDir + std::string("missing")).c_str(), "HAL", szOut, sizeof szOut)); /* the folder refuses */
    for (std::string sDir : {std::string(szDir), std::string(szDir, nDir - 1), std::string(szDir, nDir - 1) + "\\"}) {
        TempFile t("", true);
        EXPECT_EQ(1, OsCreateTempFileIn(sDir.c_str(), "HAL", t.szPath, sizeof t.szPath));
        EXPECT_TRUE(std::string(szDir, nDir - 1) == std::string(t.szPath, nDir - 1) && strchr("/\\", t.szPath[nDir - 1])) << t.szPath;
        EXPECT_EQ(std::string::npos, std::string(t.szPath + nDir - 1).find_first_of("/\\", 1)) << t.szPath;
    }
#ifndef _WIN32
    for (size_t n : {260, 261}) { /* the folder's own length */
        std::string sDir = std::string(szDir) + std::string(n - nDir - 1, 'd') + "/";
        std::filesystem::create_directory(sDir);
        char szPath[400];
        EXPECT_EQ(n == 260, OsCreateTempFileIn(sDir.c_str(), "HAL", szPath, sizeof szPath) == 1) << n;
        std::filesystem::remove_all(sDir);
    }
#endif
}

/* The database information texts: the query's name, two blanks and its
   description, cut to the buffer; a field filled to its last byte stops
   at its end. */
TEST(Document, InfoDbTexts)
{
    /* name length, description length (-1: every field full, unterminated), query buffer */
    const struct { int nName, nInfo; size_t cch; } cases[] = {{10, 12, 255}, {-1, -1, 255}, {-1, -1, 600}};
    for (const auto &c : cases) {
        DataBlastFile fb;
        memset(fb.szQuerySeqName, 'N', sizeof fb.szQuerySeqName);
        memset(fb.szQuerySeqInfo, 'I', sizeof fb.szQuerySeqInfo);
        memset(fb.szDataBankInfo, 'D', sizeof fb.szDataBankInfo);
        if (c.nName >= 0)
            fb.szQuerySeqName[c.nName] = fb.szQuerySeqInfo[c.nInfo] = fb.szDataBankInfo[1] = '\0';
        const std::string sJoint = c.nName < 0 ? std::string(256, 'N') + "  " + std::string(256, 'I')
                                               : std::string(c.nName, 'N') + "  " + std::string(c.nInfo, 'I');
        std::vector<char> szQuery(c.cch), szBank(sizeof fb.szDataBankInfo + 1);
        InfoDbTexts(&fb, szQuery.data(), c.cch, szBank.data(), szBank.size());
        EXPECT_EQ(std::make_pair(sJoint.substr(0, c.cch - 1), std::string(c.nName < 0 ? 256 : 1, 'D')),
                  std::make_pair(std::string(szQuery.data()), std::string(szBank.data())))
            << c.nName << " + " << c.nInfo;
    }
}

/* Halves go toward zero, anything more away from it. */
TEST(Document, RoundFloat)
{
    const float cases[][2] = {{2.5f, 2}, {2.51f, 3}, {-2.5f, -2}, {-2.51f, -3}, {0.6f, 1}};
    for (const auto &c : cases)
        EXPECT_EQ((int)c[1], RoundFloat(c[0])) << c[0];
}

/* Every key of the shipped file at the value taken when it is missing
   (read with -1, no colour, a missing key shows); the colours its
   comment names by index are the ones drawn (COLORREF 0xBBGGRR). */
TEST(Profile, ShippedSettingsAtTheirDefaults)
{
    const std::string szCfg = HALYARD_FIXTURES "/../../samples/halyard-defaults.cfg", szAucun = szCfg + ".absent";
    int txt[NBLETTRES], bk[2][NBLETTRES], n[3];
    ReadColorConfFile(txt, bk[0], n, n + 1, n + 2, COULEUR_HCA, szAucun.c_str());
    ReadColorConfFile(txt, bk[1], n, n + 1, n + 2, COULEUR_SIMIDEN, szAucun.c_str());
    const char *const szCles[] = {"IDENT", "SIMIL", "AUTRE"};
    for (int i = 0; i < 3; i++)
        EXPECT_EQ(n[i], OsGetProfileInt("Couleurs_SimIden", szCles[i], -1, szCfg.c_str())) << szCles[i];
    for (int i = 0; i < NBLETTRES; i++) {
        const char sz[2] = {(char)('A' + i), '\0'};
        EXPECT_EQ((std::vector<int>{txt[i], bk[0][i], bk[1][i]}),
                  (std::vector<int>{OsGetProfileInt("Couleurs_HCA", sz, -1, szCfg.c_str()), OsGetProfileInt("Couleur_Fond_HCA", sz, -1, szCfg.c_str()),
                                    OsGetProfileInt("Couleur_Fond_SimIden", sz, -1, szCfg.c_str())})) << sz;
    }
    const std::map<std::string, unsigned long> rgb = {
        {"black", 0}, {"white", 0xFFFFFF}, {"red", 0x0000FF}, {"green", 0x00FF00}, {"blue", 0xFF0000}, {"yellow", 0x00FFFF},
        {"magenta", 0xFF00FF}, {"cyan", 0xFFFF00}, {"dark red", 0x000080}, {"dark green", 0x008000}, {"dark blue", 0x800000},
        {"olive", 0x008080}, {"purple", 0x800080}, {"teal", 0x808000}, {"light grey", 0xC0C0C0}, {"grey", 0x808080}};
    std::string sText = ReadFile(szCfg);
    sText = sText.substr(0, sText.find("A value outside"));
    const std::regex re("(\\d+) ([a-z]+( [a-z]+)?)[,.]");
    int nNamed = 0;
    for (std::sregex_iterator it(sText.begin(), sText.end(), re), end; it != end; ++it, nNamed++)
        EXPECT_EQ(rgb.at((*it)[2]), TABCOLOR[std::stoi((*it)[1])]) << (*it)[0];
    EXPECT_EQ(NBCOULEURS, nNamed);
}

} // namespace
