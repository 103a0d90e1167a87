#pragma once

#include <string>
#include <vector>

namespace rw {

// The captions of one menu's items (or of the menu bar's menus), each with its Alt+letter mark:
// "&" before a letter or digit (Latin or Cyrillic, in either case) that no caption before it in
// the list has taken, the first letter of a word where one is free. A caption whose letters are
// all taken shares its first letter's mark with an earlier item (Alt then moves between them);
// one without letters stays unmarked. Captions are written as the menus hold them: "&&" is an
// ampersand, and a mark they already carry is dropped first, so marking twice gives the same
// result.
std::vector<std::string> WithMnemonics(const std::vector<std::string>& captions);

// A caption without its mark, as the menu shows it: "&&" stays an ampersand written "&&".
std::string WithoutMnemonic(const std::string& caption);

}  // namespace rw
