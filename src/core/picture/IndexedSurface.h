#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace kadro {

// A private off-screen bitmap with a row table, used to paint colour ramps. Drawing it onto a
// screen belongs to the desktop program; here it is plain memory.
class IndexedSurface {
public:
    bool create(int width, int height, int bitCount);
    // Entry i of the colour table from triples[i] = {red, green, blue}.
    void setPalette(std::span<const std::array<std::uint8_t, 3>> triples);
    // Row r counted from the top.
    std::uint8_t* row(int r);
    // Copies a packed bitmap with an uncompressed info header of 1-14 or 24 bits per pixel.
    bool loadFrom(std::span<const std::uint8_t> packedDib);
    void free();

    int width() const { return width_; }
    int height() const { return height_; }
    int bitCount() const { return bitCount_; }
    int stride() const { return stride_; }
    // Colour-table quads: blue, green, red, 0.
    std::span<const std::uint8_t> colourTable() const { return colourTable_; }

private:
    int width_ = 0, height_ = 0, bitCount_ = 0, stride_ = 0;
    std::vector<std::uint8_t> colourTable_;
    std::vector<std::uint8_t> pixels_;
    std::vector<std::uint8_t*> rows_;
};

} // namespace kadro
