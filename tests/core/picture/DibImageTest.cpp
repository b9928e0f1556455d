#include "picture/DibImage.h"
#include "picture/IndexedSurface.h"

#include "AllocationLimit.h"
#include "TempDir.h"
#include "common/ByteIo.h"
#include "common/FileIo.h"

#include <gtest/gtest.h>

using namespace kadro;

TEST(DibImage, BlankImagesAreWhiteWithPaddedRows) {
    auto one = DibImage::createBlank(1, 1);
    ASSERT_TRUE(one);
    EXPECT_EQ(one->stride(), 4);
    EXPECT_EQ(one->pixels().size(), 4u);
    for (auto b : one->pixels())
        EXPECT_EQ(b, 0xFF);
    EXPECT_EQ(DibImage::createBlank(5, 1)->stride(), 16);
    EXPECT_EQ(DibImage::createBlank(3, 1)->stride(), 12);

    auto empty = DibImage::createBlank(0, 0);
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->width(), 0);
    EXPECT_FALSE(DibImage::createBlank(-1, 4));
    EXPECT_FALSE(DibImage::createBlank(60000, 60000)) << "over a gigabyte is refused";
}

TEST(DibImage, PixelsAreStoredBottomUpAsBlueGreenRed) {
    auto img = DibImage::createBlank(2, 2);
    ASSERT_EQ(img->setPixel(0, 0, 0x00112233), PixelStatus::Ok);
    // The top row is the second stored row; bytes are blue, green, red.
    const auto px = img->pixels();
    const std::size_t top = static_cast<std::size_t>(img->stride());
    EXPECT_EQ(px[top + 0], 0x11);
    EXPECT_EQ(px[top + 1], 0x22);
    EXPECT_EQ(px[top + 2], 0x33);
    Colour c = 0;
    ASSERT_EQ(img->getPixel(0, 0, c), PixelStatus::Ok);
    EXPECT_EQ(c, 0x00112233u);
    ASSERT_EQ(img->getPixel(0, 1, c), PixelStatus::Ok);
    EXPECT_EQ(c, 0x00FFFFFFu);
}

TEST(DibImage, AccessOutsideThePictureFailsAndTouchesNothing) {
    auto img = DibImage::createBlank(3, 2);
    const std::vector<std::uint8_t> before(img->block().begin(), img->block().end());
    Colour c = 7;
    for (auto [x, y] : {std::pair{-1, 0}, {3, 0}, {0, -1}, {0, 2}}) {
        EXPECT_EQ(img->setPixel(x, y, 0), PixelStatus::Outside);
        EXPECT_EQ(img->getPixel(x, y, c), PixelStatus::Outside);
    }
    EXPECT_EQ(c, 7u);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), img->block().begin()));
}

namespace {
std::vector<std::uint8_t> header(int bits, std::uint32_t coloursUsed, int width = 4,
                                 int height = 2) {
    std::vector<std::uint8_t> h(40, 0);
    bytes::writeU32(h, 0, 40);
    bytes::writeU32(h, 4, static_cast<std::uint32_t>(width));
    bytes::writeU32(h, 8, static_cast<std::uint32_t>(height));
    bytes::writeU16(h, 12, 1);
    bytes::writeU16(h, 14, static_cast<std::uint32_t>(bits));
    bytes::writeU32(h, 32, coloursUsed);
    return h;
}
} // namespace

TEST(DibImage, ColourTableCountsFollowTheHeaderKind) {
    EXPECT_EQ(dib::colourTableCount(header(8, 0)), 256);
    EXPECT_EQ(dib::colourTableCount(header(8, 20)), 20);
    EXPECT_EQ(dib::colourTableCount(header(4, 0)), 16);
    EXPECT_EQ(dib::colourTableCount(header(1, 0)), 2);
    EXPECT_EQ(dib::colourTableCount(header(24, 0)), 0);
    EXPECT_EQ(dib::colourTableBytes(header(8, 20)), 80);

    // A 12-byte core header: 16-bit sizes, three-byte table entries.
    std::vector<std::uint8_t> core(12, 0);
    bytes::writeU32(core, 0, 12);
    bytes::writeU16(core, 4, 7);
    bytes::writeU16(core, 6, 9);
    bytes::writeU16(core, 10, 4);
    EXPECT_EQ(dib::width(core), 7);
    EXPECT_EQ(dib::height(core), 9);
    EXPECT_EQ(dib::colourTableCount(core), 16);
    EXPECT_EQ(dib::colourTableBytes(core), 48);
    EXPECT_EQ(dib::pixelOffset(core), 60);
}

