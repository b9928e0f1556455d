#include "palette/PaletteFile.h"

#include "TempDir.h"
#include "common/FileIo.h"

#include <gtest/gtest.h>

using namespace kadro;

namespace {
PaletteTable numbered(std::uint32_t used) {
    PaletteTable t{};
    for (std::size_t i = 0; i < t.size(); ++i)
        t[i] = {static_cast<Colour>(i * 0x010101), used};
    return t;
}
} // namespace

TEST(PaletteFile, SavedTablesLoadBackAndOnlyUsedSlotsOverwrite) {
    test::TempDir dir;
    const std::string path = dir.file("a.pal");
    auto saved = numbered(1);
    saved[5].used = 0;
    saved[5].colour = 0xABCDEF;
    ASSERT_TRUE(writePaletteFile(path, saved, nullptr));
    auto bytes = fileio::readFile(path);
    ASSERT_EQ(bytes->size(), paletteFileBytes);
    EXPECT_EQ((*bytes)[3], 0);
    EXPECT_EQ((*bytes)[4], 1) << "version 1";

    const auto read = readPaletteFile(path);
    ASSERT_EQ(read.status, PaletteFileStatus::Ok);
    EXPECT_EQ(read.slots, saved);

    PaletteTable table{};
    table[5] = {0x123456, 1};
    mergeUsedSlots(table, read.slots);
    EXPECT_EQ(table[5], (PaletteSlot{0x123456, 1})) << "an unused stored slot leaves the table's";
    EXPECT_EQ(table[6], saved[6]);
}

TEST(PaletteFile, ForeignShortAndMissingFilesAreRefused) {
    test::TempDir dir;
    ASSERT_TRUE(writePaletteFile(dir.file("v2.pal"), numbered(1), nullptr));
    auto bytes = *fileio::readFile(dir.file("v2.pal"));
    bytes[4] = 2;
    ASSERT_TRUE(fileio::writeFile(dir.file("v2.pal"), bytes, nullptr));
    EXPECT_EQ(readPaletteFile(dir.file("v2.pal")).status, PaletteFileStatus::Ok) << "any version";

    bytes[1] = 'X';
    ASSERT_TRUE(fileio::writeFile(dir.file("bad.pal"), bytes, nullptr));
    EXPECT_EQ(readPaletteFile(dir.file("bad.pal")).status, PaletteFileStatus::NotPalette);
    bytes[1] = 'A';
    bytes.resize(2063);
    ASSERT_TRUE(fileio::writeFile(dir.file("short.pal"), bytes, nullptr));
    EXPECT_EQ(readPaletteFile(dir.file("short.pal")).status, PaletteFileStatus::TooShort);
    EXPECT_EQ(readPaletteFile(dir.file("none.pal")).status, PaletteFileStatus::CannotOpen);
}
