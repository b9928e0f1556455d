#include "CommandLine.h"

#include "Command.h"
#include "Text.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <charconv>
#include <iostream>
#include <sstream>

namespace kadro::cli {

namespace {

constexpr std::size_t helpColumn = 28;
constexpr std::size_t helpWidth = 80;

std::string optionNames(const CLI::Option& option) {
    std::string names;
    for (const auto& s : option.get_snames())
        names += (names.empty() ? "-" : ", -") + s;
    for (const auto& l : option.get_lnames())
        names += (names.empty() ? "--" : ", --") + l;
    return names;
}

void helpLine(std::ostream& out, const std::string& left, const std::string& meaning) {
    out << "  " << left;
    if (left.size() + 2 < helpColumn - 1)
        out << std::string(helpColumn - 2 - left.size(), ' ');
    else
        out << '\n' << std::string(helpColumn, ' ');
    out << wrapText(meaning, helpColumn, helpWidth) << '\n';
}

std::size_t editDistance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

} // namespace

std::optional<std::string> closestWord(std::string_view word,
                                       std::span<const std::string> candidates) {
    std::optional<std::string> best;
    std::size_t bestDistance = std::max<std::size_t>(2, word.size() / 3) + 1;
    for (const std::string& candidate : candidates) {
        // A cut-off word ("--pal") is near what it starts; a typo nearer still.
        std::size_t distance = editDistance(word, candidate);
        if (word.size() >= 3 && candidate.starts_with(word))
            distance = std::min<std::size_t>(distance, 2);
        if (distance < bestDistance) {
            best = candidate;
            bestDistance = distance;
        }
    }
    return best;
}

CommandLine::CommandLine(const Command& command, std::span<const std::string> args)
    : command_(command), args_(args.rbegin(), args.rend()),
      app_(std::make_unique<CLI::App>(tr(command.summary),
                                      "kadro-cli " + std::string(command.name))) {
    app_->set_help_flag("-h,--help", tr("show this help and exit"));
    app_->option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
}

void CommandLine::argument(const std::string& name, std::string& into, const std::string& meaning) {
    app_->add_option(name, into, meaning)->required();
}

CommandLine::~CommandLine() = default;

OptionRef OptionRef::required() {
    option_->required();
    return *this;
}

OptionRef OptionRef::check(ValueCheck check) {
    option_->check(CLI::Validator(
        [check](std::string& value) {
            return check.fits(value) ? std::string() : tr(check.message, {value});
        },
        std::string()));
    return *this;
}

CLI::Option* CommandLine::addOption(const std::string& names, std::string& into,
                                    const std::string& typeName, const std::string& meaning,
                                    const std::string& defaultText) {
    CLI::Option* option = app_->add_option(names, into, meaning)->type_name(typeName);
    if (!defaultText.empty())
        defaults_[option] = defaultText;
    return option;
}

OptionRef CommandLine::option(const std::string& names, std::string& into,
                              const std::string& typeName, const std::string& meaning,
                              const std::string& defaultText) {
    return OptionRef(addOption(names, into, typeName, meaning, defaultText));
}

void CommandLine::choice(const std::string& names, std::string& into, ChoiceTable table,
                         const std::string& meaning) {
    auto check = [table](std::string& value) -> std::string {
        const Choice* choice = findChoice(table, value);
        if (!choice)
            return tr("takes %1, not '%2'", {choiceList(table), value});
        value = std::string(choice->word);
        return {};
    };
    addOption(names, into, choiceWords(table), meaning, into)
        ->transform(CLI::Validator(check, std::string()));
}

OptionRef CommandLine::number(const std::string& names, std::string& into, int low, int high,
                              const std::string& typeName, const std::string& meaning,
                              const std::string& defaultText) {
    auto check = [low, high](std::string& value) -> std::string {
        int number = 0;
        const auto [end, error] =
            std::from_chars(value.data(), value.data() + value.size(), number);
        if (error != std::errc{} || end != value.data() + value.size() || number < low ||
            number > high)
            return tr("takes a whole number from %1 to %2, not '%3'",
                      {std::to_string(low), std::to_string(high), value});
        return {};
    };
    return OptionRef(addOption(names, into, typeName, meaning, defaultText)
                         ->check(CLI::Validator(check, std::string())));
}

void CommandLine::flag(const std::string& names, bool& into, const std::string& meaning) {
    app_->add_flag(names, into, meaning)->disable_flag_override();
}

void CommandLine::quietFlag(bool& into) {
    flag("-q,--quiet", into, tr("show no progress on the terminal"));
}

std::optional<int> CommandLine::parse() {
    // Asking for help is never a mistake, whatever else the line holds.
    for (auto word = args_.rbegin(); word != args_.rend() && *word != "--"; ++word)
        if (*word == "-h" || *word == "--help")
            return std::cout << help(), exitOk;
    try {
        // CLI11 takes the words last to first.
        app_->parse(args_);
    } catch (const CLI::CallForHelp&) {
        std::cout << help();
        return exitOk;
    } catch (const CLI::ParseError& error) {
        return usageError(explain(error));
    }
    return std::nullopt;
}

bool CommandLine::given(const std::string& name) const {
    return app_->count(name) > 0;
}

int CommandLine::usageError(std::string_view reason) const {
    std::cerr << "kadro-cli " << command_.name << ": " << reason << '\n'
              << tr("usage: kadro-cli %1", {command_.usage}) << '\n'
              << tr("Try 'kadro-cli %1 --help' for more information.", {command_.name}) << '\n';
    return exitUsage;
}

std::string CommandLine::explain(const CLI::ParseError& error) const {
    // Words nobody took explain more than a missing one: "--ouput x" leaves -o missing.
    const auto extras = app_->remaining();
    if (!extras.empty())
        return unknownArgument(extras.front());
    if (dynamic_cast<const CLI::RequiredError*>(&error))
        return missingArgument();
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&error)) {
        // "-o: 1 required OUT.kdr missing", or "no-compress was given a disallowed flag override".
        const std::string what = error.what();
        const std::string name = what.substr(0, what.find_first_of(": "));
        for (const std::string& candidate : {name, "--" + name, "-" + name})
            if (const CLI::Option* option = app_->get_option_no_throw(candidate))
                return option->get_expected_max() == 0
                           ? tr("option %1 takes no value", {optionNames(*option)})
                           : tr("option %1 needs a value", {optionNames(*option)});
    }
    return error.what();
}

