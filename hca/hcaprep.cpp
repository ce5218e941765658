/* hcaprep.cpp: preparing one alignment row for an HCA plot.
 *
 * Divisions: the record and its arrays; breakers, colours and classes;
 * the cluster search; the contour-edge bits; the zig-zag table; the scale
 * numbers; the whole preparation of a row.
 *
 * Two residues a < b are linked when both are hydrophobic and no proline
 * lies strictly between them. Clusters grow from a hydrophobic residue
 * through links to its net neighbours (offsets 1, 3 and 4 either way) and
 * through a residue two further on from the cluster's rightmost member.
 */
#include <limits.h>
#include <stdlib.h>
#include <string.h>

#include "colors.h"
#include "hca.h"
#include "memory.h"

const int HYDROTABLE[26] = {
 /* A  B  C  D  E  F  G  H  I  J  K  L  M */
    0, 0, 0, 0, 0, 1, 0, 0, 1, 0, 0, 1, 1,
 /* N  O  P  Q  R  S  T  U  V  W  X  Y  Z */
    0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 1, 0
};

/* Net neighbours tried when a cluster grows, in this order. */
static const int DecalVoisins[6] = { -1, -3, -4, +1, +3, +4 };

/* The two neighbours between which each contour edge lies, by bit. */
static const int VoisinsArete[6][2] = {
    { -1, -4 }, /* HYDRO_M1_M4 */
    { -4, -3 }, /* HYDRO_M4_M3 */
    { -3, +1 }, /* HYDRO_M3_P1 */
    { -1, +3 }, /* HYDRO_M1_P3 */
    { +3, +4 }, /* HYDRO_P3_P4 */
    { +4, +1 }  /* HYDRO_P4_P1 */
};

int ClasseHydro(char c)
{
    unsigned char u = (unsigned char)c;

    /* Rows hold gaps, stops and whatever else the report had; only the
       26 upper-case letters have a class of their own. */
    if (u >= 'A' && u <= 'Z')
        return HYDROTABLE[u - 'A'];
    return 0;
}

/* ---- The record and its arrays --------------------------------------- */

/* Bytes of nItems items of cbItem bytes, at least 1; 0 when the size does
   not fit the memory services' unsigned int. */
static unsigned int TailleBloc(unsigned int nItems, unsigned int cbItem)
{
    if (nItems == 0)
        return 1;
    if (nItems > UINT_MAX / cbItem)
        return 0;
    return nItems * cbItem;
}

/* MyAlloc of cb bytes, where cb 0 stands for a size too large to ask for:
   that is reported like any other shortage. */
static void *AlloueBloc(unsigned int cb)
{
    if (cb == 0) {
        OsMemoryNotice(szMemNoAlloc);
        return NULL;
    }
    return MyAlloc(cb);
}

pInfoSequence InitPtrInfoSeq(int n)
{
    pInfoSequence pInfSeq;
    unsigned int cbSeq, cbInfo;

    /* A size the memory services cannot even be asked for is a shortage
       like any other, found before anything is allocated. */
    cbSeq = n >= 0 && n < INT_MAX ? TailleBloc((unsigned)n + 1, 1) : 0;
    cbInfo = n >= 0 ? TailleBloc((unsigned)n, sizeof(INFOAA)) : 0;
    if (cbSeq == 0 || cbInfo == 0) {
        OsMemoryNotice(szMemNoAlloc);
        return NULL;
    }

    pInfSeq = (pInfoSequence)MyAlloc(sizeof(InfoSequence));
    if (pInfSeq == NULL)
        return NULL;
    /* One allocation after the other: a failure has been reported once,
       and asking for more would only stack notices. */
    if ((pInfSeq->Sequence = (char *)MyAlloc(cbSeq)) == NULL
        || (pInfSeq->TableauAmas = (unsigned int *)MyAlloc(1)) == NULL
        || (pInfSeq->TableauZigZag = (unsigned int *)MyAlloc(1)) == NULL
        || (pInfSeq->pInfoAA = (pINFOAA)MyAlloc(cbInfo)) == NULL) {
        FreeDataSequence(pInfSeq);
        return NULL;
    }
    return pInfSeq;
}

