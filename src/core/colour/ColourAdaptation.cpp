#include "colour/ColourAdaptation.h"

#include "colour/ColorTables.h"
#include "colour/NearestColour.h"
#include "common/ChipRules.h"
#include "common/UserInterface.h"

#include <unordered_map>

namespace kadro {

namespace {

bool isTrueColour(const DibImage& image, UserInterface& ui) {
    if (image.bitCount() == 24)
        return true;
    ui.showMessage(notTrueColourMessage, MessageIcon::Warning);
    return false;
}

// Replaces each pixel, rows top to bottom, by the replacement of its colour, asking for the
// replacement only the first time a colour is met.
template <typename Replace> void remapPixels(DibImage& image, Replace replace) {
    std::unordered_map<Colour, Colour> replacements;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            Colour c = 0;
            image.getPixel(x, y, c);
            auto [it, isNew] = replacements.try_emplace(c, 0);
            if (isNew)
                it->second = replace(c);
            image.setPixel(x, y, it->second);
        }
    }
}

} // namespace

bool adaptHsl4k(DibImage& image, const std::string& programDirectory, UserInterface& ui) {
    const auto table = ColorTables::readHslTable(programDirectory, ui);
    if (!table || !isTrueColour(image, ui))
        return false;
    const NearestColourSearch search(*table, CandidateSet{1, true});
    remapPixels(image, [&](Colour c) { return (*table)[*search.find(c)]; });
    return true;
}

bool adaptRgb4k(DibImage& image, UserInterface& ui) {
    if (!isTrueColour(image, ui))
        return false;
    remapPixels(image, [](Colour c) { return c & 0xF0F0F0; });
    return true;
}

bool adapt64(DibImage& image, const std::string& programDirectory, UserInterface& ui) {
    const auto palette = ColorTables::readNesPalette(programDirectory, ui);
    if (!palette || !isTrueColour(image, ui))
        return false;
    remapPixels(image, [&](Colour c) {
        return (*palette)[*scanNearest(*palette, CandidateSet{0, true}, c)];
    });
    return true;
}

bool adaptToMode(DibImage& image, chip::ColourMode colourMode, const std::string& programDirectory,
                 UserInterface& ui) {
    if (colourMode == chip::ColourMode::Rgb)
        return adaptRgb4k(image, ui);
    if (colourMode == chip::ColourMode::Nes)
        return adapt64(image, programDirectory, ui);
    return adaptHsl4k(image, programDirectory, ui);
}

} // namespace kadro
