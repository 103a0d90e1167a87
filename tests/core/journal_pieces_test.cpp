// A journal of megabytes is written piece by piece: what lands on the disk must still be the one
// journal, sealed, whole and rolled back byte for byte, whatever the sizes of its changes.
#include <gtest/gtest.h>

#include <random>

#include "io/journal_format.h"
#include "io/rollback_journal.h"
#include "test_files.h"

namespace rw {
namespace {

using Bytes = std::vector<uint8_t>;
using testing::ReadBytes;
using testing::WriteBytes;

constexpr size_t kJournalImageSize = size_t{4} << 20;

Bytes Noise(size_t size, std::mt19937& random) {
    Bytes bytes(size);
    for (uint8_t& b : bytes) b = static_cast<uint8_t>(random());
    return bytes;
}

// Thousands of small changes that fill more than one piece, then one change larger than a piece.
std::vector<JournalChange> ChangesAcrossPieces(const Bytes& image, std::mt19937& random) {
    std::vector<JournalChange> changes;
    for (int64_t position = 0; position < (int64_t{3} << 20) / 2; position += 700) {
        const size_t size = 1 + random() % 600;
        changes.push_back(
            {position,
             Bytes(image.begin() + position, image.begin() + position + static_cast<long>(size)),
             Noise(size, random)});
    }
    const int64_t big_at = int64_t{2} << 20;
    const size_t big = (size_t{3} << 20) / 2;
    changes.push_back(
        {big_at, Bytes(image.begin() + big_at, image.begin() + big_at + big), Noise(big, random)});
    return changes;
}

TEST(JournalPieces, AJournalOfMegabytesLandsWholeAndRollsBack) {
    std::mt19937 random(11);
    testing::TempDir dir;
    const std::string image = dir.File("d.bin");
    const Bytes before = Noise(kJournalImageSize, random);
    WriteBytes(image, before);
    FileSystem& fs = SystemFileSystem();
    FileInfo info;
    ASSERT_EQ(fs.StatPath(image, &info), 0);
    const RollbackJournal journal{IdentityOf(info), ChangesAcrossPieces(before, random)};

    const std::string journal_path = JournalPathFor(image);
    ASSERT_TRUE(WriteJournal(fs, journal_path, journal, info).ok());
    const Bytes on_disk = ReadBytes(journal_path);
    EXPECT_EQ(on_disk, EncodeJournal(journal));
    const std::optional<RollbackJournal> read = DecodeJournal(on_disk);
    ASSERT_TRUE(read.has_value());
    ASSERT_EQ(read->changes.size(), journal.changes.size());
    for (size_t i = 0; i < journal.changes.size(); ++i) {
        EXPECT_EQ(read->changes[i].position, journal.changes[i].position);
        EXPECT_EQ(read->changes[i].before, journal.changes[i].before);
        EXPECT_EQ(read->changes[i].after, journal.changes[i].after);
    }

    // The save got halfway: its bytes are in the dump, and the journal puts the old ones back.
    Bytes half = before;
    for (size_t i = 0; i < journal.changes.size() / 2; ++i) {
        const JournalChange& c = journal.changes[i];
        std::copy(c.after.begin(), c.after.end(), half.begin() + c.position);
    }
    WriteBytes(image, half);
    ASSERT_TRUE(RecoverInterruptedSave(fs, image).ok());
    EXPECT_EQ(ReadBytes(image), before);
    EXPECT_FALSE(testing::Exists(journal_path));
}

}  // namespace
}  // namespace rw
