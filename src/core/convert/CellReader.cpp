#include "convert/CellReader.h"

#include "common/ChipRules.h"

#include <algorithm>

namespace kadro {

CellReader::CellReader(const DibImage& image, Selection area)
    : rows_(image.pixels().data()), stride_(image.stride()), lastRow_(image.height() - 1),
      area_(area) {}

int CellReader::blockLeft(int x) const {
    return area_.left + (x - area_.left) / chip::attributeBlock * chip::attributeBlock;
}

int CellReader::blockTop(int y) const {
    return area_.top + (y - area_.top) / chip::attributeBlock * chip::attributeBlock;
}

int CellReader::blockColours(int left, int top, BlockColours& out) const {
    const int right = std::min(left + chip::attributeBlock, area_.right);
    const int bottom = std::min(top + chip::attributeBlock, area_.bottom);
    int n = 0;
    for (int y = top; y < bottom; ++y) {
        Colour last = 0;
        bool haveLast = false;
        for (int x = left; x < right; ++x) {
            const Colour c = pixel(x, y);
            // Runs of one colour are the common case; skip the search for them.
            if (haveLast && c == last)
                continue;
            last = c;
            haveLast = true;
            if (std::find(out.begin(), out.begin() + n, c) != out.begin() + n)
                continue;
            out[static_cast<std::size_t>(n++)] = c;
            if (n == maxBlockColours)
                return n;
        }
    }
    return n;
}

} // namespace kadro
