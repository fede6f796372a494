#include "editor/blocks/BlockMarking.h"

#include "core/text/CopyAs.h"
#include "core/text/MessageIds.h"
#include "core/text/Messages.h"

namespace qhe {
namespace {

// The commands that need a block; "copy as" with each of its formats.
const std::vector<std::string> kBlockGroup = [] {
    std::vector<std::string> names = {"Blockdelete1", "QZBtnDel",       "QZBtnCut",   "QZBtnCopy",
                                      "Blockcopy1",   "Blockcopyovwr1", "Blockmove1", "Writeblock1",
                                      "Cut1",         "Copy1",          "Copyhex1",   "CopyAs1"};
    for (int i = 0; i < kCopyAsFormats; ++i)
        names.push_back("CopyAsFormat" + std::to_string(i));
    return names;
}();
const std::vector<std::string> kUnmarkDisables = {"Blockunmark1",   "Blockdelete1", "QZBtnDel",
                                                  "QZBtnCut",       "QZBtnCopy",    "Blockcopy1",
                                                  "Blockcopyovwr1", "Blockmove1",   "Writeblock1"};

} // namespace

void BlockMarking::MarkStep(bool extend, bool forward) {
    s_.actions.EnableItems({"Blockunmark1"}, true);
    const bool restarted = s_.block.MarkStep(s_.view.CursorPosition(), extend, forward);
    UpdateBlockGroup();
    if (restarted || s_.block.Complete()) s_.Changed(kChangedView);
}

void BlockMarking::SetBlock(int64_t begin, int64_t end) {
    s_.block.begin = begin;
    s_.block.end = end;
    s_.actions.EnableItems({"Blockunmark1"}, true);
    UpdateBlockGroup();
    s_.Changed(kChangedView);
}

void BlockMarking::UpdateBlockGroup() {
    if (s_.block.Complete())
        s_.actions.EnableItems(kBlockGroup, true);
    else
        for (const auto& name : kBlockGroup)
            s_.actions.SetEnabled(name, false);
}

void BlockMarking::Unmark(bool /*refreshInspector*/) {
    s_.block.Unmark();
    for (const auto& name : kUnmarkDisables)
        s_.actions.SetEnabled(name, false);
    s_.Changed(kChangedView);
}

void BlockMarking::InvalidateBlockFrom(int64_t p) {
    if (!s_.block.Complete() || s_.block.end < p) return;
    s_.ui.ShowInfo(Msg(kMsgBlockInvalid));
    Unmark(true);
}

} // namespace qhe
