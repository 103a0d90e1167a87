#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "io/file_io.h"
#include "patch/patch.h"

namespace rw {

// A patch file larger than this is refused unread: the largest real patches are tens of KiB.
constexpr int64_t kLargestPatchFile = int64_t{64} << 20;

// Reads the text of a V_Klay patch (.vkp) into its data lines: Windows-1251, lines ending in CR LF
// or LF; data lines "ADDRESS: [OLD] NEW", "+HEX"/"-HEX" correctors that move the addresses after
// them, "#pragma enable|disable NAME" switches, and comments. The first fault fails the whole
// patch, named "NAME:LINE: reason"; warnings (a line without old data, a corrector or pragma not
// put back at the end) are kept with the patch.
//
// `progress`, when given, is told now and then how much of the text is read (0 to 1); when it
// returns false the reading stops: the read fails with "cancelled: nothing changed"
// (IsCancelledRead) and `patch` is left alone.
using ReadProgress = std::function<bool(double done)>;
Status ReadPatchText(std::string_view text, const std::string& name, Patch* patch,
                     const ReadProgress& progress = {});

// Reads the patch file at `path`; messages name it by `path`.
Status ReadPatchFile(const std::string& path, Patch* patch, FileSystem& fs = SystemFileSystem(),
                     const ReadProgress& progress = {});

// Whether a read failed because its progress asked it to stop.
bool IsCancelledRead(const Status& status);

}  // namespace rw
