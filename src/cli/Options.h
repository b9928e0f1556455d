#pragma once

#include "common/Colour.h"

#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kadro::cli {

// Splits a subcommand's arguments into positional words and "--name value" options. Flags are
// options that take no value. Unknown options are an error, so a typo is never ignored.
class Options {
public:
    Options(std::vector<std::string> valued, std::vector<std::string> flags)
        : valued_(std::move(valued)), flags_(std::move(flags)) {}

    // Empty on success, otherwise what is wrong.
    std::string parse(std::span<const std::string> args);

    const std::vector<std::string>& positional() const { return positional_; }
    std::optional<std::string> value(const std::string& name) const;
    bool flag(const std::string& name) const { return setFlags_.count(name) != 0; }

private:
    std::vector<std::string> valued_, flags_;
    std::vector<std::string> positional_;
    std::map<std::string, std::string> values_;
    std::map<std::string, bool> setFlags_;
};

// "#RRGGBB" in either case; nothing for any other text.
std::optional<Colour> parseColour(const std::string& text);

} // namespace kadro::cli
