#include "PngFile.h"

#include "Text.h"

#include "common/FileIo.h"
#include "common/Paths.h"

#include <png.h>

#include <cstdint>
#include <vector>

namespace kadro::cli {

namespace {

void appendBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void flushNothing(png_structp) {}

void fillRgbRow(const DibImage& image, int y, std::vector<std::uint8_t>& row) {
    for (int x = 0; x < image.width(); ++x) {
        Colour c = 0;
        image.getPixel(x, y, c);
        const auto at = static_cast<std::size_t>(x) * 3;
        row[at] = static_cast<std::uint8_t>(redOf(c));
        row[at + 1] = static_cast<std::uint8_t>(greenOf(c));
        row[at + 2] = static_cast<std::uint8_t>(blueOf(c));
    }
}

// The whole file in memory. libpng reports its failures by a long jump back here, so nothing
// that owns memory is made after the jump point.
bool encode(const DibImage& image, std::vector<std::uint8_t>& out) {
    std::vector<std::uint8_t> row(static_cast<std::size_t>(image.width()) * 3);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &out, appendBytes, flushNothing);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width()),
                 static_cast<png_uint_32>(image.height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < image.height(); ++y) {
        fillRgbRow(image, y, row);
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

bool writePng(const DibImage& image, const std::string& path, std::string* error) {
    std::vector<std::uint8_t> bytes;
    if (image.bitCount() != 24 || image.width() <= 0 || image.height() <= 0 ||
        !encode(image, bytes)) {
        if (error)
            *error = tr("%1: the picture cannot be encoded as PNG", {path});
        return false;
    }
    return fileio::writeFile(path, bytes, error);
}

bool isPictureOutputName(const std::string& path) {
    const std::string extension = paths::lowerExtension(paths::fileName(path));
    return extension == "bmp" || extension == "png";
}

bool writePicture(const DibImage& image, const std::string& path, std::string* error) {
    if (paths::lowerExtension(paths::fileName(path)) == "png")
        return writePng(image, path, error);
    return image.writeBmp(path, error);
}

} // namespace kadro::cli
