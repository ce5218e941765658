/* Integers from INI files through the portable platform layer: the same
   answers as the Win32 reader gives (tests/gui/test_profile.cpp). */
#include <gtest/gtest.h>

#include "profilecases.h"

TEST(Profile, PortableReaderAnswersAsWin32Does)
{
    std::string szPath = WriteProfileFile();
    ASSERT_FALSE(szPath.empty());
    for (const ProfileCase &c : aProfileCases)
        EXPECT_EQ(c.nExpected, OsGetProfileInt(c.szSection, c.szKey, c.nDefault, szPath.c_str()))
            << "[" << c.szSection << "] " << c.szKey;
    remove(szPath.c_str());
    EXPECT_EQ(42, OsGetProfileInt("Couleurs_HCA", "A", 42, szPath.c_str())) << "missing file";
}
