#pragma once
#include <functional>
#include <string>

namespace qhe {

// Shortens a hint to fit width pixels: drops its last character and appends "..." again and
// again while it is too wide and more than two characters are left. measure gives a text's
// width in the status bar's font; characters are whole UTF-8 sequences.
std::string ShortenHint(const std::string& text, int width,
                        const std::function<int(const std::string&)>& measure);

} // namespace qhe
