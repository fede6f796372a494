#include "core/text/HexBytes.h"

#include <gtest/gtest.h>

namespace qhe {
namespace {

// A field written as text with "|" for the caret, e.g. "AB C|D".
EditText Field(std::string_view marked) {
    const size_t bar = marked.find('|');
    EditText field;
    field.text = std::string(marked.substr(0, bar)) + std::string(marked.substr(bar + 1));
    field.caret = static_cast<int>(bar);
    return field;
}

std::string Marked(const EditText& field) {
    return field.text.substr(0, field.caret) + "|" + field.text.substr(field.caret);
}

TEST(HexBytesTest, ValidityAndBytesOfHexTexts) {
    struct Case {
        const char* text;
        bool valid;
        std::string bytes;
    };
    const Case cases[] = {
        {"41 42", true, "AB"},
        {"ab cd", true, "\xAB\xCD"},
        {"00 FF", true, std::string("\x00\xFF", 2)},
        {"7f", true, "\x7F"},
        {"", false, ""},
        {"4142", false, ""},
        {"41  42", false, ""},
        {"41 4", false, ""},
        {"4", false, ""},
        {"41 ", false, ""},
        {" 41", false, ""},
        {"ABCDE", false, ""}, // a digit in the blank's place makes a five-digit group
        {"4G", false, ""},
        {"41-42", false, ""},
        {"41 42 ", false, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsValidHex(c.text), c.valid) << c.text;
        EXPECT_EQ(HexToBytes(c.text).value_or("none"), c.valid ? c.bytes : "none") << c.text;
    }
}

TEST(HexBytesTest, CanonicalFormOfBytes) {
    EXPECT_EQ(BytesToHex(std::string("\x00\xFF", 2)), "00 FF");
    EXPECT_EQ(BytesToHex("\x0A\xbc\x7F"), "0A BC 7F");
    EXPECT_EQ(BytesToHex(""), "");
    const std::string all = [] {
        std::string bytes;
        for (int b = 0; b < 256; ++b)
            bytes += static_cast<char>(b);
        return bytes;
    }();
    EXPECT_EQ(HexToBytes(BytesToHex(all)), all);
    EXPECT_EQ(BytesToHex(all).size(), 3u * 256 - 1);
}

TEST(HexBytesTest, TextBecomesAnsiBytesOptionallyWidened) {
    EXPECT_EQ(TextToBytes("AB", false, 0), "AB");
    EXPECT_EQ(TextToBytes("AB", true, 0), std::string("A\0B\0", 4));
    EXPECT_EQ(TextToBytes("AB", true, 1), std::string("\0A\0B", 4));
    EXPECT_EQ(TextToBytes("\xE2\x82\xAC", false, 0), "\x80"); // euro sign
    EXPECT_EQ(TextToBytes("\xE4\xB8\xAD", false, 0), "?");    // outside the code page
    EXPECT_EQ(TextFieldToHex("A\xE2\x82\xAC z"), "41 80 20 7A");
    EXPECT_EQ(TextFieldToHex(""), "");
    EXPECT_EQ(ByteAsCharacter(0x2E), ".");
    EXPECT_EQ(ByteAsCharacter(0x80), "\xE2\x82\xAC");
}

TEST(HexBytesTest, TypingFilter) {
    struct Case {
        const char* field;
        char key;
        bool accepted;
        char handedOn;
        int caret;
    };
    const Case cases[] = {
        {"|", 'a', true, 'A', 0},
        {"A|", 'f', true, 'F', 1},
        {"|", 'g', false, 0, 0},
        {"AB|", ' ', false, 0, 0},
        {"AB|", 'x', false, 0, 0},
        {"AB|", '\x03', false, 0, 0},
        {"AB| CD", 'e', true, 'E', 3}, // a third digit starts the next group
        {"AB |CD", '1', true, '1', 3},
        {"A|B CD", '1', true, '1', 1},
        {"|AB", kBackspaceKey, false, 0, 0},
        {"AB CD|", kBackspaceKey, true, kBackspaceKey, 5},
        {"AB C|D", kBackspaceKey, true, kBackspaceKey, 4},
        {"AB |CD", kBackspaceKey, false, 0, 0},
    };
    for (const Case& c : cases) {
        const HexKeyResult result = FilterHexKey(Field(c.field), c.key);
        EXPECT_EQ(result.accepted, c.accepted) << c.field << " key " << int(c.key);
        if (!c.accepted || !result.accepted) continue;
        EXPECT_EQ(result.key, c.handedOn) << c.field;
        EXPECT_EQ(result.caret, c.caret) << c.field;
    }
}

TEST(HexBytesTest, NormalisingKeepsGroupsAndCaret) {
    struct Case {
        const char* before;
        const char* after;
    };
    const Case cases[] = {
        {"AB|", "AB|"},
        {"ABC|", "AB C|"},
        {"AB CD|", "AB CD|"},
        {"|AB CD", "|AB CD"},
        {"ABCD|", "AB CD|"},
        {"AB E|CD", "AB E| CD"}, // typed into the blank's place: the new digit keeps its group
        {"AB CE|D", "AB C| ED"}, // typed inside a full group: split 1 + 2
        {"AB |D", "AB |D"},
        {"AB |", "AB|"},
        {"  41   42 |", "41 42|"},
        {"41 42  43|", "41 42 43|"},
        {"|", "|"},
        {"A |", "A|"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Marked(NormaliseHexText(Field(c.before))), c.after) << c.before;
}

// Types keys the way the field does: filter, insert or delete at the caret, normalise.
EditText Type(EditText field, std::string_view keys) {
    for (char key : keys) {
        const HexKeyResult filtered = FilterHexKey(field, key);
        if (!filtered.accepted) continue;
        field.caret = filtered.caret;
        if (filtered.key == kBackspaceKey) {
            field.text.erase(static_cast<size_t>(--field.caret), 1);
        } else {
            field.text.insert(static_cast<size_t>(field.caret++), 1, filtered.key);
        }
        field = NormaliseHexText(field);
    }
    return field;
}

TEST(HexBytesTest, TypingDigitsBuildsGroups) {
    EXPECT_EQ(Marked(Type({}, "A")), "A|");
    EXPECT_EQ(Marked(Type({}, "AB")), "AB|");
    EXPECT_EQ(Marked(Type({}, "ABC")), "AB C|");
    EXPECT_EQ(Marked(Type({}, "abcd")), "AB CD|");
    EXPECT_EQ(Marked(Type({}, "0123456789abcdef")), "01 23 45 67 89 AB CD EF|");
    EXPECT_EQ(Marked(Type({}, "a b-c!d")), "AB CD|");
    EXPECT_EQ(Marked(Type({}, "ABC\b")), "AB|");
    EXPECT_EQ(Marked(Type({}, "ABCD\b\b\b")), "A|");
}

TEST(HexBytesTest, NextDocumentByteWhileTheFieldMatches) {
    const std::string document = "\x41\x42\x43";
    const DocumentByteAt byteAt = [&](int64_t offset) -> std::optional<uint8_t> {
        if (offset < 0 || offset >= static_cast<int64_t>(document.size())) return std::nullopt;
        return static_cast<uint8_t>(document[static_cast<size_t>(offset)]);
    };
    struct Case {
        const char* field;
        std::optional<std::string> result;
    };
    const Case cases[] = {
        {"", "41"},
        {"41", "41 42"},
        {"41 42", "41 42 43"},
        {"41 42 43", std::nullopt}, // nothing after the end of the document
        {"41 43", std::nullopt},    // no longer matches
        {"41 42 43 44", std::nullopt},
        {"4", std::nullopt}, // incomplete text says nothing about the bytes
        {"41 4", std::nullopt},
        {"41 ", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AppendNextDocumentByte(c.field, byteAt), c.result) << c.field;
}

} // namespace
} // namespace qhe
