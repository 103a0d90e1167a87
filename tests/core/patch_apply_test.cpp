// Applying and undoing patches: all lines or none, old bytes checked, a fullflash never
// lengthened, and a kill half-way through rolled back by the next load.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <csignal>

#include "forwarding_file_system.h"
#include "io/flash_codec.h"
#include "io/interruption.h"
#include "io/rollback_journal.h"
#include "patch/byte_ranges.h"
#include "patch/font_effect.h"
#include "patch/patch_apply.h"
#include "patch/patch_reader.h"
#include "patch/restoring_patch.h"
#include "patch_text.h"
#include "pausing_file_system.h"
#include "test_files.h"

namespace rw {
namespace {

using Bytes = std::vector<uint8_t>;
using testing::ReadBytes;

// 0x00, 0x01, ... 0xFF, 0x00, ...: every byte tells where it lies.
Bytes Counting(size_t size) {
    Bytes bytes(size);
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i);
    return bytes;
}

Status Apply(const std::string& text, Bytes* image, PatchOptions options = {},
             PatchOutcome* outcome = nullptr) {
    PatchOutcome ignored;
    return ApplyPatchToImage(testing::ReadPatchOrFail(text), "dump.bin", options, image,
                             outcome == nullptr ? &ignored : outcome);
}

TEST(PatchApply, OldBytesAreCheckedAndLinesAlreadyInPlaceAreLeft) {
    Bytes image = Counting(64);
    PatchOutcome outcome;
    ASSERT_TRUE(Apply("10: 1011 AABB\n"
                      "20: 2021222324 CC ; only as many old bytes as new ones count\n"
                      "30: 3031 3031\n"
                      "38: DD ; no old data: written as it is\n",
                      &image, {}, &outcome)
                    .ok());
    Bytes expected = Counting(64);
    expected[0x10] = 0xAA;
    expected[0x11] = 0xBB;
    expected[0x20] = 0xCC;
    expected[0x38] = 0xDD;
    EXPECT_EQ(image, expected);
    EXPECT_EQ(outcome.lines_written, 3);
    EXPECT_EQ(outcome.lines_in_place, 1);
    EXPECT_EQ(outcome.bytes_written, 4);
    ASSERT_EQ(outcome.writes.size(), 3u);
    EXPECT_EQ(outcome.writes[0].position, 0x10);
    EXPECT_EQ(outcome.writes[0].bytes, (Bytes{0xAA, 0xBB}));
    const std::vector<ByteRange> written = RangesOf(outcome.writes);
    ASSERT_EQ(written.size(), 3u);
    EXPECT_EQ(written[2].begin, 0x38);
    EXPECT_EQ(written[2].end, 0x39);
}

TEST(PatchApply, OtherBytesRefuseTheWholePatchUnlessForced) {
    const std::string text =
        "10: 1011 AABB\n"
        "#pragma enable old_equal_ff\n"
        "20: CCCC ; old data counted as FFFF\n";
    Bytes image = Counting(64);
    const Status refused = Apply(text, &image);
    EXPECT_EQ(refused.Line(kEnglish),
              "p.vkp:3: the fullflash holds other bytes at 000020 than the patch expects");
    EXPECT_EQ(image, Counting(64)) << "line 1 matched, but nothing may be written";

    PatchOutcome outcome;
    ASSERT_TRUE(Apply(text, &image, {PatchDirection::Apply, /*force=*/true}, &outcome).ok());
    EXPECT_EQ(outcome.lines_written, 2);
    EXPECT_EQ(image[0x20], 0xCC);
}

TEST(PatchApply, AFullflashIsNeverLengthenedEvenWhenForced) {
    Bytes image = Counting(64);
    EXPECT_EQ(
        Apply("10: 10 AA\n3F: 3F40 AABB\n", &image, {PatchDirection::Apply, true}).Line(kEnglish),
        "p.vkp:2: the data at 00003F reach past the end of dump.bin (64 bytes): a "
        "fullflash is never lengthened");
    EXPECT_EQ(image, Counting(64));
    EXPECT_TRUE(Apply("3E: 3E3F AABB\n", &image).ok()) << "the last byte may be written";
}

TEST(PatchUndo, PutsTheOldBytesBackInReverseOrder) {
    // Line 2 writes over a byte of line 1: undone in reverse, the image comes back whole.
    const std::string text =
        "10: 101112 AABBCC\n"
        "12: CC13 DDEE\n"
        "#pragma enable old_equal_ff\n"
        "30: 00\n"
        "#pragma disable old_equal_ff\n";
    Bytes image = Counting(64);
    image[0x30] = 0xFF;
    const Bytes original = image;
    const Status applied = Apply(text, &image);
    ASSERT_TRUE(applied.ok()) << applied.Line(kEnglish);
    EXPECT_EQ(image[0x12], 0xDD);
    PatchOutcome outcome;
    ASSERT_TRUE(Apply(text, &image, {PatchDirection::Undo}, &outcome).ok());
    EXPECT_EQ(image, original);
    EXPECT_EQ(outcome.lines_written, 3);

    ASSERT_TRUE(Apply("10: 10 AA\n20: 20 BB\n", &image, {PatchDirection::Undo}, &outcome).ok());
    EXPECT_EQ(outcome.lines_in_place, 2) << "a patch not applied finds its old bytes in place";
    EXPECT_EQ(image, original);
}

TEST(PatchUndo, NeedsOldDataAndRespectsDisableUndoAndOtherBytes) {
    Bytes image = Counting(64);
    EXPECT_EQ(Apply("10: 10 AA\n20: BB\n", &image, {PatchDirection::Undo, true}).Line(kEnglish),
              "p.vkp:2: no old data: the line cannot be undone");
    EXPECT_EQ(Apply("10: 10 AA\n#pragma disable undo\n20: 20 BB\n#pragma enable undo\n", &image,
                    {PatchDirection::Undo})
                  .Line(kEnglish),
              "p.vkp:3: the patch forbids undoing this line (#pragma disable undo)");
    EXPECT_EQ(Apply("10: 00 AA\n", &image, {PatchDirection::Undo}).Line(kEnglish),
              "p.vkp:1: the fullflash holds other bytes at 000010 than the patch expects");
    EXPECT_EQ(image, Counting(64));
    ASSERT_TRUE(Apply("10: 00 AA\n", &image, {PatchDirection::Undo, true}).ok());
    EXPECT_EQ(image[0x10], 0x00);
}

TEST(PatchEffect, NamesTheGlyphsWrittenAndCountsTheBytesOutsideTheRecords) {
    const FontLayout layout = LookupLayout(Edition::Cyrillic, PhoneModel::CM35, FontKind::Normal);
    const auto records = RecordsToWrite(Edition::Cyrillic, layout);
    const int payload = RecordPayloadLength(layout);
    const int64_t a = records[0].position;  // А normal
    const int64_t yo = RecordPosition(Edition::Cyrillic, layout, {0, 6});
    const std::vector<ByteRange> written = {
        {a - 3, a + 2},                  // 3 bytes before А, 2 of it
        {a + payload, a + payload + 1},  // А's spare byte
        {yo, yo + 4},                    // Ё: the 35 series have no such record
        {records[5].position, records[5].position + 1},
    };
    const FontEffect effect = EffectOnFont(written, Edition::Cyrillic, layout);
    EXPECT_EQ(effect.glyphs, (std::vector<GlyphSlot>{records[0].glyph, records[5].glyph}));
    EXPECT_EQ(effect.bytes_outside, 3 + 1 + 4);
}

// A fullflash on the disk: a few kilobytes, with a patch of many one-byte lines.
class PatchFile : public ::testing::Test {
  protected:
    void SetUp() override { testing::WriteBytes(path(), Counting(4096)); }
    std::string path() const { return dir_.File("dump.bin"); }
    static Patch ManyLines() {
        std::string text;
        for (int i = 0; i < 100; ++i) {
            char line[32];
            std::snprintf(line, sizeof line, "%X: %02X EE\n", 16 * i + 7, (16 * i + 7) & 0xFF);
            text += line;
        }
        return testing::ReadPatchOrFail(text);
    }
    testing::TempDir dir_;
};

TEST_F(PatchFile, AppliedThroughTheJournalAndRefusedWithNothingWritten) {
    PatchOutcome outcome;
    Patch wrong = testing::ReadPatchOrFail("10: 10 AA\n20: 00 BB\n");
    EXPECT_EQ(ApplyPatchToFlash(path(), wrong, {}, &outcome).Line(kEnglish),
              "p.vkp:2: the fullflash holds other bytes at 000020 than the patch expects");
    EXPECT_EQ(ReadBytes(path()), Counting(4096));
    EXPECT_EQ(dir_.Names(), std::vector<std::string>{"dump.bin"});

    ASSERT_TRUE(ApplyPatchToFlash(path(), ManyLines(), {}, &outcome).ok());
    EXPECT_EQ(outcome.lines_written, 100);
    EXPECT_EQ(ReadBytes(path())[7], 0xEE);
    EXPECT_EQ(ReadBytes(path()).size(), 4096u);
    EXPECT_EQ(dir_.Names(), std::vector<std::string>{"dump.bin"}) << "the journal is gone";
    EXPECT_EQ(ApplyPatchToFlash(dir_.File("none.bin"), wrong, {}, &outcome).text(), kFileNotFound);
}

// A dump its owner protected stays as it is, as with inject, for an undo too.
TEST_F(PatchFile, AReadOnlyDumpIsRefusedWithNothingWritten) {
    ASSERT_EQ(::chmod(path().c_str(), 0444), 0);
    PatchOutcome outcome;
    for (const PatchDirection direction : {PatchDirection::Apply, PatchDirection::Undo}) {
        EXPECT_EQ(ApplyPatchToFlash(path(), ManyLines(), {direction}, &outcome).Line(kRussian),
                  path() + ": только для чтения: ничего не записано");
    }
    EXPECT_EQ(ReadBytes(path()), Counting(4096));
    EXPECT_EQ(dir_.Names(), std::vector<std::string>{"dump.bin"});
}

TEST_F(PatchFile, AKillHalfWayThroughIsRolledBackByTheNextLoad) {
    ASSERT_TRUE(testing::KillAtWrite(
        40, [](size_t n) { return n; },
        [this](FileSystem& fs) {
            PatchOutcome outcome;
            // The kill comes before the outcome could be looked at.
            IgnoreFailure(ApplyPatchToFlash(path(), ManyLines(), {}, &outcome, fs));
        }));
    ASSERT_NE(ReadBytes(path()), Counting(4096)) << "the kill should find the image half patched";
    ASSERT_TRUE(testing::Exists(JournalPathFor(path())));

    FontImage font;
    const FontLayout layout =
        MovedLayout(LookupLayout(Edition::Cyrillic, PhoneModel::SME45, FontKind::Small), -785000);
    const Status load = ReadFlashFont(path(), Edition::Cyrillic, layout, BlockSet::FirstN(1), font);
    EXPECT_FALSE(load.note().empty()) << load.Line(kEnglish);
    EXPECT_EQ(ReadBytes(path()), Counting(4096));
    EXPECT_EQ(dir_.Names(), std::vector<std::string>{"dump.bin"});
}

// Another program that writes into the dump between the check and the lock of the writes.
class WritingBeforeTheLock final : public testing::ForwardingFileSystem {
  public:
    explicit WritingBeforeTheLock(std::string path) : path_(std::move(path)) {}
    int TryLock(int fd, LockMode mode) override {
        if (mode == LockMode::Exclusive) testing::WriteBytes(path_, Bytes(4096, 0x55));
        return real().TryLock(fd, mode);
    }

