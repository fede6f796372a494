#pragma once
#include <functional>
#include <iosfwd>

#include "editor/script/CommandLine.h"

namespace qhe {

// How a script run without a display ended; each has its own exit status.
enum class BatchOutcome {
    Completed,  // 0: the script completed (also by EXIT); a modified file was saved
    Failed,     // 1: the checking or the executing pass failed; the file is not written
    Unreadable, // 2: the file or the script cannot be read
    SaveFailed, // 3: the final save failed; the file on disk is unchanged
    Stopped     // a stop request (signal) ended the run; the file is not written
};

// What the run talks to besides the file system.
struct BatchEnvironment {
    std::ostream& err;                   // the messages and the error text
    std::function<bool()> stopRequested; // polled by every progress box
    bool progressLine = false;           // err is a terminal: show a status line, erased at the end
};

// Runs the script named by line on its file with no window: opens the file as the main
// window would, reads the settings (never writes them), runs both passes with MSG lines
// skipped, writes a failure's text to err exactly as the message box shows it, and saves a
// modified Document only after a completed run.
BatchOutcome RunBatchScript(const CommandLine& line, BatchEnvironment& env);

// The exit status of an outcome; Stopped answers 130, the caller adds the signal's own.
int BatchExitStatus(BatchOutcome outcome);

} // namespace qhe
