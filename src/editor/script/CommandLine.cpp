#include "editor/script/CommandLine.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>

namespace qhe {
namespace {

constexpr size_t kMaxParameters = 9; // %1 .. %9

bool IsOption(const std::string& argument) {
    return argument.rfind("--", 0) == 0;
}

// An option in the file's or the switch's place: --help, --version or a usage error.
bool ReadOption(const std::string& argument, CommandLine& line) {
    if (!IsOption(argument)) return false;
    if (argument == "--help") {
        line.action = CommandLineAction::Help;
    } else if (argument == "--version") {
        line.action = CommandLineAction::Version;
    } else {
        line.action = CommandLineAction::UsageError;
        line.error = "unknown option " + argument;
    }
    return true;
}

// "--dump FILE [--bytes-per-row N] [--decimal] [--text-below]", the options in any order.
CommandLine ParseDump(const std::vector<std::string>& arguments) {
    CommandLine line;
    line.arguments = arguments;
    line.action = CommandLineAction::Dump;
    const auto fail = [&line](std::string error) {
        line.action = CommandLineAction::UsageError;
        line.error = std::move(error);
        return line;
    };
    for (size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--decimal") {
            line.dump.decimal = true;
        } else if (argument == "--text-below") {
            line.dump.textBelow = true;
        } else if (argument == "--bytes-per-row") {
            // The print dialog's field: one or two digits, not 0.
            const int n = i + 1 < arguments.size() ? ParseBytesPerRow(arguments[i + 1]) : 0;
            if (n == 0) return fail("--bytes-per-row needs a number from 1 to 99");
            line.dump.bytesPerRow = n;
            ++i;
        } else if (IsOption(argument)) {
            return fail("unknown option " + argument);
        } else if (!line.fileName.empty()) {
            return fail("--dump takes one file");
        } else {
            line.fileName = argument;
        }
    }
    if (line.fileName.empty()) return fail("--dump needs a file");
    return line;
}

// A whole decimal number from low to high, or -1.
int64_t ParseCount(const std::string& text, int64_t low, int64_t high) {
    if (text.empty() || text.size() > 18 || text.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    const int64_t n = std::stoll(text);
    return n < low || n > high ? -1 : n;
}

// "--compare A B [--resync[=N]] [--max-diffs[=]K]", the options in any order.
CommandLine ParseCompare(const std::vector<std::string>& arguments) {
    CommandLine line;
    line.arguments = arguments;
    line.action = CommandLineAction::Compare;
    const auto fail = [&line](std::string error) {
        line.action = CommandLineAction::UsageError;
        line.error = std::move(error);
        return line;
    };
    std::vector<std::string> files;
    for (size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--resync" || argument.rfind("--resync=", 0) == 0) {
            line.compare.resync = true;
            if (argument.size() > 8) {
                const int64_t n = ParseCount(argument.substr(9), kMinResyncRun, kMaxResyncRun);
                if (n < 0)
                    return fail("--resync=N needs a number from " + std::to_string(kMinResyncRun) + " to " +
                                std::to_string(kMaxResyncRun));
                line.compare.run = static_cast<int>(n);
            }
        } else if (argument == "--max-diffs" || argument.rfind("--max-diffs=", 0) == 0) {
            // "--max-diffs=K" or "--max-diffs K".
            const bool joined = argument.size() > 11;
            const std::string value = joined                     ? argument.substr(12)
                                      : i + 1 < arguments.size() ? arguments[i + 1]
                                                                 : std::string();
            line.maxDiffs = ParseCount(value, 1, INT64_MAX / 2);
            if (line.maxDiffs < 0) return fail("--max-diffs needs a number of at least 1");
            if (!joined) ++i;
        } else if (IsOption(argument)) {
            return fail("unknown option " + argument);
        } else {
            files.push_back(argument);
        }
    }
    if (files.size() != 2) return fail("--compare takes two files");
    line.fileName = files[0];
    line.otherFile = files[1];
    return line;
}

// "--hash ALG[,ALG...] FILE...".
CommandLine ParseHash(const std::vector<std::string>& arguments) {
    CommandLine line;
    line.arguments = arguments;
    line.action = CommandLineAction::Hash;
    const auto fail = [&line](std::string error) {
        line.action = CommandLineAction::UsageError;
        line.error = std::move(error);
        return line;
    };
    if (arguments.size() < 3) return fail("--hash needs algorithms and at least one file");
    const std::string& list = arguments[1];
    for (size_t from = 0; from <= list.size();) {
        const size_t comma = std::min(list.find(',', from), list.size());
        const std::string name = list.substr(from, comma - from);
        const auto kind = HashFromName(name);
        if (!kind) return fail("unknown hash algorithm '" + name + "' (" + HashNames() + ")");
        line.hashes.push_back(*kind);
        from = comma + 1;
    }
    line.files.assign(arguments.begin() + 2, arguments.end());
    line.fileName = line.files.front();
    return line;
}

} // namespace

