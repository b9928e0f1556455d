#include "document/InformationText.h"

#include <gtest/gtest.h>

namespace kadro {
namespace {

ConversionSettings convertedSettings() {
    ConversionSettings s;
    s.width = 256;
    s.height = 240;
    s.colourCount = 0;
    s.charSize = 1; // 8*16: 64 PGT bytes per character with 16 colours
    s.compressMode = 1;
    s.patternBytes = 0x1A40;
    s.startAddress = 0x0100;
    s.endAddress = 0x2000;
    s.pntAttributeMode = 2;
    s.paletteFirst = 0x10;
    s.paletteUsed = 16;
    return s;
}

TEST(InformationText, OrdinaryPictureShowsItsSize) {
    EXPECT_EQ(information::forImage(320, 200), "width:320\nheight:200\n");
}

TEST(InformationText, KdrDocumentListsItsFigures) {
    const ConversionSettings s = convertedSettings();
    EXPECT_EQ(information::forKdr(s), "width:256\nheight:240\ncompress mode:No Compress\n"
                                      "color mode:16 Color\nblock mode:8*16\nblock:105\n"
                                      "PGT size:$1A40\nbegin address:$100\nend address:$2000\n"
                                      "PAL begin:$10\ncolor:$1\n");
}

TEST(InformationText, OldKdrHeaderLeavesOutThePaletteLines) {
    ConversionSettings s = convertedSettings();
    s.headerVersion = 1;
    EXPECT_EQ(information::forKdr(s).find("PAL begin"), std::string::npos);
    EXPECT_EQ(information::forKdr(s).find("color:$"), std::string::npos);
}

TEST(InformationText, ConversionCountsFourColourTiles) {
    ConversionSettings s = convertedSettings();
    s.colourCount = 1; // 4 colours: 32 bytes per 8*16 character
    s.compressMode = 0;
    EXPECT_EQ(information::forConversion(s), "width:256\nheight:240\nAddress:2\ncompress:Compress\n"
                                             "color:4 Color\nblockmode:8*16\nblock:210\n"
                                             "PGTsize:$1A40\n");
}

} // namespace
} // namespace kadro
