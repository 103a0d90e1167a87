#include "io/interruption.h"

#include <csignal>

namespace rw {
namespace {

constexpr int kInterrupting[] = {SIGINT, SIGTERM, SIGHUP};

volatile std::sig_atomic_t g_caught = 0;
struct sigaction g_previous[3];

extern "C" void NoteInterruption(int signal) {
    if (g_caught == 0) g_caught = signal;
}

}  // namespace

InterruptionCatcher::InterruptionCatcher() {
    g_caught = 0;
    struct sigaction note {};
    note.sa_handler = NoteInterruption;
    sigemptyset(&note.sa_mask);
    for (int i = 0; i < 3; ++i) sigaction(kInterrupting[i], &note, &g_previous[i]);
}

InterruptionCatcher::~InterruptionCatcher() {
    for (int i = 0; i < 3; ++i) sigaction(kInterrupting[i], &g_previous[i], nullptr);
}

int InterruptionCatcher::caught() const {
    return g_caught;
}

int PendingInterruption() {
    if (g_caught != 0) return g_caught;
    sigset_t pending;
    sigemptyset(&pending);
    if (sigpending(&pending) != 0) return 0;
    for (const int signal : kInterrupting) {
        if (sigismember(&pending, signal) == 1) return signal;
    }
    return 0;
}

}  // namespace rw
