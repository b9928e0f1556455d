#include "FuzzSupport.h"

#include "common/FileIo.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <unistd.h>

namespace kadro::fuzz {

namespace fs = std::filesystem;

void fail(std::string_view what) {
    std::fprintf(stderr, "\n== invariant broken: %.*s\n", static_cast<int>(what.size()),
                 what.data());
    std::abort();
}

void keep(unsigned value) {
    static volatile unsigned sink;
    sink = sink ^ value;
}

namespace {
struct ScratchFolder {
    std::string path;
    ScratchFolder() {
        std::error_code ec;
        const fs::path base =
            fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
        path = (base / ("kadro-fuzz-" + std::to_string(getpid()))).string();
        fs::remove_all(path, ec);
        fs::create_directories(path);
    }
    ~ScratchFolder() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
};
} // namespace

const std::string& scratch() {
    static ScratchFolder folder;
    return folder.path;
}

std::string writeScratch(const std::string& name, std::span<const std::uint8_t> bytes) {
    const std::string path = (fs::path(scratch()) / name).string();
    std::FILE* f = std::fopen(path.c_str(), "wb");
    check(f != nullptr, "cannot create a scratch file");
    check(bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size(),
          "cannot write a scratch file");
    std::fclose(f);
    return path;
}

std::vector<std::uint8_t> readAll(const std::string& path) {
    auto bytes = fileio::readFile(path);
    check(bytes.has_value(), "cannot read back " + path);
    return *bytes;
}

namespace {
bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

// "$XX", or "NAME+$XX" as the animation index writes them; an empty value (after a line's
// last ",") is allowed.
bool isByteValue(std::string_view value) {
    if (const auto plus = value.find('+'); plus != std::string_view::npos)
        value.remove_prefix(plus + 1);
    return value.empty() ||
           (value.size() == 3 && value[0] == '$' && isHexDigit(value[1]) && isHexDigit(value[2]));
}
} // namespace

std::string wideDbValue(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(at, end - at);
        at = end + 1;
        if (!line.starts_with("\tdb\t"))
            continue;
        std::string_view values = line.substr(4);
        // Values end at the first tab, comment or line end.
        values = values.substr(0, values.find_first_of("\t;\r"));
        while (true) {
            const auto comma = values.find(',');
            const std::string_view value = values.substr(0, comma);
            if (!isByteValue(value))
                return std::string(value) + " in \"" + std::string(line) + "\"";
            if (comma == std::string_view::npos)
                break;
            values.remove_prefix(comma + 1);
        }
    }
    return {};
}

void checkDbBytes(const std::string& path) {
    const auto bytes = readAll(path);
    const std::string wide =
        wideDbValue(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    check(wide.empty(), path + ": a db value wider than a byte: " + wide);
}

FolderState folderState(const std::string& directory) {
    FolderState state;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(directory, ec))
        if (entry.is_regular_file())
            state[entry.path().filename().string()] = readAll(entry.path().string());
    return state;
}

} // namespace kadro::fuzz
