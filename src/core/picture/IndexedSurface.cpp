#include "picture/IndexedSurface.h"

#include "picture/DibImage.h"

#include <algorithm>

namespace kadro {

namespace {
int tableEntries(int bitCount) {
    return bitCount == 1 ? 2 : bitCount == 4 ? 16 : bitCount == 8 ? 256 : 0;
}

bool validGeometry(int width, int height, int bitCount) {
    return width > 0 && height > 0 && bitCount > 0 && bitCount <= 32 && width <= 65535 &&
           height <= 65535;
}

// Rounded up to whole bytes first, so narrow 1- and 4-bit rows keep their last pixels.
int strideFor(int width, int bitCount) {
    int stride = (bitCount * width + 7) / 8;
    while (stride % 4 != 0)
        ++stride;
    return stride;
}
} // namespace

bool IndexedSurface::create(int width, int height, int bitCount) {
    free();
    if (!validGeometry(width, height, bitCount))
        return false;
    const int stride = strideFor(width, bitCount);
    width_ = width;
    height_ = height;
    bitCount_ = bitCount;
    stride_ = stride;
    colourTable_.assign(static_cast<std::size_t>(tableEntries(bitCount)) * 4, 0);
    pixels_.assign(static_cast<std::size_t>(stride) * height, 0);
    rows_.resize(static_cast<std::size_t>(height));
    for (int r = 0; r < height; ++r)
        rows_[static_cast<std::size_t>(r)] =
            pixels_.data() + static_cast<std::size_t>(height - r - 1) * stride;
    return true;
}

void IndexedSurface::setPalette(std::span<const std::array<std::uint8_t, 3>> triples) {
    const std::size_t n = std::min(triples.size(), colourTable_.size() / 4);
    for (std::size_t i = 0; i < n; ++i) {
        colourTable_[4 * i] = triples[i][2];
        colourTable_[4 * i + 1] = triples[i][1];
        colourTable_[4 * i + 2] = triples[i][0];
        colourTable_[4 * i + 3] = 0;
    }
}

std::uint8_t* IndexedSurface::row(int r) {
    return r >= 0 && r < height_ ? rows_[static_cast<std::size_t>(r)] : nullptr;
}

bool IndexedSurface::loadFrom(std::span<const std::uint8_t> packedDib) {
    free();
    if (packedDib.size() < static_cast<std::size_t>(dib::infoHeaderSize) ||
        dib::headerSize(packedDib) != dib::infoHeaderSize)
        return false;
    const std::uint32_t compression = packedDib[16] | packedDib[17] << 8;
    const int bits = dib::bitCount(packedDib);
    if (compression != 0 || !(bits < 15 || bits == 24))
        return false;
    const std::size_t table = static_cast<std::size_t>(dib::colourTableBytes(packedDib));
    const int width = dib::width(packedDib), height = dib::height(packedDib);
    if (!validGeometry(width, height, bits))
        return false;
    // The header is untrusted: the block must hold the rows it claims before any is allocated.
    const std::size_t rows =
        static_cast<std::size_t>(strideFor(width, bits)) * static_cast<std::size_t>(height);
    if (table > static_cast<std::size_t>(tableEntries(bits)) * 4 ||
        packedDib.size() < dib::infoHeaderSize + table + rows)
        return false;
    IndexedSurface loaded;
    if (!loaded.create(width, height, bits))
        return false;
    std::copy_n(packedDib.begin() + dib::infoHeaderSize, table, loaded.colourTable_.begin());
    std::copy_n(packedDib.begin() + dib::infoHeaderSize + static_cast<std::ptrdiff_t>(table), rows,
                loaded.pixels_.begin());
    *this = std::move(loaded);
    return true;
}

void IndexedSurface::free() {
    width_ = height_ = bitCount_ = stride_ = 0;
    colourTable_.clear();
    pixels_.clear();
    rows_.clear();
}

} // namespace kadro
