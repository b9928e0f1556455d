#pragma once

#include "common/Colour.h"

#include <array>
#include <string>

namespace kadro {

using PaletteTable = std::array<PaletteSlot, 256>;

inline constexpr std::size_t paletteFileBytes = 2064;

enum class PaletteFileStatus {
    Ok,
    CannotOpen,
    NotPalette, // "该文件不是合法的调色板文件!"
    TooShort,   // fewer than the 256 slots after the header
};

struct PaletteFileRead {
    PaletteFileStatus status = PaletteFileStatus::CannotOpen;
    PaletteTable slots{}; // all 256 records as stored, used or not
};

inline constexpr const char* notPaletteFileMessage = "该文件不是合法的调色板文件!";

// A ".pal" file: "PAL", 0, version, eleven reserved bytes, then 256 slots of colour and used
// flag. The version and the reserved bytes are not checked.
PaletteFileRead readPaletteFile(const std::string& path);

// What the palette panel's Load does: only slots stored as used overwrite the table.
void mergeUsedSlots(PaletteTable& table, const PaletteTable& stored);

// Writes version 1 with every slot as it stands; false (with error) when it cannot be written.
bool writePaletteFile(const std::string& path, const PaletteTable& table, std::string* error);

// Text for a failed read, naming the file.
std::string describePaletteFailure(const std::string& path, PaletteFileStatus status);

} // namespace kadro
