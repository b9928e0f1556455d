#include "common/Paths.h"

#include <algorithm>
#include <cctype>

namespace kadro::paths {

namespace {
std::size_t lastSeparator(std::string_view path) {
    return path.find_last_of("\\/");
}

// Where the file name's extension begins (its "."), or npos.
std::size_t extensionDot(std::string_view path) {
    const auto dot = path.rfind('.');
    const auto sep = lastSeparator(path);
    return dot != std::string_view::npos && (sep == std::string_view::npos || dot > sep)
               ? dot
               : std::string_view::npos;
}
} // namespace

std::string stem(std::string_view path) {
    return std::string(path.substr(0, extensionDot(path)));
}

std::string extension(std::string_view path) {
    const auto dot = extensionDot(path);
    return dot == std::string_view::npos ? std::string{} : std::string(path.substr(dot + 1));
}

std::string lowerExtension(std::string_view path) {
    return toLower(extension(path));
}

std::string directory(std::string_view path) {
    auto sep = lastSeparator(path);
    return sep == std::string_view::npos ? std::string{} : std::string(path.substr(0, sep));
}

std::string fileName(std::string_view path) {
    auto sep = lastSeparator(path);
    return std::string(sep == std::string_view::npos ? path : path.substr(sep + 1));
}

std::string baseName(std::string_view path) {
    return fileName(stem(path));
}

bool isAbsolute(std::string_view path) {
    const bool drive = path.size() > 2 && path[1] == ':' && (path[2] == '\\' || path[2] == '/');
    return drive || (!path.empty() && (path[0] == '/' || path[0] == '\\'));
}

std::string resolve(std::string_view dir, std::string_view path) {
    return dir.empty() || isAbsolute(path) ? std::string(path) : join(dir, path);
}

std::string toUpper(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return out;
}

std::string toLower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::string join(std::string_view dir, std::string_view name) {
    if (dir.empty())
        return std::string(name);
    std::string out(dir);
    if (out.back() != '/' && out.back() != '\\')
        out += '/';
    out += name;
    return out;
}

} // namespace kadro::paths
