// Saves that survive anything: a fullflash save is all or nothing across failures, kills and
// other writers; a font file is replaced without being lost, weakened or written through a link.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <filesystem>
#include <functional>

#include "faulty_file_system.h"
#include "io/flash_codec.h"
#include "io/font_files.h"
#include "io/rollback_journal.h"
#include "io/safe_replace.h"
#include "pausing_file_system.h"
#include "small_dump.h"
#include "test_files.h"

namespace rw {
namespace {

using Op = testing::FaultyFileSystem::Op;
using testing::PausingFileSystem;
using testing::ReadBytes;

class FlashSave : public testing::SmallDump {
  protected:
    Status Save(FileSystem& fs = SystemFileSystem()) { return SaveInto(path(), fs); }
    Status Load(FontImage& font) { return LoadFrom(path(), SystemFileSystem(), font); }
};

TEST_F(FlashSave, AWriteAndItsRestoreFailingKeepTheJournalAndTheNextLoadRollsBack) {
    // The disk fails from the 50th write on: the record writes and every restore write after.
    for (int error : {EIO, ENOSPC}) {
        testing::FaultyFileSystem broken(Op::Write, 50, error, 100000);
        const Status s = Save(broken);
        ASSERT_FALSE(s.ok());
        EXPECT_TRUE(s.partly_written());
        EXPECT_EQ(s.text(),
                  "the image is partly written; its original bytes are kept in "
                  "dump.bin.rwj; do not flash it");
        EXPECT_NE(ReadBytes(path()), original_);
        ASSERT_TRUE(testing::Exists(JournalPathFor(path())));

        FontImage font;
        const Status load = Load(font);
        ASSERT_TRUE(load.ok()) << load.Line(kEnglish);
        EXPECT_NE(Render(load.note(), kEnglish).find("interrupted"), std::string::npos);
        EXPECT_EQ(ReadBytes(path()), original_);
        EXPECT_FALSE(testing::Exists(JournalPathFor(path())));
    }
    // A restore that works after a failed write leaves no journal and the old bytes.
    testing::FaultyFileSystem once(Op::Write, 50, EIO);
    EXPECT_FALSE(Save(once).partly_written());
    EXPECT_EQ(ReadBytes(path()), original_);
    EXPECT_EQ(dir_.Names(), std::vector<std::string>{"dump.bin"});
}

TEST_F(FlashSave, AProcessKilledInTheMiddleOfASaveIsRolledBackByTheNextLoad) {
    ASSERT_TRUE(testing::KillAtWrite(
        40, [](size_t n) { return n / 2; }, [this](FileSystem& fs) { IgnoreFailure(Save(fs)); }));
    ASSERT_NE(ReadBytes(path()), original_) << "the kill should find the image half patched";

    FontImage font;
    const Status load = Load(font);
    ASSERT_TRUE(load.ok()) << load.Line(kEnglish);
    EXPECT_FALSE(load.note().empty());
    EXPECT_EQ(ReadBytes(path()), original_);
    EXPECT_EQ(dir_.Names(), std::vector<std::string>{"dump.bin"});
}

TEST_F(FlashSave, CtrlCOrAKillDuringTheWritesWaitsUntilTheSaveIsWhole) {
    ASSERT_TRUE(Save().ok());
    const auto saved = ReadBytes(path());
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        testing::WriteBytes(path(), original_);
        const pid_t child = ::fork();
        if (child == 0) {
            PausingFileSystem interrupting(
                40, [signal](int, const void*, size_t, int64_t) { ::kill(::getpid(), signal); });
            IgnoreFailure(Save(interrupting));  // what counts is the file afterwards
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << "signal came too late";
        EXPECT_EQ(ReadBytes(path()), saved) << signal;
        EXPECT_EQ(dir_.Names(), std::vector<std::string>{"dump.bin"});
    }
}

TEST_F(FlashSave, ADamagedJournalIsLeftAloneAndNothingIsWritten) {
    testing::FaultyFileSystem broken(Op::Write, 30, EIO, 100000);
    ASSERT_TRUE(Save(broken).partly_written());
    auto journal = ReadBytes(JournalPathFor(path()));
    journal[journal.size() / 2] ^= 0x40;
    testing::WriteBytes(JournalPathFor(path()), journal);
    const auto damaged_image = ReadBytes(path());

    const Status save = Save();
    EXPECT_FALSE(save.ok());
    EXPECT_NE(save.text().find("dump.bin.rwj is damaged"), std::string::npos);
    FontImage font;
    EXPECT_FALSE(Load(font).ok());
    EXPECT_EQ(ReadBytes(path()), damaged_image);
    EXPECT_EQ(ReadBytes(JournalPathFor(path())), journal);
}

TEST_F(FlashSave, ASecondWriterWaitsThenFailsAndTheSameFileOrADeviceIsRefused) {
    Status s;
    {
        const testing::LockHolder saving(path(), 30000);
        s = Save();
    }
    EXPECT_EQ(s.message(), kInUse);
    EXPECT_EQ(ReadBytes(path()), original_);

    EXPECT_EQ(RefuseSameFile(SystemFileSystem(), path(), path()).message(), kSameFile);
    std::filesystem::create_symlink(path(), dir_.File("alias.bin"));
    EXPECT_EQ(RefuseSameFile(SystemFileSystem(), dir_.File("alias.bin"), path()).message(),
              kSameFile);
    EXPECT_TRUE(RefuseSameFile(SystemFileSystem(), path(), dir_.File("new.sft")).ok());
    FontImage font;
    EXPECT_EQ(ReadFontFile("/dev/zero", FontFileFormat::Sft, BlockSet::FirstN(8), font).message(),
              kNotRegularFile);
    ASSERT_EQ(::mkfifo(dir_.File("pipe.sft").c_str(), 0600), 0);
    EXPECT_EQ(ReadFontFile(dir_.File("pipe.sft"), FontFileFormat::Sft, BlockSet::FirstN(8), font)
                  .message(),
              kNotRegularFile);
}

TEST(JournalFormat, ATornOrAlteredJournalIsNeverTrusted) {
    const RollbackJournal journal{
        {7, 9, 1000, FileOrigin{int64_t{1796886272} * 1'000'000'000 + 41680912, std::nullopt}},
        {{10, {1, 2, 3}, {4, 5, 6}},
         {990, std::vector<uint8_t>(10, 11), std::vector<uint8_t>(10, 12)}}};
    const auto bytes = EncodeJournal(journal);
    const auto back = DecodeJournal(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->image, journal.image);
    EXPECT_FALSE(back->first_format);
    ASSERT_EQ(back->changes.size(), 2u);
    EXPECT_EQ(back->changes[1].before, journal.changes[1].before);
    EXPECT_EQ(back->changes[1].after, journal.changes[1].after);
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        EXPECT_FALSE(DecodeJournal(std::span(bytes).first(cut))) << cut;
        auto altered = bytes;
        altered[cut] ^= 1;
        EXPECT_FALSE(DecodeJournal(altered)) << cut;
    }
    // Changes reaching past the image, overlapping, out of order or empty are damage even with a
    // matching checksum.
    auto with = [](std::vector<JournalChange> changes) {
        return DecodeJournal(EncodeJournal({{1, 1, 1000, FileOrigin{}}, std::move(changes)}));
    };
    const std::vector<uint8_t> six(6), two(2);
    EXPECT_FALSE(with({{995, six, six}}));
    EXPECT_FALSE(with({{-1, two, two}}));
    EXPECT_FALSE(with({{10, six, six}, {15, two, two}}));
    EXPECT_FALSE(with({{20, two, two}, {10, two, two}}));
    EXPECT_FALSE(with({{10, {}, {}}}));
    EXPECT_TRUE(with({{10, six, six}, {16, two, two}, {994, six, six}}));
}

TEST(FontFileReplacement, KeepsLinksModeAndOldFilesThatAreNoFontFiles) {
    testing::TempDir dir;
    const FontImage font;
    const auto fresh = SerializeFontFile(FontFileFormat::Sft, font);
    const std::string real = dir.File("real.sft");
    testing::WriteBytes(real, testing::RandomBytes(1768, 3));
    ::chmod(real.c_str(), 0600);

    // A symbolic link stays a link; the file it points to gets the bytes and keeps its mode.
    std::filesystem::create_symlink(real, dir.File("link.sft"));
    ASSERT_TRUE(WriteFontFile(dir.File("link.sft"), FontFileFormat::Sft, font).ok());
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.sft")));
    EXPECT_EQ(ReadBytes(real), fresh);
    struct stat st {};
    ::stat(real.c_str(), &st);
    EXPECT_EQ(st.st_mode & 07777, 0600u);

    // A hard-linked file is written in place: both names still show one file.
    std::filesystem::create_hard_link(real, dir.File("hard.sft"));
    FontImage other;
    other.narrow[0][0].fill(0xFF);
    ASSERT_TRUE(WriteFontFile(real, FontFileFormat::Sft, other).ok());
    EXPECT_TRUE(std::filesystem::equivalent(real, dir.File("hard.sft")));
    EXPECT_EQ(ReadBytes(dir.File("hard.sft")), SerializeFontFile(FontFileFormat::Sft, other));

    // A file without write bits is refused, for root too; so is one of another size.
    ::chmod(real.c_str(), 0444);
    EXPECT_EQ(WriteFontFile(real, FontFileFormat::Sft, font).message(), kReadOnlyFile);
    const std::string dump = dir.File("victim.bin");
    const auto big = testing::RandomBytes(1 << 20, 4);
    testing::WriteBytes(dump, big);
    EXPECT_EQ(WriteFontFile(dump, FontFileFormat::Sft, font).text(),
              "not a .sft font file (1048576 bytes): choose another name");
    EXPECT_EQ(ReadBytes(dump), big);

    // The longest name a folder takes can be saved; no temporary is left.
    const std::string longest = dir.File(std::string(251, 'n') + ".sft");
    EXPECT_TRUE(WriteFontFile(longest, FontFileFormat::Sft, font).ok());
    EXPECT_EQ(dir.Names().size(), 5u);
    EXPECT_LE(BaseNameOf(TemporaryNameFor(longest, ~0ULL)).size(), size_t{NAME_MAX});
}

TEST(FontFileNames, TheSaveOffersTheCurrentNameWithTheFormatsExtension) {
    EXPECT_EQ(FontFileNameFor("/home/u/s45.bin", FontFileFormat::Sft), "/home/u/s45.sft");
    EXPECT_EQ(FontFileNameFor("/home/u.d/font", FontFileFormat::Sbf), "/home/u.d/font.sbf");
    EXPECT_EQ(FontFileNameFor("/home/u/.hidden", FontFileFormat::Sfe), "/home/u/.hidden.sfe");
    EXPECT_EQ(FontFileNameFor("", FontFileFormat::Sft), "");
}

}  // namespace
}  // namespace rw
