/* blastread.cpp: acceptance test of a BLAST report, line input, and the
 * two-pass reader that fills the document and writes the HSP index file.
 *
 * Divisions: line input (LitLigne, MYFGETS); small text helpers; the
 * header (query, database, hit list); the two passes; TestFichier.
 *
 * Reports are read in binary mode and line ends are handled here, so that
 * LF, CR LF and lone-CR reports give the same lines on every platform. The
 * index file is written with CR LF line ends on every platform (the bytes
 * a Windows text-mode file holds), and read back by MYFGETS.
 */
#include "blastread.h"

#include <ctype.h>
#include <limits.h>
#include <stdio.h>
#include <string.h>

#include "blastlec.h"
#include "halyardrc.h"
#include "memory.h"

/* ---- Line input ------------------------------------------------------ */

#if defined(_WIN32)
/* The C runtime's fgets takes its lock and a call per character here;
   reading through the stream's buffer directly is several times faster.
   Same contract as the fgets version below. */
int LitLigne(FILE *pFile, int nSize, char *szBuf, int *pnFin)
{
    int nMax = nSize - 1;
    int n = 0;

    *pnFin = FIN_MORCEAU;
    while (n < nMax) {
        int c = _getc_nolock(pFile);

        if (c == EOF) {
            *pnFin = FIN_EOF;
            break;
        }
        if (c == '\r') {
            int cSuivant = _getc_nolock(pFile);

            if (cSuivant == '\n') {
                szBuf[n++] = '\n';
                *pnFin = FIN_LF;
                break;
            }
            if (cSuivant != EOF)
                ungetc(cSuivant, pFile);
            szBuf[n++] = ' ';
            *pnFin = FIN_CR;
            break;
        }
        szBuf[n++] = (char)c;
        if (c == '\n') {
            *pnFin = FIN_LF;
            break;
        }
    }
    szBuf[n] = '\0';
    return (n == 0 && *pnFin == FIN_EOF) ? -1 : n;
}
#else
/* Reads at most nSize-1 characters into szBuf and says how the line
   ended. Returns the number of characters stored, -1 at end of file when
   nothing was read. A CR LF pair counts as one character, as it does
   through a Windows text-mode stream, so a line splits into the same
   pieces whatever its line end.
   fgets does the reading (it is fast everywhere); the buffer is first
   filled with newlines, which fgets never stores but as the last
   character, so the last NUL in it marks the end of what was read even
   when the line holds NUL bytes. */
int LitLigne(FILE *pFile, int nSize, char *szBuf, int *pnFin)
{
    int n;
    char *pCR;

    memset(szBuf, '\n', (size_t)nSize);
    if (fgets(szBuf, nSize, pFile) == NULL) {
        szBuf[0] = '\0';
        *pnFin = FIN_EOF;
        return -1;
    }
    /* fgets stops after a newline: a line ending in one ends there. */
    n = (int)strlen(szBuf);
    if (n == 0 || szBuf[n - 1] != '\n')
        for (n = nSize - 1; n > 0 && szBuf[n] != '\0'; n--)
            ;
    pCR = (char *)memchr(szBuf, '\r', (size_t)n);
    if (pCR == NULL) {
        *pnFin = (n > 0 && szBuf[n - 1] == '\n') ? FIN_LF
                 : n == nSize - 1                  ? FIN_MORCEAU
                                                   : FIN_EOF;
        return n;
    }

    int i = (int)(pCR - szBuf);
    if (i + 1 < n) {
        if (szBuf[i + 1] == '\n') {
            /* CR LF: fgets stopped at the LF. */
            szBuf[i] = '\n';
            szBuf[i + 1] = '\0';
            *pnFin = FIN_LF;
            return i + 1;
        }
        /* A lone CR inside what was read: the rest goes back to the file
           and is read as the next line. */
        fseek(pFile, -(long)(n - i - 1), SEEK_CUR);
    } else {
        /* The CR is the last character read: a LF may follow it. */
        int c = getc(pFile);

        if (c == '\n') {
            szBuf[i] = '\n';
            szBuf[i + 1] = '\0';
            *pnFin = FIN_LF;
            return i + 1;
        }
        if (c != EOF)
            ungetc(c, pFile);
    }
    szBuf[i] = ' ';
    szBuf[i + 1] = '\0';
    *pnFin = FIN_CR;
    return i + 1;
}
#endif