void FreeDataSequence(pInfoSequence pInfSeq)
{
    if (pInfSeq == NULL)
        return;
    MyFree(pInfSeq->Sequence);
    MyFree(pInfSeq->TableauAmas);
    MyFree(pInfSeq->TableauZigZag);
    MyFree(pInfSeq->pInfoAA);
    MyFree(pInfSeq);
}

/* A new block of cb bytes holding a copy of the first cbCopy bytes of
   pSrc (none when pSrc is NULL). */
static void *CopieBloc(const void *pSrc, unsigned int cb, unsigned int cbCopy)
{
    void *p = AlloueBloc(cb);

    if (p != NULL && pSrc != NULL && cbCopy > 0)
        memcpy(p, pSrc, cbCopy < cb ? cbCopy : cb);
    return p;
}

pInfoSequence DuplicatePData(const InfoSequence *pSrc)
{
    pInfoSequence pCopy;
    unsigned int nTaille, cbAmas, cbZigZag, cbInfo, cbSeq;

    if (pSrc == NULL)
        return NULL;
    nTaille = pSrc->TailleSeq > 0 ? (unsigned)pSrc->TailleSeq : 0;
    cbAmas = TailleBloc(pSrc->nAmas, AMAS_NCHAMPS * sizeof(unsigned int));
    cbZigZag = TailleBloc(pSrc->nZigZag, sizeof(unsigned int));
    cbInfo = TailleBloc(nTaille, sizeof(INFOAA));
    cbSeq = nTaille < UINT_MAX ? nTaille + 1 : 0;

    pCopy = (pInfoSequence)MyAlloc(sizeof(InfoSequence));
    if (pCopy == NULL)
        return NULL;
    *pCopy = *pSrc;
    /* Until each array is copied the copy owns nothing, so that a failure
       half-way releases only what was made here. */
    pCopy->Sequence = NULL;
    pCopy->TableauAmas = NULL;
    pCopy->TableauZigZag = NULL;
    pCopy->pInfoAA = NULL;

    if ((pCopy->TableauAmas = (unsigned int *)CopieBloc(
             pSrc->TableauAmas, cbAmas,
             pSrc->nAmas * AMAS_NCHAMPS * (unsigned)sizeof(unsigned int))) == NULL
        || (pCopy->TableauZigZag = (unsigned int *)CopieBloc(
             pSrc->TableauZigZag, cbZigZag,
             pSrc->nZigZag * (unsigned)sizeof(unsigned int))) == NULL
        || (pCopy->pInfoAA = (pINFOAA)CopieBloc(
             pSrc->pInfoAA, cbInfo, nTaille * (unsigned)sizeof(INFOAA))) == NULL
        || (pCopy->Sequence = (char *)CopieBloc(
             pSrc->Sequence, cbSeq, nTaille + 1)) == NULL) {
        FreeDataSequence(pCopy);
        return NULL;
    }
    pCopy->Sequence[nTaille] = '\0';
    return pCopy;
}

/* ---- Breakers, colours and classes ----------------------------------- */

void AssigneRupteur(pInfoSequence pInfSeq)
{
    int i;

    for (i = 0; i < pInfSeq->TailleSeq; i++)
        pInfSeq->pInfoAA[i].Isbreaker = pInfSeq->Sequence[i] == 'P';
}

