#pragma once

#include <cerrno>
#include <map>
#include <string>
#include <vector>

#include "io/file_io.h"

namespace rw {

// Files held in memory, for fuzzing and for tools that must not touch the disk. Paths are plain
// keys; there are no directories. Behaves like the system's: a missing file is ENOENT, creating
// an existing one EEXIST, a read past the end returns what is there. Every file is a regular
// one with a single link, its inode its name's order among all names ever made, owned by root and
// writable by its owner alone.
class MemoryFileSystem final : public FileSystem {
  public:
    void Put(const std::string& path, std::vector<uint8_t> bytes) {
        files_[path] = std::move(bytes);
        if (!inodes_.count(path)) inodes_[path] = next_inode_++;
    }
    const std::vector<uint8_t>* Get(const std::string& path) const;
    std::vector<uint8_t>* Get(const std::string& path) {
        const auto it = files_.find(path);
        return it == files_.end() ? nullptr : &it->second;
    }

    int OpenForReading(const std::string& path) override;
    int OpenForReadingNoFollow(const std::string& path) override { return OpenForReading(path); }
    int OpenExistingForWriting(const std::string& path) override;
    int CreateNew(const std::string& path) override;
    int CreateNewPrivate(const std::string& path) override { return CreateNew(path); }
    int64_t Size(int fd) override;
    int64_t ReadAt(int fd, void* buffer, size_t count, int64_t position) override;
    int64_t WriteAt(int fd, const void* buffer, size_t count, int64_t position) override;
    int Flush(int fd) override;
    int Close(int fd) override;
    int Rename(const std::string& from, const std::string& to) override;
    int Remove(const std::string& path) override;
    int Stat(int fd, FileInfo* info) override;
    int StatPath(const std::string& path, FileInfo* info) override;
    int ResolvePath(const std::string& path, std::string* resolved) override;
    int TryLock(int, LockMode) override { return 0; }
    int FlushFolder(const std::string&) override { return 0; }
    int CreateUnnamed(const std::string&) override { return -EOPNOTSUPP; }
    int LinkUnnamed(int, const std::string&) override { return -EOPNOTSUPP; }
    int CopyOwnerAndMode(int, const FileInfo&) override { return 0; }
    int MayWrite(const std::string& path) override;
    int Truncate(int fd, int64_t size) override;
    uint32_t EffectiveUser() override { return 0; }

  private:
    struct OpenFile {
        std::string path;
        bool writable;
    };
    std::vector<uint8_t>* FileOf(int fd);
    int Open(const std::string& path, bool writable);

    FileInfo InfoOf(const std::string& path) const;

    std::map<std::string, std::vector<uint8_t>> files_;
    std::map<std::string, uint64_t> inodes_;
    std::map<int, OpenFile> open_;
    int next_fd_ = 3;
    uint64_t next_inode_ = 1;
};

}  // namespace rw
