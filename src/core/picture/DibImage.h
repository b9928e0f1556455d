#pragma once

#include "common/Colour.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kadro {

enum class PixelStatus { Ok, Outside, NotTrueColour, NoImage };

// Header accessors over a packed device-independent bitmap: a 40-byte info header or a 12-byte
// core header, then the colour table, then bottom-up pixel rows.
namespace dib {
inline constexpr int infoHeaderSize = 40;
inline constexpr int coreHeaderSize = 12;
inline constexpr int pixelsPerMetre = 3780;

int headerSize(std::span<const std::uint8_t> header);
int width(std::span<const std::uint8_t> header);
int height(std::span<const std::uint8_t> header);
int bitCount(std::span<const std::uint8_t> header);
// Entries of the colour table (16 bits wide, as stored).
int colourTableCount(std::span<const std::uint8_t> header);
int colourTableBytes(std::span<const std::uint8_t> header);
// Byte offset of the pixel rows from the start of the header.
int pixelOffset(std::span<const std::uint8_t> header);
// Row stride for a bit count: 24-bit rows are 3 x width + (width mod 4) bytes.
std::int64_t stride(int bitCount, int width);
} // namespace dib

// One packed bitmap in one owned block. Images the system makes itself are 24-bit and
// bottom-up; blocks of other depths can be held and described but not read pixel by pixel.
class DibImage {
public:
    // A white 24-bit image; nothing when the size is negative or too large to allocate.
    static std::optional<DibImage> createBlank(int width, int height);
    // A 24-bit image whose rows are each written once by `row`, in storage order (the bottom row
    // first), into a buffer of stride() bytes; nothing when the size is refused.
    static std::optional<DibImage>
    fromStoredRows(int width, int height,
                   const std::function<void(int stored, std::uint8_t* line)>& row);
    // Adopts a packed bitmap block after checking that its header and rows fit in it.
    static std::optional<DibImage> fromBlock(std::vector<std::uint8_t> block);

    int width() const { return dib::width(block_); }
    int height() const { return dib::height(block_); }
    int bitCount() const { return dib::bitCount(block_); }
    int stride() const { return static_cast<int>(dib::stride(bitCount(), width())); }
    int colourTableCount() const { return dib::colourTableCount(block_); }
    int colourTableBytes() const { return dib::colourTableBytes(block_); }

    std::span<const std::uint8_t> block() const { return block_; }
    std::span<std::uint8_t> pixels() { return std::span(block_).subspan(pixelOffset()); }
    std::span<const std::uint8_t> pixels() const {
        return std::span(block_).subspan(pixelOffset());
    }

    // (x, y) with y = 0 the top row. Outside the picture nothing is touched.
    PixelStatus getPixel(int x, int y, Colour& colour) const;
    PixelStatus setPixel(int x, int y, Colour colour);

    // The bytes of a ".bmp" file of this image; nothing when the header is not an info header.
    std::optional<std::vector<std::uint8_t>> bmpFile() const;
    bool writeBmp(const std::string& path, std::string* error = nullptr) const;

private:
    explicit DibImage(std::vector<std::uint8_t> block);
    std::size_t pixelOffset() const { return static_cast<std::size_t>(dib::pixelOffset(block_)); }
    // Byte offset of pixel (x, y) in the pixel rows, or -1 outside the picture.
    std::int64_t pixelIndex(int x, int y) const;

    std::vector<std::uint8_t> block_;
};

} // namespace kadro
