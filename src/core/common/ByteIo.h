#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// Fixed binary layouts are read and written field by field, little-endian, so that the bytes
// on disk never depend on the host's struct layout or byte order.
namespace kadro::bytes {

inline std::uint16_t readU16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}
inline std::int16_t readI16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::int16_t>(readU16(b, at));
}
inline std::uint32_t readU32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
           static_cast<std::uint32_t>(b[at + 2]) << 16 |
           static_cast<std::uint32_t>(b[at + 3]) << 24;
}
inline std::int32_t readI32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::int32_t>(readU32(b, at));
}

inline void writeU16(std::span<std::uint8_t> b, std::size_t at, std::uint32_t v) {
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
inline void writeU32(std::span<std::uint8_t> b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Appending writer for building a file image in memory before it is saved in one piece.
class ByteWriter {
public:
    void u8(std::uint32_t v) { data_.push_back(static_cast<std::uint8_t>(v)); }
    void u16(std::uint32_t v) {
        u8(v);
        u8(v >> 8);
    }
    void u32(std::uint32_t v) {
        u16(v);
        u16(v >> 16);
    }
    void raw(std::span<const std::uint8_t> b) { data_.insert(data_.end(), b.begin(), b.end()); }
    void text(std::string_view s) { data_.insert(data_.end(), s.begin(), s.end()); }
    const std::vector<std::uint8_t>& data() const { return data_; }
    std::vector<std::uint8_t> take() { return std::move(data_); }

private:
    std::vector<std::uint8_t> data_;
};

// Bounds-checked sequential reader: every read states whether the bytes were there, so a
// truncated file is noticed instead of read past its end.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> b) : data_(b) {}
    bool has(std::size_t n) const { return pos_ <= data_.size() && data_.size() - pos_ >= n; }
    bool u8(std::uint8_t& v) {
        return take(1, [&] { v = data_[pos_]; });
    }
    bool u16(std::uint16_t& v) {
        return take(2, [&] { v = readU16(data_, pos_); });
    }
    bool i32(std::int32_t& v) {
        return take(4, [&] { v = readI32(data_, pos_); });
    }
    bool raw(std::size_t n, std::span<const std::uint8_t>& out) {
        return take(n, [&] { out = data_.subspan(pos_, n); });
    }
    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return data_.size() - pos_; }

private:
    template <typename F> bool take(std::size_t n, F&& f) {
        if (!has(n))
            return false;
        f();
        pos_ += n;
        return true;
    }
    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
};

} // namespace kadro::bytes
