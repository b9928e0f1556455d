// Prints the reducer's quality table over a folder of 24-bit BMP pictures (bench/corpus/
// make-corpus.sh builds one): the PSNR of the reduced picture against the original without
// dithering, with ordered dithering and with error diffusion; one global 16-colour palette for
// comparison; and the ceiling, every pixel snapped to its nearest colour of the mode with no
// palette limit at all. Then the time one reduction without dithering took.
//   reduce_quality CORPUS_DIRECTORY [hsl|rgb|nes] [16|4]

#include "CorpusPictures.h"
#include "colour/ColorTables.h"
#include "common/UserInterface.h"
#include "reduce/ModeColours.h"
#include "reduce/PaletteClustering.h"
#include "reduce/Reducer.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>

using namespace kadro;

namespace {

Selection whole(const DibImage& image) {
    return Selection::fromSize(0, 0, image.width(), image.height());
}

double reduced(const DibImage& original, const ReduceSettings& settings, const ColorTables& tables,
               double* milliseconds = nullptr) {
    DibImage copy = original;
    SilentUserInterface ui;
    const auto start = std::chrono::steady_clock::now();
    const auto result = reducePicture(copy, whole(copy), settings, tables, ui);
    if (milliseconds)
        *milliseconds =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
    return result ? peakSignalToNoise(original, copy, whole(copy)) : 0;
}

// One palette for the whole picture: the reducer's own clustering with a single palette.
double globalPalette(const DibImage& original, const ModeColours& mode, int colours) {
    BlockPixels area{{}, {0}};
    for (int y = 0; y < original.height(); ++y)
        for (int x = 0; x < original.width(); ++x) {
            Colour c = 0;
            original.getPixel(x, y, c);
            area.pixels.push_back(toOklab(c));
        }
    area.start.push_back(area.pixels.size());
    Colour corner = 0;
    original.getPixel(0, 0, corner);
    const std::size_t background = mode.nearest(toOklab(corner));
    const auto clustering = clusterBlocks(area, mode, {1, colours - 1, background}, {});
    std::vector<std::size_t> palette{background};
    for (std::size_t i : clustering.palettes.at(0))
        palette.push_back(i);
    DibImage copy = original;
    for (std::size_t i = 0; i < area.pixels.size(); ++i) {
        const auto nearest = *std::min_element(palette.begin(), palette.end(), [&](auto a, auto b) {
            return squaredDistance(area.pixels[i], mode.lab(a)) <
                   squaredDistance(area.pixels[i], mode.lab(b));
        });
        copy.setPixel(static_cast<int>(i) % original.width(),
                      static_cast<int>(i) / original.width(), mode.colour(nearest));
    }
    return peakSignalToNoise(original, copy, whole(copy));
}

// Every pixel to the mode colour nearest in RGB: the best any palette could do.
double ceiling(const DibImage& original, const ModeColours& mode) {
    DibImage copy = original;
    for (int y = 0; y < original.height(); ++y)
        for (int x = 0; x < original.width(); ++x) {
            Colour c = 0;
            original.getPixel(x, y, c);
            Colour best = mode.colour(0);
            for (std::size_t i = 1; i < mode.size(); ++i)
                if (colourDistance(c, mode.colour(i)) < colourDistance(c, best))
                    best = mode.colour(i);
            copy.setPixel(x, y, best);
        }
    return peakSignalToNoise(original, copy, whole(copy));
}

chip::ColourMode modeOf(const char* name) {
    if (std::strcmp(name, "rgb") == 0)
        return chip::ColourMode::Rgb;
    if (std::strcmp(name, "nes") == 0)
        return chip::ColourMode::Nes;
    return chip::ColourMode::Hsl;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: reduce_quality CORPUS_DIRECTORY [hsl|rgb|nes] [16|4]\n");
        return 2;
    }
    SilentUserInterface ui;
    const auto tables = ColorTables::load(KADRO_BIN_DIR, ui);
    if (!tables) {
        std::fprintf(stderr, "no colour tables in %s\n", KADRO_BIN_DIR);
        return 1;
    }
    ReduceSettings settings;
    settings.colourMode = argc > 2 ? modeOf(argv[2]) : chip::ColourMode::Rgb;
    settings.colourCount = argc > 3 && std::strcmp(argv[3], "4") == 0 ? chip::ColourCount::Four
                                                                      : chip::ColourCount::Sixteen;
    const ModeColours mode(*tables, settings.colourMode);
    const int colours = chip::coloursPerTile(settings.colourCount);

    std::vector<std::filesystem::path> pictures;
    for (const auto& entry : std::filesystem::directory_iterator(argv[1]))
        if (entry.path().extension() == ".bmp")
            pictures.push_back(entry.path());
    std::sort(pictures.begin(), pictures.end());

    std::printf("%-12s %8s %8s %9s %9s %8s %8s\n", "picture", "none", "ordered", "diffusion",
                "global", "ceiling", "ms");
    double sums[5] = {}, totalMs = 0;
    int n = 0;
    for (const auto& path : pictures) {
        const auto image = bench::readBmp(path);
        if (!image)
            continue;
        double ms = 0;
        double row[5];
        settings.dither = Dither::None;
        row[0] = reduced(*image, settings, *tables, &ms);
        settings.dither = Dither::Ordered;
        row[1] = reduced(*image, settings, *tables);
        settings.dither = Dither::Diffusion;
        row[2] = reduced(*image, settings, *tables);
        row[3] = globalPalette(*image, mode, colours);
        row[4] = ceiling(*image, mode);
        std::printf("%-12s %8.2f %8.2f %9.2f %9.2f %8.2f %8.0f\n", path.stem().c_str(), row[0],
                    row[1], row[2], row[3], row[4], ms);
        for (int k = 0; k < 5; ++k)
            sums[k] += row[k];
        totalMs += ms;
        ++n;
    }
    if (n > 0)
        std::printf("%-12s %8.2f %8.2f %9.2f %9.2f %8.2f %8.0f\n", "mean", sums[0] / n, sums[1] / n,
                    sums[2] / n, sums[3] / n, sums[4] / n, totalMs / n);
    return 0;
}
