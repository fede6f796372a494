#include "core/print/ReportText.h"

#include <array>
#include <utility>

namespace qhe {
namespace {

std::string PartAfter(std::string_view text, std::string_view mark) {
    const size_t start = text.find(mark);
    if (start == std::string_view::npos) return {};
    const size_t end = text.find('}', start + mark.size());
    if (end == std::string_view::npos) return {};
    return std::string(text.substr(start + mark.size(), end - start - mark.size()));
}

void ReplaceAll(std::string& text, std::string_view name, const std::string& value) {
    if (value.find(name) != std::string::npos) return;
    for (size_t at = text.find(name); at != std::string::npos; at = text.find(name, at + value.size()))
        text.replace(at, name.size(), value);
}

bool IsBreak(char c) {
    return c == ' ' || c == '!' || c == ',' || c == '.' || c == ':' || c == ';' || c == '?';
}

// The longest prefix of text no wider than width (measure grows with the length).
size_t FittingLength(std::string_view text, int width, const TextMeasure& measure) {
    if (measure(text) <= width) return text.size(); // the usual case, one measure
    size_t low = 0, high = text.size() - 1;
    while (low < high) {
        const size_t mid = (low + high + 1) / 2;
        if (measure(text.substr(0, mid)) <= width)
            low = mid;
        else
            high = mid - 1;
    }
    return low;
}

} // namespace

bool HasTemplateMarks(std::string_view text) {
    return text.find("<{") != std::string_view::npos || text.find("^{") != std::string_view::npos ||
           text.find(">{") != std::string_view::npos;
}

TemplateParts SplitTemplate(std::string_view text) {
    return {PartAfter(text, "<{"), PartAfter(text, "^{"), PartAfter(text, ">{")};
}

std::string ReplacePlaceholders(std::string_view text, const PlaceholderValues& values) {
    std::string out(text);
    // The longer names first: "%DATE" and "%TIME" are part of "%EXEDATE" and "%EXETIME".
    const std::array<std::pair<std::string_view, std::string>, 7> names = {{
        {"%EXENAME", values.exeName},
        {"%EXEDATE", values.exeDate},
        {"%EXETIME", values.exeTime},
        {"%LINE", std::to_string(values.line)},
        {"%PAGE", std::to_string(values.page)},
        {"%DATE", values.date},
        {"%TIME", values.time},
    }};
    for (const auto& [name, value] : names)
        ReplaceAll(out, name, value);
    return out;
}

FittedLine FitLine(std::string_view text, int width, const TextMeasure& measure, bool wordWrap) {
    FittedLine result;
    while (!text.empty()) {
        size_t length = FittingLength(text, width, measure);
        if (length == text.size()) {
            result.pieces.emplace_back(text);
            break;
        }
        result.fitted = false;
        if (length == 0) length = 1;
        if (wordWrap) {
            for (size_t i = length; i-- > 5;)
                if (IsBreak(text[i])) {
                    length = i + 1;
                    break;
                }
        }
        result.pieces.emplace_back(text.substr(0, length));
        if (!wordWrap) break;
        text.remove_prefix(length);
    }
    return result;
}

} // namespace qhe
