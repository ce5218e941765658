/* benchreport.h: what the benchmarks' generated reports share: random
   residues, and the report's head up to its list of hits (a query of
   1,440 residues, nHits hits of 3 HSPs). */
#ifndef HALYARD_BENCHREPORT_H
#define HALYARD_BENCHREPORT_H

#include <stdio.h>

static inline char ResiduBench(unsigned *pSeed)
{
    static const char AA[] = "ACDEFGHIKLMNPQRSTVWY";

    *pSeed = *pSeed * 1103515245u + 12345u;
    return AA[(*pSeed >> 16) % 20];
}

static inline void EcritEnteteBench(FILE *f, unsigned nHits)
{
    fprintf(f, "BLASTP 2.0MP-WashU [benchmark]\n\nQuery=  bench_query generated\n"
               "        (1440 letters)\n\nDatabase:  bench.aa\n"
               "           %u sequences; 1,000,000 total letters.\n\n"
               "Sequences producing High-scoring Segment Pairs:              Score  P(N)      N\n\n",
            nHits);
    for (unsigned h = 1; h <= nHits; h++)
        fprintf(f, "sp|B%05u|BENCH generated hit %-28u   500  1.0e-40   3\n", h, h);
    fputs("\n\n", f);
}

#endif
