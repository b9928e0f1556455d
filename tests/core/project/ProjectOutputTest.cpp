#include "ConvertedDocument.h"
#include "RecordingUserInterface.h"
#include "TempDir.h"

#include "common/FileIo.h"
#include "project/ProjectOutput.h"

#include <gtest/gtest.h>

#include <map>

using namespace kadro;
using test::convertedDocument;

namespace {

std::string text(const std::string& path) {
    const auto bytes = fileio::readFile(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string("(missing)");
}

std::vector<std::uint8_t> slice(const std::vector<std::uint8_t>& data, std::size_t from,
                                std::size_t length) {
    std::vector<std::uint8_t> out;
    for (std::size_t i = from; i < from + length; ++i)
        out.push_back(i < data.size() ? data[i] : 0xFF);
    return out;
}

void append(std::vector<std::uint8_t>& to, const std::vector<std::uint8_t>& more) {
    to.insert(to.end(), more.begin(), more.end());
}

ProjectRecord item(const std::string& name, const std::string& path) {
    ProjectRecord r;
    r.name = name;
    r.path = path;
    r.kind = 3;
    r.live = 1;
    return r;
}

struct OutputRun {
    test::TempDir dir;
    test::RecordingUserInterface ui;
    std::vector<ProjectRecord> records;

    void add(const std::string& name, const KdrDocument& document) {
        const std::string path = dir.file(name + ".kdr");
        EXPECT_TRUE(fileio::writeFile(path, kdrBytes(document), nullptr));
        records.push_back(item(name, path));
    }
    ProjectOutputReport run() { return writeProjectOutput(records, dir.path().string(), ui); }
    std::string file(const std::string& name) { return text(dir.file(name)); }
};

} // namespace

TEST(ProjectOutput, TwoBankLogoExample) {
    OutputRun out;
    const auto logo = convertedDocument(256, 240, {0, 120}, {3000, 100});
    out.add("Logo", logo);
    const auto report = out.run();
    ASSERT_TRUE(report.written);
    EXPECT_EQ(report.blocks, 3);
    EXPECT_TRUE(out.ui.messages.empty());

    EXPECT_EQ(out.file("VT03IRQ.ASM"),
              "LOGO_irq:\r\n\tdb\t$77,$10,$00,$01,$02,$03\r\n\tdb\t$00,$10,$02,$03,$04,$05\r\n");
    std::vector<std::uint8_t> pgt = slice(logo.results.patternData, 0, 4096);
    append(pgt, slice(logo.results.patternData, 8192, 2048)); // 100 stored bytes, then 0xFF
    append(pgt, std::vector<std::uint8_t>(32768 - 6144, 0xFF));
    EXPECT_EQ(fileio::readFile(out.dir.file("VT03PGT.BIN")), pgt);

    const std::string asmText = out.file("LOGO.ASM");
    EXPECT_EQ(asmText.rfind("LOGO_irq:\r\n\tdb\t$77,$10,$00,$01,$02,$03\r\n"
                            "\tdb\t$00,$10,$02,$03,$04,$05\r\nLOGO_pnt:\r\n\tdb\t$00,$01,",
                            0),
              0u);
    for (const char* label : {"\r\nLOGO_attrib:\r\n", "\r\nLOGO_palette:\r\n"})
        EXPECT_NE(asmText.find(label), std::string::npos) << label;
    EXPECT_EQ(asmText.find("\n\n"), std::string::npos); // every line end is CR LF
}

TEST(ProjectOutput, ItemTablesHaveTheirLayout) {
    const auto doc = convertedDocument(40, 8, {0}, {64}); // 5 tiles
    EXPECT_EQ(pntTable(doc), "\tdb\t$00,$01,$02,$03,$04,\n");
    EXPECT_EQ(pntTable(convertedDocument(128, 8, {0}, {64})),
              "\tdb\t$00,$01,$02,$03,$04,$05,$06,$07,$08,$09,$0A,$0B,$0C,$0D,$0E,$0F\n\n");

    const std::string palette = paletteTable(doc);
    EXPECT_EQ(std::count(palette.begin(), palette.end(), '\n'), 8);
    EXPECT_EQ(palette.rfind("\tdb\t$00,$01,$02,", 0), 0u);
    // Line 5 starts the high bytes: code n has high byte n mod 64.
    EXPECT_NE(
        palette.find("\n\tdb\t$00,$01,$02,$03,$04,$05,$06,$07,$08,$09,$0A,$0B,$0C,$0D,$0E,$0F\n"
                     "\tdb\t$10,"),
        std::string::npos);
    EXPECT_NE(palette.find("$3F\n"), std::string::npos);

    // One 4 x 4 block of tiles: a(0,0) | a(0,2)*4 | a(2,0)*16 | a(2,2)*64.
    auto square = convertedDocument(32, 32, {0}, {64});
    auto attr = [&](int r, int c) -> std::uint8_t& {
        return square.results.mapData[32 + r * 4 + c];
    };
    attr(0, 0) = 1;
    attr(0, 2) = 2;
    attr(2, 0) = 3;
    attr(2, 2) = 1;
    EXPECT_EQ(attributeTable(square), "\tdb\t$79\n\n");
}

TEST(ProjectOutput, AttributeLinesCoverWholeGroupsOfFourColumns) {
    auto valuesPerLine = [](int width) {
        const std::string table = attributeTable(convertedDocument(width, 64, {0}, {64}));
        const std::string first = table.substr(0, table.find('\n'));
        return std::count(first.begin(), first.end(), '$');
    };
    EXPECT_EQ(valuesPerLine(256), 8);
    EXPECT_EQ(valuesPerLine(248), 7);
    const std::string table = attributeTable(convertedDocument(248, 64, {0}, {64}));
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 2 + 1);
}

