#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "io/file_io.h"

namespace rw {

// Looks at the file a save would replace; a failure stops the save before anything is written.
using ExistingFileCheck = std::function<Status(const FileInfo& existing)>;

// Replaces or creates `path` with `bytes` so that no file is lost, weakened or written through a
// link behind the user's back:
// - a symbolic link is followed and the file it points to replaced, the link kept;
// - an existing file must be a regular one the caller may write by its permissions: a file
//   without any write bit is a "read-only file" for root too;
// - the new file gets the old one's mode, and its owner and group where the caller may;
// - a file with several hard links is written in place (old bytes put back on failure), so every
//   name keeps showing the same file;
// - otherwise the bytes go to a file without a name (O_TMPFILE), or to a random name beside the
//   target, which is flushed, renamed over the target, and the folder flushed after it;
// - the target is locked against another saving program for the whole replacement.
Status ReplaceFile(FileSystem& fs, const std::string& path, std::span<const uint8_t> bytes,
                   const ExistingFileCheck& accept_existing = nullptr);

// A short random name beside `target` that fits the longest file name: "." + the start of the
// target's name + "." + 16 hexadecimal digits (64 random bits).
std::string TemporaryNameFor(const std::string& target, uint64_t random);

}  // namespace rw
