/* dlgids.h: control identifiers of the Database information, Colors,
   Choose a query and About dialogs. Read by the resource script and by the dialog modules:
   plain #defines only. */
#ifndef HALYARD_DLGIDS_H
#define HALYARD_DLGIDS_H

/* Database information (dialog 2001) */
#define IDC_INFO_QUERY      6011  /* query name and description        */
#define IDC_INFO_BANK       6012  /* database description              */
#define IDC_INFO_NSEQ       6013  /* number of hits                    */
#define IDC_INFO_NALIGN     6014  /* number of HSPs                    */

/* Colors (dialog 2002) */
#define IDC_CLR_HCA         6015  /* "HCA standard colors"             */
#define IDC_CLR_SIMIDEN     6016  /* "Identity/similarity colors"      */
#define IDC_CLR_NOIRBLANC   6017  /* "Black and white"                 */
#define IDC_CLR_FOND        6018  /* "use background colors"           */

/* Choose a query (dialog 2012) */
#define IDC_REQ_TEXTE       6019  /* how many queries the report holds */
#define IDC_REQ_LISTE       6020  /* one line per query: name, length */

/* About (dialog 2008): its picture */
#define IDB_APROPOS         1     /* bitmap, 320 x 140, 16 colours     */
#define APROPOS_LARGEUR     320
#define APROPOS_HAUTEUR     140
#define IDC_APROPOS_VERSION 6090  /* "Version 1.0.0", on the picture   */

#endif /* HALYARD_DLGIDS_H */
