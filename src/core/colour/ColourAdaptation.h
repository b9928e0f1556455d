#pragma once

#include "common/ChipRules.h"
#include "picture/DibImage.h"

#include <string>

namespace kadro {

class UserInterface;

// The "VT03 color adaptation" commands: each maps every pixel of a 24-bit picture to a colour
// one colour mode can show. They return false, with the person told why and no pixel changed,
// when a table file cannot be read or the picture is not 24-bit.
//
// The nearest colour is worked out once per distinct colour of the picture, not per pixel, and
// for every distinct colour, so a picture of more than 256 colours keeps none that the mode
// cannot show.

inline constexpr const char* notTrueColourMessage = "请将位图转换为24位色处理!";

// "VT03 HSL 4K": nearest entry of the program's "Hsl2rgb.tab" among codes 1-65535 (entry 1
// whatever its value, later entries only when they are colours). Code 0 never takes part.
bool adaptHsl4k(DibImage& image, const std::string& programDirectory, UserInterface& ui);
// "VT03 RGB 4K": each component keeps its top nibble.
bool adaptRgb4k(DibImage& image, UserInterface& ui);
// "6561 64": nearest of the 64 colours of "6576(OK).ACT", the lowest entry on ties.
bool adapt64(DibImage& image, const std::string& programDirectory, UserInterface& ui);
// The one of the three that brings the picture to a colour mode's colours.
bool adaptToMode(DibImage& image, chip::ColourMode colourMode, const std::string& programDirectory,
                 UserInterface& ui);

} // namespace kadro
