/* blastmodern.h: reports of NCBI BLAST 2.x (blastall) and BLAST+
 * (pairwise text): the list of their queries, for the choice of the one
 * to open. LitBlastForListBox reads them into the same document and the
 * same HSP index file as the older reports.
 */
#ifndef HALYARD_BLASTMODERN_H
#define HALYARD_BLASTMODERN_H

/* One query of a report, as the census of the report found it. */
typedef struct tagRequeteBlast {
    long     lDebut;       /* file offset just after its "Query=" line   */
    long     lBase;        /* its "Database:" line, -1 when none         */
    char     szNom[100];   /* first word of its name, upper case         */
    int      nLongueur;    /* its length, -1 when the report gives none  */
    unsigned nHits;        /* its hit blocks (">" or "Subject=" lines)   */
    bool     bAucun;       /* the report says "No hits found"            */
} RequeteBlast, *pRequeteBlast;

/* The queries of the report szPath, in report order. Returns how many
   there are, with *ppListe an array the caller releases with MyFree; 0
   (and NULL) for a report of the older dialect, a file that cannot be
   read, or memory exhausted (already reported). */
unsigned ListeRequetesBlast(const char *szPath, pRequeteBlast *ppListe);

#endif /* HALYARD_BLASTMODERN_H */
