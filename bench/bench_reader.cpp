/* Benchmark of the report reader: generates a legacy-format report of
 * nHits hits with nHsp HSPs of nTriples triples each (default 10,000 hits
 * of 3 HSPs of 8 triples, about 60 MB), then times LitBlastForListBox and
 * the loading of the first, middle and last HSP.
 * Usage: bench_reader [hits] [report path] [HSPs triples]. The report is
 * kept when a path is given (it is then used by the window benchmarks).
 * 75,950 hits of 1 HSP of 2 triples make about 60 MB of short hits, as
 * the hit list of a large real report repeated.
 */
#include <chrono>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "benchreport.h"
#include "blastread.h"
#include "document.h"
#include "hspload.h"
#include "memory.h"
#ifndef _WIN32
#include <sys/resource.h>
#endif

static void Segment(char *sz, int n, unsigned *pSeed)
{
    for (int i = 0; i < n; i++)
        sz[i] = ResiduBench(pSeed);
    sz[n] = '\0';
}

/* One hit: ">" line, two description lines, length, nHsp HSPs of
   nTriples triples of 60 columns each. */
static void WriteReport(const char *szPath, unsigned nHits, int nHsp, int nTriples)
{
    FILE *f = fopen(szPath, "wb");
    unsigned nSeed = 1;
    char q[61], m[61], s[61];

    if (f == NULL) {
        perror(szPath);
        exit(1);
    }
    EcritEnteteBench(f, nHits);
    for (unsigned h = 1; h <= nHits; h++) {
        fprintf(f, ">sp|B%05u|BENCH generated hit %u of the benchmark report, a\n"
                   "            description that wraps onto a second line\n"
                   "        Length = 3,000\n\n", h, h);
        for (int k = 0; k < nHsp; k++) {
            int nCol = 60 * nTriples;
            fprintf(f, " Score = 500 (180.1 bits), Expect = 1.0e-40, Sum P(3) = 1.0e-40\n"
                       " Identities = %d/%d (100%%), Positives = %d/%d (100%%)\n\n",
                    nCol, nCol, nCol, nCol);
            for (int t = 0; t < nTriples; t++) {
                unsigned nQ = 1 + (unsigned)(k * nCol + t * 60);
                Segment(q, 60, &nSeed);
                memcpy(s, q, sizeof s);
                memcpy(m, q, sizeof m);
                fprintf(f, "Query: %5u %s %u\n             %s\nSbjct: %5u %s %u\n\n", nQ, q,
                        nQ + 59, m, nQ, s, nQ + 59);
            }
        }
        fputs("\n", f);
    }
    fputs("Parameters:\n  E=10\n", f);
    fclose(f);
}

/* Time of loading hit nHit, HSP nHsp as the alignment pane does: the
   index file opened, the HSP loaded from its remembered place (or by a
   search from the top when bHaut), the file closed. */
static double ChargeUnHsp(pDataGeneralPrg pData, unsigned nHit, unsigned nHsp, bool *pbOk,
                          bool bHaut = false)
{
    auto t0 = std::chrono::steady_clock::now();
    FILE *f = fopen(pData->szFileSortie, "rb");
    pHalyardHSPData p = f == NULL ? NULL
                        : bHaut   ? LitUnAlignHsp(NULL, f, nHit, nHsp)
                                  : ChargeHspIndex(pData, f, nHit, nHsp);
    if (f != NULL)
        fclose(f);
    auto t1 = std::chrono::steady_clock::now();
    *pbOk = *pbOk && p != NULL;
    LibereHalyardHsp(p);
    return std::chrono::duration<double, std::milli>(t1 - t0).count();
}

int main(int argc, char **argv)
{
    unsigned nHits = argc > 1 ? (unsigned)atoi(argv[1]) : 10000;
    int nHsp = argc > 4 ? atoi(argv[3]) : 3;
    int nTriples = argc > 4 ? atoi(argv[4]) : 8;
    char szReport[HL_MAX_PATH], szIndex[HL_MAX_PATH];
    bool bKeep = argc > 2;

    if (nHits < 1 || nHsp < 1 || nTriples < 1 || nHsp * nTriples * 60 > 1440) {
        fprintf(stderr, "usage: bench_reader [hits] [report] [HSPs triples] (HSPs x triples <= 24)\n");
        return 2;
    }
    if (bKeep)
        snprintf(szReport, sizeof szReport, "%s", argv[2]);
    else if (!OsCreateTempFile("HBR", szReport, sizeof szReport))
        return 1;
    if (!OsCreateTempFile("HAL", szIndex, sizeof szIndex))
        return 1;
    WriteReport(szReport, nHits, nHsp, nTriples);

    FILE *f = fopen(szReport, "rb");
    fseek(f, 0, SEEK_END);
    double dMB = (double)ftell(f) / 1e6;
    fclose(f);

    pDataGeneralPrg pData = InitDataProgram();
    strcpy(pData->szFilePath, szReport);
    strcpy(pData->szFileSortie, szIndex);
    auto t0 = std::chrono::steady_clock::now();
    int nRes = LitBlastForListBox(NULL, pData);
    auto t1 = std::chrono::steady_clock::now();
    double dRead = std::chrono::duration<double, std::milli>(t1 - t0).count();

    bool bOk = nRes == LB_OK;
    unsigned nMilieu = pData->nAlign / 2 + 1;
    double dFirst = bOk ? ChargeUnHsp(pData, 1, 1, &bOk) : 0;
    double dMiddle = bOk ? ChargeUnHsp(pData, nMilieu, 1, &bOk) : 0;
    double dLast = bOk ? ChargeUnHsp(pData, pData->nAlign, (unsigned)nHsp, &bOk) : 0;
    double dHaut = bOk ? ChargeUnHsp(pData, pData->nAlign, (unsigned)nHsp, &bOk, true) : 0;

    printf("report: %.1f MB, %u hits, %u HSPs, result %d\n", dMB, pData->nAlign,
           pData->nAlignTotal, nRes);
    printf("LitBlastForListBox: %.0f ms, %.0f MB/s\n", dRead, dMB / (dRead / 1000.0));
    printf("HSP load (first, middle, last): %.2f %.2f %.2f ms%s\n", dFirst, dMiddle, dLast,
           bOk ? "" : " (NOT loaded)");
    printf("last HSP searched from the top: %.1f ms\n", dHaut);

#ifndef _WIN32
    struct rusage ru;
    if (getrusage(RUSAGE_SELF, &ru) == 0)
        printf("peak resident memory: %.1f MB (hit records %.1f MB, HSP places %.1f MB)\n",
               ru.ru_maxrss / 1024.0, pData->nAlign * (double)sizeof(DataHSP) / 1e6,
               pData->nPosHspMax * (double)sizeof(long) / 1e6);
#endif
    FreeDataProgram(pData);
    remove(szIndex);
    if (!bKeep)
        remove(szReport);
    return bOk ? 0 : 1;
}
