#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "io/rollback_journal.h"
#include "test_files.h"

namespace rw::testing {

// The journal a save into `image`, as the file is now, writes for these changes.
inline RollbackJournal JournalOf(const std::string& image, std::vector<JournalChange> changes) {
    FileInfo info;
    EXPECT_EQ(SystemFileSystem().StatPath(image, &info), 0) << image;
    return {IdentityOf(info), std::move(changes)};
}

// A journal as the previous version wrote it ("RWJ1"): the image's size and the old bytes only,
// in the order it saved them.
inline std::vector<uint8_t> EncodeFirstFormatJournal(int64_t image_size,
                                                     const std::vector<JournalEntry>& entries) {
    std::vector<uint8_t> out = {'R', 'W', 'J', '1'};
    auto put = [&out](uint64_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    };
    put(static_cast<uint64_t>(image_size), 8);
    put(entries.size(), 4);
    for (const JournalEntry& e : entries) {
        put(static_cast<uint64_t>(e.position), 8);
        put(e.bytes.size(), 4);
        out.insert(out.end(), e.bytes.begin(), e.bytes.end());
    }
    uint64_t hash = 0xcbf29ce484222325ULL;
    for (uint8_t b : out) {
        hash ^= b;
        hash *= 0x100000001b3ULL;
    }
    put(hash, 8);
    return out;
}

// Puts a journal where a save cut off would have left it: the caller's own, private file.
inline void PlantJournal(const std::string& path, const std::vector<uint8_t>& bytes) {
    WriteBytes(path, bytes);
    ::chmod(path.c_str(), 0600);
}

}  // namespace rw::testing
