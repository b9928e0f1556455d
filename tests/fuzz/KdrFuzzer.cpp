// ".kdr" documents: what loads is saved again byte for byte, and every reader of its blocks
// stays inside them.
#include "FuzzSupport.h"

#include "document/InformationText.h"
#include "output/ConvertedData.h"
#include "picture/KdrFile.h"

#include <algorithm>

using namespace kadro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    const KdrReadResult read = parseKdr(bytes);
    fuzz::check(read.status == KdrStatus::Ok || !describeKdrFailure("d.kdr", read).empty(),
                "a refused document without a reason");
    if (read.status != KdrStatus::Ok)
        return 0;

    const std::vector<std::uint8_t> saved = kdrBytes(read.document);
    fuzz::check(saved.size() <= size && std::equal(saved.begin(), saved.end(), data),
                "a loaded document is not saved as it was read");
    const KdrReadResult again = parseKdr(saved);
    fuzz::check(again.status == KdrStatus::Ok && kdrBytes(again.document) == saved,
                "a saved document does not load again");

    const ConversionSettings& s = read.document.settings;
    fuzz::check(!information::forKdr(s).empty(), "no information text");
    information::tileCount(s);
    const ConvertedData converted(s, read.document.results);
    converted.problem();
    converted.irqRowsProblem();
    unsigned sum = 0;
    for (int cell = 0; cell < converted.cellCount(); ++cell)
        sum += converted.name(cell) + converted.attribute(cell) +
               converted.packedAttributes(cell, cell % 2 == 0);
    for (int bank = 0; bank < converted.bankCount(); ++bank)
        sum += static_cast<unsigned>(converted.bankSize(bank));
    fuzz::keep(sum);
    return 0;
}
