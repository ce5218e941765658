/* findpatwin.h: the pattern finder's dialogs (Win32): "Find pattern(s)",
 * opened on a set of sequences and their names, and "List of patterns",
 * where patterns are picked from a pattern file. The search itself is the
 * portable core's (findpat.h).
 */
#ifndef HALYARD_FINDPATWIN_H
#define HALYARD_FINDPATWIN_H

#include <windows.h>
#include <commctrl.h>

#include "findpat.h"
#include "findpatrc.h"

/* Text of the item shown under a pattern whose results file is missing. */
#define SZERREURRESULTATS "Error when reading the results file."

/* Opens the modeless "Find pattern(s)" dialog, owned by hWndOwner. The
   two lists (nSeq strings each, every block from MyAlloc) belong to the
   pattern finder from the call on, whatever the result: the dialog
   releases them when it is destroyed, and they are released at once when
   it cannot be created. Returns the dialog, or NULL. */
HWND CreeFindPatWnd(HINSTANCE hInstance,
                    HWND hWndOwner,
                    char **szListSequence,  /* the sequences, gaps kept   */
                    char **szListSeqName,   /* their names                */
                    int nSeq,
                    unsigned int nTypeSeq,  /* 0 nucleotides, 1 proteins,
                                               2 special table           */
                    const char *szCurrentDir); /* where pattern files are
                                                  first looked for       */

INT_PTR CALLBACK FindPatMainProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);

/* The Find command: searches the selected sequences for the typed pattern
   or for the patterns chosen in the file, and fills the results tree. */
void PrepareRechercheMask(HWND hDlg, pDataSeq pData);
/* Empties tree idArbre and fills it with the matches of every pattern in
   every sequence named by pnSeqIdx. */
void DemarreRecherche(HWND hDlg,
                      pDataSeq pData,
                      int nSeqSel,           /* sequences to search       */
                      const int *pnSeqIdx,   /* their indices, in order   */
                      int nMotifs,           /* patterns                  */
                      char **szMotifs,       /* their masks               */
                      int idArbre);          /* the tree control          */

/* Where the matches of one pattern in one sequence go: the sequence and
   pattern items are made when the first match (or a reading error) is
   appended, so that a sequence without matches gets no item. */
typedef struct tagInsereResultat {
    HWND        hWndArbre;
    const char *szNomSeq;     /* text of the sequence item             */
    const char *szMasque;     /* text of the pattern item              */
    int         nSeq;         /* sequence of the item hSeq             */
    HTREEITEM   hSeq;         /* its item, NULL until made             */
    HTREEITEM   hMotif;       /* the pattern's item, NULL until made   */
} InsereResultat, *pInsereResultat;

/* Appends the matches of results file szFile under the pattern item of
   pInsere. 1 displayed, 0 when the file could not be read (one item says
   so). */
int AfficheResultats(const char *szFile,
                     HWND hDlg,
                     HWND hWndArbre,
                     const char *szSequence, /* the sequence searched     */
                     pInsereResultat pInsere);

/* The tree's image list: bitmaps IDB_SEQFOLDER, IDB_PATFOLDER and
   IDB_MATCHDOC. 1, or 0 when one of them could not be added (the tree
   then has no images). The dialog destroys the list with the tree. */
int InitTreeViewImageLists(HWND hWndArbre, HINSTANCE hInstance);

/* "List of patterns" on pMotifs: the dialog's result, 1 for OK, 0 for
   Cancel. */
INT_PTR ListeMotifs(HINSTANCE hInstance, HWND hWndOwner, pMotifDecript pMotifs);
INT_PTR CALLBACK ListeMotifsProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
/* Fills the pattern list of dialog hDlg, selects the chosen patterns and
   gives it the focus. */
void InitListBox(HWND hDlg, pMotifDecript pMotifs);
void InitListBox_OnMeasureItem(HWND hDlg, MEASUREITEMSTRUCT *lpMeasureItem);
void InitListBox_OnDrawItem(HWND hDlg, const DRAWITEMSTRUCT *lpDrawItem);

/* Runs the Open dialog and reads the chosen pattern file: 1 loaded, 2
   cancelled, 0 failed (after notice 2041). */
int  ChooseFileName2(HWND hWndOwner, pMotifDecript pMotifs);
/* The Open dialog for pattern files: szPath (MAX_PATH) comes back with
   the full path, szName (256) with the file name. */
BOOL OuvrirFichierMotif(HWND hWndOwner,
                        char *szPath,
                        char *szName,
                        const char *szInitialDir);

/* Average character width and line height (height plus external leading)
   of the font selected in hdc. */
void TailleChar(HDC hdc, int *pcx, int *pcy);

#endif /* HALYARD_FINDPATWIN_H */
