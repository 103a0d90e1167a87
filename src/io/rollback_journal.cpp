#include "io/rollback_journal.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <optional>

#include "io/flash_codec.h"

namespace rw {
namespace {

// Another program that keeps cutting saves off between a load's look and its lock is taken for
// a file in use after this many rounds.
constexpr int kLoadRounds = 3;

// Whether someone who may not write the image may write the journal: its group, where the
// image's group may not write the image or is another group, or others.
bool WritableByOthersThanWriters(const FileInfo& journal, const FileInfo& image) {
    if ((image.mode & S_IWOTH) != 0) return false;
    if ((journal.mode & S_IWOTH) != 0) return true;
    const bool group_writes_image = (image.mode & S_IWGRP) != 0 && journal.group == image.group;
    return (journal.mode & S_IWGRP) != 0 && !group_writes_image;
}

// A journal writes into the image, so only bytes that someone who could write the image anyway
// wrote may be trusted: its owner must be able to write the image, and nobody who may not write
// the image may write the journal. `vouched`: the journal's owner or root asked for the rollback
// by name (recover), and takes the journal for theirs.
std::optional<JournalDistrust> Distrust(FileSystem& fs, const FileInfo& journal,
                                        const FileInfo& image, bool vouched) {
    if (!journal.regular()) return JournalDistrust::NotRegularFile;
    const uint32_t runner = fs.EffectiveUser();
    if (vouched && (runner == 0 || runner == journal.owner)) return std::nullopt;
    if (!MayWriteFile(fs, journal.owner, image)) return JournalDistrust::AnotherUsers;
    if (WritableByOthersThanWriters(journal, image)) return JournalDistrust::WritableByOthers;
    return std::nullopt;
}

bool BelongsTo(const JournalHeader& header, const FileInfo& image) {
    // The first format knew only the size; the records are checked once read (FitsFontRecords).
    if (header.first_format) return header.image.size == image.size;
    return SameFile(header.image, image);
}

// Whether every change lies inside the records of one font layout, the only places the first
// version wrote. Its journals name no file, so one left beside any dump of that size would
// otherwise write wherever its records say.
bool FitsFontRecords(const RollbackJournal& journal) {
    for (const Edition edition : {Edition::Cyrillic, Edition::Latin}) {
        for (const PhoneModelRow& model : kPhoneModels) {
            for (const FontKindRow& kind : kFontKinds) {
                const FontLayout& layout = LookupLayout(edition, model.model, kind.kind);
                std::vector<ByteRange> records;
                for (const FlashRecord& r : RecordsToWrite(edition, layout)) {
                    records.push_back({r.position, r.position + RecordPayloadLength(layout)});
                }
                std::sort(records.begin(), records.end(),
                          [](ByteRange a, ByteRange b) { return a.begin < b.begin; });
                const auto inside = [&records](const JournalChange& c) {
                    const auto after = std::upper_bound(
                        records.begin(), records.end(), c.position,
                        [](int64_t position, ByteRange r) { return position < r.begin; });
                    return after != records.begin() && c.end() <= std::prev(after)->end;
                };
                if (std::all_of(journal.changes.begin(), journal.changes.end(), inside))
                    return true;
            }
        }
    }
    return false;
}

// What lies at a journal's path.
enum class JournalFound { None, Whole, CutOff };

// Reads the journal at `journal_path` when there is one, having checked, before reading more
// than its header, that it may be trusted, belongs to this image and is no larger than a journal
// of it can be. *found says whether there was one, and whether it was cut off before it was
// sealed (*journal is then empty).
Status ReadTrustedJournal(FileSystem& fs, const std::string& image_path, const FileInfo& image,
                          const std::string& journal_path, bool vouched,
                          std::optional<RollbackJournal>* journal, JournalFound* found) {
    *found = JournalFound::None;
    const int fd = fs.OpenForReadingNoFollow(journal_path);
    if (fd == -ENOENT) return Status::Ok();
    FileInfo info;
    const auto owner_name = [&info] { return UserName(info.owner); };
    if (fd == -ELOOP)
        return UntrustedJournal(image_path, journal_path, JournalDistrust::SymbolicLink, "");
    // One the user may not read is another user's: what it holds cannot be checked here.
    if (fd == -EACCES && fs.StatPath(journal_path, &info) == 0) {
        return UntrustedJournal(image_path, journal_path, JournalDistrust::AnotherUsers,
                                owner_name());
    }
    File file(fs, journal_path);
    Status status = file.Adopt(fd);
    if (status.ok()) status = file.Stat(&info);
    if (!status.ok()) return JournalUnreadable(image_path, journal_path, status);
    if (const auto why = Distrust(fs, info, image, vouched))
        return UntrustedJournal(image_path, journal_path, *why, owner_name());

    std::vector<uint8_t> bytes(
        std::min(static_cast<size_t>(std::max<int64_t>(info.size, 0)), kJournalHeaderBytes));
    status = file.ReadAt(0, bytes);
    if (!status.ok()) return JournalUnreadable(image_path, journal_path, status);
    if (JournalCutOff(bytes)) {
        *found = JournalFound::CutOff;
        return Status::Ok();
    }
    const std::optional<JournalHeader> header = DecodeJournalHeader(bytes);
    if (!header) return DamagedJournal(image_path, journal_path);
    if (!BelongsTo(*header, image)) return JournalOfAnotherFile(image_path, journal_path);
    const std::optional<uint64_t> largest = MaxJournalSize(*header, image.size);
    if (!largest || static_cast<uint64_t>(info.size) > *largest)
        return DamagedJournal(image_path, journal_path);

    bytes.resize(static_cast<size_t>(info.size));
    status = file.ReadAt(0, bytes);
    if (!status.ok()) return JournalUnreadable(image_path, journal_path, status);
    *journal = DecodeJournal(bytes);
    if (!*journal) return DamagedJournal(image_path, journal_path);
    if ((*journal)->first_format && !FitsFontRecords(**journal))
        return JournalOfAnotherFile(image_path, journal_path);
    *found = JournalFound::Whole;
    return Status::Ok();
}

// A journal cut off before it was sealed: WriteJournal seals it only once the rest is on the
// disk, and the image changes only after the seal is, so the image never changed. It goes, with
// a note; should it not go, the image is still whole and the command goes on.
Status RemoveCutOffJournal(FileSystem& fs, const std::string& image_path,
                           const std::string& journal_path) {
    IgnoreFailure(RemoveJournal(fs, journal_path));
    return Status::Ok().WithNote(CutOffJournalNote(image_path, journal_path));
}

// Every byte the journal covers must still hold its old value or the one the save wrote: the
// save was cut off somewhere among them. Anything else was written by someone else since, and
// putting the old bytes back would destroy it.
Status CheckJournalFits(File& image, const RollbackJournal& journal,
                        const std::string& journal_path) {
    if (journal.first_format) return Status::Ok();
    int64_t foreign = 0;
    int64_t first = -1;
    std::vector<uint8_t> now;
    for (const JournalChange& change : journal.changes) {
        now.resize(change.before.size());
        Status status = image.ReadAt(change.position, now);
        if (!status.ok()) return status;
        for (size_t i = 0; i < now.size(); ++i) {
            if (now[i] == change.before[i] || now[i] == change.after[i]) continue;
            if (foreign++ == 0) first = change.position + static_cast<int64_t>(i);
        }
    }
    if (foreign == 0) return Status::Ok();
    return JournalDoesNotFit(image.path(), journal_path, foreign, first);
}

// Whether anything at all lies at the journal's path (a file of any kind, a link); fails when
// that cannot be told.
Status LookForJournal(FileSystem& fs, const std::string& image, const std::string& journal,
                      bool* there) {
    const int fd = fs.OpenForReadingNoFollow(journal);
    if (fd >= 0) fs.Close(fd);
    *there = fd >= 0 || fd == -ELOOP || fd == -EACCES;
    // A link and a file the user may not read are there: the rollback says what is wrong.
    if (*there || fd == -ENOENT) return Status::Ok();
    return JournalUnreadable(image, journal, Status::Failure(journal, ErrorText(-fd)));
}

Status RecoverWithJournal(FileSystem& fs, const std::string& image_path,
                          const std::string& journal_path, bool vouched = false) {
    File image(fs, image_path);
    Status opened = image.OpenExistingForWriting();
    if (!opened.ok()) {
        // Say first what is wrong with a journal that could not be used anyway.
        File reader(fs, image_path);
        FileInfo info;
        Status read = reader.OpenForReading();
        if (read.ok()) read = reader.Stat(&info);
        if (!read.ok()) return opened;
        std::optional<RollbackJournal> journal;
        JournalFound found = JournalFound::None;
        read = ReadTrustedJournal(fs, image_path, info, journal_path, vouched, &journal, &found);
        if (!read.ok()) return read;
        if (found == JournalFound::CutOff) return RemoveCutOffJournal(fs, image_path, journal_path);
        // Gone in the meantime: another program rolled it back.
        if (found == JournalFound::None) return Status::Ok();
        return JournalWaitsForAWritableImage(image_path, journal_path, opened);
    }
    Status locked = image.LockExclusive();
    if (!locked.ok()) return locked;
    return RollBackInterruptedSave(fs, image, journal_path, vouched);
}

}  // namespace

std::string JournalPathFor(const std::string& resolved_image) {
    return resolved_image + ".rwj";
}

Status LocateJournal(FileSystem& fs, const std::string& image, std::string* journal) {
    std::string resolved;
    const int result = fs.ResolvePath(image, &resolved);
    if (result < 0) return Status::Failure(image, ErrorText(-result));
    *journal = JournalPathFor(resolved);
    return Status::Ok();
}

Status WriteJournal(FileSystem& fs, const std::string& journal_path, const RollbackJournal& journal,
                    const FileInfo& image) {
    Status status;
    {
        File file(fs, journal_path);
        const int fd = fs.CreateNewPrivate(journal_path);
        status = file.Adopt(fd);
        if (!status.ok()) return status;
        // Where the image's group may write it, its members may finish a rollback: they read
        // the journal, and none may write it but its owner.
        if ((image.mode & S_IWGRP) != 0) {
            FileInfo shared;
            shared.owner = fs.EffectiveUser();
            shared.group = image.group;
            shared.mode = S_IFREG | S_IRUSR | S_IWUSR | S_IRGRP;
            // Should that fail, it stays private: its owner and root can still roll it back.
            (void)fs.CopyOwnerAndMode(fd, shared);
        }
        // The magic goes last, once the rest is on the disk: a journal found without it was cut
        // off while it was written, before anything of the image changed (JournalCutOff). The
        // journal goes out piece by piece, so that one of megabytes is never held twice.
        std::vector<uint8_t> magic;
        int64_t at = 0;
        EncodeJournalInPieces(journal, [&](std::span<const uint8_t> piece) {
            if (at == 0) {
                // The first piece holds the head and, for a small journal, all of it.
                std::vector<uint8_t> unsealed(piece.begin(), piece.end());
                magic.assign(piece.begin(), piece.begin() + kJournalMagicBytes);
                std::fill_n(unsealed.begin(), kJournalMagicBytes, uint8_t{0});
                status = file.WriteAt(0, unsealed);
            } else if (status.ok()) {
                status = file.WriteAt(at, piece);
            }
            at += static_cast<int64_t>(piece.size());
        });
        if (status.ok()) status = file.Flush();
        if (status.ok()) status = file.WriteAt(0, magic);
        if (status.ok()) status = file.Flush();
        const Status closed = file.Close();
        if (status.ok()) status = closed;
    }
    if (status.ok()) {
        const int flushed = fs.FlushFolder(FolderOf(journal_path));
        if (flushed == 0) return Status::Ok();
        status = Status::Failure(FolderOf(journal_path), ErrorText(-flushed));
    }
    fs.Remove(journal_path);
    return status;
}

Status RemoveJournal(FileSystem& fs, const std::string& journal_path) {
    const int removed = fs.Remove(journal_path);
    if (removed < 0) return Status::Failure(journal_path, ErrorText(-removed));
    // Should this flush fail, a crash could bring the journal back; it then holds the bytes the
    // image holds already, or puts back a save the user was told had failed.
    fs.FlushFolder(FolderOf(journal_path));
    return Status::Ok();
}

Status RestoreImage(File& image, const std::vector<JournalChange>& changes) {
    // Every change is tried even after one fails: each one that lands is a record less damaged.
    // What counts is what the image reads afterwards: a write refused beyond a file size limit
    // may find the old bytes still in place.
    for (const JournalChange& change : changes) {
        IgnoreFailure(image.WriteAt(change.position, change.before));
    }
    Status status = image.Flush();
    if (!status.ok()) return status;
    std::vector<uint8_t> back;
    for (const JournalChange& change : changes) {
        back.resize(change.before.size());
        status = image.ReadAt(change.position, back);
        if (!status.ok()) return status;
        if (back != change.before) return image.Failure(EIO);
    }
    return Status::Ok();
}

Status RollBackInterruptedSave(FileSystem& fs, File& image, const std::string& journal_path,
                               bool vouched) {
    FileInfo info;
    Status status = image.Stat(&info);
    if (!status.ok()) return status;
    std::optional<RollbackJournal> journal;
    JournalFound found = JournalFound::None;
    status = ReadTrustedJournal(fs, image.path(), info, journal_path, vouched, &journal, &found);
    if (!status.ok()) return status;
    if (found == JournalFound::CutOff) return RemoveCutOffJournal(fs, image.path(), journal_path);
    // No journal: the last save ended well (or another program's recovery came first).
    if (found == JournalFound::None) return status;
    status = CheckJournalFits(image, *journal, journal_path);
    if (!status.ok()) return status;
    if (!RestoreImage(image, journal->changes).ok())
        return PartlyWrittenFailure(image.path(), journal_path);
    const Message note = RolledBackNote(image.path(), journal_path);
    // A journal left behind would be found again at every load: the command stops instead.
    status = RemoveJournal(fs, journal_path);
    if (!status.ok())
        return RolledBackJournalStays(image.path(), journal_path, status).WithNote(note);
    return Status::Ok().WithNote(note);
}

Status RecoverInterruptedSave(FileSystem& fs, const std::string& image, bool vouched) {
    std::string journal;
    Status status = LocateJournal(fs, image, &journal);
    bool there = false;
    if (status.ok()) status = LookForJournal(fs, image, journal, &there);
    if (!status.ok()) return status;
    if (there) return RecoverWithJournal(fs, image, journal, vouched);
    // Nothing to undo, but a folder or a device given as the image is still told so.
    File file(fs, image);
    return file.OpenForReading();
}

Status OpenImageForLoad(FileSystem& fs, File& image, LoadStamp* stamp) {
    std::string journal;
    Status status = LocateJournal(fs, image.path(), &journal);
    if (!status.ok()) return status;
    Message note;
    bool there = false;
    for (int round = 0; round < kLoadRounds; ++round) {
        status = LookForJournal(fs, image.path(), journal, &there);
        if (status.ok() && there) {
            status = RecoverWithJournal(fs, image.path(), journal);
            if (!status.note().empty()) note = status.note();
        }
        if (status.ok()) status = image.OpenForReading();
        if (status.ok()) status = image.LockShared();
        // Under the shared lock no save runs: a journal now is one of a save cut off between the
        // look above and the lock.
        if (status.ok()) status = LookForJournal(fs, image.path(), journal, &there);
        if (status.ok() && !there && stamp != nullptr) {
            stamp->unguarded = fs.MayWrite(image.path()) != 0;
            stamp->journal = journal;
            status = image.Stat(&stamp->opened);
        }
        if (!status.ok()) return status.WithNote(note);
        if (!there) return Status::Ok().WithNote(note);
        // A save came in between: the next round looks again, from a closed image.
        IgnoreFailure(image.Close());
    }
    return Status::Failure(image.path(), kInUse).WithNote(note);
}

Status FinishLoad(FileSystem& fs, File& image, const LoadStamp& stamp) {
    if (!stamp.unguarded) {
        // Every byte is read; a close that complains takes nothing back.
        IgnoreFailure(image.Close());
        return Status::Ok();
    }
    // The change time moves with every write, and a save's journal lies beside the image from
    // before its first byte until after its last.
    FileInfo now;
    bool there = false;
    Status status = image.Stat(&now);
    if (status.ok()) status = LookForJournal(fs, image.path(), stamp.journal, &there);
    IgnoreFailure(image.Close());
    if (!status.ok()) return status;
    if (!there && now.size == stamp.opened.size && now.changed_ns == stamp.opened.changed_ns) {
        return Status::Ok();
    }
    return Status::Failure(image.path(), Message{MessageId::ImageSavedWhileRead, {}});
}

}  // namespace rw
