#pragma once

#include "common/Colour.h"
#include "picture/DibImage.h"
#include "picture/Selection.h"

#include <array>
#include <cstdint>

namespace kadro {

// Fast reads of a 24-bit picture inside a conversion area. The caller has checked that the
// image is 24-bit and that the area lies inside it, so no read needs a check.
class CellReader {
public:
    // One more than the largest colour limit: enough to tell that a block breaks it.
    static constexpr int maxBlockColours = 17;
    using BlockColours = std::array<Colour, maxBlockColours>;

    CellReader(const DibImage& image, Selection area);

    Colour pixel(int x, int y) const {
        const std::uint8_t* p = rows_ + static_cast<std::ptrdiff_t>(lastRow_ - y) * stride_ + 3 * x;
        return static_cast<Colour>(p[0]) << 16 | static_cast<Colour>(p[1]) << 8 | p[2];
    }

    const Selection& area() const { return area_; }
    // Corner of the 16 x 16 attribute block holding a pixel. Blocks are laid from the area's
    // corner, because that corner becomes the origin of the console picture.
    int blockLeft(int x) const;
    int blockTop(int y) const;

    // Distinct colours of the block with this corner, clipped to the area, in reading order.
    // Collection stops at maxBlockColours; returns how many were collected.
    int blockColours(int left, int top, BlockColours& out) const;

private:
    const std::uint8_t* rows_;
    std::ptrdiff_t stride_;
    int lastRow_;
    Selection area_;
};

} // namespace kadro
