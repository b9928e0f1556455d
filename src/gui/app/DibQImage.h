#pragma once

#include "picture/DibImage.h"

#include <QImage>

namespace kadro::gui {

// A 24-bit picture as a QImage (rows top first); a null image for any other depth or no size.
QImage qImageOf(const DibImage& image);

} // namespace kadro::gui
