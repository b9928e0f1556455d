#include "app/PathText.h"

#include "common/Paths.h"

namespace kadro::gui {

QString pathStem(const QString& path) {
    return QString::fromStdString(paths::stem(path.toStdString()));
}

QString pathExtension(const QString& path) {
    return QString::fromStdString(paths::lowerExtension(path.toStdString()));
}

} // namespace kadro::gui
