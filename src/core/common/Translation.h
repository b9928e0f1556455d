#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The texts a person reads, in the person's language. The system's own texts (Chinese and
// English as they stand) are the sources; a translation replaces a whole text, and texts with
// %1, %2, ... in them are templates whose numbers and names are filled in. The core's messages
// arrive already filled in, so they are matched against the templates when they are shown.
// Nothing that goes into a file is ever translated.
namespace kadro::translation {

enum class Language {
    Original, // the system's own texts: no locale, C or POSIX
    English,
    Chinese,
};

// "zh_CN.UTF-8" is Chinese, "C" and "POSIX" the original texts, any other language English.
Language languageOfLocale(std::string_view locale);
// The language of messages as the C library chooses it: LC_ALL, then LC_MESSAGES, then LANG;
// for a locale other than C, LANGUAGE's list may name a language first.
Language languageOfEnvironment();

struct Entry {
    std::string_view context;
    std::string_view source;
    std::string_view translation;
};

// Replaces %1 ... %9 with the arguments; a number without an argument stays as it is.
std::string fill(std::string_view text, std::span<const std::string_view> arguments);

// The translations of one language.
class Catalog {
public:
    Catalog() = default;
    explicit Catalog(std::span<const Entry> entries);

    // A text of the context, translated; the text itself when there is no translation.
    std::string_view text(std::string_view context, std::string_view source) const;
    // A text with its numbers and names filled in, such as a message of the core: an exact
    // entry, else the first template it fits, with the filled-in parts translated in turn
    // (a reason inside a message is a message too). The text itself when nothing fits.
    std::string message(std::string_view context, std::string_view text) const;

private:
    struct Template {
        std::vector<std::string_view> literals; // one more than the places
        std::vector<int> places;                // the argument number of each place
        std::string_view translation;
    };
    std::string match(std::string_view context, std::string_view text, int depth) const;
    static bool fits(const Template& t, std::string_view text,
                     std::vector<std::string_view>& parts);

    std::unordered_map<std::string, std::string_view> exact_;
    std::unordered_map<std::string, std::vector<Template>> templates_;
};

} // namespace kadro::translation
