#include "io/image_patch.h"

#include <algorithm>
#include <climits>

#include "io/read_only_guard.h"
#include "io/signal_shield.h"

namespace rw {
namespace {

// The bytes the patches will overwrite. A font lies in one compact stretch of the image on most
// models, which one read covers; scattered patches are read one by one.
Status ReadOriginals(File& image, const std::vector<JournalEntry>& patches, int64_t image_size,
                     RollbackJournal* journal) {
    journal->image_size = image_size;
    journal->entries.clear();
    int64_t begin = INT64_MAX;
    int64_t end = 0;
    int64_t total = 0;
    for (const JournalEntry& p : patches) {
        begin = std::min(begin, p.position);
        end = std::max(end, p.position + static_cast<int64_t>(p.bytes.size()));
        total += static_cast<int64_t>(p.bytes.size());
    }
    if (patches.empty()) return Status::Ok();
    std::vector<uint8_t> span;
    const bool one_read = end - begin <= 2 * total;
    if (one_read) {
        span.resize(static_cast<size_t>(end - begin));
        Status status = image.ReadAt(begin, span);
        if (!status.ok()) return status;
    }
    for (const JournalEntry& p : patches) {
        JournalEntry original{p.position, std::vector<uint8_t>(p.bytes.size())};
        if (one_read) {
            std::copy_n(span.begin() + (p.position - begin), p.bytes.size(),
                        original.bytes.begin());
        } else {
            Status status = image.ReadAt(p.position, original.bytes);
            if (!status.ok()) return status;
        }
        journal->entries.push_back(std::move(original));
    }
    return Status::Ok();
}

// Writes the patches in order; *written counts those that went in whole.
Status WritePatches(File& image, const std::vector<JournalEntry>& patches, size_t* written) {
    for (*written = 0; *written < patches.size(); ++*written) {
        const JournalEntry& p = patches[*written];
        Status status = image.WriteAt(p.position, p.bytes);
        if (!status.ok()) return status;
    }
    return image.Flush();
}

// After a failure: the first `touched` records (the failing one may be half written) go back.
Status Undo(FileSystem& fs, File& image, const RollbackJournal& journal, size_t touched,
            const Status& failure) {
    RollbackJournal touched_part{
        journal.image_size,
        {journal.entries.begin(), journal.entries.begin() + static_cast<long>(touched)}};
    if (!RestoreImage(image, touched_part).ok()) return PartlyWrittenFailure(image.path());
    // The image is as it was; a journal that would not go only holds those same bytes.
    RemoveJournal(fs, image.path());
    return failure;
}

}  // namespace

Status PatchImage(FileSystem& fs, const std::string& path, const std::vector<JournalEntry>& patches,
                  const ImageSizeCheck& check_size) {
    if (Status refused = RefuseReadOnlyImage(fs, path); !refused.ok()) return refused;
    File image(fs, path);
    Status status = image.OpenExistingForWriting();
    if (!status.ok()) return status;
    status = image.LockExclusive();
    if (!status.ok()) return status;
    const Status recovered = RollBackInterruptedSave(fs, image);
    if (!recovered.ok()) return recovered;
    auto with_note = [&recovered](Status s) { return s.WithNote(recovered.note()); };

    int64_t size = 0;
    status = image.Size(&size);
    if (status.ok()) status = check_size(size);
    RollbackJournal journal;
    if (status.ok()) status = ReadOriginals(image, patches, size, &journal);
    if (!status.ok()) return with_note(status);

    const SignalShield shield;
    status = WriteJournal(fs, path, journal);
    if (!status.ok()) {
        // Nothing of the image changed; the message names the image the user chose.
        return with_note(Status::Failure(path, status.text() + " (writing its journal " +
                                                   BaseNameOf(JournalPathFor(path)) + ")"));
    }
    size_t written = 0;
    status = WritePatches(image, patches, &written);
    if (!status.ok()) {
        return with_note(Undo(fs, image, journal, std::min(written + 1, patches.size()), status));
    }
    const std::string journal_path = JournalPathFor(path);
    const int removed = fs.Remove(journal_path);
    if (removed < 0) {
        // A journal that stays would undo this save at the next load: undo it now instead.
        return with_note(
            Undo(fs, image, journal, patches.size(),
                 Status::Failure(path, ErrorText(-removed) + " (removing its journal " +
                                           BaseNameOf(journal_path) + ")")));
    }
    // The patched image is flushed and the journal is gone. Should the folder flush fail, a crash
    // could bring the journal back and the next load would roll back to the old bytes, which is
    // still a whole image; the save itself is on the disk.
    fs.FlushFolder(FolderOf(journal_path));
    // The flush put every record on the disk; a close that complains afterwards cannot undo that.
    image.Close();
    return with_note(Status::Ok());
}

}  // namespace rw
