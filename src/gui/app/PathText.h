#pragma once

#include <QString>

namespace kadro::gui {

// The core's path pieces for the dialogs' texts.
QString pathStem(const QString& path);
// The extension of the file name, lower-cased; empty when it has none.
QString pathExtension(const QString& path);

} // namespace kadro::gui
