#pragma once

#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

namespace kadro {

// The tile pixel bytes of one pattern bank. Bank 0 begins with a leading space (the start
// address) that is padded with 0xFF and never searched. With compression a tile identical to a
// stored one, byte for byte, is not stored again: the stored tiles are found through a hash of
// their bytes, and since a tile is only stored when no identical one is, the tile found is the
// first identical one in the bank.
class TileStore {
public:
    TileStore(int tileBytes, bool compress);

    void reset(int leadingBytes);

    // The offset of the tile in the store: an identical stored tile's, or where it is appended.
    int place(const std::uint8_t* tile);

    bool empty() const { return empty_; }
    int size() const { return size_; }
    std::span<const std::uint8_t> bytes() const { return bytes_; }

private:
    std::uint64_t hash(const std::uint8_t* tile) const;

    struct Entry {
        std::uint32_t hash;
        std::int32_t offset; // -1: free
    };

    int tileBytes_;
    bool compress_;
    std::vector<std::uint8_t> bytes_;
    std::vector<Entry> table_; // open addressing, at most half full
    std::size_t mask_ = 0;
    int size_ = 0;
    bool empty_ = true;
};

} // namespace kadro
