#include "common/Translation.h"

#include <algorithm>
#include <cstdlib>

namespace kadro::translation {

namespace {

std::string key(std::string_view context, std::string_view source) {
    std::string k(context);
    k += '\x1F';
    k += source;
    return k;
}

bool isPlace(std::string_view text, std::size_t at) {
    return text[at] == '%' && at + 1 < text.size() && text[at + 1] >= '1' && text[at + 1] <= '9';
}

std::string_view environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The parts between the literals, each at least one character, found from the left; a later
// occurrence of a literal is tried when the rest does not fit after the first.
bool fitFrom(const std::vector<std::string_view>& literals, std::string_view text, std::size_t at,
             std::size_t index, std::vector<std::string_view>& parts) {
    if (index + 1 == literals.size())
        return at == text.size();
    const std::string_view next = literals[index + 1];
    const bool last = index + 2 == literals.size();
    for (std::size_t end = at + 1; end <= text.size(); ++end) {
        if (last && next.empty()) {
            end = text.size();
        } else {
            end = text.find(next, end);
            if (end == std::string_view::npos)
                return false;
        }
        parts[index] = text.substr(at, end - at);
        if (fitFrom(literals, text, end + next.size(), index + 1, parts))
            return true;
        if (last && next.empty())
            return false;
    }
    return false;
}

} // namespace

Language languageOfLocale(std::string_view locale) {
    const std::string_view name = locale.substr(0, locale.find_first_of(".@"));
    if (name.empty() || name == "C" || name == "POSIX")
        return Language::Original;
    if (name.starts_with("zh"))
        return Language::Chinese;
    return Language::English;
}

Language languageOfEnvironment() {
    std::string_view locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (locale = environment(name); !locale.empty())
            break;
    const Language language = languageOfLocale(locale);
    if (language == Language::Original)
        return language;
    std::string_view list = environment("LANGUAGE");
    while (!list.empty()) {
        const std::string_view first = list.substr(0, list.find(':'));
        if (first.starts_with("zh"))
            return Language::Chinese;
        if (first.starts_with("en"))
            return Language::English;
        list.remove_prefix(std::min(list.size(), first.size() + 1));
    }
    return language;
}

std::string fill(std::string_view text, std::span<const std::string_view> arguments) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto number = isPlace(text, i) ? static_cast<std::size_t>(text[i + 1] - '1') : 9;
        if (number < arguments.size()) {
            out += arguments[number];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

Catalog::Catalog(std::span<const Entry> entries) {
    for (const Entry& e : entries) {
        if (e.translation.empty())
            continue;
        Template t;
        t.translation = e.translation;
        std::size_t start = 0;
        for (std::size_t i = 0; i < e.source.size(); ++i)
            if (isPlace(e.source, i)) {
                t.literals.push_back(e.source.substr(start, i - start));
                t.places.push_back(e.source[i + 1] - '1');
                start = i + 2;
                ++i;
            }
        t.literals.push_back(e.source.substr(start));
        // A template is also looked up whole, as a text that is filled in after translation.
        exact_.emplace(key(e.context, e.source), e.translation);
        if (!t.places.empty())
            templates_[std::string(e.context)].push_back(std::move(t));
    }
    // The template with the most fixed text is the most particular one, so it is tried first.
    auto fixedText = [](const Template& t) {
        std::size_t n = 0;
        for (auto l : t.literals)
            n += l.size();
        return n;
    };
    for (auto& [context, list] : templates_)
        std::stable_sort(list.begin(), list.end(), [&](const Template& a, const Template& b) {
            return fixedText(a) > fixedText(b);
        });
}

std::string_view Catalog::text(std::string_view context, std::string_view source) const {
    const auto found = exact_.find(key(context, source));
    return found == exact_.end() ? source : found->second;
}

std::string Catalog::message(std::string_view context, std::string_view text) const {
    return match(context, text, 0);
}

bool Catalog::fits(const Template& t, std::string_view text, std::vector<std::string_view>& parts) {
    parts.assign(t.places.size(), {});
    return text.starts_with(t.literals.front()) &&
           fitFrom(t.literals, text, t.literals.front().size(), 0, parts);
}

std::string Catalog::match(std::string_view context, std::string_view text, int depth) const {
    if (const auto found = exact_.find(key(context, text)); found != exact_.end())
        return std::string(found->second);
    const auto list = templates_.find(std::string(context));
    if (list == templates_.end())
        return std::string(text);
    std::vector<std::string_view> parts;
    for (const Template& t : list->second) {
        if (!fits(t, text, parts))
            continue;
        std::vector<std::string> translated(9);
        std::vector<std::string_view> arguments(9);
        for (std::size_t i = 0; i < parts.size(); ++i) {
            const auto number = static_cast<std::size_t>(t.places[i]);
            translated[number] =
                depth < 2 ? match(context, parts[i], depth + 1) : std::string(parts[i]);
            arguments[number] = translated[number];
        }
        return fill(t.translation, arguments);
    }
    return std::string(text);
}

} // namespace kadro::translation
