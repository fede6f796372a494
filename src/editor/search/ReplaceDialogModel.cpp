#include "editor/search/ReplaceDialogModel.h"

#include "core/search/SearchPattern.h"
#include "core/settings/Settings.h"
#include "core/text/HexBytes.h"

namespace qhe {

ReplaceOptions ReplaceOptionsOf(const OptionsSettings& options) {
    ReplaceOptions replace;
    replace.find = FindOptionsOf(options);
    replace.replaceHex = options.replaceHex;
    replace.unicodeRepl = options.unicodeRepl;
    return replace;
}

void StoreReplaceOptions(const ReplaceOptions& replace, OptionsSettings& options) {
    StoreFindOptions(replace.find, options);
    options.replaceHex = replace.replaceHex;
    options.unicodeRepl = replace.unicodeRepl;
}

std::optional<std::string> CheckReplacement(const ReplacementEntries& entries) {
    if (entries.textForm) return TextToBytes(entries.text, entries.utf16, entries.byteOrder);
    if (entries.hexText.find_first_not_of(' ') == std::string::npos) return std::string();
    auto bytes = HexToBytes(entries.hexText);
    if (!bytes) return std::nullopt;
    return *bytes;
}

int ReplUtf16CaptionId(int byteOrder) {
    return byteOrder == 1 ? kMsgReplUtf16Big : kMsgReplUtf16Little;
}

} // namespace qhe
