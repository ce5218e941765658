/* The settings file that ships with the program: every key there, at the
   value the program takes when the key is missing. */
#include <gtest/gtest.h>

#include <string>

#include "colors.h"
#include "os.h"

TEST(ShippedSettings, EveryKeyAtItsDefault)
{
    const std::string szCfg = HALYARD_FIXTURES "/../../samples/halyard-defaults.cfg";
    const std::string szAucun = szCfg + ".absent";
    int txt[NBLETTRES], bk[2][NBLETTRES], n[3];
    ReadColorConfFile(txt, bk[0], n, n + 1, n + 2, COULEUR_HCA, szAucun.c_str());
    ReadColorConfFile(txt, bk[1], n, n + 1, n + 2, COULEUR_SIMIDEN, szAucun.c_str());
    /* Read with -1, no colour: a key missing from the file shows. */
    const char *const szCles[] = {"IDENT", "SIMIL", "AUTRE"};
    for (int i = 0; i < 3; i++)
        EXPECT_EQ(n[i], OsGetProfileInt("Couleurs_SimIden", szCles[i], -1, szCfg.c_str())) << szCles[i];
    for (int i = 0; i < NBLETTRES; i++) {
        const char sz[2] = {(char)('A' + i), '\0'};
        EXPECT_EQ(txt[i], OsGetProfileInt("Couleurs_HCA", sz, -1, szCfg.c_str())) << sz;
        EXPECT_EQ(bk[0][i], OsGetProfileInt("Couleur_Fond_HCA", sz, -1, szCfg.c_str())) << sz;
        EXPECT_EQ(bk[1][i], OsGetProfileInt("Couleur_Fond_SimIden", sz, -1, szCfg.c_str())) << sz;
    }
}
