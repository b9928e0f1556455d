#pragma once

#include "Choices.h"

#include <CLI/CLI.hpp>

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kadro::cli {

struct Command;

// One command's arguments, read by CLI11 with the conventions of the GNU tools: options in any
// order, "--name value" or "--name=value", the last of a repeated option wins, "--" ends the
// options. Errors name the option and end with a hint; the help lists every option with its
// meaning and default.
class CommandLine {
public:
    CommandLine(const Command& command, std::span<const std::string> args);
    CommandLine(const CommandLine&) = delete;
    CommandLine& operator=(const CommandLine&) = delete;

    // A word the command needs, such as the picture to read.
    void argument(const std::string& name, std::string& into, const std::string& meaning);
    // An option with a value; defaultText is what the help shows when it is left out.
    CLI::Option* option(const std::string& names, std::string& into, const std::string& typeName,
                        const std::string& meaning, const std::string& defaultText = {});
    // An option that takes one word of a table, in any case; into holds the table's word after
    // parsing, and its value before parsing is the default.
    CLI::Option* choice(const std::string& names, std::string& into, ChoiceTable table,
                        const std::string& meaning);
    // A whole number from low to high.
    CLI::Option* number(const std::string& names, std::string& into, int low, int high,
                        const std::string& typeName, const std::string& meaning,
                        const std::string& defaultText = {});
    CLI::Option* flag(const std::string& names, bool& into, const std::string& meaning);
    // "-q, --quiet", for the commands that show progress.
    void quietFlag(bool& into);

    // Nothing when the command should run; otherwise the exit code, after the help was printed
    // (0) or the mistake explained (2).
    std::optional<int> parse();
    // Whether an option was given on the command line.
    bool given(const std::string& name) const;

    // Prints "kadro-cli COMMAND: reason" with the usage and a hint on stderr; returns 2.
    int usageError(std::string_view reason) const;
    std::string help() const;

private:
    std::string explain(const CLI::ParseError& error) const;
    std::string unknownArgument(const std::string& argument) const;
    std::string missingArgument() const;

    const Command& command_;
    std::vector<std::string> args_;
    CLI::App app_;
    std::map<const CLI::Option*, std::string> defaults_;
};

// The closest of the candidates to a mistyped word, or nothing when none is close.
std::optional<std::string> closestWord(std::string_view word,
                                       std::span<const std::string> candidates);

} // namespace kadro::cli