  private:
    std::string path_;
};

TEST_F(PatchFile, BytesChangedBeforeTheLockStopThePatch) {
    WritingBeforeTheLock other(path());
    PatchOutcome outcome;
    EXPECT_EQ(ApplyPatchToFlash(path(), ManyLines(), {}, &outcome, other).text(),
              "another program changed the fullflash while the patch was checked; nothing was "
              "written");
    EXPECT_EQ(ReadBytes(path()), Bytes(4096, 0x55));
    EXPECT_EQ(dir_.Names(), std::vector<std::string>{"dump.bin"});
}

}  // namespace
}  // namespace rw

namespace rw {
namespace {

// Sends itself SIGTERM at the nth step of a save (an open, read, write or flush).
class SignalAtStep : public testing::ForwardingFileSystem {
  public:
    explicit SignalAtStep(int nth) : nth_(nth) {}
    int steps = 0;
    bool first_image_write_seen = false;
    bool signal_before_first_image_write = false;
    std::string image;
    int OpenExistingForWriting(const std::string& p) override {
        Step();
        return ForwardingFileSystem::OpenExistingForWriting(p);
    }
    int CreateNewPrivate(const std::string& p) override {
        Step();
        return ForwardingFileSystem::CreateNewPrivate(p);
    }
    int64_t ReadAt(int fd, void* b, size_t n, int64_t pos) override {
        Step();
        return ForwardingFileSystem::ReadAt(fd, b, n, pos);
    }
    int64_t WriteAt(int fd, const void* b, size_t n, int64_t pos) override {
        // A signal at the first write of the image comes with its first byte: too late to cancel.
        FileInfo info;
        if (!first_image_write_seen && Stat(fd, &info) == 0) {
            FileInfo of_image;
            if (StatPath(image, &of_image) == 0 && info.SameFileAs(of_image))
                first_image_write_seen = true;
        }
        Step();
        return ForwardingFileSystem::WriteAt(fd, b, n, pos);
    }
    int Flush(int fd) override {
        Step();
        return ForwardingFileSystem::Flush(fd);
    }

