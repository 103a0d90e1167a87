#include "edition/windows1251.h"

#include <array>

namespace rw {
namespace {

// Bytes 0x80..0xBF; 0xC0..0xFF are А..я in order and the lower half is ASCII.
constexpr std::array<char16_t, 64> kUpperHalf = {
    u'\u0402', u'\u0403', u'\u201A', u'\u0453', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u20AC', u'\u2030', u'\u0409', u'\u2039', u'\u040A', u'\u040C', u'\u040B', u'\u040F',
    u'\u0452', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u0098', u'\u2122', u'\u0459', u'\u203A', u'\u045A', u'\u045C', u'\u045B', u'\u045F',
    u'\u00A0', u'\u040E', u'\u045E', u'\u0408', u'\u00A4', u'\u0490', u'\u00A6', u'\u00A7',
    u'\u0401', u'\u00A9', u'\u0404', u'\u00AB', u'\u00AC', u'\u00AD', u'\u00AE', u'\u0407',
    u'\u00B0', u'\u00B1', u'\u0406', u'\u0456', u'\u0491', u'\u00B5', u'\u00B6', u'\u00B7',
    u'\u0451', u'\u2116', u'\u0454', u'\u00BB', u'\u0458', u'\u0405', u'\u0455', u'\u0457'};

constexpr uint8_t kFirstLetterByte = 0xC0;
constexpr char32_t kFirstLetter = U'\u0410';  // А
constexpr char32_t kLastLetter = U'\u044F';   // я

}  // namespace

char32_t FromWindows1251(uint8_t byte) {
    if (byte < 0x80) return byte;
    if (byte >= kFirstLetterByte) return kFirstLetter + (byte - kFirstLetterByte);
    return kUpperHalf[byte - 0x80];
}

std::optional<uint8_t> ToWindows1251(char32_t code) {
    if (code < 0x80) return static_cast<uint8_t>(code);
    if (code >= kFirstLetter && code <= kLastLetter) {
        return static_cast<uint8_t>(kFirstLetterByte + (code - kFirstLetter));
    }
    for (size_t i = 0; i < kUpperHalf.size(); ++i) {
        if (kUpperHalf[i] == code) return static_cast<uint8_t>(0x80 + i);
    }
    return std::nullopt;
}

}  // namespace rw
