#include "app/Artwork.h"

#include "app/CommandIds.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>
#include <map>

namespace kadro::gui::artwork {

namespace {

using Drawing = std::function<void(QPainter&)>;

const QColor ink(0x20, 0x20, 0x20);
const QColor paper(0xFF, 0xFF, 0xF4);
const QColor blue(0x1E, 0x5A, 0xC8);
const QColor yellow(0xF0, 0xC0, 0x30);

QPixmap draw(QSize size, const Drawing& drawing, bool smooth = false) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, smooth);
    drawing(painter);
    return pixmap;
}

QIcon button(const Drawing& drawing, bool smooth = false) {
    return QIcon(draw(buttonSize, drawing, smooth));
}

void page(QPainter& p, int x, int y, int w, int h) {
    p.setPen(ink);
    p.setBrush(paper);
    p.drawRect(x, y, w, h);
}

void magnifier(QPainter& p, const QString& sign) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ink, 1.2));
    p.setBrush(QColor(0xD8, 0xEC, 0xFF));
    p.drawEllipse(QRectF(1.5, 1.5, 9, 9));
    p.setPen(QPen(QColor(0x80, 0x50, 0x20), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9.5, 9.5), QPointF(14, 13.5));
    p.setPen(QPen(ink, 1.2));
    p.drawLine(QPointF(3.5, 6), QPointF(8.5, 6));
    if (sign == QLatin1String("+"))
        p.drawLine(QPointF(6, 3.5), QPointF(6, 8.5));
}

void pencil(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath body;
    body.moveTo(3, 12);
    body.lineTo(11, 2);
    body.lineTo(14, 4.5);
    body.lineTo(6, 14);
    body.closeSubpath();
    p.setPen(QPen(ink, 1));
    p.setBrush(yellow);
    p.drawPath(body);
    p.setBrush(ink);
    p.drawPolygon(QPolygonF({QPointF(3, 12), QPointF(6, 14), QPointF(1.5, 14.5)}));
}

void eyedropper(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ink, 1));
    p.setBrush(QColor(0xB0, 0xD8, 0xF0));
    p.drawPolygon(
        QPolygonF({QPointF(2, 14), QPointF(3, 10), QPointF(9, 4), QPointF(11, 6), QPointF(5, 12)}));
    p.setBrush(ink);
    p.drawEllipse(QRectF(9.5, 1, 5, 5));
}

void copies(QPainter& p) {
    page(p, 1, 1, 8, 9);
    page(p, 6, 5, 8, 9);
}

