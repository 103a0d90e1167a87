#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "io/status.h"

namespace rw {

// The one place that asks the operating system for file operations. Every call returns a
// non-negative result or -errno. Tests substitute their own to make any step fail.
class FileSystem {
  public:
    virtual ~FileSystem() = default;
    virtual int OpenForReading(const std::string& path) = 0;
    // An existing file only, opened for reading and writing, never created or truncated.
    virtual int OpenExistingForWriting(const std::string& path) = 0;
    // A new file; fails when the name exists.
    virtual int CreateNew(const std::string& path) = 0;
    virtual int64_t Size(int fd) = 0;
    virtual int64_t ReadAt(int fd, void* buffer, size_t count, int64_t position) = 0;
    virtual int64_t WriteAt(int fd, const void* buffer, size_t count, int64_t position) = 0;
    virtual int Flush(int fd) = 0;
    virtual int Close(int fd) = 0;
    virtual int Rename(const std::string& from, const std::string& to) = 0;
    virtual int Remove(const std::string& path) = 0;
};

FileSystem& SystemFileSystem();

// The standard text for an errno value.
std::string ErrorText(int error);

// An open file that reports failures as Status values naming its path. Closes itself.
class File {
  public:
    File(FileSystem& fs, std::string path) : fs_(fs), path_(std::move(path)) {}
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    ~File();

    Status OpenForReading();
    Status OpenExistingForWriting();
    Status CreateNew();

    Status Size(int64_t* size);
    // Reads exactly buffer.size() bytes; a short read is "Read beyond end of file".
    Status ReadAt(int64_t position, std::span<uint8_t> buffer);
    Status WriteAt(int64_t position, std::span<const uint8_t> bytes);
    Status Flush();
    Status Close();

    const std::string& path() const { return path_; }
    Status Failure(int error) const { return Status::Failure(path_, ErrorText(error)); }

  private:
    Status Opened(int fd);

    FileSystem& fs_;
    std::string path_;
    int fd_ = -1;
};

// Reads the first `count` bytes of a file; a shorter file is "Read beyond end of file".
Status ReadFilePrefix(FileSystem& fs, const std::string& path, size_t count,
                      std::vector<uint8_t>* bytes);

// Replaces or creates `path` with `bytes` through a temporary file beside it and a rename, so a
// failure leaves any existing file as it was and no temporary behind.
Status WriteFileAtomically(FileSystem& fs, const std::string& path, std::span<const uint8_t> bytes);

}  // namespace rw
