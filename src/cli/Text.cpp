#include "Text.h"

#include "BuiltInTranslations.h"

#include <optional>
#include <vector>

namespace kadro::cli {

namespace {

using namespace kadro::translation;

constexpr std::string_view ownContext = "kadro-cli";
constexpr std::string_view coreContext = "core";

// Made on first use: under the C locale there is nothing to look up, and a command that shows
// no text never reads the table.
const Catalog* catalog() {
    static const std::optional<Catalog> made = []() -> std::optional<Catalog> {
        const Language language = languageOfEnvironment();
        if (language == Language::Original)
            return std::nullopt;
        return Catalog(builtInEntries(language));
    }();
    return made ? &*made : nullptr;
}

// Columns on a terminal: East Asian characters (three-byte UTF-8) take two.
std::size_t columns(std::string_view text) {
    std::size_t n = 0;
    for (unsigned char c : text)
        n += (c & 0xC0) == 0x80 ? 0 : (c >= 0xE0 && c < 0xF0 ? 2 : 1);
    return n;
}

} // namespace

std::string tr(std::string_view text) {
    const Catalog* c = catalog();
    return std::string(c ? c->text(ownContext, text) : text);
}

std::string tr(std::string_view text, std::initializer_list<std::string_view> arguments) {
    return fill(tr(text), std::vector<std::string_view>(arguments));
}

std::string trMessage(std::string_view message) {
    const Catalog* c = catalog();
    return c ? c->message(coreContext, message) : std::string(message);
}

std::string wrapText(std::string_view text, std::size_t indent, std::size_t width) {
    std::string out;
    std::size_t column = indent;
    while (!text.empty()) {
        const std::size_t end = text.find(' ');
        const std::string_view word = text.substr(0, end);
        const bool lineStart = column == indent;
        if (!lineStart && column + 1 + columns(word) > width) {
            out += '\n' + std::string(indent, ' ');
            column = indent;
        } else if (!lineStart) {
            out += ' ';
            ++column;
        }
        out += word;
        column += columns(word);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return out;
}

} // namespace kadro::cli
