/* blastread.h: the BLAST report reader and the HSP index file.
 *
 * A legacy BLAST text report becomes the document's header texts, one
 * DataHSP per hit and the HSP index file (one block per HSP under the tag
 * "ALIGN %u HSP %u"), read back one HSP at a time by LitUnAlignHsp.
 */
#ifndef HALYARD_BLASTREAD_H
#define HALYARD_BLASTREAD_H

#include <stdio.h>

#include "document.h"

/* Report lines are handled in a 100-byte buffer: at most 99 characters,
   newline included; a longer line arrives as several pieces. */
#define TAILLELIGNE 100

/* Results of TestFichier. */
#define TF_NOOPEN  0  /* the file cannot be opened                     */
#define TF_OK      1  /* accepted                                      */
#define TF_LONECR  2  /* a carriage return not followed by a line feed */
#define TF_NOBLAST 3  /* "BLAST" is not in the first 1000 bytes        */

/* Results of LitBlastForListBox; every failure but LB_NOMEMORY has shown
   its notice (caption IDS_HALYARD) when the reader returns. */
#define LB_NOOPEN     (-1) /* report cannot be opened            2022 */
#define LB_NOMEMORY     0  /* memory exhausted (already shown)        */
#define LB_OK           1  /* "PARAMETERS:" reached                   */
#define LB_NOQUERY      2  /* no "QUERY=" line                   2023 */
#define LB_NODATABASE   3  /* no "DATABASE:" line                2020 */
#define LB_NOLIST       4  /* no "SEQUENCES PRODUCING" line      2020 */
#define LB_NONE         5  /* the hit list says NONE             2024 */
#define LB_ZERO         6  /* no ">" line after the list         2025 */
#define LB_NOTEMP       7  /* the index file cannot be created or
                              written                            2026 */
#define LB_INCOMPLETE   8  /* the report ends before "PARAMETERS:"    */
#define LB_BADFORMAT    9  /* no query length, or a hit's first score
                              line with fewer than three "="     2020 */

/* Quick acceptance test of a candidate report (first 1000 bytes). */
int TestFichier(const char *szPath);

/* Reads one line of at most nSize-1 characters into szBuf, newline kept,
   as fgets does, from a file opened in binary mode: CR LF arrives as one
   newline, and a lone carriage return ends the line as a blank (no
   newline; the next line starts after it). NULL at end of file. */
char *MYFGETS(FILE *pFile, int nSize, char *szBuf);

/* Reads the report szFilePath of pData in two passes and writes the HSP
   index file szFileSortie (created or truncated here). The hit table must
   be empty. hOwner owns the progress box and the notices. Returns one of
   the LB_* results; the counters nHSP, nAlign, nAlignTotal always match
   what the table holds. */
int LitBlastForListBox(OSWND hOwner, pDataGeneralPrg pData);

/* Opens the block of hit h, HSP k (both 1-based) in the index file
   pSortie: writes the line "END" and the tag "ALIGN h HSP k", and
   remembers where the tag starts (plPosHsp of pData, and the hit's
   nPremierHsp for k = 1) so that the HSP is loaded without reading the
   file from its top. Every block is opened here, hits in order and each
   hit's HSPs in order. Returns 1, or 0 when memory failed (shown). */
int EcritDebutBloc(FILE *pSortie,         /* index file, binary        */
                   pDataGeneralPrg pData, /* keeps the places          */
                   pDataHSP pHit,         /* record of hit h           */
                   unsigned h,
                   unsigned k);

#endif /* HALYARD_BLASTREAD_H */
