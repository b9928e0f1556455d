#pragma once

#include <cstddef>
#include <cstdint>

// The record the program hands to a format module, shared by the loader and the modules. It is
// an in-memory contract between two pieces of this system, never a file: the pointer fields
// are pointer-sized on 64-bit builds; every other field, command and value keeps its place.
namespace kadro {

enum ImageCommand : std::int32_t {
    CommandIdentify = 5,
    CommandDescribe = 6,
    CommandReadPixels = 7
};
inline constexpr std::int32_t imageRequestVersion = 8;

struct BitmapInfoHeader {
    std::uint32_t size;
    std::int32_t width;
    std::int32_t height;
    std::uint16_t planes;
    std::uint16_t bitCount;
    std::uint32_t compression;
    std::uint32_t imageSize;
    std::int32_t xPelsPerMeter;
    std::int32_t yPelsPerMeter;
    std::uint32_t coloursUsed;
    std::uint32_t coloursImportant;
};
static_assert(sizeof(BitmapInfoHeader) == 40);

struct ImageDescription {
    std::uint8_t lead[528];
    std::int32_t width;  // pixels per row, set by the module when describing
    std::int32_t height; // rows, set by the module when describing
    std::uint8_t rest[28];
};
static_assert(sizeof(ImageDescription) == 564);

struct ImageRequest {
    std::int32_t command;
    std::int32_t version;
    std::uint8_t commandData[512];
    ImageDescription description;
    char path[512];
    void* moduleBlock; // a module may leave a block here; the loader frees it with free()
    BitmapInfoHeader pixelHeader;
    std::uint32_t colourMasks[4];
    std::uint32_t** rowTable; // entry r points at row r counted from the top
    std::uint32_t* pixels;    // width x height pixels 0x00RRGGBB, rows stored bottom-up
    std::int32_t progressState;
    std::uint8_t reserved[24];
};

static_assert(offsetof(ImageRequest, description) == 520);
static_assert(offsetof(ImageRequest, description) + offsetof(ImageDescription, width) == 1048);
static_assert(offsetof(ImageRequest, description) + offsetof(ImageDescription, height) == 1052);
static_assert(offsetof(ImageRequest, path) == 1084);
static_assert(sizeof(void*) != 4 || offsetof(ImageRequest, pixelHeader) == 1600);
static_assert(sizeof(void*) != 4 || offsetof(ImageRequest, progressState) == 1664);
static_assert(sizeof(void*) != 4 || sizeof(ImageRequest) == 1692);

// Every module exports this one entry point; 0 means failure.
using FormatModuleEntry = int (*)(ImageRequest*);
inline constexpr const char* formatModuleEntryName = "kadroFormatModule";

} // namespace kadro
