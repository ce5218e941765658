/* Helpers shared by the reader, loader and colour tests: temporary files,
   reading a report held in a string, loading HSPs back. */
#ifndef HALYARD_TEST_READER_UTIL_H
#define HALYARD_TEST_READER_UTIL_H

#include <gtest/gtest.h>
#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

#include "blastread.h"
#include "document.h"
#include "hspload.h"
#include "memory.h"
#include "os_portable.h"

namespace readertest {

inline std::string ReadFile(const std::string &sPath)
{
    std::string s;
    FILE *f = fopen(sPath.c_str(), "rb");
    if (f == NULL)
        return s;
    char buf[65536];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0)
        s.append(buf, n);
    fclose(f);
    return s;
}

inline bool FileExists(const std::string &sPath)
{
    FILE *f = fopen(sPath.c_str(), "rb");
    if (f != NULL)
        fclose(f);
    return f != NULL;
}

/* A file in the temporary directory, deleted when the object goes. */
struct TempFile {
    char szPath[HL_MAX_PATH] = "";
    explicit TempFile(const std::string &sContent = std::string())
    {
        EXPECT_EQ(1, OsCreateTempFile("HAL", szPath, sizeof szPath));
        FILE *f = fopen(szPath, "wb");
        if (f != NULL) {
            fwrite(sContent.data(), 1, sContent.size(), f);
            fclose(f);
        }
    }
    ~TempFile() { remove(szPath); }
    TempFile(const TempFile &) = delete;
    TempFile &operator=(const TempFile &) = delete;
};

/* Replaces every "\n" of an LF text by szEnd. */
inline std::string WithLineEnds(const std::string &s, const char *szEnd)
{
    std::string r;
    for (char c : s) {
        if (c == '\n')
            r += szEnd;
        else
            r += c;
    }
    return r;
}

inline std::string Fixture(const char *szName)
{
    return ReadFile(std::string(HALYARD_FIXTURES) + "/reader/" + szName);
}

/* A document that has read one report: the report and index files live
   as long as the object. */
struct ReadReport {
    pDataGeneralPrg pData = NULL;
    int nResult = -100;
    TempFile report;
    TempFile index;

    explicit ReadReport(const std::string &sReport) : report(sReport)
    {
        Run(report.szPath);
    }
    /* Reads an existing report file. */
    ReadReport(const std::string &sPath, bool) { Run(sPath.c_str()); }
    void Run(const char *szPath)
    {
        OsNoticeLogClear();
        pData = InitDataProgram();
        if (pData == NULL)
            return;
        snprintf(pData->szFilePath, sizeof pData->szFilePath, "%s", szPath);
        snprintf(pData->szFileSortie, sizeof pData->szFileSortie, "%s", index.szPath);
        nResult = LitBlastForListBox(NULL, pData);
    }
    ~ReadReport() { FreeDataProgram(pData); }
    std::string IndexText() const { return ReadFile(index.szPath); }
    pDataHSP Hit(unsigned i) const { return pData->pHSPResultat[i]; }
};

/* Text ids of the notices shown since the last clear. */
inline std::vector<unsigned> NoticeIds()
{
    std::vector<unsigned> v;
    for (const OsNoticeRecord &r : OsNoticeLog())
        v.push_back(r.idText);
    return v;
}

/* One HSP loaded from the index file, released with the object. */
struct LoadedHsp {
    pHalyardHSPData p = NULL;
    LoadedHsp(FILE *f, unsigned nHit, unsigned nHsp) { p = LitUnAlignHsp(NULL, f, nHit, nHsp); }
    LoadedHsp(const char *szIndex, unsigned nHit, unsigned nHsp)
    {
        FILE *f = fopen(szIndex, "rb");
        if (f != NULL) {
            p = LitUnAlignHsp(NULL, f, nHit, nHsp);
            fclose(f);
        }
    }
    ~LoadedHsp()
    {
        if (p == NULL)
            return;
        MyFree(p->szQuery);
        MyFree(p->szSubject);
        MyFree(p->szComp);
        MyFree(p->QueryTxtClr);
        MyFree(p->QueryBkClr);
        MyFree(p->SubjectTxtClr);
        MyFree(p->SubjectBkClr);
        MyFree(p->CompTxtClr);
        MyFree(p->CompBkClr);
        MyFree(p);
    }
    LoadedHsp(const LoadedHsp &) = delete;
    LoadedHsp &operator=(const LoadedHsp &) = delete;
};

} // namespace readertest

#endif
