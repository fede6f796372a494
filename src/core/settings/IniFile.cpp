#include "core/settings/IniFile.h"

#include <algorithm>

#include "core/settings/IniText.h"
#include "core/settings/SettingsFileName.h"
#include "core/settings/SettingsFileRead.h"
#include "platform/SafeFileWrite.h"
#include "platform/SmallFile.h"

namespace qhe {

namespace {

constexpr char kEndOfFileChar = '\x1A';

bool IsBlankOrTab(char c) {
    return c == ' ' || c == '\t';
}

std::string RemoveBlanksAroundFirstEquals(std::string_view line) {
    size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::string(line);
    size_t nameEnd = equals;
    while (nameEnd > 0 && IsBlankOrTab(line[nameEnd - 1]))
        --nameEnd;
    size_t valueStart = equals + 1;
    while (valueStart < line.size() && IsBlankOrTab(line[valueStart]))
        ++valueStart;
    return std::string(line.substr(0, nameEnd)) + "=" + std::string(line.substr(valueStart));
}

std::string_view TrimTrailingControl(std::string_view line) {
    while (!line.empty() && static_cast<unsigned char>(line.back()) < 33)
        line.remove_suffix(1);
    return line;
}

// The name before "=" of a stored line; nothing for a line without "=".
bool LineHasKey(std::string_view line, std::string_view key) {
    size_t equals = line.find('=');
    return equals != std::string_view::npos && EqualsNoCase(line.substr(0, equals), key);
}

} // namespace

TQZIniFile::TQZIniFile(const std::string& fileName, const IniReadOptions& options)
    : fileName_(fileName.empty() ? SettingsFileName() : fileName), options_(options) {
    Load();
}

TQZIniFile::~TQZIniFile() {
    try {
        UpdateFile();
    } catch (...) {
        // Geometry writes report nothing, and a destructor must not throw.
    }
}

void TQZIniFile::Load() {
    std::string contents;
    FileReadResult result = ReadWholeFile(fileName_, contents);
    unreadable_ = result == FileReadResult::Failed;
    if (result != FileReadResult::Read) return;
    Section* current = nullptr;
    for (std::string_view line : SplitLines(contents))
        AddLine(line, current);
    DropDuplicateSections();
}

void TQZIniFile::AddLine(std::string_view line, Section*& current) {
    if (line.size() == 1 && line[0] == kEndOfFileChar) return;
    if (options_.trimTrailingControl) line = TrimTrailingControl(line);
    if (line.empty()) return;
    if (options_.skipComments && line.starts_with(';')) return;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
        sections_.push_back({std::string(line.substr(1, line.size() - 2)), {}});
        current = &sections_.back();
        return;
    }
    std::string stored = options_.trimAroundEquals ? RemoveBlanksAroundFirstEquals(line) : std::string(line);
    if (options_.requireEquals && stored.find('=') == std::string::npos) return;
    // Lines before the first section belong to none and are dropped.
    if (current) current->lines.push_back(std::move(stored));
}

void TQZIniFile::DropDuplicateSections() {
    std::vector<Section> kept;
    for (Section& section : sections_) {
        bool seen = std::any_of(kept.begin(), kept.end(), [&](const Section& earlier) {
            return EqualsNoCase(earlier.name, section.name);
        });
        if (seen) {
            modified_ = true; // the cleaned file is written back
        } else {
            kept.push_back(std::move(section));
        }
    }
    sections_ = std::move(kept);
}

TQZIniFile::Section* TQZIniFile::FindSection(std::string_view name) {
    const size_t count = sections_.size();
    for (size_t step = 0; step < count; ++step) {
        size_t index = (lastFound_ + step) % count;
        if (EqualsNoCase(sections_[index].name, name)) {
            lastFound_ = index;
            return &sections_[index];
        }
    }
    return nullptr;
}

std::string* TQZIniFile::FindLine(Section& section, std::string_view key) {
    auto found = std::find_if(section.lines.begin(), section.lines.end(),
                              [&](const std::string& line) { return LineHasKey(line, key); });
    return found == section.lines.end() ? nullptr : &*found;
}

std::string TQZIniFile::ReadString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) {
    Section* found = FindSection(section);
    const std::string* line = found ? FindLine(*found, key) : nullptr;
    if (!line) return std::string(defaultValue);
    std::string_view value = std::string_view(*line).substr(line->find('=') + 1);
    // Quotes are removed from what is read, not from the stored line, so writing the file
    // back keeps values such as quoted history entries exactly as they were.
    if (options_.stripQuotes) value = StripMatchingQuotes(value);
    return std::string(value);
}

int TQZIniFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue) {
    return ParseIniInteger(ReadString(section, key, "")).value_or(defaultValue);
}

bool TQZIniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

std::vector<std::string> TQZIniFile::ReadKeys(std::string_view section) {
    std::vector<std::string> keys;
    if (Section* found = FindSection(section)) {
        for (const std::string& line : found->lines) {
            if (size_t equals = line.find('='); equals != std::string::npos)
                keys.push_back(line.substr(0, equals));
        }
    }
    return keys;
}

void TQZIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    if (key.empty()) {
        if (!section.empty() || !value.empty()) {
            EraseSection(section);
        } else {
            UpdateFile();
        }
        return;
    }
    std::string line = OneLine(key) + "=" + OneLine(value);
    Section* found = FindSection(section);
    if (!found) {
        sections_.push_back({OneLine(section), {}});
        lastFound_ = sections_.size() - 1;
        found = &sections_.back();
    }
    if (std::string* existing = FindLine(*found, key)) {
        if (*existing == line) return;
        *existing = std::move(line);
    } else {
        found->lines.push_back(std::move(line));
    }
    modified_ = true;
}

void TQZIniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

void TQZIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void TQZIniFile::EraseSection(std::string_view section) {
    Section* found = FindSection(section);
    if (!found) return;
    sections_.erase(sections_.begin() + (found - sections_.data()));
    lastFound_ = 0;
    modified_ = true;
}

void TQZIniFile::DeleteKey(std::string_view section, std::string_view key) {
    Section* found = FindSection(section);
    std::string* line = found ? FindLine(*found, key) : nullptr;
    if (!line) return;
    found->lines.erase(found->lines.begin() + (line - found->lines.data()));
    modified_ = true;
}

bool TQZIniFile::UpdateFile() {
    if (!modified_) return true;
    // Rewriting a file whose contents could not be read would lose them.
    if (unreadable_) return false;
    // A pipe or device put there since the file was read is not written either (it could block).
    if (platform::CheckSideFileTarget(fileName_) != 0) return false;
    std::string text;
    for (const Section& section : sections_) {
        if (section.lines.empty()) continue;
        text += "[" + section.name + "]\r\n";
        for (const std::string& line : section.lines)
            text += line + "\r\n";
        text += "\r\n";
    }
    if (WriteFileSafely(fileName_, text, true) != 0) return false;
    modified_ = false;
    return true;
}

} // namespace qhe
