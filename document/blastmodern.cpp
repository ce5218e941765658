/* blastmodern.cpp: the newer dialect of BLAST text reports, printed by
 * NCBI BLAST from 2.0 on (blastall) and by BLAST+ (-outfmt 0).
 *
 * Divisions: recognising the dialect; the census of the queries (a report
 * may hold several); the header of the chosen query; its hits, HSPs and
 * triples, written to the HSP index file as the older dialect's are, so
 * that the loader and every tool read them unchanged.
 *
 * How the dialect differs: "Length=" on a line of its own after "Query="
 * and after each ">" block (blastall keeps "(N letters)" and
 * "Length = N"); score lines in bits with an E-value and only two "="
 * (" Score = 73.8 bits (37), Expect = 1e-19"); "Query  1  ..." without a
 * colon; no "Parameters:" line, each query ending in its statistics
 * ("Lambda") or at the next "Query=".
 */
#include "blastmodern.h"

#include <ctype.h>
#include <limits.h>
#include <stdio.h>
#include <string.h>

#include "blastlec.h"
#include "halyardrc.h"
#include "memory.h"

/* ---- Lines ------------------------------------------------------------- */

/* The next line, upper-cased. *pbDebut is false when it is the rest of a
   line longer than the buffer: only whole lines are told apart by how
   they start. */
static bool LigneLue(pLecteur pLec, bool *pbDebut)
{
    *pbDebut = pLec->nFin != FIN_MORCEAU;
    if (!LigneSuivante(pLec))
        return false;
    Majuscules(pLec->szLigne);
    return true;
}

static bool Commence(const char *sz, const char *szDebut)
{
    return strncmp(sz, szDebut, strlen(szDebut)) == 0;
}

/* A word ends at a blank, a control character or above 127. */
static bool FinMot(unsigned char c) { return c <= ' ' || c > 127; }
/* An E-value ends at a blank or at the comma before "Method:". */
static bool FinValeur(unsigned char c) { return isspace(c) || c == ','; }

/* The line that names the program and its version: "BLASTP 2.12.0+",
   "BLASTX 2.2.22 [Sep-27-2009]". NCBI's versions from 2.0 on print the
   newer report; 1.4 ("BLASTP 1.4.11"), WU-BLAST ("BLASTP 2.0a19MP-WashU",
   "BLASTN 2.0MP-WashU") and MEGABLAST 1.4 print the older one. */
static bool EstLigneProgramme(const char *sz)
{
    const char *p = sz;
    unsigned nMajeur = 0, nPoints = 0;
    bool bBlast = false;

    for (; *p >= 'A' && *p <= 'Z'; p++)
        bBlast |= Commence(p, "BLAST");
    if (!bBlast || *p++ != ' ' || !isdigit((unsigned char)*p))
        return false;
    for (; isdigit((unsigned char)*p); p++)
        nMajeur = nMajeur < 1000 ? nMajeur * 10 + (unsigned)(*p - '0') : nMajeur;
    for (; *p == '.' && isdigit((unsigned char)p[1]); nPoints++)
        for (p++; isdigit((unsigned char)*p); p++)
            ;
    return nMajeur >= 2 && nPoints == 2 &&
           (*p == '+' || *p == ' ' || *p == '\n' || *p == '\0');
}

bool EstRapportModerne(pLecteur pLec)
{
    bool bModerne = false, bDebut;

    pLec->nFin = FIN_LF;
    while (!bModerne && LigneLue(pLec, &bDebut)) {
        if (strstr(pLec->szLigne, "QUERY=") != NULL)
            break;
        bModerne = bDebut && EstLigneProgramme(pLec->szLigne);
    }
    fseek(pLec->pBlast, 0, SEEK_SET);
    pLec->nFin = FIN_LF;
    return bModerne;
}

/* The number of "LENGTH=98" or "LENGTH = 1,641": the digits after the
   "=", commas between them skipped, into szTexte (cbTexte bytes, cut to
   fit) and as a value saturating at INT_MAX. False when there is none. */
static bool NombreApresEgal(const char *sz, char *szTexte, size_t cbTexte, int *pnValeur)
{
    const char *p = strchr(sz, '=');
    unsigned long long n = 0;
    size_t nTexte = 0;

    if (p == NULL)
        return false;
    p = SauteBlancs(p + 1);
    if (!isdigit((unsigned char)*p))
        return false;
    for (; isdigit((unsigned char)*p) || (*p == ',' && isdigit((unsigned char)p[1])); p++) {
        if (*p == ',')
            continue;
        n = n * 10 + (unsigned)(*p - '0');
        if (n > INT_MAX)
            n = INT_MAX;
        if (nTexte + 1 < cbTexte)
            szTexte[nTexte++] = *p;
    }
    if (cbTexte > 0)
        szTexte[nTexte] = '\0';
    *pnValeur = (int)n;
    return true;
}

