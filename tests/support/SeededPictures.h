#pragma once

#include "common/Colour.h"
#include "picture/DibImage.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Pictures made from a seed, the same on every machine, for the output corpus and the
// benchmarks, and the small PNG and BMP encoders that store them as files.
namespace kadro::test {

// splitmix64: a fixed sequence, unlike the standard distributions.
class Sequence {
public:
    explicit Sequence(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }

private:
    std::uint64_t state_;
};

// A picture in 0x00BBGGRR colours, row by row from the top.
struct Canvas {
    int width = 0, height = 0;
    std::vector<Colour> pixels;
    Canvas(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, 0) {}
    Colour& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    Colour at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }

    DibImage toImage() const {
        auto image = DibImage::createBlank(width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                image->setPixel(x, y, at(x, y));
        return std::move(*image);
    }
};

enum class TileKind {
    Pool,   // tiles drawn from a few shapes, flipped at random: many repeats
    Unique, // every tile random: no repeats
};

// Tiles of four inks on a shared ground. Every 16 x 16 block takes its inks from one of two
// banks of twelve colours (13 colours a block, two palettes in all); with fourPerBlock the whole
// block keeps one quad of inks, so 4-colour conversions fit.
inline Canvas tiledPicture(int width, int height, TileKind kind, std::uint64_t seed,
                           bool fourPerBlock = false) {
    Sequence seq(seed);
    Sequence inks(99);
    std::array<Colour, 24> bank{};
    for (auto& c : bank) {
        // One draw per statement: argument order is unspecified.
        const int r = (8 + inks.below(248)) & 0xF8;
        const int g = (8 + inks.below(248)) & 0xF8;
        c = makeColour(r, g, (8 + inks.below(248)) & 0xF8);
    }
    std::array<std::array<std::uint8_t, 64>, 24> shapes{};
    for (auto& s : shapes)
        for (auto& p : s)
            p = static_cast<std::uint8_t>(seq.below(4));
    shapes[0].fill(0);
    Canvas canvas(width, height);
    for (int by = 0; by < height; by += 16)
        for (int bx = 0; bx < width; bx += 16) {
            const int which = (bx / 16 * 7 + by / 16 * 3) % 5 < 3 ? 0 : 1;
            const int blockQuad = seq.below(4);
            for (int ty = by; ty < std::min(by + 16, height); ty += 8)
                for (int tx = bx; tx < std::min(bx + 16, width); tx += 8) {
                    const int quad = fourPerBlock ? blockQuad : seq.below(4);
                    std::array<std::uint8_t, 64> shape{};
                    if (kind == TileKind::Unique)
                        for (auto& p : shape)
                            p = static_cast<std::uint8_t>(seq.below(4));
                    else
                        shape = seq.below(10) < 3 ? shapes[0] : shapes[seq.below(24)];
                    const bool flipX = seq.below(4) == 0, flipY = seq.below(4) == 0;
                    for (int y = 0; y < 8 && ty + y < height; ++y)
                        for (int x = 0; x < 8 && tx + x < width; ++x) {
                            const int v = shape[(flipY ? 7 - y : y) * 8 + (flipX ? 7 - x : x)];
                            canvas.at(tx + x, ty + y) =
                                v == 0 ? 0 : bank[which * 12 + quad * 3 + v - 1];
                        }
                }
        }
    // The top-left pixel is the conversion's default background: make it the shared ground.
    canvas.at(0, 0) = 0;
    return canvas;
}

// Every 16 x 16 block holds `perBlock` colours of its own, any 24-bit value: for colour
// adaptation and the nearest-colour searches of the colour modes.
inline Canvas richPicture(int width, int height, int perBlock, std::uint64_t seed) {
    Sequence seq(seed);
    Canvas canvas(width, height);
    for (int by = 0; by < height; by += 16)
        for (int bx = 0; bx < width; bx += 16) {
            std::vector<Colour> inks;
            for (int i = 0; i < perBlock; ++i)
                inks.push_back(static_cast<Colour>(seq.next() & 0xFFFFFF));
            for (int y = by; y < std::min(by + 16, height); ++y)
                for (int x = bx; x < std::min(bx + 16, width); ++x)
                    canvas.at(x, y) = inks[static_cast<std::size_t>(seq.below(perBlock))];
        }
    return canvas;
}

// Block i of the picture takes its ten colours from family i mod `families`; the last block
// mixes three colours of family 0 with three of family 1. Sixteen families fill every palette.
inline Canvas familyPicture(int families, std::uint64_t seed) {
    const int blocks = families + 1;
    Canvas canvas(16 * blocks, 16);
    Sequence seq(seed);
    std::vector<std::vector<Colour>> family(static_cast<std::size_t>(families));
    for (int f = 0; f < families; ++f)
        for (int i = 0; i < 10; ++i)
            family[static_cast<std::size_t>(f)].push_back(
                makeColour(16 * f + 8, 20 * i + 5, 255 - 8 * f));
    for (int b = 0; b < blocks; ++b)
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const int pick = seq.below(10);
                Colour c;
                if (b < families)
                    c = family[static_cast<std::size_t>(b)][static_cast<std::size_t>(pick)];
                else
                    c = family[static_cast<std::size_t>(pick % 2)]
                              [static_cast<std::size_t>(pick % 3)];
                // The top-left pixel is the background every palette starts with.
                canvas.at(16 * b + x, y) = (x == 0 && y == 0) ? 0 : c;
            }
    return canvas;
}

