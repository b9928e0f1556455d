#include "palette/PaletteFile.h"

#include "common/ByteIo.h"
#include "common/FileIo.h"

namespace kadro {

namespace {
constexpr std::size_t headerBytes = 16;
constexpr std::size_t slotBytes = 8;
} // namespace

PaletteFileRead readPaletteFile(const std::string& path) {
    PaletteFileRead result;
    auto bytes = fileio::readPrefix(path, paletteFileBytes);
    if (!bytes)
        return result;
    if (bytes->size() < 4 || (*bytes)[0] != 'P' || (*bytes)[1] != 'A' || (*bytes)[2] != 'L' ||
        (*bytes)[3] != 0) {
        result.status = PaletteFileStatus::NotPalette;
        return result;
    }
    if (bytes->size() < paletteFileBytes) {
        result.status = PaletteFileStatus::TooShort;
        return result;
    }
    for (std::size_t i = 0; i < result.slots.size(); ++i) {
        const std::size_t at = headerBytes + slotBytes * i;
        result.slots[i].colour = bytes::readU32(*bytes, at);
        result.slots[i].used = bytes::readU32(*bytes, at + 4);
    }
    result.status = PaletteFileStatus::Ok;
    return result;
}

void mergeUsedSlots(PaletteTable& table, const PaletteTable& stored) {
    for (std::size_t i = 0; i < table.size(); ++i)
        if (stored[i].used != 0)
            table[i] = stored[i];
}

bool writePaletteFile(const std::string& path, const PaletteTable& table, std::string* error) {
    bytes::ByteWriter out;
    out.text("PAL");
    out.u8(0);
    out.u8(1);
    for (int i = 0; i < 11; ++i)
        out.u8(0);
    for (const auto& slot : table) {
        out.u32(slot.colour);
        out.u32(slot.used);
    }
    return fileio::writeFile(path, out.data(), error);
}

std::string describePaletteFailure(const std::string& path, PaletteFileStatus status) {
    switch (status) {
    case PaletteFileStatus::Ok:
        return {};
    case PaletteFileStatus::CannotOpen:
        return path + ": cannot open the palette file";
    case PaletteFileStatus::NotPalette:
        return path + ": " + notPaletteFileMessage;
    case PaletteFileStatus::TooShort:
        return path + ": the palette file is shorter than 2064 bytes";
    }
    return path;
}

} // namespace kadro
