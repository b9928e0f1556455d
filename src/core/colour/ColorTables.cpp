#include "colour/ColorTables.h"

#include "common/ByteIo.h"
#include "common/ChipRules.h"
#include "common/FileIo.h"
#include "common/Paths.h"
#include "common/ProgramFiles.h"
#include "common/UserInterface.h"

#include <atomic>
#include <bit>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <unordered_set>

namespace kadro {

namespace {

// The table files may have been copied from a system that does not keep the case of names.
std::optional<std::vector<std::uint8_t>> readTableFile(const std::string& programDirectory,
                                                       std::string_view name, std::size_t size) {
    const std::string directory =
        programfiles::folderOf(programDirectory, name, programfiles::Room::Data);
    std::string path = paths::join(directory, name);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        auto found = fileio::findCaseInsensitive(directory, name);
        if (!found)
            return std::nullopt;
        path = *found;
    }
    auto bytes = fileio::readPrefix(path, size);
    if (!bytes || bytes->size() < size)
        return std::nullopt;
    return bytes;
}

// The table's first bytes straight into their final place: the HSL table is read at every
// start, and a second copy of it would cost as much as the reading.
bool readTableInto(const std::string& programDirectory, std::string_view name,
                   std::span<std::uint8_t> into) {
    const std::string directory =
        programfiles::folderOf(programDirectory, name, programfiles::Room::Data);
    std::string path = paths::join(directory, name);
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        auto found = fileio::findCaseInsensitive(directory, name);
        if (!found)
            return false;
        path = *found;
        f = std::fopen(path.c_str(), "rb");
        if (!f)
            return false;
    }
    const bool whole = std::fread(into.data(), 1, into.size(), f) == into.size();
    std::fclose(f);
    return whole;
}

// The HSL table mapped where it lies (the table is stored little-endian); nothing when it
// cannot be, and the caller reads it instead.
std::shared_ptr<const std::uint8_t> mapHslTable(const std::string& programDirectory) {
    if constexpr (std::endian::native != std::endian::little)
        return nullptr;
    const std::string directory =
        programfiles::folderOf(programDirectory, hslTableFileName, programfiles::Room::Data);
    auto mapped = fileio::mapPrefix(paths::join(directory, hslTableFileName), hslTableBytes);
    if (!mapped)
        if (const auto found = fileio::findCaseInsensitive(directory, hslTableFileName))
            mapped = fileio::mapPrefix(*found, hslTableBytes);
    return mapped;
}

std::atomic<bool> mappingTables{false};

std::uint16_t rgb4kCode(Colour colour) {
    const int green = greenOf(colour);
    const int code = chip::redLevelOfNibble[static_cast<std::size_t>(redOf(colour) >> 4)] |
                     ((green >> 4) & 3) << 4 | ((green >> 6) & 3) << 8 |
                     (blueOf(colour) >> 4) << 10;
    return static_cast<std::uint16_t>(code);
}

Colour rgb4kColour(std::uint16_t code) {
    const int red = chip::redOfLevel[code & 0xF];
    const int green = ((code >> 4) & 3) << 4 | ((code >> 8) & 3) << 6;
    const int blue = ((code >> 10) & 0xF) << 4;
    return makeColour(red, green, blue);
}

} // namespace

ColorTables::ColorTables(std::vector<Colour> hslTable,
                         const std::array<Colour, nesPaletteEntries>& nes)
    : nes_(nes) {
    hslTable.resize(hslTableEntries, chip::noColourMark);
    auto store = std::make_shared<const std::vector<Colour>>(std::move(hslTable));
    hsl_ = *store;
    hslStore_ = std::move(store);
}

ColorTables::ColorTables(std::shared_ptr<const void> store, std::span<const Colour> hslTable,
                         const std::array<Colour, nesPaletteEntries>& nes)
    : hslStore_(std::move(store)), hsl_(hslTable), nes_(nes) {}

void ColorTables::mapTableFiles(bool map) {
    mappingTables = map;
}

const NearestColourSearch& ColorTables::hslSearch() const {
    std::call_once(hslSearch_->built, [this] {
        hslSearch_->search = NearestColourSearch(hsl_, CandidateSet{0, false});
    });
    return hslSearch_->search;
}

ColorTables ColorTables::fromData(std::vector<Colour> hslTable,
                                  const std::array<Colour, nesPaletteEntries>& nesPalette) {
    return ColorTables(std::move(hslTable), nesPalette);
}

