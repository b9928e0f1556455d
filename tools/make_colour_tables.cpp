// Computes the two colour tables that ship beside the program from the published model of the
// VT03 video output (the 2C02-style NTSC decode used by the MAME emulator, whose screens these
// tables were checked against):
//   "Hsl2rgb.tab"   65536 little-endian colour values 0x00BBGGRR indexed by 16-bit code;
//                   codes with bit 6, 7, 14 or 15 set are no colour and hold 0xFFFFFFFF.
//   "6576(ok).act"  the 64 colours of the old palette as red, green, blue records.
// The number types below are deliberate: the emulator keeps its intermediate values in single
// precision, so each assignment rounds to float, and a channel is truncated, not rounded.
//
// usage: make_colour_tables OUT_DIR

#include "colour/ColorTables.h"
#include "common/ChipRules.h"
#include "common/Colour.h"
#include "common/FileIo.h"
#include "common/Paths.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <vector>

using kadro::Colour;

namespace {

constexpr double pi = std::numbers::pi;

struct PhaseLumaChroma {
    int phase;
    int luma;
    int chroma;
    float phaseOffset; // degrees
};

// Splits a valid 12-bit code and applies the over-driven signal's wrap-around.
PhaseLumaChroma splitCode(unsigned code) {
    const unsigned twelve = (code & 0x3F) | ((code >> 8) & 0x3F) << 6;
    PhaseLumaChroma p{static_cast<int>(twelve & 0xF), static_cast<int>((twelve >> 4) & 0xF),
                      static_cast<int>((twelve >> 8) & 0xF), -11.0f};
    if (p.luma < (p.chroma + 1) >> 1 || p.luma > 15 - (p.chroma >> 1)) {
        static constexpr std::array<int, 16> wrappedPhase{13, 7, 8, 9, 10, 11, 12, 1,
                                                          2,  3, 4, 5, 6,  0,  14, 15};
        if (p.phase != 12)
            p.phaseOffset += -5.0f;
        p.phase = wrappedPhase[static_cast<std::size_t>(p.phase)];
        p.chroma = 16 - p.chroma;
        p.luma = (p.luma - 8) & 0xF;
    }
    return p;
}

int channel(float x) {
    x = std::clamp(x, 0.0f, 1.0f);
    return static_cast<int>(x * 255.0);
}

Colour decodeHslCode(unsigned code) {
    const PhaseLumaChroma p = splitCode(code);
    const float y = static_cast<float>((p.luma - 4) / 9.625);
    const float c = static_cast<float>(p.chroma / 18.975);
    const float angle = static_cast<float>(((p.phase - 2) * 30.0 + p.phaseOffset) * pi / 180.0);

    float luma = y;
    float chroma = c;
    if (p.phase == 0 || p.phase > 12)
        chroma = 0.0f; // the bounds of the waveform and phases 14, 15 are grey
    if (p.phase == 0)
        luma = luma + c;
    if (p.phase == 13)
        luma = luma - c;
    if (p.phase >= 14)
        luma = 0.0f;

    const float v = static_cast<float>(std::sin(static_cast<double>(angle)) * chroma * 1.05);
    const float u = static_cast<float>(std::cos(static_cast<double>(angle)) * chroma * 1.05);
    const float r = static_cast<float>(luma + 1.1400 * v);
    const float g = static_cast<float>(luma - 0.5807 * v - 0.3940 * u);
    const float b = static_cast<float>(luma + 2.0290 * u);
    return kadro::makeColour(channel(r), channel(g), channel(b));
}

std::vector<std::uint8_t> hslTableBytes() {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(65536 * 4);
    for (unsigned code = 0; code < 65536; ++code) {
        const Colour value = (code & kadro::chip::noColourCodeBits) != 0 ? kadro::chip::noColourMark
                                                                         : decodeHslCode(code);
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<std::uint8_t>(value >> shift));
    }
    return bytes;
}

int roundedChannel(double x) {
    return static_cast<int>(std::floor(std::clamp(x * 255.0, 0.0, 255.0) + 0.5));
}

// Entry 16 i + n of the old palette, without colour emphasis.
std::array<int, 3> oldPaletteEntry(int i, int n) {
    static constexpr double greyLuma[4] = {0.50, 0.75, 1.0, 1.0};
    static constexpr double darkLuma[4] = {0.0, 0.24, 0.47, 0.77};
    static constexpr double colourLuma[4] = {0.29, 0.45, 0.73, 0.9};
    double y = 0.0, s = 0.0, angle = 0.0;
    if (n == 0)
        y = greyLuma[i];
    else if (n == 13)
        y = darkLuma[i];
    else if (n <= 12) {
        y = colourLuma[i];
        s = 0.22;
        angle = (30.0 * n + 287.0) * pi / 180.0;
    }
    constexpr double kr = 0.2989, kb = 0.1145, ku = 2.029, kv = 1.140;
    const double u = s * std::cos(angle), v = s * std::sin(angle);
    const double r = y + kv * v;
    const double b = y + ku * u;
    const double g = y - (kb * ku * u + kr * kv * v) / (1.0 - kb - kr);
    return {roundedChannel(r), roundedChannel(g), roundedChannel(b)};
}

std::vector<std::uint8_t> oldPaletteBytes() {
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < 4; ++i)
        for (int n = 0; n < 16; ++n)
            for (int component : oldPaletteEntry(i, n))
                bytes.push_back(static_cast<std::uint8_t>(component));
    return bytes;
}

bool write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::string error;
    if (kadro::fileio::writeFile(path, bytes, &error))
        return true;
    std::fprintf(stderr, "make_colour_tables: %s\n", error.c_str());
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_colour_tables OUT_DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    const bool ok = write(kadro::paths::join(dir, kadro::hslTableFileName), hslTableBytes()) &&
                    write(kadro::paths::join(dir, kadro::nesPaletteFileName), oldPaletteBytes());
    return ok ? 0 : 1;
}
