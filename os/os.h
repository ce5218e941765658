/* os.h: the platform services the portable core needs, and nothing else.
 *
 * The core (report reader, loader, HCA preparation, editor model, pattern
 * engine...) never includes <windows.h>; whatever it needs from the platform
 * goes through the functions below. There are two implementations with one
 * contract: os_win.cpp (the program itself) and os_portable.cpp (the native
 * build, and the core's unit tests on both platforms). Each function states
 * its contract here; both files keep to it, edge cases included.
 */
#ifndef HALYARD_OS_H
#define HALYARD_OS_H

#include <stddef.h>

/* A window handle as the core sees it: opaque, only passed through to the
   platform as the owner of a box. The Win32 layer passes its HWND. */
typedef void *OSWND;

/* Answers of the notice boxes; the values are those of the platform's
   IDOK, IDYES and IDNO so that they can be compared on either side. */
#define OS_IDOK  1
#define OS_IDYES 6
#define OS_IDNO  7

/* Kinds of notice box. */
#define OS_NOTICE_ERROR  1 /* error icon, OK                         */
#define OS_NOTICE_INFO   2 /* information icon, OK                   */
#define OS_NOTICE_ASK    3 /* question icon, Yes and No              */
#define OS_NOTICE_MEMORY 4 /* system-modal error box with fixed text */

/* Shows a notice whose caption and text are string-table ids (texts of at
   most 255 characters). Returns the button chosen: OS_IDOK for ERROR and
   INFO, OS_IDYES or OS_IDNO for ASK. */
int OsNotice(int nKind, unsigned idCaption, unsigned idText, OSWND hOwner);

/* As OsNotice, the text being a format with one "%s" that szArg fills
   (a file name, say); the whole text is cut to 511 characters. */
int OsNoticeArg(int nKind, unsigned idCaption, unsigned idText, const char *szArg, OSWND hOwner);

/* Shows the memory services' fatal-style box: fixed text, default caption,
   system-modal, owned by the active window. */
void OsMemoryNotice(const char *szText);

/* Copies string-table entry id into szBuf (at most cchBuf-1 characters and
   a NUL). Returns the number of characters copied, 0 when the id has no
   text. */
int OsLoadString(unsigned id, char *szBuf, int cchBuf);

/* The process heap. Blocks are zero-filled, a grown block's new bytes are
   zero. Alloc and ReAlloc return NULL on failure and say why in *pnFail
   (one of OS_HEAP_*); ReAlloc leaves the old block valid on failure.
   Free returns 0 when the heap refuses the block; Size returns
   (size_t)-1 in that case. */
#define OS_HEAP_NOMEM   1
#define OS_HEAP_CORRUPT 2
#define OS_HEAP_OTHER   3
void  *OsHeapAlloc(size_t cb, int *pnFail);
void  *OsHeapReAlloc(void *pBlock, size_t cb, int *pnFail);
int    OsHeapFree(void *pBlock);
size_t OsHeapSize(void *pBlock);

/* Reads an integer from an INI file, as GetPrivateProfileIntA does:
   section and key names are compared without regard to case; a missing
   file, section or key, or an empty value, gives nDefault; blanks before
   the value are skipped; the value is its leading decimal digits (a leading '-' makes
   it negative); a value without digits gives 0. */
int OsGetProfileInt(const char *szSection,
                    const char *szKey,
                    int nDefault,
                    const char *szFile);

/* The system's temporary directory, ending in a path separator. Returns
   its length, 0 on failure (cchBuf too small included). */
int OsGetTempDir(char *szBuf, int cchBuf);

/* Creates a new, empty, uniquely named file in the temporary directory
   (name built from szPrefix, at most 3 characters, and ".TMP") and puts
   its full path in szBuf, which holds cchBuf (>= 260) bytes. Returns 1,
   or 0 when no file could be created. */
int OsCreateTempFile(const char *szPrefix, char *szBuf, int cchBuf);

/* The same in the directory szDir ("" is the current directory), which
   the file is created in so that it can replace another file of that
   directory (OsReplaceFile). */
int OsCreateTempFileIn(const char *szDir, const char *szPrefix, char *szBuf, int cchBuf);

/* Renames szFrom to szTo, replacing szTo when it exists, in one step: at
   every moment szTo is either the old file or the new one. 1, or 0 when
   it could not be done (both files are then as they were). */
int OsReplaceFile(const char *szFrom, const char *szTo);

/* Full path of the running executable. Returns its length, 0 on failure. */
int OsGetModulePath(char *szBuf, int cchBuf);

/* The report reader's modeless progress box (dialog "Reading BLAST
   file"). Open returns NULL when it cannot be shown; every other call
   accepts NULL and then does nothing. idCtl is one of the dialog's
   static controls. */
void *OsProgressOpen(OSWND hOwner);
void  OsProgressSetText(void *hProgress, int idCtl, const char *szText);
void  OsProgressSetRange(void *hProgress, int nMax);
void  OsProgressStep(void *hProgress);
void  OsProgressClose(void *hProgress);

#endif /* HALYARD_OS_H */
