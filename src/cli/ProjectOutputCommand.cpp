#include "Command.h"
#include "Options.h"

#include "project/ProjectFile.h"
#include "project/ProjectOutput.h"

#include <iostream>

namespace kadro::cli {

int runProjectOutput(Context& context, std::span<const std::string> args) {
    Options options({}, {});
    if (auto error = options.parse(args); !error.empty())
        return usageError("project-output", error);
    if (options.positional().size() != 1)
        return usageError("project-output", "expected one project file");
    const std::string& path = options.positional()[0];
    ProjectModel model;
    if (readProjectFile(model, path, context.ui) == 0)
        return exitFailed;
    model.projectPath = path;

    const auto report =
        writeProjectOutput(model.records(), projectOutputDirectory(path), context.ui);
    for (const auto& file : report.files)
        std::cout << "wrote " << file << '\n';
    if (!report.written)
        return fail("project output not written");
    std::cout << report.blocks << " pattern block(s) of 2 KB\n";
    if (!report.skipped.empty())
        return fail(std::to_string(report.skipped.size()) +
                    " item(s) skipped; the output lacks them");
    return exitOk;
}

} // namespace kadro::cli
