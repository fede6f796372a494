#include "platform/Shortcuts.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/Paths.h"
#include "platform/SafeFileWrite.h"

namespace qhe::platform {
namespace {

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    return home ? home : "";
}

// The desktop folder from user-dirs.dirs, else ~/Desktop.
std::string DesktopFolder() {
    std::ifstream dirs(XdgConfigHome() + "/user-dirs.dirs");
    for (std::string line; std::getline(dirs, line);) {
        const std::string prefix = "XDG_DESKTOP_DIR=\"";
        if (line.rfind(prefix, 0) != 0 || line.back() != '"') continue;
        std::string path = line.substr(prefix.size(), line.size() - prefix.size() - 1);
        if (path.rfind("$HOME", 0) == 0) path = HomeFolder() + path.substr(5);
        return path;
    }
    return HomeFolder() + "/Desktop";
}

// The value of an Exec line without its field codes (%f, %F, %u, ...), unquoted.
std::string ExecTarget(const std::string& exec, std::string& arguments) {
    std::vector<std::string> words;
    std::string word;
    bool quoted = false, escaped = false;
    for (char c : exec) {
        if (escaped) {
            word += c;
            escaped = false;
        } else if (c == '\\') {
            escaped = true;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ' ' && !quoted) {
            if (!word.empty()) words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty()) words.push_back(word);
    arguments.clear();
    for (size_t i = 1; i < words.size(); ++i) {
        if (words[i].size() == 2 && words[i][0] == '%') continue;
        arguments += (arguments.empty() ? "" : " ") + words[i];
    }
    return words.empty() ? std::string() : words[0];
}

// A value quoted for an Exec line.
std::string Quote(const std::string& value) {
    std::string quoted = "\"";
    for (char c : value) {
        if (c == '"' || c == '\\' || c == '`' || c == '$') quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

} // namespace

std::string SpecialFolder(const std::string& key) {
    const std::string upper = Upper(key);
    if (upper == "SENDTO" || upper == "PROGRAMS") return XdgDataHome() + "/applications";
    if (upper == "DESKTOP") return DesktopFolder();
    if (upper == "STARTUP") return XdgConfigHome() + "/autostart";
    return key;
}

bool ReadShortcut(const std::string& linkName, const std::string& key, ShortcutProperties& properties) {
    std::ifstream file(SpecialFolder(key) + "/" + linkName);
    if (!file) return false;
    properties = ShortcutProperties{};
    bool inEntry = false, hasExec = false;
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line.front() == '[') {
            inEntry = line == "[Desktop Entry]";
            continue;
        }
        const auto equals = line.find('=');
        if (!inEntry || equals == std::string::npos) continue;
        const std::string name = line.substr(0, equals), value = line.substr(equals + 1);
        if (name == "Exec") {
            properties.target = ExecTarget(value, properties.arguments);
            hasExec = true;
        } else if (name == "Path") {
            properties.workingDir = value;
        } else if (name == "Icon") {
            properties.iconFile = value;
        } else if (name == "Name") {
            properties.name = value;
        }
    }
    return hasExec;
}

bool CreateShortcut(const std::string& linkName, const std::string& key,
                    const ShortcutProperties& properties) {
    const std::string folder = SpecialFolder(key);
    if (folder.empty()) return false;
    std::ostringstream text;
    text << "[Desktop Entry]\nType=Application\nName="
         << (properties.name.empty() ? linkName : properties.name) << "\nExec=" << Quote(properties.target);
    if (!properties.arguments.empty()) text << ' ' << properties.arguments;
    text << " %f\n";
    if (!properties.workingDir.empty()) text << "Path=" << properties.workingDir << "\n";
    if (!properties.iconFile.empty()) text << "Icon=" << properties.iconFile << "\n";
    text << "MimeType=application/octet-stream;\nTerminal=false\nNoDisplay=false\n";
    return WriteFileSafely(folder + "/" + linkName, text.str(), true) == 0;
}

std::string FindShortcutTo(const std::string& target, const std::string& key) {
    std::error_code error;
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(SpecialFolder(key), error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() > 8 && name.compare(name.size() - 8, 8, kShortcutExtension) == 0)
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    for (const auto& name : names) {
        ShortcutProperties properties;
        if (ReadShortcut(name, key, properties) && properties.target == target) return name;
    }
    return {};
}

} // namespace qhe::platform
