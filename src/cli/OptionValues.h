#pragma once

#include "common/Colour.h"
#include "picture/Selection.h"

#include "CommandLine.h"

#include <functional>
#include <optional>
#include <string>

// Readers of the values options take, and the checks that refuse a wrong value with a message
// naming what the option takes.
namespace kadro::cli {

// "#RRGGBB" in either case; nothing for any other text.
std::optional<Colour> parseColour(const std::string& text);
// "X,Y,W,H" with X and Y from 0 and a positive width and height.
std::optional<Selection> parseArea(const std::string& text);
// Whole numbers separated by commas, exactly count of them.
std::optional<std::vector<int>> parseNumbers(const std::string& text, std::size_t count);

ValueCheck colourCheck();
ValueCheck areaCheck();
// A pattern address in hexadecimal: up to four digits, with or without "$" or "0x" before.
ValueCheck addressCheck();

} // namespace kadro::cli
