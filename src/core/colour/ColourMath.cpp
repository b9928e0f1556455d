#include "colour/ColourMath.h"

#include <algorithm>

namespace kadro {

namespace {
constexpr double oneOver255 = 0.00392156862745098;
constexpr double oneOver60 = 0.016666666666666666;

int trunc(double x) {
    return static_cast<int>(x);
}
} // namespace

HsvTriple rgbToHsv(const RgbTriple& rgb) {
    const int high = std::max({rgb.red, rgb.green, rgb.blue});
    const int low = std::min({rgb.red, rgb.green, rgb.blue});
    const int diff = high - low;
    if (diff == 0)
        return {0, 0, high};
    const double spread = diff;
    double h = 0;
    if (rgb.red == high)
        h = (rgb.green - rgb.blue) / spread;
    else if (rgb.green == high)
        h = (rgb.blue - rgb.red) / spread + 2;
    else
        h = (rgb.red - rgb.green) / spread + 4;
    h *= 60;
    if (h < 0)
        h += 360;
    if (h == 360)
        h = 0;
    return {trunc(h), trunc(spread / high * 255), high};
}

RgbTriple hsvToRgb(const HsvTriple& hsv) {
    const double v = hsv.value;
    const double c = (v * hsv.saturation) * oneOver255;
    const double m = v - c;
    const double q = hsv.hue * oneOver60;
    const double d = c * (q - 2);
    const double e = c * (q - 4);
    const int h = hsv.hue;
    if (h <= 60)
        return {trunc(v), trunc(m + c * q), trunc(m)};
    if (h < 120)
        return {trunc(m - d), trunc(v), trunc(m)};
    if (h < 180)
        return {trunc(m), trunc(v), trunc(m + d)};
    if (h < 240)
        return {trunc(m), trunc(m - e), trunc(v)};
    if (h <= 300)
        return {trunc(m + e), trunc(m), trunc(v)};
    return {trunc(v), trunc(m), trunc(m - c * ((h - 360) * oneOver60))};
}

int clampComponent(int typed, int highest) {
    return std::clamp(typed, 0, highest);
}

} // namespace kadro
