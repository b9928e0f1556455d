#pragma once

#include <QString>

#include <cstdint>

namespace kadro::gui {

// Reads hexadecimal text from its last character backwards and stops at the first character
// that is not a hex digit, keeping what it has read ("0x1F" is 31). Only the last four digits
// count, as the value is 16 bits wide. Address and code fields accept any text this way.
std::uint16_t parseHexCode(const QString& text);

} // namespace kadro::gui