int PrepColorPropSeq(pInfoSequence pInfSeq,
                     const unsigned int *TxtClr,
                     const unsigned int *BkClr)
{
    int i;

    for (i = 0; i < pInfSeq->TailleSeq; i++) {
        pINFOAA pAA = &pInfSeq->pInfoAA[i];
        unsigned int nTxt = TxtClr != NULL ? TxtClr[i] : 0;
        unsigned int nBk = BkClr != NULL ? BkClr[i] : 1;

        /* The records keep colour values, not indices, so that a printout
           can recolour its own copy. An index that names no colour (the
           arrays come from the caller) draws as the defaults, black on
           white, rather than reading past the table. */
        pAA->CouleurAA = nTxt < NBCOULEURS ? TABCOLOR[nTxt] : HCA_NOIR;
        pAA->CouleurFond = nBk < NBCOULEURS ? TABCOLOR[nBk] : HCA_BLANC;
        pAA->PhiPho = ClasseHydro(pInfSeq->Sequence[i]);
    }
    return 1;
}

/* ---- Helpers of the cluster search ------------------------------------ */

int IsProline(int a, int b, const InfoSequence *pInfSeq)
{
    int lo = a < b ? a : b;
    int hi = a < b ? b : a;
    int i;

    if (lo < 0)
        lo = 0;
    if (hi > pInfSeq->TailleSeq)
        hi = pInfSeq->TailleSeq;
    for (i = lo; i < hi; i++)
        if (pInfSeq->pInfoAA[i].Isbreaker)
            return 1;
    return 0;
}

int IsInTableau(const unsigned int *tab, int nDernier, unsigned int val)
{
    int i;

    for (i = 0; i <= nDernier; i++)
        if (tab[i] == val)
            return 1;
    return 0;
}

unsigned int MaxTableau(const unsigned int *tab, int nDernier)
{
    unsigned int nMax = 0;
    int i;

    for (i = 0; i <= nDernier; i++)
        if (tab[i] > nMax)
            nMax = tab[i];
    return nMax;
}

int _TriDuTableau(const void *a, const void *b)
{
    unsigned int x = *(const unsigned int *)a;
    unsigned int y = *(const unsigned int *)b;

    return x < y ? -1 : x > y ? 1 : 0;
}

int IsDebutZigZag(int j, const InfoSequence *pInfSeq)
{
    const INFOAA *pAA = pInfSeq->pInfoAA;

    if (j < 1 || j + 3 >= pInfSeq->TailleSeq)
        return 0;
    return pAA[j].PhiPho && pAA[j + 2].PhiPho && !pAA[j - 1].PhiPho
        && !pAA[j + 1].PhiPho && !pAA[j + 3].PhiPho;
}

int IsZigZag(int from, int to, const InfoSequence *pInfSeq)
{
    int j;

    for (j = from; j <= to; j++)
        if (IsDebutZigZag(j, pInfSeq))
            return 1;
    return 0;
}

/* Counts of breakers before each index: entry i is the number of breakers
   among residues 0..i-1 (TailleSeq+1 entries), so that "a breaker in
   [lo, hi)" costs two reads however far apart lo and hi are. NULL when
   memory fails (reported). */
static unsigned int *CompteRupteurs(const InfoSequence *pInfSeq)
{
    unsigned int n = (unsigned)pInfSeq->TailleSeq;
    unsigned int *pnCompte;
    unsigned int i;

    pnCompte = (unsigned int *)AlloueBloc(TailleBloc(n + 1, sizeof(unsigned int)));
    if (pnCompte == NULL)
        return NULL;
    for (i = 0; i < n; i++)
        pnCompte[i + 1] = pnCompte[i] + (pInfSeq->pInfoAA[i].Isbreaker ? 1u : 0u);
    return pnCompte;
}

/* 1 when a breaker lies at an index in [min(a,b), max(a,b)); indices are
   within the sequence. */
static int RupteurEntre(const unsigned int *pnCompte, int a, int b)
{
    int lo = a < b ? a : b;
    int hi = a < b ? b : a;

    return pnCompte[hi] != pnCompte[lo];
}

static int EstHydro(const InfoSequence *pInfSeq, int i)
{
    return i >= 0 && i < pInfSeq->TailleSeq && pInfSeq->pInfoAA[i].PhiPho;
}

