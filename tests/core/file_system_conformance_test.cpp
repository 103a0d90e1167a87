// One set of cases run against the system's file operations and against the files held in memory
// that fuzzing and the tools use instead: what the core relies on, the two must do alike.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <string>
#include <vector>

#include "io/file_io.h"
#include "io/memory_file_system.h"
#include "test_files.h"

namespace rw {
namespace {

// Each kind of file system, with a place for the files of one test.
class OnTheDisk {
  public:
    FileSystem& fs() { return SystemFileSystem(); }
    std::string Path(const std::string& name) const { return dir_.File(name); }

  private:
    testing::TempDir dir_;
};

class InMemory {
  public:
    FileSystem& fs() { return fs_; }
    std::string Path(const std::string& name) const { return "/memory/" + name; }

  private:
    MemoryFileSystem fs_;
};

template <typename Kind>
class FileSystemConformance : public ::testing::Test {
  protected:
    FileSystem& fs() { return kind_.fs(); }
    std::string Path(const std::string& name) const { return kind_.Path(name); }

    // A new file holding `bytes`, closed again.
    void Make(const std::string& name, const std::vector<uint8_t>& bytes) {
        const int fd = fs().CreateNew(Path(name));
        ASSERT_GE(fd, 0);
        ASSERT_EQ(fs().WriteAt(fd, bytes.data(), bytes.size(), 0),
                  static_cast<int64_t>(bytes.size()));
        ASSERT_EQ(fs().Close(fd), 0);
    }
    std::vector<uint8_t> Contents(const std::string& name) {
        const int fd = fs().OpenForReading(Path(name));
        EXPECT_GE(fd, 0);
        if (fd < 0) return {};
        std::vector<uint8_t> bytes(static_cast<size_t>(fs().Size(fd)));
        EXPECT_EQ(fs().ReadAt(fd, bytes.data(), bytes.size(), 0),
                  static_cast<int64_t>(bytes.size()));
        EXPECT_EQ(fs().Close(fd), 0);
        return bytes;
    }

