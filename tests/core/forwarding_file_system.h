#pragma once

#include "io/file_io.h"

namespace rw::testing {

// The system's file operations, passed on one by one, for a test to override the few it watches.
class ForwardingFileSystem : public FileSystem {
  public:
    int OpenForReading(const std::string& p) override { return real().OpenForReading(p); }
    int OpenForReadingNoFollow(const std::string& p) override {
        return real().OpenForReadingNoFollow(p);
    }
    int OpenExistingForWriting(const std::string& p) override {
        return real().OpenExistingForWriting(p);
    }
    int CreateNew(const std::string& p) override { return real().CreateNew(p); }
    int CreateNewPrivate(const std::string& p) override { return real().CreateNewPrivate(p); }
    int64_t Size(int fd) override { return real().Size(fd); }
    int64_t ReadAt(int fd, void* b, size_t n, int64_t pos) override {
        return real().ReadAt(fd, b, n, pos);
    }
    int64_t WriteAt(int fd, const void* b, size_t n, int64_t pos) override {
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
    int TryLock(int fd, LockMode mode) override { return real().TryLock(fd, mode); }
    int FlushFolder(const std::string& f) override { return real().FlushFolder(f); }
    int CreateUnnamed(const std::string& f) override { return real().CreateUnnamed(f); }
    int LinkUnnamed(int fd, const std::string& p) override { return real().LinkUnnamed(fd, p); }
    int CopyOwnerAndMode(int fd, const FileInfo& l) override {
        return real().CopyOwnerAndMode(fd, l);
    }
    int MayWrite(const std::string& p) override { return real().MayWrite(p); }
    int Truncate(int fd, int64_t s) override { return real().Truncate(fd, s); }
    uint32_t EffectiveUser() override { return real().EffectiveUser(); }

    static FileSystem& real() { return SystemFileSystem(); }
};

}  // namespace rw::testing
