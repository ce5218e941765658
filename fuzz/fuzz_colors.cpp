/* Fuzz target: the input as the colour settings file, read under every
 * scheme by the tables of the alignment pane and of the editor, which
 * then colour a row holding every letter and gap. Whatever the file
 * says, every colour given out is one of the 16, and a table a scheme
 * does not fill is left as it was.
 */
#include <string.h>

#include "colors.h"
#include "fuzzutil.h"
#include "mulbla.h"

static char szCfg[HL_MAX_PATH];

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *pData, size_t cb)
{
    static const char szRow[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ.-*x ";
    static const char szMatch[] = "ABCDEFGHIJKLM+ +. +-*PQRSTUVWXY";
    const int nLen = (int)strlen(szRow);

    FichierTemp(szCfg, "HFC");
    EcritFichierFuzz(szCfg, pData, cb);
    for (int nScheme : {0, COULEUR_HCA, COULEUR_SIMIDEN, COULEUR_NOIRBLANC}) {
        int nTxt[NBLETTRES], nBk[NBLETTRES], nTrois[3] = {-1, -1, -1};

        memset(nTxt, 0xFF, sizeof nTxt);
        memset(nBk, 0xFF, sizeof nBk);
        ReadColorConfFile(nTxt, nBk, &nTrois[0], &nTrois[1], &nTrois[2], nScheme, szCfg);
        for (int x = 0; x < NBLETTRES; x++) {
            VERIFIE(nScheme == 0 || (nBk[x] >= 0 && nBk[x] < NBCOULEURS));
            VERIFIE(nScheme == 0 || nScheme == COULEUR_SIMIDEN
                        ? nTxt[x] == -1 : nTxt[x] >= 0 && nTxt[x] < NBCOULEURS);
        }
        for (int n : nTrois)
            VERIFIE(nScheme == 0 || nScheme == COULEUR_HCA ? n == -1
                                                            : n >= 0 && n < NBCOULEURS);
        if (nScheme == 0)
            VERIFIE(nBk[0] == -1);

        for (int nBkColor : {0, 1}) {
            CouleursMulBla clr;
            unsigned txt[sizeof szRow], bk[sizeof szRow];

            LitCouleursMulBla(&clr, szCfg, nScheme, nBkColor);
            for (const char *szComp : {szMatch, (const char *)NULL}) {
                InitColorsString(&clr, szRow, szComp, nLen, txt, bk);
                for (int i = 0; i < nLen; i++)
                    VERIFIE(txt[i] < NBCOULEURS && bk[i] < NBCOULEURS);
            }
        }
    }
    return 0;
}
