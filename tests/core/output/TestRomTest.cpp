#include "DocumentBuilder.h"
#include "RecordingUserInterface.h"
#include "RunCli.h"
#include "TempDir.h"

#include "common/FileIo.h"
#include "output/AsmWriter.h"
#include "output/TestRom.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace kadro {
namespace {

namespace fs = std::filesystem;
using test::DocumentPlan;

// 256 x 192 in 8 x 8 tiles over three banks starting at rows 0, 64 and 128.
DocumentPlan screenSpec() {
    DocumentPlan plan;
    plan.width = 256;
    plan.height = 192;
    for (int i = 0; i < 768; ++i)
        plan.names.push_back(static_cast<std::uint16_t>(i));
    plan.attributes.assign(768, 1);
    for (int i = 0; i < 64; ++i)
        plan.palette.push_back(static_cast<std::uint16_t>(0x100 * (i % 4) + i));
    plan.pattern = test::counting(2 * 0x2000 + 32);
    plan.bankStartRows = {0, 64, 128};
    plan.bankSizes = {32, 32, 32};
    return plan;
}

std::optional<std::vector<std::uint8_t>> build(const KdrDocument& doc,
                                               test::RecordingUserInterface& ui, int panel = 5) {
    const std::vector<std::uint8_t> blank(TestRom::imageBytes, 0xEE);
    return TestRom::build(blank, ConvertedData(doc.settings, doc.results), panel, ui);
}

TEST(TestRom, AreaOffsets) {
    EXPECT_EQ(TestRom::nameOffset(0x2000), 0x2000u);
    EXPECT_EQ(TestRom::nameOffset(0x2001), 0x4000u);
    EXPECT_EQ(TestRom::attributeDistance(1536), 0x2000u);
    EXPECT_EQ(TestRom::attributeDistance(0x4000), 0x2000u);
    EXPECT_EQ(TestRom::attributeDistance(0x4002), 0x4000u);
}

TEST(TestRom, LaysOutEveryArea) {
    const auto doc = test::makeDocument(screenSpec());
    test::RecordingUserInterface ui;
    const auto image = build(doc, ui);
    ASSERT_TRUE(image) << (ui.messages.empty() ? "" : ui.messages[0]);
    const auto& rom = *image;
    ASSERT_EQ(rom.size(), TestRom::imageBytes);
    EXPECT_TRUE(
        std::equal(doc.results.patternData.begin(), doc.results.patternData.end(), rom.begin()));
    EXPECT_EQ(rom[0x4020], 0xEE);
    // Names from 0x6000 (the PGT rounded up), attributes 0x2000 further on: 8 x 6 packed bytes.
    EXPECT_EQ(rom[0x6000 + 300], 300 & 0xFF);
    EXPECT_EQ(rom[0x6000 + 767], 767 & 0xFF);
    EXPECT_EQ(rom[0x6000 + 768], 0xEE);
    EXPECT_TRUE(std::all_of(rom.begin() + 0x8000, rom.begin() + 0x8000 + 48,
                            [](std::uint8_t b) { return b == 0x55; }));
    EXPECT_EQ(rom[0x8000 + 48], 0xEE);
    // Palette 0, slot 5 shows entry 17; palette 3, slot 15 entry 63; slots 16-31 the backdrop.
    EXPECT_EQ(rom[0x7E005], 17);
    EXPECT_EQ(rom[0x7E085], 1);
    EXPECT_EQ(rom[0x7E06F], 63);
    EXPECT_EQ(rom[0x7E0EF], 3);
    EXPECT_EQ(rom[0x7E010], 0);
    EXPECT_EQ(rom[0x7E0FF], 0);
    const std::vector<std::uint8_t> parameters(rom.begin() + 0x7E100, rom.begin() + 0x7E10C);
    EXPECT_EQ(parameters,
              (std::vector<std::uint8_t>{3, 32, 24, 4, 8, 6, 0x82, 5, 0x3F, 0x3F, 0, 0xEE}));
}

TEST(TestRom, FlagsAndSingleBank) {
    auto plan = test::logoPlan();
    plan.colourCount = 1;
    plan.colourMode = 2;
    plan.pattern.resize(64); // 4 colours: 16 bytes a tile
    plan.bankSizes = {64};
    const auto doc = test::makeDocument(plan);
    test::RecordingUserInterface ui;
    const auto rom = build(doc, ui);
    ASSERT_TRUE(rom);
    EXPECT_EQ((*rom)[0x7E106], 0x00);
    EXPECT_EQ((*rom)[0x7E108], 0);
    EXPECT_EQ((*rom)[0x7E109], 0xEE);

    ConversionSettings s;
    s.colourMode = 1;
    s.colourCount = 1;
    EXPECT_EQ(TestRom::flags(s), 0x80);
    s.colourMode = 2;
    s.colourCount = 0;
    EXPECT_EQ(TestRom::flags(s), 0x02);
}

TEST(TestRom, TakesTheLowerLeftAttributeThatTheNameTableTextLeavesOut) {
    // 2 x 3 cells: the block at cell 0 has a lower-left cell (4) but no lower-right one (6).
    test::DocumentPlan plan = test::logoPlan();
    plan.height = 24;
    plan.names = {0, 1, 2, 3, 0, 1};
    plan.attributes = {0, 0, 0, 0, 1, 0};
    const auto doc = test::makeDocument(plan);
    test::RecordingUserInterface ui;
    const auto rom = build(doc, ui);
    ASSERT_TRUE(rom);
    EXPECT_EQ((*rom)[0x2000 + 0x2000], 0x10);
    const ConvertedData data(doc.settings, doc.results);
    EXPECT_NE(AsmWriter(data, ui).nameTables("P").find("P_attrib0:\n\tdb\t$00\n"),
              std::string::npos);
}

TEST(TestRom, RefusesWhatDoesNotFit) {
    auto plan = test::logoPlan();
    plan.pattern.resize(0x7D000, 0); // names land at 0x7E000
    const auto doc = test::makeDocument(plan);
    test::RecordingUserInterface ui;
    EXPECT_FALSE(build(doc, ui));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("0x7E000"), std::string::npos) << ui.messages[0];

