#include "core/text/CopyAs.h"

#include "core/text/Translation.h"

#include <algorithm>

#include <openssl/evp.h>

namespace qhe {
namespace {

constexpr char kHex[] = "0123456789abcdef";
constexpr size_t kPerLine = 16;

struct FormatInfo {
    const char* caption;
    size_t charsPerByte; // an upper bound, to refuse a text above the limit before making it
};

constexpr FormatInfo kFormats[kCopyAsFormats] = {
    {QHE_TR_NOOP("Menu", "C 数组"), 6},
    {QHE_TR_NOOP("Menu", "C++ std::array"), 6},
    {QHE_TR_NOOP("Menu", "Python bytes"), 4},
    {QHE_TR_NOOP("Menu", "Rust [u8; N]"), 6},
    {QHE_TR_NOOP("Menu", "Go []byte"), 6},
    {QHE_TR_NOOP("Menu", "Java byte[]"), 13},
    {QHE_TR_NOOP("Menu", "C# byte[]"), 6},
    {QHE_TR_NOOP("Menu", "JavaScript Uint8Array"), 6},
    {QHE_TR_NOOP("Menu", "base64"), 2},
    {QHE_TR_NOOP("Menu", "base64 data URL"), 2},
    {QHE_TR_NOOP("Menu", "xxd -i"), 7},
    {QHE_TR_NOOP("Menu", "十六进制 (无空格)"), 2},
    {QHE_TR_NOOP("Menu", "十六进制 (带空格)"), 3},
    {QHE_TR_NOOP("Menu", "Intel HEX"), 3},
};

void PutHexByte(std::string& out, uint8_t b) {
    out += kHex[b >> 4];
    out += kHex[b & 15];
}

// "0x41, 0x42, ..." in lines of perLine after indent, each line ending in a comma; Java's cast
// before each byte above 0x7F. Written straight into the string's memory: 16 MiB of bytes
// become some 100 MB of text in well under a second.
void AppendByteList(std::string& out, const uint8_t* bytes, size_t n, size_t perLine, std::string_view indent,
                    bool javaCasts) {
    const size_t start = out.size();
    out.resize(start + n * (javaCasts ? 13 : 6) + (n / perLine + 1) * indent.size());
    char* p = out.data() + start;
    for (size_t i = 0; i < n; ++i) {
        if (i % perLine == 0) p = std::copy(indent.begin(), indent.end(), p);
        if (javaCasts && bytes[i] > 0x7F) p = std::copy_n("(byte) ", 7, p);
        p[0] = '0';
        p[1] = 'x';
        p[2] = kHex[bytes[i] >> 4];
        p[3] = kHex[bytes[i] & 15];
        p[4] = ',';
        p[5] = (i % perLine == perLine - 1 || i + 1 == n) ? '\n' : ' ';
        p += 6;
    }
    out.resize(static_cast<size_t>(p - out.data()));
}

// head, the byte list, tail: made in one string, without copying the list again.
std::string Listed(std::string_view head, const uint8_t* bytes, size_t n, size_t perLine,
                   std::string_view indent, bool javaCasts, std::string_view tail) {
    std::string out;
    out.reserve(head.size() + n * (javaCasts ? 13 : 6) + (n / perLine + 1) * indent.size() + tail.size());
    out += head;
    AppendByteList(out, bytes, n, perLine, indent, javaCasts);
    out += tail;
    return out;
}

std::string Base64(const uint8_t* bytes, size_t n) {
    std::string out(4 * ((n + 2) / 3) + 1, '\0');
    const int written =
        EVP_EncodeBlock(reinterpret_cast<unsigned char*>(out.data()), bytes, static_cast<int>(n));
    out.resize(static_cast<size_t>(written));
    return out;
}

std::string IntelHex(const uint8_t* bytes, size_t n) {
    std::string out;
    const auto record = [&out](uint8_t type, uint16_t address, const uint8_t* data, size_t count) {
        uint8_t sum = static_cast<uint8_t>(count + (address >> 8) + (address & 0xFF) + type);
        out += ':';
        PutHexByte(out, static_cast<uint8_t>(count));
        PutHexByte(out, static_cast<uint8_t>(address >> 8));
        PutHexByte(out, static_cast<uint8_t>(address));
        PutHexByte(out, type);
        for (size_t i = 0; i < count; ++i) {
            PutHexByte(out, data[i]);
            sum = static_cast<uint8_t>(sum + data[i]);
        }
        PutHexByte(out, static_cast<uint8_t>(-sum));
        out += '\n';
    };
    for (size_t at = 0; at < n; at += kPerLine) {
        // Each 64 KiB begins with its upper address (an extended linear address record).
        if (at % 0x10000 == 0 && at != 0) {
            const uint8_t upper[2] = {static_cast<uint8_t>(at >> 24), static_cast<uint8_t>(at >> 16)};
            record(4, 0, upper, 2);
        }
        record(0, static_cast<uint16_t>(at & 0xFFFF), bytes + at, std::min(kPerLine, n - at));
    }
    record(1, 0, nullptr, 0);
    // Upper case, as the format's tools write it.
    for (char& c : out)
        if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

} // namespace

std::string_view CopyAsCaption(CopyAsFormat format) {
    return kFormats[static_cast<int>(format)].caption;
}

std::optional<std::string> FormatCopyAs(CopyAsFormat format, const uint8_t* bytes, size_t n,
                                        size_t maxChars) {
    if (n > (maxChars - 200) / kFormats[static_cast<int>(format)].charsPerByte) return std::nullopt;
    const std::string count = std::to_string(n);
    switch (format) {
    case CopyAsFormat::CArray:
        return Listed("unsigned char data[" + count + "] = {\n", bytes, n, kPerLine, "    ", false,
                      "};\nconst unsigned int data_len = " + count + ";\n");
    case CopyAsFormat::CppArray:
        return Listed("#include <array>\n\nconstexpr std::array<unsigned char, " + count + "> data = {\n",
                      bytes, n, kPerLine, "    ", false, "};\n");
    case CopyAsFormat::Python: {
        std::string out = "data = (\n";
        for (size_t at = 0; at < n; at += kPerLine) {
            out += "    b\"";
            for (size_t i = at; i < std::min(n, at + kPerLine); ++i) {
                out += "\\x";
                PutHexByte(out, bytes[i]);
            }
            out += "\"\n";
        }
        return out + (n == 0 ? "    b\"\"\n)\n" : ")\n");
    }
    case CopyAsFormat::Rust:
        return Listed("let data: [u8; " + count + "] = [\n", bytes, n, kPerLine, "    ", false, "];\n");
    case CopyAsFormat::Go:
        return Listed("data := []byte{\n", bytes, n, kPerLine, "\t", false, "}\n");
    case CopyAsFormat::Java:
        return Listed("byte[] data = {\n", bytes, n, kPerLine, "    ", true, "};\n");
    case CopyAsFormat::CSharp:
        return Listed("byte[] data = {\n", bytes, n, kPerLine, "    ", false, "};\n");
    case CopyAsFormat::JavaScript:
        return Listed("const data = new Uint8Array([\n", bytes, n, kPerLine, "    ", false, "]);\n");
    case CopyAsFormat::Base64:
        return Base64(bytes, n);
    case CopyAsFormat::DataUrl:
        return "data:application/octet-stream;base64," + Base64(bytes, n);
    case CopyAsFormat::XxdInclude: {
        // As xxd -i writes it: twelve bytes a line, two blanks in front, no comma after the last.
        std::string out = "unsigned char data[] = {\n";
        AppendByteList(out, bytes, n, 12, "  ", false);
        if (n > 0) out.erase(out.size() - 2, 1);
        out += "};\nunsigned int data_len = ";
        out += count;
        out += ";\n";
        return out;
    }
    case CopyAsFormat::HexPlain:
    case CopyAsFormat::HexSpaced: {
        std::string out;
        out.reserve(3 * n);
        for (size_t i = 0; i < n; ++i) {
            if (i && format == CopyAsFormat::HexSpaced) out += ' ';
            PutHexByte(out, bytes[i]);
        }
        return out;
    }
    case CopyAsFormat::IntelHex:
        return IntelHex(bytes, n);
    }
    return std::nullopt;
}

std::optional<std::string> DecodeBase64(std::string_view text) {
    std::string clean;
    for (char c : text)
        if (c != ' ' && c != '\n' && c != '\r' && c != '\t') clean += c;
    if (clean.size() % 4 != 0) return std::nullopt;
    std::string out(clean.size() / 4 * 3, '\0');
    const int n =
        EVP_DecodeBlock(reinterpret_cast<unsigned char*>(out.data()),
                        reinterpret_cast<const unsigned char*>(clean.data()), static_cast<int>(clean.size()));
    if (n < 0) return std::nullopt;
    // EVP_DecodeBlock counts the padding as bytes; they go.
    size_t size = static_cast<size_t>(n);
    for (size_t i = clean.size(); i > 0 && clean[i - 1] == '='; --i)
        --size;
    out.resize(size);
    return out;
}

} // namespace qhe
