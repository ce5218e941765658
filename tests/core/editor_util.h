/* Helpers shared by the editor's tests: read reports, the editor's record
   loaded from them, and its rows written out for comparison. */
#ifndef HALYARD_EDITOR_UTIL_H
#define HALYARD_EDITOR_UTIL_H

#include "test_reader_util.h"

#include "colors.h"
#include "mulbla.h"

namespace editortest {

using namespace readertest;

/* Query of 40: ungapped, gapped on both lines, reversed, running past the
   query's end, starting on column 1 and on position 0. */
inline const std::vector<Hit> kWide = {
    {"sp|P00001|FIRST",
     {{3, 12, 110, 119, "MKVLAAGIWS", "MK+LA GI S", "MKILAQGIYS"},
      {15, 24, 200, 210, "ACD-EFGHI-KL", "ACD EF HI KL", "ACDWEF-HIPKL"}}},
    {"gi|12345678901|long",
     {{30, 26, 5, 9, "KLMNQ", "KLMN ", "KLMNP"},
      {36, 45, 1, 10, "WWWWWYYYYY", "WWWWWYYYYY", "WWWWWYYYYY"}}},
    {"short", {{1, 4, 50, 53, "MMMM", "MMMM", "MMMM"}, {0, 3, 60, 63, "MKVL", "MKVL", "MKVL"}}},
};

typedef std::vector<std::pair<unsigned, unsigned>> Pairs; /* (hit, HSP), 1-based */

/* A read report under scheme 20, its colours told apart from the defaults,
   backgrounds on unless nBk is 0, the HSPs of sel marked in that order. */
struct Doc : ReadReport {
    TempFile cfg{"[Couleurs_SimIden]\nAUTRE=5\n[Couleur_Fond_SimIden]\nM=6\nA=7\n"};
    Doc(const std::string &s, const Pairs &sel, bool bPath = false, int nBk = 1)
        : ReadReport(s, bPath)
    {
        snprintf(pData->ConfigFile, sizeof pData->ConfigFile, "%s", cfg.szPath);
        pData->nColorPref = COULEUR_SIMIDEN;
        pData->nBkColor = nBk;
        for (const auto &p : sel)
            Hit(p.first - 1)->nHSPselected[p.second - 1] = 1;
    }
    /* The table cut to its first n hits as a read cut short leaves it (nAlign counts all). */
    void Cut(unsigned n)
    {
        for (unsigned i = n; i < pData->nHSP; i++)
            MyFree(Hit(i)->nHSPselected), MyFree(Hit(i));
        pData->pHSPResultat = (pDataHSP *)MyReAlloc(pData->pHSPResultat, n * (unsigned)sizeof(pDataHSP));
        pData->nHSP = n;
    }
};

struct Loaded { /* the editor's record of a document, released with the object */
    unsigned nCount = 99;
    pMulBlaData p;
    explicit Loaded(pDataGeneralPrg pData, PFNPROGRESMULBLA pfn = NULL, void *pCtx = NULL)
        : p(ChargeMulBla(pData, pfn, pCtx, &nCount)) {}
    ~Loaded() { VirePointMulBla(p); }
};

/* Each row as "cells|match line|text colours|backgrounds" (or its name),
   one hex digit a colour. */
inline std::string Hex(const unsigned *a, int n)
{
    std::string s;
    for (int i = 0; i < n; i++)
        s += a[i] < 16 ? "0123456789ABCDEF"[a[i]] : '?';
    return s;
}
inline std::vector<std::string> Rows(const MulBlaData *p, bool bNames = false)
{
    std::vector<std::string> v;
    for (int r = 0; r < p->nSeq; r++) {
        const MulBlaSeq *s = p->pSeqMul[r];
        v.push_back(bNames ? s->szName : std::string(s->szSeq) + "|" + s->szComp + "|" +
                                             Hex(s->SeqTxtClr, p->nTaille) + "|" + Hex(s->SeqBkClr, p->nTaille));
    }
    return v;
}

} // namespace editortest

#endif
