#include "reduce/Reducer.h"

#include "ConvertTestSupport.h"
#include "RecordingUserInterface.h"
#include "TableFiles.h"
#include "convert/TileConverter.h"
#include "reduce/ModeColours.h"
#include "reduce/PalettePacker.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

using namespace kadro;

namespace {

std::shared_ptr<const ColorTables> shippedTables() {
    static const auto tables = [] {
        test::RecordingUserInterface ui;
        auto t = ColorTables::load(KADRO_BIN_DIR, ui);
        return std::make_shared<const ColorTables>(std::move(*t));
    }();
    return tables;
}

// Smooth gradients with a little deterministic grain: far more colours than any block may keep.
DibImage photoLike(int width, int height) {
    return test::paint(width, height, [](int x, int y) {
        const int grain = ((x * 7919 + y * 104729) >> 3) % 23;
        return makeColour(std::min(255, x * 3 + grain), std::min(255, y * 4 + grain),
                          std::min(255, 128 + (x - y) + grain));
    });
}

std::vector<std::uint8_t> bytesOf(const DibImage& image) {
    return {image.block().begin(), image.block().end()};
}

Selection whole(const DibImage& image) {
    return Selection::fromSize(0, 0, image.width(), image.height());
}

// Each 16 x 16 block's distinct colours in reading order, blocks from the area's corner.
std::vector<BlockColourSet> blockSets(const DibImage& image, Selection area) {
    std::vector<BlockColourSet> sets;
    for (int top = area.top; top < area.bottom; top += chip::attributeBlock)
        for (int left = area.left; left < area.right; left += chip::attributeBlock) {
            BlockColourSet set;
            for (int y = top; y < std::min(top + chip::attributeBlock, area.bottom); ++y)
                for (int x = left; x < std::min(left + chip::attributeBlock, area.right); ++x) {
                    Colour c = 0;
                    image.getPixel(x, y, c);
                    if (std::find(set.begin(), set.end(), c) == set.end())
                        set.push_back(c);
                }
            sets.push_back(std::move(set));
        }
    return sets;
}

struct Case {
    chip::ColourMode colourMode;
    chip::ColourCount colourCount;
    int charSize;
    Dither dither;
};

std::string nameOf(const Case& c) {
    return "mode " + std::to_string(chip::colourModeIndex(c.colourMode)) + ", " +
           std::to_string(chip::coloursPerTile(c.colourCount)) + " colours, " +
           std::string(chip::geometry(c.charSize).label) + ", dither " +
           std::to_string(static_cast<int>(c.dither));
}

} // namespace

// The reducer's promises, checked on its output in every mode, both colour counts, every
// character size and every dither: each colour is one the mode shows as it is, each block keeps
// to the background and one palette, and the result converts with best-fit packing into exactly
// what the console then shows.
TEST(Reducer, ResultsKeepTheRulesAndConvertAsTheyAre) {
    using chip::ColourCount;
    using chip::ColourMode;
    const Case cases[] = {{ColourMode::Hsl, ColourCount::Sixteen, 0, Dither::None},
                          {ColourMode::Rgb, ColourCount::Sixteen, 1, Dither::Ordered},
                          {ColourMode::Nes, ColourCount::Sixteen, 2, Dither::Diffusion},
                          {ColourMode::Rgb, ColourCount::Four, 3, Dither::None},
                          {ColourMode::Hsl, ColourCount::Four, 0, Dither::Diffusion},
                          {ColourMode::Rgb, ColourCount::Sixteen, 3, Dither::Diffusion}};
    for (const auto& c : cases) {
        SCOPED_TRACE(nameOf(c));
        const DibImage original = photoLike(64, 48);
        DibImage image = original;
        test::RecordingUserInterface ui;
        ReduceSettings settings{c.colourMode, c.colourCount, std::nullopt, c.dither, 1.0f};
        const auto reduction = reducePicture(image, whole(image), settings, *shippedTables(), ui);
        ASSERT_TRUE(reduction);
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_EQ(ui.openProgress, 0);
        EXPECT_GE(ui.progressSteps, 1);
        EXPECT_EQ(ui.progressTexts.at(0), reducingText);

        const ModeColours mode(*shippedTables(), c.colourMode);
        std::set<Colour> shown;
        for (std::size_t i = 0; i < mode.size(); ++i)
            shown.insert(mode.colour(i));
        Colour corner = 0;
        image.getPixel(0, 0, corner);
        EXPECT_EQ(corner, reduction->background) << "the default background stays at (0, 0)";
        EXPECT_LE(reduction->palettes.size(), 16u);
        const std::size_t room = static_cast<std::size_t>(chip::coloursPerTile(c.colourCount) - 1);
        for (const auto& palette : reduction->palettes) {
            EXPECT_LE(palette.size(), room);
            EXPECT_EQ(std::count(palette.begin(), palette.end(), reduction->background), 0);
        }

        const auto sets = blockSets(image, whole(image));
        for (std::size_t b = 0; b < sets.size(); ++b) {
            for (Colour colour : sets[b])
                EXPECT_TRUE(shown.count(colour)) << "block " << b << " colour " << colour;
            const bool inOnePalette = std::any_of(
                reduction->palettes.begin(), reduction->palettes.end(), [&](const auto& p) {
                    return std::all_of(sets[b].begin(), sets[b].end(), [&](Colour colour) {
                        return colour == reduction->background ||
                               std::find(p.begin(), p.end(), colour) != p.end();
                    });
                });
            EXPECT_TRUE(inOnePalette) << "block " << b;
        }

        // Convert as the best-fit road does: the packed palettes, then the normal cutting.
        const auto packing =
            packPalettes(sets, reduction->background, chip::coloursPerTile(c.colourCount));
        ASSERT_TRUE(packing.packed);
        TileConverter converter(shippedTables());
        converter.paletteTable() = paletteTableOf(packing, reduction->background);
        auto s = test::settingsFor(64, 48, c.charSize);
        s.colourMode = static_cast<std::uint8_t>(chip::colourModeIndex(c.colourMode));
        s.colourCount = static_cast<std::uint8_t>(chip::colourCountIndex(c.colourCount));
        const ConversionSource source{image, whole(image), reduction->background};
        ASSERT_TRUE(converter.convertTiles(s, source, ui)) << ui.messages.back();
        auto rendered = DibImage::createBlank(64, 48);
        EXPECT_EQ(converter.renderPreview(s, *rendered), 0);
        EXPECT_EQ(bytesOf(*rendered), bytesOf(image)) << "the console shows the reduced picture";
        EXPECT_GT(peakSignalToNoise(original, image, whole(image)), 15.0) << "still the picture";
        EXPECT_NEAR(reduction->psnr, peakSignalToNoise(original, image, whole(image)), 1e-9);
    }
}

