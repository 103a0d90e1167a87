#include "patch/restoring_patch.h"

#include <algorithm>
#include <span>

#include "patch/hex_text.h"
#include "patch/patch_reader.h"

namespace rw {
namespace {

// Bytes a line holds at most: a long stretch is written as several lines.
constexpr size_t kBytesPerLine = 32;

}  // namespace

std::string RestoringPatchText(const std::string& image,
                               const std::vector<JournalChange>& changes) {
    std::string text = "; Restores " + BaseNameOf(image) +
                       " as it was before a patch: old data are the bytes the patch wrote,\r\n"
                       "; new data the bytes it replaced.\r\n";
    for (const JournalChange& change : changes) {
        const std::span<const uint8_t> written(change.after);
        const std::span<const uint8_t> replaced(change.before);
        for (size_t at = 0; at < replaced.size(); at += kBytesPerLine) {
            const size_t count = std::min(kBytesPerLine, replaced.size() - at);
            text += PatchAddress(change.position + static_cast<int64_t>(at)) + ": " +
                    HexBytes(written.subspan(at, count)) + " " +
                    HexBytes(replaced.subspan(at, count)) + "\r\n";
        }
    }
    return text;
}

Status WriteRestoringPatch(FileSystem& fs, const std::string& path, const std::string& image,
                           const std::vector<JournalChange>& changes) {
    const std::string text = RestoringPatchText(image, changes);
    // Four hex digits a byte: a save of more than about 15 MiB has a restoring patch no reader
    // takes, and one that cannot be applied must not be promised.
    if (static_cast<int64_t>(text.size()) > kLargestPatchFile) {
        return Status::Failure(
            path, Message{MessageId::RestoringPatchTooLarge,
                          {std::to_string(text.size()), std::to_string(kLargestPatchFile)}});
    }
    return WriteFileAtomically(
        fs, path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

}  // namespace rw