std::optional<std::vector<Colour>> ColorTables::readHslTable(const std::string& programDirectory,
                                                             UserInterface& ui) {
    std::vector<Colour> table(hslTableEntries);
    if (!readTableInto(programDirectory, hslTableFileName,
                       {reinterpret_cast<std::uint8_t*>(table.data()), hslTableBytes})) {
        ui.showMessage(hslTableErrorMessage, MessageIcon::Warning);
        return std::nullopt;
    }
    if constexpr (std::endian::native != std::endian::little) {
        const std::vector<Colour> stored = table;
        const std::span<const std::uint8_t> bytes(
            reinterpret_cast<const std::uint8_t*>(stored.data()), hslTableBytes);
        for (std::size_t i = 0; i < table.size(); ++i)
            table[i] = bytes::readU32(bytes, i * 4);
    }
    return table;
}

std::optional<std::array<Colour, nesPaletteEntries>>
ColorTables::readNesPalette(const std::string& programDirectory, UserInterface& ui) {
    const auto bytes = readTableFile(programDirectory, nesPaletteFileName, nesPaletteBytes);
    if (!bytes) {
        ui.showMessage(nesPaletteErrorMessage, MessageIcon::Warning);
        return std::nullopt;
    }
    std::array<Colour, nesPaletteEntries> palette{};
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const std::uint8_t* record = bytes->data() + 3 * i;
        palette[i] = makeColour(record[0], record[1], record[2]);
    }
    return palette;
}

std::optional<ColorTables> ColorTables::load(const std::string& programDirectory,
                                             UserInterface& ui) {
    // A table that cannot be mapped is read, and refused with its message when that fails too.
    auto mapped = mappingTables ? mapHslTable(programDirectory) : nullptr;
    std::optional<std::vector<Colour>> hsl;
    if (!mapped && !(hsl = readHslTable(programDirectory, ui)))
        return std::nullopt;
    const auto nes = readNesPalette(programDirectory, ui);
    if (!nes)
        return std::nullopt;
    if (!mapped)
        return ColorTables(std::move(*hsl), *nes);
    const std::span<const Colour> table(reinterpret_cast<const Colour*>(mapped.get()),
                                        hslTableEntries);
    return ColorTables(std::move(mapped), table, *nes);
}

std::shared_ptr<const ColorTables> ColorTables::shared(const std::string& programDirectory,
                                                       UserInterface& ui) {
    static std::mutex mutex;
    // Kept until the process ends; nothing is left to do at exit.
    static auto* tables = new std::map<std::string, std::shared_ptr<const ColorTables>>;
    const std::lock_guard lock(mutex);
    auto& kept = (*tables)[programDirectory];
    if (!kept) {
        if (auto loaded = load(programDirectory, ui))
            kept = std::make_shared<const ColorTables>(std::move(*loaded));
    }
    return kept;
}

std::uint16_t ColorTables::toVt03Code(Colour colour, chip::ColourMode colourMode) const {
    switch (colourMode) {
    case chip::ColourMode::Rgb:
        return rgb4kCode(colour);
    case chip::ColourMode::Nes:
        return static_cast<std::uint16_t>(*scanNearest(nes_, CandidateSet{0, true}, colour));
    default:
        // A table without a single colour has no nearer answer than code 0.
        return static_cast<std::uint16_t>(hslSearch().find(colour).value_or(0));
    }
}

Colour ColorTables::fromVt03Code(std::uint16_t code, chip::ColourMode colourMode) const {
    switch (colourMode) {
    case chip::ColourMode::Rgb:
        return rgb4kColour(code);
    case chip::ColourMode::Nes:
        // The chip reads six bits of an old-palette code; a larger code from a damaged file
        // must not reach past the table.
        return nes_[code & (nesPaletteEntries - 1)];
    default:
        return hsl_[code];
    }
}

Colour ColorTables::fromTwelveBit(std::uint16_t value) {
    return makeColour((value & 0xF) << 4, ((value >> 4) & 0xF) << 4, ((value >> 8) & 0xF) << 4);
}

int ColorTables::countVt03Colours(std::span<const Colour> colours,
                                  chip::ColourMode colourMode) const {
    std::unordered_set<std::uint16_t> codes;
    for (Colour c : colours)
        codes.insert(toVt03Code(c, colourMode));
    return static_cast<int>(codes.size());
}

} // namespace kadro
