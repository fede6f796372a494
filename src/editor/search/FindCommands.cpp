#include "editor/search/FindCommands.h"

#include <algorithm>
#include <span>

#include "core/search/DocumentSearch.h"
#include "core/text/Format.h"
#include "core/text/MessageIds.h"
#include "core/text/Messages.h"
#include "editor/OwnTexts.h"
#include "editor/search/FindDialogModel.h"
#include "editor/tools/UnreadPages.h"
#include "editor/view/ViewCommands.h"

namespace qhe {
namespace {
constexpr int kProgressStep = 5;

std::span<const uint8_t> BytesOf(const std::string& bytes) {
    return {reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()};
}

} // namespace

void FindCommands::FindNext(int64_t& position, bool& found, bool& cancelled, bool replaceMode, bool afterHit,
                            Progress& progress) {
    int64_t p = position;
    if (afterHit) {
        const int64_t r = static_cast<int64_t>(s_.search.replaceString.size());
        const bool replaced = s_.lastReplaceAddress > 0;
        if (replaceMode && replaced && p == s_.lastReplaceAddress && r == 0) {
            // The empty replacement deleted the hit: the following bytes now begin at p.
        } else if (replaced && p == s_.lastReplaceAddress + r - 1) {
            ++p; // the cursor stands on the last byte of the last replacement
        } else if (s_.lastFoundAddress > 0 && p == s_.lastFoundAddress) {
            p += PatternLength(); // hits never overlap
        }
    }
    const int64_t size = s_.doc.Size();
    cancelled = false;
    const SearchProgress callback = [&](int64_t e, bool& cancel) {
        progress.SetProgress(e, size, kProgressStep);
        cancel = progress.Cancelled();
    };
    const OptionsSettings& o = s_.options;
    const SearchRequest request{BytesOf(s_.search.findString), o.caseSensitive, o.jokerFind, o.jokerByte,
                                &callback};
    const int64_t hit =
        SearchForwardIn(s_.search.engine, s_.doc, request, std::max<int64_t>(p, 1), size, cancelled);
    position = hit;
    found = hit >= 1;
    if (found) s_.lastFoundAddress = hit;
}

void FindCommands::FindPrevious(int64_t& position, bool& found, bool& cancelled, Progress& progress) {
    int64_t p = position;
    if (s_.lastFoundAddress > 0 && p == s_.lastFoundAddress) --p;
    const int64_t size = s_.doc.Size();
    p = std::min(p, size); // a cursor behind the last byte searches from the last byte
    cancelled = false;
    const SearchProgress callback = [&](int64_t e, bool& cancel) {
        progress.SetProgress(size - e, size, kProgressStep);
        cancel = progress.Cancelled();
    };
    const OptionsSettings& o = s_.options;
    const SearchRequest request{BytesOf(s_.search.findString), o.caseSensitive, o.jokerFind, o.jokerByte,
                                &callback};
    const int64_t hit = SearchBackwardIn(s_.search.engine, s_.doc, request, 1, p, cancelled);
    position = hit;
    found = hit >= 1;
    if (found) s_.lastFoundAddress = hit;
}

bool FindCommands::CountMatches(bool down, int64_t start, int64_t& count, Progress& progress) {
    // The engine counts in one pass: the gauge and the Cancel button follow its progress calls,
    // so hits side by side cost no bookkeeping each.
    const int64_t size = s_.doc.Size();
    const SearchProgress callback = [&](int64_t e, bool& cancel) {
        progress.SetProgress(down ? e : size - e, size, kProgressStep);
        cancel = progress.Cancelled();
    };
    const OptionsSettings& o = s_.options;
    const SearchRequest request{BytesOf(s_.search.findString), o.caseSensitive, o.jokerFind, o.jokerByte,
                                &callback};
    bool cancelled = false;
    int64_t lastHit = 0;
    if (down) {
        count = CountForwardIn(s_.search.engine, s_.doc, request, std::max<int64_t>(start, 1), size,
                               cancelled, lastHit);
    } else {
        int64_t p = start;
        if (s_.lastFoundAddress > 0 && p == s_.lastFoundAddress) --p;
        p = std::min(p, size);
        count = CountBackwardIn(s_.search.engine, s_.doc, request, 1, p, cancelled, lastHit);
    }
    if (lastHit > 0) s_.lastFoundAddress = lastHit;
    if (!cancelled) { // the gauge ends full; a Cancel seen there still counts
        progress.SetProgress(size, size, kProgressStep);
        cancelled = progress.Cancelled();
    }
    return !cancelled;
}

bool FindCommands::RunDialog(bool count) {
    FindDialogRequest request;
    request.count = count;
    request.options = FindOptionsOf(s_.options);
    request.byteOrder = s_.options.byteOrder;
    const int64_t cursor = s_.view.CursorPosition();
    request.documentByteAt = [this, cursor](int64_t offset) -> std::optional<uint8_t> {
        const int64_t p = cursor + offset;
        if (!s_.doc.IsOpen || p < 1 || p > s_.doc.Size()) return std::nullopt;
        return s_.doc.GetByte(p);
    };
    const auto result = s_.ui.RunFindDialog(request);
    if (!result) return false;
    StoreFindOptions(result->options, s_.options);
    s_.search.findString = result->pattern;
    return true;
}

void FindCommands::Find1Click() {
    const bool confirmed = RunDialog(false);
    s_.actions.EnableItems({"Findagaindown1", "Findagainup1"}, confirmed);
    s_.actions.EnableItems({"Replaceagaindown1", "Replaceundo1"}, false);
    if (confirmed) FindAgain(s_.options.findDown, false);
}

void FindCommands::Findagaindown1Click(bool byUser) {
    FindAgain(true, byUser);
}

void FindCommands::Findagainup1Click(bool byUser) {
    FindAgain(false, byUser);
}

void FindCommands::FindAgain(bool down, bool byUser) {
    if (!s_.doc.IsOpen) return;
    int64_t p = s_.view.CursorPosition();
    if (!byUser && !s_.options.scope) p = down ? 1 : s_.doc.Size();
    bool found = false, cancelled = false;
    const UnreadPages unread(s_.doc);
    {
        const std::unique_ptr<Progress> progress =
            s_.ui.CreateProgress(true, true, Msg(kMsgPosition), Msg(kMsgSearching));
        if (down)
            FindNext(p, found, cancelled, false, true, *progress);
        else
            FindPrevious(p, found, cancelled, *progress);
    }
    if (cancelled) return;
    if (found) {
        ViewCommands(s_).ShowAddress(p, true, true);
        // Pages lost on the way may have hidden an earlier hit (or made this one of zeros).
        if (unread.New() > 0) s_.ui.ShowError(unread.Text(kTextUnreadResult, unread.New()));
    } else if (unread.All() > 0) {
        // The zeros read in place of lost pages were searched, not the file's bytes.
        s_.ui.ShowError(unread.Text(kTextUnreadNotFound, unread.All()));
    } else {
        s_.ui.ShowInfo(Msg(kMsgNotFound));
    }
}

void FindCommands::Count1Click() {
    if (!s_.doc.IsOpen || !RunDialog(true)) return;
    const bool down = s_.options.findDown;
    int64_t start = s_.view.CursorPosition();
    if (!s_.options.scope) start = down ? 1 : s_.doc.Size();
    int64_t count = 0;
    bool completed = false;
    const UnreadPages unread(s_.doc);
    {
        const std::unique_ptr<Progress> progress =
            s_.ui.CreateProgress(true, true, Msg(kMsgPosition), Msg(kMsgSearching));
        completed = CountMatches(down, start, count, *progress);
    }
    if (!completed) return;
    if (count > 0) ViewCommands(s_).ShowAddress(s_.lastFoundAddress, true, true);
    std::string text = FormatMsg(kMsgCountResult, {count});
    if (unread.All() > 0) text += "\n\n" + unread.Text(kTextUnreadResult, unread.All());
    s_.ui.ShowMemo(Msg(kMsgInformation), text, 0);
}

} // namespace qhe
