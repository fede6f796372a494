#include "editor/file/RecentFiles.h"

#include <algorithm>
#include <cctype>

namespace qhe {

void TMRUFiles::Cut() {
    if (static_cast<int>(files_.size()) > fileCount_)
        files_.resize(static_cast<size_t>(std::max(fileCount_, 0)));
}

void TMRUFiles::Add(const std::string& fileName) {
    // Names are compared exactly: on this system A.bin and a.bin are two files.
    auto it = std::find(files_.begin(), files_.end(), fileName);
    if (it != files_.end()) files_.erase(it);
    files_.insert(files_.begin(), fileName);
    Cut();
}

void TMRUFiles::Load(const std::vector<std::string>& files) {
    files_.clear();
    for (const auto& f : files)
        if (!f.empty()) files_.push_back(f);
    Cut();
}

void TMRUFiles::SetFileCount(int count) {
    fileCount_ = count;
    Cut();
}

std::vector<TMRUFiles::Entry> TMRUFiles::Rebuild() const {
    std::vector<Entry> entries;
    const bool numbered = ShortCut && files_.size() < 10;
    for (size_t i = 0; i < files_.size(); ++i) {
        std::string caption = Shorten(files_[i], MaxLength);
        if (numbered) {
            std::string accelerated("&");
            accelerated.append(std::to_string(i + 1)).append(" ").append(caption);
            caption = std::move(accelerated);
        }
        entries.push_back({"__MRU_" + std::to_string(i), caption, files_[i]});
    }
    return entries;
}

std::string TMRUFiles::Choose(const std::string& entryName) {
    const std::string prefix = "__MRU_";
    if (entryName.rfind(prefix, 0) != 0) return {};
    const std::string digits = entryName.substr(prefix.size(), 3);
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), ::isdigit)) return {};
    const size_t index = std::stoul(digits);
    if (index >= files_.size()) return {};
    const std::string file = files_[index];
    Add(file);
    return file;
}

std::string TMRUFiles::Shorten(const std::string& path, int maxLength) {
    if (maxLength <= 0 || static_cast<int>(path.size()) <= maxLength) return path;
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t slash; (slash = path.find('/', start)) != std::string::npos; start = slash + 1)
        parts.push_back(path.substr(start, slash - start));
    parts.push_back(path.substr(start));
    if (parts.size() == 1) return path;
    const std::string& fileName = parts.back();
    std::string folders; // the last folders that still fit, each followed by '/'
    for (size_t i = parts.size() - 1; i-- > 1;) {
        std::string candidate = parts[i] + "/" + folders;
        if (static_cast<int>(4 + candidate.size() + fileName.size()) > maxLength) break;
        folders = candidate;
    }
    std::string result = ".../" + folders + fileName;
    return result.size() < path.size() ? result : path;
}

} // namespace qhe
