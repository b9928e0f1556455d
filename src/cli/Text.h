#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Texts the command line shows to a person, in the person's language. Only what reaches the
// terminal goes through here: file contents and the report lines scripts read stay as they are.
namespace kadro::cli {

// Marks a text that is translated where it is shown, such as a command's summary in a table.
constexpr std::string_view trNoop(std::string_view text) {
    return text;
}

// The command line's own text, translated; the text itself under the C locale.
std::string tr(std::string_view text);
// The same with %1, %2, ... replaced by the arguments after translation.
std::string tr(std::string_view text, std::initializer_list<std::string_view> arguments);
// A message of the core, which arrives with its numbers and names already in it.
std::string trMessage(std::string_view message);

// Breaks text at blanks so that no line passes width columns; lines after the first start with
// indent blanks, as the first is expected to stand at that column already.
std::string wrapText(std::string_view text, std::size_t indent, std::size_t width);

} // namespace kadro::cli
