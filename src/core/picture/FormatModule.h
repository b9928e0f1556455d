#pragma once

#include "picture/DibImage.h"
#include "picture/ImageRequest.h"
#include "picture/PictureDecoder.h"

#include <array>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace kadro {

class UserInterface;

struct FormatEntry {
    int type = 0;
    std::string_view name;
    std::array<std::string_view, 2> extensions{};
};

// Picture formats the program knows, each read by a module library named after the entry.
inline constexpr std::array<FormatEntry, 13> formatTable{{
    {1, "BMP", {"BMP"}},
    {2, "CUR", {"CUR"}},
    {3, "ICO", {"ICO"}},
    {4, "PCX", {"PCX"}},
    {5, "DCX", {"DCX"}},
    {6, "GIF", {"GIF"}},
    {7, "PNG", {"PNG"}},
    {8, "TGA", {"TGA"}},
    {9, "WMF", {"WMF"}},
    {10, "EMF", {"EMF"}},
    {11, "TIFF", {"TIFF", "TIF"}},
    {12, "JPEG", {"JPEG", "JPG"}},
    {13, "PSD", {"PSD"}},
}};

// The type of a format named in the table, or 0.
constexpr int formatTypeNamed(std::string_view name) {
    for (const auto& entry : formatTable)
        if (entry.name == name)
            return entry.type;
    return 0;
}

// Sizes a module may describe; larger claims are refused before anything is allocated.
inline constexpr int maxModuleSide = 16384;
inline constexpr long long maxModulePixels = 64LL * 1024 * 1024;

constexpr bool moduleSizeAccepted(int width, int height) {
    return width > 0 && height > 0 && width <= maxModuleSide && height <= maxModuleSide &&
           static_cast<long long>(width) * height <= maxModulePixels;
}

// Reads pictures through the format modules found in one folder. A module is opened when a
// picture of its format is first asked for, and stays open; a module that cannot be loaded
// leaves its format unavailable.
class FormatModuleLoader {
public:
    explicit FormatModuleLoader(std::string moduleDirectory);
    ~FormatModuleLoader();
    FormatModuleLoader(const FormatModuleLoader&) = delete;
    FormatModuleLoader& operator=(const FormatModuleLoader&) = delete;

    // Format type 1-13 from the path's extension, or 0.
    static int classify(std::string_view path);
    // "PNG" and so on; empty for 0 or an unknown type.
    static std::string_view formatName(int type);
    // Library file of a format: name + "MODULE" + the platform's suffix.
    static std::string libraryFileName(std::string_view formatName);

    // The loader of a folder that the whole process shares, so that each module is opened once
    // however many pictures are read (a batch, a project, the desktop program).
    static FormatModuleLoader& shared(const std::string& moduleDirectory);

    // A decoder the program carries for a format, used by every loader of the process instead
    // of the format's module, which is then never opened. Set before pictures are read.
    static void provide(int type, const PictureDecoder& decoder);

    // Whether the format can be read: a decoder the program carries, or its module (opened
    // when that has not been tried yet).
    bool hasModule(int type);
    // Replaces a format's entry point; how tests speak the protocol without a library.
    void setEntryPoint(int type, FormatModuleEntry entry);

    // A 24-bit picture, or nothing. An unknown extension shows "无效的文件类型"; a missing
    // module or a module that fails gives nothing without a message.
    std::optional<DibImage> load(const std::string& path, UserInterface& ui);

    // Runs identify, describe and read on one request with one entry point.
    static std::optional<DibImage> runRequest(FormatModuleEntry entry, const std::string& path);
    // The same steps with a decoder the program carries, from one reading of the file; a
    // decoder that gives its rows in order writes them straight into the picture.
    static std::optional<DibImage> decode(const PictureDecoder& decoder, const std::string& path);

private:
    struct Slot {
        bool tried = false;
        void* library = nullptr;
        FormatModuleEntry entry = nullptr;
    };
    Slot& slot(int type);

    std::string directory_;
    std::mutex mutex_;
    std::array<Slot, 16> slots_{};
};

// Reads a picture through the shared loader of the folder.
std::optional<DibImage> loadPictureFile(const std::string& moduleDirectory, const std::string& path,
                                        UserInterface& ui);

} // namespace kadro
