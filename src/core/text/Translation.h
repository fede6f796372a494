#pragma once
#include <functional>
#include <string>
#include <string_view>

// Marks a text for the translation files without translating it, for tables whose texts are
// looked up later with Tr. lupdate reads it as QT_TRANSLATE_NOOP and Tr as translate.
#define QHE_TR_NOOP(context, text) text

namespace qhe {

// Answers the translation of a text in a context, or an empty string when there is none.
using TranslateFunction = std::function<std::string(const char* context, const char* text)>;

// Installs the lookup of the chosen language (at start, before any text is shown). Without one
// every text is its own (Chinese) source. Installing again forgets the texts looked up so far.
void InstallTranslation(TranslateFunction translate);

// Counts the installations, so a table built from translated texts knows when to rebuild.
int TranslationGeneration();

// The text in the chosen language. The reference stays valid until the next InstallTranslation.
const std::string& Tr(const char* context, const char* text);

// A text of the program's own kept as a constant: it is translated (context "Texts") wherever
// it is used, so no caller can show its source by mistake.
struct OwnText {
    const char* source;
    const std::string& str() const { return Tr("Texts", source); }
    operator const std::string&() const { return str(); }
    operator std::string_view() const { return str(); }
    friend bool operator==(const std::string& text, const OwnText& own) { return text == own.str(); }
    friend std::string operator+(std::string text, const OwnText& own) { return text += own.str(); }
};

} // namespace qhe
