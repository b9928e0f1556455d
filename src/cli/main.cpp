#include "Command.h"
#include "Text.h"
#include "Version.h"

#include "Decoders.h"
#include "colour/ColorTables.h"
#include "picture/FormatModule.h"

#include <filesystem>
#include <iostream>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

using namespace kadro::cli;

// Modules and data files are found from the program's own folder, wherever it was started from.
std::string programDirectory(const char* argv0) {
    std::error_code ec;
    auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        self = std::filesystem::absolute(argv0, ec);
    return self.parent_path().string();
}

int printHelp(std::ostream& out) {
    out << tr("Usage: kadro-cli COMMAND [ARGUMENTS]") << '\n'
        << tr("Pictures to VT03 console data.") << "\n\n"
        << tr("Commands:") << '\n';
    for (const auto& c : commands())
        out << "  " << c.name << std::string(16 - c.name.size(), ' ')
            << wrapText(tr(c.summary), 18, 80) << '\n';
    out << '\n'
        << tr("Options:") << '\n'
        << "  -h, --help      " << tr("show this help and exit") << '\n'
        << "  -V, --version   " << tr("show the version and build and exit") << "\n\n"
        << tr("'kadro-cli COMMAND --help' shows the options of a command.") << '\n';
    return exitOk;
}

int unknownCommand(const std::string& word) {
    std::vector<std::string> names;
    for (const auto& c : commands())
        names.emplace_back(c.name);
    const bool option = word.starts_with("-");
    std::cerr << "kadro-cli: "
              << (option ? tr("unknown option '%1'", {word}) : tr("unknown command '%1'", {word}));
    if (const auto near = closestWord(word, names))
        std::cerr << tr(" (did you mean '%1'?)", {*near});
    std::cerr << '\n' << tr("'kadro-cli --help' lists the commands.") << '\n';
    return exitUsage;
}

int runCommand(const Command& command, std::span<const std::string> args, const char* argv0) {
    Context context{programDirectory(argv0), {}};
    CommandLine line(command, args);
    return command.run(context, line);
}

} // namespace

int main(int argc, char** argv) {
#if defined(__GLIBC__)
    // A run is short: memory it frees is kept for the next picture of a batch instead of being
    // handed back and faulted in again for every frame.
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
#endif
    // BMP and PNG, the pictures scripts feed most, are decoded here instead of through a module
    // opened for each run.
    kadro::FormatModuleLoader::provide(kadro::formatTypeNamed("BMP"), kadro::modules::bmpDecoder);
    kadro::FormatModuleLoader::provide(kadro::formatTypeNamed("PNG"), kadro::modules::pngDecoder);
    // A run is short: the colour table file is mapped, not copied.
    kadro::ColorTables::mapTableFiles(true);
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty())
        return printHelp(std::cerr), exitUsage;
    const std::string& first = args[0];
    if (first == "--help" || first == "-h")
        return printHelp(std::cout);
    if (first == "--version" || first == "-V")
        return std::cout << versionText() << '\n', exitOk;
    // "kadro-cli help convert" as git has it.
    if (first == "help" && args.size() == 1)
        return printHelp(std::cout);
    if (first == "help") {
        const Command* command = findCommand(args[1]);
        return command ? runCommand(*command, std::vector<std::string>{"--help"}, argv[0])
                       : unknownCommand(args[1]);
    }
    if (const Command* command = findCommand(first))
        return runCommand(*command, std::span(args).subspan(1), argv[0]);
    return unknownCommand(first);
}
