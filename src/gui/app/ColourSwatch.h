#pragma once

#include "common/Colour.h"

#include <QColor>
#include <QFrame>

#include <optional>

namespace kadro::gui {

inline QColor toQColor(Colour c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}
inline Colour fromQColor(const QColor& c) {
    return makeColour(c.red(), c.green(), c.blue());
}

// A sunken frame filled with one colour, inset 2 pixels; without a colour it shows a black
// diagonal cross-hatch. Clicking it inside the fill reports clicked().
class ColourSwatch : public QFrame {
    Q_OBJECT
public:
    explicit ColourSwatch(QWidget* parent = nullptr);

    void setColour(std::optional<Colour> colour);
    std::optional<Colour> colour() const { return colour_; }
    QRect fillRect() const { return rect().adjusted(2, 2, -2, -2); }

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::optional<Colour> colour_;
};

} // namespace kadro::gui
