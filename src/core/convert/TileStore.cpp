#include "convert/TileStore.h"

#include "common/ChipRules.h"

#include <algorithm>

namespace kadro {

namespace {
std::uint64_t word(const std::uint8_t* bytes) {
    std::uint64_t w;
    std::memcpy(&w, bytes, sizeof w);
    return w;
}
} // namespace

TileStore::TileStore(int tileBytes, bool compress) : tileBytes_(tileBytes), compress_(compress) {
    // A bank holds bankPixelBytes of tiles, plus the tile that finds it full.
    const std::size_t most = static_cast<std::size_t>(chip::bankPixelBytes / tileBytes + 2);
    bytes_.reserve(static_cast<std::size_t>(chip::bankPixelBytes + tileBytes));
    std::size_t slots = 1;
    while (slots < 2 * most)
        slots *= 2;
    table_.assign(slots, Entry{0, -1});
    mask_ = slots - 1;
}

void TileStore::reset(int leadingBytes) {
    bytes_.clear();
    size_ = leadingBytes;
    empty_ = true;
    std::fill(table_.begin(), table_.end(), Entry{0, -1});
}

std::uint64_t TileStore::hash(const std::uint8_t* tile) const {
    std::uint64_t h = 0;
    for (int at = 0; at < tileBytes_; at += 8)
        h = (h ^ word(tile + at)) * 0x9E3779B97F4A7C15ull;
    return h ^ (h >> 29);
}

int TileStore::place(const std::uint8_t* tile) {
    if (empty_) {
        // The leading space exists from the first tile on.
        bytes_.assign(static_cast<std::size_t>(size_), 0xFF);
        empty_ = false;
    }
    std::size_t slot = 0;
    std::uint32_t key = 0;
    if (compress_) {
        const std::uint64_t h = hash(tile);
        key = static_cast<std::uint32_t>(h >> 32);
        for (slot = h & mask_; table_[slot].offset >= 0; slot = (slot + 1) & mask_) {
            const Entry& e = table_[slot];
            if (e.hash == key && std::memcmp(bytes_.data() + e.offset, tile,
                                             static_cast<std::size_t>(tileBytes_)) == 0)
                return e.offset;
        }
    }
    const int at = size_;
    bytes_.insert(bytes_.end(), tile, tile + tileBytes_);
    size_ += tileBytes_;
    if (compress_)
        table_[slot] = {key, at};
    return at;
}

} // namespace kadro
