#include "editor/SideFileTexts.h"

#include "core/text/Format.h"
#include "platform/ErrorCodes.h"
#include "platform/SmallFile.h"

namespace qhe {

static_assert(platform::kSideFileMaxBytes == 16777216, "kTextSideFileTooLarge names the limit");

std::string SideFileMessage(int code, const std::string& fileName, const std::string& fallback) {
    if (code == kNotRegularFile) return Format(kTextSideFileNotRegular, {FileNameOnly(fileName)});
    if (code == kSideFileTooLarge) return Format(kTextSideFileTooLarge, {FileNameOnly(fileName)});
    return fallback;
}

} // namespace qhe
