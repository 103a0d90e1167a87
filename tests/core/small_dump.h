#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "io/flash_codec.h"
#include "test_files.h"

namespace rw::testing {

// A fullflash of random bytes just large enough for the S/ME 45 Normal font moved to offset 64,
// so that a save rewrites kilobytes rather than megabytes, and a font of 0x81 bytes to save.
class SmallDump : public ::testing::Test {
  protected:
    void SetUp() override {
        const FontLayout real =
            LookupLayout(Edition::Cyrillic, PhoneModel::SME45, FontKind::Normal);
        layout_ = MovedLayout(
            real, static_cast<int32_t>(64 - FirstRecordPosition(Edition::Cyrillic, real)));
        const auto records = RecordsToRead(Edition::Cyrillic, layout_, BlockSet::FirstN(8));
        original_ = RandomBytes(static_cast<size_t>(RequiredImageSize(records, layout_) + 64), 31);
        WriteBytes(path(), original_);
        FillFont(0x81);
    }
    void FillFont(uint8_t byte) {
        for (auto& block : font_.narrow) {
            for (auto& g : block) g.fill(byte);
        }
    }
    std::string path() const { return dir_.File("dump.bin"); }
    Status SaveInto(const std::string& name, FileSystem& fs) {
        return WriteFlashFont(name, Edition::Cyrillic, layout_, font_, fs);
    }
    Status LoadFrom(const std::string& name, FileSystem& fs, FontImage& font) {
        return ReadFlashFont(name, Edition::Cyrillic, layout_, BlockSet::FirstN(8), font, fs);
    }

    TempDir dir_;
    FontLayout layout_;
    std::vector<uint8_t> original_;
    FontImage font_;
};

// Another program holding a file locked for a save: from construction, once it holds the lock,
// for `milliseconds` or until destruction ends it.
class LockHolder {
  public:
    LockHolder(const std::string& path, int milliseconds) {
        int ready[2];
        if (::pipe(ready) != 0) return;
        child_ = ::fork();
        if (child_ == 0) {
            const int fd = ::open(path.c_str(), O_RDWR);
            ::flock(fd, LOCK_EX);
            const char byte = 1;
            (void)::write(ready[1], &byte, 1);
            ::usleep(static_cast<useconds_t>(milliseconds) * 1000);
            ::_exit(0);
        }
        char byte = 0;
        (void)::read(ready[0], &byte, 1);
        ::close(ready[0]);
        ::close(ready[1]);
    }
    ~LockHolder() {
        if (child_ <= 0) return;
        ::kill(child_, SIGKILL);
        ::waitpid(child_, nullptr, 0);
    }
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;

  private:
    pid_t child_ = -1;
};

}  // namespace rw::testing
