#include "gui/controls/TQZNumEdit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace qhe {
namespace {

// The system's decimal separator when it is one of the two the field reads, else ".".
char SystemDecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    return point == QStringLiteral(",") ? ',' : '.';
}

bool IsClipboardKey(QKeyEvent* event) {
    return event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Paste) ||
           event->matches(QKeySequence::Cut);
}

} // namespace

TQZNumEdit::TQZNumEdit(QWidget* parent) : QLineEdit(parent), field_(SystemDecimalSeparator()) {
    ShowText();
    connect(this, &QLineEdit::textChanged, this, &TQZNumEdit::FollowText);
}

void TQZNumEdit::FollowText(const QString& text) {
    if (field_.Hex() || !text.contains(u'$')) return;
    field_.SetText(text.toStdString());
    NoteMode(!field_.FollowDollar());
}

void TQZNumEdit::NoteMode(bool wasHex) {
    if (field_.Hex() != wasHex) emit HexChanged(field_.Hex());
}

void TQZNumEdit::TakeText() {
    field_.SetText(text().toStdString());
}

void TQZNumEdit::ShowText() {
    const QString shown = QString::fromStdString(field_.Text());
    if (shown != text()) setText(shown);
}

void TQZNumEdit::SetValue(long double value) {
    field_.SetValue(value);
    ShowText();
}

void TQZNumEdit::SetMin(long double min) {
    TakeText();
    field_.SetMin(min);
    ShowText();
}

void TQZNumEdit::SetMax(long double max) {
    TakeText();
    field_.SetMax(max);
    ShowText();
}

void TQZNumEdit::SetDigitsInt(int digits) {
    field_.SetDigitsInt(digits);
    ShowText();
}

void TQZNumEdit::SetDigitsFrac(int digits) {
    field_.SetDigitsFrac(digits);
    ShowText();
}

void TQZNumEdit::SetHex(bool hex) {
    const bool wasHex = field_.Hex();
    TakeText();
    field_.Reformat();
    field_.SetHex(hex);
    ShowText();
    NoteMode(wasHex);
}

bool TQZNumEdit::Validate() {
    const bool wasHex = field_.Hex();
    TakeText();
    const bool number = field_.Validate();
    ShowText();
    NoteMode(wasHex);
    return number;
}

bool TQZNumEdit::IsOkButton(const QWidget* widget) {
    const auto* button = qobject_cast<const QPushButton*>(widget);
    if (!button || IsNonOkButton(button)) return false;
    if (const QVariant result = button->property("modalResult"); result.isValid()) return true;
    if (button->isDefault()) return true;
    for (QObject* owner = button->parent(); owner; owner = owner->parent())
        if (qobject_cast<QDialogButtonBox*>(owner)) return true;
    return false;
}

bool TQZNumEdit::IsNonOkButton(const QWidget* widget) {
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    if (!button) return false;
    if (const QVariant result = button->property("modalResult"); result.isValid())
        return result.toInt() != QDialog::Accepted;
    for (QObject* owner = button->parent(); owner; owner = owner->parent()) {
        if (auto* box = qobject_cast<QDialogButtonBox*>(owner))
            return box->buttonRole(const_cast<QAbstractButton*>(button)) != QDialogButtonBox::AcceptRole &&
                   box->buttonRole(const_cast<QAbstractButton*>(button)) != QDialogButtonBox::YesRole;
    }
    return false;
}

void TQZNumEdit::focusInEvent(QFocusEvent* event) {
    TakeText();
    field_.Enter();
    QLineEdit::focusInEvent(event);
}

void TQZNumEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Switching to another window or opening a menu is no leaving of the field.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) return;
    const bool wasHex = field_.Hex();
    TakeText();
    const std::string typed = field_.Text();
    const bool number = field_.Leave();
    QWidget* next = QApplication::focusWidget();
    // On the way to OK the bad text stays for the dialog's check to report.
    const bool toOk = !number && IsOkButton(next);
    if (toOk)
        setText(QString::fromStdString(typed));
    else
        ShowText();
    NoteMode(wasHex);
    if (number) return;
    selectAll();
    if (IsNonOkButton(next)) return;
    // Pulling the focus back from inside its own focus change would confuse the widget that
    // is taking it; do it once that change is over.
    QTimer::singleShot(0, this, [self = QPointer<TQZNumEdit>(this)] {
        if (!self) return;
        self->setFocus(Qt::OtherFocusReason);
        self->selectAll();
    });
}

void TQZNumEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A good number lets the dialog's default button have the key; a bad one keeps it.
        if (Validate()) {
            event->ignore();
        } else {
            selectAll();
            event->accept();
        }
        return;
    case Qt::Key_Escape:
        field_.Revert();
        ShowText();
        selectAll();
        event->ignore(); // the dialog may still close on Escape
        return;
    case Qt::Key_Backspace:
        QLineEdit::keyPressEvent(event);
        return;
    default:
        break;
    }
    if (IsClipboardKey(event) || event->text().isEmpty() || event->key() == Qt::Key_Tab ||
        event->key() == Qt::Key_Backtab || event->key() == Qt::Key_Delete) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    const QString typed = event->text();
    if (typed.size() != 1 || typed[0].unicode() >= 0x80) return;
    TakeText();
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    const int length = hasSelectedText() ? static_cast<int>(selectedText().size()) : 0;
    const std::optional<char> key = field_.FilterKey(static_cast<char>(typed[0].unicode()), start, length);
    if (!key) return;
    const QChar accepted(*key);
    QKeyEvent changed(event->type(), accepted.unicode(), event->modifiers(), QString(accepted),
                      event->isAutoRepeat(), static_cast<quint16>(event->count()));
    QLineEdit::keyPressEvent(&changed);
}

} // namespace qhe
