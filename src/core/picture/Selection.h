#pragma once

namespace kadro {

// A rectangle of picture pixels; right and bottom are exclusive. The picture's selection is the
// area a conversion cuts into characters.
struct Selection {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static Selection fromSize(int x, int y, int width, int height) {
        return {x, y, x + width, y + height};
    }
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool empty() const { return right <= left || bottom <= top; }

    friend bool operator==(const Selection&, const Selection&) = default;
};

} // namespace kadro