char *MYFGETS(FILE *pFile, int nSize, char *szBuf)
{
    int nFin;

    if (pFile == NULL || szBuf == NULL || nSize < 2)
        return NULL;
    return LitLigne(pFile, nSize, szBuf, &nFin) < 0 ? NULL : szBuf;
}

/* ---- Text helpers ---------------------------------------------------- */

/* Upper-cases ASCII letters in place (bytes above 127 are left alone, as
   in the C locale) and returns the length. */
int Majuscules(char *s)
{
    char *p = s;

    for (; *p; p++)
        if ((unsigned char)(*p - 'a') < 26u)
            *p = (char)(*p - ('a' - 'A'));
    return (int)(p - s);
}

const char *SauteBlancs(const char *s)
{
    while (*s == ' ')
        s++;
    return s;
}

/* Copies into szDst (cbDst bytes) the text of pSrc up to the first
   character for which bFin says stop, cut to the field. */
void CopieJusque(char *szDst, size_t cbDst, const char *pSrc,
                 bool (*bFin)(unsigned char))
{
    size_t n = 0;

    while (pSrc[n] != '\0' && !bFin((unsigned char)pSrc[n]) && n + 1 < cbDst)
        n++;
    memcpy(szDst, pSrc, n);
    szDst[n] = '\0';
}

static bool EstBlanc(unsigned char c) { return c == ' '; }
bool EstEspace(unsigned char c) { return isspace(c) != 0; }
/* The query name ends at a blank, a control character or above 127. */
static bool FinNom(unsigned char c) { return c <= ' ' || c > 127; }

/* Copies at most cbDst-1 bytes of szSrc. */
void CopieBornee(char *szDst, size_t cbDst, const char *szSrc)
{
    size_t n = strlen(szSrc);

    if (n >= cbDst)
        n = cbDst - 1;
    memcpy(szDst, szSrc, n);
    szDst[n] = '\0';
}

/* True when the first nTete characters of szLigne hold c. */
static bool TeteContient(const char *szLigne, char c, size_t nTete)
{
    for (size_t i = 0; i < nTete && szLigne[i] != '\0'; i++)
        if (szLigne[i] == c)
            return true;
    return false;
}

/* The empty hit list: a line that holds the word NONE and nothing else
   but blanks and asterisks ("***** NONE *****"). Real hits may have NONE
   in their description ("Symbol: None", NONESSENTIAL). */
static bool EstListeVide(const char *szLigne)
{
    const char *p = strstr(szLigne, "NONE");

    if (p == NULL)
        return false;
    for (const char *q = szLigne; *q != '\0'; q++) {
        if (q == p) {
            q += 3;
            continue;
        }
        if (*q != ' ' && *q != '*' && *q != '\t' && *q != '\n')
            return false;
    }
    return true;
}

/* The number after the last "(" of szLigne that is followed by a digit,
   commas between digits skipped ("(14,601 letters)" is 14601). Query
   descriptions hold parentheses of their own, such as "(AE000111)", and
   the length line "(820 letters)" comes last. Returns false when there is
   none; the value saturates at INT_MAX. */
bool NombreEntreParentheses(const char *szLigne, int *pnValeur)
{
    const char *pChiffres = NULL;
    unsigned long long n = 0;

    for (const char *p = strchr(szLigne, '('); p != NULL; p = strchr(p + 1, '('))
        if (isdigit((unsigned char)p[1]))
            pChiffres = p + 1;
    if (pChiffres == NULL)
        return false;
    for (const char *p = pChiffres;; p++) {
        if (isdigit((unsigned char)*p)) {
            n = n * 10 + (unsigned)(*p - '0');
            if (n > INT_MAX)
                n = INT_MAX;
        } else if (!(*p == ',' && isdigit((unsigned char)p[1])))
            break;
    }
    *pnValeur = (int)n;
    return true;
}

/* Writes a line to the index file with a CR LF end. A piece of a long
   line goes out as it is, so that reading the file back in pieces of the
   same size gives the same pieces; a line that ended otherwise than with a
   newline (lone CR, end of file, newline turned into a blank) gets a line
   end of its own so that it does not run into the next one. */
