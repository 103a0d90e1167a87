#pragma once

#include <cstdint>
#include <optional>

#include "patch/patch_bytes.h"

namespace rw {

// The #pragma switches of a patch as they stand at a line, with the defaults a patch starts with.
struct PatchPragmas {
    bool warn_no_old_on_apply = true;
    bool warn_if_new_exist_on_apply = true;
    bool warn_if_old_exist_on_undo = true;
    bool undo = true;
    // A line without old data counts as having old data of all FF bytes, the erased-flash value.
    bool old_equal_ff = false;

    friend bool operator==(const PatchPragmas&, const PatchPragmas&) = default;
};

// One line of a patch: "at this address these bytes were there, put these instead".
struct DataLine {
    uint32_t address = 0;  // after the corrector
    // As the patch gives them: absent, or at least as long as the new bytes.
    std::optional<PatchBytes> old_bytes;
    PatchBytes new_bytes;
    PatchPragmas pragmas;
    int line = 0;  // where the data line begins in the file, counted from 1

    int64_t End() const { return int64_t{address} + static_cast<int64_t>(new_bytes.size()); }
    // Whether the line can be checked before it is applied, and undone.
    bool HasOldData() const { return old_bytes.has_value() || pragmas.old_equal_ff; }
    // The bytes the line expects under the new ones: the first new_bytes.size() of the old data,
    // or FF bytes under old_equal_ff. Only for a line that HasOldData().
    PatchBytes ExpectedOld() const;
};
// A patch may hold millions of lines: every byte of a line counts many times over.
static_assert(sizeof(DataLine) <= 32, "a data line stays compact");

}  // namespace rw
