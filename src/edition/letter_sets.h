#pragma once

#include <string>
#include <string_view>

#include "model/character_sets.h"
#include "model/edition.h"

namespace rw {

// How the window names the characters of the letter sets (model/character_sets.h holds which
// character each slot stands for).

// Hint of the character in a slot of a set, as the window holds it (UTF-8; "&&" for the
// ampersand, "Unicode Char 00XX" for symbols outside Windows-1251); empty for a slot without a
// character.
std::string SetHint(Edition edition, int set, int slot);

// The text a label shows for a held text: "&&" becomes "&".
std::string DisplayText(std::string_view held);

// Label15's text for a hint: the displayed hint, or "·" for a Latin name beginning "Unicode".
std::string LetterLabelText(Edition edition, std::string_view hint);

}  // namespace rw
