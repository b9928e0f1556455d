#include "reduce/Reducer.h"

#include "colour/ColourAdaptation.h"
#include "reduce/ModeColours.h"
#include "reduce/PaletteClustering.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace kadro {

namespace {

std::string areaProblem(const DibImage& image, Selection area) {
    if (image.bitCount() != 24)
        return notTrueColourMessage;
    if (area.empty() || area.left < 0 || area.top < 0 || area.right > image.width() ||
        area.bottom > image.height()) {
        char text[160];
        std::snprintf(text, sizeof text,
                      "The area (%d,%d,%d,%d) is empty or reaches outside the %dx%d picture.",
                      area.left, area.top, area.right, area.bottom, image.width(), image.height());
        return text;
    }
    return {};
}

Colour pixelOf(const DibImage& image, int x, int y) {
    Colour c = 0;
    image.getPixel(x, y, c);
    return c;
}

// The area in Oklab twice: row by row for the mapping, block by block for the clustering.
struct AreaPixels {
    std::vector<Colour> original;
    std::vector<Lab> rows;
    BlockPixels blocks;
};

AreaPixels readArea(const DibImage& image, Selection area) {
    AreaPixels out;
    const int w = area.width(), h = area.height();
    out.original.reserve(static_cast<std::size_t>(w * h));
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            out.original.push_back(pixelOf(image, x, y));
    out.rows.reserve(out.original.size());
    for (Colour c : out.original)
        out.rows.push_back(toOklab(c));
    const int block = chip::attributeBlock;
    out.blocks.start.push_back(0);
    for (int top = 0; top < h; top += block)
        for (int left = 0; left < w; left += block) {
            for (int y = top; y < std::min(top + block, h); ++y)
                for (int x = left; x < std::min(left + block, w); ++x)
                    out.blocks.pixels.push_back(out.rows[static_cast<std::size_t>(y * w + x)]);
            out.blocks.start.push_back(out.blocks.pixels.size());
        }
    return out;
}

std::size_t indexOf(const ModeColours& mode, Colour c) {
    for (std::size_t i = 0; i < mode.size(); ++i)
        if (mode.colour(i) == c)
            return i;
    return mode.nearest(toOklab(c));
}

double psnrOf(double squaredError, std::size_t samples) {
    if (squaredError == 0 || samples == 0)
        return std::numeric_limits<double>::infinity();
    return 10.0 * std::log10(255.0 * 255.0 * static_cast<double>(samples) / squaredError);
}

double squaredError(Colour a, Colour b) {
    const double dr = redOf(a) - redOf(b), dg = greenOf(a) - greenOf(b), db = blueOf(a) - blueOf(b);
    return dr * dr + dg * dg + db * db;
}

} // namespace

std::optional<Reduction> reducePicture(DibImage& image, Selection area,
                                       const ReduceSettings& settings, const ColorTables& tables,
                                       UserInterface& ui) {
    if (auto problem = areaProblem(image, area); !problem.empty()) {
        ui.showMessage(problem, MessageIcon::Warning);
        return std::nullopt;
    }
    const ModeColours mode(tables, settings.colourMode);
    if (mode.size() == 0) {
        ui.showMessage("The colour table of this colour mode holds no colour.",
                       MessageIcon::Warning);
        return std::nullopt;
    }
    ProgressScope progress(ui, reducingText, 0, clusteringRounds + 1, 1);
    // The background as the console shows the colour put into slot 0.
    const Colour wanted = settings.background.value_or(pixelOf(image, 0, 0));
    const Colour shown =
        tables.fromVt03Code(tables.toVt03Code(wanted, settings.colourMode), settings.colourMode);
    const std::size_t background = indexOf(mode, shown);

    const AreaPixels pixels = readArea(image, area);
    const ClusteringRules rules{chip::palettes, chip::coloursPerTile(settings.colourCount) - 1,
                                background};
    const auto clustering =
        clusterBlocks(pixels.blocks, mode, rules, [&] { ui.advanceProgress(); });

    Reduction result;
    result.background = mode.colour(background);
    std::vector<MappingPalette> palettes;
    for (const auto& indices : clustering.palettes) {
        MappingPalette p{{mode.colour(background)}, {mode.lab(background)}};
        std::vector<Colour> colours;
        for (std::size_t i : indices) {
            p.colours.push_back(mode.colour(i));
            p.labs.push_back(mode.lab(i));
            colours.push_back(mode.colour(i));
        }
        palettes.push_back(std::move(p));
        result.palettes.push_back(std::move(colours));
    }
    const MappingArea mapping{area.width(), area.height(), pixels.rows, palettes,
                              clustering.paletteOfBlock};
    auto out = mapPixels(mapping, settings.dither, std::clamp(settings.strength, 0.0f, 1.0f));
    if (!settings.background && area.left == 0 && area.top == 0)
        out[0] = result.background;
    ui.advanceProgress();

    double error = 0;
    std::size_t i = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x, ++i) {
            error += squaredError(pixels.original[i], out[i]);
            image.setPixel(x, y, out[i]);
        }
    result.psnr = psnrOf(error, 3 * out.size());
    return result;
}

double peakSignalToNoise(const DibImage& a, const DibImage& b, Selection area) {
    double error = 0;
    std::size_t n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x, ++n)
            error += squaredError(pixelOf(a, x, y), pixelOf(b, x, y));
    return psnrOf(error, 3 * n);
}

} // namespace kadro
