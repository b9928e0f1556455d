#include "Command.h"

#include <filesystem>
#include <iostream>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

// Modules and data files lie beside the program, wherever it was started from.
std::string programDirectory(const char* argv0) {
    std::error_code ec;
    auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        self = std::filesystem::absolute(argv0, ec);
    return self.parent_path().string();
}

int printHelp(std::ostream& out) {
    out << "kadro-cli: picture to VT03 console data\n\nusage: kadro-cli COMMAND [ARGS]\n\n";
    for (const auto& c : kadro::cli::commands())
        out << "  " << c.usage << "\n      " << c.summary << '\n';
    return 0;
}

} // namespace

int main(int argc, char** argv) {
#if defined(__GLIBC__)
    // A run is short: memory it frees is kept for the next picture of a batch instead of being
    // handed back and faulted in again for every frame.
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
#endif
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty())
        return printHelp(std::cerr), kadro::cli::exitUsage;
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help")
        return printHelp(std::cout);
    for (const auto& command : kadro::cli::commands()) {
        if (command.name == args[0]) {
            kadro::cli::Context context{programDirectory(argv[0]), {}};
            return command.run(context, std::span(args).subspan(1));
        }
    }
    std::cerr << "kadro-cli: unknown command '" << args[0] << "' (kadro-cli --help lists them)\n";
    return kadro::cli::exitUsage;
}
