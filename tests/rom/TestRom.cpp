#include "TestRom.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <numbers>
#include <random>
#include <stdexcept>

namespace kadro::test::rom {

namespace {

constexpr std::size_t paletteOffset = 0x7E000;
constexpr std::size_t paramOffset = 0x7E100;

std::size_t roundUp(std::size_t value, std::size_t step) { return (value + step - 1) / step * step; }

std::vector<Colour> loadColourTable(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    std::vector<Colour> table;
    if (bytes.size() != 65536 * 4)
        return table;
    table.resize(65536);
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = static_cast<Colour>(bytes[4 * i] | bytes[4 * i + 1] << 8 | bytes[4 * i + 2] << 16 |
                                       static_cast<std::uint32_t>(bytes[4 * i + 3]) << 24);
    return table;
}

} // namespace

int TilePicture::bankOfRow(int tileRow) const {
    int first = 0;
    for (std::size_t k = 0; k < bankRows.size(); ++k) {
        first += bankRows[k];
        if (tileRow < first)
            return static_cast<int>(k);
    }
    throw std::logic_error("tile row past the last bank");
}

int TilePicture::paletteOf(int tileX, int tileY) const {
    return blockPalettes[static_cast<std::size_t>(tileY / 2 * ((widthTiles + 1) / 2) + tileX / 2)];
}

std::uint8_t TilePicture::videoFlags() const {
    return static_cast<std::uint8_t>((newPalette ? 0x80 : 0) | (sixteenColours ? 0x02 : 0));
}

TilePicture randomPicture(int widthTiles, int heightTiles, bool sixteenColours, bool newPalette,
                          std::vector<int> bankRows, unsigned seed) {
    std::mt19937 rng(seed);
    auto below = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    TilePicture p;
    p.widthTiles = widthTiles;
    p.heightTiles = heightTiles;
    p.sixteenColours = sixteenColours;
    p.newPalette = newPalette;
    p.bankRows = std::move(bankRows);
    for (int rows : p.bankRows) {
        const int tiles = std::min(256, rows * widthTiles);
        std::vector<std::uint8_t> patterns(static_cast<std::size_t>(tiles * p.tileBytes()));
        for (auto& b : patterns)
            b = static_cast<std::uint8_t>(below(256));
        p.bankPatterns.push_back(std::move(patterns));
        for (int i = 0; i < rows * widthTiles; ++i)
            p.names.push_back(static_cast<std::uint8_t>(below(tiles)));
    }
    p.blockPalettes.resize(static_cast<std::size_t>((widthTiles + 1) / 2 * ((heightTiles + 1) / 2)));
    for (auto& b : p.blockPalettes)
        b = static_cast<std::uint8_t>(below(4));
    for (auto& c : p.colours)
        c = static_cast<std::uint16_t>(newPalette ? below(64) | below(64) << 8 : below(64));
    for (int pal = 1; pal < 4; ++pal)
        p.colours[static_cast<std::size_t>(16 * pal)] = p.colours[0];
    return p;
}

std::vector<std::uint8_t> packRom(std::vector<std::uint8_t> rom, const TilePicture& p) {
    if (rom.size() != romBytes)
        throw std::invalid_argument("the ROM template is not 512 KB");
    const std::size_t w = static_cast<std::size_t>(p.widthTiles);
    const std::size_t r = static_cast<std::size_t>(p.heightTiles);

    std::size_t patternBytes = 0;
    for (std::size_t k = 0; k < p.bankPatterns.size(); ++k) {
        const std::size_t at = k * static_cast<std::size_t>(p.bankStride());
        std::copy(p.bankPatterns[k].begin(), p.bankPatterns[k].end(), rom.begin() + static_cast<std::ptrdiff_t>(at));
        patternBytes = at + p.bankPatterns[k].size();
    }
    const std::size_t names = roundUp(patternBytes, 0x2000);
    std::copy(p.names.begin(), p.names.end(), rom.begin() + static_cast<std::ptrdiff_t>(names));

    // n counts the name table in the builder's unit of half a name.
    const std::size_t n = 2 * w * r;
    const std::size_t attrGap = n % 0x4000 == 0 ? n / 2 : (n / 0x4000 + 1) * 0x2000;
    const std::size_t attributes = names + attrGap;
    auto a = [&](std::size_t i) -> unsigned {
        if (i >= w * r)
            return 0;
        return static_cast<unsigned>(p.paletteOf(static_cast<int>(i % w), static_cast<int>(i / w)));
    };
    std::size_t at = attributes;
    const std::size_t groups = std::max<std::size_t>(1, w / 4);
    for (std::size_t row = 0; row < r; row += 4)
        for (std::size_t g = 0; g < groups; ++g) {
            const std::size_t i = row * w + 4 * g;
            rom[at++] = static_cast<std::uint8_t>(a(i) | a(i + 2) << 2 | a(i + 2 * w) << 4 | a(i + 2 * w + 2) << 6);
        }

    for (std::size_t g = 0; g < 4; ++g)
        for (std::size_t s = 0; s < 32; ++s) {
            const std::size_t entry = s < 16 ? s % 4 + 4 * g + 16 * (s / 4) : 0;
            rom[paletteOffset + 32 * g + s] = static_cast<std::uint8_t>(p.colours[entry] & 0xFF);
            rom[paletteOffset + 128 + 32 * g + s] = static_cast<std::uint8_t>(p.colours[entry] >> 8);
        }

    rom[paramOffset + 0] = static_cast<std::uint8_t>(names / 0x2000);
    rom[paramOffset + 1] = static_cast<std::uint8_t>(w);
    rom[paramOffset + 2] = static_cast<std::uint8_t>(r);
    rom[paramOffset + 3] = static_cast<std::uint8_t>(attributes / 0x2000);
    rom[paramOffset + 4] = static_cast<std::uint8_t>(w / 4);
    rom[paramOffset + 5] = static_cast<std::uint8_t>(r / 4);
    rom[paramOffset + 6] = p.videoFlags();
    rom[paramOffset + 7] = 0;
    std::size_t list = paramOffset + 8;
    for (std::size_t k = 0; k + 1 < p.bankRows.size(); ++k)
        rom[list++] = static_cast<std::uint8_t>(8 * p.bankRows[k] - 1);
    rom[list] = 0;
    return rom;
}

Colour newModeColour(std::uint16_t code) {
    if (code & 0xC0C0)
        return 0xFFFFFFFF;
    const int bits = (code & 0x3F) | (code >> 8 & 0x3F) << 6;
    int h = bits & 15;
    int luma = bits >> 4 & 15;
    int sat = bits >> 8 & 15;
    double offset = -11.0;
    // An over-driven signal wraps around.
    if (luma < (sat + 1) >> 1 || luma > 15 - (sat >> 1)) {
        static constexpr int wrapped[16] = {13, 7, 8, 9, 10, 11, 12, 1, 2, 3, 4, 5, 6, 0, 14, 15};
        offset += h == 12 ? 0.0 : -5.0;
        h = wrapped[h];
        sat = 16 - sat;
        luma = (luma - 8 + 16) % 16;
    }
    const float y = static_cast<float>((luma - 4) / 9.625);
    const float c = static_cast<float>(sat / 18.975);
    const float angle = static_cast<float>(((h - 2) * 30.0 + offset) * std::numbers::pi / 180.0);
    float lumaOut = y;
    float chroma = c;
    if (h == 0 || h > 12)
        chroma = 0;
    if (h == 0)
        lumaOut = lumaOut + c;
    if (h == 13)
        lumaOut = lumaOut - c;
    if (h >= 14)
        lumaOut = 0;
    const float v = static_cast<float>(std::sin(static_cast<double>(angle)) * chroma * 1.05);
    const float u = static_cast<float>(std::cos(static_cast<double>(angle)) * chroma * 1.05);
    const float rgb[3] = {static_cast<float>(lumaOut + 1.1400 * v),
                          static_cast<float>(lumaOut - 0.5807 * v - 0.3940 * u),
                          static_cast<float>(lumaOut + 2.0290 * u)};
    int out[3];
    for (int i = 0; i < 3; ++i)
        out[i] = static_cast<int>(static_cast<double>(std::clamp(rgb[i], 0.0f, 1.0f)) * 255.0);
    return makeColour(out[0], out[1], out[2]);
}

Colour oldModeColour(int index) {
    const int n = index & 15;
    const int level = index >> 4 & 3;
    if (n >= 14)
        return makeColour(0, 0, 0);
    double y = 0;
    double sat = 0;
    if (n == 0) {
        y = std::array{0.50, 0.75, 1.0, 1.0}[static_cast<std::size_t>(level)];
    } else if (n == 13) {
        y = std::array{0.0, 0.24, 0.47, 0.77}[static_cast<std::size_t>(level)];
    } else {
        y = std::array{0.29, 0.45, 0.73, 0.9}[static_cast<std::size_t>(level)];
        sat = 0.22;
    }
    const double angle = (30.0 * n + 287.0) * std::numbers::pi / 180.0;
    const double u = sat * std::cos(angle);
    const double v = sat * std::sin(angle);
    const double kr = 0.2989, kb = 0.1145, ku = 2.029, kv = 1.140;
    const double rgb[3] = {y + kv * v, y - (kb * ku * u + kr * kv * v) / (1 - kb - kr), y + ku * u};
    int out[3];
    for (int i = 0; i < 3; ++i)
        out[i] = std::clamp(static_cast<int>(std::floor(rgb[i] * 255.0 + 0.5)), 0, 255);
    return makeColour(out[0], out[1], out[2]);
}

DibImage renderPicture(const TilePicture& p, const std::string& colourTablePath) {
    const std::vector<Colour> table = loadColourTable(colourTablePath);
    if (!table.empty() && table[0x0330] != makeColour(255, 255, 255))
        throw std::runtime_error(colourTablePath + " does not map code 0x0330 to white");
    auto decode = [&](std::uint16_t code) {
        if (!p.newPalette)
            return oldModeColour(code & 0x3F);
        return table.empty() ? newModeColour(code) : table[code];
    };
    auto image = DibImage::createBlank(8 * p.widthTiles, 8 * p.heightTiles);
    if (!image)
        throw std::runtime_error("cannot make the expected image");
    const int planes = p.sixteenColours ? 4 : 2;
    for (int y = 0; y < image->height(); ++y)
        for (int x = 0; x < image->width(); ++x) {
            const int tx = x / 8, ty = y / 8;
            const auto& bank = p.bankPatterns[static_cast<std::size_t>(p.bankOfRow(ty))];
            const std::size_t tile = p.names[static_cast<std::size_t>(ty * p.widthTiles + tx)];
            const std::size_t base = tile * static_cast<std::size_t>(p.tileBytes()) + static_cast<std::size_t>(y % 8);
            int value = 0;
            for (int plane = 0; plane < planes; ++plane)
                value |= (bank[base + static_cast<std::size_t>(8 * plane)] >> (7 - x % 8) & 1) << plane;
            const std::size_t entry = value == 0 ? 0 : static_cast<std::size_t>(16 * p.paletteOf(tx, ty) + value);
            image->setPixel(x, y, decode(p.colours[entry]));
        }
    return std::move(*image);
}

} // namespace kadro::test::rom
