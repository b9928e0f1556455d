#include "picture/FormatModule.h"

#include "common/FileIo.h"
#include "common/Paths.h"
#include "common/ProgramFiles.h"
#include "common/UserInterface.h"

#include <bit>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <map>
#include <memory>
#include <vector>

namespace kadro {

namespace {

constexpr const char* librarySuffix = ".so";

// A format's type is its position in the table plus one, so a type names its slot.
static_assert([] {
    for (std::size_t i = 0; i < formatTable.size(); ++i)
        if (formatTable[i].type != static_cast<int>(i + 1))
            return false;
    return true;
}());

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

// One row of 32-bit pixels as a 24-bit row: each pixel keeps its three low bytes (blue, green,
// red), and the padding after the pixels is zero.
void storeTrueColourRow(const std::uint32_t* in, int width, std::uint8_t* line) {
    int x = 0;
    if constexpr (std::endian::native == std::endian::little) {
        // Four pixels make three whole words: no byte-by-byte stores.
        for (; x + 4 <= width; x += 4) {
            const std::uint32_t p0 = in[x] & 0xFFFFFF, p1 = in[x + 1] & 0xFFFFFF,
                                p2 = in[x + 2] & 0xFFFFFF, p3 = in[x + 3] & 0xFFFFFF;
            const std::uint32_t words[3] = {p0 | p1 << 24, p1 >> 8 | p2 << 16, p2 >> 16 | p3 << 8};
            std::memcpy(line + 3 * x, words, sizeof words);
        }
    }
    for (; x < width; ++x) {
        line[3 * x] = static_cast<std::uint8_t>(in[x]);
        line[3 * x + 1] = static_cast<std::uint8_t>(in[x] >> 8);
        line[3 * x + 2] = static_cast<std::uint8_t>(in[x] >> 16);
    }
    std::memset(line + 3 * width, 0, static_cast<std::size_t>(width % 4));
}

// Rows stay in storage order.
std::optional<DibImage> toTrueColour(const std::uint32_t* pixels, int width, int height) {
    return DibImage::fromStoredRows(width, height, [&](int row, std::uint8_t* line) {
        storeTrueColourRow(pixels + static_cast<std::size_t>(row) * width, width, line);
    });
}

// The zero-filled pixels the protocol promises, rows stored bottom-up, and the table of rows
// counted from the top.
struct PixelBuffer {
    std::unique_ptr<std::uint32_t[], decltype(&std::free)> pixels{nullptr, &std::free};
    std::vector<std::uint32_t*> rows;

