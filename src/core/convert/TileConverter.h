#pragma once

#include "colour/ColorTables.h"
#include "common/UserInterface.h"
#include "palette/PaletteFile.h"
#include "picture/ConversionChoice.h"
#include "picture/ConversionSettings.h"
#include "picture/DibImage.h"
#include "picture/KdrFile.h"
#include "picture/Selection.h"

#include <memory>
#include <span>
#include <string>

namespace kadro {

class BlockIndex;

// The palettes every frame of an animation takes instead of asking.
inline constexpr const char* animationPaletteName = "ani.pal";

// What a conversion reads besides the settings header.
struct ConversionSource {
    const DibImage& image;
    Selection area;              // picture pixels; its size equals the settings' width, height
    Colour backgroundColour = 0; // put into slot 0 of every palette
    bool animationMode = false;  // palettes come from animationPalettePath, nobody is asked
    std::string animationPalettePath = animationPaletteName;
    PaletteFit paletteFit = PaletteFit::First;
    std::span<const std::vector<Colour>> paletteHints = {}; // tried first by best fit
};

inline constexpr const char* convertingText = "转换中...";

// The conversion engine and the owner of its results. It fits the colours of every 16 x 16
// block of the area into 16 palettes, lets the person review them, cuts the area into characters
// (names, attributes, deduplicated patterns split into banks) and packs the results into the
// console data blocks. A failed conversion leaves the previous results as they were.
class TileConverter {
public:
    explicit TileConverter(std::shared_ptr<const ColorTables> tables);
    // Loads the colour tables from the program's folder; nothing when they cannot be read (the
    // tables have told the person).
    static std::unique_ptr<TileConverter> create(const std::string& programDirectory,
                                                 UserInterface& ui);

    // The whole conversion: fits the palettes, runs the palette setup step (UserInterface::
    // setUpPalettes, or the animation palette file) and, when both succeed, convertTiles.
    bool convert(ConversionSettings& settings, const ConversionSource& source, UserInterface& ui);
    // Places a colour set into the palette table: the first of `count` palettes that already
    // holds it, else the first with room for the missing colours among its first `size` slots.
    bool fitColours(int count, int size, std::span<const Colour> colours);
    // Cuts the area with the current palette table. On success replaces the results and writes
    // bankStartRows, bankSizes, mapBytes and the packing fields into the settings.
    bool convertTiles(ConversionSettings& settings, const ConversionSource& source,
                      UserInterface& ui);

    PaletteTable& paletteTable() { return paletteTable_; }
    const PaletteTable& paletteTable() const { return paletteTable_; }
    const ConversionResults& results() const { return results_; }
    // The results in place, for edits of single entries; refresh the picture afterwards.
    ConversionResults& editableResults() { return results_; }
    // Results read from a converted document.
    void adoptResults(ConversionResults results) { results_ = std::move(results); }
    const ColorTables& colorTables() const { return *tables_; }

    // Draws the results into the picture, the area's corner at the origin. Cells whose data lies
    // outside the blocks (a damaged document) are skipped; returns how many.
    int renderPreview(const ConversionSettings& settings, DibImage& image) const;

private:
    bool fitBlocks(const ConversionSettings& settings, BlockIndex& index, Colour backgroundColour,
                   UserInterface& ui);
    bool fitBlocksBest(const ConversionSettings& settings, BlockIndex& index,
                       const ConversionSource& source, UserInterface& ui);
    bool cutTiles(ConversionSettings& settings, const BlockIndex& index, UserInterface& ui);
    bool setUpPalettes(const ConversionSource& source, UserInterface& ui);

    std::shared_ptr<const ColorTables> tables_;
    PaletteTable paletteTable_{};
    ConversionResults results_;
};

// Why these settings cannot convert this area of this picture, or empty when they can. The
// text is the one the person is shown.
std::string checkConversion(const ConversionSettings& settings, const ConversionSource& source);

} // namespace kadro
