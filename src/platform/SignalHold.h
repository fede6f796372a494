#pragma once

namespace qhe::platform {

// Holds back, for the whole process, the signals that would end it (SIGHUP, SIGINT, SIGQUIT,
// SIGTERM, SIGUSR1, SIGUSR2) while it changes something that must not be left half done. A
// signal that arrives meanwhile is only noted. When the last hold ends, the dispositions the
// signals had come back exactly and each noted signal is raised again (a second arrival too),
// so the program's own handler runs then or the default action ends the process. Ignored
// signals stay ignored. Holds may overlap, also in several threads: only the last release acts.
class SignalHold {
  public:
    SignalHold() = default; // holds nothing
    static SignalHold Take();

    SignalHold(SignalHold&& other) noexcept : held_(other.held_) { other.held_ = false; }
    SignalHold& operator=(SignalHold&& other) noexcept;
    SignalHold(const SignalHold&) = delete;
    SignalHold& operator=(const SignalHold&) = delete;
    ~SignalHold() { Release(); }

    // Ends this hold (nothing when it holds nothing).
    void Release();
    // True when a held-back signal has arrived since the holds began: a save that has not yet
    // reached its commit should stop.
    static bool Arrived();
    bool Held() const { return held_; }

  private:
    bool held_ = false;
};

} // namespace qhe::platform
