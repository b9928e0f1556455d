#include "app/PathText.h"

namespace kadro::gui {

namespace {
// Index of the last "." of the file name part, or -1.
qsizetype extensionDot(const QString& path) {
    const qsizetype slash =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot > slash ? dot : -1;
}
} // namespace

QString pathStem(const QString& path) {
    const qsizetype dot = extensionDot(path);
    return dot < 0 ? path : path.left(dot);
}

QString pathExtension(const QString& path) {
    const qsizetype dot = extensionDot(path);
    return dot < 0 ? QString() : path.mid(dot + 1).toLower();
}

} // namespace kadro::gui
