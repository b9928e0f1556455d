#include "DocumentBuilder.h"
#include "RecordingUserInterface.h"
#include "RunCli.h"
#include "TempDir.h"

#include "common/FileIo.h"
#include "output/AsmText.h"
#include "output/PaletteSteps.h"
#include "output/ScratchBinaries.h"
#include "palette/PaletteFile.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kadro {
namespace {

// Stands in for the colour tables: the code is the red channel with the blue one above it,
// so a step's interpolation shows directly in the written bytes.
std::uint16_t redBlueCode(Colour c) {
    return static_cast<std::uint16_t>(redOf(c) | blueOf(c) << 8);
}

std::string line(std::uint32_t value) {
    std::string text = "\tdb\t";
    for (int i = 0; i < 16; ++i)
        text += AsmText::hex(value) + (i < 15 ? "," : "\n");
    return text;
}

std::string step(std::uint32_t low, std::uint32_t high) {
    const std::string lows = line(low), highs = line(high);
    return lows + lows + lows + lows + "\n\n" + highs + highs + highs + highs + "\n\n;" +
           std::string(46, '=') + "\n";
}

TEST(PaletteSteps, FadeTowardTheTarget) {
    PaletteTable slots{};
    for (std::size_t i = 0; i < 64; ++i)
        slots[i] = {makeColour(0, 0, 200), 1};
    // Red 0 -> 255 in four levels gives 0, 63, 126, 189; blue 200 -> 0 gives 200, 150, 100, 50.
    const Colour target = makeColour(255, 0, 0);
    EXPECT_EQ(PaletteSteps::text(slots, target, 4, redBlueCode),
              step(0, 200) + step(63, 150) + step(126, 100) + step(189, 50));
    EXPECT_EQ(PaletteSteps::text(slots, target, 1, redBlueCode), step(0, 200));
    EXPECT_EQ(PaletteSteps::text(slots, target, 0, redBlueCode), "");
    // Slots not in use take the target itself at every step.
    EXPECT_EQ(PaletteSteps::text(PaletteTable{}, target, 2, redBlueCode),
              step(255, 0) + step(255, 0));
    EXPECT_EQ(PaletteSteps::stepChannel(255, 0, 4, 3), 255 - 63 * 3);
}

TEST(PaletteSteps, WritesPalStepOrRefusesABadFile) {
    test::TempDir dir;
    PaletteTable slots{};
    slots[0] = {makeColour(10, 0, 0), 1};
    ASSERT_TRUE(writePaletteFile(dir.file("a.pal"), slots, nullptr));
    test::RecordingUserInterface ui;
    ASSERT_TRUE(PaletteSteps::write(dir.file("a.pal"), 0, 2, redBlueCode, dir.path().string(), ui));
    const std::string text = test::slurp(dir.file("PALStep.asm"));
    EXPECT_EQ(text.rfind("\tdb\t$0A,$00,", 0), 0u) << text;
    EXPECT_NE(text.find("\r\n"), std::string::npos);

    std::filesystem::remove(dir.file("PALStep.asm"));
    ASSERT_TRUE(fileio::writeTextFile(dir.file("b.pal"), "NOT a palette at all", nullptr));
    EXPECT_FALSE(
        PaletteSteps::write(dir.file("b.pal"), 0, 2, redBlueCode, dir.path().string(), ui));
    EXPECT_EQ(ui.messages, std::vector<std::string>{"该文件不是合法的调色板文件!"});
    EXPECT_FALSE(std::filesystem::exists(dir.file("PALStep.asm")));
}

TEST(ScratchBinaries, HoldPgtNamesAndTheFirst32Entries) {
    const auto doc = test::makeDocument(test::logoPlan());
    const auto scratch = ScratchBinaries::from(ConvertedData(doc.settings, doc.results));
    test::TempDir dir;
    test::RecordingUserInterface ui;
    ASSERT_TRUE(scratch.write(dir.path().string(), ui));
    EXPECT_EQ(std::filesystem::file_size(dir.file("PGT_Temp.BIN")), 128u);
    EXPECT_EQ(test::slurp(dir.file("PNT_Temp.BIN")), std::string("\0\0\1\0\2\0\3\0", 8));
    const std::string pal = test::slurp(dir.file("PAL_Temp.BIN"));
    EXPECT_EQ(pal.size(), 64u);
    EXPECT_EQ(pal.substr(62), "\x1F\x03");
}

} // namespace
} // namespace kadro
