#include "editor/settings/SettingsStore.h"

#include "core/text/MessageIds.h"
#include "core/text/Messages.h"
#include "editor/tools/CharConversion.h"
#include "editor/view/KeyboardEditing.h"
#include "editor/view/ViewCommands.h"

namespace qhe {
MainSettings ReadSettingsInto(EditorState& state, const std::string& fileName, const ScreenInfo& screen,
                              const std::string& programFolder) {
    const ProfileSession profile(fileName);
    MainSettings settings = ReadMainSettings(profile, screen, programFolder);
    state.options = settings.options;
    state.journal.SetLimit(int64_t{settings.options.undoLimitMB} << 20);
    state.dataInsp = settings.dataInsp;
    state.doc.CurrentDir = settings.options.currentDir;
    state.recent.SetFileCount(settings.options.mru);
    state.recent.Load(ReadStringListSection(profile, kMruSection));
    state.Changed(kChangedRecent);
    ViewState& view = state.view;
    view.BaseAddress = settings.options.baseAddress;
    view.BlankForCC = settings.options.blankForCC;
    view.TextGridLeft = settings.options.textGridLeft;
    view.HideAddressRange = settings.options.hideAddressRange;
    view.HideToolBar = settings.options.hideToolBar;
    view.ShowGrids = settings.options.showGrids;
    // Both modes are set to the opposite and switched by their commands, which also show
    // them in the menu and the status bar.
    view.Overwrite = !settings.options.overwrite;
    KeyboardEditing(state).ModusOverwrite1Click();
    view.TextMode = !settings.options.modusText;
    ViewCommands(state).ModusText1Click();
    state.actions.SetChecked("DataInspector1", settings.options.showDataInsp);
    ConversionCommands(state).LoadTableAtStart();
    return settings;
}

bool WriteSettingsFrom(EditorState& state, const std::string& fileName, const ScreenInfo& screen, int top,
                       int left, int windowState) {
    state.options.currentDir = state.doc.CurrentDir;
    state.options.cols = state.view.Cols;
    state.options.rows = state.view.Rows;
    state.options.overwrite = state.view.Overwrite;
    state.options.modusText = state.view.TextMode;
    state.options.showDataInsp = state.actions.Checked("DataInspector1");
    state.options.mru = state.recent.FileCount();
    try {
        ProfileSession profile(fileName);
        WriteMainSettings(profile, screen, top, left, windowState, state.options, state.dataInsp);
        WriteStringListSection(profile, kMruSection, state.recent.Files());
        profile.Commit();
        return true;
    } catch (const ProfileWriteError&) {
        state.ui.ShowError(Msg(kMsgSettingsWriteFailed));
        return false;
    }
}

} // namespace qhe
