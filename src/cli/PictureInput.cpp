#include "PictureInput.h"

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
        fail(path + ": 无效的文件类型 (not a picture type kadro reads)");
        return std::nullopt;
    }
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        fail(path + ": no such file");
        return std::nullopt;
    }
    if (std::filesystem::is_directory(path, ec) || !std::ifstream(path, std::ios::binary)) {
        fail(path + ": cannot read the file");
        return std::nullopt;
    }
    auto& loader = FormatModuleLoader::shared(context.programDirectory);
    const std::string format(FormatModuleLoader::formatName(type));
    if (!loader.hasModule(type)) {
        fail(path + ": no " + format + " module (" + FormatModuleLoader::libraryFileName(format) +
             ") beside the program");
        return std::nullopt;
    }
    auto image = loader.load(path, context.ui);
    if (!image)
        fail(path + ": not a readable " + format + " picture (corrupt, truncated or too large)");
    return image;
}

} // namespace kadro::cli
