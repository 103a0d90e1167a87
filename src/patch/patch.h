#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "edition/message.h"
#include "patch/patch_lines.h"

namespace rw {

// Something a patch author should look at that does not stop the patch from being used.
struct PatchWarning {
    int line = 0;
    Message message;
};

// A patch as read: its data lines in file order and the warnings found on the way.
struct Patch {
    // Warnings of one kind kept (and shown) at most; the rest are counted.
    static constexpr int kWarningsOfAKind = 20;

    std::string name;  // the file, as messages name it
    PatchLines lines;
    std::vector<PatchWarning> warnings;
    // Lines without old data beyond the first kWarningsOfAKind, which have a warning each.
    int64_t more_lines_without_old_data = 0;
};

}  // namespace rw
