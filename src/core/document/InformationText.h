#pragma once

#include "picture/ConversionSettings.h"

#include <string>

// The figures of the current picture as the information panel shows them, one "name:value" line
// each. Kept apart from any window so every front end shows the same text.
namespace kadro::information {

// After opening an ordinary picture.
std::string forImage(int width, int height);
// After opening a ".kdr" document.
std::string forKdr(const ConversionSettings& settings);
// After a conversion has finished.
std::string forConversion(const ConversionSettings& settings);

// Characters in the pattern table: its bytes over the bytes of one character, the padding at the
// end of every bank but the last counted as characters.
int tileCount(const ConversionSettings& settings);
// The distinct tiles the conversion stored: the banks' used bytes, less bank 0's space before
// the start address, over the bytes of one character.
int storedTileCount(const ConversionSettings& settings);

} // namespace kadro::information
