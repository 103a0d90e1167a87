#pragma once

#include <string>
#include <vector>

namespace rw {

// The captions of one menu's items (or of the menu bar's menus), each with its Alt+letter mark:
// "&" before the first letter or digit (Latin or Cyrillic, in either case) that no caption
// before it in the list has taken. A caption with no such letter left stays unmarked. Captions
// are written as the menus hold them: "&&" is an ampersand, and a mark they already carry is
// dropped first, so marking twice gives the same result.
std::vector<std::string> WithMnemonics(const std::vector<std::string>& captions);

// A caption without its mark, as the menu shows it: "&&" stays an ampersand written "&&".
std::string WithoutMnemonic(const std::string& caption);

}  // namespace rw
