#include "WholeFileModule.h"

#include "picture/FormatModule.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace kadro::modules {

namespace {

// The module block: the file's length, then its bytes. The loader releases it with free().
struct Held {
    std::size_t size;
    std::uint8_t bytes[1];
};

std::span<const std::uint8_t> held(const ImageRequest& r) {
    const auto* h = static_cast<const Held*>(r.moduleBlock);
    return h ? std::span<const std::uint8_t>(h->bytes, h->size) : std::span<const std::uint8_t>();
}

bool readWholeFile(ImageRequest& r) {
    std::free(r.moduleBlock);
    r.moduleBlock = nullptr;
    const std::string path(r.path, strnlen(r.path, sizeof r.path));
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return false;
    bool ok = std::fseek(f, 0, SEEK_END) == 0;
    const long size = ok ? std::ftell(f) : -1;
    ok = ok && size >= 0 && static_cast<std::size_t>(size) <= maxPictureFileBytes &&
         std::fseek(f, 0, SEEK_SET) == 0;
    auto* h = ok ? static_cast<Held*>(std::malloc(sizeof(Held) + static_cast<std::size_t>(size)))
                 : nullptr;
    if (h) {
        h->size = static_cast<std::size_t>(size);
        ok = std::fread(h->bytes, 1, h->size, f) == h->size;
        r.moduleBlock = h;
    }
    std::fclose(f);
    return ok && h;
}

} // namespace

int serveRequest(ImageRequest* request, const PictureDecoder& decoder) {
    if (!request || request->version != imageRequestVersion)
        return 0;
    ImageRequest& r = *request;
    switch (r.command) {
    case CommandIdentify:
        return readWholeFile(r) && decoder.recognises(held(r)) ? 1 : 0;
    case CommandDescribe: {
        if (!r.moduleBlock && !readWholeFile(r))
            return 0;
        int width = 0, height = 0;
        if (!decoder.describe(held(r), width, height) || !moduleSizeAccepted(width, height))
            return 0;
        r.description.width = width;
        r.description.height = height;
        return 1;
    }
    case CommandReadPixels: {
        const int width = r.pixelHeader.width, height = r.pixelHeader.height;
        if (!r.rowTable || !moduleSizeAccepted(width, height))
            return 0;
        if (!r.moduleBlock && !readWholeFile(r))
            return 0;
        return decoder.read(held(r), width, height, PixelRows{r.rowTable}) ? 1 : 0;
    }
    default:
        return 0;
    }
}

} // namespace kadro::modules
