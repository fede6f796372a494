#pragma once
#include <cstdint>
#include <string>

#include "core/text/HexBytes.h"
#include "core/text/MessageIds.h"

namespace qhe {

// What the insert / overwrite string dialog (TFormIns) is opened with.
struct InsertDialogRequest {
    bool overwrite = false;        // caption " 覆盖 ", no repeat count, help 72 instead of 50
    bool hex = false;              // the hex radio is checked (setting InsHex)
    bool utf16 = false;            // the UTF-16 box is checked (setting UnicodeIns)
    int byteOrder = 0;             // decides the UTF-16 caption and widening
    DocumentByteAt documentByteAt; // the right-arrow aid of the hex field
};

// What a confirmed dialog answers: the bytes (at least one), the count (at least 1; 1 for
// overwrite) and the two choices to remember.
struct InsertDialogResult {
    std::string bytes;
    int64_t count = 1;
    bool hex = false;
    bool utf16 = false;
};

// Help contexts of the dialog (its message ids are in core/text/MessageIds.h).
inline constexpr int kHelpInsertString = 50;
inline constexpr int kHelpOverwriteString = 72;
// The count field's range.
inline constexpr long double kInsertCountMax = 99999999.9L;

// The fields of the dialog as the OK checks see them.
struct InsertEntries {
    bool textForm = true; // RadioButtonText checked
    std::string text;     // EditInsT (UTF-8)
    bool utf16 = false;   // CheckBoxUTF16
    int byteOrder = 0;
    std::string hexText;   // QZByteEditInsH
    bool withCount = true; // GroupBox2 visible (insert, not overwrite)
    long double count = 1; // QZNumEdit1's value
};

// The field a failed check puts the focus on.
enum class InsertField { None, Text, Hex, Count };

// The outcome of the OK checks: messageId 0 accepts with bytes and count; otherwise the error to
// show and the field to focus, and the dialog stays open.
struct InsertCheck {
    int messageId = 0;
    InsertField focus = InsertField::None;
    std::string bytes;
    int64_t count = 1;
};

// The OK checks of the dialog, in their order: a non-empty text (widened to UTF-16 when the box
// is checked) or a valid hex string (never widened), then a count of at least 1.
InsertCheck CheckInsertEntries(const InsertEntries& entries);

// Captions and help context of the dialog.
std::string InsertDialogCaption(bool overwrite);
int InsertDialogHelpContext(bool overwrite);

} // namespace qhe
