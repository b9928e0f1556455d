#include "common/FileIo.h"

#include "RunCli.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace kadro;

TEST(FileIo, TextFilesGetCrLfEverywhere) {
    EXPECT_EQ(fileio::withCrLf("a\nb\n\n"), "a\r\nb\r\n\r\n");
    test::TempDir dir;
    ASSERT_TRUE(fileio::writeTextFile(dir.file("t.asm"), "x\n", nullptr));
    auto bytes = fileio::readFile(dir.file("t.asm"));
    EXPECT_EQ(*bytes, (std::vector<std::uint8_t>{'x', '\r', '\n'}));
}

TEST(FileIo, AFailedWriteLeavesTheOldFileAndNamesThePath) {
    test::TempDir dir;
    const std::string path = dir.file("keep.bin");
    ASSERT_TRUE(fileio::writeTextFile(path, "old", nullptr));
    std::string error;
    EXPECT_FALSE(fileio::writeTextFile(dir.file("missing/dir/x.bin"), "new", &error));
    EXPECT_NE(error.find("missing/dir/x.bin"), std::string::npos) << error;
    // No temporary files are left beside the real one.
    int files = 0;
    for (auto& e : std::filesystem::directory_iterator(dir.path()))
        files += e.is_regular_file();
    EXPECT_EQ(files, 1);
}

TEST(FileIo, AFileSetReplacesEveryFileOrNone) {
    test::TempDir dir;
    auto set = [&](const std::string& a, const std::string& b) {
        fileio::FileSet files;
        files.addText(dir.file("a.asm"), a);
        files.add(dir.file("b.bin"), std::vector<std::uint8_t>(b.begin(), b.end()));
        return files;
    };
    auto entries = [&] {
        std::vector<std::string> names;
        for (auto& e : std::filesystem::directory_iterator(dir.path()))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    };
    ASSERT_TRUE(set("one\n", "1").commit());
    auto second = set("two\n", "2");
    ASSERT_TRUE(second.commit()) << second.error();
    EXPECT_EQ(test::slurp(dir.file("a.asm")), "two\r\n");
    EXPECT_EQ(test::slurp(dir.file("b.bin")), "2");
    EXPECT_EQ(entries(), (std::vector<std::string>{"a.asm", "b.bin"}));

    std::filesystem::remove(dir.file("b.bin"));
    std::filesystem::create_directory(dir.file("b.bin"));
    auto third = set("three\n", "3");
    EXPECT_FALSE(third.commit());
    EXPECT_EQ(third.error(), dir.file("b.bin") + ": cannot replace it: it is not a file");
    EXPECT_EQ(test::slurp(dir.file("a.asm")), "two\r\n");
    EXPECT_EQ(entries(), (std::vector<std::string>{"a.asm", "b.bin"}));
}

TEST(FileIo, FindsNamesWithoutRegardToCase) {
    test::TempDir dir;
    ASSERT_TRUE(fileio::writeTextFile(dir.file("6576(ok).act"), "", nullptr));
    auto found = fileio::findCaseInsensitive(dir.path().string(), "6576(OK).ACT");
    ASSERT_TRUE(found);
    EXPECT_EQ(*found, dir.file("6576(ok).act"));
    EXPECT_FALSE(fileio::findCaseInsensitive(dir.path().string(), "nothing.tab"));
}

TEST(FileIo, ReadFileRefusesOversizedAndMissingFiles) {
    test::TempDir dir;
    ASSERT_TRUE(fileio::writeTextFile(dir.file("big"), "0123456789", nullptr));
    EXPECT_FALSE(fileio::readFile(dir.file("big"), 5));
    EXPECT_TRUE(fileio::readFile(dir.file("big"), 20));
    EXPECT_FALSE(fileio::readFile(dir.file("none")));
    EXPECT_FALSE(fileio::readFile(dir.path().string())) << "a folder is not a file";
}
