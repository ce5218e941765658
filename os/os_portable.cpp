/* os_portable.cpp: the platform layer in standard C++, for the native
   build and for the core's unit tests on every platform.
   Same contract as os_win.cpp (see os.h). Notices are not shown: they are
   recorded for tests and written to standard error. */
#include <ctype.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

#include <deque>
#include <filesystem>
#include <system_error>

#include "os.h"
#include "os_portable.h"
#include "strtable.h"
#include "textline.h"
#include "halyardrc.h"

#if defined(__linux__)
#include <unistd.h>
#endif

/* ---- Notices ------------------------------------------------------- */

static std::vector<OsNoticeRecord> g_Notices;
static std::deque<int> g_Answers;

std::vector<OsNoticeRecord> &OsNoticeLog(void) { return g_Notices; }
void OsNoticeLogClear(void) { g_Notices.clear(); g_Answers.clear(); }
void OsNoticeQueueAnswer(int nAnswer) { g_Answers.push_back(nAnswer); }

int OsLoadString(unsigned id, char *szBuf, int cchBuf)
{
    const char *szText = StringTableText(id);
    size_t n;

    if (cchBuf <= 0)
        return 0;
    if (szText == NULL) {
        szBuf[0] = '\0';
        return 0;
    }
    n = strlen(szText);
    if (n > (size_t)cchBuf - 1)
        n = (size_t)cchBuf - 1;
    memcpy(szBuf, szText, n);
    szBuf[n] = '\0';
    return (int)n;
}

/* Records a notice whose text is ready. */
static int RecordNotice(int nKind, unsigned idCaption, unsigned idText, const char *szText,
                        OSWND hOwner)
{
    char szCaption[256];
    OsNoticeRecord rec;

    OsLoadString(idCaption, szCaption, sizeof szCaption);
    rec.nKind = nKind;
    rec.idCaption = idCaption;
    rec.idText = idText;
    rec.szText = szText;
    rec.hOwner = hOwner;
    rec.nAnswer = OS_IDOK;
    if (nKind == OS_NOTICE_ASK) {
        rec.nAnswer = OS_IDNO;
        if (!g_Answers.empty()) {
            rec.nAnswer = g_Answers.front();
            g_Answers.pop_front();
        }
    }
    g_Notices.push_back(rec);
    fprintf(stderr, "[%s] %s\n", szCaption, szText);
    return rec.nAnswer;
}

int OsNotice(int nKind, unsigned idCaption, unsigned idText, OSWND hOwner)
{
    char szText[256];

    OsLoadString(idText, szText, sizeof szText);
    return RecordNotice(nKind, idCaption, idText, szText, hOwner);
}

int OsNoticeArg(int nKind, unsigned idCaption, unsigned idText, const char *szArg, OSWND hOwner)
{
    char szFormat[256], szText[512];

    OsLoadString(idText, szFormat, sizeof szFormat);
    snprintf(szText, sizeof szText, szFormat, szArg);
    return RecordNotice(nKind, idCaption, idText, szText, hOwner);
}

void OsMemoryNotice(const char *szText)
{
    OsNoticeRecord rec;

    rec.nKind = OS_NOTICE_MEMORY;
    rec.idCaption = 0;
    rec.idText = 0;
    rec.szText = szText;
    rec.hOwner = NULL;
    rec.nAnswer = OS_IDOK;
    g_Notices.push_back(rec);
    fprintf(stderr, "[Error] %s\n", szText);
}

/* ---- Heap ---------------------------------------------------------- */

/* Each block carries a header in front of the caller's bytes: the size
   asked for, and a tag that lets Free, ReAlloc and Size refuse a pointer
   that is not the start of a live block. The tag comes last, next to the
   caller's bytes, so that a write just before a block spoils it and is
   refused at the block's release. 16 bytes keep the caller's bytes
   aligned as malloc's are. */
struct BlockHeader {
    unsigned long long cb;
    unsigned long long tag;
};
static const unsigned long long BLOCK_LIVE = 0x48414c59424c4b31ULL; /* "HALYBLK1" */
static const unsigned long long BLOCK_DEAD = 0x48414c5944454144ULL;

static BlockHeader *HeaderOf(void *pBlock)
{
    if (pBlock == NULL)
        return NULL;
    BlockHeader *pHead = (BlockHeader *)pBlock - 1;
    return pHead->tag == BLOCK_LIVE ? pHead : NULL;
}

