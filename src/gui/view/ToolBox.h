#pragma once

#include <QWidget>

#include <vector>

class QAction;
class QGridLayout;
class QToolButton;

namespace kadro::gui {

// The floating box of drawing-tool buttons ("绘图工具"): a small tool window of its own that
// never docks, laid out in rows of `columns` buttons.
class ToolBox : public QWidget {
    Q_OBJECT
public:
    static constexpr int windowId = 61458;

    ToolBox(const std::vector<QAction*>& tools, QWidget* parent);

    void setColumns(int columns);
    int columns() const { return columns_; }
    // Row and column of a button, as laid out.
    QPoint buttonCell(int index) const;

private:
    QGridLayout* grid_;
    std::vector<QToolButton*> buttons_;
    int columns_ = 1;
};

} // namespace kadro::gui
