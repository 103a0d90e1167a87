#include "io/journal_format.h"

#include <algorithm>
#include <cstring>

namespace rw {
namespace {

// The three formats, by the fourth byte of their magic.
enum class Format { First = '1', Second = '2', Third = '3' };
constexpr char kMagic[3] = {'R', 'W', 'J'};
// Magic, image size, change count.
constexpr uint64_t kFirstHeaderBytes = 4 + 8 + 4;
// Magic, device, inode, image size, change count.
constexpr uint64_t kSecondHeaderBytes = 4 + 8 + 8 + 8 + 4;
// The same with the origin: flags, birth time, generation.
constexpr uint64_t kHeaderBytes = kSecondHeaderBytes + 4 + 8 + 8;
static_assert(kHeaderBytes <= kJournalHeaderBytes);
constexpr uint32_t kBirthKnown = 1;
constexpr uint32_t kGenerationKnown = 2;
// Position and length before each change's bytes.
constexpr uint64_t kChangeHeaderBytes = 8 + 4;
constexpr uint64_t kChecksumBytes = 8;
// No dump comes near this; beyond it the sums below could overflow.
constexpr int64_t kLargestImage = int64_t{1} << 48;

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

// Reads little-endian numbers front to back; any read past the end marks the input as torn, and
// nothing is allocated for bytes that are not there.
class Reader {
  public:
    explicit Reader(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    uint64_t Number(int bytes) {
        if (!Has(static_cast<uint64_t>(bytes))) return 0;
        uint64_t value = 0;
        for (int i = 0; i < bytes; ++i) value |= uint64_t{bytes_[at_ + i]} << (8 * i);
        at_ += static_cast<size_t>(bytes);
        return value;
    }
    std::vector<uint8_t> Bytes(uint64_t count) {
        if (!Has(count)) return {};
        std::vector<uint8_t> out(bytes_.begin() + static_cast<long>(at_),
                                 bytes_.begin() + static_cast<long>(at_ + count));
        at_ += static_cast<size_t>(count);
        return out;
    }
    bool torn() const { return torn_; }
    bool finished() const { return !torn_ && at_ == bytes_.size(); }
    size_t left() const { return bytes_.size() - at_; }

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

constexpr size_t kMagicBytes = sizeof kMagic + 1;
static_assert(kMagicBytes == kJournalMagicBytes);

std::optional<Format> FormatOf(std::span<const uint8_t> bytes) {
    if (bytes.size() < kMagicBytes || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0)
        return std::nullopt;
    const auto format = static_cast<Format>(bytes[sizeof kMagic]);
    if (format == Format::First || format == Format::Second || format == Format::Third)
        return format;
    return std::nullopt;
}

// The header's fields after the magic.
JournalHeader ReadHeader(Reader& in, Format format) {
    JournalHeader header;
    header.first_format = format == Format::First;
    if (format != Format::First) {
        header.image.device = in.Number(8);
        header.image.inode = in.Number(8);
    }
    header.image.size = static_cast<int64_t>(in.Number(8));
    if (format == Format::Third) {
        const uint64_t flags = in.Number(4);
        const uint64_t birth = in.Number(8);
        const uint64_t generation = in.Number(8);
        FileOrigin origin;
        if ((flags & kBirthKnown) != 0) origin.birth_ns = static_cast<int64_t>(birth);
        if ((flags & kGenerationKnown) != 0) origin.generation = generation;
        header.image.origin = origin;
    }
    header.change_count = in.Number(4);
    return header;
}

// Sorted, none empty, none overlapping the next, all inside the image.
bool WellPlaced(const RollbackJournal& journal) {
    int64_t free_from = 0;
    for (const JournalChange& change : journal.changes) {
        const auto length = static_cast<int64_t>(change.before.size());
        if (length == 0 || change.position < free_from) return false;
        if (change.position > journal.image.size - length) return false;
        free_from = change.position + length;
    }
    return true;
}

}  // namespace

FileIdentity IdentityOf(const FileInfo& info) {
    return {info.device, info.inode, info.size, info.origin};
}

bool SameFile(const FileIdentity& recorded, const FileInfo& now) {
    if (recorded.device != now.device || recorded.inode != now.inode || recorded.size != now.size)
        return false;
    // A journal of the second format knew no origin: device, inode and size are all it has.
    return !recorded.origin || *recorded.origin == now.origin;
}

namespace {

// Gathers the small parts of a journal into pieces of up to a mebibyte; bytes of a change that
// large go out as they are, uncopied. Every byte passes through the checksum.
class PieceWriter {
  public:
    explicit PieceWriter(const JournalPieces& put) : put_(put) {}

    std::vector<uint8_t>& small() { return buffer_; }
    void Bytes(std::span<const uint8_t> bytes) {
        if (bytes.size() < kPiece) {
            buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
            if (buffer_.size() >= kPiece) Send();
            return;
        }
        Send();
        Emit(bytes);
    }
    // The last piece, ending in the checksum of everything before it.
    void Finish() {
        Hash(buffer_);
        PutNumber(buffer_, hash_, 8);
        put_(buffer_);
    }

