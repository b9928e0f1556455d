#include "Command.h"

#include <array>
#include <iostream>

namespace kadro::cli {

int runAdapt(Context&, std::span<const std::string>);
int runInfo(Context&, std::span<const std::string>);

namespace {
constexpr std::array commandTable{
    Command{"info", "info PICTURE", "format, size and colour count of a picture or document",
            runInfo},
    Command{"adapt", "adapt PICTURE [--mode hsl|rgb|nes] -o OUT.bmp",
            "reduce a picture's colours to those of one VT03 colour mode", runAdapt},
};
} // namespace

std::span<const Command> commands() { return commandTable; }

int fail(std::string_view text) {
    std::cerr << "kadro-cli: " << text << '\n';
    return exitFailed;
}

int usageError(std::string_view command, std::string_view reason) {
    for (const auto& c : commands())
        if (c.name == command)
            std::cerr << "kadro-cli " << command << ": " << reason << "\nusage: kadro-cli "
                      << c.usage << '\n';
    return exitUsage;
}

} // namespace kadro::cli
