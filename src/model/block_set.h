#pragma once

#include <cstdint>
#include <initializer_list>

namespace rw {

// A set of glyph block numbers (0..7): which blocks a load replaces.
class BlockSet {
  public:
    constexpr BlockSet() = default;
    constexpr BlockSet(std::initializer_list<int> blocks) {
        for (int b : blocks) bits_ |= static_cast<uint8_t>(1u << b);
    }
    static constexpr BlockSet FirstN(int n) {
        return BlockSet(static_cast<uint8_t>((1u << n) - 1));
    }

    constexpr bool Contains(int block) const {
        return block >= 0 && block < 8 && (bits_ >> block) & 1u;
    }
    constexpr uint8_t bits() const { return bits_; }
    friend constexpr bool operator==(BlockSet, BlockSet) = default;

  private:
    explicit constexpr BlockSet(uint8_t bits) : bits_(bits) {}
    uint8_t bits_ = 0;
};

}  // namespace rw
