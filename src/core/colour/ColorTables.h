#pragma once

#include "colour/NearestColour.h"
#include "common/ChipRules.h"
#include "common/Colour.h"

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kadro {

class UserInterface;

inline constexpr const char* hslTableFileName = "Hsl2rgb.tab";
inline constexpr const char* nesPaletteFileName = "6576(ok).act";
inline constexpr std::size_t hslTableEntries = 65536;
inline constexpr std::size_t nesPaletteEntries = 64;
inline constexpr std::size_t hslTableBytes = hslTableEntries * 4;
inline constexpr std::size_t nesPaletteBytes = nesPaletteEntries * 3;
inline constexpr const char* hslTableErrorMessage = "RGB2HSL.TAB文件读取错误!";
inline constexpr const char* nesPaletteErrorMessage = "6576(ok).act文件错误!";

// The two lookup tables behind the VT03 colour codes, and the conversions between colour values
// and codes in the three colour modes.
class ColorTables {
public:
    // Reads both tables from the program's folder. A table that cannot be read shows
    // "RGB2HSL.TAB文件读取错误!" or "6576(ok).act文件错误!" and gives nothing.
    static std::optional<ColorTables> load(const std::string& programDirectory, UserInterface& ui);
    // The tables of a folder as the whole process shares them: read at the first successful
    // call, then handed out again (every conversion of a batch, a project or the desktop
    // program). A failed read is not kept, so the next call tries again and tells again.
    static std::shared_ptr<const ColorTables> shared(const std::string& programDirectory,
                                                     UserInterface& ui);
    // Whether load maps the HSL table file instead of copying it into memory: for short runs
    // (the command line), where mapping saves most of the cost of reading; a long-running
    // program keeps its copy, safe from the file being rewritten under it.
    static void mapTableFiles(bool map);
    // Tables already in memory: 65536 HSL entries (values above 0xFFFFFF mark no colour) and
    // the 64 old-palette colours.
    static ColorTables fromData(std::vector<Colour> hslTable,
                                const std::array<Colour, nesPaletteEntries>& nesPalette);
    // Each table alone, as load reads it: from the program's folder, the file name matched
    // without regard to case, a file shorter than its table refused with the table's message.
    static std::optional<std::vector<Colour>> readHslTable(const std::string& programDirectory,
                                                           UserInterface& ui);
    static std::optional<std::array<Colour, nesPaletteEntries>>
    readNesPalette(const std::string& programDirectory, UserInterface& ui);

    // Mode 0: the lowest code of the nearest colour of the HSL table (code 0 included; 0 when
    // the table holds no colour). Mode 1: the 4K RGB code. Mode 2: the lowest index of the
    // nearest old-palette colour. Other values are taken as mode 0.
    std::uint16_t toVt03Code(Colour colour, chip::ColourMode colourMode) const;
    // Mode 0: the HSL table entry (0xFFFFFFFF for a code that is no colour). Mode 2 reads the
    // code's low six bits, as the chip does.
    Colour fromVt03Code(std::uint16_t code, chip::ColourMode colourMode) const;
    // A 12-bit colour (red bits 0-3, green 4-7, blue 8-11) with each nibble at the top of its byte.
    static Colour fromTwelveBit(std::uint16_t value);
    // Distinct codes among the colours' codes in one mode.
    int countVt03Colours(std::span<const Colour> colours, chip::ColourMode colourMode) const;

    std::span<const Colour> hslTable() const { return hsl_; }
    const std::array<Colour, nesPaletteEntries>& nesPalette() const { return nes_; }

private:
    ColorTables(std::vector<Colour> hslTable, const std::array<Colour, nesPaletteEntries>& nes);
    ColorTables(std::shared_ptr<const void> store, std::span<const Colour> hslTable,
                const std::array<Colour, nesPaletteEntries>& nes);

    // Every colour of the HSL table, code 0 included; built the first time a code is asked for
    // in that mode, since the other modes and most commands never need it.
    const NearestColourSearch& hslSearch() const;

    std::shared_ptr<const void> hslStore_; // what hsl_ lies in: a vector or a mapped file
    std::span<const Colour> hsl_;
    std::array<Colour, nesPaletteEntries> nes_{};
    struct LazySearch {
        std::once_flag built;
        NearestColourSearch search;
    };
    std::shared_ptr<LazySearch> hslSearch_ = std::make_shared<LazySearch>();
};

} // namespace kadro
