#include "core/settings/Profile.h"

#include <cerrno>

#include "core/settings/IniText.h"
#include "core/settings/SettingsFileRead.h"
#include "platform/SafeFileWrite.h"
#include "platform/SmallFile.h"

namespace qhe {

ProfileWriteError::ProfileWriteError(const std::string& fileName, int errorCode)
    : std::runtime_error("Unable to write to " + fileName), fileName_(fileName), errorCode_(errorCode) {}

ProfileSession::ProfileSession(std::string fileName) : fileName_(std::move(fileName)) {
    std::string contents;
    switch (ReadWholeFile(fileName_, contents)) {
    case FileReadResult::Read:
        document_ = ProfileDocument(contents);
        break;
    case FileReadResult::Missing:
        break;
    case FileReadResult::Failed:
        unreadable_ = true;
        break;
    }
}

std::string ProfileSession::ReadString(std::string_view section, std::string_view key,
                                       std::string_view defaultValue) const {
    auto value = document_.Get(section, key);
    return value ? *value : std::string(defaultValue);
}

int ProfileSession::ReadInt(std::string_view section, std::string_view key, int defaultValue) const {
    auto value = document_.Get(section, key);
    if (!value) return defaultValue;
    return ParseIniInteger(*value).value_or(defaultValue);
}

bool ProfileSession::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return ReadInt(section, key, defaultValue ? 1 : 0) != 0;
}

std::vector<std::string> ProfileSession::ReadKeys(std::string_view section) const {
    return document_.Keys(section);
}

bool ProfileSession::SectionExists(std::string_view section) const {
    return document_.HasSection(section);
}

void ProfileSession::Write(std::string_view section, std::optional<std::string_view> key,
                           std::optional<std::string_view> value) {
    bool changed = false;
    if (!key) {
        changed = document_.EraseSection(section);
    } else if (!value) {
        changed = document_.DeleteKey(section, *key);
    } else {
        changed = document_.Set(section, *key, *value);
    }
    modified_ = modified_ || changed;
}

void ProfileSession::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    Write(section, key, value);
}

void ProfileSession::WriteInt(std::string_view section, std::string_view key, int value) {
    Write(section, key, std::to_string(value));
}

void ProfileSession::WriteBool(std::string_view section, std::string_view key, bool value) {
    Write(section, key, value ? "1" : "0");
}

void ProfileSession::EraseSection(std::string_view section) {
    Write(section, std::nullopt, std::nullopt);
}

void ProfileSession::DeleteKey(std::string_view section, std::string_view key) {
    Write(section, key, std::nullopt);
}

void ProfileSession::Commit() {
    if (!modified_) return;
    if (unreadable_) throw ProfileWriteError(fileName_, EACCES);
    // A pipe or device put there since the file was read is not written either (it could block).
    if (int code = platform::CheckSideFileTarget(fileName_); code != 0)
        throw ProfileWriteError(fileName_, code);
    if (int error = WriteFileSafely(fileName_, document_.Serialize(), true); error != 0) {
        throw ProfileWriteError(fileName_, error);
    }
    modified_ = false;
}

std::string GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, const std::string& fileName) {
    return ProfileSession(fileName).ReadString(section, key, defaultValue);
}

std::vector<std::string> GetPrivateProfileKeys(std::string_view section, const std::string& fileName) {
    return ProfileSession(fileName).ReadKeys(section);
}

void WritePrivateProfileString(std::string_view section, std::optional<std::string_view> key,
                               std::optional<std::string_view> value, const std::string& fileName) {
    ProfileSession session(fileName);
    session.Write(section, key, value);
    session.Commit();
}

int ReadProfileInt(std::string_view section, std::string_view key, int defaultValue,
                   const std::string& fileName) {
    return ProfileSession(fileName).ReadInt(section, key, defaultValue);
}

bool ReadProfileBool(std::string_view section, std::string_view key, bool defaultValue,
                     const std::string& fileName) {
    return ProfileSession(fileName).ReadBool(section, key, defaultValue);
}

void WriteProfileInt(std::string_view section, std::string_view key, int value, const std::string& fileName) {
    WritePrivateProfileString(section, key, std::to_string(value), fileName);
}

void WriteProfileBool(std::string_view section, std::string_view key, bool value,
                      const std::string& fileName) {
    WritePrivateProfileString(section, key, value ? "1" : "0", fileName);
}

} // namespace qhe
