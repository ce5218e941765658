/* Helpers shared by the reader, loader, editor and map tests: temporary
   files, reading a report held in a string, loading HSPs back. */
#ifndef HALYARD_TEST_READER_UTIL_H
#define HALYARD_TEST_READER_UTIL_H

#include <gtest/gtest.h>
#include <stdio.h>
#include <string.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "blastread.h"
#include "document.h"
#include "hspload.h"
#include "memory.h"
#include "os_portable.h"

namespace readertest {

/* The bytes of a file, none when it cannot be opened. */
inline std::string ReadFile(const std::string &sPath)
{
    std::ifstream f(sPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

/* A file in the temporary directory holding sContent, deleted with the
   object; bGone: the name only, no file. */
struct TempFile {
    char szPath[HL_MAX_PATH] = "";
    explicit TempFile(const std::string &sContent = std::string(), bool bGone = false)
    {
        EXPECT_EQ(1, OsCreateTempFile("HAL", szPath, sizeof szPath));
        if (FILE *f = fopen(szPath, "wb")) {
            fwrite(sContent.data(), 1, sContent.size(), f);
            fclose(f);
        }
        if (bGone)
            remove(szPath);
    }
    ~TempFile() { remove(szPath); }
    TempFile(const TempFile &) = delete;
    TempFile &operator=(const TempFile &) = delete;
};

/* A fresh folder in the temporary directory, removed with the object. */
struct TempDir {
    std::string s = TempFile("", true).szPath; /* a free name */
    TempDir() { std::filesystem::create_directory(s); }
    ~TempDir() { std::error_code ec; std::filesystem::remove_all(s, ec); }
    std::vector<std::string> List(const char *szSub = "") const
    {
        std::vector<std::string> v;
        for (const auto &e : std::filesystem::directory_iterator(s + szSub))
            v.push_back(e.path().filename().string());
        return v;
    }
};

inline std::string Fixture(const char *szName)
{
    return ReadFile(std::string(HALYARD_FIXTURES) + "/reader/" + szName);
}

/* A document that has read one report (given as text, or as the path of
   a file when bPath): the report and index files live as long as it. */
struct ReadReport {
    pDataGeneralPrg pData = NULL;
    int nResult = -100;
    TempFile report, index;

    explicit ReadReport(const std::string &s, bool bPath = false, unsigned nRequete = 0)
        : report(bPath ? "" : s)
    {
        OsNoticeLogClear();
        pData = InitDataProgram();
        if (pData == NULL)
            return;
        snprintf(pData->szFilePath, sizeof pData->szFilePath, "%s", bPath ? s.c_str() : report.szPath);
        snprintf(pData->szFileSortie, sizeof pData->szFileSortie, "%s", index.szPath);
        pData->FichierBlast.nRequete = nRequete;
        nResult = LitBlastForListBox(NULL, pData);
    }
    ~ReadReport() { FreeDataProgram(pData); }
    pDataHSP Hit(unsigned i) const { return pData->pHSPResultat[i]; }
};

/* A made-up legacy report, one triple per HSP. */
struct Seg { unsigned q0, q1, s0, s1; const char *q, *m, *s; };
struct Hit { const char *szAcc; std::vector<Seg> hsps; };

inline std::string Report(const char *szQuery, int nLen, const std::vector<Hit> &hits)
{
    std::string s = std::string("BLASTP 2.0MP-WashU [editor tests]\n\nQuery=  ") + szQuery +
                    " made up\n        (" + std::to_string(nLen) + " letters)\n\nDatabase:  t.aa\n"
                    "           3 sequences; 1,500 total letters.\n\nSequences producing "
                    "High-scoring Segment Pairs:              Score  P(N)      N\n\n";
    for (const Hit &h : hits)
        s += std::string(h.szAcc) + " a hit   100  1.0e-05   1\n";
    s += "\n\n";
    for (const Hit &h : hits) {
        s += std::string(">") + h.szAcc + " a hit\n        Length = 250\n\n";
        for (const Seg &g : h.hsps) {
            char b[1000];
            unsigned n = (unsigned)strlen(g.q);
            snprintf(b, sizeof b,
                     " Score = 100 (40.0 bits), Expect = 2.0e-05, P = 2.0e-05\n Identities = %u/%u "
                     "(100%%)\n\nQuery: %5u %s %u\n             %s\nSbjct: %5u %s %u\n\n",
                     n, n, g.q0, g.q, g.q1, g.m, g.s0, g.s, g.s1);
            s += b;
        }
    }
    return s + "Parameters:\n  E=10\n";
}

/* Text ids of the notices shown since the last clear. */
inline std::vector<unsigned> NoticeIds()
{
    std::vector<unsigned> v;
    for (const OsNoticeRecord &r : OsNoticeLog())
        v.push_back(r.idText);
    return v;
}

/* One HSP loaded from an open index file (through the place the reader
   kept for it when pData is given) or from a file name, released with the
   object. */
struct LoadedHsp {
    pHalyardHSPData p = NULL;
    LoadedHsp(FILE *f, unsigned nHit, unsigned nHsp, pDataGeneralPrg pData = NULL)
        : p(pData ? ChargeHspIndex(pData, f, nHit, nHsp) : LitUnAlignHsp(NULL, f, nHit, nHsp)) {}
    LoadedHsp(const char *szIndex, unsigned nHit, unsigned nHsp)
    {
        if (FILE *f = fopen(szIndex, "rb")) {
            p = LitUnAlignHsp(NULL, f, nHit, nHsp);
            fclose(f);
        }
    }
    ~LoadedHsp() { LibereHalyardHsp(p); }
    LoadedHsp(const LoadedHsp &) = delete;
    LoadedHsp &operator=(const LoadedHsp &) = delete;
};

} // namespace readertest

#endif
