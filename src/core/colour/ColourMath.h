#pragma once

namespace kadro {

// Red, green, blue, each 0..255.
struct RgbTriple {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const RgbTriple&, const RgbTriple&) = default;
};

// Hue 0..359 degrees, saturation and value 0..255 (value is the largest component).
struct HsvTriple {
    int hue = 0;
    int saturation = 0;
    int value = 0;
    friend bool operator==(const HsvTriple&, const HsvTriple&) = default;
};

// The colour picker's two conversions. Every edit and drag goes through them, so their
// constants and truncations are fixed: a round trip may lose a step, and must lose the same one
// every time.
HsvTriple rgbToHsv(const RgbTriple& rgb);
RgbTriple hsvToRgb(const HsvTriple& hsv);

// A number typed into one of the six edits, clamped to its range (hue 0..359, others 0..255).
int clampComponent(int typed, int highest);
inline int clampHue(int typed) {
    return clampComponent(typed, 359);
}
inline int clampLevel(int typed) {
    return clampComponent(typed, 255);
}

} // namespace kadro
