#include "colour/ColourMath.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace kadro;

TEST(ColourMath, RgbToHsvTruncates) {
    EXPECT_EQ(rgbToHsv({255, 128, 0}), (HsvTriple{30, 255, 255}));
    EXPECT_EQ(rgbToHsv({200, 100, 50}), (HsvTriple{20, 191, 200}));
    EXPECT_EQ(rgbToHsv({10, 20, 30}), (HsvTriple{210, 170, 30}));
    EXPECT_EQ(rgbToHsv({255, 255, 255}), (HsvTriple{0, 0, 255}));
    EXPECT_EQ(rgbToHsv({0, 0, 0}), (HsvTriple{0, 0, 0}));
    // Red as the largest with blue above green: a negative angle wraps into 300..359.
    EXPECT_EQ(rgbToHsv({255, 0, 1}), (HsvTriple{359, 255, 255}));
    EXPECT_EQ(rgbToHsv({0, 255, 0}), (HsvTriple{120, 255, 255}));
    EXPECT_EQ(rgbToHsv({0, 0, 255}), (HsvTriple{240, 255, 255}));
}

TEST(ColourMath, HsvToRgbTruncatesInEverySector) {
    EXPECT_EQ(hsvToRgb({30, 255, 255}), (RgbTriple{255, 127, 0}));
    EXPECT_EQ(hsvToRgb({90, 128, 200}), (RgbTriple{149, 200, 99}));
    EXPECT_EQ(hsvToRgb({359, 255, 255}), (RgbTriple{255, 0, 4}));
    EXPECT_EQ(hsvToRgb({300, 255, 255}), (RgbTriple{255, 0, 255}));
    EXPECT_EQ(hsvToRgb({60, 255, 255}), (RgbTriple{255, 255, 0}));
    EXPECT_EQ(hsvToRgb({150, 255, 255}), (RgbTriple{0, 255, 127}));
    EXPECT_EQ(hsvToRgb({210, 255, 255}), (RgbTriple{0, 127, 255}));
    EXPECT_EQ(hsvToRgb({0, 0, 77}), (RgbTriple{77, 77, 77}));
}

// Truncation loses under a degree of hue (255 / 60 steps at most), under a step of saturation
// and a step at the end; a wrong sector or sign would move a component much farther.
TEST(ColourMath, RoundTripStaysWithinTruncationLoss) {
    int worst = 0;
    for (int r = 0; r < 256; r += 5)
        for (int g = 0; g < 256; g += 3)
            for (int b = 0; b < 256; b += 7) {
                const RgbTriple back = hsvToRgb(rgbToHsv({r, g, b}));
                worst = std::max({worst, std::abs(back.red - r), std::abs(back.green - g),
                                  std::abs(back.blue - b)});
            }
    EXPECT_LE(worst, 6);
    EXPECT_GE(worst, 4); // the loss is real: the dialog must not expect exact round trips
}

TEST(ColourMath, TypedNumbersAreClampedToTheirRange) {
    EXPECT_EQ(clampLevel(300), 255);
    EXPECT_EQ(clampLevel(-4), 0);
    EXPECT_EQ(clampLevel(128), 128);
    EXPECT_EQ(clampHue(400), 359);
    EXPECT_EQ(clampHue(360), 359);
    EXPECT_EQ(clampHue(-1), 0);
}
