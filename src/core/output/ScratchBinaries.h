#pragma once

#include "output/ConvertedData.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kadro {

class UserInterface;

// The per-frame scratch files of the animation run: "PGT_Temp.BIN" (the whole PGT),
// "PNT_Temp.BIN" (the names without attributes) and "PAL_Temp.BIN" (palette entries 0..31).
struct ScratchBinaries {
    std::vector<std::uint8_t> pgt, pnt, pal;

    static ScratchBinaries from(const ConvertedData& data);
    // Writes the three files into directory (empty = the current one); a file that cannot be
    // written is reported and stops the rest.
    bool write(const std::string& directory, UserInterface& ui) const;
};

inline constexpr const char* pgtScratchName = "PGT_Temp.BIN";
inline constexpr const char* pntScratchName = "PNT_Temp.BIN";
inline constexpr const char* palScratchName = "PAL_Temp.BIN";

} // namespace kadro
