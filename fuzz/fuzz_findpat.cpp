/* Fuzz target: a mask searched in a sequence under one of the residue
 * tables (ADN, PROTEINE, SPECIAL, or a table made of the input's own
 * bytes), then the results file read back as the results tree would be.
 * Input: a table byte; for the input's table, its text up to a NUL; the
 * mask up to a NUL; the sequence. After every search only the results
 * file may be left in the work directory.
 */
#include <stdlib.h>
#include <string.h>

#include <filesystem>
#include <string>

#include "findpat.h"
#include "fuzzutil.h"

static std::string g_sRep;  /* work directory and tables, with separator */

static void Prepare(void)
{
    char szModele[HL_MAX_PATH];

    if (OsGetTempDir(szModele, sizeof szModele) == 0)
        abort();
    strcat(szModele, "halfpXXXXXX");
    if (mkdtemp(szModele) == NULL)
        abort();
    g_sRep = std::string(szModele) + "/";
    for (const char *szTable : {"ADN.TBL", "PROTEINE.TBL", "SPECIAL.TBL"})
        std::filesystem::copy_file(std::string(HALYARD_TABLES_DIR) + "/" + szTable,
                                   g_sRep + szTable);
    DefinitRepertoireTables(g_sRep.c_str());
}

static void CompteMatch(void *pParam, const char *szTexte)
{
    VERIFIE(strlen(szTexte) < TAILLERESULTAT);
    ++*(unsigned *)pParam;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *pData, size_t cb)
{
    static const char *const szTables[] = {"ADN", "PROTEINE", "SPECIAL", "FUZZ"};
    Octets in = {pData, cb};
    const char *szTable;
    std::string sMasque, sSequence;

    if (g_sRep.empty())
        Prepare();
    OsNoticeLogClear();
    szTable = szTables[in.Sous(4)];
    if (strcmp(szTable, "FUZZ") == 0) {
        std::string sTable = in.Texte(300);
        EcritFichierFuzz((g_sRep + "FUZZ.TBL").c_str(), sTable.data(), sTable.size());
    }
    sMasque = in.Texte(200);
    sSequence = in.Texte(600);

    int nRes = LanceRecherche(NULL, g_sRep.c_str(), "seq", sSequence.c_str(), szTable,
                              sMasque.c_str());
    VERIFIE(nRes >= RECH_ERREUR && nRes <= RECH_TRONQUE);
    std::string sResults = g_sRep + "RESULTS.TMP";
    bool bResults = std::filesystem::exists(sResults);
    for (const char *szWork : {"SSMASK.TMP", "MFIND1.TMP", "MFIND2.TMP"})
        VERIFIE(!std::filesystem::exists(g_sRep + szWork));
    if (nRes == RECH_TROUVE || nRes == RECH_TRONQUE) {
        unsigned nMatches = 0;
        /* A results file that could not be written is gone, and said. */
        VERIFIE(bResults || !OsNoticeLog().empty());
        VERIFIE(LitResultats(sResults.c_str(), sSequence.c_str(), CompteMatch, &nMatches)
                == (bResults ? 1 : 0));
        VERIFIE(nMatches <= MAXRESULTATS);
    } else {
        VERIFIE(!bResults);
    }
    remove(sResults.c_str());
    return 0;
}
