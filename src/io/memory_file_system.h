#pragma once

#include <map>
#include <string>
#include <vector>

#include "io/file_io.h"

namespace rw {

// Files held in memory, for fuzzing and for tools that must not touch the disk. Paths are plain
// keys; there are no directories. Behaves like the system's: a missing file is ENOENT, creating
// an existing one EEXIST, a read past the end returns what is there.
class MemoryFileSystem final : public FileSystem {
  public:
    void Put(const std::string& path, std::vector<uint8_t> bytes) {
        files_[path] = std::move(bytes);
    }
    const std::vector<uint8_t>* Get(const std::string& path) const;

    int OpenForReading(const std::string& path) override;
    int OpenExistingForWriting(const std::string& path) override;
    int CreateNew(const std::string& path) override;
    int64_t Size(int fd) override;
    int64_t ReadAt(int fd, void* buffer, size_t count, int64_t position) override;
    int64_t WriteAt(int fd, const void* buffer, size_t count, int64_t position) override;
    int Flush(int fd) override;
    int Close(int fd) override;
    int Rename(const std::string& from, const std::string& to) override;
    int Remove(const std::string& path) override;

  private:
    struct OpenFile {
        std::string path;
        bool writable;
    };
    std::vector<uint8_t>* FileOf(int fd);
    int Open(const std::string& path, bool writable);

    std::map<std::string, std::vector<uint8_t>> files_;
    std::map<int, OpenFile> open_;
    int next_fd_ = 3;
};

}  // namespace rw
