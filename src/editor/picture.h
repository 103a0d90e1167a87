#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace rw {

// One screen colour.
struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
// The window's face colour: grid cells with a clear bit and the area outside a glyph.
inline constexpr Rgb kFaceGrey{212, 208, 200};
inline constexpr Rgb kRed{255, 0, 0};
// A set bit in the unused column 0 of a glyph row.
inline constexpr Rgb kDarkGrey{154, 147, 129};
// The frame around the selected thumbnail.
inline constexpr Rgb kFrameOrange{255, 128, 0};

static_assert(sizeof(Rgb) == 3, "pixels are packed RGB triples");

// A 16 x 16 picture: one letter thumbnail or the actual-size edit image. Pixels row by row.
struct Picture16 {
    static constexpr int kSize = 16;
    std::array<Rgb, std::size_t{kSize} * kSize> pixels{};

    Rgb At(int x, int y) const { return pixels[y * kSize + x]; }
    void Set(int x, int y, Rgb colour) { pixels[y * kSize + x] = colour; }
    void Fill(Rgb colour) { pixels.fill(colour); }

    friend bool operator==(const Picture16& a, const Picture16& b) {
        return std::memcmp(a.pixels.data(), b.pixels.data(), sizeof a.pixels) == 0;
    }
};

}  // namespace rw
