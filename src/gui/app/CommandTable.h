#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

class QAction;
class QObject;

namespace kadro::gui {

// One command as the menus, tool bars and accelerators know it: its id, its menu text (the part
// after a tab is the shortcut shown), its keys, and its prompt (status-bar text, then the tool
// tip after a newline), in the system's own words; promptNumber fills the prompt's %1 when set.
struct CommandInfo {
    int id = 0;
    QString text;
    QList<QKeySequence> keys;
    QString prompt;
    int promptNumber = 0;
};

class CommandTable {
public:
    static const CommandInfo* find(int id);
    // A QAction for the command, owned by `owner`, with its id in data(). Unknown ids get an
    // action without text.
    static QAction* makeAction(int id, QObject* owner);
    static int idOf(const QAction* action);
};

} // namespace kadro::gui