void *OsHeapAlloc(size_t cb, int *pnFail)
{
    BlockHeader *pHead;

    if (cb > (size_t)-1 - sizeof(BlockHeader)) {
        *pnFail = OS_HEAP_NOMEM;
        return NULL;
    }
    pHead = (BlockHeader *)calloc(1, sizeof(BlockHeader) + cb);
    if (pHead == NULL) {
        *pnFail = OS_HEAP_NOMEM;
        return NULL;
    }
    pHead->tag = BLOCK_LIVE;
    pHead->cb = cb;
    return pHead + 1;
}

void *OsHeapReAlloc(void *pBlock, size_t cb, int *pnFail)
{
    BlockHeader *pHead = HeaderOf(pBlock);
    BlockHeader *pNew;
    size_t cbOld;

    if (pHead == NULL) {
        *pnFail = OS_HEAP_CORRUPT;
        return NULL;
    }
    if (cb > (size_t)-1 - sizeof(BlockHeader)) {
        *pnFail = OS_HEAP_NOMEM;
        return NULL;
    }
    cbOld = (size_t)pHead->cb;
    pNew = (BlockHeader *)realloc(pHead, sizeof(BlockHeader) + cb);
    if (pNew == NULL) {
        *pnFail = OS_HEAP_NOMEM;
        return NULL;
    }
    if (cb > cbOld)
        memset((char *)(pNew + 1) + cbOld, 0, cb - cbOld);
    pNew->cb = cb;
    return pNew + 1;
}

int OsHeapFree(void *pBlock)
{
    BlockHeader *pHead = HeaderOf(pBlock);

    if (pHead == NULL)
        return 0;
    pHead->tag = BLOCK_DEAD;
    free(pHead);
    return 1;
}

size_t OsHeapSize(void *pBlock)
{
    BlockHeader *pHead = HeaderOf(pBlock);

    return pHead == NULL ? (size_t)-1 : (size_t)pHead->cb;
}

/* ---- Private profile ----------------------------------------------- */

/* Trims blanks and tabs at both ends, in place; returns the start. */
static char *Trim(char *s)
{
    char *e;

    while (*s == ' ' || *s == '\t')
        s++;
    e = s + strlen(s);
    while (e > s && (e[-1] == ' ' || e[-1] == '\t'))
        *--e = '\0';
    return s;
}

static bool SameName(const char *a, const char *b)
{
    for (; *a && *b; a++, b++)
        if (toupper((unsigned char)*a) != toupper((unsigned char)*b))
            return false;
    return *a == *b;
}

int OsGetProfileInt(const char *szSection, const char *szKey, int nDefault,
                    const char *szFile)
{
    char szLine[1024];
    bool bInSection = false;
    FILE *f;

    f = fopen(szFile, "rb");
    if (f == NULL)
        return nDefault;
    while (LitLigneFichier(f, szLine, sizeof szLine)) {
        char *s = Trim(szLine);
        char *pEq;

        if (*s == '[') {
            char *pEnd = strchr(s, ']');
            if (pEnd != NULL)
                *pEnd = '\0';
            bInSection = SameName(Trim(s + 1), szSection);
            continue;
        }
        if (!bInSection || (pEq = strchr(s, '=')) == NULL)
            continue;
        *pEq = '\0';
        if (!SameName(Trim(s), szKey))
            continue;
        fclose(f);

        /* The value: blanks skipped, then an optional sign and its
           leading decimal digits. */
        const char *v = pEq + 1;
        bool bNeg = false;
        long long n = 0;
        while (*v == ' ' || *v == '\t')
            v++;
        /* An empty value counts as missing (measured on the Win32 call). */
        if (*v == '\0')
            return nDefault;
        if (*v == '-' || *v == '+')
            bNeg = (*v++ == '-');
        while (isdigit((unsigned char)*v) && n < 0x100000000LL)
            n = n * 10 + (*v++ - '0');
        /* Wrap as the Win32 call does: its result is a 32-bit UINT. */
        return (int)(unsigned int)(bNeg ? -n : n);
    }
    fclose(f);
    return nDefault;
}

/* ---- Files and paths ----------------------------------------------- */

int OsGetTempDir(char *szBuf, int cchBuf)
{
    std::error_code ec;
    std::string sDir = std::filesystem::temp_directory_path(ec).string();

    if (ec || sDir.empty())
        return 0;
    if (sDir.back() != '/' && sDir.back() != '\\')
        sDir += (char)std::filesystem::path::preferred_separator;
    if (sDir.size() + 1 > (size_t)cchBuf)
        return 0;
    memcpy(szBuf, sDir.c_str(), sDir.size() + 1);
    return (int)sDir.size();
}

