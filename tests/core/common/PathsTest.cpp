#include "common/Paths.h"

#include <gtest/gtest.h>

using namespace kadro::paths;

TEST(Paths, StemsAndExtensionsSplitAtTheFileNamesLastDot) {
    EXPECT_EQ(stem("dir/logo.kdr"), "dir/logo");
    EXPECT_EQ(stem("logo"), "logo");
    EXPECT_EQ(extension("a.b.PNG"), "PNG");
    EXPECT_EQ(lowerExtension("a.b.PNG"), "png");
    EXPECT_EQ(extension("noext"), "");
}

TEST(Paths, ADotInAFolderNameIsNoExtension) {
    EXPECT_EQ(lowerExtension("shots.v2/logo"), "");
    EXPECT_EQ(extension("C:\\x.y\\LOGO"), "");
    EXPECT_EQ(lowerExtension("C:\\x.y\\LOGO.KDR"), "kdr");
    EXPECT_EQ(stem("/a/b.c/logo"), "/a/b.c/logo");
    EXPECT_EQ(stem("/a/b.c/logo.bmp"), "/a/b.c/logo");
    EXPECT_EQ(stem("a.b\\logo"), "a.b\\logo");
    EXPECT_EQ(baseName("shots.v2/logo"), "logo");
    EXPECT_EQ(stem("shots.v2/.hidden"), "shots.v2/");
}

TEST(Paths, BothSeparatorsSplitFolders) {
    EXPECT_EQ(directory("C:\\work\\logo.prg"), "C:\\work");
    EXPECT_EQ(directory("/tmp/x/logo.prg"), "/tmp/x");
    EXPECT_EQ(directory("logo.prg"), "");
    EXPECT_EQ(baseName("C:\\pics\\Logo.Big.kdr"), "Logo.Big");
    EXPECT_EQ(baseName("/a/noext"), "noext");
    EXPECT_EQ(join("/a", "b"), "/a/b");
    EXPECT_EQ(join("", "b"), "b");
    EXPECT_EQ(resolve("/list", "f.bmp"), "/list/f.bmp");
    EXPECT_EQ(resolve("/list", "/pics/f.bmp"), "/pics/f.bmp");
    EXPECT_EQ(resolve("/list", "C:\\pics\\f.bmp"), "C:\\pics\\f.bmp");
    EXPECT_EQ(resolve("", "f.bmp"), "f.bmp");
    EXPECT_EQ(toUpper("logo_pnt"), "LOGO_PNT");
}
