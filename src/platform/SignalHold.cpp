#include "platform/SignalHold.h"

#include <atomic>
#include <csignal>
#include <iterator>
#include <mutex>
#include <pthread.h>
#include <unistd.h>

namespace qhe::platform {
namespace {

constexpr int kHeld[] = {SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGUSR1, SIGUSR2};
constexpr int kCount = static_cast<int>(std::size(kHeld));

static_assert(std::atomic<int>::is_always_lock_free, "noted from a signal handler");

std::mutex holdLock;
int holders = 0;                   // guarded by holdLock
struct sigaction previous[kCount]; // guarded by holdLock
bool replaced[kCount];             // guarded by holdLock
std::atomic<int> arrivals[kCount]; // written by NoteSignal

void NoteSignal(int signal) {
    for (int i = 0; i < kCount; ++i)
        if (kHeld[i] == signal) arrivals[i].fetch_add(1, std::memory_order_relaxed);
}

bool Ignored(const struct sigaction& action) {
    return (action.sa_flags & SA_SIGINFO) == 0 && action.sa_handler == SIG_IGN;
}

// Sends a noted signal again: to this thread, where its handler runs before raise returns,
// unless this thread blocks it; then to the process, for a thread that takes it.
void Resend(int signal) {
    sigset_t blocked;
    if (::pthread_sigmask(SIG_BLOCK, nullptr, &blocked) == 0 && sigismember(&blocked, signal) == 1)
        ::kill(::getpid(), signal);
    else
        ::raise(signal);
}

} // namespace

SignalHold SignalHold::Take() {
    const std::lock_guard<std::mutex> lock(holdLock);
    if (holders++ == 0) {
        struct sigaction note {};
        note.sa_handler = NoteSignal;
        note.sa_flags = SA_RESTART;
        sigfillset(&note.sa_mask);
        for (int i = 0; i < kCount; ++i) {
            arrivals[i].store(0, std::memory_order_relaxed);
            replaced[i] = ::sigaction(kHeld[i], nullptr, &previous[i]) == 0 && !Ignored(previous[i]) &&
                          ::sigaction(kHeld[i], &note, nullptr) == 0;
        }
    }
    SignalHold hold;
    hold.held_ = true;
    return hold;
}

SignalHold& SignalHold::operator=(SignalHold&& other) noexcept {
    if (this != &other) {
        Release();
        held_ = other.held_;
        other.held_ = false;
    }
    return *this;
}

bool SignalHold::Arrived() {
    for (const std::atomic<int>& count : arrivals)
        if (count.load(std::memory_order_relaxed) != 0) return true;
    return false;
}

void SignalHold::Release() {
    if (!held_) return;
    held_ = false;
    int noted[kCount] = {};
    {
        const std::lock_guard<std::mutex> lock(holdLock);
        if (--holders != 0) return;
        // The old dispositions first, so that a signal arriving from now on goes straight to them.
        for (int i = 0; i < kCount; ++i) {
            if (replaced[i]) ::sigaction(kHeld[i], &previous[i], nullptr);
            noted[i] = arrivals[i].exchange(0, std::memory_order_relaxed);
        }
    }
    // Standard signals do not queue; a second arrival still matters to programs that take the
    // first as a request to stop and a second as an order.
    for (int i = 0; i < kCount; ++i)
        for (int n = 0; n < noted[i] && n < 2; ++n)
            Resend(kHeld[i]);
}

} // namespace qhe::platform
