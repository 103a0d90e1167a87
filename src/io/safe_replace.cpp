#include "io/safe_replace.h"

#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <random>
#include <vector>

#include "io/signal_shield.h"

namespace rw {
namespace {

// Another user who creates names in a shared folder cannot guess 64 random bits; a clash with
// an existing name is retried with fresh ones.
constexpr int kNameAttempts = 16;

uint64_t RandomBits() {
    std::random_device entropy;
    return uint64_t{entropy()} << 32 | entropy();
}

Status Failed(const std::string& path, int result) {
    return Status::Failure(path, ErrorText(-result));
}

// What the replacement must know of the file it replaces.
struct Target {
    std::string path;  // links resolved
    bool exists = false;
    FileInfo info;
};

Status FindTarget(FileSystem& fs, const std::string& path, Target* target) {
    target->path = path;
    const int found = fs.StatPath(path, &target->info);
    if (found == -ENOENT) return Status::Ok();
    if (found < 0) return Failed(path, found);
    target->exists = true;
    const int resolved = fs.ResolvePath(path, &target->path);
    return resolved < 0 ? Failed(path, resolved) : Status::Ok();
}

// Root may write any file, but a file that has no write bit was made read-only on purpose.
Status MayReplace(FileSystem& fs, const std::string& path, const Target& target) {
    if (!target.info.regular()) return Status::Failure(path, kNotRegularFile);
    if ((target.info.mode & 0222) == 0) return Status::Failure(path, kReadOnlyFile);
    const int may = fs.MayWrite(target.path);
    if (may == -EACCES || may == -EPERM || may == -EROFS) {
        return Status::Failure(path, kReadOnlyFile);
    }
    return may < 0 ? Failed(path, may) : Status::Ok();
}

// Several names share this file: writing in place keeps all of them pointing at the new bytes.
// It is not atomic, so the old bytes are kept and written back if the write fails.
Status ReplaceInPlace(FileSystem& fs, const Target& target, std::span<const uint8_t> bytes) {
    File file(fs, target.path);
    Status status = file.OpenExistingForWriting();
    if (!status.ok()) return status;
    std::vector<uint8_t> old(static_cast<size_t>(target.info.size));
    status = file.ReadAt(0, old);
    if (!status.ok()) return status;
    status = file.WriteAt(0, bytes);
    if (status.ok()) {
        const int cut = fs.Truncate(file.fd(), static_cast<int64_t>(bytes.size()));
        if (cut < 0) status = Failed(target.path, cut);
    }
    if (status.ok()) status = file.Flush();
    if (status.ok()) return file.Close();

    Status restored = file.WriteAt(0, old);
    if (restored.ok() && fs.Truncate(file.fd(), target.info.size) < 0) {
        restored = Failed(target.path, -EIO);
    }
    if (restored.ok()) restored = file.Flush();
    if (!restored.ok()) {
        return Status::PartlyWritten(target.path,
                                     Message{MessageId::FilePartlyWritten, {}, {status.message()}});
    }
    return status;
}

// The new bytes in a file of their own with the old file's mode and owner, flushed, and given
// the temporary name that *temporary receives. The file starts without a name where the file
// system offers that, so a kill before the link leaves nothing behind.
Status WriteTemporary(FileSystem& fs, const Target& target, std::span<const uint8_t> bytes,
                      std::string* temporary) {
    const std::string folder = FolderOf(target.path);
    File file(fs, target.path);
    const int unnamed = fs.CreateUnnamed(folder);
    Status status;
    if (unnamed != -EOPNOTSUPP) {
        status = file.Adopt(unnamed);
        if (!status.ok()) return status;
    } else {
        for (int attempt = 0;; ++attempt) {
            *temporary = TemporaryNameFor(target.path, RandomBits());
            const int fd = fs.CreateNew(*temporary);
            if (fd == -EEXIST && attempt + 1 < kNameAttempts) continue;
            status = file.Adopt(fd);
            if (!status.ok()) return status;
            break;
        }
    }
    status = file.WriteAt(0, bytes);
    if (status.ok() && target.exists) {
        const int copied = fs.CopyOwnerAndMode(file.fd(), target.info);
        if (copied < 0) status = Failed(target.path, copied);
    }
    // The flush comes last so that it covers the mode and owner as well as the bytes.
    if (status.ok()) status = file.Flush();
    for (int attempt = 0; status.ok() && unnamed != -EOPNOTSUPP; ++attempt) {
        *temporary = TemporaryNameFor(target.path, RandomBits());
        const int linked = fs.LinkUnnamed(file.fd(), *temporary);
        if (linked == 0) break;
        if (linked != -EEXIST || attempt + 1 >= kNameAttempts) {
            temporary->clear();
            status = Failed(target.path, linked);
        }
    }
    const Status closed = file.Close();
    if (status.ok()) status = closed;
    return status;
}

Status ReplaceByRename(FileSystem& fs, const Target& target, std::span<const uint8_t> bytes) {
    std::string temporary;
    Status status = WriteTemporary(fs, target, bytes, &temporary);
    if (status.ok()) {
        const int renamed = fs.Rename(temporary, target.path);
        if (renamed == 0) {
            // Without this a crash could bring the old file back after a reported success.
            const int flushed = fs.FlushFolder(FolderOf(target.path));
            return flushed < 0 ? Failed(target.path, flushed) : Status::Ok();
        }
        status = Failed(target.path, renamed);
    }
    if (!temporary.empty()) fs.Remove(temporary);
    return status;
}

}  // namespace

std::string TemporaryNameFor(const std::string& target, uint64_t random) {
    char digits[17];
    std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(random));
    // At most 32 bytes of the name: "." + start + "." + 16 digits fits NAME_MAX for any name.
    static_assert(1 + 32 + 1 + 16 <= NAME_MAX);
    const std::string start = BaseNameOf(target).substr(0, 32);
    return FolderOf(target) + "/." + start + "." + digits;
}

Status ReplaceFile(FileSystem& fs, const std::string& path, std::span<const uint8_t> bytes,
                   const ExistingFileCheck& accept_existing) {
    Target target;
    Status status = FindTarget(fs, path, &target);
    if (!status.ok()) return status;
    File lock(fs, target.path);
    if (target.exists) {
        status = MayReplace(fs, path, target);
        if (status.ok() && accept_existing) status = accept_existing(target.info);
        if (status.ok()) status = lock.OpenForReading();
        if (status.ok()) status = lock.LockExclusive();
        // Another program may have replaced it while this one waited for the lock.
        if (status.ok()) status = FindTarget(fs, path, &target);
        if (!status.ok()) return Status::Failure(path, status.message());
    }
    const SignalShield shield;
    status = target.exists && target.info.links > 1 ? ReplaceInPlace(fs, target, bytes)
                                                    : ReplaceByRename(fs, target, bytes);
    if (!status.ok() && !status.partly_written()) return Status::Failure(path, status.message());
    return status;
}

Status WriteFileAtomically(FileSystem& fs, const std::string& path,
                           std::span<const uint8_t> bytes) {
    return ReplaceFile(fs, path, bytes);
}

}  // namespace rw
