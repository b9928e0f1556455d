#include "convert/TileConverter.h"

#include "ConvertTestSupport.h"
#include "PackingCases.h"
#include "RecordingUserInterface.h"
#include "colour/ColourAdaptation.h"

#include <gtest/gtest.h>

using namespace kadro;

namespace {

constexpr Colour bg = 0x000000;

struct Conversion {
    TileConverter converter{test::rgbTables()};
    test::RecordingUserInterface ui;

    bool run(ConversionSettings& s, const DibImage& image, PaletteFit fit,
             std::span<const std::vector<Colour>> hints = {}) {
        ConversionSource source{image, Selection::fromSize(0, 0, s.width, s.height), bg};
        source.paletteFit = fit;
        source.paletteHints = hints;
        return converter.convert(s, source, ui);
    }
    // The picture as the console shows the converted data.
    DibImage rendered(const ConversionSettings& s) const {
        auto image = DibImage::createBlank(s.width, s.height);
        converter.renderPreview(s, *image);
        return std::move(*image);
    }
};

bool samePixels(const DibImage& a, const DibImage& b) {
    if (a.width() != b.width() || a.height() != b.height())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            Colour ca = 0, cb = 0;
            a.getPixel(x, y, ca);
            b.getPixel(x, y, cb);
            if (ca != cb)
                return false;
        }
    return true;
}

} // namespace

TEST(BestFit, ConvertsWhatFirstFitRefusesAndTheConsoleShowsItExactly) {
    struct Family {
        const char* name;
        int smallest, largest, poolLow, poolHigh; // pool in palettes' worth of colours
    };
    const Family families[] = {{"large blocks", 5, 15, 3, 12},
                               {"middling blocks", 3, 10, 4, 16},
                               {"small blocks", 2, 6, 4, 16}};
    std::mt19937 random(1234);
    for (const Family& f : families) {
        SCOPED_TRACE(f.name);
        int refused = 0, converted = 0;
        while (refused < 16) {
            const int pool =
                15 * (f.poolLow + static_cast<int>(random() % (f.poolHigh - f.poolLow + 1)));
            const auto cse = test::packableCase(random, 240, 15, chip::palettes, pool, f.smallest,
                                                f.largest, test::rgbExactColours());
            const DibImage picture = test::paintBlocks(cse, 16, random);
            auto s = test::settingsFor(256, 240);
            Conversion first;
            if (first.run(s, picture, PaletteFit::First))
                continue;
            ++refused;
            ASSERT_EQ(first.ui.messages.at(0).rfind("没有可用的调色板匹配(", 0), 0u);

            Conversion best;
            if (!best.run(s, picture, PaletteFit::Best))
                continue;
            DibImage adapted = picture;
            ASSERT_TRUE(adaptRgb4k(adapted, best.ui));
            EXPECT_TRUE(samePixels(best.rendered(s), adapted));
            ++converted;
        }
        EXPECT_GE(converted * 100, 98 * refused) << converted << " of " << refused;
    }
}

TEST(BestFit, GivesFirstFitsResultsWhereFirstFitConverts) {
    std::mt19937 random(77);
    int compared = 0;
    for (int trial = 0; compared < 12 && trial < 200; ++trial) {
        const bool four = trial % 3 == 0;
        const int room = four ? 3 : 15;
        // Many colours to choose from: the hidden palettes barely overlap and first-fit copes.
        const auto cse = test::packableCase(random, 60, room, chip::palettes, room * 16, 1, room,
                                            test::rgbExactColours());
        const DibImage picture = test::paintBlocks(cse, 10, random);
        auto s = test::settingsFor(picture.width(), picture.height(), trial % 4);
        s.colourCount = four ? 1 : 0;
        auto firstSettings = s;
        Conversion first, best;
        if (!first.run(firstSettings, picture, PaletteFit::First))
            continue;
        ++compared;
        ASSERT_TRUE(best.run(s, picture, PaletteFit::Best)) << best.ui.messages.at(0);
        EXPECT_EQ(best.converter.paletteTable(), first.converter.paletteTable());
        EXPECT_EQ(best.converter.results().mapData, first.converter.results().mapData);
        EXPECT_EQ(best.converter.results().patternData, first.converter.results().patternData);
        EXPECT_EQ(best.converter.results().paletteCodes, first.converter.results().paletteCodes);
        EXPECT_EQ(s.toBytes(), firstSettings.toBytes());
    }
    EXPECT_EQ(compared, 12);
}