/* A hit block starts with ">" ("> " in some versions) or, for a search
   of two sequences, "Subject=". */
static bool EstLigneHit(const char *sz)
{
    return sz[0] == '>' || Commence(sz, "SUBJECT=");
}

/* ---- Census of the queries ----------------------------------------------- */

/* Reads the whole report and lists its queries: where each starts, its
   database line, name, length and number of hit blocks. False when
   memory is exhausted (already reported). */
static bool RecenseRequetes(pLecteur pLec, pRequeteBlast *ppListe, unsigned *pnRequetes)
{
    pRequeteBlast pListe = NULL;
    unsigned n = 0, nPlace = 0;
    long lBase = -1;
    bool bDebut, bLongueur = false;

    *ppListe = NULL;
    *pnRequetes = 0;
    fseek(pLec->pBlast, 0, SEEK_SET);
    pLec->nFin = FIN_LF;
    for (long lLigne = 0; LigneLue(pLec, &bDebut); lLigne = ftell(pLec->pBlast)) {
        const char *sz = pLec->szLigne;
        pRequeteBlast pR = n > 0 ? &pListe[n - 1] : NULL;

        if (!bDebut)
            continue;
        if (Commence(sz, "QUERY=")) {
            if (n == nPlace) {
                unsigned nNouv = nPlace < 16 ? 16 : nPlace * 2;
                void *p = nNouv > UINT_MAX / sizeof(RequeteBlast) ? NULL
                          : pListe == NULL ? MyAlloc(nNouv * (unsigned)sizeof(RequeteBlast))
                                           : MyReAlloc(pListe, nNouv * (unsigned)sizeof(RequeteBlast));
                if (p == NULL) {
                    if (nNouv > UINT_MAX / sizeof(RequeteBlast))
                        OsMemoryNotice(szMemNoAlloc);
                    MyFree(pListe);
                    return false;
                }
                pListe = (pRequeteBlast)p;
                nPlace = nNouv;
            }
            pR = &pListe[n++];
            pR->lDebut = ftell(pLec->pBlast);
            pR->lBase = lBase;
            pR->nLongueur = -1;
            CopieJusque(pR->szNom, sizeof pR->szNom, SauteBlancs(sz + 6), FinMot);
            bLongueur = true;
        } else if (Commence(sz, "DATABASE:")) {
            /* BLAST+ names the database once before the queries, blastall
               after each query. */
            lBase = lLigne;
            if (pR != NULL && pR->nHits == 0)
                pR->lBase = lLigne;
        } else if (pR == NULL) {
            continue;
        } else if (EstLigneHit(sz)) {
            pR->nHits++;
            bLongueur = false;
        } else if (bLongueur && Commence(sz, "LENGTH=")) {
            char szInutile[2];
            bLongueur = !NombreApresEgal(sz, szInutile, sizeof szInutile, &pR->nLongueur);
        } else if (bLongueur && strstr(sz, "LETTERS") != NULL) {
            /* blastall: "(1,002 letters)" below the query's description. */
            bLongueur = !NombreEntreParentheses(sz, &pR->nLongueur);
        } else if (strstr(sz, "SEQUENCES PRODUCING") != NULL) {
            bLongueur = false;
        } else if (strstr(sz, "NO HITS FOUND") != NULL) {
            pR->bAucun = true;
        }
    }
    *ppListe = pListe;
    *pnRequetes = n;
    return true;
}

unsigned ListeRequetesBlast(const char *szPath, pRequeteBlast *ppListe)
{
    Lecteur lec;
    unsigned n = 0;

    *ppListe = NULL;
    memset(&lec, 0, sizeof lec);
    lec.pBlast = fopen(szPath, "rb");
    if (lec.pBlast == NULL)
        return 0;
    if (EstRapportModerne(&lec) && RecenseRequetes(&lec, ppListe, &n) && n == 0) {
        MyFree(*ppListe);
        *ppListe = NULL;
    }
    fclose(lec.pBlast);
    return n;
}

/* ---- The chosen query ------------------------------------------------------ */

