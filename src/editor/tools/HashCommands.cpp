#include "editor/tools/HashCommands.h"

#include "core/document/ByteRuns.h"
#include "core/text/Format.h"
#include "core/text/MessageIds.h"
#include "core/text/Messages.h"
#include "editor/OwnTexts.h"
#include "editor/tools/UnreadPages.h"

namespace qhe {

HashDialogModel::HashDialogModel(EditorState& state) : chosen(kHashKinds, false), s_(state) {
    const BlockState& block = s_.block;
    if (block.Complete() && block.end <= s_.doc.Size()) {
        from_ = block.begin;
        count_ = block.Length();
    } else {
        count_ = s_.doc.Size();
    }
    Choose(s_.options.hashes);
}

std::string HashDialogModel::RangeText() const {
    if (count_ != s_.doc.Size() || from_ != 1) {
        const int64_t base = s_.view.BaseAddress;
        return Format(kTextHashBlock, {FormatHex(static_cast<uint64_t>(from_ - 1 + base)),
                                       FormatHex(static_cast<uint64_t>(from_ + count_ - 2 + base)), count_});
    }
    return Format(kTextHashFile, {count_});
}

bool HashDialogModel::Compute() {
    std::vector<HashKind> kinds;
    for (int i = 0; i < kHashKinds; ++i)
        if (chosen[static_cast<size_t>(i)]) kinds.push_back(static_cast<HashKind>(i));
    if (kinds.empty()) return false;
    std::unique_ptr<Progress> progress = s_.ui.CreateProgress(true, true, Msg(kMsgPosition), kTextHashing);
    MultiHasher hasher(kinds);
    const UnreadPages unread(s_.doc);
    const RunSource runs = RunsOf(s_.doc, from_);
    constexpr int64_t kStep = int64_t{16} << 20; // progress and cancel between steps
    for (int64_t done = 0; done < count_;) {
        const PieceTable::Span span = runs(done);
        const int64_t n = std::min({span.size, count_ - done, kStep});
        hasher.Update(span.data, static_cast<size_t>(n));
        done += n;
        progress->SetProgress(done, count_, 1);
        if (progress->Cancelled()) return false;
    }
    results_.clear();
    if (unread.All() > 0) {
        // Zeros in place of lost pages: the digests would be taken for the file's.
        progress.reset();
        s_.ui.ShowError(unread.Text(kTextUnreadNoDigest, unread.All()));
        return false;
    }
    const std::vector<std::string> digests = hasher.Finish();
    for (size_t i = 0; i < kinds.size(); ++i)
        results_.emplace_back(kinds[i], digests[i]);
    return true;
}

std::string HashDialogModel::AllText() const {
    // The file's name as sha256sum writes it; a block is named with its range after it.
    std::string name = s_.doc.FileName;
    if (count_ != s_.doc.Size() || from_ != 1)
        name += Format(":%s-%s", {FormatHex(static_cast<uint64_t>(from_ - 1)),
                                  FormatHex(static_cast<uint64_t>(from_ + count_ - 2))});
    std::string text;
    for (const auto& [kind, digest] : results_)
        text += DigestLine(digest, name);
    return text;
}

void HashDialogModel::CopyOne(size_t index) {
    if (index < results_.size()) s_.ui.SetClipboardText(results_[index].second);
}

void HashDialogModel::CopyAll() {
    if (!results_.empty()) s_.ui.SetClipboardText(AllText());
}

std::string HashDialogModel::ChosenNames() const {
    std::string names;
    for (int i = 0; i < kHashKinds; ++i)
        if (chosen[static_cast<size_t>(i)]) {
            if (!names.empty()) names += ',';
            names += HashName(static_cast<HashKind>(i));
        }
    return names;
}

void HashDialogModel::Choose(const std::string& names) {
    chosen.assign(kHashKinds, false);
    for (size_t from = 0; from <= names.size();) {
        const size_t comma = std::min(names.find(',', from), names.size());
        if (const auto kind = HashFromName(std::string_view(names).substr(from, comma - from)))
            chosen[static_cast<size_t>(*kind)] = true;
        from = comma + 1;
    }
}

void HashCommands::Hashes1Click() {
    if (!s_.doc.IsOpen || s_.doc.Size() < 1) return;
    HashDialogModel model(s_);
    s_.ui.RunHashDialog(model);
    s_.options.hashes = model.ChosenNames();
}

} // namespace qhe
