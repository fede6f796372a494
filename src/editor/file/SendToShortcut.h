#pragma once
#include <string>

#include "editor/Ui.h"

namespace qhe {

// The "快捷连接" page: a shortcut to the program in the Send To folder (here the folder file
// managers take their "Open with" programs from), found by its target, created under a name
// the user gives, and removed.
class SendToShortcut {
  public:
    // programPath: the running program; sendToKey: the folder key ("SendTo", or a folder for tests).
    SendToShortcut(Ui& ui, std::string programPath, std::string sendToKey = "SendTo")
        : ui_(ui), program_(std::move(programPath)), key_(std::move(sendToKey)) {}

    // Looks for a shortcut to the program; Create is enabled exactly when there is none.
    void Scan();
    bool CreateEnabled() const { return scanned_ && found_.empty(); }
    bool RemoveEnabled() const { return scanned_ && !found_.empty(); }
    const std::string& Found() const { return found_; }

    // ButtonSendToCrea and ButtonSendToRemove.
    void CreateClick();
    void RemoveClick();

    // Asks for a name and creates the shortcut; true when it exists afterwards or the user
    // cancelled, false when it could not be written.
    bool CreateSendToShortcut(const std::string& defaultName);

  private:
    Ui& ui_;
    std::string program_;
    std::string key_;
    std::string found_;
    bool scanned_ = false;
};

} // namespace qhe
