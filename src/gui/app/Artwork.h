#pragma once

#include <QCursor>
#include <QIcon>

namespace kadro::gui {

// The program's own pictures, drawn with QPainter so no image files are needed: the main tool
// bar's buttons, the tool box's twelve tools and the picture view's cursors.
namespace artwork {

inline constexpr QSize buttonSize{16, 15};

// The tool-bar image of a command id, or a null icon when it has none.
QIcon commandIcon(int id);
// The tool box image of tool index 0..11.
QIcon toolIcon(int tool);
// The view's cursor for tool index 0..11; the arrow for tools without their own.
QCursor toolCursor(int tool);
// The application icon.
QIcon applicationIcon();

} // namespace artwork

} // namespace kadro::gui