const std::map<int, Drawing>& commandDrawings() {
    static const std::map<int, Drawing> drawings{
        {cmd::refresh,
         [](QPainter& p) {
             p.setRenderHint(QPainter::Antialiasing);
             p.setPen(QPen(QColor(0x20, 0x90, 0x30), 2));
             p.drawArc(QRectF(2.5, 2.5, 11, 10), 60 * 16, 290 * 16);
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(0x20, 0x90, 0x30));
             p.drawPolygon(QPolygonF({QPointF(10, 0), QPointF(15, 3.5), QPointF(10, 6.5)}));
         }},
        {cmd::fileOpen,
         [](QPainter& p) {
             p.setPen(ink);
             p.setBrush(yellow);
             p.drawRect(1, 4, 13, 9);
             p.setBrush(QColor(0xF8, 0xE0, 0x80));
             p.drawPolygon(QPolygon({QPoint(3, 7), QPoint(15, 7), QPoint(13, 13), QPoint(1, 13)}));
         }},
        {cmd::fileSave,
         [](QPainter& p) {
             p.setPen(ink);
             p.setBrush(blue);
             p.drawRect(1, 1, 13, 13);
             p.setBrush(Qt::white);
             p.drawRect(4, 1, 7, 5);
             p.setBrush(QColor(0xC0, 0xC0, 0xC0));
             p.drawRect(4, 9, 7, 5);
         }},
        {cmd::editCut,
         [](QPainter& p) {
             p.setRenderHint(QPainter::Antialiasing);
             p.setPen(QPen(ink, 1.2));
             p.drawLine(QPointF(4, 1), QPointF(10, 10));
             p.drawLine(QPointF(11, 1), QPointF(5, 10));
             p.drawEllipse(QRectF(1.5, 9.5, 4, 4));
             p.drawEllipse(QRectF(9.5, 9.5, 4, 4));
         }},
        {cmd::editCopy, copies},
        {cmd::editPaste,
         [](QPainter& p) {
             p.setPen(ink);
             p.setBrush(QColor(0xA0, 0x70, 0x40));
             p.drawRect(1, 2, 10, 12);
             p.setBrush(QColor(0xC0, 0xC0, 0xC0));
             p.drawRect(4, 1, 4, 2);
             page(p, 6, 6, 8, 8);
         }},
        {cmd::transform,
         [](QPainter& p) {
             // A picture turning into tiles.
             p.setPen(ink);
             const QColor colours[4] = {QColor(0xE0, 0x40, 0x40), QColor(0x40, 0xA0, 0x40), blue,
                                        yellow};
             for (int i = 0; i < 4; ++i) {
                 p.setBrush(colours[i]);
                 p.drawRect(1 + (i % 2) * 7, 1 + (i / 2) * 7, 6, 6);
             }
         }},
        {cmd::zoomNormal,
         [](QPainter& p) {
             p.setPen(ink);
             QFont font = p.font();
             font.setPixelSize(9);
             font.setBold(true);
             p.setFont(font);
             p.drawText(QRect(0, 0, 16, 15), Qt::AlignCenter, QStringLiteral("1:1"));
         }},
        {cmd::zoomInStep, [](QPainter& p) { magnifier(p, QStringLiteral("+")); }},
        {cmd::zoomOutStep, [](QPainter& p) { magnifier(p, QStringLiteral("-")); }},
        {cmd::displayGrid,
         [](QPainter& p) {
             p.setPen(QColor(0x60, 0x60, 0x60));
             p.setBrush(Qt::white);
             p.drawRect(1, 1, 13, 12);
             for (int x = 5; x < 14; x += 4)
                 p.drawLine(x, 1, x, 13);
             for (int y = 5; y < 13; y += 4)
                 p.drawLine(1, y, 14, y);
         }},
        {cmd::tvEffect,
         [](QPainter& p) {
             p.setPen(ink);
             p.setBrush(QColor(0x50, 0x50, 0x58));
             p.drawRoundedRect(1, 2, 13, 10, 2, 2);
             p.setBrush(QColor(0x60, 0xC0, 0xF0));
             p.drawRect(3, 4, 7, 6);
             p.drawLine(5, 12, 3, 14);
             p.drawLine(10, 12, 12, 14);
         }},
    };
    return drawings;
}

void shapeTool(QPainter& p, int tool) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ink, 1.2));
    switch (tool) {
    case 0: // eraser
        p.setBrush(QColor(0xF0, 0x90, 0xA0));
        p.drawPolygon(QPolygonF({QPointF(1, 10), QPointF(8, 3), QPointF(14, 8), QPointF(7, 14)}));
        break;
    case 3: // brush
        p.setBrush(QColor(0x80, 0x50, 0x20));
        p.drawLine(QPointF(13, 1), QPointF(6, 9));
        p.setBrush(blue);
        p.drawEllipse(QRectF(2, 8, 6, 6));
        break;
    case 4: // spray
        for (QPointF dot : {QPointF(3, 3), QPointF(7, 2), QPointF(11, 4), QPointF(4, 7),
                            QPointF(9, 7), QPointF(13, 9), QPointF(6, 11), QPointF(10, 12)})
            p.drawPoint(dot);
        break;
    case 5: // paint bucket
        p.setBrush(QColor(0xC0, 0xC0, 0xC0));
        p.drawRect(QRectF(3, 5, 8, 8));
        p.setBrush(blue);
        p.drawEllipse(QRectF(10, 9, 4, 5));
        break;
    case 6: // line
        p.drawLine(QPointF(2, 13), QPointF(13, 2));
        break;
    case 9: // rectangle
        p.drawRect(QRectF(2, 3, 11, 9));
        break;
    case 10: // round
        p.drawRoundedRect(QRectF(2, 3, 11, 9), 3, 3);
        break;
    case 11: // oval
        p.drawEllipse(QRectF(1.5, 3, 12, 9));
        break;
    }
}

} // namespace

