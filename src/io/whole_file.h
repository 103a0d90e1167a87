#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "io/file_io.h"
#include "io/status.h"

namespace rw {

// Reads a whole file of at most `max_size` bytes; a larger one fails with `too_large` before
// anything is read. `bytes` is left as it was on failure.
Status ReadWholeFile(FileSystem& fs, const std::string& path, int64_t max_size,
                     const Message& too_large, std::vector<uint8_t>& bytes);

}  // namespace rw
