#include "io/signal_shield.h"

#include <pthread.h>

namespace rw {

SignalShield::SignalShield() {
    sigset_t interrupting;
    sigemptyset(&interrupting);
    sigaddset(&interrupting, SIGINT);
    sigaddset(&interrupting, SIGTERM);
    sigaddset(&interrupting, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &interrupting, &previous_mask_);

    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGXFSZ, &ignore, &previous_xfsz_);
}

SignalShield::~SignalShield() {
    sigaction(SIGXFSZ, &previous_xfsz_, nullptr);
    pthread_sigmask(SIG_SETMASK, &previous_mask_, nullptr);
}

}  // namespace rw
