// PathUtilTest.cpp: the path pieces of one table of paths, worked out by
// hand; joining them gives the path back, and replacing the extension keeps
// drive, directory and name.  Runs natively and under Wine.
#include "frame/PathUtil.h"

#include <gtest/gtest.h>

namespace {

struct PathRow
{
    const char *label, *path, *drive, *dir, *fname, *ext;
    const char* withIni; // after ReplaceExtension(".ini")
};

const PathRow kPaths[] = {
    {"drive and folders", "C:\\dir\\sub\\file.txt", "C:", "\\dir\\sub\\", "file", ".txt",
     "C:\\dir\\sub\\file.ini"},
    {"UNC", "\\\\server\\share\\dir\\file.txt", "", "\\\\server\\share\\dir\\", "file", ".txt",
     "\\\\server\\share\\dir\\file.ini"},
    {"bare name", "Tool", "", "", "Tool", "", "Tool.ini"},
    {"name with extension", "Tool.exe", "", "", "Tool", ".exe", "Tool.ini"},
    {"several dots, forward slash", "dir/archive.tar.gz", "", "dir/", "archive.tar", ".gz",
     "dir/archive.tar.ini"},
    {"trailing separator", "C:\\dir.d\\", "C:", "\\dir.d\\", "", "", "C:\\dir.d\\.ini"},
    {"dot only in the folder", "C:\\dir.d\\noext", "C:", "\\dir.d\\", "noext", "", "C:\\dir.d\\noext.ini"},
    {"drive-relative", "C:file.txt", "C:", "", "file", ".txt", "C:file.ini"},
    {"bare drive", "C:", "C:", "", "", "", "C:.ini"},
    {"leading dot", ".profile", "", "", "", ".profile", ".ini"},
    {"trailing dot", "a.", "", "", "a", ".", "a.ini"},
    {"empty", "", "", "", "", "", ".ini"},
};

TEST(PathUtilTest, SplitJoinAndReplaceOverTheTable)
{
    for (const PathRow& row : kPaths) {
        SCOPED_TRACE(row.label);
        CString drive("x"), dir("x"), fname("x"), ext("x");
        SplitPath(row.path, &drive, &dir, &fname, &ext);
        EXPECT_STREQ(row.drive, drive);
        EXPECT_STREQ(row.dir, dir);
        EXPECT_STREQ(row.fname, fname);
        EXPECT_STREQ(row.ext, ext);

        CString joined("left over");
        JoinPath(joined, &drive, &dir, &fname, &ext);
        EXPECT_STREQ(row.path, joined);
        CString dirOnly, joinedSome("left over");
        SplitPath(row.path, NULL, &dirOnly, NULL, NULL);
        EXPECT_STREQ(row.dir, dirOnly);
        JoinPath(joinedSome, &drive, NULL, &fname, NULL);
        EXPECT_STREQ(CString(row.drive) + row.fname, joinedSome);

        CString replaced(row.path);
        ReplaceExtension(replaced, ".ini");
        EXPECT_STREQ(row.withIni, replaced);
    }
}

} // namespace
