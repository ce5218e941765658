/* os_portable.h: what the portable platform layer offers tests beyond
   os.h: the notices it recorded, scripted answers to questions, and the
   progress box's last state. */
#ifndef HALYARD_OS_PORTABLE_H
#define HALYARD_OS_PORTABLE_H

#include <string>
#include <vector>

#include "os.h"

struct OsNoticeRecord {
    int         nKind;      /* OS_NOTICE_*                                 */
    unsigned    idCaption;  /* 0 for the memory notices                    */
    unsigned    idText;     /* 0 for the memory notices                    */
    std::string szText;     /* the text shown                              */
    OSWND       hOwner;
    int         nAnswer;    /* what the box returned                       */
};

/* Every notice shown since the last clear, oldest first. */
std::vector<OsNoticeRecord> &OsNoticeLog(void);
void OsNoticeLogClear(void);

/* Queues the answer of the next question box (OS_IDYES or OS_IDNO).
   With nothing queued a question is answered OS_IDNO. */
void OsNoticeQueueAnswer(int nAnswer);

/* State of the progress box, kept after it closes until the next open. */
struct OsProgressRecord {
    int         nOpened;    /* times opened                                */
    bool        bOpen;
    std::string szPass;     /* control 6006                                */
    std::string szCount;    /* control 6009                                */
    std::string szAcquire;  /* control 6007                                */
    int         nMax;       /* bar range                                   */
    int         nPos;       /* bar position                                */
};
OsProgressRecord &OsProgressState(void);

/* Makes OsProgressOpen fail (return NULL) while bFail is true. */
void OsProgressFailOpen(bool bFail);

#endif