/* 1 when residues a and b are linked. Indices outside the sequence are
   neither hydrophobic nor breakers. */
static int SontLies(const InfoSequence *pInfSeq,
                    const unsigned int *pnCompte,
                    int a,
                    int b)
{
    if (a == b || !EstHydro(pInfSeq, a) || !EstHydro(pInfSeq, b))
        return 0;
    /* Breakers strictly between: [min+1, max). */
    return !RupteurEntre(pnCompte, (a < b ? a : b) + 1, a < b ? b : a);
}

/* Makes room for one more unsigned int in *ppTab (capacity *pnCap
   entries, nUsed of them in use). 0 when memory fails (reported; the
   table stays as it was). */
static int AgranditTableau(unsigned int **ppTab,
                           unsigned int *pnCap,
                           unsigned int nUsed,
                           unsigned int nParEntree)
{
    unsigned int nNew, cb;
    unsigned int *p;

    if (nUsed < *pnCap)
        return 1;
    nNew = *pnCap < 8 ? 8 : *pnCap * 2;
    if (nNew <= *pnCap)
        nNew = *pnCap + 1;
    cb = TailleBloc(nNew, nParEntree * sizeof(unsigned int));
    if (cb == 0) {
        OsMemoryNotice(szMemNoReAlloc);
        return 0;
    }
    p = (unsigned int *)MyReAlloc(*ppTab, cb);
    if (p == NULL)
        return 0;
    *ppTab = p;
    *pnCap = nNew;
    return 1;
}

/* ---- Cluster search --------------------------------------------------- */

/* Grows the cluster that starts at hydrophobic residue nDebut into
   pMembres (count in *pnMembres). bMembre flags the members. 0 when the
   member list cannot grow. */
static int CroissanceAmas(const InfoSequence *pInfSeq,
                          const unsigned int *pnCompte,
                          int nDebut,
                          unsigned int **ppMembres,
                          unsigned int *pnCapMembres,
                          unsigned int *pnMembres,
                          unsigned char *bMembre)
{
    int n = pInfSeq->TailleSeq;
    unsigned int k = 0;
    int nPlusGrand = nDebut;

    (*ppMembres)[0] = (unsigned)nDebut;
    *pnMembres = 1;
    bMembre[nDebut] = 1;
    for (;;) {
        int m, nDernier;

        /* Expand every member, the new ones included. */
        for (; k < *pnMembres; k++) {
            int nMembre = (int)(*ppMembres)[k];
            int d;

            for (d = 0; d < 6; d++) {
                int c = nMembre + DecalVoisins[d];

                if (c < 0 || c >= n || bMembre[c] || !pInfSeq->pInfoAA[c].PhiPho
                    || RupteurEntre(pnCompte, nMembre, c))
                    continue;
                if (!AgranditTableau(ppMembres, pnCapMembres, *pnMembres, 1))
                    return 0;
                (*ppMembres)[(*pnMembres)++] = (unsigned)c;
                bMembre[c] = 1;
                if (c > nPlusGrand)
                    nPlusGrand = c;
            }
        }
        /* Residues two apart are not neighbours on the net but belong to
           the same face of the helix: join the one after the rightmost
           member, unless a breaker stands in the way. */
        m = nPlusGrand + 2;
        nDernier = (int)(*ppMembres)[*pnMembres - 1];
        if (m >= n || !pInfSeq->pInfoAA[m].PhiPho || RupteurEntre(pnCompte, m, nDernier))
            return 1;
        if (!AgranditTableau(ppMembres, pnCapMembres, *pnMembres, 1))
            return 0;
        (*ppMembres)[(*pnMembres)++] = (unsigned)m;
        bMembre[m] = 1;
        nPlusGrand = m;
    }
}

