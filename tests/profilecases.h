/* profilecases.h: INI text and the integers the platform must read from
   it, in one test that the programs of the portable and the Win32 layers
   both run, so that the two are held to the same answers. */
#ifndef HALYARD_TEST_PROFILECASES_H
#define HALYARD_TEST_PROFILECASES_H

#include <gtest/gtest.h>
#include <stdio.h>

#include <string>

#include "os.h"

TEST(Profile, ReaderAnswersTheSharedTable)
{
    /* CR LF, LF and a lone CR between lines; names in any case; blanks. */
    static const char szText[] = "; comment\r\n[Couleurs_HCA]\r\nA=3\r\nb =  12\n  C=7 blue\rD=x\r\nE=\r\nF=-4\r\n"
                                 "[ Couleur_Fond_HCA ]\r\nA=9\r\n[empty]\r\n";
    const struct { const char *szSection, *szKey; int nDefault, nExpected; } cases[] = {
        /* section, key, default, expected */
        {"Couleurs_HCA", "A", 99, 3},     {"couleurs_hca", "a", 99, 3},     /* names compared without case */
        {"Couleurs_HCA", "B", 99, 12},    /* blanks around the value */    {"Couleurs_HCA", "C", 99, 7}, /* leading digits; lone CR end */
        {"Couleurs_HCA", "D", 99, 0},     /* no digits */                  {"Couleurs_HCA", "E", 99, 99}, /* empty value: as missing */
        {"Couleurs_HCA", "F", 99, -4},    {"Couleurs_HCA", "Z", 99, 99},   /* missing key */
        {"Couleur_Fond_HCA", "A", 99, 9}, /* section name with blanks */   {"empty", "A", 5, 5},
        {"nowhere", "A", 6, 6},           /* missing section */
    };
    char szDir[260];
    ASSERT_NE(0, OsGetTempDir(szDir, sizeof szDir));
    const std::string sPath = std::string(szDir) + "halyard-profile-test.ini";
    FILE *f = fopen(sPath.c_str(), "wb");
    ASSERT_TRUE(f != NULL);
    fwrite(szText, 1, sizeof szText - 1, f);
    fclose(f);
    for (const auto &c : cases)
        EXPECT_EQ(c.nExpected, OsGetProfileInt(c.szSection, c.szKey, c.nDefault, sPath.c_str())) << "[" << c.szSection << "] " << c.szKey;
    remove(sPath.c_str());
    EXPECT_EQ(42, OsGetProfileInt("Couleurs_HCA", "A", 42, sPath.c_str())) << "missing file";
}

#endif
