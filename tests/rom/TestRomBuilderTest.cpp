// The program's own road to the TV: a converted sample packed by the ROM builder must show in
// the emulator exactly as the preview draws it.
#include "Emulator.h"
#include "RecordingUserInterface.h"
#include "RunCli.h"
#include "TempDir.h"

#include "common/FileIo.h"
#include "output/TestRom.h"

#include <gtest/gtest.h>

namespace kadro::test::rom {
namespace {

void expectRomShowsPreview(const std::vector<std::string>& convertOptions) {
    if (findMame().empty())
        GTEST_SKIP() << "mame is not installed (apt-get install mame): the ROM cannot be run";
    TempDir dir;
    std::vector<std::string> convert{"convert", std::string(KADRO_SAMPLES_DIR) + "/sample.bmp",
                                     "-o", dir.file("s.kdr")};
    convert.insert(convert.end(), convertOptions.begin(), convertOptions.end());
    ASSERT_EQ(runCli(convert).exitCode, 0);
    ASSERT_EQ(runCli({"render", dir.file("s.kdr"), "-o", dir.file("s.bmp")}).exitCode, 0);

    const KdrReadResult read = readKdr(dir.file("s.kdr"));
    ASSERT_EQ(read.status, KdrStatus::Ok);
    RecordingUserInterface ui;
    const auto romTemplate = TestRom::loadTemplate(KADRO_BIN_DIR, ui);
    ASSERT_TRUE(romTemplate);
    const ConvertedData data(read.document.settings, read.document.results);
    const auto image = TestRom::build(*romTemplate, data, 0, ui);
    ASSERT_TRUE(image);
    ASSERT_TRUE(fileio::writeFile(dir.file("s.rom"), *image, nullptr));

    const EmulatorRun run = runRom(dir.file("s.rom"), 2);
    ASSERT_TRUE(run.screen) << run.error;
    const auto preview = readBmp(dir.file("s.bmp"));
    ASSERT_TRUE(preview);
    const ScreenDifference diff = compareScreen(*run.screen, *preview, 0, 0);
    EXPECT_EQ(diff.pixels, 0) << "first at (" << diff.x << ", " << diff.y << ")";
}

TEST(TestRomBuilder, ShowsTheConvertedSample) {
    expectRomShowsPreview({});
}

// Four pattern banks: the scan-line interrupt list switches them on the way down.
TEST(TestRomBuilder, ShowsASampleSplitIntoBanks) {
    expectRomShowsPreview({"--end", "400"});
}

} // namespace
} // namespace kadro::test::rom
