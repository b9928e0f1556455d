#include "picture/KdrFile.h"

#include "TempDir.h"
#include "common/FileIo.h"

#include <gtest/gtest.h>

using namespace kadro;

namespace {
// A 16 x 16 picture of 8 x 8 characters with four distinct tiles.
KdrDocument fourTiles() {
    KdrDocument d;
    auto& s = d.settings;
    s.pictureType = 3;
    s.width = 16;
    s.height = 16;
    s.mapBytes = 12;
    s.paletteBytes = 512;
    s.patternBytes = 128;
    s.bankStartRows.fill(-1);
    s.bankStartRows[0] = 0;
    s.bankSizes[0] = 128;
    s.endAddress = 0x2000;
    d.results.mapData = {0, 0, 1, 0, 2, 0, 3, 0, 0, 0, 1, 1};
    d.results.paletteCodes.assign(512, 0xFF);
    d.results.patternData.assign(128, 0x5A);
    return d;
}
} // namespace

TEST(KdrFile, ADocumentRoundTripsByteForByte) {
    const auto doc = fourTiles();
    const auto bytes = kdrBytes(doc);
    EXPECT_EQ(bytes.size(), 1120u + 12 + 512 + 128);
    test::TempDir dir;
    ASSERT_TRUE(fileio::writeFile(dir.file("a.kdr"), bytes, nullptr));
    const auto read = readKdr(dir.file("a.kdr"));
    ASSERT_EQ(read.status, KdrStatus::Ok) << read.reason;
    EXPECT_EQ(read.document.settings.toBytes(), doc.settings.toBytes());
    EXPECT_EQ(read.document.results.mapData, doc.results.mapData);
    EXPECT_EQ(read.document.results.paletteCodes, doc.results.paletteCodes);
    EXPECT_EQ(read.document.results.patternData, doc.results.patternData);
}

TEST(KdrFile, RefusesShortForeignAndInconsistentFiles) {
    auto bytes = kdrBytes(fourTiles());
    EXPECT_EQ(parseKdr({bytes.begin(), bytes.begin() + 1119}).status, KdrStatus::TooShort);
    EXPECT_EQ(parseKdr({bytes.begin(), bytes.end() - 1}).status, KdrStatus::Inconsistent)
        << "a block cut short";
    auto foreign = bytes;
    foreign[0] = 'X';
    EXPECT_EQ(parseKdr(foreign).status, KdrStatus::BadMagic);
    EXPECT_EQ(readKdr("/nonexistent/x.kdr").status, KdrStatus::CannotOpen);

    auto corrupt = [&](auto change) {
        KdrDocument d = fourTiles();
        change(d.settings);
        return parseKdr(kdrBytes(d)).status;
    };
    EXPECT_EQ(corrupt([](auto& s) { s.mapBytes = 13; }), KdrStatus::Inconsistent);
    EXPECT_EQ(corrupt([](auto& s) { s.mapBytes = -3; }), KdrStatus::Inconsistent);
    EXPECT_EQ(corrupt([](auto& s) { s.paletteBytes = 510; }), KdrStatus::Inconsistent);
    EXPECT_EQ(corrupt([](auto& s) { s.patternBytes = 0x7FFFFFFF; }), KdrStatus::Inconsistent);
    EXPECT_EQ(corrupt([](auto& s) { s.width = 32; }), KdrStatus::Inconsistent);
    EXPECT_EQ(corrupt([](auto& s) { s.charSize = 9; }), KdrStatus::Inconsistent);
    EXPECT_EQ(corrupt([](auto& s) { s.bankSizes[0] = 200; }), KdrStatus::Inconsistent);
    EXPECT_EQ(corrupt([](auto& s) { s.pictureType = 0; }), KdrStatus::NotConverted);
}

TEST(KdrFile, BankStartRowsMustBeCharacterRowsInsideThePicture) {
    auto read = [](std::vector<std::int32_t> rows, int height = 64) {
        KdrDocument d = fourTiles();
        d.settings.height = height;
        d.settings.mapBytes = 3 * 2 * (height / 8);
        d.results.mapData.assign(static_cast<std::size_t>(d.settings.mapBytes), 0);
        d.settings.bankStartRows.fill(-1);
        std::copy(rows.begin(), rows.end(), d.settings.bankStartRows.begin());
        d.settings.patternBytes = 0x2000 * static_cast<int>(rows.size());
        d.results.patternData.assign(static_cast<std::size_t>(d.settings.patternBytes), 0);
        return parseKdr(kdrBytes(d));
    };
    EXPECT_EQ(read({0, 8, 56}).status, KdrStatus::Ok);
    EXPECT_EQ(read({}).status, KdrStatus::Ok) << "no bank at all";
    EXPECT_EQ(read({0}, 0).status, KdrStatus::Ok) << "an empty picture's one bank";
    // Rows whose differences overflow a 32-bit count.
    const auto overflow = read({INT32_MIN, 0x7FFFFFF0});
    EXPECT_EQ(overflow.status, KdrStatus::Inconsistent);
    EXPECT_EQ(overflow.reason, "bank 0 starts at row -2147483648; the first bank starts at row 0");
    EXPECT_EQ(read({0, 0x7FFFFFF0}).reason, "bank 1 starts at row 2147483632, below the "
                                            "picture's 64 rows");
    EXPECT_EQ(read({0, 32, 16}).reason, "bank 2 starts at row 16, not after the bank before it");
    EXPECT_EQ(read({0, 32, -7}).reason, "bank 2 starts at row -7, not after the bank before it");
    EXPECT_EQ(read({0, 12}).reason, "bank 1 starts at row 12, which is not the first row of a "
                                    "character");
    EXPECT_EQ(read({0, 64}).status, KdrStatus::Inconsistent) << "the row after the picture";
}
