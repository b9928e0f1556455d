#include "convert/BlockIndex.h"

#include "common/ChipRules.h"

#include <algorithm>
#include <cstring>

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
      numbers_(std::make_unique_for_overwrite<std::uint8_t[]>(static_cast<std::size_t>(width_) *
                                                              static_cast<std::size_t>(height_))) {
    for (auto& b : blocks_)
        b.colours.fill(noPixel);
}

// Adds a colour that is not in the block's list yet. A block that already holds maxColours breaks
// every limit, so what its further colours get does not matter.
std::uint8_t BlockIndex::add(Block& b, Colour colour) {
    if (b.count < maxColours) {
        b.colours[static_cast<std::size_t>(b.count)] = colour;
        return static_cast<std::uint8_t>(b.count++);
    }
    for (int i = 0; i < maxColours; ++i)
        if (b.colours[static_cast<std::size_t>(i)] == colour)
            return static_cast<std::uint8_t>(i);
    return maxColours - 1;
}

namespace {

// One pixel of a 24-bit row (blue, green, red) as a colour value. The four-byte read takes one
// byte past the pixel, which the caller guarantees is there.
Colour wideRead(const std::uint8_t* p) {
    std::uint32_t v;
    std::memcpy(&v, p, sizeof v);
    return __builtin_bswap32(v << 8);
}
Colour narrowRead(const std::uint8_t* p) {
    return static_cast<Colour>(p[2]) | static_cast<Colour>(p[1]) << 8 |
           static_cast<Colour>(p[0]) << 16;
}

} // namespace

// Numbers a run of at most 16 pixels of one block; the first `wide` of them may be read four
// bytes at a time.
void BlockIndex::numberRun(Block& b, const std::uint8_t* in, std::uint8_t* out, int count,
                           int wide) {
    int x = 0;
#if defined(__SSE2__)
    // The first 16 entries are compared at once: no branch on where a colour sits.
    const auto* entries = reinterpret_cast<const __m128i*>(b.colours.data());
    // Blocks of at most four colours (4-colour pictures, flat art) need one comparison.
    for (__m128i g0 = _mm_load_si128(entries); x < count && b.count <= 4; ++x) {
        const Colour c = x < wide ? wideRead(in + 3 * x) : narrowRead(in + 3 * x);
        const __m128i equal = _mm_cmpeq_epi32(g0, _mm_set1_epi32(static_cast<int>(c)));
        const auto mask = static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(equal)));
        if (mask != 0) {
            out[x] = static_cast<std::uint8_t>(__builtin_ctz(mask));
            continue;
        }
        out[x] = add(b, c);
        g0 = _mm_load_si128(entries);
    }
    __m128i g0 = _mm_load_si128(entries), g1 = _mm_load_si128(entries + 1),
            g2 = _mm_load_si128(entries + 2), g3 = _mm_load_si128(entries + 3);
    for (; x < count; ++x) {
        const Colour c = x < wide ? wideRead(in + 3 * x) : narrowRead(in + 3 * x);
        const __m128i key = _mm_set1_epi32(static_cast<int>(c));
        const __m128i low = _mm_packs_epi32(_mm_cmpeq_epi32(g0, key), _mm_cmpeq_epi32(g1, key));
        const __m128i high = _mm_packs_epi32(_mm_cmpeq_epi32(g2, key), _mm_cmpeq_epi32(g3, key));
        const auto mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_packs_epi16(low, high)));
        if (mask != 0) {
            out[x] = static_cast<std::uint8_t>(__builtin_ctz(mask));
            continue;
        }
        out[x] = add(b, c);
        g0 = _mm_load_si128(entries);
        g1 = _mm_load_si128(entries + 1);
        g2 = _mm_load_si128(entries + 2);
        g3 = _mm_load_si128(entries + 3);
    }
#else
    for (; x < count; ++x) {
        const Colour c = x < wide ? wideRead(in + 3 * x) : narrowRead(in + 3 * x);
        int i = 0;
        while (i < b.count && b.colours[static_cast<std::size_t>(i)] != c)
            ++i;
        out[x] = i < b.count ? static_cast<std::uint8_t>(i) : add(b, c);
    }
#endif
}

void BlockIndex::readBlockRow(int row) {
    const std::uint8_t* pixels = image_.pixels().data();
    const std::ptrdiff_t stride = image_.stride();
    const int lastRow = image_.height() - 1;
    const int top = row * block;
    const int bottom = std::min(top + block, height_);
    Block* blocks = blocks_.data() + static_cast<std::ptrdiff_t>(row) * blocksAcross_;
    // Only the picture's last pixel in storage has no byte after it.
    const bool rowEndsAtImageEdge =
        area_.right == image_.width() && stride == 3 * static_cast<std::ptrdiff_t>(area_.right);
    for (int y = top; y < bottom; ++y) {
        // Rows are stored bottom-up, three bytes a pixel: blue, green, red.
        const int stored = lastRow - (area_.top + y);
        const std::uint8_t* in = pixels + static_cast<std::ptrdiff_t>(stored) * stride +
                                 3 * static_cast<std::ptrdiff_t>(area_.left);
        std::uint8_t* out = numbers_.get() + static_cast<std::size_t>(y) * width_;
        const int wideEnd = rowEndsAtImageEdge && stored == lastRow ? width_ - 1 : width_;
        for (int x0 = 0, bx = 0; x0 < width_; x0 += block, ++bx) {
            const int count = std::min(block, width_ - x0);
            numberRun(blocks[bx], in + 3 * x0, out + x0, count, wideEnd - x0);
        }
    }
    rowsRead_ = row + 1;
}

} // namespace kadro
