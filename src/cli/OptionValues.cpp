#include "OptionValues.h"

#include "Text.h"

#include <cctype>
#include <charconv>
#include <string_view>

namespace kadro::cli {

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

std::optional<std::vector<int>> parseNumbers(const std::string& text, std::size_t count) {
    std::vector<int> numbers;
    const char* at = text.data();
    const char* end = text.data() + text.size();
    while (numbers.size() < count) {
        int value = 0;
        auto [next, error] = std::from_chars(at, end, value);
        if (error != std::errc{})
            return std::nullopt;
        numbers.push_back(value);
        at = next;
        if (numbers.size() < count && (at == end || *at++ != ','))
            return std::nullopt;
    }
    if (at != end)
        return std::nullopt;
    return numbers;
}

std::optional<Selection> parseArea(const std::string& text) {
    const auto v = parseNumbers(text, 4);
    if (!v || (*v)[0] < 0 || (*v)[1] < 0 || (*v)[2] <= 0 || (*v)[3] <= 0)
        return std::nullopt;
    return Selection::fromSize((*v)[0], (*v)[1], (*v)[2], (*v)[3]);
}

namespace {

// "$400", "0x400" or "400": up to four hexadecimal digits, as a pattern address is written.
bool isAddress(std::string_view text) {
    if (text.starts_with("$"))
        text.remove_prefix(1);
    else if (text.starts_with("0x") || text.starts_with("0X"))
        text.remove_prefix(2);
    return !text.empty() && text.size() <= 4 &&
           text.find_first_not_of("0123456789abcdefABCDEF") == std::string_view::npos;
}

} // namespace

ValueCheck colourCheck() {
    return {[](const std::string& v) { return parseColour(v).has_value(); },
            trNoop("takes a colour as #RRGGBB, not '%1'")};
}

ValueCheck areaCheck() {
    return {[](const std::string& v) { return parseArea(v).has_value(); },
            trNoop("takes X,Y,W,H with a positive width and height, not '%1'")};
}

ValueCheck addressCheck() {
    return {
        [](const std::string& v) { return isAddress(v); },
        trNoop("takes a hexadecimal address of up to four digits, such as 400 or 1FFF, not '%1'")};
}

} // namespace kadro::cli
