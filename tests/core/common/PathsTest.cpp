#include "common/Paths.h"

#include <gtest/gtest.h>

using namespace kadro::paths;

TEST(Paths, StemsAndExtensionsSplitAtTheLastDot) {
    EXPECT_EQ(stem("dir/logo.kdr"), "dir/logo");
    EXPECT_EQ(stem("logo"), "");
    EXPECT_EQ(extension("a.b.PNG"), "PNG");
    EXPECT_EQ(lowerExtension("a.b.PNG"), "png");
    EXPECT_EQ(extension("noext"), "");
}

TEST(Paths, BothSeparatorsSplitFolders) {
    EXPECT_EQ(directory("C:\\work\\logo.prg"), "C:\\work");
    EXPECT_EQ(directory("/tmp/x/logo.prg"), "/tmp/x");
    EXPECT_EQ(directory("logo.prg"), "");
    EXPECT_EQ(baseName("C:\\pics\\Logo.Big.kdr"), "Logo.Big");
    EXPECT_EQ(baseName("/a/noext"), "noext");
    EXPECT_EQ(join("/a", "b"), "/a/b");
    EXPECT_EQ(join("", "b"), "b");
    EXPECT_EQ(toUpper("logo_pnt"), "LOGO_PNT");
}
