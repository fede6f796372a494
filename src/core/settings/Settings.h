#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings/FormGeometry.h"
#include "core/settings/Profile.h"

namespace qhe {

// Section names of the settings file.
inline constexpr std::string_view kOptionsSection = "Options";
inline constexpr std::string_view kDisplaySection = "display";
inline constexpr std::string_view kMainWindowSection = "TFormMain";
inline constexpr std::string_view kDataInspSection = "DataInsp";
inline constexpr std::string_view kMruSection = "MRU Files";
inline constexpr std::string_view kPrintingSection = "Printing";

// The sections of the entry histories, one per history drop-down.
inline constexpr std::string_view kHistoryEnc = "QZHistoryEnc";
inline constexpr std::string_view kHistoryFindT = "QZHistoryFindT";
inline constexpr std::string_view kHistoryFindH = "QZHistoryFindH";
inline constexpr std::string_view kHistoryReplT = "QZHistoryReplT";
inline constexpr std::string_view kHistoryReplH = "QZHistoryReplH";
inline constexpr std::string_view kHistoryInsT = "QZHistoryInsT";
inline constexpr std::string_view kHistoryInsH = "QZHistoryInsH";
inline constexpr std::string_view kHistoryInsN = "QZHistoryInsN";
inline constexpr std::string_view kHistoryGoTo = "QZHistoryGoTo";
inline constexpr std::string_view kHistoryJump = "QZHistoryJump";
inline constexpr std::string_view kHistoryBlockN = "QZHistoryBlockN";

// Grid size and font size used when saved geometry does not fit the screen.
inline constexpr int kDefaultCols = 17;
inline constexpr int kDefaultRows = 19;
inline constexpr int kDefaultFontSize = 8;
// Larger grids and fonts than any screen can show can only come from a damaged settings file;
// they read as the defaults (the grid's cells are made before the window can be measured).
inline constexpr int kMaxGridCells = 1000;
inline constexpr int kMaxFontSize = 200;
inline constexpr uint8_t kDefaultJokerByte = 0x2E;
inline constexpr int kDefaultMapFromMB = 2048;

// Section "Options": the preferences, with their defaults.
struct OptionsSettings {
    bool textGridLeft = false;
    int cols = kDefaultCols;
    int rows = kDefaultRows;
    int fontSize = kDefaultFontSize;
    std::string font = "Courier New";
    bool hideToolBar = false;
    bool hideAddressRange = false;
    bool showGrids = true;
    bool blankForCC = false;
    int byteOrder = 0; // 0 little-endian, 1 big-endian
    int colorBlock = 255;
    uint8_t jokerByte = kDefaultJokerByte; // key "JokerHex", two hex digits
    bool findHex = true;
    bool replaceHex = true;
    bool insHex = false;
    bool unicodeIns = false;
    bool unicodeFind = false;
    bool unicodeRepl = false;
    bool caseSensitive = true;
    bool jokerFind = false;
    bool findDown = true;
    int gotoMode = 0;
    int encodeAs = 0;
    int encodeWhere = 0;
    int mru = 5;
    int baseAddress = 0; // key "BaseAdress"
    bool oldFileTime = false;
    bool newEOF = false;
    std::string currentDir; // default: the program's folder
    bool overwrite = true;
    bool modusText = true;
    bool scope = true;
    std::string convTable;
    bool showDataInsp = false;
    int undoLimitMB = 256; // memory the undo journal may hold; 0 turns undo off
    // Files of this many MiB or more are mapped rather than read whole (from 2 GiB on they
    // always are): they open at once, whatever their size.
    int mapFromMB = kDefaultMapFromMB;
    // The compare window: with insertions and deletions, and the equal bytes that end a difference.
    bool compareResync = false;
    int compareResyncRun = 16;
    // The hash dialog's chosen digests, by their command-line names separated by commas.
    std::string hashes = "crc32,md5,sha1,sha256";
    // The language of the texts, taken at the next start: "auto" (by the locale), "zh" or "en".
    std::string language = "auto";
};

// Section "DataInsp": which rows the data inspector shows.
struct DataInspSettings {
    bool shortInt = false; // key "short"
    bool byteInt = false;  // key "byte"
    bool word = true;
    bool intValue = true; // key "int"
    bool longInt = true;  // key "long"
    bool single = true;
    bool doubleFloat = false; // key "double"
    bool bin = true;
    bool blockSize = false; // key "BlockSize"
};

// Section "TFormMain": the main window's place. Top and Left are empty when the file has
// none or the display check fails (the window then keeps its designed position).
struct MainWindowPlacement {
    std::optional<int> top;
    std::optional<int> left;
    int windowState = 0; // 0 normal, 1 minimized, 2 maximized
};

// Everything the main window reads at its first activation and writes at its close.
struct MainSettings {
    DisplaySettings display; // as saved in the file
    bool displayMatches = false;
    MainWindowPlacement placement;
    OptionsSettings options;
    DataInspSettings dataInsp;
};

// Reads section "Options" in the order of the first activation. Cols, Rows and FontSize are
// taken from the file only when displayMatches; otherwise they keep 17, 19 and 8. Values the
// program cannot use read as their default: BaseAdress other than 0/1, JokerHex without two
// leading hex digits, Cols/Rows/FontSize below 1, ByteOrder, GotoMode, EncodeAs and
// EncodeWhere outside their choices; MRU is held to 1..9. Reading never stops early.
OptionsSettings ReadOptions(const ProfileSession& profile, const std::string& programFolder,
                            bool displayMatches);
// Writes section "Options" in the order of the main window's close.
void WriteOptions(ProfileSession& profile, const OptionsSettings& options);

DataInspSettings ReadDataInsp(const ProfileSession& profile);
void WriteDataInsp(ProfileSession& profile, const DataInspSettings& dataInsp);

DisplaySettings ReadDisplay(const ProfileSession& profile);
void WriteDisplay(ProfileSession& profile, const ScreenInfo& screen);

// Reads all main settings: display check against screen, window place, options, inspector.
MainSettings ReadMainSettings(const ProfileSession& profile, const ScreenInfo& screen,
                              const std::string& programFolder);
// Writes "display" (the current screen), "TFormMain" (Top, Left, WindowState), "Options" and
// "DataInsp", in that order. Call profile.Commit() afterwards to reach the file.
void WriteMainSettings(ProfileSession& profile, const ScreenInfo& screen, int top, int left, int windowState,
                       const OptionsSettings& options, const DataInspSettings& dataInsp);

// Reads the main settings from fileName (a missing file gives every default).
MainSettings LoadMainSettings(const std::string& fileName, const ScreenInfo& screen,
                              const std::string& programFolder);
// Writes the main settings to fileName in one step; throws ProfileWriteError when the file
// cannot be written, leaving it as it was.
void SaveMainSettings(const std::string& fileName, const ScreenInfo& screen, int top, int left,
                      int windowState, const OptionsSettings& options, const DataInspSettings& dataInsp);

// An entry history: keys "0", "1", ... in file order, values in double quotes (removed on
// reading).
std::vector<std::string> ReadHistorySection(const ProfileSession& profile, std::string_view section);
// Erases the section and writes entries as "0", "1", ... each in double quotes.
void WriteHistorySection(ProfileSession& profile, std::string_view section,
                         const std::vector<std::string>& entries);

// A plain list section such as "MRU Files": the values in key order, without quotes.
std::vector<std::string> ReadStringListSection(const ProfileSession& profile, std::string_view section);
// Erases the section and writes the values as "0", "1", ...
void WriteStringListSection(ProfileSession& profile, std::string_view section,
                            const std::vector<std::string>& values);

// Section "Printing": the print dialog's choices.
struct PrintSettings {
    int unit = 0;          // 0 mm, 1 inch
    int marginLeft = 1500; // value x 100; defaults 1500 for mm, 59 for inch
    int marginRight = 1500;
    int marginTop = 1500;
    int marginBottom = 1500;
    int printerIndex = -1; // -1: the system's default printer
    bool outputToFile = false;
    int fontSizeIndex = 1; // "10"
    std::string bytesPerRow = "16";
    bool landscape = false;
    bool offsetDecimal = false;
    bool textBelow = false;
};

PrintSettings ReadPrintSettings(const ProfileSession& profile);
void WritePrintSettings(ProfileSession& profile, const PrintSettings& print);

} // namespace qhe
