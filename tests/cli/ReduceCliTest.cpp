#include "BlockColours.h"
#include "PackingCases.h"
#include "RunCli.h"
#include "TempDir.h"

#include "common/UserInterface.h"
#include "picture/FormatModule.h"
#include "picture/KdrFile.h"

#include <gtest/gtest.h>

#include <regex>

using namespace kadro;
using kadro::test::runCli;

namespace {

DibImage readPicture(const std::string& path) {
    SilentUserInterface ui;
    auto image = loadPictureFile(KADRO_BIN_DIR, path, ui);
    EXPECT_TRUE(image) << path;
    return image ? std::move(*image) : *DibImage::createBlank(0, 0);
}

bool samePixels(const DibImage& a, const DibImage& b) {
    return a.width() == b.width() && a.height() == b.height() &&
           std::ranges::equal(a.pixels(), b.pixels());
}

// A photograph's worth of colours: smooth runs with a little noise, thousands of colours in all
// and far more than sixteen in every block.
std::string photo(const test::TempDir& dir, int width = 128, int height = 96) {
    auto image = DibImage::createBlank(width, height);
    std::mt19937 random(8);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image->setPixel(x, y,
                            makeColour((x * 2 + static_cast<int>(random() % 9)) % 256,
                                       (y * 2 + x / 3) % 256, (x * y / 7 + 40) % 256));
    EXPECT_TRUE(image->writeBmp(dir.file("photo.bmp")));
    return dir.file("photo.bmp");
}

} // namespace

TEST(ReduceCli, ReducesAnyPictureToTheBlockRules) {
    test::TempDir dir;
    const std::string input = photo(dir);
    const auto run = runCli({"reduce", input, "-o", dir.file("r.png"), "--colour-mode", "rgb",
                             "--dither", "ordered", "--strength", "0.5"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(std::regex_match(
        run.out, std::regex(dir.file("r.png") +
                            R"(: TFT RGB\(4K RGB\), (1[0-6]|[1-9]) palettes? of 16 colours, )"
                            R"(PSNR [0-9]+\.[0-9]{2} dB\n)")))
        << run.out;
    const DibImage reduced = readPicture(dir.file("r.png"));
    EXPECT_EQ(reduced.width(), 128);
    EXPECT_LE(test::mostBlockColours(reduced), 16u);
    EXPECT_GT(test::mostBlockColours(readPicture(input)), 16u);

    const auto four = runCli({"reduce", input, "-o", dir.file("r4.bmp"), "--colours", "4"});
    ASSERT_EQ(four.exitCode, 0) << four.err;
    EXPECT_NE(four.out.find(" of 4 colours, "), std::string::npos) << four.out;
    EXPECT_LE(test::mostBlockColours(readPicture(dir.file("r4.bmp"))), 4u);
}

// The reduced picture converts as it is: the console shows exactly what "reduce" wrote, in
// every mode, for an area whose blocks are laid from its own corner too.
TEST(ReduceCli, ConvertWithReduceShowsTheReducedPicture) {
    test::TempDir dir;
    const std::string input = photo(dir);
    struct Case {
        std::vector<std::string> options;
    };
    const Case cases[] = {{{"--colour-mode", "rgb", "--dither", "diffusion"}},
                          {{"--colour-mode", "hsl", "--colours", "4"}},
                          {{"--colour-mode", "nes", "--background", "#102030"}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options[1]);
        std::vector<std::string> reduce{"reduce", input, "-o", dir.file("r.bmp")};
        std::vector<std::string> convert{"convert", input, "-o", dir.file("c.kdr"), "--reduce"};
        reduce.insert(reduce.end(), c.options.begin(), c.options.end());
        convert.insert(convert.end(), c.options.begin(), c.options.end());
        ASSERT_EQ(runCli(reduce).exitCode, 0);
        const auto converted = runCli(convert);
        ASSERT_EQ(converted.exitCode, 0) << converted.err;
        ASSERT_EQ(runCli({"render", dir.file("c.kdr"), "-o", dir.file("shown.bmp")}).exitCode, 0);
        EXPECT_TRUE(samePixels(readPicture(dir.file("shown.bmp")), readPicture(dir.file("r.bmp"))));
    }

    // An area off the block grid: the reduction's blocks are the conversion's blocks.
    const auto area = runCli({"convert", input, "-o", dir.file("a.kdr"), "--reduce", "--area",
                              "8,24,96,64", "--colour-mode", "rgb"});
    ASSERT_EQ(area.exitCode, 0) << area.err;
    EXPECT_NE(area.out.find(": 96x64, "), std::string::npos) << area.out;
}

TEST(ReduceCli, BestFitConvertsWhatFirstFitRefuses) {
    test::TempDir dir;
    std::mt19937 random(21);
    // Small blocks from few colours: first-fit fills its palettes wrongly early on.
    test::PackingCase cse;
    do
        cse = test::packableCase(random, 240, 15, 16, 60, 2, 6, test::rgbExactColours());
    while (test::FirstFit(cse.blocks, cse.background, 16).packed);
    const auto picture = test::paintBlocks(cse, 16, random);
    ASSERT_TRUE(picture.writeBmp(dir.file("packable.bmp")));

    const auto first = runCli({"convert", dir.file("packable.bmp"), "-o", dir.file("f.kdr"),
                               "--colour-mode", "rgb", "--background", "#000000"});
    EXPECT_EQ(first.exitCode, 1);
    EXPECT_NE(first.err.find("没有可用的调色板匹配("), std::string::npos) << first.err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("f.kdr")));

    const auto best =
        runCli({"convert", dir.file("packable.bmp"), "-o", dir.file("b.kdr"), "--colour-mode",
                "rgb", "--background", "#000000", "--palette-fit", "BEST"});
    ASSERT_EQ(best.exitCode, 0) << best.err;
    ASSERT_EQ(runCli({"render", dir.file("b.kdr"), "-o", dir.file("b.bmp")}).exitCode, 0);
    EXPECT_TRUE(samePixels(readPicture(dir.file("b.bmp")), picture));

    // First fit named in so many words is the default road, byte for byte.
    const std::string sample = std::string(KADRO_SAMPLES_DIR) + "/sample.bmp";
    ASSERT_EQ(runCli({"convert", sample, "-o", dir.file("d.kdr")}).exitCode, 0);
    ASSERT_EQ(
        runCli({"convert", sample, "-o", dir.file("e.kdr"), "--palette-fit", "first"}).exitCode, 0);
    EXPECT_EQ(test::slurp(dir.file("d.kdr")), test::slurp(dir.file("e.kdr")));
}
