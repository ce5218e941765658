/* bench_hca: the HCA preparation of one random protein row of 10,000
   residues (classes, clusters, zig-zags, places on the net), as the HCA
   viewer prepares the query and the subject of the HSP shown. Prints the
   best and the mean time of 10 preparations. */
#include <stdio.h>
#include <string.h>

#include <chrono>
#include <string>

#include "benchreport.h"
#include "hca.h"

int main(void)
{
    const int nRes = 10000, nRuns = 10;
    std::string sRow((size_t)nRes, 'A');
    unsigned nSeed = 7;
    GraphObjData g;
    double dBest = 1e30, dTotal = 0;

    for (int i = 0; i < nRes; i++)
        sRow[(size_t)i] = ResiduBench(&nSeed);
    memset(&g, 0, sizeof g);
    AssigneDimDiag(&g, 7, 16);
    CalculAmasUnitaire(&g);
    for (int r = 0; r < nRuns; r++) {
        auto t0 = std::chrono::steady_clock::now();
        pInfoSequence p = PrepSequenceHCA(sRow.c_str(), NULL, NULL, 1, "BENCH", "", &g);
        auto t1 = std::chrono::steady_clock::now();
        double d = std::chrono::duration<double, std::milli>(t1 - t0).count();
        if (p == NULL) {
            fprintf(stderr, "preparation failed\n");
            return 1;
        }
        FreeDataSequence(p);
        dBest = d < dBest ? d : dBest;
        dTotal += d;
    }
    printf("HCA preparation of %d residues: best %.2f ms, mean %.2f ms over %d runs\n", nRes, dBest,
           dTotal / nRuns, nRuns);
    return 0;
}
