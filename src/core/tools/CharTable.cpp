#include "core/tools/CharTable.h"

#include "platform/SafeFileWrite.h"
#include "platform/SmallFile.h"
#include "core/tools/TranslateKernels.h"
#include "core/text/HexDigit.h"

#include <algorithm>
#include <cstdio>

namespace qhe {

namespace {

bool IsIdentity(const CharTable& table) {
    for (int b = 0; b < 256; ++b)
        if (table[b] != b) return false;
    return true;
}

} // namespace

void ResetCharTable(CharTable& table) {
    for (int b = 0; b < 256; ++b)
        table[b] = static_cast<uint8_t>(b);
}

bool ParseCharTable(std::string_view text, CharTable& table) {
    ResetCharTable(table);
    while (!text.empty()) {
        const size_t lf = text.find('\n');
        std::string_view line = text.substr(0, lf);
        text = lf == std::string_view::npos ? std::string_view() : text.substr(lf + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.size() != 5 || line[2] != ';') return false;
        const int s1 = HexDigitValue(line[0]), s2 = HexDigitValue(line[1]), t1 = HexDigitValue(line[3]),
                  t2 = HexDigitValue(line[4]);
        if (s1 < 0 || s2 < 0 || t1 < 0 || t2 < 0) return false;
        table[s1 * 16 + s2] = static_cast<uint8_t>(t1 * 16 + t2);
    }
    return true;
}

std::string FormatCharTable(const CharTable& table) {
    std::string out;
    for (int b = 0; b < 256; ++b) {
        if (table[b] == b) continue;
        char line[8];
        std::snprintf(line, sizeof line, "%2.2X;%2.2X\r\n", b, table[b]);
        out += line;
    }
    return out;
}

int ReadCharTableFile(CharTable& table, const std::string& path) {
    std::string text;
    if (int code = platform::ReadSmallFile(path, platform::kSideFileMaxBytes, text); code != 0) return code;
    return ParseCharTable(text, table) ? 0 : kBadCharTableLine;
}

int WriteCharTableFile(const CharTable& table, const std::string& path) {
    // Never into a pipe (it would block) or a device; through a temporary file, so a failed
    // save leaves the previous table file whole.
    if (int code = platform::CheckSideFileTarget(path); code != 0) return code;
    return WriteFileSafely(path, FormatCharTable(table));
}

int64_t TranslateBytesPortable(const CharTable& table, uint8_t* bytes, size_t count) {
    int64_t changed = 0;
    for (size_t k = 0; k < count; ++k) {
        const uint8_t b = bytes[k], c = table[b];
        // Only changed bytes are stored: a mapped file's untouched pages stay shared.
        if (c != b) {
            bytes[k] = c;
            ++changed;
        }
    }
    return changed;
}

int64_t TranslateBytes(const CharTable& table, uint8_t* bytes, size_t count) {
    int64_t changed = translate_detail::TranslateAvx512Vbmi(table, bytes, count);
    if (changed < 0) changed = translate_detail::TranslateAvx2(table, bytes, count);
    if (changed < 0) changed = TranslateBytesPortable(table, bytes, count);
    return changed;
}

CharConversionResult ConvertWithCharTable(const CharTable& table, uint8_t* buffer, int64_t size,
                                          int64_t start, Progress* progress,
                                          const std::function<void(int64_t pos, int64_t n)>& changed) {
    constexpr int64_t kChunk = 1 << 20; // a fraction of a millisecond per chunk
    CharConversionResult result;
    if (start < 1 || start > size) return result;
    const bool identity = IsIdentity(table);
    for (int64_t pos = start; pos <= size;) {
        const int64_t count = std::min<int64_t>(kChunk, size - pos + 1);
        if (!identity) {
            const int64_t n = TranslateBytes(table, buffer + pos - 1, static_cast<size_t>(count));
            if (n > 0 && changed) changed(pos, count);
            result.changed += n;
        }
        pos += count;
        if (progress) {
            progress->SetProgress(pos - 1, size, 5);
            if (progress->Cancelled()) {
                result.completed = pos > size;
                break;
            }
        }
    }
    return result;
}

} // namespace qhe
