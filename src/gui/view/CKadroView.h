#pragma once

#include "app/InfoBar.h"
#include "app/ZoomModel.h"
#include "view/UsedColourEdits.h"
#include "view/ViewTools.h"

#include <QAbstractScrollArea>
#include <QImage>

#include <memory>
#include <optional>
#include <vector>

class QAction;

namespace kadro {
class Picture;
}

namespace kadro::gui {

// What the picture view needs from the windows around it.
class ViewHost {
public:
    virtual ~ViewHost() = default;
    virtual int currentTool() const = 0;
    virtual InfoBar& infoBar() = 0;
    // True while the Transformation dialog is open: drags then set the conversion area.
    virtual bool conversionAreaActive() const = 0;
    virtual void conversionAreaChanged(const AreaRect& area) = 0;
    virtual bool outputReady() const = 0;
    virtual void conversionFinished() = 0;
    virtual void tvEffect() = 0;
};

// The right-hand pane: the picture at one of 31 zoom levels, with the grid and the selection;
// the mouse acts through the tool chosen in the tool box.
class CKadroView : public QAbstractScrollArea, private ToolEnvironment {
    Q_OBJECT
public:
    CKadroView(Picture& picture, ViewHost& host, QWidget* parent = nullptr);
    ~CKadroView() override;

    const std::vector<QAction*>& zoomInActions() const { return zoomIn_; }
    const std::vector<QAction*>& zoomOutActions() const { return zoomOut_; }
    QAction* action(int id) const;
    void updateActions();

    const ZoomModel& zoom() const { return zoom_; }
    bool gridOn() const { return gridOn_; }
    // Runs a zoom command (a menu id), as the menus, the tool bar and other windows do.
    void applyZoom(int id);
    void stepIn();
    void stepOut();
    ViewPoint scrollPosition() const;
    ViewSize totalSize() const;
    // The part of the picture that shows, in screen coordinates; empty when none does.
    QRect pictureOnScreen() const;

    // The document changed: a new scroll area from the current level and a full repaint.
    void pictureChanged();
    // The pixels changed: repaint.
    void refreshPicture();
    // The picture pixel under the mouse pointer, for the information bar's readout.
    std::optional<PixelReadout> readoutUnderCursor() const;
    std::optional<PixelReadout> pictureAt(QPoint client) const override;
    // The flash list of the last flash begun; empty when none runs.
    std::size_t flashPixelCount() const { return flash_.size(); }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createActions();
    void updateScrollBars();
    void setToolCursor();
    ViewTool& toolFor(Qt::MouseButton button);
    const QImage& pictureImage();
    void paintPicture(QPainter& painter);
    void paintGrid(QPainter& painter, const ViewSize& total);
    void paintBand(QPainter& painter, const AreaRect& viewRect);
    bool handleMessage(QEvent* event);
    void runConversion();
    void editCell(QPoint client);

    // ToolEnvironment
    void paintPixel(int x, int y, Colour colour) override;
    Colour primaryColour() const override;
    void pickColour(bool primary, Colour colour) override;
    void zoomStep(bool in) override;
    void beginRubberBand(QPoint client) override;
    void dragRubberBand(QPoint client) override;
    std::optional<AreaRect> endRubberBand(QPoint client) override;
    void cancelRubberBand() override;
    void selectArea(const AreaRect& area) override;
    void selectConversionArea(const AreaRect& area) override;
    void beep() override;

    Picture& picture_;
    ViewHost& host_;
    ZoomModel zoom_;
    bool gridOn_ = false;
    std::vector<QAction*> zoomIn_;
    std::vector<QAction*> zoomOut_;
    std::vector<QAction*> others_;
    std::unique_ptr<ViewTool> tool_;
    int toolIndex_ = -1;
    std::unique_ptr<ViewTool> areaTool_;
    ViewTool* pressed_ = nullptr; // the tool that took the last press, until its release
    std::optional<std::pair<QPoint, QPoint>> band_;
    QImage image_;
    bool imageStale_ = true;
    FlashingPixels flash_;
};

} // namespace kadro::gui
