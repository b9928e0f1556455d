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
