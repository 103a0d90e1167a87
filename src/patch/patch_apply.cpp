#include "patch/patch_apply.h"

#include <algorithm>
#include <cstddef>

#include "io/image_patch.h"
#include "io/read_only_guard.h"
#include "patch/byte_ranges.h"
#include "patch/hex_text.h"
#include "patch/patch_problems.h"
#include "patch/restoring_patch.h"

namespace rw {
namespace {

// Stretches of a dump this close are read in one go.
constexpr int64_t kReadGap = 64;

bool Holds(std::span<const uint8_t> bytes, std::span<const uint8_t> expected) {
    return std::equal(bytes.begin(), bytes.end(), expected.begin(), expected.end());
}

Status OtherBytes(const Patch& patch, const DataLine& line) {
    return PatchFailure(patch.name, line.line,
                        {MessageId::PatchOtherBytes, {PatchAddress(line.address)}});
}

// Every line of an undo must have old bytes to put back and let itself be undone.
Status CheckUndoable(const Patch& patch) {
    for (const DataLine& line : patch.lines) {
        if (!line.HasOldData()) {
            return PatchFailure(patch.name, line.line, {MessageId::PatchLineCannotBeUndone, {}});
        }
        if (!line.pragmas.undo) {
            return PatchFailure(patch.name, line.line, {MessageId::PatchForbidsUndo, {}});
        }
    }
    return Status::Ok();
}

// Stretches in the order the lines came; a line that touches or overlaps the last stretch, before
// or after it, joins it: a patch of a million adjacent one-byte lines, applied or undone (last
// line first), is one stretch and not a million.
void AddStretch(std::vector<ByteRange>& stretches, ByteRange range) {
    if (!stretches.empty() && range.begin <= stretches.back().end &&
        range.end >= stretches.back().begin) {
        stretches.back().begin = std::min(stretches.back().begin, range.begin);
        stretches.back().end = std::max(stretches.back().end, range.end);
        return;
    }
    stretches.push_back(range);
}

// One line: what it expects to find, what it leaves, and whether it may write over the rest.
Status PlanLine(const Patch& patch, const DataLine& line, PatchOptions options, ImageExcerpt* bytes,
                PatchOutcome* outcome, std::vector<ByteRange>& written) {
    const bool undo = options.direction == PatchDirection::Undo;
    const PatchBytes old_bytes = line.HasOldData() ? line.ExpectedOld() : PatchBytes();
    const std::span<const uint8_t> wanted = undo ? old_bytes.span() : line.new_bytes.span();
    const std::span<uint8_t> here = bytes->At(line.address, line.new_bytes.size());
    if (Holds(here, wanted)) {
        ++outcome->lines_in_place;
        return Status::Ok();
    }
    const bool expected =
        undo ? Holds(here, line.new_bytes) : !line.HasOldData() || Holds(here, old_bytes);
    if (!expected && !options.force) return OtherBytes(patch, line);
    if (!expected) ++outcome->lines_forced;
    std::copy(wanted.begin(), wanted.end(), here.begin());
    AddStretch(written, {line.address, line.End()});
    ++outcome->lines_written;
    outcome->bytes_written += static_cast<int64_t>(wanted.size());
    return Status::Ok();
}

// The writes of a plan: every stretch a line wrote, merged, with the bytes the plan left there.
// Where lines overlap, the excerpt holds what the last of them wrote.
void CollectWrites(std::vector<ByteRange> written, ImageExcerpt& bytes, PatchOutcome* outcome) {
    for (const ByteRange& r : MergeRanges(std::move(written))) {
        const std::span<uint8_t> stretch = bytes.At(r.begin, static_cast<size_t>(r.end - r.begin));
        outcome->writes.push_back({r.begin, std::vector<uint8_t>(stretch.begin(), stretch.end())});
    }
}

}  // namespace

std::vector<ByteRange> PatchFootprint(const Patch& patch) {
    std::vector<ByteRange> ranges;
    for (const DataLine& line : patch.lines) AddStretch(ranges, {line.address, line.End()});
    return MergeRanges(std::move(ranges));
}

Status CheckPatchFitsImage(const Patch& patch, int64_t image_size, const std::string& image_name) {
    for (const DataLine& line : patch.lines) {
        if (line.End() <= image_size) continue;
        return PatchFailure(patch.name, line.line,
                            {MessageId::PatchPastImageEnd,
                             {PatchAddress(line.address), image_name, std::to_string(image_size)}});
    }
    return Status::Ok();
}

Status ReadPatchFootprint(File& image, const Patch& patch, int64_t image_size,
                          ImageExcerpt* bytes) {
    Status fits = CheckPatchFitsImage(patch, image_size, BaseNameOf(image.path()));
    if (!fits.ok()) return fits;
    return ImageExcerpt::Read(image, MergeRanges(PatchFootprint(patch), kReadGap), bytes);
}

Status PlanPatch(const Patch& patch, PatchOptions options, ImageExcerpt* bytes,
                 PatchOutcome* outcome) {
    *outcome = PatchOutcome();
    std::vector<ByteRange> written;
    if (options.direction == PatchDirection::Apply) {
        for (const DataLine& line : patch.lines) {
            Status status = PlanLine(patch, line, options, bytes, outcome, written);
            if (!status.ok()) return status;
        }
    } else {
        Status undoable = CheckUndoable(patch);
        if (!undoable.ok()) return undoable;
        // Later lines may have written over earlier ones: they come off first.
        Status status = Status::Ok();
        patch.lines.ForEachBackward([&](const DataLine& line) {
            status = PlanLine(patch, line, options, bytes, outcome, written);
            return status.ok();
        });
        if (!status.ok()) return status;
    }
    CollectWrites(std::move(written), *bytes, outcome);
    return Status::Ok();
}

Status ApplyPatchToImage(const Patch& patch, const std::string& image_name, PatchOptions options,
                         std::vector<uint8_t>* image, PatchOutcome* outcome) {
    Status status = CheckPatchFitsImage(patch, static_cast<int64_t>(image->size()), image_name);
    if (!status.ok()) return status;
    ImageExcerpt bytes = ImageExcerpt::Of(*image, PatchFootprint(patch));
    PatchOutcome planned;
    status = PlanPatch(patch, options, &bytes, &planned);
    if (!status.ok()) return status;
    for (const JournalEntry& w : planned.writes) {
        std::copy(w.bytes.begin(), w.bytes.end(),
                  image->begin() + static_cast<std::ptrdiff_t>(w.position));
    }
    *outcome = std::move(planned);
    return Status::Ok();
}

Status ApplyPatchToFlash(const std::string& path, const Patch& patch, PatchOptions options,
                         PatchOutcome* outcome, FileSystem& fs,
                         const std::string& restoring_patch) {
    // A dump its owner protected stays as it is, as with every save into one.
    if (Status refused = RefuseReadOnlyImage(fs, path); !refused.ok()) return refused;

    // Read as a load reads: a save into this image that was cut off is undone first, and the
    // bytes are read under the shared lock.
    int64_t size = 0;
    ImageExcerpt seen;
    Message rollback_note;
    {
        File image(fs, path);
        Status opened = OpenImageForLoad(fs, image);
        if (!opened.ok()) return opened;
        rollback_note = opened.note();
        Status status = image.Size(&size);
        if (status.ok()) status = ReadPatchFootprint(image, patch, size, &seen);
        if (!status.ok()) return status.WithNote(rollback_note);
    }
    auto with_note = [&rollback_note](const Status& s) {
        return s.note().empty() ? s.WithNote(rollback_note) : s;
    };
    PatchOutcome planned;
    {
        // The plan's bytes are copied into its writes: the excerpt goes before the save begins.
        ImageExcerpt bytes = seen;
        Status status = PlanPatch(patch, options, &bytes, &planned);
        if (!status.ok()) return with_note(status);
    }
    if (planned.writes.empty()) {
        *outcome = std::move(planned);
        return with_note(Status::Ok());
    }

    // The plan holds only for the bytes it was made from: under the lock, before the first write,
    // the image must still hold them.
    const auto still_as_seen = [&](int64_t size_now) {
        Status changed = Status::Failure(path, Message{MessageId::PatchImageChangedMeanwhile, {}});
        if (size_now != size) return changed;
        File again(fs, path);
        ImageExcerpt now;
        Status s = again.OpenForReading();
        if (s.ok()) s = ImageExcerpt::Read(again, seen.stretches(), &now);
        if (!s.ok()) return s;
        return now.SameBytesAs(seen) ? Status::Ok() : changed;
    };
    const auto save_restoring_patch = [&](const std::vector<JournalChange>& changes) {
        return WriteRestoringPatch(fs, restoring_patch, path, changes);
    };
    // The writes' bytes go over to the save: a large patch's are megabytes.
    std::vector<JournalEntry> writes = std::move(planned.writes);
    planned.writes.clear();
    const Status status = PatchImage(
        fs, path, std::move(writes), still_as_seen,
        restoring_patch.empty() ? BeforeTheWrite() : BeforeTheWrite(save_restoring_patch));
    if (status.ok()) *outcome = std::move(planned);
    return with_note(status);
}

}  // namespace rw
