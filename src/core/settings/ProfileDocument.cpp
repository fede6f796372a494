#include "core/settings/ProfileDocument.h"

#include <algorithm>
#include <utility>

#include "core/settings/IniText.h"

namespace qhe {

namespace {

bool IsBlankLine(std::string_view line) {
    return TrimBlanks(line).empty();
}

std::string EntryText(std::string_view key, std::string_view value) {
    return OneLine(key) + "=" + OneLine(value);
}

// The first line of section holding key (Section and Entry const or not).
template <class SectionType> auto* FindEntry(SectionType& section, std::string_view key) {
    auto found = std::find_if(section.entries.begin(), section.entries.end(), [&](const auto& entry) {
        return entry.hasValue && EqualsNoCase(entry.key, key);
    });
    return found == section.entries.end() ? nullptr : &*found;
}

} // namespace

ProfileDocument::Entry ProfileDocument::ParseEntry(std::string_view line) {
    Entry entry;
    entry.text = std::string(line);
    std::string_view trimmed = TrimBlanks(line);
    size_t equals = trimmed.find('=');
    if (equals != std::string_view::npos && !trimmed.starts_with(';')) {
        entry.key = std::string(TrimBlanks(trimmed.substr(0, equals)));
        entry.hasValue = true;
    }
    return entry;
}

ProfileDocument::ProfileDocument(std::string_view contents) {
    for (std::string_view line : SplitLines(contents)) {
        std::string_view trimmed = TrimBlanks(line);
        if (trimmed.starts_with('[')) {
            size_t close = trimmed.rfind(']');
            std::string_view name =
                trimmed.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1);
            sections_.push_back({std::string(line), std::string(TrimBlanks(name)), {}});
        } else if (sections_.empty()) {
            preamble_.push_back(ParseEntry(line));
        } else {
            sections_.back().entries.push_back(ParseEntry(line));
        }
    }
}

const ProfileDocument::Section* ProfileDocument::FindSection(std::string_view name) const {
    auto found = std::find_if(sections_.begin(), sections_.end(),
                              [&](const Section& section) { return EqualsNoCase(section.name, name); });
    return found == sections_.end() ? nullptr : &*found;
}

ProfileDocument::Section* ProfileDocument::FindSection(std::string_view name) {
    return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

std::optional<std::string> ProfileDocument::Get(std::string_view section, std::string_view key) const {
    const Section* found = FindSection(section);
    if (!found) return std::nullopt;
    const Entry* entry = FindEntry(*found, key);
    if (!entry) return std::nullopt;
    std::string_view text = entry->text;
    std::string_view value = TrimBlanks(text.substr(text.find('=') + 1));
    return std::string(StripMatchingQuotes(value));
}

std::vector<std::string> ProfileDocument::Keys(std::string_view section) const {
    std::vector<std::string> keys;
    if (const Section* found = FindSection(section)) {
        for (const Entry& entry : found->entries) {
            if (entry.hasValue) keys.push_back(entry.key);
        }
    }
    return keys;
}

bool ProfileDocument::HasSection(std::string_view section) const {
    return FindSection(section) != nullptr;
}

bool ProfileDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    Section* found = FindSection(section);
    if (!found) {
        // A blank line keeps the new section apart from the text before it.
        std::vector<Entry>& before = sections_.empty() ? preamble_ : sections_.back().entries;
        if (!before.empty() && !IsBlankLine(before.back().text)) before.push_back(ParseEntry(""));
        std::string header = "[";
        header.append(OneLine(section)).append("]");
        sections_.push_back({std::move(header), std::string(section), {}});
        found = &sections_.back();
    }
    if (Entry* existing = FindEntry(*found, key)) {
        // The file's own spelling of the key stays.
        std::string text = EntryText(existing->key, value);
        if (existing->text == text) return false;
        existing->text = std::move(text);
        return true;
    }
    auto lastLine = std::find_if(found->entries.rbegin(), found->entries.rend(),
                                 [](const Entry& entry) { return !IsBlankLine(entry.text); });
    found->entries.insert(lastLine.base(), ParseEntry(EntryText(key, value)));
    return true;
}

bool ProfileDocument::DeleteKey(std::string_view section, std::string_view key) {
    Section* found = FindSection(section);
    if (!found) return false;
    Entry* entry = FindEntry(*found, key);
    if (!entry) return false;
    found->entries.erase(found->entries.begin() + (entry - found->entries.data()));
    return true;
}

bool ProfileDocument::EraseSection(std::string_view section) {
    return std::erase_if(sections_, [&](const Section& each) { return EqualsNoCase(each.name, section); }) >
           0;
}

std::string ProfileDocument::Serialize() const {
    std::string text;
    for (const Entry& entry : preamble_)
        text += entry.text + "\r\n";
    for (const Section& section : sections_) {
        text += section.header + "\r\n";
        for (const Entry& entry : section.entries)
            text += entry.text + "\r\n";
    }
    return text;
}

} // namespace qhe
