#include "editor/compare/CompareFiles.h"

#include "core/compare/DiffLines.h"
#include "core/document/FileTransfer.h"
#include "core/text/Format.h"
#include "core/text/Messages.h"
#include "editor/OwnTexts.h"
#include "editor/compare/CompareSide.h"
#include "editor/compare/CompareTexts.h"
#include "editor/file/FileCommands.h"
#include "platform/BackgroundWriter.h"
#include "platform/ErrorCodes.h"

namespace qhe {
namespace {

// Bytes compared between two looks at the sides' read faults, so that a file cut short is
// noticed soon after its first lost page.
constexpr int64_t kFaultCheckBytes = int64_t{64} << 20;

// Whether the file behind side is still what was opened: same file, size and time.
bool Unchanged(const CompareSide& side, const std::string& name) {
    const platform::FileInfo now = platform::StatFile(name);
    const platform::FileInfo& then = side.Info();
    return now.identity == then.identity && now.size == then.size &&
           now.modified.seconds == then.modified.seconds &&
           now.modified.nanoseconds == then.modified.nanoseconds;
}

} // namespace

std::string CompareProblem(int side, const std::string& path, const std::string& reason) {
    return std::string(side == 0 ? "A: " : "B: ") + path + ": " + reason;
}

std::string CompareOpenReason(int code) {
    if (code == kNotRegularFile) return kTextCompareNotPlain;
    if (code == kErrFileTooLarge) return Format(kTextCompareTooLarge, {CompareSide::kMaxRead >> 20});
    if (code > 0 && code <= 219) return Msg(code);
    return ErrorText(code);
}

int CompareFilesToDescriptor(const CommandLine& line, int out, std::string& message) {
    const std::string* names[2] = {&line.fileName, &line.otherFile};
    CompareSide sides[2];
    for (int i = 0; i < 2; ++i)
        if (const int code = sides[i].Open(*names[i]); code != 0) {
            message = CompareProblem(i, *names[i], CompareOpenReason(code));
            return 2;
        }
    if (sides[0].Info().identity == sides[1].Info().identity) {
        message = Format(kTextCompareSameFile, {FileNameOnly(line.fileName), FileNameOnly(line.otherFile)});
        return 0;
    }
    const uint8_t* a = sides[0].Data();
    const uint8_t* b = sides[1].Data();
    FileComparer comparer(sides[0].Input(), sides[1].Input(), line.compare);
    comparer.SetHoles(sides[0].Holes(), sides[1].Holes());
    const int digits = OffsetDigits(std::max(sides[0].Size(), sides[1].Size()));
    constexpr size_t kBuffer = 1 << 20;
    platform::BackgroundWriter writer(out, kBuffer);
    char* buffer = writer.Next();
    size_t used = 0;
    int code = 0, unreadable = -1;
    int64_t ranges = 0;
    bool more = false;
    // A side that lost pages since the last look: nothing found from then on is trusted.
    const auto faulted = [&] {
        for (int i = 0; i < 2 && unreadable < 0; ++i)
            if (sides[i].ReadFaults() > 0) unreadable = i;
        return unreadable >= 0;
    };
    for (DiffRange r; code == 0;) {
        const FileComparer::Status status = comparer.Step(r, kFaultCheckBytes);
        if (faulted() || status == FileComparer::Status::Done) break;
        if (status == FileComparer::Status::Working) continue;
        if (ranges == line.maxDiffs) {
            more = true;
            break;
        }
        const size_t length = FormatDiffLine(buffer + used, r, a + r.offsetA, b + r.offsetB, digits);
        if (faulted()) break;
        used += length;
        ++ranges;
        if (used + kMaxDiffLine > kBuffer) {
            code = writer.Send(used);
            buffer = writer.Next();
            used = 0;
        }
    }
    if (code == 0) code = writer.Send(used);
    if (const int finished = writer.Finish(); code == 0) code = finished;
    if (unreadable >= 0) {
        message = CompareProblem(unreadable, *names[unreadable], kTextCompareReadFailed);
        return 2;
    }
    for (int i = 0; i < 2; ++i)
        if (!Unchanged(sides[i], *names[i])) {
            message = CompareProblem(i, *names[i], kTextCompareChangedDuring);
            return 2;
        }
    if (code != 0) {
        message = "standard output: " + ErrorText(code);
        return 2;
    }
    if (more) message = Format(Counted(kTextCompareMore, ranges, 0), {ranges});
    return ranges == 0 ? 0 : 1;
}

} // namespace qhe
