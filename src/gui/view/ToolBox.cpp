#include "view/ToolBox.h"

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QToolButton>

#include <algorithm>

namespace kadro::gui {

ToolBox::ToolBox(const std::vector<QAction*>& tools, QWidget* parent)
    : QWidget(parent,
              Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      grid_(new QGridLayout(this)) {
    setWindowTitle(tr("绘图工具"));
    grid_->setContentsMargins(5, 5, 5, 5);
    grid_->setSpacing(1);
    for (QAction* tool : tools) {
        auto* button = new QToolButton(this);
        button->setDefaultAction(tool);
        button->setAutoRaise(true);
        button->setIconSize(QSize(16, 15));
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        buttons_.push_back(button);
    }
    setColumns(1);
}

void ToolBox::setColumns(int columns) {
    columns_ = std::max(1, columns);
    for (QToolButton* button : buttons_)
        grid_->removeWidget(button);
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const int index = static_cast<int>(i);
        grid_->addWidget(buttons_[i], index / columns_, index % columns_);
    }
    // Two columns of buttons are narrower than a title bar needs for its icon, the title (often
    // drawn bold) and its buttons; the buttons share the wider box.
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    const QFontMetrics title(titleFont);
    const QSize buttons = grid_->sizeHint();
    setFixedSize(
        std::max(buttons.width(), title.horizontalAdvance(windowTitle()) + 8 * title.height() + 16),
        buttons.height());
}

QPoint ToolBox::buttonCell(int index) const {
    int row = 0;
    int column = 0;
    int rowSpan = 0;
    int columnSpan = 0;
    grid_->getItemPosition(grid_->indexOf(buttons_[static_cast<std::size_t>(index)]), &row, &column,
                           &rowSpan, &columnSpan);
    return {column, row};
}

} // namespace kadro::gui
