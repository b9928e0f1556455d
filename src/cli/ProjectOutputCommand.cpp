#include "Command.h"
#include "Text.h"

#include "project/ProjectFile.h"
#include "project/ProjectOutput.h"

#include <iostream>

namespace kadro::cli {

int runProjectOutput(Context& context, CommandLine& line) {
    std::string path;
    bool quiet = false;
    line.argument("PROJECT.prg", path, tr("the project file"));
    line.quietFlag(quiet);
    if (auto exit = line.parse())
        return *exit;
    ProjectModel model;
    if (readProjectFile(model, path, context.ui) == 0)
        return exitFailed;
    model.projectPath = path;

    context.ui.showProgress(!quiet);
    const auto report =
        writeProjectOutput(model.records(), projectOutputDirectory(path), context.ui);
    for (const auto& file : report.files)
        std::cout << "wrote " << file << '\n';
    if (!report.written)
        return fail(tr("project output not written"));
    std::cout << report.blocks << " pattern block(s) of 2 KB\n";
    if (!report.skipped.empty())
        return fail(tr("%1 item(s) skipped; the output lacks them",
                       {std::to_string(report.skipped.size())}));
    return exitOk;
}

} // namespace kadro::cli
