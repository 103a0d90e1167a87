#pragma once

#include <optional>
#include <string>
#include <vector>

namespace rw {

// The installed fonts, as fontconfig knows them.

// Every family name, sorted, each once.
std::vector<std::string> InstalledFamilies();
// The styles of a family ("Book", "Bold", "Oblique", ...), sorted, each once.
std::vector<std::string> FamilyStyles(const std::string& family);

// The file of the installed font that best fits a pattern such as "Terminus:style=Bold";
// nullopt when no installed font has the pattern's family and style.
std::optional<std::string> FindFontFile(const std::string& pattern);
// The upright bold face of a family, when it has one.
std::optional<std::string> FindBoldFace(const std::string& family);

// "Terminus:style=Bold" from a family and a style (empty: any style).
std::string FontPattern(const std::string& family, const std::string& style);

}  // namespace rw
