#include "io/journal_format.h"

#include <algorithm>
#include <cstring>

namespace rw {
namespace {

constexpr char kFirstMagic[4] = {'R', 'W', 'J', '1'};
constexpr char kMagic[4] = {'R', 'W', 'J', '2'};
// Magic, image size, change count.
constexpr uint64_t kFirstHeaderBytes = 4 + 8 + 4;
// Magic, device, inode, image size, change count.
constexpr uint64_t kHeaderBytes = 4 + 8 + 8 + 8 + 4;
static_assert(kHeaderBytes == kJournalHeaderBytes);
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

std::optional<bool> IsFirstFormat(std::span<const uint8_t> bytes) {
    if (bytes.size() < sizeof kMagic) return std::nullopt;
    if (std::memcmp(bytes.data(), kMagic, sizeof kMagic) == 0) return false;
    if (std::memcmp(bytes.data(), kFirstMagic, sizeof kFirstMagic) == 0) return true;
    return std::nullopt;
}

// The header's fields after the magic.
JournalHeader ReadHeader(Reader& in, bool first_format) {
    JournalHeader header;
    header.first_format = first_format;
    if (!first_format) {
        header.image.device = in.Number(8);
        header.image.inode = in.Number(8);
    }
    header.image.size = static_cast<int64_t>(in.Number(8));
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

std::vector<uint8_t> EncodeJournal(const RollbackJournal& journal) {
    std::vector<uint8_t> out(std::begin(kMagic), std::end(kMagic));
    PutNumber(out, journal.image.device, 8);
    PutNumber(out, journal.image.inode, 8);
    PutNumber(out, static_cast<uint64_t>(journal.image.size), 8);
    PutNumber(out, journal.changes.size(), 4);
    for (const JournalChange& change : journal.changes) {
        PutNumber(out, static_cast<uint64_t>(change.position), 8);
        PutNumber(out, change.before.size(), 4);
        out.insert(out.end(), change.before.begin(), change.before.end());
        out.insert(out.end(), change.after.begin(), change.after.end());
    }
    PutNumber(out, Fnv1a(out), 8);
    return out;
}

std::optional<JournalHeader> DecodeJournalHeader(std::span<const uint8_t> start) {
    const std::optional<bool> first_format = IsFirstFormat(start);
    if (!first_format) return std::nullopt;
    Reader in(start.subspan(sizeof kMagic));
    const JournalHeader header = ReadHeader(in, *first_format);
    if (in.torn() || header.image.size < 0) return std::nullopt;
    return header;
}

std::optional<uint64_t> MaxJournalSize(const JournalHeader& header, int64_t image_size) {
    if (image_size < 0 || image_size > kLargestImage) return std::nullopt;
    const auto size = static_cast<uint64_t>(image_size);
    if (header.change_count > size) return std::nullopt;
    const uint64_t copies = header.first_format ? 1 : 2;
    const uint64_t head = header.first_format ? kFirstHeaderBytes : kHeaderBytes;
    return head + header.change_count * kChangeHeaderBytes + copies * size + kChecksumBytes;
}

std::optional<RollbackJournal> DecodeJournal(std::span<const uint8_t> bytes) {
    const std::optional<bool> first_format = IsFirstFormat(bytes);
    if (!first_format || bytes.size() < sizeof kMagic + kChecksumBytes) return std::nullopt;
    const auto body = bytes.first(bytes.size() - kChecksumBytes);
    Reader checksum(bytes.last(kChecksumBytes));
    if (checksum.Number(kChecksumBytes) != Fnv1a(body)) return std::nullopt;

    Reader in(body.subspan(sizeof kMagic));
    const JournalHeader header = ReadHeader(in, *first_format);
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

}  // namespace rw
