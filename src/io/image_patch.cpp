#include "io/image_patch.h"

#include <algorithm>
#include <cstddef>

#include "io/interruption.h"
#include "io/read_only_guard.h"
#include "io/signal_shield.h"

namespace rw {
namespace {

// Whether no two patches share a byte: then none needs to be laid over another.
bool ApartFromEachOther(const std::vector<JournalEntry>& patches) {
    std::vector<ByteRange> ranges;
    ranges.reserve(patches.size());
    for (const JournalEntry& p : patches) {
        ranges.push_back({p.position, p.position + static_cast<int64_t>(p.bytes.size())});
    }
    std::sort(ranges.begin(), ranges.end(),
              [](const ByteRange& a, const ByteRange& b) { return a.begin < b.begin; });
    for (size_t i = 1; i < ranges.size(); ++i) {
        if (ranges[i].begin < ranges[i - 1].end) return false;
    }
    return true;
}

// The patches as the journal keeps them: sorted by position, overlapping ones merged into one
// change that holds the later patch's bytes where they overlap. Patches that only touch stay
// apart, so each record is one write. Patches apart from each other (a patch file's plan, a
// font's records) give their bytes over instead of copying them: they may be megabytes.
std::vector<JournalChange> ChangesOf(std::vector<JournalEntry> patches) {
    std::vector<JournalChange> changes;
    const bool apart = ApartFromEachOther(patches);
    for (JournalEntry& p : patches) {
        if (p.bytes.empty()) continue;
        changes.push_back({p.position, {}, apart ? std::move(p.bytes) : p.bytes});
    }
    std::stable_sort(
        changes.begin(), changes.end(),
        [](const JournalChange& a, const JournalChange& b) { return a.position < b.position; });
    auto end_of = [](const JournalChange& c) {
        return c.position + static_cast<int64_t>(c.after.size());
    };
    std::vector<JournalChange> merged;
    for (JournalChange& c : changes) {
        if (merged.empty() || c.position >= end_of(merged.back())) {
            merged.push_back(std::move(c));
        } else if (end_of(c) > end_of(merged.back())) {
            merged.back().after.resize(static_cast<size_t>(end_of(c) - merged.back().position));
        }
    }
    if (merged.size() == changes.size()) return merged;
    // Overlaps: each patch in its given order onto the change that holds it, the later on top.
    for (const JournalEntry& p : patches) {
        if (p.bytes.empty()) continue;
        const auto holder = std::prev(std::upper_bound(
            merged.begin(), merged.end(), p.position,
            [](int64_t position, const JournalChange& c) { return position < c.position; }));
        std::copy(
            p.bytes.begin(), p.bytes.end(),
            holder->after.begin() + static_cast<std::ptrdiff_t>(p.position - holder->position));
    }
    return merged;
}

// The bytes the changes will overwrite. A font lies in one compact stretch of the image on most
// models, which one read covers; scattered changes are read one by one.
Status ReadOriginals(File& image, std::vector<JournalChange>& changes) {
    if (changes.empty()) return Status::Ok();
    const int64_t begin = changes.front().position;
    int64_t end = 0;
    int64_t total = 0;
    for (const JournalChange& c : changes) {
        end = std::max(end, c.position + static_cast<int64_t>(c.after.size()));
        total += static_cast<int64_t>(c.after.size());
    }
    std::vector<uint8_t> span;
    // One change is read straight into its place, not into a copy first.
    const bool one_read = changes.size() > 1 && end - begin <= 2 * total;
    if (one_read) {
        span.resize(static_cast<size_t>(end - begin));
        Status status = image.ReadAt(begin, span);
        if (!status.ok()) return status;
    }
    for (JournalChange& c : changes) {
        c.before.resize(c.after.size());
        if (one_read) {
            std::copy_n(span.begin() + static_cast<std::ptrdiff_t>(c.position - begin),
                        c.after.size(), c.before.begin());
        } else {
            Status status = image.ReadAt(c.position, c.before);
            if (!status.ok()) return status;
        }
    }
    return Status::Ok();
}

// Fails when the image's size is no longer the one checked.
Status CheckSizeUnchanged(File& image, int64_t checked) {
    FileInfo now;
    Status status = image.Stat(&now);
    if (!status.ok() || now.size == checked) return status;
    return Status::Failure(image.path(),
                           Message{MessageId::ImageSizeChangedMeanwhile,
                                   {std::to_string(now.size), std::to_string(checked)}});
}

// Writes the changes in order; *written counts those that went in whole.
Status WriteChanges(File& image, const std::vector<JournalChange>& changes, size_t* written) {
    for (*written = 0; *written < changes.size(); ++*written) {
        const JournalChange& c = changes[*written];
        Status status = image.WriteAt(c.position, c.after);
        if (!status.ok()) return status;
    }
    return image.Flush();
}

// After a failure: the first `touched` changes (the failing one may be half written) go back.
Status Undo(FileSystem& fs, File& image, const std::string& journal_path,
            const RollbackJournal& journal, size_t touched, const Status& failure) {
    const std::vector<JournalChange> touched_part(
        journal.changes.begin(), journal.changes.begin() + static_cast<long>(touched));
    if (!RestoreImage(image, touched_part).ok())
        return PartlyWrittenFailure(image.path(), journal_path);
    // The image is as it was; a journal that would not go holds bytes the image holds again.
    IgnoreFailure(RemoveJournal(fs, journal_path));
    return failure;
}

// Opens and locks the image for a save, and rolls back a save into it that was cut off; the
// result carries the rollback's note. A journal waiting beside an image that cannot be written
// is named, not passed over.
Status OpenForSave(FileSystem& fs, File& image, std::string* journal_path) {
    Status status = LocateJournal(fs, image.path(), journal_path);
    if (!status.ok()) return status;
    status = image.OpenExistingForWriting();
    if (!status.ok()) {
        const Status waiting = RecoverInterruptedSave(fs, image.path());
        return waiting.ok() ? status : waiting;
    }
    status = image.LockExclusive();
    if (!status.ok()) return status;
    return RollBackInterruptedSave(fs, image, *journal_path);
}

}  // namespace

Status PatchImage(FileSystem& fs, const std::string& path, std::vector<JournalEntry> patches,
                  const ImageSizeCheck& check_size, const BeforeTheWrite& before_write) {
    if (Status refused = RefuseReadOnlyImage(fs, path); !refused.ok()) return refused;
    File image(fs, path);
    std::string journal_path;
    Status recovered = OpenForSave(fs, image, &journal_path);
    if (!recovered.ok()) return recovered;
    auto with_note = [&recovered](const Status& s) { return s.WithNote(recovered.note()); };

    FileInfo info;
    Status status = image.Stat(&info);
    if (status.ok()) status = check_size(info.size);
    RollbackJournal journal{IdentityOf(info), ChangesOf(std::move(patches))};
    if (status.ok()) status = ReadOriginals(image, journal.changes);
    if (status.ok() && before_write) status = before_write(journal.changes);
    if (!status.ok()) return with_note(status);

    const SignalShield shield;
    // A signal that came while the patch was read and checked stops the save here, before any
    // file changes.
    if (const int signal = PendingInterruption()) return with_note(Status::Cancelled(path, signal));
    status = WriteJournal(fs, journal_path, journal, info);
    // Nothing of the image changed; the message names the image the user chose.
    if (!status.ok()) return with_note(JournalNotWritten(path, journal_path, status));
    // A program that ignores the lock may have cut the file meanwhile: a write past its new end
    // would lengthen it back.
    status = CheckSizeUnchanged(image, info.size);
    // The last moment a signal may cancel: from the first byte on, it waits for the whole write.
    if (const int signal = PendingInterruption(); status.ok() && signal != 0)
        status = Status::Cancelled(path, signal);
    if (!status.ok()) {
        IgnoreFailure(RemoveJournal(fs, journal_path));  // nothing of the image changed
        return with_note(status);
    }
    size_t written = 0;
    status = WriteChanges(image, journal.changes, &written);
    if (!status.ok()) {
        return with_note(Undo(fs, image, journal_path, journal,
                              std::min(written + 1, journal.changes.size()), status));
    }
    status = RemoveJournal(fs, journal_path);
    if (!status.ok()) {
        // A journal that stays would undo this save at the next load: undo it now instead.
        return with_note(Undo(fs, image, journal_path, journal, journal.changes.size(),
                              JournalNotRemovedAfterSave(path, journal_path, status)));
    }
    // The flush put every record on the disk; a close that complains afterwards cannot undo that.
    IgnoreFailure(image.Close());
    return with_note(Status::Ok());
}

}  // namespace rw