/* Name, length and database of the query. LB_OK, or LB_BADFORMAT when
   the report gives no length. */
static int EnteteModerne(pLecteur pLec, pDataBlastFile pFich, const RequeteBlast *pR)
{
    CopieBornee(pFich->szQuerySeqName, sizeof pFich->szQuerySeqName, pR->szNom);
    if (pR->lBase >= 0) {
        /* As the older dialect: "DATABASE:" line without its line end,
           one blank, the next line without its leading blanks. */
        char szTexte[256];
        size_t n;

        fseek(pLec->pBlast, pR->lBase, SEEK_SET);
        pLec->nFin = FIN_LF;
        if (LigneSuivante(pLec)) {
            Majuscules(pLec->szLigne);
            CopieBornee(szTexte, sizeof szTexte, pLec->szLigne);
            n = strlen(szTexte);
            if (n > 0 && (szTexte[n - 1] == '\n' || pLec->nFin == FIN_CR))
                szTexte[--n] = '\0';
            if (LigneSuivante(pLec) && n + 1 < sizeof szTexte) {
                szTexte[n] = ' ';
                CopieBornee(szTexte + n + 1, sizeof szTexte - n - 1, SauteBlancs(pLec->szLigne));
            }
            CopieBornee(pFich->szDataBankInfo, sizeof pFich->szDataBankInfo,
                        SauteBlancs(strchr(szTexte, ':') + 1));
        }
    }
    if (pR->nLongueur < 0)
        return LB_BADFORMAT;
    pFich->TailleQuery = pR->nLongueur;
    snprintf(pFich->szQuerySeqInfo, sizeof pFich->szQuerySeqInfo, "(%u lettres)",
             (unsigned)pFich->TailleQuery);
    return LB_OK;
}

/* The lines that end a query's report: its statistics, the statistics of
   the whole search, the next query, or (blastall) the next report. */
static bool EstFinRequete(const char *sz)
{
    return Commence(sz, "QUERY=") || Commence(sz, "LAMBDA ") ||
           Commence(sz, "EFFECTIVE SEARCH SPACE") ||
           (sz[0] == ' ' && Commence(SauteBlancs(sz), "DATABASE:")) || EstLigneProgramme(sz);
}

/* A hit line: the next hit, if the census counted it. */
static void HitModerne(pLecteur pLec, Passe *pP, void *hProg)
{
    char *sz = pLec->szLigne;
    size_t n = strlen(sz);
    const char *pNom = SauteBlancs(sz + (sz[0] == '>' ? 1 : strlen("SUBJECT=")));
    const char *pBlanc;

    pP->bDescr = pP->h < pP->nCompte;
    if (!pP->bDescr) {
        pP->pHit = NULL;
        return;
    }
    pP->pHit = pP->ppHits[pP->h++];
    pP->k = 0;
    OsProgressStep(hProg);
    /* Pieces of the description end in one blank, as in the older
       dialect (BLAST+ ends a wrapped line with a blank of its own). */
    if (n > 0 && sz[n - 1] == '\n') {
        while (n > 1 && isspace((unsigned char)sz[n - 2]))
            n--;
        sz[n - 1] = ' ';
        sz[n] = '\0';
    }
    CopieJusque(pP->pHit->szAccessNb, sizeof pP->pHit->szAccessNb, pNom, FinMot);
    pBlanc = strchr(pNom, ' ');
    if (pBlanc != NULL)
        CopieBornee(pP->pHit->szAccessName, sizeof pP->pHit->szAccessName,
                    SauteBlancs(pBlanc + 1));
}

/* " SCORE = 170 BITS (430),  EXPECT = 7E-59, METHOD: ...": the hit list
   shows the first HSP's bit score and E-value ("EXPECT(2) =" too). */
static int HspModerne(pLecteur pLec, Passe *pP)
{
    const char *sz = pLec->szLigne;

    if (pP->pHit == NULL)
        return LB_OK;
    if (pP->k == 0) {
        const char *pExpect = strstr(sz, "EXPECT");
        const char *pEgal = pExpect != NULL ? strchr(pExpect, '=') : NULL;

        CopieJusque(pP->pHit->szHighScore, sizeof pP->pHit->szHighScore,
                    SauteBlancs(strchr(sz, '=') + 1), EstEspace);
        if (pEgal != NULL)
            CopieJusque(pP->pHit->szProb, sizeof pP->pHit->szProb, SauteBlancs(pEgal + 1),
                        FinValeur);
    }
    return EcritBlocHsp(pLec, pP);
}

