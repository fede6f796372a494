#pragma once
#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>

namespace qhe {

// The text with control bytes other than line breaks and tabs written as <hh>: a script line
// may hold any byte, and a NUL would end the message where it is shown.
inline std::string VisibleControlBytes(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if ((b < 0x20 && c != '\n' && c != '\t') || b == 0x7F) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "<%02X>", b);
            shown += hex;
        } else {
            shown += c;
        }
    }
    return shown;
}

// How the text of a line error is put together: the line header (message 2106) and a blank
// line before the detail, no header (cancel, table and parameter errors), or the header alone
// (after the Document already reported the failure itself).
enum class ScriptErrorForm { WithHeader, NoHeader, HeaderAlone };

// An error in one script line: the detail text of the catalogue and its form. RunScript turns
// it into a ScriptFailure carrying the whole message.
class ScriptError : public std::runtime_error {
  public:
    explicit ScriptError(const std::string& detail, ScriptErrorForm form = ScriptErrorForm::WithHeader)
        : std::runtime_error(VisibleControlBytes(detail)), form_(form) {}
    ScriptErrorForm Form() const { return form_; }

  private:
    ScriptErrorForm form_;
};

// The error that ends a pass; what() is the complete message the user is shown.
class ScriptFailure : public std::runtime_error {
  public:
    explicit ScriptFailure(const std::string& text) : std::runtime_error(VisibleControlBytes(text)) {}
};

} // namespace qhe
