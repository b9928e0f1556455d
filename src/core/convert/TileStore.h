#pragma once

#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

namespace kadro {

// The tile pixel bytes of one pattern bank. Bank 0 begins with a leading space (the start
// address) that is padded with 0xFF and never searched. With compression a tile identical to a
// stored one, byte for byte, is not stored again; the search is linear over the bank's tiles
// (at most 256 sub-tiles), which is cheaper here than hashing.
class TileStore {
public:
    TileStore(int tileBytes, bool compress) : tileBytes_(tileBytes), compress_(compress) {
        bytes_.reserve(0x4000 + 256);
    }

    void reset(int leadingBytes) {
        bytes_.clear();
        size_ = leadingBytes;
        searchStart_ = leadingBytes;
        empty_ = true;
    }

    // The offset of the tile in the store: an identical stored tile's, or where it is appended.
    int place(const std::uint8_t* tile) {
        if (!empty_ && compress_) {
            // Tiles mostly differ in their first row: compare it as one word before the rest.
            const std::uint64_t firstRow = rowOf(tile);
            for (int at = searchStart_; at < size_; at += tileBytes_) {
                const std::uint8_t* stored = bytes_.data() + at;
                if (rowOf(stored) == firstRow &&
                    std::memcmp(stored, tile, static_cast<std::size_t>(tileBytes_)) == 0)
                    return at;
            }
        }
        if (empty_) {
            bytes_.assign(static_cast<std::size_t>(size_), 0xFF);
            empty_ = false;
        }
        const int at = size_;
        bytes_.insert(bytes_.end(), tile, tile + tileBytes_);
        size_ += tileBytes_;
        return at;
    }

    bool empty() const { return empty_; }
    int size() const { return size_; }
    std::span<const std::uint8_t> bytes() const { return bytes_; }

private:
    static std::uint64_t rowOf(const std::uint8_t* bytes) {
        std::uint64_t row;
        std::memcpy(&row, bytes, sizeof row);
        return row;
    }

    int tileBytes_;
    bool compress_;
    std::vector<std::uint8_t> bytes_;
    int size_ = 0;
    int searchStart_ = 0;
    bool empty_ = true;
};

} // namespace kadro
