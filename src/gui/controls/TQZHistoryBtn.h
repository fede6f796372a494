#pragma once
#include <QColor>
#include <QListWidget>
#include <QPointer>
#include <QString>
#include <QToolButton>

#include <functional>

#include "core/text/History.h"

class QLineEdit;

namespace qhe {

// The drop-down button at the right edge of an entry field that offers the field's last
// entries. The entries live in a section of the settings file: loaded when the button is
// created with its section, written back when it is destroyed. A text is remembered when the
// user leaves the field and when the dialog that holds it is accepted.
class TQZHistoryBtn : public QToolButton {
    Q_OBJECT
  public:
    static constexpr int kButtonWidth = 18;

    // Links the button to edit and loads the entries of iniSection (empty: not stored).
    TQZHistoryBtn(QLineEdit* edit, const QString& iniSection, QWidget* parent = nullptr);
    explicit TQZHistoryBtn(QWidget* parent = nullptr);
    // Writes the entries back when they changed.
    ~TQZHistoryBtn() override;

    QLineEdit* Edit() const { return edit_; }
    // Places the button at edit's right edge with its height. Throws std::logic_error when edit
    // already has another history button.
    void SetEdit(QLineEdit* edit);

    const QString& IniSection() const { return iniSection_; }
    void SetIniSection(const QString& section) { iniSection_ = section; }
    int HistoryCount() const { return history_.HistoryCount(); }
    void SetHistoryCount(int count) { history_.SetHistoryCount(count); }
    bool CaseSensitive() const { return history_.CaseSensitive(); }
    void SetCaseSensitive(bool caseSensitive) { history_.SetCaseSensitive(caseSensitive); }
    // The entries, most recent first.
    QStringList Items() const;
    void SetItems(const QStringList& items);

    // Colours of the drop-down list: normal and selected entries.
    QColor ColorHistoryBack, ColorHistoryText, ColorHLHistoryBack, ColorHLHistoryText;

    // Hooks that see a text and answer false to keep it from being added or selected.
    std::function<bool(const QString&)> OnAdd, OnSelect;

    // Reads the entries of IniSection from the settings file and puts the first into the edit.
    void LoadHistory();
    // Writes the entries to IniSection; false when the settings file could not be written.
    bool SaveHistory();
    // Remembers text (see EntryHistory::Add) unless OnAdd refuses it.
    void AddEntry(const QString& text);

    // The drop-down list while it is shown (for tests), else nullptr.
    QListWidget* PopupList() const { return popup_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FollowEdit();
    void DropDown();
    void ChooseFromList(QListWidgetItem* item);
    void TakeEntry(int index);
    void ClosePopup();

    QPointer<QLineEdit> edit_;
    // The same field as a plain object: events arrive while it is being destroyed, when
    // reading it through edit_ would cast a half-destroyed widget.
    const QObject* watchedEdit_ = nullptr;
    QString iniSection_;
    EntryHistory history_;
    std::vector<std::string> storedItems_;
    QPointer<QListWidget> popup_;
};

} // namespace qhe
