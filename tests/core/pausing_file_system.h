#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <utility>

#include "forwarding_file_system.h"

namespace rw::testing {

// The real file system, except that the n-th write does something of the test's first: stop
// the process half-way through it, the way a crash or a kill -9 would find it, or send it a signal.
class PausingFileSystem final : public ForwardingFileSystem {
  public:
    using Interruption = std::function<void(int fd, const void* b, size_t n, int64_t pos)>;
    PausingFileSystem(int nth, Interruption interruption)
        : nth_(nth), interruption_(std::move(interruption)) {}
    int64_t WriteAt(int fd, const void* b, size_t n, int64_t pos) override {
        if (++writes_ == nth_) interruption_(fd, b, n, pos);
        return real().WriteAt(fd, b, n, pos);
    }

  private:
    int nth_;
    Interruption interruption_;
    int writes_ = 0;
};

}  // namespace rw::testing
