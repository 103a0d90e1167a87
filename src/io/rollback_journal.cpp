#include "io/rollback_journal.h"

#include <cerrno>
#include <cstring>

namespace rw {
namespace {

constexpr char kMagic[4] = {'R', 'W', 'J', '1'};
// A journal holds a few hundred records of at most 33 bytes; anything far beyond is damage.
constexpr uint64_t kMaxEntries = 1 << 16;

uint64_t Fnv1a(std::span<const uint8_t> bytes) {
    uint64_t hash = 0xcbf29ce484222325ULL;
    for (uint8_t b : bytes) {
        hash ^= b;
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

void PutNumber(std::vector<uint8_t>& out, uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// Reads little-endian numbers front to back; any read past the end marks the input as torn.
class Reader {
  public:
    explicit Reader(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    uint64_t Number(int bytes) {
        if (!Has(bytes)) return 0;
        uint64_t value = 0;
        for (int i = 0; i < bytes; ++i) value |= uint64_t{bytes_[at_ + i]} << (8 * i);
        at_ += bytes;
        return value;
    }
    std::vector<uint8_t> Bytes(uint64_t count) {
        if (!Has(count)) return {};
        std::vector<uint8_t> out(bytes_.begin() + at_, bytes_.begin() + at_ + count);
        at_ += count;
        return out;
    }
    bool torn() const { return torn_; }
    size_t at() const { return at_; }

  private:
    bool Has(uint64_t count) {
        if (!torn_ && count <= bytes_.size() - at_) return true;
        torn_ = true;
        return false;
    }
    std::span<const uint8_t> bytes_;
    size_t at_ = 0;
    bool torn_ = false;
};

std::string JournalName(const std::string& image) {
    return BaseNameOf(JournalPathFor(image));
}

Status ReadJournal(FileSystem& fs, const std::string& image, std::vector<uint8_t>* bytes) {
    File file(fs, JournalPathFor(image));
    Status status = file.OpenForReading();
    if (!status.ok()) return status;
    int64_t size = 0;
    status = file.Size(&size);
    if (!status.ok()) return status;
    bytes->resize(static_cast<size_t>(size));
    return file.ReadAt(0, *bytes);
}

}  // namespace

std::string JournalPathFor(const std::string& image) {
    return image + ".rwj";
}

std::vector<uint8_t> EncodeJournal(const RollbackJournal& journal) {
    std::vector<uint8_t> out(std::begin(kMagic), std::end(kMagic));
    PutNumber(out, static_cast<uint64_t>(journal.image_size), 8);
    PutNumber(out, journal.entries.size(), 4);
    for (const JournalEntry& entry : journal.entries) {
        PutNumber(out, static_cast<uint64_t>(entry.position), 8);
        PutNumber(out, entry.bytes.size(), 4);
        out.insert(out.end(), entry.bytes.begin(), entry.bytes.end());
    }
    PutNumber(out, Fnv1a(out), 8);
    return out;
}

std::optional<RollbackJournal> DecodeJournal(std::span<const uint8_t> bytes) {
    if (bytes.size() < sizeof kMagic + 8 + 4 + 8) return std::nullopt;
    if (std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0) return std::nullopt;
    const auto body = bytes.first(bytes.size() - 8);
    Reader checksum(bytes.last(8));
    if (checksum.Number(8) != Fnv1a(body)) return std::nullopt;

    Reader in(body.subspan(sizeof kMagic));
    RollbackJournal journal;
    journal.image_size = static_cast<int64_t>(in.Number(8));
    const uint64_t count = in.Number(4);
    if (journal.image_size < 0 || count > kMaxEntries) return std::nullopt;
    for (uint64_t i = 0; i < count && !in.torn(); ++i) {
        JournalEntry entry;
        entry.position = static_cast<int64_t>(in.Number(8));
        entry.bytes = in.Bytes(in.Number(4));
        const bool inside =
            entry.position >= 0 && entry.position <= journal.image_size &&
            static_cast<int64_t>(entry.bytes.size()) <= journal.image_size - entry.position;
        if (!inside) return std::nullopt;
        journal.entries.push_back(std::move(entry));
    }
    if (in.torn() || in.at() != body.size() - sizeof kMagic) return std::nullopt;
    return journal;
}

Status WriteJournal(FileSystem& fs, const std::string& image, const RollbackJournal& journal) {
    const std::vector<uint8_t> bytes = EncodeJournal(journal);
    const std::string path = JournalPathFor(image);
    Status status;
    {
        File file(fs, path);
        status = file.CreateNew();
        if (!status.ok()) return status;
        status = file.WriteAt(0, bytes);
        if (status.ok()) status = file.Flush();
        const Status closed = file.Close();
        if (status.ok()) status = closed;
    }
    if (status.ok()) {
        const int flushed = fs.FlushFolder(FolderOf(path));
        if (flushed == 0) return Status::Ok();
        status = Status::Failure(FolderOf(path), ErrorText(-flushed));
    }
    fs.Remove(path);
    return status;
}

Status RemoveJournal(FileSystem& fs, const std::string& image) {
    const std::string path = JournalPathFor(image);
    const int removed = fs.Remove(path);
    if (removed < 0) return Status::Failure(path, ErrorText(-removed));
    const int flushed = fs.FlushFolder(FolderOf(path));
    return flushed < 0 ? Status::Failure(FolderOf(path), ErrorText(-flushed)) : Status::Ok();
}

Status RestoreImage(File& image, const RollbackJournal& journal) {
    // Every entry is tried even after one fails: each one that lands is a record less damaged.
    // What counts is what the image reads afterwards: a write refused beyond a file size limit
    // may find the old bytes still in place.
    for (const JournalEntry& entry : journal.entries) image.WriteAt(entry.position, entry.bytes);
    Status status = image.Flush();
    if (!status.ok()) return status;
    std::vector<uint8_t> back;
    for (const JournalEntry& entry : journal.entries) {
        back.resize(entry.bytes.size());
        status = image.ReadAt(entry.position, back);
        if (!status.ok()) return status;
        if (back != entry.bytes)
            return Status::Failure(image.path(), "I/O error " + std::to_string(EIO));
    }
    return Status::Ok();
}

Status PartlyWrittenFailure(const std::string& image) {
    return Status::PartlyWritten(
        image, "the image is partly written; its original bytes are kept in " + JournalName(image) +
                   "; do not flash it");
}

Status RollBackInterruptedSave(FileSystem& fs, File& image) {
    std::vector<uint8_t> bytes;
    Status status = ReadJournal(fs, image.path(), &bytes);
    // No journal: the last save ended well (or another program's recovery came first).
    if (!status.ok() && status.text() == kFileNotFound) return Status::Ok();
    const std::string name = JournalName(image.path());
    if (!status.ok()) {
        return Status::Failure(image.path(), status.text() + " (reading its journal " + name + ")");
    }

    const std::optional<RollbackJournal> journal = DecodeJournal(bytes);
    if (!journal) {
        return Status::Failure(image.path(), name +
                                                 " is damaged: it is left alone and nothing is "
                                                 "written; check the image, then remove " +
                                                 name);
    }
    int64_t size = 0;
    status = image.Size(&size);
    if (!status.ok()) return status;
    if (size != journal->image_size) {
        return Status::Failure(image.path(), name + " belongs to an image of " +
                                                 std::to_string(journal->image_size) +
                                                 " bytes, this one holds " + std::to_string(size) +
                                                 ": it is left alone and nothing is written");
    }
    status = RestoreImage(image, *journal);
    if (!status.ok()) return PartlyWrittenFailure(image.path());
    // The image is whole again; a journal left behind now would only write the same bytes.
    RemoveJournal(fs, image.path());
    return Status::Ok().WithNote(
        image.path() +
        ": a save into it was interrupted; its bytes from before that save were put back from " +
        name);
}

Status RecoverInterruptedSave(FileSystem& fs, const std::string& image) {
    FileInfo info;
    if (fs.StatPath(JournalPathFor(image), &info) == -ENOENT) return Status::Ok();
    File file(fs, image);
    Status status = file.OpenExistingForWriting();
    if (!status.ok()) return status;
    status = file.LockExclusive();
    if (!status.ok()) return status;
    return RollBackInterruptedSave(fs, file);
}

}  // namespace rw
