#pragma once
#include <QDialog>
#include <QString>

#include "editor/Ui.h"
#include "gui/dialogs/HelpHandler.h"

class QLabel;
class QPushButton;

namespace qhe {

// The program's title, the caption of a message box of the custom kind.
inline constexpr const char* kApplicationTitle = "QHE32";

// The message box: caption and icon by kind, the text word-wrapped within half the screen
// width, one row of buttons in a fixed order. The default button has the focus and answers
// both Enter and Escape; the Help button does not close but asks the help handler for the
// box's help context. Built and sized in code from dialog units.
class MessageDialog final : public QDialog {
    Q_OBJECT
  public:
    MessageDialog(const QString& text, MsgKind kind, unsigned buttons, MsgResult defaultButton,
                  int helpContext, bool showIcon, HelpHandler help, QWidget* parent = nullptr);

    // Shows the box modally and answers the MsgResult of the pressed button.
    static int Run(const QString& text, MsgKind kind, unsigned buttons, MsgResult defaultButton,
                   int helpContext, bool showIcon, HelpHandler help, QWidget* parent = nullptr);

    // Caption of a kind (catalogue texts 700-703, the application title for custom).
    static QString Caption(MsgKind kind);

    QLabel* TextLabel() const { return textLabel_; }
    QPushButton* DefaultButton() const { return defaultButton_; }

    // Closing by Escape or by the window's close box answers the default button.
    void reject() override;

  private:
    void Build(const QString& text, MsgKind kind, unsigned buttons, bool showIcon);

    MsgResult default_;
    int helpContext_;
    HelpHandler help_;
    QLabel* textLabel_ = nullptr;
    QPushButton* defaultButton_ = nullptr;
};

} // namespace qhe