/* A query or subject line of a triple, as read. */
typedef struct tagLigneSeq {
    unsigned nDebut, nFin; /* its coordinates                          */
    int      nSeg, cbSeg;  /* where its segment starts, and its length */
} LigneSeq;

/* "QUERY  24   KVYA...  83", "SBJCT: 14 ... 73". A segment of gaps only
   comes without coordinates ("QUERY        -----"): it stands where the
   previous one of its row stopped, nDernier. */
static bool LitLigneSequence(const char *sz, unsigned nDernier, LigneSeq *pL)
{
    int nDebut = 0, nFin = 0;

    if (sscanf(sz, "%*s %u %n%*s%n %u", &pL->nDebut, &nDebut, &nFin, &pL->nFin) != 2) {
        nDebut = nFin = 0;
        sscanf(sz, "%*s %n%*s%n", &nDebut, &nFin);
        if (nFin <= nDebut || strspn(sz + nDebut, "-") != (size_t)(nFin - nDebut))
            return false;
        pL->nDebut = pL->nFin = nDernier;
    }
    pL->nSeg = nDebut;
    pL->cbSeg = nFin - nDebut;
    return true;
}

/* Where the loader takes the match line from: from the query line's ":"
   it steps over every character that sorts before "A", which includes
   the gaps and stops a segment may open with. */
static int ColonneDuChargeur(const char *sz)
{
    int n = (int)(strchr(sz, ':') - sz);

    while (sz[n] != '\0' && (unsigned char)sz[n] < 'A')
        n++;
    return n;
}

/* Writes "QUERY: a SEGMENT b" or "SBJCT: ...", the segment cut so that
   the line stays within the index file's lines; the line written is left
   in szLigne. */
static void EcritSequence(FILE *pSortie, const char *szNom, const char *sz, const LigneSeq *pL,
                          char *szLigne)
{
    int nFixe = snprintf(NULL, 0, "%s %u  %u\n", szNom, pL->nDebut, pL->nFin);
    int cbSeg = pL->cbSeg;

    if (cbSeg > TAILLELIGNE - 1 - nFixe)
        cbSeg = TAILLELIGNE - 1 - nFixe;
    snprintf(szLigne, TAILLELIGNE, "%s %u %.*s %u\n", szNom, pL->nDebut, cbSeg < 0 ? 0 : cbSeg,
             sz + pL->nSeg, pL->nFin);
    EcritLigne(pSortie, szLigne, FIN_LF);
}

/* An alignment triple: query line, match line, subject line, written as
   the older dialect's ("QUERY:", "SBJCT:") with the match line placed
   where the loader reads it. aDernier holds where the HSP's query and
   subject rows stopped so far. A triple cut short by the end of the
   report ends the read (LB_INCOMPLETE, no notice); one that cannot be
   read is passed over. */
static int TripletModerne(pLecteur pLec, Passe *pP, unsigned aDernier[2])
{
    char szQuery[TAILLELIGNE], szMatch[TAILLELIGNE], szLigne[TAILLELIGNE];
    LigneSeq q, sujet;

    if (pP->pHit == NULL || pP->k == 0 || pLec->nFin == FIN_MORCEAU ||
        !LitLigneSequence(pLec->szLigne, aDernier[0], &q))
        return LB_OK;
    CopieBornee(szQuery, sizeof szQuery, pLec->szLigne);
    if (!LigneSuivante(pLec))
        return LB_INCOMPLETE;
    Majuscules(pLec->szLigne);
    CopieBornee(szMatch, sizeof szMatch, pLec->szLigne);
    if (!Commence(pLec->szLigne, "SBJCT")) {
        if (!LigneSuivante(pLec))
            return LB_INCOMPLETE;
        Majuscules(pLec->szLigne);
    } else {
        szMatch[0] = '\0';
    }
    if (!Commence(pLec->szLigne, "SBJCT") || !LitLigneSequence(pLec->szLigne, aDernier[1], &sujet))
        return LB_OK;
    aDernier[0] = q.nFin;
    aDernier[1] = sujet.nFin;

    EcritSequence(pLec->pSortie, "QUERY:", szQuery, &q, szLigne);
    {
        /* The match characters under the query's segment, from the
           loader's column on, the line cut to the index file's width. */
        int nCol = ColonneDuChargeur(szLigne), nMatch = (int)strlen(szMatch), n = 0;
        char szSortie[TAILLELIGNE];

        while (nMatch > 0 && isspace((unsigned char)szMatch[nMatch - 1]))
            nMatch--;
        memset(szSortie, ' ', sizeof szSortie);
        for (int i = 0; i < q.cbSeg && q.nSeg + i < nMatch && nCol + i < TAILLELIGNE - 2; i++) {
            szSortie[nCol + i] = szMatch[q.nSeg + i];
            n = nCol + i + 1;
        }
        szSortie[n] = '\n';
        szSortie[n + 1] = '\0';
        EcritLigne(pLec->pSortie, szSortie, FIN_LF);
    }
    EcritSequence(pLec->pSortie, "SBJCT:", pLec->szLigne, &sujet, szLigne);
    return LB_OK;
}

