#include "platform/SignalHold.h"

#include <gtest/gtest.h>

#include <csignal>

namespace qhe {
namespace {

using platform::SignalHold;

volatile std::sig_atomic_t handled = 0;

void CountSignal(int) {
    handled = handled + 1;
}

// Sets a signal's disposition for one test and puts the previous one back afterwards.
class ScopedDisposition {
  public:
    ScopedDisposition(int signal, void (*handler)(int)) : signal_(signal) {
        struct sigaction action {};
        action.sa_handler = handler;
        sigemptyset(&action.sa_mask);
        ::sigaction(signal_, &action, &previous_);
        ::sigaction(signal_, nullptr, &set_);
    }
    ~ScopedDisposition() { ::sigaction(signal_, &previous_, nullptr); }
    // The disposition as the kernel reported it after it was set.
    const struct sigaction& Set() const { return set_; }

  private:
    int signal_;
    struct sigaction previous_ {
    }, set_{};
};

TEST(SignalHold, NotedSignalsReachTheirHandlerAfterTheLastOfOverlappingHolds) {
    handled = 0;
    const ScopedDisposition counted(SIGUSR1, CountSignal);
    const ScopedDisposition ignored(SIGHUP, SIG_IGN);
    {
        SignalHold outer = SignalHold::Take();
        {
            const SignalHold inner = SignalHold::Take();
            ::raise(SIGUSR1);
            ::raise(SIGUSR1);
            ::raise(SIGHUP);
        }
        EXPECT_EQ(handled, 0); // the outer hold still stands
        SignalHold moved = std::move(outer);
        EXPECT_FALSE(outer.Held());
        EXPECT_EQ(handled, 0);
    }
    EXPECT_EQ(handled, 2); // both arrivals, after the dispositions came back

    struct sigaction now {};
    ASSERT_EQ(::sigaction(SIGUSR1, nullptr, &now), 0);
    EXPECT_EQ(now.sa_handler, counted.Set().sa_handler);
    EXPECT_EQ(now.sa_flags, counted.Set().sa_flags);
    ASSERT_EQ(::sigaction(SIGHUP, nullptr, &now), 0);
    EXPECT_EQ(now.sa_handler, SIG_IGN);

    // Without a noted signal a release raises nothing.
    SignalHold::Take().Release();
    EXPECT_EQ(handled, 2);
}

} // namespace
} // namespace qhe
