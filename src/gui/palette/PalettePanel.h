#pragma once

#include "palette/PaletteFile.h"

#include <QWidget>

#include <optional>

class QMenu;
class QAction;

namespace kadro::gui {

// The 16 palettes of 16 slots as a grid the person rearranges: drag a slot onto another to swap
// them, right-click a row for the line menu. It edits the table it is given, in place.
class PalettePanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int cellWidth = 21;
    static constexpr int cellHeight = 13;
    static constexpr int margin = 2;
    static constexpr int slotCount = 256;

    explicit PalettePanel(PaletteTable& table, QWidget* parent = nullptr);

    // Top-left pixel of the cell of a slot; the row labels beside the panel use it too.
    static QRect cellRect(int slot);
    static std::optional<int> slotAt(const QPoint& point);

    QMenu* lineMenu() const { return menu_; }
    int chosenLine() const { return line_; }
    bool lineHeld() const { return lineHeld_; }

    void clearLine(int line);
    void copyLine(int line);
    void cutLine(int line);
    void pasteLine(int line);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QAction* menuAction(const char* text, int id, void (PalettePanel::*operation)(int));
    void showLineMenu(int line, const QPoint& globalPosition);

    PaletteTable& table_;
    bool pending_ = false;
    int source_ = 0;
    PaletteSlot sourceSlot_{};
    int line_ = 0;
    std::array<PaletteSlot, 16> lineClipboard_{};
    bool lineHeld_ = false;
    QMenu* menu_;
    QAction* paste_ = nullptr;
};

} // namespace kadro::gui
