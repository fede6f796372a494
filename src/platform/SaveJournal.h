#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/FileIO.h"

namespace qhe::platform {

// Makes a save that overwrites a file in place atomic against a crash. What is to be written is
// first put into a journal file: the new bytes one after another from offset 0 (the data area),
// then, once they are flushed, an index (where each run goes in the target, the target's final
// size, its path and identity) sealed by a checksum. Only after the sealed journal is on the disk
// is the target touched; the journal is removed once the target is flushed. A crash at any point
// therefore leaves either the old file with no sealed journal, or a sealed journal that completes
// the save when the file is next opened (CompleteInterruptedSave).
//
// The journal lies beside the target (".NAME.qhe32-journal-PID") where its folder is writable,
// otherwise in the user's state folder ($XDG_STATE_HOME/qhe32/saves).

// What CompleteInterruptedSave found.
enum class JournalRecovery {
    None,      // no journal of a finished writer for the file
    Completed, // a sealed journal was applied: the file holds what the interrupted save wrote
    Discarded, // a journal that was never sealed was removed: the file was never touched
    Failed,    // a sealed journal could not be applied (code tells why); it is kept
};

// A run of the journal's data area and where it goes in the target.
struct JournalRun {
    int64_t targetOffset = 0;
    int64_t length = 0;
    int64_t dataOffset = 0; // where the run's bytes lie in the journal's data area
};

// A sealed journal's index.
struct JournalIndex {
    int64_t finalSize = 0;
    std::string target;
    FileIdentity identity;
    std::vector<JournalRun> runs;
};

// Reads the index of the journal open as fd; false when it is not sealed (torn, never finished
// or no journal at all). Every run it accepts lies inside the data area.
bool ReadJournalIndex(int fd, JournalIndex& index);

class SaveJournal {
  public:
    SaveJournal() = default;
    SaveJournal(const SaveJournal&) = delete;
    SaveJournal& operator=(const SaveJournal&) = delete;
    SaveJournal(SaveJournal&& other) noexcept;
    SaveJournal& operator=(SaveJournal&& other) noexcept;
    ~SaveJournal(); // an unsealed journal is removed

    // Creates the journal of a save to target (an existing file; symbolic links resolved by the
    // caller) with disk space for size bytes of data (none when size <= 0). It goes beside the
    // target, or to the state folder where that is not possible (and always for a device, as
    // /dev may be memory only). Answers 0 or an error code; the data area is then DataFd().
    int Create(const std::string& target, int64_t size = -1);
    int DataFd() const { return fd_; }
    const std::string& Name() const { return name_; }

    // Appends n bytes to the data area, to go to targetOffset; answers 0 or an error code.
    int Append(int64_t targetOffset, const uint8_t* data, int64_t n);
    // Notes that the data area from dataOffset on (written by the caller through DataFd) goes to
    // targetOffset, n bytes.
    void AddRun(int64_t targetOffset, int64_t n, int64_t dataOffset) { runs_.push_back({targetOffset, n, dataOffset}); }

    // Flushes the data area, then writes and flushes the index with the target's final size and
    // the folder's entry: from here on the save will be completed whatever happens. Answers 0 or
    // an error code (the journal is then removed).
    int Seal(int64_t finalSize);
    // Writes every run into the open target targetFd, cuts or extends it to the final size and
    // flushes it. Answers 0 or an error code (a sealed journal is then kept for the next open).
    int ApplyTo(int targetFd);
    // Removes the journal (and flushes its folder, so that it does not come back after a crash).
    void Remove();
    // Leaves a sealed journal on the disk for CompleteInterruptedSave, closing it.
    void Keep();
    bool Sealed() const { return sealed_; }

  private:
    int OpenAt(const std::string& name, int64_t size);
    friend JournalRecovery CompleteInterruptedSave(const std::string& path, int& code);

    std::string name_;
    std::string target_;
    int fd_ = -1;
    int64_t dataEnd_ = 0;
    int64_t finalSize_ = -1;
    bool sealed_ = false;
    std::vector<JournalRun> runs_;
};


// Looks for the journal of an interrupted save of the file at path whose writer is no longer
// running, and completes that save (or removes a journal that was never sealed). code receives
// the error code of a failure.
JournalRecovery CompleteInterruptedSave(const std::string& path, int& code);

} // namespace qhe::platform