    const auto logo = test::makeDocument(test::logoPlan());
    const std::vector<std::uint8_t> shortTemplate(0x1000, 0xFF);
    EXPECT_FALSE(TestRom::build(shortTemplate, ConvertedData(logo.settings, logo.results), 0, ui));
    EXPECT_EQ(ui.messages.size(), 2u);
}

TEST(TestRom, MissingTemplate) {
    test::TempDir dir;
    test::RecordingUserInterface ui;
    EXPECT_FALSE(TestRom::loadTemplate(dir.path().string(), ui));
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Open Rom.b00 Error!"});
}

// A fake system: device files, a label folder of links and a mount table naming them.
struct FakeSystem {
    test::TempDir dir;
    std::string table = dir.file("mounts");
    std::string labels = dir.file("by-label");

    FakeSystem() {
        fs::create_directories(dir.path() / "dev");
        fs::create_directories(labels);
        for (const char* d : {"sdb1", "sdc1"})
            std::ofstream(dir.path() / "dev" / d);
    }
    void label(const std::string& name, const std::string& device) {
        fs::create_symlink("../dev/" + device, fs::path(labels) / name);
    }
    void mounts(const std::string& text) { std::ofstream(table) << text; }
    std::string dev(const std::string& d) const { return dir.file("dev/" + d); }
};

TEST(VolumeFinder, FindsTheMountOfTheLabelledDevice) {
    FakeSystem sys;
    sys.label("MS1", "sdc1");
    sys.label("MS1\\x20OLD", "sdb1");
    sys.mounts("proc /proc proc rw 0 0\n" + sys.dev("sdb1") + " /media/old vfat rw 0 0\n" +
               sys.dev("sdc1") + " /media/my\\040stick vfat rw 0 0\n" + sys.dev("sdc1") +
               " /mnt/again vfat rw 0 0\n");
    const VolumeFinder finder(sys.table, sys.labels);
    EXPECT_EQ(finder.mountPointOf("MS1"), "/media/my stick");
    EXPECT_EQ(finder.mountPointOf("MS1 OLD"), "/media/old");
    EXPECT_EQ(finder.mountPointOf("ms1"), std::nullopt);
    EXPECT_EQ(VolumeFinder(sys.table, sys.dir.file("none")).mountPointOf("MS1"), std::nullopt);
}

TEST(TestRom, DeliversBesideTheProgramAndToTheVolume) {
    FakeSystem sys;
    const fs::path program = sys.dir.path() / "bin";
    const fs::path stick = sys.dir.path() / "stick";
    fs::create_directories(program);
    fs::create_directories(stick);
    sys.label("MS1", "sdb1");
    sys.mounts(sys.dev("sdb1") + " " + stick.string() + " vfat rw 0 0\n");
    const std::vector<std::uint8_t> image(TestRom::imageBytes, 0x42);
    test::RecordingUserInterface ui;
    const auto delivery =
        TestRom::deliver(image, program.string(), VolumeFinder(sys.table, sys.labels), ui);
    EXPECT_TRUE(delivery.imageSaved);
    EXPECT_EQ(test::slurp((program / "Rom.b01").string()), std::string(image.begin(), image.end()));
    ASSERT_TRUE(delivery.copy);
    EXPECT_EQ(*delivery.copy, (stick / "ROM.BIN").string());
    EXPECT_EQ(fs::file_size(stick / "ROM.BIN"), TestRom::imageBytes);
    EXPECT_TRUE(ui.messages.empty());

    // No writable program folder: said once, and the volume still gets its copy.
    const auto missing = TestRom::deliver(image, (program / "gone").string(),
                                          VolumeFinder(sys.table, sys.labels), ui);
    EXPECT_FALSE(missing.imageSaved);
    EXPECT_TRUE(missing.copy);
    EXPECT_EQ(ui.messages.size(), 1u);
}

} // namespace
} // namespace kadro