void EcritLigne(FILE *pSortie, const char *szLigne, int nFin)
{
    size_t n = strlen(szLigne);

    if (n > 0 && szLigne[n - 1] == '\n') {
        fwrite(szLigne, 1, n - 1, pSortie);
        fwrite("\r\n", 1, 2, pSortie);
    } else {
        fwrite(szLigne, 1, n, pSortie);
        if (nFin != FIN_MORCEAU || n + 1 < TAILLELIGNE)
            fwrite("\r\n", 1, 2, pSortie);
    }
}

/* ---- The reader -------------------------------------------------------- */

static char bufBlast[1 << 16], bufSortie[1 << 16];

bool LigneSuivante(pLecteur pLec)
{
    pLec->nLong = LitLigne(pLec->pBlast, TAILLELIGNE, pLec->szLigne, &pLec->nFin);
    return pLec->nLong >= 0;
}

/* Reads lines, upper-cased in place, until one contains szMot. */
static bool ChercheLigne(pLecteur pLec, const char *szMot)
{
    while (LigneSuivante(pLec)) {
        Majuscules(pLec->szLigne);
        if (strstr(pLec->szLigne, szMot) != NULL)
            return true;
    }
    return false;
}

/* Query name and length, from the "QUERY=" line to the line before
   "DATABASE:", and the database description. Returns LB_OK or the
   failure. */
static int LitEntete(pLecteur pLec, pDataBlastFile pFich)
{
    char szTexte[256];
    bool bLongueur;
    const char *p;

    if (!ChercheLigne(pLec, "QUERY="))
        return LB_NOQUERY;

    /* The query line joined with the line after it, as read. */
    CopieBornee(szTexte, sizeof szTexte, pLec->szLigne);
    bLongueur = NombreEntreParentheses(pLec->szLigne, &pFich->TailleQuery);
    if (LigneSuivante(pLec)) {
        size_t n = strlen(szTexte);

        CopieBornee(szTexte + n, sizeof szTexte - n, pLec->szLigne);
        Majuscules(pLec->szLigne);
        bLongueur |= NombreEntreParentheses(pLec->szLigne, &pFich->TailleQuery);
    }
    p = strchr(szTexte, '=');
    CopieJusque(pFich->szQuerySeqName, sizeof pFich->szQuerySeqName,
                SauteBlancs(p + 1), FinNom);
    Majuscules(pFich->szQuerySeqName);

    /* The description wraps: "(820 letters)" may stand lines below. */
    for (;;) {
        if (!LigneSuivante(pLec))
            return LB_NODATABASE;
        Majuscules(pLec->szLigne);
        if (strstr(pLec->szLigne, "DATABASE:") != NULL)
            break;
        bLongueur |= NombreEntreParentheses(pLec->szLigne, &pFich->TailleQuery);
    }

    /* "DATABASE:" line without its line end, one blank, the next line
       without its leading blanks. */
    CopieBornee(szTexte, sizeof szTexte, pLec->szLigne);
    {
        size_t n = strlen(szTexte);

        if (n > 0 && (szTexte[n - 1] == '\n' || pLec->nFin == FIN_CR))
            szTexte[n - 1] = '\0';
    }
    if (LigneSuivante(pLec)) {
        size_t n = strlen(szTexte);

        if (n + 1 < sizeof szTexte) {
            szTexte[n] = ' ';
            CopieBornee(szTexte + n + 1, sizeof szTexte - n - 1,
                        SauteBlancs(pLec->szLigne));
        }
    }
    p = strchr(szTexte, ':');
    CopieBornee(pFich->szDataBankInfo, sizeof pFich->szDataBankInfo,
                SauteBlancs(p + 1));

    if (!bLongueur)
        return LB_BADFORMAT;
    snprintf(pFich->szQuerySeqInfo, sizeof pFich->szQuerySeqInfo,
             "(%u lettres)", (unsigned)pFich->TailleQuery);
    return LB_OK;
}

/* Finds the hit list and counts the ">" lines after it (first pass).
   Returns LB_OK with *pnCompte, or the failure. */
