#pragma once
#include <cstdint>
#include <string>

#include "platform/FileIO.h"

namespace qhe::platform {

// What a name stands for when it is to be opened as a Document.
enum class FileKind { Missing, Regular, BlockDevice, Other };
// The kind of the file and its size (from the device for a block device; -1 when unknown).
FileKind KindOf(const std::string& name, int64_t& size);

// Opens a regular file (as OpenForReading) or a block device for reading; size gets the size of
// either. Answers the descriptor or -code (kNotRegularFile for anything else).
int OpenFileOrDevice(const std::string& name, bool denyWrite, int64_t& size, bool& device);

// A regular file or a block device mapped whole and privately: pages come from the file when
// first read, and a page written becomes a private copy, so the file itself changes only when a
// save writes those pages back. Opening costs no reading whatever the size. A page that cannot
// be read (a device error, a file cut short by another program) reads as zeros instead of
// stopping the program; ReadFaults() counts them so that a save can refuse to write zeros
// over the user's data.
class FileMapping {
  public:
    FileMapping() = default;
    ~FileMapping() { Close(); }
    FileMapping(FileMapping&& other) noexcept;
    FileMapping& operator=(FileMapping&& other) noexcept;
    FileMapping(const FileMapping&) = delete;
    FileMapping& operator=(const FileMapping&) = delete;

    // Opens and maps name; denyWrite as for OpenForReading. Answers 0 or an error code
    // (kNotRegularFile for anything but a plain file or a block device).
    int Open(const std::string& name, bool denyWrite);
    void Close();

    bool IsOpen() const { return data_ != nullptr || (fd_ >= 0 && size_ == 0); }
    uint8_t* Data() const { return data_; }
    int64_t Size() const { return size_; }
    bool IsDevice() const { return device_; }
    // The file's facts when it was opened (for a device, those of the device node).
    const FileInfo& Info() const { return info_; }
    // Pages that could not be read since the mapping was made (they read as zeros).
    int64_t ReadFaults() const;
    int Fd() const { return fd_; }

  private:
    uint8_t* data_ = nullptr;
    int64_t size_ = 0;
    int fd_ = -1;
    int slot_ = -1; // in the table of mappings that the fault handler consults
    bool device_ = false;
    FileInfo info_;
};

// The size of memory pages, which is also the unit in which changed bytes are written back.
int64_t PageSize();

} // namespace qhe::platform
