#include "picture/ConversionChoice.h"

#include <cctype>

namespace kadro {

std::uint16_t readAddressText(std::string_view text) {
    std::uint32_t value = 0;
    int shift = 0;
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        const int c = std::toupper(static_cast<unsigned char>(*it));
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            break;
        // Digits past the fourth only reach bits that the 16-bit result drops.
        if (shift < 16)
            value |= static_cast<std::uint32_t>(digit) << shift;
        shift += 4;
    }
    return static_cast<std::uint16_t>(value);
}

} // namespace kadro
