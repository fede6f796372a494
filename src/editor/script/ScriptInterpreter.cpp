#include "editor/script/ScriptInterpreter.h"

#include <algorithm>
#include <optional>

#include "editor/edit/SizeChange.h"
#include "core/text/Format.h"
#include "core/text/MessageIds.h"
#include "core/text/Messages.h"
#include "core/tools/CharTable.h"
#include "core/tools/DecodeNumbers.h"
#include "editor/blocks/BlockCommands.h"
#include "editor/blocks/BlockMarking.h"
#include "editor/search/FindCommands.h"
#include "editor/search/ReplaceCommands.h"
#include "editor/tools/CharConversion.h"
#include "editor/view/ViewCommands.h"

namespace qhe {

namespace {
constexpr int kBitChunk = 64 * 1024;
constexpr int64_t kBitBoxThreshold = 200;

constexpr const char* kCaptionCheck = "Script Syntax Check";
constexpr const char* kCaptionExecute = "Script Execution";

[[noreturn]] void Fail(int id) {
    throw ScriptError(Msg(id));
}
[[noreturn]] void FailAt(int id, int64_t position) {
    throw ScriptError(FormatMsg(id, {position - 1}));
}
[[noreturn]] void Cancelled() {
    throw ScriptError(Msg(kMsgCancelled), ScriptErrorForm::NoHeader);
}

bool ChangesBytes(ScriptOp op) {
    switch (op) {
    case ScriptOp::Del:
    case ScriptOp::Overwrite:
    case ScriptOp::Insert:
    case ScriptOp::Replace:
    case ScriptOp::ReplaceAsc:
    case ScriptOp::ReplaceAll:
    case ScriptOp::ReplaceAllAsc:
    case ScriptOp::BitAnd:
    case ScriptOp::BitOr:
    case ScriptOp::BitXor:
    case ScriptOp::BitNot:
    case ScriptOp::BitShl:
    case ScriptOp::BitShr:
    case ScriptOp::CharCon:
        return true;
    default:
        return false;
    }
}

void ReplaceAllOf(std::string& text, std::string_view what, std::string_view by) {
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + by.size()))
        text.replace(at, what.size(), by);
}

template <typename Op> void ApplyBytes(uint8_t* bytes, int64_t n, Op op) {
    for (int64_t i = 0; i < n; ++i)
        bytes[i] = static_cast<uint8_t>(op(bytes[i]));
}

// Applies the bitwise operation letter to count bytes in chunks, the box (when shown) following.
void ApplyBitwise(uint8_t* bytes, int64_t count, char letter, uint8_t operand, int shift, Progress* box) {
    for (int64_t done = 0; done < count;) {
        const int64_t n = std::min<int64_t>(kBitChunk, count - done);
        uint8_t* chunk = bytes + done;
        switch (letter) {
        case 'A':
            ApplyBytes(chunk, n, [operand](uint8_t b) { return b & operand; });
            break;
        case 'O':
            ApplyBytes(chunk, n, [operand](uint8_t b) { return b | operand; });
            break;
        case 'X':
            ApplyBytes(chunk, n, [operand](uint8_t b) { return b ^ operand; });
            break;
        case 'L':
            ApplyBytes(chunk, n, [shift](uint8_t b) { return (b << shift) & 0xFF; });
            break;
        case 'R':
            ApplyBytes(chunk, n, [shift](uint8_t b) { return b >> shift; });
            break;
        default:
            ApplyBytes(chunk, n, [](uint8_t b) { return ~b & 0xFF; });
            break;
        }
        done += n;
        if (box) box->SetProgress(done, count, 5);
    }
}

// For one script search: case-sensitive, from the cursor, the script's joker and strings;
// the user's six options come back when it ends, also by an error.
class SearchOptionsScope {
  public:
    SearchOptionsScope(EditorState& s, bool jokerOn, uint8_t joker, const std::string& find,
                       const std::string& replacement)
        : s_(s), caseSensitive_(s.options.caseSensitive), scope_(s.options.scope),
          jokerOn_(s.options.jokerFind), joker_(s.options.jokerByte), find_(std::move(s.search.findString)),
          replacement_(std::move(s.search.replaceString)) {
        s.options.caseSensitive = true;
        s.options.scope = true;
        s.options.jokerFind = jokerOn;
        s.options.jokerByte = joker;
        s.search.findString = find;
        s.search.replaceString = replacement;
    }
    ~SearchOptionsScope() {
        s_.options.caseSensitive = caseSensitive_;
        s_.options.scope = scope_;
        s_.options.jokerFind = jokerOn_;
        s_.options.jokerByte = joker_;
        s_.search.findString = std::move(find_);
        s_.search.replaceString = std::move(replacement_);
    }
    SearchOptionsScope(const SearchOptionsScope&) = delete;
    SearchOptionsScope& operator=(const SearchOptionsScope&) = delete;

