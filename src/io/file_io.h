#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "io/status.h"

namespace rw {

// What tells a file from a later one to which the file system gave the same inode number (ext4
// hands a freed number to the next new file): its birth time where the file system keeps one,
// else the inode's generation where it gives one. Neither known: only device, inode and size
// tell files apart (see docs/architecture.md).
struct FileOrigin {
    std::optional<int64_t> birth_ns;  // nanoseconds since the epoch
    std::optional<uint64_t> generation;

    friend bool operator==(const FileOrigin&, const FileOrigin&) = default;
};

// What the system knows of an open file or a name: enough to tell two names of one file apart,
// to refuse devices and pipes, and to give a replacement the old file's mode and owner.
struct FileInfo {
    uint64_t device = 0;
    uint64_t inode = 0;
    uint32_t mode = 0;  // type and permission bits, as st_mode
    uint32_t owner = 0;
    uint32_t group = 0;
    uint64_t links = 1;
    int64_t size = 0;
    // When its bytes or its inode last changed (ctime), in nanoseconds; 0 where not known.
    int64_t changed_ns = 0;
    FileOrigin origin;

    bool regular() const;
    bool folder() const;
    bool SameFileAs(const FileInfo& other) const {
        return device == other.device && inode == other.inode;
    }
};

// Readers share a file; a writer holds it alone.
enum class LockMode { Shared, Exclusive };

// The one place that asks the operating system for file operations. Every call returns a
// non-negative result or -errno. Tests substitute their own to make any step fail.
class FileSystem {
  public:
    virtual ~FileSystem() = default;
    virtual int OpenForReading(const std::string& path) = 0;
    // The same, but a symbolic link as the last part of the path fails with -ELOOP instead of
    // being followed: for files only this program makes, which a link could aim elsewhere.
    virtual int OpenForReadingNoFollow(const std::string& path) = 0;
    // An existing file only, opened for reading and writing, never created or truncated.
    virtual int OpenExistingForWriting(const std::string& path) = 0;
    // A new file; fails when the name exists.
    virtual int CreateNew(const std::string& path) = 0;
    // The same, readable and writable by its owner alone.
    virtual int CreateNewPrivate(const std::string& path) = 0;
    virtual int64_t Size(int fd) = 0;
    virtual int64_t ReadAt(int fd, void* buffer, size_t count, int64_t position) = 0;
    virtual int64_t WriteAt(int fd, const void* buffer, size_t count, int64_t position) = 0;
    virtual int Flush(int fd) = 0;
    virtual int Close(int fd) = 0;
    virtual int Rename(const std::string& from, const std::string& to) = 0;
    virtual int Remove(const std::string& path) = 0;

    virtual int Stat(int fd, FileInfo* info) = 0;
    // Follows symbolic links.
    virtual int StatPath(const std::string& path, FileInfo* info) = 0;
    // The path with every symbolic link resolved; fails for a name that does not exist.
    virtual int ResolvePath(const std::string& path, std::string* resolved) = 0;
    // An advisory lock held until the file is closed; -EWOULDBLOCK when another program holds
    // one that excludes it.
    virtual int TryLock(int fd, LockMode mode) = 0;
    // Puts the folder's entries (new, renamed and removed names) on the disk.
    virtual int FlushFolder(const std::string& folder) = 0;
    // A file without a name in the folder (O_TMPFILE), or -EOPNOTSUPP where that is not offered.
    virtual int CreateUnnamed(const std::string& folder) = 0;
    // Gives an unnamed file a name; fails with -EEXIST when the name is taken.
    virtual int LinkUnnamed(int fd, const std::string& path) = 0;
    // The mode bits, and the owner and group where the caller may give them (else left as is).
    virtual int CopyOwnerAndMode(int fd, const FileInfo& like) = 0;
    // Whether the caller may write the file by its permissions (root included, see safe_replace).
    virtual int MayWrite(const std::string& path) = 0;
    virtual int Truncate(int fd, int64_t size) = 0;
    // The user the program acts as.
    virtual uint32_t EffectiveUser() = 0;
    // Whether `user` is a member of `group` (its primary group or a supplementary one). Not
    // pure: every file system asks the system's user database.
    virtual bool UserInGroup(uint32_t user, uint32_t group);
    // The users (effective ids) of the processes holding a flock on the open file `fd`; fails
    // where the system does not tell (no /proc). Not pure, as UserInGroup.
    virtual int LockHolders(int fd, std::vector<uint32_t>* users);
};

// Whether `user` may write the file `info` describes by its permission bits: its owner, root,
// the user running the program, a member of its group where the group may write it, anyone
// where others may.
bool MayWriteFile(FileSystem& fs, uint32_t user, const FileInfo& info);

// The login name of a user, or its number when it has none.
std::string UserName(uint32_t user);

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
    // Takes over a descriptor the FileSystem opened (a file without a name); fails for -errno.
    Status Adopt(int fd) { return Opened(fd); }

    Status Size(int64_t* size);
    Status Stat(FileInfo* info);
    // Waits briefly for another program's lock, then fails with kInUse. A save holds the file
    // alone; loads share it, so they never see a save half done. A lock held only by users who
    // may not write the file stops no save: anyone who may read a file can lock it, and would
    // otherwise make every save of its owner fail.
    Status LockExclusive() { return Lock(LockMode::Exclusive); }
    Status LockShared() { return Lock(LockMode::Shared); }
    // Reads exactly buffer.size() bytes; a short read is "Read beyond end of file".
    Status ReadAt(int64_t position, std::span<uint8_t> buffer);
    Status WriteAt(int64_t position, std::span<const uint8_t> bytes);
    Status Flush();
    Status Close();

    const std::string& path() const { return path_; }
    Status Failure(int error) const;

    int fd() const { return fd_; }

  private:
    Status Opened(int fd);
    Status OpenedRegular(int fd);
    Status Lock(LockMode mode);
    bool HeldOnlyByReaders();

    FileSystem& fs_;
    std::string path_;
    int fd_ = -1;
};

// "NAME: a folder, not a file": what a folder chosen as a file is told.
Status FolderFailure(const std::string& path);

// The folder a path lies in ("." for a bare name).
std::string FolderOf(const std::string& path);
// The name without its folder.
std::string BaseNameOf(const std::string& path);
// The path with its name's extension replaced by `extension` (".sft"), or added where it has
// none; empty for an empty path.
std::string WithExtension(const std::string& path, const std::string& extension);

// Fails, naming `output`, when both names exist and are one file (same device and inode).
Status RefuseSameFile(FileSystem& fs, const std::string& input, const std::string& output);

// Replaces or creates `path` with `bytes` safely (see safe_replace.h): a failure leaves any
// existing file as it was and no temporary behind.
Status WriteFileAtomically(FileSystem& fs, const std::string& path, std::span<const uint8_t> bytes);

}  // namespace rw