std::string CommandLine::unknownArgument(const std::string& argument) const {
    if (argument.size() < 2 || argument[0] != '-' || argument == "--")
        return tr("unexpected argument '%1'", {argument});
    std::vector<std::string> names;
    for (const CLI::Option* option : app_->get_options()) {
        for (const auto& l : option->get_lnames())
            names.push_back("--" + l);
        for (const auto& s : option->get_snames())
            names.push_back("-" + s);
    }
    const std::string word = argument.substr(0, argument.find('='));
    if (const auto near = closestWord(word, names))
        return tr("unknown option %1 (did you mean %2?)", {word, *near});
    return tr("unknown option %1", {word});
}

std::string CommandLine::missingArgument() const {
    for (const CLI::Option* option : app_->get_options()) {
        if (!option->get_required() || option->count() > 0)
            continue;
        if (option->get_positional())
            return tr("missing %1", {option->get_name()});
        return tr("missing %1", {optionNames(*option) + " " + option->get_type_name()});
    }
    return tr("something required is missing");
}

std::string CommandLine::help() const {
    std::ostringstream out;
    out << tr("Usage: kadro-cli %1", {command_.usage}) << '\n' << tr(command_.summary) << '\n';
    const auto positionals =
        app_->get_options([](const CLI::Option* o) { return o->get_positional(); });
    if (!positionals.empty()) {
        out << '\n' << tr("Arguments:") << '\n';
        for (const CLI::Option* option : positionals)
            helpLine(out, option->get_name(), option->get_description());
    }
    out << '\n' << tr("Options:") << '\n';
    for (const CLI::Option* option : app_->get_options()) {
        if (option->get_positional() || option == app_->get_help_ptr())
            continue;
        std::string left = optionNames(*option);
        if (option->get_expected_max() != 0)
            left += " " + option->get_type_name();
        std::string meaning = option->get_description();
        if (const auto d = defaults_.find(option); d != defaults_.end())
            meaning += " " + tr("(default: %1)", {d->second});
        helpLine(out, left, meaning);
    }
    helpLine(out, optionNames(*app_->get_help_ptr()), app_->get_help_ptr()->get_description());
    return out.str();
}

} // namespace kadro::cli
