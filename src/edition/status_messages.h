#pragma once

#include <string_view>

#include "edition/message.h"

namespace rw {

// The status line after a file command that succeeded: "Записано в s45.bin: 136 букв" /
// "Saved to s45.bin: 136 glyphs". `file_name` is the file's own name, without its folder.
Message SavedStatus(std::string_view file_name, int glyphs);
Message LoadedStatus(std::string_view file_name, int glyphs);
// After a patch export: "Записан патч s45.vkp: 12 букв" / "Saved patch s45.vkp: 12 glyphs".
Message SavedPatchStatus(std::string_view file_name, int glyphs);

}  // namespace rw
