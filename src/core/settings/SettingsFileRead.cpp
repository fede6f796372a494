#include "core/settings/SettingsFileRead.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace qhe {

FileReadResult ReadWholeFile(const std::string& fileName, std::string& contents) {
    std::error_code error;
    auto status = std::filesystem::status(fileName, error);
    if (status.type() == std::filesystem::file_type::not_found) return FileReadResult::Missing;
    if (error || std::filesystem::is_directory(status)) return FileReadResult::Failed;
    std::ifstream in(fileName, std::ios::binary);
    if (!in) return FileReadResult::Failed;
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return FileReadResult::Failed;
    contents = std::move(text);
    return FileReadResult::Read;
}

} // namespace qhe
