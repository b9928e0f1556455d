#pragma once

#include "common/Colour.h"

#include <cstddef>
#include <utility>
#include <vector>

namespace kadro {
class Picture;
}

namespace kadro::gui {

// The pixels of one used colour, flashed by writing the colour and its inverse into them in
// turn. The list is made once per flash so each toggle touches only those pixels.
class FlashingPixels {
public:
    // Lists the pixels of used colour `index` (x outer, y inner); an index out of range lists none.
    void begin(const Picture& picture, int index);
    // The listed pixels take the inverse of their current flash colour; false when none are listed.
    bool toggle(Picture& picture);
    // The listed pixels get used colour `index` back and the list is released; false when there
    // was nothing to restore.
    bool end(Picture& picture, int index);
    std::size_t size() const { return pixels_.size(); }

private:
    Colour colour_ = 0;
    std::vector<std::pair<int, int>> pixels_;
};

// Every pixel of used colour `index` becomes `colour`, and so does the entry of the list.
bool replaceUsedColour(Picture& picture, int index, Colour colour);

} // namespace kadro::gui