TEST(Reducer, DitheringDoesSomethingAndStrengthZeroDoesNothing) {
    const DibImage original = photoLike(64, 48);
    const auto reduce = [&](Dither dither, float strength) {
        DibImage image = original;
        SilentUserInterface ui;
        ReduceSettings settings{chip::ColourMode::Rgb, chip::ColourCount::Sixteen, std::nullopt,
                                dither, strength};
        EXPECT_TRUE(reducePicture(image, whole(image), settings, *shippedTables(), ui));
        return image;
    };
    const DibImage plain = reduce(Dither::None, 1);
    EXPECT_NE(bytesOf(reduce(Dither::Ordered, 1)), bytesOf(plain));
    EXPECT_NE(bytesOf(reduce(Dither::Diffusion, 1)), bytesOf(plain));
    EXPECT_EQ(bytesOf(reduce(Dither::Diffusion, 0)), bytesOf(plain));
    EXPECT_EQ(bytesOf(reduce(Dither::Ordered, 0)), bytesOf(plain));
}

TEST(Reducer, AGivenBackgroundIsTheColourTheConsoleShowsForIt) {
    DibImage image = photoLike(32, 32);
    SilentUserInterface ui;
    // 0x123456 is coded with the top nibbles of its components, so the console shows 0x103050.
    ReduceSettings settings{chip::ColourMode::Rgb, chip::ColourCount::Sixteen, Colour{0x563412},
                            Dither::None, 1};
    const auto reduction = reducePicture(image, whole(image), settings, *shippedTables(), ui);
    ASSERT_TRUE(reduction);
    EXPECT_EQ(reduction->background, 0x503010u);
}

TEST(Reducer, OnlyTheAreaChangesAndBadInputIsRefused) {
    const DibImage original = photoLike(48, 48);
    DibImage image = original;
    test::RecordingUserInterface ui;
    const Selection area = Selection::fromSize(16, 16, 32, 16);
    ASSERT_TRUE(reducePicture(image, area, {}, *shippedTables(), ui));
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x) {
            Colour before = 0, after = 0;
            original.getPixel(x, y, before);
            image.getPixel(x, y, after);
            if (!area.contains(x, y)) {
                ASSERT_EQ(before, after) << x << "," << y;
            }
        }

    DibImage untouched = original;
    EXPECT_FALSE(
        reducePicture(untouched, Selection::fromSize(40, 0, 16, 16), {}, *shippedTables(), ui));
    EXPECT_EQ(ui.messages.back(),
              "The area (40,0,56,16) is empty or reaches outside the 48x48 picture.");
    EXPECT_EQ(bytesOf(untouched), bytesOf(original));
}

TEST(ModeColours, EachModeShowsItsColoursAsTheyAre) {
    const auto& tables = *shippedTables();
    // Red has 14 levels in the RGB mode; the 4K table has 2,540 distinct colours.
    const std::size_t expected[] = {2540, 14 * 16 * 16, 0};
    for (int m = 0; m < 3; ++m) {
        const ModeColours mode(tables, chip::colourModeOf(m));
        if (m < 2)
            EXPECT_EQ(mode.size(), expected[m]);
        else
            EXPECT_LE(mode.size(), 64u);
        for (std::size_t i = 0; i < mode.size(); ++i)
            ASSERT_EQ(tables.fromVt03Code(tables.toVt03Code(mode.colour(i), chip::colourModeOf(m)),
                                          chip::colourModeOf(m)),
                      mode.colour(i));
    }
}

TEST(Reducer, PeakSignalToNoise) {
    const DibImage a = test::paint(2, 1, [](int, int) { return Colour{0}; });
    const DibImage b = test::paint(2, 1, [](int x, int) { return x == 0 ? Colour{0x0A} : 0; });
    EXPECT_TRUE(std::isinf(peakSignalToNoise(a, a, whole(a))));
    // One red byte 10 away among six samples: 10 log10(255^2 x 6 / 100).
    EXPECT_NEAR(peakSignalToNoise(a, b, whole(a)), 35.9123, 1e-3);
}
