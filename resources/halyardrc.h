/* halyardrc.h: resource identifiers of Halyard (menus, dialogs, controls,
   bitmaps, icons, accelerators and string-table texts). Shared by the
   resource script and the program; plain #defines only, so that the
   resource compiler reads it too. */
#ifndef HALYARDRC_H
#define HALYARDRC_H

/* Dialogs */
#define IDD_READBLAST          2000  /* "Reading BLAST file" progress box */
#define IDD_DBINFO             2001
#define IDD_COLORS             2002
#define IDD_MSF                2003  /* editor: "Save a MSF file"          */
#define IDD_ABOUT              2008
#define IDD_FONTSIZE           2004  /* editor: "Font size"                  */
#define IDD_MULBLAPROG         2005  /* editor: loading progress             */
#define IDD_RENAME             2006  /* editor: "Rename sequence"            */
#define IDD_CONSENSUS          2007  /* editor: "Make a consensus"           */
#define IDD_PRINTPROGRESS      2009  /* "Print progress"                     */
#define IDD_HCAPRINTOPTIONS    2010  /* "HCA print options"                  */
#define IDD_STRSEARCH          2011  /* "String Finder" (modeless)           */
#define IDD_CHOIXREQUETE       2012  /* "Choose a query" of a report        */

/* Controls of the progress box */
#define IDC_PROG_PASS          6006  /* "First pass...", "Number of entries:" */
#define IDC_PROG_ACQUIRE       6007  /* "Data aquisition:" */
#define IDC_PROG_COUNT         6009  /* number of hits counted */
#define IDC_PROG_BAR           6010  /* one step per hit, second pass */

/* Controls of the editor's dialogs */
#define IDC_FONT_TRACK         6019  /* font size, 4 to 20 points            */
#define IDC_FONT_SIZE          6020  /* the size chosen, in points           */
#define IDC_MBPROG_BAR         6021  /* one step per row loaded              */
#define IDC_MBPROG_TEXT        6022  /* "row/rows"                           */
#define IDC_REN_OLD            6023  /* the name being replaced              */
#define IDC_REN_NEW            6024  /* the new name                         */
#define IDC_CONS_POINT         6025  /* "Point limit:"                       */
#define IDC_CONS_STRICT        6026  /* "Strict limit:"                      */

/* Controls of the MSF dialog */
#define IDC_MSF_SCALE          3019  /* "Scale begins at:"                   */
#define IDC_MSF_TO             3020  /* "To:"                                */
#define IDC_MSF_FROM           3021  /* "From:"                              */
#define IDC_MSF_FILENAME       3022  /* the file name, no directory          */
#define IDC_MSF_FILEBTN        3023  /* "File name:"                         */
#define IDC_MSF_NCHAR          3024  /* characters a line, 50 to 150         */
#define IDC_MSF_UPDOWN         3025  /* its up-down control                  */
#define IDC_MSF_CONSENSUS      3026  /* "Save consensus"                     */

/* Controls of the print progress box */
#define IDC_PRINT_NAME         6027  /* the document's name                  */
#define IDC_PRINT_DEVICE       6028  /* the printer                          */
#define IDC_PRINT_PORT         6029  /* its port                             */
#define IDC_PRINT_STATUS       6030  /* "Printing page %u."                  */

/* Controls of the HCA print options */
#define IDC_HCAP_OVERLAP       6031  /* residues two bands share             */
#define IDC_HCAP_DRAFT         6032  /* "Force B && W"                       */
#define IDC_HCAP_BKGROUND      6033  /* "Background color"                   */
#define IDC_HCAP_AA            6034  /* "Amino acids"                        */
#define IDC_HCAP_ZIGZAG        6035  /* "Amphipatic mark"                    */
#define IDC_HCAP_CLUSTERS      6036  /* "Clusters"                           */
#define IDC_HCAP_CROPMARKS     6037  /* "Crop marks"                         */

/* Controls of the String Finder */
#define IDC_SS_CHAINE          6038  /* the text to search for               */
#define IDC_SS_LISTE           6039  /* one entry per hit found              */
#define IDC_SS_COMPTE          6040  /* "found: n / total."                  */

/* String table: main toolbar tooltips (2000 + position) */
#define IDS_TIP_OPEN           2000
#define IDS_TIP_PRINT1D        2001
#define IDS_TIP_PRINTSETUP     2002
#define IDS_TIP_DBINFO         2003
#define IDS_TIP_HCA            2004
#define IDS_TIP_EDITOR         2005
#define IDS_TIP_MAP            2006
#define IDS_TIP_EXIT           2007

/* String table: main window and report (caption 2016) */
#define IDS_HALYARD            2016
#define IDS_NOREGISTER         2017
#define IDS_NOCREATEWND        2018
#define IDS_EXITPROGRAM        2019
#define IDS_BADFORMAT          2020
#define IDS_INCOMPLETE         2021
#define IDS_NOOPENBLAST        2022
#define IDS_NOTBLAST           2023
#define IDS_NOHSPNONE          2024
#define IDS_NOHSPZERO          2025
#define IDS_NOOPENTEMP         2026
#define IDS_NOHELP             2027  /* Help > Contents without a help service */
#define IDS_NOPRINTER          2028  /* no printer: set-up and printing refused */

/* String table: pattern finder (caption 2032) */
#define IDS_FINDPAT            2032
#define IDS_NOPROTTBL          2033
#define IDS_NOMFIND            2034
#define IDS_NOCREATERESULTS    2035
#define IDS_NOCREATESSMASK     2036
#define IDS_NOSSMASK           2037
#define IDS_NOCREATEMFIND      2038
#define IDS_BADPATTERN         2039
#define IDS_FP_NOSEQSEL        2040
#define IDS_BADPATFILE         2041
#define IDS_ERRORAGAIN         2042
#define IDS_FP_TOOMANY         2043

/* String table: HCA viewer (caption 2048) */
#define IDS_HCAVIEWER          2048
#define IDS_HCA_NOGDI          2049
#define IDS_BADOVERLAP         2051
#define IDS_BADBAND            2052  /* overlap too large for the page    */

/* String table: VazEva editor (caption 2056) */
#define IDS_VAZEVA             2056
#define IDS_ED_NOGDI           2057
#define IDS_ED_NOSEQSEL        2058
#define IDS_ED_NOLOAD          2059
#define IDS_BADRANGE           2060
#define IDS_BADVALUE           2061
#define IDS_NULLNAME           2062
#define IDS_EXITEDITOR         2063
#define IDS_MSF_NOWRITE        2064  /* format: the file's name */
#define IDS_ED_NOROW           2065

/* String table: BLAST map (caption 2072) */
#define IDS_BLASTMAP           2072
#define IDS_NOPREPMAP          2073
#define IDS_NOLOADMAP          2074
#define IDS_MAP_NOSEQSEL       2075

/* String table: editor toolbar tooltips (2088 + position) */
#define IDS_TIP_ED_SAVE        2088
#define IDS_TIP_ED_REMOVE      2089
#define IDS_TIP_ED_RENAME      2090
#define IDS_TIP_ED_MERGE       2091
#define IDS_TIP_ED_UP          2092
#define IDS_TIP_ED_DOWN        2093
#define IDS_TIP_ED_CONSENSUS   2094
#define IDS_TIP_ED_FINDPAT     2095
#define IDS_TIP_ED_FONT        2096
#define IDS_TIP_ED_EXIT        2097

/* String table: HCA viewer toolbar tooltips (2106 + position) */
#define IDS_TIP_HCA_PRINT      2106
#define IDS_TIP_HCA_SETUP      2107

#endif /* HALYARDRC_H */
