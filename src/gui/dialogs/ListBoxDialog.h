#pragma once
#include <QDialog>
#include <QString>
#include <QStringList>

#include "gui/dialogs/HelpHandler.h"

class QListWidget;
class QPushButton;

namespace qhe {

// The list selection box: a list with one entry selected, OK, optionally a delete button that
// drops the selected entry from the shown list (never from the caller's), Cancel and Help.
class TFormListBox final : public QDialog {
    Q_OBJECT
  public:
    TFormListBox(const QString& caption, const QStringList& entries, bool allowDelete, int helpContext,
                 int index, HelpHandler help, QWidget* parent = nullptr);

    // Index of the selected entry in the shown (possibly shortened) list; -1 when none.
    int SelectedIndex() const;
    QListWidget* List() const { return list_; }
    // Removes the selected entry and selects its successor (or the new last entry).
    void DeleteSelected();

    // Shows the box modally; on OK index is the selected entry's position in the shown list.
    static bool Run(const QString& caption, const QStringList& entries, bool allowDelete, int helpContext,
                    int& index, HelpHandler help, QWidget* parent = nullptr);

  private:
    void UpdateButtons();

    QListWidget* list_;
    QPushButton* ok_;
    QPushButton* delete_ = nullptr;
};

} // namespace qhe
