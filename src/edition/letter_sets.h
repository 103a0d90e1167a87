#pragma once

#include <string>
#include <string_view>

#include "model/edition.h"

namespace rw {

// Letter sets: Cyrillic 0 upper, 1 lower; Latin 0 A..Z, 1 a..z, 2 symbol set 1, 3 symbol set 2.
constexpr int SetCount(Edition e) {
    return e == Edition::Latin ? 4 : 2;
}

// Hint of the character in a slot of a set, as the window holds it (UTF-8; "&&" for the
// ampersand, "Unicode Char 00XX" for symbols outside Windows-1251); empty for a slot without a
// character.
std::string SetHint(Edition edition, int set, int slot);
bool SlotHasCharacter(Edition edition, int set, int slot);

// The text a label shows for a held text: "&&" becomes "&".
std::string DisplayText(std::string_view held);

// Label15's text for a hint: the displayed hint, or "·" for a Latin name beginning "Unicode".
std::string LetterLabelText(Edition edition, std::string_view hint);

}  // namespace rw
