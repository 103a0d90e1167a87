#pragma once

#include <string>
#include <string_view>

namespace rw {

// The status line after a file command that succeeded: "Записано в s45.bin: 136 букв" /
// "Saved to s45.bin: 136 glyphs". `file_name` is the file's own name, without its folder.
std::string SavedStatus(int language, std::string_view file_name, int glyphs);
std::string LoadedStatus(int language, std::string_view file_name, int glyphs);

// "1 буква", "3 буквы", "136 букв"; "1 glyph", "136 glyphs".
std::string GlyphCount(int language, int glyphs);

}  // namespace rw
