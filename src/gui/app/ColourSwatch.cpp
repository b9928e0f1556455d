#include "app/ColourSwatch.h"

#include <QMouseEvent>
#include <QPainter>

namespace kadro::gui {

ColourSwatch::ColourSwatch(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setMinimumSize(20, 16);
}

void ColourSwatch::setColour(std::optional<Colour> colour) {
    if (colour_ == colour)
        return;
    colour_ = colour;
    update();
}

void ColourSwatch::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    if (colour_)
        painter.fillRect(fillRect(), toQColor(*colour_));
    else
        painter.fillRect(fillRect(), QBrush(Qt::black, Qt::DiagCrossPattern));
}

void ColourSwatch::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && fillRect().contains(event->position().toPoint())) {
        Q_EMIT clicked();
        return;
    }
    QFrame::mousePressEvent(event);
}

} // namespace kadro::gui