  private:
    void Step() {
        if (++steps != nth_) return;
        signal_before_first_image_write = !first_image_write_seen;
        std::raise(SIGTERM);
    }
    int nth_;
};

// SIGTERM or Ctrl+C during an apply: the whole patch was written, then the process died silently
// with status 143, so a script took it for cancelled. Now a signal before the first byte of the
// dump cancels with nothing written; one after it waits for the whole write and is reported.
TEST_F(PatchFile, ASignalAtAnyStepCancelsBeforeTheFirstWriteAndWaitsAfterIt) {
    const Patch patch = ManyLines();
    Bytes patched = Counting(4096);
    PatchOutcome expected;
    ASSERT_TRUE(ApplyPatchToImage(patch, "dump.bin", {}, &patched, &expected).ok());
    int cancelled = 0, completed = 0;
    for (int nth = 1;; ++nth) {
        testing::WriteBytes(path(), Counting(4096));
        SignalAtStep fs(nth);
        fs.image = path();
        PatchOutcome outcome;
        int caught = 0;
        Status status;
        {
            const InterruptionCatcher catcher;
            status = ApplyPatchToFlash(path(), patch, {}, &outcome, fs);
            caught = catcher.caught();
        }
        if (fs.steps < nth) break;  // the signal came after the last step
        EXPECT_EQ(caught, SIGTERM) << nth;
        EXPECT_EQ(dir_.Names(), std::vector<std::string>{"dump.bin"}) << nth;
        if (fs.signal_before_first_image_write) {
            EXPECT_EQ(status.cancelled_by(), SIGTERM) << nth;
            EXPECT_EQ(status.Line(kEnglish), path() + ": cancelled: nothing written") << nth;
            EXPECT_EQ(ReadBytes(path()), Counting(4096)) << nth;
            ++cancelled;
        } else {
            ASSERT_TRUE(status.ok()) << nth << " " << status.Line(kEnglish);
            EXPECT_EQ(ReadBytes(path()), patched) << nth;
            ++completed;
        }
    }
    EXPECT_GT(cancelled, 3);
    EXPECT_GT(completed, 0);
}

// After a forced apply --undo writes the patch's old bytes, not the ones replaced; the restoring
// patch puts back exactly what was there, also over a line that was already in place.
TEST_F(PatchFile, TheRestoringPatchPutsBackExactlyWhatTheApplyReplaced) {
    const Patch patch = testing::ReadPatchOrFail("10: 00 AA\n11: 00 BB\n12: 00 12\n");
    PatchOutcome outcome;
    const std::string restoring = dir_.File("undo.vkp");
    ASSERT_TRUE(ApplyPatchToFlash(path(), patch, {PatchDirection::Apply, true}, &outcome,
                                  SystemFileSystem(), restoring)
                    .ok());
    EXPECT_EQ(outcome.lines_forced, 2);
    EXPECT_EQ(outcome.LinesUndoWouldNotRestore(), 3);
    Bytes undone = ReadBytes(path());
    ASSERT_TRUE(Apply("10: 00 AA\n11: 00 BB\n12: 00 12\n", &undone, {PatchDirection::Undo}).ok());
    EXPECT_NE(undone, Counting(4096)) << "the flasher's undo writes 00 over 10, 11 and 12";

    Patch back;
    ASSERT_TRUE(ReadPatchFile(restoring, &back).ok());
    ASSERT_TRUE(ApplyPatchToFlash(path(), back, {}, &outcome).ok());
    EXPECT_EQ(ReadBytes(path()), Counting(4096));
    // Nothing is written when the restoring patch cannot be.
    EXPECT_FALSE(ApplyPatchToFlash(path(), patch, {PatchDirection::Apply, true}, &outcome,
                                   SystemFileSystem(), dir_.File("none/undo.vkp"))
                     .ok());
    EXPECT_EQ(ReadBytes(path()), Counting(4096));
}

// The restoring patch of a save over 16 MiB needs more text than any patch may hold: it is
// refused, and nothing made, rather than written and then refused by the reader.
TEST_F(PatchFile, ARestoringPatchTooLargeToReadIsNotWritten) {
    const std::string restoring = dir_.File("undo.vkp");
    const size_t size = size_t{16} << 20;
    const std::vector<JournalChange> changes = {{0, Bytes(size, 0x00), Bytes(size, 0xFF)}};
    const Status status = WriteRestoringPatch(SystemFileSystem(), restoring, path(), changes);
    EXPECT_EQ(status.message().id, MessageId::RestoringPatchTooLarge);
    EXPECT_FALSE(testing::Exists(restoring));

    // A little less fits, and reads back.
    const size_t fits = size_t{14} << 20;
    ASSERT_TRUE(WriteRestoringPatch(SystemFileSystem(), restoring, path(),
                                    {{0, Bytes(fits, 0x00), Bytes(fits, 0xFF)}})
                    .ok());
    Patch back;
    EXPECT_TRUE(ReadPatchFile(restoring, &back).ok());
}

}  // namespace
}  // namespace rw

