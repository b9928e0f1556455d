#pragma once

#include "Command.h"
#include "Options.h"

#include "picture/KdrFile.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace kadro::cli {

// Loads a converted ".kdr" document; on failure prints one line naming the file and the reason.
std::optional<KdrDocument> loadDocumentOrExplain(const std::string& path);

// The path without the extension of its file name (a folder's "." is left alone).
std::string documentStem(const std::string& path);

// The index of an option's value among the choices (case-insensitive), the default index when
// the option is absent, or nothing when the value is not one of them.
std::optional<int> choiceIndex(const Options& options, const std::string& name,
                               std::initializer_list<std::string_view> choices, int fallback = 0);

} // namespace kadro::cli
