#include "io/file_io.h"

#include <fcntl.h>
#include <grp.h>
// The inode generation and the birth time are Linux's; elsewhere (the browser's build, which
// reaches no disk through this file system) a file has no origin.
#if defined(__linux__)
#include <linux/fs.h>
#endif
#include <pwd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

namespace rw {
namespace {

int ResultOrErrno(int result) {
    return result < 0 ? -errno : result;
}
int64_t ResultOrErrno64(int64_t result) {
    return result < 0 ? -errno : result;
}

FileInfo InfoOf(const struct stat& st) {
    FileInfo info;
    info.device = st.st_dev;
    info.inode = st.st_ino;
    info.mode = st.st_mode;
    info.owner = st.st_uid;
    info.group = st.st_gid;
    info.links = st.st_nlink;
    info.size = st.st_size;
    info.changed_ns = int64_t{st.st_ctim.tv_sec} * 1'000'000'000 + int64_t{st.st_ctim.tv_nsec};
    return info;
}

// The birth time by statx where the file system keeps one, else the generation by ioctl where it
// gives one; `path` is "" for an open file `fd`.
FileOrigin OriginOf(int fd, const char* path) {
    FileOrigin origin;
#if defined(__linux__)
    struct statx stx {};
    const int flags = *path == '\0' ? AT_EMPTY_PATH : 0;
    if (::statx(fd, path, flags, STATX_BTIME, &stx) == 0 && (stx.stx_mask & STATX_BTIME) != 0) {
        origin.birth_ns =
            int64_t{stx.stx_btime.tv_sec} * 1'000'000'000 + int64_t{stx.stx_btime.tv_nsec};
        return origin;
    }
    const int own = *path == '\0' ? -1 : ::open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    int generation = 0;
    if (::ioctl(own >= 0 ? own : fd, FS_IOC_GETVERSION, &generation) == 0) {
        origin.generation = static_cast<uint32_t>(generation);
    }
    if (own >= 0) ::close(own);
#else
    (void)fd;
    (void)path;
#endif
    return origin;
}

// Opens never wait: O_NONBLOCK keeps a FIFO from hanging the open, and File checks the type
// with fstat right after. For regular files the flag changes nothing.
class PosixFileSystem final : public FileSystem {
  public:
    int OpenForReading(const std::string& path) override {
        return ResultOrErrno(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    }
    int OpenForReadingNoFollow(const std::string& path) override {
        return ResultOrErrno(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW));
    }
    int OpenExistingForWriting(const std::string& path) override {
        return ResultOrErrno(::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK));
    }
    int CreateNew(const std::string& path) override {
        return ResultOrErrno(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    }
    int CreateNewPrivate(const std::string& path) override {
        return ResultOrErrno(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
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

    int Stat(int fd, FileInfo* info) override {
        struct stat st {};
        if (::fstat(fd, &st) < 0) return -errno;
        *info = InfoOf(st);
        info->origin = OriginOf(fd, "");
        return 0;
    }
    int StatPath(const std::string& path, FileInfo* info) override {
        struct stat st {};
        if (::stat(path.c_str(), &st) < 0) return -errno;
        *info = InfoOf(st);
        if (S_ISREG(st.st_mode)) info->origin = OriginOf(AT_FDCWD, path.c_str());
        return 0;
    }
    int ResolvePath(const std::string& path, std::string* resolved) override {
        char* real = ::realpath(path.c_str(), nullptr);
        if (!real) return -errno;
        *resolved = real;
        std::free(real);
        return 0;
    }
    int TryLock(int fd, LockMode mode) override {
        const int operation = mode == LockMode::Shared ? LOCK_SH : LOCK_EX;
        while (::flock(fd, operation | LOCK_NB) < 0) {
            if (errno != EINTR) return -errno;
        }
        return 0;
    }
    int FlushFolder(const std::string& folder) override {
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) return -errno;
        const int result = ResultOrErrno(::fsync(fd));
        ::close(fd);
        return result;
    }
    int CreateUnnamed(const std::string& folder) override {
        const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (fd >= 0) return fd;
        // Older kernels and some file systems (NFS, FUSE) know no O_TMPFILE.
        if (errno == EISDIR || errno == EOPNOTSUPP || errno == EINVAL) return -EOPNOTSUPP;
        return -errno;
    }
    int LinkUnnamed(int fd, const std::string& path) override {
        const std::string self = "/proc/self/fd/" + std::to_string(fd);
        return ResultOrErrno(
            ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW));
    }
    int CopyOwnerAndMode(int fd, const FileInfo& like) override {
        // A user may not give a file away; root keeps the owner, a user at least the group.
        if (::fchown(fd, like.owner, like.group) < 0)
            (void)::fchown(fd, static_cast<uid_t>(-1), like.group);
        return ResultOrErrno(::fchmod(fd, like.mode & 07777));
    }
    int MayWrite(const std::string& path) override {
        return ResultOrErrno(::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS));
    }
    int Truncate(int fd, int64_t size) override { return ResultOrErrno(::ftruncate(fd, size)); }
    uint32_t EffectiveUser() override { return ::geteuid(); }
};

}  // namespace

