// The 1120-byte settings header: every byte survives a read and a write, and a header that
// passes the checks gives bank counts without overflow.
#include "FuzzSupport.h"

#include "document/InformationText.h"
#include "output/ConvertedData.h"
#include "picture/KdrFile.h"

#include <algorithm>

using namespace kadro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::array<std::uint8_t, ConversionSettings::byteSize> bytes{};
    std::copy_n(data, std::min(size, bytes.size()), bytes.begin());
    const ConversionSettings s = ConversionSettings::fromBytes(bytes);
    fuzz::check(s.toBytes() == bytes, "the header is not written as it was read");

    information::forKdr(s);
    information::forConversion(s);
    information::tileCount(s);
    s.bankCount();
    if (!checkConvertedHeader(s).empty())
        return 0;
    const ConversionResults none;
    const ConvertedData converted(s, none);
    for (int bank = 1; bank < converted.bankCount(); ++bank)
        fuzz::check(converted.irqRows(bank) >= 0 && converted.irqRows(bank) < s.height,
                    "a checked header gives a bank outside the picture");
    converted.irqRowsProblem();
    return 0;
}
