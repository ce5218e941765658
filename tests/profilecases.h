/* profilecases.h: INI text and the integers the platform must read from
   it, shared by the tests of the portable and the Win32 layers, so that
   the two are held to the same answers. */
#ifndef HALYARD_TEST_PROFILECASES_H
#define HALYARD_TEST_PROFILECASES_H

#include <stdio.h>
#include <string>

#include "os.h"

struct ProfileCase {
    const char *szSection, *szKey;
    int nDefault, nExpected;
};

/* CR LF, LF and a lone CR between lines; names in any case; blanks. */
static const char szProfileText[] = "; comment\r\n[Couleurs_HCA]\r\nA=3\r\nb =  12\n  C=7 blue\rD=x\r\nE=\r\nF=-4\r\n"
                                    "[ Couleur_Fond_HCA ]\r\nA=9\r\n[empty]\r\n";

static const ProfileCase aProfileCases[] = {
    /* section, key, default, expected */
    {"Couleurs_HCA", "A", 99, 3},     {"couleurs_hca", "a", 99, 3},     /* names compared without case */
    {"Couleurs_HCA", "B", 99, 12},    /* blanks around the value */    {"Couleurs_HCA", "C", 99, 7}, /* leading digits; lone CR end */
    {"Couleurs_HCA", "D", 99, 0},     /* no digits */                  {"Couleurs_HCA", "E", 99, 99}, /* empty value: as missing */
    {"Couleurs_HCA", "F", 99, -4},    {"Couleurs_HCA", "Z", 99, 99},   /* missing key */
    {"Couleur_Fond_HCA", "A", 99, 9}, /* section name with blanks */   {"empty", "A", 5, 5},
    {"nowhere", "A", 6, 6},           /* missing section */
};

/* Writes the INI text to a temporary file and returns its path. */
inline std::string WriteProfileFile(void)
{
    char szDir[260];
    FILE *f = OsGetTempDir(szDir, sizeof szDir) != 0 ? fopen((std::string(szDir) + "halyard-profile-test.ini").c_str(), "wb") : NULL;
    if (f == NULL)
        return std::string();
    fwrite(szProfileText, 1, sizeof szProfileText - 1, f);
    fclose(f);
    return std::string(szDir) + "halyard-profile-test.ini";
}

#endif
