#pragma once
#include <string>
#include <string_view>

namespace qhe {

// Replaces the whole contents of the file at path with data so that a failure never leaves
// a damaged file behind: the data goes to a temporary file in the same folder, is flushed,
// and is renamed over the old file (keeping its permission bits; a symbolic link is followed
// so the link stays). With createFolders, missing parent folders are created. Only when no file may be
// created in the folder but the existing file itself is writable is it rewritten in place. Returns 0 on
// success, else the error code of the failing step (the catalogue's codes).
int WriteFileSafely(const std::string& path, std::string_view data, bool createFolders = false);

} // namespace qhe
