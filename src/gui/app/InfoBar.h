#pragma once

#include "common/Colour.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class QLabel;

namespace kadro::gui {

class ColourSwatch;

// What the readout shows for the pixel under the mouse.
struct PixelReadout {
    Colour colour = 0;
    int x = 0;
    int y = 0;
};

// The information bar at the right edge: the two drawing colours, the readout of the pixel under
// the mouse, the picture's used colours as cells, and the document's figures. Clicking a cell
// replaces that colour in the picture; holding the right button on one flashes its pixels.
// It is laid out in dialog units of its own font, and the information panel grows with its text,
// so every line shows whole whatever the font.
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
    // One tick of the flash timer: the flashing pixels turn to the other colour.
    void flashTick();

    void setInformation(const QString& text);
    QString information() const;
    // The panel that shows the information text, for a look at how it is laid out.
    const QLabel& informationPanel() const { return *information_; }
    // Nothing when the mouse is not over the picture: the texts show "..." and the swatch a hatch.
    void showReadout(std::optional<PixelReadout> readout);
    QString readoutText(int field) const;
    // The used colours changed, perhaps in number: the cell area takes the rows they need.
    void usedColoursChanged();

    // Rectangles of the parts, in bar coordinates.
    QRect primarySwatchRect() const;
    QRect secondarySwatchRect() const;
    QRect cellAreaRect() const;
    std::vector<QRect> cellRects() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QSize du(int x, int y) const;
    QWidget* placeholder();
    QWidget* createReadout();
    QWidget* createInformation();
    void applySizes();
    void settleLayout();
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
    // Areas the bar paints itself and takes the clicks of; their place comes from the layout.
    QWidget* swatchArea_;
    QWidget* cellArea_;
    ColourSwatch* readoutSwatch_ = nullptr;
    std::array<QLabel*, 6> readoutTexts_{};
    QLabel* information_ = nullptr;
    QString informationText_;
};

} // namespace kadro::gui
