#include "app/DibQImage.h"

#include <cstring>

namespace kadro::gui {

QImage qImageOf(const DibImage& dib) {
    if (dib.bitCount() != 24 || dib.width() <= 0 || dib.height() <= 0)
        return {};
    const int width = dib.width();
    const int height = dib.height();
    QImage image(width, height, QImage::Format_BGR888);
    const auto pixels = dib.pixels();
    const auto stride = static_cast<std::size_t>(dib.stride());
    for (int y = 0; y < height; ++y) {
        // Rows are stored bottom-up.
        const std::size_t row = static_cast<std::size_t>(height - 1 - y) * stride;
        std::memcpy(image.scanLine(y), pixels.data() + row, static_cast<std::size_t>(width) * 3);
    }
    return image;
}

} // namespace kadro::gui
