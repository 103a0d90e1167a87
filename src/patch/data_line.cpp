#include "patch/data_line.h"

#include <algorithm>

namespace rw {

PatchBytes DataLine::ExpectedOld() const {
    if (!old_bytes) return std::vector<uint8_t>(new_bytes.size(), 0xFF);
    // The reader keeps old data at least as long as the new; a line made otherwise gets what
    // there is, which then matches no image.
    const size_t count = std::min(old_bytes->size(), new_bytes.size());
    return old_bytes->span().first(count);
}

}  // namespace rw
