#pragma once

namespace rw {

// Ctrl+C, a terminal hang-up or a polite kill (SIGINT, SIGHUP, SIGTERM) asks a command to stop.
// While a catcher lives, such a signal is noted instead of ending the program: a save checks for
// one before the first byte of the image changes and is then cancelled with nothing written; one
// that comes later waits until the write is whole (SignalShield), and the command then says so
// and exits as the signal asked (128 + N). One catcher at a time, on the main thread.
class InterruptionCatcher {
  public:
    InterruptionCatcher();
    ~InterruptionCatcher();
    InterruptionCatcher(const InterruptionCatcher&) = delete;
    InterruptionCatcher& operator=(const InterruptionCatcher&) = delete;

    // The first signal noted, 0 for none.
    int caught() const;
};

// The signal asking the program to stop now: one a catcher noted, or one waiting while a
// SignalShield holds it back; 0 for none.
int PendingInterruption();

}  // namespace rw
