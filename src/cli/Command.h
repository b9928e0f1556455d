#pragma once

#include "CliUserInterface.h"
#include "CommandLine.h"

#include <span>
#include <string>
#include <string_view>

namespace kadro::cli {

// What every command gets: the folder of the program (modules and data files are found from
// there) and the person.
struct Context {
    std::string programDirectory;
    CliUserInterface ui;
};

// A command defines its options on the command line, parses it, then does its work.
using CommandFunction = int (*)(Context&, CommandLine&);

struct Command {
    std::string_view name;
    std::string_view usage;   // the short usage line after "kadro-cli "
    std::string_view summary; // one line for the program's help
    CommandFunction run;
};

std::span<const Command> commands();
const Command* findCommand(std::string_view name);

// Exit codes: 0 done, 1 the work failed, 2 the command line was wrong.
inline constexpr int exitOk = 0;
inline constexpr int exitFailed = 1;
inline constexpr int exitUsage = 2;

// Prints "kadro-cli: <text>" on stderr and returns exitFailed.
int fail(std::string_view text);

} // namespace kadro::cli
