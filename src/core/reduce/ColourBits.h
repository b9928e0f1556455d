#pragma once

#include <array>
#include <bit>
#include <cstdint>

namespace kadro {

// A set of colour numbers below 256. A packable set of blocks never has more distinct colours
// than 16 palettes hold (240 besides the background), so the packer numbers them and works on
// these instead of on colour lists.
class ColourBits {
public:
    static constexpr int capacity = 256;

    void set(int id) { words_[static_cast<std::size_t>(id >> 6)] |= bit(id); }
    void reset(int id) { words_[static_cast<std::size_t>(id >> 6)] &= ~bit(id); }
    bool test(int id) const { return (words_[static_cast<std::size_t>(id >> 6)] & bit(id)) != 0; }

    int count() const {
        int n = 0;
        for (auto w : words_)
            n += std::popcount(w);
        return n;
    }
    int unionCount(const ColourBits& other) const {
        int n = 0;
        for (std::size_t i = 0; i < words_.size(); ++i)
            n += std::popcount(words_[i] | other.words_[i]);
        return n;
    }
    int intersectionCount(const ColourBits& other) const {
        int n = 0;
        for (std::size_t i = 0; i < words_.size(); ++i)
            n += std::popcount(words_[i] & other.words_[i]);
        return n;
    }
    bool isSubsetOf(const ColourBits& other) const {
        for (std::size_t i = 0; i < words_.size(); ++i)
            if ((words_[i] & ~other.words_[i]) != 0)
                return false;
        return true;
    }
    ColourBits& operator|=(const ColourBits& other) {
        for (std::size_t i = 0; i < words_.size(); ++i)
            words_[i] |= other.words_[i];
        return *this;
    }
    friend ColourBits operator|(ColourBits a, const ColourBits& b) { return a |= b; }
    ColourBits minus(const ColourBits& other) const {
        ColourBits out;
        for (std::size_t i = 0; i < words_.size(); ++i)
            out.words_[i] = words_[i] & ~other.words_[i];
        return out;
    }
    friend bool operator==(const ColourBits&, const ColourBits&) = default;

    template <typename F> void forEach(F f) const {
        for (std::size_t i = 0; i < words_.size(); ++i)
            for (auto w = words_[i]; w != 0; w &= w - 1)
                f(static_cast<int>(i * 64) + std::countr_zero(w));
    }

private:
    static std::uint64_t bit(int id) { return std::uint64_t{1} << (id & 63); }

    std::array<std::uint64_t, capacity / 64> words_{};
};

} // namespace kadro