  private:
    EditorState& s_;
    bool caseSensitive_, scope_, jokerOn_;
    uint8_t joker_;
    std::string find_, replacement_;
};

} // namespace

// Collects the change notifications of an executing pass, so the window repaints when the
// pass ends (or a message is shown) instead of after every line.
class ChangeBatch {
  public:
    explicit ChangeBatch(EditorState& s) : s_(s), observer_(std::move(s.onChange)) {
        s_.onChange = [this](unsigned what) { pending_ |= what; };
    }
    ~ChangeBatch() {
        s_.onChange = std::move(observer_);
        s_.Changed(pending_ | kChangedView | kChangedStatus | kChangedCaption);
    }
    void Flush() {
        if (observer_ && pending_) observer_(pending_);
        pending_ = 0;
    }
    ChangeBatch(const ChangeBatch&) = delete;
    ChangeBatch& operator=(const ChangeBatch&) = delete;

  private:
    EditorState& s_;
    std::function<void(unsigned)> observer_;
    unsigned pending_ = 0;
};

bool ScriptInterpreter::RunScript(const std::vector<std::string>& lines, int& lineIndex) {
    bool result = true;
    address_ = 1;
    jokerOn_ = false;
    jokerByte_ = 0;
    textDue_ = true;
    s_.ui.SetWaitCursor(true);
    caption_ = checkOnly ? kCaptionCheck : kCaptionExecute;
    progress_.Box().SetCaption(caption_);
    const int n = static_cast<int>(lines.size());
    int q = 0;
    std::optional<ChangeBatch> batch;
    if (!checkOnly) batch.emplace(s_);
    changes_ = batch ? &*batch : nullptr;
    const auto finish = [&] {
        lineIndex = q;
        s_.ui.SetWaitCursor(false);
        if (!checkOnly && s_.doc.IsOpen) ViewCommands(s_).ShowAddress(address_, true, true);
        changes_ = nullptr;
    };
    try {
        for (; q < n; ++q) {
            if (progress_.Box().Cancelled()) {
                result = false;
                break;
            }
            ReportLine(q, n);
            if (!InterpretLine(lines[q])) break;
        }
    } catch (const ScriptError& e) {
        finish();
        const std::string header = FormatMsg(kMsgLineHeader, {q + 1, TrimScriptText(lines[q])});
        std::string text = e.Form() == ScriptErrorForm::NoHeader      ? e.what()
                           : e.Form() == ScriptErrorForm::HeaderAlone ? header
                                                                      : header + "\n\n" + e.what();
        if (preCheck) text += "\n\n" + Msg(kMsgNotChanged);
        throw ScriptFailure(text);
    }
    finish();
    return result;
}

void ScriptInterpreter::ReportLine(int q, int n) {
    Progress& box = progress_.Box();
    box.SetProgress(q + 1, n, 1);
    const auto now = std::chrono::steady_clock::now();
    if (!textDue_ && now < nextText_) return;
    box.SetText(Format("Line %d of %d", {q + 1, n}), 1);
    nextText_ = now + textInterval;
    textDue_ = false;
}

// After a command used the box for its own caption and text.
void ScriptInterpreter::RestoreBox() {
    progress_.Box().SetCaption(caption_);
    progress_.Box().EnableCancel(true);
    textDue_ = true;
}

bool ScriptInterpreter::InterpretLine(const std::string& text) {
    ScriptLine line = SplitScriptLine(text);
    if (IsScriptComment(line)) return true;
    if (checkOnly) {
        CheckScriptLine(line);
        return true;
    }
    SubstituteParameters(line.args, parameters);
    SubstituteParameters(line.rawArgs, parameters);
    const auto op = LookupScriptOp(line.word);
    if (!op) throw ScriptError(FormatMsg(kMsgBadCommand, {line.word}));
    return Execute(ParseScriptCommand(*op, line));
}

