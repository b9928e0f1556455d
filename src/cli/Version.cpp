#include "Version.h"

#include "KadroBuild.h"

namespace kadro::cli {

std::string versionText() {
    return std::string("kadro-cli ") + kadroVersion + " (build " + kadroBuild + ")";
}

} // namespace kadro::cli
