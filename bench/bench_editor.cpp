/* Benchmark of the VazEva editor's loading: generates a legacy-format
 * report of nHits hits with 3 HSPs each (default 334 hits, 1,002 HSPs) on
 * a query of 1,440 residues, reads it, marks every HSP, then times
 * ChargeMulBla over several runs (best and mean) and the consensus alone.
 * Usage: bench_editor [hits] [runs].
 */
#include <chrono>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#ifndef _WIN32
#include <sys/resource.h>
#endif

#include "benchreport.h"
#include "blastread.h"
#include "document.h"
#include "memory.h"
#include "mulbla.h"

/* One hit: ">" line, length, three HSPs of 480 query residues (about 500
   columns, in triples of 60) at query offsets 1, 481 and 961; one column
   in 30 is a gap in the query line and one in 40 a gap in the subject
   line, so that the columns and the query positions part. */
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
        fprintf(f, ">sp|B%05u|BENCH generated hit %u of the benchmark report\n"
                   "        Length = 3,000\n\n", h, h);
        for (int k = 0; k < 3; k++) {
            unsigned nQ = 1 + k * 480, nS = 1 + k * 480, nCols = 0;
            char szTriples[16 * 256] = "";
            size_t nLen = 0;

            /* Triples until 480 query residues are laid. */
            for (unsigned nRes = 0; nRes < 480;) {
                int c = 0, nq = 0, ns = 0;
                for (; c < 60 && nRes < 480; c++, nCols++) {
                    bool bGapQ = nCols % 30 == 29, bGapS = !bGapQ && nCols % 40 == 39;
                    q[c] = bGapQ ? '-' : ResiduBench(&nSeed);
                    s[c] = bGapS ? '-' : (nCols % 7 == 3 ? ResiduBench(&nSeed) : q[c]);
                    m[c] = q[c] == s[c] ? q[c] : (q[c] != '-' && s[c] != '-' ? '+' : ' ');
                    nq += !bGapQ, ns += !bGapS, nRes += !bGapQ;
                }
                q[c] = m[c] = s[c] = '\0';
                nLen += (size_t)snprintf(szTriples + nLen, sizeof szTriples - nLen,
                                         "Query: %5u %s %u\n             %s\nSbjct: %5u %s %u\n\n",
                                         nQ, q, nQ + nq - 1, m, nS, s, nS + ns - 1);
                nQ += nq, nS += ns;
            }
            fprintf(f, " Score = 500 (180.1 bits), Expect = 1.0e-40, Sum P(3) = 1.0e-40\n"
                       " Identities = 400/%u (83%%), Positives = 420/%u (87%%)\n\n%s",
                    nCols, nCols, szTriples);
        }
        fputs("\n", f);
    }
    fputs("Parameters:\n  E=10\n", f);
    fclose(f);
}

static double Ms(std::chrono::steady_clock::time_point t0)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

int main(int argc, char **argv)
{
    unsigned nHits = argc > 1 ? (unsigned)atoi(argv[1]) : 334;
    int nRuns = argc > 2 ? atoi(argv[2]) : 10;
    char szReport[HL_MAX_PATH], szIndex[HL_MAX_PATH];

    if (nRuns < 1 || !OsCreateTempFile("HBE", szReport, sizeof szReport) ||
        !OsCreateTempFile("HAL", szIndex, sizeof szIndex))
        return 1;
    WriteReport(szReport, nHits);

    pDataGeneralPrg pData = InitDataProgram();
    strcpy(pData->szFilePath, szReport);
    strcpy(pData->szFileSortie, szIndex);
    pData->nColorPref = 20;
    pData->nBkColor = 1;
    auto t0 = std::chrono::steady_clock::now();
    int nRes = LitBlastForListBox(NULL, pData);
    double dRead = Ms(t0);
    for (unsigned i = 0; i < pData->nAlign; i++)
        for (unsigned j = 0; j < pData->pHSPResultat[i]->unHSP; j++)
            pData->pHSPResultat[i]->nHSPselected[j] = 1;

    double dBest = 1e30, dSum = 0, dCons = 1e30;
    int nSeq = 0, nTaille = 0;
    unsigned nCount = 0;
    for (int r = 0; r < nRuns; r++) {
        t0 = std::chrono::steady_clock::now();
        pMulBlaData pMul = ChargeMulBla(pData, NULL, NULL, &nCount);
        double d = Ms(t0);
        if (pMul == NULL) {
            fprintf(stderr, "ChargeMulBla failed\n");
            return 1;
        }
        dBest = d < dBest ? d : dBest;
        dSum += d;
        nSeq = pMul->nSeq, nTaille = pMul->nTaille;
        t0 = std::chrono::steady_clock::now();
        CreeConsensus(pMul, pMul->szConsensus, pMul->nPointLimit, pMul->nStrictLimit);
        d = Ms(t0);
        dCons = d < dCons ? d : dCons;
        VirePointMulBla(pMul);
    }

    printf("report: %u hits, %u HSPs, result %d, read in %.0f ms\n", pData->nAlign,
           pData->nAlignTotal, nRes, dRead);
    printf("ChargeMulBla: %u selected, %d rows x %d columns: best %.1f ms, mean %.1f ms (%d runs)\n",
           nCount, nSeq, nTaille, dBest, dSum / nRuns, nRuns);
    printf("CreeConsensus alone: best %.2f ms\n", dCons);
#ifndef _WIN32
    struct rusage ru;
    if (getrusage(RUSAGE_SELF, &ru) == 0)
        printf("peak resident memory: %.1f MB\n", ru.ru_maxrss / 1024.0);
#endif

    FreeDataProgram(pData);
    remove(szIndex);
    remove(szReport);
    return nRes == LB_OK ? 0 : 1;
}