int ClusterCreation(pInfoSequence pInfSeq)
{
    int n = pInfSeq->TailleSeq;
    unsigned int *pnCompte = NULL;
    unsigned char *bMembre = NULL;
    unsigned int *pMembres = NULL;
    unsigned int nCapMembres = 8, nMembres = 0, nCapAmas = 0;
    int nResult = 0;
    int i;

    pInfSeq->nAmas = 0;
    if (n <= 0)
        return 1;
    if ((pnCompte = CompteRupteurs(pInfSeq)) == NULL
        || (bMembre = (unsigned char *)MyAlloc((unsigned)n)) == NULL
        || (pMembres = (unsigned int *)MyAlloc(nCapMembres * sizeof(unsigned int))) == NULL)
        goto out;

    i = 0;
    while (i < n) {
        unsigned int *pEntree;
        unsigned int nPremier, nDernier, j;

        if (!pInfSeq->pInfoAA[i].PhiPho) {
            i++;
            continue;
        }
        if (!CroissanceAmas(pInfSeq, pnCompte, i, &pMembres, &nCapMembres,
                            &nMembres, bMembre))
            goto out;
        qsort(pMembres, nMembres, sizeof(unsigned int), _TriDuTableau);
        nPremier = pMembres[0];
        nDernier = pMembres[nMembres - 1];
        for (j = 0; j < nMembres; j++)
            bMembre[pMembres[j]] = 0;

        if (!AgranditTableau(&pInfSeq->TableauAmas, &nCapAmas, pInfSeq->nAmas,
                             AMAS_NCHAMPS))
            goto out;
        pEntree = pInfSeq->TableauAmas + pInfSeq->nAmas * AMAS_NCHAMPS;
        pInfSeq->nAmas++;
        pEntree[AMAS_NUMERO] = pInfSeq->nAmas;
        pEntree[AMAS_DEBUT] = nPremier;
        pEntree[AMAS_FIN] = nDernier;
        pEntree[AMAS_ZIGZAG] = (unsigned)IsZigZag(nPremier > 1 ? (int)nPremier : 1,
                                                  (int)nDernier, pInfSeq);
        /* Hydrophobic residues inside the span that the cluster did not
           take never start a cluster of their own. */
        i = (int)nDernier + 1;
    }
    nResult = 1;

out:
    MyFree(pMembres);
    MyFree(bMembre);
    MyFree(pnCompte);
    return nResult;
}

/* ---- Contour-edge bits ------------------------------------------------ */

int CalculTableauBits(pInfoSequence pInfSeq)
{
    unsigned int *pnCompte;
    int n;

    if (pInfSeq->TailleSeq <= 0)
        return 1;
    pnCompte = CompteRupteurs(pInfSeq);
    if (pnCompte == NULL)
        return 0;
    for (n = 0; n < pInfSeq->TailleSeq; n++) {
        int bHydro = pInfSeq->pInfoAA[n].PhiPho;
        unsigned char bits = 0;
        int e;

        for (e = 0; e < 6; e++) {
            int a = n + VoisinsArete[e][0];
            int b = n + VoisinsArete[e][1];
            int bTrace;

            /* A hydrophobic cell is closed towards neighbours it is not
               linked to; any other cell carries the edge across which two
               of its neighbours are linked. */
            if (bHydro)
                bTrace = !SontLies(pInfSeq, pnCompte, n, a)
                      && !SontLies(pInfSeq, pnCompte, n, b);
            else
                bTrace = SontLies(pInfSeq, pnCompte, a, b);
            if (bTrace)
                bits |= (unsigned char)(1u << e);
        }
        pInfSeq->pInfoAA[n].TabHydro = bits;
    }
    MyFree(pnCompte);
    return 1;
}

/* ---- Zig-zag table ---------------------------------------------------- */

