#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// The VT03's fixed rules in one place: other code asks these tables instead of switching on
// the setting values itself.
namespace kadro::chip {

struct CharGeometry {
    int width;              // pixels
    int height;             // pixels
    int tilePixelBytes;     // one byte per pixel in the converter's tile store
    int nameUnit;           // pixel bytes per name step inside a bank
    int pgtBytes16;         // PGT bytes per character with 16 colours
    int pgtBytes4;          // PGT bytes per character with 4 colours
    std::string_view label; // display name
};

inline constexpr std::array<CharGeometry, 4> charGeometry{{
    {8, 8, 64, 64, 32, 16, "8*8"},
    {8, 16, 128, 64, 64, 32, "8*16"},
    {16, 8, 128, 128, 64, 32, "16*8"},
    {16, 16, 256, 128, 128, 64, "16*16"},
}};

inline constexpr int charSizeCount = 4;

inline constexpr const CharGeometry& geometry(int charSize) {
    return charGeometry[static_cast<std::size_t>(charSize & 3)];
}

// A conversion's choices in memory. The numbers are the stored bytes and the dialogs' list
// indexes; only the file layouts and the lists convert.
enum class ColourCount : int { Sixteen = 0, Four = 1 };
enum class CharSize : int { Size8x8 = 0, Size8x16 = 1, Size16x8 = 2, Size16x16 = 3 };
enum class Compression : int { Compress = 0, NoCompress = 1 };
inline constexpr int colourCountIndex(ColourCount count) {
    return static_cast<int>(count);
}
inline constexpr ColourCount colourCountOf(int stored) {
    return static_cast<ColourCount>(stored);
}
inline constexpr int charSizeIndex(CharSize size) {
    return static_cast<int>(size);
}
inline constexpr CharSize charSizeOf(int stored) {
    return static_cast<CharSize>(stored);
}
inline constexpr int compressionIndex(Compression compression) {
    return static_cast<int>(compression);
}
inline constexpr Compression compressionOf(int stored) {
    return static_cast<Compression>(stored);
}
inline constexpr const CharGeometry& geometry(CharSize size) {
    return geometry(charSizeIndex(size));
}

// colourCount: 0 = 16 colours, 1 = 4 colours.
inline constexpr int coloursPerTile(int colourCount) {
    return colourCount == 1 ? 4 : 16;
}
inline constexpr int coloursPerTile(ColourCount count) {
    return coloursPerTile(colourCountIndex(count));
}
// Bit planes of a packed pixel: 4 with 16 colours, 2 with 4.
inline constexpr int planes(int colourCount) {
    return colourCount == 1 ? 2 : 4;
}
// A packed 8 x 8 tile: one byte a row in each plane.
inline constexpr int packedTileBytes(int colourCount) {
    return 8 * planes(colourCount);
}
// PGT pixels packed into one byte: two 4-bit pixels with 16 colours, four 2-bit pixels with 4.
inline constexpr int pixelsPerByte(int colourCount) {
    return colourCount == 1 ? 4 : 2;
}
inline constexpr int pgtBytesPerChar(int colourCount, int charSize) {
    return colourCount == 1 ? geometry(charSize).pgtBytes4 : geometry(charSize).pgtBytes16;
}
// PGT bytes per name step: the name unit in pixel bytes packed 2 (16 colours) or 4 pixels a byte.
inline constexpr int pgtBytesPerName(int colourCount, int charSize) {
    return geometry(charSize).nameUnit / pixelsPerByte(colourCount);
}
// A bank holds 16384 pixel bytes: 8 KB of PGT with 16 colours, 4 KB with 4.
inline constexpr int bankPixelBytes = 0x4000;
inline constexpr int bankStride(int colourCount) {
    return colourCount == 1 ? 0x1000 : 0x2000;
}
inline constexpr int maxBanks = 16;
// The bank registers count pattern data in 2 KB blocks.
inline constexpr int patternBlockBytes = 0x800;
// A 512 KB ROM image, the test board's whole ROM and the block an animation's patterns never
// straddle. Its last 8 KB bank holds the viewer program, which leaves its first bytes to the
// palette and the parameters.
inline constexpr std::size_t romBytes = 0x80000;
inline constexpr std::size_t romBankBytes = 0x2000;
inline constexpr std::size_t romLastBank = romBytes - romBankBytes;
inline constexpr int maxEndAddress = 0x2000;
inline constexpr int attributeBlock = 16; // pixels: palettes are chosen per 16 x 16 block
inline constexpr int palettes = 16;
inline constexpr int slotsPerPalette = 16;
inline constexpr int paletteSlots = palettes * slotsPerPalette;

inline constexpr std::array<std::string_view, 2> colourCountNames{"16 Color", "4 Color"};
inline constexpr std::array<std::string_view, 2> compressNames{"Compress", "No Compress"};
inline constexpr std::array<std::string_view, 3> colourModeNames{
    "VT03 NEW(4K HSL)", "TFT RGB(4K RGB)", "VT03 OLD(64 NES)"};
inline constexpr int colourCounts = static_cast<int>(colourCountNames.size());
inline constexpr int compressModes = static_cast<int>(compressNames.size());
inline constexpr int colourModes = static_cast<int>(colourModeNames.size());

// Whether stored settings name a colour count, character size, compression and colour mode the
// chip has; an untrusted file may hold other values.
inline constexpr bool knownSettings(int colourCount, int charSize, int compressMode,
                                    int colourMode) {
    const auto within = [](int value, int count) { return value >= 0 && value < count; };
    return within(colourCount, colourCounts) && within(charSize, charSizeCount) &&
           within(compressMode, compressModes) && within(colourMode, colourModes);
}

// A cell's attribute byte: its palette number in the low nibble; with 16 colours the two top
// bits are the cell's switches.
inline constexpr std::uint8_t attributePaletteBits = 0x0F;
inline constexpr std::uint8_t attributeSwitch1 = 0x80;
inline constexpr std::uint8_t attributeSwitch2 = 0x40;
inline constexpr int attributePalette(std::uint8_t attribute) {
    return attribute & attributePaletteBits;
}
inline constexpr std::uint8_t withAttributePalette(std::uint8_t attribute, int palette) {
    return static_cast<std::uint8_t>((attribute & ~attributePaletteBits) |
                                     (palette & attributePaletteBits));
}
inline constexpr std::uint8_t withAttributeSwitches(std::uint8_t attribute, bool switch1,
                                                    bool switch2) {
    return static_cast<std::uint8_t>((attribute & ~(attributeSwitch1 | attributeSwitch2)) |
                                     (switch1 ? attributeSwitch1 : 0) |
                                     (switch2 ? attributeSwitch2 : 0));
}

// Display name of a stored index; a value from an untrusted file may be out of range.
template <std::size_t N>
constexpr std::string_view displayName(const std::array<std::string_view, N>& names, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < N
               ? names[static_cast<std::size_t>(index)]
               : std::string_view{};
}

// Colour modes of the VT03 colour codes. The number is the stored byte and the dialogs' list
// index.
enum class ColourMode : int { Hsl = 0, Rgb = 1, Nes = 2 };
inline constexpr int colourModeIndex(ColourMode mode) {
    return static_cast<int>(mode);
}
inline constexpr ColourMode colourModeOf(int stored) {
    return static_cast<ColourMode>(stored);
}

// A code with any of these bits set is not a colour of the 4K palette.
inline constexpr std::uint32_t noColourCodeBits = 0xC0C0;
inline constexpr std::uint32_t noColourMark = 0xFFFFFFFF;

// The 4K RGB code: red level in bits 0-3, green bits 4-5 in code bits 4-5, green bits 6-7 in
// code bits 8-9, blue's top nibble in code bits 10-13. Red has only 14 levels: two pairs of
// nibbles share a level, and levels 14 and 15 show no red.
inline constexpr std::array<std::uint8_t, 16> redLevelOfNibble{0, 1, 2, 3,  4,  4,  5,  6,
                                                               7, 8, 9, 10, 11, 11, 12, 13};
inline constexpr std::array<std::uint8_t, 16> redOfLevel{0,   16,  32,  48,  64,  96,  112, 128,
                                                         144, 160, 176, 208, 224, 240, 0,   0};

} // namespace kadro::chip
