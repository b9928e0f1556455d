#include "app/ColourCells.h"

namespace kadro::gui {

namespace {
// QRect's right() is inclusive; these helpers speak in exclusive edges.
int rightEdge(const QRect& r) {
    return r.x() + r.width();
}
int bottomEdge(const QRect& r) {
    return r.y() + r.height();
}
} // namespace

std::vector<QRect> ColourCells::infoBarLayout(const QRect& area, int count) {
    std::vector<QRect> cells;
    if (count > maxCells)
        return cells;
    QRect cell(area.x() + 2, area.y() + 2, cellSize, cellSize);
    for (int i = 0; i < count; ++i) {
        cells.push_back(cell);
        if (rightEdge(area) < rightEdge(cell) + pitch)
            cell.moveTo(area.x() + 2, bottomEdge(cell) + 1);
        else
            cell.moveLeft(rightEdge(cell) + 1);
    }
    return cells;
}

std::vector<QRect> ColourCells::selectColourLayout(const QRect& area, int count) {
    std::vector<QRect> cells;
    QRect cell(area.x(), area.y(), cellSize, cellSize);
    for (int i = 0; i < count && i < maxCells; ++i) {
        if (bottomEdge(cell) > bottomEdge(area))
            break;
        cells.push_back(cell);
        if (rightEdge(cell) + 1 + cellSize > rightEdge(area))
            cell.moveTo(area.x(), bottomEdge(cell) + 1);
        else
            cell.moveLeft(rightEdge(cell) + 1);
    }
    return cells;
}

std::optional<int> ColourCells::hit(const std::vector<QRect>& cells, const QPoint& point) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (cells[i].contains(point))
            return static_cast<int>(i);
    }
    return std::nullopt;
}

} // namespace kadro::gui