bool ScriptInterpreter::Execute(const ScriptCommand& c) {
    // A read-only Document is read (FIND, VERIFY ...) but never changed.
    if (s_.doc.ReadOnly && ChangesBytes(c.op)) Fail(kMsgFileIsReadOnly);
    switch (c.op) {
    case ScriptOp::Adr:
        MoveTo(c.number + 1);
        break;
    case ScriptOp::AdrPlus:
        MoveTo(address_ + c.number);
        break;
    case ScriptOp::AdrMinus:
        MoveTo(address_ - c.number);
        break;
    case ScriptOp::AdrEof:
        MoveTo(Size());
        break;
    case ScriptOp::Del:
        Delete(c.number);
        break;
    case ScriptOp::Overwrite:
        Overwrite(c.bytes);
        break;
    case ScriptOp::Insert:
        Insert(c.bytes);
        break;
    case ScriptOp::Find:
    case ScriptOp::FindAsc:
        Find(c.bytes);
        break;
    case ScriptOp::Replace:
    case ScriptOp::ReplaceAsc:
        Replace(c);
        break;
    case ScriptOp::ReplaceAll:
    case ScriptOp::ReplaceAllAsc:
        ReplaceAll(c);
        break;
    case ScriptOp::Verify:
        Verify(c);
        break;
    case ScriptOp::JokerOn:
        jokerOn_ = true;
        jokerByte_ = static_cast<uint8_t>(c.bytes[0]);
        break;
    case ScriptOp::JokerOff:
        jokerOn_ = false;
        break;
    case ScriptOp::BitAnd:
    case ScriptOp::BitOr:
    case ScriptOp::BitXor:
    case ScriptOp::BitNot:
    case ScriptOp::BitShl:
    case ScriptOp::BitShr:
        Bitwise(c);
        break;
    case ScriptOp::CharCon:
        ConvertChars(c.text);
        break;
    case ScriptOp::Msg:
        if (!batchMode) ShowMessage(c.text);
        break;
    case ScriptOp::Exit:
        return false;
    }
    return true;
}

void ScriptInterpreter::MoveTo(int64_t address) {
    address_ = address;
    if (address < 1 || address > Size()) FailAt(kMsgCannotGoTo, address);
}

void ScriptInterpreter::Delete(int64_t n) {
    if (address_ < 1 || address_ + n - 1 > Size()) Fail(kMsgDeletePastEnd);
    if (SizeChangeRefused(s_)) throw ScriptError("", ScriptErrorForm::HeaderAlone);
    BlockMarking(s_).SetBlock(address_, address_ + n - 1);
    BlockCommands(s_).DeleteBlock();
    address_ = s_.view.CursorPosition();
}

void ScriptInterpreter::Overwrite(const std::string& bytes) {
    const auto length = static_cast<int64_t>(bytes.size());
    if (address_ < 1 || address_ + length - 1 > Size()) Fail(kMsgWritePastEnd);
    if (length == 0) return;
    s_.editor.Overwrite(address_, reinterpret_cast<const uint8_t*>(bytes.data()), length,
                        ReplaceUndoRule::Reached);
    address_ = std::min(address_ + length, Size());
}

void ScriptInterpreter::Insert(const std::string& bytes) {
    if (bytes.empty()) return;
    const int64_t at = std::clamp<int64_t>(address_, 1, Size() + 1);
    const auto length = static_cast<int64_t>(bytes.size());
    if (!s_.editor.InsertRepeated(at, bytes, 1, ReplaceUndoRule::Reached)) {
        // The line header follows message 2004.
        ShowInsertRefused(s_);
        throw ScriptError("", ScriptErrorForm::HeaderAlone);
    }
    ViewCommands(s_).ShowAddress(std::min(at + length, Size()), true, true);
    address_ = std::min(at + length, Size());
}

void ScriptInterpreter::Find(const std::string& bytes) {
    int64_t position = address_;
    bool found = false, cancelled = false;
    {
        const SearchOptionsScope scope(s_, jokerOn_, jokerByte_, bytes, s_.search.replaceString);
        progress_.Box().SetCaption(Msg(kMsgSearching));
        progress_.Box().SetText(Msg(kMsgPosition), 1);
        FindCommands(s_).FindNext(position, found, cancelled, false, false, progress_.Box());
        RestoreBox();
    }
    if (cancelled) Cancelled();
    if (!found) FailAt(kMsgScriptNotFound, address_);
    address_ = position;
}

void ScriptInterpreter::Replace(const ScriptCommand& c) {
    int64_t position = address_;
    bool found = false, replaced = false, cancelled = false;
    {
        const SearchOptionsScope scope(s_, jokerOn_, jokerByte_, c.bytes, c.replacement);
        progress_.Box().SetCaption(Msg(kMsgReplacingCaption));
        progress_.Box().SetText(Msg(kMsgSearching), 1);
        ReplaceCommands(s_).ReplaceNext(position, found, replaced, false, cancelled, progress_.Box());
        RestoreBox();
    }
    if (cancelled) Cancelled();
    if (found && !replaced) throw ScriptError("", ScriptErrorForm::HeaderAlone); // 2004 shown
    if (!replaced) return;
    // The user's replacement string is back, so an undo could not find this replacement.
    s_.actions.SetEnabled("Replaceundo1", false);
    s_.Changed(kChangedView | kChangedStatus | kChangedCaption);
    address_ = position;
}

