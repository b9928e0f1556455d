#pragma once

#include "picture/ConversionSettings.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kadro {

// The three result blocks of a conversion, exactly as a ".kdr" document stores them.
struct ConversionResults {
    std::vector<std::uint8_t> mapData;      // names (int16 per cell) then attributes (1 per cell)
    std::vector<std::uint8_t> paletteCodes; // 256 little-endian VT03 codes, 0xFFFF unused
    std::vector<std::uint8_t> patternData;  // the PGT in bit planes, bank after bank
};

// A converted picture as stored: the settings header followed by the three blocks.
struct KdrDocument {
    ConversionSettings settings;
    ConversionResults results;
};

inline constexpr int paletteCodeBytes = 512;

enum class KdrStatus {
    Ok,
    CannotOpen,   // missing or unreadable
    TooShort,     // fewer than 1120 bytes
    BadMagic,     // "非法的KDR文件!"
    NotConverted, // a header without converted data (pictureType is not 3)
    Inconsistent, // sizes in the header do not fit together or do not fit the file
};

struct KdrReadResult {
    KdrStatus status = KdrStatus::CannotOpen;
    KdrDocument document;
    std::string reason; // for Inconsistent: which size is wrong
};

// Reads a ".kdr" file. Every size is checked against the header and the file before anything is
// taken from it, so a corrupt file is refused whole.
KdrReadResult readKdr(const std::string& path);
KdrReadResult parseKdr(const std::vector<std::uint8_t>& bytes);

// The reason a header's sizes cannot describe converted data, or empty when they can.
std::string checkConvertedHeader(const ConversionSettings& s);

std::vector<std::uint8_t> kdrBytes(const KdrDocument& document);

// Text for a failed read, naming the file.
std::string describeKdrFailure(const std::string& path, const KdrReadResult& result);

} // namespace kadro
