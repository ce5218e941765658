/* Integers from INI files through the Win32 platform layer
   (GetPrivateProfileIntA): the table the portable layer is held to. */
#include <gtest/gtest.h>

#include "profilecases.h"

TEST(Profile, Win32ReaderAnswersTheSharedTable)
{
    std::string szPath = WriteProfileFile();
    ASSERT_FALSE(szPath.empty());
    for (const ProfileCase &c : aProfileCases)
        EXPECT_EQ(c.nExpected, OsGetProfileInt(c.szSection, c.szKey, c.nDefault, szPath.c_str()))
            << "[" << c.szSection << "] " << c.szKey;
    remove(szPath.c_str());
    EXPECT_EQ(42, OsGetProfileInt("Couleurs_HCA", "A", 42, szPath.c_str())) << "missing file";
}
