#include "colour/ColourPickerGeometry.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace kadro;
using namespace kadro::picker;

namespace {
constexpr Point origin{11, 19};

bool near(Point a, Point b, int slack = 1) {
    return std::abs(a.x - b.x) <= slack && std::abs(a.y - b.y) <= slack;
}
} // namespace

TEST(CubeGeometry, AxesHandlesAndDrags) {
    const auto cube = CubeGeometry::at(origin);
    EXPECT_EQ(cube.centre(), (Point{113, 127}));
    EXPECT_EQ(cube.axisLength(Red), 99);
    EXPECT_EQ(cube.axisLength(Green), 88);
    EXPECT_EQ(cube.axisLength(Blue), 88);
    for (Channel c : {Red, Green, Blue}) {
        EXPECT_EQ(cube.handlePoint(c, 0), cube.centre());
        EXPECT_TRUE(near(cube.handlePoint(c, 255), cube.axisEnd(c))) << c;
    }
    EXPECT_EQ(cube.handlePoint(Red, 128), (Point{113, 127 - 49}));

    // Dragging a handle to where a value puts it reads back that value, give or take the
    // pixels lost to truncating the handle point and the distance (about 3 steps each).
    for (Channel c : {Red, Green, Blue})
        for (int v = 0; v < 256; v += 15) {
            const Point p = cube.handlePoint(c, v);
            EXPECT_NEAR(cube.channelValueAt(c, p, p), v, 9) << c << " " << v;
        }
    // Beyond the axis end the value stays at 255; the wrong side of the centre gives 0.
    const Point c = cube.centre();
    EXPECT_EQ(cube.channelValueAt(Red, {c.x + 30, c.y - 150}, c), 255);
    EXPECT_EQ(cube.channelValueAt(Red, {c.x, c.y + 20}, c), 0);
    const Point g = cube.handlePoint(Green, 100);
    EXPECT_EQ(cube.channelValueAt(Green, {c.x - 200, g.y + 40}, g), 255);
    // Green and blue measure to the handle's own row, so a drag past the centre settles at 0
    // over a few moves, the handle following each time.
    for (Channel ch : {Green, Blue}) {
        int value = 100, moves = 0;
        const int pastCentre = ch == Green ? c.x + 20 : c.x - 20;
        while (value > 0 && moves < 10) {
            const Point handle = cube.handlePoint(ch, value);
            const int next = cube.channelValueAt(ch, {pastCentre, handle.y}, handle);
            EXPECT_LT(next, value);
            value = next;
            ++moves;
        }
        EXPECT_EQ(value, 0) << ch;
    }
}

TEST(CubeGeometry, HandleSquaresAreHitRedFirst) {
    const auto handles = CubeGeometry::at(origin).handlePoints({200, 0, 0});
    EXPECT_EQ(handleAt(handles, {handles[0].x - 5, handles[0].y + 4}), Red);
    EXPECT_EQ(handleAt(handles, handles[1]), Green); // green and blue share the centre
    EXPECT_EQ(handleAt(handles, {handles[1].x + 5, handles[1].y}), -1);
}

TEST(CubeGeometry, BoxCornersCompleteTheParallelograms) {
    const auto cube = CubeGeometry::at(origin);
    const Point c = cube.centre();
    const auto h = cube.handlePoints({180, 70, 230});
    const auto box = boxFigure(cube, h);
    auto sum = [&](Point a, Point b) { return Point{a.x + b.x - c.x, a.y + b.y - c.y}; };
    EXPECT_TRUE(near(box.x1, sum(h[Red], h[Green]))) << box.x1.x << "," << box.x1.y;
    EXPECT_TRUE(near(box.x2, sum(h[Green], h[Blue])));
    EXPECT_TRUE(near(box.x4, sum(h[Red], h[Blue])));
    EXPECT_TRUE(near(box.x3, sum(sum(h[Red], h[Green]), h[Blue]), 2));
    EXPECT_EQ(boxFigure(cube, cube.handlePoints({0, 0, 0})).x3, c);
}

TEST(Wheel, PointsAndMarkers) {
    const Point w{244, 119};
    EXPECT_EQ(wheelHueSaturation(w, w, 77), (HsvTriple{0, 0, 77}));
    EXPECT_EQ(wheelHueSaturation(w, {w.x, w.y - 50}, 0), (HsvTriple{90, 127, 0}));
    EXPECT_EQ(wheelHueSaturation(w, {w.x + 1, w.y + 1}, 0).hue, 315);
    // Beyond the edge the saturation stays at 255.
    EXPECT_EQ(wheelHueSaturation(w, {w.x + 300, w.y}, 0).saturation, 255);
    EXPECT_TRUE(onWheel(w, {w.x + 100, w.y}));
    EXPECT_TRUE(onWheel(w, {w.x + 71, w.y + 71})); // 100.4 counts as 100
    EXPECT_FALSE(onWheel(w, {w.x + 72, w.y + 71}));

    // The marker of a colour, clicked, gives back about that hue and saturation.
    for (int hue = 0; hue < 360; hue += 23)
        for (int sat = 60; sat < 256; sat += 65) {
            const HsvTriple back = wheelHueSaturation(w, wheelMarker(w, hue, sat), 0);
            const int dh = std::abs(back.hue - hue);
            EXPECT_LE(std::min(dh, 360 - dh), 3) << hue << " " << sat;
            EXPECT_NEAR(back.saturation, sat, 6) << hue << " " << sat;
        }
}

TEST(ValueStrip, RowsMarkersAndClicks) {
    const Rect strip{449, 19, 469, 220};
    EXPECT_EQ(stripValue(strip, strip.bottom), 0);
    EXPECT_EQ(stripValue(strip, strip.top), 255);
    EXPECT_EQ(stripValue(strip, strip.top - 40), 255);
    EXPECT_EQ(stripMarker(strip, 0), (Rect{447, 216, 471, 224}));

    const auto rows = stripColours(strip.height(), 0, 255);
    EXPECT_EQ(rows.front(), (RgbTriple{253, 0, 0})); // brightest at the top
    EXPECT_EQ(rows.back(), (RgbTriple{0, 0, 0}));
    // A click on a row's marker reads back that row's value, give or take a step.
    for (int v = 0; v < 256; v += 17) {
        const Rect m = stripMarker(strip, v);
        EXPECT_NEAR(stripValue(strip, (m.top + m.bottom) / 2), v, 2) << v;
    }
}
