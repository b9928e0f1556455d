// The colour tables "Hsl2rgb.tab" and "6576(ok).act": a table that loads gives codes inside it,
// and the bucketed nearest-colour search answers exactly as the plain scan over the table.
#include "FuzzSupport.h"

#include "colour/ColorTables.h"

#include <filesystem>

using namespace kadro;

namespace {

std::vector<Colour> defaultHsl() {
    std::vector<Colour> table(hslTableEntries);
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = static_cast<Colour>(i * 0x010101u & 0xFFFFFF);
    return table;
}

std::array<Colour, nesPaletteEntries> defaultNes() {
    std::array<Colour, nesPaletteEntries> table{};
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = static_cast<Colour>(i * 0x040404u);
    return table;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input input(data, size);
    const bool hsl = input.byte() % 2 == 0;
    std::vector<Colour> probes;
    for (int i = 0; i < 8; ++i)
        probes.push_back(
            static_cast<Colour>(input.byte() << 16 | input.byte() << 8 | input.byte()));
    const std::string dir = (std::filesystem::path(fuzz::scratch()) / "tables").string();
    std::filesystem::create_directories(dir);
    fuzz::writeScratch(std::string("tables/") + (hsl ? hslTableFileName : nesPaletteFileName),
                       input.rest());

    fuzz::CountingUserInterface ui;
    std::vector<Colour> hslTable = defaultHsl();
    std::array<Colour, nesPaletteEntries> nesTable = defaultNes();
    if (hsl) {
        auto read = ColorTables::readHslTable(dir, ui);
        if (!read)
            return 0;
        fuzz::check(read->size() == hslTableEntries, "an HSL table of another length");
        hslTable = std::move(*read);
    } else {
        auto read = ColorTables::readNesPalette(dir, ui);
        if (!read)
            return 0;
        nesTable = *read;
    }

    // Mode 0 takes the lowest code of the nearest colour among every colour of the table.
    const ColorTables tables = ColorTables::fromData(hslTable, nesTable);
    for (Colour probe : probes) {
        const auto nearest = scanNearest(hslTable, CandidateSet{0, false}, probe);
        fuzz::check(tables.toVt03Code(probe, chip::ColourMode::Hsl) == nearest.value_or(0),
                    "the nearest-colour search and the plain scan disagree");
        for (int m = 0; m < chip::colourModes; ++m)
            tables.fromVt03Code(tables.toVt03Code(probe, chip::colourModeOf(m)),
                                chip::colourModeOf(m));
    }
    fuzz::check(tables.countVt03Colours(probes, chip::ColourMode::Hsl) <=
                    static_cast<int>(probes.size()),
                "more codes than colours");
    return 0;
}
