/* Fuzz target: arbitrary bytes as a BLAST report through TestFichier, the
 * census of its queries and LitBlastForListBox (one query chosen by the
 * input's length when there are several), then every HSP the reader announced loaded back
 * from its index file, and the same bytes as an index file for
 * LitUnAlignHsp. Under AddressSanitizer any write outside a record, row
 * or fixed field stops the run.
 */
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>

#include "blastmodern.h"
#include "blastread.h"
#include "document.h"
#include "hspload.h"
#include "memory.h"
#include "os_portable.h"

static char szReport[HL_MAX_PATH];
static char szIndex[HL_MAX_PATH];

static void WriteFile(const char *szPath, const uint8_t *pData, size_t cb)
{
    FILE *f = fopen(szPath, "wb");
    if (f == NULL)
        abort();
    fwrite(pData, 1, cb, f);
    fclose(f);
}

static void FreeHsp(pHalyardHSPData p)
{
    pDataGeneralPrg pDoc = InitDataProgram();
    pDoc->pVhspData = p;
    pDoc->nColorPref = 10 * (1 + (int)(p->tailleAlign % 3));
    AssignColorForAA(pDoc);
    FreeDataProgram(pDoc);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *pData, size_t cb)
{
    if (szReport[0] == '\0') {
        if (!OsCreateTempFile("HFR", szReport, sizeof szReport) ||
            !OsCreateTempFile("HFI", szIndex, sizeof szIndex))
            abort();
    }
    OsNoticeLogClear();
    WriteFile(szReport, pData, cb);
    TestFichier(szReport);

    /* The census of the queries, and the read of one of them. */
    pRequeteBlast pListe = NULL;
    unsigned nRequetes = ListeRequetesBlast(szReport, &pListe);
    MyFree(pListe);

    pDataGeneralPrg pDoc = InitDataProgram();
    strcpy(pDoc->szFilePath, szReport);
    strcpy(pDoc->szFileSortie, szIndex);
    pDoc->FichierBlast.nRequete = nRequetes > 1 ? (unsigned)(cb % nRequetes) : 0;
    int nRes = LitBlastForListBox(NULL, pDoc);
    if (nRes == LB_OK || nRes == LB_INCOMPLETE) {
        FILE *f = fopen(szIndex, "rb");
        for (unsigned h = 0; f != NULL && h < pDoc->nAlign; h++) {
            for (unsigned k = 1; k <= pDoc->pHSPResultat[h]->unHSP && k <= 50; k++) {
                pHalyardHSPData p = LitUnAlignHsp(NULL, f, h + 1, k);
                if (p != NULL)
                    FreeHsp(p);
            }
        }
        if (f != NULL)
            fclose(f);
    }
    FreeDataProgram(pDoc);

    /* The bytes as an index file: the first blocks asked for in order. */
    WriteFile(szIndex, pData, cb);
    FILE *f = fopen(szIndex, "rb");
    for (unsigned k = 1; f != NULL && k <= 3; k++) {
        pHalyardHSPData p = LitUnAlignHsp(NULL, f, 1, k);
        if (p != NULL)
            FreeHsp(p);
    }
    if (f != NULL)
        fclose(f);
    return 0;
}
