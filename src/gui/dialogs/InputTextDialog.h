#pragma once
#include <QDialog>
#include <QString>

#include "gui/dialogs/HelpHandler.h"

class QLineEdit;

namespace qhe {

// One-line input box: a prompt, an edit field of at most 255 characters holding the value
// with all its text selected, OK, Cancel and (with a help context) Help.
class InputTextDialog final : public QDialog {
    Q_OBJECT
  public:
    InputTextDialog(const QString& caption, const QString& prompt, const QString& value, int helpContext,
                    HelpHandler help, QWidget* parent = nullptr);

    QString Value() const;
    QLineEdit* Edit() const { return edit_; }

    // Shows the box modally; on OK value takes the edited text and the answer is true.
    static bool Run(const QString& caption, const QString& prompt, QString& value, int helpContext,
                    HelpHandler help, QWidget* parent = nullptr);

  private:
    QLineEdit* edit_;
};

} // namespace qhe
