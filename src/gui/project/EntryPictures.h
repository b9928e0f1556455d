#pragma once

#include "project/ProjectRecord.h"

#include <QIcon>

namespace kadro::gui {

// The project tree's 16x16 picture of each entry kind, drawn with QPainter.
QIcon entryPicture(EntryKind kind);

} // namespace kadro::gui
