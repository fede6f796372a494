#pragma once
#include <QLineEdit>

#include <string>
#include <string_view>

#include "core/text/HexBytes.h"

namespace qhe {

// The hex entry field: keeps its text as two-digit hex groups joined by single blanks while the
// user types, and turns it into bytes. Used for the hex find, replace and insert fields and for
// the one-byte joker fields.
class TQZByteEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit TQZByteEdit(QWidget* parent = nullptr);

    // The text is a canonical byte string (lower-case digits allowed).
    bool IsValidHex() const;
    // The bytes of the text when IsValidHex, else the empty string.
    std::string ASCII() const;
    // Shows bytes in canonical hex.
    void SetASCII(std::string_view bytes);

    int MaxBytes() const { return maxBytes_; }
    // Most bytes the field takes (0 = no limit); one byte is two characters, n bytes 3n - 1.
    void SetMaxBytes(int maxBytes);

    // Turns on the right-arrow aid of the hex find fields: Right with the caret at the end of
    // the text appends the document's next byte while the field matches the document at the
    // current address. byteAt answers the byte at an offset from that address. An empty
    // function turns the aid off.
    void SetNextByteSource(DocumentByteAt byteAt) { nextByteAt_ = std::move(byteAt); }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Normalise();
    bool TakeNextDocumentByte();
    void HandOn(QKeyEvent* event, QChar key);

    int maxBytes_ = 0;
    bool normalising_ = false;
    DocumentByteAt nextByteAt_;
};

} // namespace qhe
