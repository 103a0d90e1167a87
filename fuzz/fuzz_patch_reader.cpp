// The patch reader on text of any bytes. A refused patch is one line and yields no data lines; a
// patch it reads is applied and undone on a small image in memory, which either stays as it was
// or changes only where the patch's lines lie, and never changes its length.
#include <cstdlib>
#include <string_view>
#include <vector>

#include "patch/patch_apply.h"
#include "patch/patch_reader.h"

using namespace rw;

namespace {

constexpr size_t kImageSize = 4096;

// The image as it was, or changed only inside the patch's lines.
void CheckOnlyLinesChanged(const Patch& patch, const std::vector<uint8_t>& before,
                           const std::vector<uint8_t>& after) {
    if (after.size() != before.size()) std::abort();
    std::vector<bool> inside(before.size());
    for (const DataLine& line : patch.lines) {
        for (int64_t p = line.address; p < line.End() && p < int64_t{kImageSize}; ++p) {
            inside[static_cast<size_t>(p)] = true;
        }
    }
    for (size_t i = 0; i < before.size(); ++i) {
        if (!inside[i] && before[i] != after[i]) std::abort();
    }
}

void ApplyAndCheck(const Patch& patch, PatchOptions options, std::vector<uint8_t>& image) {
    const std::vector<uint8_t> before = image;
    PatchOutcome outcome;
    const Status status = ApplyPatchToImage(patch, "flash.bin", options, &image, &outcome);
    if (!status.ok() && image != before) std::abort();
    CheckOnlyLinesChanged(patch, before, image);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Patch patch;
    const Status status = ReadPatchText(text, "fuzz.vkp", &patch);
    if (!status.ok()) {
        if (status.Line(kEnglish).find('\n') != std::string::npos || !patch.lines.empty())
            std::abort();
        return 0;
    }
    if (patch.lines.empty()) std::abort();
    for (const DataLine& line : patch.lines) {
        if (line.new_bytes.empty() || line.End() > (int64_t{1} << 32)) std::abort();
        if (line.old_bytes && line.old_bytes->size() < line.new_bytes.size()) std::abort();
    }
    std::vector<uint8_t> image(kImageSize);
    for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint8_t>(i * 7);
    ApplyAndCheck(patch, {PatchDirection::Apply, false}, image);
    ApplyAndCheck(patch, {PatchDirection::Undo, false}, image);
    ApplyAndCheck(patch, {PatchDirection::Apply, true}, image);
    ApplyAndCheck(patch, {PatchDirection::Undo, true}, image);
    return 0;
}
