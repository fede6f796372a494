#pragma once
#include <string>
#include <vector>

namespace qhe {

// TMRUFiles: the recent-files list, most recent first, and the menu entries it shows.
class TMRUFiles {
  public:
    struct Entry {
        std::string name;    // "__MRU_" + index
        std::string caption; // shortened path, with "&n " while fewer than 10 entries
        std::string fileName;
    };

    // Moves name to the top (names compared exactly) or inserts it there, then cuts
    // the list to FileCount.
    void Add(const std::string& fileName);
    // Replaces the list (as read from the settings), cut to FileCount.
    void Load(const std::vector<std::string>& files);
    const std::vector<std::string>& Files() const { return files_; }

    int FileCount() const { return fileCount_; }
    // A lower count cuts the list at once.
    void SetFileCount(int count);
    int MaxLength = 30;
    bool ShortCut = true;

    // The menu entries for the current list.
    std::vector<Entry> Rebuild() const;
    // The file of entry "__MRU_<i>", which then moves to the top; empty for an unknown name.
    std::string Choose(const std::string& entryName);

    // A path longer than maxLength shortened to ".../" + the last folders that fit + the file name.
    static std::string Shorten(const std::string& path, int maxLength);

  private:
    void Cut();

    std::vector<std::string> files_;
    int fileCount_ = 5;
};

} // namespace qhe