/* " SCORE = ..." */
static bool EstLigneScore(const char *sz)
{
    const char *p = SauteBlancs(sz);

    return Commence(p, "SCORE") && *SauteBlancs(p + 5) == '=';
}

/* "QUERY  1 ...", "QUERY: 1 ...", or "QUERY        ----" (a line of gaps
   only has no coordinates). */
static bool EstLigneQuery(const char *sz)
{
    const char *p = sz + 5;

    if (!Commence(sz, "QUERY") || (*p != ' ' && *p != ':'))
        return false;
    p = SauteBlancs(p + 1);
    return isdigit((unsigned char)*p) || *p == '-';
}

/* The hit blocks of the query, from its "Query=" line to its end. */
static int PasseModerne(pLecteur pLec, Passe *pP, void *hProg, bool *pbNoticeFin)
{
    bool bDebut;
    unsigned aDernier[2] = {0, 0};

    *pbNoticeFin = false;
    pLec->nFin = FIN_LF;
    while (LigneLue(pLec, &bDebut)) {
        char *sz = pLec->szLigne;
        int nRes = LB_OK;

        if (!bDebut) {
            if (pP->bDescr)
                SuiteDescription(pLec, pP);
            continue;
        }
        if (EstLigneHit(sz)) {
            HitModerne(pLec, pP, hProg);
            continue;
        }
        if (pP->bDescr) {
            int nLongueur;

            if (Commence(sz, "LENGTH=") || strstr(sz, "LENGTH =") != NULL) {
                pP->bDescr = false;
                if (pP->pHit != NULL)
                    NombreApresEgal(sz, pP->pHit->szLength, sizeof pP->pHit->szLength, &nLongueur);
            } else if (sz[0] != '\n') {
                SuiteDescription(pLec, pP);
            }
            continue;
        }
        if (EstFinRequete(sz))
            return LB_OK;
        if (EstLigneScore(sz))
            nRes = HspModerne(pLec, pP);
        else if (EstLigneQuery(sz))
            nRes = TripletModerne(pLec, pP, aDernier);
        if (nRes != LB_OK)
            return nRes;
    }
    return FinPrematuree(pP, pbNoticeFin);
}

int LitRapportModerne(pLecteur pLec, pDataGeneralPrg pData, Passe *pP, void *hProg,
                      bool *pbNoticeFin)
{
    pDataBlastFile pFich = &pData->FichierBlast;
    pRequeteBlast pListe;
    RequeteBlast req;
    unsigned n;
    int nRes;
    char szNombre[16];

    OsProgressSetText(hProg, IDC_PROG_PASS, "First pass...");
    if (!RecenseRequetes(pLec, &pListe, &n))
        return LB_NOMEMORY;
    pFich->nRequetes = n;
    if (n == 0)
        return LB_NOQUERY;
    if (pFich->nRequete >= n)
        pFich->nRequete = 0;
    req = pListe[pFich->nRequete];
    MyFree(pListe);

    nRes = EnteteModerne(pLec, pFich, &req);
    if (nRes != LB_OK)
        return nRes;
    if (req.nHits == 0)
        return req.bAucun ? LB_NONE : LB_ZERO;
    OsProgressSetText(hProg, IDC_PROG_PASS, "Number of entries:");
    snprintf(szNombre, sizeof szNombre, "%u", req.nHits);
    OsProgressSetText(hProg, IDC_PROG_COUNT, szNombre);

    pP->nCompte = req.nHits;
    pLec->lListe = req.lDebut;
    nRes = PrepareSecondePasse(pLec, pData, pP, hProg);
    if (nRes == LB_OK)
        nRes = PasseModerne(pLec, pP, hProg, pbNoticeFin);
    return nRes;
}