std::string HashNames() {
    std::string names;
    for (int i = 0; i < kHashKinds; ++i)
        names += (i ? ", " : "") + std::string(HashName(static_cast<HashKind>(i)));
    return names;
}

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    line.arguments = arguments;
    if (arguments.empty()) return line;
    if (arguments[0] == "--dump") return ParseDump(arguments);
    if (arguments[0] == "--compare") return ParseCompare(arguments);
    if (arguments[0] == "--hash") return ParseHash(arguments);
    if (ReadOption(arguments[0], line)) return line;
    line.fileName = arguments[0];
    if (arguments.size() < 2) return line;
    if (ReadOption(arguments[1], line)) return line;
    line.script = ParseScriptSwitch(arguments[1]);
    if (!line.script.present) return line;
    // Arguments after the ninth parameter cannot be named in a script and are left out.
    const size_t end = std::min(arguments.size(), 2 + kMaxParameters);
    line.parameters.assign(arguments.begin() + 1, arguments.begin() + static_cast<std::ptrdiff_t>(end));
    return line;
}

std::string UsageText() {
    return "Usage: qhe32 [FILE]\n"
           "       qhe32 FILE /s=SCRIPT [ARG1 ... ARG9]\n"
           "       qhe32 --dump FILE [--bytes-per-row N] [--decimal] [--text-below]\n"
           "       qhe32 --compare A B [--resync[=N]] [--max-diffs[=]K]\n"
           "       qhe32 --hash ALG[,ALG...] FILE...\n"
           "       qhe32 --help | --version\n"
           "\n"
           "Opens FILE in the hex editor. With a script switch (/s, /S, -s or -S, with or\n"
           "without \"=\") the script SCRIPT (.qsc) runs on FILE and a modified FILE is saved;\n"
           "ARG1 ... ARG9 are the script's parameters %1 ... %9.\n"
           "Without a display (neither DISPLAY nor WAYLAND_DISPLAY set) the script runs as a\n"
           "batch tool: errors go to standard error, and the exit status is\n"
           "  0  the script completed (a modified FILE was saved)\n"
           "  1  the script failed its check or at run time; FILE is not written\n"
           "  2  FILE or SCRIPT cannot be read, or the command line is malformed\n"
           "  3  saving FILE failed, or another program changed FILE during the run; the file\n"
           "     on disk is unchanged\n"
           "  130, 143  interrupted by SIGINT or SIGTERM; FILE is not written (a signal that\n"
           "     comes while FILE is overwritten in place waits until it is whole)\n"
           "With a display the script window runs it and shows errors; when that window is\n"
           "closed the program ends with the same statuses (1 after a failed run, 3 after a\n"
           "failed save, 2 when SCRIPT cannot be read).\n"
           "--dump writes the hex dump of FILE to standard output, as the print dialog writes\n"
           "it to a text file: N bytes per row (1 to 99, default 16), decimal offsets, the\n"
           "characters on a second line below the hex bytes.\n"
           "--compare lists where A and B differ, one range a line: the offsets in A and B\n"
           "(hex), the lengths in A and B, and up to 16 bytes of each side in hex (\"-\" for\n"
           "none, \"...\" after more). Byte by byte, or with --resync after insertions and\n"
           "deletions: a difference ends where N bytes (default 16) agree again. --max-diffs\n"
           "stops after K ranges (standard error says when more follow). Status 0 equal,\n"
           "1 different, 2 trouble (a file that cannot be read whole stops the list).\n"
           "--hash writes one line per file and algorithm as sha256sum does (digest, two\n"
           "blanks, name); ALG is one of " +
           HashNames() +
           ".\n"
           "Status 0, or 2 when a file cannot be read or ALG is unknown.\n"
           "A file whose name starts with \"--\" is given as ./--name.\n";
}

std::string VersionLine() {
    return "qhe32 " + std::string(QHE32_VERSION) + "\n";
}

} // namespace qhe
