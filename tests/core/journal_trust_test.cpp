// A journal belongs to one file and one owner: it is found through every name of the dump, is
// never applied to another file, over bytes written since, or from a file someone else could have
// put there; its numbers are checked before they cost memory; loads see only whole saves.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "faulty_file_system.h"
#include "forwarding_file_system.h"
#include "io/flash_codec.h"
#include "io/font_files.h"
#include "io/image_patch.h"
#include "io/memory_file_system.h"
#include "io/rollback_journal.h"
#include "io/unchanged_glyphs.h"
#include "journal_test_support.h"
#include "small_dump.h"
#include "test_files.h"

namespace rw {
namespace {

using Op = testing::FaultyFileSystem::Op;
using testing::ReadBytes;
using testing::WriteBytes;

std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

class Dump : public testing::SmallDump {
  protected:
    std::string journal() const { return JournalPathFor(path()); }
    int64_t size() const { return static_cast<int64_t>(original_.size()); }
    Status Save(const std::string& name, FileSystem& fs = SystemFileSystem()) {
        return SaveInto(name, fs);
    }
    Status Load(const std::string& name, FileSystem& fs = SystemFileSystem()) {
        FontImage font;
        return LoadFrom(name, fs, font);
    }
    // A save through `name` whose writes fail from the 50th on, and its undo with them: the dump
    // is torn and the journal stays, as a crash leaves them.
    void TearASave(const std::string& name) {
        const auto before = ReadBytes(path());
        testing::FaultyFileSystem broken(Op::Write, 50, EIO, 100000);
        ASSERT_TRUE(Save(name, broken).partly_written());
        ASSERT_NE(ReadBytes(path()), before);
        ASSERT_TRUE(testing::Exists(journal()));
    }
    std::string Refusal(const std::string& text) const { return path() + ": dump.bin.rwj " + text; }
};

// A save cut off while the dump was reached through a link left "link.bin.rwj", which a load of
// "real.bin" never saw: it read a torn font, and a later good save was undone by the next load
// through the link.
TEST_F(Dump, TheJournalIsFoundThroughEveryNameOfTheDump) {
    const std::string link = dir_.File("link.bin");
    std::filesystem::create_symlink(path(), link);
    TearASave(link);
    EXPECT_FALSE(testing::Exists(link + ".rwj"));
    const Status recovered = RecoverInterruptedSave(SystemFileSystem(), path());
    ASSERT_TRUE(recovered.ok()) << recovered.Line(kEnglish);
    EXPECT_EQ(Render(recovered.note(), kEnglish),
              path() +
                  ": a save into it was interrupted; its bytes from before that "
                  "save were put back from dump.bin.rwj");
    EXPECT_EQ(ReadBytes(path()), original_);

    TearASave(link);
    const Status saved = Save(path());
    ASSERT_TRUE(saved.ok()) << saved.Line(kEnglish);
    EXPECT_NE(Render(saved.note(), kEnglish).find("interrupted"), std::string::npos);
    const auto whole = ReadBytes(path());
    const Status loaded = Load(link);
    ASSERT_TRUE(loaded.ok()) << loaded.Line(kEnglish);
    EXPECT_TRUE(loaded.note().empty());
    EXPECT_EQ(ReadBytes(path()), whole);

    // A folder reached through a link leads to the same journal too.
    std::filesystem::create_directory_symlink(dir_.path(), dir_.File("alias"));
    FillFont(0x42);
    TearASave(dir_.File("alias/dump.bin"));
    ASSERT_TRUE(Load(path()).ok());
    EXPECT_EQ(ReadBytes(path()), whole);
    EXPECT_EQ(Sorted(dir_.Names()), (std::vector<std::string>{"alias", "dump.bin", "link.bin"}));
}

// A dump renamed after a save was cut off: a new, unrelated dump of that name had the old one's
// bytes written into it at its next load.
TEST_F(Dump, AJournalOfARenamedOrReplacedDumpIsNeverApplied) {
    TearASave(path());
    const auto torn = ReadBytes(path());
    std::filesystem::rename(path(), dir_.File("old.bin"));
    const auto other = testing::RandomBytes(original_.size(), 42);
    WriteBytes(path(), other);
    const std::string refusal =
        Refusal("belongs to another file (it was renamed or replaced): move it away to go on");
    EXPECT_EQ(Load(path()).Line(kEnglish), refusal);
    EXPECT_EQ(Save(path()).Line(kEnglish), refusal);
    EXPECT_EQ(RecoverInterruptedSave(SystemFileSystem(), path()).Line(kEnglish), refusal);
    EXPECT_EQ(ReadBytes(path()), other);

    // The dump back under its name, but of another size: not the file the journal knew either.
    std::filesystem::rename(dir_.File("old.bin"), path());
    std::filesystem::resize_file(path(), torn.size() + 1);
    EXPECT_EQ(Load(path()).Line(kEnglish), refusal);
    std::filesystem::resize_file(path(), torn.size());
    EXPECT_EQ(ReadBytes(path()), torn);
    ASSERT_TRUE(Load(path()).ok());
    EXPECT_EQ(ReadBytes(path()), original_);
}

// The file system as ext4 shows a replacement made with "rm d.bin; cp after.bin d.bin": the
// new file gets the freed inode number, so device, inode and size match; only its birth time (or,
// where none is kept, its generation) tells it from the file the journal was written for.
class ReusedInodeFileSystem : public testing::ForwardingFileSystem {
  public:
    FileOrigin origin;
    int Stat(int fd, FileInfo* info) override {
        const int result = ForwardingFileSystem::Stat(fd, info);
        info->origin = origin;
        return result;
    }
};

TEST_F(Dump, AReplacementGivenTheSameInodeIsAnotherFile) {
    ReusedInodeFileSystem fs;
    // The torn save is the first file's; its journal records the first birth time.
    TearASave(path());
    const auto torn = ReadBytes(path());
    auto recorded = DecodeJournal(ReadBytes(journal()));
    ASSERT_TRUE(recorded);
    ASSERT_TRUE(recorded->image.origin);
    // A replacement of the same size, at the same inode, born later.
    const auto replacement = testing::RandomBytes(original_.size(), 7);
    WriteBytes(path(), replacement);
    recorded->image.origin = FileOrigin{int64_t{1'000}, std::nullopt};
    testing::PlantJournal(journal(), EncodeJournal(*recorded));
    fs.origin.birth_ns = 2'000;
    const std::string refusal =
        Refusal("belongs to another file (it was renamed or replaced): move it away to go on");
    EXPECT_EQ(Load(path(), fs).Line(kEnglish), refusal);
    EXPECT_EQ(Save(path(), fs).Line(kEnglish), refusal);
    EXPECT_EQ(ReadBytes(path()), replacement);
    EXPECT_TRUE(testing::Exists(journal()));
    // Where no birth time is kept, the generation tells them apart.
    recorded->image.origin = FileOrigin{std::nullopt, uint64_t{17}};
    testing::PlantJournal(journal(), EncodeJournal(*recorded));
    fs.origin = FileOrigin{std::nullopt, uint64_t{18}};
    EXPECT_EQ(Load(path(), fs).Line(kEnglish), refusal);
    EXPECT_EQ(ReadBytes(path()), replacement);
    // The very file, born when the journal says, is rolled back.
    fs.origin = FileOrigin{std::nullopt, uint64_t{17}};
    WriteBytes(path(), torn);
    ASSERT_TRUE(Load(path(), fs).ok());
    EXPECT_EQ(ReadBytes(path()), original_);
    EXPECT_FALSE(testing::Exists(journal()));
}

// A kill during the journal's own write left an empty journal, and every later command refused
// the dump as damaged, though it was never touched.
TEST_F(Dump, AJournalCutOffWhileItWasWrittenIsRemovedAndTheDumpUsed) {
    const auto whole = EncodeJournal(testing::JournalOf(path(), {{64, {1}, {2}}}));
    const std::string note = path() +
                             ": dump.bin.rwj was cut off while it was written, before the image "
                             "changed: the image is whole, the journal is removed";
    const auto unsealed = UnsealedJournal(whole);
    for (const std::vector<uint8_t>& cut :
         {std::vector<uint8_t>{}, std::vector<uint8_t>(2, 0), unsealed,
          std::vector<uint8_t>(unsealed.begin(), unsealed.begin() + 30)}) {
        testing::PlantJournal(journal(), cut);
        const Status load = Load(path());
        ASSERT_TRUE(load.ok()) << load.Line(kEnglish);
        EXPECT_EQ(Render(load.note(), kEnglish), note);
        EXPECT_FALSE(testing::Exists(journal()));
        EXPECT_EQ(ReadBytes(path()), original_);
    }
    testing::PlantJournal(journal(), {});
    const Status saved = Save(path());
    ASSERT_TRUE(saved.ok()) << saved.Line(kEnglish);
    EXPECT_EQ(Render(saved.note(), kEnglish), note);
    // A sealed journal that was altered is still damage, not a cut.
    auto altered = whole;
    altered[40] ^= 1;
    testing::PlantJournal(journal(), altered);
    EXPECT_NE(Load(path()).Line(kEnglish).find("is damaged"), std::string::npos);
}

// Every save seals its journal only after the rest is on the disk: a kill at any write of the
// journal leaves one that is cut off, never one that would be obeyed.
// A dump another program cut short during a save was lengthened back by the writes and the save
// reported done.
TEST_F(Dump, ADumpCutShortDuringASaveIsNeverLengthened) {
    class Truncating : public testing::ForwardingFileSystem {
      public:
        std::string victim;
        int flushes = 0;
        int Flush(int fd) override {
            const int result = ForwardingFileSystem::Flush(fd);
            // The journal's second flush: sealed, the image not yet touched.
            if (++flushes == 2) std::filesystem::resize_file(victim, 100);
            return result;
        }
    } fs;
    fs.victim = path();
    const auto before = ReadBytes(path());
    EXPECT_EQ(Save(path(), fs).Line(kEnglish),
              path() +
                  ": another program changed the fullflash during the save (it now holds "
                  "100 bytes, it held " +
                  std::to_string(before.size()) + "); nothing was written");
    EXPECT_EQ(ReadBytes(path()), std::vector<uint8_t>(before.begin(), before.begin() + 100));
    EXPECT_FALSE(testing::Exists(journal()));
}

TEST_F(Dump, AJournalIsSealedOnlyOnceItsRestIsFlushed) {
    class Watch : public testing::ForwardingFileSystem {
      public:
        std::vector<std::string> steps;
        int64_t WriteAt(int fd, const void* b, size_t n, int64_t pos) override {
            const auto* bytes = static_cast<const uint8_t*>(b);
            steps.push_back(n > 0 && bytes[0] == 0 && pos == 0 ? "unsealed"
                            : pos == 0 && n == 4               ? "seal"
                                                               : "write");
            return ForwardingFileSystem::WriteAt(fd, b, n, pos);
        }
        int Flush(int fd) override {
            steps.push_back("flush");
            return ForwardingFileSystem::Flush(fd);
        }
    } watch;
    ASSERT_TRUE(Save(path(), watch).ok());
    ASSERT_GE(watch.steps.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(watch.steps.begin(), watch.steps.begin() + 5),
              (std::vector<std::string>{"unsealed", "flush", "seal", "flush", "write"}));
}

TEST_F(Dump, OnlyBytesHoldingTheirOldOrNewValueArePutBack) {
    // A record half written (the kill found the write halfway) goes back whole.
    auto half = original_;
    std::vector<uint8_t> before(half.begin() + 64, half.begin() + 76);
    std::fill(half.begin() + 64, half.begin() + 70, uint8_t{0x81});
    WriteBytes(path(), half);
    testing::PlantJournal(journal(), EncodeJournal(testing::JournalOf(
                                         path(), {{64, before, std::vector<uint8_t>(12, 0x81)}})));
    ASSERT_TRUE(Load(path()).ok());
    EXPECT_EQ(ReadBytes(path()), original_);

    // A byte written by someone else since the save was cut off is reported, and nothing is
    // written: putting the old bytes back around it would mix two programs' data.
    TearASave(path());
    auto changed = ReadBytes(path());
    uint8_t foreign = 0;
    while (foreign == original_[67] || foreign == 0x81) ++foreign;
    changed[67] = foreign;
    WriteBytes(path(), changed);
    EXPECT_EQ(Load(path()).Line(kEnglish),
              Refusal("does not fit this image: 1 of its bytes hold neither what they held before "
                      "the interrupted save nor what it wrote (the first at offset 67); nothing is "
                      "written: check the image against your backup, then move dump.bin.rwj away"));
    EXPECT_EQ(ReadBytes(path()), changed);
    EXPECT_TRUE(testing::Exists(journal()));
}

// Anyone who could create "d.bin.rwj" beside a dump (in a shared sticky folder, say) had their
// bytes written into it at its owner's next load, and again at every load after.
TEST_F(Dump, AJournalIsUsedOnlyAsARegularFileOfItsOwnerThatNobodyElseMayWrite) {
    TearASave(path());
    const auto torn = ReadBytes(path());
    const std::string kept = dir_.File("kept.rwj");
    std::filesystem::rename(journal(), kept);
    auto refused = [&](const std::string& why) {
        const std::string message = Refusal(why);
        EXPECT_EQ(Load(path()).Line(kEnglish), message);
        EXPECT_EQ(Save(path()).Line(kEnglish), message);
        EXPECT_EQ(ReadBytes(path()), torn);
        std::filesystem::remove(journal());
    };
    const std::string torn_tail =
        ": it is not trusted, nothing is read or written; the image may be half-written, and "
        "moving dump.bin.rwj away leaves it so";
    std::filesystem::create_symlink(kept, journal());
    refused("is a symbolic link" + torn_tail);
    std::filesystem::create_symlink(dir_.File("nowhere.rwj"), journal());
    refused("is a symbolic link" + torn_tail);
    ASSERT_EQ(::mkfifo(journal().c_str(), 0600), 0);
    refused("is not a regular file" + torn_tail);
    std::filesystem::create_directory(journal());
    refused("is not a regular file" + torn_tail);
    const std::string me = UserName(::geteuid());
    const std::string recover_tail =
        "it is not trusted, nothing is read or written; the image may be half-written: "
        "\"runewright-cli recover\" run by ";
    for (mode_t mode : {0620, 0602, 0666}) {
        std::filesystem::copy_file(kept, journal());
        ::chmod(journal().c_str(), mode);
        refused("(of " + me +
                ") may be written by users who may not write this image: " + recover_tail + me +
                " or root finishes the rollback (moving dump.bin.rwj away leaves the image as it "
                "is)");
    }
    // Another user's journal; as an ordinary user tests/scripts/unprivileged_saves.sh shows it.
    if (testing::RunningAsRoot()) {
        std::filesystem::copy_file(kept, journal());
        ASSERT_EQ(::chown(journal().c_str(), 4242, 4242), 0);
        refused("was left by 4242, who may not write this image: " + recover_tail +
                "4242 or root finishes the rollback (moving dump.bin.rwj away leaves the image "
                "as it is)");
    }
    std::filesystem::rename(kept, journal());
    ASSERT_TRUE(Load(path()).ok());
    EXPECT_EQ(ReadBytes(path()), original_);
}

// A shared folder: alice owns d.bin (0664, group team); bob, a member of team, had a save cut
// off. His journal was refused to alice ("File access denied") and to root ("belongs to another
// user"), and once moved away the torn dump loaded without a word.
class TeamFileSystem : public testing::ForwardingFileSystem {
  public:
    uint32_t member = 0;
    uint32_t team = 0;
    bool UserInGroup(uint32_t user, uint32_t group) override {
        return user == member && group == team;
    }
};

TEST_F(Dump, AJournalOfAGroupMemberWhoMayWriteTheDumpIsTrusted) {
    if (!testing::RunningAsRoot()) GTEST_SKIP() << "needs root to give files to other users";
    ASSERT_EQ(::chown(path().c_str(), 4100, 4300), 0);
    ASSERT_EQ(::chmod(path().c_str(), 0664), 0);
    TearASave(path());
    const auto torn = ReadBytes(path());
    // What a save beside a group-writable dump leaves: readable by the group, written by none.
    struct stat st {};
    ASSERT_EQ(::stat(journal().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(st.st_gid, 4300u);
    // As bob's, a member of team.
    ASSERT_EQ(::chown(journal().c_str(), 4200, 4300), 0);
    TeamFileSystem fs;
    fs.member = 4200;
    fs.team = 4300;
    ASSERT_TRUE(Load(path(), fs).ok());
    EXPECT_EQ(ReadBytes(path()), original_);
    EXPECT_FALSE(testing::Exists(journal()));

    // 0660, the group's: still only people who may write the dump.
    TearASave(path());
    ASSERT_EQ(::chown(journal().c_str(), 4200, 4300), 0);
    ASSERT_EQ(::chmod(journal().c_str(), 0660), 0);
    ASSERT_TRUE(Load(path(), fs).ok());
    EXPECT_EQ(ReadBytes(path()), original_);

    // Not a member, or a dump the group may not write: refused, the dump left as it is, the
    // journal's owner named.
    TearASave(path());
    const auto torn_again = ReadBytes(path());
    ASSERT_EQ(::chown(journal().c_str(), 4200, 4300), 0);
    ASSERT_EQ(::chmod(path().c_str(), 0644), 0);
    EXPECT_NE(
        Load(path(), fs).Line(kEnglish).find("was left by 4200, who may not write this image"),
        std::string::npos);
    EXPECT_EQ(ReadBytes(path()), torn_again);
    // recover by root takes it for root's.
    ASSERT_EQ(::chmod(path().c_str(), 0664), 0);
    TeamFileSystem stranger;
    EXPECT_FALSE(Load(path(), stranger).ok());
    ASSERT_TRUE(RecoverInterruptedSave(stranger, path(), /*vouched=*/true).ok());
    EXPECT_EQ(ReadBytes(path()), original_);
}

// Anyone who could only read a dump could hold a lock on it ("flock -s d.bin sleep 1e9"), and
// every save of its owner failed after 2 s as "in use". A lock held only by users who may not
// write the dump stops no save; one of a user who may write it still does.
TEST_F(Dump, AReadersLockDoesNotStopTheOwnersSave) {
    if (!testing::RunningAsRoot()) GTEST_SKIP() << "needs root to act as another user";
    ASSERT_EQ(::chmod(path().c_str(), 0644), 0);
    // The test's folder is its creator's alone; the other user must reach the dump.
    ASSERT_EQ(::chmod(dir_.path().c_str(), 0755), 0);
    // A process of `user` that holds a shared lock on the dump until killed; -1 when it could
    // not take it.
    auto hold_as = [this](uid_t user) -> pid_t {
        int ready[2];
        if (::pipe(ready) != 0) return -1;
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(ready[0]);
            if (::setresgid(user, user, user) != 0 || ::setresuid(user, user, user) != 0) _exit(1);
            const int fd = ::open(path().c_str(), O_RDONLY);
            if (fd < 0 || ::flock(fd, LOCK_SH) != 0) _exit(2);
            if (::write(ready[1], "x", 1) != 1) _exit(3);
            ::pause();
            _exit(0);
        }
        ::close(ready[1]);
        char byte = 0;
        const bool holding = ::read(ready[0], &byte, 1) == 1;
        ::close(ready[0]);
        if (!holding) ::waitpid(child, nullptr, 0);
        return holding ? child : -1;
    };
    const pid_t reader = hold_as(4242);
    ASSERT_GT(reader, 0);
    const auto started = std::chrono::steady_clock::now();
    const Status saved = Save(path());
    EXPECT_TRUE(saved.ok()) << saved.Line(kEnglish);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(4));
    EXPECT_FALSE(testing::Exists(journal()));
    ::kill(reader, SIGKILL);
    ::waitpid(reader, nullptr, 0);

    // The dump's owner's own lock (root here) is a writer's: the save waits, then says so.
    const pid_t writer = hold_as(0);
    ASSERT_GT(writer, 0);
    EXPECT_EQ(Save(path()).message(), kInUse);
    ::kill(writer, SIGKILL);
    ::waitpid(writer, nullptr, 0);
}

// A 100 GiB sparse journal aborted every load with std::bad_alloc; overlapping changes, or
// changes outside what a save wrote, were applied.
TEST_F(Dump, AJournalsNumbersAreCheckedBeforeTheyCostMemoryOrAreBelieved) {
    const std::string damaged = Refusal(
        "is damaged: it is left alone and nothing is written; check the image, then remove "
        "dump.bin.rwj");
    const std::vector<uint8_t> one = {1}, two(2, 2), four(4, 4), six(6, 6);
    const auto header = EncodeJournal(testing::JournalOf(path(), {{64, one, two}}));
    for (const auto& start :
         {header, testing::EncodeFirstFormatJournal(size(), {{64, {original_[64]}}})}) {
        testing::PlantJournal(journal(), start);
        if (::truncate(journal().c_str(), int64_t{100} << 30) != 0) continue;
        EXPECT_EQ(Load(path()).Line(kEnglish), damaged);
        EXPECT_EQ(RecoverInterruptedSave(SystemFileSystem(), path()).Line(kEnglish), damaged);
    }
    auto endless = header;
    std::fill(endless.begin() + 48, endless.begin() + 52, uint8_t{0xFF});  // the change count
    testing::PlantJournal(journal(), endless);
    EXPECT_EQ(Load(path()).Line(kEnglish), damaged);
    for (const std::vector<JournalChange>& changes : std::vector<std::vector<JournalChange>>{
             {{64, six, six}, {66, two, two}}, {{size() - 2, four, four}}, {{100, {}, {}}}}) {
        testing::PlantJournal(journal(), EncodeJournal(testing::JournalOf(path(), changes)));
        EXPECT_EQ(Load(path()).Line(kEnglish), damaged);
    }
    EXPECT_EQ(ReadBytes(path()), original_);

    // A patch may write anywhere in the file, so a change at its very end is rolled back.
    auto patched = original_;
    patched.back() ^= 0xFF;
    WriteBytes(path(), patched);
    testing::PlantJournal(journal(),
                          EncodeJournal(testing::JournalOf(
                              path(), {{size() - 1, {original_.back()}, {patched.back()}}})));
    ASSERT_TRUE(Load(path()).ok());
    EXPECT_EQ(ReadBytes(path()), original_);
}

// A journal of the previous version names no file: one left beside any dump of its size wrote
// wherever its records said. It is rolled back only where it can be what that version wrote:
// bytes inside the font records of one layout, in a dump of its size.
TEST_F(Dump, AJournalOfThePreviousVersionIsRolledBackWhenItFitsAndRefusedWhenNot) {
    const FontLayout& real = LookupLayout(Edition::Cyrillic, PhoneModel::SME45, FontKind::Normal);
    const std::vector<FlashRecord> records = RecordsToWrite(Edition::Cyrillic, real);
    const int64_t big_size = RequiredImageSize(records, real) + 4096;
    const std::string big = dir_.File("big.bin");
    const std::string big_journal = JournalPathFor(big);
    std::vector<uint8_t> original(static_cast<size_t>(big_size));
    for (size_t i = 0; i < original.size(); ++i) original[i] = static_cast<uint8_t>(i * 7);
    // The previous version kept the records in the order it saved them, not sorted.
    auto torn = original;
    std::vector<JournalEntry> entries;
    const int payload = RecordPayloadLength(real);
    for (const FlashRecord& record : {records[40], records[3]}) {
        const auto at = static_cast<long>(record.position);
        entries.push_back({record.position, std::vector<uint8_t>(original.begin() + at,
                                                                 original.begin() + at + payload)});
        std::fill_n(torn.begin() + at, payload, uint8_t{0x55});
    }
    WriteBytes(big, torn);
    testing::PlantJournal(big_journal, testing::EncodeFirstFormatJournal(big_size, entries));
    const Status load = Load(big);
    ASSERT_TRUE(load.ok()) << load.Line(kEnglish);
    EXPECT_NE(Render(load.note(), kEnglish).find("interrupted"), std::string::npos);
    EXPECT_EQ(ReadBytes(big), original);
    EXPECT_FALSE(testing::Exists(big_journal));

    const std::string refused =
        big +
        ": big.bin.rwj belongs to another file (it was renamed or replaced): move it away to "
        "go on";
    // Another size; a record past its record's end; a byte outside every font.
    auto past_end = entries;
    past_end[0].bytes.push_back(0);
    for (const auto& [size, planted] : std::vector<std::pair<int64_t, std::vector<JournalEntry>>>{
             {big_size + 1, entries}, {big_size, past_end}, {big_size, {{big_size - 1, {1}}}}}) {
        WriteBytes(big, torn);
        testing::PlantJournal(big_journal, testing::EncodeFirstFormatJournal(size, planted));
        EXPECT_EQ(Load(big).Line(kEnglish), refused);
        EXPECT_EQ(ReadBytes(big), torn);
    }
    // Beside the small dump nothing of a font can lie where the records say.
    testing::PlantJournal(journal(), testing::EncodeFirstFormatJournal(size(), {{100, {1}}}));
    EXPECT_EQ(
        Load(path()).Line(kEnglish),
        Refusal("belongs to another file (it was renamed or replaced): move it away to go on"));
    EXPECT_EQ(ReadBytes(path()), original_);

    // What a save leaves now is of the new format.
    std::filesystem::remove(journal());
    TearASave(path());
    EXPECT_EQ(ReadBytes(journal())[3], '3');
}

TEST_F(Dump, AJournalThatCannotBeRemovedAfterItsRollbackStopsTheCommand) {
    TearASave(path());
    testing::FaultyFileSystem kept(Op::Remove, 1, EACCES);
    const Status load = Load(path(), kept);
    EXPECT_EQ(load.Line(kEnglish), path() +
                                       ": the image was put back, but dump.bin.rwj could not be "
                                       "removed (File access denied): remove it to go on");
    EXPECT_NE(Render(load.note(), kEnglish).find("interrupted"), std::string::npos);
    EXPECT_EQ(ReadBytes(path()), original_);
    EXPECT_TRUE(testing::Exists(journal()));
    // Found again, it finds its old bytes in place, and goes.
    ASSERT_TRUE(Load(path()).ok());
    EXPECT_EQ(ReadBytes(path()), original_);
    EXPECT_FALSE(testing::Exists(journal()));
}

TEST_F(Dump, ADumpThatCannotBeWrittenNamesItsWaitingJournal) {
    TearASave(path());
    const auto torn = ReadBytes(path());
    // The look for the journal is the first open, the dump for writing the second.
    testing::FaultyFileSystem read_only(Op::Open, 2, EACCES);
    EXPECT_EQ(Load(path(), read_only).Line(kEnglish),
              path() +
                  ": File access denied: dump.bin.rwj, left by an interrupted save, must first be "
                  "written back into it; make it writable to go on");
    EXPECT_EQ(ReadBytes(path()), torn);
}

// The count of glyphs a save would replace sees the dump as a load does: a save cut off there is
// rolled back first, and said so, and a journal it may not use stops it.
TEST_F(Dump, TheCountBeforeASaveRollsBackAnInterruptedSaveFirst) {
    TearASave(path());
    ReplacedGlyphs replaced{-1, -1};
    const Status counted = CountReplacedUnchangedGlyphs(path(), Edition::Cyrillic, layout_, font_,
                                                        FontImage{}, &replaced);
    ASSERT_TRUE(counted.ok()) << counted.Line(kEnglish);
    EXPECT_NE(Render(counted.note(), kEnglish).find("interrupted"), std::string::npos);
    EXPECT_EQ(ReadBytes(path()), original_);
    EXPECT_EQ(replaced.count,
              0);  // the font is no glyph of the empty base: all of it is the user's

    TearASave(path());
    ::chmod(journal().c_str(), 0666);
    EXPECT_EQ(CountReplacedUnchangedGlyphs(path(), Edition::Cyrillic, layout_, font_, FontImage{},
                                           &replaced)
                  .Line(kEnglish),
              Refusal("(of " + UserName(::geteuid()) +
                      ") may be written by users who may not write this image: it is not "
                      "trusted, nothing is read or written; the image may be half-written: "
                      "\"runewright-cli recover\" run by " +
                      UserName(::geteuid()) +
                      " or root finishes the rollback (moving dump.bin.rwj away leaves the image "
                      "as it is)"));
}

// Tries, at the first read, to take the file for a save, the way another program's save would.
class SaveProbingFileSystem final : public testing::ForwardingFileSystem {
  public:
    explicit SaveProbingFileSystem(std::string path) : path_(std::move(path)) {}
    int64_t ReadAt(int fd, void* b, size_t n, int64_t pos) override {
        if (!probed_) {
            probed_ = true;
            const int other = ::open(path_.c_str(), O_RDWR);
            lock_error_ = ::flock(other, LOCK_EX | LOCK_NB) == 0 ? 0 : errno;
            ::close(other);
        }
        return real().ReadAt(fd, b, n, pos);
    }
    bool probed_ = false;
    int lock_error_ = -1;

  private:
    std::string path_;
};

// An extract racing an inject could read 90 old records and 41 new ones.
TEST_F(Dump, LoadsSeeOnlyWholeSaves) {
    SaveProbingFileSystem probing(path());
    ASSERT_TRUE(Load(path(), probing).ok());
    EXPECT_TRUE(probing.probed_);
    EXPECT_EQ(probing.lock_error_, EWOULDBLOCK) << "a save could begin while the load read";
    const std::string sft = dir_.File("font.sft");
    ASSERT_TRUE(WriteFontFile(sft, FontFileFormat::Sft, font_).ok());
    SaveProbingFileSystem font_probing(sft);
    FontImage font;
    ASSERT_TRUE(
        ReadFontFile(sft, FontFileFormat::Sft, BlockSet::FirstN(4), font, font_probing).ok());
    EXPECT_EQ(font_probing.lock_error_, EWOULDBLOCK);
    // The look before a save, which counts the glyphs it would replace, reads as a load does.
    SaveProbingFileSystem count_probing(path());
    ReplacedGlyphs replaced;
    ASSERT_TRUE(CountReplacedUnchangedGlyphs(path(), Edition::Cyrillic, layout_, font_, FontImage{},
                                             &replaced, count_probing)
                    .ok());
    EXPECT_EQ(count_probing.lock_error_, EWOULDBLOCK);

    // A load waits while a save holds the dump, reads once it is done, and gives up after 2 s.
    for (int held_ms : {300, 30000}) {
        Status load;
        {
            const testing::LockHolder saving(path(), held_ms);
            load = Load(path());
        }
        if (held_ms < 2000) {
            EXPECT_TRUE(load.ok()) << load.Line(kEnglish);
        } else {
            EXPECT_EQ(load.message(), kInUse);
        }
    }
}

// Kills the process at its n-th step of these kinds, a write half done, as kill -9 or a power
// cut finds it; with n = 0 it only counts the steps.
class KillingFileSystem final : public testing::ForwardingFileSystem {
  public:
    explicit KillingFileSystem(int nth) : nth_(nth) {}
    int steps() const { return steps_; }

    int CreateNewPrivate(const std::string& p) override {
        Step();
        return real().CreateNewPrivate(p);
    }
    int64_t WriteAt(int fd, const void* b, size_t n, int64_t pos) override {
        if (++steps_ == nth_) {
            real().WriteAt(fd, b, n / 2, pos);
            Die();
        }
        return real().WriteAt(fd, b, n, pos);
    }
    int Flush(int fd) override {
        Step();
        return real().Flush(fd);
    }
    int Close(int fd) override {
        Step();
        return real().Close(fd);
    }
    int Remove(const std::string& p) override {
        Step();
        return real().Remove(p);
    }
    int FlushFolder(const std::string& f) override {
        Step();
        return real().FlushFolder(f);
    }

  private:
    void Step() {
        if (++steps_ == nth_) Die();
    }
    [[noreturn]] static void Die() {
        ::kill(::getpid(), SIGKILL);
        for (;;) ::pause();
    }
    int nth_;
    int steps_ = 0;
};

TEST_F(Dump, AKillAtAnyStepOfASaveLeavesTheOldOrTheNewDump) {
    ASSERT_TRUE(Save(path()).ok());
    const auto saved = ReadBytes(path());
    WriteBytes(path(), original_);
    KillingFileSystem counting(0);
    ASSERT_TRUE(Save(path(), counting).ok());
    const int steps = counting.steps();
    ASSERT_GT(steps, 136);
    for (int nth = 1; nth <= steps; ++nth) {
        WriteBytes(path(), original_);
        const pid_t child = ::fork();
        if (child == 0) {
            KillingFileSystem killing(nth);
            IgnoreFailure(Save(path(), killing));  // the kill ends it
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "step " << nth;
        const Status load = Load(path());
        const auto after = ReadBytes(path());
        if (load.ok()) {
            EXPECT_TRUE(after == original_ || after == saved) << "step " << nth;
        } else {
            // Killed while the journal itself was written: the dump was not touched yet.
            EXPECT_NE(load.text().find("is damaged"), std::string::npos) << load.Line(kEnglish);
            EXPECT_EQ(after, original_) << "step " << nth;
            std::filesystem::remove(journal());
        }
        EXPECT_EQ(dir_.Names(), std::vector<std::string>{"dump.bin"}) << "step " << nth;
    }
}

// Patches of a V_Klay file may overlap, or lie anywhere in the dump up to its last byte.
TEST(PatchImage, OverlappingPatchesLeaveTheLaterBytesAndNonePassesTheEnd) {
    MemoryFileSystem fs;
    fs.Put("f.bin", std::vector<uint8_t>(32, 0));
    auto any_size = [](int64_t) { return Status::Ok(); };
    ASSERT_TRUE(PatchImage(fs, "f.bin",
                           {{10, {1, 2, 3, 4}}, {12, {9}}, {5, {7}}, {28, {5, 6, 7, 8}}}, any_size)
                    .ok());
    std::vector<uint8_t> expected(32, 0);
    expected[5] = 7;
    for (int i = 0; i < 4; ++i) expected[10 + i] = std::vector<uint8_t>{1, 2, 9, 4}[i];
    for (int i = 0; i < 4; ++i) expected[28 + i] = static_cast<uint8_t>(5 + i);
    EXPECT_EQ(*fs.Get("f.bin"), expected);
    EXPECT_EQ(fs.Get("f.bin.rwj"), nullptr);
    EXPECT_EQ(PatchImage(fs, "f.bin", {{0, {1}}, {31, {1, 2}}}, any_size).text(), kReadBeyondEnd);
    EXPECT_EQ(*fs.Get("f.bin"), expected);
}

}  // namespace
}  // namespace rw
