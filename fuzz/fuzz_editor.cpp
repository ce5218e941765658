/* Fuzz target: the editor's model. A small made-up report is read, its
 * HSPs selected by the input, and the editor loaded from it; then the
 * rest of the input is a sequence of commands: the three character edits,
 * remove, merge, move, rename, consensus, the copies for the pattern
 * finder, MSF writes and fresh loads under another selection. After each
 * one every row must still be whole.
 */
#include <string.h>

#include "colors.h"
#include "fuzzutil.h"
#include "mulbla.h"

static char szRapport[HL_MAX_PATH], szIndex[HL_MAX_PATH], szMsf[HL_MAX_PATH];

/* The rows' invariants: nSeq rows as long as the query, then NULL
   entries up to the size the table was allocated with. */
static void VerifieLignes(const MulBlaData *p, int nAlloue)
{
    VERIFIE(p->nSeq >= 0 && p->nSeq <= nAlloue);
    VERIFIE(strlen(p->szConsensus) == (size_t)p->nTaille);
    for (int r = 0; r < nAlloue; r++) {
        const MulBlaSeq *s = p->pSeqMul[r];
        if (r >= p->nSeq) {
            VERIFIE(s == NULL);
            continue;
        }
        VERIFIE(s != NULL);
        VERIFIE(strlen(s->szSeq) == (size_t)p->nTaille && strlen(s->szComp) == (size_t)p->nTaille);
        VERIFIE(memchr(s->szName, '\0', sizeof s->szName) != NULL);
        for (int c = 0; c < p->nTaille; c++)
            VERIFIE(s->SeqTxtClr[c] < NBCOULEURS && s->SeqBkClr[c] < NBCOULEURS);
    }
    for (int c = 0; c < p->nTaille; c++) {
        char k = p->szConsensus[c];
        VERIFIE(k == '.' || k == '?' || (k >= 'A' && k <= 'Z'));
    }
}

static void Reselectionne(Octets &in, pDataGeneralPrg pData)
{
    for (unsigned h = 0; h < pData->nAlign; h++)
        for (unsigned k = 0; k < pData->pHSPResultat[h]->unHSP; k++)
            pData->pHSPResultat[h]->nHSPselected[k] = (int)(in.Octet() & 1);
}

/* One command; false once the input is spent. */
static bool Commande(Octets &in, pDataGeneralPrg pData, pMulBlaData &p, int &nAlloue)
{
    static const char szCar[] = "ACDEFGHIKLMNPQRSTVWYX.-*";
    if (in.n == 0)
        return false;
    unsigned nOp = in.Sous(11);
    if (p == NULL && nOp != 10)
        return true;
    int nCol = p != NULL ? (int)in.Sous((unsigned)p->nTaille + 3) : 0;
    int nRow = p != NULL ? (int)in.Sous((unsigned)p->nSeq + 3) : 0;
    char ch = szCar[in.Sous(sizeof szCar - 1)];

    switch (nOp) {
    case 0: EcraseCaractere(p, nCol, nRow, ch); break;
    case 1: InsereCaractere(p, nCol, nRow, ch); break;
    case 2: EffaceCaractere(p, nCol, nRow); break;
    case 3: RemoveSequence(p, nRow - 1); break;
    case 4: MergeSequence(p, nRow - 1); break;
    case 5: MoveSequence(p, nRow, in.Octet() & 1 ? 1 : -1); break;
    case 6: {
        std::string sNom = in.Texte(24);
        char szAncien[11];
        VERIFIE(RenommeSequence(p, nRow, sNom.c_str()) == (!sNom.empty() && nRow >= 1 && nRow <= p->nSeq));
        if (nRow >= 1 && nRow <= p->nSeq)
            AncienNomSequence(p->pSeqMul[nRow - 1], szAncien);
        break;
    }
    case 7:
        CreeConsensus(p, p->szConsensus, (int)in.Sous((unsigned)p->nSeq + 2),
                      (int)in.Sous((unsigned)p->nSeq + 2));
        break;
    case 8: {
        char **ppSeq = NULL, **ppNom = NULL;
        VERIFIE(CopieSequences(p, &ppSeq, &ppNom) == 1);
        for (int i = 0; i < p->nSeq; i++) {
            VERIFIE(strcmp(ppSeq[i], p->pSeqMul[i]->szSeq) == 0);
            MyFree(ppSeq[i]);
            MyFree(ppNom[i]);
        }
        MyFree(ppSeq);
        MyFree(ppNom);
        break;
    }
    case 9: {
        int n = 50 + 10 * (int)in.Sous(11), nFin = nCol + (int)in.Sous(60);
        OsNoticeLogClear();
        int nRet = SauveMSF(p, n, szMsf, nCol, 1 + (int)in.Sous(9), nFin, (int)(in.Octet() & 1), NULL);
        /* A range inside the rows is always written here; one outside
           is refused without a word. */
        VERIFIE(nRet == (nFin < p->nTaille ? 1 : 0));
        VERIFIE(OsNoticeLog().empty());
        break;
    }
    case 10: {
        VirePointMulBla(p);
        Reselectionne(in, pData);
        unsigned nCount = 0;
        OsNoticeLogClear();
        p = ChargeMulBla(pData, NULL, NULL, &nCount);
        VERIFIE(p == NULL || nCount > 0);
        nAlloue = p != NULL ? p->nSeq : 0;
        break;
    }
    }
    if (p != NULL)
        VerifieLignes(p, nAlloue);
    return true;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *pBytes, size_t cb)
{
    Octets in = {pBytes, cb};

    FichierTemp(szRapport, "HFR");
    FichierTemp(szIndex, "HFI");
    FichierTemp(szMsf, "HFE");
    OsNoticeLogClear();
    pDataGeneralPrg pData = DocumentFuzz(in, szRapport, szIndex);
    if (pData == NULL)
        return 0;
    unsigned nCount = 0;
    pMulBlaData p = ChargeMulBla(pData, NULL, NULL, &nCount);
    VERIFIE(p == NULL || nCount > 0);
    int nAlloue = p != NULL ? p->nSeq : 0;
    if (p != NULL) {
        VERIFIE(p->nSeq == (int)nCount + 1 && p->nTaille == pData->FichierBlast.TailleQuery);
        VerifieLignes(p, nAlloue);
    }
    for (int nPas = 0; nPas < 200 && Commande(in, pData, p, nAlloue); nPas++)
        ;
    VirePointMulBla(p);
    FreeDataProgram(pData);
    return 0;
}
