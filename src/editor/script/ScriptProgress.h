#pragma once
#include <memory>

#include "core/util/Progress.h"
#include "editor/Ui.h"

namespace qhe {

// The progress box of a script run: one box with Cancel, gauge and a text line, which a MSG
// line hides while its message is shown.
class ScriptProgress {
  public:
    explicit ScriptProgress(Ui& ui) : ui_(ui) { Show(); }

    Progress& Box() { return box_ ? *box_ : hidden_; }
    void Hide() { box_.reset(); }
    void Show() {
        if (!box_) box_ = ui_.CreateProgress(true, true, " ", "");
    }

  private:
    Ui& ui_;
    std::unique_ptr<Progress> box_;
    NoProgress hidden_;
};

} // namespace qhe
