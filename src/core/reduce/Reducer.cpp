#include "reduce/Reducer.h"

#include "colour/ColourAdaptation.h"
#include "picture/ConversionChoice.h"
#include "reduce/ModeColours.h"
#include "reduce/PaletteClustering.h"

#include <cmath>
#include <limits>

namespace kadro {

namespace {

std::string areaProblem(const DibImage& image, Selection area) {
    if (image.bitCount() != 24)
        return notTrueColourMessage;
    return areaOutsideProblem(area, image.width(), image.height());
}

Colour pixelOf(const DibImage& image, int x, int y) {
    Colour c = 0;
    image.getPixel(x, y, c);
    return c;
}

// The area's blocks (laid from its corner, clipped to it), pixel by pixel, for the clustering.
BlockPixels blocksOf(std::span<const Lab> rows, int w, int h) {
    BlockPixels out;
    const int block = chip::attributeBlock;
    out.start.push_back(0);
    for (int top = 0; top < h; top += block)
        for (int left = 0; left < w; left += block) {
            for (int y = top; y < std::min(top + block, h); ++y)
                for (int x = left; x < std::min(left + block, w); ++x)
                    out.pixels.push_back(rows[static_cast<std::size_t>(y * w + x)]);
            out.start.push_back(out.pixels.size());
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

std::optional<ReductionPlan> ReductionPlan::plan(const DibImage& image, Selection area,
                                                 const ReduceSettings& settings,
                                                 const ColorTables& tables, UserInterface& ui) {
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
    ProgressScope progress(ui, reducingText, 0, clusteringRounds, 1);
    ReductionPlan plan;
    plan.area_ = area;
    plan.defaultBackground_ = !settings.background;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            plan.original_.push_back(pixelOf(image, x, y));
    for (Colour c : plan.original_)
        plan.labs_.push_back(toOklab(c));

    // The background as the console shows the colour put into slot 0.
    const Colour wanted = settings.background.value_or(pixelOf(image, 0, 0));
    const Colour shown =
        tables.fromVt03Code(tables.toVt03Code(wanted, settings.colourMode), settings.colourMode);
    const std::size_t background = indexOf(mode, shown);
    const ClusteringRules rules{chip::palettes, chip::coloursPerTile(settings.colourCount) - 1,
                                background};
    const auto clustering = clusterBlocks(blocksOf(plan.labs_, area.width(), area.height()), mode,
                                          rules, [&] { ui.advanceProgress(); });
    for (const auto& indices : clustering.palettes) {
        MappingPalette p{{mode.colour(background)}, {mode.lab(background)}};
        for (std::size_t i : indices) {
            p.colours.push_back(mode.colour(i));
            p.labs.push_back(mode.lab(i));
        }
        plan.palettes_.push_back(std::move(p));
    }
    plan.paletteOfBlock_ = clustering.paletteOfBlock;
    return plan;
}

std::vector<Colour> ReductionPlan::map(Dither dither, float strength, Reduction& reduction) const {
    const MappingArea mapping{area_.width(), area_.height(), labs_, palettes_, paletteOfBlock_};
    auto out = mapPixels(mapping, dither, std::clamp(strength, 0.0f, 1.0f));
    reduction = {};
    reduction.background = palettes_.empty() ? 0 : palettes_[0].colours[0];
    if (defaultBackground_ && area_.left == 0 && area_.top == 0 && !out.empty())
        out[0] = reduction.background;
    for (const auto& p : palettes_)
        reduction.palettes.emplace_back(p.colours.begin() + 1, p.colours.end());
    double error = 0;
    for (std::size_t i = 0; i < out.size(); ++i)
        error += squaredError(original_[i], out[i]);
    reduction.psnr = psnrOf(error, 3 * out.size());
    return out;
}

void ReductionPlan::apply(std::span<const Colour> pixels, DibImage& image) const {
    std::size_t i = 0;
    for (int y = area_.top; y < area_.bottom; ++y)
        for (int x = area_.left; x < area_.right && i < pixels.size(); ++x)
            image.setPixel(x, y, pixels[i++]);
}

std::optional<Reduction> reducePicture(DibImage& image, Selection area,
                                       const ReduceSettings& settings, const ColorTables& tables,
                                       UserInterface& ui) {
    const auto plan = ReductionPlan::plan(image, area, settings, tables, ui);
    if (!plan)
        return std::nullopt;
    Reduction reduction;
    plan->apply(plan->map(settings.dither, settings.strength, reduction), image);
    return reduction;
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
