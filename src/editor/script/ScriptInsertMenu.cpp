#include "editor/script/ScriptInsertMenu.h"

#include "core/text/Translation.h"

namespace qhe {

const std::vector<std::pair<const char*, const char*>>& ScriptInsertSubmenus() {
    static const std::vector<std::pair<const char*, const char*>> submenus = {
        {"Address1", QHE_TR_NOOP("ScriptMenu", "地址(&A)")},
        {"Bitwiseoperations1", QHE_TR_NOOP("ScriptMenu", "&Bitwise 操作")},
        {"Find1", QHE_TR_NOOP("ScriptMenu", "查找(&F)")},
        {"Joker1", QHE_TR_NOOP("ScriptMenu", "通配符(&J)")},
        {"Replace1", QHE_TR_NOOP("ScriptMenu", "替换(&R)")},
    };
    return submenus;
}

const std::vector<ScriptMenuItem>& ScriptInsertItems() {
    static const std::vector<ScriptMenuItem> items = {
        {"ADR2", "&ADR <dec. or $hex address>", "Address1"},
        {"ADR3", "ADR&+ <dec. or $hex count>", "Address1"},
        {"ADR1", "ADR&- <dec. or $hex count>", "Address1"},
        {"ADREOFgotoendoffile1", QHE_TR_NOOP("ScriptMenu", "ADR&EOF (转到文件结尾)"), "Address1"},
        {"BITANDhexbyte1", "BIT&AND <hex byte> [byte count]", "Bitwiseoperations1"},
        {"BITNOT1", "BIT&NOT [byte count]", "Bitwiseoperations1"},
        {"BITORhexbyte1", "BIT&OR <hex byte> [byte count]", "Bitwiseoperations1"},
        {"BITSHLbitcount1", "BITSH&L <bit count> [byte count]", "Bitwiseoperations1"},
        {"BITSHRbitcount1", "BITSH&R <bit count> [byte count]", "Bitwiseoperations1"},
        {"BITXORhexbyte1", "BIT&XOR <hex byte> [byte count]", "Bitwiseoperations1"},
        {"CHARCONqctfilename1", QHE_TR_NOOP("ScriptMenu", "&CHARCON <QCT 文件名>"), ""},
        {"DELADRdecorhexcount1", "&DEL <dec. or $hex count>", ""},
        {"QUIT1", QHE_TR_NOOP("ScriptMenu", "&EXIT (终止脚本执行)"), ""},
        {"FINDhexstring1", "&FIND <hex string>", "Find1"},
        {"FINDASCstring1", "FIND&ASC <string>", "Find1"},
        {"INSERThexstring1", "&INSERT <hex string>", ""},
        {"JOKERONhexchar1", QHE_TR_NOOP("ScriptMenu", "&JOKERON <hex char> (用于查找、替换；如 2E)"),
         "Joker1"},
        {"JOKEROFF1", QHE_TR_NOOP("ScriptMenu", "JOKER&OFF (停止用于查找、替换的通配符字符)"), "Joker1"},
        {"MSGmessage1", QHE_TR_NOOP("ScriptMenu", "&MSG <message> (显示信息)"), ""},
        {"OVERWRITEhexstring1", "&OVERWRITE <hex string>", ""},
        {"REM2", "R&EM <remark>", ""},
        {"REPLhexstringBYhexstring1", "&REPLACE <hex string> BY <hex string>", "Replace1"},
        {"REPLACEASCstringBYstring1", "REPLACE&ASC <string> BY <string>", "Replace1"},
        {"REPLACEALLhexstringBYhexstring1", "REPLACEA&LL <hex string> BY <hex string>", "Replace1"},
        {"REPLACEALLASCstringBYstring1", "REPLACEALLAS&C <string> BY <string>", "Replace1"},
        {"VERIFYhexstring1",
         "&VERIFY <hex string> [OR <hex string>...] (joker: ?"
         "?)",
         ""},
    };
    return items;
}

std::string CommandTemplate(std::string_view caption) {
    std::string text(caption);
    if (const size_t amp = text.find('&'); amp != std::string::npos) text.erase(amp, 1);
    if (const size_t paren = text.find(" ("); paren != std::string::npos) text.erase(paren);
    return text;
}

int CharacterCount(std::string_view utf8) {
    int n = 0;
    for (const char c : utf8)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

CommandInsertion PlanCommandInsertion(const std::vector<std::string>& lines, int caretLine,
                                      std::string_view caption) {
    CommandInsertion plan;
    plan.text = CommandTemplate(caption);
    plan.line = caretLine;
    if (caretLine < 0 || caretLine >= static_cast<int>(lines.size())) {
        plan.kind = CommandInsertion::Kind::Append;
        plan.line = static_cast<int>(lines.size());
    } else {
        const std::string& line = lines[static_cast<size_t>(caretLine)];
        const bool blank = line.find_first_not_of(" \t\r") == std::string::npos;
        plan.kind = blank ? CommandInsertion::Kind::ReplaceLine : CommandInsertion::Kind::InsertBefore;
    }
    if (const size_t blank = plan.text.find(' '); blank != std::string::npos) {
        plan.selectFrom = CharacterCount(std::string_view(plan.text).substr(0, blank + 1));
        plan.selectLength = CharacterCount(plan.text) - plan.selectFrom;
    }
    return plan;
}

void ApplyCommandInsertion(std::vector<std::string>& lines, const CommandInsertion& insertion) {
    const auto at = lines.begin() + insertion.line;
    switch (insertion.kind) {
    case CommandInsertion::Kind::InsertBefore:
        lines.insert(at, insertion.text);
        break;
    case CommandInsertion::Kind::ReplaceLine:
        *at = insertion.text;
        break;
    case CommandInsertion::Kind::Append:
        lines.push_back(insertion.text);
        break;
    }
}

std::optional<std::pair<int, int>> ScriptLineSelection(const std::vector<std::string>& lines, int index,
                                                       int lineBreak) {
    if (index < 0 || index >= static_cast<int>(lines.size())) return std::nullopt;
    int caret = 0;
    for (int q = 0; q < index; ++q)
        caret += CharacterCount(lines[static_cast<size_t>(q)]) + lineBreak;
    return std::pair{caret, CharacterCount(lines[static_cast<size_t>(index)])};
}

} // namespace qhe
