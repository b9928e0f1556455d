#include "project/EntryPictures.h"

#include <QPainter>
#include <QPixmap>

#include <array>

namespace kadro::gui {

namespace {

const QColor ink(0x20, 0x20, 0x20);
const QColor paper(0xFF, 0xFF, 0xF4);
const QColor folder(0xF0, 0xC0, 0x30);
const QColor blue(0x1E, 0x5A, 0xC8);

void drawRoot(QPainter& p) {
    // A box of pictures: the project.
    p.setPen(ink);
    p.setBrush(QColor(0xB0, 0x70, 0x30));
    p.drawRect(1, 5, 13, 9);
    p.setBrush(QColor(0xD8, 0x98, 0x50));
    p.drawPolygon(QPolygon({QPoint(1, 5), QPoint(4, 1), QPoint(14, 1), QPoint(14, 5)}));
    p.fillRect(6, 8, 4, 2, paper);
}

void drawSection(QPainter& p) {
    // A binder with a coloured spine.
    p.setPen(ink);
    p.setBrush(paper);
    p.drawRect(3, 1, 11, 13);
    p.fillRect(1, 1, 3, 14, blue);
    p.drawLine(6, 5, 12, 5);
    p.drawLine(6, 8, 12, 8);
}

void drawGroup(QPainter& p) {
    p.setPen(ink);
    p.setBrush(folder.darker(115));
    p.drawRect(1, 3, 6, 3);
    p.setBrush(folder);
    p.drawRect(1, 5, 14, 9);
}

void drawItem(QPainter& p) {
    // A small picture: sky, hill and sun.
    p.setPen(ink);
    p.setBrush(QColor(0xA8, 0xD8, 0xF8));
    p.drawRect(1, 2, 14, 12);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0xA0, 0x40));
    p.drawPolygon(
        QPolygon({QPoint(2, 13), QPoint(7, 7), QPoint(11, 11), QPoint(14, 9), QPoint(14, 13)}));
    p.setBrush(folder);
    p.drawEllipse(10, 3, 3, 3);
}

void drawSubBlock(QPainter& p) {
    // A grid with one cell picked out.
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.setBrush(paper);
    p.drawRect(1, 1, 14, 14);
    for (int i = 1; i < 4; ++i) {
        p.drawLine(1 + i * 14 / 4 + 0, 1, 1 + i * 14 / 4, 15);
        p.drawLine(1, 1 + i * 14 / 4, 15, 1 + i * 14 / 4);
    }
    p.setPen(QPen(QColor(0xD0, 0x20, 0x20), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(5, 5, 7, 7);
}

QIcon paint(void (*drawing)(QPainter&)) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    drawing(painter);
    painter.end();
    return QIcon(pixmap);
}

} // namespace

QIcon entryPicture(EntryKind kind) {
    static const std::array<QIcon, 5> pictures = {paint(drawRoot), paint(drawSection),
                                                  paint(drawGroup), paint(drawItem),
                                                  paint(drawSubBlock)};
    const auto index = static_cast<std::size_t>(kind);
    return index < pictures.size() ? pictures[index] : QIcon();
}

} // namespace kadro::gui
