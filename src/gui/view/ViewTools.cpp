#include "view/ViewTools.h"

namespace kadro::gui {

namespace {

class PenTool : public ViewTool {
public:
    void press(ToolEnvironment& env, Qt::MouseButton button, QPoint at) override {
        if (button != Qt::LeftButton)
            return;
        if (auto pixel = env.pictureAt(at))
            env.paintPixel(pixel->x, pixel->y, env.primaryColour());
    }
};

class EyeDropTool : public ViewTool {
public:
    void press(ToolEnvironment& env, Qt::MouseButton button, QPoint at) override {
        if (button != Qt::LeftButton && button != Qt::RightButton)
            return;
        if (auto pixel = env.pictureAt(at))
            env.pickColour(button == Qt::LeftButton, pixel->colour);
    }
};

class MagnifyTool : public ViewTool {
public:
    void press(ToolEnvironment& env, Qt::MouseButton button, QPoint) override {
        if (button == Qt::LeftButton || button == Qt::RightButton)
            env.zoomStep(button == Qt::LeftButton);
    }
};

// A rubber band dragged with the left button; what the area is for is up to the subclass.
class RubberBandTool : public ViewTool {
public:
    void press(ToolEnvironment& env, Qt::MouseButton button, QPoint at) override {
        if (button != Qt::LeftButton)
            return;
        tracking_ = true;
        env.beginRubberBand(at);
    }
    void drag(ToolEnvironment& env, QPoint at) override {
        if (tracking_)
            env.dragRubberBand(at);
    }
    void release(ToolEnvironment& env, Qt::MouseButton button, QPoint at) override {
        if (!tracking_ || button != Qt::LeftButton)
            return;
        tracking_ = false;
        if (auto area = env.endRubberBand(at))
            chosen(env, *area);
        else
            env.beep();
    }
    void cancel(ToolEnvironment& env) override {
        if (!tracking_)
            return;
        tracking_ = false;
        env.cancelRubberBand();
        env.beep();
    }
    bool tracking() const override { return tracking_; }

protected:
    virtual void chosen(ToolEnvironment& env, const AreaRect& area) = 0;

private:
    bool tracking_ = false;
};

class SelectTool : public RubberBandTool {
    void chosen(ToolEnvironment& env, const AreaRect& area) override { env.selectArea(area); }
};

class ConversionAreaTool : public RubberBandTool {
    void chosen(ToolEnvironment& env, const AreaRect& area) override {
        env.selectConversionArea(area);
    }
};

} // namespace

std::unique_ptr<ViewTool> makeTool(int index) {
    switch (index) {
    case tool::pen:
        return std::make_unique<PenTool>();
    case tool::select:
        return std::make_unique<SelectTool>();
    case tool::eyeDrop:
        return std::make_unique<EyeDropTool>();
    case tool::magnify:
        return std::make_unique<MagnifyTool>();
    default:
        return std::make_unique<ViewTool>();
    }
}

std::unique_ptr<ViewTool> makeConversionAreaTool() {
    return std::make_unique<ConversionAreaTool>();
}

} // namespace kadro::gui