    bool allocate(int width, int height) {
        pixels.reset(static_cast<std::uint32_t*>(
            std::calloc(static_cast<std::size_t>(width) * height, sizeof(std::uint32_t))));
        if (!pixels)
            return false;
        rows.resize(static_cast<std::size_t>(height));
        for (int row = 0; row < height; ++row)
            rows[static_cast<std::size_t>(row)] =
                pixels.get() + static_cast<std::size_t>(height - row - 1) * width;
        return true;
    }
};

bool knownType(int type) {
    return type >= 1 && type <= static_cast<int>(formatTable.size());
}

std::array<const PictureDecoder*, 16>& providedDecoders() {
    static std::array<const PictureDecoder*, 16> decoders{};
    return decoders;
}

const PictureDecoder* providedDecoder(int type) {
    return knownType(type) ? providedDecoders()[static_cast<std::size_t>(type - 1)] : nullptr;
}

} // namespace

FormatModuleLoader::FormatModuleLoader(std::string moduleDirectory)
    : directory_(std::move(moduleDirectory)) {}

FormatModuleLoader::~FormatModuleLoader() {
    for (auto& slot : slots_)
        if (slot.library)
            dlclose(slot.library);
}

FormatModuleLoader& FormatModuleLoader::shared(const std::string& moduleDirectory) {
    static std::mutex mutex;
    // Never destroyed: the modules stay loaded until the process ends, and nothing is left to
    // do at exit.
    static auto* loaders = new std::map<std::string, std::unique_ptr<FormatModuleLoader>>;
    const std::lock_guard lock(mutex);
    auto& loader = (*loaders)[moduleDirectory];
    if (!loader)
        loader = std::make_unique<FormatModuleLoader>(moduleDirectory);
    return *loader;
}

FormatModuleLoader::Slot& FormatModuleLoader::slot(int type) {
    const std::lock_guard lock(mutex_);
    Slot& s = slots_[static_cast<std::size_t>(type - 1)];
    if (s.tried)
        return s;
    s.tried = true;
    const std::string file = programfiles::locate(
        directory_, libraryFileName(formatTable[static_cast<std::size_t>(type - 1)].name),
        programfiles::Room::Library);
    // Never unmapped: a decoder library with worker threads must not vanish under them.
    s.library = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (s.library)
        s.entry = reinterpret_cast<FormatModuleEntry>(dlsym(s.library, formatModuleEntryName));
    return s;
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

void FormatModuleLoader::provide(int type, const PictureDecoder& decoder) {
    if (knownType(type))
        providedDecoders()[static_cast<std::size_t>(type - 1)] = &decoder;
}

bool FormatModuleLoader::hasModule(int type) {
    return providedDecoder(type) || (knownType(type) && slot(type).entry);
}

void FormatModuleLoader::setEntryPoint(int type, FormatModuleEntry entry) {
    if (!knownType(type))
        return;
    Slot& s = slot(type);
    s.entry = entry;
}

std::optional<DibImage> FormatModuleLoader::load(const std::string& path, UserInterface& ui) {
    const int type = classify(path);
    if (type == 0) {
        ui.showMessage("无效的文件类型", MessageIcon::Warning, "错误");
        return std::nullopt;
    }
    if (const PictureDecoder* decoder = providedDecoder(type))
        return decode(*decoder, path);
    if (!hasModule(type))
        return std::nullopt;
    return runRequest(slot(type).entry, path);
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
    if (!moduleSizeAccepted(width, height))
        return std::nullopt;

    fillPixelHeader(r, width, height);
    PixelBuffer buffer;
    if (!buffer.allocate(width, height))
        return std::nullopt;
    r.pixels = buffer.pixels.get();
    r.rowTable = buffer.rows.data();
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
    return toTrueColour(buffer.pixels.get(), width, height);
}

std::optional<DibImage> FormatModuleLoader::decode(const PictureDecoder& decoder,
                                                   const std::string& path) {
    const auto file = fileio::readFile(path, maxPictureFileBytes);
    int width = 0, height = 0;
    if (!file || !decoder.recognises(*file) || !decoder.describe(*file, width, height) ||
        !moduleSizeAccepted(width, height))
        return std::nullopt;
    if (!decoder.rowsInOrder) {
        PixelBuffer buffer;
        if (!buffer.allocate(width, height) ||
            !decoder.read(*file, width, height, PixelRows{buffer.rows.data()}))
            return std::nullopt;
        return toTrueColour(buffer.pixels.get(), width, height);
    }
    // Each finished row goes straight into its place in the picture (stored bottom-up), from
    // one row of 32-bit pixels that every row of the table shares.
    auto image = DibImage::createBlank(width, height);
    if (!image)
        return std::nullopt;
    struct Target {
        std::vector<std::uint32_t> row;
        std::uint8_t* pixels;
        std::size_t stride;
        int width, height;
    } target{std::vector<std::uint32_t>(static_cast<std::size_t>(width)), image->pixels().data(),
             static_cast<std::size_t>(image->stride()), width, height};
    const std::vector<std::uint32_t*> rows(static_cast<std::size_t>(height), target.row.data());
    const auto store = [](void* context, int row) {
        auto& t = *static_cast<Target*>(context);
        storeTrueColourRow(t.row.data(), t.width,
                           t.pixels + static_cast<std::size_t>(t.height - 1 - row) * t.stride);
    };
    if (!decoder.read(*file, width, height, PixelRows{rows.data(), store, &target}))
        return std::nullopt;
    return image;
}

std::optional<DibImage> loadPictureFile(const std::string& moduleDirectory, const std::string& path,
                                        UserInterface& ui) {
    return FormatModuleLoader::shared(moduleDirectory).load(path, ui);
}

} // namespace kadro
