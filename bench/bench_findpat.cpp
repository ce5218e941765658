/* bench_findpat: one Find of a 3-sub-mask pattern in 100 sequences of
   1,000 residues, work files and reading of the results included.
   Looks for the residue tables beside the program, then in the build
   folder above it. Prints the time of one search (best and mean of 10). */
#include <stdio.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "document.h"
#include "findpat.h"
#include "os.h"

namespace fs = std::filesystem;

static const char szMask[] = "C(DE)X{12}H(ST){25}G";

static void CompteMatch(void *pParam, const char *)
{
    ++*(long *)pParam;
}

struct Compte {
    char **szSeqs;
    long   nMatches;
};

static void LitUnResultat(void *pParam, int nSeq, int, int,
                          const char *szFile)
{
    Compte *p = (Compte *)pParam;
    LitResultats(szFile, p->szSeqs[nSeq], CompteMatch, &p->nMatches);
}

int main()
{
    char szExe[260], szDir[260], szWork[260];
    if (OsGetModulePath(szExe, sizeof szExe) == 0
        || PathDirectoryPart(szExe, szDir, sizeof szDir) == 0
        || OsGetTempDir(szWork, sizeof szWork) == 0) {
        fprintf(stderr, "no program or temporary directory\n");
        return 1;
    }
    fs::path tables = szDir;
    if (!fs::exists(tables / "PROTEINE.TBL"))
        tables = tables.parent_path().parent_path();
    DefinitRepertoireTables(tables.string().c_str());

    static const char szAA[] = "ACDEFGHIKLMNPQRSTVWY";
    std::mt19937 rng(1234);
    std::vector<std::string> seqs(100);
    std::vector<char *> pSeqs;
    std::vector<int> idx;
    for (size_t i = 0; i < seqs.size(); i++) {
        for (int j = 0; j < 1000; j++)
            seqs[i] += szAA[rng() % 20];
        pSeqs.push_back(&seqs[i][0]);
        idx.push_back((int)i);
    }
    char *masks[] = { (char *)szMask };

    double dBest = 1e30, dSum = 0;
    const int nRuns = 10;
    Compte compte = { pSeqs.data(), 0 };
    for (int r = 0; r < nRuns; r++) {
        compte.nMatches = 0;
        auto t0 = std::chrono::steady_clock::now();
        if (!LanceRechercheSequences(NULL, szWork, "PROTEINE", pSeqs.data(),
                                     idx.data(), (int)idx.size(), masks, 1,
                                     LitUnResultat, &compte)) {
            fprintf(stderr, "search failed\n");
            return 1;
        }
        double d = std::chrono::duration<double, std::milli>(
                       std::chrono::steady_clock::now() - t0).count();
        dSum += d;
        if (d < dBest)
            dBest = d;
    }
    printf("pattern %s in 100 sequences of 1000 residues: %ld matches\n",
           szMask, compte.nMatches);
    printf("one search: best %.1f ms, mean %.1f ms over %d runs\n", dBest,
           dSum / nRuns, nRuns);
    return 0;
}
