#include "editor/view/HintText.h"

namespace qhe {
namespace {

// Number of characters (UTF-8 sequences) in text.
size_t CharCount(const std::string& text) {
    size_t n = 0;
    for (unsigned char byte : text)
        n += (byte & 0xC0) != 0x80;
    return n;
}

void DropLastChar(std::string& text) {
    while (!text.empty()) {
        const unsigned char byte = static_cast<unsigned char>(text.back());
        text.pop_back();
        if ((byte & 0xC0) != 0x80) break;
    }
}

} // namespace

std::string ShortenHint(const std::string& text, int width,
                        const std::function<int(const std::string&)>& measure) {
    std::string kept = text;
    std::string shown = text;
    while (measure(shown) > width && CharCount(kept) > 2) {
        DropLastChar(kept);
        shown = kept + "...";
    }
    return shown;
}

} // namespace qhe
