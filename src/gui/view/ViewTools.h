#pragma once

#include "app/InfoBar.h"
#include "app/ZoomModel.h"

#include <QCursor>
#include <QPoint>

#include <memory>
#include <optional>

namespace kadro::gui {

// What a drawing tool may do to the picture view; the view implements it. Points are client
// positions in the view.
class ToolEnvironment {
public:
    virtual ~ToolEnvironment() = default;
    virtual std::optional<PixelReadout> pictureAt(QPoint client) const = 0;
    virtual void paintPixel(int x, int y, Colour colour) = 0;
    virtual Colour primaryColour() const = 0;
    virtual void pickColour(bool primary, Colour colour) = 0;
    virtual void zoomStep(bool in) = 0;
    // The rubber band: drawn while it is dragged; finishing maps it to the picture (ordered,
    // scrolled, clamped), nothing when it is empty.
    virtual void beginRubberBand(QPoint client) = 0;
    virtual void dragRubberBand(QPoint client) = 0;
    virtual std::optional<AreaRect> endRubberBand(QPoint client) = 0;
    virtual void cancelRubberBand() = 0;
    virtual void selectArea(const AreaRect& area) = 0;
    virtual void selectConversionArea(const AreaRect& area) = 0;
    virtual void beep() = 0;
};

// One drawing tool: what a button press, a drag and a release do.
class ViewTool {
public:
    virtual ~ViewTool() = default;
    virtual void press(ToolEnvironment&, Qt::MouseButton, QPoint) {}
    virtual void drag(ToolEnvironment&, QPoint) {}
    virtual void release(ToolEnvironment&, Qt::MouseButton, QPoint) {}
    virtual void cancel(ToolEnvironment&) {}
    virtual bool tracking() const { return false; }
};

// Tool indexes of the tool box.
namespace tool {
inline constexpr int eraser = 0;
inline constexpr int pen = 1;
inline constexpr int select = 2;
inline constexpr int eyeDrop = 7;
inline constexpr int magnify = 8;
inline constexpr int round = 10;
} // namespace tool

// The tool for a tool-box index; tools without behaviour do nothing.
std::unique_ptr<ViewTool> makeTool(int index);
// The drag that sets the conversion area while the Transformation dialog is open.
std::unique_ptr<ViewTool> makeConversionAreaTool();

} // namespace kadro::gui
