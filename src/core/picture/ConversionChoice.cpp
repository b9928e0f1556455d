#include "picture/ConversionChoice.h"

#include "common/ChipRules.h"

#include <cctype>
#include <cstdio>

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

AddressCheck checkAddresses(std::uint16_t startAddress, std::uint16_t endAddress,
                            chip::CharSize charSize) {
    char text[160];
    if (endAddress > chip::maxEndAddress) {
        std::snprintf(text, sizeof text,
                      "End address 0x%X is above 0x2000, the size of a pattern bank.", endAddress);
        return {AddressCheck::Field::End, text};
    }
    if (endAddress <= startAddress) {
        std::snprintf(text, sizeof text, "End address 0x%X is not above start address 0x%X.",
                      endAddress, startAddress);
        return {AddressCheck::Field::End, text};
    }
    // Names count whole name units from the bank's start, so the leading space must be a
    // whole number of them.
    const auto& g = chip::geometry(charSize);
    if (2 * startAddress % g.nameUnit != 0) {
        std::snprintf(text, sizeof text,
                      "Start address 0x%X is not a multiple of 0x%X, so %s characters could not "
                      "be named from it.",
                      startAddress, g.nameUnit / 2, std::string(g.label).c_str());
        return {AddressCheck::Field::Start, text};
    }
    return {};
}

bool wholeCharacters(int width, int height, chip::CharSize charSize) {
    const auto& g = chip::geometry(charSize);
    return width % g.width == 0 && height % g.height == 0;
}

std::string areaOutsideProblem(const Selection& a, int pictureWidth, int pictureHeight) {
    if (!a.empty() && a.left >= 0 && a.top >= 0 && a.right <= pictureWidth &&
        a.bottom <= pictureHeight)
        return {};
    char text[160];
    std::snprintf(text, sizeof text,
                  "The area (%d,%d,%d,%d) is empty or reaches outside the %dx%d picture.", a.left,
                  a.top, a.right, a.bottom, pictureWidth, pictureHeight);
    return text;
}

AreaCheck checkArea(const Selection& a, int pictureWidth, int pictureHeight,
                    chip::CharSize charSize) {
    using Field = AreaCheck::Field;
    const auto& g = chip::geometry(charSize);
    if (a.width() % g.width != 0)
        return {Field::Width, notWholeCharactersText};
    if (a.height() % g.height != 0)
        return {Field::Height, notWholeCharactersText};
    std::string problem = areaOutsideProblem(a, pictureWidth, pictureHeight);
    if (problem.empty())
        return {};
    // The field that puts the area outside: its corner when that lies outside already.
    if (a.width() <= 0 || a.left < 0 || a.right > pictureWidth)
        return {a.left < 0 || a.left >= pictureWidth ? Field::Left : Field::Width,
                std::move(problem)};
    return {a.top < 0 || a.top >= pictureHeight ? Field::Top : Field::Height, std::move(problem)};
}

} // namespace kadro
