#pragma once
#include <cstdint>
#include <span>

#include "core/search/TQSearch.h"

namespace qhe {

class Document;

// The engine's search and count over a Document, with the engine's results and rules (1-based
// positions in [low, high], -2 for an empty pattern, -1 for none or a cancel). A Document in one
// buffer is searched in place; one in pieces is searched run by run at the engine's speed, and the
// windows that cross from one run into the next (at most pattern length - 1 starts per border)
// are searched in a small copy of the bytes around the border.
struct SearchRequest {
    std::span<const uint8_t> pattern;
    bool caseSensitive = true;
    bool jokerOn = false;
    uint8_t joker = 0;
    const SearchProgress* progress = nullptr; // may be null
};

int64_t SearchForwardIn(TQSearch& engine, const Document& doc, const SearchRequest& r, int64_t low,
                        int64_t high, bool& cancel);
int64_t SearchBackwardIn(TQSearch& engine, const Document& doc, const SearchRequest& r, int64_t low,
                         int64_t high, bool& cancel);
int64_t CountForwardIn(TQSearch& engine, const Document& doc, const SearchRequest& r, int64_t low,
                       int64_t high, bool& cancel, int64_t& lastHit);
int64_t CountBackwardIn(TQSearch& engine, const Document& doc, const SearchRequest& r, int64_t low,
                        int64_t high, bool& cancel, int64_t& lastHit);

} // namespace qhe
