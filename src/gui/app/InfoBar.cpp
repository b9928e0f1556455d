#include "app/InfoBar.h"

#include "app/ColourCells.h"
#include "app/ColourSwatch.h"
#include "app/Language.h"
#include "app/Prompts.h"
#include "view/ViewMessage.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <qdrawutil.h>

#include <algorithm>

namespace kadro::gui {

namespace {

constexpr std::array<const char*, 6> readoutLabels{"R", "G", "B", "I", "X", "Y"};
const QString noReadout = QStringLiteral("...");
// The widest readout: a picture coordinate of five digits.
const QString widestReadout = QStringLiteral("99999");
// The longest line the information texts usually hold; the panel is never narrower, so the bar
// keeps its width from one picture to the next.
const QString widestInformation = QStringLiteral("compress mode:No Compress");
constexpr int minimumCellRows = 4;

void etched(QPainter& painter, const QRect& r, const QPalette& palette) {
    qDrawShadeRect(&painter, r, palette, true, 1);
}

// The grey area of the used colours. As tall as the rows of cells its width gives, so a short
// window scrolls the bar rather than hiding colours; the bar paints it and takes its clicks.
class CellArea : public QWidget {
public:
    CellArea(const std::vector<Colour>& colours, QWidget* parent)
        : QWidget(parent), colours_(colours) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override {
        const int count = static_cast<int>(colours_.size());
        const auto cells = ColourCells::infoBarLayout(QRect(0, 0, width, 1), count);
        const int rows = cells.empty() ? 0 : cells.back().bottom() + 1;
        return std::max(rows, minimumCellRows * ColourCells::pitch) + 4;
    }
    QSize sizeHint() const override { return {minimumWidth(), heightForWidth(minimumWidth())}; }
    QSize minimumSizeHint() const override { return sizeHint(); }

private:
    const std::vector<Colour>& colours_;
};

} // namespace

InfoBar::InfoBar(const std::vector<Colour>& usedColours, QObject* pictureView, QWidget* parent)
    : QWidget(parent), usedColours_(usedColours), view_(pictureView), swatchArea_(placeholder()),
      cellArea_(new CellArea(usedColours, this)) {
    auto* left = new QVBoxLayout;
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(swatchArea_, 0, Qt::AlignLeft);
    left->addWidget(createReadout());
    left->addStretch();
    auto* top = new QHBoxLayout;
    top->setContentsMargins(0, 0, 0, 0);
    top->addLayout(left);
    top->addWidget(createInformation(), 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(cellArea_, 1);
    applySizes();

    flashTimer_.setInterval(flashPeriodMs);
    connect(&flashTimer_, &QTimer::timeout, this, &InfoBar::flashTick);
}

void InfoBar::flashTick() {
    if (!flashing())
        return;
    ViewMessageEvent toggle(ViewMessage::FlashToggle);
    QCoreApplication::sendEvent(view_, &toggle);
}

QWidget* InfoBar::placeholder() {
    auto* area = new QWidget(this);
    area->setAttribute(Qt::WA_TransparentForMouseEvents);
    return area;
}

QWidget* InfoBar::createReadout() {
    auto* box = new QGroupBox(this);
    auto* grid = new QGridLayout(box);
    for (std::size_t i = 0; i < readoutLabels.size(); ++i) {
        const int row = static_cast<int>(i);
        grid->addWidget(new QLabel(QString::fromLatin1(readoutLabels[i]), box), row, 0);
        readoutTexts_[i] = new QLabel(noReadout, box);
        grid->addWidget(readoutTexts_[i], row, 1);
    }
    readoutSwatch_ = new ColourSwatch(box);
    readoutSwatch_->setObjectName(QStringLiteral("readoutSwatch"));
    readoutSwatch_->setFrameStyle(QFrame::Box | QFrame::Sunken);
    readoutSwatch_->setAttribute(Qt::WA_TransparentForMouseEvents);
    grid->addWidget(readoutSwatch_, static_cast<int>(readoutLabels.size()), 0, 1, 2);
    return box;
}

QWidget* InfoBar::createInformation() {
    auto* box = new QGroupBox(tr("Information"), this);
    information_ = new QLabel(box);
    information_->setObjectName(QStringLiteral("informationPanel"));
    information_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Lines break only where the text has them: a wrapped "compress mode:No Compress" would
    // push the last lines out of the box.
    information_->setWordWrap(false);
    information_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(information_);
    layout->addStretch();
    return box;
}

// Dialog units of the bar's own font: a quarter of its average character width across and an
// eighth of its line height down, so the bar grows with a larger font.
QSize InfoBar::du(int x, int y) const {
    const QFontMetrics metrics(font());
    static const QString alphabet =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int base = (metrics.horizontalAdvance(alphabet) / 26 + 1) / 2;
    return {x * base / 4, y * metrics.height() / 8};
}

void InfoBar::applySizes() {
    const QSize margin = du(3, 4);
    layout()->setContentsMargins(margin.width(), margin.height(), margin.width(), margin.height());
    layout()->setSpacing(margin.width());
    swatchArea_->setFixedSize(du(33, 26));
    readoutSwatch_->setFixedSize(du(24, 14));
    const int readoutWidth = QFontMetrics(font()).horizontalAdvance(widestReadout);
    for (QLabel* text : readoutTexts_)
        text->setMinimumWidth(readoutWidth);
    information_->setMinimumWidth(QFontMetrics(font()).horizontalAdvance(widestInformation));
    cellArea_->setMinimumWidth(du(108, 0).width());
    cellArea_->updateGeometry();
    settleLayout();
}

void InfoBar::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        applySizes();
}

void InfoBar::usedColoursChanged() {
    cellArea_->updateGeometry();
    update();
}

QRect InfoBar::primarySwatchRect() const {
    return {swatchArea_->pos() + QPoint(du(4, 3).width(), du(4, 3).height()), du(19, 15)};
}
QRect InfoBar::secondarySwatchRect() const {
    return {swatchArea_->pos() + QPoint(du(10, 7).width(), du(10, 7).height()), du(19, 15)};
}
QRect InfoBar::cellAreaRect() const {
    return cellArea_->geometry();
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
    informationText_ = text;
    // Every line of the texts ends with "\n"; the last one would only add an empty line.
    // Each line is a figure of the core ("width:256"), translated as its own message.
    QStringList lines =
        (text.endsWith(QLatin1Char('\n')) ? text.chopped(1) : text).split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = trCore(line.toStdString());
    information_->setText(lines.join(QLatin1Char('\n')));
    settleLayout();
}

// Lays out the boxes now rather than at the next turn of the event loop, so the bar's size hints
// already count a new text or font when the window asks for them.
void InfoBar::settleLayout() {
    ensurePolished();
    for (const QWidget* box : findChildren<QGroupBox*>())
        box->layout()->activate();
    layout()->activate();
}
QString InfoBar::information() const {
    return informationText_;
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
    readoutSwatch_->setColour(readout ? std::optional<Colour>(readout->colour) : std::nullopt);
}

QString InfoBar::readoutText(int field) const {
    return readoutTexts_[static_cast<std::size_t>(field)]->text();
}

void InfoBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    etched(painter, swatchArea_->geometry(), palette());
    painter.setPen(Qt::black);
    const QRect back = secondarySwatchRect();
    const QRect front = primarySwatchRect();
    painter.fillRect(back, toQColor(secondary_));
    painter.drawRect(back.adjusted(0, 0, -1, -1));
    painter.fillRect(front, toQColor(primary_));
    painter.drawRect(front.adjusted(0, 0, -1, -1));

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
