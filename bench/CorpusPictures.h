#pragma once

#include "picture/DibImage.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

namespace kadro::bench {

// A 24-bit ".bmp" file read straight into a packed bitmap: its file header, then the bitmap.
inline std::optional<DibImage> readBmp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> bytes(std::istreambuf_iterator<char>(in), {});
    if (bytes.size() < 14)
        return std::nullopt;
    auto image = DibImage::fromBlock({bytes.begin() + 14, bytes.end()});
    if (!image || image->bitCount() != 24)
        return std::nullopt;
    return image;
}

} // namespace kadro::bench
