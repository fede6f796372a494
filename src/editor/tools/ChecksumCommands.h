#pragma once
#include <optional>
#include <string>

#include "editor/EditorState.h"

namespace qhe {

// "循环冗余校验": CRC-32 and CRC-16 of the whole Document and of the marked block, shown in a
// text box the user can copy from.
class ChecksumCommands {
  public:
    explicit ChecksumCommands(EditorState& state) : s_(state) {}

    void CalculateCRC321Click();

    // The text the box shows for the file's checksums, and the lines added for a block.
    static std::string FileText(const std::string& fileName, int64_t size, uint32_t crc32, uint16_t crc16);
    static std::string BlockText(uint32_t crc32, uint16_t crc16);

  private:
    struct Sums {
        uint32_t crc32;
        uint16_t crc16;
    };
    // One pass over size bytes from position from under a progress box; nothing when cancelled,
    // nor (after a message) when pages of a mapped file read as zeros.
    std::optional<Sums> Pass(int64_t from, int64_t size, const std::string& caption);

    EditorState& s_;
};

} // namespace qhe
