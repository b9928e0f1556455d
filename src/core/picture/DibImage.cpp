#include "picture/DibImage.h"

#include "common/ByteIo.h"
#include "common/FileIo.h"

namespace kadro {

using namespace bytes;

namespace dib {

int headerSize(std::span<const std::uint8_t> header) {
    return static_cast<int>(readU32(header, 0));
}

static bool isInfo(std::span<const std::uint8_t> header) {
    return headerSize(header) == infoHeaderSize;
}

int width(std::span<const std::uint8_t> header) {
    return isInfo(header) ? readI32(header, 4) : readU16(header, 4);
}

int height(std::span<const std::uint8_t> header) {
    return isInfo(header) ? readI32(header, 8) : readU16(header, 6);
}

int bitCount(std::span<const std::uint8_t> header) {
    return isInfo(header) ? readU16(header, 14) : readU16(header, 10);
}

static int paletteEntriesFor(int bits) {
    switch (bits) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

int colourTableCount(std::span<const std::uint8_t> header) {
    if (isInfo(header)) {
        const std::uint32_t used = readU32(header, 32);
        if (used != 0)
            return static_cast<std::uint16_t>(used);
    }
    return paletteEntriesFor(bitCount(header));
}

int colourTableBytes(std::span<const std::uint8_t> header) {
    return colourTableCount(header) * (isInfo(header) ? 4 : 3);
}

int pixelOffset(std::span<const std::uint8_t> header) {
    return headerSize(header) + colourTableBytes(header);
}

std::int64_t stride(int bits, int w) {
    if (bits == 24)
        return 3LL * w + w % 4;
    return (static_cast<std::int64_t>(bits) * w + 31) / 32 * 4;
}

} // namespace dib

namespace {
// Larger pictures are refused rather than allocated; the chip's pictures are far smaller.
constexpr std::int64_t maxPixelBytes = 1LL << 30;
constexpr int maxSide = 65535;

void fillInfoHeader(std::span<std::uint8_t> h, int width, int height, std::int64_t imageSize) {
    writeU32(h, 0, dib::infoHeaderSize);
    writeU32(h, 4, static_cast<std::uint32_t>(width));
    writeU32(h, 8, static_cast<std::uint32_t>(height));
    writeU16(h, 12, 1);
    writeU16(h, 14, 24);
    writeU32(h, 16, 0);
    writeU32(h, 20, static_cast<std::uint32_t>(imageSize));
    writeU32(h, 24, dib::pixelsPerMetre);
    writeU32(h, 28, dib::pixelsPerMetre);
    writeU32(h, 32, 0);
    writeU32(h, 36, 0);
}
} // namespace

DibImage::DibImage(std::vector<std::uint8_t> block) : block_(std::move(block)) {}

std::optional<DibImage> DibImage::createBlank(int width, int height) {
    if (width < 0 || height < 0 || width > maxSide || height > maxSide)
        return std::nullopt;
    const std::int64_t imageSize = dib::stride(24, width) * height;
    if (imageSize > maxPixelBytes)
        return std::nullopt;
    std::vector<std::uint8_t> block(dib::infoHeaderSize + static_cast<std::size_t>(imageSize),
                                    0xFF);
    fillInfoHeader(block, width, height, imageSize);
    return DibImage(std::move(block));
}

std::optional<DibImage>
DibImage::fromStoredRows(int width, int height,
                         const std::function<void(int stored, std::uint8_t* line)>& row) {
    if (width < 0 || height < 0 || width > maxSide || height > maxSide)
        return std::nullopt;
    const std::int64_t stride = dib::stride(24, width);
    const std::int64_t imageSize = stride * height;
    if (imageSize > maxPixelBytes)
        return std::nullopt;
    // Rows are appended from a small buffer, so the large block is written only once.
    std::vector<std::uint8_t> block;
    block.reserve(dib::infoHeaderSize + static_cast<std::size_t>(imageSize));
    block.resize(dib::infoHeaderSize);
    fillInfoHeader(block, width, height, imageSize);
    std::vector<std::uint8_t> line(static_cast<std::size_t>(stride));
    for (int stored = 0; stored < height; ++stored) {
        row(stored, line.data());
        block.insert(block.end(), line.begin(), line.end());
    }
    return DibImage(std::move(block));
}

std::optional<DibImage> DibImage::fromBlock(std::vector<std::uint8_t> block) {
    if (block.size() < 4)
        return std::nullopt;
    const int size = dib::headerSize(block);
    if ((size != dib::infoHeaderSize && size != dib::coreHeaderSize) ||
        block.size() < static_cast<std::size_t>(size))
        return std::nullopt;
    const int w = dib::width(block), h = dib::height(block);
    if (w < 0 || h < 0 || w > maxSide || h > maxSide)
        return std::nullopt;
    const std::int64_t rows = dib::stride(dib::bitCount(block), w) * h;
    if (static_cast<std::int64_t>(block.size()) < dib::pixelOffset(block) + rows)
        return std::nullopt;
    return DibImage(std::move(block));
}

std::int64_t DibImage::pixelIndex(int x, int y) const {
    const int w = width(), h = height();
    if (x < 0 || y < 0 || x >= w || y >= h)
        return -1;
    return static_cast<std::int64_t>(h - y - 1) * stride() + 3LL * x;
}

PixelStatus DibImage::getPixel(int x, int y, Colour& colour) const {
    if (bitCount() != 24)
        return PixelStatus::NotTrueColour;
    const std::int64_t at = pixelIndex(x, y);
    if (at < 0)
        return PixelStatus::Outside;
    const std::uint8_t* p = pixels().data() + at;
    colour = static_cast<Colour>(p[0]) << 16 | static_cast<Colour>(p[1]) << 8 | p[2];
    return PixelStatus::Ok;
}

PixelStatus DibImage::setPixel(int x, int y, Colour colour) {
    if (bitCount() != 24)
        return PixelStatus::NotTrueColour;
    const std::int64_t at = pixelIndex(x, y);
    if (at < 0)
        return PixelStatus::Outside;
    std::uint8_t* p = pixels().data() + at;
    p[0] = static_cast<std::uint8_t>(colour >> 16);
    p[1] = static_cast<std::uint8_t>(colour >> 8);
    p[2] = static_cast<std::uint8_t>(colour);
    return PixelStatus::Ok;
}

std::optional<std::vector<std::uint8_t>> DibImage::bmpFile() const {
    if (dib::headerSize(block_) != dib::infoHeaderSize)
        return std::nullopt;
    std::vector<std::uint8_t> header(block_.begin(), block_.begin() + dib::infoHeaderSize);
    const std::uint32_t compression = readU32(header, 16);
    std::int64_t imageSize = readU32(header, 20);
    if (compression != 1 && compression != 2) {
        imageSize = dib::stride(bitCount(), width()) * height();
        writeU32(header, 20, static_cast<std::uint32_t>(imageSize));
    }
    const std::size_t table = static_cast<std::size_t>(colourTableBytes());
    const std::size_t body =
        std::min(block_.size() - dib::infoHeaderSize - table, static_cast<std::size_t>(imageSize));
    ByteWriter out;
    out.u16(0x4D42);
    out.u32(static_cast<std::uint32_t>(14 + dib::infoHeaderSize + table + imageSize));
    out.u16(0);
    out.u16(0);
    out.u32(static_cast<std::uint32_t>(14 + dib::infoHeaderSize + table));
    out.raw(header);
    out.raw(std::span(block_).subspan(dib::infoHeaderSize, table + body));
    return out.take();
}

bool DibImage::writeBmp(const std::string& path, std::string* error) const {
    auto bytes = bmpFile();
    if (!bytes) {
        if (error)
            *error = path + ": the picture has no info header";
        return false;
    }
    return fileio::writeFile(path, *bytes, error);
}

} // namespace kadro