int CalcAAZigZag(pInfoSequence pInfSeq)
{
    unsigned int nCap = 0;
    unsigned int c;

    pInfSeq->nZigZag = 0;
    for (c = 0; c < pInfSeq->nAmas; c++) {
        const unsigned int *pEntree = pInfSeq->TableauAmas + c * AMAS_NCHAMPS;
        int j;

        if (!pEntree[AMAS_ZIGZAG])
            continue;
        for (j = pEntree[AMAS_DEBUT] > 1 ? (int)pEntree[AMAS_DEBUT] : 1;
             j <= (int)pEntree[AMAS_FIN]; j++) {
            if (!IsDebutZigZag(j, pInfSeq))
                continue;
            if (!AgranditTableau(&pInfSeq->TableauZigZag, &nCap, pInfSeq->nZigZag, 1))
                return 0;
            pInfSeq->TableauZigZag[pInfSeq->nZigZag++] = (unsigned)j + 1;
        }
    }
    return 1;
}

int PrepClusterSeq(pInfoSequence pInfSeq, const GraphObjData *pGrObj)
{
    if (!ClusterCreation(pInfSeq) || !CalculTableauBits(pInfSeq)
        || !CalcAAZigZag(pInfSeq))
        return 0;
    if (pGrObj != NULL)
        CreePolyUni(pInfSeq, *pGrObj);
    return 1;
}

/* ---- Scale numbers ---------------------------------------------------- */

int AssignedEchelleRel(int nDebut, int nPremier, pInfoSequence pInfSeq)
{
    long long nCompteur = nPremier;
    int i;

    for (i = nDebut > 0 ? nDebut : 0; i < pInfSeq->TailleSeq; i++) {
        unsigned char c = (unsigned char)pInfSeq->Sequence[i];

        if (nCompteur == 0)
            nCompteur = 1;
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
            pInfSeq->pInfoAA[i].ValeurEchRel = (int)nCompteur;
            /* A number past the int range would wrap; the scale stops
               there instead. */
            if (nCompteur < INT_MAX)
                nCompteur++;
        } else {
            pInfSeq->pInfoAA[i].ValeurEchRel = -1;
        }
    }
    return 1;
}

/* ---- Whole preparation of a row --------------------------------------- */

/* Copies szSrc into the field szDst of cchDst bytes, cut to fit. */
static void CopieChamp(char *szDst, size_t cchDst, const char *szSrc)
{
    size_t n = szSrc != NULL ? strlen(szSrc) : 0;

    if (n > cchDst - 1)
        n = cchDst - 1;
    if (n > 0)
        memcpy(szDst, szSrc, n);
    szDst[n] = '\0';
}

pInfoSequence PrepSequenceHCA(const char *szRow,
                              const unsigned int *TxtClr,
                              const unsigned int *BkClr,
                              int nPremier,
                              const char *szName,
                              const char *szWorkDir,
                              const GraphObjData *pGrObj)
{
    pInfoSequence pInfSeq;
    size_t cch = strlen(szRow);

    if (cch >= (size_t)INT_MAX) {
        OsMemoryNotice(szMemNoAlloc);
        return NULL;
    }
    pInfSeq = InitPtrInfoSeq((int)cch);
    if (pInfSeq == NULL)
        return NULL;
    memcpy(pInfSeq->Sequence, szRow, cch + 1);
    pInfSeq->TailleSeq = (int)cch;
    CopieChamp(pInfSeq->SeqName, sizeof pInfSeq->SeqName, szName);
    CopieChamp(pInfSeq->ConfigFile, sizeof pInfSeq->ConfigFile, "HALYARD");
    CopieChamp(pInfSeq->szPathFile, sizeof pInfSeq->szPathFile, szWorkDir);
    pInfSeq->StartAffich = 0;
    pInfSeq->StopAffich = (int)cch - 1;
    pInfSeq->LengthAffich = (int)cch;

    AssigneRupteur(pInfSeq);
    PrepColorPropSeq(pInfSeq, TxtClr, BkClr);
    if (!PrepClusterSeq(pInfSeq, pGrObj)) {
        FreeDataSequence(pInfSeq);
        return NULL;
    }
    AssignedEchelleRel(0, nPremier, pInfSeq);
    if (pGrObj != NULL)
        CalcCoordAADiag(pInfSeq, *pGrObj);
    return pInfSeq;
}
