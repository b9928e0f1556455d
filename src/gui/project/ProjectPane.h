#pragma once

#include <QTreeWidget>

namespace kadro::gui {

// The left-hand pane where the project tree lives; it shows an empty tree until projects are
// part of the desktop program.
class ProjectPane : public QTreeWidget {
    Q_OBJECT
public:
    explicit ProjectPane(QWidget* parent = nullptr);
};

} // namespace kadro::gui
