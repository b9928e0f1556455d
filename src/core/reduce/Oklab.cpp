#include "reduce/Oklab.h"

#include <array>
#include <cmath>

namespace kadro {

namespace {

// sRGB byte to linear light, worked out once.
const std::array<float, 256>& linearOfByte() {
    static const auto table = [] {
        std::array<float, 256> t{};
        for (std::size_t i = 0; i < t.size(); ++i) {
            const double v = static_cast<double>(i) / 255.0;
            t[i] =
                static_cast<float>(v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
        }
        return t;
    }();
    return table;
}

} // namespace

Lab toOklab(Colour colour) {
    const auto& lin = linearOfByte();
    const float r = lin[static_cast<std::size_t>(redOf(colour))];
    const float g = lin[static_cast<std::size_t>(greenOf(colour))];
    const float b = lin[static_cast<std::size_t>(blueOf(colour))];
    const float l = std::cbrt(0.4122214708f * r + 0.5363325363f * g + 0.0514459929f * b);
    const float m = std::cbrt(0.2119034982f * r + 0.6806995451f * g + 0.1073969566f * b);
    const float s = std::cbrt(0.0883024619f * r + 0.2817188376f * g + 0.6299787005f * b);
    return {0.2104542553f * l + 0.7936177850f * m - 0.0040720468f * s,
            1.9779984951f * l - 2.4285922050f * m + 0.4505937099f * s,
            0.0259040371f * l + 0.7827717662f * m - 0.8086757660f * s};
}

} // namespace kadro
