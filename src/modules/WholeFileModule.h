#pragma once

#include "picture/ImageRequest.h"

#include <cstdint>
#include <span>

// The request protocol for a module that decodes its format itself: identify reads the file
// once into the request's module block and checks its signature, describe reads the size from
// the header, and read decodes the picture straight into the program's rows.
namespace kadro::modules {

struct Decoder {
    // Whether the bytes start like a file of the format.
    bool (*recognises)(std::span<const std::uint8_t> file);
    // The picture's width and height from its header; false when the header is damaged.
    bool (*describe)(std::span<const std::uint8_t> file, int& width, int& height);
    // The pixels as 0x00RRGGBB into rows[r], row r counted from the top; false when the file is
    // damaged or cut short, whatever was written then.
    bool (*read)(std::span<const std::uint8_t> file, int width, int height,
                 std::uint32_t* const* rows);
};

// Files larger than this are not pictures a conversion can take.
inline constexpr std::size_t maxFileBytes = 512u << 20;

int serveRequest(ImageRequest* request, const Decoder& decoder);

} // namespace kadro::modules

#define KADRO_MODULE_ENTRY(decoder)                                                                \
    extern "C" __attribute__((visibility("default"))) int kadroFormatModule(                       \
        kadro::ImageRequest* request) {                                                            \
        return kadro::modules::serveRequest(request, decoder);                                     \
    }
