#pragma once
#include "core/text/Translation.h"
#include <cstdint>
#include <optional>
#include <string>

#include "core/text/MessageIds.h"
#include "editor/search/FindDialogModel.h"

namespace qhe {

struct OptionsSettings;

// The settings the replace dialog shows and returns. The direction of the find options is not
// offered: replacing always searches downward, so find.findDown passes through unchanged.
struct ReplaceOptions {
    FindOptions find;
    bool replaceHex = true;
    bool unicodeRepl = false;

    bool operator==(const ReplaceOptions&) const = default;
};

ReplaceOptions ReplaceOptionsOf(const OptionsSettings& options);
void StoreReplaceOptions(const ReplaceOptions& replace, OptionsSettings& options);

// What the replace dialog is opened with.
struct ReplaceDialogRequest {
    ReplaceOptions options;
    int byteOrder = 0;
    DocumentByteAt documentByteAt; // the right-arrow aid of both hex fields
};

// What a confirmed replace dialog answers: the options, both byte strings and which of the two
// OK buttons closed it.
struct ReplaceDialogResult {
    ReplaceOptions options;
    std::string findString;
    std::string replaceString;
    bool replaceAll = false;
};

// The replacement part of the dialog as the OK checks see it.
struct ReplacementEntries {
    bool textForm = true; // RadioButtonReplT checked
    std::string text;     // UTF-8
    bool utf16 = false;   // CheckBoxReplUTF16
    int byteOrder = 0;
    std::string hexText;
};

// The replacement bytes: the text (widened when asked, empty allowed) or the hex field (empty
// allowed); nothing when the hex field is not a valid byte string (message 2054).
std::optional<std::string> CheckReplacement(const ReplacementEntries& entries);

inline constexpr int kHelpReplace = 53;
inline constexpr OwnText kTextReplaceCaption{QHE_TR_NOOP("Texts", "替换")};
// The id of the replacement text's UTF-16 caption for byteOrder.
int ReplUtf16CaptionId(int byteOrder);

} // namespace qhe