static int PremierePasse(pLecteur pLec, void *hProg, unsigned *pnCompte)
{
    unsigned nCompte = 0;
    char szNombre[16];

    if (!ChercheLigne(pLec, "SEQUENCES PRODUCING"))
        return LB_NOLIST;
    pLec->lListe = ftell(pLec->pBlast);
    while (LigneSuivante(pLec)) {
        if (strlen(pLec->szLigne) > 5) {
            Majuscules(pLec->szLigne);
            if (EstListeVide(pLec->szLigne))
                return LB_NONE;
            break;
        }
    }

    OsProgressSetText(hProg, IDC_PROG_PASS, "First pass...");
    while (LigneSuivante(pLec))
        if (TeteContient(pLec->szLigne, '>', 10))
            nCompte++;
    if (nCompte == 0)
        return LB_ZERO;
    OsProgressSetText(hProg, IDC_PROG_PASS, "Number of entries:");
    snprintf(szNombre, sizeof szNombre, "%u", nCompte);
    OsProgressSetText(hProg, IDC_PROG_COUNT, szNombre);
    *pnCompte = nCompte;
    return LB_OK;
}

/* A ">" line: the next hit, if the first pass counted it. */
static void NouveauHit(pLecteur pLec, Passe *pP, void *hProg)
{
    char *szLigne = pLec->szLigne;
    size_t n = strlen(szLigne);
    const char *pBlanc;

    if (pP->h >= pP->nCompte) {
        /* Not counted by the first pass, so there is no record for it:
           its lines are skipped. */
        pP->pHit = NULL;
        pP->bDescr = false;
        return;
    }
    pP->pHit = pP->ppHits[pP->h++];
    pP->k = 0;
    OsProgressStep(hProg);
    if (n > 0)
        szLigne[n - 1] = ' ';
    pBlanc = n > 1 ? strchr(szLigne + 1, ' ') : NULL;
    if (pBlanc != NULL) {
        CopieJusque(pP->pHit->szAccessNb, sizeof pP->pHit->szAccessNb,
                    szLigne + 1, EstBlanc);
        CopieBornee(pP->pHit->szAccessName, sizeof pP->pHit->szAccessName,
                    pBlanc + 1);
    }
    pP->bDescr = true;
}

/* A continuation line of the description: appended while the whole stays
   below 500 characters. */
void SuiteDescription(pLecteur pLec, Passe *pP)
{
    char *szReste = (char *)SauteBlancs(pLec->szLigne);
    size_t nReste = strlen(szReste);
    size_t nNom;

    if (pP->pHit == NULL)
        return;
    nNom = strlen(pP->pHit->szAccessName);
    if (nNom + nReste < sizeof pP->pHit->szAccessName) {
        if (nReste > 0)
            szReste[nReste - 1] = ' ';
        memcpy(pP->pHit->szAccessName + nNom, szReste, nReste + 1);
    }
}

/* "LENGTH =": the subject length, commas between digits removed, cut to
   the field. */
static void LongueurSujet(pLecteur pLec, Passe *pP)
{
    char szMot[TAILLELIGNE];
    char szSansVirgule[TAILLELIGNE];
    size_t j = 0;

    pP->bDescr = false;
    if (pP->pHit == NULL || sscanf(pLec->szLigne, "%*s %*c %99s", szMot) != 1)
        return;
    for (size_t i = 0; szMot[i] != '\0'; i++)
        if (szMot[i] != ',')
            szSansVirgule[j++] = szMot[i];
    szSansVirgule[j] = '\0';
    CopieBornee(pP->pHit->szLength, sizeof pP->pHit->szLength, szSansVirgule);
}

int EcritDebutBloc(FILE *pSortie, pDataGeneralPrg pData, pDataHSP pHit, unsigned h, unsigned k)
{
    fputs("END\r\n", pSortie);
    if (pData->nPosHsp == pData->nPosHspMax) {
        /* Doubled as it fills: the number of HSPs is known only at the
           end. */
        unsigned nMax = pData->nPosHspMax == 0 ? 1024 : 2 * pData->nPosHspMax;
        long *pl;

        if (nMax <= pData->nPosHspMax || nMax > UINT_MAX / sizeof(long)) {
            OsMemoryNotice(szMemNoAlloc);
            return 0;
        }
        pl = pData->plPosHsp == NULL
                 ? (long *)MyAlloc(nMax * (unsigned)sizeof(long))
                 : (long *)MyReAlloc(pData->plPosHsp, nMax * (unsigned)sizeof(long));
        if (pl == NULL)
            return 0;
        pData->plPosHsp = pl;
        pData->nPosHspMax = nMax;
    }
    if (k == 1)
        pHit->nPremierHsp = pData->nPosHsp;
    /* ftell fails (-1) beyond 2 GB where long has 32 bits: such an HSP is
       then searched for. */
    pData->plPosHsp[pData->nPosHsp++] = ftell(pSortie);
    fprintf(pSortie, "ALIGN %u HSP %u\r\n", h, k);
    return 1;
}

