#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qhe {

// The whole settings file as the profile calls see it. Sections and keys are found without
// regard to case; the first of several equal sections or keys is the one that counts. Lines
// the calls do not change (comments, blank lines, lines without "=") are written back as they
// were, so a read-modify-write keeps everything else in the file.
class ProfileDocument {
  public:
    ProfileDocument() = default;
    // Parses file contents (any of CR LF, LF, CR line ends).
    explicit ProfileDocument(std::string_view contents);

    // The value of key in section with blanks around it and one pair of matching quotes
    // removed; nothing when the section or key is missing.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    // The key names of section in file order (comments and lines without "=" left out).
    std::vector<std::string> Keys(std::string_view section) const;
    bool HasSection(std::string_view section) const;

    // Sets key to value; a missing section is added at the end, a missing key after the
    // section's last non-blank line. Answers whether the text changed.
    bool Set(std::string_view section, std::string_view key, std::string_view value);
    // Removes the key's line; answers whether one was removed.
    bool DeleteKey(std::string_view section, std::string_view key);
    // Removes every section of this name with all its lines; answers whether one was removed.
    bool EraseSection(std::string_view section);

    // The file text, each line ended by CR LF.
    std::string Serialize() const;

  private:
    struct Entry {
        std::string text;      // the line as written to the file
        std::string key;       // trimmed name before "=", empty for other lines
        bool hasValue = false; // the line holds "=" and is not a comment
    };
    struct Section {
        std::string header; // the "[name]" line as written
        std::string name;   // trimmed name between the brackets
        std::vector<Entry> entries;
    };

    static Entry ParseEntry(std::string_view line);
    const Section* FindSection(std::string_view name) const;
    Section* FindSection(std::string_view name);

    std::vector<Entry> preamble_; // lines before the first section
    std::vector<Section> sections_;
};

} // namespace qhe