namespace rw {
namespace {

// A patch of millions of adjacent one-byte lines took minutes and gigabytes: a journal record
// and a write a line. Adjacent lines are one stretch, applied or undone (last line first).
TEST(PatchApply, AdjacentLinesAreOneStretchEitherWay) {
    std::string text;
    for (int i = 0; i < 1000; ++i) {
        char line[32];
        const int old_byte = (0x100 + i) & 0xFF;
        std::snprintf(line, sizeof line, "%06X: %02X %02X\n", 0x100 + i, old_byte, old_byte ^ 0xFF);
        text += line;
    }
    text += "000100: FF 0F\n";  // over the first again: the last line's byte wins
    Bytes image = Counting(4096);
    PatchOutcome outcome;
    ASSERT_TRUE(Apply(text, &image, {}, &outcome).ok());
    ASSERT_EQ(outcome.writes.size(), 1u);
    EXPECT_EQ(outcome.writes[0].position, 0x100);
    EXPECT_EQ(outcome.writes[0].bytes.size(), 1000u);
    EXPECT_EQ(outcome.writes[0].bytes[0], 0x0F);
    EXPECT_EQ(image[0x100], 0x0F);
    EXPECT_EQ(image[0x101], 0xFE);

    ASSERT_TRUE(Apply(text, &image, {PatchDirection::Undo}, &outcome).ok());
    ASSERT_EQ(outcome.writes.size(), 1u);
    EXPECT_EQ(image, Counting(4096));
}

}  // namespace
}  // namespace rw
