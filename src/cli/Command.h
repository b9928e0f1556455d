#pragma once

#include "CliUserInterface.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kadro::cli {

// What every subcommand gets: the folder of the program (modules and data files lie there),
// the person, and its own arguments.
struct Context {
    std::string programDirectory;
    CliUserInterface ui;
};

using CommandFunction = int (*)(Context&, std::span<const std::string> args);

struct Command {
    std::string_view name;
    std::string_view usage;
    std::string_view summary;
    CommandFunction run;
};

std::span<const Command> commands();

// Exit codes: 0 done, 1 the work failed, 2 the command line was wrong.
inline constexpr int exitOk = 0;
inline constexpr int exitFailed = 1;
inline constexpr int exitUsage = 2;

// Prints "kadro-cli: <text>" on stderr and returns exitFailed.
int fail(std::string_view text);
// Prints the usage line of a command with a reason and returns exitUsage.
int usageError(std::string_view command, std::string_view reason);

} // namespace kadro::cli
