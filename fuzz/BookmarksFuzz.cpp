// .qbm bookmark files: parsing, building the bookmark menu from the lines, and choosing each
// bookmark (a bad position asks to remove it; the answer comes from the input).
#include "FakeUi.h"
#include "FuzzCheck.h"
#include "editor/EditorState.h"
#include "editor/navigation/NavigationCommands.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static qhe::test::FakeUi ui;
    static qhe::EditorState& state = *[] {
        auto* s = new qhe::EditorState(ui);
        FUZZ_CHECK(s->doc.Allocate());
        s->doc.IsOpen = true;
        return s;
    }();
    FuzzedDataProvider in(data, size);
    ui.messages.clear();
    ui.answers.clear();
    const uint16_t documentSize = in.ConsumeIntegral<uint16_t>();
    state.doc.SetSize(documentSize);
    state.view.TextMode = in.ConsumeBool();
    state.view.BaseAddress = in.ConsumeBool() ? 1 : 0;
    const uint8_t removeAnswers = in.ConsumeIntegral<uint8_t>();
    for (int i = 0; i < 8; ++i)
        ui.answers.push_back((removeAnswers >> i & 1) ? qhe::mrYes : qhe::mrNo);

    state.bookmarks = qhe::NavigationCommands::ParseBookmarkFile(in.ConsumeRemainingBytesAsString());
    FUZZ_CHECK(state.bookmarks.size() <= qhe::NavigationCommands::kMaxBookmarks);
    qhe::NavigationCommands commands(state);
    commands.RebuildBookmarkMenu();
    for (int i = static_cast<int>(state.bookmarks.size()); i >= 1; --i)
        commands.BookmarkClick(i);
    return 0;
}
