#pragma once

#include "common/Translation.h"

#include <span>

namespace kadro::translation {

// The translations of the core's messages and the command line's texts, made at build time
// from the ".ts" files that the desktop program's translations come from too.
std::span<const Entry> builtInEntries(Language language);

} // namespace kadro::translation
