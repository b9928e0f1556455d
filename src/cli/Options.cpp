#include "Options.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace kadro::cli {

std::string Options::parse(std::span<const std::string> args) {
    auto known = [](const std::vector<std::string>& list, const std::string& name) {
        return std::find(list.begin(), list.end(), name) != list.end();
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 2 || arg[0] != '-') {
            positional_.push_back(arg);
            continue;
        }
        if (known(flags_, arg)) {
            setFlags_[arg] = true;
            continue;
        }
        if (!known(valued_, arg))
            return "unknown option " + arg;
        if (i + 1 >= args.size())
            return "option " + arg + " needs a value";
        values_[arg] = args[++i];
    }
    return {};
}

std::optional<std::string> Options::value(const std::string& name) const {
    auto it = values_.find(name);
    if (it == values_.end())
        return std::nullopt;
    return it->second;
}

std::optional<Colour> parseColour(const std::string& text) {
    if (text.size() != 7 || text[0] != '#')
        return std::nullopt;
    unsigned value = 0;
    for (std::size_t i = 1; i < 7; ++i) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
        const auto digit = std::string_view("0123456789abcdef").find(c);
        if (digit == std::string_view::npos)
            return std::nullopt;
        value = value << 4 | static_cast<unsigned>(digit);
    }
    return makeColour(static_cast<int>(value >> 16), static_cast<int>(value >> 8 & 0xFF),
                      static_cast<int>(value & 0xFF));
}

} // namespace kadro::cli
