#pragma once

#include "common/ChipRules.h"
#include "common/Colour.h"
#include "picture/Selection.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kadro {

// How the blocks' colours are fitted into the 16 palettes. First is the conversion's own rule,
// block by block in reading order; Best searches for palettes that hold every block whenever
// there are any, and gives what First gives wherever First succeeds.
enum class PaletteFit { First, Best };

// What the person chooses for one conversion: the area and the settings of the Transformation
// dialog (its initial values are the defaults here), plus the background colour of every palette.
struct ConversionChoice {
    Selection area;
    chip::ColourMode colourMode = chip::ColourMode::Hsl;
    chip::ColourCount colourCount = chip::ColourCount::Sixteen;
    chip::CharSize charSize = chip::CharSize::Size8x8;
    chip::Compression compressMode = chip::Compression::Compress;
    std::uint16_t startAddress = 0;
    std::uint16_t endAddress = 0x2000;
    Colour backgroundColour = 0;
    PaletteFit paletteFit = PaletteFit::First;
    // Palettes (colours besides the background) that best fit tries before searching, such as
    // those a reduction chose; ignored when they do not hold every block.
    std::vector<std::vector<Colour>> paletteHints;
};

// Reads an address field as the dialog does: hexadecimal digits from the right, up to the first
// character that is not one, cut to 16 bits. "1G00" gives 0, "ff" 0xFF, "12345" 0x2345.
std::uint16_t readAddressText(std::string_view text);

// The PGT addresses a conversion refuses, with the field to correct: an End address past one
// pattern bank or not above the Start address, or a Start address that names of the chosen
// character size cannot count from. Checked before anything converts, so the person can mend
// the field while the dialog is still open.
struct AddressCheck {
    enum class Field { None, Start, End };
    Field field = Field::None;
    std::string problem; // empty when both addresses convert
};
AddressCheck checkAddresses(std::uint16_t startAddress, std::uint16_t endAddress,
                            chip::CharSize charSize);

inline constexpr const char* notWholeCharactersText = "当前区域与块大小不匹配!";

// Whether a size is a whole number of characters of a character size.
bool wholeCharacters(int width, int height, chip::CharSize charSize);
// Why an area cannot be taken from a picture (empty, or reaching outside it); empty when it can.
std::string areaOutsideProblem(const Selection& area, int pictureWidth, int pictureHeight);

// The area a conversion refuses, with the field to correct: a width or height that is not whole
// characters, then an area that is empty or reaches outside the picture (the field that puts it
// there).
struct AreaCheck {
    enum class Field { None, Left, Top, Width, Height };
    Field field = Field::None;
    std::string problem; // empty when the area converts
};
AreaCheck checkArea(const Selection& area, int pictureWidth, int pictureHeight,
                    chip::CharSize charSize);

} // namespace kadro
