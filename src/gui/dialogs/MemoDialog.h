#pragma once
#include <QDialog>
#include <QString>

#include "gui/dialogs/HelpHandler.h"

class QPlainTextEdit;
class QPushButton;

namespace qhe {

// Read-only text box (no word wrap, in the button face colour) with OK, a copy button that
// closes the box and puts the text on the clipboard, and Help with a help context.
class MemoDialog final : public QDialog {
    Q_OBJECT
  public:
    // The result of the copy button.
    static constexpr int kCopyResult = 5;

    MemoDialog(const QString& caption, const QString& text, int helpContext, HelpHandler help,
               QWidget* parent = nullptr);

    QPlainTextEdit* Memo() const { return memo_; }
    QPushButton* CopyButton() const { return copy_; }

    // Escape and the close box answer OK, like the OK button.
    void reject() override;

    // Shows the box modally; closed with the copy button, the text goes to the clipboard.
    static void Run(const QString& caption, const QString& text, int helpContext, HelpHandler help,
                    QWidget* parent = nullptr);

    // CR LF and lone CR become LF.
    static QString NormalizeLineBreaks(QString text);

  private:
    QPlainTextEdit* memo_;
    QPushButton* copy_;
};

} // namespace qhe