TEST(ProjectOutput, SixteenPixelCharactersStartOnAnEvenBlock) {
    OutputRun out;
    const auto first = convertedDocument(64, 32, {0}, {100}, 3);
    const auto second = convertedDocument(64, 32, {0}, {100}, 2);
    out.add("A", first);
    out.add("B", second);
    ASSERT_TRUE(out.run().written);
    EXPECT_EQ(out.file("VT03IRQ.ASM"), "A_irq:\r\n\tdb\t$00,$10,$00,$01,$02,$03\r\n"
                                       "B_irq:\r\n\tdb\t$00,$10,$02,$03,$04,$05\r\n");
    std::vector<std::uint8_t> pgt = slice(first.results.patternData, 0, 2048);
    append(pgt, std::vector<std::uint8_t>(2048, 0));
    append(pgt, slice(second.results.patternData, 0, 2048));
    // The alignment block is not counted by the fill.
    append(pgt, std::vector<std::uint8_t>(32768 - 4096, 0xFF));
    EXPECT_EQ(fileio::readFile(out.dir.file("VT03PGT.BIN")), pgt);
}

TEST(ProjectOutput, StartAddressSkipsWholeBlocksOfTheFirstBank) {
    OutputRun out;
    const auto doc = convertedDocument(64, 32, {0}, {6000}, 0, 0, 0x1000);
    out.add("S", doc);
    ASSERT_TRUE(out.run().written);
    EXPECT_EQ(out.file("VT03IRQ.ASM"), "S_irq:\r\n\tdb\t$00,$10,$FF,$FF,$00,$01\r\n");
    auto pgt = slice(doc.results.patternData, 4096, 2048);
    append(pgt, std::vector<std::uint8_t>(32768 - 2048, 0xFF));
    EXPECT_EQ(fileio::readFile(out.dir.file("VT03PGT.BIN")), pgt);

    // A start address past the bank's used blocks leaves nothing to write for it.
    OutputRun beyond;
    beyond.add("T", convertedDocument(64, 32, {0}, {100}, 0, 0, 0x1800));
    ASSERT_TRUE(beyond.run().written);
    EXPECT_EQ(beyond.file("VT03IRQ.ASM"), "T_irq:\r\n\tdb\t$00,$10,$FF,$FF,$FF,$00\r\n");
    EXPECT_EQ(fileio::readFile(beyond.dir.file("VT03PGT.BIN"))->size(), 0u);
}

