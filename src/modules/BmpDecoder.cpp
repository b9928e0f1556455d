// BMP files read in plain C++: the Windows headers of 40 to 124 bytes and the OS/2 header of 12,
// 1-, 4- and 8-bit colour tables, RLE8 and RLE4, 16- and 32-bit bit fields, 24 bits, top-down
// rows. Colours come out as the earlier ImageMagick module gave them (bit fields widened the
// same way), and damaged files are refused as it refused them: a wrong file length in the header,
// a colour index past the table, pixels missing or a run-length stream that ends early.

#include "Decoders.h"

#include "common/ByteIo.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

namespace {

using kadro::bytes::readI32;
using kadro::bytes::readU16;
using kadro::bytes::readU32;

enum Compression : std::uint32_t { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3 };

struct Header {
    int width = 0, height = 0;
    bool topDown = false;
    int bits = 0;
    std::uint32_t compression = Rgb;
    std::array<std::uint32_t, 3> masks{}; // red, green, blue
    std::vector<std::uint32_t> palette;   // 0x00RRGGBB
    std::size_t pixelsAt = 0;
};

bool parse(std::span<const std::uint8_t> f, Header& h) {
    if (f.size() < 26 || f[0] != 'B' || f[1] != 'M')
        return false;
    const std::uint32_t fileSize = readU32(f, 2);
    const std::uint32_t offBits = readU32(f, 10);
    const std::uint32_t size = readU32(f, 14);
    // A length field that disagrees with the file marks it as cut or padded.
    if (fileSize != f.size() || size > 124 || offBits < size)
        return false;
    std::uint32_t colours = 0;
    int planes = 1;
    if (size == 12) {
        h.width = static_cast<std::int16_t>(readU16(f, 18));
        h.height = static_cast<std::int16_t>(readU16(f, 20));
        planes = readU16(f, 22);
        h.bits = readU16(f, 24);
    } else {
        if (size < 40 || 14 + static_cast<std::size_t>(size) > f.size())
            return false;
        h.width = readI32(f, 18);
        h.height = readI32(f, 22);
        planes = readU16(f, 26);
        h.bits = readU16(f, 28);
        h.compression = readU32(f, 30);
        colours = readU32(f, 46);
        if (size > 40 || h.compression == BitFields) {
            if (14 + 40 + 12 > f.size())
                return false;
            h.masks = {readU32(f, 54), readU32(f, 58), readU32(f, 62)};
        }
    }
    // -2^31 has no positive counterpart to turn a top-down height into.
    if (h.width <= 0 || h.height == 0 || h.height == std::numeric_limits<int>::min() ||
        planes != 1)
        return false;
    h.topDown = h.height < 0;
    h.height = h.topDown ? -h.height : h.height;
    const bool known =
        h.bits == 1 || h.bits == 4 || h.bits == 8 || h.bits == 16 || h.bits == 24 || h.bits == 32;
    if (!known || (h.bits < 16 && colours > (1u << h.bits)))
        return false;
    switch (h.compression) {
    case Rgb:
        break;
    case Rle8:
    case Rle4:
        if (h.bits != (h.compression == Rle8 ? 8 : 4))
            return false;
        break;
    case BitFields:
        if (h.bits != 16 && h.bits != 32)
            return false;
        break;
    default:
        return false;
    }
    if (h.compression == Rgb)
        h.masks = h.bits == 16 ? std::array<std::uint32_t, 3>{0x7C00, 0x03E0, 0x001F}
                               : std::array<std::uint32_t, 3>{0xFF0000, 0x00FF00, 0x0000FF};
    if (h.bits < 16) {
        const std::size_t count = colours != 0 ? colours : 1u << h.bits;
        const std::size_t entry = size == 12 ? 3 : 4;
        const std::size_t at = 14 + size;
        if (at + count * entry > f.size())
            return false;
        for (std::size_t i = 0; i < count; ++i) {
            const std::uint8_t* e = f.data() + at + i * entry;
            h.palette.push_back(static_cast<std::uint32_t>(e[2]) << 16 |
                                static_cast<std::uint32_t>(e[1]) << 8 | e[0]);
        }
    }
    h.pixelsAt = offBits;
    return h.pixelsAt <= f.size();
}

// One channel of a bit-field pixel widened to 16 bits and then taken to 8, rounding.
class Channel {
public:
    Channel(std::uint32_t mask, bool sixteenBit, bool green = false)
        : mask_(mask), sixteen_(sixteenBit), green_(green) {
        if (mask == 0)
            return;
        while (((mask << shift_) & 0x80000000u) == 0)
            ++shift_;
        int end = shift_;
        while (end < 32 && ((mask << end) & 0x80000000u) != 0)
            ++end;
        bits_ = end - shift_;
    }
    std::uint32_t operator()(std::uint32_t pixel) const {
        std::uint32_t v = ((pixel & mask_) << shift_) >> 16;
        if (sixteen_) {
            if (bits_ == 5)
                v |= (v & 0xE000) >> 5;
            if (green_ && bits_ == 6)
                v |= (v & 0xC000) >> 6;
            if (bits_ <= 8)
                v |= (v & 0xFF00) >> 8;
        } else if (bits_ == 8) {
            v |= v >> 8;
        }
        v &= 0xFFFF;
        return ((v + 128) - ((v + 128) >> 8)) >> 8;
    }

private:
    std::uint32_t mask_;
    bool sixteen_;
    bool green_;
    int shift_ = 0;
    int bits_ = 0;
};

// Expands a run-length stream into one index per pixel, bottom row first. Pixels the stream
// skips keep index 0; a stream that ends before its last row is damaged.
bool runLengths(std::span<const std::uint8_t> f, const Header& h, std::vector<std::uint8_t>& out) {
    const std::size_t total = static_cast<std::size_t>(h.width) * h.height;
    out.assign(total, 0);
    std::size_t at = h.pixelsAt, p = 0;
    const bool four = h.compression == Rle4;
    auto next = [&](int& value) {
        if (at >= f.size())
            return false;
        value = f[at++];
        return true;
    };
    std::size_t x = 0, y = 0;
    const auto rows = static_cast<std::size_t>(h.height);
    while (y < rows && p < total) {
        int count = 0, value = 0;
        if (!next(count))
            break;
        if (count > 0) {
            if (!next(value))
                break;
            const auto n = std::min<std::size_t>(static_cast<std::size_t>(count), total - p);
            for (std::size_t i = 0; i < n; ++i)
                out[p++] = static_cast<std::uint8_t>(
                    four ? ((i & 1) != 0 ? value & 0x0F : value >> 4) : value);
            x += n;
            continue;
        }
        if (!next(count) || count == 1)
            break;
        if (count == 0) {
            x = 0;
            p = ++y * static_cast<std::size_t>(h.width);
        } else if (count == 2) {
            int dx = 0, dy = 0;
            if (!next(dx) || !next(dy))
                return false;
            x += static_cast<std::size_t>(dx);
            y += static_cast<std::size_t>(dy);
            p = y * static_cast<std::size_t>(h.width) + x;
        } else {
            const auto n = std::min<std::size_t>(static_cast<std::size_t>(count), total - p);
            for (std::size_t i = 0; i < n; ++i) {
                if ((!four || (i & 1) == 0) && !next(value))
                    return false;
                out[p++] = static_cast<std::uint8_t>(
                    four ? ((i & 1) != 0 ? value & 0x0F : value >> 4) : value);
            }
            x += n;
            at += four ? ((n & 3) == 1 || (n & 3) == 2) : (n & 1);
        }
    }
    return y >= rows || p >= total;
}

bool recognises(std::span<const std::uint8_t> f) {
    return f.size() >= 2 && f[0] == 'B' && f[1] == 'M';
}

bool describe(std::span<const std::uint8_t> f, int& width, int& height) {
    Header h;
    if (!parse(f, h))
        return false;
    width = h.width;
    height = h.height;
    return true;
}

bool readPixels(std::span<const std::uint8_t> f, int width, int height,
                const kadro::PixelRows& target) {
    Header h;
    if (!parse(f, h) || h.width != width || h.height != height)
        return false;
    // Storage row s holds picture row (height - 1 - s), or row s when the file is top-down.
    auto rowOf = [&](int stored) {
        return target.rows[h.topDown ? stored : height - 1 - stored];
    };
    const auto lookup = [&](std::uint32_t index, std::uint32_t& colour) {
        if (index >= h.palette.size())
            return false;
        colour = h.palette[index];
        return true;
    };
    if (h.compression == Rle8 || h.compression == Rle4) {
        std::vector<std::uint8_t> indices;
        if (!runLengths(f, h, indices))
            return false;
        for (int s = 0; s < height; ++s) {
            const std::uint8_t* in = indices.data() + static_cast<std::size_t>(s) * width;
            std::uint32_t* out = rowOf(s);
            for (int x = 0; x < width; ++x)
                if (!lookup(in[x], out[x]))
                    return false;
        }
        return true;
    }
    const std::size_t stride = (static_cast<std::size_t>(h.bits) * width + 31) / 32 * 4;
    if (h.pixelsAt + stride * height > f.size())
        return false;
    const Channel red(h.masks[0], h.bits == 16), green(h.masks[1], h.bits == 16, true),
        blue(h.masks[2], h.bits == 16);
    for (int s = 0; s < height; ++s) {
        const std::uint8_t* in = f.data() + h.pixelsAt + static_cast<std::size_t>(s) * stride;
        std::uint32_t* out = rowOf(s);
        switch (h.bits) {
        case 1:
        case 4:
        case 8:
            for (int x = 0; x < width; ++x) {
                const int bit = x * h.bits;
                const std::uint32_t index =
                    (in[bit / 8] >> (8 - h.bits - bit % 8)) & ((1u << h.bits) - 1);
                if (!lookup(index, out[x]))
                    return false;
            }
            break;
        case 16:
            for (int x = 0; x < width; ++x) {
                const std::uint32_t v = readU16(std::span(in, 2 * width), 2 * x);
                out[x] = red(v) << 16 | green(v) << 8 | blue(v);
            }
            break;
        case 24: {
            int x = 0;
            if constexpr (std::endian::native == std::endian::little) {
                // Three words hold four pixels, each already blue, green, red from the low end.
                for (; x + 4 <= width; x += 4, in += 12) {
                    std::uint32_t w[3];
                    std::memcpy(w, in, sizeof w);
                    out[x] = w[0] & 0xFFFFFF;
                    out[x + 1] = w[0] >> 24 | (w[1] & 0xFFFF) << 8;
                    out[x + 2] = w[1] >> 16 | (w[2] & 0xFF) << 16;
                    out[x + 3] = w[2] >> 8;
                }
            }
            for (; x < width; ++x, in += 3)
                out[x] = static_cast<std::uint32_t>(in[2]) << 16 |
                         static_cast<std::uint32_t>(in[1]) << 8 | in[0];
            break;
        }
        case 32:
            for (int x = 0; x < width; ++x) {
                const std::uint32_t v = readU32(std::span(in, 4 * width), 4 * x);
                out[x] = red(v) << 16 | green(v) << 8 | blue(v);
            }
            break;
        }
    }
    return true;
}

} // namespace

namespace kadro::modules {
// Rows come in storage order, mostly from the bottom: no row-by-row delivery.
const PictureDecoder bmpDecoder{recognises, describe, readPixels, false};
} // namespace kadro::modules
