#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "io/file_io.h"

namespace rw::testing {

// The real file system, except that the n-th write does something of the test's first: stop
// the process half-way through it, the way a crash or a kill -9 would find it, or send it a signal.
class PausingFileSystem : public FileSystem {
  public:
    using Interruption = std::function<void(int fd, const void* b, size_t n, int64_t pos)>;
    PausingFileSystem(int nth, Interruption interruption)
        : nth_(nth), interruption_(std::move(interruption)) {}
    int OpenForReading(const std::string& p) override { return real().OpenForReading(p); }
    int OpenExistingForWriting(const std::string& p) override {
        return real().OpenExistingForWriting(p);
    }
    int CreateNew(const std::string& p) override { return real().CreateNew(p); }
    int64_t Size(int fd) override { return real().Size(fd); }
    int64_t ReadAt(int fd, void* b, size_t n, int64_t pos) override {
        return real().ReadAt(fd, b, n, pos);
    }
    int64_t WriteAt(int fd, const void* b, size_t n, int64_t pos) override {
        if (++writes_ == nth_) interruption_(fd, b, n, pos);
        return real().WriteAt(fd, b, n, pos);
    }
    int Flush(int fd) override { return real().Flush(fd); }
    int Close(int fd) override { return real().Close(fd); }
    int Rename(const std::string& a, const std::string& b) override { return real().Rename(a, b); }
    int Remove(const std::string& p) override { return real().Remove(p); }
    int Stat(int fd, FileInfo* i) override { return real().Stat(fd, i); }
    int StatPath(const std::string& p, FileInfo* i) override { return real().StatPath(p, i); }
    int ResolvePath(const std::string& p, std::string* r) override {
        return real().ResolvePath(p, r);
    }
    int TryLock(int fd) override { return real().TryLock(fd); }
    int FlushFolder(const std::string& f) override { return real().FlushFolder(f); }
    int CreateUnnamed(const std::string& f) override { return real().CreateUnnamed(f); }
    int LinkUnnamed(int fd, const std::string& p) override { return real().LinkUnnamed(fd, p); }
    int CopyOwnerAndMode(int fd, const FileInfo& l) override {
        return real().CopyOwnerAndMode(fd, l);
    }
    int MayWrite(const std::string& p) override { return real().MayWrite(p); }
    int Truncate(int fd, int64_t s) override { return real().Truncate(fd, s); }

    static FileSystem& real() { return SystemFileSystem(); }

  private:
    int nth_;
    Interruption interruption_;
    int writes_ = 0;
};

}  // namespace rw::testing
