#pragma once

#include "common/ChipRules.h"
#include "picture/DibImage.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace kadro {

// What the picture on screen is. A converted document stores Converted as its picture type
// byte; a header-only document keeps the type it stores.
enum class PictureType : int { Ordinary = -1, None = 0, Converted = 3 };
inline constexpr std::uint8_t storedPictureType(PictureType type) {
    return static_cast<std::uint8_t>(type);
}
inline constexpr PictureType pictureTypeOf(std::uint8_t stored) {
    return static_cast<PictureType>(stored);
}

// The settings every conversion, writer and dialog shares. Its 1120 bytes are also the head of
// every ".kdr" document, so toBytes/fromBytes keep each field at its fixed offset.
struct ConversionSettings {
    static constexpr std::size_t byteSize = 1120;
    static constexpr int bankRowEntries = 256;

    std::array<std::uint8_t, 4> formatMagic{'K', 'D', 'R', 0};
    std::array<std::uint8_t, 10> label{' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', 0};
    std::uint8_t paletteFirst = 0;
    std::uint8_t paletteUsed = 0;
    std::int32_t headerVersion = 2;
    std::uint8_t pictureType = 0; // storedPictureType
    std::uint8_t colourCount = 0; // 0 = 16 colours, 1 = 4 colours
    std::uint8_t charSize = 0;    // index into chip::charGeometry
    std::uint8_t pntAttributeMode = 0;
    std::int32_t mapBytes = 0;
    std::int32_t paletteBytes = 0;
    std::int32_t patternBytes = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint8_t compressMode = 0; // 0 = "Compress", 1 = "No Compress"
    std::uint8_t reserved45 = 0;
    std::uint8_t outputLevel = 0;
    std::uint8_t colourMode = 0; // chip::ColourMode
    std::array<std::int32_t, bankRowEntries> bankStartRows{};
    std::array<std::int16_t, chip::maxBanks> bankSizes{};
    std::uint16_t startAddress = 0;
    std::uint16_t endAddress = 0;
    std::array<std::uint8_t, 12> reserved{};

    std::array<std::uint8_t, byteSize> toBytes() const;
    static ConversionSettings fromBytes(std::span<const std::uint8_t, byteSize> bytes);

    bool hasKdrMagic() const {
        return formatMagic[0] == 'K' && formatMagic[1] == 'D' && formatMagic[2] == 'R';
    }
    const chip::CharGeometry& geometry() const { return chip::geometry(charSize); }
    // Character cells across and down the converted area.
    int cellsAcross() const { return width / geometry().width; }
    int cellsDown() const { return height / geometry().height; }
    int bankStride() const { return chip::bankStride(colourCount); }

    // The stored bytes as the rest of the program works with them. A byte from a file is
    // checked (chip::knownSettings) before anything relies on it.
    chip::ColourMode colourModeSetting() const { return chip::colourModeOf(colourMode); }
    chip::ColourCount colourCountSetting() const { return chip::colourCountOf(colourCount); }
    chip::CharSize charSizeSetting() const { return chip::charSizeOf(charSize); }
    chip::Compression compressionSetting() const { return chip::compressionOf(compressMode); }
    void set(chip::ColourMode mode) { colourMode = byteOf(chip::colourModeIndex(mode)); }
    void set(chip::ColourCount count) { colourCount = byteOf(chip::colourCountIndex(count)); }
    void set(chip::CharSize size) { charSize = byteOf(chip::charSizeIndex(size)); }
    void set(chip::Compression compression) {
        compressMode = byteOf(chip::compressionIndex(compression));
    }
    // Banks listed in bankStartRows before the first -1 (at most 16 are meaningful).
    int bankCount() const;

private:
    static constexpr std::uint8_t byteOf(int index) { return static_cast<std::uint8_t>(index); }
};

// Values the process keeps beside the header: what the picture on screen is, the background
// colour of every palette and the list of used colours.
struct ProcessValues {
    PictureType currentPictureType = PictureType::None;
    Colour backgroundColour = 0;
    bool animationMode = false;
    std::vector<Colour> usedColours; // at most 256, in order of first appearance

    int usedColourCount() const { return static_cast<int>(usedColours.size()); }
};

inline constexpr int maxUsedColours = 256;

// Distinct colours of an area in reading order, at most 256. A pixel that cannot be read (outside
// the picture, or no image at all) counts as black.
std::vector<Colour> colourStats(const DibImage* image, int left, int top, int width, int height);

} // namespace kadro
