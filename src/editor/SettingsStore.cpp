#include "editor/SettingsStore.h"

#include "core/text/Messages.h"

namespace qhe {
namespace {

constexpr int kMsgSettingsWriteFailed = 2073;

} // namespace

MainSettings ReadSettingsInto(EditorState& state, const std::string& fileName, const ScreenInfo& screen,
                              const std::string& programFolder) {
    const ProfileSession profile(fileName);
    MainSettings settings = ReadMainSettings(profile, screen, programFolder);
    state.options = settings.options;
    state.dataInsp = settings.dataInsp;
    state.doc.CurrentDir = settings.options.currentDir;
    state.recent.SetFileCount(settings.options.mru);
    state.recent.Load(ReadStringListSection(profile, kMruSection));
    state.Changed(kChangedRecent);
    return settings;
}

bool WriteSettingsFrom(EditorState& state, const std::string& fileName, const ScreenInfo& screen, int top,
                       int left, int windowState) {
    state.options.currentDir = state.doc.CurrentDir;
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
