#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "io/file_io.h"
#include "io/flash_codec.h"
#include "io/rollback_journal.h"
#include "patch/image_excerpt.h"
#include "patch/patch.h"

namespace rw {

enum class PatchDirection { Apply, Undo };

struct PatchOptions {
    PatchDirection direction = PatchDirection::Apply;
    // Writes a line even over bytes that are neither its old nor its new ones.
    bool force = false;
};

// What applying or undoing a patch does to one image.
struct PatchOutcome {
    // Sorted, apart from each other, with the bytes the whole patch leaves there.
    std::vector<JournalEntry> writes;
    int lines_written = 0;
    int lines_in_place = 0;  // lines whose bytes were there already
    int lines_forced = 0;    // lines written, under force, over bytes that were neither

    // Lines whose bytes an undo of the patch would not put back as they were: an undo writes
    // the patch's old data, not the bytes a forced line replaced, and changes the bytes of a
    // line found already in place.
    int LinesUndoWouldNotRestore() const { return lines_forced + lines_in_place; }
    int64_t bytes_written = 0;
};

// The bytes of an image a patch's lines cover, merged.
std::vector<ByteRange> PatchFootprint(const Patch& patch);

// Refuses a patch with a line reaching past the end of the image: a fullflash is never
// lengthened. `image_name` is the image as messages name it.
Status CheckPatchFitsImage(const Patch& patch, int64_t image_size, const std::string& image_name);

// The bytes of an image open for reading that the patch's lines cover, in few reads. A patch
// reaching past the image's end (`image_size`) is refused first, naming the image by its name.
Status ReadPatchFootprint(File& image, const Patch& patch, int64_t image_size, ImageExcerpt* bytes);

// Works the patch through `bytes` (which hold at least its footprint), line by line in file
// order, or in reverse for an undo, changing them as it goes and listing the writes:
// - a line whose bytes are there already needs nothing;
// - applying, a line is written over its old bytes (the first as many as it has new ones), and a
//   line without old data is written as it is;
// - undoing, the old bytes go back over the new ones; every line needs old data, and none may
//   stand under "#pragma disable undo";
// - bytes that are neither refuse the whole patch, naming the line, unless forced.
Status PlanPatch(const Patch& patch, PatchOptions options, ImageExcerpt* bytes,
                 PatchOutcome* outcome);

// Applies or undoes a patch in an image held in memory (a copy of a fullflash): every line or,
// on a failure, none. What it did to a font is then EffectOnFont(RangesOf(outcome->writes), ...).
Status ApplyPatchToImage(const Patch& patch, const std::string& image_name, PatchOptions options,
                         std::vector<uint8_t>* image, PatchOutcome* outcome);

// Applies or undoes a patch in the fullflash at `path`, all lines or none, also across a crash,
// as a save writes: a read-only dump is refused, an interrupted save is rolled back first, the
// bytes are checked as a load reads them (under the shared lock), and the writes go in through
// the rollback journal under the lock (see PatchImage), after checking under the lock that the
// image is still what was checked. Reads only the bytes the patch covers. The outcome counts the
// lines and bytes; its writes went into the dump and are not kept. With
// `restoring_patch`, the patch that restores the dump byte for byte (see restoring_patch.h) is
// written there under the same lock, before the first byte; when that fails nothing is written.
Status ApplyPatchToFlash(const std::string& path, const Patch& patch, PatchOptions options,
                         PatchOutcome* outcome, FileSystem& fs = SystemFileSystem(),
                         const std::string& restoring_patch = {});

}  // namespace rw
