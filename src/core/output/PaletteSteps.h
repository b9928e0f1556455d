#pragma once

#include "common/ChipRules.h"
#include "common/Colour.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace kadro {

class UserInterface;

// "PALStep.asm": the first 64 colours of a palette file faded toward one colour in level
// steps, each step as 64 VT03 colour codes (low bytes, then high bytes).
class PaletteSteps {
public:
    using CodeOf = std::function<std::uint16_t(Colour)>;
    static constexpr const char* fileName = "PALStep.asm";

    // The table for a palette table's first 64 slots. Levels of 0 or less give no steps.
    static std::string text(const std::array<PaletteSlot, 256>& slots, Colour target, int levels,
                            const CodeOf& codeOf);

    // Reads the palette file and writes "PALStep.asm" into directory (empty = the current one).
    // A file that is not a palette file shows "该文件不是合法的调色板文件!"; nothing is written
    // then. The conversion results of the open picture are not touched.
    static bool write(const std::string& palettePath, Colour target, int levels,
                      const CodeOf& codeOf, const std::string& directory, UserInterface& ui);
    // The palette tool's run: write with the codes of a colour mode, from the colour tables in
    // the program's folder (a table that cannot be read is told, and nothing is written).
    static bool write(const std::string& palettePath, Colour target, int levels,
                      chip::ColourMode colourMode, const std::string& programDirectory,
                      const std::string& directory, UserInterface& ui);

    // One channel of step s: c + ((t - c) / levels) x s, the division truncating toward zero.
    static int stepChannel(int from, int to, int levels, int step) {
        return from + (to - from) / levels * step;
    }
};

} // namespace kadro