TEST(ProjectOutput, FourColourBanksUseTheirStride) {
    OutputRun out;
    const auto doc = convertedDocument(64, 64, {0, 16, 40}, {4095, 2048, 10}, 0, 1);
    out.add("F", doc);
    ASSERT_TRUE(out.run().written);
    EXPECT_EQ(out.file("VT03IRQ.ASM"), "F_irq:\r\n\tdb\t$0F,$10,$00,$01,$02,$03\r\n"
                                       "\tdb\t$17,$10,$02,$03,$04,$05\r\n"
                                       "\tdb\t$00,$10,$04,$05,$06,$07\r\n");
    auto pgt = slice(doc.results.patternData, 0, 4096);
    append(pgt, slice(doc.results.patternData, 4096, 4096)); // 2048 used bytes give two blocks
    append(pgt, slice(doc.results.patternData, 8192, 2048));
    append(pgt, std::vector<std::uint8_t>(32768 - 10240, 0xFF));
    EXPECT_EQ(fileio::readFile(out.dir.file("VT03PGT.BIN")), pgt);
}

TEST(ProjectOutput, EmptyProjectsAndBanklessItems) {
    OutputRun none;
    ProjectRecord group;
    group.kind = 2;
    group.live = 1;
    none.records = {group};
    ASSERT_TRUE(none.run().written);
    EXPECT_EQ(none.file("VT03IRQ.ASM"), "");
    EXPECT_EQ(none.file("VT03PGT.BIN"), "");

    OutputRun bankless;
    bankless.add("logo", convertedDocument(16, 16, {}, {}));
    ASSERT_TRUE(bankless.run().written);
    EXPECT_EQ(bankless.file("VT03IRQ.ASM"), "LOGO_irq:\r\n\tdb\t\r\n");
    EXPECT_EQ(bankless.file("LOGO.ASM").rfind("LOGO_irq:\r\n\tdb\t\r\nLOGO_pnt:\r\n", 0), 0u);
}

TEST(ProjectOutput, UnreadableOrUnusableItemsAreSkippedByName) {
    OutputRun out;
    const auto doc = convertedDocument(16, 16, {0}, {64});
    out.add("Good", doc);
    out.records.push_back(item("Missing", "C:\\games\\missing.kdr"));
    auto shortBytes = kdrBytes(doc);
    shortBytes.resize(shortBytes.size() - 1);
    ASSERT_TRUE(fileio::writeFile(out.dir.file("short.kdr"), shortBytes, nullptr));
    out.records.push_back(item("Short", "short.kdr")); // relative to the output folder
    out.records.push_back(item("../escape", out.dir.file("Good.kdr")));
    out.records.push_back(item("vt03irq", out.dir.file("Good.kdr")));
    out.records.push_back(item("GOOD", out.dir.file("Good.kdr")));
    auto deleted = item("Deleted", out.dir.file("Good.kdr"));
    deleted.live = 0;
    out.records.push_back(deleted);
    // Bank 0 spans 264 rows: its IRQ count would be $107.
    out.add("Tall", convertedDocument(8, 272, {0, 264}, {32, 32}));

    const auto report = out.run();
    ASSERT_TRUE(report.written);
    EXPECT_EQ(report.skipped, (std::vector<std::string>{"Missing", "Short", "../escape", "vt03irq",
                                                        "GOOD", "Tall"}));
    ASSERT_EQ(out.ui.messages.size(), 6u);
    EXPECT_NE(out.ui.messages[0].find("C:\\games\\missing.kdr: cannot open"), std::string::npos);
    EXPECT_NE(out.ui.messages[1].find("shorter than its header says"), std::string::npos);
    EXPECT_NE(out.ui.messages[5].find("IRQ count $107 does not fit a byte"), std::string::npos);
    EXPECT_EQ(out.file("VT03IRQ.ASM"), "GOOD_irq:\r\n\tdb\t$00,$10,$00,$01,$02,$03\r\n");
    EXPECT_EQ(report.files.size(), 3u);
    EXPECT_FALSE(std::filesystem::exists(out.dir.file("MISSING.ASM")));
    EXPECT_FALSE(std::filesystem::exists(out.dir.path().parent_path() / "ESCAPE.ASM"));
}

