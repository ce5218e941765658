/* fuzzutil.h: what the fuzz targets share: the input taken apart byte by
 * byte, work files written from it, a check that stops the run, and a
 * small report made up from the input and read into a document (the
 * editor's and the map's targets start from it).
 */
#ifndef HALYARD_FUZZUTIL_H
#define HALYARD_FUZZUTIL_H

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>

#include "blastread.h"
#include "document.h"
#include "memory.h"
#include "os_portable.h"

/* A broken invariant is a crash for the fuzzer: say which, then abort. */
#define VERIFIE(cond)                                                          \
    do {                                                                       \
        if (!(cond)) {                                                         \
            fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__,         \
                    __LINE__, #cond);                                          \
            abort();                                                           \
        }                                                                      \
    } while (0)

/* The input, consumed from the front; an exhausted input reads zeros. */
struct Octets {
    const uint8_t *p;
    size_t n;

    unsigned Octet()
    {
        if (n == 0)
            return 0;
        n--;
        return *p++;
    }
    /* 0 ... nMax-1 (0 when nMax is 0). */
    unsigned Sous(unsigned nMax) { return nMax == 0 ? 0 : Octet() % nMax; }
    /* Up to nMax bytes, ending at a NUL (consumed, not kept). */
    std::string Texte(size_t nMax)
    {
        std::string s;
        while (n > 0 && s.size() < nMax) {
            char c = (char)Octet();
            if (c == '\0')
                break;
            s += c;
        }
        return s;
    }
    std::string Reste()
    {
        std::string s((const char *)p, n);
        p += n;
        n = 0;
        return s;
    }
};

inline void EcritFichierFuzz(const char *szPath, const void *pData, size_t cb)
{
    FILE *f = fopen(szPath, "wb");
    if (f == NULL)
        abort();
    fwrite(pData, 1, cb, f);
    fclose(f);
}

/* A file name of the temporary directory, reserved once per run. */
inline const char *FichierTemp(char (&szPath)[HL_MAX_PATH], const char *szPrefix)
{
    if (szPath[0] == '\0' && !OsCreateTempFile(szPrefix, szPath, sizeof szPath))
        abort();
    return szPath;
}

/* A made-up legacy report: a query of 1 to 90 residues, one to five hits
   of one to three HSPs, each HSP one to three triples whose residues,
   gaps and coordinates come from the input, so that ranges run backwards,
   start at 0, pass the query's end, or disagree with the identities
   line. */
inline std::string RapportFuzz(Octets &in)
{
    static const char szResidus[] = "ACDEFGHIKLMNPQRSTVWYX-*.";
    unsigned nLong = 1 + in.Sous(90);
    unsigned nHits = 1 + in.Sous(5);
    char b[512];
    std::string s;

    snprintf(b, sizeof b,
             "BLASTP 2.0MP-WashU\n\nQuery=  FUZZQ made up\n        (%u letters)\n\n"
             "Database:  f.aa\n           5 sequences; 900 total letters.\n\n"
             "Sequences producing High-scoring Segment Pairs:\n\n",
             nLong);
    s = b;
    for (unsigned h = 0; h < nHits; h++) {
        snprintf(b, sizeof b, "H%u a hit   100  1.0e-05   1\n", h);
        s += b;
    }
    s += "\n\n";
    for (unsigned h = 0; h < nHits; h++) {
        unsigned nHsp = 1 + in.Sous(3);

        snprintf(b, sizeof b, ">H%u a hit\n        Length = 250\n\n", h);
        s += b;
        for (unsigned k = 0; k < nHsp; k++) {
            unsigned nTriplets = 1 + in.Sous(3), nTotal = 0;
            std::string sTriplets;

            for (unsigned t = 0; t < nTriplets; t++) {
                unsigned n = 1 + in.Sous(20);
                std::string q, m, sb;
                for (unsigned i = 0; i < n; i++) {
                    char cq = szResidus[in.Sous(sizeof szResidus - 1)];
                    char cs = in.Octet() & 1 ? cq : szResidus[in.Sous(sizeof szResidus - 1)];
                    q += cq;
                    sb += cs;
                    m += cq == cs && cq >= 'A' ? cq : (in.Octet() & 1 ? '+' : ' ');
                }
                /* Coordinates: forward, backward or anywhere. */
                int q0 = (int)in.Sous(nLong + 12), s0 = 1 + (int)in.Sous(300);
                unsigned nSens = in.Sous(3);
                int q1 = nSens == 0 ? q0 + (int)n - 1
                         : nSens == 1 ? (q0 >= (int)n ? q0 - (int)n + 1 : 0)
                                      : (int)in.Sous(nLong + 12);
                snprintf(b, sizeof b, "Query: %5d %s %d\n             %s\nSbjct: %5d %s %d\n\n",
                         q0, q.c_str(), q1, m.c_str(), s0, sb.c_str(), s0 + (int)n - 1);
                sTriplets += b;
                nTotal += n;
            }
            if (in.Octet() == 0xFF)
                nTotal = in.Octet();  /* an identities line that lies */
            snprintf(b, sizeof b,
                     " Score = 100 (40.0 bits), Expect = 2.0e-05, P = 2.0e-05\n"
                     " Identities = %u/%u (100%%)\n\n",
                     nTotal / 2, nTotal);
            s += b + sTriplets;
        }
    }
    return s + "Parameters:\n  E=10\n";
}

/* The document of a made-up report, its HSPs selected by the input; NULL
   when the reader refused it. The caller releases it with
   FreeDataProgram. */
inline pDataGeneralPrg DocumentFuzz(Octets &in, const char *szRapport, const char *szIndex)
{
    std::string s = RapportFuzz(in);
    pDataGeneralPrg pData;
    int nRes;

    EcritFichierFuzz(szRapport, s.data(), s.size());
    pData = InitDataProgram();
    if (pData == NULL)
        abort();
    snprintf(pData->szFilePath, sizeof pData->szFilePath, "%s", szRapport);
    snprintf(pData->szFileSortie, sizeof pData->szFileSortie, "%s", szIndex);
    snprintf(pData->ConfigFile, sizeof pData->ConfigFile, "%s", HALYARD_SAMPLE_CFG);
    nRes = LitBlastForListBox(NULL, pData);
    if (nRes != LB_OK && nRes != LB_INCOMPLETE) {
        FreeDataProgram(pData);
        return NULL;
    }
    pData->nColorPref = 10 * (1 + (int)in.Sous(3));
    pData->nBkColor = (int)(in.Octet() & 1);
    for (unsigned h = 0; h < pData->nAlign; h++)
        for (unsigned k = 0; k < pData->pHSPResultat[h]->unHSP; k++)
            pData->pHSPResultat[h]->nHSPselected[k] = (int)(in.Octet() & 1);
    return pData;
}

#endif /* HALYARD_FUZZUTIL_H */
