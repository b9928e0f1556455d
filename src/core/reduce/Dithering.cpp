#include "reduce/Dithering.h"

#include "common/ChipRules.h"

#include <algorithm>
#include <array>

namespace kadro {

namespace {

// Ties go to the earlier entry, so the background wins where it is as near as anything.
std::size_t nearestEntry(const MappingPalette& palette, const Lab& point) {
    std::size_t best = 0;
    float bestDistance = squaredDistance(point, palette.labs[0]);
    for (std::size_t i = 1; i < palette.labs.size(); ++i) {
        const float d = squaredDistance(point, palette.labs[i]);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

std::vector<Colour> mapNearest(const MappingArea& area) {
    std::vector<Colour> out(area.pixels.size());
    for (int y = 0; y < area.height; ++y)
        for (int x = 0; x < area.width; ++x) {
            const auto i = static_cast<std::size_t>(y * area.width + x);
            const auto& palette = area.paletteAt(x, y);
            out[i] = palette.colours[nearestEntry(palette, area.pixels[i])];
        }
    return out;
}

constexpr std::array<std::array<int, 8>, 8> bayer{{{0, 32, 8, 40, 2, 34, 10, 42},
                                                   {48, 16, 56, 24, 50, 18, 58, 26},
                                                   {12, 44, 4, 36, 14, 46, 6, 38},
                                                   {60, 28, 52, 20, 62, 30, 54, 22},
                                                   {3, 35, 11, 43, 1, 33, 9, 41},
                                                   {51, 19, 59, 27, 49, 17, 57, 25},
                                                   {15, 47, 7, 39, 13, 45, 5, 37},
                                                   {63, 31, 55, 23, 61, 29, 53, 21}}};

// Members of the mix made for each pixel.
constexpr std::size_t mixSize = 16;

std::vector<Colour> mapOrdered(const MappingArea& area, float strength) {
    std::vector<Colour> out(area.pixels.size());
    std::array<std::size_t, mixSize> mix{};
    for (int y = 0; y < area.height; ++y)
        for (int x = 0; x < area.width; ++x) {
            const auto i = static_cast<std::size_t>(y * area.width + x);
            const auto& palette = area.paletteAt(x, y);
            const Lab& want = area.pixels[i];
            Lab error;
            for (auto& member : mix) {
                member = nearestEntry(palette, want + error * strength);
                error += want - palette.labs[member];
            }
            std::sort(mix.begin(), mix.end(), [&](std::size_t a, std::size_t b) {
                return palette.labs[a].l < palette.labs[b].l ||
                       (palette.labs[a].l == palette.labs[b].l && a < b);
            });
            const int level =
                bayer[static_cast<std::size_t>(y & 7)][static_cast<std::size_t>(x & 7)];
            out[i] = palette.colours[mix[static_cast<std::size_t>(level) * mixSize / 64]];
        }
    return out;
}

// The error carried into a pixel is bounded, so that a colour no palette near it can show does
// not pile up into streaks.
constexpr float carriedLimit = 0.1f;

Lab bounded(const Lab& e) {
    return {std::clamp(e.l, -carriedLimit, carriedLimit),
            std::clamp(e.a, -carriedLimit, carriedLimit),
            std::clamp(e.b, -carriedLimit, carriedLimit)};
}

std::vector<Colour> mapDiffused(const MappingArea& area, float strength) {
    std::vector<Colour> out(area.pixels.size());
    // One spare column on each side, so that neighbours past the edges need no test.
    std::vector<Lab> thisRow(static_cast<std::size_t>(area.width + 2));
    std::vector<Lab> nextRow(thisRow.size());
    for (int y = 0; y < area.height; ++y) {
        const int step = y % 2 == 0 ? 1 : -1;
        for (int k = 0; k < area.width; ++k) {
            const int x = step > 0 ? k : area.width - 1 - k;
            const auto i = static_cast<std::size_t>(y * area.width + x);
            const int at = x + 1;
            const auto cell = [](std::vector<Lab>& row, int column) -> Lab& {
                return row[static_cast<std::size_t>(column)];
            };
            const auto& palette = area.paletteAt(x, y);
            const Lab want = area.pixels[i] + bounded(cell(thisRow, at));
            const std::size_t chosen = nearestEntry(palette, want);
            out[i] = palette.colours[chosen];
            const Lab e = (want - palette.labs[chosen]) * strength;
            cell(thisRow, at + step) += e * (7.0f / 16);
            cell(nextRow, at - step) += e * (3.0f / 16);
            cell(nextRow, at) += e * (5.0f / 16);
            cell(nextRow, at + step) += e * (1.0f / 16);
        }
        std::swap(thisRow, nextRow);
        std::fill(nextRow.begin(), nextRow.end(), Lab{});
    }
    return out;
}

} // namespace

const MappingPalette& MappingArea::paletteAt(int x, int y) const {
    const int across = (width + chip::attributeBlock - 1) / chip::attributeBlock;
    const int block = y / chip::attributeBlock * across + x / chip::attributeBlock;
    return palettes[static_cast<std::size_t>(paletteOfBlock[static_cast<std::size_t>(block)])];
}

std::vector<Colour> mapPixels(const MappingArea& area, Dither dither, float strength) {
    if (strength <= 0 || dither == Dither::None)
        return mapNearest(area);
    if (dither == Dither::Ordered)
        return mapOrdered(area, strength);
    return mapDiffused(area, strength);
}

} // namespace kadro
