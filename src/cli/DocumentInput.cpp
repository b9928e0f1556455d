#include "DocumentInput.h"

#include "Text.h"

#include "common/Paths.h"

namespace kadro::cli {

std::optional<KdrDocument> loadDocumentOrExplain(const std::string& path) {
    KdrReadResult read = readKdr(path);
    if (read.status != KdrStatus::Ok) {
        fail(trMessage(describeKdrFailure(path, read)));
        return std::nullopt;
    }
    return std::move(read.document);
}

std::string documentStem(const std::string& path) {
    const std::string name = paths::fileName(path);
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? path : path.substr(0, path.size() - (name.size() - dot));
}

} // namespace kadro::cli
