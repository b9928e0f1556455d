#pragma once

#include "Command.h"

#include "picture/KdrFile.h"

#include <optional>
#include <string>

namespace kadro::cli {

// Loads a converted ".kdr" document; on failure prints one line naming the file and the reason.
std::optional<KdrDocument> loadDocumentOrExplain(const std::string& path);

} // namespace kadro::cli
