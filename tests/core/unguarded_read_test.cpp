// A user who may only read a dump cannot hold up its owner's saves with a lock, so a save may run
// while such a user's load reads: the load must then notice and take nothing, rather than a font
// made of bytes from before and after the save.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <thread>

#include "forwarding_file_system.h"
#include "io/flash_codec.h"
#include "io/layout_identify.h"
#include "io/rollback_journal.h"
#include "test_files.h"

namespace rw {
namespace {

using testing::kAllBlocks;
using testing::TempDir;
using testing::WriteBytes;

constexpr size_t kReadImageSize = size_t{16} << 20;

// The real file system as a user who may not write the dump sees it; the first read of the dump
// lets another program do something first.
class ReaderOnlyFileSystem final : public testing::ForwardingFileSystem {
  public:
    ReaderOnlyFileSystem(std::string dump, std::function<void()> meanwhile)
        : dump_(std::move(dump)), meanwhile_(std::move(meanwhile)) {}
    int MayWrite(const std::string&) override { return -EACCES; }
    int OpenForReading(const std::string& path) override {
        const int fd = real().OpenForReading(path);
        if (path == dump_) dump_fd_ = fd;
        return fd;
    }
    int64_t ReadAt(int fd, void* buffer, size_t count, int64_t position) override {
        if (fd == dump_fd_ && meanwhile_) std::exchange(meanwhile_, nullptr)();
        return real().ReadAt(fd, buffer, count, position);
    }

  private:
    std::string dump_;
    std::function<void()> meanwhile_;
    int dump_fd_ = -1;
};

class UnguardedRead : public ::testing::Test {
  protected:
    void SetUp() override { WriteBytes(dump_, std::vector<uint8_t>(kReadImageSize, 0x00)); }

    // Another program writes `bytes` at `position` of the dump, as a save would.
    void Write(int64_t position, std::vector<uint8_t> bytes) const {
        const int fd = ::open(dump_.c_str(), O_WRONLY);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::pwrite(fd, bytes.data(), bytes.size(), position),
                  static_cast<ssize_t>(bytes.size()));
        ::close(fd);
    }

    // Every load a reader makes, each from the same dump: the font, and the guess of the phone.
    std::vector<Status> LoadAll(const std::function<void()>& meanwhile) {
        const std::vector<uint8_t> dump = testing::ReadBytes(dump_);
        const FontLayout layout =
            LookupLayout(Edition::Cyrillic, PhoneModel::SME45, FontKind::Normal);
        std::vector<Status> outcomes;
        ReaderOnlyFileSystem font_fs(dump_, meanwhile);
        outcomes.push_back(
            ReadFlashFont(dump_, Edition::Cyrillic, layout, kAllBlocks, font_, font_fs));
        Restore(dump);
        std::vector<LayoutScore> scores;
        ReaderOnlyFileSystem identify_fs(dump_, meanwhile);
        outcomes.push_back(IdentifyLayouts(dump_, Edition::Cyrillic, &scores, identify_fs));
        Restore(dump);
        return outcomes;
    }

    // The dump as it was, without a journal.
    void Restore(const std::vector<uint8_t>& dump) const {
        ::unlink(JournalPathFor(dump_).c_str());
        WriteBytes(dump_, dump);
    }

    static void ExpectSavedWhileRead(const std::vector<Status>& outcomes) {
        for (const Status& status : outcomes) {
            ASSERT_FALSE(status.ok());
            EXPECT_EQ(status.message().id, MessageId::ImageSavedWhileRead);
        }
    }

    TempDir dir_;
    std::string dump_ = dir_.File("d.bin");
    FontImage font_;
};

TEST_F(UnguardedRead, AQuietDumpLoads) {
    for (const Status& status : LoadAll(nullptr)) EXPECT_TRUE(status.ok()) << status.text();
}

TEST_F(UnguardedRead, BytesWrittenMeanwhileTakeNothing) {
    // The change time the check goes by has the system clock's coarse grain: the dump's own must
    // lie a tick before the write.
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    const FontImage before = font_;
    ExpectSavedWhileRead(LoadAll([&] { Write(0x100, {0xAA, 0x55}); }));
    EXPECT_TRUE(font_ == before);
}

TEST_F(UnguardedRead, ASaveUnderWayTakesNothing) {
    // A journal beside the dump: a save has begun, and its bytes may be half in.
    ExpectSavedWhileRead(LoadAll([&] { WriteBytes(JournalPathFor(dump_), {'R', 'W', 'J'}); }));
}

// Cut short under the reader, the dump fails the read or the check: either way nothing is taken.
TEST_F(UnguardedRead, ADumpCutShortMeanwhileTakesNothing) {
    const FontImage before = font_;
    for (const Status& status : LoadAll([&] { ASSERT_EQ(::truncate(dump_.c_str(), 4096), 0); })) {
        EXPECT_FALSE(status.ok());
    }
    EXPECT_TRUE(font_ == before);
}

}  // namespace
}  // namespace rw
