#include "gui/controls/TQZByteEdit.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace qhe {
namespace {

// What QLineEdit takes when no limit is set.
constexpr int kUnlimitedLength = 32767;

bool IsClipboardKey(QKeyEvent* event) {
    return event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Paste) ||
           event->matches(QKeySequence::Cut);
}

// Keys that are no characters for the field: caret movement, Delete, and the keys the dialog
// handles (Enter, Escape, Tab).
bool IsNonCharacterKey(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return true;
    default:
        return event->text().isEmpty();
    }
}

// The caret as a count of UTF-8 bytes, as the text rules count, and back.
int Utf8Caret(const QString& text, int caret) {
    return static_cast<int>(text.left(caret).toUtf8().size());
}

int QtCaret(const std::string& text, int caret) {
    return static_cast<int>(QString::fromStdString(text.substr(0, static_cast<size_t>(caret))).size());
}

} // namespace

TQZByteEdit::TQZByteEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, &TQZByteEdit::Normalise);
}

bool TQZByteEdit::IsValidHex() const {
    return qhe::IsValidHex(text().toStdString());
}

std::string TQZByteEdit::ASCII() const {
    return HexToBytes(text().toStdString()).value_or(std::string());
}

void TQZByteEdit::SetASCII(std::string_view bytes) {
    setText(QString::fromStdString(BytesToHex(bytes)));
}

void TQZByteEdit::SetMaxBytes(int maxBytes) {
    maxBytes_ = std::max(maxBytes, 0);
    setMaxLength(maxBytes_ > 0 ? maxBytes_ * 3 - 1 : kUnlimitedLength);
}

void TQZByteEdit::Normalise() {
    if (normalising_) return;
    const EditText current{text().toStdString(), Utf8Caret(text(), cursorPosition())};
    const EditText normal = NormaliseHexText(current);
    if (normal == current) return;
    normalising_ = true;
    if (normal.text != current.text) setText(QString::fromStdString(normal.text));
    setCursorPosition(QtCaret(normal.text, normal.caret));
    normalising_ = false;
}

bool TQZByteEdit::TakeNextDocumentByte() {
    if (!nextByteAt_ || cursorPosition() < text().size()) return false;
    const std::optional<std::string> extended = AppendNextDocumentByte(text().toStdString(), nextByteAt_);
    if (!extended) return false;
    setText(QString::fromStdString(*extended));
    setCursorPosition(text().size());
    return true;
}

void TQZByteEdit::HandOn(QKeyEvent* event, QChar key) {
    QKeyEvent changed(event->type(), key.unicode(), event->modifiers(), QString(key), event->isAutoRepeat(),
                      static_cast<quint16>(event->count()));
    QLineEdit::keyPressEvent(&changed);
    event->setAccepted(changed.isAccepted());
}

void TQZByteEdit::keyPressEvent(QKeyEvent* event) {
    const bool plainRight =
        event->key() == Qt::Key_Right && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plainRight && TakeNextDocumentByte()) {
        event->accept();
        return;
    }
    const bool backspace = event->key() == Qt::Key_Backspace;
    if (IsClipboardKey(event) || (!backspace && IsNonCharacterKey(event))) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    const QString typed = event->text();
    if (!backspace && (typed.size() != 1 || typed[0].unicode() >= 0x80)) return;
    const char key = backspace ? kBackspaceKey : static_cast<char>(typed[0].unicode());

    if (hasSelectedText()) {
        // The typed key replaces the selection: only which keys pass applies.
        const std::optional<char> accepted = HexFieldKey(key);
        if (!accepted) return;
        if (backspace)
            QLineEdit::keyPressEvent(event);
        else
            HandOn(event, QChar(*accepted));
        return;
    }
    const std::string current = text().toStdString();
    const HexKeyResult result = FilterHexKey({current, Utf8Caret(text(), cursorPosition())}, key);
    if (!result.accepted) return;
    setCursorPosition(QtCaret(current, result.caret));
    if (backspace)
        QLineEdit::keyPressEvent(event);
    else
        HandOn(event, QChar(result.key));
}

} // namespace qhe
