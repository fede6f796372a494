#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qhe {

// How the hex dump lays out its rows.
struct DumpFormat {
    int bytesPerRow = 16;   // B, at least 1 (the dialog refuses 0 before it gets here)
    bool decimal = false;   // offsets and column numbers in decimal instead of hex
    bool textBelow = false; // characters on a second line under the hex digits
};

// The width of the offset text "%9.9X: " (longer for decimal offsets of ten digits).
constexpr int kDumpOffsetWidth = 11;

// "Offset hex. " (or "Offset dec. ") followed by the column numbers 0 .. B-1, each followed by a blank.
std::string DumpColumnHeader(const DumpFormat& format);

// Appends the text of one row: the 0-based offset, the hex part padded to 3*B characters and the
// characters (bytes below 32 as "."); with textBelow two lines, the second with each character under
// the second hex digit of its byte (bytes below 32 as blanks). Every line ends with eol.
void AppendDumpRow(std::string& out, const DumpFormat& format, uint64_t offset, const uint8_t* bytes,
                   int count, std::string_view eol);

// The same written at dst, which must hold MaxDumpRowSize bytes; answers the end of the text.
char* WriteDumpRow(char* dst, const DumpFormat& format, uint64_t offset, const uint8_t* bytes, int count,
                   std::string_view eol);
// The rows of bytes[0 .. count), the first at the 0-based offset, written at dst (room for MaxDumpRowSize
// per row); answers the end of the text.
char* WriteDumpRows(char* dst, const DumpFormat& format, uint64_t offset, const uint8_t* bytes,
                    uint64_t count, std::string_view eol);
// The most WriteDumpRow writes for one row, with a little room to spare.
size_t MaxDumpRowSize(const DumpFormat& format, size_t eolSize);

// Which part of the Document the print dialog dumps.
enum class DumpRangeKind { CurrentPage, Selection, All };

// What the range rules read; positions are 1-based and inclusive.
struct DumpRangeInput {
    DumpRangeKind kind = DumpRangeKind::All;
    int64_t topAddress = 1;  // the view's first position (current page)
    int64_t lastVisible = 0; // the view's last visible position (current page)
    int64_t blockBegin = 0, blockEnd = 0;
    int64_t size = 0; // the Document's size
    bool toFile = false;
    int linesPerPage = 0; // data lines left on the first page after its head (printer output)
};

struct DumpRange {
    int64_t first = 1, last = 0; // S..E, 1-based, inclusive; empty when last < first
};

// S and E for the print run. S starts a row (S-1 divisible by B). A page or selection is widened at
// its end: for a file to the end of its last row, for the printer to whole pages. Never past the size.
DumpRange ComputeDumpRange(const DumpRangeInput& input, const DumpFormat& format);

// The bytes per row typed into the dialog's field (digits only, at most two): the number, or 0 when
// the entry is empty or 0 and must be refused.
int ParseBytesPerRow(std::string_view text);

} // namespace qhe