void ScriptInterpreter::ReplaceAll(const ScriptCommand& c) {
    int64_t first = 0, count = 0;
    bool cancelled = false;
    // Every hit becomes lastFoundAddress, so a hit left unreplaced shows that the memory check
    // refused the growth (it has told the user why).
    const int64_t lastFound = s_.lastFoundAddress;
    s_.lastFoundAddress = 0;
    {
        const SearchOptionsScope scope(s_, jokerOn_, jokerByte_, c.bytes, c.replacement);
        progress_.Box().SetCaption(Msg(kMsgReplacingCaption));
        progress_.Box().SetText(Msg(kMsgSearching), 1);
        ReplaceCommands replace(s_);
        if (freeMemory) replace.freeMemory = freeMemory;
        s_.editor.BeginBulkRewrite();
        replace.ReplaceAll(address_, first, count, cancelled, progress_.Box());
        RestoreBox();
    }
    const bool refused = count == 0 && !cancelled && s_.lastFoundAddress != 0;
    // The user's replacement string is back, so an undo could not find these replacements.
    s_.editor.EndBulkRewrite(first, count, ReplaceUndoRule::Always, false);
    if (count > 0) {
        const auto r = static_cast<int64_t>(c.replacement.size());
        address_ =
            std::min(r > 0 ? s_.lastFoundAddress + r - 1 : s_.lastFoundAddress, std::max<int64_t>(Size(), 1));
        s_.Changed(kChangedView | kChangedStatus | kChangedCaption);
    } else {
        s_.lastFoundAddress = lastFound;
    }
    if (cancelled) Cancelled();
    if (refused) throw ScriptError("", ScriptErrorForm::HeaderAlone);
}

void ScriptInterpreter::Verify(const ScriptCommand& c) {
    for (const VerifyPattern& pattern : c.patterns) {
        // The bytes compared, copied out so that a Document in pieces reads the same.
        const auto n = static_cast<int64_t>(pattern.bytes.size());
        if (address_ < 1 || n > Size() - address_ + 1) continue;
        std::vector<uint8_t> bytes(static_cast<size_t>(n));
        s_.doc.CopyOut(address_, n, bytes.data());
        if (VerifyMatches(pattern, bytes.data(), n, 0)) return;
    }
    FailAt(kMsgVerifyFailed, address_);
}

void ScriptInterpreter::Bitwise(const ScriptCommand& c) {
    const int64_t count = c.count;
    if (address_ + count - 1 > Size() || address_ < 1) Fail(kMsgWritePastEnd);
    if (count <= 0) return;
    const bool showBox = count > kBitBoxThreshold;
    Progress& box = progress_.Box();
    const char letter = BitOperationLetter(c.op);
    if (showBox) {
        box.SetCaption(Msg(kMsgBitwise));
        box.SetText(std::string(1, letter), 1);
    }
    const uint8_t operand = c.bytes.empty() ? 0 : static_cast<uint8_t>(c.bytes[0]);
    const int shift = static_cast<int>(c.number);
    s_.editor.Rewrite(
        address_, count,
        [&](uint8_t* buffer) {
            ApplyBitwise(buffer + address_ - 1, count, letter, operand, shift, showBox ? &box : nullptr);
            return count;
        },
        ReplaceUndoRule::Reached);
    s_.Changed(kChangedView);
    address_ = std::min(address_ + count, Size());
    if (!showBox) return;
    const bool cancelled = box.Cancelled();
    RestoreBox();
    if (cancelled) Cancelled();
}
void ScriptInterpreter::ConvertChars(const std::string& tableFile) {
    CharTable table;
    if (ReadCharTableFile(table, tableFile) != 0)
        throw ScriptError(FormatMsg(kMsgTableError, {FileNameOnly(tableFile)}), ScriptErrorForm::NoHeader);
    if (address_ < 1 || address_ > Size()) return;
    // The script's table serves this conversion only; the program's table stays the user's.
    std::swap(table, s_.charTable);
    bool completed = true;
    ConversionCommands(s_).Convert(address_, completed);
    std::swap(table, s_.charTable);
}

void ScriptInterpreter::ShowMessage(const std::string& message) {
    std::string text = message;
    ReplaceAllOf(text, "\\n", "\n");
    const int64_t a = address_;
    const bool inside = a >= 1 && a <= Size();
    const DecodedNumbers values =
        inside ? DecodeNumbersAt(s_.doc, a, s_.options.byteOrder, s_.decimalSeparator) : DecodedNumbers{};
    ReplaceAllOf(text, "$BYTE", inside ? std::to_string(s_.doc.GetByte(a)) : std::string());
    ReplaceAllOf(text, "$WORD", values.word);
    ReplaceAllOf(text, "$INT", values.integer);
    ReplaceAllOf(text, "$LONG", values.longInt);
    ReplaceAllOf(text, "$IEEE32", values.single);
    ReplaceAllOf(text, "$IEEE64", values.dbl);
    if (changes_) changes_->Flush();
    progress_.Hide();
    s_.ui.ShowMemo(Msg(kMsgInformation), text, 0);
    progress_.Show();
    RestoreBox();
}

} // namespace qhe
