#include "app/HeadlessRun.h"

#include <csignal>
#include <iostream>
#include <unistd.h>

#include "editor/script/BatchRun.h"

namespace qhe {
namespace {

volatile std::sig_atomic_t stopSignal = 0;

void OnStopSignal(int signal) {
    stopSignal = signal;
}

// The first signal asks the run to stop at its next progress check; a second one ends the
// program at once. Either leaves the file on disk whole: a save through a new file replaces
// it only when complete, and an in-place save holds the signals back until it is done.
void InstallStopHandlers() {
    struct sigaction action = {};
    action.sa_handler = OnStopSignal;
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

} // namespace

int RunScriptWithoutDisplay(const CommandLine& line) {
    InstallStopHandlers();
    BatchEnvironment env{std::cerr, [] { return stopSignal != 0; }, isatty(STDERR_FILENO) == 1};
    const BatchOutcome outcome = RunBatchScript(line, env);
    if (outcome == BatchOutcome::Stopped || stopSignal != 0) return 128 + (stopSignal ? stopSignal : SIGINT);
    return BatchExitStatus(outcome);
}

} // namespace qhe