QIcon commandIcon(int id) {
    const auto& drawings = commandDrawings();
    const auto found = drawings.find(id);
    return found == drawings.end() ? QIcon() : button(found->second);
}

QIcon toolIcon(int tool) {
    switch (tool) {
    case 1:
        return button(pencil);
    case 2:
        return button([](QPainter& p) {
            p.setPen(QPen(ink, 1, Qt::DotLine));
            p.drawRect(2, 2, 11, 10);
        });
    case 7:
        return button(eyedropper);
    case 8:
        return button([](QPainter& p) { magnifier(p, QStringLiteral("+")); });
    default:
        return button([tool](QPainter& p) { shapeTool(p, tool); }, true);
    }
}

QCursor toolCursor(int tool) {
    const QSize size(32, 32);
    switch (tool) {
    case 0:
        return QCursor(draw(size,
                            [](QPainter& p) {
                                p.scale(1.3, 1.3);
                                shapeTool(p, 0);
                            }),
                       3, 3);
    case 1:
        return QCursor(draw(size,
                            [](QPainter& p) {
                                // Mirrored so the point, the hot spot, is at the top left.
                                p.translate(3, 3);
                                p.scale(1.6, -1.6);
                                p.translate(-1.5, -14.5);
                                pencil(p);
                            }),
                       3, 3);
    case 2:
        return QCursor(draw(size,
                            [](QPainter& p) {
                                p.setPen(QPen(Qt::black, 1));
                                p.drawLine(15, 4, 15, 26);
                                p.drawLine(4, 15, 26, 15);
                                p.setPen(QPen(Qt::black, 1, Qt::DotLine));
                                p.drawRect(18, 18, 8, 8);
                            }),
                       15, 15);
    case 7:
        return QCursor(draw(size,
                            [](QPainter& p) {
                                p.translate(3, 28);
                                p.scale(1.6, 1.6);
                                p.translate(-2, -14);
                                eyedropper(p);
                            }),
                       3, 28);
    case 8:
        return QCursor(draw(size,
                            [](QPainter& p) {
                                p.setRenderHint(QPainter::Antialiasing);
                                p.setPen(QPen(ink, 1.5));
                                p.setBrush(QColor(0xE8, 0xF4, 0xFF, 0xC0));
                                p.drawEllipse(QRectF(2, 2, 13, 13));
                                p.drawLine(QPointF(8.5, 5), QPointF(8.5, 12));
                                p.drawLine(QPointF(5, 8.5), QPointF(12, 8.5));
                                p.setPen(QPen(ink, 3, Qt::SolidLine, Qt::RoundCap));
                                p.drawLine(QPointF(14, 14), QPointF(21, 21));
                            }),
                       8, 8);
    default:
        return QCursor(Qt::ArrowCursor);
    }
}

QIcon applicationIcon() {
    QIcon icon;
    for (int side : {16, 32, 48}) {
        icon.addPixmap(draw(QSize(side, side), [side](QPainter& p) {
            const int cell = side / 4;
            const QColor colours[4] = {QColor(0xE0, 0x40, 0x40), QColor(0x40, 0xA0, 0x40), blue,
                                       yellow};
            for (int y = 0; y < 4; ++y) {
                for (int x = 0; x < 4; ++x)
                    p.fillRect(x * cell, y * cell, cell - 1, cell - 1, colours[(x + y * 3) % 4]);
            }
        }));
    }
    return icon;
}

} // namespace kadro::gui::artwork
