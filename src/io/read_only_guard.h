#pragma once

#include <string>

#include "io/file_io.h"

namespace rw {

// A fullflash without any write bit is one its owner protected, most likely the original dump:
// nothing is written into it, by root neither ("NAME: read-only: nothing written", the name said
// once). Every writer into a fullflash calls this before it opens the file for writing. A file
// whose mode cannot be read passes: the open that follows reports it.
Status RefuseReadOnlyImage(FileSystem& fs, const std::string& path);

}  // namespace rw
