#pragma once

#include "picture/DibImage.h"

#include <string>

namespace kadro::cli {

// Writes a 24-bit picture as an 8-bit RGB ".png" through a temporary file, as every other
// output is written; error names the path and the reason after a failure.
bool writePng(const DibImage& image, const std::string& path, std::string* error);

// Pictures are written as PNG for ".png" names and as BMP for ".bmp"; false for other names.
bool isPictureOutputName(const std::string& path);
bool writePicture(const DibImage& image, const std::string& path, std::string* error);

} // namespace kadro::cli