/* Opens the next HSP's block of the current hit: its tag, the score line
   held in the line buffer and the identities line after it. */
int EcritBlocHsp(pLecteur pLec, Passe *pP)
{
    pP->k++;
    pP->pHit->unHSP = pP->k;
    if (!EcritDebutBloc(pLec->pSortie, pP->pData, pP->pHit, pP->h, pP->k))
        return LB_NOMEMORY;
    EcritLigne(pLec->pSortie, pLec->szLigne, pLec->nFin);

    if (!LigneSuivante(pLec))
        return LB_INCOMPLETE;
    Majuscules(pLec->szLigne);
    EcritLigne(pLec->pSortie, pLec->szLigne, pLec->nFin);
    pP->t++;
    return LB_OK;
}

/* A score line: a new HSP of the current hit, its block opened in the
   index file with the score and identities lines. Returns LB_OK to go on,
   or the end of the read. */
static int NouvelHsp(pLecteur pLec, Passe *pP)
{
    const char *pEgal1, *pEgal3 = NULL;

    if (pP->pHit == NULL)
        return LB_OK;
    pEgal1 = strchr(pLec->szLigne, '=');
    if (pEgal1 != NULL) {
        const char *pEgal2 = strchr(pEgal1 + 1, '=');

        if (pEgal2 != NULL)
            pEgal3 = strchr(pEgal2 + 1, '=');
    }
    if (pP->k == 0) {
        /* The hit list shows the first HSP's score and probability. */
        if (pEgal3 == NULL)
            return LB_BADFORMAT;
        CopieJusque(pP->pHit->szHighScore, sizeof pP->pHit->szHighScore,
                    SauteBlancs(pEgal1 + 1), EstEspace);
        CopieJusque(pP->pHit->szProb, sizeof pP->pHit->szProb,
                    SauteBlancs(pEgal3 + 1), EstEspace);
    }
    return EcritBlocHsp(pLec, pP);
}

/* A "QUERY:" line: the alignment triple goes to the current HSP's block.
   A triple with no block open (before the first score line of a hit, or
   in a hit without a record) would land in the previous HSP's block, so
   it is skipped. */
static int Triplet(pLecteur pLec, Passe *pP)
{
    if (pP->pHit == NULL || pP->k == 0)
        return LB_OK;
    EcritLigne(pLec->pSortie, pLec->szLigne, pLec->nFin);
    for (int i = 0; i < 2; i++) {
        if (!LigneSuivante(pLec))
            return LB_INCOMPLETE;
        Majuscules(pLec->szLigne);
        EcritLigne(pLec->pSortie, pLec->szLigne, pLec->nFin);
    }
    return LB_OK;
}

int FinPrematuree(Passe *pP, bool *pbNoticeFin)
{
    /* The report ends between lines: the last hit may be cut anywhere, so
       it is not kept. */
    *pbNoticeFin = true;
    if (pP->h > 0) {
        pDataHSP pDernier = pP->ppHits[pP->h - 1];

        pP->t -= pDernier->unHSP <= pP->t ? pDernier->unHSP : pP->t;
        pP->h--;
    }
    return LB_INCOMPLETE;
}

/* Second pass, from the hit list header to "PARAMETERS:". */
static int SecondePasse(pLecteur pLec, Passe *pP, void *hProg,
                        bool *pbNoticeFin)
{
    *pbNoticeFin = false;
    while (LigneSuivante(pLec)) {
        char *szLigne = pLec->szLigne;
        int nRes = LB_OK;
        char szTete[10];
        bool bLongueur;

        Majuscules(szLigne);
        /* Most lines are alignment lines: "PARAMETERS:" and "QUERY:" need a
           colon, "LENGTH =" an equals sign, so a line without them skips
           those searches. */
        const bool bDeuxPoints = strchr(szLigne, ':') != NULL;
        if (bDeuxPoints && strstr(szLigne, "PARAMETERS:") != NULL)
            return LB_OK;
        /* The first pass counted from after the first line longer than 5
           characters: a ">" up to there has no record. */
        if (pP->bListe) {
            pP->bListe = strlen(szLigne) <= 5;
            continue;
        }
        if (TeteContient(szLigne, '>', 9)) {
            NouveauHit(pLec, pP, hProg);
            continue;
        }
        bLongueur = strchr(szLigne, '=') != NULL && strstr(szLigne, "LENGTH =") != NULL;
        if (pP->bDescr && !bLongueur)
            SuiteDescription(pLec, pP);
        if (bLongueur) {
            LongueurSujet(pLec, pP);
            continue;
        }
        CopieBornee(szTete, sizeof szTete, szLigne);
        if (strstr(szTete, "SCORE") != NULL)
            nRes = NouvelHsp(pLec, pP);
        else if (bDeuxPoints && strstr(szLigne, "QUERY:") != NULL)
            nRes = Triplet(pLec, pP);
        if (nRes != LB_OK)
            return nRes;
    }

    return FinPrematuree(pP, pbNoticeFin);
}

