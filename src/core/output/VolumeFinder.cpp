#include "output/VolumeFinder.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace kadro {

namespace fs = std::filesystem;

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isOctal(char c) {
    return c >= '0' && c <= '7';
}

std::string canonicalOrEmpty(const fs::path& p) {
    std::error_code ec;
    auto resolved = fs::canonical(p, ec);
    return ec ? std::string{} : resolved.string();
}

} // namespace

VolumeFinder::VolumeFinder() : labelDirectory_("/dev/disk/by-label") {
    std::error_code ec;
    mountTable_ = fs::exists("/proc/self/mounts", ec) ? "/proc/self/mounts" : "/proc/mounts";
}

std::string VolumeFinder::unescapeMountField(std::string_view field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && isOctal(field[i + 1]) &&
            isOctal(field[i + 2]) && isOctal(field[i + 3])) {
            out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                     (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

std::string VolumeFinder::unescapeLabelName(std::string_view name) {
    std::string out;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x' &&
            hexDigit(name[i + 2]) >= 0 && hexDigit(name[i + 3]) >= 0) {
            out += static_cast<char>(hexDigit(name[i + 2]) * 16 + hexDigit(name[i + 3]));
            i += 3;
        } else {
            out += name[i];
        }
    }
    return out;
}

std::optional<std::string> VolumeFinder::deviceOf(std::string_view label) const {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(labelDirectory_, ec)) {
        if (unescapeLabelName(entry.path().filename().string()) != label)
            continue;
        if (std::string device = canonicalOrEmpty(entry.path()); !device.empty())
            return device;
    }
    return std::nullopt;
}

std::optional<std::string> VolumeFinder::mountPointOf(std::string_view label) const {
    const auto device = deviceOf(label);
    if (!device)
        return std::nullopt;
    // Files under /proc report a size of 0, so the table is read as a stream.
    std::ifstream lines(mountTable_);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::string source, mountPoint;
        if (!(fields >> source >> mountPoint) || source.empty() || source[0] != '/')
            continue;
        if (canonicalOrEmpty(unescapeMountField(source)) == *device)
            return unescapeMountField(mountPoint);
    }
    return std::nullopt;
}

} // namespace kadro
