#pragma once

#include <cerrno>
#include <string>

#include "io/file_io.h"

namespace rw::testing {

// The system's file operations, except that the n-th operation of a chosen kind fails with a
// chosen errno. Counts every operation so a test can walk a failure through each step.
class FaultyFileSystem final : public FileSystem {
  public:
    enum class Op { Open, Size, Read, Write, Flush, Close, Rename, Any };

    FaultyFileSystem(Op op, int nth, int error) : op_(op), nth_(nth), error_(error) {}
    int operations() const { return count_; }
    bool fired() const { return fired_; }

    int OpenForReading(const std::string& p) override {
        return Fails(Op::Open) ? -error_ : real().OpenForReading(p);
    }
    int OpenExistingForWriting(const std::string& p) override {
        return Fails(Op::Open) ? -error_ : real().OpenExistingForWriting(p);
    }
    int CreateNew(const std::string& p) override {
        return Fails(Op::Open) ? -error_ : real().CreateNew(p);
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
    int Remove(const std::string& p) override { return real().Remove(p); }

  private:
    static FileSystem& real() { return SystemFileSystem(); }
    bool Fails(Op op) {
        if (op_ != Op::Any && op != op_) return false;
        ++count_;
        if (fired_ || count_ != nth_) return false;
        fired_ = true;
        return true;
    }

    Op op_;
    int nth_;
    int error_;
    int count_ = 0;
    bool fired_ = false;
};

}  // namespace rw::testing
