#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qhe {

// Width of a text in the report font, in printer pixels.
using TextMeasure = std::function<int(std::string_view)>;

// The three parts of a header, footer or line template: "<{left}", "^{centre}" and ">{right}".
struct TemplateParts {
    std::string left, centre, right;
};

// True when text holds one of the marks "<{", "^{" or ">{".
bool HasTemplateMarks(std::string_view text);
// Each part runs from its mark to the next "}"; a part without "}" (or without a mark) is empty.
TemplateParts SplitTemplate(std::string_view text);

// What the placeholders stand for; page and line change while the report runs.
struct PlaceholderValues {
    std::string date, time;                // when the output began
    std::string exeName, exeDate, exeTime; // the program file
    int page = 0, line = 0;
};

// Replaces %LINE, %PAGE, %DATE, %TIME, %EXENAME, %EXEDATE and %EXETIME. A placeholder whose
// replacement holds the placeholder itself is left alone (so the replacing ends).
std::string ReplacePlaceholders(std::string_view text, const PlaceholderValues& values);

// A too-wide line cut into pieces that fit width. With wordWrap each piece ends after the last blank
// or one of ! , . : ; ? when that lies beyond the fifth character; otherwise (and without wordWrap,
// where only the first piece is kept) it is cut where it stops fitting. Every piece holds at least one
// character, so the cutting always ends.
struct FittedLine {
    std::vector<std::string> pieces;
    bool fitted = true; // the whole line fitted in one piece
};
FittedLine FitLine(std::string_view text, int width, const TextMeasure& measure, bool wordWrap);

} // namespace qhe
