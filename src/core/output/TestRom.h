#pragma once

#include "common/ChipRules.h"
#include "output/ConvertedData.h"
#include "output/VolumeFinder.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kadro {

class UserInterface;

// The 512 KB image for the TV test board: a viewer program ("Rom.b00" beside the program) with
// the converted picture laid into the areas it reads.
class TestRom {
public:
    static constexpr std::size_t imageBytes = chip::romBytes;
    // The viewer's bank starts with the palette, then the parameter bytes.
    static constexpr std::size_t paletteArea = chip::romLastBank;
    static constexpr std::size_t parameterArea = paletteArea + 0x100;
    static constexpr const char* templateName = "Rom.b00";
    static constexpr const char* imageName = "Rom.b01";
    static constexpr const char* volumeLabel = "MS1";
    static constexpr const char* volumeFileName = "ROM.BIN";

    // The TV Display Config panels; only the index reaches the ROM.
    static constexpr std::array<std::string_view, 30> panelCodes{
        "a15al1p0", "a15an2n1",   "a15an2p0",   "a15bl1n0",   "a15bl2n0",   "a18an3n0",
        "a18an3n1", "a18an3p2",   "a18an32p",   "a20bl1p0",   "a20cn1n0",   "a21bl1n1",
        "a21bl1p0", "a25bl0n0",   "a25cn1n0",   "a15an4n2",   "a15an4n3",   "a15an4p0",
        "a15an4p1", "A025BL00P1", "A025BN01P0", "A025DL01N0", "A020BD01P0", "A027DL01NO",
        "TD20P0",   "TD25N0",     "G24164N0",   "G24164N1",   "G24164N2",   "G24164N3"};

    // The template from the program's folder; "Open Rom.b00 Error!" when it cannot be read.
    static std::optional<std::vector<std::uint8_t>>
    loadTemplate(const std::string& programDirectory, UserInterface& ui);

    // The finished image, or nothing (with a message) when the data do not fit below the
    // palette area or the template is not a 512 KB image.
    static std::optional<std::vector<std::uint8_t>> build(std::span<const std::uint8_t> romTemplate,
                                                          const ConvertedData& data, int panelIndex,
                                                          UserInterface& ui);

    // Where the finished image went.
    struct Delivery {
        std::string imagePath;           // "Rom.b01" beside the program
        bool imageSaved = false;         // false when that folder cannot be written
        std::optional<std::string> copy; // "ROM.BIN" on the volume labelled "MS1"
    };

    // Saves the image as "Rom.b01" in the program's folder and copies it as "ROM.BIN" to the
    // volume labelled "MS1" when one is mounted. A file that cannot be written is reported; the
    // copy to the volume is still tried from the image in memory.
    static Delivery deliver(std::span<const std::uint8_t> image,
                            const std::string& programDirectory, const VolumeFinder& volumes,
                            UserInterface& ui);

    struct Made {
        std::vector<std::uint8_t> image;
        Delivery delivery;
    };
    // The TV Effect: loads the template, builds the image and delivers it. Nothing when the
    // template cannot be read or the picture does not fit (the reason told).
    static std::optional<Made> make(const std::string& programDirectory, const ConvertedData& data,
                                    int panelIndex, const VolumeFinder& volumes, UserInterface& ui);

    // Start of the name bytes: the PGT rounded up to whole 8 KB banks.
    static std::size_t nameOffset(std::size_t patternBytes) {
        return (patternBytes + chip::romBankBytes - 1) / chip::romBankBytes * chip::romBankBytes;
    }
    // Distance from the names to the packed attributes.
    static std::size_t attributeDistance(std::size_t nameBytes) {
        return nameBytes % 0x4000 == 0 ? nameBytes / 2 : (nameBytes / 0x4000 + 1) * 0x2000;
    }
    static std::uint8_t flags(const ConversionSettings& s) {
        return static_cast<std::uint8_t>(
            (s.colourModeSetting() != chip::ColourMode::Nes ? 0x80 : 0) |
            (s.colourCountSetting() == chip::ColourCount::Sixteen ? 0x02 : 0));
    }
};

} // namespace kadro
