#pragma once

#include <QRect>

#include <optional>
#include <vector>

namespace kadro::gui {

// Where the used-colour cells lie: 15 x 15 pixel cells on a 16-pixel pitch, filling rows left to
// right inside an area. Painting and hit testing use the same list, so they cannot disagree.
struct ColourCells {
    static constexpr int cellSize = 15;
    static constexpr int pitch = 16;
    // Beyond this many colours the list is not the picture's full palette, so nothing is shown.
    static constexpr int maxCells = 256;

    // The information bar: cells start 2 pixels inside the area; a row wraps when the next
    // cell would pass the area's right edge; rows go on below the area if they must.
    static std::vector<QRect> infoBarLayout(const QRect& area, int count);
    // The Select Color grid: cells start at the area's corner and stop at its bottom edge.
    static std::vector<QRect> selectColourLayout(const QRect& area, int count);

    static std::optional<int> hit(const std::vector<QRect>& cells, const QPoint& point);
};

} // namespace kadro::gui
