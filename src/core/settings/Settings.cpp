#include "core/settings/Settings.h"

#include <algorithm>
#include <cstdio>

#include "core/settings/IniText.h"
#include "core/text/HexDigit.h"
#include "core/text/Language.h"

namespace qhe {

namespace {

constexpr std::string_view kOptions = kOptionsSection;

// Settings that select one of a few choices read as their default when out of range, so a
// hand-edited file cannot make a dialog index past its list.
int ReadChoice(const ProfileSession& profile, std::string_view section, std::string_view key,
               int defaultValue, int lowest, int highest) {
    int value = profile.ReadInt(section, key, defaultValue);
    return value >= lowest && value <= highest ? value : defaultValue;
}

// Sizes below 1 would leave the view without cells, sizes above highest ask for more than a
// screen holds; both read as the default.
int ReadSize(const ProfileSession& profile, std::string_view key, int defaultValue, int highest) {
    return ReadChoice(profile, kOptions, key, defaultValue, 1, highest);
}

// The first two characters as hex digits; anything else keeps the default 0x2E.
uint8_t ReadJokerByte(const ProfileSession& profile) {
    std::string text = profile.ReadString(kOptions, "JokerHex", "2E");
    if (text.size() < 2) return kDefaultJokerByte;
    int high = HexDigitValue(text[0]);
    int low = HexDigitValue(text[1]);
    if (high < 0 || low < 0) return kDefaultJokerByte;
    return static_cast<uint8_t>(high * 16 + low);
}

std::string JokerHexText(uint8_t joker) {
    char text[3];
    std::snprintf(text, sizeof text, "%02X", joker);
    return text;
}

} // namespace

OptionsSettings ReadOptions(const ProfileSession& profile, const std::string& programFolder,
                            bool displayMatches) {
    OptionsSettings o;
    o.textGridLeft = profile.ReadBool(kOptions, "TextGridLeft", false);
    if (displayMatches) {
        o.cols = ReadSize(profile, "Cols", kDefaultCols, kMaxGridCells);
        o.rows = ReadSize(profile, "Rows", kDefaultRows, kMaxGridCells);
        o.fontSize = ReadSize(profile, "FontSize", kDefaultFontSize, kMaxFontSize);
    }
    o.font = profile.ReadString(kOptions, "Font", "Courier New");
    o.hideToolBar = profile.ReadBool(kOptions, "HideToolBar", false);
    o.hideAddressRange = profile.ReadBool(kOptions, "HideAddressRange", false);
    o.showGrids = profile.ReadBool(kOptions, "ShowGrids", true);
    o.blankForCC = profile.ReadBool(kOptions, "BlankForCC", false);
    o.byteOrder = ReadChoice(profile, kOptions, "ByteOrder", 0, 0, 1);
    o.colorBlock = profile.ReadInt(kOptions, "ColorBlock", 255);
    o.jokerByte = ReadJokerByte(profile);
    o.findHex = profile.ReadBool(kOptions, "FindHex", true);
    o.replaceHex = profile.ReadBool(kOptions, "ReplaceHex", true);
    o.insHex = profile.ReadBool(kOptions, "InsHex", false);
    o.unicodeIns = profile.ReadBool(kOptions, "UnicodeIns", false);
    o.unicodeFind = profile.ReadBool(kOptions, "UnicodeFind", false);
    o.unicodeRepl = profile.ReadBool(kOptions, "UnicodeRepl", false);
    o.caseSensitive = profile.ReadBool(kOptions, "CaseSensitive", true);
    o.jokerFind = profile.ReadBool(kOptions, "JokerFind", false);
    o.findDown = profile.ReadBool(kOptions, "FindDown", true);
    o.gotoMode = ReadChoice(profile, kOptions, "GotoMode", 0, 0, 2);
    o.encodeAs = ReadChoice(profile, kOptions, "EncodeAs", 0, 0, 6);
    o.encodeWhere = ReadChoice(profile, kOptions, "EncodeWhere", 0, 0, 2);
    // The recent-files list holds 1 to 9 entries.
    o.mru = std::clamp(profile.ReadInt(kOptions, "MRU", 5), 1, 9);
    o.baseAddress = ReadChoice(profile, kOptions, "BaseAdress", 0, 0, 1);
    o.oldFileTime = profile.ReadBool(kOptions, "OldFileTime", false);
    o.newEOF = profile.ReadBool(kOptions, "NewEOF", false);
    o.currentDir = profile.ReadString(kOptions, "CurrentDir", programFolder);
    o.overwrite = profile.ReadBool(kOptions, "Overwrite", true);
    o.modusText = profile.ReadBool(kOptions, "ModusText", true);
    o.scope = profile.ReadBool(kOptions, "Scope", true);
    o.convTable = profile.ReadString(kOptions, "ConvTable", "");
    o.showDataInsp = profile.ReadBool(kOptions, "ShowDataInsp", false);
    o.undoLimitMB = ReadChoice(profile, kOptions, "UndoLimitMB", 256, 0, 4096);
    o.mapFromMB = ReadChoice(profile, kOptions, "MapFromMB", kDefaultMapFromMB, 1, kDefaultMapFromMB);
    o.compareResync = profile.ReadBool(kOptions, "CompareResync", false);
    o.compareResyncRun = ReadChoice(profile, kOptions, "CompareResyncRun", 16, 4, 4096);
    o.hashes = profile.ReadString(kOptions, "Hashes", o.hashes);
    o.language = NormalLanguageSetting(profile.ReadString(kOptions, "Language", o.language));
    return o;
}

void WriteOptions(ProfileSession& profile, const OptionsSettings& o) {
    profile.WriteInt(kOptions, "Cols", o.cols);
    profile.WriteInt(kOptions, "Rows", o.rows);
    profile.WriteBool(kOptions, "TextGridLeft", o.textGridLeft);
    profile.WriteBool(kOptions, "HideToolBar", o.hideToolBar);
    profile.WriteString(kOptions, "Font", o.font);
    profile.WriteInt(kOptions, "FontSize", o.fontSize);
    profile.WriteInt(kOptions, "ByteOrder", o.byteOrder);
    profile.WriteInt(kOptions, "ColorBlock", o.colorBlock);
    profile.WriteString(kOptions, "JokerHex", JokerHexText(o.jokerByte));
    profile.WriteBool(kOptions, "FindHex", o.findHex);
    profile.WriteBool(kOptions, "ReplaceHex", o.replaceHex);
    profile.WriteBool(kOptions, "InsHex", o.insHex);
    profile.WriteBool(kOptions, "UnicodeIns", o.unicodeIns);
    profile.WriteBool(kOptions, "UnicodeFind", o.unicodeFind);
    profile.WriteBool(kOptions, "UnicodeRepl", o.unicodeRepl);
    profile.WriteBool(kOptions, "CaseSensitive", o.caseSensitive);
    profile.WriteBool(kOptions, "JokerFind", o.jokerFind);
    profile.WriteBool(kOptions, "FindDown", o.findDown);
    profile.WriteInt(kOptions, "GotoMode", o.gotoMode);
    profile.WriteInt(kOptions, "BaseAdress", o.baseAddress);
    profile.WriteInt(kOptions, "EncodeAs", o.encodeAs);
    profile.WriteInt(kOptions, "EncodeWhere", o.encodeWhere);
    profile.WriteBool(kOptions, "OldFileTime", o.oldFileTime);
    profile.WriteBool(kOptions, "NewEOF", o.newEOF);
    profile.WriteString(kOptions, "CurrentDir", o.currentDir);
    profile.WriteBool(kOptions, "Overwrite", o.overwrite);
    profile.WriteBool(kOptions, "ModusText", o.modusText);
    profile.WriteBool(kOptions, "Scope", o.scope);
    profile.WriteString(kOptions, "ConvTable", o.convTable);
    profile.WriteBool(kOptions, "HideAddressRange", o.hideAddressRange);
    profile.WriteInt(kOptions, "MRU", o.mru);
    profile.WriteBool(kOptions, "ShowGrids", o.showGrids);
    profile.WriteBool(kOptions, "BlankForCC", o.blankForCC);
    profile.WriteBool(kOptions, "ShowDataInsp", o.showDataInsp);
    profile.WriteInt(kOptions, "UndoLimitMB", o.undoLimitMB);
    profile.WriteInt(kOptions, "MapFromMB", o.mapFromMB);
    profile.WriteBool(kOptions, "CompareResync", o.compareResync);
    profile.WriteInt(kOptions, "CompareResyncRun", o.compareResyncRun);
    profile.WriteString(kOptions, "Hashes", o.hashes);
    profile.WriteString(kOptions, "Language", o.language);
}

DataInspSettings ReadDataInsp(const ProfileSession& profile) {
    DataInspSettings d;
    d.shortInt = profile.ReadBool(kDataInspSection, "short", false);
    d.byteInt = profile.ReadBool(kDataInspSection, "byte", false);
    d.word = profile.ReadBool(kDataInspSection, "word", true);
    d.intValue = profile.ReadBool(kDataInspSection, "int", true);
    d.longInt = profile.ReadBool(kDataInspSection, "long", true);
    d.single = profile.ReadBool(kDataInspSection, "single", true);
    d.doubleFloat = profile.ReadBool(kDataInspSection, "double", false);
    d.bin = profile.ReadBool(kDataInspSection, "bin", true);
    d.blockSize = profile.ReadBool(kDataInspSection, "BlockSize", false);
    return d;
}

void WriteDataInsp(ProfileSession& profile, const DataInspSettings& d) {
    profile.WriteBool(kDataInspSection, "short", d.shortInt);
    profile.WriteBool(kDataInspSection, "byte", d.byteInt);
    profile.WriteBool(kDataInspSection, "word", d.word);
    profile.WriteBool(kDataInspSection, "int", d.intValue);
    profile.WriteBool(kDataInspSection, "long", d.longInt);
    profile.WriteBool(kDataInspSection, "single", d.single);
    profile.WriteBool(kDataInspSection, "double", d.doubleFloat);
    profile.WriteBool(kDataInspSection, "bin", d.bin);
    profile.WriteBool(kDataInspSection, "BlockSize", d.blockSize);
}

DisplaySettings ReadDisplay(const ProfileSession& profile) {
    return {profile.ReadInt(kDisplaySection, "resx", 0), profile.ReadInt(kDisplaySection, "resy", 0),
            profile.ReadInt(kDisplaySection, "ppi", 0)};
}

void WriteDisplay(ProfileSession& profile, const ScreenInfo& screen) {
    profile.WriteInt(kDisplaySection, "resx", screen.width);
    profile.WriteInt(kDisplaySection, "resy", screen.height);
    profile.WriteInt(kDisplaySection, "ppi", screen.ppi);
}

MainSettings ReadMainSettings(const ProfileSession& profile, const ScreenInfo& screen,
                              const std::string& programFolder) {
    MainSettings s;
    s.display = ReadDisplay(profile);
    s.displayMatches = DisplayMatches(s.display, screen);
    if (s.displayMatches) {
        if (auto top = ParseIniInteger(profile.ReadString(kMainWindowSection, "Top", "")))
            s.placement.top = *top;
        if (auto left = ParseIniInteger(profile.ReadString(kMainWindowSection, "Left", "")))
            s.placement.left = *left;
    }
    s.options = ReadOptions(profile, programFolder, s.displayMatches);
    if (s.displayMatches) s.placement.windowState = profile.ReadInt(kMainWindowSection, "WindowState", 0);
    s.dataInsp = ReadDataInsp(profile);
    return s;
}

void WriteMainSettings(ProfileSession& profile, const ScreenInfo& screen, int top, int left, int windowState,
                       const OptionsSettings& options, const DataInspSettings& dataInsp) {
    WriteDisplay(profile, screen);
    profile.WriteInt(kMainWindowSection, "Top", top);
    profile.WriteInt(kMainWindowSection, "Left", left);
    profile.WriteInt(kMainWindowSection, "WindowState", windowState);
    WriteOptions(profile, options);
    WriteDataInsp(profile, dataInsp);
}

MainSettings LoadMainSettings(const std::string& fileName, const ScreenInfo& screen,
                              const std::string& programFolder) {
    return ReadMainSettings(ProfileSession(fileName), screen, programFolder);
}

void SaveMainSettings(const std::string& fileName, const ScreenInfo& screen, int top, int left,
                      int windowState, const OptionsSettings& options, const DataInspSettings& dataInsp) {
    ProfileSession profile(fileName);
    WriteMainSettings(profile, screen, top, left, windowState, options, dataInsp);
    profile.Commit();
}

std::vector<std::string> ReadHistorySection(const ProfileSession& profile, std::string_view section) {
    // The profile read already removes the one pair of quotes the writer adds; removing
    // quotes a second time would change entries that themselves are quoted.
    return ReadStringListSection(profile, section);
}

void WriteHistorySection(ProfileSession& profile, std::string_view section,
                         const std::vector<std::string>& entries) {
    profile.EraseSection(section);
    for (size_t i = 0; i < entries.size(); ++i) {
        profile.WriteString(section, std::to_string(i), "\"" + entries[i] + "\"");
    }
}

std::vector<std::string> ReadStringListSection(const ProfileSession& profile, std::string_view section) {
    std::vector<std::string> values;
    for (const std::string& key : profile.ReadKeys(section))
        values.push_back(profile.ReadString(section, key, ""));
    return values;
}

void WriteStringListSection(ProfileSession& profile, std::string_view section,
                            const std::vector<std::string>& values) {
    profile.EraseSection(section);
    for (size_t i = 0; i < values.size(); ++i)
        profile.WriteString(section, std::to_string(i), values[i]);
}

PrintSettings ReadPrintSettings(const ProfileSession& profile) {
    PrintSettings p;
    p.unit = ReadChoice(profile, kPrintingSection, "Unit", 0, 0, 1);
    const int defaultMargin = p.unit == 0 ? 1500 : 59;
    p.marginLeft = profile.ReadInt(kPrintingSection, "MarginLeft", defaultMargin);
    p.marginRight = profile.ReadInt(kPrintingSection, "MarginRight", defaultMargin);
    p.marginTop = profile.ReadInt(kPrintingSection, "MarginTop", defaultMargin);
    p.marginBottom = profile.ReadInt(kPrintingSection, "MarginBottom", defaultMargin);
    p.printerIndex = std::max(-1, profile.ReadInt(kPrintingSection, "PrinterIndex", -1));
    p.outputToFile = profile.ReadBool(kPrintingSection, "OutputToFile", false);
    p.fontSizeIndex = ReadChoice(profile, kPrintingSection, "FontSizeIndex", 1, 0, 2);
    p.bytesPerRow = profile.ReadString(kPrintingSection, "BytesPerRow", "16");
    p.landscape = profile.ReadBool(kPrintingSection, "Landscape", false);
    p.offsetDecimal = profile.ReadBool(kPrintingSection, "OffsetDecimal", false);
    p.textBelow = profile.ReadBool(kPrintingSection, "TextBelow", false);
    return p;
}

void WritePrintSettings(ProfileSession& profile, const PrintSettings& p) {
    profile.WriteInt(kPrintingSection, "Unit", p.unit);
    profile.WriteInt(kPrintingSection, "MarginLeft", p.marginLeft);
    profile.WriteInt(kPrintingSection, "MarginRight", p.marginRight);
    profile.WriteInt(kPrintingSection, "MarginTop", p.marginTop);
    profile.WriteInt(kPrintingSection, "MarginBottom", p.marginBottom);
    profile.WriteInt(kPrintingSection, "PrinterIndex", p.printerIndex);
    profile.WriteBool(kPrintingSection, "OutputToFile", p.outputToFile);
    profile.WriteInt(kPrintingSection, "FontSizeIndex", p.fontSizeIndex);
    profile.WriteString(kPrintingSection, "BytesPerRow", p.bytesPerRow);
    profile.WriteBool(kPrintingSection, "Landscape", p.landscape);
    profile.WriteBool(kPrintingSection, "OffsetDecimal", p.offsetDecimal);
    profile.WriteBool(kPrintingSection, "TextBelow", p.textBelow);
}

} // namespace qhe
