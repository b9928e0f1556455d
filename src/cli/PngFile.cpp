#include "PngFile.h"

#include "Text.h"

#include "common/FileIo.h"
#include "common/Paths.h"

#include <spng.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

namespace kadro::cli {

namespace {

// The picture's rows top to bottom as 8-bit RGB.
std::vector<std::uint8_t> rgbRows(const DibImage& image) {
    std::vector<std::uint8_t> rows(static_cast<std::size_t>(image.width()) *
                                   static_cast<std::size_t>(image.height()) * 3);
    std::size_t at = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            Colour c = 0;
            image.getPixel(x, y, c);
            rows[at++] = static_cast<std::uint8_t>(redOf(c));
            rows[at++] = static_cast<std::uint8_t>(greenOf(c));
            rows[at++] = static_cast<std::uint8_t>(blueOf(c));
        }
    return rows;
}

// The whole file in memory.
std::optional<std::vector<std::uint8_t>> encode(const DibImage& image) {
    const std::unique_ptr<spng_ctx, decltype(&spng_ctx_free)> ctx(spng_ctx_new(SPNG_CTX_ENCODER),
                                                                  spng_ctx_free);
    if (!ctx || spng_set_option(ctx.get(), SPNG_ENCODE_TO_BUFFER, 1) != 0)
        return std::nullopt;
    spng_ihdr header{};
    header.width = static_cast<std::uint32_t>(image.width());
    header.height = static_cast<std::uint32_t>(image.height());
    header.bit_depth = 8;
    header.color_type = SPNG_COLOR_TYPE_TRUECOLOR;
    const std::vector<std::uint8_t> rows = rgbRows(image);
    if (spng_set_ihdr(ctx.get(), &header) != 0 ||
        spng_encode_image(ctx.get(), rows.data(), rows.size(), SPNG_FMT_PNG,
                          SPNG_ENCODE_FINALIZE) != 0)
        return std::nullopt;
    std::size_t length = 0;
    int error = 0;
    const std::unique_ptr<void, decltype(&std::free)> buffer(
        spng_get_png_buffer(ctx.get(), &length, &error), std::free);
    if (!buffer || error != 0)
        return std::nullopt;
    const auto* bytes = static_cast<const std::uint8_t*>(buffer.get());
    return std::vector<std::uint8_t>(bytes, bytes + length);
}

} // namespace

bool writePng(const DibImage& image, const std::string& path, std::string* error) {
    const auto bytes = image.bitCount() == 24 && image.width() > 0 && image.height() > 0
                           ? encode(image)
                           : std::nullopt;
    if (!bytes) {
        if (error)
            *error = tr("%1: the picture cannot be encoded as PNG", {path});
        return false;
    }
    return fileio::writeFile(path, *bytes, error);
}

bool isPictureOutputName(const std::string& path) {
    const std::string extension = paths::lowerExtension(path);
    return extension == "bmp" || extension == "png";
}

bool writePicture(const DibImage& image, const std::string& path, std::string* error) {
    if (paths::lowerExtension(path) == "png")
        return writePng(image, path, error);
    return image.writeBmp(path, error);
}

} // namespace kadro::cli
