#pragma once
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/document/Document.h"
#include "core/settings/Settings.h"
#include "core/tools/CharTable.h"
#include "editor/Ui.h"
#include "editor/blocks/BlockState.h"
#include "editor/edit/DocumentEditor.h"
#include "editor/file/RecentFiles.h"
#include "editor/menu/Actions.h"
#include "editor/search/SearchState.h"
#include "editor/view/Keys.h"
#include "editor/view/ViewState.h"

namespace qhe {

// What changed, so the window repaints only that.
enum ChangeFlags : unsigned {
    kChangedCaption = 1u << 0,
    kChangedStatus = 1u << 1,
    kChangedView = 1u << 2,   // the Document's bytes or the view position
    kChangedRecent = 1u << 3, // the recent-files list
    kChangedAll = 0xFFFFFFFFu
};

// Everything the main window owns besides its widgets: the Document, the menu state, the
// status panels, the caption, the recent files, the view and the block. Commands work on it; the window
// observes it.
struct EditorState {
    explicit EditorState(Ui& ui);

    Ui& ui;
    Document doc;
    EditJournal journal;          // the undo history, recorded by editor
    DocumentEditor editor{*this}; // every change of doc's bytes goes through it
    ActionRegistry actions;
    TMRUFiles recent;
    OptionsSettings options; // the preferences, read at start and written at close
    DataInspSettings dataInsp;
    CharTable charTable{}; // the character conversion table; identity from the start
    BlockState block;
    ViewState view;
    KeyboardState keyboard;
    std::string caption = "QHE32";
    std::array<std::string, 4> status; // panels 0..3; panel 3 shows hints and busy texts
    int64_t rememberedAddress = 1;
    char decimalSeparator = '.';        // the user's locale, for floating-point numbers
    int64_t jumpWidth = 0;              // F5 / Shift+F5 distance; 0 until one is accepted
    std::vector<std::string> bookmarks; // at most 9 lines "<position> <name>"
    int64_t lastFoundAddress = 0;
    int64_t lastReplaceAddress = 0;
    int64_t lastReplaceLength = 0; // bytes written by the last replacement
    SearchState search;

    // The window's observer: called with ChangeFlags after each command step.
    std::function<void(unsigned)> onChange;
    void Changed(unsigned what) {
        if (onChange) onChange(what);
    }
    // Shows text in the hint panel.
    void SetHint(const std::string& text) {
        status[3] = text;
        Changed(kChangedStatus);
    }
};

} // namespace qhe
