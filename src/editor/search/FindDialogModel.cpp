#include "editor/search/FindDialogModel.h"

#include <span>

#include "core/search/SearchPattern.h"
#include "core/settings/Settings.h"
#include "core/text/Messages.h"

namespace qhe {

FindOptions FindOptionsOf(const OptionsSettings& options) {
    FindOptions find;
    find.caseSensitive = options.caseSensitive;
    find.jokerOn = options.jokerFind;
    find.jokerByte = options.jokerByte;
    find.findHex = options.findHex;
    find.unicodeFind = options.unicodeFind;
    find.findDown = options.findDown;
    find.scopeFromCursor = options.scope;
    return find;
}

void StoreFindOptions(const FindOptions& find, OptionsSettings& options) {
    options.caseSensitive = find.caseSensitive;
    options.jokerFind = find.jokerOn;
    options.jokerByte = find.jokerByte;
    options.findHex = find.findHex;
    options.unicodeFind = find.unicodeFind;
    options.findDown = find.findDown;
    options.scope = find.scopeFromCursor;
}

FindCheck CheckFindEntries(const FindEntries& entries) {
    FindCheck check;
    const auto joker = HexToBytes(entries.jokerText);
    if (!joker || joker->size() != 1) {
        check.outcome = FindCheck::Outcome::Error;
        check.messageId = kMsgJokerInvalid;
        check.focus = FindField::Joker;
        return check;
    }
    check.jokerByte = static_cast<uint8_t>((*joker)[0]);
    if (entries.textForm) {
        if (entries.text.empty()) {
            check.outcome = FindCheck::Outcome::Error;
            check.messageId = kMsgEmptyText;
            check.focus = FindField::Text;
            return check;
        }
        check.pattern = TextToBytes(entries.text, entries.utf16, entries.byteOrder);
        return check;
    }
    const auto bytes = HexToBytes(entries.hexText);
    if (!bytes) {
        check.outcome = FindCheck::Outcome::Error;
        check.messageId = kMsgHexInvalid;
        check.focus = FindField::Hex;
        return check;
    }
    check.pattern = *bytes;
    const std::span<const uint8_t> view(reinterpret_cast<const uint8_t*>(bytes->data()), bytes->size());
    if (!entries.caseSensitive && HasCaseLetters(view)) {
        check.outcome = FindCheck::Outcome::AskCase;
        check.messageId = kMsgCaseLetters;
        check.focus = FindField::Hex;
    }
    return check;
}

std::string FindCheckText(int messageId) {
    const std::string& text = Msg(messageId);
    if (text.empty() && messageId == kMsgCaseLetters) return kTextCaseLettersQuestion;
    return text;
}

int FindDialogCaptionId(bool count) {
    return count ? kMsgCountCaption : kMsgFindCaption;
}

int FindDialogHelpContext(bool count) {
    return count ? kHelpCount : kHelpFind;
}

int ScopeEndCaptionId(bool down) {
    return down ? kMsgScopeBegin : kMsgScopeEnd;
}

int Utf16CaptionId(int byteOrder) {
    return byteOrder == 1 ? kMsgUtf16Big : kMsgUtf16Little;
}

} // namespace qhe
