/* colors.cpp: the fixed colour table and the reading of the colour
   settings file. */
#include "colors.h"

#include <stdio.h>

#include "os.h"

const unsigned long TABCOLOR[NBCOULEURS] = {
    0x000000, /*  0 black      */
    0xFFFFFF, /*  1 white      */
    0x0000FF, /*  2 red        */
    0x00FF00, /*  3 green      */
    0xFF0000, /*  4 blue       */
    0x00FFFF, /*  5 yellow     */
    0xFF00FF, /*  6 magenta    */
    0xFFFF00, /*  7 cyan       */
    0x000080, /*  8 dark red   */
    0x008000, /*  9 dark green */
    0x800000, /* 10 dark blue  */
    0x008080, /* 11 olive      */
    0x800080, /* 12 purple     */
    0x808000, /* 13 teal       */
    0xC0C0C0, /* 14 light grey */
    0x808080, /* 15 grey       */
};

/* One colour index from the settings file. The file is the user's: a
   value that names no colour would later index past TABCOLOR and the
   brush caches, so it falls back to the key's default. */
static int LitCouleur(const char *szSection, const char *szKey, int nDefault,
                      const char *szFile)
{
    int n = szFile[0] != '\0' ? OsGetProfileInt(szSection, szKey, nDefault, szFile) : nDefault;

    return (n >= 0 && n < NBCOULEURS) ? n : nDefault;
}

/* One colour per residue letter, keys "A" to "Z" of szSection. */
static void LitTableLettres(int *pnTable, const char *szSection, int nDefault,
                            const char *szFile)
{
    char szKey[2] = "A";

    for (int i = 0; i < NBLETTRES; i++) {
        szKey[0] = (char)('A' + i);
        pnTable[i] = LitCouleur(szSection, szKey, nDefault, szFile);
    }
}

void ReadColorConfFile(int *pnTxt, int *pnBk, int *pnIdent, int *pnSimil,
                       int *pnAutre, int nScheme, const char *szFile)
{
    /* Every HSP shown reads the file anew, one key at a time (up to 52
       keys): without a file each read failed to open it, which cost
       several milliseconds a HSP under Wine. A missing file gives every
       default, so it is looked for once. */
    FILE *pFile = fopen(szFile, "rb");

    if (pFile != NULL)
        fclose(pFile);
    else
        szFile = "";
    switch (nScheme) {
    case COULEUR_HCA:
        LitTableLettres(pnTxt, "Couleurs_HCA", CLR_NOIR, szFile);
        LitTableLettres(pnBk, "Couleur_Fond_HCA", CLR_BLANC, szFile);
        break;
    case COULEUR_SIMIDEN:
        *pnIdent = LitCouleur("Couleurs_SimIden", "IDENT", 2, szFile);
        *pnSimil = LitCouleur("Couleurs_SimIden", "SIMIL", 4, szFile);
        *pnAutre = LitCouleur("Couleurs_SimIden", "AUTRE", 0, szFile);
        LitTableLettres(pnBk, "Couleur_Fond_SimIden", CLR_BLANC, szFile);
        break;
    case COULEUR_NOIRBLANC:
        for (int i = 0; i < NBLETTRES; i++) {
            pnTxt[i] = CLR_NOIR;
            pnBk[i] = CLR_BLANC;
        }
        *pnIdent = *pnSimil = *pnAutre = CLR_NOIR;
        break;
    default:
        break;
    }
}
