#pragma once
#include <cstdint>
#include <ctime>
#include <string>

namespace qhe::platform {

// A file's modification time with nanoseconds, as stat reports it.
struct FileTime {
    int64_t seconds = 0;
    int64_t nanoseconds = 0;
    bool valid = false;
    bool operator==(const FileTime&) const = default;
};

// Which file a name stood for (device and inode): a file replaced by another one differs even
// when size and time are the same.
struct FileIdentity {
    uint64_t device = 0;
    uint64_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

// Facts about a file looked up by name.
struct FileInfo {
    bool exists = false;
    bool isRegular = false;
    int64_t size = -1;
    unsigned mode = 0; // permission bits
    unsigned linkCount = 0;
    FileTime modified;
    FileTime statusChanged; // the change time (ctime): also moves when a rewrite restores mtime
    FileIdentity identity;
};

// Looks the file up; exists is false when it cannot be found.
FileInfo StatFile(const std::string& name);
// The same facts about an open file.
FileInfo StatOpenFile(int fd);

// Error code of the last failing call, mapped onto the catalogue's codes.
int LastErrorCode(bool writing);

// Opens name for reading. With denyWrite the open fails with the sharing-violation code (32)
// while another open file description holds a write lock on the file, and the returned
// descriptor holds a read lock until it is closed, so that cooperating writers keep out.
// Anything but a plain file fails with kNotRegularFile without blocking.
// Answers the descriptor, or -code on failure.
int OpenForReading(const std::string& name, bool denyWrite);

// Reads exactly count bytes unless the file ends; answers the bytes read or -code.
int64_t ReadFully(int fd, uint8_t* dest, int64_t count);
// The same from offset on, without moving the file position (so several threads may read at once).
int64_t ReadFullyAt(int fd, uint8_t* dest, int64_t count, int64_t offset);
// Writes all count bytes; answers 0 or the error code.
int WriteFully(int fd, const uint8_t* src, int64_t count);
// Closes fd; answers 0 or the error code.
int CloseFile(int fd);

// Direct writes (O_DIRECT) bypass the page cache: buffers, lengths and file positions must all
// be multiples of kDirectAlignment. BeginDirectWrites switches fd (positioned at 0) to them and
// answers whether the file system takes them (tried with one block at offset 0, which the
// caller then overwrites); EndDirectWrites switches back, cuts the file to size (what padding
// the last block wrote beyond it goes) and leaves the position there; answers 0 or a code.
inline constexpr int64_t kDirectAlignment = 4096;
bool BeginDirectWrites(int fd);
int EndDirectWrites(int fd, int64_t size);

// True when the file must be treated as read-only: this user may not write it, or it has no
// write permission bit at all (so the attribute holds for the administrator too).
bool IsReadOnlyFile(const std::string& name);

// Sets the file's modification time (access time left unchanged); answers success.
bool SetModificationTime(const std::string& name, const FileTime& time);

// True when path lies on a network file system (NFS, SMB/CIFS, AFS, network FUSE) or
// names a share ("//host/...").
bool IsNetworkPath(const std::string& path);

// The folder part of path ("" when it has none) and the absolute form of path.
std::string FolderOf(const std::string& path);
std::string AbsolutePath(const std::string& path);
// The full path of an existing file or folder with links and "." / ".." resolved; other
// names (also patterns with "*" or "?") are only made absolute.
std::string FullPathName(const std::string& path);

} // namespace qhe::platform
