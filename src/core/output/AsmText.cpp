#include "output/AsmText.h"

#include <algorithm>

namespace kadro {

void AsmText::appendHex(std::string& out, std::uint32_t value) {
    static constexpr char digits[] = "0123456789ABCDEF";
    char buffer[9];
    char* end = buffer + sizeof buffer;
    char* at = end;
    do {
        *--at = digits[value & 0xF];
        value >>= 4;
    } while (value != 0);
    if (end - at < 2)
        *--at = '0';
    *--at = '$';
    out.append(at, end);
}

std::string AsmText::hex(std::uint32_t value) {
    std::string out;
    appendHex(out, value);
    return out;
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
        appendHex(text_, values[i]);
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
        appendHex(text_, values[i]);
        text_ += i % perLine == perLine - 1 ? '\n' : ',';
    }
}

} // namespace kadro
