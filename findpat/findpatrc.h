/* findpatrc.h: resource identifiers of the pattern finder: its two
   dialogs, their controls and the images of the results tree. Read by the
   resource script and by findpatwnd.cpp: plain #defines only. */
#ifndef HALYARD_FINDPATRC_H
#define HALYARD_FINDPATRC_H

/* Dialogs */
#define IDD_LISTEMOTIFS        500   /* "List of patterns", modal        */
#define IDD_FINDPAT            501   /* "Find pattern(s)", modeless      */

/* "List of patterns" (500) */
#define IDC_LM_LISTE           510   /* owner-drawn list of the patterns */
#define IDC_LM_NOMFICHIER      511   /* pattern file name                */
#define IDC_LM_FICHIER         512   /* "&File:"                         */

/* "Find pattern(s)" (501) */
#define IDC_FP_FICHIER         513   /* "File of pattern(s):"            */
#define IDC_FP_NOMFICHIER      514   /* pattern file name                */
#define IDC_FP_DESCRIPTION     515   /* description of the choice        */
#define IDC_FP_MOTIF           516   /* the pattern typed                */
#define IDC_FP_ARBRE           517   /* results tree                     */
#define IDC_FP_SEQUENCES       520   /* sequence names                   */

/* Shared by both dialogs: every item of their list, or none. */
#define IDC_SELECTNONE         518   /* "Select none" / "Unselect all"   */
#define IDC_SELECTALL          519   /* "Select all"                     */

/* Images of the results tree: bitmaps, 15 x 15 pixels, in image list
   order. */
#define IDB_SEQFOLDER          2     /* a sequence                       */
#define IDB_PATFOLDER          3     /* a pattern found in it            */
#define IDB_MATCHDOC           4     /* one match                        */
#define CX_IMAGEARBRE          15
#define CY_IMAGEARBRE          15

#endif /* HALYARD_FINDPATRC_H */
