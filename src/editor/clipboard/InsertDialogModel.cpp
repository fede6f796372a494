#include "editor/clipboard/InsertDialogModel.h"

#include <cmath>

#include "core/text/Messages.h"

namespace qhe {

InsertCheck CheckInsertEntries(const InsertEntries& entries) {
    InsertCheck check;
    if (entries.textForm) {
        if (entries.text.empty()) {
            check.messageId = kMsgInsertEmpty;
            check.focus = InsertField::Text;
            return check;
        }
        check.bytes = TextToBytes(entries.text, entries.utf16, entries.byteOrder);
    } else {
        const auto bytes = HexToBytes(entries.hexText);
        if (!bytes) {
            check.messageId = kMsgHexInvalid;
            check.focus = InsertField::Hex;
            return check;
        }
        check.bytes = *bytes;
    }
    if (entries.withCount) {
        // The field keeps its value within 0..99999999.9; the fraction is dropped.
        const long double count = std::floor(entries.count);
        if (!(count >= 1)) {
            check.messageId = kMsgInsertEmpty;
            check.focus = InsertField::Count;
            check.bytes.clear();
            return check;
        }
        check.count = static_cast<int64_t>(std::fmin(count, kInsertCountMax));
    }
    return check;
}

std::string InsertDialogCaption(bool overwrite) {
    return overwrite ? Msg(kMsgOverwriteMode) : Tr("Texts", "插入");
}

int InsertDialogHelpContext(bool overwrite) {
    return overwrite ? kHelpOverwriteString : kHelpInsertString;
}

} // namespace qhe
