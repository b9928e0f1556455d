#pragma once

#include "picture/ImageRequest.h"
#include "picture/PictureDecoder.h"

#include <cstdint>
#include <span>

// The request protocol for a module that decodes its format itself: identify reads the file
// once into the request's module block and checks its signature, describe reads the size from
// the header, and read decodes the picture straight into the program's rows.
namespace kadro::modules {

int serveRequest(ImageRequest* request, const PictureDecoder& decoder);

} // namespace kadro::modules

#define KADRO_MODULE_ENTRY(decoder)                                                                \
    extern "C" __attribute__((visibility("default"))) int kadroFormatModule(                       \
        kadro::ImageRequest* request) {                                                            \
        return kadro::modules::serveRequest(request, decoder);                                     \
    }
