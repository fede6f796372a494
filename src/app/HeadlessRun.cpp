#include "app/HeadlessRun.h"

#include <csignal>
#include <iostream>
#include <unistd.h>

#include "editor/script/BatchRun.h"

namespace qhe {
namespace {

volatile std::sig_atomic_t stopSignal = 0;

constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2};

void OnStopSignal(int signal) {
    stopSignal = signal;
}

} // namespace

// The first signal asks the run to stop at its next progress check; a second one ends the
// program at once. Either leaves the file on disk whole: a save holds the signals back, stops
// before its commit (its temporary file or journal removed) or, once committed, finishes.
void InstallStopHandlers() {
    struct sigaction action = {};
    action.sa_handler = OnStopSignal;
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    sigset_t stops;
    sigemptyset(&stops);
    for (const int signal : kStopSignals) {
        sigaction(signal, &action, nullptr);
        sigaddset(&stops, signal);
    }
    // A parent may have started this program with them blocked; one already pending is taken now.
    sigprocmask(SIG_UNBLOCK, &stops, nullptr);
}

void RestoreStopHandlers() {
    for (const int signal : kStopSignals)
        std::signal(signal, SIG_DFL);
    // One that came in the first instant takes its default action now.
    if (stopSignal != 0) ::raise(stopSignal);
}

int RunScriptWithoutDisplay(const CommandLine& line) {
    BatchEnvironment env{std::cerr, [] { return stopSignal != 0; }, isatty(STDERR_FILENO) == 1};
    const BatchOutcome outcome = stopSignal != 0 ? BatchOutcome::Stopped : RunBatchScript(line, env);
    // The status tells what became of the file: a run stopped before the save's commit wrote
    // nothing (128 + the signal); a signal after the commit does not undo the save (0).
    if (outcome == BatchOutcome::Stopped) return 128 + (stopSignal ? stopSignal : SIGINT);
    return BatchExitStatus(outcome);
}

} // namespace qhe
