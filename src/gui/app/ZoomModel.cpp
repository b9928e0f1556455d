#include "app/ZoomModel.h"

#include "app/CommandIds.h"

#include <algorithm>
#include <utility>

namespace kadro::gui {

namespace {
// The zoom-in commands start at 2:1, the zoom-out commands at 1:2.
constexpr int zoomInBase = cmd::zoomInFirst - 2;
constexpr int zoomOutBase = cmd::zoomOutFirst - 2;
} // namespace

bool ZoomModel::isZoomCommand(int id) {
    return id >= cmd::zoomInFirst && id <= cmd::zoomOutLast;
}

bool ZoomModel::applyCommand(int id) {
    if (id >= cmd::zoomInFirst && id <= cmd::zoomInLast) {
        magnifyMode_ = true;
        magnification_ = id - zoomInBase;
    } else if (id == cmd::zoomNormal) {
        magnifyMode_ = false;
        magnification_ = 1;
        reduction_ = 1;
    } else if (id >= cmd::zoomOutFirst && id <= cmd::zoomOutLast) {
        magnifyMode_ = false;
        reduction_ = id - zoomOutBase;
    } else {
        return false;
    }
    return true;
}

bool ZoomModel::isChecked(int id) const {
    if (id >= cmd::zoomInFirst && id <= cmd::zoomInLast)
        return magnifyMode_ && id == zoomInBase + magnification_;
    if (id == cmd::zoomNormal)
        return magnification_ == 1 && reduction_ == 1;
    if (id >= cmd::zoomOutFirst && id <= cmd::zoomOutLast)
        return !magnifyMode_ && id == zoomOutBase + reduction_;
    return false;
}

int ZoomModel::stepInCommand() const {
    if (magnifyMode_ || reduction_ == 1) {
        const int n = magnifyMode_ ? magnification_ : 1;
        return n >= maxFactor ? 0 : zoomInBase + n + 1;
    }
    return reduction_ == 2 ? cmd::zoomNormal : zoomOutBase + reduction_ - 1;
}

int ZoomModel::stepOutCommand() const {
    if (magnifyMode_ && magnification_ > 1)
        return magnification_ == 2 ? cmd::zoomNormal : zoomInBase + magnification_ - 1;
    const int n = magnifyMode_ ? 1 : reduction_;
    return n >= maxFactor ? 0 : zoomOutBase + n + 1;
}

ViewSize ZoomModel::totalSize(ViewSize picture) const {
    if (magnifyMode_)
        return {picture.width * magnification_, picture.height * magnification_};
    return {picture.width / reduction_, picture.height / reduction_};
}

int ZoomModel::gridStep() const {
    return magnifyMode_ ? cellPixels * magnification_ : cellPixels / reduction_;
}

ViewPoint ZoomModel::viewToPicture(ViewPoint scrolled) const {
    if (magnifyMode_)
        return {scrolled.x / magnification_, scrolled.y / magnification_};
    return {scrolled.x * reduction_, scrolled.y * reduction_};
}

int ZoomModel::pictureToView(int coordinate) const {
    return magnifyMode_ ? coordinate * magnification_ : coordinate / reduction_;
}

AreaRect ZoomModel::pictureToView(AreaRect area) const {
    return {pictureToView(area.left), pictureToView(area.top), pictureToView(area.right),
            pictureToView(area.bottom)};
}

std::optional<AreaRect> ZoomModel::mapRubberBand(ViewPoint from, ViewPoint to, ViewPoint scroll,
                                                 ViewSize total) const {
    AreaRect band{std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x),
                  std::max(from.y, to.y)};
    if (band.width() == 0 || band.height() == 0)
        return std::nullopt;
    band.left = std::max(0, band.left + scroll.x);
    band.top = std::max(0, band.top + scroll.y);
    band.right = std::min(total.width, band.right + scroll.x);
    band.bottom = std::min(total.height, band.bottom + scroll.y);
    const ViewPoint topLeft = viewToPicture({band.left, band.top});
    const ViewPoint bottomRight = viewToPicture({band.right, band.bottom});
    return AreaRect{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

AreaRect snapToCells(AreaRect area, ViewSize picture) {
    constexpr int cell = ZoomModel::cellPixels;
    AreaRect snapped{area.left / cell * cell, area.top / cell * cell,
                     area.right + cell - area.right % cell,
                     area.bottom + cell - area.bottom % cell};
    // Going past the picture would convert pixels that do not exist; stop at its last whole
    // cell, but never below one cell.
    const int lastRight = picture.width / cell * cell;
    const int lastBottom = picture.height / cell * cell;
    snapped.right = std::max(snapped.left + cell, std::min(snapped.right, lastRight));
    snapped.bottom = std::max(snapped.top + cell, std::min(snapped.bottom, lastBottom));
    return snapped;
}

} // namespace kadro::gui
