#pragma once
#include <string>

#include "core/search/TQSearch.h"

namespace qhe {

// The program-wide search state shared by find, count, replace and the script searches: the
// one engine (it keeps its prepared tables between find-again commands) and the byte strings.
// The options (case, joker, direction, scope, hex/text, UTF-16) live in the settings'
// OptionsSettings; the last hit and the last replacement are EditorState::lastFoundAddress and
// EditorState::lastReplaceAddress.
struct SearchState {
    TQSearch engine;
    std::string findString;       // the bytes searched for, one char per byte
    std::string replaceString;    // the bytes a hit is replaced by
    std::string replaceUndoBytes; // the bytes the last replacement overwrote
};

} // namespace qhe
