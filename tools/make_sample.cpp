// Draws the bundled sample picture: a 256 x 240 night landscape made for converting cleanly.
// Each region draws from its own small set of colours, so no 16 x 16 block needs more than 16
// and the blocks fit the 16 palettes; sky, bricks and water repeat, so tiles are shared.
//
// usage: make_sample OUT.bmp

#include "picture/DibImage.h"

#include <cmath>
#include <cstdio>

using kadro::Colour;

namespace {

constexpr Colour rgb(int r, int g, int b) {
    return static_cast<Colour>(r | g << 8 | b << 16);
}

// Colour groups; a block mixes at most two neighbouring groups.
constexpr Colour skyDeep = rgb(16, 16, 64), skyMid = rgb(32, 48, 112), skyLow = rgb(64, 80, 160);
constexpr Colour star = rgb(240, 240, 240), moon = rgb(240, 224, 128),
                 moonShade = rgb(192, 176, 96);
constexpr Colour hillDark = rgb(32, 80, 48), hillLight = rgb(64, 128, 64),
                 snow = rgb(224, 240, 240);
constexpr Colour brick = rgb(160, 64, 32), mortar = rgb(96, 96, 96), brickLight = rgb(208, 112, 64);
constexpr Colour water = rgb(32, 64, 160), waterLight = rgb(96, 144, 224),
                 foam = rgb(192, 224, 240);
constexpr Colour banner = rgb(128, 0, 96), letter = rgb(255, 208, 0);

// 5 x 7 letters of the banner text.
constexpr const char* glyphs[] = {
    "10001100101010011000101001001010001", // K
    "01110100011000111111100011000110001", // A
    "11110100011000110001100011000111110", // D
    "11110100011000111110101001001010001", // R
    "01110100011000110001100011000101110", // O
};

void drawSky(kadro::DibImage& img, int x, int y) {
    Colour c = y < 48 ? skyDeep : y < 88 ? skyMid : skyLow;
    // A repeating star field: the same few tiles again and again.
    if (y < 88 && ((x % 32 == 5 && y % 24 == 7) || (x % 48 == 29 && y % 16 == 3)))
        c = star;
    const int dx = x - 200, dy = y - 36;
    if (dx * dx + dy * dy <= 18 * 18)
        c = (dx + 6) * (dx + 6) + (dy - 4) * (dy - 4) <= 36 ? moonShade : moon;
    img.setPixel(x, y, c);
}

void drawHills(kadro::DibImage& img, int x, int y) {
    const int ridge = 120 - static_cast<int>(24 * std::sin(x / 40.0) + 10 * std::sin(x / 13.0));
    if (y < ridge)
        return;
    Colour c = (x / 16 + y / 16) % 2 ? hillDark : hillLight;
    if (y < ridge + 4 && ridge < 104)
        c = snow;
    img.setPixel(x, y, c);
}

void drawWall(kadro::DibImage& img, int x, int y) {
    const int row = (y - 144) / 8, offset = row % 2 ? 8 : 0;
    const bool joint = (y - 144) % 8 == 7 || (x + offset) % 16 == 15;
    img.setPixel(x, y, joint ? mortar : ((x + offset) / 16 + row) % 5 == 0 ? brickLight : brick);
}

void drawWater(kadro::DibImage& img, int x, int y) {
    const int wave = (x + 2 * (y / 8)) % 16;
    Colour c = water;
    if (y % 8 == 2 && wave < 5)
        c = waterLight;
    if (y % 8 == 3 && wave == 2)
        c = foam;
    img.setPixel(x, y, c);
}

void drawBanner(kadro::DibImage& img) {
    for (int y = 176; y < 200; ++y)
        for (int x = 64; x < 192; ++x)
            img.setPixel(x, y, banner);
    for (int g = 0; g < 5; ++g)
        for (int gy = 0; gy < 7; ++gy)
            for (int gx = 0; gx < 5; ++gx)
                if (glyphs[g][gy * 5 + gx] == '1')
                    for (int s = 0; s < 4; ++s)
                        img.setPixel(78 + g * 20 + gx * 2 + s % 2, 181 + gy * 2 + s / 2, letter);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sample OUT.bmp\n");
        return 2;
    }
    auto img = kadro::DibImage::createBlank(256, 240);
    for (int y = 0; y < 240; ++y) {
        for (int x = 0; x < 256; ++x) {
            if (y < 144) {
                drawSky(*img, x, y);
                drawHills(*img, x, y);
            } else if (y < 208) {
                drawWall(*img, x, y);
            } else {
                drawWater(*img, x, y);
            }
        }
    }
    drawBanner(*img);
    std::string error;
    if (!img->writeBmp(argv[1], &error)) {
        std::fprintf(stderr, "make_sample: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
