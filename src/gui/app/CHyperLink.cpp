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
const QColor hoverColour(0xFF, 0x00, 0x00);
} // namespace

CHyperLink::CHyperLink(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setFocusPolicy(Qt::TabFocus);
    restyle();
}

void CHyperLink::setUrl(const QString& url) {
    url_ = url;
    if (text().isEmpty())
        setText(url);
    setToolTip(url_);
    restyle();
}

void CHyperLink::setStyleFlags(unsigned flags) {
    style_ = flags;
    restyle();
}

QColor CHyperLink::textColour() const {
    if (mouseOver_ && (style_ & useHover))
        return hoverColour;
    if (!(style_ & ignoreFocus) && focused_)
        return focusColour;
    return visited_ ? visitedColour : linkColour;
}

void CHyperLink::restyle() {
    QFont f = font();
    f.setUnderline((style_ & underline) != 0);
    setFont(f);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, textColour());
    setPalette(p);
    if (style_ & noHandCursor)
        unsetCursor();
    else
        setCursor(Qt::PointingHandCursor);
    if (style_ & adjustToFit)
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
        if (style_ & focusOnClick)
            setFocus(Qt::MouseFocusReason);
        if (style_ & openOnPress)
            openLink();
        focused_ = true;
        restyle();
    }
    QLabel::mousePressEvent(event);
}

void CHyperLink::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && focused_ && !(style_ & openOnPress))
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
    mouseOver_ = false;
    focused_ = false;
    restyle();
    QLabel::focusOutEvent(event);
}

void CHyperLink::enterEvent(QEnterEvent* event) {
    mouseOver_ = true;
    restyle();
    QLabel::enterEvent(event);
}

void CHyperLink::leaveEvent(QEvent* event) {
    mouseOver_ = false;
    restyle();
    QLabel::leaveEvent(event);
}

} // namespace kadro::gui
