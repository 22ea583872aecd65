// Entry point of every Windows test executable: GoogleTest, run on the
// thread that owns the test windows.
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
