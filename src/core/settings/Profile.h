#pragma once
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings/ProfileDocument.h"

namespace qhe {

// A settings write that could not reach the disk. what() is "Unable to write to <file>";
// callers show their own catalogue message for it.
class ProfileWriteError : public std::runtime_error {
  public:
    ProfileWriteError(const std::string& fileName, int errorCode);
    const std::string& FileName() const { return fileName_; }
    // The errno value of the failing step.
    int ErrorCode() const { return errorCode_; }

  private:
    std::string fileName_;
    int errorCode_;
};

// The settings file read once and written once, with the semantics of the single-key profile
// calls below: reading many keys at start-up parses the file one time, and saving many keys
// writes it one time (so a failed save changes nothing in the file).
class ProfileSession {
  public:
    // Reads the file; a missing or unreadable file reads as empty.
    explicit ProfileSession(std::string fileName);

    const std::string& FileName() const { return fileName_; }

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // Decimal, "0x"/"0X" or "$" hexadecimal; anything else gives defaultValue.
    int ReadInt(std::string_view section, std::string_view key, int defaultValue) const;
    // ReadInt with default 0 or 1, any non-zero value meaning true.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;
    // The key names of section in file order.
    std::vector<std::string> ReadKeys(std::string_view section) const;
    bool SectionExists(std::string_view section) const;

    // The profile write call: no key erases the section, no value deletes the key, else the
    // key is set. Line breaks in names and values are written as blanks.
    void Write(std::string_view section, std::optional<std::string_view> key,
               std::optional<std::string_view> value);
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInt(std::string_view section, std::string_view key, int value);
    void WriteBool(std::string_view section, std::string_view key, bool value);
    void EraseSection(std::string_view section);
    void DeleteKey(std::string_view section, std::string_view key);

    bool Modified() const { return modified_; }
    // Writes the file when anything changed; throws ProfileWriteError when that fails (the
    // previous file then stays as it was). A file that exists but could not be read is never
    // overwritten, since that would lose its other contents.
    void Commit();

  private:
    std::string fileName_;
    ProfileDocument document_;
    bool unreadable_ = false;
    bool modified_ = false;
};

// The two profile calls, each a read-modify-write of the whole file.

// The value of key in section, or defaultValue when the file, section or key is missing.
std::string GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, const std::string& fileName);
// The key names of section in file order (what the read call answers for no key).
std::vector<std::string> GetPrivateProfileKeys(std::string_view section, const std::string& fileName);
// No key (std::nullopt) erases the section, no value deletes the key. Throws ProfileWriteError.
void WritePrivateProfileString(std::string_view section, std::optional<std::string_view> key,
                               std::optional<std::string_view> value, const std::string& fileName);

int ReadProfileInt(std::string_view section, std::string_view key, int defaultValue,
                   const std::string& fileName);
bool ReadProfileBool(std::string_view section, std::string_view key, bool defaultValue,
                     const std::string& fileName);
// Writes decimal. Throws ProfileWriteError.
void WriteProfileInt(std::string_view section, std::string_view key, int value, const std::string& fileName);
// Writes "0" or "1". Throws ProfileWriteError.
void WriteProfileBool(std::string_view section, std::string_view key, bool value,
                      const std::string& fileName);

} // namespace qhe
