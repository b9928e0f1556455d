// One picture format behind the module entry point, decoded by ImageMagick's MagickWand.
// The build compiles this file once per format with KADRO_FORMAT set to the format's name.

#include "picture/ImageRequest.h"

#include <wand/MagickWand.h>

#include <algorithm>
#include <cstring>
#include <string>

#ifndef KADRO_FORMAT
#error "KADRO_FORMAT must name the format this module reads"
#endif

namespace {

using kadro::ImageRequest;

// Pictures for the chip are small; these keep a forged header from exhausting memory.
constexpr MagickSizeType maxSide = 16384;
constexpr MagickSizeType maxArea = 64ULL * 1024 * 1024;
// The pixel cache holds 8 bytes a pixel (four 16-bit channels).
constexpr MagickSizeType cacheBytesPerPixel = 8;
// Room for the largest picture's cache and the decoder's own buffers, and no more: nothing
// spills into memory-mapped or temporary files.
constexpr MagickSizeType maxMemory = maxArea * cacheBytesPerPixel * 3 / 2;

void setUp() {
    if (IsMagickWandInstantiated() == MagickFalse) {
        MagickWandGenesis();
        MagickSetResourceLimit(WidthResource, maxSide);
        MagickSetResourceLimit(HeightResource, maxSide);
        MagickSetResourceLimit(AreaResource, maxArea);
        MagickSetResourceLimit(MapResource, 0);
        MagickSetResourceLimit(DiskResource, 0);
        // Decoding one small picture needs no worker threads, and none may outlive a call.
        MagickSetResourceLimit(ThreadResource, 1);
        // The resource limits cover the pixel cache only. A decoder's own buffers follow sizes
        // the file declares (a forged PNG text chunk can ask for gigabytes), so no single
        // request may exceed what the largest picture's strip or channel needs.
        ExceptionInfo* exception = AcquireExceptionInfo();
        SetMagickSecurityPolicy("<policymap><policy domain=\"system\" "
                                "name=\"max-memory-request\" value=\"256MiB\"/></policymap>",
                                exception);
        DestroyExceptionInfo(exception);
    }
    MagickSetResourceLimit(MemoryResource, maxMemory);
}

// Reading the pixels of a described picture needs a few copies of its own cache at most.
void limitMemoryTo(int width, int height) {
    const MagickSizeType own = static_cast<MagickSizeType>(width) *
                               static_cast<MagickSizeType>(height) * cacheBytesPerPixel;
    MagickSetResourceLimit(MemoryResource, std::min(maxMemory, 4 * own + (16ULL << 20)));
}

// The module's own decoder is forced: a file is only ever read as this module's format. Only
// the first picture of a file is used, so the decoder stops after it ("[0]"; a path naming an
// existing file is never taken for a scene).
std::string qualifiedPath(const ImageRequest& r) {
    std::string path(r.path, strnlen(r.path, sizeof r.path));
    return std::string(KADRO_FORMAT) + ":" + path + "[0]";
}

// A truncated or damaged file must not turn into a half-made picture, so damage reported as a
// warning fails the read as well as errors do.
// Decoders report damage either on the wand or only on the decoded image, so both are asked.
bool damaged(ExceptionType severity) {
    return severity >= ErrorException || severity == CorruptImageWarning;
}

bool readCleanly(MagickWand* wand, MagickBooleanType status) {
    ExceptionType severity = UndefinedException;
    char* description = MagickGetException(wand, &severity);
    MagickRelinquishMemory(description);
    if (status == MagickFalse || damaged(severity))
        return false;
    const Image* image = GetImageFromMagickWand(wand);
    return image && !damaged(image->exception.severity);
}

struct Wand {
    MagickWand* wand = NewMagickWand();
    ~Wand() { DestroyMagickWand(wand); }
};

int describe(ImageRequest& r, bool pingOnly) {
    Wand w;
    const std::string path = qualifiedPath(r);
    const MagickBooleanType status =
        pingOnly ? MagickPingImage(w.wand, path.c_str()) : MagickReadImage(w.wand, path.c_str());
    if (!readCleanly(w.wand, status) || MagickGetNumberImages(w.wand) == 0)
        return 0;
    MagickSetFirstIterator(w.wand);
    const size_t width = MagickGetImageWidth(w.wand), height = MagickGetImageHeight(w.wand);
    if (width == 0 || height == 0 || width > maxSide || height > maxSide)
        return 0;
    r.description.width = static_cast<std::int32_t>(width);
    r.description.height = static_cast<std::int32_t>(height);
    return 1;
}

int readPixels(ImageRequest& r) {
    const int width = r.pixelHeader.width, height = r.pixelHeader.height;
    if (!r.pixels || !r.rowTable || width <= 0 || height <= 0)
        return 0;
    Wand w;
    const std::string path = qualifiedPath(r);
    limitMemoryTo(width, height);
    if (!readCleanly(w.wand, MagickReadImage(w.wand, path.c_str())))
        return 0;
    MagickSetFirstIterator(w.wand);
    if (MagickGetImageWidth(w.wand) != static_cast<size_t>(width) ||
        MagickGetImageHeight(w.wand) != static_cast<size_t>(height))
        return 0;
    // "BGRP" gives blue, green, red and a zero pad byte per pixel: 0x00RRGGBB on little-endian.
    for (int row = 0; row < height; ++row) {
        if (MagickExportImagePixels(w.wand, 0, row, static_cast<size_t>(width), 1, "BGRP",
                                    CharPixel, r.rowTable[row]) == MagickFalse)
            return 0;
    }
    return 1;
}

} // namespace

extern "C" __attribute__((visibility("default"))) int kadroFormatModule(ImageRequest* request) {
    if (!request || request->version != kadro::imageRequestVersion)
        return 0;
    setUp();
    switch (request->command) {
    case kadro::CommandIdentify:
        return describe(*request, true);
    case kadro::CommandDescribe:
        return describe(*request, true);
    case kadro::CommandReadPixels:
        return readPixels(*request);
    default:
        return 0;
    }
}
