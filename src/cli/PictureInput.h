#pragma once

#include "Command.h"

#include "picture/DibImage.h"

#include <optional>
#include <string>

namespace kadro::cli {

bool isKdrPath(const std::string& path);
std::string pictureFormatName(const std::string& path);

// Loads a picture through the format modules; on failure prints one line naming the file and
// the reason (unknown type, missing, unreadable, no module, corrupt) and gives nothing.
std::optional<DibImage> loadPictureOrExplain(Context& context, const std::string& path);

} // namespace kadro::cli
