/* statblast.h: the BLAST map's data, portable part.
 *
 * One row per selected HSP with its query and subject ranges and a
 * label, and the coverage histogram: for every query position, how many
 * hits have a selected HSP over it (a hit's overlapping HSPs count once).
 */
#ifndef HALYARD_STATBLAST_H
#define HALYARD_STATBLAST_H

#include "document.h"

#define STAT_NOMLEN 40   /* bytes of a row label, NUL included */

/* A point as the platform's POINT: x, y. */
typedef struct tagPointStat {
    int x, y;
} PointStat;

/* A rectangle as the platform's RECT: right and bottom excluded. */
typedef struct tagRectStat {
    int left, top, right, bottom;
} RectStat;

/* One row of the map. */
typedef struct tagSequenceData {
    char      szName[STAT_NOMLEN];
    PointStat nStart;   /* x query start, y subject start */
    PointStat nStop;    /* x query stop, y subject stop   */
} SequenceData, *pSequenceData;

/* The map's document. */
typedef struct tagMySTATDATA {
    int            nSeq;            /* rows: the selected HSPs            */
    int            nTaille;         /* query length                       */
    pSequenceData *pSeqDat;         /* nSeq rows, in report order         */
    int            wndheight;       /* rows shown, 0 = no scrolling       */
    int            nVdecal;         /* first row shown                    */
    int            IsAllSelected;   /* 1 when every HSP is selected       */
    int           *pDataHistoBrute; /* nTaille counts, entry q: query q+1 */
} MySTATDATA, *pMySTATDATA;

/* A new, empty map document; NULL when memory failed (shown). */
pMySTATDATA InitStatData(void);

/* Releases the document and all it holds. Accepts NULL. */
void DelStatData(pMySTATDATA pStat);

/* The number of selected HSPs of pData. */
int StatCompteSelection(pDataGeneralPrg pData);

/* Called after each row: the progress text reads "nNum/nSeq"; called
   with 0, 0 when the preparation fails, before its notice. */
typedef void (*PFNPROGRESSTAT)(void *pCtx, int nNum, int nSeq);

/* The rows and the histogram of the selected HSPs of pData, read back
   from its index file; nTotal is the report's number of HSPs. A query
   range running backwards counts over its lower-to-higher span; a range
   outside 1 ... nTaille is clamped. Returns 1, or 0 after a notice over
   hOwner: nothing selected (2075), or the data could not be prepared
   (2073; memory failures have shown their own notice first). */
int PrepareStatData(pMySTATDATA pStat,
                    pDataGeneralPrg pData,
                    unsigned nTotal,
                    PFNPROGRESSTAT pfnProgres, /* or NULL */
                    void *pCtx,
                    OSWND hOwner);

/* The lower and higher query coordinates of a row. */
int StatBas(const SequenceData *pRow);
int StatHaut(const SequenceData *pRow);

/* The largest count of the histogram (0 for an empty one). */
int StatMaxHisto(const MySTATDATA *pStat);

/* Rows the bar pane shows for a client height: sets wndheight (0 when
   all fit, then nVdecal 0 too); 1 when the scroll bar is needed, with its
   maximum in *pnMax. */
int StatDefilement(pMySTATDATA pStat, int nHauteur, int cy, int *pnMax);

/* Rows [first, last) that meet the band top ... bottom of the label or
   bar pane, two more each side. */
void StatLignesVisibles(const MySTATDATA *pStat, int top, int bottom, int cy, int *pnFirst, int *pnLast);

/* Row r's bar on a bar pane nLargeur wide: from its lower to its higher
   query position on the query's scale, with margins of 4 cx, inside its
   row of cy under the rows scrolled away. */
RectStat StatBarre(const MySTATDATA *pStat, int r, int nLargeur, int cx, int cy);

/* The histogram's bar of position q + 1 (entry q), centred where the bars
   put it on a bar pane nLargeurBarres wide; nMax > 0, the largest count,
   fills 4 cy. */
RectStat StatBarreHisto(const MySTATDATA *pStat, int q, int nMax, int nLargeurBarres, int cx, int cy);

/* Scroll requests of the bar pane, the platform's SB_* codes. */
#define STAT_LIGNE_HAUT  0
#define STAT_LIGNE_BAS   1
#define STAT_PAGE_HAUT   2
#define STAT_PAGE_BAS    3
#define STAT_POSITION    4  /* thumb position */
#define STAT_SUIVI       5  /* thumb track    */
#define STAT_DEBUT       6  /* top            */
#define STAT_FIN         7  /* bottom         */

/* The first row shown after a request on a scrolling pane, nThumb the
   thumb's position, kept to 0 ... nSeq - wndheight + 2; another request
   leaves it where it is. */
int StatNouveauDecalage(const MySTATDATA *pStat, int nCode, int nThumb);

#endif /* HALYARD_STATBLAST_H */
