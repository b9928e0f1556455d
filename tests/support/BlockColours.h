#pragma once

#include "picture/DibImage.h"

#include <algorithm>
#include <set>

namespace kadro::test {

// The most distinct colours any 16 x 16 block holds, the blocks laid from (left, top) and
// clipped to the picture.
inline std::size_t mostBlockColours(const DibImage& image, int left = 0, int top = 0) {
    std::size_t most = 0;
    for (int by = top; by < image.height(); by += 16)
        for (int bx = left; bx < image.width(); bx += 16) {
            std::set<Colour> colours;
            for (int y = by; y < std::min(by + 16, image.height()); ++y)
                for (int x = bx; x < std::min(bx + 16, image.width()); ++x) {
                    Colour c = 0;
                    image.getPixel(x, y, c);
                    colours.insert(c);
                }
            most = std::max(most, colours.size());
        }
    return most;
}

} // namespace kadro::test
