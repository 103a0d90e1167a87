#pragma once

#include <cerrno>
#include <string>

#include "io/file_io.h"

namespace rw::testing {

// The system's file operations, except that the n-th operation of a chosen kind fails with a
// chosen errno (and, with `times`, the ones after it too: a disk that stays broken). Counts every
// operation so a test can walk a failure through each step.
class FaultyFileSystem final : public FileSystem {
  public:
    enum class Op {
        Open,
        Size,
        Read,
        Write,
        Flush,
        Close,
        Rename,
        Remove,
        Stat,
        Lock,
        Link,
        FolderFlush,
        Any
    };

    FaultyFileSystem(Op op, int nth, int error, int times = 1)
        : op_(op), nth_(nth), error_(error), times_(times) {}
    int operations() const { return count_; }
    bool fired() const { return fired_; }
    // The kind of the operation that failed first.
    Op fired_op() const { return fired_op_; }

    int OpenForReading(const std::string& p) override {
        return Fails(Op::Open) ? -error_ : real().OpenForReading(p);
    }
    int OpenForReadingNoFollow(const std::string& p) override {
        return Fails(Op::Open) ? -error_ : real().OpenForReadingNoFollow(p);
    }
    int OpenExistingForWriting(const std::string& p) override {
        return Fails(Op::Open) ? -error_ : real().OpenExistingForWriting(p);
    }
    int CreateNew(const std::string& p) override {
        return Fails(Op::Open) ? -error_ : real().CreateNew(p);
    }
    int CreateNewPrivate(const std::string& p) override {
        return Fails(Op::Open) ? -error_ : real().CreateNewPrivate(p);
    }
    int64_t Size(int fd) override { return Fails(Op::Size) ? -error_ : real().Size(fd); }
    int64_t ReadAt(int fd, void* b, size_t n, int64_t pos) override {
        return Fails(Op::Read) ? -error_ : real().ReadAt(fd, b, n, pos);
    }
    int64_t WriteAt(int fd, const void* b, size_t n, int64_t pos) override {
        return Fails(Op::Write) ? -error_ : real().WriteAt(fd, b, n, pos);
    }
    int Flush(int fd) override { return Fails(Op::Flush) ? -error_ : real().Flush(fd); }
    int Close(int fd) override {
        // The descriptor is released even when the close reports a failure, as on Linux.
        const int result = real().Close(fd);
        return Fails(Op::Close) ? -error_ : result;
    }
    int Rename(const std::string& a, const std::string& b) override {
        return Fails(Op::Rename) ? -error_ : real().Rename(a, b);
    }
    int Remove(const std::string& p) override {
        return Fails(Op::Remove) ? -error_ : real().Remove(p);
    }
    int Stat(int fd, FileInfo* info) override {
        return Fails(Op::Stat) ? -error_ : real().Stat(fd, info);
    }
    int StatPath(const std::string& p, FileInfo* info) override {
        return Fails(Op::Stat) ? -error_ : real().StatPath(p, info);
    }
    int ResolvePath(const std::string& p, std::string* resolved) override {
        return Fails(Op::Stat) ? -error_ : real().ResolvePath(p, resolved);
    }
    int TryLock(int fd, LockMode mode) override {
        return Fails(Op::Lock) ? -error_ : real().TryLock(fd, mode);
    }
    int FlushFolder(const std::string& folder) override {
        return Fails(Op::FolderFlush) ? -error_ : real().FlushFolder(folder);
    }
    int CreateUnnamed(const std::string& folder) override {
        return Fails(Op::Open) ? -error_ : real().CreateUnnamed(folder);
    }
    int LinkUnnamed(int fd, const std::string& p) override {
        return Fails(Op::Link) ? -error_ : real().LinkUnnamed(fd, p);
    }
    int CopyOwnerAndMode(int fd, const FileInfo& like) override {
        return Fails(Op::Stat) ? -error_ : real().CopyOwnerAndMode(fd, like);
    }
    int MayWrite(const std::string& p) override {
        return Fails(Op::Stat) ? -error_ : real().MayWrite(p);
    }
    int Truncate(int fd, int64_t size) override {
        return Fails(Op::Write) ? -error_ : real().Truncate(fd, size);
    }
    uint32_t EffectiveUser() override { return real().EffectiveUser(); }

  private:
    static FileSystem& real() { return SystemFileSystem(); }
    bool Fails(Op op) {
        if (op_ != Op::Any && op != op_) return false;
        ++count_;
        if (count_ < nth_ || count_ >= nth_ + times_) return false;
        if (!fired_) fired_op_ = op;
        fired_ = true;
        return true;
    }

    Op op_;
    int nth_;
    int error_;
    int times_;
    int count_ = 0;
    bool fired_ = false;
    Op fired_op_ = Op::Any;
};

}  // namespace rw::testing
