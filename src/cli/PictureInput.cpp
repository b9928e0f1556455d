#include "PictureInput.h"

#include "Text.h"

#include "common/Paths.h"
#include "picture/FormatModule.h"

#include <filesystem>
#include <fstream>

namespace kadro::cli {

bool isKdrPath(const std::string& path) {
    return paths::lowerExtension(path) == "kdr";
}

std::string pictureFormatName(const std::string& path) {
    return std::string(FormatModuleLoader::formatName(FormatModuleLoader::classify(path)));
}

std::optional<DibImage> loadPictureOrExplain(Context& context, const std::string& path) {
    const int type = FormatModuleLoader::classify(path);
    if (type == 0) {
        fail(tr("%1: 无效的文件类型 (not a picture type kadro reads)", {path}));
        return std::nullopt;
    }
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        fail(tr("%1: no such file", {path}));
        return std::nullopt;
    }
    if (std::filesystem::is_directory(path, ec) || !std::ifstream(path, std::ios::binary)) {
        fail(tr("%1: cannot read the file", {path}));
        return std::nullopt;
    }
    auto& loader = FormatModuleLoader::shared(context.programDirectory);
    const std::string format(FormatModuleLoader::formatName(type));
    if (!loader.hasModule(type)) {
        fail(tr("%1: no %2 module (%3) beside the program",
                {path, format, FormatModuleLoader::libraryFileName(format)}));
        return std::nullopt;
    }
    auto image = loader.load(path, context.ui);
    if (!image)
        fail(tr("%1: not a readable %2 picture (corrupt, truncated or too large)", {path, format}));
    return image;
}

} // namespace kadro::cli
