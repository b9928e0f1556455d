#pragma once

#include <cstdint>

namespace kadro {

// 0x00BBGGRR: red in the low byte, as every pixel, palette slot and colour list holds it.
using Colour = std::uint32_t;

inline constexpr int redOf(Colour c) {
    return static_cast<int>(c & 0xFF);
}
inline constexpr int greenOf(Colour c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
inline constexpr int blueOf(Colour c) {
    return static_cast<int>((c >> 16) & 0xFF);
}
inline constexpr Colour makeColour(int red, int green, int blue) {
    return static_cast<Colour>((red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16);
}

// One slot of the 16 x 16 palette table.
struct PaletteSlot {
    Colour colour = 0;
    std::uint32_t used = 0; // non-zero = used

    friend bool operator==(const PaletteSlot&, const PaletteSlot&) = default;
};

} // namespace kadro
