#include "app/CHyperLink.h"

#include "app/Prompts.h"

#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QUrl>

namespace kadro::gui {

namespace {
const QColor linkColour(0x00, 0xFF, 0xFF);
const QColor focusColour(0x00, 0x80, 0x80);
const QColor visitedColour(0x80, 0x00, 0x80);
} // namespace

CHyperLink::CHyperLink(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    restyle();
}

void CHyperLink::setUrl(const QString& url) {
    url_ = url;
    if (text().isEmpty())
        setText(url);
    setToolTip(url_);
    restyle();
}

QColor CHyperLink::textColour() const {
    if (focused_)
        return focusColour;
    return visited_ ? visitedColour : linkColour;
}

void CHyperLink::restyle() {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, textColour());
    setPalette(p);
    setFixedSize(sizeHint());
    update();
}

void CHyperLink::openLink() {
    if (!QDesktopServices::openUrl(QUrl(url_))) {
        QApplication::beep();
        Prompts::message(this, tr("Can't open link:\n\n") +
                                   tr("No program on this desktop opens \"%1\".").arg(url_));
        return;
    }
    visited_ = true;
    restyle();
}

void CHyperLink::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        setFocus(Qt::MouseFocusReason);
        focused_ = true;
        restyle();
    }
    QLabel::mousePressEvent(event);
}

void CHyperLink::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && focused_)
        openLink();
    QLabel::mouseReleaseEvent(event);
}

void CHyperLink::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space)
        openLink();
    else
        QLabel::keyPressEvent(event);
}

void CHyperLink::focusInEvent(QFocusEvent* event) {
    focused_ = true;
    restyle();
    QLabel::focusInEvent(event);
}

void CHyperLink::focusOutEvent(QFocusEvent* event) {
    focused_ = false;
    restyle();
    QLabel::focusOutEvent(event);
}

} // namespace kadro::gui
