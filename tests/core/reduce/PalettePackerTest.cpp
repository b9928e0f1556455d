#include "reduce/PalettePacker.h"

#include "PackingCases.h"
#include "convert/TileConverter.h"

#include <gtest/gtest.h>

using namespace kadro;

namespace {

// Every block's colours lie in one palette of at most slots - 1 colours besides the background.
void expectHoldsEveryBlock(const Packing& packing, const std::vector<BlockColourSet>& blocks,
                           Colour background, int slots, int count = chip::palettes) {
    ASSERT_TRUE(packing.packed);
    ASSERT_LE(packing.palettes.size(), static_cast<std::size_t>(count));
    for (const auto& palette : packing.palettes)
        EXPECT_LE(palette.size(), static_cast<std::size_t>(slots - 1));
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        const bool held =
            std::any_of(packing.palettes.begin(), packing.palettes.end(), [&](const auto& palette) {
                return std::all_of(blocks[b].begin(), blocks[b].end(), [&](Colour c) {
                    return c == background ||
                           std::find(palette.begin(), palette.end(), c) != palette.end();
                });
            });
        EXPECT_TRUE(held) << "block " << b;
    }
}

constexpr Colour a = 0x10, b = 0x20, c = 0x30, d = 0x40, e = 0x50, f = 0x60;

} // namespace

TEST(PalettePacker, PacksWhatFirstFitRefusesAfterAnEarlyWrongChoice) {
    // First-fit puts c beside a and b, so {a,b,f} later finds no palette; c belongs with d, e.
    const std::vector<BlockColourSet> blocks{{a, b}, {c}, {d, e}, {c, d, e}, {a, b, f}};
    const auto first = packPalettes(blocks, 0, 4, /*count*/ 2, {});
    expectHoldsEveryBlock(first, blocks, 0, 4, 2);

    // The refusal of an impossible case still names a block: the one first-fit stopped at.
    std::vector<BlockColourSet> impossible = blocks;
    impossible.push_back({d, e, f});
    const auto refused = packPalettes(impossible, 0, 4, 2, {});
    EXPECT_FALSE(refused.packed);
    EXPECT_EQ(refused.refusedBlock, 4u);
}

TEST(PalettePacker, RefusesWhenNoPackingExists) {
    std::mt19937 random(7);
    {
        SCOPED_TRACE("a block with sixteen colours besides the background");
        auto pool = test::colourPool(random, 16, 0);
        const std::vector<BlockColourSet> blocks{{a}, pool};
        const auto packing = packPalettes(blocks, 0, 16);
        EXPECT_FALSE(packing.packed);
        EXPECT_EQ(packing.refusedBlock, 1u);
    }
    {
        SCOPED_TRACE("more colours than sixteen palettes hold");
        const auto pool = test::colourPool(random, 241, 0);
        std::vector<BlockColourSet> blocks;
        for (std::size_t i = 0; i < pool.size(); i += 15)
            blocks.emplace_back(pool.begin() + static_cast<std::ptrdiff_t>(i),
                                pool.begin() +
                                    static_cast<std::ptrdiff_t>(std::min(i + 15, pool.size())));
        EXPECT_FALSE(packPalettes(blocks, 0, 16).packed);
    }
    {
        SCOPED_TRACE("seventeen different full sets of only twenty colours");
        // Any two different sets of 15 colours need 16 slots together, so each needs a palette
        // of its own; the colour count alone does not show it.
        const auto pool = test::colourPool(random, 20, 0);
        std::vector<BlockColourSet> blocks;
        for (int k = 0; k < 17; ++k) {
            BlockColourSet set; // all but a window of five, a different window each time
            for (int i = 0; i < 20; ++i)
                if ((i - k + 20) % 20 >= 5)
                    set.push_back(pool[static_cast<std::size_t>(i)]);
            blocks.push_back(set);
        }
        EXPECT_FALSE(test::FirstFit(blocks, 0, 16).packed);
        EXPECT_FALSE(packPalettes(blocks, 0, 16).packed);
    }
}

TEST(PalettePacker, NeverWorseThanFirstFitAndTheSameWhereFirstFitPacks) {
    std::mt19937 random(2024);
    int firstFitPacked = 0, onlyBestPacked = 0;
    for (int trial = 0; trial < 100; ++trial) {
        const int slots = trial % 3 == 0 ? 4 : 16;
        const int room = slots - 1;
        // Small pools make overlapping palettes; large ones make first-fit run out of room.
        const int pool = room * (2 + static_cast<int>(random() % 12));
        const auto cse = test::packableCase(random, 20 + static_cast<int>(random() % 220), room,
                                            chip::palettes, pool, 1, room);
        const test::FirstFit first(cse.blocks, cse.background, slots);
        const auto best = packPalettes(cse.blocks, cse.background, slots);
        if (first.packed) {
            ++firstFitPacked;
            ASSERT_TRUE(best.packed) << "trial " << trial;
            EXPECT_EQ(paletteTableOf(best, cse.background), first.converter.paletteTable())
                << "trial " << trial;
        }
        if (best.packed)
            expectHoldsEveryBlock(best, cse.blocks, cse.background, slots);
        onlyBestPacked += best.packed && !first.packed;
    }
    // The cases should exercise both roads.
    EXPECT_GT(firstFitPacked, 20);
    EXPECT_GT(onlyBestPacked, 20);
}

TEST(PalettePacker, PacksAlmostEveryConstructedCaseThatFirstFitRefuses) {
    std::mt19937 random(99);
    int refusedByFirstFit = 0, packed = 0;
    while (refusedByFirstFit < 60) {
        const int room = refusedByFirstFit % 4 == 0 ? 3 : 15;
        // Blocks of a third of a palette or more, as a reduced picture makes them.
        const auto cse = test::packableCase(random, 240, room, chip::palettes,
                                            room * (3 + static_cast<int>(random() % 10)),
                                            std::max(1, room / 3), room);
        if (test::FirstFit(cse.blocks, cse.background, room + 1).packed)
            continue;
        ++refusedByFirstFit;
        const auto best = packPalettes(cse.blocks, cse.background, room + 1);
        if (best.packed) {
            ++packed;
            expectHoldsEveryBlock(best, cse.blocks, cse.background, room + 1);
        }
    }
    EXPECT_GE(packed * 100, 98 * refusedByFirstFit) << packed << " of " << refusedByFirstFit;
}

TEST(PalettePacker, HintsAreTakenWhenTheyHoldEveryBlock) {
    const std::vector<BlockColourSet> blocks{{a, b}, {c}, {d, e}, {c, d, e}, {a, b, f}};
    const std::vector<std::vector<Colour>> hints{{c, d, e}, {f, a, b}};
    const auto packing = packPalettes(blocks, 0, 4, 2, hints);
    ASSERT_TRUE(packing.packed);
    EXPECT_EQ(packing.palettes, hints);

    const auto table = paletteTableOf(packing, 0x123456);
    for (int p = 0; p < chip::palettes; ++p)
        EXPECT_EQ(table[static_cast<std::size_t>(16 * p)], (PaletteSlot{0x123456, 1}));
    EXPECT_EQ(table[17], (PaletteSlot{f, 1}));
    EXPECT_EQ(table[19], (PaletteSlot{b, 1}));
    EXPECT_EQ(table[20], (PaletteSlot{}));
}
