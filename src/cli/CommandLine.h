#pragma once

#include "Choices.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// CLI11 stays inside CommandLine.cpp: its header builds a dozen validators in every file that
// includes it, and the program's start-up pays for each.
namespace CLI {
class App;
class Option;
class ParseError;
} // namespace CLI

namespace kadro::cli {

struct Command;

// What an option's value must be: fits tells a good value, message (its %1 the value, marked
// with trNoop) refuses the others.
struct ValueCheck {
    std::function<bool(const std::string&)> fits;
    std::string_view message;
};

// An option just defined, for the properties that few options have.
class OptionRef {
public:
    explicit OptionRef(CLI::Option* option) : option_(option) {}
    OptionRef required();
    OptionRef check(ValueCheck check);

private:
    CLI::Option* option_;
};

// One command's arguments, read by CLI11 with the conventions of the GNU tools: options in any
// order, "--name value" or "--name=value", the last of a repeated option wins, "--" ends the
// options. Errors name the option and end with a hint; the help lists every option with its
// meaning and default.
class CommandLine {
public:
    CommandLine(const Command& command, std::span<const std::string> args);
    ~CommandLine();
    CommandLine(const CommandLine&) = delete;
    CommandLine& operator=(const CommandLine&) = delete;

    // A word the command needs, such as the picture to read.
    void argument(const std::string& name, std::string& into, const std::string& meaning);
    // An option with a value; defaultText is what the help shows when it is left out.
    OptionRef option(const std::string& names, std::string& into, const std::string& typeName,
                     const std::string& meaning, const std::string& defaultText = {});
    // An option that takes one word of a table, in any case; into holds the table's word after
    // parsing, and its value before parsing is the default.
    void choice(const std::string& names, std::string& into, ChoiceTable table,
                const std::string& meaning);
    // A whole number from low to high.
    OptionRef number(const std::string& names, std::string& into, int low, int high,
                     const std::string& typeName, const std::string& meaning,
                     const std::string& defaultText = {});
    void flag(const std::string& names, bool& into, const std::string& meaning);
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
    CLI::Option* addOption(const std::string& names, std::string& into, const std::string& typeName,
                           const std::string& meaning, const std::string& defaultText);
    std::string explain(const CLI::ParseError& error) const;
    std::string unknownArgument(const std::string& argument) const;
    std::string missingArgument() const;

    const Command& command_;
    std::vector<std::string> args_;
    std::unique_ptr<CLI::App> app_;
    std::map<const CLI::Option*, std::string> defaults_;
};

// The closest of the candidates to a mistyped word, or nothing when none is close.
std::optional<std::string> closestWord(std::string_view word,
                                       std::span<const std::string> candidates);

} // namespace kadro::cli
