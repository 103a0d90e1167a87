#pragma once

#include <csignal>

namespace rw {

// While a save writes and flushes, Ctrl+C, a terminal hang-up or a polite kill must not stop it
// halfway: SIGINT, SIGTERM and SIGHUP wait until the shield is gone and then act as usual.
// SIGXFSZ is ignored, so a file size limit fails the write with EFBIG, which the save undoes,
// instead of killing the process with the image half patched.
class SignalShield {
  public:
    SignalShield();
    ~SignalShield();
    SignalShield(const SignalShield&) = delete;
    SignalShield& operator=(const SignalShield&) = delete;

  private:
    sigset_t previous_mask_;
    struct sigaction previous_xfsz_;
};

}  // namespace rw
