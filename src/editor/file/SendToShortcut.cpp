#include "editor/file/SendToShortcut.h"

#include <filesystem>

#include "core/text/Format.h"
#include "core/text/MessageIds.h"
#include "core/text/Messages.h"
#include "platform/FileIO.h"
#include "platform/Paths.h"
#include "platform/Shortcuts.h"

namespace qhe {
void SendToShortcut::Scan() {
    BusyScope busy(&ui_, Msg(kMsgScanning));
    found_ = platform::FindShortcutTo(program_, key_);
    scanned_ = true;
}

void SendToShortcut::CreateClick() {
    if (CreateSendToShortcut("QHE32")) Scan();
}

void SendToShortcut::RemoveClick() {
    if (found_.empty()) return;
    std::error_code ignored;
    std::filesystem::remove(platform::SpecialFolder(key_) + "/" + found_, ignored);
    Scan();
}

bool SendToShortcut::CreateSendToShortcut(const std::string& defaultName) {
    if (!platform::FindShortcutTo(program_, key_).empty()) return true;
    const std::string folder = platform::SpecialFolder(key_);
    std::string name = defaultName;
    for (;;) {
        if (!ui_.InputText(Format(Tr("Texts", "连接入  %s 文件夹不存在..........."), {key_}), Tr("Texts", "创建连接用名称：      "), name, 0))
            return true;
        if (const auto dot = name.find('.'); dot != std::string::npos) name.erase(dot);
        if (name.empty()) {
            ui_.ShowError("Please enter a name for this link.");
            continue;
        }
        if (std::filesystem::exists(folder + "/" + name + platform::kShortcutExtension)) {
            ui_.ShowError("Shell link with this name already existing.\r\nPlease select a different name.");
            continue;
        }
        break;
    }
    platform::ShortcutProperties properties;
    properties.target = program_;
    properties.workingDir = platform::FolderOf(program_);
    properties.name = name;
    // The installed icon's name: the entry shows the program's icon in "Open with" menus.
    properties.iconFile = kDesktopId;
    if (!platform::CreateShortcut(name + platform::kShortcutExtension, key_, properties)) {
        ui_.ShowError("Error creating shell link file.\r\nPlease create link manually.");
        return false;
    }
    return true;
}

} // namespace qhe
