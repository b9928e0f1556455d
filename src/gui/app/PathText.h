#pragma once

#include <QString>

namespace kadro::gui {

// The path without the extension of its file name. A dot in a folder name is not an
// extension, and a file name without one keeps its whole name, so "dir.v2/logo" gives
// "dir.v2/logo" rather than "dir" or nothing.
QString pathStem(const QString& path);
// The extension of the file name, lower-cased; empty when it has none.
QString pathExtension(const QString& path);

} // namespace kadro::gui
