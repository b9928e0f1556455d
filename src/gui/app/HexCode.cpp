#include "app/HexCode.h"

namespace kadro::gui {

std::uint16_t parseHexCode(const QString &text) {
    static const QString digits = QStringLiteral("0123456789ABCDEF");
    std::uint16_t result = 0;
    std::uint16_t place = 1; // wraps to 0 after four digits, so only the last four count
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        const qsizetype digit = digits.indexOf(text.at(i).toUpper());
        if (digit < 0)
            break;
        result = static_cast<std::uint16_t>(result + digit * place);
        place = static_cast<std::uint16_t>(place * 16);
    }
    return result;
}

} // namespace kadro::gui
