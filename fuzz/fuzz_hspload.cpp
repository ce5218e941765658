/* Fuzz target: the input as an HSP index file, blocks asked for in any
 * order (hits and HSPs out of file order, the same block twice, blocks
 * that are missing), through one open file searching forward or a file
 * opened anew for each block; every loaded HSP is coloured under a scheme.
 * Input: the number of requests, a flags byte (bit 0: reopen for each
 * block; bits 1-2: scheme), one byte per request (low 4 bits: hit - 1,
 * next 2 bits: HSP - 1), then the index file. fuzz_seeds makes seeds of
 * this form from reports.
 */
#include <string.h>

#include "colors.h"
#include "fuzzutil.h"
#include "hspload.h"

static char szIndex[HL_MAX_PATH];

/* A loaded HSP: rows within its length, the one asked for. */
static void VerifieHsp(pHalyardHSPData p, unsigned h, unsigned k)
{
    VERIFIE(p->noAlign == (int)h && p->noHsp == (int)k);
    VERIFIE(p->tailleAlign > 0 && p->tailleAlign <= MAXTAILLEALIGN);
    VERIFIE(memchr(p->szInfo, '\0', sizeof p->szInfo) != NULL);
    for (const char *sz : {p->szQuery, p->szSubject, p->szComp})
        VERIFIE(memchr(sz, '\0', (size_t)p->tailleAlign + 1) != NULL);
}

static void Colore(pHalyardHSPData p, int nScheme)
{
    pDataGeneralPrg pDoc = InitDataProgram();

    snprintf(pDoc->ConfigFile, sizeof pDoc->ConfigFile, "%s", HALYARD_SAMPLE_CFG);
    pDoc->pVhspData = p;
    pDoc->nColorPref = nScheme;
    pDoc->nBkColor = nScheme != COULEUR_SIMIDEN;
    AssignColorForAA(pDoc);
    for (int c = 0; c < p->tailleAlign; c++)
        for (const unsigned *a : {p->QueryTxtClr, p->QueryBkClr, p->SubjectTxtClr,
                                  p->SubjectBkClr, p->CompTxtClr, p->CompBkClr})
            VERIFIE(a[c] < NBCOULEURS);
    FreeDataProgram(pDoc);  /* releases the HSP too */
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *pData, size_t cb)
{
    Octets in = {pData, cb};
    unsigned nReq = 1 + in.Sous(8);
    unsigned nFlags = in.Octet();
    unsigned char req[8];
    FILE *f = NULL;

    FichierTemp(szIndex, "HFL");
    OsNoticeLogClear();
    for (unsigned i = 0; i < nReq; i++)
        req[i] = (unsigned char)in.Octet();
    std::string sIndex = in.Reste();
    EcritFichierFuzz(szIndex, sIndex.data(), sIndex.size());

    for (unsigned i = 0; i < nReq; i++) {
        unsigned h = 1 + (req[i] & 15), k = 1 + ((req[i] >> 4) & 3);
        if (f == NULL || (nFlags & 1)) {
            if (f != NULL)
                fclose(f);
            f = fopen(szIndex, "rb");
            VERIFIE(f != NULL);
        }
        pHalyardHSPData p = LitUnAlignHsp(NULL, f, h, k);
        if (p == NULL)
            continue;
        VerifieHsp(p, h, k);
        Colore(p, 10 * (1 + (int)((nFlags >> 1) % 3)));
    }
    if (f != NULL)
        fclose(f);
    return 0;
}
