#pragma once

#include <string>

#include "io/status.h"
#include "patch/patch.h"

namespace rw {

// Faults and warnings of a patch name the file and the line, as a compiler's do:
// "s45.vkp:12: old data (2 bytes) shorter than new data (3 bytes)".

// "s45.vkp:12", or the name alone for a fault of the whole file (line 0).
std::string PatchPlace(const std::string& name, int line);

// A patch that cannot be used, as a failure whose path is the place.
Status PatchFailure(const std::string& name, int line, Message reason);

// "s45.vkp:3: warning: no old data: ..." in a language.
std::string WarningMessage(const std::string& name, const PatchWarning& warning, Language language);

// Every warning a patch keeps, one a line, then "… and N more lines without old data" for those
// only counted.
std::vector<std::string> WarningLines(const Patch& patch, Language language);

}  // namespace rw
