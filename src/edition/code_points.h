#pragma once

#include <optional>

#include "model/edition.h"

namespace rw {

// The Unicode character a slot of a letter set stands for, taken from the letter tables:
// Cyrillic А..Е, Ё, Ж..Я, Є and the lower case alike; Latin A..Z, a..z, symbol set 1
// U+0021..U+0040 then U+005B..U+005F, symbol set 2 U+0060, U+007B..U+007E, U+00A1..U+00BF.
// Empty for a slot without a character (Latin letter sets past Z, a set the edition lacks).
std::optional<char32_t> CodePoint(Edition edition, int set, int slot);

// Where a character lives: its set and slot. Empty when no slot of the edition holds it.
struct SetSlot {
    int set = 0;
    int slot = 0;
    friend constexpr bool operator==(SetSlot, SetSlot) = default;
};
std::optional<SetSlot> SlotOfCodePoint(Edition edition, char32_t code);

}  // namespace rw
