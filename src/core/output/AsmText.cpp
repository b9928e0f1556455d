#include "output/AsmText.h"

#include <algorithm>
#include <cstdio>

namespace kadro {

std::string AsmText::hex(std::uint32_t value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "$%02X", static_cast<unsigned>(value));
    return buffer;
}

void AsmText::label(std::string_view name) {
    text_ += name;
    text_ += ":\n";
}

void AsmText::pointer(std::string_view name) {
    text_ += "\tdw\t";
    text_ += name;
    text_ += '\n';
}

void AsmText::dataLine(std::span<const std::uint32_t> values) {
    text_ += "\tdb\t";
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i != 0)
            text_ += ',';
        text_ += hex(values[i]);
    }
    text_ += '\n';
}

void AsmText::dataLines(std::span<const std::uint32_t> values, std::size_t perLine) {
    for (std::size_t at = 0; at < values.size(); at += perLine)
        dataLine(values.subspan(at, std::min(perLine, values.size() - at)));
}

void AsmText::dataRun(std::span<const std::uint32_t> values, std::size_t perLine) {
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i % perLine == 0)
            text_ += "\tdb\t";
        text_ += hex(values[i]);
        text_ += i % perLine == perLine - 1 ? '\n' : ',';
    }
}

} // namespace kadro
