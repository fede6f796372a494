#include "editor/tools/ChecksumCommands.h"

#include "core/text/Format.h"
#include "core/text/MessageIds.h"
#include "core/text/Messages.h"
#include "core/tools/Checksum.h"
#include "editor/OwnTexts.h"
#include "editor/tools/UnreadPages.h"

namespace qhe {
namespace {
constexpr const char* kCaption = "CRC16/32";

} // namespace

std::string ChecksumCommands::FileText(const std::string& fileName, int64_t size, uint32_t crc32,
                                       uint16_t crc16) {
    return Format(Tr("Texts", "文件: %s (%d Bytes)"), {fileName, size}) + "\r\n" +
           Format("CRC32 (PKZIP) of file: %x", {crc32}) + "\r\n" +
           Format("CRC16 (Standard) of file: %x", {crc16});
}

std::string ChecksumCommands::BlockText(uint32_t crc32, uint16_t crc16) {
    return "\r\n" + Format("CRC32 (PKZIP) of selected block: %x", {crc32}) + "\r\n" +
           Format("CRC16 (Standard) of selected block: %x", {crc16});
}

std::optional<ChecksumCommands::Sums> ChecksumCommands::Pass(int64_t from, int64_t size,
                                                             const std::string& caption) {
    const UnreadPages unread(s_.doc);
    ChecksumResult result;
    {
        const std::unique_ptr<Progress> progress =
            s_.ui.CreateProgress(true, true, Msg(kMsgPosition), caption);
        result = ComputeChecksums(RunsOf(s_.doc, from), size, progress.get());
    }
    if (!result.completed) return std::nullopt;
    if (unread.All() > 0) { // zeros in place of lost pages: not the file's checksums
        s_.ui.ShowError(unread.Text(kTextUnreadNoDigest, unread.All()));
        return std::nullopt;
    }
    return Sums{result.crc32, result.crc16};
}

void ChecksumCommands::CalculateCRC321Click() {
    const Document& doc = s_.doc;
    if (!doc.IsOpen || doc.Size() < 1) return;
    const auto file = Pass(1, doc.Size(), "CRC16/32 of file...");
    if (!file) return;
    std::string text = FileText(doc.FileName, doc.Size(), file->crc32, file->crc16);
    const BlockState& block = s_.block;
    if (block.Complete() && block.begin <= block.end && block.end <= doc.Size()) {
        const auto inBlock = Pass(block.begin, block.end - block.begin + 1, "CRC16/32 of block...");
        if (!inBlock) return; // a cancelled block pass drops the file's results too
        text += BlockText(inBlock->crc32, inBlock->crc16);
    }
    s_.ui.ShowMemo(kCaption, text, 0);
}

} // namespace qhe
