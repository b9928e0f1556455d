#pragma once

#include "colour/ColorTables.h"
#include "common/ByteIo.h"
#include "common/FileIo.h"
#include "common/Paths.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kadro::test {

// The tables the build ships, read straight from their files.
inline std::vector<Colour> shippedHslTable() {
    const auto bytes = fileio::readFile(std::string(KADRO_BIN_DIR) + "/" + hslTableFileName);
    std::vector<Colour> table(hslTableEntries);
    for (std::size_t i = 0; bytes && i < table.size(); ++i)
        table[i] = bytes::readU32(*bytes, i * 4);
    return table;
}

// A table of no colours at all, to be filled by a case.
inline std::vector<Colour> emptyHslTable() {
    return std::vector<Colour>(hslTableEntries, 0xFFFFFFFF);
}

inline void writeHslTable(const std::string& dir, std::span<const Colour> table,
                          const std::string& name = hslTableFileName) {
    std::vector<std::uint8_t> bytes(table.size() * 4);
    for (std::size_t i = 0; i < table.size(); ++i)
        bytes::writeU32(bytes, i * 4, table[i]);
    ASSERT_TRUE(fileio::writeFile(paths::join(dir, name), bytes, nullptr));
}

// Records red, green, blue; .act files are often padded to 256 records.
inline void writeNesPalette(const std::string& dir, std::span<const Colour> palette,
                            const std::string& name = nesPaletteFileName, std::size_t padTo = 768) {
    std::vector<std::uint8_t> bytes;
    for (Colour c : palette)
        for (int v : {redOf(c), greenOf(c), blueOf(c)})
            bytes.push_back(static_cast<std::uint8_t>(v));
    if (bytes.size() < padTo)
        bytes.resize(padTo, 0);
    ASSERT_TRUE(fileio::writeFile(paths::join(dir, name), bytes, nullptr));
}

inline void copyShippedTables(const std::string& dir) {
    namespace fs = std::filesystem;
    for (const char* name : {hslTableFileName, nesPaletteFileName})
        fs::copy_file(fs::path(KADRO_BIN_DIR) / name, fs::path(dir) / name);
}

} // namespace kadro::test
