#pragma once

#include "common/UserInterface.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// What the libFuzzer harnesses share: a scratch folder, and the invariants that catch logic
// faults as well as crashes. A broken invariant aborts, so libFuzzer keeps the input.
namespace kadro::fuzz {

[[noreturn]] void fail(std::string_view what);
inline void check(bool holds, std::string_view what) {
    if (!holds)
        fail(what);
}

// Keeps a computed value alive, so that reads made only for their checks are not optimised away.
void keep(unsigned value);

// A folder of this process's own, on tmpfs where there is one; emptied at exit.
const std::string& scratch();
// A file in the scratch folder holding the bytes; gives its path.
std::string writeScratch(const std::string& name, std::span<const std::uint8_t> bytes);
std::vector<std::uint8_t> readAll(const std::string& path);

// The first value of a "\tdb\t" line that is not one byte ("$XX", or "NAME+$XX"), with its
// line; empty when every value is a byte.
std::string wideDbValue(std::string_view text);
// Aborts when a written assembler file holds a db value wider than a byte.
void checkDbBytes(const std::string& path);

// Every file of a folder with its bytes, to show that a refused input changed none of them.
using FolderState = std::map<std::string, std::vector<std::uint8_t>>;
FolderState folderState(const std::string& directory);

// Counts what the core says and accepts the palettes.
class CountingUserInterface : public SilentUserInterface {
public:
    int messages = 0;
    void showMessage(std::string_view, MessageIcon, std::string_view) override { ++messages; }
};

// Takes the fuzz input apart: small numbers first, the rest as bytes.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data, size) {}
    std::uint8_t byte() {
        if (data_.empty())
            return 0;
        const std::uint8_t b = data_.front();
        data_ = data_.subspan(1);
        return b;
    }
    std::span<const std::uint8_t> rest() const { return data_; }
    bool empty() const { return data_.empty(); }

private:
    std::span<const std::uint8_t> data_;
};

} // namespace kadro::fuzz
