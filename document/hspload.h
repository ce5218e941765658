/* hspload.h: loading one HSP back from the HSP index file, and colouring
   its residues under the document's colour scheme. */
#ifndef HALYARD_HSPLOAD_H
#define HALYARD_HSPLOAD_H

#include <stdio.h>

#include "document.h"

/* Longest alignment the loader accepts, in columns: an identities line
   claiming more is taken as damaged. */
#define MAXTAILLEALIGN 1000000

/* Loads the block "ALIGN nAlign HSP nHsp" (both 1-based) of the index
   file pFile, opened by the caller with fopen(szFileSortie, "rb"). The
   search reads forward from the file's current position, so several HSPs
   can be loaded from one open file in file order (hits ascending, HSPs
   ascending within a hit); otherwise open the file anew for each call.
   The caller closes the file and owns the record.
   Returns NULL when the block is missing, when its identities line gives
   no usable alignment length, or when memory fails (already shown).
   hOwner is not used. */
pHalyardHSPData LitUnAlignHsp(OSWND hOwner,
                              FILE *pFile,
                              unsigned int nAlign,
                              unsigned int nHsp);

/* Where the block of hit nAlign, HSP nHsp (both 1-based) starts in the
   index file, as the reader remembered it; -1 when it is not known. */
long PlaceBlocHsp(pDataGeneralPrg pData, unsigned int nAlign, unsigned int nHsp);

/* LitUnAlignHsp from the place of the block when it is known, so that the
   time does not grow with the block's place in the file; otherwise from
   the file's current position, as LitUnAlignHsp. The alignment pane, the
   editor and the map load their HSPs through it. */
pHalyardHSPData ChargeHspIndex(pDataGeneralPrg pData,
                               FILE *pFile, /* index file, opened "rb" */
                               unsigned int nAlign,
                               unsigned int nHsp);

/* Fills the six colour arrays of pData->pVhspData (not NULL) under
   nColorPref and nBkColor, with the colours of the settings file
   ConfigFile. */
void AssignColorForAA(pDataGeneralPrg pData);

#endif /* HALYARD_HSPLOAD_H */
