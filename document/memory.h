/* memory.h: the memory services and the notice boxes.
 *
 * Every heap block of the program comes from MyAlloc/MyReAlloc and is
 * zero-filled. A NULL (or 0) result means the failure has already been
 * shown to the user: callers end their operation with their own failure
 * code and show nothing more.
 */
#ifndef HALYARD_MEMORY_H
#define HALYARD_MEMORY_H

#include "os.h"

void        *MyAlloc(unsigned int cb);
void        *MyReAlloc(void *pBlock, unsigned int cb);
void         MyFree(void *pBlock);
unsigned int MySize(void *pBlock);

/* Notice boxes: caption and text are string-table ids. */
void MyErrMsgBox(unsigned idCaption, unsigned idText, OSWND hOwner);
int  MyInfoMsgBox(unsigned idCaption, unsigned idText, OSWND hOwner);
int  MyAskMsgBox(unsigned idCaption, unsigned idText, OSWND hOwner);

/* Texts of the memory services' notices. */
extern const char szMemNoAlloc[];
extern const char szMemNoReAlloc[];
extern const char szMemCorrupt[];
extern const char szMemUnknown[];
extern const char szMemNoFree[];
extern const char szMemNoSize[];

/* Test hook: after nOk more successful allocations (MyAlloc and
   MyReAlloc), the next one fails as if memory were exhausted, once.
   A negative value switches the hook off (the default). */
void MyAllocFailAfter(int nOk);

#endif /* HALYARD_MEMORY_H */
