#pragma once

#include <optional>

namespace kadro::gui {

struct ViewSize {
    int width = 0;
    int height = 0;
};

struct ViewPoint {
    int x = 0;
    int y = 0;
};

// A rectangle with right and bottom exclusive, in picture or view pixels.
struct AreaRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const AreaRect&, const AreaRect&) = default;
};

// The 31 zoom levels from 1:16 to 16:1 and every mapping between view and picture pixels.
// View coordinates here are scrolled coordinates: the client position plus the scroll position.
class ZoomModel {
public:
    static constexpr int maxFactor = 16;
    static constexpr int cellPixels = 8;

    bool magnifyMode() const { return magnifyMode_; }
    int magnification() const { return magnification_; }
    int reduction() const { return reduction_; }

    // Applies one of the zoom commands "&2:1" .. "16:1", "Normal(1:1)", "1:&2" .. "1:16".
    // Returns false for an id that is not a zoom command.
    bool applyCommand(int id);
    bool isChecked(int id) const;
    static bool isZoomCommand(int id);
    // The zoom command one notch in or out, or 0 at the end of the scale.
    int stepInCommand() const;
    int stepOutCommand() const;

    ViewSize totalSize(ViewSize picture) const;
    // Screen pixels between grid lines; lines are drawn only when this is above 4.
    int gridStep() const;
    bool gridVisible() const { return gridStep() > 4; }

    ViewPoint viewToPicture(ViewPoint scrolled) const;
    int pictureToView(int coordinate) const;
    AreaRect pictureToView(AreaRect area) const;

    // A rubber band dragged from `from` to `to` in client coordinates: ordered, scrolled,
    // clamped to the scroll area and mapped to the picture. Nothing for an empty band.
    std::optional<AreaRect> mapRubberBand(ViewPoint from, ViewPoint to, ViewPoint scroll,
                                          ViewSize total) const;

private:
    bool magnifyMode_ = true;
    int magnification_ = 1;
    int reduction_ = 1;
};

// Widens an area to whole 8-pixel cells: left and top down, right and bottom up to the next
// multiple of 8 above them. The result stays inside the picture's whole cells.
AreaRect snapToCells(AreaRect area, ViewSize picture);

} // namespace kadro::gui
