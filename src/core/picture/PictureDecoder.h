#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace kadro {

// Files larger than this are not pictures a conversion can take.
inline constexpr std::size_t maxPictureFileBytes = 512u << 20;

// Where a decoder writes its pixels, 0x00RRGGBB: rows[r] is row r counted from the top. When
// rowDone is set the decoder writes the rows whole and in order from the top, and calls it
// once each row is complete, so every entry of rows may point at the same one-row buffer.
struct PixelRows {
    std::uint32_t* const* rows = nullptr;
    void (*rowDone)(void* context, int row) = nullptr;
    void* context = nullptr;

    void finished(int row) const {
        if (rowDone)
            rowDone(context, row);
    }
};

// A decoder of one picture format that works on the whole file held in memory. The format
// modules serve the request protocol with one; a program may also carry one itself.
struct PictureDecoder {
    // Whether the bytes start like a file of the format.
    bool (*recognises)(std::span<const std::uint8_t> file);
    // The picture's width and height from its header; false when the header is damaged.
    bool (*describe)(std::span<const std::uint8_t> file, int& width, int& height);
    // The pixels of a width x height picture; false when the file is damaged or cut short,
    // whatever was written then.
    bool (*read)(std::span<const std::uint8_t> file, int width, int height, const PixelRows& out);
    // Whether read calls rowDone (rows whole and in order); otherwise it may write anywhere.
    bool rowsInOrder = false;
};

} // namespace kadro
