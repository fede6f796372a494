#include "core/script/ScriptLine.h"

#include "core/script/ScriptError.h"
#include "core/text/Format.h"
#include "core/text/MessageIds.h"

namespace qhe {
namespace {

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char c = a[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != b[i]) return false;
    }
    return true;
}

// The character at i (all bytes of its UTF-8 sequence), empty at the end.
std::string CodePointAt(const std::string& text, size_t i) {
    if (i >= text.size()) return {};
    size_t n = 1;
    while (i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80)
        ++n;
    return text.substr(i, n);
}

} // namespace

std::string_view TrimScriptText(std::string_view text) {
    while (!text.empty() && IsTrimmedChar(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsTrimmedChar(text.back()))
        text.remove_suffix(1);
    return text;
}

ScriptLine SplitScriptLine(std::string_view line) {
    ScriptLine out;
    out.text = TrimScriptText(line);
    const size_t blank = out.text.find(' ');
    if (blank == std::string_view::npos) {
        out.word = out.text;
        return out;
    }
    out.word = out.text.substr(0, blank);
    out.args = std::string(TrimScriptText(out.text.substr(blank + 1)));
    // The raw arguments keep the blanks after the first one and those at the line's end.
    std::string_view raw = line;
    while (!raw.empty() && IsTrimmedChar(raw.front()))
        raw.remove_prefix(1);
    out.rawArgs = std::string(raw.substr(raw.find(' ') + 1));
    return out;
}

bool IsScriptComment(const ScriptLine& line) {
    return line.word.empty() || line.word.front() == ';' || EqualsNoCase(line.word, "REM");
}

void SubstituteParameters(std::string& text, const std::vector<std::string>& parameters) {
    size_t percent = text.find('%');
    if (percent == std::string::npos) return;
    std::string out(text, 0, percent);
    for (size_t i = percent; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        const std::string next = CodePointAt(text, i + 1);
        if (next.empty() || next[0] < '0' || next[0] > '9')
            throw ScriptError(FormatMsg(kMsgBadParameter, {"%", next}), ScriptErrorForm::NoHeader);
        const size_t d = static_cast<size_t>(next[0] - '0');
        if (d >= parameters.size() || parameters[d].empty())
            throw ScriptError(FormatMsg(kMsgMissingParameter, {"%", static_cast<int>(d)}),
                              ScriptErrorForm::NoHeader);
        out += parameters[d];
        ++i;
    }
    text = std::move(out);
}

} // namespace qhe
