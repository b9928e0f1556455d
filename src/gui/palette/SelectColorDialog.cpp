#include "palette/SelectColorDialog.h"

#include "app/ColourCells.h"
#include "app/ColourSwatch.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <qdrawutil.h>

namespace kadro::gui {

QString channelText(Colour colour) {
    return QStringLiteral("R=%1\nG=%2\nB=%3")
        .arg(redOf(colour))
        .arg(greenOf(colour))
        .arg(blueOf(colour));
}

UsedColourGrid::UsedColourGrid(std::vector<Colour> colours, QWidget* parent)
    : QWidget(parent), colours_(std::move(colours)) {
    // 226 x 88 dialog units.
    setFixedSize(339, 143);
}

std::vector<QRect> UsedColourGrid::cells() const {
    return ColourCells::selectColourLayout(greyArea(), static_cast<int>(colours_.size()));
}

std::optional<int> UsedColourGrid::cellAt(const QPoint& point) const {
    return ColourCells::hit(cells(), point);
}

void UsedColourGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    qDrawShadePanel(&painter, rect(), palette(), true, 1);
    painter.fillRect(greyArea(), QColor(0xC0, 0xC0, 0xC0));
    const auto layout = cells();
    for (std::size_t i = 0; i < layout.size(); ++i)
        painter.fillRect(layout[i], toQColor(colours_[i]));
}

void UsedColourGrid::mousePressEvent(QMouseEvent* event) {
    if (auto i = cellAt(event->position().toPoint()); i && event->button() == Qt::LeftButton)
        Q_EMIT picked(colours_[static_cast<std::size_t>(*i)]);
}

void UsedColourGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    if (auto i = cellAt(event->position().toPoint()); i && event->button() == Qt::LeftButton)
        Q_EMIT confirmed(colours_[static_cast<std::size_t>(*i)]);
}

SelectColorDialog::SelectColorDialog(std::vector<Colour> usedColours, Colour current,
                                     QWidget* parent)
    : QDialog(parent), current_(current), grid_(new UsedColourGrid(std::move(usedColours), this)),
      swatch_(new ColourSwatch(this)), values_(new QLabel(this)) {
    setWindowTitle(tr("Select Color"));
    swatch_->setFixedSize(48, 40);
    values_->setObjectName(QStringLiteral("values"));
    auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
    buttons->addButton(tr("Ok"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* side = new QVBoxLayout;
    side->addWidget(swatch_);
    side->addWidget(values_);
    side->addStretch();
    side->addWidget(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(grid_);
    layout->addLayout(side);

    connect(grid_, &UsedColourGrid::picked, this, &SelectColorDialog::choose);
    connect(grid_, &UsedColourGrid::confirmed, this, [this](Colour colour) {
        choose(colour);
        accept();
    });
    choose(current_);
}

void SelectColorDialog::choose(Colour colour) {
    current_ = colour;
    swatch_->setColour(colour);
    values_->setText(channelText(colour));
}

} // namespace kadro::gui
