#include "view/UsedColourEdits.h"

#include "picture/Picture.h"

namespace kadro::gui {

namespace {

const Colour* usedColour(const Picture& picture, int index) {
    const auto& used = picture.values.usedColours;
    if (index < 0 || static_cast<std::size_t>(index) >= used.size())
        return nullptr;
    return &used[static_cast<std::size_t>(index)];
}

// Calls f(x, y) for each pixel of the colour, x outer and y inner.
template <typename F> void forEachPixelOf(const Picture& picture, Colour colour, F f) {
    for (int x = 0; x < picture.width(); ++x) {
        for (int y = 0; y < picture.height(); ++y) {
            Colour c = 0;
            if (picture.getPixel(x, y, c) && c == colour)
                f(x, y);
        }
    }
}

} // namespace

void FlashingPixels::begin(const Picture& picture, int index) {
    pixels_.clear();
    const Colour* colour = usedColour(picture, index);
    if (!colour)
        return;
    colour_ = *colour;
    forEachPixelOf(picture, colour_, [this](int x, int y) { pixels_.emplace_back(x, y); });
}

bool FlashingPixels::toggle(Picture& picture) {
    if (pixels_.empty())
        return false;
    colour_ ^= 0xFFFFFF;
    for (const auto& [x, y] : pixels_)
        picture.setPixel(x, y, colour_);
    return true;
}

bool FlashingPixels::end(Picture& picture, int index) {
    const Colour* colour = usedColour(picture, index);
    const bool restore = !pixels_.empty() && colour;
    if (restore) {
        for (const auto& [x, y] : pixels_)
            picture.setPixel(x, y, *colour);
    }
    pixels_.clear();
    return restore;
}

bool replaceUsedColour(Picture& picture, int index, Colour colour) {
    const Colour* old = usedColour(picture, index);
    if (!old)
        return false;
    const Colour from = *old;
    forEachPixelOf(picture, from,
                   [&picture, colour](int x, int y) { picture.setPixel(x, y, colour); });
    picture.values.usedColours[static_cast<std::size_t>(index)] = colour;
    return true;
}

} // namespace kadro::gui