TEST(DibImage, OtherDepthsAreHeldButNotReadPixelByPixel) {
    auto block = header(8, 0, 4, 2);
    block.resize(40 + 1024 + 8, 0);
    auto img = DibImage::fromBlock(block);
    ASSERT_TRUE(img);
    Colour c = 0;
    EXPECT_EQ(img->getPixel(0, 0, c), PixelStatus::NotTrueColour);
    EXPECT_EQ(img->setPixel(0, 0, 1), PixelStatus::NotTrueColour);
    block.resize(40 + 1024 + 7);
    EXPECT_FALSE(DibImage::fromBlock(block)) << "rows missing from the block";
}

TEST(DibImage, WritesABmpFile) {
    auto img = DibImage::createBlank(3, 2);
    img->setPixel(2, 1, 0x00010203);
    test::TempDir dir;
    const std::string path = dir.file("out.bmp");
    ASSERT_TRUE(img->writeBmp(path));
    auto file = fileio::readFile(path);
    ASSERT_TRUE(file);
    ASSERT_EQ(file->size(), 78u);
    EXPECT_EQ((*file)[0], 'B');
    EXPECT_EQ((*file)[1], 'M');
    EXPECT_EQ(bytes::readU32(*file, 2), 78u);
    EXPECT_EQ(bytes::readU32(*file, 10), 54u);
    EXPECT_EQ(bytes::readU32(*file, 14 + 20), 24u) << "image size is stored in the header";
    // Bottom row first: pixel (2, 1) is the third pixel of the first stored row.
    EXPECT_EQ((*file)[54 + 6], 0x01);
    EXPECT_EQ((*file)[54 + 8], 0x03);
}

TEST(IndexedSurface, RowsCountFromTheTopAndStridesKeepEveryPixel) {
    IndexedSurface s;
    ASSERT_TRUE(s.create(20, 3, 8));
    EXPECT_EQ(s.stride(), 20);
    EXPECT_EQ(s.colourTable().size(), 1024u);
    EXPECT_EQ(s.row(0) - s.row(2), 2 * 20) << "row 0 is stored last";
    ASSERT_TRUE(s.create(3, 1, 1));
    EXPECT_EQ(s.stride(), 4) << "a narrow 1-bit row still gets its byte";

    const std::array<std::uint8_t, 3> red{255, 0, 0};
    ASSERT_TRUE(s.create(2, 2, 8));
    s.setPalette(std::span(&red, 1));
    EXPECT_EQ(s.colourTable()[0], 0);
    EXPECT_EQ(s.colourTable()[2], 255);
}

TEST(IndexedSurface, LoadsOnlyUncompressedInfoHeaders) {
    auto block = header(8, 2, 4, 2);
    block.resize(40 + 8 + 8, 0x11);
    IndexedSurface s;
    ASSERT_TRUE(s.loadFrom(block));
    EXPECT_EQ(s.width(), 4);
    EXPECT_EQ(s.colourTable().size(), 1024u);
    EXPECT_EQ(s.colourTable()[0], 0x11);

    auto compressed = block;
    bytes::writeU32(compressed, 16, 1);
    EXPECT_FALSE(s.loadFrom(compressed));
    EXPECT_EQ(s.width(), 0) << "a refused load leaves the surface empty";
    auto sixteen = header(16, 0);
    sixteen.resize(40 + 16, 0);
    EXPECT_FALSE(s.loadFrom(sixteen));
}

TEST(IndexedSurface, ClaimedSizesAreCheckedAgainstTheBlockBeforeAnythingIsAllocated) {
    IndexedSurface s;
    test::AllocationLimit limit(1 << 20);
    // A 40-byte header claiming 65535 x 65535 at 24 bits: 12 GB of rows that are not there.
    EXPECT_FALSE(s.loadFrom(header(24, 0, 65535, 65535)));
    // An 8-bit header whose colour table claims more entries than 8 bits can index.
    auto table = header(8, 300, 4, 2);
    table.resize(40 + 1200 + 8, 0);
    EXPECT_FALSE(s.loadFrom(table));
    EXPECT_EQ(limit.refused(), 0u);
    auto whole = header(24, 0, 4, 2);
    whole.resize(40 + 2 * 12, 0x22);
    EXPECT_TRUE(s.loadFrom(whole));
    EXPECT_EQ(s.row(1)[11], 0x22);
}
