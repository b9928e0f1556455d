#pragma once

#include "project/ProjectCommands.h"

class QWidget;

namespace kadro::gui {

// The project commands' file questions, asked with the desktop program's file dialogs.
class QtFileChooser : public kadro::FileChooser {
public:
    explicit QtFileChooser(QWidget* parent) : parent_(parent) {}
    std::optional<std::string> ask(const FileRequest& request) override;

private:
    QWidget* parent_;
};

} // namespace kadro::gui
