#include "DocumentBuilder.h"
#include "RecordingUserInterface.h"
#include "RunCli.h"
#include "TempDir.h"

#include "common/FileIo.h"
#include "output/AsmText.h"
#include "output/AsmWriter.h"

#include <gtest/gtest.h>

#include <cstdio>

#include <filesystem>

namespace kadro {
namespace {

using test::DocumentPlan;
using test::makeDocument;

struct Written {
    bool ok = false;
    std::string pgt, pnt;
    test::RecordingUserInterface ui;
};

std::unique_ptr<Written> writeBoth(const KdrDocument& doc, const OutputChoices& choices,
                                   const std::string& pgtName = "logo_pgt.asm",
                                   const std::string& pntName = "logo_pnt.asm") {
    test::TempDir dir;
    auto out = std::make_unique<Written>();
    const ConvertedData data(doc.settings, doc.results);
    AsmWriter writer(data, out->ui);
    out->ok = writer.write(dir.file(pgtName), dir.file(pntName), choices);
    out->pgt = test::slurp(dir.file(pgtName));
    out->pnt = test::slurp(dir.file(pntName));
    return out;
}

TEST(AsmWriter, LogoExampleLineByLine) {
    const auto doc = makeDocument(test::logoPlan());
    const auto out = writeBoth(doc, {.pgtAsText = true});
    ASSERT_TRUE(out->ok);
    EXPECT_EQ(
        out->pgt,
        fileio::withCrLf(
            "LOGO_PGT_bank0_pgt:\n"
            "\tdb\t$00,$01,$02,$03,$04,$05,$06,$07,$08,$09,$0A,$0B,$0C,$0D,$0E,$0F\t;00(000)\n"
            "\tdb\t$10,$11,$12,$13,$14,$15,$16,$17,$18,$19,$1A,$1B,$1C,$1D,$1E,$1F\t;00(000)\n"
            "\tdb\t$20,$21,$22,$23,$24,$25,$26,$27,$28,$29,$2A,$2B,$2C,$2D,$2E,$2F\t;01(001)\n"
            "\tdb\t$30,$31,$32,$33,$34,$35,$36,$37,$38,$39,$3A,$3B,$3C,$3D,$3E,$3F\t;01(001)\n"
            "\tdb\t$40,$41,$42,$43,$44,$45,$46,$47,$48,$49,$4A,$4B,$4C,$4D,$4E,$4F\t;02(002)\n"
            "\tdb\t$50,$51,$52,$53,$54,$55,$56,$57,$58,$59,$5A,$5B,$5C,$5D,$5E,$5F\t;02(002)\n"
            "\tdb\t$60,$61,$62,$63,$64,$65,$66,$67,$68,$69,$6A,$6B,$6C,$6D,$6E,$6F\t;03(003)\n"
            "\tdb\t$70,$71,$72,$73,$74,$75,$76,$77,$78,$79,$7A,$7B,$7C,$7D,$7E,$7F\t;03(003)\n"
            "\n"));
    EXPECT_EQ(
        out->pnt,
        fileio::withCrLf("LOGO_PNT:\n"
                         "\tdw\tLOGO_PNT_irq\n"
                         "\tdw\tLOGO_PNT_palette\n"
                         "\tdw\tLOGO_PNT_pnt0\n"
                         "\tdw\tLOGO_PNT_attrib0\n"
                         "LOGO_PNT_irq:\n"
                         "\n"
                         "LOGO_PNT_palette:\n"
                         "\tdb\t$00,$01,$02,$03,$04,$05,$06,$07,$08,$09,$0A,$0B,$0C,$0D,$0E,$0F\n"
                         "\tdb\t$10,$11,$12,$13,$14,$15,$16,$17,$18,$19,$1A,$1B,$1C,$1D,$1E,$1F\n"
                         "\tdb\t$20,$21,$22,$23,$24,$25,$26,$27,$28,$29,$2A,$2B,$2C,$2D,$2E,$2F\n"
                         "\tdb\t$30,$31,$32,$33,$34,$35,$36,$37,$38,$39,$3A,$3B,$3C,$3D,$3E,$3F\n"
                         "\tdb\t$00,$01,$02,$03,$00,$01,$02,$03,$00,$01,$02,$03,$00,$01,$02,$03\n"
                         "\tdb\t$00,$01,$02,$03,$00,$01,$02,$03,$00,$01,$02,$03,$00,$01,$02,$03\n"
                         "\tdb\t$00,$01,$02,$03,$00,$01,$02,$03,$00,$01,$02,$03,$00,$01,$02,$03\n"
                         "\tdb\t$00,$01,$02,$03,$00,$01,$02,$03,$00,$01,$02,$03,$00,$01,$02,$03\n"
                         "LOGO_PNT_pnt0:\n"
                         "\tdb\t$00,$01\n"
                         "\tdb\t$02,$03\n"
                         "\n"
                         "LOGO_PNT_attrib0:\n"
                         "\tdb\t$08\n"
                         "\n"));
    EXPECT_EQ(out->ui.progressTexts, (std::vector<std::string>{"输出PGT...", "输出PNT...",
                                                               "输出Palette...", "输出Attrib..."}));
    EXPECT_EQ(out->ui.progressSteps, 3);
    EXPECT_EQ(out->ui.openProgress, 0);
}

TEST(AsmWriter, WideStripsGetTheirOwnTables) {
    DocumentPlan plan;
    plan.width = 264;
    plan.height = 8;
    for (std::uint16_t i = 0; i < 33; ++i)
        plan.names.push_back(i);
    plan.attributes.assign(33, 1);
    plan.pattern = test::counting(33 * 32);
    plan.bankSizes = {33 * 32};
    const auto doc = makeDocument(plan);
    const ConvertedData data(doc.settings, doc.results);
    test::RecordingUserInterface ui;
    AsmWriter writer(data, ui);
    EXPECT_NE(writer.pntHeader("P").find("\tdw\tP_pnt0\n\tdw\tP_attrib0\n\tdw\tP_pnt1\n"
                                         "\tdw\tP_attrib1\n"),
              std::string::npos);
    std::string row0 = "\tdb\t";
    for (int i = 0; i < 32; ++i)
        row0 += AsmText::hex(static_cast<std::uint32_t>(i)) + (i < 31 ? "," : "\n");
    EXPECT_EQ(writer.nameTables("P"), "P_pnt0:\n" + row0 +
                                          "\n"
                                          "P_attrib0:\n"
                                          "\tdb\t$05,$05,$05,$05,$05,$05,$05,$05\n"
                                          "\n"
                                          "P_pnt1:\n"
                                          "\tdb\t$20\n"
                                          "\n"
                                          "P_attrib1:\n"
                                          "\tdb\t$01\n"
                                          "\n");
}

TEST(AsmWriter, SixteenPixelTilesShortenTheLines) {
    DocumentPlan plan;
    plan.width = 512;
    plan.height = 64;
    plan.charSize = 3;
    plan.names.assign(32 * 4, 0x102);
    plan.attributes.assign(32 * 4, 3);
    plan.pattern = test::counting(128);
    plan.bankSizes = {128};
    const auto doc = makeDocument(plan);
    const ConvertedData data(doc.settings, doc.results);
    test::RecordingUserInterface ui;
    const std::string text = AsmWriter(data, ui).nameTables("P");
    std::string nameLine = "\tdb\t$02";
    for (int i = 1; i < 16; ++i)
        nameLine += ",$02";
    EXPECT_NE(text.find("P_pnt1:\n" + nameLine + "\n" + nameLine + "\n"), std::string::npos);
    // Four tile rows: every term of each block is there.
    EXPECT_NE(text.find("P_attrib1:\n\tdb\t$FF,$FF,$FF,$FF\n\n"), std::string::npos) << text;
}

TEST(AsmWriter, IrqTableCountsRowsPerBank) {
    DocumentPlan plan;
    plan.width = 8;
    plan.height = 192;
    plan.names.assign(24, 0);
    plan.pattern.assign(2 * 0x2000 + 32, 0);
    plan.bankStartRows = {0, 64, 128};
    plan.bankSizes = {32, 32, 32};
    const auto doc = makeDocument(plan);
    const ConvertedData data(doc.settings, doc.results);
    test::RecordingUserInterface ui;
    EXPECT_EQ(AsmWriter(data, ui).irqTable("X"), "X_irq:\n\tdb\t$3F,$3F\n");
}

TEST(AsmWriter, CountsAndOffsetsWiderThanAByteRefuseThePntFile) {
    // Bank 0 spans 264 rows (the IRQ count would be $107); nothing at all is written.
    DocumentPlan tall;
    tall.width = 8;
    tall.height = 272;
    tall.names.assign(34, 0);
    tall.pattern.assign(0x2000 + 32, 0);
    tall.bankStartRows = {0, 264};
    tall.bankSizes = {32, 32};
    const auto refused = writeBoth(makeDocument(tall), {});
    EXPECT_FALSE(refused->ok);
    EXPECT_TRUE(refused->pgt.empty() && refused->pnt.empty());
    ASSERT_EQ(refused->ui.messages.size(), 1u);
    EXPECT_EQ(refused->ui.messages[0],
              "The PNT file cannot be written: bank 0 spans 264 pixel rows, but its IRQ count "
              "$107 does not fit a byte (at most 256 rows a bank)");
    tall.bankStartRows = {0, 256};
    EXPECT_TRUE(writeBoth(makeDocument(tall), {})->ok) << "256 rows give $FF";

    // A column of 40 tiles is one sprite whose last tile lies 312 rows below its corner.
    DocumentPlan column;
    column.width = 8;
    column.height = 328;
    column.names.assign(41, 5);
    column.names[0] = 0;
    column.pattern.assign(32, 0);
    column.bankSizes = {32};
    const auto sprites = writeBoth(makeDocument(column), {.sprites = true});
    EXPECT_FALSE(sprites->ok);
    ASSERT_EQ(sprites->ui.messages.size(), 1u);
    EXPECT_NE(sprites->ui.messages[0].find("sprite 0 has a tile at Y offset 312 ($138)"),
              std::string::npos)
        << sprites->ui.messages[0];
    EXPECT_TRUE(writeBoth(makeDocument(column), {})->ok) << "the name tables are bytes";
    column.names[33] = 0; // tiles 1-32 and 34-40: offsets up to 248
    EXPECT_TRUE(writeBoth(makeDocument(column), {.sprites = true})->ok);
}

TEST(AsmWriter, BanksOfOddSizesInText) {
    DocumentPlan plan;
    plan.width = 8;
    plan.height = 16;
    plan.names = {0, 0};
    plan.pattern = test::counting(0x2000 + 20);
    plan.bankStartRows = {0, 8};
    plan.bankSizes = {0, 20};
    const auto doc = makeDocument(plan);
    const ConvertedData data(doc.settings, doc.results);
    test::RecordingUserInterface ui;
    EXPECT_EQ(AsmWriter(data, ui).pgtText(doc.results.patternData, "G"),
              "G_bank0_pgt:\n\nG_bank1_pgt:\n"
              "\tdb\t$00,$01,$02,$03,$04,$05,$06,$07,$08,$09,$0A,$0B,$0C,$0D,$0E,$0F\t;00(000)\n"
              "\tdb\t$10,$11,$12,$13,\n");
}

TEST(AsmWriter, InterleaveWorksOnACopy) {
    const auto doc = makeDocument(test::logoPlan());
    const auto before = doc.results.patternData;
    const auto wide = writeBoth(doc, {.wide = true}, "logo_pgt.bin");
    ASSERT_TRUE(wide->ok);
    EXPECT_EQ(doc.results.patternData, before);
    ASSERT_EQ(wide->pgt.size(), 128u);
    const std::string firstBytes = wide->pgt.substr(0, 6);
    EXPECT_EQ(firstBytes, std::string("\x00\x10\x01\x11\x02\x12", 6));
    EXPECT_EQ(static_cast<std::uint8_t>(wide->pgt[126]), 0x6F);
    EXPECT_EQ(static_cast<std::uint8_t>(wide->pgt[127]), 0x7F);

    const auto narrow = writeBoth(doc, {}, "logo_pgt.bin");
    EXPECT_EQ(narrow->pgt, std::string(before.begin(), before.end()));

    // A trailing half group (a 4-colour tile) has nothing to pair with and stays as it is.
    const auto odd = AsmWriter::interleave(test::counting(48));
    EXPECT_EQ(odd[1], 16);
    EXPECT_EQ(odd[47], 47);
}

TEST(AsmWriter, FailedFilesAreReportedAndStopTheRest) {
    test::TempDir dir;
    const auto doc = makeDocument(test::logoPlan());
    const ConvertedData data(doc.settings, doc.results);
    const std::string missing = dir.file("no-such-folder/x_pgt.bin");
    test::RecordingUserInterface ui;
    EXPECT_FALSE(AsmWriter(data, ui).write(missing, dir.file("x_pnt.asm"), {}));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find(missing), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.file("x_pnt.asm")));
    EXPECT_EQ(ui.openProgress, 0);

    auto damaged = doc;
    damaged.results.mapData.pop_back();
    const ConvertedData bad(damaged.settings, damaged.results);
    test::RecordingUserInterface ui2;
    EXPECT_FALSE(AsmWriter(bad, ui2).write(dir.file("y_pgt.bin"), dir.file("y_pnt.asm"), {}));
    EXPECT_EQ(ui2.messages.size(), 1u);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(AsmText, HexWritesMoreDigitsForLargerValues) {
    EXPECT_EQ(AsmText::hex(0x0A), "$0A");
    EXPECT_EQ(AsmText::hex(0x7FF), "$7FF");
    // Every value as the "$%02X" format writes it: the corners of each digit count.
    for (std::uint32_t v : {0u, 9u, 0xFu, 0x10u, 0xFFu, 0x100u, 0xABCDu, 0x10000u, 0xFFFFFFFFu}) {
        char expected[16];
        std::snprintf(expected, sizeof expected, "$%02X", v);
        EXPECT_EQ(AsmText::hex(v), expected) << v;
    }
}

} // namespace
} // namespace kadro
