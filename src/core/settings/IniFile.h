#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace qhe {

// How TQZIniFile reads the file's lines.
struct IniReadOptions {
    bool skipComments = true;         // lines starting with ";" are skipped
    bool requireEquals = true;        // lines without "=" are skipped
    bool trimAroundEquals = true;     // blanks and tabs directly around the first "=" are removed
    bool stripQuotes = true;          // a value in matching quotes is read without them
    bool trimTrailingControl = false; // trailing characters below 33 are cut
};

// The program's own in-memory INI file, used for window geometry. The whole file is read at
// creation and written back by UpdateFile (also on destruction) when anything changed.
// Sections and keys are found without regard to case; of several sections with the same name
// only the first is kept.
class TQZIniFile {
  public:
    // An empty fileName means the settings file (SettingsFileName()).
    explicit TQZIniFile(const std::string& fileName = {}, const IniReadOptions& options = {});
    // Writes the file if it was modified; a failure is ignored here (call UpdateFile first to
    // learn about it).
    ~TQZIniFile();
    TQZIniFile(const TQZIniFile&) = delete;
    TQZIniFile& operator=(const TQZIniFile&) = delete;

    const std::string& FileName() const { return fileName_; }
    bool Modified() const { return modified_; }

    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue);
    // Decimal, or hexadecimal after "$" or "0x"/"0X"; defaultValue when not a number.
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue);
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue);
    // The key names of section in file order.
    std::vector<std::string> ReadKeys(std::string_view section);

    // With a key: sets key=value (adding the section at the end and the line at the section's
    // end when missing). With an empty key: erases the section when the section name or the
    // value is not empty, otherwise writes the file out.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    void WriteBool(std::string_view section, std::string_view key, bool value);
    void EraseSection(std::string_view section);
    void DeleteKey(std::string_view section, std::string_view key);

    // When modified: writes every section that has lines ("[name]", its lines, one empty
    // line; CR LF line ends), replacing the file safely, and clears the modified flag.
    // Answers false when the file could not be written (the old file is then unchanged) or
    // when it exists but could not be read at creation.
    bool UpdateFile();

  private:
    struct Section {
        std::string name;
        std::vector<std::string> lines; // "key=value"
    };

    void Load();
    void AddLine(std::string_view line, Section*& current);
    void DropDuplicateSections();
    Section* FindSection(std::string_view name);
    static std::string* FindLine(Section& section, std::string_view key);

    std::string fileName_;
    IniReadOptions options_;
    std::vector<Section> sections_;
    size_t lastFound_ = 0;
    bool modified_ = false;
    bool unreadable_ = false; // the file exists but could not be read: never overwrite it
};

} // namespace qhe
