#include "app/InfoBar.h"

#include "app/ColourCells.h"
#include "app/ColourSwatch.h"
#include "app/Prompts.h"
#include "app/ViewMessage.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace kadro::gui {

namespace {

// The bar is laid out in dialog units of an 8-point dialog font; today's fonts run wider than
// the classic one, so a horizontal unit is 2 pixels rather than 1.5.
QRect du(int x, int y, int w, int h) {
    return {x * 2, y * 13 / 8, w * 2, h * 13 / 8};
}

const QRect swatchFrame = du(3, 8, 33, 26);
const QRect readoutSwatch = du(7, 85, 24, 14);
constexpr std::array<int, 6> readoutRows{39, 46, 53, 61, 69, 77};
constexpr std::array<const char*, 6> readoutLabels{"R", "G", "B", "I", "X", "Y"};
const QString noReadout = QStringLiteral("...");

void etched(QPainter& painter, const QRect& r, const QPalette& palette) {
    qDrawShadeRect(&painter, r, palette, true, 1);
}

} // namespace

InfoBar::InfoBar(const std::vector<Colour>& usedColours, QObject* pictureView, QWidget* parent)
    : QWidget(parent), usedColours_(usedColours), view_(pictureView),
      information_(new QLabel(this)) {
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    auto* readoutBox = new QGroupBox(this);
    readoutBox->setGeometry(du(3, 33, 33, 73));
    auto* informationBox = new QGroupBox(QStringLiteral("Information"), this);
    informationBox->setGeometry(du(39, 4, 70, 102));
    for (std::size_t i = 0; i < readoutRows.size(); ++i) {
        auto* label = new QLabel(QString::fromLatin1(readoutLabels[i]), this);
        label->setGeometry(du(9, readoutRows[i], 8, 8));
        readoutTexts_[i] = new QLabel(noReadout, this);
        readoutTexts_[i]->setGeometry(du(17, readoutRows[i], 18, 8));
    }
    information_->setObjectName(QStringLiteral("informationPanel"));
    information_->setGeometry(du(44, 14, 60, 87));
    information_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    information_->setWordWrap(true);
    information_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    flashTimer_.setInterval(flashPeriodMs);
    connect(&flashTimer_, &QTimer::timeout, this, [this] {
        ViewMessageEvent toggle(ViewMessage::FlashToggle);
        QCoreApplication::sendEvent(view_, &toggle);
    });
}

QSize InfoBar::sizeHint() const {
    return du(0, 0, 114, 407).size();
}

QRect InfoBar::primarySwatchRect() {
    return du(7, 11, 19, 15);
}
QRect InfoBar::secondarySwatchRect() {
    return du(13, 15, 19, 15);
}
QRect InfoBar::cellAreaRect() {
    return du(3, 110, 108, 280);
}

std::vector<QRect> InfoBar::cellRects() const {
    return ColourCells::infoBarLayout(cellAreaRect(), static_cast<int>(usedColours_.size()));
}

void InfoBar::setPrimaryColour(Colour colour) {
    primary_ = colour;
    update();
}

void InfoBar::setSecondaryColour(Colour colour) {
    secondary_ = colour;
    update();
}

void InfoBar::setInformation(const QString& text) {
    information_->setText(text);
}
QString InfoBar::information() const {
    return information_->text();
}

void InfoBar::showReadout(std::optional<PixelReadout> readout) {
    if (readout_.has_value() == readout.has_value() &&
        (!readout || (readout->colour == readout_->colour && readout->x == readout_->x &&
                      readout->y == readout_->y)))
        return;
    readout_ = readout;
    std::array<QString, 6> texts;
    texts.fill(noReadout);
    if (readout) {
        const int r = redOf(readout->colour);
        const int g = greenOf(readout->colour);
        const int b = blueOf(readout->colour);
        texts = {QString::number(r),          QString::number(g),
                 QString::number(b),          QString::number((r + g + b) / 3),
                 QString::number(readout->x), QString::number(readout->y)};
    }
    for (std::size_t i = 0; i < texts.size(); ++i)
        readoutTexts_[i]->setText(texts[i]);
    update(readoutSwatch);
}

QString InfoBar::readoutText(int field) const {
    return readoutTexts_[static_cast<std::size_t>(field)]->text();
}

void InfoBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    etched(painter, swatchFrame, palette());
    painter.setPen(Qt::black);
    const QRect back = secondarySwatchRect();
    const QRect front = primarySwatchRect();
    painter.fillRect(back, toQColor(secondary_));
    painter.drawRect(back.adjusted(0, 0, -1, -1));
    painter.fillRect(front, toQColor(primary_));
    painter.drawRect(front.adjusted(0, 0, -1, -1));

    etched(painter, readoutSwatch, palette());
    const QRect readoutFill = readoutSwatch.adjusted(2, 2, -2, -2);
    if (readout_)
        painter.fillRect(readoutFill, toQColor(readout_->colour));
    else
        painter.fillRect(readoutFill, QBrush(Qt::black, Qt::DiagCrossPattern));

    const QRect area = cellAreaRect();
    etched(painter, area, palette());
    painter.fillRect(area.adjusted(2, 2, -2, -2), QColor(0xC0, 0xC0, 0xC0));
    const auto cells = cellRects();
    for (std::size_t i = 0; i < cells.size(); ++i)
        painter.fillRect(cells[i], toQColor(usedColours_[i]));
}

void InfoBar::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    const auto cell = ColourCells::hit(cellRects(), p);
    if (event->button() == Qt::LeftButton) {
        // The front swatch lies over the back one, so it is asked first.
        if (primarySwatchRect().contains(p))
            editColour(primary_);
        else if (secondarySwatchRect().contains(p))
            editColour(secondary_);
        else if (cell)
            replaceCellColour(*cell);
    } else if (event->button() == Qt::RightButton && cell) {
        beginFlash(*cell);
    }
    QWidget::mousePressEvent(event);
}

// Qt keeps sending the mouse to the widget that took the press, so the release arrives here
// wherever the mouse is by then.
void InfoBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton)
        endFlash();
    QWidget::mouseReleaseEvent(event);
}

void InfoBar::editColour(Colour& colour) {
    if (auto chosen = Prompts::pickColour(this, toQColor(colour))) {
        colour = fromQColor(*chosen);
        update();
    }
}

void InfoBar::replaceCellColour(int cell) {
    const auto chosen =
        Prompts::colour(this, toQColor(usedColours_[static_cast<std::size_t>(cell)]));
    if (!chosen)
        return;
    ViewMessageEvent replace(ViewMessage::ReplaceColour, cell, fromQColor(*chosen));
    QCoreApplication::sendEvent(view_, &replace);
    update();
}

void InfoBar::beginFlash(int cell) {
    if (flashing())
        return;
    flashIndex_ = cell;
    ViewMessageEvent begin(ViewMessage::FlashBegin, cell);
    QCoreApplication::sendEvent(view_, &begin);
    flashTimer_.start();
}

void InfoBar::endFlash() {
    if (!flashing())
        return;
    flashTimer_.stop();
    ViewMessageEvent end(ViewMessage::FlashEnd, flashIndex_);
    QCoreApplication::sendEvent(view_, &end);
}

} // namespace kadro::gui
