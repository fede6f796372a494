#include "core/text/History.h"

#include <algorithm>
#include <utility>

#include "core/settings/Profile.h"
#include "core/settings/Settings.h"
#include "core/text/Ansi.h"

namespace qhe {
namespace {

// One code point of UTF-8 text, advancing pos; a malformed byte stands for itself.
char32_t NextCodePoint(std::string_view text, size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    int length = lead < 0x80           ? 1
                 : (lead >> 5) == 0x6  ? 2
                 : (lead >> 4) == 0xE  ? 3
                 : (lead >> 3) == 0x1E ? 4
                                       : 0;
    if (length == 0 || pos + length > text.size()) {
        ++pos;
        return 0xDC00 + lead;
    }
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return 0xDC00 + lead;
        }
        c = (c << 6) | (next & 0x3F);
    }
    pos += length;
    return c;
}

char32_t FoldCase(char32_t c) {
    const uint8_t byte = UnicodeToAnsi(c);
    if (byte == '?' && c != U'?') return c;
    return AnsiToUnicode(AnsiUpper(byte));
}

} // namespace

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
    size_t i = 0;
    size_t j = 0;
    while (i < a.size() && j < b.size())
        if (FoldCase(NextCodePoint(a, i)) != FoldCase(NextCodePoint(b, j))) return false;
    return i == a.size() && j == b.size();
}

bool EntryHistory::Same(std::string_view a, std::string_view b) const {
    return caseSensitive_ ? a == b : SameTextIgnoringCase(a, b);
}

int EntryHistory::IndexOf(std::string_view text) const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i] == text) return static_cast<int>(i);
    return -1;
}

void EntryHistory::Add(std::string_view text) {
    if (text.empty()) return;
    for (size_t i = 0; i < items_.size(); ++i) {
        if (Same(items_[i], text)) {
            std::swap(items_[0], items_[i]);
            return;
        }
    }
    items_.insert(items_.begin(), std::string(text));
    Trim();
}

void EntryHistory::Trim() {
    if (!items_.empty()) {
        for (size_t i = items_.size() - 1; i >= 1; --i) {
            if (items_[i] == items_[0]) {
                items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(i));
                break;
            }
        }
    }
    if (items_.size() > static_cast<size_t>(historyCount_)) items_.resize(static_cast<size_t>(historyCount_));
}

void EntryHistory::Choose(int index) {
    if (index <= 0 || index >= static_cast<int>(items_.size())) return;
    items_.insert(items_.begin(), items_[static_cast<size_t>(index)]);
}

int EntryHistory::FirstIndex() const {
    return items_.empty() ? -1 : 0;
}

int EntryHistory::LastIndex() const {
    return static_cast<int>(items_.size()) - 1;
}

int EntryHistory::PreviousIndex(std::string_view text) const {
    if (items_.empty()) return -1;
    const int index = IndexOf(text);
    return index <= 0 ? 0 : index - 1;
}

int EntryHistory::NextIndex(std::string_view text) const {
    if (items_.empty()) return -1;
    const int index = IndexOf(text);
    if (index < 0) return 0;
    return std::min(index + 1, LastIndex());
}

void EntryHistory::Load(const ProfileSession& profile, std::string_view section) {
    items_ = ReadHistorySection(profile, section);
    if (items_.size() > static_cast<size_t>(historyCount_)) items_.resize(static_cast<size_t>(historyCount_));
}

void EntryHistory::Save(ProfileSession& profile, std::string_view section) const {
    WriteHistorySection(profile, section, items_);
}

} // namespace qhe
