#include "common/FileIo.h"

#include "common/Paths.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

#if defined(__unix__)
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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

std::shared_ptr<const std::uint8_t> mapPrefix(const std::string& path, std::size_t count) {
#if defined(__unix__)
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat st {};
    void* at = MAP_FAILED;
    if (count > 0 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
        static_cast<std::uintmax_t>(st.st_size) >= count)
        at = ::mmap(nullptr, count, PROT_READ, MAP_PRIVATE, fd, 0);
    ::close(fd);
    if (at == MAP_FAILED)
        return nullptr;
    return std::shared_ptr<const std::uint8_t>(static_cast<const std::uint8_t*>(at),
                                               [count](const std::uint8_t* p) {
                                                   ::munmap(const_cast<std::uint8_t*>(p), count);
                                               });
#else
    (void)path;
    (void)count;
    return nullptr;
#endif
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

namespace {

std::string uniqueName(const std::string& path, const char* suffix) {
    std::random_device rd;
    return path + suffix + std::to_string(rd() % 1000000);
}

// Writes bytes to a new temporary file beside path; its name, or nothing with error set.
std::optional<std::string> writeTemporary(const std::string& path,
                                          std::span<const std::uint8_t> bytes, std::string& error) {
    const std::string temp = uniqueName(path, ".tmp");
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) {
        error = path + ": cannot create the file: " + std::strerror(errno);
        return std::nullopt;
    }
    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    int writeErrno = errno;
    ok = (std::fclose(f) == 0) && ok;
    if (!ok) {
        error = path + ": cannot write the file: " + std::strerror(writeErrno ? writeErrno : errno);
        std::remove(temp.c_str());
        return std::nullopt;
    }
    return temp;
}

} // namespace

bool AtomicFile::commit() {
    const auto temp = writeTemporary(path_, buffer_, error_);
    if (!temp)
        return false;
    std::error_code ec;
    fs::rename(*temp, path_, ec);
    if (ec) {
        error_ = path_ + ": cannot replace the file: " + ec.message();
        std::remove(temp->c_str());
        return false;
    }
    return true;
}

void FileSet::add(std::string path, std::vector<std::uint8_t> bytes) {
    members_.push_back({std::move(path), std::move(bytes), {}, {}});
}

void FileSet::addText(std::string path, std::string_view text) {
    const std::string crlf = withCrLf(text);
    add(std::move(path), std::vector<std::uint8_t>(crlf.begin(), crlf.end()));
}

std::vector<std::string> FileSet::paths() const {
    std::vector<std::string> out;
    for (const Member& m : members_)
        out.push_back(m.path);
    return out;
}

bool FileSet::commit() {
    error_.clear();
    if (!stage() || !swapIn()) {
        removeTemps();
        return false;
    }
    for (Member& m : members_)
        if (!m.backup.empty())
            std::remove(m.backup.c_str());
    return true;
}

// Every file is written beside its place before any old file is touched.
bool FileSet::stage() {
    std::error_code ec;
    for (Member& m : members_) {
        if (fs::exists(m.path, ec) && !fs::is_regular_file(m.path, ec)) {
            error_ = m.path + ": cannot replace it: it is not a file";
            return false;
        }
    }
    for (Member& m : members_) {
        auto temp = writeTemporary(m.path, m.bytes, error_);
        if (!temp)
            return false;
        m.temp = std::move(*temp);
    }
    return true;
}

// The old content of each file is kept under a second name (a hard link where the file system
// has them) until the whole set is in place, so that a failed rename can be undone.
bool FileSet::swapIn() {
    for (std::size_t i = 0; i < members_.size(); ++i) {
        Member& m = members_[i];
        std::error_code ec;
        if (fs::exists(m.path, ec)) {
            const std::string backup = uniqueName(m.path, ".old");
            fs::create_hard_link(m.path, backup, ec);
            if (ec) {
                ec.clear();
                fs::copy_file(m.path, backup, ec);
            }
            if (ec) {
                error_ = m.path + ": cannot keep the previous file: " + ec.message();
                rollBack(i);
                return false;
            }
            m.backup = backup;
        }
        fs::rename(m.temp, m.path, ec);
        if (ec) {
            error_ = m.path + ": cannot replace the file: " + ec.message();
            rollBack(i);
            return false;
        }
        m.temp.clear();
    }
    return true;
}

// Puts back the previous content of the first `placed` members (and of the one that failed).
void FileSet::rollBack(std::size_t placed) {
    std::error_code ec;
    for (std::size_t i = placed + 1; i-- > 0;) {
        Member& m = members_[i];
        if (!m.backup.empty())
            fs::rename(m.backup, m.path, ec);
        else if (i < placed)
            fs::remove(m.path, ec);
        m.backup.clear();
    }
}

void FileSet::removeTemps() {
    for (Member& m : members_)
        if (!m.temp.empty())
            std::remove(m.temp.c_str());
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
