#include "RunCli.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>

using kadro::test::runCli;

namespace {
std::string data(const std::string& name) {
    return std::string(KADRO_TEST_DATA_DIR) + "/" + name;
}
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

TEST(InfoCli, JsonForScripts) {
    kadro::test::TempDir dir;
    // A name with a quote, a backslash and a byte that is not UTF-8 still gives valid JSON.
    const std::string odd = dir.file("say \"hi\\\xff.png");
    std::filesystem::copy_file(data("formats/sample.png"), odd);
    const auto run = runCli({"info", odd, "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto figures = nlohmann::json::parse(run.out);
    EXPECT_EQ(figures["format"], "PNG");
    EXPECT_EQ(figures["width"], 48);
    EXPECT_EQ(figures["height"], 32);
    EXPECT_EQ(figures["colours"], 5);
    EXPECT_EQ(figures["coloursCapped"], false);
    EXPECT_EQ(figures["file"].get<std::string>().rfind(dir.file("say \"hi\\"), 0), 0u);

    const std::string kdr = dir.file("s.kdr");
    ASSERT_EQ(runCli({"convert", std::string(KADRO_SAMPLES_DIR) + "/sample.bmp", "-o", kdr,
                      "--char", "8x16", "--colour-mode", "nes"})
                  .exitCode,
              0);
    const auto document = nlohmann::json::parse(runCli({"info", "--json", kdr}).out);
    EXPECT_EQ(document["format"], "KDR");
    EXPECT_EQ(document["width"], 256);
    EXPECT_EQ(document["characters"], 480);
    EXPECT_EQ(document["characterSize"], "8*16");
    EXPECT_EQ(document["colourMode"], "VT03 OLD(64 NES)");
    EXPECT_EQ(document["colourCount"], "16 Color");
    EXPECT_GT(document["patternBytes"].get<int>(), 0);
    EXPECT_EQ(document["banks"], 1);
}
