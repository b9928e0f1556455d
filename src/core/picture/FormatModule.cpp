#include "picture/FormatModule.h"

#include "common/Paths.h"
#include "common/ProgramFiles.h"
#include "common/UserInterface.h"

#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <memory>
#include <vector>

namespace kadro {

namespace {

constexpr const char* librarySuffix = ".so";

struct RequestDeleter {
    void operator()(ImageRequest* r) const {
        std::free(r->moduleBlock);
        delete r;
    }
};
using RequestPtr = std::unique_ptr<ImageRequest, RequestDeleter>;

void copyPath(ImageRequest& r, const std::string& path) {
    std::memset(r.path, 0, sizeof r.path);
    std::memcpy(r.path, path.data(), std::min(path.size(), sizeof r.path - 1));
}

void fillPixelHeader(ImageRequest& r, int width, int height) {
    r.pixelHeader = BitmapInfoHeader{40, width, height, 1, 32, 0, 0, 3780, 3780, 0, 0};
    r.colourMasks[0] = 0x00FF0000;
    r.colourMasks[1] = 0x0000FF00;
    r.colourMasks[2] = 0x000000FF;
    r.colourMasks[3] = 0;
}

// Rows stay in storage order; each 32-bit pixel keeps its three low bytes (blue, green, red).
std::optional<DibImage> toTrueColour(const std::vector<std::uint32_t>& pixels, int width,
                                     int height) {
    auto image = DibImage::createBlank(width, height);
    if (!image)
        return std::nullopt;
    const std::size_t stride = static_cast<std::size_t>(image->stride());
    std::uint8_t* out = image->pixels().data();
    for (int row = 0; row < height; ++row) {
        std::uint8_t* line = out + static_cast<std::size_t>(row) * stride;
        const std::uint32_t* in = pixels.data() + static_cast<std::size_t>(row) * width;
        for (int x = 0; x < width; ++x) {
            line[3 * x] = static_cast<std::uint8_t>(in[x]);
            line[3 * x + 1] = static_cast<std::uint8_t>(in[x] >> 8);
            line[3 * x + 2] = static_cast<std::uint8_t>(in[x] >> 16);
        }
        std::memset(line + 3 * width, 0, stride - 3 * static_cast<std::size_t>(width));
    }
    return image;
}

} // namespace

FormatModuleLoader::FormatModuleLoader(const std::string& moduleDirectory) {
    for (std::size_t i = 0; i < formatTable.size(); ++i) {
        const std::string file = programfiles::locate(
            moduleDirectory, libraryFileName(formatTable[i].name), programfiles::Room::Library);
        // Never unmapped: a decoder library with worker threads must not vanish under them.
        void* lib = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
        if (!lib)
            continue;
        slots_[i].library = lib;
        slots_[i].entry = reinterpret_cast<FormatModuleEntry>(dlsym(lib, formatModuleEntryName));
    }
}

FormatModuleLoader::~FormatModuleLoader() {
    for (auto& slot : slots_)
        if (slot.library)
            dlclose(slot.library);
}

int FormatModuleLoader::classify(std::string_view path) {
    if (path.empty())
        return 0;
    auto dot = path.rfind('.');
    std::string_view after = dot == std::string_view::npos ? path.substr(1) : path.substr(dot + 1);
    if (after.size() > 4)
        return 0;
    const std::string upper = paths::toUpper(after);
    for (const auto& entry : formatTable)
        for (auto ext : entry.extensions)
            if (!ext.empty() && ext == upper)
                return entry.type;
    return 0;
}

std::string_view FormatModuleLoader::formatName(int type) {
    for (const auto& entry : formatTable)
        if (entry.type == type)
            return entry.name;
    return {};
}

std::string FormatModuleLoader::libraryFileName(std::string_view formatName) {
    return std::string(formatName) + "MODULE" + librarySuffix;
}

bool FormatModuleLoader::hasModule(int type) const {
    return type >= 1 && type <= static_cast<int>(formatTable.size()) &&
           slots_[static_cast<std::size_t>(type - 1)].entry != nullptr;
}

void FormatModuleLoader::setEntryPoint(int type, FormatModuleEntry entry) {
    if (type >= 1 && type <= static_cast<int>(formatTable.size()))
        slots_[static_cast<std::size_t>(type - 1)].entry = entry;
}

std::optional<DibImage> FormatModuleLoader::load(const std::string& path, UserInterface& ui) {
    const int type = classify(path);
    if (type == 0) {
        ui.showMessage("无效的文件类型", MessageIcon::Warning, "错误");
        return std::nullopt;
    }
    FormatModuleEntry entry = nullptr;
    for (std::size_t i = 0; i < formatTable.size(); ++i)
        if (formatTable[i].type == type)
            entry = slots_[i].entry;
    if (!entry)
        return std::nullopt;
    return runRequest(entry, path);
}

std::optional<DibImage> FormatModuleLoader::runRequest(FormatModuleEntry entry,
                                                       const std::string& path) {
    RequestPtr request(new ImageRequest{});
    ImageRequest& r = *request;

    r.command = CommandIdentify;
    r.version = imageRequestVersion;
    copyPath(r, path);
    r.progressState = 1;
    if (entry(&r) == 0)
        return std::nullopt;

    r.command = CommandDescribe;
    r.version = imageRequestVersion;
    std::memset(&r.description, 0, sizeof r.description);
    copyPath(r, path);
    if (entry(&r) == 0)
        return std::nullopt;

    const int width = r.description.width, height = r.description.height;
    if (width <= 0 || height <= 0 || width > maxModuleSide || height > maxModuleSide ||
        static_cast<long long>(width) * height > maxModulePixels)
        return std::nullopt;

    fillPixelHeader(r, width, height);
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height, 0);
    std::vector<std::uint32_t*> rows(static_cast<std::size_t>(height));
    for (int row = 0; row < height; ++row)
        rows[static_cast<std::size_t>(row)] =
            pixels.data() + static_cast<std::size_t>(height - row - 1) * width;
    r.pixels = pixels.data();
    r.rowTable = rows.data();
    // A module that already delivered everything while describing is not asked again.
    int ok = 1;
    if (r.progressState <= 3) {
        r.command = CommandReadPixels;
        r.version = imageRequestVersion;
        ok = entry(&r);
    }
    r.pixels = nullptr;
    r.rowTable = nullptr;
    if (ok == 0)
        return std::nullopt;
    return toTrueColour(pixels, width, height);
}

std::optional<DibImage> loadPictureFile(const std::string& moduleDirectory, const std::string& path,
                                        UserInterface& ui) {
    FormatModuleLoader loader(moduleDirectory);
    return loader.load(path, ui);
}

} // namespace kadro
