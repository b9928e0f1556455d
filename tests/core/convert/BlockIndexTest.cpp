#include "convert/BlockIndex.h"
#include "convert/TileStore.h"

#include "ConvertTestSupport.h"

#include <gtest/gtest.h>

using namespace kadro;

// Blocks are laid from the area's corner and clipped to it; each lists its colours in reading
// order, and the list stops one past the largest limit however many more the block holds.
TEST(BlockIndex, NumbersColoursInReadingOrderPerBlock) {
    // A 40 x 20 picture; the area starts at (4, 2), so its first block is (4..19, 2..17). Block
    // (0, 0) takes 20 colours from its own corner on; the others two colours each.
    const DibImage image = test::paint(40, 20, [](int x, int y) -> Colour {
        const int ax = x - 4, ay = y - 2;
        if (ax >= 0 && ax < 16 && ay >= 0 && ay < 16)
            return static_cast<Colour>(0x010101 * ((ay * 16 + ax) % 20));
        return (x + y) % 2 ? 0xFF0000 : 0x00FF00;
    });
    BlockIndex index(image, Selection::fromSize(4, 2, 36, 18));
    ASSERT_EQ(index.blocksAcross(), 3);
    ASSERT_EQ(index.blocksDown(), 2);
    for (int row = 0; row < index.blocksDown(); ++row)
        index.readBlockRow(row);

    const auto first = index.colours(0, 0);
    ASSERT_EQ(first.size(), static_cast<std::size_t>(BlockIndex::maxColours));
    for (std::size_t i = 0; i < first.size(); ++i)
        EXPECT_EQ(first[i], 0x010101 * i);
    EXPECT_EQ(index.numbers(0, 0)[5], 5);
    EXPECT_EQ(index.numbers(0, 1)[0], 16) << "pixel 16 of the block in reading order";

    // The clipped corner block (36..39, 18..19) starts with the colour of its first pixel.
    const auto corner = index.colours(2, 1);
    ASSERT_EQ(corner.size(), 2u);
    EXPECT_EQ(corner[0], (36 + 18) % 2 ? 0xFF0000u : 0x00FF00u);
    EXPECT_EQ(index.numbers(32, 16)[1], 1);
}

// With compression a tile already in the bank is found again at its first offset, the leading
// space is never matched, and after a reset nothing of the old bank is found.
TEST(TileStore, FindsTheFirstIdenticalTileOfTheBank) {
    TileStore store(64, true);
    store.reset(128);
    std::vector<std::uint8_t> blank(64, 0xFF), a(64, 1), b(64, 2);
    EXPECT_EQ(store.place(blank.data()), 128) << "the 0xFF leading space is no stored tile";
    EXPECT_EQ(store.place(a.data()), 192);
    EXPECT_EQ(store.place(b.data()), 256);
    EXPECT_EQ(store.place(a.data()), 192);
    EXPECT_EQ(store.size(), 320);
    // Many tiles differing in their last byte only.
    for (int i = 0; i < 200; ++i) {
        std::vector<std::uint8_t> t(64, 3);
        t[63] = static_cast<std::uint8_t>(i);
        EXPECT_EQ(store.place(t.data()), 320 + 64 * i);
    }
    store.reset(0);
    EXPECT_EQ(store.place(b.data()), 0);

    TileStore plain(64, false);
    plain.reset(0);
    EXPECT_EQ(plain.place(a.data()), 0);
    EXPECT_EQ(plain.place(a.data()), 64) << "without compression every tile is stored";
}
