#pragma once
#include <cstdint>
#include <string>

#include "platform/FileIO.h"
#include "platform/SaveJournal.h"
#include "platform/SignalHold.h"

namespace qhe::platform {

// The target of a save as it was seen when the save began, so that a change by another program
// during the save is noticed before the new contents take its place.
struct TargetState {
    bool exists = false;
    int64_t size = 0;
    int64_t mtimeSec = 0, mtimeNsec = 0, ctimeSec = 0, ctimeNsec = 0;
    uint64_t device = 0, inode = 0;
    unsigned mode = 0;
    bool operator==(const TargetState&) const = default;
};

// How a save reaches its target file.
struct SavePlan {
    std::string target;        // the file that ends up with the data (symbolic links resolved)
    std::string tempName;      // the temporary file beside it; empty when writing in place
    int fd = -1;               // where the new contents go: the temporary file, or the save journal
    bool inPlace = false;      // the target itself is overwritten (from the sealed journal)
    bool patch = false;        // in place: only the runs added to the journal are written
    int64_t patchSize = 0;     // and the file's length after them
    unsigned mode = 0666;      // permission bits the finished file gets
    bool replacesFile = false; // the temporary file takes the place of an existing target
    TargetState seen;          // the target when the save began
    SaveJournal journal;       // in place: what will be written, made durable first
    int targetFd = -1;         // in place: the target, open for writing
    bool setIdLost = false;    // after CommitSave: writing in place cleared the setuid/setgid bit
    SignalHold signalHold;     // from BeginSave until CommitSave or AbortSave
};

// Prepares a save of size bytes to name: a new temporary file in the target's folder, so the
// previous file stays whole until the new one is complete. The temporary file gets the target's
// owner, group and extended attributes (ACLs among them) right away. An existing target that is
// no plain file (pipe, device, folder) is refused with kNotRegularFile. Where no temporary file
// is possible (folder not writable), wanted (several hard links share the file) or able to keep
// what the target has (owner, group or an attribute cannot be given to it) the target is
// written in place, through a save journal (see SaveJournal) so that a crash never leaves it
// half old, half new: the new contents go to the journal (plan.fd) and reach the target at
// CommitSave. The target's disk space for size bytes is reserved without changing its length.
// An in-place save over the file whose identity is readSource (the file the new contents are
// read from) is refused with kMappedInPlace before anything is touched. From here until
// CommitSave or AbortSave the signals that would end the process are held back (SignalHold):
// one that arrives before the commit should make the caller abandon the save
// (SignalHold::Arrived), one after it waits until the file is whole. Stale temporary files of
// killed saves beside the target are removed. size < 0 means unknown (nothing is reserved).
// Answers 0 and fills plan, or an error code.
// With reserveAll false the caller reserves the space of plan.fd itself (a stream that leaves
// holes needs less than size bytes).
int BeginSave(const std::string& name, SavePlan& plan, int64_t size = -1, FileIdentity readSource = {},
              bool reserveAll = true);

// Prepares a save that writes only some runs of an existing file (or block device) in place and
// leaves the file size bytes long (a device keeps its size): the runs are added with
// plan.journal.Append, then CommitSave writes them.
int BeginPatchSave(const std::string& name, SavePlan& plan, int64_t size);

// Completes a save. The target is checked first: when it is no longer as BeginSave saw it (size,
// modification and change time, device, inode), nothing is written and kTargetChanged is the
// answer. Then a temporary file is flushed, gets the target's permission bits (its attributes
// again, should writing have cleared one), is renamed over the target and the folder is flushed;
// in place, the journal is sealed and written into the target, which is cut to the new length
// and flushed. Answers 0 or an error code; on failure the temporary file is removed and the
// target is as it was (a sealed journal that could not be written completes the save at the
// next open).
int CommitSave(SavePlan& plan);

// Abandons a save (error or cancel): closes and removes the temporary file or the journal; the
// target is as it was. Held-back signals are acted on after either.
void AbortSave(SavePlan& plan);

} // namespace qhe::platform
