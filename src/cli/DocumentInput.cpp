#include "DocumentInput.h"

#include "common/Paths.h"

namespace kadro::cli {

std::optional<KdrDocument> loadDocumentOrExplain(const std::string& path) {
    KdrReadResult read = readKdr(path);
    if (read.status != KdrStatus::Ok) {
        fail(describeKdrFailure(path, read));
        return std::nullopt;
    }
    return std::move(read.document);
}

std::string documentStem(const std::string& path) {
    const std::string name = paths::fileName(path);
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? path : path.substr(0, path.size() - (name.size() - dot));
}

std::optional<int> choiceIndex(const Options& options, const std::string& name,
                               std::initializer_list<std::string_view> choices, int fallback) {
    const auto value = options.value(name);
    if (!value)
        return fallback;
    int index = 0;
    for (std::string_view choice : choices) {
        if (paths::toLower(*value) == choice)
            return index;
        ++index;
    }
    return std::nullopt;
}

} // namespace kadro::cli
