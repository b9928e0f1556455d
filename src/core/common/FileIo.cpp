#include "common/FileIo.h"

#include "common/Paths.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

namespace kadro::fileio {

namespace fs = std::filesystem;

std::optional<std::vector<std::uint8_t>> readFile(const std::string& path,
                                                  std::uintmax_t maxBytes) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        return std::nullopt;
    auto size = fs::file_size(path, ec);
    if (ec || size > maxBytes)
        return std::nullopt;
    auto bytes = readPrefix(path, static_cast<std::size_t>(size));
    if (!bytes || bytes->size() != size)
        return std::nullopt;
    return bytes;
}

std::optional<std::vector<std::uint8_t>> readPrefix(const std::string& path, std::size_t count) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(count);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(count));
    if (in.bad())
        return std::nullopt;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

std::optional<std::string> findCaseInsensitive(const std::string& dir, std::string_view name) {
    std::error_code ec;
    const std::string wanted = paths::toLower(name);
    for (const auto& entry : fs::directory_iterator(dir.empty() ? "." : dir, ec)) {
        const std::string candidate = entry.path().filename().string();
        if (paths::toLower(candidate) == wanted)
            return paths::join(dir, candidate);
    }
    return std::nullopt;
}

std::string withCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

void AtomicFile::write(std::span<const std::uint8_t> bytes) {
    buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
}

void AtomicFile::write(std::string_view bytes) {
    buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
}

bool AtomicFile::commit() {
    std::random_device rd;
    const std::string temp = path_ + ".tmp" + std::to_string(rd() % 1000000);
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) {
        error_ = path_ + ": cannot create the file: " + std::strerror(errno);
        return false;
    }
    bool ok =
        buffer_.empty() || std::fwrite(buffer_.data(), 1, buffer_.size(), f) == buffer_.size();
    int writeErrno = errno;
    ok = (std::fclose(f) == 0) && ok;
    if (!ok) {
        error_ =
            path_ + ": cannot write the file: " + std::strerror(writeErrno ? writeErrno : errno);
        std::remove(temp.c_str());
        return false;
    }
    std::error_code ec;
    fs::rename(temp, path_, ec);
    if (ec) {
        error_ = path_ + ": cannot replace the file: " + ec.message();
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

bool writeFile(const std::string& path, std::span<const std::uint8_t> bytes, std::string* error) {
    AtomicFile file(path);
    file.write(bytes);
    if (file.commit())
        return true;
    if (error)
        *error = file.error();
    return false;
}

bool writeTextFile(const std::string& path, std::string_view text, std::string* error) {
    const std::string crlf = withCrLf(text);
    return writeFile(path, {reinterpret_cast<const std::uint8_t*>(crlf.data()), crlf.size()},
                     error);
}

} // namespace kadro::fileio
