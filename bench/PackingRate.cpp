// Prints how often a best-fit conversion succeeds on pictures whose blocks pack into 16 palettes
// by construction but that the first-fit rule refuses, and whether the console then shows each
// picture exactly (the rendered conversion equals the picture, whose colours are ones the RGB 4K
// mode shows). Each row takes blocks of some size from hidden palettes drawn from a pool of some
// size: the smaller the pool, the more colours the palettes share and the more ways there are to
// go wrong. Every picture is 256 x 240, one block per 16 x 16 pixels.
//   packing_rate [CASES_PER_ROW]

#include "PackingCases.h"
#include "RecordingUserInterface.h"
#include "convert/TileConverter.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace kadro;

namespace {

struct Converted {
    bool ok = false;
    bool exact = false;
    double ms = 0; // the conversion, without the rendering that checks it
};

Converted convert(const DibImage& picture, int colourCount, PaletteFit fit) {
    static const auto tables = std::make_shared<const ColorTables>(test::rgbModeTables());
    TileConverter converter(tables);
    test::RecordingUserInterface ui;
    ConversionSettings s;
    s.pictureType = 3;
    s.colourMode = static_cast<std::uint8_t>(chip::colourModeIndex(chip::ColourMode::Rgb));
    s.colourCount = static_cast<std::uint8_t>(colourCount);
    s.width = picture.width();
    s.height = picture.height();
    s.endAddress = 0x2000;
    ConversionSource source{picture, Selection::fromSize(0, 0, s.width, s.height), 0};
    source.paletteFit = fit;
    Converted out;
    const auto start = std::chrono::steady_clock::now();
    out.ok = converter.convert(s, source, ui);
    out.ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (!out.ok)
        return out;
    auto shown = DibImage::createBlank(s.width, s.height);
    converter.renderPreview(s, *shown);
    out.exact = std::ranges::equal(shown->pixels(), picture.pixels());
    return out;
}

} // namespace

int main(int argc, char** argv) {
    const int perRow = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
    struct Row {
        int smallest, largest, poolFactor, room = 15;
    };
    const Row rows[] = {{5, 15, 3},   {5, 15, 6},   {5, 15, 12},  {3, 10, 4},
                        {3, 10, 8},   {3, 10, 16},  {2, 6, 4},    {2, 6, 16},
                        {1, 3, 3, 3}, {2, 3, 3, 3}, {2, 3, 6, 3}, {2, 3, 12, 3}};
    std::printf("%-14s %6s %9s %9s %7s %8s %9s\n", "block colours", "pool", "refused", "converted",
                "exact", "mean ms", "worst ms");
    for (const Row& row : rows) {
        std::mt19937 random(static_cast<unsigned>(row.smallest * 100 + row.poolFactor + row.room));
        const int colourCount = row.room == 3 ? 1 : 0;
        int refused = 0, converted = 0, exact = 0;
        double total = 0, worst = 0;
        for (int attempt = 0; refused < perRow && attempt < 50 * perRow; ++attempt) {
            const auto c = test::packableCase(random, 240, row.room, 16, row.room * row.poolFactor,
                                              row.smallest, row.largest, test::rgbExactColours());
            const DibImage picture = test::paintBlocks(c, 16, random);
            if (convert(picture, colourCount, PaletteFit::First).ok)
                continue;
            ++refused;
            const Converted best = convert(picture, colourCount, PaletteFit::Best);
            converted += best.ok;
            exact += best.exact;
            total += best.ms;
            worst = std::max(worst, best.ms);
        }
        char blocks[16];
        std::snprintf(blocks, sizeof blocks, "%d-%d of %d", row.smallest, row.largest, row.room);
        const auto percent = [&](int n) { return refused ? 100.0 * n / refused : 0.0; };
        std::printf("%-14s %6d %9d %8.1f%% %6.1f%% %8.1f %9.1f\n", blocks,
                    row.room * row.poolFactor, refused, percent(converted), percent(exact),
                    refused ? total / refused : 0.0, worst);
    }
}