bool FileSystem::UserInGroup(uint32_t user, uint32_t group) {
    std::vector<char> buffer(16384);
    struct passwd entry {};
    struct passwd* found = nullptr;
    if (::getpwuid_r(user, &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr)
        return false;
    if (entry.pw_gid == group) return true;
#if defined(__linux__)
    int count = 64;
    std::vector<gid_t> groups(static_cast<size_t>(count));
    if (::getgrouplist(entry.pw_name, entry.pw_gid, groups.data(), &count) < 0) {
        groups.resize(static_cast<size_t>(count));
        if (::getgrouplist(entry.pw_name, entry.pw_gid, groups.data(), &count) < 0) return false;
    }
    groups.resize(static_cast<size_t>(count));
    return std::find(groups.begin(), groups.end(), group) != groups.end();
#else
    // The browser's build has no user database beyond the primary group.
    return false;
#endif
}

int FileSystem::LockHolders(int fd, std::vector<uint32_t>* users) {
    struct stat st {};
    if (::fstat(fd, &st) < 0) return -errno;
    std::FILE* locks = std::fopen("/proc/locks", "re");
    if (locks == nullptr) return -errno;
    // "1: FLOCK  ADVISORY  READ  1234 fd:01:5678 0 EOF"
    char line[256];
    char device[64];
    const std::string inode = ":" + std::to_string(st.st_ino);
    char wanted[64];
    std::snprintf(wanted, sizeof wanted, "%02x:%02x", major(st.st_dev), minor(st.st_dev));
    users->clear();
    while (std::fgets(line, sizeof line, locks) != nullptr) {
        char kind[16];
        long pid = 0;
        if (std::sscanf(line, "%*s %15s %*s %*s %ld %63s", kind, &pid, device) != 3) continue;
        const std::string place = device;
        if (std::string(kind) != "FLOCK" || !place.starts_with(wanted) || !place.ends_with(inode))
            continue;
        struct stat process {};
        const std::string proc = "/proc/" + std::to_string(pid);
        // The owner of /proc/PID is the process's effective user.
        if (::stat(proc.c_str(), &process) == 0) users->push_back(process.st_uid);
    }
    std::fclose(locks);
    return 0;
}

bool MayWriteFile(FileSystem& fs, uint32_t user, const FileInfo& info) {
    if (user == 0 || user == info.owner || user == fs.EffectiveUser()) return true;
    if ((info.mode & S_IWOTH) != 0) return true;
    return (info.mode & S_IWGRP) != 0 && fs.UserInGroup(user, info.group);
}

std::string UserName(uint32_t user) {
    std::vector<char> buffer(16384);
    struct passwd entry {};
    struct passwd* found = nullptr;
    if (::getpwuid_r(user, &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr)
        return std::to_string(user);
    return entry.pw_name;
}

bool FileInfo::regular() const {
    return S_ISREG(mode);
}

bool FileInfo::folder() const {
    return S_ISDIR(mode);
}

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
        case EFBIG:  // a file size limit (ulimit -f) or the file system's largest file
            return kFileTooLarge;
        default:
            return "I/O error " + std::to_string(error);
    }
}

