#include "editor/navigation/NavigationCommands.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "core/text/Format.h"
#include "core/text/MessageIds.h"
#include "core/text/Messages.h"
#include "editor/SideFileTexts.h"
#include "editor/view/ViewCommands.h"
#include "platform/Paths.h"
#include "platform/SafeFileWrite.h"
#include "platform/SmallFile.h"

namespace qhe {
namespace {
// The save dialog's title where the catalogue has no text for it.
constexpr OwnText kSaveBookmarksTitle{QHE_TR_NOOP("Texts", "保存书签")};

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// The position of a bookmark line (the number before the first blank), 0 for a bad line: one
// without a number or with a position no Document can have (outside 1 .. 2^31 - 1, or up to
// the size of a larger, mapped Document).
int64_t BookmarkPosition(const std::string& line, int64_t documentSize) {
    const std::string number = line.substr(0, line.find(' '));
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(number.c_str(), &end, 10);
    if (number.empty() || *end != '\0' || errno != 0) return 0;
    return value >= 1 && value <= std::max<int64_t>(INT32_MAX, documentSize) ? value : 0;
}

FileDialogRequest BookmarkDialog(const std::string& title) {
    FileDialogRequest request;
    request.title = title;
    request.filters = {"*.qbm"};
    request.defaultExt = "qbm";
    request.initialDir = SideFileFolder();
    return request;
}

} // namespace

std::optional<int64_t> NavigationCommands::ReadAddressText(const std::string& text, bool wide) {
    const std::string trimmed = Trim(text);
    if (trimmed.empty()) return std::nullopt;
    const bool hex = trimmed[0] == '$';
    const std::string digits = hex ? trimmed.substr(1) : trimmed;
    if (digits.empty()) return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(digits.c_str(), &end, hex ? 16 : 10);
    if (*end != '\0' || errno != 0) return std::nullopt;
    if (wide) {
        if (hex && (digits[0] == '-' || digits[0] == '+')) return std::nullopt;
        return value;
    }
    if (hex) {
        // Up to eight hex digits are a 32-bit pattern, so $FFFFFFFF is -1.
        if (digits.size() > 8 || (digits[0] == '-' || digits[0] == '+')) return std::nullopt;
        return static_cast<int64_t>(static_cast<int32_t>(static_cast<uint32_t>(value)));
    }
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return value;
}

std::optional<int64_t> NavigationCommands::GotoTarget(const std::string& text, int mode, int64_t cursor,
                                                      int64_t size, int baseAddress) {
    const auto value = ReadAddressText(text, size > kMaxDocumentSize);
    if (!value) return std::nullopt;
    const int64_t target = mode == 1   ? cursor + *value
                           : mode == 2 ? cursor - *value
                                       : *value - baseAddress + 1;
    if (target < 1 || target > size) return std::nullopt;
    return target;
}

void NavigationCommands::Show(int64_t pos) {
    ViewCommands(s_).ShowAddress(pos, true, true);
}

void NavigationCommands::Goto1Click() {
    if (!s_.doc.IsOpen) return;
    int64_t target = 0;
    const auto mode = s_.ui.RunGotoDialog(s_.options.gotoMode, [&](const std::string& text, int chosenMode) {
        const auto found =
            GotoTarget(text, chosenMode, s_.view.CursorPosition(), s_.doc.Size(), s_.view.BaseAddress);
        if (!found) {
            s_.ui.ShowError(Msg(kMsgAddressInvalid));
            return false;
        }
        target = *found;
        return true;
    });
    if (!mode) return;
    s_.options.gotoMode = *mode;
    Show(target);
}

void NavigationCommands::Jumpwidth1Click() {
    if (!s_.doc.IsOpen) return;
    int64_t width = 0;
    const bool accepted = s_.ui.RunJumpDialog([&](const std::string& text) {
        const auto value = ReadAddressText(text, s_.doc.Size() > kMaxDocumentSize);
        if (!value || *value < 1 || *value >= s_.doc.Size()) {
            s_.ui.ShowError(Msg(kMsgJumpInvalid));
            return false;
        }
        width = *value;
        return true;
    });
    if (accepted) s_.jumpWidth = width;
    // A cancelled dialog switches the jumps off, even with a width from before.
    s_.actions.EnableItems({"Jumpdown1", "Jumpup1"}, accepted);
}

void NavigationCommands::Jumpdown1Click() {
    const int64_t target = s_.view.CursorPosition() + s_.jumpWidth;
    if (target > s_.doc.Size()) {
        s_.ui.ShowError(Msg(kMsgAddressInvalid));
        return;
    }
    Show(target);
}

void NavigationCommands::Jumpup1Click() {
    const int64_t target = s_.view.CursorPosition() - s_.jumpWidth;
    if (target < 1) {
        s_.ui.ShowError(Msg(kMsgAddressInvalid));
        return;
    }
    Show(target);
}

void NavigationCommands::Rememberaddress1Click() {
    s_.rememberedAddress = s_.view.CursorPosition();
    s_.actions.EnableItems({"Gotoremembered1", "Displaydifference1"}, true);
}

void NavigationCommands::Gotoremembered1Click() {
    const int64_t pos = s_.rememberedAddress;
    if (pos < 1 || pos > s_.doc.Size()) {
        s_.ui.ShowError(Msg(kMsgAddressInvalid));
        return;
    }
    Show(pos);
}

void NavigationCommands::Displaydifference1Click() {
    const int64_t remembered = s_.rememberedAddress;
    const int64_t address = remembered - 1 + s_.view.BaseAddress;
    const int64_t difference = s_.view.CursorPosition() - remembered;
    const std::string decimal = FormatMsg(kMsgDifferenceDec, {address, difference});
    const std::string hex = FormatMsg(
        kMsgDifferenceHex,
        s_.doc.Size() > kMaxDocumentSize
            ? std::initializer_list<FormatArg>{address, difference}
            : std::initializer_list<FormatArg>{static_cast<uint32_t>(address),
                                               static_cast<uint32_t>(static_cast<int32_t>(difference))});
    s_.ui.ShowMemo(Msg(kMsgInformation), decimal + "\r\n" + hex, 14);
}

void NavigationCommands::Add1Click() {
    if (s_.bookmarks.size() >= kMaxBookmarks) {
        s_.ui.ShowError(Msg(kMsgTooManyBookmarks));
        return;
    }
    std::string name;
    if (!s_.ui.InputText(Msg(kMsgAddBookmark), Tr("Texts", "名称:"), name, 0)) return;
    s_.bookmarks.push_back(std::to_string(s_.view.CursorPosition()) + " " + Trim(name));
    RebuildBookmarkMenu();
}

void NavigationCommands::BookmarkClick(int i) {
    if (i < 1 || static_cast<size_t>(i) > s_.bookmarks.size()) return;
    const int64_t pos = BookmarkPosition(s_.bookmarks[static_cast<size_t>(i - 1)], s_.doc.Size());
    if (pos <= 0 || pos > s_.doc.Size()) {
        if (s_.ui.AskYesNo(Msg(kMsgBookmarkInvalid))) {
            s_.bookmarks.erase(s_.bookmarks.begin() + (i - 1));
            RebuildBookmarkMenu();
        }
        return;
    }
    Show(pos);
}

void NavigationCommands::Remove1Click() {
    RebuildBookmarkMenu();
    std::vector<std::string> entries;
    for (size_t i = 0; i < s_.bookmarks.size(); ++i) {
        const auto* state = s_.actions.Find("Bookmark" + std::to_string(i + 1));
        entries.push_back(state ? state->caption.substr(3) : s_.bookmarks[i]);
    }
    int index = 0;
    if (s_.ui.SelectFromList(Msg(kMsgRemoveBookmark), entries, false, 0, index) && index >= 0 &&
        static_cast<size_t>(index) < s_.bookmarks.size())
        s_.bookmarks.erase(s_.bookmarks.begin() + index);
    RebuildBookmarkMenu();
}

void NavigationCommands::Removeall1Click() {
    s_.bookmarks.clear();
    RebuildBookmarkMenu();
}

void NavigationCommands::Savetofile1Click() {
    const std::string title = Msg(kMsgSaveBookmarks).empty() ? kSaveBookmarksTitle.str() : Msg(kMsgSaveBookmarks);
    const auto chosen = s_.ui.ChooseSaveFile(BookmarkDialog(title));
    if (!chosen) return;
    std::string text;
    for (const auto& line : s_.bookmarks)
        text += line + "\r\n";
    // Never into a pipe (it would block) or a device.
    int code = platform::CheckSideFileTarget(*chosen);
    if (code == 0) code = WriteFileSafely(*chosen, text);
    if (code != 0) s_.ui.ShowError(SideFileMessage(code, *chosen, "Cannot create file " + *chosen));
}

void NavigationCommands::Loadfromfile1Click() {
    const auto chosen = s_.ui.ChooseOpenFile(BookmarkDialog(Msg(kMsgLoadBookmarks)));
    if (!chosen) return;
    std::string text;
    const std::string& file = chosen->fileName;
    if (const int code = platform::ReadSmallFile(file, platform::kSideFileMaxBytes, text); code != 0) {
        s_.ui.ShowError(SideFileMessage(code, file, "Cannot open file " + file));
        return;
    }
    s_.bookmarks = ParseBookmarkFile(text);
    RebuildBookmarkMenu();
}

std::vector<std::string> NavigationCommands::ParseBookmarkFile(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    // The list never holds more than nine lines: a longer file is cut short.
    if (lines.size() > kMaxBookmarks) lines.resize(kMaxBookmarks);
    return lines;
}

void NavigationCommands::RebuildBookmarkMenu() {
    const bool any = !s_.bookmarks.empty();
    s_.actions.EnableItems({"Remove1", "Removeall1", "Savetofile1"}, any);
    s_.actions.SetVisible("Bookmarkdivi", any);
    for (size_t i = 0; i < kMaxBookmarks; ++i) {
        const std::string item = "Bookmark" + std::to_string(i + 1);
        if (i >= s_.bookmarks.size()) {
            s_.actions.SetVisible(item, false);
            continue;
        }
        const std::string& line = s_.bookmarks[i];
        const auto blank = line.find(' ');
        const std::string name = blank == std::string::npos ? std::string() : line.substr(blank + 1);
        const int64_t position = BookmarkPosition(line, s_.doc.Size());
        const int64_t address = position - 1 + s_.view.BaseAddress;
        const int64_t number = static_cast<int64_t>(i + 1);
        // A bad line has no address to show: its caption is the line as the file holds it.
        const std::string caption = position == 0      ? Format("&%d %s", {number, line})
                                    : s_.view.TextMode ? Format("&%d %d: %s", {number, address, name})
                                                       : Format("&%d $%x: %s", {number, address, name});
        s_.actions.SetCaption(item, caption);
        s_.actions.SetVisible(item, true);
        s_.actions.SetEnabled(item, true);
    }
}

} // namespace qhe
