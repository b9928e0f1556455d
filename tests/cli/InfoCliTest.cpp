#include "RunCli.h"
#include "TempDir.h"

#include "common/FileIo.h"

#include <gtest/gtest.h>

using kadro::test::runCli;

namespace {
std::string data(const std::string& name) { return std::string(KADRO_TEST_DATA_DIR) + "/" + name; }
} // namespace

TEST(InfoCli, DescribesAPicture) {
    const auto run = runCli({"info", data("formats/sample.png")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "format: PNG\nwidth: 48\nheight: 32\ncolours: 5\n");
    EXPECT_EQ(run.err, "");
}

TEST(InfoCli, DescribesTheBundledSample) {
    const auto run = runCli({"info", std::string(KADRO_SAMPLES_DIR) + "/sample.bmp"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("width: 256\nheight: 240\n"), std::string::npos) << run.out;
}

TEST(InfoCli, BadInputGivesOneLineNamingTheFile) {
    kadro::test::TempDir dir;
    ASSERT_TRUE(kadro::fileio::writeTextFile(dir.file("broken.png"), "not a png at all", nullptr));
    ASSERT_TRUE(kadro::fileio::writeTextFile(dir.file("notes.txt"), "x", nullptr));
    const std::vector<std::pair<std::string, std::string>> cases{
        {dir.file("broken.png"), "not a readable PNG picture"},
        {dir.file("missing.gif"), "no such file"},
        {dir.file("notes.txt"), "无效的文件类型"},
        {dir.file("picture.emf"), "no such file"},
    };
    for (const auto& [path, reason] : cases) {
        const auto run = runCli({"info", path});
        EXPECT_EQ(run.exitCode, 1) << path;
        EXPECT_NE(run.err.find(path), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(reason), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

TEST(InfoCli, EmfHasNoModuleHere) {
    kadro::test::TempDir dir;
    ASSERT_TRUE(kadro::fileio::writeTextFile(dir.file("drawing.emf"), "xxxx", nullptr));
    const auto run = runCli({"info", dir.file("drawing.emf")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("no EMF module"), std::string::npos) << run.err;
}

TEST(InfoCli, WrongUsageExitsWithTwo) {
    EXPECT_EQ(runCli({"info"}).exitCode, 2);
    EXPECT_EQ(runCli({"info", "a.png", "--bogus"}).exitCode, 2);
    EXPECT_EQ(runCli({"frobnicate"}).exitCode, 2);
    EXPECT_EQ(runCli({}).exitCode, 2);
    EXPECT_EQ(runCli({"--help"}).exitCode, 0);
}
