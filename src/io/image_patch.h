#pragma once

#include <functional>
#include <string>
#include <vector>

#include "io/file_io.h"
#include "io/rollback_journal.h"

namespace rw {

// Decides from the image's size whether the patches may go in; a failure is returned as it is.
using ImageSizeCheck = std::function<Status(int64_t size)>;
// Called under the lock with the stretches about to change (their bytes before and after), before
// the journal and the first write; a failure stops the save with nothing written.
using BeforeTheWrite = std::function<Status(const std::vector<JournalChange>& changes)>;

// Writes each patch's bytes at its position into the existing file `path`, all or nothing, also
// across a crash: the file is locked for the whole save, a journal left by an interrupted save is
// rolled back first, the bytes about to change and the new ones go to a journal beside the file
// before the first of them changes, and the journal goes only once the patched file is flushed. A
// failure puts the old bytes back from memory; when even that fails the result is
// partly_written() and the journal stays. Interrupting signals wait until the save is over.
// Patches may come in any order; where two overlap, the later one's bytes are written.
Status PatchImage(FileSystem& fs, const std::string& path, std::vector<JournalEntry> patches,
                  const ImageSizeCheck& check_size, const BeforeTheWrite& before_write = {});

}  // namespace rw
