#pragma once

#include "common/ChipRules.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kadro::cli {

// One word an option takes, the system's own name for what it picks, and the value stored.
struct Choice {
    std::string_view word;
    std::string_view display;
    int value;
};
using ChoiceTable = std::span<const Choice>;

// The colour modes as the Transformation dialog names them; the value is the stored mode.
inline constexpr std::array<Choice, 3> colourModeChoices{{
    {"hsl", chip::colourModeNames[0], chip::colourModeIndex(chip::ColourMode::Hsl)},
    {"rgb", chip::colourModeNames[1], chip::colourModeIndex(chip::ColourMode::Rgb)},
    {"nes", chip::colourModeNames[2], chip::colourModeIndex(chip::ColourMode::Nes)},
}};
// The colour adaptation commands of the menu, by the colour mode they reduce to.
inline constexpr std::array<Choice, 3> adaptationChoices{{
    {"hsl", "VT03 HSL 4K", chip::colourModeIndex(chip::ColourMode::Hsl)},
    {"rgb", "VT03 RGB 4K", chip::colourModeIndex(chip::ColourMode::Rgb)},
    {"nes", "6561 64", chip::colourModeIndex(chip::ColourMode::Nes)},
}};
inline constexpr std::array<Choice, 2> colourCountChoices{{
    {"16", chip::colourCountNames[0], 0},
    {"4", chip::colourCountNames[1], 1},
}};
inline constexpr std::array<Choice, 4> charSizeChoices{{
    {"8x8", chip::charGeometry[0].label, 0},
    {"8x16", chip::charGeometry[1].label, 1},
    {"16x8", chip::charGeometry[2].label, 2},
    {"16x16", chip::charGeometry[3].label, 3},
}};
// How the blocks' colours are fitted into the palettes ("VT03 Transformation"'s Palette Fit).
inline constexpr std::array<Choice, 2> paletteFitChoices{{
    {"first", "First fit", 0},
    {"best", "Best fit", 1},
}};
// The reducer's dithers, as the Reduce dialog names them; the value is the core's Dither.
inline constexpr std::array<Choice, 3> ditherChoices{{
    {"none", "None", 0},
    {"ordered", "Ordered", 1},
    {"diffusion", "Diffusion", 2},
}};
// The File Output dialog's radio pairs.
inline constexpr std::array<Choice, 2> pgtFormatChoices{{{"bin", "BIN", 0}, {"asm", "ASM", 1}}};
inline constexpr std::array<Choice, 2> pgtWidthChoices{{{"8", "8bit", 0}, {"16", "16bit", 1}}};
inline constexpr std::array<Choice, 2> pntContentChoices{{{"txt", "TXT", 0}, {"spr", "SPR", 1}}};
inline constexpr std::array<Choice, 2> spriteFormatChoices{{{"nor", "NOR", 0}, {"ext", "EXT", 1}}};

// The entry whose word equals the text without regard to case.
const Choice* findChoice(ChoiceTable table, std::string_view text);
// The entry of a word already checked by findChoice (the first entry otherwise).
const Choice& choiceOf(ChoiceTable table, std::string_view text);
// "hsl|rgb|nes": how the help shows the words.
std::string choiceWords(ChoiceTable table);
// "hsl, rgb or nes": how a message lists them.
std::string choiceList(ChoiceTable table);
// "\"VT03 NEW(4K HSL)\", ..." as the help explains them.
std::string choiceDisplays(ChoiceTable table);

} // namespace kadro::cli
