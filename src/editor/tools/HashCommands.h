#pragma once
#include <string>
#include <utility>
#include <vector>

#include "core/tools/Hashes.h"
#include "editor/EditorState.h"

namespace qhe {

inline constexpr int kHelpHashes = 88;

// The hash dialog without its widgets: which digests are chosen, what they are computed over
// (the marked block, else the whole Document), and their results.
class HashDialogModel {
  public:
    explicit HashDialogModel(EditorState& state);

    std::vector<bool> chosen; // per HashKind
    // "整个文件 (1,024 字节)" or "块 10 - 1F (16 字节)".
    std::string RangeText() const;
    // Computes the chosen digests under a progress box; false when cancelled or none chosen, and
    // (with a message, the results cleared) when pages of a mapped file read as zeros.
    bool Compute();
    const std::vector<std::pair<HashKind, std::string>>& Results() const { return results_; }
    // The results as sha256sum lines (DigestLine).
    std::string AllText() const;
    // To the clipboard: one result's digest, or all lines.
    void CopyOne(size_t index);
    void CopyAll();
    // The chosen digests as the settings keep them, and back.
    std::string ChosenNames() const;
    void Choose(const std::string& names);

  private:
    EditorState& s_;
    int64_t from_ = 1, count_ = 0;
    std::vector<std::pair<HashKind, std::string>> results_;
};

// "哈希值(&H)...": the hash dialog over the block or the whole Document; the choice is kept.
class HashCommands {
  public:
    explicit HashCommands(EditorState& state) : s_(state) {}
    void Hashes1Click();

  private:
    EditorState& s_;
};

} // namespace qhe
