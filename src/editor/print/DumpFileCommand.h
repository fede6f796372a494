#pragma once
#include "core/text/Translation.h"
#include <cstdint>
#include <optional>
#include <string>

#include "core/document/Document.h"
#include "core/print/DumpText.h"
#include "editor/Ui.h"

namespace qhe {

// The print dialog's choices that the dump needs.
struct PrintRequest {
    DumpRangeKind range = DumpRangeKind::CurrentPage;
    std::string bytesPerRow = "16"; // the field's text
    bool decimal = false;
    bool textBelow = false;
};

// Where the view and the block stand, for the current page and selection ranges (1-based).
struct DumpViewFacts {
    int64_t topAddress = 1, lastVisible = 0;
    int64_t blockBegin = 0, blockEnd = 0;
};

// The range rule's input for the chosen range, the view and the Document's size.
DumpRangeInput DumpRangeInputOf(DumpRangeKind kind, const DumpViewFacts& view, int64_t size);

// The bytes-per-row field must hold a number from 1 to 99: every row step divides by it.
inline constexpr OwnText kTextBadBytesPerRow{QHE_TR_NOOP("Texts", "每行字节数必须是 1 到 99 之间的数字")};

// The dialog's check before any output: the refusal text, or empty when the entry is good.
std::string CheckPrintRequest(const PrintRequest& request);

// Output to a text file (the Preview/Print button with output to a file): refuses a bad entry, asks
// for the file, writes the dump with a progress box and reports a failure. Answers true when the
// print dialog may close (written, or cancelled in the progress box); false keeps it open. A
// dump that read pages of a mapped file as zeros is written and says so.
bool OutputDumpToFile(Ui& ui, const Document& doc, const DumpViewFacts& view, const PrintRequest& request);

// The file the "PDF 文件" printer entry writes to, asked before each print job from the preview: a
// name without ".pdf" gets it, a pipe or device is refused with a message. Nothing after Cancel.
std::optional<std::string> ChoosePdfFile(Ui& ui, const std::string& initialDir);

} // namespace qhe