  private:
    Kind kind_;
};

using Kinds = ::testing::Types<OnTheDisk, InMemory>;
TYPED_TEST_SUITE(FileSystemConformance, Kinds);

TYPED_TEST(FileSystemConformance, AMissingNameIsNotFoundByEveryCallThatNamesIt) {
    const std::string missing = this->Path("missing");
    FileInfo info;
    std::string resolved;
    EXPECT_EQ(this->fs().OpenForReading(missing), -ENOENT);
    EXPECT_EQ(this->fs().OpenForReadingNoFollow(missing), -ENOENT);
    EXPECT_EQ(this->fs().OpenExistingForWriting(missing), -ENOENT);
    EXPECT_EQ(this->fs().StatPath(missing, &info), -ENOENT);
    EXPECT_EQ(this->fs().ResolvePath(missing, &resolved), -ENOENT);
    EXPECT_EQ(this->fs().MayWrite(missing), -ENOENT);
    EXPECT_EQ(this->fs().Remove(missing), -ENOENT);
    EXPECT_EQ(this->fs().Rename(missing, this->Path("other")), -ENOENT);
    EXPECT_EQ(this->fs().StatPath(this->Path("other"), &info), -ENOENT);
}

TYPED_TEST(FileSystemConformance, CreatingANameThatExistsFailsAndLeavesItsBytes) {
    this->Make("font.sft", {1, 2, 3});
    EXPECT_EQ(this->fs().CreateNew(this->Path("font.sft")), -EEXIST);
    EXPECT_EQ(this->fs().CreateNewPrivate(this->Path("font.sft")), -EEXIST);
    EXPECT_EQ(this->Contents("font.sft"), (std::vector<uint8_t>{1, 2, 3}));
}

TYPED_TEST(FileSystemConformance, AReadPastTheEndReturnsWhatIsThereAndAWritePastItFillsWithZeros) {
    this->Make("dump.bin", {10, 11, 12, 13, 14});
    const int fd = this->fs().OpenExistingForWriting(this->Path("dump.bin"));
    ASSERT_GE(fd, 0);
    EXPECT_EQ(this->fs().Size(fd), 5);
    std::vector<uint8_t> buffer(10, 0xEE);
    EXPECT_EQ(this->fs().ReadAt(fd, buffer.data(), buffer.size(), 2), 3);
    EXPECT_EQ(buffer[0], 12);
    EXPECT_EQ(buffer[2], 14);
    EXPECT_EQ(buffer[3], 0xEE);
    EXPECT_EQ(this->fs().ReadAt(fd, buffer.data(), buffer.size(), 5), 0);
    EXPECT_EQ(this->fs().ReadAt(fd, buffer.data(), buffer.size(), 100), 0);

    const uint8_t last = 99;
    EXPECT_EQ(this->fs().WriteAt(fd, &last, 1, 8), 1);
    EXPECT_EQ(this->fs().Size(fd), 9);
    EXPECT_EQ(this->fs().Flush(fd), 0);
    EXPECT_EQ(this->fs().Close(fd), 0);
    EXPECT_EQ(this->Contents("dump.bin"), (std::vector<uint8_t>{10, 11, 12, 13, 14, 0, 0, 0, 99}));
}

TYPED_TEST(FileSystemConformance, OpeningForWritingKeepsTheBytesUntilATruncate) {
    this->Make("dump.bin", {1, 2, 3, 4});
    const int fd = this->fs().OpenExistingForWriting(this->Path("dump.bin"));
    ASSERT_GE(fd, 0);
    EXPECT_EQ(this->fs().Size(fd), 4);
    const uint8_t patched = 7;
    EXPECT_EQ(this->fs().WriteAt(fd, &patched, 1, 1), 1);
    EXPECT_EQ(this->Contents("dump.bin"), (std::vector<uint8_t>{1, 7, 3, 4}));
    EXPECT_EQ(this->fs().Truncate(fd, 2), 0);
    EXPECT_EQ(this->fs().Close(fd), 0);
    EXPECT_EQ(this->Contents("dump.bin"), (std::vector<uint8_t>{1, 7}));
}

TYPED_TEST(FileSystemConformance, AFileOpenedForReadingRefusesWritesAndTruncation) {
    this->Make("font.sft", {1, 2, 3});
    const int fd = this->fs().OpenForReading(this->Path("font.sft"));
    ASSERT_GE(fd, 0);
    const uint8_t byte = 9;
    EXPECT_LT(this->fs().WriteAt(fd, &byte, 1, 0), 0);
    EXPECT_LT(this->fs().Truncate(fd, 0), 0);
    EXPECT_EQ(this->fs().Close(fd), 0);
    EXPECT_EQ(this->Contents("font.sft"), (std::vector<uint8_t>{1, 2, 3}));
}

TYPED_TEST(FileSystemConformance, AClosedDescriptorIsRefused) {
    this->Make("font.sft", {1});
    const int fd = this->fs().OpenForReading(this->Path("font.sft"));
    ASSERT_GE(fd, 0);
    ASSERT_EQ(this->fs().Close(fd), 0);
    FileInfo info;
    uint8_t byte = 0;
    EXPECT_EQ(this->fs().Close(fd), -EBADF);
    EXPECT_EQ(this->fs().Size(fd), -EBADF);
    EXPECT_EQ(this->fs().ReadAt(fd, &byte, 1, 0), -EBADF);
    EXPECT_EQ(this->fs().Stat(fd, &info), -EBADF);
}

TYPED_TEST(FileSystemConformance, AFileIsRegularWithOneLinkAndKnownByItsNameAndItsDescriptor) {
    this->Make("a.sft", {1, 2, 3});
    this->Make("b.sft", {4});
    FileInfo by_name;
    FileInfo other;
    ASSERT_EQ(this->fs().StatPath(this->Path("a.sft"), &by_name), 0);
    ASSERT_EQ(this->fs().StatPath(this->Path("b.sft"), &other), 0);
    EXPECT_TRUE(by_name.regular());
    EXPECT_FALSE(by_name.folder());
    EXPECT_EQ(by_name.links, 1u);
    EXPECT_EQ(by_name.size, 3);
    EXPECT_FALSE(by_name.SameFileAs(other));

    const int fd = this->fs().OpenForReading(this->Path("a.sft"));
    ASSERT_GE(fd, 0);
    FileInfo by_descriptor;
    EXPECT_EQ(this->fs().Stat(fd, &by_descriptor), 0);
    EXPECT_TRUE(by_descriptor.SameFileAs(by_name));
    EXPECT_EQ(by_descriptor.size, 3);
    EXPECT_EQ(this->fs().Close(fd), 0);

    std::string resolved;
    ASSERT_EQ(this->fs().ResolvePath(this->Path("a.sft"), &resolved), 0);
    FileInfo by_resolved;
    ASSERT_EQ(this->fs().StatPath(resolved, &by_resolved), 0);
    EXPECT_TRUE(by_resolved.SameFileAs(by_name));
    EXPECT_EQ(this->fs().MayWrite(this->Path("a.sft")), 0);
}

TYPED_TEST(FileSystemConformance, ARenameReplacesTheTargetAndTheFileKeepsItsIdentity) {
    this->Make("new.tmp", {5, 6});
    this->Make("font.sft", {1, 2, 3});
    FileInfo before;
    ASSERT_EQ(this->fs().StatPath(this->Path("new.tmp"), &before), 0);
    ASSERT_EQ(this->fs().Rename(this->Path("new.tmp"), this->Path("font.sft")), 0);
    FileInfo after;
    ASSERT_EQ(this->fs().StatPath(this->Path("font.sft"), &after), 0);
    EXPECT_TRUE(after.SameFileAs(before));
    EXPECT_EQ(this->Contents("font.sft"), (std::vector<uint8_t>{5, 6}));
    EXPECT_EQ(this->fs().StatPath(this->Path("new.tmp"), &after), -ENOENT);
    EXPECT_EQ(this->fs().Remove(this->Path("font.sft")), 0);
    EXPECT_EQ(this->fs().StatPath(this->Path("font.sft"), &after), -ENOENT);
}

}  // namespace
}  // namespace rw
