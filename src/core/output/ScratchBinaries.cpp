#include "output/ScratchBinaries.h"

#include "common/FileIo.h"
#include "common/Paths.h"
#include "common/UserInterface.h"

#include <algorithm>

namespace kadro {

namespace {
constexpr std::size_t paletteScratchBytes = 64;
}

ScratchBinaries ScratchBinaries::from(const ConvertedData& data) {
    const auto& r = data.results();
    ScratchBinaries out;
    out.pgt = r.patternData;
    const auto names = data.nameBytesStored();
    out.pnt.assign(names.begin(), names.end());
    const auto pal = std::min(r.paletteCodes.size(), paletteScratchBytes);
    out.pal.assign(r.paletteCodes.begin(),
                   r.paletteCodes.begin() + static_cast<std::ptrdiff_t>(pal));
    return out;
}

bool ScratchBinaries::write(const std::string& directory, UserInterface& ui) const {
    const std::pair<const char*, const std::vector<std::uint8_t>*> files[] = {
        {pgtScratchName, &pgt}, {pntScratchName, &pnt}, {palScratchName, &pal}};
    for (const auto& [name, bytes] : files) {
        std::string error;
        if (!fileio::writeFile(paths::join(directory, name), *bytes, &error)) {
            ui.showMessage(error, MessageIcon::Warning);
            return false;
        }
    }
    return true;
}

} // namespace kadro
