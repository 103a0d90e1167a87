#include "patch/data_line.h"

namespace rw {

std::vector<uint8_t> DataLine::ExpectedOld() const {
    if (!old_bytes) return std::vector<uint8_t>(new_bytes.size(), 0xFF);
    return std::vector<uint8_t>(old_bytes->begin(),
                                old_bytes->begin() + static_cast<long>(new_bytes.size()));
}

}  // namespace rw
