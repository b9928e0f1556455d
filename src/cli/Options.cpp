#include "Options.h"

#include <algorithm>

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

} // namespace kadro::cli
