#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kadro {

// The assembler vocabulary every text output shares: labels in column one, "\tdb\t" data lines
// of "$%02X" values and "\tdw\t" pointer lines. Text is built with "\n"; the files are written
// with CR LF (fileio::writeTextFile).
class AsmText {
public:
    // "$%02X": at least two upper-case digits, more for larger values.
    static std::string hex(std::uint32_t value);
    // The same, added to the end of a text without a formatting call per value.
    static void appendHex(std::string& out, std::uint32_t value);

    void label(std::string_view name);
    void pointer(std::string_view name);
    // One "\tdb\t" line with the values separated by ",".
    void dataLine(std::span<const std::uint32_t> values);
    // The values perLine to a data line; the last line may be shorter.
    void dataLines(std::span<const std::uint32_t> values, std::size_t perLine = 16);
    // The values flowing over "\tdb\t" lines of perLine: each is followed by "," and the last of
    // a full line by the line break instead, so a short last line ends in "," without a break.
    void dataRun(std::span<const std::uint32_t> values, std::size_t perLine = 16);
    void raw(std::string_view text) { text_ += text; }
    void value(std::uint32_t v) { appendHex(text_, v); }
    void newline() { text_ += '\n'; }

    const std::string& text() const { return text_; }
    std::string take() { return std::move(text_); }

private:
    std::string text_;
};

} // namespace kadro