int OsCreateTempFile(const char *szPrefix, char *szBuf, int cchBuf)
{
    char szDir[260];

    if (OsGetTempDir(szDir, sizeof szDir) == 0)
        return 0;
    return OsCreateTempFileIn(szDir, szPrefix, szBuf, cchBuf);
}

int OsCreateTempFileIn(const char *szDirIn, const char *szPrefix, char *szBuf, int cchBuf)
{
    char szDir[262];
    char szPre[4] = "";
    static unsigned nSeed = 0;
    size_t nDir = strlen(szDirIn);

    /* The directory with its separator, "" for the current one. */
    if (nDir + 2 > sizeof szDir)
        return 0;
    strcpy(szDir, szDirIn);
    if (nDir > 0 && szDir[nDir - 1] != '/' && szDir[nDir - 1] != '\\')
        strcat(szDir, "/");
    strncat(szPre, szPrefix, 3);
    if (nSeed == 0)
        nSeed = (unsigned)time(NULL) ^ (unsigned)clock();
    for (unsigned nTry = 0; nTry < 0x10000; nTry++) {
        unsigned nUnique = (nSeed + nTry) & 0xFFFF;
        char szPath[300];
        FILE *f;

        if (nUnique == 0)
            continue;
        snprintf(szPath, sizeof szPath, "%s%s%X.TMP", szDir, szPre, nUnique);
        if (strlen(szPath) + 1 > (size_t)cchBuf)
            return 0;
        std::error_code ec;
        if (std::filesystem::exists(szPath, ec) || ec)
            continue;
        /* A free name that cannot be created: the directory refuses. */
        f = fopen(szPath, "wb");
        if (f == NULL)
            return 0;
        fclose(f);
        nSeed = nUnique + 1;
        strcpy(szBuf, szPath);
        return 1;
    }
    return 0;
}

int OsReplaceFile(const char *szFrom, const char *szTo)
{
    /* Not rename(): on Windows it refuses to replace a file. */
    std::error_code ec;

    std::filesystem::rename(szFrom, szTo, ec);
    return ec ? 0 : 1;
}

int OsGetModulePath(char *szBuf, int cchBuf)
{
    std::string sPath;

#if defined(__linux__)
    char szLink[4096];
    ssize_t n = readlink("/proc/self/exe", szLink, sizeof szLink - 1);
    if (n > 0)
        sPath.assign(szLink, (size_t)n);
#elif defined(_WIN32)
    /* The C runtime's copy of the program's path (stdlib.h). */
    if (_pgmptr != NULL)
        sPath = _pgmptr;
#endif
    if (sPath.empty()) {
        std::error_code ec;
        sPath = (std::filesystem::current_path(ec) / "halyard").string();
        if (ec)
            return 0;
    }
    if (sPath.size() + 1 > (size_t)cchBuf)
        return 0;
    memcpy(szBuf, sPath.c_str(), sPath.size() + 1);
    return (int)sPath.size();
}

/* ---- Progress box -------------------------------------------------- */

static OsProgressRecord g_Progress;
static bool g_bProgressFail = false;

OsProgressRecord &OsProgressState(void) { return g_Progress; }
void OsProgressFailOpen(bool bFail) { g_bProgressFail = bFail; }

void *OsProgressOpen(OSWND hOwner)
{
    (void)hOwner;
    if (g_bProgressFail)
        return NULL;
    int nOpened = g_Progress.nOpened + 1;
    g_Progress = OsProgressRecord();
    g_Progress.nOpened = nOpened;
    g_Progress.bOpen = true;
    return &g_Progress;
}

void OsProgressSetText(void *hProgress, int idCtl, const char *szText)
{
    OsProgressRecord *p = (OsProgressRecord *)hProgress;

    if (p == NULL)
        return;
    switch (idCtl) {
    case IDC_PROG_PASS: p->szPass = szText; break;
    case IDC_PROG_COUNT: p->szCount = szText; break;
    case IDC_PROG_ACQUIRE: p->szAcquire = szText; break;
    default: break;
    }
}

void OsProgressSetRange(void *hProgress, int nMax)
{
    OsProgressRecord *p = (OsProgressRecord *)hProgress;

    if (p != NULL) {
        p->nMax = nMax;
        p->nPos = 0;
    }
}

void OsProgressStep(void *hProgress)
{
    OsProgressRecord *p = (OsProgressRecord *)hProgress;

    if (p != NULL && p->nPos < p->nMax)
        p->nPos++;
}

void OsProgressClose(void *hProgress)
{
    OsProgressRecord *p = (OsProgressRecord *)hProgress;

    if (p != NULL)
        p->bOpen = false;
}
