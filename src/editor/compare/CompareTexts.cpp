#include "editor/compare/CompareTexts.h"

namespace qhe {
namespace {

// The variants, for the translation file; at run time they are looked up by context.
[[maybe_unused]] constexpr const char* kVariants[] = {
    QHE_TR_NOOP("TextsFirstOne", "A: %.0n 字节, B: %.0n 字节"),
    QHE_TR_NOOP("TextsSecondOne", "A: %.0n 字节, B: %.0n 字节"),
    QHE_TR_NOOP("TextsBothOne", "A: %.0n 字节, B: %.0n 字节"),
    QHE_TR_NOOP("TextsSecondOne", "; 正在比较... %d%%, 已找到 %.0n 处差异"),
    QHE_TR_NOOP("TextsFirstOne", "; 不同: %.0n 处差异, 共 %.0n 字节"),
    QHE_TR_NOOP("TextsBothOne", "; 不同: %.0n 处差异, 共 %.0n 字节"),
    QHE_TR_NOOP("TextsFirstOne", "列出 %.0n 处差异后停止 (--max-diffs), 后面还有差异"),
};

} // namespace

const std::string& Counted(const OwnText& text, int64_t first, int64_t second) {
    if (first != 1 && second != 1) return text.str();
    const char* context = first != 1 ? "TextsSecondOne" : second == 1 ? "TextsBothOne" : "TextsFirstOne";
    const std::string& variant = Tr(context, text.source);
    // Without a variant of its own (the source language) the text stands for every count.
    return variant == text.source ? text.str() : variant;
}

} // namespace qhe
