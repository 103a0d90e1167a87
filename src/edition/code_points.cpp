#include "edition/code_points.h"

#include "edition/letter_sets.h"

namespace rw {
namespace {

constexpr int kCyrillicSlots = 34;
constexpr int kYoSlot = 6;   // Ё between Е and Ж
constexpr int kYeSlot = 33;  // Є closes the set

char32_t CyrillicUpper(int slot) {
    if (slot == kYoSlot) return U'\u0401';
    if (slot == kYeSlot) return U'\u0404';
    // А..Е fill slots 0..5, Ж..Я slots 7..32.
    return U'\u0410' + static_cast<char32_t>(slot < kYoSlot ? slot : slot - 1);
}

char32_t CyrillicLower(int slot) {
    if (slot == kYoSlot) return U'\u0451';
    if (slot == kYeSlot) return U'\u0454';
    return U'\u0430' + static_cast<char32_t>(slot < kYoSlot ? slot : slot - 1);
}

char32_t LatinCode(int set, int slot) {
    const auto s = static_cast<char32_t>(slot);
    switch (set) {
        case 0:
            return U'A' + s;
        case 1:
            return U'a' + s;
        case 2:
            return slot < 32 ? U'\u0021' + s : U'\u005B' + (s - 32);
        default:
            if (slot == 0) return U'\u0060';
            if (slot < 5) return U'\u007B' + (s - 1);
            return U'\u00A1' + (s - 5);
    }
}

}  // namespace

std::optional<char32_t> CodePoint(Edition edition, int set, int slot) {
    if (!SlotHasCharacter(edition, set, slot)) return std::nullopt;
    if (edition == Edition::Cyrillic) return set == 0 ? CyrillicUpper(slot) : CyrillicLower(slot);
    return LatinCode(set, slot);
}

std::optional<SetSlot> SlotOfCodePoint(Edition edition, char32_t code) {
    // At most 4 sets of 37 slots: a plain search is the clearest inverse of the table.
    for (int set = 0; set < SetCount(edition); ++set) {
        for (int slot = 0; slot < kCyrillicSlots + 3; ++slot) {
            if (CodePoint(edition, set, slot) == code) return SetSlot{set, slot};
        }
    }
    return std::nullopt;
}

}  // namespace rw
