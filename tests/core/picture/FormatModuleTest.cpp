#include "picture/FormatModule.h"

#include "RecordingUserInterface.h"
#include "TempDir.h"
#include "common/FileIo.h"
#include "picture/ConversionSettings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

using namespace kadro;

TEST(FormatModule, ClassifiesByExtension) {
    EXPECT_EQ(FormatModuleLoader::classify("a.JPG"), 12);
    EXPECT_EQ(FormatModuleLoader::classify("a.jpeg"), 12);
    EXPECT_EQ(FormatModuleLoader::classify("dir.x/a.Jpeg"), 12);
    EXPECT_EQ(FormatModuleLoader::classify("a.tif"), 11);
    EXPECT_EQ(FormatModuleLoader::classify("a.TIFF"), 11);
    EXPECT_EQ(FormatModuleLoader::classify("a.png"), 7);
    EXPECT_EQ(FormatModuleLoader::classify("a.jfif"), 0);
    EXPECT_EQ(FormatModuleLoader::classify("a.kdr"), 0);
    EXPECT_EQ(FormatModuleLoader::classify(""), 0);
    EXPECT_EQ(FormatModuleLoader::classify("picture"), 0) << "no dot, more than 5 characters";
    EXPECT_EQ(FormatModuleLoader::classify("xgif"), 6) << "no dot: all after the first character";
    EXPECT_EQ(FormatModuleLoader::libraryFileName("PNG"), "PNGMODULE.so");
}

namespace {
// A module answering with a 3 x 1 picture: red, green, blue in 0x00RRGGBB.
int threePixels(ImageRequest* r) {
    EXPECT_EQ(r->version, 8);
    EXPECT_STREQ(r->path, "x.bmp");
    switch (r->command) {
    case CommandIdentify:
        EXPECT_EQ(r->progressState, 1);
        return 1;
    case CommandDescribe:
        r->description.width = 3;
        r->description.height = 1;
        return 1;
    case CommandReadPixels:
        EXPECT_EQ(r->pixelHeader.bitCount, 32);
        EXPECT_EQ(r->colourMasks[0], 0x00FF0000u);
        r->rowTable[0][0] = 0x00FF0000;
        r->rowTable[0][1] = 0x0000FF00;
        r->rowTable[0][2] = 0xAA0000FF; // the top byte is not a colour
        return 1;
    }
    return 0;
}
int refuseToRead(ImageRequest* r) {
    return r->command == CommandReadPixels ? 0 : threePixels(r);
}
int hugeClaim(ImageRequest* r) {
    if (r->command == CommandDescribe) {
        r->description.width = 1 << 20;
        r->description.height = 1 << 20;
    }
    return r->command == CommandReadPixels ? (ADD_FAILURE() << "must not read", 0) : 1;
}
} // namespace

TEST(FormatModule, ConvertsModulePixelsToATrueColourImage) {
    auto img = FormatModuleLoader::runRequest(threePixels, "x.bmp");
    ASSERT_TRUE(img);
    EXPECT_EQ(img->bitCount(), 24);
    EXPECT_EQ(img->stride(), 12);
    const auto px = img->pixels();
    EXPECT_EQ(px[0], 0x00);
    EXPECT_EQ(px[2], 0xFF) << "red lands in the third byte";
    EXPECT_EQ(px[6], 0xFF) << "blue in the first byte of the third pixel";
    EXPECT_EQ(px[9], 0x00) << "the first padding byte is zero";
    Colour c = 0;
    img->getPixel(0, 0, c);
    EXPECT_EQ(c, 0x0000FFu);
}

TEST(FormatModule, FailingModulesAndHugeClaimsGiveNoPicture) {
    EXPECT_FALSE(FormatModuleLoader::runRequest(refuseToRead, "x.bmp"));
    EXPECT_FALSE(FormatModuleLoader::runRequest(hugeClaim, "x.bmp"));
}

TEST(FormatModule, UnknownTypesAreRefusedWithAMessageMissingModulesSilently) {
    test::TempDir empty;
    FormatModuleLoader loader(empty.path().string());
    test::RecordingUserInterface ui;
    EXPECT_FALSE(loader.load("a.xyz", ui));
    EXPECT_EQ(ui.messages, std::vector<std::string>{"无效的文件类型"});
    EXPECT_FALSE(loader.load("a.png", ui));
    EXPECT_EQ(ui.messages.size(), 1u);
    loader.setEntryPoint(1, threePixels);
    EXPECT_TRUE(loader.load("x.bmp", ui));
}

// Real files of every format, read through the modules built beside the programs.
class RealFiles : public ::testing::TestWithParam<const char*> {};

