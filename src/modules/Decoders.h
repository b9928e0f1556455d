#pragma once

#include "picture/PictureDecoder.h"

// The formats this system decodes itself, each in plain C++ or through a library made for it.
// A format module serves one over the request protocol; kadro-cli also carries them inside.
namespace kadro::modules {

extern const PictureDecoder bmpDecoder;
extern const PictureDecoder pngDecoder;

} // namespace kadro::modules
