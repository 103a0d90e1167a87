#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "io/file_io.h"

namespace rw {

// The bytes a fullflash save is about to overwrite, kept beside the image as NAME.rwj until the
// save is on the disk. A journal found later means a save was cut off (crash, kill, power cut):
// writing its bytes back gives the image exactly as it was before that save.
struct JournalEntry {
    int64_t position = 0;
    std::vector<uint8_t> bytes;
};

struct RollbackJournal {
    int64_t image_size = 0;
    std::vector<JournalEntry> entries;
};

// "dump.bin" -> "dump.bin.rwj".
std::string JournalPathFor(const std::string& image);

// "RWJ1", image size, entry count, entries (position, length, bytes), then a 64-bit FNV-1a
// checksum of everything before it; numbers little-endian.
std::vector<uint8_t> EncodeJournal(const RollbackJournal& journal);
// nullopt for a torn or altered journal, or one with entries outside the image.
std::optional<RollbackJournal> DecodeJournal(std::span<const uint8_t> bytes);

// Creates the journal (never over an existing one), flushes it and then its folder, so it is on
// the disk before the first byte of the image changes.
Status WriteJournal(FileSystem& fs, const std::string& image, const RollbackJournal& journal);
// Removes the journal of a save that ended, and flushes the folder.
Status RemoveJournal(FileSystem& fs, const std::string& image);

// Writes the journal's bytes into the image, flushes, and reads them back to check them.
Status RestoreImage(File& image, const RollbackJournal& journal);

// What a failed save says when the image could not be put back.
Status PartlyWrittenFailure(const std::string& image);

// For an image opened for writing and locked: when a journal lies beside it, writes its bytes
// back, checks them and removes the journal; the result then carries a note saying so. A damaged
// journal is left alone and nothing is written.
Status RollBackInterruptedSave(FileSystem& fs, File& image);

// The same for an image by name: opens and locks it only when a journal is there.
Status RecoverInterruptedSave(FileSystem& fs, const std::string& image);

}  // namespace rw
