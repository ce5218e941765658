/* strtable.h: the string table as data, for the portable platform layer. */
#ifndef HALYARD_STRTABLE_H
#define HALYARD_STRTABLE_H

/* The text of string-table entry id, or NULL when there is none. */
const char *StringTableText(unsigned id);

#endif
