/* memory.cpp: memory services and notice boxes over the platform layer.
   The heap itself (process heap on Win32, a zero-filling allocator
   elsewhere) lives behind os.h; here the failures are turned into the
   program's notices. */
#include <assert.h>
#include <stddef.h>

#include "memory.h"

const char szMemNoAlloc[]   = "Memory allocation failed: not enough memory !";
const char szMemNoReAlloc[] = "Memory reallocation failed: not enough memory !";
const char szMemCorrupt[]   = "Memory corruption: please quit this program !";
const char szMemUnknown[]   = "Unknown error: please quit this program !";
const char szMemNoFree[]    = "Unable to free memory: bad pointer or corrupted heap !";
const char szMemNoSize[]    = "Unable to obtain bloc size: bad pointer or corrupted heap !";

static int nAllocsBeforeFailure = -1;

void MyAllocFailAfter(int nOk)
{
    nAllocsBeforeFailure = nOk;
}

/* True when the test hook says this allocation must fail. */
static bool InjectedFailure(void)
{
    if (nAllocsBeforeFailure < 0)
        return false;
    if (nAllocsBeforeFailure == 0) {
        nAllocsBeforeFailure = -1;
        return true;
    }
    nAllocsBeforeFailure--;
    return false;
}

/* Shows the notice of a failed allocation; szNoMem is the operation's own
   out-of-memory text. */
static void ReportHeapFailure(int nFail, const char *szNoMem)
{
    switch (nFail) {
    case OS_HEAP_NOMEM:   OsMemoryNotice(szNoMem);      break;
    case OS_HEAP_CORRUPT: OsMemoryNotice(szMemCorrupt); break;
    default:              OsMemoryNotice(szMemUnknown); break;
    }
}

void *MyAlloc(unsigned int cb)
{
    int nFail = 0;
    void *p = NULL;

    if (InjectedFailure())
        nFail = OS_HEAP_NOMEM;
    else
        p = OsHeapAlloc(cb, &nFail);
    if (p == NULL)
        ReportHeapFailure(nFail, szMemNoAlloc);
    return p;
}

void *MyReAlloc(void *pBlock, unsigned int cb)
{
    int nFail = 0;
    void *p = NULL;

    if (InjectedFailure())
        nFail = OS_HEAP_NOMEM;
    else
        p = OsHeapReAlloc(pBlock, cb, &nFail);
    if (p == NULL)
        ReportHeapFailure(nFail, szMemNoReAlloc);
    return p;
}

void MyFree(void *pBlock)
{
    if (pBlock == NULL)
        return;
    if (!OsHeapFree(pBlock))
        OsMemoryNotice(szMemNoFree);
}

unsigned int MySize(void *pBlock)
{
    size_t cb = OsHeapSize(pBlock);

    if (cb == (size_t)-1) {
        OsMemoryNotice(szMemNoSize);
        return 0;
    }
    /* Blocks come from MyAlloc, whose size is an unsigned int. */
    return (unsigned int)cb;
}

void MyErrMsgBox(unsigned idCaption, unsigned idText, OSWND hOwner)
{
    OsNotice(OS_NOTICE_ERROR, idCaption, idText, hOwner);
}

int MyInfoMsgBox(unsigned idCaption, unsigned idText, OSWND hOwner)
{
    return OsNotice(OS_NOTICE_INFO, idCaption, idText, hOwner);
}

int MyAskMsgBox(unsigned idCaption, unsigned idText, OSWND hOwner)
{
    return OsNotice(OS_NOTICE_ASK, idCaption, idText, hOwner);
}
