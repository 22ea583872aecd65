// The version a host reads from Quillon.h is the version of the installed package.
#include <Quillon.h>

#include <gtest/gtest.h>

#include <cstdio>

TEST(Version, HeaderMacrosAreThePackageVersion)
{
    char szParts[32];
    std::snprintf(szParts, sizeof(szParts), "%d.%d.%d", QUILLON_VERSION_MAJOR, QUILLON_VERSION_MINOR,
                  QUILLON_VERSION_PATCH);
    EXPECT_STREQ(QUILLON_PACKAGE_VERSION, szParts);
    EXPECT_STREQ(QUILLON_PACKAGE_VERSION, QUILLON_VERSION_STRING);
}
