#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kadro::fileio {

// The whole file, or nothing when it cannot be opened or read. Files longer than maxBytes are
// refused before anything is allocated for them.
std::optional<std::vector<std::uint8_t>> readFile(const std::string& path,
                                                  std::uintmax_t maxBytes = 1u << 30);

// At most count bytes from the start of the file (fewer when the file is shorter).
std::optional<std::vector<std::uint8_t>> readPrefix(const std::string& path, std::size_t count);

// The first count bytes of a file mapped read-only, kept while a copy of the pointer lives;
// nothing when the file is shorter or cannot be mapped. The file must not shrink meanwhile, so
// this is for the program's own data files in runs that are short.
std::shared_ptr<const std::uint8_t> mapPrefix(const std::string& path, std::size_t count);

// The name of an existing entry of dir that equals name without regard to case, or nothing.
std::optional<std::string> findCaseInsensitive(const std::string& dir, std::string_view name);

// Text as the console toolchains expect it: every "\n" becomes CR LF on every platform.
std::string withCrLf(std::string_view text);

// Writes a file through a temporary name in the same folder and a rename, so that a failed
// write never leaves a half-written file under the real name. error() names the path and the
// reason after a failure.
class AtomicFile {
public:
    explicit AtomicFile(std::string path) : path_(std::move(path)) {}
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    void write(std::span<const std::uint8_t> bytes);
    void write(std::string_view bytes);
    // Renames the finished file into place; false (with error()) when any step failed.
    bool commit();
    const std::string& error() const { return error_; }
    const std::string& path() const { return path_; }

private:
    std::string path_;
    std::vector<std::uint8_t> buffer_;
    std::string error_;
};

// Several files written as one set: all are written under temporary names first and only then
// renamed into place, so a failure at any step leaves every previous file as it was (and no
// temporary file behind). error() names the path and the reason after a failure.
class FileSet {
public:
    void add(std::string path, std::vector<std::uint8_t> bytes);
    // Text with every "\n" written as CR LF.
    void addText(std::string path, std::string_view text);
    bool commit();
    const std::string& error() const { return error_; }
    // The files of the set, in the order they were added.
    std::vector<std::string> paths() const;

private:
    struct Member {
        std::string path;
        std::vector<std::uint8_t> bytes;
        std::string temp;   // the new content, until it is renamed into place
        std::string backup; // the previous content, until the whole set is in place
    };
    bool stage();
    bool swapIn();
    void rollBack(std::size_t placed);
    void removeTemps();

    std::vector<Member> members_;
    std::string error_;
};

// One-shot forms of AtomicFile.
bool writeFile(const std::string& path, std::span<const std::uint8_t> bytes, std::string* error);
bool writeTextFile(const std::string& path, std::string_view text, std::string* error);

} // namespace kadro::fileio
