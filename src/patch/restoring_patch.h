#pragma once

#include <string>
#include <vector>

#include "io/file_io.h"
#include "io/journal_format.h"

namespace rw {

// The patch that takes a save back byte for byte: for every stretch the save changes, its old
// data are the bytes the save writes and its new data the bytes it replaces. Unlike undoing the
// applied patch (which writes that patch's old data), it puts back what was there, also where a
// line was forced over other bytes or found already in place. `image` names the dump in the
// header comment. Windows-1251 text with CR LF.
std::string RestoringPatchText(const std::string& image, const std::vector<JournalChange>& changes);

// Writes that patch to `path`, replacing any file of that name safely.
Status WriteRestoringPatch(FileSystem& fs, const std::string& path, const std::string& image,
                           const std::vector<JournalChange>& changes);

}  // namespace rw
