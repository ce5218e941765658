/* Benchmark of the report reader: generates a legacy-format report of
 * nHits hits with 3 HSPs each (default 10,000 hits, about 60 MB), then
 * times LitBlastForListBox and the loading of the last HSP of the last
 * hit. Usage: bench_reader [hits] [report path]. The report is kept when
 * a path is given (to time `wc -l` on the same file).
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

static void Segment(char *sz, int n, unsigned *pSeed)
{
    for (int i = 0; i < n; i++)
        sz[i] = ResiduBench(pSeed);
    sz[n] = '\0';
}

/* One hit: ">" line, two description lines, length, three HSPs of
   480 columns (8 triples of 60) each. */
static void WriteReport(const char *szPath, unsigned nHits)
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
        for (int k = 0; k < 3; k++) {
            fprintf(f, " Score = 500 (180.1 bits), Expect = 1.0e-40, Sum P(3) = 1.0e-40\n"
                       " Identities = 480/480 (100%%), Positives = 480/480 (100%%)\n\n");
            for (int t = 0; t < 8; t++) {
                unsigned nQ = 1 + k * 480 + t * 60;
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

int main(int argc, char **argv)
{
    unsigned nHits = argc > 1 ? (unsigned)atoi(argv[1]) : 10000;
    char szReport[HL_MAX_PATH], szIndex[HL_MAX_PATH];
    bool bKeep = argc > 2;

    if (bKeep)
        snprintf(szReport, sizeof szReport, "%s", argv[2]);
    else if (!OsCreateTempFile("HBR", szReport, sizeof szReport))
        return 1;
    if (!OsCreateTempFile("HAL", szIndex, sizeof szIndex))
        return 1;
    WriteReport(szReport, nHits);

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

    f = fopen(szIndex, "rb");
    t0 = std::chrono::steady_clock::now();
    pHalyardHSPData p = LitUnAlignHsp(NULL, f, pData->nAlign, 3);
    t1 = std::chrono::steady_clock::now();
    double dLoad = std::chrono::duration<double, std::milli>(t1 - t0).count();
    fclose(f);

    printf("report: %.1f MB, %u hits, %u HSPs, result %d\n", dMB, pData->nAlign,
           pData->nAlignTotal, nRes);
    printf("LitBlastForListBox: %.0f ms, %.0f MB/s\n", dRead, dMB / (dRead / 1000.0));
    printf("last HSP of the last hit: %.1f ms (%s, %d columns)\n", dLoad,
           p != NULL ? "loaded" : "NOT loaded", p != NULL ? p->tailleAlign : 0);

    pData->pVhspData = p;
    FreeDataProgram(pData);
    remove(szIndex);
    if (!bKeep)
        remove(szReport);
    return nRes == LB_OK && p != NULL ? 0 : 1;
}
