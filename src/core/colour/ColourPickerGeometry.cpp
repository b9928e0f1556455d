#include "colour/ColourPickerGeometry.h"

#include <algorithm>
#include <cmath>

namespace kadro::picker {

namespace {
constexpr double pi = 3.14159265358;
constexpr double oneOverPi = 0.31830988618478295;
constexpr double oneOver180 = 0.005555555555555556;
constexpr double oneOver255 = 0.00392156862745098;

// Cube points relative to the panel origin, where the cube picture draws its axes.
constexpr Point cubeCentre{102, 108};
constexpr std::array<Point, 3> cubeAxisEnds{{{102, 9}, {23, 147}, {181, 147}}};

int trunc(double x) {
    return static_cast<int>(x);
}
double distance(Point a, Point b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}
Point offset(Point p, Point by) {
    return {p.x + by.x, p.y + by.y};
}

// Where the line through p along dp meets the line through q along dq, truncated.
Point intersect(Point p, Point dp, Point q, Point dq) {
    const double cross = static_cast<double>(dp.x) * dq.y - static_cast<double>(dp.y) * dq.x;
    const double s =
        (static_cast<double>(q.x - p.x) * dq.y - static_cast<double>(q.y - p.y) * dq.x) / cross;
    return {trunc(p.x + s * dp.x), trunc(p.y + s * dp.y)};
}
} // namespace

Rect markerSquare(Point centre) {
    return {centre.x - 5, centre.y - 5, centre.x + 5, centre.y + 5};
}

CubeGeometry CubeGeometry::at(Point origin) {
    CubeGeometry cube;
    cube.centre_ = offset(cubeCentre, origin);
    for (std::size_t c = 0; c < 3; ++c) {
        cube.ends_[c] = offset(cubeAxisEnds[c], origin);
        cube.lengths_[c] = trunc(distance(cube.centre_, cube.ends_[c]));
    }
    return cube;
}

Point CubeGeometry::handlePoint(Channel c, int value) const {
    const int radius = axisLength(c) * value / 255;
    const Point end = axisEnd(c);
    const double along = radius / distance(centre_, end);
    return {trunc(centre_.x + along * (end.x - centre_.x)),
            trunc(centre_.y + along * (end.y - centre_.y))};
}

std::array<Point, 3> CubeGeometry::handlePoints(const RgbTriple& rgb) const {
    return {handlePoint(Red, rgb.red), handlePoint(Green, rgb.green), handlePoint(Blue, rgb.blue)};
}

int CubeGeometry::channelValueAt(Channel c, Point p, Point handleCentre) const {
    Point towards;
    switch (c) {
    case Red:
        towards = {centre_.x, std::min(centre_.y, p.y)};
        break;
    case Green:
        towards = {std::min(centre_.x, p.x), handleCentre.y};
        break;
    case Blue:
        towards = {std::max(centre_.x, p.x), handleCentre.y};
        break;
    }
    const int length = axisLength(c);
    const int d = std::min(trunc(distance(centre_, towards)), length);
    return trunc(static_cast<double>(d) / length * 255);
}

int handleAt(const std::array<Point, 3>& handles, Point p) {
    for (std::size_t c = 0; c < handles.size(); ++c)
        if (markerSquare(handles[c]).contains(p))
            return static_cast<int>(c);
    return -1;
}

BoxFigure boxFigure(const CubeGeometry& cube, const std::array<Point, 3>& handles) {
    auto axis = [&](Channel c) {
        const Point end = cube.axisEnd(c), centre = cube.centre();
        return Point{end.x - centre.x, end.y - centre.y};
    };
    const Point pr = handles[0], pg = handles[1], pb = handles[2];
    BoxFigure box;
    box.x1 = intersect(pr, axis(Green), pg, axis(Red));
    box.x2 = intersect(pg, axis(Blue), pb, axis(Green));
    box.x4 = intersect(pr, axis(Blue), pb, axis(Red));
    box.x3 = intersect(box.x2, axis(Red), box.x4, axis(Green));
    return box;
}

std::vector<std::vector<Point>> BoxFigure::lines(const std::array<Point, 3>& handles) const {
    const Point pr = handles[0], pg = handles[1], pb = handles[2];
    return {{pr, x1, pg, x2, x3, x1}, {x3, x4, pb, x2}, {pr, x4}};
}

Point wheelMarker(Point wheelCentre, int hue, int saturation) {
    const double r = saturation * 100 * oneOver255;
    const double a = hue * pi * oneOver180;
    return {wheelCentre.x + trunc(r * std::cos(a)), wheelCentre.y - trunc(r * std::sin(a))};
}

bool onWheel(Point wheelCentre, Point p) {
    return trunc(distance(p, wheelCentre)) <= wheelRadius;
}

HsvTriple wheelHueSaturation(Point wheelCentre, Point p, int value) {
    int hue = 0;
    if (p != wheelCentre)
        hue = trunc(std::atan2(wheelCentre.y - p.y, p.x - wheelCentre.x) * 180 * oneOverPi);
    if (hue < 0)
        hue += 360;
    const int saturation = std::min(trunc(trunc(distance(p, wheelCentre)) * 255 * 0.01), 255);
    return {hue, saturation, value};
}

int stripValue(const Rect& strip, int y) {
    const double t = static_cast<double>(strip.bottom - y) * 255 / strip.height();
    return trunc(std::clamp(t, 0.0, 255.0));
}

Rect stripMarker(const Rect& strip, int value) {
    const int y = strip.bottom - trunc(strip.height() * (value * oneOver255));
    return {strip.left - 2, y - 4, strip.right + 2, y + 4};
}

std::vector<RgbTriple> stripColours(int height, int hue, int saturation) {
    std::vector<RgbTriple> rows;
    for (int k = 0; k < height; ++k)
        rows.push_back(hsvToRgb({hue, saturation, (height - 1 - k) * 255 / height}));
    return rows;
}

} // namespace kadro::picker