  private:
    static constexpr size_t kPiece = size_t{1} << 20;
    void Send() {
        if (buffer_.empty()) return;
        Emit(buffer_);
        buffer_.clear();
    }
    void Emit(std::span<const uint8_t> bytes) {
        Hash(bytes);
        put_(bytes);
    }
    void Hash(std::span<const uint8_t> bytes) {
        for (uint8_t b : bytes) {
            hash_ ^= b;
            hash_ *= 0x100000001b3ULL;
        }
    }

    const JournalPieces& put_;
    std::vector<uint8_t> buffer_;
    uint64_t hash_ = 0xcbf29ce484222325ULL;  // FNV-1a, as Fnv1a
};

}  // namespace

void EncodeJournalInPieces(const RollbackJournal& journal, const JournalPieces& put) {
    PieceWriter out(put);
    std::vector<uint8_t>& head = out.small();
    head.assign(std::begin(kMagic), std::end(kMagic));
    head.push_back(static_cast<uint8_t>(Format::Third));
    PutNumber(head, journal.image.device, 8);
    PutNumber(head, journal.image.inode, 8);
    PutNumber(head, static_cast<uint64_t>(journal.image.size), 8);
    const FileOrigin origin = journal.image.origin.value_or(FileOrigin{});
    PutNumber(head,
              (origin.birth_ns ? kBirthKnown : 0) | (origin.generation ? kGenerationKnown : 0), 4);
    PutNumber(head, static_cast<uint64_t>(origin.birth_ns.value_or(0)), 8);
    PutNumber(head, origin.generation.value_or(0), 8);
    PutNumber(head, journal.changes.size(), 4);
    for (const JournalChange& change : journal.changes) {
        PutNumber(out.small(), static_cast<uint64_t>(change.position), 8);
        PutNumber(out.small(), change.before.size(), 4);
        out.Bytes(change.before);
        out.Bytes(change.after);
    }
    out.Finish();
}

std::vector<uint8_t> EncodeJournal(const RollbackJournal& journal) {
    std::vector<uint8_t> out;
    EncodeJournalInPieces(journal, [&out](std::span<const uint8_t> piece) {
        out.insert(out.end(), piece.begin(), piece.end());
    });
    return out;
}

std::optional<JournalHeader> DecodeJournalHeader(std::span<const uint8_t> start) {
    const std::optional<Format> format = FormatOf(start);
    if (!format) return std::nullopt;
    Reader in(start.subspan(kMagicBytes));
    const JournalHeader header = ReadHeader(in, *format);
    if (in.torn() || header.image.size < 0) return std::nullopt;
    return header;
}

std::optional<uint64_t> MaxJournalSize(const JournalHeader& header, int64_t image_size) {
    if (image_size < 0 || image_size > kLargestImage) return std::nullopt;
    const auto size = static_cast<uint64_t>(image_size);
    if (header.change_count > size) return std::nullopt;
    const uint64_t copies = header.first_format ? 1 : 2;
    const uint64_t head = header.first_format ? kFirstHeaderBytes : kHeaderBytes;  // the larger
    return head + header.change_count * kChangeHeaderBytes + copies * size + kChecksumBytes;
}

std::optional<RollbackJournal> DecodeJournal(std::span<const uint8_t> bytes) {
    const std::optional<Format> format = FormatOf(bytes);
    if (!format || bytes.size() < kMagicBytes + kChecksumBytes) return std::nullopt;
    const auto body = bytes.first(bytes.size() - kChecksumBytes);
    Reader checksum(bytes.last(kChecksumBytes));
    if (checksum.Number(kChecksumBytes) != Fnv1a(body)) return std::nullopt;

    Reader in(body.subspan(kMagicBytes));
    const JournalHeader header = ReadHeader(in, *format);
    // Each change takes at least its header and one byte: a count beyond that is damage, and
    // nothing is reserved for it.
    if (in.torn() || header.image.size < 0 ||
        header.change_count > in.left() / (kChangeHeaderBytes + 1))
        return std::nullopt;
    RollbackJournal journal;
    journal.image = header.image;
    journal.first_format = header.first_format;
    journal.changes.reserve(static_cast<size_t>(header.change_count));
    for (uint64_t i = 0; i < header.change_count && !in.torn(); ++i) {
        JournalChange change;
        change.position = static_cast<int64_t>(in.Number(8));
        const uint64_t length = in.Number(4);
        change.before = in.Bytes(length);
        if (!journal.first_format) change.after = in.Bytes(length);
        journal.changes.push_back(std::move(change));
    }
    if (!in.finished()) return std::nullopt;
    // The first version wrote its records in the order it saved them.
    if (journal.first_format) {
        std::stable_sort(
            journal.changes.begin(), journal.changes.end(),
            [](const JournalChange& a, const JournalChange& b) { return a.position < b.position; });
    }
    if (!WellPlaced(journal)) return std::nullopt;
    return journal;
}

std::vector<uint8_t> UnsealedJournal(std::vector<uint8_t> encoded) {
    std::fill_n(encoded.begin(), kJournalMagicBytes, uint8_t{0});
    return encoded;
}

std::span<const uint8_t> JournalSeal(std::span<const uint8_t> encoded) {
    return encoded.first(kJournalMagicBytes);
}

bool JournalCutOff(std::span<const uint8_t> bytes) {
    const auto start = bytes.first(std::min(bytes.size(), kJournalMagicBytes));
    return std::all_of(start.begin(), start.end(), [](uint8_t b) { return b == 0; });
}

}  // namespace rw
