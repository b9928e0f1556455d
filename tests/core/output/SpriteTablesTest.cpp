#include "DocumentBuilder.h"

#include "output/SpriteTables.h"

#include <gtest/gtest.h>

namespace kadro {
namespace {

using test::DocumentPlan;

const std::string header = "\t\t;\xB8\xF6\xCA\xFD,\xC4\xA3\xCA\xBD\n";
const std::string tileComment = "\t;Y\xD7\xF8\xB1\xEA,\xD7\xD6\xC4\xA3\xCB\xF7\xD2\xFD,"
                                "\xD7\xB4\xCC\xAC\xCE\xBB ,X\xD7\xF8\xB1\xEA,";

// A 4 x 3 grid of 8 x 8 tiles; 0 is the background name.
DocumentPlan grid(std::vector<std::uint16_t> names, std::vector<std::uint8_t> attributes = {}) {
    DocumentPlan plan;
    plan.width = 32;
    plan.height = 24;
    plan.names = std::move(names);
    plan.attributes = std::move(attributes);
    plan.pattern.assign(32, 0);
    plan.bankSizes = {32};
    return plan;
}

std::string sprites(const DocumentPlan& plan, bool extended = false) {
    const auto doc = test::makeDocument(plan);
    return SpriteTables::text(ConvertedData(doc.settings, doc.results), "S", extended);
}

TEST(SpriteTables, TilesTouchingAtACornerFormOneSprite) {
    // Tile (1,0) and tile (2,1) meet only at a corner; tile (0,2) stands alone.
    const auto text = sprites(grid({0, 5, 0, 0, //
                                    0, 0, 6, 0, //
                                    7, 0, 0, 0},
                                   {0, 2, 0, 0, 0, 0, 3, 0, 1, 0, 0, 0}));
    EXPECT_EQ(text, "S0:\n"
                    "\tdb\t$02,$10" +
                        header + "\tdb\t$00,$05,$02,$00" + tileComment +
                        "0\n"
                        "\tdb\t$08,$06,$03,$08" +
                        tileComment +
                        "1\n"
                        "S1:\n"
                        "\tdb\t$01,$10" +
                        header + "\tdb\t$00,$07,$01,$00" + tileComment + "0\n");
}

TEST(SpriteTables, NameOneIsPartOfTheSpriteButNotListed) {
    const auto text = sprites(grid({0, 0, 0, 0, //
                                    0, 1, 9, 0, //
                                    0, 0, 0, 0}));
    // The hidden tile still sets the origin: the listed tile sits 8 pixels to its right.
    EXPECT_EQ(text, "S0:\n\tdb\t$01,$10" + header + "\tdb\t$00,$09,$00,$08" + tileComment + "0\n");
}

TEST(SpriteTables, NothingWhenEveryTileIsBackground) {
    EXPECT_EQ(sprites(grid(std::vector<std::uint16_t>(12, 4))), "");
}

TEST(SpriteTables, ExtendedFormatRepacksNameBits) {
    // Name 0x2C5: bits 0-5 = 5, bits 6-8 = 3, bits 9-10 = 1.
    auto plan = grid({0, 0x2C5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0x01});
    plan.charSize = 2; // 16 x 8 tiles: mode $08, x in 16-pixel steps
    plan.width = 64;
    plan.pattern.assign(64, 0);
    plan.bankSizes = {64};
    EXPECT_EQ(sprites(plan, true),
              "S0:\n\tdb\t$01,$08" + header + "\tdb\t$00,$45,$0D,$00" + tileComment + "0\n");
    EXPECT_NE(sprites(plan, false).find("\tdb\t$00,$C5,$01,$00"), std::string::npos);
}

TEST(SpriteTables, GrowthFollowsTheNeighbourOrder) {
    // Centre tile 5 of a 4-wide grid (byte offset 10): right, up, left, down, then diagonals.
    std::vector<std::uint16_t> names(12, 3);
    names[0] = 0;
    const auto order = SpriteTables::grow(names, 4, 10, 0);
    ASSERT_GE(order.size(), 9u);
    EXPECT_EQ(std::vector<int>(order.begin(), order.begin() + 9),
              (std::vector<int>{10, 12, 2, 8, 18, 4, 20, 16, 14}));
}

TEST(SpriteTables, LargeGroupsAreSplit) {
    DocumentPlan plan;
    plan.width = 256;
    plan.height = 72; // 32 x 9 tiles: 287 of them form one group
    plan.names.assign(32 * 9, 2);
    plan.names[0] = 0;
    plan.pattern.assign(32, 0);
    plan.bankSizes = {32};
    const auto text = sprites(plan);
    EXPECT_NE(text.find("S0:\n\tdb\t$FF,$10"), std::string::npos);
    EXPECT_NE(text.find("S1:\n\tdb\t$20,$10"), std::string::npos);
    EXPECT_EQ(text.find("S2:"), std::string::npos);
}

} // namespace
} // namespace kadro
