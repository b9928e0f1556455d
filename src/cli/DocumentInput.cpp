#include "DocumentInput.h"

#include "Text.h"

namespace kadro::cli {

std::optional<KdrDocument> loadDocumentOrExplain(const std::string& path) {
    KdrReadResult read = readKdr(path);
    if (read.status != KdrStatus::Ok) {
        fail(trMessage(describeKdrFailure(path, read)));
        return std::nullopt;
    }
    return std::move(read.document);
}

} // namespace kadro::cli
