#pragma once

#include <string>

namespace kadro::cli {

// "kadro-cli 2.1 (build 1a66e48)": the release and the commit the program was built from.
std::string versionText();

} // namespace kadro::cli
