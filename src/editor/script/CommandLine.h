#pragma once
#include <string>
#include <vector>

#include "core/compare/FileCompare.h"
#include "core/tools/Hashes.h"
#include "core/print/DumpText.h"
#include "editor/MainCommands.h"

namespace qhe {

// What the program was asked to do by its arguments.
enum class CommandLineAction {
    Run,       // the editor: with a display the main window, without one a batch script run
    Help,      // --help: print the usage and end
    Version,   // --version: print the version and end
    Dump,      // --dump FILE: write FILE's hex dump text to standard output and end
    Compare,   // --compare A B: write the differences of A and B to standard output and end
    Hash,      // --hash ALG[,ALG...] FILE...: write the files' digests to standard output and end
    UsageError // a malformed command line: print error and the usage hint, end with status 2
};

// The program's arguments: "qhe32 [FILE [/s=SCRIPT [ARG1 ... ARG9]]]" or one option.
struct CommandLine {
    CommandLineAction action = CommandLineAction::Run;
    std::vector<std::string> arguments; // as given, without the program name
    std::string fileName;               // the first argument; empty when none
    ScriptSwitch script;                // the second argument read as a script switch
    // The script's run-time parameters: %0 is the switch as typed, %1.. the arguments after it.
    std::vector<std::string> parameters;
    std::string error; // UsageError: what is wrong, one line
    DumpFormat dump;   // Dump: the layout asked for by its options (fileName is the file)
    // Compare: fileName is A, otherFile B; maxDiffs < 0 lists every range.
    std::string otherFile;
    CompareOptions compare;
    int64_t maxDiffs = -1;
    // Hash: the digests asked for, in order, and the files (fileName is the first).
    std::vector<HashKind> hashes;
    std::vector<std::string> files;
};

// Reads the arguments (without the program name). Options start with "--" and stand in
// the file's or the switch's place; what follows a script switch is passed to the script as
// it is, so a parameter may start with "--" too.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The names --hash takes, separated by ", ".
std::string HashNames();
// The --help text (several lines, ending with a line break).
std::string UsageText();
// The --version line, ending with a line break.
std::string VersionLine();

} // namespace qhe
