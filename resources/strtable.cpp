/* strtable.cpp: the string table for builds without resources.
   The texts come from halyardstr.def, the same list the resource script
   compiles, so both builds show the same words. */
#include <string.h>

#include "strtable.h"
#include "halyardrc.h"

namespace {

struct StringEntry {
    unsigned id;
    const char *szText;
};

const StringEntry g_StringTable[] = {
#define HALYARD_STRING(id, text) { id, text },
#include "halyardstr.def"
#undef HALYARD_STRING
};

} // namespace

const char *StringTableText(unsigned id)
{
    for (const StringEntry &e : g_StringTable)
        if (e.id == id)
            return e.szText;
    return NULL;
}
