// PNG files decoded by libspng. Colours come out as the earlier ImageMagick module gave them:
// grey and palette pictures widened to RGB, alpha and transparency ignored (the stored colour is
// kept), no gamma applied, 16-bit samples rounded to 8 bits; a file without its end chunk, with a
// damaged critical chunk or with a colour index past its palette is refused.
//
// Only the critical chunks reach the decoder: ancillary ones (text, colour profiles, gamma) do
// not change the pixels, and a damaged file cannot make the decoder inflate a huge text. Every
// allocation of the decoder is counted against a budget of a small multiple of the file's own
// size besides.

#include "Decoders.h"

#include <spng.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

namespace {

// The decoder's memory: each block carries its size in front so that it can be given back.
struct Budget {
    std::size_t used = 0;
    std::size_t limit = 0;
};
thread_local Budget* budget = nullptr;
constexpr std::size_t front = alignof(std::max_align_t);

void* take(std::size_t size) {
    if (!budget || size > budget->limit - budget->used)
        return nullptr;
    auto* block = static_cast<unsigned char*>(std::malloc(size + front));
    if (!block)
        return nullptr;
    budget->used += size;
    *reinterpret_cast<std::size_t*>(block) = size;
    return block + front;
}
void giveBack(void* p) {
    if (!p)
        return;
    auto* block = static_cast<unsigned char*>(p) - front;
    budget->used -= *reinterpret_cast<std::size_t*>(block);
    std::free(block);
}
void* takeZeroed(std::size_t count, std::size_t size) {
    if (size != 0 && count > SIZE_MAX / size)
        return nullptr;
    void* p = take(count * size);
    if (p)
        std::memset(p, 0, count * size);
    return p;
}
void* retake(void* p, std::size_t size) {
    if (!p)
        return take(size);
    const std::size_t old = *reinterpret_cast<std::size_t*>(static_cast<unsigned char*>(p) - front);
    void* q = take(size);
    if (!q)
        return nullptr;
    std::memcpy(q, p, std::min(old, size));
    giveBack(p);
    return q;
}
spng_alloc counted{take, retake, takeZeroed, giveBack};

// A decoder over the file in memory, with its budget.
class Decoding {
public:
    explicit Decoding(std::span<const std::uint8_t> file) {
        // Room for the inflate state, a few rows of the widest picture and the chunks the file
        // itself holds; a file cannot honestly need more.
        budget_.limit = (8u << 20) + 4 * file.size();
        budget = &budget_;
        ctx_ = spng_ctx_new2(&counted, 0);
        if (!ctx_)
            return;
        spng_set_chunk_limits(ctx_, file.size(), budget_.limit);
        if (spng_set_png_buffer(ctx_, file.data(), file.size()) != 0) {
            spng_ctx_free(ctx_);
            ctx_ = nullptr;
        }
    }
    ~Decoding() {
        if (ctx_)
            spng_ctx_free(ctx_);
        budget = nullptr;
    }
    Decoding(const Decoding&) = delete;
    Decoding& operator=(const Decoding&) = delete;

    spng_ctx* ctx() const { return ctx_; }
    bool header(spng_ihdr& ihdr) const { return ctx_ && spng_get_ihdr(ctx_, &ihdr) == 0; }

private:
    Budget budget_;
    spng_ctx* ctx_ = nullptr;
};

// A 16-bit sample as ImageMagick's 16-bit quantum becomes 8 bits: rounded, not truncated.
std::uint32_t eightBits(std::uint16_t v) {
    const std::uint32_t q = v + 128u;
    return (q - (q >> 8)) >> 8;
}

void storeRow8(const std::uint8_t* in, int width, std::uint32_t* out) {
    for (int x = 0; x < width; ++x, in += 3)
        out[x] = static_cast<std::uint32_t>(in[0]) << 16 | static_cast<std::uint32_t>(in[1]) << 8 |
                 in[2];
}

void storeRow16(const std::uint8_t* bytes, int width, std::uint32_t* out) {
    for (int x = 0; x < width; ++x) {
        std::uint16_t rgba[4];
        std::memcpy(rgba, bytes + 8 * static_cast<std::size_t>(x), sizeof rgba);
        out[x] = eightBits(rgba[0]) << 16 | eightBits(rgba[1]) << 8 | eightBits(rgba[2]);
    }
}

std::uint32_t bigEndian(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) << 24 | static_cast<std::uint32_t>(p[1]) << 16 |
           static_cast<std::uint32_t>(p[2]) << 8 | p[3];
}

constexpr std::size_t signatureBytes = 8;

// The signature and the critical chunks, up to and including IEND: the file's own bytes when it
// holds no other chunk, else a copy made in `copy`; nothing when a chunk reaches past the end of
// the file or there is no IEND.
std::optional<std::span<const std::uint8_t>> criticalChunks(std::span<const std::uint8_t> f,
                                                            std::vector<std::uint8_t>& copy) {
    std::size_t end = 0;
    bool ancillary = false;
    for (std::size_t at = signatureBytes; end == 0 && f.size() - at >= 12;) {
        const std::size_t length = bigEndian(f.data() + at);
        if (length > 0x7FFFFFFF || length > f.size() - at - 12)
            return std::nullopt;
        const std::uint8_t* type = f.data() + at + 4;
        // Bit 5 of the first letter marks an ancillary chunk.
        ancillary |= (type[0] & 0x20) != 0;
        at += 12 + length;
        if (std::memcmp(type, "IEND", 4) == 0)
            end = at;
    }
    if (end == 0)
        return std::nullopt;
    if (!ancillary)
        return f.first(end);
    copy.assign(f.begin(), f.begin() + signatureBytes);
    for (std::size_t at = signatureBytes; at < end;) {
        const std::size_t next = at + 12 + bigEndian(f.data() + at);
        if ((f[at + 4] & 0x20) == 0)
            copy.insert(copy.end(), f.begin() + static_cast<std::ptrdiff_t>(at),
                        f.begin() + static_cast<std::ptrdiff_t>(next));
        at = next;
    }
    return std::span<const std::uint8_t>(copy);
}