TEST_P(RealFiles, LoadWithTheirSizeAndColours) {
    const std::string path = std::string(KADRO_TEST_DATA_DIR) + "/formats/sample." + GetParam();
    test::RecordingUserInterface ui;
    auto img = loadPictureFile(KADRO_BIN_DIR, path, ui);
    ASSERT_TRUE(img) << path;
    EXPECT_EQ(img->width(), 48);
    EXPECT_EQ(img->height(), 32);
    const auto colours = colourStats(&*img, 0, 0, 48, 32);
    if (std::string(GetParam()) == "wmf") {
        EXPECT_GE(colours.size(), 2u) << "a drawing, smoothed at its edges";
        return;
    }
    EXPECT_EQ(colours.size(), 5u);
    Colour corner = 0;
    img->getPixel(47, 31, corner);
    if (std::string(GetParam()) != "jpg") {
        EXPECT_EQ(corner, 0x2020C0u) << "bottom-right block is red";
    }
    EXPECT_TRUE(ui.messages.empty());
}

// A cut file is refused, or (where the cut only lost data the picture does not need) gives the
// very same pixels: never a half-made picture.
TEST_P(RealFiles, TruncatedCopiesAreRefusedOrWhole) {
    if (std::string(GetParam()) == "wmf")
        GTEST_SKIP() << "a drawing cut short is still a valid smaller drawing";
    const std::string path = std::string(KADRO_TEST_DATA_DIR) + "/formats/sample." + GetParam();
    auto bytes = fileio::readFile(path);
    ASSERT_TRUE(bytes);
    test::TempDir dir;
    test::RecordingUserInterface ui;
    const auto whole = loadPictureFile(KADRO_BIN_DIR, path, ui);
    ASSERT_TRUE(whole);
    const std::vector<std::uint8_t> wholeBlock(whole->block().begin(), whole->block().end());
    for (std::size_t keep :
         {std::size_t{0}, std::size_t{10}, bytes->size() / 2, bytes->size() - 40}) {
        const std::string cut = dir.file("cut." + std::string(GetParam()));
        ASSERT_TRUE(fileio::writeFile(cut, {bytes->data(), keep}, nullptr));
        const auto loaded = loadPictureFile(KADRO_BIN_DIR, cut, ui);
        if (loaded) {
            EXPECT_TRUE(std::equal(wholeBlock.begin(), wholeBlock.end(), loaded->block().begin(),
                                   loaded->block().end()))
                << GetParam() << " cut to " << keep << " gave a different picture";
        }
    }
}

#if KADRO_WITH_MAGICKWAND
// Only a file's first picture is used, so the decoder stops after it: a later frame can neither
// make the read fail nor cost memory and time.
TEST(FormatModule, OnlyTheFirstPictureOfAFileIsDecoded) {
    const std::string path = std::string(KADRO_TEST_DATA_DIR) + "/formats/second-frame-cut.gif";
    test::RecordingUserInterface ui;
    const auto img = loadPictureFile(KADRO_BIN_DIR, path, ui);
    ASSERT_TRUE(img);
    EXPECT_EQ(img->width(), 16);
    EXPECT_EQ(colourStats(&*img, 0, 0, 16, 8), std::vector<Colour>{0x302010u});
}

INSTANTIATE_TEST_SUITE_P(Formats, RealFiles,
                         ::testing::Values("bmp", "cur", "ico", "pcx", "dcx", "gif", "png", "tga",
                                           "wmf", "tiff", "jpg", "psd"));
#else
INSTANTIATE_TEST_SUITE_P(Formats, RealFiles, ::testing::Values("bmp", "png"));
#endif

TEST(FormatModule, AHeaderClaimingAHugeSizeIsRefused) {
    // BMP headers that claim 100000 x 100000 pixels, or a top-down height of -2^31 (whose
    // negation does not fit an int), over a few bytes of data.
    for (const std::uint32_t height : {100000u, 0x80000000u}) {
        std::vector<std::uint8_t> bmp(54 + 16, 0);
        bmp[0] = 'B';
        bmp[1] = 'M';
        auto put32 = [&](std::size_t at, std::uint32_t v) {
            for (int i = 0; i < 4; ++i)
                bmp[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
        };
        put32(2, static_cast<std::uint32_t>(bmp.size()));
        put32(10, 54);
        put32(14, 40);
        put32(18, 100000);
        put32(22, height);
        bmp[26] = 1;
        bmp[28] = 24;
        test::TempDir dir;
        ASSERT_TRUE(fileio::writeFile(dir.file("huge.bmp"), bmp, nullptr));
        test::RecordingUserInterface ui;
        EXPECT_FALSE(loadPictureFile(KADRO_BIN_DIR, dir.file("huge.bmp"), ui)) << height;
    }
}
