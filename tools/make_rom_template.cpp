// Writes the ROM template: a 512 KB image of 0xFF bytes whose last 8 KB bank holds the
// assembled viewer program. The ROM builder later fills the picture areas and the
// parameter block at the start of that bank, so the program must leave it untouched.
#include "common/ChipRules.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

constexpr std::size_t romSize = kadro::chip::romBytes;
constexpr std::size_t programOffset = kadro::chip::romLastBank; // mapped at $E000 after reset
constexpr std::size_t programSize = kadro::chip::romBankBytes;
constexpr std::size_t reservedSize = 0x200; // palette and parameter block

int fail(const char* message) {
    std::fprintf(stderr, "make_rom_template: %s\n", message);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3)
        return fail("usage: make_rom_template VIEWER.bin Rom.b00");
    std::ifstream in(argv[1], std::ios::binary);
    if (!in)
        return fail("cannot read the viewer program");
    const std::vector<std::uint8_t> program{std::istreambuf_iterator<char>(in), {}};
    if (program.size() != programSize)
        return fail("the viewer program is not exactly 8 KB");
    for (std::size_t i = 0; i < reservedSize; ++i)
        if (program[i] != 0xFF)
            return fail("the viewer program overlaps the parameter block at $E000-$E1FF");
    const unsigned reset = program[0x1FFC] | program[0x1FFD] << 8;
    if (reset < 0xE000 + reservedSize || reset >= 0xFFFA)
        return fail("the reset vector does not point into the program");

    std::vector<std::uint8_t> rom(romSize, 0xFF);
    std::copy(program.begin(), program.end(), rom.begin() + programOffset);
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(rom.data()), static_cast<std::streamsize>(rom.size()));
    if (!out)
        return fail("cannot write the template");
    return 0;
}
