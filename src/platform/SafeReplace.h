#pragma once
#include <cstdint>
#include <string>

#include "platform/SignalHold.h"

namespace qhe::platform {

// How a save reaches its target file.
struct SavePlan {
    std::string target;        // the file that ends up with the data (symbolic links resolved)
    std::string tempName;      // the temporary file beside it; empty when writing in place
    int fd = -1;               // open for writing (the temporary file, or the target itself)
    bool inPlace = false;      // the target itself is being overwritten
    unsigned mode = 0666;      // permission bits the finished file gets
    bool replacesFile = false; // the temporary file takes the place of an existing target
    SignalHold signalHold;     // while an in-place write runs: no signal ends it half-way
};

// Prepares a save of size bytes to name: a new temporary file in the target's folder, so the
// previous file stays whole until the new one is complete. The temporary file gets the target's
// owner, group and extended attributes (ACLs among them) right away. An existing target that is
// no plain file (pipe, device, folder) is refused with kNotRegularFile. Where no temporary file
// is possible (folder not writable), wanted (several hard links share the file) or able to keep
// what the target has (owner, group or an attribute cannot be given to it) the target is
// written in place: never truncated first, its disk space for size bytes is reserved before
// anything is written, and when that fails the file is left exactly as it was. From then until
// CommitSave or AbortSave the signals that would end the process are held back (SignalHold),
// so that the file is never left half old, half new. size < 0 means unknown (nothing can be
// reserved). Answers 0 and fills plan, or an error code.
int BeginSave(const std::string& name, SavePlan& plan, int64_t size = -1);

// Reserves the disk space for size bytes in the plan's file before anything is written (a
// temporary file too), so that a save of a very large file is refused at once when the disk has
// no room for it, rather than after writing most of it. Answers 0 or the error code (112 for a
// full disk); the plan is then to be abandoned.
int ReserveSpaceFor(SavePlan& plan, int64_t size);

// Completes a save: flushes and closes the file; a temporary file gets the target's
// permission bits (its attributes again, should writing have cleared one) and is renamed over
// the target, an in-place target is cut to what was written. Answers 0 or an error code; on
// failure the temporary file is removed and the target is as it was.
int CommitSave(SavePlan& plan);

// Abandons a save (error or cancel): closes and removes the temporary file. An in-place
// target keeps what has been written so far. Held-back signals are acted on after either.
void AbortSave(SavePlan& plan);

} // namespace qhe::platform
