#include "project/QtFileChooser.h"

#include "app/Language.h"
#include "app/Prompts.h"

namespace kadro::gui {

std::optional<std::string> QtFileChooser::ask(const FileRequest& request) {
    gui::FilePrompt prompt;
    prompt.kind = request.mode == FileRequest::Mode::Open ? gui::FilePrompt::Kind::Open
                                                          : gui::FilePrompt::Kind::Save;
    prompt.filter = trCore(request.filter);
    prompt.defaultSuffix = QString::fromStdString(request.defaultExtension);
    prompt.initialPath = QString::fromStdString(request.initialName);
    const auto answer = Prompts::file(parent_, prompt);
    if (!answer)
        return std::nullopt;
    return answer->path.toStdString();
}

} // namespace kadro::gui
