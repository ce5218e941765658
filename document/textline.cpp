/* textline.cpp: byte-exact line input for the program's own text files. */
#include <stdio.h>

#include "textline.h"

int LitLigneFichier(FILE *f, char *szLine, int cchLine)
{
    int n = 0;
    int c = fgetc(f);

    if (c == EOF)
        return 0;
    while (c != EOF && c != '\n' && c != '\r') {
        if (n < cchLine - 1)
            szLine[n++] = (char)c;
        c = fgetc(f);
    }
    if (c == '\r') {
        c = fgetc(f);
        if (c != '\n' && c != EOF)
            ungetc(c, f);
    }
    if (cchLine > 0)
        szLine[n] = '\0';
    return 1;
}
