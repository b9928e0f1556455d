#include "convert/Preview.h"
#include "convert/TileConverter.h"

#include "ConvertTestSupport.h"
#include "RecordingUserInterface.h"

#include <gtest/gtest.h>

using namespace kadro;

namespace {

// Colours the computed colour mode shows exactly, so the preview must equal the picture.
constexpr std::array<Colour, 3> inks{0xF0F0F0, 0x203040, 0x008000};

DibImage twoBankPicture() {
    return test::paint(64, 48, [](int x, int y) {
        return test::distinctTiles(x, y, 8, inks[static_cast<std::size_t>((x / 16 + y / 16) % 3)],
                                   0x000000);
    });
}

// The preview of a conversion of colours the computed mode shows exactly equals the picture.
void expectSame(const TileConverter& converter, const ConversionSettings& s,
                const DibImage& picture) {
    auto preview = DibImage::createBlank(64, 48);
    EXPECT_EQ(converter.renderPreview(s, *preview), 0);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x) {
            Colour want = 0, got = 0;
            picture.getPixel(x, y, want);
            preview->getPixel(x, y, got);
            ASSERT_EQ(got, want) << x << "," << y;
        }
}

} // namespace

TEST(Preview, DrawsWhatWasConvertedAcrossBanks) {
    for (int colourCount : {0, 1}) {
        SCOPED_TRACE(colourCount == 0 ? "16 colours" : "4 colours");
        const auto picture = twoBankPicture();
        TileConverter converter(test::rgbTables());
        test::RecordingUserInterface ui;
        auto s = test::settingsFor(64, 48);
        s.colourCount = static_cast<std::uint8_t>(colourCount);
        s.endAddress = 0x400; // 32 tiles a bank: rows 0-3, then rows 4-5
        ASSERT_TRUE(converter.convert(s, {picture, Selection::fromSize(0, 0, 64, 48)}, ui));
        ASSERT_EQ(s.bankStartRows[1], 32);
        ASSERT_EQ(s.patternBytes, colourCount == 0 ? 0x2000 + 16 * 32 : 0x1000 + 16 * 16);
        expectSame(converter, s, picture);
    }
}

TEST(Preview, SkipsCellsWhoseDataIsMissing) {
    const auto picture = twoBankPicture();
    TileConverter converter(test::rgbTables());
    test::RecordingUserInterface ui;
    auto s = test::settingsFor(64, 48);
    ASSERT_TRUE(converter.convert(s, {picture, Selection::fromSize(0, 0, 64, 48)}, ui));

    // A loaded document may name patterns past its pattern data, or lack name entries.
    ConversionResults damaged = converter.results();
    damaged.mapData[0] = 0xFF;
    damaged.mapData[1] = 0x7F;
    auto preview = DibImage::createBlank(64, 48);
    EXPECT_EQ(Preview(s, damaged, *test::rgbTables()).render(*preview), 1);
    Colour corner = 0, next = 0;
    preview->getPixel(0, 0, corner);
    preview->getPixel(8, 0, next);
    EXPECT_EQ(corner, 0xFFFFFFu) << "left as it was";
    EXPECT_EQ(next, 0u);

    damaged.mapData.resize(30);
    EXPECT_GT(Preview(s, damaged, *test::rgbTables()).render(*preview), 0);
}
