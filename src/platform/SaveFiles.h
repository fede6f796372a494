#pragma once
#include <string>
#include <vector>

namespace qhe::platform {

// Names of the files a save makes beside its target, each carrying the writer's process id so
// that one left behind by a writer that is gone (killed) can be told from one in use:
//   temporary file  ".NAME.qhe32-PID-XXXXXX" (XXXXXX made unique by mkostemp)
//   save journal    ".NAME.qhe32-journal-PID"
std::string TemporaryPattern(const std::string& target);
std::string JournalNameBeside(const std::string& target, int pid);

// The files beside target whose name begins with prefix (".NAME.qhe32-" or
// ".NAME.qhe32-journal-"), each with the process id its name carries (0 when none can be read).
struct SideFile {
    std::string path;
    int pid = 0;
};
std::vector<SideFile> FilesBeside(const std::string& target, const std::string& prefix);

// True when no process pid runs any more (this process counts as finished: it only asks between
// its own saves).
bool WriterGone(int pid);

// Removes the temporary files of saves to target whose writers are gone (a save killed by
// SIGKILL or a power cut leaves its temporary file, up to the full size, behind).
void RemoveStaleTemporaries(const std::string& target);

// Flushes the folder holding path, so that a rename or removal in it survives a power cut.
// Answers 0 or an error code (file systems that cannot flush a folder count as success).
int FlushFolderOf(const std::string& path);

} // namespace qhe::platform
