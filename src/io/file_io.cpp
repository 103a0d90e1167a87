#include "io/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>

namespace rw {
namespace {

int ResultOrErrno(int result) {
    return result < 0 ? -errno : result;
}
int64_t ResultOrErrno64(int64_t result) {
    return result < 0 ? -errno : result;
}

class PosixFileSystem final : public FileSystem {
  public:
    int OpenForReading(const std::string& path) override {
        return ResultOrErrno(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    }
    int OpenExistingForWriting(const std::string& path) override {
        return ResultOrErrno(::open(path.c_str(), O_RDWR | O_CLOEXEC));
    }
    int CreateNew(const std::string& path) override {
        return ResultOrErrno(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    }
    int64_t Size(int fd) override {
        struct stat st {};
        if (::fstat(fd, &st) < 0) return -errno;
        if (S_ISDIR(st.st_mode)) return -EISDIR;
        return st.st_size;
    }
    int64_t ReadAt(int fd, void* buffer, size_t count, int64_t position) override {
        return ResultOrErrno64(::pread(fd, buffer, count, position));
    }
    int64_t WriteAt(int fd, const void* buffer, size_t count, int64_t position) override {
        return ResultOrErrno64(::pwrite(fd, buffer, count, position));
    }
    int Flush(int fd) override { return ResultOrErrno(::fsync(fd)); }
    int Close(int fd) override { return ResultOrErrno(::close(fd)); }
    int Rename(const std::string& from, const std::string& to) override {
        return ResultOrErrno(::rename(from.c_str(), to.c_str()));
    }
    int Remove(const std::string& path) override { return ResultOrErrno(::unlink(path.c_str())); }
};

std::string TemporaryNameBeside(const std::string& path) {
    static std::random_device entropy;
    return path + ".tmp-" + std::to_string(entropy() % 1000000);
}

}  // namespace

FileSystem& SystemFileSystem() {
    static PosixFileSystem fs;
    return fs;
}

std::string ErrorText(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return kFileNotFound;
        case EACCES:
        case EPERM:
        case EROFS:
        case ETXTBSY:
        case EEXIST:
            return kFileAccessDenied;
        case ENOSPC:
        case EDQUOT:
            return kDiskFull;
        default:
            return "I/O error " + std::to_string(error);
    }
}

File::~File() {
    if (fd_ >= 0) fs_.Close(fd_);
}

Status File::Opened(int fd) {
    if (fd < 0) return Failure(-fd);
    fd_ = fd;
    return Status::Ok();
}

Status File::OpenForReading() {
    return Opened(fs_.OpenForReading(path_));
}
Status File::OpenExistingForWriting() {
    return Opened(fs_.OpenExistingForWriting(path_));
}
Status File::CreateNew() {
    return Opened(fs_.CreateNew(path_));
}

Status File::Size(int64_t* size) {
    const int64_t result = fs_.Size(fd_);
    if (result < 0) return Failure(static_cast<int>(-result));
    *size = result;
    return Status::Ok();
}

Status File::ReadAt(int64_t position, std::span<uint8_t> buffer) {
    size_t done = 0;
    while (done < buffer.size()) {
        const int64_t n =
            fs_.ReadAt(fd_, buffer.data() + done, buffer.size() - done, position + done);
        if (n < 0) {
            if (n == -EINTR) continue;
            return Failure(static_cast<int>(-n));
        }
        if (n == 0) return Status::Failure(path_, kReadBeyondEnd);
        done += static_cast<size_t>(n);
    }
    return Status::Ok();
}

Status File::WriteAt(int64_t position, std::span<const uint8_t> bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const int64_t n =
            fs_.WriteAt(fd_, bytes.data() + done, bytes.size() - done, position + done);
        if (n < 0) {
            if (n == -EINTR) continue;
            return Failure(static_cast<int>(-n));
        }
        if (n == 0) return Status::Failure(path_, kDiskFull);
        done += static_cast<size_t>(n);
    }
    return Status::Ok();
}

Status File::Flush() {
    const int result = fs_.Flush(fd_);
    return result < 0 ? Failure(-result) : Status::Ok();
}

Status File::Close() {
    if (fd_ < 0) return Status::Ok();
    const int result = fs_.Close(fd_);
    fd_ = -1;
    return result < 0 ? Failure(-result) : Status::Ok();
}

Status ReadFilePrefix(FileSystem& fs, const std::string& path, size_t count,
                      std::vector<uint8_t>* bytes) {
    File file(fs, path);
    Status status = file.OpenForReading();
    if (!status.ok()) return status;
    std::vector<uint8_t> buffer(count);
    status = file.ReadAt(0, buffer);
    if (!status.ok()) return status;
    status = file.Close();
    if (!status.ok()) return status;
    *bytes = std::move(buffer);
    return Status::Ok();
}

Status WriteFileAtomically(FileSystem& fs, const std::string& path,
                           std::span<const uint8_t> bytes) {
    const std::string temporary = TemporaryNameBeside(path);
    Status status;
    {
        File file(fs, temporary);
        status = file.CreateNew();
        if (!status.ok()) return Status::Failure(path, status.text());
        status = file.WriteAt(0, bytes);
        if (status.ok()) status = file.Flush();
        const Status closed = file.Close();
        if (status.ok()) status = closed;
    }
    if (status.ok()) {
        const int renamed = fs.Rename(temporary, path);
        if (renamed == 0) return Status::Ok();
        status = Status::Failure(path, ErrorText(-renamed));
    }
    fs.Remove(temporary);
    return Status::Failure(path, status.text());
}

}  // namespace rw