TEST(BestFit, RefusalsNameTheBlockFirstFitNames) {
    std::mt19937 random(5);
    // Seventeen sets of fifteen of the same twenty colours: any two need sixteen slots, so each
    // needs a palette of its own. The blocks are laid four to a row from x = 0.
    const auto pool = test::colourPool(random, 20, bg, test::rgbExactColours());
    test::PackingCase cse;
    for (int k = 0; k < 17; ++k) {
        BlockColourSet set;
        for (int i = 0; i < 20; ++i)
            if ((i - k + 20) % 20 >= 5)
                set.push_back(pool[static_cast<std::size_t>(i)]);
        cse.blocks.push_back(set);
    }
    cse.blocks.push_back({pool[0]});
    cse.blocks.push_back({pool[0]});
    cse.blocks.push_back({pool[0]});
    const DibImage impossible = test::paintBlocks(cse, 4, random);
    auto s = test::settingsFor(64, 80);
    Conversion first, best;
    EXPECT_FALSE(first.run(s, impossible, PaletteFit::First));
    EXPECT_FALSE(best.run(s, impossible, PaletteFit::Best));
    ASSERT_EQ(best.ui.messages.size(), 1u);
    EXPECT_EQ(best.ui.messages[0], "没有可用的调色板匹配(0,64,8,72),转换终止!") << "block 16";
    EXPECT_EQ(best.ui.messages, first.ui.messages);
    EXPECT_TRUE(best.converter.results().mapData.empty());

    // A block over the limit is refused before any packing, with the same message either way.
    cse.blocks[18] = test::colourPool(random, 17, bg, test::rgbExactColours());
    const DibImage crowded = test::paintBlocks(cse, 4, random);
    Conversion bestCrowded;
    EXPECT_FALSE(bestCrowded.run(s, crowded, PaletteFit::Best));
    EXPECT_EQ(bestCrowded.ui.messages.at(0), "(32,64,40,72)内颜色超过16种,转换终止!");
    s.colourCount = 1;
    EXPECT_FALSE(bestCrowded.run(s, crowded, PaletteFit::Best));
    EXPECT_EQ(bestCrowded.ui.messages.at(1), "(0,0,8,8)内颜色超过4种,转换终止!");
}

TEST(BestFit, TakesHintsThatHoldEveryBlock) {
    // In 4-colour mode first-fit puts c beside a and b, after which {a, b, f} finds no palette
    // once the other fifteen are full; the hints hold every block.
    const auto& exact = test::rgbExactColours();
    const auto colour = [&](std::size_t i) { return exact[i + 1]; }; // exact[0] is black
    const Colour a = colour(0), b = colour(1), c = colour(2), d = colour(3), e = colour(4),
                 f = colour(5);
    test::PackingCase cse;
    cse.blocks = {{a, b}, {c}, {d, e}, {c, d, e}};
    std::vector<std::vector<Colour>> hints{{c, d, e}, {a, b, f}};
    for (std::size_t i = 0; i < 14; ++i) {
        const BlockColourSet triple{colour(6 + 3 * i), colour(7 + 3 * i), colour(8 + 3 * i)};
        cse.blocks.push_back(triple);
        hints.push_back(triple);
    }
    cse.blocks.push_back({a, b, f});
    std::mt19937 random(3);
    const DibImage picture = test::paintBlocks(cse, 19, random);
    auto s = test::settingsFor(picture.width(), picture.height());
    s.colourCount = 1;
    Conversion first, best;
    EXPECT_FALSE(first.run(s, picture, PaletteFit::First));
    ASSERT_TRUE(best.run(s, picture, PaletteFit::Best, hints)) << best.ui.messages.at(0);
    const auto& table = best.converter.paletteTable();
    EXPECT_EQ(table[17], (PaletteSlot{a, 1})) << "palette 1 is the second hint";
    EXPECT_EQ(table[19], (PaletteSlot{f, 1}));
    EXPECT_TRUE(samePixels(best.rendered(s), picture));
}