File::~File() {
    if (fd_ >= 0) fs_.Close(fd_);
}

Status File::Failure(int error) const {
    // "I/O error 21" would tell a user nothing.
    if (error == EISDIR) return FolderFailure(path_);
    return Status::Failure(path_, ErrorText(error));
}

Status File::Opened(int fd) {
    if (fd < 0) return Failure(-fd);
    fd_ = fd;
    return Status::Ok();
}

// Devices and pipes are no font or image: /dev/zero would read as an empty font, a FIFO would
// hang the first read.
Status File::OpenedRegular(int fd) {
    Status status = Opened(fd);
    if (!status.ok()) return status;
    FileInfo info;
    status = Stat(&info);
    if (status.ok() && info.folder()) status = FolderFailure(path_);
    if (status.ok() && !info.regular()) status = Status::Failure(path_, kNotRegularFile);
    if (!status.ok()) {
        fs_.Close(fd_);
        fd_ = -1;
    }
    return status;
}

Status File::OpenForReading() {
    return OpenedRegular(fs_.OpenForReading(path_));
}
Status File::OpenExistingForWriting() {
    return OpenedRegular(fs_.OpenExistingForWriting(path_));
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

Status File::Stat(FileInfo* info) {
    const int result = fs_.Stat(fd_, info);
    return result < 0 ? Failure(-result) : Status::Ok();
}

Status File::Lock(LockMode mode) {
    // Another save takes milliseconds; two seconds covers it without looking hung.
    constexpr auto kWait = std::chrono::seconds(2);
    constexpr auto kStep = std::chrono::milliseconds(50);
    const auto deadline = std::chrono::steady_clock::now() + kWait;
    for (;;) {
        const int result = fs_.TryLock(fd_, mode);
        if (result == 0) return Status::Ok();
        if (result != -EWOULDBLOCK) return Failure(-result);
        if (std::chrono::steady_clock::now() >= deadline) {
            if (mode == LockMode::Exclusive && HeldOnlyByReaders()) return Status::Ok();
            return Status::Failure(path_, kInUse);
        }
        std::this_thread::sleep_for(kStep);
    }
}

// Whether every process that holds a lock on the file is of a user who may not write it: no save
// of theirs can be under way, and their lock is a reader's (or a squatter's).
bool File::HeldOnlyByReaders() {
    FileInfo info;
    std::vector<uint32_t> holders;
    if (fs_.Stat(fd_, &info) < 0 || fs_.LockHolders(fd_, &holders) < 0 || holders.empty())
        return false;
    return std::none_of(holders.begin(), holders.end(),
                        [&](uint32_t user) { return MayWriteFile(fs_, user, info); });
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

Status FolderFailure(const std::string& path) {
    return Status::Failure(path, Message{MessageId::IsAFolder, {}});
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string WithExtension(const std::string& path, const std::string& extension) {
    if (path.empty()) return path;
    const size_t slash = path.find_last_of('/');
    const size_t dot = path.find_last_of('.');
    const bool has_extension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
    return (has_extension ? path.substr(0, dot) : path) + extension;
}

Status RefuseSameFile(FileSystem& fs, const std::string& input, const std::string& output) {
    FileInfo in;
    FileInfo out;
    if (fs.StatPath(input, &in) < 0 || fs.StatPath(output, &out) < 0) return Status::Ok();
    return in.SameFileAs(out) ? Status::Failure(output, kSameFile) : Status::Ok();
}

}  // namespace rw
