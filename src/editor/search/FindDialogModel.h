#pragma once
#include "core/text/Translation.h"
#include <cstdint>
#include <string>

#include "core/text/HexBytes.h"
#include "core/text/MessageIds.h"

namespace qhe {

struct OptionsSettings;

// The settings the find and count dialog shows and returns.
struct FindOptions {
    bool caseSensitive = true;
    bool jokerOn = false;
    uint8_t jokerByte = 0x2E;
    bool findHex = true;
    bool unicodeFind = false;
    bool findDown = true;
    bool scopeFromCursor = true;

    bool operator==(const FindOptions&) const = default;
};

// Reads and writes the find options kept among the preferences (keys CaseSensitive, JokerFind,
// JokerHex, FindHex, UnicodeFind, FindDown, Scope).
FindOptions FindOptionsOf(const OptionsSettings& options);
void StoreFindOptions(const FindOptions& find, OptionsSettings& options);

// What the find dialog is opened with.
struct FindDialogRequest {
    bool count = false; // caption "统计" and help 52 instead of "查找" and 51
    FindOptions options;
    int byteOrder = 0;             // decides the UTF-16 caption and widening
    DocumentByteAt documentByteAt; // the right-arrow aid of the hex field
};

// What a confirmed find dialog answers: its options and the pattern bytes.
struct FindDialogResult {
    FindOptions options;
    std::string pattern;
};

// Help contexts of the dialog (its message ids are in core/text/MessageIds.h).
inline constexpr int kHelpFind = 51;
inline constexpr int kHelpCount = 52;

// The question about a hex pattern with letters under a case-insensitive search. The catalogue
// has no text under its id, so this one is shown.
inline constexpr OwnText kTextCaseLettersQuestion{QHE_TR_NOOP(
    "Texts", "十六进制字符串包含字母, 不区分大小写的查找也会找到其他大小写形式。\n要区分大小写吗?")};

// The fields of the dialog as the OK checks see them.
struct FindEntries {
    std::string jokerText; // the joker field's hex text
    bool textForm = true;  // RadioButtonText checked
    std::string text;      // the text field (UTF-8)
    bool utf16 = false;    // CheckBoxFindUTF16
    int byteOrder = 0;
    std::string hexText; // the hex field's text
    bool caseSensitive = true;
};

// The field a failed check puts the focus on.
enum class FindField { None, Joker, Text, Hex };

// The outcome of the OK checks: accept with the pattern, show an error and keep the dialog
// open, or ask the case question (Yes: case-sensitive and accept, No: accept as is, Cancel:
// keep the dialog open).
struct FindCheck {
    enum class Outcome { Accept, Error, AskCase };
    Outcome outcome = Outcome::Accept;
    int messageId = 0; // the error or the question
    FindField focus = FindField::None;
    std::string pattern;
    uint8_t jokerByte = 0;
};

// The OK checks of the find and count dialog, in their order: a valid joker byte (whether the
// joker is on or not), then a non-empty text or a valid hex string, then the case question
// for a hex pattern with letters when the search ignores case.
FindCheck CheckFindEntries(const FindEntries& entries);

// The text shown for a message id of the checks (the question's own text for 2094).
std::string FindCheckText(int messageId);

// The dialog's caption and help context, and the captions that depend on settings.
int FindDialogCaptionId(bool count);
int FindDialogHelpContext(bool count);
// "开始(&B)" for a downward search, "结束(&E)" for an upward one.
int ScopeEndCaptionId(bool down);
int Utf16CaptionId(int byteOrder);

} // namespace qhe
