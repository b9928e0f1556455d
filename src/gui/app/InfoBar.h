#pragma once

#include "common/Colour.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class QLabel;

namespace kadro::gui {

// What the readout shows for the pixel under the mouse.
struct PixelReadout {
    Colour colour = 0;
    int x = 0;
    int y = 0;
};

// The information bar at the right edge: the two drawing colours, the readout of the pixel under
// the mouse, the picture's used colours as cells, and the document's figures. Clicking a cell
// replaces that colour in the picture; holding the right button on one flashes its pixels.
class InfoBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int barId = 135;
    static constexpr int flashPeriodMs = 100;

    // usedColours: the picture's list, read at every paint and click. pictureView: where the
    // flash and replace messages go.
    InfoBar(const std::vector<Colour>& usedColours, QObject* pictureView,
            QWidget* parent = nullptr);

    Colour primaryColour() const { return primary_; }
    Colour secondaryColour() const { return secondary_; }
    void setPrimaryColour(Colour colour);
    void setSecondaryColour(Colour colour);
    bool flashing() const { return flashTimer_.isActive(); }

    void setInformation(const QString& text);
    QString information() const;
    // Nothing when the mouse is not over the picture: the texts show "..." and the swatch a hatch.
    void showReadout(std::optional<PixelReadout> readout);
    QString readoutText(int field) const;

    // Rectangles of the parts, in bar coordinates.
    static QRect primarySwatchRect();
    static QRect secondarySwatchRect();
    static QRect cellAreaRect();
    std::vector<QRect> cellRects() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void editColour(Colour& colour);
    void replaceCellColour(int cell);
    void beginFlash(int cell);
    void endFlash();

    const std::vector<Colour>& usedColours_;
    QObject* view_;
    Colour primary_ = 0x000000;
    Colour secondary_ = 0xFFFFFF;
    int flashIndex_ = 0;
    QTimer flashTimer_;
    std::optional<PixelReadout> readout_;
    std::array<QLabel*, 6> readoutTexts_{};
    QLabel* information_;
};

} // namespace kadro::gui
