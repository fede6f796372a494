#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "editor/EditorState.h"

namespace qhe {

// Goto, the jump width with F5 / Shift+F5, the remembered position with its difference, and
// up to nine bookmarks saved to and loaded from ".qbm" files.
class NavigationCommands {
  public:
    static constexpr size_t kMaxBookmarks = 9;

    explicit NavigationCommands(EditorState& state) : s_(state) {}

    void Goto1Click();
    void Jumpwidth1Click();
    void Jumpdown1Click();
    void Jumpup1Click();
    void Rememberaddress1Click();
    void Gotoremembered1Click();
    void Displaydifference1Click();

    void Add1Click();
    // Bookmark item i (1..9).
    void BookmarkClick(int i);
    void Remove1Click();
    void Removeall1Click();
    void Savetofile1Click();
    void Loadfromfile1Click();
    // Captions and visibility of the bookmark items, addresses in the base of the active pane.
    void RebuildBookmarkMenu();

    // A number as the dialogs read it: signed 32-bit decimal, or hexadecimal after "$". wide
    // (a Document above 2 GiB) reads 64-bit numbers, with up to sixteen hex digits.
    static std::optional<int64_t> ReadAddressText(const std::string& text, bool wide = false);
    // The position a Goto value leads to (mode 0 absolute, 1 down, 2 up), if inside 1..size.
    static std::optional<int64_t> GotoTarget(const std::string& text, int mode, int64_t cursor, int64_t size,
                                             int baseAddress);
    // A bookmark file's text split into lines (CR LF, CR or LF), at most nine kept.
    static std::vector<std::string> ParseBookmarkFile(const std::string& text);

  private:
    // Moves the cursor to pos, scrolling only when it is not visible.
    void Show(int64_t pos);
    EditorState& s_;
};

} // namespace qhe
