/* colors.h: the program's 16 fixed colours and the residue colour schemes.
 *
 * Colours are named everywhere by their index in TABCOLOR; per-residue
 * colours of a scheme come from the settings file halyard.cfg (read only,
 * every value optional) through the platform's private-profile reader.
 */
#ifndef HALYARD_COLORS_H
#define HALYARD_COLORS_H

/* Colour schemes, the values of nColorPref. */
#define COULEUR_HCA       10  /* per-letter text and background colours  */
#define COULEUR_SIMIDEN   20  /* text by identity / similarity           */
#define COULEUR_NOIRBLANC 30  /* black on white                          */

#define NBCOULEURS 16         /* entries of TABCOLOR                     */
#define NBLETTRES  26         /* residue letters A..Z                    */

/* Colour indices with a name of their own. */
#define CLR_NOIR  0
#define CLR_BLANC 1

/* The 16 fixed colours as 0x00BBGGRR values (a COLORREF on Win32, where
   unsigned long is the 32-bit DWORD). */
extern const unsigned long TABCOLOR[NBCOULEURS];

/* Fills the tables of scheme nScheme from the settings file szFile:
     10: pnTxt[x] from [Couleurs_HCA] (default 0), pnBk[x] from
         [Couleur_Fond_HCA] (default 1); the three outputs untouched;
     20: IDENT, SIMIL, AUTRE from [Couleurs_SimIden] (defaults 2, 4, 0),
         pnBk[x] from [Couleur_Fond_SimIden] (default 1); pnTxt untouched;
     30: pnTxt[x] = 0, pnBk[x] = 1, the three outputs 0; no file read;
     other: nothing filled.
   The tables have NBLETTRES ints indexed by letter - 'A'. A value that is
   not a colour index (outside 0..15) takes the key's default. The file is
   read anew on every call. */
void ReadColorConfFile(int *pnTxt,          /* text colour per letter      */
                       int *pnBk,           /* background per letter       */
                       int *pnIdent,        /* identical residues (20)     */
                       int *pnSimil,        /* similar residues (20)       */
                       int *pnAutre,        /* other residues (20)         */
                       int nScheme,         /* 10, 20 or 30                */
                       const char *szFile); /* path of halyard.cfg         */

#endif /* HALYARD_COLORS_H */