namespace encode {

inline void put32be(std::string& out, std::uint32_t v) {
    for (int i = 3; i >= 0; --i)
        out += static_cast<char>(v >> (8 * i));
}
inline void put32le(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>(v >> (8 * i));
}
inline void put16le(std::string& out, std::uint32_t v) {
    out += static_cast<char>(v);
    out += static_cast<char>(v >> 8);
}

inline std::uint32_t crc32(std::string_view bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char b : bytes) {
        crc ^= b;
        for (int i = 0; i < 8; ++i)
            crc = crc >> 1 ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

inline void chunk(std::string& png, const char* type, const std::string& data) {
    put32be(png, static_cast<std::uint32_t>(data.size()));
    const std::string body = std::string(type, 4) + data;
    png += body;
    put32be(png, crc32(body));
}

// A zlib stream of stored (uncompressed) deflate blocks: no compressor needed.
inline std::string storedZlib(const std::string& raw) {
    std::string out = "\x78\x01";
    std::size_t at = 0;
    do {
        const std::size_t n = std::min<std::size_t>(65535, raw.size() - at);
        out += static_cast<char>(at + n == raw.size() ? 1 : 0);
        put16le(out, static_cast<std::uint32_t>(n));
        put16le(out, static_cast<std::uint32_t>(~n & 0xFFFF));
        out.append(raw, at, n);
        at += n;
    } while (at < raw.size());
    std::uint32_t a = 1, b = 0;
    for (unsigned char c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    put32be(out, b << 16 | a);
    return out;
}

// 8-bit RGB (colour type 2), or an indexed picture (type 3) when it has at most 256 colours
// and `indexed` is asked for.
inline std::string png(const Canvas& c, bool indexed) {
    std::vector<Colour> palette;
    std::string raw;
    for (int y = 0; y < c.height; ++y) {
        raw += '\0';
        for (int x = 0; x < c.width; ++x) {
            const Colour p = c.at(x, y);
            if (!indexed) {
                raw += static_cast<char>(redOf(p));
                raw += static_cast<char>(greenOf(p));
                raw += static_cast<char>(blueOf(p));
                continue;
            }
            auto it = std::find(palette.begin(), palette.end(), p);
            if (it == palette.end())
                it = palette.insert(palette.end(), p);
            raw += static_cast<char>(it - palette.begin());
        }
    }
    std::string out = "\x89PNG\r\n\x1a\n";
    std::string header;
    put32be(header, static_cast<std::uint32_t>(c.width));
    put32be(header, static_cast<std::uint32_t>(c.height));
    header += {8, static_cast<char>(indexed ? 3 : 2), 0, 0, 0};
    chunk(out, "IHDR", header);
    if (indexed) {
        std::string plte;
        for (Colour p : palette)
            plte += {static_cast<char>(redOf(p)), static_cast<char>(greenOf(p)),
                     static_cast<char>(blueOf(p))};
        chunk(out, "PLTE", plte);
    }
    chunk(out, "IDAT", storedZlib(raw));
    chunk(out, "IEND", "");
    return out;
}

// An 8-bit BMP with a colour table (at most 256 colours), rows bottom-up.
inline std::string bmp8(const Canvas& c) {
    std::vector<Colour> palette;
    std::string rows;
    const int stride = (c.width + 3) & ~3;
    for (int y = c.height - 1; y >= 0; --y) {
        for (int x = 0; x < c.width; ++x) {
            auto it = std::find(palette.begin(), palette.end(), c.at(x, y));
            if (it == palette.end())
                it = palette.insert(palette.end(), c.at(x, y));
            rows += static_cast<char>(it - palette.begin());
        }
        rows.append(static_cast<std::size_t>(stride - c.width), '\0');
    }
    const auto tableBytes = static_cast<std::uint32_t>(4 * palette.size());
    std::string out = "BM";
    put32le(out, 54 + tableBytes + static_cast<std::uint32_t>(rows.size()));
    put32le(out, 0);
    put32le(out, 54 + tableBytes);
    put32le(out, 40);
    put32le(out, static_cast<std::uint32_t>(c.width));
    put32le(out, static_cast<std::uint32_t>(c.height));
    put16le(out, 1);
    put16le(out, 8);
    put32le(out, 0);
    put32le(out, static_cast<std::uint32_t>(rows.size()));
    put32le(out, 2835);
    put32le(out, 2835);
    put32le(out, static_cast<std::uint32_t>(palette.size()));
    put32le(out, 0);
    for (Colour p : palette)
        out += {static_cast<char>(blueOf(p)), static_cast<char>(greenOf(p)),
                static_cast<char>(redOf(p)), 0};
    return out + rows;
}

} // namespace encode

} // namespace kadro::test
