#include "editor/compare/CompareFiles.h"

#include <cstring>

#include "core/compare/DiffLines.h"
#include "core/text/Format.h"
#include "core/text/Messages.h"
#include "editor/OwnTexts.h"
#include "editor/file/FileCommands.h"
#include "platform/BackgroundWriter.h"
#include "platform/FileMapping.h"

namespace qhe {
namespace {

// Whether the file behind mapping is still what was mapped: same file, size and time, and
// every page read.
bool Unchanged(const platform::FileMapping& mapping, const std::string& name) {
    const platform::FileInfo now = platform::StatFile(name);
    const platform::FileInfo& then = mapping.Info();
    return mapping.ReadFaults() == 0 && now.identity == then.identity && now.size == then.size &&
           now.modified.seconds == then.modified.seconds &&
           now.modified.nanoseconds == then.modified.nanoseconds;
}

} // namespace

int CompareFilesToDescriptor(const CommandLine& line, int out, std::string& message) {
    const std::string* names[2] = {&line.fileName, &line.otherFile};
    platform::FileMapping files[2];
    for (int i = 0; i < 2; ++i)
        if (const int code = files[i].Open(*names[i], false); code != 0) {
            message = FileErrorMessage(kErrOpen, code, *names[i]);
            return 2;
        }
    if (files[0].Info().identity == files[1].Info().identity) {
        message = Format(kTextCompareSameFile, {FileNameOnly(line.fileName), FileNameOnly(line.otherFile)});
        return 0;
    }
    const uint8_t* a = files[0].Data();
    const uint8_t* b = files[1].Data();
    FileComparer comparer({RunsOf(a, files[0].Size()), files[0].Size()},
                          {RunsOf(b, files[1].Size()), files[1].Size()}, line.compare);
    const int digits = OffsetDigits(std::max(files[0].Size(), files[1].Size()));
    constexpr size_t kBuffer = 1 << 20;
    platform::BackgroundWriter writer(out, kBuffer);
    char* buffer = writer.Next();
    size_t used = 0;
    int code = 0;
    int64_t ranges = 0;
    DiffRange r;
    while (code == 0 && ranges != line.maxDiffs &&
           comparer.Step(r, INT64_MAX) == FileComparer::Status::Range) {
        ++ranges;
        used += FormatDiffLine(buffer + used, r, a + r.offsetA, b + r.offsetB, digits);
        if (used + kMaxDiffLine > kBuffer) {
            code = writer.Send(used);
            buffer = writer.Next();
            used = 0;
        }
    }
    if (code == 0) code = writer.Send(used);
    if (const int finished = writer.Finish(); code == 0) code = finished;
    for (int i = 0; i < 2; ++i)
        if (!Unchanged(files[i], *names[i])) {
            message = Format(kTextCompareChanged, {FileNameOnly(*names[i])});
            return 2;
        }
    if (code != 0) {
        message = ErrorText(code);
        return 2;
    }
    return ranges == 0 ? 0 : 1;
}

} // namespace qhe
