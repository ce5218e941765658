/* textline.h: reading the lines of a small text file byte-exact, the same
   on every platform: CR LF, LF and a lone CR all end a line. Used for the
   program's own text files (settings, residue tables, pattern files, work
   files); BLAST reports have their own line input (MYFGETS). */
#ifndef HALYARD_TEXTLINE_H
#define HALYARD_TEXTLINE_H

#include <stdio.h>

/* Reads one line of a file opened in binary mode into szLine, cut to
   cchLine - 1 characters (the rest of the line is skipped). 0 at end of
   file. */
int LitLigneFichier(FILE *f, char *szLine, int cchLine);

#endif
