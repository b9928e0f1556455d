#pragma once

#include "output/ConvertedData.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kadro {

class UserInterface;

// The File Output dialog's four switches.
struct OutputChoices {
    bool pgtAsText = false;       // "ASM" (else "BIN")
    bool wide = false;            // "16bit" (else "8bit")
    bool sprites = false;         // "SPR" (else "TXT")
    bool extendedSprites = false; // "EXT" (else "NOR")
};

// Writes the PGT file (binary, or assembler text by bank) and the PNT file (pointer header,
// IRQ table, palette, then name and attribute tables per 256-pixel strip or sprite tables).
class AsmWriter {
public:
    AsmWriter(const ConvertedData& data, UserInterface& ui) : data_(data), ui_(ui) {}

    // Writes both files, each through a temporary file. A damaged result set or a file that
    // cannot be written is reported through the UserInterface; a failed PGT file stops before
    // the PNT file is touched.
    bool write(const std::string& pgtPath, const std::string& pntPath,
               const OutputChoices& choices);

    // Every 32-byte group as bytes 0, 16, 1, 17, ..., 15, 31, on a copy: the converter's block
    // is also what a later Save or Output reads. A trailing group shorter than 32 bytes has no
    // pairs to make and is kept as it is.
    static std::vector<std::uint8_t> interleave(std::span<const std::uint8_t> pgt);

    std::string pgtText(std::span<const std::uint8_t> pgt, const std::string& stem) const;
    std::string pntHeader(const std::string& stem) const;
    std::string irqTable(const std::string& stem) const;
    std::string nameTables(const std::string& stem) const;

    // The label, then the low bytes of the first `entries` palette codes and then their high
    // bytes, in data lines of 16.
    static std::string paletteTable(const ConvertedData& data, const std::string& label,
                                    int entries);

    // The label stem of an output file: its name without folder and extension, upper case.
    static std::string labelStem(const std::string& path);

private:
    int stripCount() const;
    bool save(const std::string& path, std::span<const std::uint8_t> bytes);

    const ConvertedData& data_;
    UserInterface& ui_;
};

} // namespace kadro