/* Allocates the table and its records, opens the index file. */
int PrepareSecondePasse(pLecteur pLec, pDataGeneralPrg pData,
                        Passe *pP, void *hProg)
{
    if (pP->nCompte > UINT_MAX / sizeof(pDataHSP)) {
        OsMemoryNotice(szMemNoAlloc);
        return LB_NOMEMORY;
    }
    pP->ppHits = (pDataHSP *)MyAlloc(pP->nCompte * (unsigned)sizeof(pDataHSP));
    if (pP->ppHits == NULL)
        return LB_NOMEMORY;
    pData->pHSPResultat = pP->ppHits;
    pP->pData = pData;

    /* Back to the line after the hit list header found by the first pass
       (text before the query, such as a mail, may hold the words too). */
    fseek(pLec->pBlast, pLec->lListe, SEEK_SET);
    for (unsigned i = 0; i < pP->nCompte; i++) {
        pP->ppHits[i] = (pDataHSP)MyAlloc(sizeof(DataHSP));
        if (pP->ppHits[i] == NULL)
            return LB_NOMEMORY;
        pP->ppHits[i]->numero = i + 1;
    }

    pLec->pSortie = fopen(pData->szFileSortie, "wb");
    if (pLec->pSortie == NULL)
        return LB_NOTEMP;
    setvbuf(pLec->pSortie, bufSortie, _IOFBF, sizeof bufSortie);
    OsProgressSetText(hProg, IDC_PROG_ACQUIRE, "Data aquisition:");
    OsProgressSetRange(hProg, (int)(pP->nCompte > INT_MAX ? INT_MAX : pP->nCompte));
    return LB_OK;
}

/* The two passes over a report of the older dialect. */
static int LitRapportAncien(pLecteur pLec, pDataGeneralPrg pData, Passe *pP,
                            void *hProg, bool *pbNoticeFin)
{
    int nRes = LitEntete(pLec, &pData->FichierBlast);

    if (nRes == LB_OK)
        nRes = PremierePasse(pLec, hProg, &pP->nCompte);
    if (nRes == LB_OK)
        nRes = PrepareSecondePasse(pLec, pData, pP, hProg);
    if (nRes == LB_OK) {
        pP->bListe = true;
        nRes = SecondePasse(pLec, pP, hProg, pbNoticeFin);
    }
    return nRes;
}

/* Closes the index file; true when some write to it failed. */
static bool FermeIndex(pLecteur pLec)
{
    bool bErreur = ferror(pLec->pSortie) != 0;

    if (fclose(pLec->pSortie) != 0)
        bErreur = true;
    pLec->pSortie = NULL;
    return bErreur;
}

/* Notice of each failure shown by the reader. */
static unsigned NoticeDuResultat(int nRes)
{
    switch (nRes) {
    case LB_NOOPEN:     return IDS_NOOPENBLAST;
    case LB_NOQUERY:    return IDS_NOTBLAST;
    case LB_NODATABASE: return IDS_BADFORMAT;
    case LB_NOLIST:     return IDS_BADFORMAT;
    case LB_NONE:       return IDS_NOHSPNONE;
    case LB_ZERO:       return IDS_NOHSPZERO;
    case LB_NOTEMP:     return IDS_NOOPENTEMP;
    case LB_BADFORMAT:  return IDS_BADFORMAT;
    default:            return 0;
    }
}

