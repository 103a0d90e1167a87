#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

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

// Runs `work` in a child process whose `nth` write puts only its first `part(n)` bytes of n on the
// disk and stops there; the child is then killed with SIGKILL, as a crash or a kill -9 would find
// it. True when the child reached that write and died of the kill.
inline bool KillAtWrite(int nth, size_t (*part)(size_t n),
                        const std::function<void(FileSystem&)>& work) {
    int ready[2];
    if (::pipe(ready) != 0) return false;
    const pid_t child = ::fork();
    if (child == 0) {
        PausingFileSystem pausing(nth, [&](int fd, const void* b, size_t n, int64_t pos) {
            PausingFileSystem::real().WriteAt(fd, b, part(n), pos);
            const char byte = 1;
            (void)::write(ready[1], &byte, 1);
            for (;;) ::pause();
        });
        work(pausing);
        ::_exit(0);
    }
    char byte = 0;
    const bool reached = ::read(ready[0], &byte, 1) == 1;
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    return reached && WIFSIGNALED(status);
}

}  // namespace rw::testing
