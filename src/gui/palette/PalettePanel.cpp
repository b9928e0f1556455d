#include "palette/PalettePanel.h"

#include "app/ColourSwatch.h"
#include "app/CommandIds.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace kadro::gui {

namespace {
constexpr int slotsPerLine = 16;

std::size_t index(int slot) {
    return static_cast<std::size_t>(slot);
}
} // namespace

PalettePanel::PalettePanel(PaletteTable& table, QWidget* parent)
    : QWidget(parent), table_(table), menu_(new QMenu(tr("Right Button"), this)) {
    const QRect last = cellRect(slotCount - 1);
    setFixedSize(last.right() + 1 + margin, last.bottom() + 1 + margin);
    menuAction(QT_TR_NOOP("Line clear"), cmd::lineClear, &PalettePanel::clearLine);
    menuAction(QT_TR_NOOP("Line cut"), cmd::lineCut, &PalettePanel::cutLine);
    menuAction(QT_TR_NOOP("Line Copy"), cmd::lineCopy, &PalettePanel::copyLine);
    paste_ = menuAction(QT_TR_NOOP("Line paste"), cmd::linePaste, &PalettePanel::pasteLine);
    paste_->setEnabled(false);
}

QAction* PalettePanel::menuAction(const char* text, int id, void (PalettePanel::*operation)(int)) {
    QAction* action = menu_->addAction(tr(text));
    action->setData(id);
    connect(action, &QAction::triggered, this, [this, operation] { (this->*operation)(line_); });
    return action;
}

QRect PalettePanel::cellRect(int slot) {
    const int row = slot / slotsPerLine;
    const int column = slot % slotsPerLine;
    return {margin + column * (cellWidth + 1), margin + row * (cellHeight + 1), cellWidth,
            cellHeight};
}

std::optional<int> PalettePanel::slotAt(const QPoint& point) {
    for (int slot = 0; slot < slotCount; ++slot) {
        if (cellRect(slot).contains(point))
            return slot;
    }
    return std::nullopt;
}

void PalettePanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The gaps between the cells show as thin grid lines.
    painter.fillRect(rect(), QColor(0xA0, 0xA0, 0xA0));
    for (int slot = 0; slot < slotCount; ++slot) {
        const PaletteSlot& s = table_[index(slot)];
        if (s.used != 0)
            painter.fillRect(cellRect(slot), toQColor(s.colour));
        else {
            painter.fillRect(cellRect(slot), Qt::white);
            painter.fillRect(cellRect(slot), QBrush(Qt::black, Qt::DiagCrossPattern));
        }
    }
}

void PalettePanel::mousePressEvent(QMouseEvent* event) {
    const auto slot = slotAt(event->position().toPoint());
    if (!slot)
        return QWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        source_ = *slot;
        sourceSlot_ = table_[index(*slot)];
        pending_ = true;
    } else if (event->button() == Qt::RightButton) {
        showLineMenu(*slot / slotsPerLine, event->globalPosition().toPoint());
    }
}

void PalettePanel::mouseReleaseEvent(QMouseEvent* event) {
    const auto slot = slotAt(event->position().toPoint());
    if (!slot || event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    if (pending_) {
        // The source takes the target's values and the target the source's as they were at
        // the press; dropping a slot on itself therefore changes nothing.
        table_[index(source_)] = table_[index(*slot)];
        table_[index(*slot)] = sourceSlot_;
    }
    pending_ = false;
    update();
}

void PalettePanel::showLineMenu(int line, const QPoint& globalPosition) {
    line_ = line;
    paste_->setEnabled(lineHeld_);
    activateWindow();
    menu_->popup(globalPosition);
}

void PalettePanel::clearLine(int line) {
    for (int i = 0; i < slotsPerLine; ++i)
        table_[index(line * slotsPerLine + i)].used = 0;
    update();
}

void PalettePanel::copyLine(int line) {
    for (int i = 0; i < slotsPerLine; ++i)
        lineClipboard_[index(i)] = table_[index(line * slotsPerLine + i)];
    lineHeld_ = true;
}

void PalettePanel::cutLine(int line) {
    copyLine(line);
    clearLine(line);
}

void PalettePanel::pasteLine(int line) {
    if (!lineHeld_)
        return;
    for (int i = 0; i < slotsPerLine; ++i)
        table_[index(line * slotsPerLine + i)] = lineClipboard_[index(i)];
    update();
}

} // namespace kadro::gui
