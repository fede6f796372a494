#pragma once

#include "editor/script/CommandLine.h"

namespace qhe {

// Makes SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1 and SIGUSR2 ask a script run to stop, and
// RestoreStopHandlers gives them their default action back. main installs them before anything
// else, so that even a signal during start-up ends a batch run with its own status.
void InstallStopHandlers();
void RestoreStopHandlers();

// A script run without a display: no window and no Qt. Those signals stop the run without
// writing the file (a save stops before its commit, or finishes once committed). Answers the
// program's exit status: 128 + the signal when the run was stopped.
int RunScriptWithoutDisplay(const CommandLine& line);

} // namespace qhe