bool recognises(std::span<const std::uint8_t> f) {
    static constexpr std::uint8_t signature[signatureBytes] = {0x89, 'P',  'N',  'G',
                                                               '\r', '\n', 0x1A, '\n'};
    return f.size() >= signatureBytes && std::memcmp(f.data(), signature, signatureBytes) == 0;
}

bool describe(std::span<const std::uint8_t> f, int& width, int& height) {
    Decoding d(f);
    spng_ihdr ihdr{};
    if (!d.header(ihdr) || ihdr.width > INT32_MAX || ihdr.height > INT32_MAX)
        return false;
    width = static_cast<int>(ihdr.width);
    height = static_cast<int>(ihdr.height);
    return true;
}

// How rows of one kind of picture are decoded and stored.
struct RowForm {
    int format;
    std::size_t bytesPerRow;
    void (*store)(const std::uint8_t* in, int width, std::uint32_t* out, void* context);
};

void storeRgb8(const std::uint8_t* in, int width, std::uint32_t* out, void*) {
    storeRow8(in, width, out);
}
void storeRgba16(const std::uint8_t* in, int width, std::uint32_t* out, void*) {
    storeRow16(in, width, out);
}

// A palette picture keeps its packed indices; each is looked up here, so that an index past
// the palette can be refused.
struct PaletteRows {
    std::array<std::uint32_t, 256> colours{};
    std::uint32_t count = 0;
    int bitDepth = 8;
    bool outside = false;
};
void storeIndexed(const std::uint8_t* in, int width, std::uint32_t* out, void* context) {
    auto& p = *static_cast<PaletteRows*>(context);
    const int depth = p.bitDepth, mask = (1 << depth) - 1;
    if (depth == 8) {
        std::uint32_t highest = 0;
        for (int x = 0; x < width; ++x) {
            highest = std::max<std::uint32_t>(highest, in[x]);
            out[x] = p.colours[in[x]];
        }
        p.outside |= highest >= p.count;
        return;
    }
    for (int x = 0; x < width; ++x) {
        const int bit = x * depth;
        const auto index =
            static_cast<std::uint32_t>((in[bit / 8] >> (8 - depth - bit % 8)) & mask);
        p.outside |= index >= p.count;
        out[x] = p.colours[index];
    }
}

bool decodeRows(const Decoding& d, const spng_ihdr& ihdr, const RowForm& form, void* context,
                int width, int height, const kadro::PixelRows& out) {
    if (ihdr.interlace_method == 0) {
        // Row by row straight into the program's rows.
        std::vector<std::uint8_t> row(form.bytesPerRow);
        if (spng_decode_image(d.ctx(), nullptr, 0, form.format, SPNG_DECODE_PROGRESSIVE) != 0)
            return false;
        for (int y = 0; y < height; ++y) {
            const int status = spng_decode_row(d.ctx(), row.data(), row.size());
            if (status != 0 && !(status == SPNG_EOI && y == height - 1))
                return false;
            form.store(row.data(), width, out.rows[y], context);
            out.finished(y);
        }
    } else {
        std::vector<std::uint8_t> image(form.bytesPerRow * static_cast<std::size_t>(height));
        if (spng_decode_image(d.ctx(), image.data(), image.size(), form.format, 0) != 0)
            return false;
        for (int y = 0; y < height; ++y) {
            form.store(image.data() + form.bytesPerRow * static_cast<std::size_t>(y), width,
                       out.rows[y], context);
            out.finished(y);
        }
    }
    // The chunks after the image data, through IEND, must be sound too.
    return spng_decode_chunks(d.ctx()) == 0;
}

bool readPixels(std::span<const std::uint8_t> f, int width, int height,
                const kadro::PixelRows& out) {
    std::vector<std::uint8_t> copy;
    const auto critical = criticalChunks(f, copy);
    if (!critical)
        return false;
    Decoding d(*critical);
    spng_ihdr ihdr{};
    if (!d.header(ihdr) || ihdr.width != static_cast<std::uint32_t>(width) ||
        ihdr.height != static_cast<std::uint32_t>(height))
        return false;
    const auto w = static_cast<std::size_t>(width);
    if (ihdr.color_type == SPNG_COLOR_TYPE_INDEXED) {
        PaletteRows palette;
        spng_plte plte{};
        if (spng_get_plte(d.ctx(), &plte) != 0)
            return false;
        palette.count = plte.n_entries;
        palette.bitDepth = ihdr.bit_depth;
        for (std::uint32_t i = 0; i < plte.n_entries && i < 256; ++i)
            palette.colours[i] = static_cast<std::uint32_t>(plte.entries[i].red) << 16 |
                                 static_cast<std::uint32_t>(plte.entries[i].green) << 8 |
                                 plte.entries[i].blue;
        const RowForm form{SPNG_FMT_PNG, (w * ihdr.bit_depth + 7) / 8, storeIndexed};
        return decodeRows(d, ihdr, form, &palette, width, height, out) && !palette.outside;
    }
    const RowForm form = ihdr.bit_depth == 16 ? RowForm{SPNG_FMT_RGBA16, w * 8, storeRgba16}
                                              : RowForm{SPNG_FMT_RGB8, w * 3, storeRgb8};
    return decodeRows(d, ihdr, form, nullptr, width, height, out);
}

} // namespace

namespace kadro::modules {
const PictureDecoder pngDecoder{recognises, describe, readPixels, true};
} // namespace kadro::modules
