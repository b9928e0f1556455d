#include "convert/BlockIndex.h"

#include "common/ChipRules.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kadro {

namespace {
constexpr Colour noPixel = 0xFFFFFFFF; // above every colour value
constexpr int block = chip::attributeBlock;

int blocksOver(int pixels) {
    return (pixels + block - 1) / block;
}
} // namespace

BlockIndex::BlockIndex(const DibImage& image, Selection area)
    : image_(image), area_(area), width_(area.width()), height_(area.height()),
      blocksAcross_(blocksOver(width_)), blocksDown_(blocksOver(height_)),
      blocks_(static_cast<std::size_t>(blocksAcross_) * static_cast<std::size_t>(blocksDown_)),
      numbers_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_)) {
    for (auto& b : blocks_)
        b.colours.fill(noPixel);
}

// The number of a colour in its block's list, adding it when it is new. A block that already
// holds maxColours breaks every limit, so what its further colours get does not matter.
std::uint8_t BlockIndex::numberOf(Block& b, Colour colour) {
#if defined(__SSE2__)
    // Compares the first 16 entries at once: no branch on where the colour sits.
    const __m128i key = _mm_set1_epi32(static_cast<int>(colour));
    const auto* entries = reinterpret_cast<const __m128i*>(b.colours.data());
    unsigned mask = 0;
    for (int group = 0; group < 4; ++group) {
        const __m128i equal = _mm_cmpeq_epi32(_mm_load_si128(entries + group), key);
        mask |= static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(equal))) << (4 * group);
    }
    if (mask != 0)
        return static_cast<std::uint8_t>(__builtin_ctz(mask));
    if (b.count == maxColours && b.colours[maxColours - 1] == colour)
        return maxColours - 1;
#else
    for (int i = 0; i < b.count; ++i)
        if (b.colours[static_cast<std::size_t>(i)] == colour)
            return static_cast<std::uint8_t>(i);
#endif
    if (b.count == maxColours)
        return maxColours - 1;
    b.colours[static_cast<std::size_t>(b.count)] = colour;
    return static_cast<std::uint8_t>(b.count++);
}

void BlockIndex::readBlockRow(int row) {
    const std::uint8_t* pixels = image_.pixels().data();
    const std::ptrdiff_t stride = image_.stride();
    const int lastRow = image_.height() - 1;
    const int top = row * block;
    const int bottom = std::min(top + block, height_);
    Block* blocks = blocks_.data() + static_cast<std::ptrdiff_t>(row) * blocksAcross_;
    for (int y = top; y < bottom; ++y) {
        // Rows are stored bottom-up, three bytes a pixel: blue, green, red.
        const std::uint8_t* in =
            pixels + static_cast<std::ptrdiff_t>(lastRow - (area_.top + y)) * stride +
            3 * static_cast<std::ptrdiff_t>(area_.left);
        std::uint8_t* out = numbers_.data() + static_cast<std::size_t>(y) * width_;
        for (int x0 = 0, bx = 0; x0 < width_; x0 += block, ++bx) {
            Block& b = blocks[bx];
            const int x1 = std::min(x0 + block, width_);
            for (int x = x0; x < x1; ++x) {
                const std::uint8_t* p = in + 3 * x;
                const Colour c = static_cast<Colour>(p[2]) | static_cast<Colour>(p[1]) << 8 |
                                 static_cast<Colour>(p[0]) << 16;
                out[x] = numberOf(b, c);
            }
        }
    }
    rowsRead_ = row + 1;
}

} // namespace kadro