/* End of every read: records beyond the hits kept are released (nothing
   else would own them), the selection arrays are allocated, the counters
   set. Returns nRes, or LB_NOMEMORY. */
static int TermineTable(pDataGeneralPrg pData, Passe *pP, int nRes)
{
    if (pP->ppHits != NULL) {
        for (unsigned i = pP->h; i < pP->nCompte; i++) {
            MyFree(pP->ppHits[i]);
            pP->ppHits[i] = NULL;
        }
        for (unsigned i = 0; i < pP->h && nRes != LB_NOMEMORY; i++) {
            unsigned n = pP->ppHits[i]->unHSP;

            if (n > UINT_MAX / sizeof(int)) {
                OsMemoryNotice(szMemNoAlloc);
                nRes = LB_NOMEMORY;
                break;
            }
            pP->ppHits[i]->nHSPselected = (int *)MyAlloc(n * (unsigned)sizeof(int));
            if (pP->ppHits[i]->nHSPselected == NULL)
                nRes = LB_NOMEMORY;
        }
    }
    pData->nAlign = pP->h;
    pData->nHSP = pP->h;
    pData->nAlignTotal = pP->t;
    return nRes;
}

int LitBlastForListBox(OSWND hOwner, pDataGeneralPrg pData)
{
    Lecteur lec;
    Passe passe;
    bool bNoticeFin = false;
    void *hProg;
    int nRes;

    memset(&passe, 0, sizeof passe);
    memset(&lec, 0, sizeof lec);
    hProg = OsProgressOpen(hOwner);
    lec.pBlast = fopen(pData->szFilePath, "rb");
    if (lec.pBlast == NULL) {
        nRes = LB_NOOPEN;
    } else {
        setvbuf(lec.pBlast, bufBlast, _IOFBF, sizeof bufBlast);
        pData->FichierBlast.bModerne = EstRapportModerne(&lec);
        if (pData->FichierBlast.bModerne)
            nRes = LitRapportModerne(&lec, pData, &passe, hProg, &bNoticeFin);
        else
            nRes = LitRapportAncien(&lec, pData, &passe, hProg, &bNoticeFin);
        /* A write that failed (a full disk, a quota) leaves blocks cut
           anywhere that would later load as whole ones: the read fails as
           when the file cannot be created, and the file goes. */
        if (lec.pSortie != NULL && FermeIndex(&lec)
            && (nRes == LB_OK || nRes == LB_INCOMPLETE)) {
            nRes = LB_NOTEMP;
            bNoticeFin = false;
        }
    }
    if (nRes == LB_INCOMPLETE && bNoticeFin)
        MyErrMsgBox(IDS_HALYARD, IDS_INCOMPLETE, hOwner);

    OsProgressClose(hProg);
    nRes = TermineTable(pData, &passe, nRes);
    if (lec.pBlast != NULL)
        fclose(lec.pBlast);
    if (lec.pSortie != NULL)
        fclose(lec.pSortie);
    if (nRes == LB_NOMEMORY)
        FreeHspData(pData);
    /* No index file outlives a failed read: the open command takes its
       absence as the sign that nothing can be shown. */
    if (nRes != LB_OK && nRes != LB_INCOMPLETE)
        remove(pData->szFileSortie);
    if (NoticeDuResultat(nRes) != 0)
        MyErrMsgBox(IDS_HALYARD, NoticeDuResultat(nRes), hOwner);
    return nRes;
}

/* ---- Acceptance test ---------------------------------------------------- */

int TestFichier(const char *szPath)
{
    unsigned char buf[1001];
    size_t n;
    FILE *pFile = fopen(szPath, "rb");

    if (pFile == NULL)
        return TF_NOOPEN;
    memset(buf, 0, sizeof buf);
    n = fread(buf, 1, 1000, pFile);
    fclose(pFile);

    /* The byte after the last one read counts as 0, so a carriage return
       as the last byte read is a lone one. */
    for (size_t i = 0; i < n; i++) {
        if (buf[i] == '\r') {
            if (buf[i + 1] != '\n')
                return TF_LONECR;
            i++;
        }
    }
    for (size_t i = 0; i < n; i++)
        if ((unsigned char)(buf[i] - 'a') < 26u)
            buf[i] = (unsigned char)(buf[i] - ('a' - 'A'));
    return strstr((const char *)buf, "BLAST") != NULL ? TF_OK : TF_NOBLAST;
}
