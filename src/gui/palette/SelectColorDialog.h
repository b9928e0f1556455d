#pragma once

#include "common/Colour.h"

#include <QDialog>

#include <optional>
#include <vector>

class QLabel;

namespace kadro::gui {

class ColourSwatch;
class UsedColourGrid;

// Picks one of the picture's used colours; the caller reads currentColour() after OK.
class SelectColorDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int resourceId = 146;

    SelectColorDialog(std::vector<Colour> usedColours, Colour current, QWidget* parent = nullptr);
    Colour currentColour() const { return current_; }
    UsedColourGrid* grid() const { return grid_; }

private:
    void choose(Colour colour);

    Colour current_;
    UsedColourGrid* grid_;
    ColourSwatch* swatch_;
    QLabel* values_;
};

// The used colours as cells on a grey area; a click picks, a double-click picks and confirms.
class UsedColourGrid : public QWidget {
    Q_OBJECT
public:
    UsedColourGrid(std::vector<Colour> colours, QWidget* parent);
    std::vector<QRect> cells() const;

Q_SIGNALS:
    void picked(kadro::Colour colour);
    void confirmed(kadro::Colour colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QRect greyArea() const { return rect().adjusted(2, 2, -2, -2); }
    std::optional<int> cellAt(const QPoint& point) const;

    std::vector<Colour> colours_;
};

// "R=%d\nG=%d\nB=%d" of a colour.
QString channelText(Colour colour);

} // namespace kadro::gui
