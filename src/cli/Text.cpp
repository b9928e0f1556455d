#include "Text.h"

#include <vector>

namespace kadro::cli {

namespace {

std::string substitute(std::string_view text, std::initializer_list<std::string_view> arguments) {
    const std::vector<std::string_view> args(arguments);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (text[i] == '%' && next >= '1' && next <= '9' &&
            static_cast<std::size_t>(next - '1') < args.size()) {
            out += args[static_cast<std::size_t>(next - '1')];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// Columns on a terminal: East Asian characters (three-byte UTF-8) take two.
std::size_t columns(std::string_view text) {
    std::size_t n = 0;
    for (unsigned char c : text)
        n += (c & 0xC0) == 0x80 ? 0 : (c >= 0xE0 && c < 0xF0 ? 2 : 1);
    return n;
}

} // namespace

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

std::string tr(std::string_view text) {
    return std::string(text);
}

std::string tr(std::string_view text, std::initializer_list<std::string_view> arguments) {
    return substitute(text, arguments);
}

std::string trMessage(std::string_view message) {
    return std::string(message);
}

} // namespace kadro::cli
