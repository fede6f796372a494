#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace qhe {

class ProfileSession;

// The remembered entries of one entry field, most recent first, as the history drop-down keeps
// them. Entries are UTF-8 texts.
class EntryHistory {
  public:
    static constexpr int kDefaultCount = 8;

    explicit EntryHistory(int historyCount = kDefaultCount, bool caseSensitive = true)
        : historyCount_(historyCount), caseSensitive_(caseSensitive) {}

    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(std::vector<std::string> items) { items_ = std::move(items); }
    int HistoryCount() const { return historyCount_; }
    void SetHistoryCount(int count) { historyCount_ = count < 0 ? 0 : count; }
    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool caseSensitive) { caseSensitive_ = caseSensitive; }

    // Remembers text: an empty text is ignored; a new text goes to the top; a text already
    // present changes places with the top entry.
    void Add(std::string_view text);
    // Removes one older copy of the top entry, then the entries beyond HistoryCount.
    void Trim();
    // Choosing entry index from the list: a copy of it goes to the top (index 0 stays).
    void Choose(int index);

    // The entry the keys of the edit take, given the edit's text; -1 when the list is empty.
    int FirstIndex() const;
    int LastIndex() const;
    // The entry before the one equal to text (the first when text is absent or first).
    int PreviousIndex(std::string_view text) const;
    // The entry after the one equal to text (the first when text is absent; stays on the last).
    int NextIndex(std::string_view text) const;

    // Replaces the entries by those of section (quotes removed), trimmed to HistoryCount.
    void Load(const ProfileSession& profile, std::string_view section);
    // Erases section and writes the entries as "0", "1", ... each in double quotes.
    void Save(ProfileSession& profile, std::string_view section) const;

  private:
    bool Same(std::string_view a, std::string_view b) const;
    int IndexOf(std::string_view text) const;

    std::vector<std::string> items_;
    int historyCount_;
    bool caseSensitive_;
};

// Case-insensitive equality of two UTF-8 texts by the code page's case maps; characters outside
// the code page compare exactly.
bool SameTextIgnoringCase(std::string_view a, std::string_view b);

} // namespace qhe
