// The program's own road to the TV: a picture converted, rendered and packed by kadro-cli must
// show in the emulator exactly as the preview draws it.
#include "Emulator.h"
#include "RunCli.h"
#include "TempDir.h"

#include "common/FileIo.h"
#include "picture/DibImage.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kadro::test::rom {
namespace {

namespace fs = std::filesystem;

// A private copy of the program and what lies beside it, so "Rom.b01" is written there and
// nowhere else.
std::string installProgram(const TempDir& dir) {
    for (const char* name : {"kadro-cli", "BMPMODULE.so", "Rom.b00", "Hsl2rgb.tab", "6576(ok).act"})
        fs::copy_file(fs::path(KADRO_BIN_DIR) / name, dir.path() / name);
    return dir.file("kadro-cli");
}

void expectRomShowsPreview(const std::string& picture, const std::vector<std::string>& options) {
    if (findMame().empty())
        GTEST_SKIP() << "mame is not installed (apt-get install mame): the ROM cannot be run";
    TempDir bin, work;
    const std::string cli = installProgram(bin);
    std::vector<std::string> convert{"convert", picture, "-o", work.file("p.kdr")};
    convert.insert(convert.end(), options.begin(), options.end());
    const auto converted = runProgram(cli, convert);
    ASSERT_EQ(converted.exitCode, 0) << converted.err;
    ASSERT_EQ(runProgram(cli, {"render", work.file("p.kdr"), "-o", work.file("p.bmp")}).exitCode,
              0);
    const auto packed = runProgram(cli, {"rom", work.file("p.kdr"), "-o", work.file("p.rom")});
    ASSERT_EQ(packed.exitCode, 0) << packed.err;
    EXPECT_EQ(fileio::readFile(work.file("p.rom")), fileio::readFile(bin.file("Rom.b01")))
        << "the copy and the image beside the program are the same";

    const EmulatorRun run = runRom(work.file("p.rom"), 2);
    ASSERT_TRUE(run.screen) << run.error;
    const auto preview = readBmp(work.file("p.bmp"));
    ASSERT_TRUE(preview);
    const ScreenDifference diff = compareScreen(*run.screen, *preview, 0, 0);
    EXPECT_EQ(diff.pixels, 0) << "first at (" << diff.x << ", " << diff.y << ")";
}

std::string sample() {
    return std::string(KADRO_SAMPLES_DIR) + "/sample.bmp";
}

TEST(TestRomBuilder, ShowsTheConvertedSample) {
    expectRomShowsPreview(sample(), {});
}

// Four pattern banks: the scan-line interrupt list switches them on the way down.
TEST(TestRomBuilder, ShowsASampleSplitIntoBanks) {
    expectRomShowsPreview(sample(), {"--end", "400"});
}

// Four colours a character in the old 64-colour mode: 2-bit tiles, 4 KB banks.
TEST(TestRomBuilder, ShowsAFourColourPictureInTheOldPalette) {
    TempDir dir;
    auto picture = DibImage::createBlank(256, 240);
    const Colour sky = 0x602010, hill = 0x208040, sun = 0x00C0F0, stripe = 0xF0F0F0;
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 256; ++x) {
            Colour c = y > 150 + (x / 16) % 5 * 8 ? hill : sky;
            if ((x - 180) * (x - 180) + (y - 60) * (y - 60) < 400)
                c = sun;
            if (y > 200 && (x + y) % 16 < 4)
                c = stripe;
            picture->setPixel(x, y, c);
        }
    ASSERT_TRUE(picture->writeBmp(dir.file("four.bmp")));
    expectRomShowsPreview(dir.file("four.bmp"), {"--colours", "4", "--colour-mode", "nes"});
}

} // namespace
} // namespace kadro::test::rom
