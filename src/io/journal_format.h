#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "io/file_io.h"

namespace rw {

// Which file a journal belongs to: the same file (device and inode, and the origin that tells it
// from a later file given the same inode) at the same size. A name says nothing: a dump may be
// renamed, replaced or reached through a link.
struct FileIdentity {
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = 0;
    // Absent in a journal of the second format, which did not record it.
    std::optional<FileOrigin> origin;

    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

FileIdentity IdentityOf(const FileInfo& info);
// Whether a journal that names `recorded` was written for the file `now` describes.
bool SameFile(const FileIdentity& recorded, const FileInfo& now);

// Bytes at a position of an image: a patch a save writes.
struct JournalEntry {
    int64_t position = 0;
    std::vector<uint8_t> bytes;
};

// One stretch of the image a save changes: what it held before and what the save writes there.
struct JournalChange {
    int64_t position = 0;
    std::vector<uint8_t> before;
    std::vector<uint8_t> after;  // empty in a journal of the first format

    int64_t end() const { return position + static_cast<int64_t>(before.size()); }
};

// What a save writes down before the first byte of an image changes.
struct RollbackJournal {
    FileIdentity image;
    // Sorted by position, none empty, none overlapping another, all inside the image.
    std::vector<JournalChange> changes;
    // Written by the first version ("RWJ1"): it knows the image's size but not its device and
    // inode, nor the bytes the save wrote (see RollBackInterruptedSave for what it may write).
    bool first_format = false;
};

// "RWJ3", device, inode, image size, origin (flags: 1 birth time known, 2 generation known; the
// birth time in nanoseconds; the generation), change count, changes (position, length, the
// bytes before, the bytes after), then a 64-bit FNV-1a checksum of everything before it; numbers
// little-endian. Only this format is written; "RWJ2" is the same without the origin.
std::vector<uint8_t> EncodeJournal(const RollbackJournal& journal);
// The same bytes handed over in order, piece by piece, so that a journal of megabytes is written
// without being held twice. The first piece starts with the magic.
using JournalPieces = std::function<void(std::span<const uint8_t> piece)>;
void EncodeJournalInPieces(const RollbackJournal& journal, const JournalPieces& put);

// What the start of a journal tells before the rest is read.
struct JournalHeader {
    bool first_format = false;
    FileIdentity image;  // device and inode 0 in the first format
    uint64_t change_count = 0;
};
// Enough bytes for the header of any format.
inline constexpr size_t kJournalHeaderBytes = 56;
// The header at the start of a journal; nullopt when it is no journal of this program.
std::optional<JournalHeader> DecodeJournalHeader(std::span<const uint8_t> start);
// The most bytes a journal with this header can hold for an image of `image_size` bytes: each
// byte of the image is kept at most once, each change holds at least one byte.
std::optional<uint64_t> MaxJournalSize(const JournalHeader& header, int64_t image_size);

// A whole journal of either format; nullopt for a torn or altered one, or one whose changes are
// empty, overlap or reach outside the image. The first format's changes come sorted.
std::optional<RollbackJournal> DecodeJournal(std::span<const uint8_t> bytes);

// A journal is written with zero bytes in place of its magic, flushed, and only then given its
// magic (see WriteJournal). These are the bytes a journal holds until then.
inline constexpr size_t kJournalMagicBytes = 4;
std::vector<uint8_t> UnsealedJournal(std::vector<uint8_t> encoded);
// The magic that seals an encoded journal: its first kJournalMagicBytes bytes.
std::span<const uint8_t> JournalSeal(std::span<const uint8_t> encoded);
// Whether `bytes` are a journal cut off before it was sealed: empty, or starting with (a start
// of) the zero bytes that stand in for the magic until the rest is on the disk.
bool JournalCutOff(std::span<const uint8_t> bytes);

}  // namespace rw
