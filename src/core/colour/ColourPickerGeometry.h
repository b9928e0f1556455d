#pragma once

#include "colour/ColourMath.h"

#include <array>
#include <vector>

// Where the colour picker's handles, box figure and markers lie, and what a point under the
// mouse means. Plain integer geometry, so the dialog only draws and forwards mouse positions.
namespace kadro::picker {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Right and bottom are outside, as the window system's rectangles are.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool contains(Point p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    int height() const { return bottom - top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

enum Channel : int { Red = 0, Green = 1, Blue = 2 };

// The 10 x 10 square around a handle or the wheel marker.
Rect markerSquare(Point centre);

// The RGB cube seen along its grey diagonal: the black corner at the centre, one axis per
// channel. Positions are relative to the panel origin given to at().
class CubeGeometry {
public:
    static CubeGeometry at(Point origin);

    Point centre() const { return centre_; }
    Point axisEnd(Channel c) const { return ends_[static_cast<std::size_t>(c)]; }
    // Distance from the centre to the axis end, truncated: 99, 88 and 88.
    int axisLength(Channel c) const { return lengths_[static_cast<std::size_t>(c)]; }

    // The point at len x value / 255 from the centre along the channel's axis.
    Point handlePoint(Channel c, int value) const;
    std::array<Point, 3> handlePoints(const RgbTriple& rgb) const;
    // The channel value for a handle dragged to p; handleCentre is the handle's current point
    // (green and blue follow only the horizontal movement along their own row).
    int channelValueAt(Channel c, Point p, Point handleCentre) const;

private:
    Point centre_;
    std::array<Point, 3> ends_{};
    std::array<int, 3> lengths_{};
};

// The handle whose square holds p, red first; -1 for none.
int handleAt(const std::array<Point, 3>& handles, Point p);

// The box figure spanned by the three handle points: corner lines parallel to the axes.
struct BoxFigure {
    Point x1, x2, x3, x4;
    // The polylines to draw: PR-X1-PG-X2-X3-X1, X3-X4-PB-X2 and PR-X4.
    std::vector<std::vector<Point>> lines(const std::array<Point, 3>& handles) const;
};
BoxFigure boxFigure(const CubeGeometry& cube, const std::array<Point, 3>& handles);

// The hue-saturation wheel of radius 100 around its centre, hue 0 to the right and growing
// counter-clockwise, saturation growing outwards.
inline constexpr int wheelRadius = 100;
Point wheelMarker(Point wheelCentre, int hue, int saturation);
bool onWheel(Point wheelCentre, Point p);
// Hue and saturation of a point; beyond the edge the saturation stays at 255.
HsvTriple wheelHueSaturation(Point wheelCentre, Point p, int value);

// The value strip beside the wheel: brightest at the top.
int stripValue(const Rect& strip, int y);
Rect stripMarker(const Rect& strip, int value);
// Row k from the top of a strip of the given height, for the current hue and saturation.
std::vector<RgbTriple> stripColours(int height, int hue, int saturation);

} // namespace kadro::picker
