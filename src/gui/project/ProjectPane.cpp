#include "project/ProjectPane.h"

namespace kadro::gui {

ProjectPane::ProjectPane(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("projectPane"));
    setHeaderHidden(true);
    setMinimumWidth(60);
}

} // namespace kadro::gui
