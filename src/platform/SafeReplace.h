#pragma once
#include <string>

namespace qhe::platform {

// How a save reaches its target file.
struct SavePlan {
    std::string target;   // the file that ends up with the data (symbolic links resolved)
    std::string tempName; // the temporary file beside it; empty when writing in place
    int fd = -1;          // open for writing (the temporary file, or the truncated target)
    bool inPlace = false; // the target itself is being overwritten
    unsigned mode = 0666; // permission bits the finished file gets
    bool keepOwner = false;
    unsigned uid = 0, gid = 0;
};

// Prepares a save to name: a new temporary file in the target's folder, so the previous file
// stays whole until the new one is complete. Falls back to truncating the target in place
// when that is impossible (folder not writable, target not a plain file or with several hard
// links). Answers 0 and fills plan, or an error code.
int BeginSave(const std::string& name, SavePlan& plan);

// Completes a save: flushes and closes the file; a temporary file gets the target's
// permission bits and owner and is renamed over the target. Answers 0 or an error code;
// on failure the temporary file is removed and the target is as it was.
int CommitSave(SavePlan& plan);

// Abandons a save (error or cancel): closes and removes the temporary file. An in-place
// target keeps what has been written so far.
void AbortSave(SavePlan& plan);

} // namespace qhe::platform