TEST(ProjectOutput, BlockNumbersAboveFFAreRefusedWhole) {
    OutputRun out;
    std::vector<int> rows, sizes(16, 8191);
    for (int k = 0; k < 16; ++k)
        rows.push_back(8 * k);
    const auto big = convertedDocument(256, 240, rows, sizes);
    for (const char* name : {"A", "B", "C", "D"})
        out.add(name, big);
    auto report = out.run();
    ASSERT_TRUE(report.written); // 256 blocks: the last numbers are $FC..$FF
    EXPECT_NE(out.file("VT03IRQ.ASM").find("$00,$10,$FC,$FD,$FE,$FF\r\n"), std::string::npos);

    std::filesystem::remove(out.dir.file("VT03PGT.BIN"));
    out.add("E", big);
    report = out.run();
    EXPECT_FALSE(report.written);
    EXPECT_TRUE(report.files.empty());
    EXPECT_FALSE(std::filesystem::exists(out.dir.file("VT03PGT.BIN")));
    EXPECT_FALSE(std::filesystem::exists(out.dir.file("E.ASM")));
    ASSERT_EQ(out.ui.messages.size(), 1u);
    EXPECT_NE(out.ui.messages[0].find("$13F"), std::string::npos) << out.ui.messages[0];
}

TEST(ProjectOutput, AFileThatCannotBeWrittenLeavesThePreviousSetWhole) {
    OutputRun out;
    out.add("Logo", convertedDocument(16, 16, {0}, {64}));
    out.add("Title", convertedDocument(32, 16, {0}, {64}));
    ASSERT_TRUE(out.run().written);
    const std::vector<std::string> names{"LOGO.ASM", "TITLE.ASM", "VT03PGT.BIN"};
    std::map<std::string, std::string> before;
    for (const auto& name : names)
        before[name] = out.file(name);

    // The item files come first; "VT03IRQ.ASM" is now a folder and cannot be replaced.
    std::filesystem::remove(out.dir.file("VT03IRQ.ASM"));
    std::filesystem::create_directory(out.dir.file("VT03IRQ.ASM"));
    ASSERT_TRUE(fileio::writeFile(out.dir.file("Logo.kdr"),
                                  kdrBytes(convertedDocument(64, 16, {0}, {200})), nullptr));
    const auto report = out.run();
    EXPECT_FALSE(report.written);
    EXPECT_TRUE(report.files.empty());
    ASSERT_EQ(out.ui.messages.size(), 1u);
    EXPECT_NE(out.ui.messages[0].find("VT03IRQ.ASM: cannot replace it"), std::string::npos)
        << out.ui.messages[0];
    for (const auto& name : names)
        EXPECT_EQ(out.file(name), before[name]) << name;
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(out.dir.path()))
        ++entries;
    EXPECT_EQ(entries, 6u) << "two documents, four outputs and no temporary file";
}

TEST(ProjectOutput, OutputGoesToTheProjectFilesFolder) {
    EXPECT_EQ(projectOutputDirectory("/home/u/game/x.prg"), "/home/u/game");
    EXPECT_EQ(projectOutputDirectory("C:\\work\\x.prg"), "C:\\work");
    EXPECT_EQ(projectOutputDirectory("x.prg"), ".");
    EXPECT_EQ(projectOutputDirectory("/x.prg"), "/");
}
