#include "picture/KdrFile.h"

#include "common/ByteIo.h"
#include "common/FileIo.h"

namespace kadro {

namespace {
constexpr std::int64_t maxBlockBytes = 1LL << 28;

// The writers count the rows between bank starts for the scan-line interrupt, so every start
// must be a character row inside the picture, after the previous one; bank 0 starts at the top.
std::string checkBankRow(const ConversionSettings& s, int k) {
    const std::int32_t row = s.bankStartRows[static_cast<std::size_t>(k)];
    const std::string where = "bank " + std::to_string(k) + " starts at row " + std::to_string(row);
    if (k == 0)
        return row == 0 ? std::string{} : where + "; the first bank starts at row 0";
    if (row <= s.bankStartRows[static_cast<std::size_t>(k) - 1])
        return where + ", not after the bank before it";
    if (row >= s.height)
        return where + ", below the picture's " + std::to_string(s.height) + " rows";
    if (row % s.geometry().height != 0)
        return where + ", which is not the first row of a character";
    return {};
}
} // namespace

std::string checkConvertedHeader(const ConversionSettings& s) {
    if (s.charSize >= chip::charSizeCount)
        return "unknown character size " + std::to_string(s.charSize);
    if (s.colourCount >= chip::colourCounts)
        return "unknown colour count " + std::to_string(s.colourCount);
    if (s.colourMode >= chip::colourModes)
        return "unknown colour mode " + std::to_string(s.colourMode);
    if (s.width < 0 || s.height < 0 || s.width > 65535 || s.height > 65535)
        return "picture size out of range";
    if (s.mapBytes < 0 || s.mapBytes % 3 != 0 || s.mapBytes > maxBlockBytes)
        return "name table size is not three bytes per cell";
    const std::int64_t cells = static_cast<std::int64_t>(s.cellsAcross()) * s.cellsDown();
    if (s.mapBytes / 3 != cells)
        return "name table does not match the picture size";
    if (s.paletteBytes != paletteCodeBytes)
        return "palette block is not 512 bytes";
    if (s.patternBytes < 0 || s.patternBytes > maxBlockBytes)
        return "pattern block size out of range";
    const int banks = s.bankCount();
    if (banks > chip::maxBanks)
        return "more than 16 pattern banks";
    for (int k = 0; k < banks; ++k) {
        const auto size = static_cast<std::int64_t>(static_cast<std::uint16_t>(s.bankSizes[k]));
        if (static_cast<std::int64_t>(k) * s.bankStride() + size > s.patternBytes)
            return "bank " + std::to_string(k) + " reaches past the pattern block";
        if (std::string why = checkBankRow(s, k); !why.empty())
            return why;
    }
    return {};
}

KdrReadResult parseKdr(const std::vector<std::uint8_t>& bytes) {
    KdrReadResult result;
    if (bytes.size() < ConversionSettings::byteSize) {
        result.status = KdrStatus::TooShort;
        return result;
    }
    const auto settings =
        ConversionSettings::fromBytes(std::span<const std::uint8_t, ConversionSettings::byteSize>(
            bytes.data(), ConversionSettings::byteSize));
    if (!settings.hasKdrMagic()) {
        result.status = KdrStatus::BadMagic;
        return result;
    }
    result.document.settings = settings;
    if (pictureTypeOf(settings.pictureType) != PictureType::Converted) {
        result.status = KdrStatus::NotConverted;
        return result;
    }
    result.reason = checkConvertedHeader(settings);
    const std::int64_t need = static_cast<std::int64_t>(ConversionSettings::byteSize) +
                              settings.mapBytes + settings.paletteBytes + settings.patternBytes;
    if (result.reason.empty() && static_cast<std::int64_t>(bytes.size()) < need)
        result.reason = "the file is shorter than its header says";
    if (!result.reason.empty()) {
        result.status = KdrStatus::Inconsistent;
        return result;
    }
    auto at = bytes.begin() + ConversionSettings::byteSize;
    auto take = [&at](std::int32_t n) {
        std::vector<std::uint8_t> block(at, at + n);
        at += n;
        return block;
    };
    result.document.results.mapData = take(settings.mapBytes);
    result.document.results.paletteCodes = take(settings.paletteBytes);
    result.document.results.patternData = take(settings.patternBytes);
    result.status = KdrStatus::Ok;
    return result;
}

KdrReadResult readKdr(const std::string& path) {
    auto bytes = fileio::readFile(path);
    if (!bytes)
        return KdrReadResult{};
    return parseKdr(*bytes);
}

std::vector<std::uint8_t> kdrBytes(const KdrDocument& document) {
    bytes::ByteWriter out;
    out.raw(document.settings.toBytes());
    out.raw(document.results.mapData);
    out.raw(document.results.paletteCodes);
    out.raw(document.results.patternData);
    return out.take();
}

std::string describeKdrFailure(const std::string& path, const KdrReadResult& result) {
    switch (result.status) {
    case KdrStatus::Ok:
        return {};
    case KdrStatus::CannotOpen:
        return path + ": cannot open the file";
    case KdrStatus::TooShort:
        return path + ": too short for a document header";
    case KdrStatus::BadMagic:
        return path + ": 非法的KDR文件!";
    case KdrStatus::NotConverted:
        return path + ": the document holds no converted picture";
    case KdrStatus::Inconsistent:
        return path + ": corrupt document: " + result.reason;
    }
    return path;
}

} // namespace kadro
