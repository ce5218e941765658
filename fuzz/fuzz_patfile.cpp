/* Fuzz target: the input as a pattern file, read twice into one record
 * (the second read releases the first), then the first pattern searched
 * in a short sequence. Every pattern's texts stay in their fields; a
 * description is numbered after its pattern.
 */
#include <stdlib.h>
#include <string.h>

#include <filesystem>

#include "findpat.h"
#include "fuzzutil.h"

static char szMot[HL_MAX_PATH];
static std::string g_sRep;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *pData, size_t cb)
{
    MotifDecript motifs;

    FichierTemp(szMot, "HFM");
    if (g_sRep.empty()) {
        char szModele[HL_MAX_PATH];
        if (OsGetTempDir(szModele, sizeof szModele) == 0 ||
            mkdtemp(strcat(szModele, "halfmXXXXXX")) == NULL)
            abort();
        g_sRep = std::string(szModele) + "/";
        DefinitRepertoireTables(HALYARD_TABLES_DIR);
    }
    OsNoticeLogClear();
    EcritFichierFuzz(szMot, pData, cb);
    memset(&motifs, 0, sizeof motifs);
    snprintf(motifs.szFilePath, sizeof motifs.szFilePath, "%s", szMot);
    for (int nFois = 0; nFois < 2; nFois++) {
        VERIFIE(ReadMotifs(NULL, &motifs) == 1);
        VERIFIE(motifs.nMotifs >= 0 && (motifs.nMotifs == 0) == (motifs.pDonneeMotif == NULL));
        for (int i = 0; i < motifs.nMotifs; i++) {
            const MotifData &m = motifs.pDonneeMotif[i];
            VERIFIE(memchr(m.mask, '\0', sizeof m.mask) != NULL);
            VERIFIE(memchr(m.nom, '\0', sizeof m.nom) != NULL);
            VERIFIE(m.nom[0] == '\0' || atoi(m.nom) == i + 1);
        }
    }
    if (motifs.nMotifs > 0) {
        LanceRecherche(NULL, g_sRep.c_str(), "s", "MKDEAAHCNDEQRSTVWYAC.-GHK", "PROTEINE",
                       motifs.pDonneeMotif[0].mask);
        remove((g_sRep + "RESULTS.TMP").c_str());
    }
    LibereMotifs(&motifs);
    return 0;
}
