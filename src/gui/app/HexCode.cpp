#include "app/HexCode.h"

#include "picture/ConversionChoice.h"

namespace kadro::gui {

// Cell codes are read exactly as the conversion's address fields are.
std::uint16_t parseHexCode(const QString& text) {
    return readAddressText(text.toStdString());
}

} // namespace kadro::gui
