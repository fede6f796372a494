#include "editor/compare/CompareSession.h"

#include <algorithm>
#include <new>

#include "core/compare/DiffLines.h"
#include "core/document/Document.h"
#include "core/text/Format.h"
#include "core/text/MessageIds.h"
#include "editor/OwnTexts.h"
#include "editor/compare/CompareFiles.h"
#include "editor/compare/CompareTexts.h"
#include "editor/file/FileCommands.h"

namespace qhe {
namespace {

// Whether the file on disk is still what the Document was loaded from or last saved to.
bool DiskMatches(const Document& doc) {
    const platform::FileInfo now = platform::StatFile(doc.FileName);
    return now.exists && now.size == doc.DiskSize && now.identity == doc.DiskIdentity &&
           now.modified.seconds == doc.DiskTime.seconds &&
           now.modified.nanoseconds == doc.DiskTime.nanoseconds;
}

std::string HexOffset(int64_t offset, int digits) {
    std::string hex = FormatHex(static_cast<uint64_t>(offset));
    return std::string(hex.size() < static_cast<size_t>(digits) ? digits - hex.size() : 0, '0') + hex;
}

} // namespace

int CompareSession::OpenSide(Side& side, int index, const std::string& name, std::string& error) {
    side.name = name;
    if (const int code = side.file.Open(name); code != 0) {
        error = CompareProblem(index, name, CompareOpenReason(code));
        return code;
    }
    side.size = side.file.Size();
    return 0;
}

std::unique_ptr<CompareSession> CompareSession::OfFiles(const std::string& a, const std::string& b,
                                                        CompareOptions options, std::string& error) {
    auto session = std::make_unique<CompareSession>();
    if (OpenSide(session->sides_[0], 0, a, error) != 0 || OpenSide(session->sides_[1], 1, b, error) != 0)
        return nullptr;
    session->Start(options);
    return session;
}

std::unique_ptr<CompareSession> CompareSession::OfDocument(const Document& doc, const std::string& name,
                                                           bool modified, const std::string& b,
                                                           CompareOptions options, std::string& error) {
    auto session = std::make_unique<CompareSession>();
    Side& a = session->sides_[0];
    if (!modified && !doc.Untitled && DiskMatches(doc)) {
        if (OpenSide(a, 0, doc.FileName, error) != 0) return nullptr;
    } else {
        if (doc.Size() > kMaxSnapshot) {
            error = Format(kTextCompareSaveFirst, {FileNameOnly(name)});
            return nullptr;
        }
        std::vector<uint8_t> copy;
        try {
            copy.resize(static_cast<size_t>(doc.Size()));
        } catch (const std::bad_alloc&) {
            error = FormatMsg(kMsgNoMemory, {});
            return nullptr;
        }
        const int64_t faults = doc.ReadFaults();
        doc.CopyOut(1, doc.Size(), copy.data());
        a.copyFaulted = doc.ReadFaults() > faults;
        a.file.Adopt(std::move(copy));
        a.size = doc.Size();
        session->unsaved_ = true;
    }
    a.name = name;
    if (OpenSide(session->sides_[1], 1, b, error) != 0) return nullptr;
    session->Start(options);
    return session;
}

void CompareSession::Start(CompareOptions options) {
    options_ = options;
    comparer_ = std::make_unique<FileComparer>(sides_[0].file.Input(), sides_[1].file.Input(), options);
    comparer_->SetHoles(sides_[0].file.Holes(), sides_[1].file.Holes());
}

bool CompareSession::ChangedOnDisk(int side) const {
    const platform::FileInfo& then = sides_[side].file.Info();
    const platform::FileInfo now = platform::StatFile(sides_[side].name);
    return then.exists && (now.identity != then.identity || now.size != then.size ||
                           now.modified.seconds != then.modified.seconds ||
                           now.modified.nanoseconds != then.modified.nanoseconds);
}

bool CompareSession::Unreadable(int side) const {
    return sides_[side].copyFaulted || sides_[side].file.ReadFaults() > 0;
}

bool CompareSession::Advance(int64_t budget) {
    if (finished_) return false;
    bool changed = false;
    DiffRange r;
    for (;;) {
        const FileComparer::Status status = comparer_->Step(r, budget);
        if (status == FileComparer::Status::Working) return changed;
        changed = true;
        if (status == FileComparer::Status::Done) {
            finished_ = true;
            return true;
        }
        ++rangeCount_;
        differing_ += std::max(r.lengthA, r.lengthB);
        if (ranges_.size() < kMaxKeptRanges) ranges_.push_back(r);
        budget -= 64; // a range's own cost, so that dense ranges end a call too
        if (budget <= 0) return true;
    }
}

int CompareSession::Percent() const {
    if (finished_ || Size(0) == 0) return 100;
    return static_cast<int>(comparer_->PositionA() * 100 / Size(0));
}

int64_t CompareSession::RangeHolding(int side, int64_t offset) const {
    const auto start = [side](const DiffRange& r) { return side == 0 ? r.offsetA : r.offsetB; };
    const auto length = [side](const DiffRange& r) { return side == 0 ? r.lengthA : r.lengthB; };
    // The last range starting at or before offset.
    auto it = std::upper_bound(ranges_.begin(), ranges_.end(), offset,
                               [&](int64_t value, const DiffRange& r) { return value < start(r); });
    while (it != ranges_.begin()) {
        --it;
        if (offset < start(*it) + length(*it)) return it - ranges_.begin();
        // Ranges without bytes on this side start where the one before ended: look past them.
        if (length(*it) != 0) break;
    }
    return -1;
}

int64_t CompareSession::RangeFrom(int64_t offsetA) const {
    return std::upper_bound(ranges_.begin(), ranges_.end(), offsetA,
                            [](int64_t value, const DiffRange& r) {
                                return value < r.offsetA + std::max<int64_t>(r.lengthA, 1);
                            }) -
           ranges_.begin();
}

int64_t CompareSession::AlignedB(int64_t offsetA) const {
    auto it = std::upper_bound(ranges_.begin(), ranges_.end(), offsetA,
                               [](int64_t value, const DiffRange& r) { return value < r.offsetA; });
    if (it == ranges_.begin()) return offsetA;
    const DiffRange& r = *--it;
    // The start of a range (an insertion too) stands where the range starts in B.
    if (offsetA < r.offsetA + std::max<int64_t>(r.lengthA, 1))
        return r.offsetB + std::min(offsetA - r.offsetA, r.lengthB);
    return offsetA + (r.offsetB + r.lengthB) - (r.offsetA + r.lengthA);
}

bool CompareSession::Select(int64_t index) {
    if (index < 0 || index >= static_cast<int64_t>(ranges_.size()) || index == current_) return false;
    current_ = index;
    return true;
}

std::optional<int64_t> CompareSession::ParseOffset(const std::string& text, int64_t size) {
    size_t at = text.find_first_not_of(' ');
    if (at == std::string::npos) return std::nullopt;
    if (text[at] == '$')
        ++at;
    else if (text.compare(at, 2, "0x") == 0 || text.compare(at, 2, "0X") == 0)
        at += 2;
    const size_t end = text.find_last_not_of(' ') + 1;
    if (at >= end || end - at > 15) return std::nullopt;
    int64_t value = 0;
    for (size_t i = at; i < end; ++i) {
        const char c = text[i];
        const int digit = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                 : -1;
        if (digit < 0) return std::nullopt;
        value = value * 16 + digit;
    }
    if (value >= size) return std::nullopt;
    return value;
}

std::string CompareSession::Caption() const {
    return Format(kTextCompareCaption, {FileNameOnly(Name(0)), FileNameOnly(Name(1))}) +
           (unsaved_ ? kTextCompareUnsaved.str() : std::string());
}

std::string CompareSession::Summary() const {
    // A file cut short while mapped reads as zeros past its new end: the result is not to be
    // trusted, and equal is not said.
    const bool unreadable = Unreadable(0) || Unreadable(1);
    std::string text = Format(Counted(kTextCompareSizes, Size(0), Size(1)), {Size(0), Size(1)});
    if (!finished_)
        text += Format(Counted(kTextCompareRunning, 0, rangeCount_), {Percent(), rangeCount_});
    else if (rangeCount_ > 0)
        text += Format(Counted(kTextCompareDiffer, rangeCount_, differing_), {rangeCount_, differing_});
    else if (!unreadable)
        text += kTextCompareSame;
    if (rangeCount_ > static_cast<int64_t>(ranges_.size()))
        text += Format(kTextCompareListCut, {static_cast<int64_t>(ranges_.size())});
    for (int side = 0; side < 2; ++side)
        if (Unreadable(side)) text += Format(kTextCompareFaults, {FileNameOnly(sides_[side].name)});
    return text;
}

std::string CompareSession::Status(int64_t offsetA, int64_t offsetB) const {
    const int digits = OffsetDigits(std::max(Size(0), Size(1)));
    const auto byte = [this](int side, int64_t offset) {
        if (offset < 0 || offset >= Size(side)) return std::string(kTextCompareNoByte);
        return HexOffset(Byte(side, offset), 2);
    };
    const std::string index = current_ < 0 ? "-" : FormatCount(current_ + 1);
    return Format(kTextCompareStatus, {index, FormatCount(rangeCount_), HexOffset(offsetA, digits),
                                       byte(0, offsetA), HexOffset(offsetB, digits), byte(1, offsetB)});
}

std::string CompareSession::KindText(const DiffRange& r) {
    const DiffKind kind = KindOf(r);
    std::string text = kind == DiffKind::OnlyInA   ? kTextKindOnlyInA
                       : kind == DiffKind::OnlyInB ? kTextKindOnlyInB
                                                   : kTextKindChanged;
    if (r.gaveUp) text += kTextKindGaveUp;
    return text;
}

std::string CompareSession::ListText() const {
    const int digits = OffsetDigits(std::max(Size(0), Size(1)));
    std::string text;
    char line[kMaxDiffLine];
    for (const DiffRange& r : ranges_)
        text.append(line, FormatDiffLine(line, r, Data(0) + r.offsetA, Data(1) + r.offsetB, digits));
    return text;
}

} // namespace qhe
