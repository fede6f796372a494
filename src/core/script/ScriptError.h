#pragma once
#include <stdexcept>
#include <string>

namespace qhe {

// How the text of a line error is put together: the line header (message 2106) and a blank
// line before the detail, no header (cancel, table and parameter errors), or the header alone
// (after the Document already reported the failure itself).
enum class ScriptErrorForm { WithHeader, NoHeader, HeaderAlone };

// An error in one script line: the detail text of the catalogue and its form. RunScript turns
// it into a ScriptFailure carrying the whole message.
class ScriptError : public std::runtime_error {
  public:
    explicit ScriptError(const std::string& detail, ScriptErrorForm form = ScriptErrorForm::WithHeader)
        : std::runtime_error(detail), form_(form) {}
    ScriptErrorForm Form() const { return form_; }

  private:
    ScriptErrorForm form_;
};

// The error that ends a pass; what() is the complete message the user is shown.
class ScriptFailure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

} // namespace qhe
